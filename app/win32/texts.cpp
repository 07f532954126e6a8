// The UTF-8 texts of res/texts.h made UTF-16 by the compiler: an empty L""
// literal in front makes the whole concatenation a wide string, so nothing is
// converted while the program runs.
#include "app/win32/texts.h"

#include "res/texts.h"

const wchar_t kAboutCaption[] = L"" QUORVEL_ABOUT_CAPTION;
const wchar_t kAboutText[] = L"" QUORVEL_ABOUT_TEXT;
const wchar_t kContactCaption[] = L"" QUORVEL_CONTACT_CAPTION;
const wchar_t kContactNotice[] = L"" QUORVEL_CONTACT_NOTICE;
const wchar_t kInputErrorText[] = L"" QUORVEL_INPUT_ERROR_TEXT;
