// Dragging the face with the left button: on the grip it resizes the
// window, anywhere else it moves it.
#ifndef QUORIN_WINDOW_DRAG_H
#define QUORIN_WINDOW_DRAG_H

#include <windows.h>

// One step of a drag: the handler of WM_MOUSEMOVE.
void dragStep(HWND window, WPARAM keys, LPARAM clientPosition);

#endif
