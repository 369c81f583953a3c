#pragma once

// Included once by the main file of each program that runs the widgets: under the leak checker,
// the toolkit, its fonts and its platform plugin keep caches until the process ends. Leaks of
// our own are still reported.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libQt6\nleak:libfontconfig\nleak:libglib\nleak:libgobject\nleak:libdbus\nleak:libxkbcommon\n";
}
