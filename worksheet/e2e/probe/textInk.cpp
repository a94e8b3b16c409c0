#include "textInk.h"

#include <algorithm>
#include <map>

namespace {

std::uint32_t commonestColour(const pixelImage& image) {
    std::map<std::uint32_t, int> counts;
    for (const std::uint32_t pixel : image.pixels) {
        ++counts[pixel];
    }
    return std::max_element(counts.begin(), counts.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

// Room right of the advance width for glyphs that reach beyond it.
constexpr int overhangRoom = 16;

} // namespace

textInk measureInk(const pixelImage& image) {
    textInk ink;
    if (image.pixels.empty()) {
        return ink;
    }
    const std::uint32_t background = commonestColour(image);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (image.at(x, y) != background) {
                ++ink.pixels;
                ink.right = std::max(ink.right, x + 1);
            }
        }
    }
    return ink;
}

// As a static text control draws: its font, the window text colour, no
// background of its own.
pixelImage drawTextWhole(HFONT font, const char* text, int length, int height) {
    HDC screen = GetDC(nullptr);
    const HGDIOBJ screenFont = SelectObject(screen, font);
    SIZE extent{};
    GetTextExtentPoint32A(screen, text, length, &extent);
    SelectObject(screen, screenFont);
    ReleaseDC(nullptr, screen);

    memoryCanvas canvas(extent.cx + overhangRoom, height);
    RECT area{0, 0, extent.cx + overhangRoom, height};
    FillRect(canvas.dc(), &area, GetSysColorBrush(COLOR_3DFACE));
    const HGDIOBJ previousFont = SelectObject(canvas.dc(), font);
    SetBkMode(canvas.dc(), TRANSPARENT);
    SetTextColor(canvas.dc(), GetSysColor(COLOR_WINDOWTEXT));
    DrawTextA(canvas.dc(), text, length, &area, DT_LEFT | DT_EXPANDTABS | DT_NOPREFIX);
    SelectObject(canvas.dc(), previousFont);
    return canvas.read();
}
