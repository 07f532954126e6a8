// The page's stylesheet: its colours and frame, its font's name (the script
// loads the font once the page has painted), its fixed rules
// (page_base.css) made compact, then the dialog's client area and every
// control at its place in CSS pixels with its template colour; on a phone,
// the phone's fixed rules (page_phone.css) and every control's place in one
// column; the darker shades for readers who ask for more contrast, and the
// clickable labels in forced colours.
#pragma once

#include <ostream>
#include <string>

void WriteStylesheet(std::ostream& out, const std::string& baseRules,
                     const std::string& phoneRules);
