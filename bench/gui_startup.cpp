// Time from program start to the first painted main window, for sorvane and
// for a minimal wxWidgets program with one empty frame, on the running X
// server. Each program prints the steady clock when its window is painted;
// the time is counted from just before it is started. Median of 15 starts
// each, taken in turns.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

extern char** environ;

namespace {

// Milliseconds from spawning program to the clock reading it prints.
double StartOnce(const char* program) {
  int out[2];
  if (pipe(out) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  char* argv[] = {const_cast<char*>(program), nullptr};
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, program, &actions, nullptr, argv, environ) != 0) return -1;
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  std::string text;
  char buffer[64];
  for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, n);
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (text.empty()) return -1;
  const std::chrono::steady_clock::time_point shown{std::chrono::steady_clock::duration(std::stoll(text))};
  return std::chrono::duration<double, std::milli>(shown - start).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: gui_startup SORVANE_PROGRAM PEER_PROGRAM\n");
    return 2;
  }
  constexpr int kStarts = 15;
  std::vector<double> sorvane, peer;
  StartOnce(argv[1]);  // warm the caches of both
  StartOnce(argv[2]);
  for (int i = 0; i < kStarts; ++i) {
    sorvane.push_back(StartOnce(argv[1]));
    peer.push_back(StartOnce(argv[2]));
  }
  if (std::min(*std::min_element(sorvane.begin(), sorvane.end()), *std::min_element(peer.begin(), peer.end())) < 0) {
    std::fprintf(stderr, "gui_startup: a program did not report its window\n");
    return 1;
  }
  std::printf("gui_startup: program start to first painted main window, median of %d\n", kStarts);
  std::printf("  sorvane                          %8.1f ms\n", Median(sorvane));
  std::printf("  one empty wx frame (peer)        %8.1f ms\n", Median(peer));
  std::printf("  ratio                            %8.2f x\n", Median(sorvane) / Median(peer));
  return 0;
}
