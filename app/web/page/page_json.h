// JSON as the page's generator and its tests write it: values are texts
// already in JSON, put together without white space.
#pragma once

#include <string>
#include <utility>
#include <vector>

using Json = std::string;

// A string, with its quotes, backslashes and control characters escaped.
Json JsonString(const std::string& text);
Json JsonArray(const std::vector<Json>& items);
Json JsonObject(const std::vector<std::pair<std::string, Json>>& members);
