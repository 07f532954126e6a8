// The version block (RT_VERSION 1): walked node by node from the built
// program, and read back through the platform's VerQueryValueW.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>

#include "built_program.h"
#include "res/version.h"

namespace {

// Every node of the block by its path ("StringFileInfo/08040000/FileVersion"):
// text values as text, binary values as their bytes.
struct VersionBlock {
    std::vector<std::uint8_t> fixedInfo;  // the root's value
    std::map<std::wstring, std::wstring> texts;
    std::map<std::wstring, std::vector<std::uint8_t>> binaries;
    bool malformed = false;
};

// One node: wLength, wValueLength, wType, key, padding, value, padding, children.
void ReadNode(ByteReader& reader, const std::wstring& parent, VersionBlock& block, bool isRoot)
{
    const std::size_t start = reader.Offset();
    const std::uint16_t length = reader.Word();
    if (length < 6) {  // cannot even hold its own header: stop the walk
        block.malformed = true;
        reader.Seek(SIZE_MAX);
        return;
    }
    const std::uint16_t valueLength = reader.Word();
    const std::uint16_t type = reader.Word();
    const std::wstring key = reader.WideString();
    const std::wstring path = parent.empty() ? key : parent + L"/" + key;
    const std::size_t end = start + length;
    reader.AlignToDWord();

    if (valueLength > 0) {
        if (type == 1) {
            block.texts[path] = reader.WideString();
        } else {
            std::vector<std::uint8_t> bytes;
            for (std::uint16_t i = 0; i < valueLength; ++i) bytes.push_back(reader.Byte());
            (isRoot ? block.fixedInfo : block.binaries[path]) = bytes;
        }
        reader.AlignToDWord();
    }
    while (reader.Offset() < end && !reader.Overran())
        ReadNode(reader, isRoot ? L"" : path, block, false);
    if (reader.Offset() > end + 3) block.malformed = true;
    reader.Seek(end);
    reader.AlignToDWord();
}

VersionBlock ReadVersionBlock()
{
    VersionBlock block;
    const ResourceBytes bytes = FindEnglishResource(RT_VERSION, 1);
    if (!bytes.data) {
        block.malformed = true;
        return block;
    }
    ByteReader reader(bytes.data, bytes.size);
    ReadNode(reader, L"", block, true);
    block.malformed = block.malformed || reader.Overran();
    return block;
}

std::uint32_t DWordAt(const std::vector<std::uint8_t>& bytes, std::size_t offset)
{
    ByteReader reader(bytes.data() + offset, 4);
    return reader.DWord();
}

TEST(VersionBlock, FixedPartIsTheBuildsVersionOfAWin32Application)
{
    const VersionBlock block = ReadVersionBlock();
    ASSERT_FALSE(block.malformed);
    ASSERT_EQ(block.fixedInfo.size(), 52u);  // VS_FIXEDFILEINFO
    constexpr std::uint32_t kVersionHigh = QUORVEL_VERSION_MAJOR << 16 | QUORVEL_VERSION_MINOR;
    constexpr std::uint32_t kVersionLow = QUORVEL_VERSION_PATCH << 16;
    struct Field {
        const char* name;
        std::size_t offset;
        std::uint32_t value;
    };
    const Field fields[] = {
        {"dwSignature", 0, 0xFEEF04BD},
        {"dwStrucVersion", 4, 0x00010000},
        {"dwFileVersionMS", 8, kVersionHigh},
        {"dwFileVersionLS", 12, kVersionLow},
        {"dwProductVersionMS", 16, kVersionHigh},
        {"dwProductVersionLS", 20, kVersionLow},
        {"dwFileFlagsMask", 24, 0},
        {"dwFileFlags", 28, 0},
        {"dwFileOS (VOS__WINDOWS32)", 32, 4},
        {"dwFileType (VFT_APP)", 36, 1},
        {"dwFileSubtype", 40, 0},
        {"dwFileDateMS", 44, 0},
        {"dwFileDateLS", 48, 0},
    };
    for (const Field& field : fields) {
        EXPECT_EQ(DWordAt(block.fixedInfo, field.offset), field.value) << field.name;
    }
}

// The string table's texts, the maker's notice aside, by name.
const std::map<std::wstring, std::wstring> kStrings = {
    {L"FileVersion", L"" QUORVEL_VERSION_FOUR_PARTS},
    {L"ProductVersion", L"" QUORVEL_VERSION_FOUR_PARTS},
    {L"FileDescription", L"Quorvel"},
};

TEST(VersionBlock, OneStringTableKeyedChineseSimplifiedCodePageZero)
{
    const VersionBlock block = ReadVersionBlock();
    ASSERT_FALSE(block.malformed);
    std::map<std::wstring, std::wstring> texts = block.texts;
    const std::wstring copyright = L"StringFileInfo/08040000/LegalCopyright";
    ASSERT_EQ(texts.count(copyright), 1u);
    EXPECT_FALSE(texts[copyright].empty()) << "the maker's notice";
    texts.erase(copyright);
    std::map<std::wstring, std::wstring> expected;
    for (const auto& [name, text] : kStrings) expected[L"StringFileInfo/08040000/" + name] = text;
    EXPECT_EQ(texts, expected);
}

TEST(VersionBlock, TranslationIsChineseSimplifiedCodePageZero)
{
    const VersionBlock block = ReadVersionBlock();
    ASSERT_FALSE(block.malformed);
    const std::map<std::wstring, std::vector<std::uint8_t>> expected = {
        {L"VarFileInfo/Translation", {0x04, 0x08, 0x00, 0x00}},
    };
    EXPECT_EQ(block.binaries, expected);
}

// The platform's reader must find the same values where programs look for them.
TEST(VersionBlock, PlatformReaderFindsTheStringsUnderTheTranslation)
{
    const std::wstring path(QUORVEL_EXE_PATH, QUORVEL_EXE_PATH + sizeof QUORVEL_EXE_PATH - 1);
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::vector<std::uint8_t> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, info.data()));

    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", &value, &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(static_cast<WORD*>(value)[0], 0x0804);
    EXPECT_EQ(static_cast<WORD*>(value)[1], 0x0000);

    for (const auto& [name, text] : kStrings) {
        const std::wstring query = L"\\StringFileInfo\\08040000\\" + name;
        ASSERT_TRUE(VerQueryValueW(info.data(), query.c_str(), &value, &length));
        EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(value)), text);
    }
}

}  // namespace
