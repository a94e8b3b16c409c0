// The worksheet window's class, registered alike by the program and its tests.
#ifndef QUORIN_WINDOW_CLASS_H
#define QUORIN_WINDOW_CLASS_H

#include <windows.h>

// The class "Worvane" of the given module, whose resources hold the icon and
// the menu. False when the system refuses it.
bool registerWorksheetClass(HINSTANCE module);

#endif
