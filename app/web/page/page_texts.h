// What the page says besides the template's texts, and texts split the way
// the page lays them out. Every word comes from res/texts.h or the dialog
// description but one: the message boxes' button, which the platform's
// message box names itself and the page names here.
#pragma once

#include <string>
#include <vector>

// The message boxes' one button, as the platform's message box labels it.
constexpr char kOkText[] = "OK";

// The lines of a text whose line breaks are single carriage returns.
std::vector<std::string> LinesOf(const char* text);

// What search results show for the page: the About box's title line and the
// first line after the blank one below it, which says what the page computes.
std::string PageDescription();

// Every text the page can show, the result box's input-error text included.
std::string ShownText();
