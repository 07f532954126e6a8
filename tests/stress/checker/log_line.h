// One line of the stress log (see log_format.h), as the checker reads it.
#pragma once

#include <cstdint>
#include <string>

namespace stress {

struct LoggedCase {
    std::string label;  // case number, trigger and entry, for the report
    std::uint32_t width;
    std::uint32_t height;
    std::string diagonal;  // UTF-8
    std::string shown;     // code page 936 bytes
};

// False if the line is not a well-formed case line.
bool ParseLogLine(const std::string& line, LoggedCase* logged);

// Bytes as C-style text: printable ASCII as is, everything else as \xNN.
std::string Escaped(const std::string& bytes);

}  // namespace stress
