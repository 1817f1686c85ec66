#pragma once

#include <wx/listctrl.h>

#include <string>

#include "app/Form1View.h"

class wxWindow;

namespace sorvane {

// A list in report view with single selection and the two columns
// "Dateiname" (the width the list has left) and "Größe" (70 pixels), as both
// lists of the main window have them.
wxListCtrl* MakeReportList(wxWindow* parent, bool checkBoxes);

// The member list: the same list in virtual mode with a check box per
// entry. It holds no entries; it asks rows for the texts and ticks of those
// it draws, so a million entries cost no more than a screenful.
class VirtualCheckList : public wxListCtrl {
 public:
  explicit VirtualCheckList(wxWindow* parent);

  // Shows the entries of rows (none selected); rows must outlive the list
  // or be replaced first.
  void ShowRows(Form1FileRows& rows);
  Form1FileRows* Rows() const { return rows_; }

 private:
  wxString OnGetItemText(long item, long column) const override;
  bool OnGetItemIsChecked(long item) const override;

  Form1FileRows* rows_ = nullptr;
};

// Appends an entry with its size text; returns its index.
long AppendEntry(wxListCtrl* list, const std::string& caption, const std::string& size);

// The selected entry, -1 when there is none.
int SelectedEntry(wxListCtrl* list);

}  // namespace sorvane
