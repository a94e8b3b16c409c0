#include "pixelImage.h"

#include <cstdio>

namespace {

BITMAPINFOHEADER topDownHeader(int width, int height) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = -height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    return header;
}

} // namespace

memoryCanvas::memoryCanvas(int width, int height) : width_(width), height_(height) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    previousBitmap_ = SelectObject(dc_, bitmap_);
}

memoryCanvas::~memoryCanvas() {
    SelectObject(dc_, previousBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

pixelImage memoryCanvas::read() const {
    pixelImage image{width_, height_,
                     std::vector<std::uint32_t>(static_cast<size_t>(width_) * height_)};
    BITMAPINFO info{};
    info.bmiHeader = topDownHeader(width_, height_);
    // GetDIBits wants the bitmap out of any device context.
    SelectObject(dc_, previousBitmap_);
    GetDIBits(dc_, bitmap_, 0, height_, image.pixels.data(), &info, DIB_RGB_COLORS);
    SelectObject(dc_, bitmap_);
    for (auto& pixel : image.pixels) {
        pixel &= 0x00FFFFFF;
    }
    return image;
}

RECT screenBounds() {
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

pixelImage captureScreen(const RECT& area) {
    memoryCanvas canvas(area.right - area.left, area.bottom - area.top);
    // Under Wine a blit that reaches off the screen copies nothing at all.
    RECT visible{};
    const RECT screenArea = screenBounds();
    if (IntersectRect(&visible, &area, &screenArea)) {
        HDC screen = GetDC(nullptr);
        BitBlt(canvas.dc(), visible.left - area.left, visible.top - area.top,
               visible.right - visible.left, visible.bottom - visible.top, screen, visible.left,
               visible.top, SRCCOPY);
        ReleaseDC(nullptr, screen);
    }
    return canvas.read();
}

bool saveBitmapFile(const pixelImage& image, const std::string& path) {
    const DWORD pixelBytes = static_cast<DWORD>(image.pixels.size() * sizeof(std::uint32_t));
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + pixelBytes;
    const BITMAPINFOHEADER header = topDownHeader(image.width, image.height);
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) {
        return false;
    }
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&header, sizeof header, 1, out);
    std::fwrite(image.pixels.data(), 1, pixelBytes, out);
    return std::fclose(out) == 0;
}
