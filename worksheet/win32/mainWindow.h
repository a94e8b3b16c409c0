// The worksheet window: its class and its window procedure.
#ifndef QUORIN_MAIN_WINDOW_H
#define QUORIN_MAIN_WINDOW_H

#include <windows.h>

inline constexpr char worksheetClassName[] = "Worvane";

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#endif
