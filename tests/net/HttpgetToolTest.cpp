#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>

#include "HttpTestSupport.h"
#include "NginxServer.h"
#include "ScriptedServer.h"

namespace sorvane::testing {
namespace {

struct ToolRun {
  int status;
  std::string output;
};

ToolRun Httpget(const std::string& arguments) {
  const std::string command = std::string(HTTPGET_PATH) + " " + arguments + " 2>&1";
  std::FILE* pipe = ::popen(command.c_str(), "r");
  ToolRun run{-1, {}};
  if (pipe == nullptr) return run;
  char buffer[4096];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, got);
  const int status = ::pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

TEST(HttpgetToolTest, PrintsEventsThenCountersAndExitsWithTheOutcome) {
  if (!NginxServer::Installed()) GTEST_SKIP() << "nginx is not installed (scripts/install-deps.sh)";
  ScratchFolder folder;
  ::mkdir(folder.File("www").c_str(), 0700);
  ::mkdir(folder.File("nginx").c_str(), 0700);
  std::ofstream(folder.File("www/Updates.ini")) << "[ZVQ]\nFile=ZVQ1.zip\n";
  NginxServer nginx(folder.File("www"), folder.File("nginx"));

  ToolRun ok = Httpget(nginx.Url("/Updates.ini") + " " + folder.File("list.ini"));
  EXPECT_EQ(ok.status, 0);
  EXPECT_EQ(ok.output,
            "Event: OnBeforeSend\nEvent: OnConnect\nEvent: OnBlockReceived\nEvent: OnSuccess 0\n"
            "Event: OnDisconnect\nStatusCode: 200\nExpectedBytes: 20\nReceivedBytes: 20\n");
  EXPECT_EQ(ReadWholeFile(folder.File("list.ini")), "[ZVQ]\nFile=ZVQ1.zip\n");

  ToolRun missing = Httpget("--timeout 5000 " + nginx.Url("/nothing") + " " + folder.File("page.html"));
  EXPECT_EQ(missing.status, 0);
  EXPECT_NE(missing.output.find("Event: OnFailure 0\nEvent: OnDisconnect\nStatusCode: 404\n"), std::string::npos);
}

TEST(HttpgetToolTest, AFailedGetEndsWithItsErrorAndStatusOne) {
  ScratchFolder folder;
  ToolRun refused = Httpget("http://127.0.0.1:" + std::to_string(UnusedPort()) + "/x " + folder.File("x"));
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.output,
            "Event: OnBeforeSend\nEvent: OnConnectionFailed\nEvent: OnDisconnect\n"
            "StatusCode: 0\nExpectedBytes: 0\nReceivedBytes: 0\nError: Connection Failed\n");
  EXPECT_EQ(Httpget("--timeout").status, 2);
  EXPECT_EQ(Httpget("--timeout soon http://h/ f").status, 2);
  EXPECT_EQ(Httpget("--help").status, 0);
}

}  // namespace
}  // namespace sorvane::testing
