// The maker's contact details: shown on the dialog's contact line (e-mail)
// and in the contact notice (messaging account and name). Kept here alone so
// the resource script and the program never disagree. UTF-8: the resource
// script reads it as such (code page 65001), Quorvel.exe's own copy is
// compiled to UTF-16 (app/win32/texts.cpp), and the Linux program and the
// page take it as it is.
#pragma once

#define QUORVEL_MAKER_EMAIL "quorvel@example.com"
#define QUORVEL_MAKER_IM_NUMBER "10000"
#define QUORVEL_MAKER_NAME "张三"
#define QUORVEL_MAKER_COPYRIGHT "版权所有 (C) " QUORVEL_MAKER_NAME
