#pragma once

namespace sorvane {

// The Windows Sockets number of a POSIX errno value from a socket call.
// Values without a counterpart give 0 ("Unrecognized error code").
int WinsockErrorFromErrno(int errnoValue);

// The Windows Sockets number of a failed c-ares lookup status.
int WinsockErrorFromAres(int aresStatus);

}  // namespace sorvane
