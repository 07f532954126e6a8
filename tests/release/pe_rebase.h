// Moves a PE image (32- or 64-bit) to another base address in its file, the way a
// loader moves it in memory: every address the relocation table lists is
// shifted by the distance moved, and the header's image base is set to the
// new address. What the table fails to list still points at the old place.
#pragma once

#include <cstdint>
#include <vector>

namespace release {

struct Rebased {
    bool ok;
    std::uint64_t oldBase;
    int fixups;  // addresses shifted
};

Rebased RebaseImage(std::vector<std::uint8_t>& image, std::uint64_t newBase);

}  // namespace release
