// The worksheet window's program-wide state: one window per run, so plain
// globals, as its message handlers share them.
#ifndef QUORIN_WINDOW_STATE_H
#define QUORIN_WINDOW_STATE_H

#include <windows.h>

inline constexpr int startWidth = 500;
inline constexpr int startHeight = 400;

extern HINSTANCE programInstance;
extern HWND worksheetWindow;

extern int windowWidth;
extern int windowHeight;
// Screen position of the window; only left and top are kept up to date.
extern RECT windowRect;
// Tallest allowed window: the sheet then shows 29 texts.
extern int heightLimit;

// Parts of the face, in client coordinates.
extern RECT sheetRect;
extern RECT closeRect;
extern RECT gripRect;

// Pointer position at the previous step of a drag, in screen coordinates.
extern POINT lastPoint;

// A screen-sized bitmap holding everything the window shows.
extern HDC offscreenDC;
extern int lineHeight;

extern HICON gripIcon;
extern HICON closeIcon;
extern HMENU popupMenu;
extern HWND editPane;

// Sets sheetRect, closeRect and gripRect for windowWidth and windowHeight.
void applyLayout();

#endif
