#include "sheetPainter.h"

#include <cstring>

namespace {
constexpr int textIndent = 5;
constexpr int fallbackLineHeight = 20;
} // namespace

void paintSheet(HDC dc, const RECT& sheetRect, int lineHeight, const char* const* texts,
                int count) {
    FillRect(dc, &sheetRect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    IntersectClipRect(dc, sheetRect.left, sheetRect.top, sheetRect.right, sheetRect.bottom);
    for (int i = 0; i < count; ++i) {
        TextOutA(dc, sheetRect.left + textIndent, sheetRect.top + i * lineHeight, texts[i],
                 static_cast<int>(std::strlen(texts[i])));
    }
    SelectClipRgn(dc, nullptr);
}

int readLineHeight(HDC dc) {
    TEXTMETRICA metrics;
    if (!GetTextMetricsA(dc, &metrics)) return fallbackLineHeight;
    return metrics.tmHeight;
}
