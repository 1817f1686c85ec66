// The unpacking engine over libzip. See ZipEngineApi.h for the contract.

#include <zip.h>

#include <cstddef>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "components/zip/engine/EngineResult.h"
#include "platform/UnpackFolder.h"

namespace sorvane::engine {
namespace {

constexpr std::size_t kBlock = 256 * 1024;

struct ArchiveCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};

// The parts of a member's name, "/" and "\" both separating; empty parts and
// "." and ".." are dropped.
std::vector<std::string> NameParts(const std::string& name) {
  std::vector<std::string> parts;
  std::string part;
  for (std::size_t i = 0; i <= name.size(); ++i) {
    if (i == name.size() || name[i] == '/' || name[i] == '\\') {
      if (!part.empty() && part != "." && part != "..") parts.push_back(part);
      part.clear();
    } else {
      part += name[i];
    }
  }
  return parts;
}

class Unpacker {
 public:
  Unpacker(const UnzipEngineCommand& command, ZipEngineResult& result) : command_(command), result_(result) {}

  int32_t Run() {
    if (!target_.Open(command_.target)) {
      return Fail(&result_, ZE_ERR_TARGET, "Der Zielordner %s kann nicht geöffnet werden", command_.target);
    }
    if (command_.modeFolder != nullptr && command_.modeFolder[0] != '\0') {
      // A mode folder that cannot be opened lends no modes.
      modeFolder_.Open(command_.modeFolder);
    }
    int error = 0;
    // Without libzip's strict consistency check, which refuses two members of
    // one name and the data descriptors of streaming writers; the checks that
    // keep the target safe are this engine's own: names reduced to plain
    // parts, no link followed, every member's CRC and size.
    archive_.reset(zip_open(command_.archive, ZIP_RDONLY, &error));
    if (!archive_) {
      if (error == ZIP_ER_NOENT || error == ZIP_ER_OPEN || error == ZIP_ER_READ || error == ZIP_ER_MEMORY) {
        return Fail(&result_, ZE_ERR_OPEN_ARCHIVE, "Das Archiv %s kann nicht geöffnet werden", command_.archive);
      }
      return Fail(&result_, ZE_ERR_BAD_ARCHIVE, "Das Archiv %s ist beschädigt oder kein ZIP-Archiv",
                  command_.archive);
    }
    buffer_.reset(new (std::nothrow) char[kBlock]);
    if (!buffer_) return Fail(&result_, ZE_ERR_MEMORY, "Zu wenig Arbeitsspeicher");

    const zip_int64_t count = zip_get_num_entries(archive_.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
      if (const int32_t failed = Member(static_cast<zip_uint64_t>(i)); failed != ZE_OK) return failed;
    }
    return ZE_OK;
  }

 private:
  int32_t Member(zip_uint64_t index) {
    zip_stat_t stat;
    if (zip_stat_index(archive_.get(), index, 0, &stat) != 0 || (stat.valid & ZIP_STAT_NAME) == 0) {
      return Fail(&result_, ZE_ERR_BAD_ARCHIVE, "Das Archiv %s ist beschädigt oder kein ZIP-Archiv",
                  command_.archive);
    }
    const std::string name = stat.name;
    // The last part decides: folder entries end with a separator, and "."
    // and ".." name no file.
    const std::string last = name.substr(name.find_last_of("/\\") + 1);
    if (last.empty() || last == "." || last == "..") return Skip(name);
    std::vector<std::string> parts = NameParts(name);
    if ((command_.options & UZ_OPT_FOLDER_NAMES) == 0) parts.erase(parts.begin(), parts.end() - 1);

    std::string relative;
    for (const auto& part : parts) relative += (relative.empty() ? "" : "/") + part;
    // Within one archive the first member of a name wins.
    if (!written_.insert(relative).second && (command_.options & UZ_OPT_OVERWRITE) == 0) return Skip(name);

    std::string path = command_.target;
    if (path.empty() || path.back() != '/') path += '/';
    path += relative;
    if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) != 0 && stat.encryption_method != ZIP_EM_NONE) {
      return Unsupported(name);
    }
    if ((stat.valid & ZIP_STAT_COMP_METHOD) != 0 && !zip_compression_method_supported(stat.comp_method, 0)) {
      return Unsupported(name);
    }

