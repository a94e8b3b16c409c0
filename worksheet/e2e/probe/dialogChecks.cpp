#include "dialogChecks.h"

#include "polling.h"
#include "probeOutput.h"
#include "targetWindows.h"

#include <algorithm>

namespace {

HWND findWorksheetDialog(const std::string& caption) {
    HWND worksheet = findWorksheet();
    return worksheet ? findDialog(processOf(worksheet), caption) : nullptr;
}

bool holdsTexts(HWND dialog, const std::vector<std::string>& texts) {
    std::vector<std::string> controlTexts;
    for (HWND control : childWindows(dialog)) {
        controlTexts.push_back(windowText(control));
    }
    return std::all_of(texts.begin() + 1, texts.end(), [&](const std::string& text) {
        return std::find(controlTexts.begin(), controlTexts.end(), text) != controlTexts.end();
    });
}

void printControls(HWND dialog) {
    for (HWND control : childWindows(dialog)) {
        std::string label = "control ";
        label += className(control);
        label += ' ';
        label += std::to_string(GetDlgCtrlID(control));
        printText(label, windowText(control));
    }
}

} // namespace

int expectDialog(const probeOptions& options) {
    if (options.arguments.empty()) {
        return failWith("usage: expect-dialog CAPTION [TEXT...]");
    }
    HWND dialog = nullptr;
    const bool held = pollUntil(options.timeoutMs, [&] {
        dialog = findWorksheetDialog(options.arguments[0]);
        return dialog && holdsTexts(dialog, options.arguments);
    });
    if (!dialog) {
        printText("no dialog with the caption", options.arguments[0]);
        return 1;
    }
    printText("dialog", windowText(dialog));
    printControls(dialog);
    return held ? 0 : 1;
}

int expectNoDialog(const probeOptions& options) {
    if (options.arguments.size() != 1) {
        return failWith("usage: expect-no-dialog CAPTION");
    }
    const bool held =
        pollUntil(options.timeoutMs, [&] { return !findWorksheetDialog(options.arguments[0]); });
    if (!held) {
        printText("still open: dialog", options.arguments[0]);
    }
    return held ? 0 : 1;
}

int printButton(const probeOptions& options) {
    const auto ids = numberArguments(options, 1);
    if (options.arguments.size() != 2 || !ids) {
        return failWith("usage: button CAPTION ID");
    }
    HWND button = nullptr;
    pollUntil(options.timeoutMs, [&] {
        HWND dialog = findWorksheetDialog(options.arguments[0]);
        button = dialog ? GetDlgItem(dialog, (*ids)[0]) : nullptr;
        return button != nullptr;
    });
    if (!button) {
        return failWith("no such button");
    }
    RECT rect{};
    GetWindowRect(button, &rect);
    printNumbers("button", {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    return 0;
}

int expectPopup(const probeOptions& options) {
    HWND popup = nullptr;
    if (!pollUntil(options.timeoutMs, [&] { return (popup = findPopupMenu()) != nullptr; })) {
        return failWith("no popup menu is open");
    }
    RECT rect{};
    GetWindowRect(popup, &rect);
    printNumbers("popup", {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top});
    return 0;
}

int expectNoPopup(const probeOptions& options) {
    if (!pollUntil(options.timeoutMs, [] { return findPopupMenu() == nullptr; })) {
        return failWith("a popup menu is still open");
    }
    return 0;
}
