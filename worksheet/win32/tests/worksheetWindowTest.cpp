// The worksheet window, hidden and driven by messages: start, the edit
// pane's keys, menu commands, resizing and moving, and the end.
#include "editPane.h"
#include "mainWindow.h"
#include "resource.h"
#include "windowState.h"
#include "worksheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

class worksheetWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        globals.programInstance = GetModuleHandleA(nullptr);
        registerClassOnce();
        createWindow();
    }

    void TearDown() override {
        if (IsWindow(window)) DestroyWindow(window);
        dropQueuedMessages();
    }

    void createWindow() {
        dropQueuedMessages();
        globals.windowWidth = startWidth;
        globals.windowHeight = startHeight;
        window = CreateWindowExA(0, worksheetClassName, "Worvane", WS_DLGFRAME, 0, 0,
                                 globals.windowWidth, globals.windowHeight, nullptr, nullptr,
                                 globals.programInstance, nullptr);
        ASSERT_NE(window, nullptr);
    }

    // Including the quit message of a window destroyed before.
    static void dropQueuedMessages() {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    static void registerClassOnce() {
        WNDCLASSEXA windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = mainWindowProc;
        windowClass.hInstance = globals.programInstance;
        windowClass.lpszClassName = worksheetClassName;
        static const bool registered = RegisterClassExA(&windowClass) != 0;
        ASSERT_TRUE(registered);
    }

    // Return as the user presses it: the key message, and queued behind it
    // the character message that pumpOneMessage takes.
    LRESULT typeLine(const char* text) {
        SetWindowTextA(globals.editPane, text);
        PostMessageA(globals.editPane, WM_CHAR, '\r', 0);
        return SendMessageA(globals.editPane, WM_KEYDOWN, VK_RETURN, 0);
    }

    // Up or Down, with a message queued for the key handling to take; a
    // swallowed key leaves it, and it is dropped.
    LRESULT pressKey(WPARAM key) {
        PostMessageA(globals.editPane, WM_NULL, 0, 0);
        const LRESULT result = SendMessageA(globals.editPane, WM_KEYDOWN, key, 0);
        dropQueuedMessages();
        return result;
    }

    static std::string paneText() {
        char text[worksheet::slotBytes] = "";
        GetWindowTextA(globals.editPane, text, sizeof text);
        return text;
    }

    // The newest texts the sheet draws at its tallest, oldest first.
    static std::vector<std::string> newestTexts(std::size_t count) {
        const char* texts[worksheet::maxVisibleTexts];
        const int drawn = globals.worksheet->visibleTexts(1000000, 1, texts);
        return std::vector<std::string>(texts + drawn - count, texts + drawn);
    }

    static bool sheetIsEmpty() {
        const std::vector<std::string> drawn = newestTexts(worksheet::maxVisibleTexts);
        return std::all_of(drawn.begin(), drawn.end(),
                           [](const std::string& text) { return text.empty(); });
    }

    void pressLeftButton(POINT client) {
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    }

    void dragTo(POINT client) {
        SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    }

    // Drags the grip in small steps, as a real drag does, until the pointer
    // leaves it (the grip stops following) or the steps run out.
    void dragGrip(int dx, int dy, int steps) {
        POINT pointer = {(globals.gripRect.left + globals.gripRect.right) / 2,
                         (globals.gripRect.top + globals.gripRect.bottom) / 2};
        pressLeftButton(pointer);
        for (int step = 0; step < steps && PtInRect(&globals.gripRect, pointer); ++step) {
            pointer.x += dx;
            pointer.y += dy;
            dragTo(pointer);
        }
    }

    HWND window = nullptr;
};

using strings = std::vector<std::string>;

TEST_F(worksheetWindowTest, startsWithTheEngineAnEmptyPaneAndTheHeightLimit) {
    EXPECT_EQ(globals.worksheetWindow, window);
    EXPECT_GT(globals.lineHeight, 0);
    EXPECT_EQ(globals.heightLimit, 30 * globals.lineHeight + 170);
    ASSERT_NE(globals.editPane, nullptr);
    EXPECT_EQ(GetParent(globals.editPane), window);
    EXPECT_EQ(GetWindowLongA(globals.editPane, GWL_WNDPROC), reinterpret_cast<LONG>(editPaneProc));
    EXPECT_EQ(SendMessageA(globals.editPane, EM_GETLIMITTEXT, 0, 0), 2047);
    EXPECT_EQ(paneText(), "");
    EXPECT_TRUE(sheetIsEmpty());
}

TEST_F(worksheetWindowTest, returnRunsTheLineAndClearsThePane) {
    typeLine("1+2");
    typeLine("# a note");
    typeLine("");
    EXPECT_EQ(newestTexts(5), (strings{"1+2", "[ans = 3]", "# a note", "", "# parse error"}));
    EXPECT_EQ(paneText(), "");
    EXPECT_STREQ(globals.worksheet->recallEarlier(), "");
    EXPECT_STREQ(globals.worksheet->recallEarlier(), "# a note");
    EXPECT_STREQ(globals.worksheet->recallEarlier(), "1+2");
}

