#include "windowChecks.h"

#include "expectedFace.h"
#include "faceComparison.h"
#include "polling.h"
#include "probeOutput.h"
#include "targetWindows.h"

#include <cstdio>

namespace {

HWND waitForWorksheet(DWORD timeoutMs) {
    HWND worksheet = nullptr;
    pollUntil(timeoutMs, [&] { return (worksheet = findWorksheet()) != nullptr; });
    return worksheet;
}

worksheetGeometry currentGeometry(HWND worksheet) {
    return readGeometry(worksheet, findEditPane(worksheet));
}

// Waits until the window rectangle satisfies matches; prints it either way.
template <typename Matches>
int expectWindowRect(const probeOptions& options, const char* label, Matches matches) {
    RECT window{};
    const bool held = pollUntil(options.timeoutMs, [&] {
        HWND worksheet = findWorksheet();
        if (!worksheet) {
            return false;
        }
        GetWindowRect(worksheet, &window);
        return matches(window);
    });
    printNumbers(label,
                 {window.left, window.top, window.right - window.left, window.bottom - window.top});
    return held ? 0 : 1;
}

void saveImages(const std::string& prefix, const pixelImage& screen, const pixelImage& expected) {
    if (prefix.empty()) {
        return;
    }
    saveBitmapFile(screen, prefix + "-screen.bmp");
    saveBitmapFile(expected, prefix + "-expected.bmp");
}

// Polls until the pixels of area (a function of the face) on the screen
// show the expected face.
template <typename Area>
int expectPicture(const probeOptions& options, Area area, bool checkOutside) {
    HWND worksheet = waitForWorksheet(options.timeoutMs);
    if (!worksheet) {
        return failWith("no worksheet window");
    }
    const programIcons icons = loadProgramIcons(programPath(worksheet));
    const gripBackground grip = options.resized ? gripBackground::face : gripBackground::black;
    pixelImage screen;
    pixelImage expected;
    faceComparison comparison;
    const bool held = pollUntil(options.timeoutMs, [&] {
        const worksheetGeometry geometry = currentGeometry(worksheet);
        const faceParts face{geometry.window.right - geometry.window.left,
                             geometry.window.bottom - geometry.window.top};
        screen = captureScreen(geometry.window);
        expected = renderExpectedFace(face, options.arguments, grip, icons);
        comparison = compareFace(screen, expected, geometry, area(face), checkOutside);
        return comparison.matches();
    });
    printLine(comparison.describe());
    if (!held) {
        saveImages(options.savePrefix, screen, expected);
    }
    return held ? 0 : 1;
}

// False while the pane's thread is busy and does not answer in time.
bool paneIsEmpty(HWND pane) {
    constexpr UINT busyWaitMs = 100;
    DWORD_PTR length = 0;
    return SendMessageTimeoutA(pane, WM_GETTEXTLENGTH, 0, 0, 0, busyWaitMs, &length) != 0 &&
           length == 0;
}

long microsecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER frequency;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<long>((now.QuadPart - start.QuadPart) * 1000000 / frequency.QuadPart);
}

} // namespace

int printWindow(const probeOptions& options) {
    HWND worksheet = waitForWorksheet(options.timeoutMs);
    if (!worksheet) {
        return failWith("no worksheet window");
    }
    const worksheetGeometry geometry = currentGeometry(worksheet);
    const RECT& window = geometry.window;
    const RECT& pane = geometry.editPane;
    printNumbers("window",
                 {window.left, window.top, window.right - window.left, window.bottom - window.top});
    printNumbers("client", {geometry.clientOrigin.x, geometry.clientOrigin.y,
                            geometry.clientSize.cx, geometry.clientSize.cy});
    printNumbers("pane", {pane.left, pane.top, pane.right, pane.bottom});
    printNumbers("line-height", {sheetLineHeight()});
    return 0;
}

int expectSize(const probeOptions& options) {
    const auto size = numberArguments(options, 0);
    if (!size || size->size() != 2) {
        return failWith("usage: expect-size WIDTH HEIGHT");
    }
    return expectWindowRect(options, "window", [&](const RECT& window) {
        return window.right - window.left == (*size)[0] && window.bottom - window.top == (*size)[1];
    });
}

