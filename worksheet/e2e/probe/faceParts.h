// Where the worksheet draws its parts, for a window of a given size: the
// program's own formulas, restated here so the probe can tell when the
// program strays from them.
#ifndef WORVANE_PROBE_FACE_PARTS_H
#define WORVANE_PROBE_FACE_PARTS_H

#include <windows.h>

struct faceParts {
    int width;
    int height;

    // client coordinates
    RECT sheet() const { return {50, 20, width - 50, height - 150}; }
    RECT closeIcon() const { return {width - 40, 20, width - 20, 40}; }
    RECT grip() const { return {width - 40, height - 120, width - 20, height - 100}; }
    RECT editPane() const { return {50, height - 140, width - 50, height - 110}; }
    // window coordinates; the caller deletes it
    HRGN createRegion() const {
        return CreateRoundRectRgn(10, 50, width - 10, height - 50, 30, 30);
    }
};

inline constexpr int iconSize = 20;
inline constexpr int rulingSpacing = 5;
// Texts start this far right of the sheet's left edge.
inline constexpr int sheetTextIndent = 5;

#endif
