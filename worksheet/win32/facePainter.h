// The worksheet face in the off-screen bitmap: grey ground ruled with black
// lines, the grip and the close icon. The window only ever copies from it.
#ifndef QUORIN_FACE_PAINTER_H
#define QUORIN_FACE_PAINTER_H

#include <windows.h>

// Creates offscreenDC with a bitmap as large as the screen, so that no
// resize needs a new one.
void createOffscreenBitmap(HWND window);

// The first face: the whole bitmap grey and ruled, the grip on black.
void paintNewFace();

// The face after a resize: only the window's size is painted again.
void repaintFace();

#endif
