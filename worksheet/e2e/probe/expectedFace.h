// The face the worksheet should show, drawn from the layout's numbers into a
// memory canvas like its off-screen bitmap, with none of the program's own
// drawing code, so that a fault in that code shows as a difference.
#ifndef WORVANE_PROBE_EXPECTED_FACE_H
#define WORVANE_PROBE_EXPECTED_FACE_H

#include "faceParts.h"
#include "pixelImage.h"

#include <string>
#include <vector>

// The grip's square is filled black when the window is created, but not
// when a resize redraws the face.
enum class gripBackground { black, face };

struct programIcons {
    HICON grip;
    HICON close;
};

// Loads the grip icon from the program's file (as data, nothing of it
// runs) and the stock close icon. Null icons when the file cannot be read.
programIcons loadProgramIcons(const std::string& programPath);

// The line height the sheet uses: that of a fresh memory context's font.
int sheetLineHeight();

// How many texts fit on the sheet of a window of this size.
int visibleTextCount(const faceParts& face, int lineHeight);

// Every text shown since the program started, oldest first, reduced to what
// the sheet shows: the most recent ones, with empty lines above them while
// the ring has not yet been filled.
std::vector<std::string> visibleTexts(const std::vector<std::string>& shownTexts, int count);

pixelImage renderExpectedFace(const faceParts& face, const std::vector<std::string>& shownTexts,
                              gripBackground grip, const programIcons& icons);

#endif
