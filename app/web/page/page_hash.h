// The hash a Content-Security-Policy names an inline element's content by,
// so that the page can carry its stylesheet in its first response without
// allowing any other inline style.
#pragma once

#include <string>

// "'sha256-BASE64'": SHA-256 of the UTF-8 text, as a CSP hash-source.
std::string HashSource(const std::string& text);
