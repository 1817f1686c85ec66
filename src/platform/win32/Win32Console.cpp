#include "platform/win32/Win32Console.h"

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>

#include "platform/win32/AnsiText.h"
#include "platform/win32/WidePath.h"
#include "platform/win32/WindowsApi.h"
// After windows.h, which it needs.
#include <shellapi.h>

namespace sorvane {
namespace {

HANDLE ChannelHandle(Console::Channel channel) {
  return GetStdHandle(channel == Console::Channel::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

// The input mode from before the hidden query. Ctrl+C ends the program in
// the console's own handler thread, so the mode it must put back lives at
// file level: the echo must not stay off in the console the user returns to.
HANDLE g_input = INVALID_HANDLE_VALUE;
DWORD g_savedInputMode = 0;
volatile LONG g_echoOff = 0;

BOOL WINAPI RestoreEcho(DWORD) {
  if (InterlockedExchange(&g_echoOff, 0) != 0) SetConsoleMode(g_input, g_savedInputMode);
  return FALSE;  // the system's handling goes on: the program ends
}

// Switches the echo of standard input off for its lifetime.
class EchoOff {
 public:
  EchoOff() {
    g_input = GetStdHandle(STD_INPUT_HANDLE);
    if (!GetConsoleMode(g_input, &g_savedInputMode)) return;
    SetConsoleCtrlHandler(RestoreEcho, TRUE);
    const DWORD quiet = (g_savedInputMode | ENABLE_LINE_INPUT | ENABLE_PROCESSED_INPUT) & ~DWORD{ENABLE_ECHO_INPUT};
    if (SetConsoleMode(g_input, quiet)) InterlockedExchange(&g_echoOff, 1);
    active_ = true;
  }
  ~EchoOff() {
    if (!active_) return;
    RestoreEcho(0);
    SetConsoleCtrlHandler(RestoreEcho, FALSE);
  }
  EchoOff(const EchoOff&) = delete;
  EchoOff& operator=(const EchoOff&) = delete;

 private:
  bool active_ = false;
};

}  // namespace

Win32Console::Win32Console() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  for (const Channel channel : {Channel::Output, Channel::Error}) {
    const auto i = static_cast<std::size_t>(channel);
    DWORD mode = 0;
    if (!GetConsoleMode(ChannelHandle(channel), &mode)) continue;
    savedModes_[i] = mode;
    changed_[i] = (mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) == 0 &&
                  SetConsoleMode(ChannelHandle(channel), mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
  }
}

Win32Console::~Win32Console() {
  for (const Channel channel : {Channel::Output, Channel::Error}) {
    const auto i = static_cast<std::size_t>(channel);
    if (changed_[i]) SetConsoleMode(ChannelHandle(channel), savedModes_[i]);
  }
}

std::string Win32Console::ForTerminal(const std::string& text) { return OemConsoleText(text); }

std::string OemConsoleText(const std::string& text) {
  std::string bytes = NarrowText(WidenText(text, CP_UTF8), CP_ACP);
  if (!bytes.empty()) CharToOemBuffA(bytes.data(), bytes.data(), static_cast<DWORD>(bytes.size()));
  std::string lines;
  for (const char c : bytes) {
    if (c == '\n') lines += '\r';
    lines += c;
  }
  return lines;
}

std::wstring WideConsoleText(const std::string& text) {
  std::wstring lines;
  for (const wchar_t c : WideText(text)) {
    if (c == L'\n') lines += L'\r';
    lines += c;
  }
  return lines;
}

bool Win32Console::WriteText(Channel channel, const std::string& text) {
  const HANDLE handle = ChannelHandle(channel);
  DWORD mode = 0;
  if (!GetConsoleMode(handle, &mode)) return false;  // a file or a pipe
  const std::wstring wide = WideConsoleText(text);
  DWORD written = 0;
  for (std::size_t at = 0; at < wide.size(); at += written) {
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(wide.size() - at, 16384));
    if (chunk > 1 && IS_HIGH_SURROGATE(wide[at + chunk - 1])) --chunk;  // a pair stays whole
    if (!WriteConsoleW(handle, wide.data() + at, chunk, &written, nullptr) || written == 0) break;
  }
  return true;
}

std::vector<std::string> Win32Console::Arguments(int argc, char** argv) {
  // argv holds the ANSI code page's "?" for every letter it lacks.
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return {argv, argv + argc};
  std::vector<std::string> texts;
  for (int i = 0; i < count; ++i) texts.push_back(TextFromWide(wide[i]));
  LocalFree(wide);
  return texts;
}

bool Win32Console::IsTerminal(Channel channel) {
  DWORD mode = 0;
  return GetConsoleMode(ChannelHandle(channel), &mode) && (mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
}

bool Win32Console::CanAsk() {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}

std::optional<std::string> Win32Console::ReadHidden(const std::string& prompt) {
  std::wstring line;
  bool complete = false;
  {
    // The echo goes off before the prompt appears, as on any terminal.
    EchoOff quiet;
    std::fflush(stderr);
    if (!WriteText(Channel::Error, prompt)) std::fputs(ForTerminal(prompt).c_str(), stderr);
    std::fflush(stderr);
    // A character at a time: nothing typed after the line is taken away
    // from whoever reads the console next.
    wchar_t c;
    DWORD got = 0;
    while (ReadConsoleW(GetStdHandle(STD_INPUT_HANDLE), &c, 1, &got, nullptr) && got == 1) {
      if (c == L'\n') {
        complete = true;
        break;
      }
      line += c;
    }
  }
  // Enter was not echoed; the prompt's line ends here.
  if (!WriteText(Channel::Error, "\n")) std::fputs(ForTerminal("\n").c_str(), stderr);
  if (!line.empty() && line.back() == L'\r') line.pop_back();
  // Ctrl+Z at the start of a line is the console's end of input.
  if (!complete || line.starts_with(L'\x1A')) return std::nullopt;
  return TextFromWide(line);
}

void WriteProgramOutput(const std::string& text) {
  // A window program gets a standard output only when its starter handed
  // one over (a file or a pipe); a console does not hand over its own, so
  // the program asks for it. The console's prompt may stand before the text:
  // cmd.exe does not wait for window programs.
  HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
  HANDLE console = INVALID_HANDLE_VALUE;
  if (output == nullptr || output == INVALID_HANDLE_VALUE || ::GetFileType(output) == FILE_TYPE_UNKNOWN) {
    // Refused also when a console is attached already; CONOUT$ then finds
    // that one, and without any console it fails.
    ::AttachConsole(ATTACH_PARENT_PROCESS);
    console = ::CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
    output = console;
  }
  const std::string bytes = OemConsoleText(text);
  DWORD written = 0;
  for (std::size_t at = 0; at < bytes.size() && output != INVALID_HANDLE_VALUE; at += written) {
    if (!::WriteFile(output, bytes.data() + at, static_cast<DWORD>(bytes.size() - at), &written, nullptr) ||
        written == 0) {
      break;
    }
  }
  if (console != INVALID_HANDLE_VALUE) ::CloseHandle(console);
}

}  // namespace sorvane
