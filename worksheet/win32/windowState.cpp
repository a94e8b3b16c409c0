#include "windowState.h"

#include "faceLayout.h"

worksheetGlobals globals;

void applyLayout() {
    const faceLayout layout = layoutFace(globals.windowWidth, globals.windowHeight);
    globals.sheetRect = layout.sheet;
    globals.closeRect = layout.close;
    globals.gripRect = layout.grip;
}
