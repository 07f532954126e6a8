// Counting disagreements between the model and its reference, keeping the
// first few as readable hex for the failure message.
#pragma once

#include <cinttypes>
#include <cstdio>
#include <string>

#include "core/extended.h"

namespace mismatch {

inline std::string Hex(const Extended& x)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04X:%016" PRIX64, SignAndExponentOf(x), SignificandOf(x));
    return text;
}

struct Log {
    long count = 0;
    std::string examples;

    void Record(const std::string& inputs, const std::string& got, const std::string& expected)
    {
        if (++count <= 8)
            examples += "  " + inputs + " -> " + got + ", expected " + expected + "\n";
    }
};

}  // namespace mismatch
