// The texts the dialog shows besides its template, as the wide functions take
// them: UTF-16, line breaks a single carriage return, no trailing break.
#pragma once

extern const wchar_t kAboutCaption[];
extern const wchar_t kAboutText[];
extern const wchar_t kContactCaption[];
extern const wchar_t kContactNotice[];
extern const wchar_t kInputErrorText[];
