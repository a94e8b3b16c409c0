#include "windowState.h"

#include "faceLayout.h"

HINSTANCE programInstance = nullptr;
HWND worksheetWindow = nullptr;

int windowWidth = startWidth;
int windowHeight = startHeight;
RECT windowRect = {};
int heightLimit = 0;

RECT sheetRect = {};
RECT closeRect = {};
RECT gripRect = {};

POINT lastPoint = {};

HDC offscreenDC = nullptr;
int lineHeight = 20;

HICON gripIcon = nullptr;
HICON closeIcon = nullptr;
HMENU popupMenu = nullptr;
HWND editPane = nullptr;

void applyLayout() {
    const faceLayout layout = layoutFace(windowWidth, windowHeight);
    sheetRect = layout.sheet;
    closeRect = layout.close;
    gripRect = layout.grip;
}
