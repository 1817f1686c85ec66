#include "net/SocketClient.h"

#include <cstring>

#include "net/DottedAddress.h"
#include "net/NetTexts.h"
#include "net/SocketErrorText.h"
#include "platform/Errors.h"
#include "platform/SocketErrors.h"

namespace sorvane {

// Runs the time-out for the length of one waiting phase. A phase that ends
// normally calls End, which reports "Timer Off"; the destructor only stops
// the timer, since no handler may run from a destructor (a handler that
// throws there would end the program).
class TSocketClient::TimerPhase {
 public:
  explicit TimerPhase(TSocketClient& client) : client_(client) {
    if (client_.TimeOut > 0) client_.Report(8, net_texts::kTimerOn);
    client_.timer_.Start(client_.TimeOut);
  }
  ~TimerPhase() { client_.timer_.Stop(); }
  void End() {
    const bool wasRunning = client_.timer_.Running();
    client_.timer_.Stop();
    if (wasRunning) client_.Report(8, net_texts::kTimerOff);
  }
  TimerPhase(const TimerPhase&) = delete;
  TimerPhase& operator=(const TimerPhase&) = delete;

 private:
  TSocketClient& client_;
};

TSocketClient::TSocketClient(NetServices services)
    : services_(services), timer_(services.clock), buffer_(new char[kBufferSize]) {
  int error = 0;
  socket_ = services_.network.CreateSocket(error);
  if (!socket_) {
    lastError_ = error;
    throw ESockError(net_texts::kSocketsInitFailed);
  }
}

// No handler runs from here: what the handlers use (their owner's state)
// is often gone already when the component goes.
TSocketClient::~TSocketClient() {
  destroying_ = true;
  cancelled_ = true;
  if (socket_) socket_->CloseReset();
}

void TSocketClient::Report(int level, std::string_view text) {
  if (level <= StatusLevel && OnStatus) OnStatus(*this, std::string(text));
}

void TSocketClient::Fire(const TNotifyEvent& event) {
  if (event) event(*this);
}

void TSocketClient::Abort() {
  Report(8, net_texts::kAbort);
  Cancel();
}

void TSocketClient::Cancel() {
  Report(8, net_texts::kCanceling);
  cancelled_ = true;
}

void TSocketClient::Turn() {
  services_.pump.ProcessMessages();
  if (timer_.Due()) {
    Report(8, net_texts::kTimerTriggered);
    timedOut_ = true;
    Cancel();
  }
}

void TSocketClient::RaiseSocketError(int error) {
  lastError_ = error;
  Report(8, net_texts::kLookingUpErrorMessage);
  throw ESockError(SocketErrorText(error));
}

Ipv4Address TSocketClient::Resolve(const std::string& name) {
  Report(8, net_texts::kResolveHost);
  if (auto dotted = ParseDottedAddress(name)) return *dotted;
  for (int attempt = 1;; ++attempt) {
    std::unique_ptr<HostLookup> lookup = services_.network.StartLookup(name);
    HostLookup::State state;
    {
      TimerPhase phase(*this);
      while ((state = lookup->Poll(kTurnMs)) == HostLookup::State::Pending) {
        Turn();
        if (cancelled_) break;
      }
      phase.End();
    }
    if (state == HostLookup::State::Resolved) {
      Fire(OnHostResolved);
      return lookup->Address();
    }
    if (state == HostLookup::State::Pending) {
      if (timedOut_) throw ESockError(net_texts::kHostLookupTimedOut);
      throw EAbortError(net_texts::kHostLookupCanceled);
    }
    lastError_ = lookup->Error();
    Report(8, net_texts::kHostLookupFailed);
    bool handled = false;
    if (OnHostNotFound) OnHostNotFound(*this, handled);
    if (!handled || attempt > 1) throw ESockError(net_texts::kNullRemoteAddress);
  }
}

void TSocketClient::Connect(const std::string& name, int port) {
  Report(8, net_texts::kConnecting);
  if (!socket_) {
    int error = 0;
    socket_ = services_.network.CreateSocket(error);
    if (!socket_) RaiseSocketError(error);
  }
  if (socket_->Connected()) throw Exception(net_texts::kAlreadyConnected);
  cancelled_ = false;
  timedOut_ = false;
  pendingBegin_ = pendingEnd_ = 0;
  if (port < 1 || port > 65535) throw Exception(net_texts::kInvalidPort);

  const Ipv4Address address = Resolve(name);
  int state = socket_->StartConnect(address, static_cast<std::uint16_t>(port));
  {
    TimerPhase phase(*this);
    while (state == wsa::kWouldBlock) {
      state = socket_->AwaitConnect(kTurnMs);
      Turn();
      if (cancelled_ && state != 0) break;
    }
    phase.End();
  }
  if (state != 0) {
    if (state != wsa::kWouldBlock) lastError_ = state;
    Fire(OnConnectionFailed);
    if (timedOut_) throw ESockError(net_texts::kConnectionTimedOut);
    if (cancelled_) throw EAbortError(net_texts::kConnectionCanceled);
    throw ESockError(net_texts::kConnectionFailed);
  }
  Fire(OnConnect);
}

void TSocketClient::SendText(std::string_view text) {
  Report(4, net_texts::kSendingBuffer);
  TimerPhase phase(*this);
  std::size_t done = 0;
  while (done < text.size()) {
    if (cancelled_) throw EAbortError(net_texts::kSendAborted);
    const IoResult sent = socket_->Send(text.data() + done, text.size() - done);
    if (sent.count > 0) {
      done += sent.count;
    } else if (sent.error == wsa::kWouldBlock) {
      socket_->AwaitWritable(kTurnMs);
    } else {
      RaiseSocketError(sent.error == 0 ? wsa::kNotConnected : sent.error);
    }
    Turn();
  }
  phase.End();
}

std::string TSocketClient::ReadLine(std::size_t maxLine, const char* tooLongText) {
  Report(8, net_texts::kReadLn);
  TimerPhase phase(*this);
  std::string line;
  for (;;) {
    if (pendingBegin_ < pendingEnd_) {
      const char* start = buffer_.get() + pendingBegin_;
      const std::size_t available = pendingEnd_ - pendingBegin_;
      const auto* feed = static_cast<const char*>(std::memchr(start, '\n', available));
      const std::size_t take = feed != nullptr ? static_cast<std::size_t>(feed - start) + 1 : available;
      // A line that never ends must not grow without bound.
      if (line.size() + take > maxLine) throw Exception(tooLongText);
      line.append(start, take);
      pendingBegin_ += take;
      if (feed != nullptr) {
        phase.End();
        return line;
      }
    }
    if (cancelled_) throw EAbortError(net_texts::kReadlnAborted);
    const IoResult got = socket_->Receive(buffer_.get(), kBufferSize);
    if (got.count > 0) {
      pendingBegin_ = 0;
      pendingEnd_ = got.count;
    } else if (got.error == 0 || got.error == wsa::kNotConnected) {
      phase.End();
      return line;
    } else if (got.error == wsa::kWouldBlock) {
      socket_->AwaitReadable(kTurnMs);
    } else {
      RaiseSocketError(got.error);
    }
    Turn();
  }
}

void TSocketClient::ReceiveUntilClosed(const std::function<void(const char*, std::size_t)>& take,
                                       const char* abortText) {
  TimerPhase phase(*this);
  if (pendingBegin_ < pendingEnd_) {
    const std::size_t count = pendingEnd_ - pendingBegin_;
    pendingEnd_ = pendingBegin_;
    take(buffer_.get() + pendingBegin_, count);
    timer_.Restart();
    Turn();
  }
  while (!cancelled_) {
    const IoResult got = socket_->Receive(buffer_.get(), kBufferSize);
    if (got.count > 0) {
      Report(8, net_texts::kDataAvailable);
      take(buffer_.get(), got.count);
      timer_.Restart();
    } else if (got.error == 0 || got.error == wsa::kNotConnected) {
      break;
    } else if (got.error == wsa::kWouldBlock) {
      socket_->AwaitReadable(kTurnMs);
    } else {
      RaiseSocketError(got.error);
    }
    Turn();
  }
  if (cancelled_) throw EAbortError(abortText);
  phase.End();
}

void TSocketClient::CloseConnection() {
  Report(4, net_texts::kRequestCloseSocket);
  if (socket_) socket_->CloseReset();
  socket_.reset();
  pendingBegin_ = pendingEnd_ = 0;
  Fire(OnDisconnect);
  if (!destroying_) {
    int error = 0;
    socket_ = services_.network.CreateSocket(error);  // a refusal shows at the next Connect
  }
}

}  // namespace sorvane
