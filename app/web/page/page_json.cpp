#include "app/web/page/page_json.h"

#include <cstdio>

namespace {

Json Joined(char open, const std::vector<Json>& items, char close)
{
    Json joined(1, open);
    for (const Json& item : items) joined += (joined.size() > 1 ? "," : "") + item;
    return joined + close;
}

}  // namespace

Json JsonString(const std::string& text)
{
    Json quoted = "\"";
    for (const char c : text) {
        char escape[8] = {c, '\0'};
        if (c == '"' || c == '\\') std::snprintf(escape, sizeof escape, "\\%c", c);
        if (static_cast<unsigned char>(c) < 0x20)
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
        quoted += escape;
    }
    return quoted + '"';
}

Json JsonArray(const std::vector<Json>& items)
{
    return Joined('[', items, ']');
}

Json JsonObject(const std::vector<std::pair<std::string, Json>>& members)
{
    std::vector<Json> items;
    for (const auto& [name, value] : members) items.push_back(JsonString(name) + ':' + value);
    return Joined('{', items, '}');
}
