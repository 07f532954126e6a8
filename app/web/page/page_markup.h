// index.html: the dialog's controls in template order, which is also the tab
// order, and its two message boxes, all from the one description.
#pragma once

#include <ostream>
#include <string>

// Allows the page's own files, its one stylesheet (inline, named by its
// hash) and the module's compilation, nothing else: the page's own copy, and
// the one a server sends, which can also forbid framing. The stylesheet's
// hash-source is written empty ('sha256-'); fill_style_hash.py fills it in
// once the page is written.
std::string PageSecurityPolicy();
std::string HeaderSecurityPolicy();

// The page with its stylesheet inline and the result box showing
// firstResult, so that its first response holds all its first paint needs.
void WriteIndexHtml(std::ostream& out, const std::string& stylesheet,
                    const std::string& firstResult);
