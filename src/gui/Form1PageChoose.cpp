// Page 0 "Dateiauswahl": the containers of the program folder, the open
// dialog and the way out.
#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/TForm1.h"
#include "gui/Form1Frame.h"
#include "gui/WxPictures.h"
#include "gui/WxReportList.h"
#include "gui/WxText.h"

namespace sorvane {

namespace {

wxStaticText* BoldLabel(wxWindow* parent, const char* text) {
  auto* label = new wxStaticText(parent, wxID_ANY, Wx(text));
  label->SetFont(label->GetFont().Bold());
  return label;
}

// A square button with its picture above the caption.
wxButton* SpeedButton(wxWindow* parent, const char* caption, const wxBitmap& picture) {
  auto* button = new wxButton(parent, wxID_ANY, Wx(caption), wxDefaultPosition, wxSize(76, 64));
  button->SetBitmap(picture, wxTOP);
  return button;
}

}  // namespace

void Form1Frame::BuildPageChoose(wxPanel* page) {
  auto* intro = new wxStaticText(page, wxID_ANY,
                                 Wx("Mit dem Sorvane können Sie Dateien aus ZVQ-Dateien extrahieren.\n"
                                    "Öffnen Sie dazu zunächst eine Datei.\n\nSie können"));
  intro->Wrap(480);
  SpeedButton_Info = new wxBitmapButton(page, wxID_ANY, InfoPicture(24));
  Label_ProgPath = BoldLabel(page, "- eine Datei, die sich im Programmverzeichnis befindet, öffnen:");
  ListView_ProgPath = MakeReportList(page, false);
  auto* hint =
      new wxStaticText(page, wxID_ANY, Wx("Klicken Sie auf \"Weiter\", wenn Sie eine Datei ausgewählt haben."));
  SpeedButton_Open = SpeedButton(page, "Ö&ffnen", OpenPicture(24));
  SpeedButton_Exit = SpeedButton(page, "Be&enden", ExitPicture(24));

  auto* top = new wxBoxSizer(wxHORIZONTAL);
  top->Add(intro, 1);
  top->Add(SpeedButton_Info, 0, wxALIGN_TOP);
  // Two columns of half the page each, the labels above their buttons: the
  // longer label wraps, and the buttons still stand on one row.
  wxStaticText* openLabel = BoldLabel(page, "- eine andere Datei öffnen:");
  wxStaticText* exitLabel = BoldLabel(page, "- keine Datei öffnen und das Programm beenden:");
  openLabel->Wrap(260);
  exitLabel->Wrap(260);
  auto* choices = new wxFlexGridSizer(2, 2, 6, 10);
  choices->AddGrowableCol(0, 1);
  choices->AddGrowableCol(1, 1);
  choices->Add(openLabel);
  choices->Add(exitLabel);
  choices->Add(SpeedButton_Open, 0, wxLEFT, 6);
  choices->Add(SpeedButton_Exit, 0, wxLEFT, 6);

  auto* column = new wxBoxSizer(wxVERTICAL);
  column->Add(top, 0, wxEXPAND);
  column->Add(Label_ProgPath, 0, wxTOP, 6);
  column->Add(ListView_ProgPath, 1, wxEXPAND | wxTOP | wxLEFT, 4);
  column->Add(hint, 0, wxTOP | wxLEFT, 4);
  column->Add(choices, 0, wxEXPAND | wxTOP, 10);
  auto* margin = new wxBoxSizer(wxVERTICAL);
  margin->Add(column, 1, wxEXPAND | wxALL, 12);
  page->SetSizer(margin);

  // Selecting and deselecting both change the selection.
  const auto selectItem = [this](wxListEvent&) {
    if (!programChange_) Forward([](TForm1& f) { f.ListView_ProgPathSelectItem(); });
  };
  ListView_ProgPath->Bind(wxEVT_LIST_ITEM_SELECTED, selectItem);
  ListView_ProgPath->Bind(wxEVT_LIST_ITEM_DESELECTED, selectItem);
  const auto open_ = [this] { Forward([](TForm1& f) { f.SpeedButton_OpenClick(); }); };
  const auto exit_ = [this] { Forward([](TForm1& f) { f.Button_CancelClick(); }); };
  SpeedButton_Open->Bind(wxEVT_BUTTON, [open_](wxCommandEvent&) { open_(); });
  SpeedButton_Exit->Bind(wxEVT_BUTTON, [exit_](wxCommandEvent&) { exit_(); });
  SpeedButton_Info->Bind(wxEVT_BUTTON,
                         [this](wxCommandEvent&) { Forward([](TForm1& f) { f.SpeedButton_InfoClick(); }); });
  AddAccelerator("Ö&ffnen", SpeedButton_Open, open_);
  AddAccelerator("Be&enden", SpeedButton_Exit, exit_);
}

void Form1Frame::ClearProgPath() {
  programChange_ = true;
  ListView_ProgPath->DeleteAllItems();
  programChange_ = false;
}

void Form1Frame::AddProgPath(const std::string& caption, const std::string& size) {
  programChange_ = true;
  AppendEntry(ListView_ProgPath, caption, size);
  programChange_ = false;
}

int Form1Frame::ProgPathSelection() { return SelectedEntry(ListView_ProgPath); }

}  // namespace sorvane
