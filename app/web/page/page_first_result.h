// The result box's text as the page opens: the calculate command run at
// build time, by the core and command the module runs, on the template's
// texts, so that the first response already shows it. The module runs the
// command again when it arrives and writes what it finds.
#pragma once

#include <string>

// UTF-8; empty, with a message, if a template text is not plain ASCII.
std::string FirstResultText();
