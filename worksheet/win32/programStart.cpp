// Program start: the icons, the class, the window, the message loop.
#include "mainWindow.h"
#include "resource.h"
#include "windowClass.h"
#include "windowState.h"

#include <cstdio>

namespace {

// The engine writes diagnostic lines to standard output, which a window
// program on Windows does not have. Started from a terminal under Wine it
// inherits one: the lines would show there, each at the cost of a round trip
// to it. They go to the null device instead, in large blocks.
void discardStandardOutput() {
    if (std::freopen("NUL", "w", stdout) != nullptr) std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    globals.programInstance = instance;
    discardStandardOutput();
    // Loaded at its own size: the face shows it 20 by 20, unscaled.
    globals.gripIcon =
        static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_GRIP), IMAGE_ICON, 20, 20, 0));
    globals.closeIcon = LoadIconA(nullptr, IDI_HAND);
    if (!registerWorksheetClass(instance)) return 0;
    // WM_CREATE runs inside this call and sets up everything else.
    const HWND window = CreateWindowExA(0, worksheetClassName, "Worvane", WS_VISIBLE | WS_DLGFRAME,
                                        CW_USEDEFAULT, CW_USEDEFAULT, globals.windowWidth,
                                        globals.windowHeight, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message = {};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
