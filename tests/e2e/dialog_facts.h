// What the running calculator must show and the ids an automation tool
// addresses. The ids are written down by hand, as a tool's script would hold
// them; the texts are the ones the program is built to show, written once in
// res/texts.h (UTF-8) and made UTF-16 here by the compiler.
#pragma once

#include "app/dialog_description.h"
#include "res/texts.h"

namespace e2e {

constexpr int kIdTimes = 102;
constexpr int kIdLabelPpi = 103;
constexpr int kIdHeight = 104;
constexpr int kIdLabelResolution = 105;
constexpr int kIdWidth = 106;
constexpr int kIdCalculate = 107;
constexpr int kIdResult = 108;
constexpr int kIdLabelSize = 109;
constexpr int kIdAbout = 110;
constexpr int kIdContact = 111;
constexpr int kIdDiagonal = 112;

constexpr const wchar_t* kDialogCaption = L"Quorvel";
constexpr const wchar_t* kDialogClass = L"#32770";
constexpr const wchar_t* kContactCaption = L"" QUORVEL_CONTACT_CAPTION;
constexpr const wchar_t* kInputError = L"" QUORVEL_INPUT_ERROR_TEXT;

}  // namespace e2e
