// index.html: the dialog's controls in template order, which is also the tab
// order, and its two message boxes, all from the one description.
#pragma once

#include <ostream>

// Allows the page's own files and the module's compilation, nothing else.
extern const char kContentSecurityPolicy[];

void WriteIndexHtml(std::ostream& out);
