// index.html: the dialog's controls in template order, which is also the tab
// order, and its two message boxes, all from the one description.
#pragma once

#include <ostream>
#include <string>

// Allows the page's own files and the module's compilation, nothing else: the
// page's own copy, and the one a server sends, which can also forbid framing.
extern const char kContentSecurityPolicy[];
std::string HeaderSecurityPolicy();

void WriteIndexHtml(std::ostream& out);
