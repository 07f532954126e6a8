// The maker's contact details: shown on the dialog's contact line (e-mail)
// and in the contact notice (messaging account and name). Kept here alone so
// the resource script and the program never disagree. UTF-8; the program's
// copy is compiled into code page 936.
#pragma once

#define QUORVEL_MAKER_EMAIL "quorvel@example.com"
#define QUORVEL_MAKER_IM_NUMBER "10000"
#define QUORVEL_MAKER_NAME "张三"
#define QUORVEL_MAKER_COPYRIGHT "版权所有 (C) " QUORVEL_MAKER_NAME
