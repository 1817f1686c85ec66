#pragma once

// The HTTP component's own texts: its errors and the status texts it passes
// to OnStatus. They are English, as the component has always reported them.
namespace sorvane::net_texts {

// Errors.
inline constexpr char kEmptyUrl[] = "Empty URL";
inline constexpr char kHttpsNotSupported[] = "HTTP Secure Socket is not supported";
inline constexpr char kNullRemoteAddress[] = "Null Remote Address";
inline constexpr char kHostLookupTimedOut[] = "Host Lookup Timed Out";
inline constexpr char kHostLookupCanceled[] = "Host Lookup Canceled";
inline constexpr char kHostLookupFailed[] = "Host Lookup Failed";
inline constexpr char kConnectionTimedOut[] = "Connection Timed out";
inline constexpr char kConnectionCanceled[] = "Connection Canceled";
inline constexpr char kConnectionFailed[] = "Connection Failed";
inline constexpr char kAlreadyConnected[] = "Already connected";
inline constexpr char kSendAborted[] = "Socket send aborted";
inline constexpr char kReadlnAborted[] = "Socket readln aborted";
inline constexpr char kCaptureAborted[] = "Socket capture aborted";
inline constexpr char kSocketsInitFailed[] = "Initializaton of windows sockets failed";

// Errors for answers the component refuses to follow or to store.
inline constexpr char kTooManyPasses[] = "Too many redirections (the server keeps answering 299 or 3xx)";
inline constexpr char kHeaderLineTooLong[] = "Header line too long (no line end within 65536 bytes)";
inline constexpr char kHeaderTooLong[] = "Header too long (more than 1048576 bytes)";
inline constexpr char kRedirectWithoutLocation[] = "Redirection without a location";
inline constexpr char kNoAnswer[] = "Connection closed without an answer";
inline constexpr char kInvalidPort[] = "Invalid port number";

// Status texts, by level.
inline constexpr char kTransactionCompleted[] = "Transaction Completed";  // 2
inline constexpr char kSendingBuffer[] = "Sending Buffer";                // 4
inline constexpr char kRequestCloseSocket[] = "Request Close Socket";     // 4
inline constexpr char kConnecting[] = "Connecting";                       // 8 from here on
inline constexpr char kReadLn[] = "ReadLn";
inline constexpr char kCaptureFile[] = "CaptureFile";
inline constexpr char kCaptureString[] = "Capture String";
inline constexpr char kTimerTriggered[] = "Timer Triggered";
inline constexpr char kTimerOn[] = "Timer On";
inline constexpr char kTimerOff[] = "Timer Off";
inline constexpr char kDataAvailable[] = "Data Available";
inline constexpr char kResolveHost[] = "Resolve Host";
inline constexpr char kAbort[] = "Abort";
inline constexpr char kCanceling[] = "Canceling";
inline constexpr char kLookingUpErrorMessage[] = "Looking Up Error Message";

}  // namespace sorvane::net_texts
