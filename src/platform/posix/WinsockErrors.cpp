#include "platform/posix/WinsockErrors.h"

#include <cerrno>

#include "platform/SocketErrors.h"

namespace sorvane {

int WinsockErrorFromErrno(int e) {
  switch (e) {
    case 0: return 0;
    case EINTR: return 10004;
    case EBADF: return 10009;
    case EACCES: return 10013;
    case EPERM: return 10013;
    case EFAULT: return 10014;
    case EINVAL: return 10022;
    case EMFILE: return 10024;
    case ENFILE: return 10024;
    case EAGAIN: return wsa::kWouldBlock;  // EWOULDBLOCK is the same number
    case EINPROGRESS: return wsa::kInProgress;
    case EALREADY: return 10037;
    case ENOTSOCK: return 10038;
    case EDESTADDRREQ: return 10039;
    case EMSGSIZE: return 10040;
    case EPROTOTYPE: return 10041;
    case ENOPROTOOPT: return 10042;
    case EPROTONOSUPPORT: return 10043;
    case ESOCKTNOSUPPORT: return 10044;
    case EOPNOTSUPP: return 10045;
    case EPFNOSUPPORT: return 10046;
    case EAFNOSUPPORT: return 10047;
    case EADDRINUSE: return 10048;
    case EADDRNOTAVAIL: return 10049;
    case ENETDOWN: return 10050;
    case ENETUNREACH: return 10051;
    case ENETRESET: return 10052;
    case ECONNABORTED: return 10053;
    case ECONNRESET: return 10054;
    case ENOBUFS: return wsa::kNoBufferSpace;
    case ENOMEM: return wsa::kNoBufferSpace;
    case EISCONN: return 10056;
    case ENOTCONN: return wsa::kNotConnected;
    case ESHUTDOWN: return 10058;
    case EPIPE: return 10058;  // sending after the peer has gone
    case ETOOMANYREFS: return 10059;
    case ETIMEDOUT: return wsa::kTimedOut;
    case ECONNREFUSED: return wsa::kConnectionRefused;
    case ELOOP: return 10062;
    case ENAMETOOLONG: return 10063;
    case EHOSTDOWN: return 10064;
    case EHOSTUNREACH: return 10065;
    case ENOTEMPTY: return 10066;
    case EUSERS: return 10068;
    case EDQUOT: return 10069;
    case ESTALE: return 10070;
    case EREMOTE: return 10071;
    // Any other failure stays a failure: 0 would pass for success (a
    // receive that failed would read as the server's close, a failed connect
    // as connected). The system's own number, far below the Windows Sockets
    // range, is reported as "Unknown Error No." and that number.
    default: return e;
  }
}

}  // namespace sorvane
