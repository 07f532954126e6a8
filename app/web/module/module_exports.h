// What the WebAssembly module exports to the page's script. The page writes
// each box's text as UTF-16 into the module's buffers, asks for the calculate
// command, and shows the UTF-8 text the module hands back.
#pragma once

extern "C" {

enum { kWidthBox = 0, kHeightBox = 1, kDiagonalBox = 2 };

// The buffer for one box's text, BoxCapacity() UTF-16 units long.
char16_t* BoxBuffer(int box);
int BoxCapacity();

// Runs the calculate command on the first lengths of the three buffers and
// returns the byte length of the result box's new text (UTF-8, at ResultText()).
int Calculate(int widthLength, int heightLength, int diagonalLength);
const char* ResultText();

}  // extern "C"
