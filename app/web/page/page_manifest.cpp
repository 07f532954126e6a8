#include "app/web/page/page_manifest.h"

#include <string>
#include <vector>

#include "app/dialog_description.h"
#include "app/web/page/page_colours.h"
#include "app/web/page/page_json.h"
#include "site_files.h"

namespace {

Json Icons()
{
    std::vector<Json> icons;
    for (const SiteIcon& icon : kIcons) {
        const std::string side = std::to_string(icon.size);
        icons.push_back(JsonObject({{"src", JsonString(icon.file)},
                                    {"sizes", JsonString(side + 'x' + side)},
                                    {"type", JsonString("image/png")}}));
    }
    return JsonArray(icons);
}

}  // namespace

// Installed, the page opens on its own, in a window of its own.
void WriteManifest(std::ostream& out)
{
    out << JsonObject({{"id", JsonString("./")},
                       {"name", JsonString(kDialog.caption)},
                       {"short_name", JsonString(kDialog.caption)},
                       {"lang", JsonString(kPageLanguage)},
                       {"start_url", JsonString("./")},
                       {"scope", JsonString("./")},
                       {"display", JsonString("standalone")},
                       {"background_color", JsonString(CssColour(kDialogBackground))},
                       {"theme_color", JsonString(CssColour(kCaptionBar))},
                       {"icons", Icons()}})
        << '\n';
}
