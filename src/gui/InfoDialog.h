#pragma once

#include <wx/dialog.h>

#include "forms/InfoView.h"
#include "platform/Dialogs.h"

class wxButton;
class wxGenericStaticText;
class wxPanel;

namespace sorvane {

class TInfo;

// The About box: the painted logo strip on top, the line about the maker,
// "OK" and the two link labels. It shows what TInfo tells it and forwards
// paints and the links' mouse events to TInfo.
class InfoDialog : public wxDialog, public InfoView {
 public:
  InfoDialog(wxWindow* parent, Dialogs& dialogs);
  // Runs TInfo's destruction handler.
  ~InfoDialog() override;

  // Connects the handlers; events before this are ignored.
  void Attach(TInfo& info) { info_ = &info; }

  // InfoView.
  void SetCaption(const std::string& caption) override;
  void RunModal() override;
  void SetLabelText(InfoLabel label, const std::string& text) override;
  void SetLabelUnderlined(InfoLabel label, bool underlined) override;
  void SetLabelColor(InfoLabel label, Color color) override;

  // The controls, named as the window names them (read by the smoke tests).
  wxPanel* LogoPB = nullptr;
  wxGenericStaticText* InfoLbl = nullptr;
  wxButton* OK = nullptr;
  wxGenericStaticText* EMailLbl = nullptr;
  wxGenericStaticText* URLLbl = nullptr;

 private:
  wxGenericStaticText* LabelOf(InfoLabel label);
  void BindLink(wxGenericStaticText* label, InfoLabel which);
  void PaintLogo();

  Dialogs& dialogs_;
  TInfo* info_ = nullptr;
  // The link a plain left press went down on, until its release.
  wxWindow* pressedLink_ = nullptr;
};

}  // namespace sorvane
