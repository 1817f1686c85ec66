#include "gui/ProgramUpdate.h"

#include <wx/accel.h>
#include <wx/frame.h>

#include "app/DefaultErrorDisplay.h"
#include "components/update/ArchiveSignature.h"
#include "components/update/UpdateHost.h"
#include "components/zip/EnginePlacement.h"
#include "gui/StatusFormDialog.h"

namespace sorvane {

ProgramUpdate::ProgramUpdate(wxFrame& mainWindow, const Services& services)
    : main_(mainWindow),
      services_(services),
      systemFolder_(OrvelSystemFolder()),
      http_(NetServices{*network_, services.clock, services.pump, services.files}, UpdateHost()),
      list_(UpdateListServices{*connection_, *tempFiles_, services.files, services.codePage,
                               services.locale, *calendar_, ProgramUpdateKey()}),
      zip_(systemFolder_, services.files, *libraries_, EmbeddedEngineResources()),
      installation_(zip_, services.files, services.program, *dialect_) {}

ProgramUpdate::~ProgramUpdate() = default;

UpdateComponentServices ProgramUpdate::ComponentServices() {
  return UpdateComponentServices{NetServices{*network_, services_.clock, services_.pump, services_.files},
                                 services_.application,
                                 services_.registry,
                                 services_.program,
                                 *drives_,
                                 *calendar_,
                                 services_.codePage,
                                 services_.files,
                                 EmbeddedEngineResources(),
                                 systemFolder_};
}

void ProgramUpdate::AddShortcutAction(const std::string& /*actionListName*/, const std::string& /*shortCut*/,
                                      std::function<void()> execute) {
  // The one action the program has: Ctrl+U while the main window is active.
  const int id = wxWindow::NewControlId();
  wxAcceleratorEntry entry(wxACCEL_CTRL, 'U', id);
  main_.SetAcceleratorTable(wxAcceleratorTable(1, &entry));
  main_.Bind(wxEVT_MENU, [execute = std::move(execute)](wxCommandEvent&) { execute(); }, id);
}

UpdateWizard& ProgramUpdate::CreateUpdateWizard() {
  window_ = new StatusFormDialog(&main_);
  form_ = std::make_unique<TStatusForm>(
      StatusFormServices{services_.files, services_.dialogs, services_.systemFolders, services_.locale,
                         services_.registry, *calendar_, services_.clock, services_.pump, http_, list_,
                         installation_, *scripts_, services_.application},
      *window_);
  window_->Attach(*form_);
  return *window_;
}

void ProgramUpdate::Teardown() {
  if (form_ != nullptr) RunHandler(services_.dialogs, [this] { form_->FormDestroy(); });
}

}  // namespace sorvane
