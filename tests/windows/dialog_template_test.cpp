// The calculator dialog's template (RT_DIALOG 101, a DLGTEMPLATEEX) read field
// by field from the built program and held against the window's layout.
#include <gtest/gtest.h>

#include <cwctype>

#include "built_program.h"

namespace {

// Predefined window classes of a dialog item, as atoms.
constexpr std::uint16_t kButtonAtom = 0x0080;
constexpr std::uint16_t kEditAtom = 0x0081;
constexpr std::uint16_t kStaticAtom = 0x0082;

constexpr std::uint32_t kInputBoxStyle = 0x50010001;  // child, visible, tab stop, ES_CENTER
constexpr std::uint32_t kLabelStyle = 0x50000000;     // child, visible, left-aligned
constexpr std::uint32_t kClientEdge = 0x00000200;     // WS_EX_CLIENTEDGE

// A name field: 0xFFFF and an ordinal, or a NUL-terminated string (empty: none).
struct NameOrOrdinal {
    bool isOrdinal = false;
    std::uint16_t ordinal = 0;
    std::wstring text;
};

struct DialogItem {
    std::uint32_t helpId, exStyle, style;
    std::int16_t x, y, cx, cy;
    std::uint32_t id;
    NameOrOrdinal windowClass, title;
    std::uint16_t extraCount;
};

struct DialogTemplate {
    std::uint16_t version, signature;
    std::uint32_t helpId, exStyle, style;
    std::uint16_t itemCount;
    std::int16_t x, y, cx, cy;
    NameOrOrdinal menu, windowClass;
    std::wstring title;
    std::uint16_t pointSize, weight;
    std::uint8_t italic, charset;
    std::wstring typeface;
    std::vector<DialogItem> items;
    std::size_t end;
    bool overran;
};

NameOrOrdinal ReadNameOrOrdinal(ByteReader& reader)
{
    NameOrOrdinal name;
    if (reader.Word() == 0xFFFF) {
        name.isOrdinal = true;
        name.ordinal = reader.Word();
    } else {
        reader.Seek(reader.Offset() - 2);
        name.text = reader.WideString();
    }
    return name;
}

DialogItem ReadItem(ByteReader& reader)
{
    reader.AlignToDWord();
    DialogItem item{};
    item.helpId = reader.DWord();
    item.exStyle = reader.DWord();
    item.style = reader.DWord();
    item.x = reader.Short();
    item.y = reader.Short();
    item.cx = reader.Short();
    item.cy = reader.Short();
    item.id = reader.DWord();
    item.windowClass = ReadNameOrOrdinal(reader);
    item.title = ReadNameOrOrdinal(reader);
    item.extraCount = reader.Word();
    reader.Seek(reader.Offset() + item.extraCount);
    return item;
}

DialogTemplate ReadDialogTemplate(ResourceBytes bytes)
{
    ByteReader reader(bytes.data, bytes.size);
    DialogTemplate dialog{};
    dialog.version = reader.Word();
    dialog.signature = reader.Word();
    dialog.helpId = reader.DWord();
    dialog.exStyle = reader.DWord();
    dialog.style = reader.DWord();
    dialog.itemCount = reader.Word();
    dialog.x = reader.Short();
    dialog.y = reader.Short();
    dialog.cx = reader.Short();
    dialog.cy = reader.Short();
    dialog.menu = ReadNameOrOrdinal(reader);
    dialog.windowClass = ReadNameOrOrdinal(reader);
    dialog.title = reader.WideString();
    dialog.pointSize = reader.Word();
    dialog.weight = reader.Word();
    dialog.italic = reader.Byte();
    dialog.charset = reader.Byte();
    dialog.typeface = reader.WideString();
    for (int i = 0; i < dialog.itemCount && !reader.Overran(); ++i) {
        dialog.items.push_back(ReadItem(reader));
    }
    dialog.end = reader.Offset();
    dialog.overran = reader.Overran();
    return dialog;
}

struct ExpectedControl {
    const char* name;
    std::uint32_t id;
    std::uint16_t classAtom;
    const wchar_t* text;  // nullptr: the maker's e-mail address, checked on its own
    std::int16_t x, y, cx, cy;
    std::uint32_t style, exStyle;
};

// Template order, which is also the tab order.
const ExpectedControl kControls[] = {
    {"IDC_WIDTH", 106, kEditAtom, L"1920", 63, 12, 45, 12, kInputBoxStyle, kClientEdge},
    {"IDC_HEIGHT", 104, kEditAtom, L"1080", 132, 12, 45, 12, kInputBoxStyle, kClientEdge},
    {"IDC_DIAGONAL", 112, kEditAtom, L"21.5", 63, 33, 45, 12, kInputBoxStyle, kClientEdge},
    {"IDC_LABEL_SIZE", 109, kStaticAtom, L"屏幕尺寸", 15, 35, 33, 10, kLabelStyle, 0},
    {"IDC_LABEL_PPI", 103, kStaticAtom, L"PPI", 15, 56, 13, 8, kLabelStyle, 0},
    {"IDC_CALCULATE", 107, kButtonAtom, L"计算", 132, 31, 45, 15, 0x50010001, 0},
    {"IDC_RESULT", 108, kEditAtom, L"", 63, 54, 45, 12, kInputBoxStyle, kClientEdge},
    {"IDC_ABOUT", 110, kButtonAtom, L"关于", 132, 52, 45, 15, 0x50010000, 0},
    {"IDC_TIMES", 102, kStaticAtom, L"\u00D7", 117, 14, 9, 8, kLabelStyle, 0},
    {"IDC_LABEL_RESOLUTION", 105, kStaticAtom, L"屏幕分辨率", 15, 14, 42, 8, kLabelStyle, 0},
    {"IDC_CONTACT", 111, kStaticAtom, nullptr, 3, 75, 186, 7, 0x50000301, 0},
};
constexpr std::size_t kContactIndex = 10;

class DialogTemplateTest : public ::testing::Test {
   protected:
    void SetUp() override
    {
        const ResourceBytes bytes = FindEnglishResource(RT_DIALOG, 101);
        ASSERT_NE(bytes.data, nullptr) << "no English (US) dialog 101 in " << QUORVEL_EXE_PATH;
        size_ = bytes.size;
        dialog_ = ReadDialogTemplate(bytes);
        ASSERT_FALSE(dialog_.overran) << "template is cut short";
    }
    DialogTemplate dialog_{};
    std::size_t size_ = 0;
};

TEST_F(DialogTemplateTest, HeaderDescribesAFixedCentredDialog)
{
    EXPECT_EQ(dialog_.version, 1);
    EXPECT_EQ(dialog_.signature, 0xFFFF);
    EXPECT_EQ(dialog_.helpId, 0u);
    EXPECT_EQ(dialog_.exStyle, 0u);
    EXPECT_EQ(dialog_.style, 0x10CA0840u);
    EXPECT_EQ(dialog_.itemCount, 11);
    EXPECT_EQ(dialog_.x, 63);
    EXPECT_EQ(dialog_.y, 12);
    EXPECT_EQ(dialog_.cx, 192);
    EXPECT_EQ(dialog_.cy, 84);
}

TEST_F(DialogTemplateTest, HeaderHasNoMenuTheStandardClassAndItsCaption)
{
    EXPECT_FALSE(dialog_.menu.isOrdinal);
    EXPECT_EQ(dialog_.menu.text, L"");
    EXPECT_FALSE(dialog_.windowClass.isOrdinal);
    EXPECT_EQ(dialog_.windowClass.text, L"");
    EXPECT_EQ(dialog_.title, L"Quorvel");
}

TEST_F(DialogTemplateTest, FontIsFixedsysNinePointGb2312)
{
    EXPECT_EQ(dialog_.typeface, L"Fixedsys");
    EXPECT_EQ(dialog_.pointSize, 9);
    EXPECT_EQ(dialog_.weight, 400);
    EXPECT_EQ(dialog_.italic, 0);
    EXPECT_EQ(dialog_.charset, 134);
}

TEST_F(DialogTemplateTest, ControlsInTabOrder)
{
    ASSERT_EQ(dialog_.items.size(), std::size(kControls));
    for (std::size_t i = 0; i < std::size(kControls); ++i) {
        const ExpectedControl& want = kControls[i];
        const DialogItem& item = dialog_.items[i];
        SCOPED_TRACE(want.name);
        EXPECT_EQ(item.id, want.id);
        EXPECT_TRUE(item.windowClass.isOrdinal) << "class given by name, not by atom";
        EXPECT_EQ(item.windowClass.ordinal, want.classAtom);
        EXPECT_FALSE(item.title.isOrdinal);
        if (want.text) {
            EXPECT_EQ(item.title.text, want.text);
        }
        EXPECT_EQ(item.x, want.x);
        EXPECT_EQ(item.y, want.y);
        EXPECT_EQ(item.cx, want.cx);
        EXPECT_EQ(item.cy, want.cy);
        EXPECT_EQ(item.style, want.style);
        EXPECT_EQ(item.exStyle, want.exStyle);
        EXPECT_EQ(item.helpId, 0u);
        EXPECT_EQ(item.extraCount, 0) << "no creation data";
    }
}

TEST_F(DialogTemplateTest, ContactLineShowsAnAddressAtExampleDotCom)
{
    ASSERT_GT(dialog_.items.size(), kContactIndex);
    const std::wstring& text = dialog_.items[kContactIndex].title.text;
    const std::wstring domain = L"@example.com";
    ASSERT_GT(text.size(), domain.size()) << "no local part";
    EXPECT_EQ(text.substr(text.size() - domain.size()), domain);
    for (wchar_t c : text.substr(0, text.size() - domain.size())) {
        EXPECT_TRUE(std::iswalnum(c) || c == L'.' || c == L'_' || c == L'-')
            << "in local part: " << c;
    }
}

TEST_F(DialogTemplateTest, NothingFollowsTheLastControl)
{
    // The resource may end in padding to a four-byte boundary, no more.
    EXPECT_LT(size_ - dialog_.end, 4u);
}

}  // namespace
