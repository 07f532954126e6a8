// Resource and control ids of the calculator window.
#pragma once

// Dialog template and icon.
#define IDD_MAIN 101
#define IDI_APP 102

// Controls of IDD_MAIN.
#define IDC_TIMES 102
#define IDC_LABEL_PPI 103
#define IDC_HEIGHT 104
#define IDC_LABEL_RESOLUTION 105
#define IDC_WIDTH 106
#define IDC_CALCULATE 107
#define IDC_RESULT 108
#define IDC_LABEL_SIZE 109
#define IDC_ABOUT 110
#define IDC_CONTACT 111
#define IDC_DIAGONAL 112

// The version block and the manifest.
#define IDV_VERSION 1
#define IDM_MANIFEST 1
