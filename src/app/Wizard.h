#pragma once

#include "app/Form1View.h"
#include "app/TForm1.h"
#include "app/WizardLoadEffects.h"
#include "app/WizardServices.h"
#include "container/ContainerCatalogue.h"
#include "forms/Form5View.h"
#include "forms/ExtractFormView.h"
#include "forms/Form6View.h"
#include "forms/TExtractForm.h"
#include "forms/TForm5.h"
#include "forms/TForm6.h"
#include "platform/Clock.h"
#include "platform/MessagePump.h"

namespace sorvane {

// The wizard's windows put together: the behaviour of the main, preview and
// wait windows and of the extraction's progress window over their views,
// sharing one catalogue whose load drives the wait window. The program's start builds the views, then this, then binds
// the views' events to Form1(), Form5() and Form6(), runs Create() and the
// message loop. Services, views and pump must outlive it.
//
// The program's start creates the main window and runs its creation handler
// (CreateMainWindow) before the preview and wait windows exist; then it
// creates those and runs theirs (CreateOtherWindows).
class Wizard {
 public:
  // The pump runs the messages during long work; the clock says when an
  // extraction has gone on long enough to show its progress.
  Wizard(const WizardServices& services, Form1View& form1View, Form5View& form5View, Form6View& form6View,
         ExtractFormView& extractFormView, MessagePump& pump, Clock& clock);

  Wizard(const Wizard&) = delete;
  Wizard& operator=(const Wizard&) = delete;

  // The creation handlers in the program's start order: the main window's
  // (which lists the containers) before the preview window's. A failure in
  // the main window's creation ends that handler and is shown by the default
  // error display; the windows are created all the same.
  void Create() {
    CreateMainWindow();
    CreateOtherWindows();
  }
  void CreateMainWindow();
  void CreateOtherWindows();

  TForm1& Form1() { return form1_; }
  TForm5& Form5() { return form5_; }
  TForm6& Form6() { return form6_; }
  TExtractForm& ExtractForm() { return extractForm_; }

 private:
  TForm5 form5_;
  TForm6 form6_;
  TExtractForm extractForm_;
  WizardLoadEffects effects_;
  ContainerCatalogue catalogue_;
  TForm1 form1_;
  Dialogs& dialogs_;
};

}  // namespace sorvane
