// sysinfo/queries_win32.cpp
// Thin calls: each query copies what Windows answered into a plain record;
// the naming and formatting rules live in the portable files.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "sysinfo/memory_line.h"
#include "sysinfo/queries.h"

namespace velquor {
namespace {

// The sizes Windows checks in dwOSVersionInfoSize and dwLength; these
// structures hold no pointers, so they are the same in 32- and 64-bit builds.
static_assert(sizeof(OSVERSIONINFOA) == 148);
static_assert(sizeof(OSVERSIONINFOEXA) == 156);
static_assert(sizeof(MEMORYSTATUSEX) == 64);
static_assert(sizeof(void*) != 4 || sizeof(MEMORYSTATUS) == 32);

// A fixed char array from Windows as a text, up to its first zero byte.
template <std::size_t N>
Text TextOf(const char (&buffer)[N]) {
  return Text(buffer, strnlen(buffer, N));
}

OsVersionAnswer AnswerFrom(const OSVERSIONINFOA& info) {
  return OsVersionAnswer{
      .major = info.dwMajorVersion,
      .minor = info.dwMinorVersion,
      .build = info.dwBuildNumber,
      .platformId = info.dwPlatformId,
      .csdVersion = TextOf(info.szCSDVersion),
      .productType = 0,
  };
}

// GetVersionExA with the extended structure, then with the plain one.
std::optional<OsVersionAnswer> AskVersion() {
  OSVERSIONINFOEXA extended = {};
  extended.dwOSVersionInfoSize = sizeof extended;
  if (GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&extended))) {
    OsVersionAnswer answer = AnswerFrom(*reinterpret_cast<const OSVERSIONINFOA*>(&extended));
    answer.productType = extended.wProductType;
    return answer;
  }
  OSVERSIONINFOA plain = {};
  plain.dwOSVersionInfoSize = sizeof plain;
  if (GetVersionExA(&plain)) return AnswerFrom(plain);
  return std::nullopt;
}

void QueryVersionFacts(SystemInfo& info) {
  const std::optional<OsVersionAnswer> answer = AskVersion();
  // GetOSVersion is not asked when even the plain version call failed.
  const VersionMembers members = VersionMembersFrom(answer, answer ? GetOSVersion() : std::nullopt);
  info.osName = members.osName;
  info.osVersion = members.osVersion;
  info.buildNumber = members.buildNumber;
  info.servicePack = members.servicePack;
}

// GetLocaleInfoA into a buffer of exactly `size` bytes, as Windows is told.
Text LocaleText(LCID locale, LCTYPE type, int size) {
  std::string buffer(static_cast<std::size_t>(size), '\0');
  if (GetLocaleInfoA(locale, type, buffer.data(), size) <= 0) return Text();
  return Text(buffer.c_str());
}

std::int32_t LocaleNumber(LCID locale, LCTYPE type, int size) {
  return std::atoi(LocaleText(locale, type, size).c_str());
}

void QueryLocaleFacts(SystemInfo& info) {
  // The input language: the keyboard layout active for this thread.
  const auto locale = static_cast<LCID>(LOWORD(reinterpret_cast<UINT_PTR>(GetKeyboardLayout(0))));
  info.ansiCodePage = LocaleNumber(locale, LOCALE_IDEFAULTANSICODEPAGE, 7);
  info.countryName = FitToCapacity(LocaleText(locale, LOCALE_SENGCOUNTRY, 260), kLocaleTextCapacity);
  info.countryCode = LocaleNumber(locale, LOCALE_ICOUNTRY, 7);
  info.timeFormat = FitToCapacity(LocaleText(locale, LOCALE_STIMEFORMAT, 100), kLocaleTextCapacity);
  info.longDateFormat = FitToCapacity(LocaleText(locale, LOCALE_SLONGDATE, 100), kLocaleTextCapacity);
  info.currencySymbol = FitToCapacity(LocaleText(locale, LOCALE_SCURRENCY, 7), kLocaleTextCapacity);

  // The system default language, which may differ from the input language.
  char language[260] = {};
  const DWORD length = VerLanguageNameA(GetSystemDefaultLangID(), language, sizeof language);
  if (length <= sizeof language) info.languageName = FitToCapacity(TextOf(language), kLocaleTextCapacity);

  TIME_ZONE_INFORMATION zone = {};
  if (GetTimeZoneInformation(&zone) != TIME_ZONE_ID_INVALID) {
    WCHAR name[std::size(zone.StandardName) + 1] = {};
    std::memcpy(name, zone.StandardName, sizeof zone.StandardName);
    char converted[1025] = {};  // wsprintfA writes at most 1024 characters
    wsprintfA(converted, "%S", name);
    info.timeZoneName = FitToCapacity(TextOf(converted), kLocaleTextCapacity);
  }
}

