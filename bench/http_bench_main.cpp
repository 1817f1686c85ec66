// Downloads a large file from nginx on loopback with httpget (the HTTP
// client) and with curl in the same run, and prints throughput, CPU time
// and peak memory of both with their ratios.
//
//   http_bench [SIZE_MIB]      (default 1024)
//
// The sample and the downloads live under the build folder and are deleted
// afterwards.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "NginxServer.h"
#include "http_bench_process.h"

namespace {

using sorvane::bench::ProcessCost;
using sorvane::bench::RunMeasured;

constexpr int kRounds = 3;
constexpr char kCurl[] = "/usr/bin/curl";

struct Tally {
  const char* name;
  double bestSeconds = 1e30;
  double cpuSeconds = 1e30;  // of the fastest round
  long maxResidentKiB = 0;   // largest over all rounds
  bool intact = true;
};

void Note(Tally& tally, const ProcessCost& cost, bool intact) {
  if (cost.wallSeconds < tally.bestSeconds) {
    tally.bestSeconds = cost.wallSeconds;
    tally.cpuSeconds = cost.cpuSeconds;
  }
  tally.maxResidentKiB = std::max(tally.maxResidentKiB, cost.maxResidentKiB);
  tally.intact = tally.intact && intact && cost.exitStatus == 0;
}

}  // namespace

int main(int argc, char** argv) {
  const long sizeMiB = argc > 1 ? std::atol(argv[1]) : 1024;
  if (sizeMiB <= 0) {
    std::fprintf(stderr, "usage: http_bench [SIZE_MIB]\n");
    return 2;
  }
  if (!sorvane::testing::NginxServer::Installed() || ::access(kCurl, X_OK) != 0) {
    std::fprintf(stderr, "http_bench needs nginx and curl (scripts/install-deps.sh)\n");
    return 2;
  }
  const std::filesystem::path work = SORVANE_HTTP_BENCH_FOLDER;
  std::filesystem::remove_all(work);
  std::filesystem::create_directories(work / "www");
  std::filesystem::create_directories(work / "nginx");
  const std::int64_t size = static_cast<std::int64_t>(sizeMiB) << 20;
  const std::string sample = (work / "www" / "sample.bin").string();
  const std::string target = (work / "download.bin").string();

  int result = 0;
  {
    std::printf("writing a %ld MiB sample under %s\n", sizeMiB, work.c_str());
    const std::uint64_t checksum = sorvane::testing::WriteSampleFile(sample, size);
    sorvane::testing::NginxServer nginx((work / "www").string(), (work / "nginx").string());
    const std::string url = nginx.Url("/sample.bin");

    const ProcessCost idle = RunMeasured({HTTPGET_PATH, "--help"});
    Tally httpget{"httpget"};
    Tally curl{"curl -o"};
    auto check = [&] {
      std::int64_t got = 0;
      const bool same = sorvane::testing::FileChecksum(target, got) == checksum && got == size;
      std::filesystem::remove(target);
      return same;
    };
    for (int round = 0; round < kRounds; ++round) {
      // Alternate who goes first, so that neither always meets a warmer cache.
      for (int turn = 0; turn < 2; ++turn) {
        if ((round + turn) % 2 == 0) {
          const ProcessCost cost = RunMeasured({HTTPGET_PATH, "--timeout", "10000", url, target});
          Note(httpget, cost, check());
        } else {
          const ProcessCost cost = RunMeasured({kCurl, "-s", "-o", target, url});
          Note(curl, cost, check());
        }
      }
    }

    const double mib = static_cast<double>(sizeMiB);
    std::printf("\n%-10s %12s %10s %10s %12s %s\n", "program", "MiB/s", "wall s", "CPU s", "peak RSS KiB",
                "body intact");
    for (const Tally* t : {&httpget, &curl})
      std::printf("%-10s %12.1f %10.3f %10.3f %12ld %s\n", t->name, mib / t->bestSeconds, t->bestSeconds,
                  t->cpuSeconds, t->maxResidentKiB, t->intact ? "yes" : "NO");
    std::printf("%-10s %12s %10s %10s %12ld\n", "idle", "", "", "", idle.maxResidentKiB);

    const double throughputRatio = curl.bestSeconds / httpget.bestSeconds;
    const double cpuRatio = httpget.cpuSeconds / std::max(curl.cpuSeconds, 1e-6);
    const long memoryOverIdleKiB = httpget.maxResidentKiB - idle.maxResidentKiB;
    std::printf("\nbest of %d rounds, %ld MiB from nginx on 127.0.0.1\n", kRounds, sizeMiB);
    std::printf("throughput httpget/curl: %.2f (goal >= 0.90) %s\n", throughputRatio,
                throughputRatio >= 0.9 ? "ok" : "MISSED");
    std::printf("CPU time httpget/curl:   %.2f\n", cpuRatio);
    std::printf("peak memory over idle:   %ld KiB (goal <= 16384 KiB) %s\n", memoryOverIdleKiB,
                memoryOverIdleKiB <= 16384 ? "ok" : "MISSED");
    if (!httpget.intact || !curl.intact) {
      std::printf("a download did not arrive intact\n");
      result = 1;
    }
  }
  std::filesystem::remove_all(work);
  return result;
}
