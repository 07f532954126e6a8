// quorvel.css: the page's colours, then its fixed rules (page_base.css), then
// every control at its place in CSS pixels with its template colour, and the
// darker shades for readers who ask for more contrast.
#pragma once

#include <ostream>
#include <string>

void WriteStylesheet(std::ostream& out, const std::string& baseRules);
