#pragma once

namespace sorvane {

// What the toolkit needs of the process before it starts: set once at the
// top of main, before wxEntry. Each toolkit's own file defines it.
void PrepareToolkit();

}  // namespace sorvane
