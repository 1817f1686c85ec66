#include "net/HttpClient.h"

#include <memory>

#include "net/AddressSplit.h"
#include "net/NetTexts.h"
#include "net/RequestBuilder.h"
#include "net/ResponseHeader.h"
#include "platform/Errors.h"

namespace sorvane {

void THttpClient::Get(const std::string& url) {
  // A second exchange from an event handler would close the running one's
  // socket under its feet.
  if (busy_) throw Exception(net_texts::kAlreadyConnected);
  busy_ = true;
  struct Idle {
    bool& busy;
    ~Idle() { busy = false; }
  } idle{busy_};

  command_ = HttpCommand::Get;
  requestAddress_ = url;
  // Answers 299 and 303 to 399 ask for the same address again, and
  // redirections may go round in a circle: the passes are bounded.
  for (int pass = 1; RunPass(); ++pass)
    if (pass == kMaxPasses) throw Exception(net_texts::kTooManyPasses);
}

bool THttpClient::RunPass() {
  const RequestTarget target = SplitRequestAddress(requestAddress_, Host, Port);
  requestAddress_ = target.address;
  path_ = target.path;
  Host = target.host;
  Port = target.port;

  RequestParts parts;
  parts.command = command_;
  parts.path = path_;
  parts.address = requestAddress_;
  parts.host = Host;
  parts.proxy = Proxy;
  parts.headers = RequestHeaders;
  requestLines_ = BuildRequestLines(parts);
  Fire(OnBeforeSend);

  try {
    if (Proxy.empty())
      Connect(Host, Port);
    else
      Connect(Proxy, ProxyPort);
    SendText(RequestText(requestLines_));
    statusCode_ = 0;
    ReadHeader();
    ReadBody();
    Evaluate();
  } catch (...) {
    CloseConnection();
    throw;
  }
  CloseConnection();
  return FollowUp();
}

void THttpClient::ReadHeader() {
  expectedBytes_ = 0;
  cookie_.clear();
  // A stale location from an earlier answer must not be followed.
  location_.clear();
  std::unique_ptr<Stream> file;
  if (HeaderToFile)
    file = Files().Create(Header);
  else
    Header.clear();

  std::size_t total = 0;
  auto keep = [&](const std::string& line) {
    total += line.size();
    if (total > kMaxHeader) throw Exception(net_texts::kHeaderTooLong);
    if (file)
      file->WriteBuffer(line.data(), line.size());
    else
      Header += line;
  };

  std::string line = ReadLine(kMaxHeaderLine, net_texts::kHeaderLineTooLong);
  // A connection that ends before a single byte of answer is a failure, not
  // an empty success.
  if (line.empty()) throw ESockError(net_texts::kNoAnswer);
  statusCode_ = ParseStatusLine(line);
  Report(1, StripLineEnd(line));
  keep(line);

  AnswerFacts facts;
  for (;;) {
    line = ReadLine(kMaxHeaderLine, net_texts::kHeaderLineTooLong);
    keep(line);
    if (IsHeaderEnd(line)) break;
    TakeHeaderLine(line, facts);
    expectedBytes_ = facts.expectedBytes;
  }
  cookie_ = facts.cookie;
  location_ = facts.location;
}

void THttpClient::ReadBody() {
  receivedBytes_ = 0;
  std::unique_ptr<Stream> file;
  if (BodyToFile) {
    Report(8, net_texts::kCaptureFile);
    // Created for every answer, error pages included; each block goes to
    // the file as it arrives, so what came is on disk when a transfer breaks
    // off.
    file = Files().Create(Body);
  } else {
    Report(8, net_texts::kCaptureString);
    Body.clear();
  }
  ReceiveUntilClosed(
      [&](const char* data, std::size_t count) {
        if (file)
          file->WriteBuffer(data, count);
        else
          Body.append(data, count);
        receivedBytes_ += static_cast<std::int64_t>(count);
        Fire(OnBlockReceived);
      },
      file ? net_texts::kSendAborted : net_texts::kCaptureAborted);
}

void THttpClient::FireCommand(const TCommandEvent& event) {
  if (event) event(*this, command_);
}

void THttpClient::Evaluate() {
  if (statusCode_ <= 298) {
    FireCommand(OnSuccess);
    Report(2, net_texts::kTransactionCompleted);
  } else if (statusCode_ >= 300 && statusCode_ <= 302) {
    requestAddress_ = location_;
  }
  if (statusCode_ >= 400) FireCommand(OnFailure);
}

bool THttpClient::FollowUp() {
  const int status = statusCode_;
  if (status >= 300 && status <= 398) {
    if (!cookie_.empty()) RequestHeaders.Cookie = cookie_;
    bool handled = false;
    if (OnRedirect) OnRedirect(*this, handled);
    if (handled) return false;
    // Without a location there is nowhere to go; going on would ask for the
    // server's root instead.
    if (status <= 302 && location_.empty()) throw Exception(net_texts::kRedirectWithoutLocation);
    if (requestAddress_.find('/') == std::string::npos) {
      // A relative location stays on this server: with its port too, or
      // the next pass would go to port 80.
      std::string server = Host;
      if (Port != 80) server += ":" + std::to_string(Port);
      requestAddress_ = "http://" + server + "/" + requestAddress_;
    }
  }
  if (status == 401) Fire(OnAuthenticationNeeded);
  return status >= 299 && status < 400;
}

}  // namespace sorvane
