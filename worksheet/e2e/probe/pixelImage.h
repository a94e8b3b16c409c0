// Pixels read back from the screen or from a memory canvas, 0x00RRGGBB,
// rows top-down, so that two images compare with ==.
#ifndef WORVANE_PROBE_PIXEL_IMAGE_H
#define WORVANE_PROBE_PIXEL_IMAGE_H

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct pixelImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// A memory device context with a bitmap of its own, compatible with the
// screen, as the program's off-screen face is.
class memoryCanvas {
  public:
    memoryCanvas(int width, int height);
    ~memoryCanvas();
    memoryCanvas(const memoryCanvas&) = delete;
    memoryCanvas& operator=(const memoryCanvas&) = delete;

    HDC dc() const { return dc_; }
    pixelImage read() const;

  private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previousBitmap_;
};

RECT screenBounds();

// What the screen shows in this rectangle (BitBlt from the screen's device
// context: PrintWindow draws nothing under Wine); black where the rectangle
// reaches off the screen.
pixelImage captureScreen(const RECT& area);

// Writes a 32-bit BMP file, for looking at a failed comparison.
bool saveBitmapFile(const pixelImage& image, const std::string& path);

#endif
