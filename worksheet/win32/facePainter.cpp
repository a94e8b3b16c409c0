#include "facePainter.h"

#include "windowState.h"

namespace {

constexpr int rulingSpacing = 5;
constexpr int iconSize = 20;

void fillGrey(int width, int height) {
    SelectObject(offscreenDC, GetStockObject(GRAY_BRUSH));
    PatBlt(offscreenDC, 0, 0, width, height, PATCOPY);
}

// Black lines across the whole screen width, from the top down to height.
void drawRulings(int height) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const HGDIOBJ previousPen = SelectObject(offscreenDC, GetStockObject(BLACK_PEN));
    for (int y = 0; y < height; y += rulingSpacing) {
        MoveToEx(offscreenDC, 0, y, nullptr);
        LineTo(offscreenDC, screenWidth, y);
    }
    SelectObject(offscreenDC, previousPen);
}

void drawIcon(HICON icon, const RECT& where) {
    DrawIconEx(offscreenDC, where.left, where.top, icon, iconSize, iconSize, 0, nullptr, DI_NORMAL);
}

} // namespace

void createOffscreenBitmap(HWND window) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const HDC windowDC = GetDC(window);
    offscreenDC = CreateCompatibleDC(windowDC);
    SelectObject(offscreenDC, CreateCompatibleBitmap(windowDC, screenWidth, screenHeight));
    ReleaseDC(window, windowDC);
}

void paintNewFace() {
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    fillGrey(GetSystemMetrics(SM_CXSCREEN), screenHeight);
    drawRulings(screenHeight);
    FillRect(offscreenDC, &gripRect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    drawIcon(gripIcon, gripRect);
    drawIcon(closeIcon, closeRect);
}

void repaintFace() {
    fillGrey(windowWidth, windowHeight);
    drawRulings(windowHeight);
    drawIcon(gripIcon, gripRect);
    drawIcon(closeIcon, closeRect);
}
