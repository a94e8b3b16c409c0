// The worksheet window's program-wide state in one structure: one window
// per run, whose message handlers all share it. Every use reads
// globals.name, so that it cannot be taken for a local.
#ifndef QUORIN_WINDOW_STATE_H
#define QUORIN_WINDOW_STATE_H

#include "worksheet.h"

#include <windows.h>

#include <memory>

inline constexpr int startWidth = 500;
inline constexpr int startHeight = 400;
// Until the off-screen bitmap's font tells otherwise.
inline constexpr int defaultLineHeight = 20;

struct worksheetGlobals {
    HINSTANCE programInstance = nullptr;
    HWND worksheetWindow = nullptr;

    int windowWidth = startWidth;
    int windowHeight = startHeight;
    // Screen position of the window; only left and top are kept up to date.
    RECT windowRect = {};
    // Tallest allowed window: the sheet then shows 29 texts.
    int heightLimit = 0;

    // Parts of the face, in client coordinates.
    RECT sheetRect = {};
    RECT closeRect = {};
    RECT gripRect = {};

    // Pointer position at the previous step of a drag, in screen coordinates.
    POINT lastPoint = {};

    // A screen-sized bitmap holding everything the window shows.
    HDC offscreenDC = nullptr;
    int lineHeight = defaultLineHeight;

    HICON gripIcon = nullptr;
    HICON closeIcon = nullptr;
    HMENU popupMenu = nullptr;
    HWND editPane = nullptr;
    // The pane's procedure before it was subclassed: it gets every message
    // the pane's own procedure leaves, and the pane gets it back at the end.
    WNDPROC previousEditPaneProc = nullptr;

    // The worksheet behind the sheet and the pane, from WM_CREATE to
    // WM_DESTROY.
    std::unique_ptr<worksheet::worksheetCore> worksheet;
};

extern worksheetGlobals globals;

// Sets the sheet, close and grip rectangles for the window's size.
void applyLayout();

#endif
