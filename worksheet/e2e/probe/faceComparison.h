// Compares what the screen shows of the worksheet window with the expected
// face, pixel by pixel, where the window region lets the face show.
#ifndef WORVANE_PROBE_FACE_COMPARISON_H
#define WORVANE_PROBE_FACE_COMPARISON_H

#include "faceParts.h"
#include "pixelImage.h"
#include "targetWindows.h"

#include <cstdint>
#include <string>

// Outside the window region the display's bare root shows; the suite's
// display has a black root.
inline constexpr std::uint32_t rootColour = 0x000000;

struct faceComparison {
    int compared = 0;
    int mismatched = 0;
    POINT firstMismatch{}; // client coordinates
    std::uint32_t actual = 0;
    std::uint32_t expected = 0;
    RECT mismatchBounds{}; // client coordinates

    bool matches() const { return compared > 0 && mismatched == 0; }
    std::string describe() const;
};

// screen: the pixels of the window rectangle. expected: the face in client
// coordinates. Compares the pixels of area (client coordinates) that the
// region shows, leaving out the edit pane and what lies off the screen; with
// checkOutside, also that the window rectangle outside the region shows the
// root.
faceComparison compareFace(const pixelImage& screen, const pixelImage& expected,
                           const worksheetGeometry& geometry, const RECT& area, bool checkOutside);

#endif
