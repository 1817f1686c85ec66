#pragma once

namespace sorvane {

// Whether the machine has a connection to the network, as the system's
// connected-state query answers it before the program tries the update
// server.
class InternetConnection {
 public:
  virtual ~InternetConnection() = default;
  virtual bool Connected() = 0;
};

}  // namespace sorvane
