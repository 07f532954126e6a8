// The message texts the program hands to the wide functions, found in the
// built file as UTF-16: single carriage returns between lines, no break at
// the end, each followed by its NUL. The expected characters are the texts
// of res/texts.h, made UTF-16 here by the compiler.
#include <gtest/gtest.h>

#include <algorithm>

#include "built_program.h"
#include "res/texts.h"

namespace {

// The text's UTF-16 code units as little-endian bytes, with the NUL.
std::vector<std::uint8_t> StoredForm(const std::wstring& text)
{
    std::vector<std::uint8_t> bytes;
    for (wchar_t c : text) {
        bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

bool Contains(const std::vector<std::uint8_t>& file, const std::vector<std::uint8_t>& bytes)
{
    return std::search(file.begin(), file.end(), bytes.begin(), bytes.end()) != file.end();
}

struct WholeText {
    const char* what;
    const wchar_t* text;
};

const WholeText kWholeTexts[] = {
    {"input error", L"" QUORVEL_INPUT_ERROR_TEXT},
    {"About caption", L"" QUORVEL_ABOUT_CAPTION},
    {"About text", L"" QUORVEL_ABOUT_TEXT},
    {"contact notice caption", L"" QUORVEL_CONTACT_CAPTION},
    {"contact notice", L"" QUORVEL_CONTACT_NOTICE},
};

TEST(Utf16Texts, WholeTextsAreStoredInUtf16)
{
    const std::vector<std::uint8_t> file = BuiltProgramFile();
    ASSERT_FALSE(file.empty()) << "cannot read " << QUORVEL_EXE_PATH;
    for (const WholeText& text : kWholeTexts) {
        SCOPED_TRACE(text.what);
        EXPECT_TRUE(Contains(file, StoredForm(text.text)));
    }
}

// The last line is the maker's own: an account number, then the name in
// parentheses.
TEST(Utf16Texts, ContactNoticeEndsWithAccountNumberAndName)
{
    const std::wstring notice = L"" QUORVEL_CONTACT_NOTICE;
    const std::wstring line = notice.substr(notice.rfind(L'\r') + 1);
    SCOPED_TRACE(testing::Message() << "last line has " << line.size() << " characters");

    const std::size_t open = line.find(L'(');
    ASSERT_NE(open, std::wstring::npos);
    ASSERT_GT(open, 0u) << "account number";
    EXPECT_TRUE(std::all_of(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(open),
                            [](wchar_t c) { return c >= L'0' && c <= L'9'; }));
    ASSERT_GE(line.size(), open + 3) << "a name between the parentheses";
    EXPECT_EQ(line.back(), L')');
    EXPECT_EQ(line.find_first_of(L"\r\n()", open + 1), line.size() - 1) << "one line, one name";
}

}  // namespace
