#include "editPane.h"

#include "faceLayout.h"
#include "sheetView.h"
#include "windowState.h"
#include "worksheet.h"

#include <cstring>

namespace {

// WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL
constexpr DWORD editPaneStyle = 0x508000C4;
// Tells the system the key was handled.
constexpr LRESULT keySwallowed = 1;
// The window may be destroyed by a message dispatched during key handling;
// the worksheet has stopped then and the key handling must not touch it.
bool worksheetEnded() {
    return globals.worksheet == nullptr;
}

LRESULT runTypedLine(HWND pane) {
    char line[worksheet::slotBytes];
    SendMessageA(pane, WM_GETTEXT, sizeof line, reinterpret_cast<LPARAM>(line));
    // Normally the Return key's character message, which must reach the pane
    // before it is cleared.
    pumpOneMessage();
    if (worksheetEnded()) return 0;
    globals.worksheet->handleLine(line);
    return CallWindowProcA(globals.previousEditPaneProc, pane, WM_SETTEXT, 0,
                           reinterpret_cast<LPARAM>(""));
}

// Shows a recalled line in the pane with the caret at its end; without one
// there is nothing to recall and the key is swallowed.
LRESULT showRecalledLine(HWND pane, const char* line) {
    if (line == nullptr) return keySwallowed;
    SendMessageA(pane, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(line));
    const WPARAM end = std::strlen(line);
    pumpOneMessage();
    if (worksheetEnded()) return 0;
    return CallWindowProcA(globals.previousEditPaneProc, pane, EM_SETSEL, end,
                           static_cast<LPARAM>(end));
}

} // namespace

HWND createEditPane(HWND owner) {
    const RECT place = layoutFace(globals.windowWidth, globals.windowHeight).editPane;
    const HWND pane = CreateWindowExA(0, "EDIT", nullptr, editPaneStyle, place.left, place.top,
                                      place.right - place.left, place.bottom - place.top, owner,
                                      nullptr, globals.programInstance, nullptr);
    SendMessageA(pane, EM_LIMITTEXT, worksheet::longestLine, 0);
    globals.previousEditPaneProc = reinterpret_cast<WNDPROC>(
        SetWindowLongA(pane, GWL_WNDPROC, reinterpret_cast<LONG>(editPaneProc)));
    return pane;
}

void restoreEditPane(HWND pane) {
    SetWindowLongA(pane, GWL_WNDPROC, reinterpret_cast<LONG>(globals.previousEditPaneProc));
}

LRESULT CALLBACK editPaneProc(HWND pane, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN) {
        switch (wParam) {
        case VK_RETURN:
            return runTypedLine(pane);
        case VK_UP:
            return showRecalledLine(pane, globals.worksheet->recallEarlier());
        case VK_DOWN:
            return showRecalledLine(pane, globals.worksheet->recallLater());
        case VK_EXECUTE:
            return keySwallowed;
        }
    }
    return CallWindowProcA(globals.previousEditPaneProc, pane, message, wParam, lParam);
}

void pumpOneMessage() {
    MSG message;
    const BOOL received = GetMessageA(&message, nullptr, 0, 0);
    if (received == 0) {
        // The message loop must still see the quit message to end the program.
        PostQuitMessage(static_cast<int>(message.wParam));
        return;
    }
    if (received > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
