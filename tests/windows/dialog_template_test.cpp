// The calculator dialog's template (RT_DIALOG 101, a DLGTEMPLATEEX) read field
// by field from the built program and held against the dialog's description.
#include <gtest/gtest.h>

#include <cwctype>

#include "app/dialog_description.h"
#include "built_program.h"

namespace {

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

// The contact line, last in tab order.
constexpr std::size_t kContactIndex = std::size(kDialogControls) - 1;

std::wstring Utf16Of(const char* utf8)
{
    wchar_t text[64] = L"";
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, text, 64);
    return text;
}

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

TEST_F(DialogTemplateTest, HeaderDescribesTheDialog)
{
    EXPECT_EQ(dialog_.version, 1);
    EXPECT_EQ(dialog_.signature, 0xFFFF);
    EXPECT_EQ(dialog_.helpId, 0u);
    EXPECT_EQ(dialog_.exStyle, 0u);
    EXPECT_EQ(dialog_.style, kDialog.style);
    EXPECT_EQ(dialog_.itemCount, std::size(kDialogControls));
    EXPECT_EQ(dialog_.x, kDialog.rect.x);
    EXPECT_EQ(dialog_.y, kDialog.rect.y);
    EXPECT_EQ(dialog_.cx, kDialog.rect.cx);
    EXPECT_EQ(dialog_.cy, kDialog.rect.cy);
}

TEST_F(DialogTemplateTest, HeaderHasNoMenuTheStandardClassAndItsCaption)
{
    EXPECT_FALSE(dialog_.menu.isOrdinal);
    EXPECT_EQ(dialog_.menu.text, L"");
    EXPECT_FALSE(dialog_.windowClass.isOrdinal);
    EXPECT_EQ(dialog_.windowClass.text, L"");
    EXPECT_EQ(dialog_.title, Utf16Of(kDialog.caption));
}

TEST_F(DialogTemplateTest, FontIsTheDescribedOne)
{
    EXPECT_EQ(dialog_.typeface, Utf16Of(kDialog.font.face));
    EXPECT_EQ(dialog_.pointSize, kDialog.font.points);
    EXPECT_EQ(dialog_.weight, kDialog.font.weight);
    EXPECT_EQ(dialog_.italic, kDialog.font.italic ? 1 : 0);
    EXPECT_EQ(dialog_.charset, kDialog.font.charset);
}

// Every text is stored in UTF-16 as the description's UTF-8 reads; a text the
// resource compiler took in another code page would differ.
TEST_F(DialogTemplateTest, ControlsInTabOrder)
{
    ASSERT_EQ(dialog_.items.size(), std::size(kDialogControls));
    for (std::size_t i = 0; i < std::size(kDialogControls); ++i) {
        const ControlDescription& want = kDialogControls[i];
        const DialogItem& item = dialog_.items[i];
        SCOPED_TRACE(want.id);
        EXPECT_EQ(item.id, static_cast<std::uint32_t>(want.id));
        EXPECT_TRUE(item.windowClass.isOrdinal) << "class given by name, not by atom";
        EXPECT_EQ(item.windowClass.ordinal, static_cast<std::uint16_t>(want.windowClass));
        EXPECT_FALSE(item.title.isOrdinal);
        EXPECT_EQ(item.title.text, Utf16Of(want.text));
        EXPECT_EQ(item.x, want.rect.x);
        EXPECT_EQ(item.y, want.rect.y);
        EXPECT_EQ(item.cx, want.rect.cx);
        EXPECT_EQ(item.cy, want.rect.cy);
        EXPECT_EQ(item.style, want.style);
        EXPECT_EQ(item.exStyle, want.exStyle);
        EXPECT_EQ(item.helpId, 0u);
        EXPECT_EQ(item.extraCount, 0) << "no creation data";
    }
}

TEST_F(DialogTemplateTest, ContactLineShowsAnAddressAtExampleDotCom)
{
    ASSERT_EQ(dialog_.items.size(), std::size(kDialogControls));
    ASSERT_EQ(kDialogControls[kContactIndex].id, IDC_CONTACT);
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
