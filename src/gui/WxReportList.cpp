#include "gui/WxReportList.h"

#include <wx/listctrl.h>

#include "gui/WxText.h"

namespace sorvane {

namespace {
constexpr int kSizeColumnWidth = 70;
}

wxListCtrl* MakeReportList(wxWindow* parent, bool checkBoxes) {
  auto* list = new wxListCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                              wxLC_REPORT | wxLC_SINGLE_SEL | wxBORDER_SUNKEN);
  list->AppendColumn(Wx("Dateiname"), wxLIST_FORMAT_LEFT, 200);
  list->AppendColumn(Wx("Größe"), wxLIST_FORMAT_LEFT, kSizeColumnWidth);
  if (checkBoxes) list->EnableCheckBoxes(true);
  // The name column takes what the size column leaves, whenever the list's
  // size changes (a vertical scroll bar takes its share of the client area).
  list->Bind(wxEVT_SIZE, [list](wxSizeEvent& event) {
    list->SetColumnWidth(0, std::max(40, list->GetClientSize().x - kSizeColumnWidth));
    event.Skip();
  });
  // The column headers sort nothing; a click on them has no effect.
  list->Bind(wxEVT_LIST_COL_CLICK, [](wxListEvent&) {});
  return list;
}

long AppendEntry(wxListCtrl* list, const std::string& caption, const std::string& size) {
  const long index = list->InsertItem(list->GetItemCount(), Wx(caption));
  list->SetItem(index, 1, Wx(size));
  return index;
}

int SelectedEntry(wxListCtrl* list) {
  return static_cast<int>(list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED));
}

}  // namespace sorvane
