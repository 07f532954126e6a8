// What the running calculator must show and the ids an automation tool
// addresses, written down by hand. Nothing here comes from the program's own
// headers: a test that compared the program with a copy of itself would
// prove nothing.
#ifndef QUORVEL_TESTS_E2E_DIALOG_FACTS_H
#define QUORVEL_TESTS_E2E_DIALOG_FACTS_H

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
constexpr const wchar_t* kAboutCaption = L"关于";
constexpr const wchar_t* kContactCaption = L"你好";
constexpr const wchar_t* kInputError = L"输入错误";

// The three input boxes take at most this many characters.
constexpr int kInputLimit = 4;

// The About text, one entry per row as the box shows it.
constexpr const wchar_t* kAboutLines[] = {
    L"Quorvel 1.0",
    L"",
    L"PPI=Pixels Per Inch。指每英寸所拥有的像素(Pixel)数目。",
    L"PPI数值越高，代表显示屏能够以越高的密度显示图像。如：",
    L"iPhone 5S：326",
    L"HTC One：469",
    L"iPad mini2：324",
};

// The fixed rows of the contact notice; an eighth row, the maker's
// instant-messaging number with the maker's name in parentheses, follows.
constexpr const wchar_t* kContactFixedLines[] = {
    L"对外承接：",
    L"",
    L"① 电脑软件和苹果安卓系统手机软件的开发。",
    L"② AVR单片机软硬件的开发。",
    L"③ PLC,HMI工业控制系统的软硬件设计。",
    L"",
    L"联系：",
};

}  // namespace e2e

#endif
