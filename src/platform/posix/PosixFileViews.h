#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/FileViews.h"

namespace sorvane {

// FileViews over one mapping of the whole file (the descriptor stays the
// caller's and must outlive the views), made at the first view. A view has
// its pages brought in and those before it given back, all without changing
// the mapping: changing it would wait for every other thread of the process
// that is busy with its own memory.
//
// Reading a mapped page that a cut took away raises SIGBUS. While the views
// exist, the process's handler for it (installed on first use, handing
// every other SIGBUS on to what was there before) puts a page of zeros in
// place of such a page and notes the cut. One file in the whole process can
// be guarded at a time; while another is, View gives nullptr.
class PosixFileViews : public FileViews {
 public:
  explicit PosixFileViews(int fd) : fd_(fd) {}
  ~PosixFileViews() override;
  PosixFileViews(const PosixFileViews&) = delete;
  PosixFileViews& operator=(const PosixFileViews&) = delete;

  const unsigned char* View(std::int64_t offset, std::size_t bytes) override;
  bool Cut() const override;

 private:
  bool MapWholeFile();

  int fd_;
  char* mapped_ = nullptr;
  std::size_t mappedBytes_ = 0;
  std::size_t given_ = 0;  // the pages before this were given back
  bool guarding_ = false;
  bool failed_ = false;
};

}  // namespace sorvane
