#pragma once

#include "platform/TcpSocket.h"

namespace sorvane {

// One running host-name lookup. It never blocks longer than the wait it is
// given, so the caller can time it out or give it up between turns.
class HostLookup {
 public:
  enum class State { Pending, Resolved, Failed };

  // Ends the lookup; an unfinished one is given up.
  virtual ~HostLookup() = default;

  // Lets the lookup progress, waiting at most waitMs for an answer.
  virtual State Poll(int waitMs) = 0;

  // The first IPv4 address found, once Resolved.
  virtual Ipv4Address Address() const = 0;

  // Once Failed: the Windows Sockets number of the reason (11001 host not
  // found, 11002 no answer yet / try again, 11003 no recovery, 11004 no
  // address of that kind, or a socket error).
  virtual int Error() const = 0;
};

}  // namespace sorvane
