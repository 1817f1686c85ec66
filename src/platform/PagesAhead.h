#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace sorvane {

// Reserved memory that a writer will fill from its start on.
struct PageStretch {
  void* begin;
  std::size_t bytes;
};

// Takes the pages of stretches (as TakePages does) on a thread of its own
// while the caller fills them, the same share of every stretch at a time, so
// that it keeps ahead of a writer that fills them all at one pace: the
// system's clearing of fresh pages then runs on another processor instead of
// in the writer's faults. It never reads or writes the bytes themselves
// (pages already present stay as they are), so the writer needs no locking.
//
// The stretches must stay allocated, and must not move, until Stop or the
// destructor has stopped the thread (after its current step) and waited for
// it; the destructor does so also when an exception passes. Where the system
// cannot take pages ahead, or no thread can be started, it does nothing: the
// pages then come at the first write, as without it. A shortage of memory
// stops the thread; the writer meets it at its own write.
class PagesAhead {
 public:
  explicit PagesAhead(const std::vector<PageStretch>& stretches);
  ~PagesAhead();
  PagesAhead(const PagesAhead&) = delete;
  PagesAhead& operator=(const PagesAhead&) = delete;

  // Whether a thread takes the pages; if not, they come at the first write.
  bool Taking() const;
  // For a writer about to write bytes (at least one) at at, within one of
  // the stretches: the pages up to there are taken, or being taken by the
  // thread, when it returns. Where the thread has not come so far, the writer
  // takes the missing steps itself rather than meet their pages one fault at
  // a time; the thread goes on beyond them. Returns how far that stretch is
  // now taken or being taken, at least at + bytes; nullptr once stopped, or
  // when at lies in none of the stretches: the writer then takes its pages
  // itself. A shortage of memory throws std::bad_alloc. Only one writer may
  // call it, the one that calls Stop.
  void* TakeFor(void* at, std::size_t bytes);
  // Stops the thread and waits for it; once stopped, it stays stopped.
  void Stop();

 private:
  struct Helper;
  std::unique_ptr<Helper> helper_;
};

}  // namespace sorvane
