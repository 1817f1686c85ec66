#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "platform/Network.h"
#include "platform/SocketErrors.h"

namespace sorvane::fuzz {

// A network inside the process for the HTTP client's fuzz entry: the n-th
// connection made receives the n-th scripted answer, in blocks of a chosen
// size, and then ends (in order, or with a reset). Host names resolve to
// 127.0.0.1 at once, except names that begin with "fail". What the client
// sends is kept per connection.
class ScriptedNetwork : public Network {
 public:
  struct Options {
    std::size_t blockSize = 65536;
    bool wouldBlockBeforeBlocks = false;  // "nothing yet" before every block
    bool connectLater = false;            // connections are under way first
    bool endWithReset = false;            // the answer ends with a reset
  };

  ScriptedNetwork(std::vector<std::string> answers, Options options)
      : answers_(std::move(answers)), options_(options) {}

  std::unique_ptr<TcpSocket> CreateSocket(int& error) override {
    error = 0;
    return std::make_unique<Socket>(*this);
  }

  std::unique_ptr<HostLookup> StartLookup(const std::string& name) override {
    return std::make_unique<Lookup>(name.rfind("fail", 0) != 0);
  }

  // What the client sent on each connection, in order.
  const std::vector<std::string>& Sent() const { return sent_; }

 private:
  class Lookup : public HostLookup {
   public:
    explicit Lookup(bool found) : found_(found) {}
    State Poll(int) override { return found_ ? State::Resolved : State::Failed; }
    Ipv4Address Address() const override { return {{127, 0, 0, 1}}; }
    int Error() const override { return wsa::kHostNotFound; }

   private:
    bool found_;
  };

  class Socket : public TcpSocket {
   public:
    explicit Socket(ScriptedNetwork& network) : network_(network) {}

    int StartConnect(const Ipv4Address&, std::uint16_t) override {
      index_ = network_.sent_.size();
      network_.sent_.emplace_back();
      if (index_ < network_.answers_.size()) answer_ = network_.answers_[index_];
      connected_ = !network_.options_.connectLater;
      return connected_ ? 0 : wsa::kWouldBlock;
    }
    int AwaitConnect(int) override {
      connected_ = true;
      return 0;
    }
    bool Connected() const override { return connected_; }
    IoResult Send(const void* data, std::size_t count) override {
      if (!connected_) return {0, wsa::kNotConnected};
      count = std::min(count, network_.options_.blockSize);
      network_.sent_[index_].append(static_cast<const char*>(data), count);
      return {count, 0};
    }
    IoResult Receive(void* buffer, std::size_t count) override {
      if (!connected_) return {0, wsa::kNotConnected};
      if (network_.options_.wouldBlockBeforeBlocks && (blocked_ = !blocked_)) return {0, wsa::kWouldBlock};
      if (at_ == answer_.size()) return {0, network_.options_.endWithReset ? 10054 : 0};
      const std::size_t take = std::min({count, network_.options_.blockSize, answer_.size() - at_});
      answer_.copy(static_cast<char*>(buffer), take, at_);
      at_ += take;
      return {take, 0};
    }
    void AwaitReadable(int) override {}
    void AwaitWritable(int) override {}
    void CloseReset() override { connected_ = false; }

   private:
    ScriptedNetwork& network_;
    std::size_t index_ = 0;
    std::string answer_;
    std::size_t at_ = 0;
    bool connected_ = false;
    bool blocked_ = false;
  };

  std::vector<std::string> answers_;
  Options options_;
  std::vector<std::string> sent_;
};

}  // namespace sorvane::fuzz
