#include "case_log.h"

#include <string>

#include "../e2e/host_command.h"
#include "log_format.h"

namespace stress {
namespace {

std::string HexOf(const std::string& bytes)
{
    if (bytes.empty()) return kEmptyField;
    static constexpr char kHexDigits[] = "0123456789abcdef";
    std::string hex;
    for (char c : bytes) {
        const unsigned char byte = static_cast<unsigned char>(c);
        hex += kHexDigits[byte >> 4];
        hex += kHexDigits[byte & 0xF];
    }
    return hex;
}

}  // namespace

std::FILE* OpenLog(const char* hostPath)
{
    const std::wstring path = e2e::DosPathOf(hostPath);
    std::FILE* log = path.empty() ? nullptr : _wfopen(path.c_str(), L"wb");
    if (log) std::fprintf(log, "%s\n", kLogHeader);
    return log;
}

void WriteCase(std::FILE* log, int index, const StressCase& c, const Observation& seen)
{
    std::fprintf(log, "%d %s %s %u %u %s %s\n", index, NameOf(c.trigger), NameOf(c.entry),
                 seen.width, seen.height, HexOf(seen.diagonal).c_str(), HexOf(seen.shown).c_str());
}

}  // namespace stress
