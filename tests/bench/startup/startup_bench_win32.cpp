// Start-up to interactive, as a ratio measured in one run: the time from
// CreateProcess until velquor.exe's window is visible with both boxes filled
// and the focus in the new-port box, against the time until the baseline
// program's empty window is visible. Runs alternate; the medians are compared.
//
// usage: startup_bench.exe velquor.exe empty_window.exe [runs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

std::string WindowsPath(const char* path) {
  std::string out = path[0] == '/' ? std::string("Z:") + path : std::string(path);
  for (char& c : out) c = c == '/' ? '\\' : c;
  return out;
}

// A box's text length, asked of the box itself: GetWindowTextLength does not
// ask a control of another process.
LRESULT TextLength(HWND control) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 100, &length)) return 0;
  return static_cast<LRESULT>(length);
}

bool VelquorReady(DWORD thread) {
  HWND window = FindWindowA(nullptr, "Velquor");
  if (window == nullptr || !IsWindowVisible(window)) return false;
  // Controls 101 (system information) and 105 (the port) are filled, and
  // 106 (the new-port box) has the focus.
  if (TextLength(GetDlgItem(window, 101)) == 0 || TextLength(GetDlgItem(window, 105)) == 0) {
    return false;
  }
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(thread, &info) && info.hwndFocus == GetDlgItem(window, 106);
}

bool BaselineReady(DWORD) {
  HWND window = FindWindowA(nullptr, "VelquorStartupBaseline");
  return window != nullptr && IsWindowVisible(window);
}

// Milliseconds from CreateProcess to `ready`, or a negative value on failure.
double TimeOneStart(const std::string& path, bool (*ready)(DWORD), const char* caption) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  const double start = Now();
  if (!CreateProcessA(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return -1;
  }
  double elapsed = -2;
  for (int i = 0; i < 20000; ++i) {
    if (ready(process.dwThreadId)) {
      elapsed = Now() - start;
      break;
    }
    Sleep(1);
  }
  PostMessageA(FindWindowA(nullptr, caption), WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return elapsed;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup_bench velquor.exe empty_window.exe [runs]\n");
    return 2;
  }
  const std::string velquor = WindowsPath(argv[1]);
  const std::string baseline = WindowsPath(argv[2]);
  const int runs = argc > 3 ? std::atoi(argv[3]) : 9;
  TimeOneStart(velquor, VelquorReady, "Velquor");  // warm-up: DLLs and fonts into the cache
  TimeOneStart(baseline, BaselineReady, "VelquorStartupBaseline");
  std::vector<double> velquorTimes, baselineTimes, ratios;
  for (int i = 0; i < runs; ++i) {
    const double v = TimeOneStart(velquor, VelquorReady, "Velquor");
    const double b = TimeOneStart(baseline, BaselineReady, "VelquorStartupBaseline");
    if (v <= 0 || b <= 0) {
      std::fprintf(stderr, "run %d failed (%g, %g)\n", i, v, b);
      return 1;
    }
    velquorTimes.push_back(v);
    baselineTimes.push_back(b);
    ratios.push_back(v / b);
  }
  std::printf("start-up to interactive, %d runs under Wine\n", runs);
  std::printf("  velquor.exe       median %8.1f ms\n", Median(velquorTimes));
  std::printf("  empty window      median %8.1f ms\n", Median(baselineTimes));
  std::printf("  ratio             median %8.3f (goal: below 1.10)\n", Median(ratios));
  return 0;
}
