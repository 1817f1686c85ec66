#pragma once

#include <string>

class wxListCtrl;
class wxWindow;

namespace sorvane {

// A list in report view with single selection and the two columns
// "Dateiname" (the width the list has left) and "Größe" (70 pixels), as both
// lists of the main window have them.
wxListCtrl* MakeReportList(wxWindow* parent, bool checkBoxes);

// Appends an entry with its size text; returns its index.
long AppendEntry(wxListCtrl* list, const std::string& caption, const std::string& size);

// The selected entry, -1 when there is none.
int SelectedEntry(wxListCtrl* list);

}  // namespace sorvane
