// Runs inside the program under test. Logs, after the window procedure has
// handled it:
//   menu <items>        a popup menu about to open (WM_INITMENUPOPUP), its
//                       items in order, "id:text" or "-" for a separator,
//                       joined by "|"; read here because another process
//                       cannot read a menu under Wine
//   command <class> <id>  a WM_COMMAND sent to a window of that class
// Texts are written in UTF-8.
#include "ansiText.h"
#include "spyLog.h"

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

} // namespace

LRESULT CALLBACK spyCallWndProcRet(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (message->message == WM_INITMENUPOPUP) {
            logMenu(reinterpret_cast<HMENU>(message->wParam));
        } else if (message->message == WM_COMMAND) {
            logCommand(message->hwnd, message->wParam);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
