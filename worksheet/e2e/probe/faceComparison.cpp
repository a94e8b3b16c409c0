#include "faceComparison.h"

#include <algorithm>
#include <cstdio>

namespace {

void recordMismatch(faceComparison& result, POINT point, std::uint32_t actual,
                    std::uint32_t expected) {
    if (result.mismatched++ == 0) {
        result.firstMismatch = point;
        result.actual = actual;
        result.expected = expected;
        result.mismatchBounds = {point.x, point.y, point.x + 1, point.y + 1};
        return;
    }
    RECT& bounds = result.mismatchBounds;
    bounds.left = std::min(bounds.left, point.x);
    bounds.top = std::min(bounds.top, point.y);
    bounds.right = std::max(bounds.right, point.x + 1);
    bounds.bottom = std::max(bounds.bottom, point.y + 1);
}

} // namespace

std::string faceComparison::describe() const {
    char text[256];
    if (compared == 0) {
        std::snprintf(text, sizeof text, "no pixel of the face could be compared");
    } else if (mismatched == 0) {
        std::snprintf(text, sizeof text, "all %d pixels match", compared);
    } else {
        std::snprintf(
            text, sizeof text,
            "%d of %d pixels differ, within client (%ld,%ld)-(%ld,%ld); first at (%ld,%ld): "
            "screen %06X, expected %06X",
            mismatched, compared, mismatchBounds.left, mismatchBounds.top, mismatchBounds.right,
            mismatchBounds.bottom, firstMismatch.x, firstMismatch.y, static_cast<unsigned>(actual),
            static_cast<unsigned>(expected));
    }
    return text;
}

faceComparison compareFace(const pixelImage& screen, const pixelImage& expected,
                           const worksheetGeometry& geometry, const RECT& area, bool checkOutside) {
    const faceParts face{screen.width, screen.height};
    HRGN region = face.createRegion();
    const int clientLeft = geometry.clientOrigin.x - geometry.window.left;
    const int clientTop = geometry.clientOrigin.y - geometry.window.top;
    const RECT client{0, 0, geometry.clientSize.cx, geometry.clientSize.cy};
    RECT onScreen = screenBounds();
    OffsetRect(&onScreen, -geometry.window.left, -geometry.window.top);

    faceComparison result;
    for (int y = 0; y < screen.height; ++y) {
        for (int x = 0; x < screen.width; ++x) {
            const POINT clientPoint{x - clientLeft, y - clientTop};
            const std::uint32_t actual = screen.at(x, y);
            if (!PtInRect(&onScreen, POINT{x, y})) {
                continue;
            }
            if (!PtInRegion(region, x, y)) {
                if (checkOutside) {
                    ++result.compared;
                    if (actual != rootColour) {
                        recordMismatch(result, clientPoint, actual, rootColour);
                    }
                }
                continue;
            }
            if (!PtInRect(&client, clientPoint) || !PtInRect(&area, clientPoint) ||
                PtInRect(&geometry.editPane, clientPoint) || clientPoint.x >= expected.width ||
                clientPoint.y >= expected.height) {
                continue;
            }
            ++result.compared;
            const std::uint32_t wanted = expected.at(clientPoint.x, clientPoint.y);
            if (actual != wanted) {
                recordMismatch(result, clientPoint, actual, wanted);
            }
        }
    }
    DeleteObject(region);
    return result;
}
