#pragma once

// Shared pieces of the container benchmark (container_bench_*.cpp).

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace sorvane::bench {

// Seconds of wall time that action takes.
double Seconds(const std::function<void()>& action);

// The shortest of runs timings of action: the figure least disturbed by
// other work on the machine.
double Best(int runs, const std::function<void()>& action);

// Writes a container at path with count members of memberSize bytes each
// (names "m000001.dat" and so on, two accounts), through the real file
// system. Returns the file's size.
std::int64_t MakeContainer(const std::string& path, int count, std::int64_t memberSize);

// Reads the whole file once in 1 MiB blocks with plain read(2) calls.
void ReadSequentially(const std::string& path);

// Loads the container at path into a fresh catalogue.
void LoadOnce(const std::string& path);

// Runs program with arguments as a child process; returns its wall time and
// what it printed. Throws when it does not end with status 0.
struct ChildRun {
  double seconds;
  std::string output;
};
ChildRun RunChild(const std::vector<std::string>& command);

// Flushes dirty pages so that no run pays for the writeback of another.
void FlushDisks();

// The peak resident memory (VmHWM) in KiB that a child of the benchmark
// reported in its output.
long PeakKiB(const ChildRun& run);

// The child modes of the benchmark program itself (see container_bench_main).
// Each prints its own peak resident memory: the parent cannot measure it from
// outside, because the rusage figure of a spawned child counts the parent's
// memory shared up to the exec.
int ChildCopy(const std::string& container, const std::string& member, const std::string& target);
int ChildIdle();
// Runs argv[0] with argv, its output thrown away, and prints its wall time
// in seconds, its peak resident memory in KiB, the pages it was handed
// (minor faults) and the page faults it trapped into (-1: not counted).
int ChildMeasure(char** argv);

// The figures, each with its peer: they print as they run.
void LoadFigures(const std::string& folder);
void CopyFigures(const std::string& folder, const std::string& self);
// zvq (the program at zvq) as a whole process against cat: time, pages, memory.
void ProcessFigures(const std::string& folder, const std::string& self, const std::string& zvq);

}  // namespace sorvane::bench
