#pragma once

#include <string>

#include "components/update/UpdateSteps.h"
#include "net/HttpClient.h"

namespace sorvane {

// The update wizard's HTTP client component `HTTP` with its stored
// settings: port 21 (the http scheme of every address makes it 80),
// time-out 10 s, the body to a file, the header kept as text, no proxy.
class HttpUpdateClient : public UpdateHttp {
 public:
  HttpUpdateClient(NetServices services, std::string host);

  std::string Host() override { return host_; }
  void Get(const std::string& url, const std::string& bodyFile) override;
  void Abort() override { HTTP.Abort(); }
  std::int64_t ExpectedBytes() override { return HTTP.ExpectedBytes(); }
  std::int64_t ReceivedBytes() override { return HTTP.ReceivedBytes(); }

  THttpClient HTTP;

 private:
  std::string host_;
};

}  // namespace sorvane
