#include <strings.h>

#include "components/zip/EnginePlacement.h"

// The engine files, placed into the program by EmbeddedEngines.S.
extern "C" {
extern const char sorvane_zip_engine_begin[];
extern const char sorvane_zip_engine_end[];
extern const char sorvane_unzip_engine_begin[];
extern const char sorvane_unzip_engine_end[];
}

namespace sorvane {
namespace {

class EmbeddedEngines : public ProgramResources {
 public:
  std::optional<std::string_view> Find(const std::string& name, const std::string& type) override {
    if (strcasecmp(type.c_str(), kEngineResourceType) != 0) return std::nullopt;
    if (strcasecmp(name.c_str(), kZipEngineResource) == 0) return Span(sorvane_zip_engine_begin, sorvane_zip_engine_end);
    if (strcasecmp(name.c_str(), kUnzipEngineResource) == 0) {
      return Span(sorvane_unzip_engine_begin, sorvane_unzip_engine_end);
    }
    return std::nullopt;
  }

 private:
  static std::string_view Span(const char* begin, const char* end) {
    return {begin, static_cast<std::size_t>(end - begin)};
  }
};

}  // namespace

ProgramResources& EmbeddedEngineResources() {
  static EmbeddedEngines resources;
  return resources;
}

}  // namespace sorvane
