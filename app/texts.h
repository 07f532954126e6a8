// The texts the dialog hands to the "A" functions: code page 936, line breaks
// a single carriage return, no trailing break.
#pragma once

extern const char kAboutCaption[];
extern const char kAboutText[];
extern const char kContactCaption[];
extern const char kContactNotice[];
extern const char kInputErrorText[];