int expectSizeChange(const probeOptions& options) {
    const auto size = numberArguments(options, 0);
    if (!size || size->size() != 2) {
        return failWith("usage: expect-size-change WIDTH HEIGHT");
    }
    return expectWindowRect(options, "window", [&](const RECT& window) {
        return window.right - window.left != (*size)[0] || window.bottom - window.top != (*size)[1];
    });
}

int expectPosition(const probeOptions& options) {
    const auto position = numberArguments(options, 0);
    if (!position || position->size() != 2) {
        return failWith("usage: expect-position X Y");
    }
    return expectWindowRect(options, "window", [&](const RECT& window) {
        return window.left == (*position)[0] && window.top == (*position)[1];
    });
}

int expectPane(const probeOptions& options) {
    if (options.arguments.size() != 1) {
        return failWith("usage: expect-pane TEXT");
    }
    std::string text;
    const bool held = pollUntil(options.timeoutMs, [&] {
        HWND worksheet = findWorksheet();
        HWND pane = worksheet ? findEditPane(worksheet) : nullptr;
        if (!pane) {
            return false;
        }
        text = windowText(pane);
        return text == options.arguments[0];
    });
    printText("pane", text);
    return held ? 0 : 1;
}

int expectPaneFocus(const probeOptions& options) {
    const bool held = pollUntil(options.timeoutMs, [] {
        HWND worksheet = findWorksheet();
        GUITHREADINFO thread{};
        thread.cbSize = sizeof thread;
        return worksheet &&
               GetGUIThreadInfo(GetWindowThreadProcessId(worksheet, nullptr), &thread) &&
               thread.hwndFocus != nullptr && thread.hwndFocus == findEditPane(worksheet);
    });
    if (!held) {
        return failWith("the edit pane does not have the keyboard focus");
    }
    return 0;
}

int setPane(const probeOptions& options) {
    if (options.arguments.size() != 1) {
        return failWith("usage: set-pane TEXT");
    }
    HWND worksheet = waitForWorksheet(options.timeoutMs);
    HWND pane = worksheet ? findEditPane(worksheet) : nullptr;
    if (!pane || !setWindowText(pane, options.arguments[0])) {
        return failWith("cannot set the edit pane's text");
    }
    return 0;
}

int expectSheet(const probeOptions& options) {
    return expectPicture(
        options, [](const faceParts& face) { return face.sheet(); }, false);
}

int expectFace(const probeOptions& options) {
    return expectPicture(
        options,
        [](const faceParts& face) {
            return RECT{0, 0, face.width, face.height};
        },
        true);
}

int expectGone(const probeOptions& options) {
    const bool held = pollUntil(options.timeoutMs, [] { return findWorksheet() == nullptr; });
    if (!held) {
        return failWith("the worksheet window is still there");
    }
    return 0;
}

int closeWorksheet(const probeOptions& options) {
    HWND worksheet = waitForWorksheet(options.timeoutMs);
    if (!worksheet || !PostMessageA(worksheet, WM_CLOSE, 0, 0)) {
        return failWith("no worksheet window to close");
    }
    return 0;
}

// Repeat count 1 and the Return key's scan code, from which the translation
// finds the character.
constexpr LPARAM returnKeyData = 1 | (0x1C << 16);

int timeLine(const probeOptions& options) {
    if (options.arguments.size() != 1) {
        return failWith("usage: time-line LINE");
    }
    HWND worksheet = waitForWorksheet(options.timeoutMs);
    HWND pane = worksheet ? findEditPane(worksheet) : nullptr;
    if (!pane || !setWindowText(pane, options.arguments[0])) {
        return failWith("cannot put the line into the edit pane");
    }
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    // Only the key, as a keypress posts it: the program's message loop
    // translates it into the character message that the key handling takes.
    // Posting that message too would leave a second line end in the pane.
    PostMessageA(pane, WM_KEYDOWN, VK_RETURN, returnKeyData);
    constexpr DWORD answerPollMs = 2;
    long elapsed = 0;
    while (!paneIsEmpty(pane)) {
        elapsed = microsecondsSince(start);
        if (elapsed > static_cast<long>(options.timeoutMs) * 1000) {
            return failWith("the line was not answered in time");
        }
        Sleep(answerPollMs);
    }
    printNumbers("answered-us", {microsecondsSince(start)});
    return 0;
}
