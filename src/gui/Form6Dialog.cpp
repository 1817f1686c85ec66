#include "gui/Form6Dialog.h"

#include <wx/gauge.h>
#include <wx/sizer.h>

#include "gui/WxText.h"

namespace sorvane {

namespace {
constexpr int kBarWidth = 359;
}  // namespace

Form6Dialog::Form6Dialog(wxWindow* mainWindow)
    : BusyDialog(mainWindow, Wx("Bitte warten...")) {
  ProgressBar = new wxGauge(this, wxID_ANY, range_, wxDefaultPosition, wxSize(kBarWidth, 16),
                            wxGA_HORIZONTAL | wxGA_SMOOTH);
  auto* column = new wxBoxSizer(wxVERTICAL);
  column->Add(ProgressBar, 0, wxFIXED_MINSIZE);
  SetSizerAndFit(column);
}

void Form6Dialog::Adapter::SetProgressRange(std::int32_t maximum) {
  // wxGauge needs a range above 0; an empty container shows 0 of 0 as an
  // empty bar.
  dialog_.range_ = maximum > 0 ? maximum : 1;
  dialog_.ProgressBar->SetRange(dialog_.range_);
}

void Form6Dialog::Adapter::SetProgressPosition(std::int32_t position) {
  // The load sets the position once per member, a hundred thousand times
  // for a large container. Each change of a shown GTK progress bar costs
  // tens of microseconds, and the bar is only repainted when the load lets
  // events run; so it takes a new position only every few milliseconds,
  // and always the first and the last (TForm6 keeps the exact position).
  const auto now = std::chrono::steady_clock::now();
  if (position != 0 && position != dialog_.range_ && now - dialog_.shownAt_ < std::chrono::milliseconds(15)) {
    return;
  }
  dialog_.shownAt_ = now;
  dialog_.ProgressBar->SetValue(position);
}

void Form6Dialog::Adapter::Show() { dialog_.ShowWanted(); }

void Form6Dialog::Adapter::Hide() { dialog_.HideWanted(); }

}  // namespace sorvane
