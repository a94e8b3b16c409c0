// Drawing the sheet's texts into a bitmap: white ground, one text a line,
// nothing outside the sheet.
#include "sheetPainter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int bitmapWidth = 320;
constexpr int bitmapHeight = 200;
constexpr COLORREF grey = RGB(128, 128, 128);
constexpr COLORREF white = RGB(255, 255, 255);

class sheetPainterTest : public testing::Test {
  protected:
    void SetUp() override {
        BITMAPINFO format = {};
        format.bmiHeader.biSize = sizeof format.bmiHeader;
        format.bmiHeader.biWidth = bitmapWidth;
        format.bmiHeader.biHeight = -bitmapHeight;
        format.bmiHeader.biPlanes = 1;
        format.bmiHeader.biBitCount = 32;
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateDIBSection(dc, &format, DIB_RGB_COLORS, nullptr, nullptr, 0);
        ASSERT_NE(bitmap, nullptr);
        previousBitmap = SelectObject(dc, bitmap);
        const RECT all = {0, 0, bitmapWidth, bitmapHeight};
        const HBRUSH greyBrush = CreateSolidBrush(grey);
        FillRect(dc, &all, greyBrush);
        DeleteObject(greyBrush);
        lineHeight = readLineHeight(dc);
    }

    void TearDown() override {
        SelectObject(dc, previousBitmap);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }

    COLORREF pixel(int x, int y) const {
        GdiFlush();
        return GetPixel(dc, x, y);
    }

    // The leftmost x in the rows top to bottom - 1 whose pixel is neither
    // white nor grey, or -1.
    int firstInkIn(const RECT& area) const {
        for (int x = area.left; x < area.right; ++x) {
            for (int y = area.top; y < area.bottom; ++y) {
                const COLORREF colour = pixel(x, y);
                if (colour != white && colour != grey) return x;
            }
        }
        return -1;
    }

    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previousBitmap = nullptr;
    int lineHeight = 0;
};

TEST_F(sheetPainterTest, eachTextTakesOneLineFromTheTopIndentedByFive) {
    const RECT sheet = {20, 10, 300, 10 + 4 * lineHeight};
    const char* const texts[] = {"1+2", "", "[ans = 3]"};
    paintSheet(dc, sheet, lineHeight, texts, 3);

    for (int line = 0; line < 4; ++line) {
        const RECT band = {sheet.left, sheet.top + line * lineHeight, sheet.right,
                           sheet.top + (line + 1) * lineHeight};
        const int ink = firstInkIn(band);
        SCOPED_TRACE("line " + std::to_string(line));
        if (line == 0 || line == 2) {
            EXPECT_GE(ink, sheet.left + 5);
            EXPECT_LT(ink, sheet.left + 5 + lineHeight);
        } else {
            EXPECT_EQ(ink, -1);
        }
    }
    EXPECT_EQ(pixel(sheet.left, sheet.top), white);
    EXPECT_EQ(pixel(sheet.right - 1, sheet.bottom - 1), white);
}

TEST_F(sheetPainterTest, nothingIsDrawnOutsideTheSheet) {
    // The second line is cut by the sheet's bottom and both run past its right.
    const RECT sheet = {20, 10, 120, 10 + lineHeight + lineHeight / 2};
    const std::string longText(200, 'W');
    const char* const texts[] = {longText.c_str(), longText.c_str()};
    paintSheet(dc, sheet, lineHeight, texts, 2);

    for (int y = 0; y < bitmapHeight; ++y) {
        for (int x = 0; x < bitmapWidth; ++x) {
            const POINT point = {x, y};
            if (!PtInRect(&sheet, point)) {
                ASSERT_EQ(pixel(x, y), grey) << "at " << x << ", " << y;
            }
        }
    }
}

TEST_F(sheetPainterTest, theClippingIsRemovedAfterwards) {
    const RECT sheet = {20, 10, 120, 60};
    paintSheet(dc, sheet, lineHeight, nullptr, 0);
    const HRGN clip = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(dc, clip), 0) << "a clip region is still selected";
    DeleteObject(clip);
}

TEST_F(sheetPainterTest, lineHeightIsTheFontsCharacterHeight) {
    TEXTMETRICA metrics;
    ASSERT_TRUE(GetTextMetricsA(dc, &metrics));
    EXPECT_EQ(lineHeight, metrics.tmHeight);
    EXPECT_EQ(readLineHeight(nullptr), 20) << "the fallback when no metrics can be read";
}

} // namespace
