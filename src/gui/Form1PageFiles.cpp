// Page 2 "Dateien": the account's members with a check box each, and what
// can be done with the ticked and the selected ones.
#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/TForm1.h"
#include "gui/Form1Frame.h"
#include "gui/WxReportList.h"
#include "gui/WxText.h"

namespace sorvane {

namespace {

// The generic list control draws its entries in a child window, which is
// where the mouse events arrive.
wxWindow* EntryArea(wxListCtrl* list) {
  for (wxWindow* child : list->GetChildren()) {
    if (wxString(child->GetClassInfo()->GetClassName()) == "wxListMainWindow") return child;
  }
  return list;
}

}  // namespace

void Form1Frame::BuildPageFiles(wxPanel* page) {
  auto* intro = new wxStaticText(
      page, wxID_ANY,
      Wx("Wählen Sie die Dateien, die extrahiert werden sollen, und klicken Sie auf \"Extrahieren\"."));
  intro->Wrap(540);
  ListView_Files = new VirtualCheckList(page);
  Button_SelAll = new wxButton(page, wxID_ANY, Wx("&Alles auswählen"));
  Button_SelNothing = new wxButton(page, wxID_ANY, Wx("&Nichts auswählen"));
  Button_Extract = new wxButton(page, wxID_ANY, Wx("E&xtrahieren"));
  Button_Execute = new wxButton(page, wxID_ANY, Wx("Aus&führen"));
  Button_Preview = new wxButton(page, wxID_ANY, Wx("Bilder&vorschau"));
  Button_Extract->Disable();
  Button_Execute->Disable();

  auto* actions = new wxBoxSizer(wxVERTICAL);
  for (wxButton* b : {Button_SelAll, Button_SelNothing}) actions->Add(b, 0, wxEXPAND | wxBOTTOM, 4);
  actions->AddSpacer(16);
  for (wxButton* b : {Button_Extract, Button_Execute, Button_Preview}) actions->Add(b, 0, wxEXPAND | wxBOTTOM, 4);
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(ListView_Files, 1, wxEXPAND | wxRIGHT, 10);
  row->Add(actions);
  auto* column = new wxBoxSizer(wxVERTICAL);
  column->Add(intro, 0, wxBOTTOM, 8);
  column->Add(row, 1, wxEXPAND);
  auto* margin = new wxBoxSizer(wxVERTICAL);
  margin->Add(column, 1, wxEXPAND | wxALL, 12);
  page->SetSizer(margin);

  const auto selAll = [this] { Forward([](TForm1& f) { f.Button_SelAllClick("Button_SelAll"); }); };
  const auto selNothing = [this] { Forward([](TForm1& f) { f.Button_SelAllClick("Button_SelNothing"); }); };
  const auto extract = [this] { Forward([](TForm1& f) { f.Button_ExtractClick(); }); };
  const auto execute = [this] { Forward([](TForm1& f) { f.Button_ExecuteClick(); }); };
  const auto preview = [this] { Forward([](TForm1& f) { f.Button_PreviewClick(); }); };
  Button_SelAll->Bind(wxEVT_BUTTON, [selAll](wxCommandEvent&) { selAll(); });
  Button_SelNothing->Bind(wxEVT_BUTTON, [selNothing](wxCommandEvent&) { selNothing(); });
  Button_Extract->Bind(wxEVT_BUTTON, [extract](wxCommandEvent&) { extract(); });
  Button_Execute->Bind(wxEVT_BUTTON, [execute](wxCommandEvent&) { execute(); });
  Button_Preview->Bind(wxEVT_BUTTON, [preview](wxCommandEvent&) { preview(); });
  AddAccelerator("&Alles auswählen", Button_SelAll, selAll);
  AddAccelerator("&Nichts auswählen", Button_SelNothing, selNothing);
  AddAccelerator("E&xtrahieren", Button_Extract, extract);
  AddAccelerator("Aus&führen", Button_Execute, execute);
  AddAccelerator("Bilder&vorschau", Button_Preview, preview);

  const auto selectItem = [this](wxListEvent&) {
    if (!programChange_) Forward([](TForm1& f) { f.ListView_FilesSelectItem(true); });
  };
  ListView_Files->Bind(wxEVT_LIST_ITEM_SELECTED, selectItem);
  ListView_Files->Bind(wxEVT_LIST_ITEM_DESELECTED, selectItem);
  // A tick set with the mouse: the list only reports it; the tick is kept
  // in the rows, then the handler runs.
  const auto ticked = [this](wxListEvent& event, bool checked) {
    if (programChange_) return;
    SetFileTicked(static_cast<int>(event.GetIndex()), checked);
    Forward([](TForm1& f) { f.ListView_FilesClick(); });
  };
  ListView_Files->Bind(wxEVT_LIST_ITEM_CHECKED, [ticked](wxListEvent& event) { ticked(event, true); });
  ListView_Files->Bind(wxEVT_LIST_ITEM_UNCHECKED, [ticked](wxListEvent& event) { ticked(event, false); });
  // The list does not tick with the space key itself.
  ListView_Files->Bind(wxEVT_LIST_KEY_DOWN, [this](wxListEvent& event) {
    if (event.GetKeyCode() == WXK_SPACE) {
      ToggleSelectedFile();
      Forward([](TForm1& f) { f.ListView_FilesKeyPress(' '); });
    } else {
      event.Skip();
    }
  });
  wxWindow* area = EntryArea(ListView_Files);
  area->Bind(wxEVT_CHAR, [this](wxKeyEvent& event) {
    const int key = event.GetUnicodeKey();
    if (key > 0 && key < 128 && key != ' ') {
      Forward([key](TForm1& f) { f.ListView_FilesKeyPress(static_cast<char>(key)); });
    }
    event.Skip();
  });
  area->Bind(wxEVT_LEFT_UP, [this](wxMouseEvent& event) {
    Forward([](TForm1& f) { f.ListView_FilesClick(); });
    Forward([](TForm1& f) { f.ListView_FilesMouseUp(); });
    event.Skip();
  });
  const auto mouseUp = [this](wxMouseEvent& event) {
    Forward([](TForm1& f) { f.ListView_FilesMouseUp(); });
    event.Skip();
  };
  area->Bind(wxEVT_RIGHT_UP, mouseUp);
  area->Bind(wxEVT_MIDDLE_UP, mouseUp);
}

void Form1Frame::ToggleSelectedFile() {
  Form1FileRows* rows = ListView_Files->Rows();
  const int selected = SelectedEntry(ListView_Files);
  if (rows != nullptr && selected >= 0) SetFileTicked(selected, !rows->IsTicked(selected));
}

void Form1Frame::SetFileTicked(int index, bool ticked) {
  Form1FileRows* rows = ListView_Files->Rows();
  if (rows == nullptr || index < 0 || index >= rows->Count()) return;
  rows->SetTicked(index, ticked);
  ListView_Files->RefreshItem(index);
}

void Form1Frame::ShowFiles(Form1FileRows& rows) {
  programChange_ = true;
  ListView_Files->ShowRows(rows);
  programChange_ = false;
}

void Form1Frame::RefreshFiles() { ListView_Files->Refresh(); }

int Form1Frame::FilesSelection() { return SelectedEntry(ListView_Files); }

}  // namespace sorvane
