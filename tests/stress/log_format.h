// The stress log, one line per calculation, written by the driver under Wine
// and read by the checker on Linux:
//
//   <case> <trigger> <entry> <width> <height> <diagonal> <shown>
//
// width and height are the unsigned values GetDlgItemInt reads from the
// boxes; diagonal is the first 9 characters of the diagonal box, as UTF-8,
// and shown the result box's text, as code page 936, both in lower-case hex,
// or "-" when empty. Hex keeps spaces, tabs and
// bytes above 0x7F in a line that splits on single spaces. Lines that begin
// with '#' are comments.
#pragma once

namespace stress {

constexpr char kEmptyField[] = "-";
constexpr char kCommentMark = '#';
constexpr char kLogHeader[] =
    "# case trigger entry width height diagonal(hex, utf-8) shown(hex, cp936)";

}  // namespace stress
