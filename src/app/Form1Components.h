#pragma once

namespace sorvane {

class TOrvelSetup;

// The property values the main window stores for the components it owns.
// They are applied once a component's construction has finished and replace
// its construction values; properties without a stored value keep theirs.
void ApplyForm1Values(TOrvelSetup& setup);

}  // namespace sorvane
