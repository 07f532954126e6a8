// What resources the built program holds, under which language, and its icon.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <tuple>

#include "built_program.h"

namespace {

struct ResourceEntry {
    std::uintptr_t type;  // ordinal; named types or ids are recorded as 0
    std::uintptr_t id;
    WORD language;
    bool operator==(const ResourceEntry& o) const
    {
        return std::tie(type, id, language) == std::tie(o.type, o.id, o.language);
    }
    bool operator<(const ResourceEntry& o) const
    {
        return std::tie(type, id, language) < std::tie(o.type, o.id, o.language);
    }
};

std::ostream& operator<<(std::ostream& out, const ResourceEntry& e)
{
    return out << "{type " << e.type << ", id " << e.id << ", language " << e.language << "}";
}

std::uintptr_t OrdinalOrZero(LPCSTR name)
{
    return IS_INTRESOURCE(name) ? reinterpret_cast<std::uintptr_t>(name) : 0;
}

BOOL CALLBACK AddLanguage(HMODULE, LPCSTR type, LPCSTR name, WORD language, LONG_PTR out)
{
    reinterpret_cast<std::vector<ResourceEntry>*>(out)->push_back(
        {OrdinalOrZero(type), OrdinalOrZero(name), language});
    return TRUE;
}

BOOL CALLBACK AddNames(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR out)
{
    EnumResourceLanguagesA(module, type, name, AddLanguage, out);
    return TRUE;
}

BOOL CALLBACK AddTypes(HMODULE module, LPSTR type, LONG_PTR out)
{
    EnumResourceNamesA(module, type, AddNames, out);
    return TRUE;
}

std::vector<ResourceEntry> AllResources()
{
    std::vector<ResourceEntry> all;
    EnumResourceTypesA(BuiltProgram(), AddTypes, reinterpret_cast<LONG_PTR>(&all));
    std::sort(all.begin(), all.end());
    return all;
}

TEST(ResourceCatalogue, ExactlyTheFiveResourcesAllUnderEnglishUnitedStates)
{
    ASSERT_NE(BuiltProgram(), nullptr) << "cannot open " << QUORVEL_EXE_PATH;
    const std::vector<ResourceEntry> expected = {
        {3, 1, 1033},     // RT_ICON: the one image of the icon group
        {5, 101, 1033},   // RT_DIALOG: IDD_MAIN
        {14, 102, 1033},  // RT_GROUP_ICON: IDI_APP
        {16, 1, 1033},    // RT_VERSION
        {24, 1, 1033},    // RT_MANIFEST
    };
    EXPECT_EQ(AllResources(), expected);
}

#pragma pack(push, 1)
struct GroupIconHeader {
    WORD reserved, type, count;
};
struct GroupIconEntry {
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytesInRes;
    WORD id;
};
#pragma pack(pop)

TEST(ApplicationIcon, GroupHoldsOne32By32ImageOf256ColoursStoredAsIcon1)
{
    const ResourceBytes group = FindEnglishResource(RT_GROUP_ICON, 102);
    ASSERT_NE(group.data, nullptr);
    ASSERT_EQ(group.size, sizeof(GroupIconHeader) + sizeof(GroupIconEntry));
    GroupIconHeader header;
    GroupIconEntry entry;
    std::memcpy(&header, group.data, sizeof header);
    std::memcpy(&entry, group.data + sizeof header, sizeof entry);
    EXPECT_EQ(header.reserved, 0);
    EXPECT_EQ(header.type, 1);  // icon, not cursor
    EXPECT_EQ(header.count, 1);
    EXPECT_EQ(entry.width, 32);
    EXPECT_EQ(entry.height, 32);
    EXPECT_EQ(entry.colourCount, 0);  // 0 stands for 256 colours
    EXPECT_EQ(entry.planes, 1);
    EXPECT_EQ(entry.bitCount, 8);
    EXPECT_EQ(entry.id, 1);

    const ResourceBytes image = FindEnglishResource(RT_ICON, 1);
    ASSERT_NE(image.data, nullptr);
    EXPECT_EQ(entry.bytesInRes, image.size);
}

TEST(ApplicationIcon, ImageIsAnEightBitBitmapThePlatformAccepts)
{
    const ResourceBytes image = FindEnglishResource(RT_ICON, 1);
    ASSERT_NE(image.data, nullptr);
    ASSERT_GE(image.size, sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER bitmap;
    std::memcpy(&bitmap, image.data, sizeof bitmap);
    EXPECT_EQ(bitmap.biSize, sizeof(BITMAPINFOHEADER));
    EXPECT_EQ(bitmap.biWidth, 32);
    EXPECT_EQ(bitmap.biHeight, 64);  // image and mask
    EXPECT_EQ(bitmap.biBitCount, 8);
    EXPECT_EQ(bitmap.biCompression, static_cast<DWORD>(BI_RGB));
    const DWORD colours = bitmap.biClrUsed ? bitmap.biClrUsed : 256;
    const DWORD pixels = 32 * 32;
    const DWORD mask = 32 * 4;
    EXPECT_EQ(image.size, sizeof(BITMAPINFOHEADER) + colours * 4 + pixels + mask);

    const HICON icon = CreateIconFromResourceEx(const_cast<BYTE*>(image.data), image.size, TRUE,
                                                0x00030000, 32, 32, LR_DEFAULTCOLOR);
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour{};
    GetObjectA(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, 32);
    EXPECT_EQ(colour.bmHeight, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
}

TEST(ApplicationIcon, LoadsByItsId)
{
    const HICON icon = LoadIconA(BuiltProgram(), MAKEINTRESOURCEA(102));
    EXPECT_NE(icon, nullptr);
}

}  // namespace
