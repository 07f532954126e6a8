// The texts the dialog shows besides its template, as the wide functions take
// them: UTF-16, line breaks a single carriage return, no trailing break.
#pragma once

#include <iterator>

#include "app/dialog_description.h"

extern const CommandDescription<wchar_t> kWideCommands[std::size(kCommands)];
extern const wchar_t kInputErrorText[];
