// Finding the windows of the program under test from outside its process:
// the worksheet window, its edit pane, its dialogs and an open popup menu.
#ifndef WORVANE_PROBE_TARGET_WINDOWS_H
#define WORVANE_PROBE_TARGET_WINDOWS_H

#include <windows.h>

#include <string>
#include <vector>

// The worksheet window (class and title "Worvane"), or null.
HWND findWorksheet();
HWND findEditPane(HWND worksheet);

// Where the worksheet window and its parts are on the screen.
struct worksheetGeometry {
    RECT window;
    POINT clientOrigin;
    SIZE clientSize;
    RECT editPane; // client coordinates
};
worksheetGeometry readGeometry(HWND worksheet, HWND editPane);

// A visible top-level dialog of the given process with this caption, or null.
HWND findDialog(DWORD processId, const std::string& caption);
// A visible popup menu window of any process, or null.
HWND findPopupMenu();

std::vector<HWND> childWindows(HWND parent);
std::string className(HWND window);
// The window's text in the ANSI code page, read through WM_GETTEXT (which
// works across processes).
std::string windowText(HWND window);
bool setWindowText(HWND window, const std::string& text);
DWORD processOf(HWND window);
// The path of the program that owns the window.
std::string programPath(HWND window);

#endif
