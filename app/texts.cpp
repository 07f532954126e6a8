// Written in UTF-8; the build compiles this file with code page 936 as the
// execution character set, so every literal below is stored as GBK bytes.
#include "app/texts.h"

#include "res/texts.h"

const char kAboutCaption[] = QUORVEL_ABOUT_CAPTION;
const char kAboutText[] = QUORVEL_ABOUT_TEXT;
const char kContactCaption[] = QUORVEL_CONTACT_CAPTION;
const char kContactNotice[] = QUORVEL_CONTACT_NOTICE;
const char kInputErrorText[] = QUORVEL_INPUT_ERROR_TEXT;
