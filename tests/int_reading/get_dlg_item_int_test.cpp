// GetDlgItemInt (unsigned) on a real edit control against ReadUnsignedText,
// row by row: each text is put into the box as the user's characters
// (UTF-16), the dialog manager reads it its own way, ReadUnsignedText reads
// the UTF-8 bytes the Linux program hands it. Prints the table it checked.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/unsigned_text.h"

namespace {

constexpr int kBoxId = 1;

struct Row {
    const char* label;  // how the row is shown in the table
    const char* text;   // UTF-8
};

const Row kRows[] = {
    {"empty", ""},
    {"digits", "1920"},
    {"spaces before", "   12"},
    {"spaces after", "12   "},
    {"tab before", "\t12"},
    {"plus sign", "+12"},
    {"space after sign", "+ 12"},
    {"two signs", "--12"},
    {"minus", "-904"},
    {"minus one", "-1"},
    {"minus zero", "-0"},
    {"letters after digits", "12ab"},
    {"letters before digits", "ab12"},
    {"space between digits", "1 2"},
    {"point", "12.7"},
    {"exponent", "1e3"},
    {"hexadecimal", "0x1A"},
    {"leading zeros", "0000000000000000000000007"},
    {"4294967294", "4294967294"},
    {"4294967295", "4294967295"},
    {"4294967296", "4294967296"},
    {"far past 32 bits", "99999999999"},
    {"minus 4294967295", "-4294967295"},
    {"minus 4294967296", "-4294967296"},
    {"minus far past 32 bits", "-99999999999"},
    {"full-width digits", "１２３"},
    {"full-width after digits", "12３"},
    {"Chinese before digits", "宽12"},
    {"Chinese after digits", "12宽"},
};

std::wstring Wide(const char* utf8)
{
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    std::wstring text(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, text.data(), length);
    text.resize(static_cast<size_t>(length - 1));
    return text;
}

class GetDlgItemIntAgreement : public ::testing::Test {
   protected:
    void SetUp() override
    {
        parent = CreateWindowExW(0, L"STATIC", L"int reading", WS_OVERLAPPED, 0, 0, 200, 100,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(parent, nullptr);
        box = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | ES_CENTER, 0, 0, 90, 24,
                              parent, reinterpret_cast<HMENU>(kBoxId), GetModuleHandleW(nullptr),
                              nullptr);
        ASSERT_NE(box, nullptr);
    }

    void TearDown() override
    {
        if (parent) DestroyWindow(parent);
    }

    HWND parent = nullptr;
    HWND box = nullptr;
};

TEST_F(GetDlgItemIntAgreement, EveryRowReadsTheSame)
{
    std::printf("| text | GetDlgItemInt | translated | ReadUnsignedText |\n|---|---|---|---|\n");
    for (const Row& row : kRows) {
        SetWindowTextW(box, Wide(row.text).c_str());
        BOOL translated = FALSE;
        const UINT platform = GetDlgItemInt(parent, kBoxId, &translated, FALSE);
        const std::uint32_t ours = ReadUnsignedText(row.text);
        std::printf("| %s | %u | %s | %u |\n", row.label, platform, translated ? "yes" : "no",
                    ours);
        EXPECT_EQ(ours, platform) << row.label;
    }
}

}  // namespace