    // Each folder entered replaces the one before; only the last is kept.
    UnpackFolder folders[2];
    const UnpackFolder* into = &target_;
    for (std::size_t k = 0; k + 1 < parts.size(); ++k) {
      UnpackFolder& next = folders[k % 2];
      if (!into->Enter(parts[k], next)) {
        return Fail(&result_, ZE_ERR_CREATE, "Datei %s kann nicht erstellt werden", path.c_str());
      }
      into = &next;
    }
    return Write(index, stat, name, *into, parts.back(), relative, path);
  }

  // The mode of a member's file, set as it stands, whatever the umask. A
  // file that the member replaces keeps its mode: the one in the target, else
  // the one of its name in the mode folder, which the unpacked file is to
  // replace (a program made on Windows stays executable). Otherwise a stored
  // Unix mode counts; a link's mode says nothing, and its member becomes a
  // plain file holding the link's target, so it is an ordinary file too.
  // Without a stored mode the file is an ordinary 0644.
  int ModeOf(zip_uint64_t index, const UnpackFolder& folder, const std::string& leaf, const std::string& relative) {
    if (const int mode = folder.FileMode(leaf, false); mode >= 0) return Tame(mode);
    if (modeFolder_.IsOpen()) {
      if (const int mode = modeFolder_.FileMode(relative, true); mode >= 0) return Tame(mode);
    }
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive_.get(), index, 0, &system, &attributes) == 0 &&
        system == ZIP_OPSYS_UNIX && (attributes >> 16) != 0) {
      constexpr zip_uint32_t kTypeBits = 0170000;
      constexpr zip_uint32_t kLink = 0120000;
      if (((attributes >> 16) & kTypeBits) == kLink) return 0644;
      return Tame(static_cast<int>((attributes >> 16) & 0777));
    }
    return 0644;
  }

  // Always the owner's read and write, so that the next update can rewrite
  // and replace the file; never write for the group or others, whoever made
  // the archive or the file it replaces: what the batch file runs from the
  // program folder must not be changeable by other users. So a program (any
  // execute bit) gets at most 0755, any other file at most 0644.
  static int Tame(int mode) { return (mode | 0600) & 0755; }

  int32_t Write(zip_uint64_t index, const zip_stat_t& stat, const std::string& name, const UnpackFolder& folder,
                const std::string& leaf, const std::string& relative, const std::string& path) {
    // A fresh file beside the final one, renamed over it once its data has
    // passed the checks: nothing planted under the final name is written
    // through, and damaged data never takes the name.
    UnpackFile out;
    std::string scratch;
    if (!folder.CreateScratch(ModeOf(index, folder, leaf, relative), out, scratch)) {
      return Fail(&result_, ZE_ERR_CREATE, "Datei %s kann nicht erstellt werden", path.c_str());
    }

    int32_t outcome = Copy(index, stat, name, out, path);
    if (outcome == ZE_OK && (stat.valid & ZIP_STAT_MTIME) != 0) out.SetModified(stat.mtime);
    if (!out.Close() && outcome == ZE_OK) {
      outcome = Fail(&result_, ZE_ERR_WRITE, "Datei %s kann nicht geschrieben werden", path.c_str());
    }
    if (outcome == ZE_OK && !folder.Replace(scratch, leaf)) {
      outcome = Fail(&result_, ZE_ERR_CREATE, "Datei %s kann nicht erstellt werden", path.c_str());
    }
    if (outcome != ZE_OK) {
      folder.Remove(scratch);
      return outcome;
    }
    ++result_.written;
    if (command_.report != nullptr) command_.report(command_.context, UZ_REPORT_WRITTEN, path.c_str());
    return ZE_OK;
  }

  int32_t Copy(zip_uint64_t index, const zip_stat_t& stat, const std::string& name, UnpackFile& out,
               const std::string& path) {
    zip_file_t* member = zip_fopen_index(archive_.get(), index, 0);
    if (member == nullptr) {
      const int error = zip_error_code_zip(zip_get_error(archive_.get()));
      if (error == ZIP_ER_COMPNOTSUPP || error == ZIP_ER_ENCRNOTSUPP) return Unsupported(name);
      return Damaged(name);
    }
    zip_uint64_t total = 0;
    int32_t outcome = ZE_OK;
    for (;;) {
      const zip_int64_t got = zip_fread(member, buffer_.get(), kBlock);
      if (got < 0) {
        outcome = Damaged(name);
        break;
      }
      if (got == 0) break;
      total += static_cast<zip_uint64_t>(got);
      // Data beyond the announced size is never written: a member that
      // claims a few bytes cannot fill the disk before its check fails.
      if ((stat.valid & ZIP_STAT_SIZE) != 0 && total > stat.size) {
        outcome = Damaged(name);
        break;
      }
      if (!out.Write(buffer_.get(), static_cast<std::size_t>(got))) {
        zip_fclose(member);
        return Fail(&result_, ZE_ERR_WRITE, "Datei %s kann nicht geschrieben werden", path.c_str());
      }
    }
    // libzip checks the CRC at the end of the data; the size is checked here.
    if (zip_fclose(member) != 0 && outcome == ZE_OK) outcome = Damaged(name);
    if (outcome == ZE_OK && (stat.valid & ZIP_STAT_SIZE) != 0 && total != stat.size) outcome = Damaged(name);
    return outcome;
  }

  int32_t Skip(const std::string& name) {
    ++result_.skipped;
    if (command_.report != nullptr) command_.report(command_.context, UZ_REPORT_SKIPPED, name.c_str());
    return ZE_OK;
  }

  int32_t Damaged(const std::string& name) {
    return Fail(&result_, ZE_ERR_BAD_DATA, "Die Daten von %s im Archiv %s sind beschädigt", name.c_str(),
                command_.archive);
  }

  int32_t Unsupported(const std::string& name) {
    return Fail(&result_, ZE_ERR_UNSUPPORTED,
                "%s im Archiv %s ist verschlüsselt oder mit einem nicht unterstützten Verfahren komprimiert",
                name.c_str(), command_.archive);
  }

  const UnzipEngineCommand& command_;
  ZipEngineResult& result_;
  UnpackFolder target_;
  UnpackFolder modeFolder_;
  std::unique_ptr<zip_t, ArchiveCloser> archive_;
  std::unique_ptr<char[]> buffer_;
  std::set<std::string> written_;
};

}  // namespace
}  // namespace sorvane::engine

ZIP_ENGINE_EXPORT uint32_t GetUnzipEngineVersion(void) { return ZIP_ENGINE_VERSION; }

ZIP_ENGINE_EXPORT int32_t UnzipEngineExec(const UnzipEngineCommand* given, ZipEngineResult* result) {
  using namespace sorvane::engine;
  if (Begin(result) == nullptr) return ZE_ERR_COMMAND;
  UnzipEngineCommand command;
  if (!CopyCommand(given, command, offsetof(UnzipEngineCommand, options) + sizeof(uint32_t)) ||
      command.archive == nullptr || command.target == nullptr) {
    return Fail(result, ZE_ERR_COMMAND, "Ungültiger Befehl an die ZIP-Engine");
  }
  try {
    return Unpacker(command, *result).Run();
  } catch (const std::bad_alloc&) {
    return Fail(result, ZE_ERR_MEMORY, "Zu wenig Arbeitsspeicher");
  }
}
