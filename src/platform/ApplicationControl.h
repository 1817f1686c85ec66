#pragma once

namespace sorvane {

// The running application as components see it.
class ApplicationControl {
 public:
  virtual ~ApplicationControl() = default;

  // Asks the application to end. Nothing ends at once: the request takes
  // effect when the message loop next runs, so a request made while the
  // windows are being created lets the creation finish first.
  virtual void Terminate() = 0;
  virtual bool Terminated() const = 0;
};

}  // namespace sorvane
