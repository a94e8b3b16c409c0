#include "dialogChecks.h"

#include "pixelImage.h"
#include "polling.h"
#include "probeOutput.h"
#include "targetWindows.h"
#include "textInk.h"

#include <algorithm>
#include <cstring>

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

bool marlettInstalled() {
    LOGFONTA wanted{};
    wanted.lfHeight = -16;
    wanted.lfCharSet = SYMBOL_CHARSET;
    std::strcpy(wanted.lfFaceName, "Marlett");
    HFONT font = CreateFontIndirectA(&wanted);
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previousFont = SelectObject(dc, font);
    char face[LF_FACESIZE] = {};
    GetTextFaceA(dc, sizeof face, face);
    SelectObject(dc, previousFont);
    DeleteDC(dc);
    DeleteObject(font);
    return std::strcmp(face, "Marlett") == 0;
}

// The button's edges are left out: Wine draws a caption's buttons with
// their light and dark edges the other way round than DrawFrameControl.
// What the check is after is the glyph, which both draw alike.
constexpr int buttonEdge = 2;

pixelImage drawnCloseGlyph(SIZE size) {
    memoryCanvas canvas(size.cx, size.cy);
    RECT button{0, 0, size.cx, size.cy};
    DrawFrameControl(canvas.dc(), &button, DFC_CAPTION, DFCS_CAPTIONCLOSE);
    const pixelImage whole = canvas.read();
    pixelImage glyph{size.cx - 2 * buttonEdge, size.cy - 2 * buttonEdge, {}};
    for (int y = buttonEdge; y < size.cy - buttonEdge; ++y) {
        for (int x = buttonEdge; x < size.cx - buttonEdge; ++x) {
            glyph.pixels.push_back(whole.at(x, y));
        }
    }
    return glyph;
}

bool showsAt(const pixelImage& screen, const pixelImage& part, int left, int top) {
    for (int y = 0; y < part.height; ++y) {
        for (int x = 0; x < part.width; ++x) {
            if (screen.at(left + x, top + y) != part.at(x, y)) {
                return false;
            }
        }
    }
    return true;
}

bool contains(const pixelImage& screen, const pixelImage& part) {
    for (int top = 0; top + part.height <= screen.height; ++top) {
        for (int left = 0; left + part.width <= screen.width; ++left) {
            if (showsAt(screen, part, left, top)) {
                return true;
            }
        }
    }
    return false;
}

// The caption's buttons stand in its band, each a little smaller than the
// caption's button size; the exact inset is the system's, so a few sizes
// around it are tried.
bool captionShowsCloseButton(HWND dialog) {
    RECT band{};
    GetWindowRect(dialog, &band);
    band.bottom = band.top + GetSystemMetrics(SM_CYDLGFRAME) + GetSystemMetrics(SM_CYCAPTION) + 2;
    const pixelImage screen = captureScreen(band);
    const int buttonWidth = GetSystemMetrics(SM_CXSIZE);
    const int buttonHeight = GetSystemMetrics(SM_CYSIZE);
    for (int width = buttonWidth - 3; width <= buttonWidth; ++width) {
        for (int height = buttonHeight - 5; height <= buttonHeight - 1; ++height) {
            if (contains(screen, drawnCloseGlyph({width, height}))) {
                return true;
            }
        }
    }
    return false;
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

int expectCloseGlyph(const probeOptions& options) {
    if (options.arguments.size() != 1) {
        return failWith("usage: expect-close-glyph CAPTION");
    }
    if (!marlettInstalled()) {
        return failWith("no Marlett font: caption buttons draw letters instead of their glyphs");
    }
    const bool shown = pollUntil(options.timeoutMs, [&] {
        HWND dialog = findWorksheetDialog(options.arguments[0]);
        return dialog && captionShowsCloseButton(dialog);
    });
    if (!shown) {
        return failWith("the caption shows no close button as the system draws it");
    }
    return 0;
}

int expectTextInk(const probeOptions& options) {
    const auto expected = numberArguments(options, 2);
    if (options.arguments.size() != 4 || !expected) {
        return failWith("usage: expect-text-ink CAPTION TEXT RIGHT PIXELS");
    }
    textInk shown;
    const bool held = pollUntil(options.timeoutMs, [&] {
        HWND dialog = findWorksheetDialog(options.arguments[0]);
        if (!dialog) {
            return false;
        }
        for (HWND control : childWindows(dialog)) {
            if (windowText(control) == options.arguments[1]) {
                RECT area{};
                GetWindowRect(control, &area);
                shown = measureInk(captureScreen(area));
                return shown.right == (*expected)[0] && shown.pixels == (*expected)[1];
            }
        }
        return false;
    });
    printNumbers("text-ink", {shown.right, shown.pixels});
    return held ? 0 : 1;
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
