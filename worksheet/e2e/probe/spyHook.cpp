// Runs inside the program under test. Logs, after the window procedure has
// handled it:
//   menu <items>        a popup menu about to open (WM_INITMENUPOPUP), its
//                       items in order, "id:text" or "-" for a separator,
//                       joined by "|"; read here because another process
//                       cannot read a menu under Wine
//   command <class> <id>  a WM_COMMAND sent to a window of that class
//   text-ink <right> <pixels> <width> <text>
//                       for each static text of a dialog that has just been
//                       set up (WM_INITDIALOG): its text drawn whole in the
//                       control's own font, where its ink ends and how many
//                       pixels carry it, and how wide the control is, in
//                       pixels; drawn here because a font belongs to its
//                       process
// Texts are written in UTF-8.
#include "ansiText.h"
#include "spyLog.h"
#include "textInk.h"

#include <cstring>
#include <string>

namespace {

std::string logPath() {
    HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, spyLogPathMapping);
    if (!mapping) {
        return {};
    }
    std::string path;
    if (const void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, spyLogPathBytes)) {
        path.assign(static_cast<const char*>(view),
                    strnlen(static_cast<const char*>(view), spyLogPathBytes));
        UnmapViewOfFile(view);
    }
    CloseHandle(mapping);
    return path;
}

void appendLine(const std::string& line) {
    const std::string path = logPath();
    HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    std::string text = line;
    text += '\n';
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

std::string describeItem(HMENU menu, int position) {
    char text[256] = {};
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
    item.dwTypeData = text;
    item.cch = sizeof text;
    if (!GetMenuItemInfoA(menu, position, TRUE, &item)) {
        return "?";
    }
    if (item.fType & MFT_SEPARATOR) {
        return "-";
    }
    std::string description = std::to_string(item.wID);
    description += ':';
    description += ansiToUtf8(text);
    return description;
}

void logMenu(HMENU menu) {
    std::string line = "menu ";
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        if (position > 0) {
            line += '|';
        }
        line += describeItem(menu, position);
    }
    appendLine(line);
}

void logCommand(HWND window, WPARAM wParam) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    std::string line = "command ";
    line += name;
    line += ' ';
    line += std::to_string(LOWORD(wParam));
    appendLine(line);
}

bool isStaticText(HWND control) {
    char name[16] = {};
    GetClassNameA(control, name, sizeof name);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    return lstrcmpiA(name, "Static") == 0 && (style & SS_TYPEMASK) <= SS_RIGHT;
}

void logTextInk(HWND control) {
    char text[256] = {};
    const int length = GetWindowTextA(control, text, sizeof text);
    RECT client{};
    GetClientRect(control, &client);
    const auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    const textInk ink = measureInk(drawTextWhole(font, text, length, client.bottom));
    appendLine("text-ink " + std::to_string(ink.right) + ' ' + std::to_string(ink.pixels) + ' ' +
               std::to_string(client.right) + ' ' + ansiToUtf8(text));
}

BOOL CALLBACK logStaticText(HWND control, LPARAM) {
    if (isStaticText(control)) {
        logTextInk(control);
    }
    return TRUE;
}

} // namespace

LRESULT CALLBACK spyCallWndProcRet(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (message->message == WM_INITMENUPOPUP) {
            logMenu(reinterpret_cast<HMENU>(message->wParam));
        } else if (message->message == WM_COMMAND) {
            logCommand(message->hwnd, message->wParam);
        } else if (message->message == WM_INITDIALOG) {
            EnumChildWindows(message->hwnd, logStaticText, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
