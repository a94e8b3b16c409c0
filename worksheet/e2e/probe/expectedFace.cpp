#include "expectedFace.h"

#include "sheetPainter.h"

namespace {

constexpr int gripIconResource = 104;

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
    return readLineHeight(canvas.dc());
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

    const int lineHeight = readLineHeight(canvas.dc());
    const std::vector<std::string> texts =
        visibleTexts(shownTexts, visibleTextCount(face, lineHeight));
    std::vector<const char*> textPointers;
    for (const auto& text : texts) {
        textPointers.push_back(text.c_str());
    }
    paintSheet(canvas.dc(), face.sheet(), lineHeight, textPointers.data(),
               static_cast<int>(textPointers.size()));
    return canvas.read();
}
