#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/program_start.h"
#include "core/running_program.h"

namespace kelvaro::cli {
namespace {

// This process's command line after its program name, as it was given
// (program names are quoted whole, without escapes).
std::wstring argumentsAsGiven() {
  const wchar_t* line = ::GetCommandLineW();
  if (*line == L'"') {
    ++line;
    while (*line != L'\0' && *line != L'"') ++line;
    if (*line == L'"') ++line;
  } else {
    while (*line != L'\0' && *line != L' ' && *line != L'\t') ++line;
  }
  return line;
}

}  // namespace

std::vector<std::filesystem::path> companionProgramPlaces(const char* name) {
  return {runningProgram().parent_path() / (std::string(name) + ".exe")};
}

void runInstead(const std::filesystem::path& program, char**, const char* mark) {
  std::wstring commandLine = L"\"" + program.wstring() + L"\"" + argumentsAsGiven();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ::SetEnvironmentVariableA(mark, "1");  // the started program inherits it
  if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        nullptr, &startup, &process)) {
    ::SetEnvironmentVariableA(mark, nullptr);
    return;
  }
  ::CloseHandle(process.hThread);
  ::WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 1;
  ::GetExitCodeProcess(process.hProcess, &status);
  ::CloseHandle(process.hProcess);
  std::fflush(nullptr);
  std::exit(static_cast<int>(status));
}

}  // namespace kelvaro::cli
