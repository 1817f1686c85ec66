#pragma once

namespace sorvane {

// Socket and lookup failures are reported with the Windows Sockets error
// numbers on every system, so that error texts and the code that tells the
// cases apart are the same everywhere. These are the numbers the program
// looks at; any other number of the Windows Sockets range may come too.
namespace wsa {
inline constexpr int kOk = 0;
inline constexpr int kWouldBlock = 10035;  // nothing waiting yet / still connecting
inline constexpr int kInProgress = 10036;
inline constexpr int kNoBufferSpace = 10055;
inline constexpr int kNotConnected = 10057;
inline constexpr int kTimedOut = 10060;
inline constexpr int kConnectionRefused = 10061;
inline constexpr int kHostNotFound = 11001;
inline constexpr int kTryAgain = 11002;
inline constexpr int kNoRecovery = 11003;
inline constexpr int kNoData = 11004;
}  // namespace wsa

}  // namespace sorvane
