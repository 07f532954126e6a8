#include "app/web/page/page_manifest.h"

#include <string>

#include "app/web/page/page_colours.h"
#include "app/web/page/page_texts.h"

namespace {

std::string JsonString(const std::string& text)
{
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

void WriteIcons(std::ostream& out)
{
    const char* separator = "";
    for (int size : kManifestIconSizes) {
        const std::string side = std::to_string(size);
        out << separator << "{\"src\":\"icon-" << side << ".png\",\"sizes\":\"" << side << 'x'
            << side << "\",\"type\":\"image/png\"}";
        separator = ",";
    }
}

}  // namespace

// Installed, the page opens on its own, in a window of its own.
void WriteManifest(std::ostream& out)
{
    out << "{\"id\":\"./\",\"name\":" << JsonString(kDialog.caption)
        << ",\"short_name\":" << JsonString(kDialog.caption)
        << ",\"lang\":\"zh-CN\",\"start_url\":\"./\",\"scope\":\"./\",\"display\":\"standalone\""
        << ",\"background_color\":" << JsonString(CssColour(kDialogBackground))
        << ",\"theme_color\":" << JsonString(CssColour(kCaptionBar)) << ",\"icons\":[";
    WriteIcons(out);
    out << "]}\n";
}
