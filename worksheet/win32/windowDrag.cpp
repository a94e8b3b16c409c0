#include "windowDrag.h"

#include "faceLayout.h"
#include "facePainter.h"
#include "sheetView.h"
#include "windowState.h"

#include <windowsx.h>

namespace {

void replaceRegion(HWND window) {
    const HRGN region = createFaceRegion(globals.windowWidth, globals.windowHeight);
    // Once set, the region belongs to the system, which also frees the one it
    // replaces; it stays ours only if setting it fails.
    if (!SetWindowRgn(window, region, TRUE)) DeleteObject(region);
}

void resize(HWND window, int dx, int dy) {
    const SIZE size =
        clampWindowSize({globals.windowWidth + dx, globals.windowHeight + dy}, globals.heightLimit);
    globals.windowWidth = size.cx;
    globals.windowHeight = size.cy;
    applyLayout();
    replaceRegion(window);
    const RECT pane = layoutFace(globals.windowWidth, globals.windowHeight).editPane;
    MoveWindow(globals.editPane, pane.left, pane.top, pane.right - pane.left,
               pane.bottom - pane.top, FALSE);
    MoveWindow(window, globals.windowRect.left, globals.windowRect.top, globals.windowWidth,
               globals.windowHeight, FALSE);
    repaintFace();
    redrawSheet();
    const RECT face = {0, 0, globals.windowWidth, globals.windowHeight};
    InvalidateRect(window, &face, TRUE);
}

void move(HWND window, int dx, int dy) {
    OffsetRect(&globals.windowRect, dx, dy);
    MoveWindow(window, globals.windowRect.left, globals.windowRect.top, globals.windowWidth,
               globals.windowHeight, TRUE);
}

} // namespace

void dragStep(HWND window, WPARAM keys, LPARAM clientPosition) {
    if (!(keys & MK_LBUTTON)) return;
    const POINT client = {GET_X_LPARAM(clientPosition), GET_Y_LPARAM(clientPosition)};
    POINT screen = client;
    ClientToScreen(window, &screen);
    const int dx = screen.x - globals.lastPoint.x;
    const int dy = screen.y - globals.lastPoint.y;
    if (dx != 0 || dy != 0) {
        if (PtInRect(&globals.gripRect, client))
            resize(window, dx, dy);
        else
            move(window, dx, dy);
    }
    globals.lastPoint = screen;
}