// A directory query's answer, or empty when it failed or would not fit.
template <typename Query>
Text DirectoryText(Query query) {
  char buffer[kDirectoryCapacity] = {};
  const UINT length = query(buffer, sizeof buffer);
  if (length == 0 || length >= sizeof buffer) return Text();
  return TextOf(buffer);
}

using MemoryStatusExFunction = BOOL(WINAPI*)(LPMEMORYSTATUSEX);

// The process-wide choice of QueryMemoryTotal; the program asks from its one
// thread only.
struct MemoryQueryChoice {
  bool decided = false;
  MemoryStatusExFunction extended = nullptr;  // null: the plain call
};
MemoryQueryChoice memoryChoice;

}  // namespace

std::optional<VersionFacts> GetOSVersion() {
  HMODULE kernel = GetModuleHandleA("KERNEL32.DLL");
  if (kernel == nullptr) return std::nullopt;
  using GetVersionExFunction = BOOL(WINAPI*)(LPOSVERSIONINFOA);
  const auto getVersionEx =
      reinterpret_cast<GetVersionExFunction>(reinterpret_cast<void*>(GetProcAddress(kernel, "GetVersionExA")));
  if (getVersionEx == nullptr) return VersionFactsFromPackedVersion(GetVersion());
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof info;
  if (!getVersionEx(&info)) return std::nullopt;
  return VersionFactsFromAnswer(AnswerFrom(info));
}

void QuerySystemInfo(SystemInfo& info) {
  QueryVersionFacts(info);
  QueryLocaleFacts(info);
  char user[kUserNameCapacity] = {};
  DWORD userSize = sizeof user;
  if (GetUserNameA(user, &userSize)) info.userName = TextOf(user);
  info.windowsDirectory = DirectoryText([](LPSTR buffer, UINT size) { return GetWindowsDirectoryA(buffer, size); });
  info.systemDirectory = DirectoryText([](LPSTR buffer, UINT size) { return GetSystemDirectoryA(buffer, size); });
}

std::int32_t QueryMemoryTotal() {
  if (!memoryChoice.decided) {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (GetVersionExA(&version) && version.dwMajorVersion >= 5) {
      if (HMODULE kernel = GetModuleHandleA("Kernel32.dll")) {
        memoryChoice.extended = reinterpret_cast<MemoryStatusExFunction>(
            reinterpret_cast<void*>(GetProcAddress(kernel, "GlobalMemoryStatusEx")));
      }
    }
    memoryChoice.decided = true;
  }
  if (memoryChoice.extended != nullptr) {
    MEMORYSTATUSEX status = {};
    status.dwLength = sizeof status;
    if (!memoryChoice.extended(&status)) return 0;
    return MiBFromBytes(status.ullTotalPhys);
  }
  MEMORYSTATUS status = {};
  status.dwLength = sizeof status;
  GlobalMemoryStatus(&status);
  return MiBFromBytes(status.dwTotalPhys);
}

SystemInfoServices Win32SystemInfoServices() {
  return SystemInfoServices{
      .QuerySystemInfo = [](SystemInfo& info) { velquor::QuerySystemInfo(info); },
      .QueryMemoryTotal = [] { return velquor::QueryMemoryTotal(); },
  };
}

}  // namespace velquor
