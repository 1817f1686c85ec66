#include "platform/PagesAhead.h"

namespace sorvane {

// Windows has no call that makes private pages present ahead of the first
// write (TakePages does nothing there), so a thread would have nothing to do.
struct PagesAhead::Helper {};

PagesAhead::PagesAhead(const std::vector<PageStretch>&) {}

PagesAhead::~PagesAhead() = default;

bool PagesAhead::Taking() const { return false; }

void* PagesAhead::TakeFor(void*, std::size_t) { return nullptr; }

void PagesAhead::Stop() {}

}  // namespace sorvane
