#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/Form1View.h"
#include "app/MemberExtraction.h"
#include "app/MemberListRows.h"
#include "app/StartupComponents.h"
#include "app/WizardServices.h"
#include "container/ContainerCatalogue.h"
#include "forms/TExtractForm.h"
#include "forms/TForm5.h"
#include "platform/MessagePump.h"

namespace sorvane {

// The main window: a wizard of three pages. Page 0 "Dateiauswahl" picks and
// loads a container, page 1 "Anmeldung" logs in as guest or user, page 2
// "Dateien" lists the account's members and extracts, executes or previews
// them, with the progress window extractForm over long extractions, whose
// pump lets messages run between blocks. The handlers are the window's events; the view forwards them and
// nothing else. Failures leave a handler as exceptions and belong to the
// default error display (RunHandler).
//
// The class is split by concern over several files: pages and start
// (TForm1.cpp), login (TForm1Login.cpp), the member list and its ticks
// (TForm1Members.cpp), extract and execute (TForm1Actions.cpp) and the
// preview handlers (TForm1Preview.cpp).
class TForm1 {
 public:
  TForm1(Form1View& view, TForm5& preview, TExtractForm& extractForm, MessagePump& pump, ContainerCatalogue& catalogue,
         const WizardServices& services);

  // Optional collaborators that come with later work. Without them the
  // creation skips the registration and update steps, and the info button
  // does nothing.
  void SetStartupComponents(StartupComponents* components) { components_ = components; }
  void SetInfoBox(InfoBox* info) { info_ = info; }

  // The page shown: 0, 1 or 2.
  int PageIndex() const { return page_; }

  // Start and page 0.
  void FormCreate();
  void CreateFileList();
  void Button_NextClick();
  void Button_BackClick();
  void Button_CancelClick();
  void ListView_ProgPathSelectItem();
  void SpeedButton_OpenClick();
  void SpeedButton_InfoClick();
  // The program's first command-line argument, once the windows are shown:
  // a container named there is opened as if the open dialog had picked it.
  // Nothing happens without an argument, for the uninstall parameter and
  // after a confirmed uninstall run.
  void OpenCommandLineFile(const std::string& firstArgument);
  // Asked by the view before the main window closes on the user's request
  // (close box, window manager). Refused while a container loads or members
  // are extracted: a handler is still running below then.
  bool FormCloseQuery() const { return !busy_; }

  // Page 1.
  void RadioButton_LoggingIn();
  void Edit_UserNameChange();

  // Page 2: ticks and the button rule.
  void ListView_FilesClick();
  void ListView_FilesKeyPress(char key);
  void ListView_FilesMouseUp();
  // senderName is the clicked button's name: "Button_SelAll" ticks every
  // entry, any other name ("Button_SelNothing") unticks them.
  void Button_SelAllClick(std::string_view senderName);

  // Page 2: member actions.
  void Button_ExtractClick();
  void Button_ExecuteClick();

  // Page 2: preview. fromList is true when the list's selection changed,
  // false for the direct call of Button_PreviewClick.
  void ListView_FilesSelectItem(bool fromList);
  void Button_PreviewClick();

  // The state the handlers share: the catalogue (with ContainerPath) and
  // ExtractFolder; exposed for the program's start and for tests.
  ContainerCatalogue& Catalogue() { return catalogue_; }
  MemberExtraction& Extraction() { return extraction_; }

 private:
  // Sets a flag for the length of a scope, also through an exception.
  class ScopedFlag {
   public:
    explicit ScopedFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~ScopedFlag() { flag_ = false; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

   private:
    bool& flag_;
  };

  // Step of page 0: load the container and prepare page 1. False when
  // nothing was loaded.
  bool LoadStep();
  // What follows the open dialog's pick: the extension check, the path and
  // caption, and the page-0 step.
  void OpenChosenFile(const std::string& path);
  // Step of page 1: check the login; true when the member list was built.
  bool LoginStep();
  void BuildMemberList(std::int32_t column);
  // Clears both fields (each a change) and both choices, as page 1 starts.
  void ResetLoginPage();
  void ClearEdit(Form1Edit edit);
  void ApplyButtonRule();
  // Extracts every ticked entry in list order; returns the last result,
  // CancelMarker when the user stopped the extraction.
  std::string ExtractTicked(bool stopOnCancel);
  std::string SizeText(std::int64_t size);

  Form1View& view_;
  TForm5& preview_;
  TExtractForm& extractForm_;
  MessagePump& pump_;
  ContainerCatalogue& catalogue_;
  WizardServices services_;
  MemberExtraction extraction_;
  StartupComponents* components_ = nullptr;
  InfoBox* info_ = nullptr;

  int page_ = 0;
  bool busy_ = false;  // a load or an extraction runs
  std::vector<std::string> progPathNames_;  // entries of ListView_ProgPath
  MemberListRows files_;                    // entries of ListView_Files, in list order
};

}  // namespace sorvane
