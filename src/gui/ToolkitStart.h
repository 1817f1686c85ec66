#pragma once

namespace sorvane {

// What the toolkit needs of the process before it starts: set once at the
// top of main, before StartToolkit. Each toolkit's own file defines it.
void PrepareToolkit();

// Runs the application (wxIMPLEMENT_APP_NO_MAIN's) until it ends; its exit
// status. On Windows the toolkit takes the system's wide command line, since
// argv has "?" for every letter the ANSI code page lacks.
int StartToolkit(int& argc, char** argv);

}  // namespace sorvane
