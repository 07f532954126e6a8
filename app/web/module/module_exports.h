// What the WebAssembly module exports to the page's script. The page writes
// each input box's text as UTF-16 into the module's buffer for that box,
// asks for the calculate command, and shows the UTF-8 text the module hands
// back. A box's number is its place among the dialog description's boxes
// (BoxNumberOf), which the page's markup writes on each input box.
#pragma once

extern "C" {

// The buffer for one box's text, BoxCapacity() UTF-16 units long.
char16_t* BoxBuffer(int box);
int BoxCapacity();

// Runs the calculate command on the first units of the input boxes' buffers,
// each length given at its box's number, and returns the byte length of the
// result box's new text (UTF-8, at ResultText()).
int Calculate(int length0, int length1, int length2);
const char* ResultText();

}  // extern "C"
