#pragma once

#include <memory>
#include <string>

#include "platform/HostLookup.h"

struct ares_channeldata;
struct hostent;

namespace sorvane {

// Where a lookup asks. Empty fields keep the system's configuration (the
// hosts file and the name servers the system is set up with).
struct LookupOptions {
  // Name servers as "address:port" separated by commas; replaces the
  // servers of /etc/resolv.conf.
  std::string servers;
};

// An IPv4 lookup through c-ares on a channel of its own. Everything runs on
// the caller's thread inside Poll: no helper threads, and giving a lookup
// up (destroying it) is immediate. The c-ares library must have been
// started (ares_library_init) by the Network that makes the lookups.
class AresHostLookup : public HostLookup {
 public:
  // Starts looking up name. A failure to start shows as Failed at once.
  AresHostLookup(const std::string& name, const LookupOptions& options);
  ~AresHostLookup() override;
  AresHostLookup(const AresHostLookup&) = delete;
  AresHostLookup& operator=(const AresHostLookup&) = delete;

  State Poll(int waitMs) override;
  Ipv4Address Address() const override { return address_; }
  int Error() const override { return error_; }

 private:
  static void Done(void* self, int status, int timeouts, hostent* host);
  void Fail(int error);

  ares_channeldata* channel_ = nullptr;
  State state_ = State::Pending;
  Ipv4Address address_;
  int error_ = 0;
};

// The Windows Sockets number of a failed c-ares lookup status.
int WinsockErrorFromAres(int aresStatus);

}  // namespace sorvane
