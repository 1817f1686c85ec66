#include "app/ProgramComponents.h"

#include "app/Form1Components.h"

namespace sorvane {

ProgramComponents::ProgramComponents(UpdateComponentOwner& owner, const UpdateComponentServices& update,
                                     const SetupServices& setup)
    : update_(std::make_unique<TOrvelUpdateFile>(owner, update)) {
  ApplyMainWindowValues(*update_);
  setup_ = std::make_unique<TOrvelSetup>(setup);
  ApplyForm1Values(*setup_);
}

}  // namespace sorvane
