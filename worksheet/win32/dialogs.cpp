#include "dialogs.h"

#include "resource.h"
#include "windowState.h"
#include "worksheet.h"

#include <commdlg.h>

#include <cstddef>
#include <string>

namespace {
// The structure as it was before the fields that Windows 2000 added: every
// version of the open-file dialog understands it.
constexpr DWORD openFileNameSize = 76;
static_assert(openFileNameSize ==
              offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(OPENFILENAMEA::lpTemplateName));
constexpr int fileNameBytes = 1024;
// Room for the longest text of the string table in Shift-JIS.
constexpr int resourceTextBytes = 256;

// A text of the string table in the ANSI code page.
std::string resourceText(UINT id) {
    char text[resourceTextBytes] = "";
    LoadStringA(globals.programInstance, id, text, sizeof text);
    return text;
}
} // namespace

// Only the OK button closes the box: Escape and the close button send
// IDCANCEL, which is left unhandled.
INT_PTR CALLBACK aboutBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

void showAboutBox(HWND owner) {
    DialogBoxParamA(globals.programInstance, MAKEINTRESOURCEA(IDD_ABOUT), owner, aboutBoxProc, 0);
}

bool confirmQuit(HWND owner) {
    const std::string question = resourceText(IDS_QUIT_QUESTION);
    const std::string caption = resourceText(IDS_QUIT_CAPTION);
    return MessageBoxA(owner, question.c_str(), caption.c_str(), MB_YESNO | MB_ICONQUESTION) ==
           IDYES;
}

void chooseFile(HWND owner) {
    char fileName[fileNameBytes] = "";
    OPENFILENAMEA request = {};
    request.lStructSize = openFileNameSize;
    request.hwndOwner = owner;
    // One filter, "*", and the empty text that ends the list.
    request.lpstrFilter = "*\0";
    request.nFilterIndex = 1;
    request.lpstrFile = fileName;
    request.nMaxFile = fileNameBytes;
    request.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameA(&request)) return;
    const std::string loadCommand = std::string("!load \"") + fileName + "\"";
    globals.worksheet->handleLine(loadCommand);
}
