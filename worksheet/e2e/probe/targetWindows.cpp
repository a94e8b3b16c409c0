#include "targetWindows.h"

namespace {

// A hung target must fail the check, not hang the probe.
constexpr UINT messageTimeoutMs = 2000;

struct dialogSearch {
    DWORD processId;
    const std::string* caption;
    HWND found;
};

BOOL CALLBACK matchDialog(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<dialogSearch*>(context);
    if (IsWindowVisible(window) && processOf(window) == search->processId &&
        className(window) == "#32770" && windowText(window) == *search->caption) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK collectChild(HWND window, LPARAM context) {
    reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
    return TRUE;
}

} // namespace

HWND findWorksheet() {
    HWND window = FindWindowA("Worvane", "Worvane");
    return window && IsWindowVisible(window) ? window : nullptr;
}

HWND findEditPane(HWND worksheet) {
    return FindWindowExA(worksheet, nullptr, "Edit", nullptr);
}

worksheetGeometry readGeometry(HWND worksheet, HWND editPane) {
    worksheetGeometry geometry{};
    GetWindowRect(worksheet, &geometry.window);
    ClientToScreen(worksheet, &geometry.clientOrigin);
    RECT client{};
    GetClientRect(worksheet, &client);
    geometry.clientSize = {client.right, client.bottom};
    if (editPane) {
        GetWindowRect(editPane, &geometry.editPane);
        OffsetRect(&geometry.editPane, -geometry.clientOrigin.x, -geometry.clientOrigin.y);
    }
    return geometry;
}

HWND findDialog(DWORD processId, const std::string& caption) {
    dialogSearch search{processId, &caption, nullptr};
    EnumWindows(matchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND findPopupMenu() {
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, "#32768", nullptr))) {
        if (IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

std::vector<HWND> childWindows(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(parent, collectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

std::string className(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string windowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, messageTimeoutMs,
                             &length)) {
        return {};
    }
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, messageTimeoutMs, &copied);
    text.resize(copied);
    return text;
}

bool setWindowText(HWND window, const std::string& text) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                               SMTO_ABORTIFHUNG, messageTimeoutMs, &result) != 0;
}

DWORD processOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

std::string programPath(HWND window) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processOf(window));
    if (!process) {
        return {};
    }
    char path[MAX_PATH] = {};
    DWORD length = MAX_PATH;
    const BOOL found = QueryFullProcessImageNameA(process, 0, path, &length);
    CloseHandle(process);
    return found ? std::string(path, length) : std::string();
}
