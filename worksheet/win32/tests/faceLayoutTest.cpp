// Where the face's parts lie for a window size, and how far a resize may go.
#include "faceLayout.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string text(const RECT& rect) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "{%ld, %ld, %ld, %ld}", rect.left, rect.top, rect.right,
                  rect.bottom);
    return buffer;
}

struct layoutCase {
    int width;
    int height;
    RECT sheet;
    RECT close;
    RECT grip;
    RECT editPane;
};

TEST(faceLayoutTest, partsFollowTheWindowSize) {
    const layoutCase cases[] = {
        {500,
         400,
         {50, 20, 450, 250},
         {460, 20, 480, 40},
         {460, 280, 480, 300},
         {50, 260, 450, 290}},
        {600,
         710,
         {50, 20, 550, 560},
         {560, 20, 580, 40},
         {560, 590, 580, 610},
         {50, 570, 550, 600}},
        {160, 180, {50, 20, 110, 30}, {120, 20, 140, 40}, {120, 60, 140, 80}, {50, 40, 110, 70}},
    };
    for (const layoutCase& expected : cases) {
        const faceLayout layout = layoutFace(expected.width, expected.height);
        SCOPED_TRACE(testing::Message() << expected.width << " by " << expected.height);
        EXPECT_EQ(text(layout.sheet), text(expected.sheet));
        EXPECT_EQ(text(layout.close), text(expected.close));
        EXPECT_EQ(text(layout.grip), text(expected.grip));
        EXPECT_EQ(text(layout.editPane), text(expected.editPane));
    }
}

TEST(faceLayoutTest, regionCutsTheFrameAndRoundsTheCorners) {
    const HRGN region = createFaceRegion(500, 400);
    const struct {
        POINT point;
        bool inside;
    } points[] = {
        {{250, 49}, false}, {{250, 50}, true},   {{250, 348}, true}, {{250, 350}, false},
        {{9, 200}, false},  {{10, 200}, true},   {{488, 200}, true}, {{490, 200}, false},
        {{10, 50}, false},  {{488, 348}, false}, {{25, 65}, true},
    };
    for (const auto& sample : points) {
        EXPECT_EQ(PtInRegion(region, sample.point.x, sample.point.y) != 0, sample.inside)
            << "at " << sample.point.x << ", " << sample.point.y;
    }
    DeleteObject(region);
}

// The grip, the close icon and the edit pane stay on the face at the
// smallest size: the pane is below the close icon and has room to type.
TEST(faceLayoutTest, theSmallestWindowKeepsItsPartsApart) {
    const faceLayout layout = layoutFace(smallestWindowWidth, smallestWindowHeight);
    EXPECT_GE(layout.editPane.top, layout.close.bottom);
    EXPECT_GE(layout.grip.top, layout.close.bottom);
    EXPECT_GE(layout.editPane.right - layout.editPane.left, 60);
    EXPECT_GE(layout.grip.left, layout.editPane.right);
}

TEST(faceLayoutTest, resizesAreClamped) {
    const int heightLimit = 30 * 18 + 170;
    const struct {
        SIZE wanted;
        SIZE expected;
    } cases[] = {
        {{500, 400}, {500, 400}},   {{3000, 710}, {3000, 710}}, {{500, 711}, {500, 710}},
        {{500, 5000}, {500, 710}},  {{159, 180}, {160, 180}},   {{160, 179}, {160, 180}},
        {{-400, -400}, {160, 180}},
    };
    for (const auto& resize : cases) {
        const SIZE size = clampWindowSize(resize.wanted, heightLimit);
        EXPECT_EQ(size.cx, resize.expected.cx) << "wanted width " << resize.wanted.cx;
        EXPECT_EQ(size.cy, resize.expected.cy) << "wanted height " << resize.wanted.cy;
    }
}

} // namespace
