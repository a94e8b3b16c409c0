// Where the ink of a drawn text lies: the pixels that differ from the
// background. The spy measures a text drawn whole; the probe measures what
// the screen shows of it.
#ifndef WORVANE_PROBE_TEXT_INK_H
#define WORVANE_PROBE_TEXT_INK_H

#include "pixelImage.h"

struct textInk {
    int right = 0;  // one past the rightmost column with ink; 0 without ink
    int pixels = 0; // how many pixels carry ink
};

// The background is the colour most pixels have.
textInk measureInk(const pixelImage& image);

// The text drawn whole, in one line, in the font, on a canvas of the given
// height and wide enough for any of its glyphs' overhang.
pixelImage drawTextWhole(HFONT font, const char* text, int length, int height);

#endif
