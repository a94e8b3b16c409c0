#include "windowDrag.h"

#include "faceLayout.h"
#include "facePainter.h"
#include "sheetView.h"
#include "windowState.h"

#include <windowsx.h>

namespace {

void replaceRegion(HWND window) {
    const HRGN region = createFaceRegion(windowWidth, windowHeight);
    // Once set, the region belongs to the system, which also frees the one it
    // replaces; it stays ours only if setting it fails.
    if (!SetWindowRgn(window, region, TRUE)) DeleteObject(region);
}

void resize(HWND window, int dx, int dy) {
    const SIZE size = clampWindowSize({windowWidth + dx, windowHeight + dy}, heightLimit);
    windowWidth = size.cx;
    windowHeight = size.cy;
    applyLayout();
    replaceRegion(window);
    const RECT pane = layoutFace(windowWidth, windowHeight).editPane;
    MoveWindow(editPane, pane.left, pane.top, pane.right - pane.left, pane.bottom - pane.top,
               FALSE);
    MoveWindow(window, windowRect.left, windowRect.top, windowWidth, windowHeight, FALSE);
    repaintFace();
    redrawSheet();
    const RECT face = {0, 0, windowWidth, windowHeight};
    InvalidateRect(window, &face, TRUE);
}

void move(HWND window, int dx, int dy) {
    OffsetRect(&windowRect, dx, dy);
    MoveWindow(window, windowRect.left, windowRect.top, windowWidth, windowHeight, TRUE);
}

} // namespace

void dragStep(HWND window, WPARAM keys, LPARAM clientPosition) {
    if (!(keys & MK_LBUTTON)) return;
    const POINT client = {GET_X_LPARAM(clientPosition), GET_Y_LPARAM(clientPosition)};
    POINT screen = client;
    ClientToScreen(window, &screen);
    const int dx = screen.x - lastPoint.x;
    const int dy = screen.y - lastPoint.y;
    if (dx != 0 || dy != 0) {
        if (PtInRect(&gripRect, client))
            resize(window, dx, dy);
        else
            move(window, dx, dy);
    }
    lastPoint = screen;
}
