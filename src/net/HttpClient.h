#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "net/HttpCommand.h"
#include "net/RequestHeaders.h"
#include "net/SocketClient.h"

namespace sorvane {

// An HTTP/1.0 client component. Get runs one whole exchange synchronously
// on the calling thread and keeps the user interface alive while it waits
// (see TSocketClient); progress and outcome come through the events.
//
// One exchange goes in passes: split the address, build the request, fire
// OnBeforeSend, connect, send, read the header, read the body until the
// server closes the connection, evaluate the status (OnSuccess up to 298,
// OnFailure from 400 on), close with a reset, and follow 300 to 302 to their
// location (OnRedirect may stop that). Status answers of 400 and above are
// no error: the body (the server's error page) is stored all the same.
class THttpClient : public TSocketClient {
 public:
  using TCommandEvent = std::function<void(TSocketClient& sender, HttpCommand command)>;

  explicit THttpClient(NetServices services) : TSocketClient(services) {}

  TNotifyEvent OnBlockReceived;   // after each block of the answer's body is stored
  TNotifyEvent OnBlockSent;       // after each block of a request body sent from a file
  std::string Body = "Default.htm";  // BodyToFile: the file's name; else the body itself
  std::string Header = "Head.txt";   // HeaderToFile: the file's name; else the header text
  TRequestHeaders RequestHeaders;
  bool BodyToFile = false;
  bool HeaderToFile = false;
  TNotifyEvent OnBeforeSend;      // the request is built, nothing is connected yet
  TCommandEvent OnSuccess;
  TCommandEvent OnFailure;
  THandledEvent OnRedirect;       // Handled: do not follow, end the exchange
  TNotifyEvent OnAuthenticationNeeded;  // the answer was 401
  std::string Proxy;              // empty: connect to the server itself
  int ProxyPort = 0;

  // Performs one GET exchange for url and returns when it is over. Raises
  // on failure, after the connection has been closed; a body file keeps
  // what had arrived. Must not be called again from inside a running
  // exchange (its event handlers): that raises "Already connected" and
  // leaves the running exchange alone.
  void Get(const std::string& url);

  // The status number of the last answer; 0 before one is read.
  std::int16_t StatusCode() const { return statusCode_; }
  // Content-Length of the last answer, 0 when it had none.
  std::int64_t ExpectedBytes() const { return expectedBytes_; }
  // Body bytes of the current (last) answer received so far.
  std::int64_t ReceivedBytes() const { return receivedBytes_; }

  // State of the last request, for the curious.
  const std::string& RequestAddress() const { return requestAddress_; }
  const std::string& RequestPath() const { return path_; }
  const std::vector<std::string>& RequestLines() const { return requestLines_; }
  // The location and the cookie of the last answer, empty when it had none.
  const std::string& LastLocation() const { return location_; }
  const std::string& LastCookie() const { return cookie_; }
  // The command code of the running (or last) request.
  HttpCommand Command() const { return command_; }

  // Passes allowed in one exchange before it ends with an error.
  static constexpr int kMaxPasses = 20;
  // Longest header line (line feed included) and whole header accepted.
  static constexpr std::size_t kMaxHeaderLine = 65536;
  static constexpr std::size_t kMaxHeader = 1048576;

 private:
  bool RunPass();
  void ReadHeader();
  void ReadBody();
  void Evaluate();
  bool FollowUp();
  void FireCommand(const TCommandEvent& event);

  HttpCommand command_ = HttpCommand::Get;
  std::string requestAddress_;
  std::string path_;
  std::string location_;
  std::string cookie_;
  std::vector<std::string> requestLines_;
  std::int16_t statusCode_ = 0;
  std::int64_t expectedBytes_ = 0;
  std::int64_t receivedBytes_ = 0;
  bool busy_ = false;
};

}  // namespace sorvane
