#include "components/update/HttpUpdateClient.h"

#include <utility>

namespace sorvane {

HttpUpdateClient::HttpUpdateClient(NetServices services, std::string host) : HTTP(services), host_(std::move(host)) {
  HTTP.Host = host_;
  HTTP.Port = 21;
  HTTP.TimeOut = 10000;
  HTTP.StatusLevel = 0;
  HTTP.Body = "Default.htm";
  HTTP.Header = "Head.txt";
  HTTP.BodyToFile = true;
  HTTP.HeaderToFile = false;
  HTTP.ProxyPort = 0;
  HTTP.OnBlockReceived = [this](TSocketClient&) {
    if (OnBlockReceived) OnBlockReceived();
  };
  HTTP.OnFailure = [this](TSocketClient&, HttpCommand command) {
    if (command == HttpCommand::Get && OnFailure) OnFailure();
  };
  HTTP.OnConnectionFailed = [this](TSocketClient&) {
    if (OnConnectionFailed) OnConnectionFailed();
  };
}

void HttpUpdateClient::Get(const std::string& url, const std::string& bodyFile) {
  HTTP.Body = bodyFile;
  HTTP.Get(url);
}

}  // namespace sorvane
