#pragma once

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "components/zip/ZipEngineApi.h"

#define ZIP_ENGINE_EXPORT extern "C" __attribute__((visibility("default")))

namespace sorvane::engine {

// The result structure as far as the caller's size covers it; nullptr when
// it is too small to take an error at all.
inline ZipEngineResult* Begin(ZipEngineResult* result) {
  if (result == nullptr || result->size < sizeof(ZipEngineResult)) return nullptr;
  result->error = ZE_OK;
  result->written = 0;
  result->skipped = 0;
  result->message[0] = '\0';
  return result;
}

// Sets the error number and its German text; returns the number.
__attribute__((format(printf, 3, 4))) inline int32_t Fail(ZipEngineResult* result, int32_t error,
                                                          const char* format, ...) {
  result->error = error;
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(result->message, sizeof result->message, format, arguments);
  va_end(arguments);
  return error;
}

// A command copied into a zeroed structure of this version: fields beyond
// the caller's size stay zero. False when the caller's is smaller than
// version 1's, which ends with last.
template <typename Command>
bool CopyCommand(const Command* given, Command& command, std::size_t endOfVersion1) {
  std::memset(&command, 0, sizeof command);
  if (given == nullptr || given->size < endOfVersion1) return false;
  std::memcpy(&command, given, given->size < sizeof command ? given->size : sizeof command);
  return true;
}

}  // namespace sorvane::engine
