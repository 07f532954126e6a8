// The message texts the program hands to the "A" functions, found in the
// built file as code page 936 bytes: single carriage returns between lines,
// no break at the end, each followed by its NUL. The expected bytes are made
// here from the texts' characters by the platform's own converter.
#include <gtest/gtest.h>

#include <algorithm>

#include "built_program.h"

namespace {

constexpr UINT kChineseSimplified = 936;

std::string ToCodePage936(const std::string& utf8)
{
    const int wide = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                         static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), wide);
    BOOL lossy = FALSE;
    const int narrow =
        WideCharToMultiByte(kChineseSimplified, 0, text.data(), wide, nullptr, 0, nullptr, &lossy);
    std::string bytes(static_cast<std::size_t>(narrow), '\0');
    WideCharToMultiByte(kChineseSimplified, 0, text.data(), wide, bytes.data(), narrow, nullptr,
                        nullptr);
    return lossy ? std::string() : bytes;
}

std::wstring FromCodePage936(const std::string& bytes)
{
    const int wide = MultiByteToWideChar(kChineseSimplified, 0, bytes.data(),
                                         static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(kChineseSimplified, 0, bytes.data(), static_cast<int>(bytes.size()),
                        text.data(), wide);
    return text;
}

// Where the bytes occur in the file, or npos.
std::size_t Find(const std::vector<std::uint8_t>& file, const std::string& text)
{
    const std::vector<std::uint8_t> bytes(text.begin(), text.end());
    const auto at = std::search(file.begin(), file.end(), bytes.begin(), bytes.end());
    return at == file.end() ? std::string::npos : static_cast<std::size_t>(at - file.begin());
}

struct WholeText {
    const char* what;
    const char* utf8;
};

const WholeText kWholeTexts[] = {
    {"input error", "输入错误"},
    {"About caption", "关于"},
    {"contact notice caption", "你好"},
    {"About text",
     "Quorvel 1.0\r"
     "\r"
     "PPI=Pixels Per Inch。指每英寸所拥有的像素(Pixel)数目。\r"
     "PPI数值越高，代表显示屏能够以越高的密度显示图像。如：\r"
     "iPhone 5S：326\r"
     "HTC One：469\r"
     "iPad mini2：324"},
};

TEST(AnsiTexts, WholeTextsAreStoredInCodePage936)
{
    const std::vector<std::uint8_t> file = BuiltProgramFile();
    ASSERT_FALSE(file.empty()) << "cannot read " << QUORVEL_EXE_PATH;
    for (const WholeText& text : kWholeTexts) {
        SCOPED_TRACE(text.what);
        const std::string bytes = ToCodePage936(text.utf8);
        ASSERT_FALSE(bytes.empty());
        EXPECT_NE(Find(file, bytes + '\0'), std::string::npos);
    }
}

// The last line is the maker's own: an account number, then the name in
// parentheses. The lines before it are fixed.
TEST(AnsiTexts, ContactNoticeEndsWithAccountNumberAndName)
{
    const std::vector<std::uint8_t> file = BuiltProgramFile();
    const std::string fixed = ToCodePage936(
        "对外承接：\r"
        "\r"
        "① 电脑软件和苹果安卓系统手机软件的开发。\r"
        "② AVR单片机软硬件的开发。\r"
        "③ PLC,HMI工业控制系统的软硬件设计。\r"
        "\r"
        "联系：\r");
    ASSERT_FALSE(fixed.empty());
    const std::size_t at = Find(file, fixed);
    ASSERT_NE(at, std::string::npos);

    const std::size_t lineStart = at + fixed.size();
    const auto nul =
        std::find(file.begin() + static_cast<std::ptrdiff_t>(lineStart), file.end(), 0);
    const std::wstring line =
        FromCodePage936(std::string(file.begin() + static_cast<std::ptrdiff_t>(lineStart), nul));
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
