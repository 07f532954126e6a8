// The manifest (RT_MANIFEST 1): the program's own identity and its dependency
// on version 6 of the common controls.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "built_program.h"
#include "res/version.h"

namespace {

using Attributes = std::map<std::string, std::string>;

std::string Manifest()
{
    const ResourceBytes bytes = FindEnglishResource(MAKEINTRESOURCEA(24), 1);
    if (!bytes.data) return {};
    return std::string(reinterpret_cast<const char*>(bytes.data), bytes.size);
}

// The attributes of the element starting at `from` (name="value" pairs up to '>').
Attributes AttributesAt(const std::string& xml, std::size_t from)
{
    Attributes attributes;
    const std::size_t close = xml.find('>', from);
    std::size_t at = xml.find_first_of(" \t\r\n", from);
    while (at < close) {
        const std::size_t nameStart = xml.find_first_not_of(" \t\r\n", at);
        const std::size_t equals = xml.find("=\"", nameStart);
        if (nameStart >= close || equals >= close) break;
        const std::size_t valueEnd = xml.find('"', equals + 2);
        attributes[xml.substr(nameStart, equals - nameStart)] =
            xml.substr(equals + 2, valueEnd - equals - 2);
        at = valueEnd + 1;
    }
    return attributes;
}

// Every element with that tag, in document order.
std::vector<std::size_t> Elements(const std::string& xml, const std::string& tag)
{
    std::vector<std::size_t> found;
    for (std::size_t at = xml.find("<" + tag); at != std::string::npos;
         at = xml.find("<" + tag, at + 1)) {
        const char next = xml[at + 1 + tag.size()];
        if (next == ' ' || next == '>' || next == '/' || next == '\r' || next == '\n')
            found.push_back(at);
    }
    return found;
}

TEST(Manifest, IsStandaloneUtf8Xml)
{
    const std::string xml = Manifest();
    ASSERT_FALSE(xml.empty()) << "no English (US) manifest 1";
    const std::size_t declaration = xml.find("<?xml");
    ASSERT_EQ(declaration, 0u);
    const Attributes attributes = AttributesAt(xml, declaration);
    EXPECT_EQ(attributes.at("encoding"), "UTF-8");
    EXPECT_EQ(attributes.at("standalone"), "yes");
}

TEST(Manifest, NamesTheProgramsOwnAssembly)
{
    const std::string xml = Manifest();
    const std::vector<std::size_t> identities = Elements(xml, "assemblyIdentity");
    ASSERT_EQ(identities.size(), 2u);
    const Attributes expected = {
        {"version", QUORVEL_VERSION_FOUR_PARTS},
        {"processorArchitecture", "*"},
        {"name", "Company.Product.Name"},
        {"type", "win32"},
    };
    EXPECT_EQ(AttributesAt(xml, identities[0]), expected);
    EXPECT_LT(identities[0], xml.find("<dependency")) << "own identity comes first";
}

TEST(Manifest, DescriptionIsEmpty)
{
    const std::string xml = Manifest();
    const std::vector<std::size_t> descriptions = Elements(xml, "description");
    ASSERT_EQ(descriptions.size(), 1u);
    const std::size_t close = xml.find('>', descriptions[0]);
    const bool selfClosed = xml[close - 1] == '/';
    EXPECT_TRUE(selfClosed || xml.compare(close + 1, 14, "</description>") == 0);
}

TEST(Manifest, DependsOnCommonControlsSixWithThePlatformsKeyToken)
{
    const std::string xml = Manifest();
    ASSERT_EQ(Elements(xml, "dependency").size(), 1u);
    const std::vector<std::size_t> dependent = Elements(xml, "dependentAssembly");
    ASSERT_EQ(dependent.size(), 1u);
    const std::vector<std::size_t> identities = Elements(xml, "assemblyIdentity");
    ASSERT_EQ(identities.size(), 2u);
    EXPECT_GT(identities[1], dependent[0]) << "identity inside dependentAssembly";
    EXPECT_LT(identities[1], xml.find("</dependentAssembly>"));
    const Attributes expected = {
        {"type", "win32"},
        {"name", "Microsoft.Windows.Common-Controls"},
        {"version", "6.0.0.0"},
        {"processorArchitecture", "*"},
        {"publicKeyToken", "6595b64144ccf1df"},
        {"language", "*"},
    };
    EXPECT_EQ(AttributesAt(xml, identities[1]), expected);
}

// The platform's own loader must accept it as the program's activation context.
TEST(Manifest, PlatformBuildsAnActivationContextFromIt)
{
    ACTCTXA context{};
    context.cbSize = sizeof context;
    context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.lpSource = QUORVEL_EXE_PATH;
    context.lpResourceName = MAKEINTRESOURCEA(1);
    const HANDLE handle = CreateActCtxA(&context);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE) << "error " << GetLastError();
    ReleaseActCtx(handle);
}

}  // namespace
