#include "faceLayout.h"

#include <algorithm>

namespace {

constexpr int iconSize = 20;
// The close icon and the grip sit this far in from the right edge.
constexpr int iconInset = 40;
constexpr int closeTop = 20;
constexpr int gripAboveBottom = 120;

constexpr int sheetSideMargin = 50;
constexpr int sheetTop = 20;
constexpr int sheetAboveBottom = 150;

constexpr int editPaneAboveBottom = 140;
constexpr int editPaneHeight = 30;
constexpr int smallestEditPaneWidth = 60;

constexpr int regionSideCut = 10;
// Frame, caption and menu bar lie in the top 50 pixels.
constexpr int regionTopCut = 50;
constexpr int regionBottomCut = 50;
constexpr int regionCornerDiameter = 30;

} // namespace

const int smallestWindowWidth = 2 * sheetSideMargin + smallestEditPaneWidth;
const int smallestWindowHeight = closeTop + iconSize + editPaneAboveBottom;

faceLayout layoutFace(int width, int height) {
    faceLayout layout;
    layout.sheet = {sheetSideMargin, sheetTop, width - sheetSideMargin, height - sheetAboveBottom};
    layout.close = {width - iconInset, closeTop, width - iconInset + iconSize, closeTop + iconSize};
    layout.grip = {width - iconInset, height - gripAboveBottom, width - iconInset + iconSize,
                   height - gripAboveBottom + iconSize};
    layout.editPane = {sheetSideMargin, height - editPaneAboveBottom, width - sheetSideMargin,
                       height - editPaneAboveBottom + editPaneHeight};
    return layout;
}

HRGN createFaceRegion(int width, int height) {
    return CreateRoundRectRgn(regionSideCut, regionTopCut, width - regionSideCut,
                              height - regionBottomCut, regionCornerDiameter, regionCornerDiameter);
}

SIZE clampWindowSize(SIZE wanted, int heightLimit) {
    return {std::max<LONG>(wanted.cx, smallestWindowWidth),
            std::max<LONG>(std::min<LONG>(wanted.cy, heightLimit), smallestWindowHeight)};
}
