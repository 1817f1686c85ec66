#pragma once

namespace sorvane {

// Lets the user interface handle its pending messages during long work on
// the one user-interface thread. Called often (once per container member,
// every turn of a network wait), so an implementation keeps a call cheap when
// nothing is pending.
class MessagePump {
 public:
  virtual ~MessagePump() = default;
  virtual void ProcessMessages() = 0;
};

// For programs without windows.
class NoMessagePump : public MessagePump {
 public:
  void ProcessMessages() override {}
};

}  // namespace sorvane
