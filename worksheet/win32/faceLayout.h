// Where the parts of the worksheet face lie for a given window size, and the
// sizes a resize may reach.
#ifndef QUORIN_FACE_LAYOUT_H
#define QUORIN_FACE_LAYOUT_H

#include <windows.h>

// All in client coordinates.
struct faceLayout {
    RECT sheet;
    RECT close;
    RECT grip;
    RECT editPane;
};

faceLayout layoutFace(int width, int height);

// The rounded rectangle the window is cut to, in window coordinates. It
// leaves out the frame, caption and menu bar above the face.
HRGN createFaceRegion(int width, int height);

// Below these the grip would leave the face and the window could never be
// made larger again: the edit pane keeps some width, and it and the grip
// stay below the close icon.
extern const int smallestWindowWidth;
extern const int smallestWindowHeight;

// The size a resize to the wanted size gets: no taller than heightLimit, no
// smaller than the smallest size.
SIZE clampWindowSize(SIZE wanted, int heightLimit);

#endif
