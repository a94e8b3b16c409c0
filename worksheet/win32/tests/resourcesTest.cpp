// The program's resources as the system loads them: the menu, the about box
// template, the string table and the icons, all Japanese. Expected texts
// are wide literals; what the ANSI functions return is compared with their
// Shift-JIS form.
#include "resource.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr WORD japanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);

const void* japaneseResource(LPCSTR type, int id) {
    const HRSRC found = FindResourceExA(nullptr, type, MAKEINTRESOURCEA(id), japanese);
    return found ? LockResource(LoadResource(nullptr, found)) : nullptr;
}

constexpr UINT shiftJisCodePage = 932;

std::string shiftJis(const std::wstring& text) {
    const int bytes =
        WideCharToMultiByte(shiftJisCodePage, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string converted(bytes, '\0');
    WideCharToMultiByte(shiftJisCodePage, 0, text.c_str(), -1, converted.data(), bytes, nullptr,
                        nullptr);
    converted.resize(bytes - 1);
    return converted;
}

TEST(resourcesTest, theAnsiCodePageIsJapanese) {
    // Everything below reads Shift-JIS texts; under Wine that needs the locale.
    ASSERT_EQ(GetACP(), 932u);
}

TEST(resourcesTest, allResourcesAreJapanese) {
    EXPECT_NE(japaneseResource(RT_MENU, IDR_WORKSHEET_MENU), nullptr);
    EXPECT_NE(japaneseResource(RT_DIALOG, IDD_ABOUT), nullptr);
    EXPECT_NE(japaneseResource(RT_GROUP_ICON, IDI_WORKSHEET), nullptr);
    EXPECT_NE(japaneseResource(RT_GROUP_ICON, IDI_GRIP), nullptr);
    // Strings come in blocks of 16; block n holds the identifiers 16(n-1) on.
    EXPECT_NE(japaneseResource(RT_STRING, IDS_QUIT_QUESTION / 16 + 1), nullptr);
}

std::string menuText(HMENU menu, UINT position) {
    char text[64] = "";
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

TEST(resourcesTest, theMenuHasOnePopupWithFiveEntriesInOrder) {
    const HMENU menu = LoadMenuA(nullptr, MAKEINTRESOURCEA(IDR_WORKSHEET_MENU));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 1);
    EXPECT_EQ(menuText(menu, 0), "Item1");

    const HMENU popup = GetSubMenu(menu, 0);
    const struct {
        UINT id;
        const wchar_t* text;
    } entries[] = {
        {IDM_CLEAR_VARIABLES, L"変数のｸﾘｱ"},
        {IDM_OPEN_FILE, L"ﾌｧｲﾙを開く..."},
        {IDM_ABOUT, L"ﾊﾞｰｼﾞｮﾝ情報..."},
        {0, L""},
        {IDM_EXIT, L"終了"},
    };
    ASSERT_EQ(GetMenuItemCount(popup), 5);
    for (UINT position = 0; position < 5; ++position) {
        SCOPED_TRACE("entry " + std::to_string(position + 1));
        EXPECT_EQ(GetMenuItemID(popup, position), entries[position].id);
        EXPECT_EQ(menuText(popup, position), shiftJis(entries[position].text));
    }
    EXPECT_TRUE(GetMenuState(popup, 3, MF_BYPOSITION) & MF_SEPARATOR);
    // Half-width katakana are single bytes in Shift-JIS.
    EXPECT_EQ(menuText(popup, 0).size(), 9u);
    DestroyMenu(menu);
}

TEST(resourcesTest, theQuitQuestionComesFromTheStringTable) {
    const struct {
        UINT id;
        const wchar_t* text;
    } strings[] = {
        {IDS_QUIT_QUESTION, L"終了してよいですか？"},
        {IDS_QUIT_CAPTION, L"終了の確認"},
    };
    for (const auto& expected : strings) {
        SCOPED_TRACE("string " + std::to_string(expected.id));
        char text[64] = "";
        EXPECT_GT(LoadStringA(GetModuleHandleA(nullptr), expected.id, text, sizeof text), 0);
        EXPECT_EQ(std::string(text), shiftJis(expected.text));
    }
}

// Reads a DIALOG (not DIALOGEX) template: fixed headers, then texts that are
// either NUL-ended UTF-16 strings or 0xFFFF and an ordinal.
class dialogTemplateReader {
  public:
    explicit dialogTemplateReader(const void* start) : next(static_cast<const BYTE*>(start)) {}

    template <typename fixedPart> fixedPart read() {
        fixedPart part;
        std::memcpy(&part, next, sizeof part);
        next += sizeof part;
        return part;
    }

    // A text, or "#" and the ordinal; the standard control classes by name.
    std::wstring readText() {
        if (read<WORD>() == 0xFFFF) {
            const WORD ordinal = read<WORD>();
            return ordinal == buttonClass   ? L"BUTTON"
                   : ordinal == staticClass ? L"STATIC"
                                            : L"#" + std::to_wstring(ordinal);
        }
        next -= sizeof(WORD);
        std::wstring text;
        for (WCHAR c = read<WCHAR>(); c != 0; c = read<WCHAR>())
            text += c;
        return text;
    }

    void alignToDword() {
        while (reinterpret_cast<UINT_PTR>(next) % 4 != 0)
            ++next;
    }

  private:
    static constexpr WORD buttonClass = 0x80;
    static constexpr WORD staticClass = 0x82;
    const BYTE* next;
};

#pragma pack(push, 2)
struct dialogHeader {
    DWORD style;
    DWORD extendedStyle;
    WORD controlCount;
    short x, y, width, height;
};
struct controlHeader {
    DWORD style;
    DWORD extendedStyle;
    short x, y, width, height;
    WORD id;
};
#pragma pack(pop)

struct control {
    controlHeader header;
    std::wstring className;
    std::wstring text;
};

TEST(resourcesTest, theAboutBoxTemplate) {
    const void* resource = japaneseResource(RT_DIALOG, IDD_ABOUT);
    ASSERT_NE(resource, nullptr);
    dialogTemplateReader reader(resource);
    const auto dialog = reader.read<dialogHeader>();
    EXPECT_EQ(dialog.style, DWORD(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT));
    EXPECT_EQ(dialog.extendedStyle, 0u);
    EXPECT_EQ(std::vector<int>({dialog.x, dialog.y, dialog.width, dialog.height}),
              std::vector<int>({0, 0, 170, 53}));
    EXPECT_EQ(reader.readText(), L"") << "no menu";
    EXPECT_EQ(reader.readText(), L"") << "the standard dialog class";
    EXPECT_EQ(reader.readText(), L"ﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(reader.read<WORD>(), 9);
    EXPECT_EQ(reader.readText(), L"ＭＳ Ｐゴシック");

    ASSERT_EQ(dialog.controlCount, 4);
    std::vector<control> controls;
    for (int i = 0; i < dialog.controlCount; ++i) {
        reader.alignToDword();
        control next;
        next.header = reader.read<controlHeader>();
        next.className = reader.readText();
        next.text = reader.readText();
        EXPECT_EQ(reader.read<WORD>(), 0) << "no creation data";
        controls.push_back(next);
    }

    const DWORD shown = WS_CHILD | WS_VISIBLE;
    const struct {
        WORD id;
        std::vector<int> place;
        DWORD style;
        std::wstring className;
    } expected[] = {
        {IDOK, {113, 7, 50, 14}, shown | WS_TABSTOP | BS_DEFPUSHBUTTON, L"BUTTON"},
        {0xFFFF, {41, 13, 53, 12}, shown | WS_GROUP | SS_LEFT, L"STATIC"},
        {0xFFFF, {7, 7, 20, 20}, shown | SS_ICON, L"STATIC"},
        {0xFFFF, {39, 33, 69, 13}, shown | WS_GROUP | SS_LEFT, L"STATIC"},
    };
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE("control " + std::to_string(i + 1));
        const controlHeader& header = controls[i].header;
        EXPECT_EQ(header.id, expected[i].id);
        EXPECT_EQ(std::vector<int>({header.x, header.y, header.width, header.height}),
                  expected[i].place);
        EXPECT_EQ(header.style, expected[i].style);
        EXPECT_EQ(header.extendedStyle, 0u);
        EXPECT_EQ(controls[i].className, expected[i].className);
    }
    EXPECT_EQ(controls[0].text, L"OK");
    EXPECT_EQ(controls[1].text, L"WorvaneVer1.01");
    EXPECT_EQ(controls[2].text, L"#" + std::to_wstring(IDI_WORKSHEET));
    EXPECT_FALSE(controls[3].text.empty()) << "the copyright line";
}

#pragma pack(push, 2)
struct iconGroupHeader {
    WORD reserved;
    WORD type;
    WORD count;
};
struct iconGroupEntry {
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST(resourcesTest, iconsAreSixteenColoursAtTheirSizes) {
    const struct {
        int id;
        int size;
    } icons[] = {{IDI_WORKSHEET, 32}, {IDI_GRIP, 20}};
    for (const auto& icon : icons) {
        SCOPED_TRACE("icon " + std::to_string(icon.id));
        const auto* group = static_cast<const BYTE*>(japaneseResource(RT_GROUP_ICON, icon.id));
        ASSERT_NE(group, nullptr);
        iconGroupHeader header;
        std::memcpy(&header, group, sizeof header);
        ASSERT_EQ(header.count, 1);
        iconGroupEntry entry;
        std::memcpy(&entry, group + sizeof header, sizeof entry);
        EXPECT_EQ(entry.width, icon.size);
        EXPECT_EQ(entry.height, icon.size);
        EXPECT_EQ(entry.colourCount, 16);
        EXPECT_EQ(entry.bitCount, 4);
        EXPECT_NE(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(icon.id), IMAGE_ICON,
                             icon.size, icon.size, 0),
                  nullptr);
    }
}

} // namespace
