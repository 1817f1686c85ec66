#include "app/ProgramComponents.h"

#include "app/Form1Components.h"

namespace sorvane {

ProgramComponents::ProgramComponents(const SetupServices& setup) : setup_(std::make_unique<TOrvelSetup>(setup)) {
  ApplyForm1Values(*setup_);
}

}  // namespace sorvane
