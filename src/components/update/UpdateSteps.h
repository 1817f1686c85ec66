#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace sorvane {

// The HTTP client component the update wizard fetches with (its `HTTP`):
// one synchronous GET at a time, the body written to a file, the counters
// readable from OnBlockReceived.
class UpdateHttp {
 public:
  virtual ~UpdateHttp() = default;

  std::function<void()> OnBlockReceived;     // after each stored block of the body
  std::function<void()> OnFailure;           // the get was answered with 400 or more
  std::function<void()> OnConnectionFailed;  // no connection could be made

  // The update server: a host name or address, optionally ":port".
  virtual std::string Host() = 0;
  // GET url with the body written to bodyFile (created or emptied). Raises
  // on failure; the file keeps what had arrived.
  virtual void Get(const std::string& url, const std::string& bodyFile) = 0;
  // Makes the running Get end early with an error.
  virtual void Abort() = 0;
  // Content-Length of the answer (0 while unknown) and body bytes so far.
  virtual std::int64_t ExpectedBytes() = 0;
  virtual std::int64_t ReceivedBytes() = 0;
};

// The largest update list taken, in bytes: a list holds a few lines per
// program, and anything larger is refused like a failed check.
inline constexpr std::int64_t kMaxUpdateListBytes = 1048576;

// The update list and what surrounds its exchange: whether a connection
// exists, the local copy it is fetched into, the program's entry, and
// whether a downloaded archive may be installed.
class UpdateExchange {
 public:
  virtual ~UpdateExchange() = default;

  // Why no update is taken from host at all, as a German sentence; empty
  // when the check may ask it.
  virtual std::string RefuseHost(const std::string& host) = 0;
  // Whether the machine is connected (or the update host is local).
  virtual bool Connected(const std::string& host) = 0;
  // A new, empty file of a unique name with the prefix "$" in tempFolder,
  // nobody else's; its path.
  virtual std::string MakeListCopy(const std::string& tempFolder) = 0;
  // Reads the file at path, once, as the update list: later keys come from
  // this reading. Raises when it cannot, or when the file is larger than
  // kMaxUpdateListBytes.
  virtual void Open(const std::string& path) = 0;
  // Releases the list; harmless when none is open.
  virtual void Close() = 0;

  // The program's section holds at least one key.
  virtual bool SectionPresent(const std::string& program) = 0;
  // "Date" as a whole day; today when it is missing or no valid date.
  virtual double Date(const std::string& program) = 0;
  // "File": the archive's name in the server's folder "/Updates/".
  virtual std::string File(const std::string& program) = 0;
  // "Size": the archive's length in bytes, which the download is held to;
  // nothing when it is missing or no count of bytes.
  virtual std::optional<std::int64_t> Size(const std::string& program) = 0;
  // The news not older than referenceDate, each line "- " + entry + CR LF.
  // Raises "'%s' ist kein gültiges Datum" for an entry with a bad date.
  virtual std::string News(const std::string& program, double referenceDate) = 0;
  // Why the downloaded archive must not be installed, as a German sentence;
  // empty when it may.
  virtual std::string RefuseArchive(const std::string& program, const std::string& archivePath) = 0;
  // What the installation unpacks: a copy of the archive, made in the
  // private tempFolder under a name nobody can foresee, whose bytes are the
  // ones that passed the check of RefuseArchive. Whatever happens to
  // archivePath after the check is never unpacked. Raises Exception
  // kArchiveNotSigned, with the archive deleted, when the bytes do not pass.
  virtual std::string CheckedCopy(const std::string& program, const std::string& archivePath,
                                  const std::string& tempFolder) = 0;
};

// Turns the downloaded archive's path into the path of the file to unpack
// (UpdateExchange::CheckedCopy); that file is the installation's to delete.
using ArchiveCheck = std::function<std::string(const std::string& archivePath)>;

// The installation of a downloaded archive.
class UpdateInstallation {
 public:
  virtual ~UpdateInstallation() = default;

  // Unpacks tempFolder + zipFileName, as check hands it over, into
  // tempFolder and writes "Update.bat" from its template, with the restart
  // line when restart. False when the archive is not there; raises the
  // installation's errors and check's.
  virtual bool Prepare(const std::string& tempFolder, const std::string& zipFileName, bool restart,
                       const ArchiveCheck& check) = 0;
};

}  // namespace sorvane
