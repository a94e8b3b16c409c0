#include "expectedFace.h"

namespace {

constexpr int gripIconResource = 104;
constexpr int fallbackLineHeight = 20;

void drawRuledFace(HDC dc, const faceParts& face) {
    const RECT whole{0, 0, face.width, face.height};
    FillRect(dc, &whole, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    HGDIOBJ previousPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    for (int y = 0; y < face.height; y += rulingSpacing) {
        MoveToEx(dc, 0, y, nullptr);
        LineTo(dc, face.width, y);
    }
    SelectObject(dc, previousPen);
}

void drawIcons(HDC dc, const faceParts& face, gripBackground grip, const programIcons& icons) {
    const RECT gripRect = face.grip();
    if (grip == gripBackground::black) {
        FillRect(dc, &gripRect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    DrawIconEx(dc, gripRect.left, gripRect.top, icons.grip, iconSize, iconSize, 0, nullptr,
               DI_NORMAL);
    const RECT closeRect = face.closeIcon();
    DrawIconEx(dc, closeRect.left, closeRect.top, icons.close, iconSize, iconSize, 0, nullptr,
               DI_NORMAL);
}

int lineHeightOf(HDC dc) {
    TEXTMETRICA metrics;
    return GetTextMetricsA(dc, &metrics) ? metrics.tmHeight : fallbackLineHeight;
}

// The texts one line height apart from the sheet's top, indented, on white,
// and nothing of them outside the sheet.
void drawSheet(HDC dc, const RECT& sheet, int lineHeight, const std::vector<std::string>& texts) {
    FillRect(dc, &sheet, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HRGN clip = CreateRectRgnIndirect(&sheet);
    SelectClipRgn(dc, clip);
    int top = sheet.top;
    for (const auto& text : texts) {
        TextOutA(dc, sheet.left + sheetTextIndent, top, text.c_str(),
                 static_cast<int>(text.size()));
        top += lineHeight;
    }
    SelectClipRgn(dc, nullptr);
    DeleteObject(clip);
}

} // namespace

programIcons loadProgramIcons(const std::string& programPath) {
    programIcons icons{nullptr, LoadIconA(nullptr, IDI_HAND)};
    HMODULE program = LoadLibraryExA(programPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (program) {
        icons.grip = static_cast<HICON>(LoadImageA(program, MAKEINTRESOURCEA(gripIconResource),
                                                   IMAGE_ICON, iconSize, iconSize, 0));
    }
    return icons;
}

int sheetLineHeight() {
    memoryCanvas canvas(1, 1);
    return lineHeightOf(canvas.dc());
}

int visibleTextCount(const faceParts& face, int lineHeight) {
    const RECT sheet = face.sheet();
    const int count = (sheet.bottom - sheet.top - 1) / lineHeight;
    return count > 0 ? count : 0;
}

std::vector<std::string> visibleTexts(const std::vector<std::string>& shownTexts, int count) {
    std::vector<std::string> visible(count);
    const int available = static_cast<int>(shownTexts.size());
    for (int i = 0; i < count && i < available; ++i) {
        visible[count - 1 - i] = shownTexts[available - 1 - i];
    }
    return visible;
}

pixelImage renderExpectedFace(const faceParts& face, const std::vector<std::string>& shownTexts,
                              gripBackground grip, const programIcons& icons) {
    memoryCanvas canvas(face.width, face.height);
    drawRuledFace(canvas.dc(), face);
    drawIcons(canvas.dc(), face, grip, icons);

    const int lineHeight = lineHeightOf(canvas.dc());
    drawSheet(canvas.dc(), face.sheet(), lineHeight,
              visibleTexts(shownTexts, visibleTextCount(face, lineHeight)));
    return canvas.read();
}
