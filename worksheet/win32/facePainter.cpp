#include "facePainter.h"

#include "windowState.h"

namespace {

constexpr int rulingSpacing = 5;
constexpr int iconSize = 20;

void fillGrey(int width, int height) {
    SelectObject(globals.offscreenDC, GetStockObject(GRAY_BRUSH));
    PatBlt(globals.offscreenDC, 0, 0, width, height, PATCOPY);
}

// Black lines across the whole screen width, from the top down to height.
void drawRulings(int height) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const HGDIOBJ previousPen = SelectObject(globals.offscreenDC, GetStockObject(BLACK_PEN));
    for (int y = 0; y < height; y += rulingSpacing) {
        MoveToEx(globals.offscreenDC, 0, y, nullptr);
        LineTo(globals.offscreenDC, screenWidth, y);
    }
    SelectObject(globals.offscreenDC, previousPen);
}

void drawIcon(HICON icon, const RECT& where) {
    DrawIconEx(globals.offscreenDC, where.left, where.top, icon, iconSize, iconSize, 0, nullptr,
               DI_NORMAL);
}

} // namespace

void createOffscreenBitmap(HWND window) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const HDC windowDC = GetDC(window);
    globals.offscreenDC = CreateCompatibleDC(windowDC);
    SelectObject(globals.offscreenDC, CreateCompatibleBitmap(windowDC, screenWidth, screenHeight));
    ReleaseDC(window, windowDC);
}

void paintNewFace() {
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    fillGrey(GetSystemMetrics(SM_CXSCREEN), screenHeight);
    drawRulings(screenHeight);
    FillRect(globals.offscreenDC, &globals.gripRect,
             static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    drawIcon(globals.gripIcon, globals.gripRect);
    drawIcon(globals.closeIcon, globals.closeRect);
}

void repaintFace() {
    fillGrey(globals.windowWidth, globals.windowHeight);
    drawRulings(globals.windowHeight);
    drawIcon(globals.gripIcon, globals.gripRect);
    drawIcon(globals.closeIcon, globals.closeRect);
}
