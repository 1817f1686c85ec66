#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/Stream.h"

namespace sorvane {

// Reads the member records of a container through a buffer of the bytes
// ahead, so that a million small records cost a few hundred reads rather
// than two per record, while the data of large members is still passed over
// by moving the stream's position.
//
// Refills adapt: after a skip that passes beyond what the next refill would
// have read, the next refill is small (the next record's head is all that
// is wanted there), and each refill while records stay dense doubles, up to
// a limit. A refill that fails is tried again with only the bytes asked
// for, so that the reading fails where reading record by record would, and
// nowhere else.
class RecordReadAhead {
 public:
  // Starts at source's current position. source must outlive the reader.
  explicit RecordReadAhead(Stream& source);
  // From now on, dense records of a large file are read in place through the
  // source's views (Stream::Views) rather than copied, a view at a time that
  // reaches at most to the next multiple of kViewBytes in the file: the
  // system may map a whole large page of its file cache at once, and a view
  // within one such page keeps what the file adds to the program's memory
  // to about one. What the views leave (the file's last bytes, heads too
  // long for a view, records after a skip) is read as before. The bytes
  // handed out may then turn out to be zeros of a file cut short meanwhile:
  // Cut() says so.
  void ViewDenseRecords();
  static constexpr std::size_t kViewBytes = std::size_t{2} << 20;
  bool Cut() const { return views_ != nullptr && views_->Cut(); }

  // The next count bytes, consumed; the pointer is valid until the next
  // call. Throws EReadError "Stream-Lesefehler" when the source ends first.
  const unsigned char* Take(std::size_t count) {
    if (end_ - position_ < count) Refill(count);
    const unsigned char* bytes = data_ + position_;
    position_ += count;
    return bytes;
  }
  // Passes over count bytes (count >= 0) without reading them.
  void Skip(std::int64_t count) {
    if (count <= static_cast<std::int64_t>(end_ - position_)) {
      position_ += static_cast<std::size_t>(count);
    } else {
      SkipBeyondBuffer(count);
    }
  }
  // The bytes already in the buffer ahead of the reader, for a caller that
  // parses records in place; Advance(count) consumes count of them. Up to
  // kReadSlack bytes beyond AheadSize() may be read (they hold nothing of
  // meaning), for a caller that works in blocks of that size.
  static constexpr std::size_t kReadSlack = 16;
  const unsigned char* Ahead() const { return data_ + position_; }
  std::size_t AheadSize() const { return end_ - position_; }
  void Advance(std::size_t count) { position_ += count; }
  // Where the reader stands in the source.
  std::int64_t Position() const { return bufferStart_ + static_cast<std::int64_t>(position_); }
  // Moves the source to Position(), for whoever reads on from there.
  void HandBack();

 private:
  void Refill(std::size_t count);
  bool ViewAhead(std::size_t count);
  void SkipBeyondBuffer(std::int64_t count);

  Stream& source_;
  std::vector<unsigned char> buffer_;
  const unsigned char* data_ = nullptr;  // buffer_'s bytes, or a view's
  std::int64_t bufferStart_;  // the source position of data_[0]
  std::size_t position_ = 0;  // next unconsumed byte in data_
  std::size_t end_ = 0;       // valid bytes in data_
  std::unique_ptr<FileViews> views_;
  bool viewsFailed_ = false;
  std::int64_t viewableEnd_ = 0;  // the file's size when the views were made
  std::size_t nextRefill_;
};

}  // namespace sorvane
