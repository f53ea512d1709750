// The message box service on the real MessageBoxA: a helper thread finds the
// box, reads what it shows and presses one of its buttons.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "rdpport/system_services.h"

namespace velquor {
namespace {

struct SeenBox {
  bool found = false;
  std::string text;
  bool hasYes = false, hasNo = false, hasOk = false;
};

// Waits for a top-level dialog with `caption`, records it and clicks `button`.
std::thread AnswerBox(const char* caption, int button, SeenBox* seen) {
  return std::thread([=] {
    for (int i = 0; i < 200 && !seen->found; ++i) {
      HWND box = FindWindowA("#32770", caption);
      if (box == nullptr) {
        Sleep(50);
        continue;
      }
      seen->found = true;
      char text[512] = {};
      GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the box's message text
      seen->text = text;
      seen->hasYes = GetDlgItem(box, IDYES) != nullptr;
      seen->hasNo = GetDlgItem(box, IDNO) != nullptr;
      seen->hasOk = GetDlgItem(box, IDOK) != nullptr;
      PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
    }
  });
}

TEST(DialogResultFor, MapsEveryWindowsAnswer) {
  struct Case { int answer; DialogResult result; };
  const Case cases[] = {
      {IDOK, DialogResult::Ok},       {IDCANCEL, DialogResult::Cancel}, {IDABORT, DialogResult::Abort},
      {IDRETRY, DialogResult::Retry}, {IDIGNORE, DialogResult::Ignore}, {IDYES, DialogResult::Yes},
      {IDNO, DialogResult::No},       {IDCLOSE, DialogResult::Ok},      {0, DialogResult::Ok},
      {IDTRYAGAIN, DialogResult::Ok},
  };
  for (const Case& c : cases) EXPECT_EQ(DialogResultFor(c.answer), c.result) << c.answer;
}

TEST(ShowMessage, WithoutCaptionShowsTheDefaultCaption) {
  SeenBox seen;
  std::thread helper = AnswerBox("信息：", IDOK, &seen);
  const DialogResult result = ShowMessage("修改【x】值为80失败！！", MB_ICONHAND);
  helper.join();
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.text, "修改【x】值为80失败！！");
  EXPECT_TRUE(seen.hasOk);
  EXPECT_FALSE(seen.hasYes);
  EXPECT_EQ(result, DialogResult::Ok);
}

TEST(ShowMessage, TheQuestionOffersYesAndNoAndReportsTheAnswer) {
  for (const auto& [button, expected] : {std::pair{IDYES, DialogResult::Yes}, std::pair{IDNO, DialogResult::No}}) {
    SeenBox seen;
    std::thread helper = AnswerBox("生效", button, &seen);
    const DialogResult result = ShowMessage("修改成功重启生效是否马上重启?", MB_YESNO | MB_ICONQUESTION, "生效");
    helper.join();
    ASSERT_TRUE(seen.found);
    EXPECT_TRUE(seen.hasYes && seen.hasNo);
    EXPECT_EQ(seen.text, "修改成功重启生效是否马上重启?");
    EXPECT_EQ(result, expected);
  }
}

}  // namespace
}  // namespace velquor
