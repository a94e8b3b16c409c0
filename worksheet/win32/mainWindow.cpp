#include "mainWindow.h"

#include "dialogs.h"
#include "editPane.h"
#include "faceLayout.h"
#include "facePainter.h"
#include "resource.h"
#include "sheetPainter.h"
#include "sheetView.h"
#include "windowDrag.h"
#include "windowState.h"
#include "worksheet.h"

#include <windowsx.h>

namespace {

// heightLimit is the height of 30 lines plus this, so the sheet never shows
// more than 29 of them.
constexpr int heightLimitMargin = 170;

LRESULT onCreate(HWND window) {
    globals.worksheetWindow = window;
    applyLayout();
    createOffscreenBitmap(window);
    paintNewFace();
    GetWindowRect(window, &globals.windowRect);
    SetWindowRgn(window, createFaceRegion(globals.windowWidth, globals.windowHeight), TRUE);
    globals.popupMenu = GetSubMenu(GetMenu(window), 0);
    globals.editPane = createEditPane(window);
    globals.lineHeight = readLineHeight(globals.offscreenDC);
    startWorksheet();
    globals.heightLimit = worksheet::ringSlots * globals.lineHeight + heightLimitMargin;
    SetWindowTextA(globals.editPane, "");
    redrawSheet();
    return 0;
}

LRESULT onPaint(HWND window) {
    PAINTSTRUCT paint;
    const HDC windowDC = BeginPaint(window, &paint);
    const RECT& dirty = paint.rcPaint;
    BitBlt(windowDC, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top,
           globals.offscreenDC, dirty.left, dirty.top, SRCCOPY);
    EndPaint(window, &paint);
    return 0;
}

POINT clientPoint(LPARAM position) {
    return {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
}

LRESULT onLeftButtonDown(HWND window, LPARAM position) {
    globals.lastPoint = clientPoint(position);
    if (PtInRect(&globals.closeRect, globals.lastPoint) && confirmQuit(window)) {
        DestroyWindow(window);
        return 0;
    }
    ClientToScreen(window, &globals.lastPoint);
    return 0;
}

LRESULT onRightButtonDown(HWND window, LPARAM position) {
    POINT screen = clientPoint(position);
    ClientToScreen(window, &screen);
    TrackPopupMenu(globals.popupMenu, 0, screen.x, screen.y, 0, window, nullptr);
    return 0;
}

LRESULT onCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
    case IDM_EXIT:
        DestroyWindow(window);
        return 0;
    case IDM_CLEAR_VARIABLES:
        globals.worksheet->handleLine("!clear");
        return 0;
    case IDM_OPEN_FILE:
        chooseFile(window);
        return 0;
    case IDM_ABOUT:
        showAboutBox(window);
        return 0;
    }
    return DefWindowProcA(window, WM_COMMAND, wParam, lParam);
}

LRESULT onDestroy(HWND window) {
    SetWindowRgn(window, nullptr, FALSE);
    stopWorksheet();
    restoreEditPane(globals.editPane);
    PostQuitMessage(0);
    return 0;
}

} // namespace

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return onCreate(window);
    case WM_PAINT:
        return onPaint(window);
    case WM_LBUTTONDOWN:
        return onLeftButtonDown(window, lParam);
    case WM_MOUSEMOVE:
        dragStep(window, wParam, lParam);
        return 0;
    case WM_RBUTTONDOWN:
        return onRightButtonDown(window, lParam);
    case WM_COMMAND:
        return onCommand(window, wParam, lParam);
    case WM_DESTROY:
        return onDestroy(window);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
