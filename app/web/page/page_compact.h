// The one minifier of the site's own text files, the stylesheet and the
// scripts alike: what only helps their reader goes.
#pragma once

#include <string>

// Without comments (/* ... */, and // to the end of its line), and with white
// space only where a token needs it: none next to { } ; : , > =, a line break
// where the white space held one (a script may end a statement there), else
// one space; a ; before } goes too. Quoted strings are kept as they are. For
// texts written to suit it: no regular-expression literals, and every
// statement of a script ends with a semicolon or a block.
std::string Compact(const std::string& source);
