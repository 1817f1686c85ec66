#include "app/Wizard.h"

#include "app/DefaultErrorDisplay.h"

namespace sorvane {

Wizard::Wizard(const WizardServices& services, Form1View& form1View, Form5View& form5View, Form6View& form6View,
               ExtractFormView& extractFormView, MessagePump& pump, Clock& clock)
    : form5_(form5View, services.pictureDecoder),
      form6_(form6View),
      extractForm_(extractFormView, clock, services.locale),
      effects_(form1View, form6_, pump),
      catalogue_(services.files, services.codePage, effects_),
      form1_(form1View, form5_, extractForm_, pump, catalogue_, services),
      dialogs_(services.dialogs) {}

void Wizard::CreateMainWindow() {
  // A failing creation handler ends only itself; the windows exist anyway.
  RunHandler(dialogs_, [this] { form1_.FormCreate(); });
}

void Wizard::CreateOtherWindows() { form5_.FormCreate(); }

}  // namespace sorvane
