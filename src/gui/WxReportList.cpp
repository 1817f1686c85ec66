#include "gui/WxReportList.h"

#include "gui/WxText.h"

namespace sorvane {

namespace {

constexpr int kSizeColumnWidth = 70;
constexpr long kStyle = wxLC_REPORT | wxLC_SINGLE_SEL | wxBORDER_SUNKEN;

void SetUpColumns(wxListCtrl* list) {
  list->AppendColumn(Wx("Dateiname"), wxLIST_FORMAT_LEFT, 200);
  list->AppendColumn(Wx("Größe"), wxLIST_FORMAT_LEFT, kSizeColumnWidth);
  // The name column takes what the size column leaves, whenever the list's
  // size changes (a vertical scroll bar takes its share of the client area).
  list->Bind(wxEVT_SIZE, [list](wxSizeEvent& event) {
    list->SetColumnWidth(0, std::max(40, list->GetClientSize().x - kSizeColumnWidth));
    event.Skip();
  });
  // The column headers sort nothing; a click on them has no effect.
  list->Bind(wxEVT_LIST_COL_CLICK, [](wxListEvent&) {});
}

}  // namespace

wxListCtrl* MakeReportList(wxWindow* parent, bool checkBoxes) {
  auto* list = new wxListCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, kStyle);
  SetUpColumns(list);
  if (checkBoxes) list->EnableCheckBoxes(true);
  return list;
}

VirtualCheckList::VirtualCheckList(wxWindow* parent)
    : wxListCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, kStyle | wxLC_VIRTUAL) {
  SetUpColumns(this);
  EnableCheckBoxes(true);
}

void VirtualCheckList::ShowRows(Form1FileRows& rows) {
  // Emptying first also forgets the selection, as a list filled anew has
  // none.
  DeleteAllItems();
  rows_ = &rows;
  SetItemCount(rows.Count());
  Refresh();
}

wxString VirtualCheckList::OnGetItemText(long item, long column) const {
  if (rows_ == nullptr) return wxString();
  return Wx(column == 0 ? rows_->Caption(static_cast<int>(item)) : rows_->SizeText(static_cast<int>(item)));
}

bool VirtualCheckList::OnGetItemIsChecked(long item) const {
  return rows_ != nullptr && rows_->IsTicked(static_cast<int>(item));
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
