#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "net/OneShotTimer.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/MessagePump.h"
#include "platform/Network.h"

namespace sorvane {

// The services a network component works with; all of them outlive it.
struct NetServices {
  Network& network;
  Clock& clock;
  MessagePump& pump;
  FileSystem& files;  // receives header and body files
};

// A TCP client component: one connection at a time, every wait done in
// turns of at most 2 ms on the calling (user-interface) thread, with the
// pending messages run on every turn and an optional time-out per waiting
// phase. Failures leave as exceptions: ESockError for socket and lookup
// errors, EAbortError for cancellations, Exception for the rest.
class TSocketClient {
 public:
  using TNotifyEvent = std::function<void(TSocketClient& sender)>;
  using THandledEvent = std::function<void(TSocketClient& sender, bool& handled)>;
  using TStatusEvent = std::function<void(TSocketClient& sender, const std::string& text)>;

  // Makes the first socket; throws ESockError
  // "Initializaton of windows sockets failed" when the system refuses it.
  explicit TSocketClient(NetServices services);
  virtual ~TSocketClient();
  TSocketClient(const TSocketClient&) = delete;
  TSocketClient& operator=(const TSocketClient&) = delete;

  std::string Host;    // name or dotted IPv4 address of the server
  int Port = 0;
  int TimeOut = 0;     // milliseconds per waiting phase; 0: no time-out
  int StatusLevel = 0; // status texts up to this level reach OnStatus
  TNotifyEvent OnDisconnect;
  TNotifyEvent OnConnect;
  THandledEvent OnHostNotFound;  // Handled: try the lookup once more
  TNotifyEvent OnHostResolved;
  TStatusEvent OnStatus;
  TNotifyEvent OnConnectionFailed;

  // Asks the running exchange to stop: its wait ends at the next turn and
  // the exchange fails. Safe to call from event handlers and from the
  // messages run during a wait. The request is forgotten when the next
  // connection starts.
  void Abort();

  // The Windows Sockets number of the last socket or lookup failure, 0 when
  // there was none yet.
  int LastError() const { return lastError_; }

  // Longest wait of one turn, in milliseconds.
  static constexpr int kTurnMs = 2;
  // Size of the receive buffer, and so of the largest block.
  static constexpr std::size_t kBufferSize = 65536;

 protected:
  FileSystem& Files() { return services_.files; }

  // Resolves name (proxy or host) and connects to it at port. Fires
  // OnHostResolved / OnHostNotFound, OnConnect or OnConnectionFailed.
  void Connect(const std::string& name, int port);

  // Sends all of text.
  void SendText(std::string_view text);

  // Reads one line, line feed included; what is left when the connection
  // ends (empty at its end). Throws Exception tooLongText when no line feed
  // comes within maxLine bytes.
  std::string ReadLine(std::size_t maxLine, const char* tooLongText);

  // Hands every block that arrives to take (the rest of the last ReadLine's
  // block first) until the peer ends the connection, counting the time-out
  // from the last block. Throws EAbortError abortText when cancelled.
  void ReceiveUntilClosed(const std::function<void(const char*, std::size_t)>& take,
                          const char* abortText);

  // Drops the connection at once, fires OnDisconnect and readies a fresh
  // socket. Never throws on its own.
  void CloseConnection();

  // Passes text to OnStatus when level is at most StatusLevel.
  void Report(int level, std::string_view text);
  void Fire(const TNotifyEvent& event);

 private:
  class TimerPhase;

  Ipv4Address Resolve(const std::string& name);
  void Turn();
  void Cancel();
  [[noreturn]] void RaiseSocketError(int error);

  NetServices services_;
  std::unique_ptr<TcpSocket> socket_;
  OneShotTimer timer_;
  std::unique_ptr<char[]> buffer_;
  std::size_t pendingBegin_ = 0;  // received, not yet consumed: [begin, end)
  std::size_t pendingEnd_ = 0;
  bool cancelled_ = false;
  bool timedOut_ = false;
  bool destroying_ = false;
  int lastError_ = 0;
};

}  // namespace sorvane