TEST_F(worksheetWindowTest, upAndDownRecallLinesWithTheCaretAtTheEnd) {
    EXPECT_EQ(pressKey(VK_UP), 1) << "an empty history swallows the key";
    EXPECT_EQ(paneText(), "");

    typeLine("1");
    typeLine("22");
    typeLine("333");
    const struct {
        WPARAM key;
        const char* shown;
    } presses[] = {
        {VK_UP, "333"},  {VK_UP, "22"},    {VK_UP, "1"},  {VK_UP, "1"},
        {VK_DOWN, "22"}, {VK_DOWN, "333"}, {VK_DOWN, ""}, {VK_DOWN, ""},
    };
    for (const auto& press : presses) {
        pressKey(press.key);
        EXPECT_EQ(paneText(), press.shown);
        DWORD start = 0;
        DWORD end = 0;
        SendMessageA(globals.editPane, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, std::strlen(press.shown));
        EXPECT_EQ(end, start);
    }
}

TEST_F(worksheetWindowTest, theExecuteKeyIsSwallowed) {
    SetWindowTextA(globals.editPane, "1+2");
    EXPECT_EQ(SendMessageA(globals.editPane, WM_KEYDOWN, VK_EXECUTE, 0), 1);
    EXPECT_EQ(paneText(), "1+2");
    EXPECT_TRUE(sheetIsEmpty());
}

TEST_F(worksheetWindowTest, menuCommandsReachTheWorksheet) {
    typeLine("[a = 1]");
    SendMessageA(window, WM_COMMAND, IDM_CLEAR_VARIABLES, 0);
    typeLine("a");
    EXPECT_EQ(newestTexts(5),
              (strings{"[a = 1]", "# set root environment.", "!clear", "a", "[ans = a]"}));
}

// A quit message that the key handling takes must still reach the loop.
TEST_F(worksheetWindowTest, aQuitMessageTakenByTheKeyHandlingIsPostedAgain) {
    SetWindowTextA(globals.editPane, "1+2");
    PostQuitMessage(7);
    SendMessageA(globals.editPane, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(newestTexts(2), (strings{"1+2", "[ans = 3]"}));
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 7u);
}

// A message dispatched inside the key handling ends the program: the
// handling must stop without touching the freed rings.
TEST_F(worksheetWindowTest, keyHandlingStopsWhenTheWindowIsDestroyedMeanwhile) {
    for (const WPARAM key : {VK_RETURN, VK_UP}) {
        SCOPED_TRACE(key == VK_RETURN ? "Return" : "Up");
        if (!IsWindow(window)) createWindow();
        typeLine("1");
        SetWindowTextA(globals.editPane, "2");
        PostMessageA(window, WM_COMMAND, IDM_EXIT, 0);
        EXPECT_EQ(SendMessageA(globals.editPane, WM_KEYDOWN, key, 0), 0);
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(globals.worksheet, nullptr);
    }
}

TEST_F(worksheetWindowTest, destroyingTheWindowStopsTheEngineAndEndsTheLoop) {
    DestroyWindow(window);
    EXPECT_EQ(globals.worksheet, nullptr);
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 0u);
}

TEST_F(worksheetWindowTest, draggingTheGripResizesTheWindowAndItsParts) {
    dragGrip(3, 4, 10);
    EXPECT_EQ(globals.windowWidth, startWidth + 30);
    EXPECT_EQ(globals.windowHeight, startHeight + 40);
    RECT frame;
    GetWindowRect(window, &frame);
    EXPECT_EQ(frame.right - frame.left, globals.windowWidth);
    EXPECT_EQ(frame.bottom - frame.top, globals.windowHeight);
    EXPECT_EQ(globals.sheetRect.right, globals.windowWidth - 50);
    EXPECT_EQ(globals.sheetRect.bottom, globals.windowHeight - 150);
    EXPECT_EQ(globals.gripRect.top, globals.windowHeight - 120);
    EXPECT_EQ(globals.closeRect.left, globals.windowWidth - 40);
    RECT pane;
    GetWindowRect(globals.editPane, &pane);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&pane), 2);
    EXPECT_EQ(pane.top, globals.windowHeight - 140);
    EXPECT_EQ(pane.right - pane.left, globals.windowWidth - 100);
}

TEST_F(worksheetWindowTest, theHeightStopsAtTheLimit) {
    dragGrip(0, 4, 1000);
    EXPECT_EQ(globals.windowHeight, globals.heightLimit);
}

TEST_F(worksheetWindowTest, shrinkingStopsWhereTheGripStaysOnTheFace) {
    dragGrip(-4, 0, 1000);
    EXPECT_EQ(globals.windowWidth, 160);
    dragGrip(0, -4, 1000);
    EXPECT_EQ(globals.windowHeight, 180);
}

TEST_F(worksheetWindowTest, draggingTheFaceMovesTheWindowByThePointersMovement) {
    const RECT before = globals.windowRect;
    const POINT start = {20, 20};
    pressLeftButton(start);
    dragTo({start.x + 7, start.y + 5});
    EXPECT_EQ(globals.windowRect.left, before.left + 7);
    EXPECT_EQ(globals.windowRect.top, before.top + 5);
    EXPECT_EQ(globals.windowWidth, startWidth);
    EXPECT_EQ(globals.windowHeight, startHeight);
}

} // namespace
