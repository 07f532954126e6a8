// The UTF-8 texts of the description made UTF-16 by the compiler: an empty
// L"" literal in front makes the whole concatenation a wide string, so nothing
// is converted while the program runs.
#include "app/win32/wide_texts.h"

#include "res/texts.h"

#define QUORVEL_WIDE_COMMAND_ENTRY(id, kind, caption, text, icon) \
    {id, kind, L"" caption, L"" text, icon},
const CommandDescription<wchar_t> kWideCommands[] = {
    QUORVEL_DIALOG_COMMANDS(QUORVEL_WIDE_COMMAND_ENTRY)};
#undef QUORVEL_WIDE_COMMAND_ENTRY

const wchar_t kInputErrorText[] = L"" QUORVEL_INPUT_ERROR_TEXT;
