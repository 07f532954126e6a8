// ReadDecimal against the model, byte for byte, on the generated texts:
// the status, the 10 bytes stored, and on failure a destination left as it
// was. Every mode word without bit 7 is a store.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "core/decimal_reader.h"
#include "tests/reference/agreement_inputs.h"
#include "tests/reference/extended_mpfr.h"

namespace reference {
namespace {

// The calculator's mode, and other words with bit 7 clear: only that bit counts.
constexpr std::uint32_t kStoreModes[] = {kReadDecimalStore, 0, 0x7F, 0xFFFFFF7Fu};
constexpr int kReportedMismatches = 20;

// The slot ReadDecimal writes, with guard bytes behind it.
struct Slot {
    Extended value;
    std::uint8_t guard[6];
};

Slot Prefilled(std::size_t i)
{
    Slot slot;
    std::memset(&slot, (i % 2) == 0 ? 0xA5 : 0x5A, sizeof slot);
    return slot;
}

std::string Printable(const std::string& text)
{
    std::string shown = "\"";
    for (char c : text) {
        if (c >= 0x20 && c < 0x7F) {
            shown += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(c));
            shown += escaped;
        }
    }
    return shown + "\"";
}

std::string Outcome(bool accepted, const Extended& value)
{
    return accepted ? "success " + Describe(value) : std::string("failure");
}

TEST(reference_ReadDecimal, StoresWhatTheModelReads)
{
    const std::vector<std::string>& texts = AgreementTexts();
    int mismatches = 0, accepted = 0;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string& text = texts[i];
        const std::uint32_t mode = kStoreModes[i % std::size(kStoreModes)];
        const Slot before = Prefilled(i);
        Slot slot = before;
        const std::uint32_t status = ReadDecimal(text.c_str(), &slot.value, mode);
        const ModelReading model = ModelReadDecimal(BackendModel(), text.c_str());
        accepted += model.accepted;

        const bool statusAgrees = (status != 0) == model.accepted && (status == 0 || (status & 1));
        const bool valueAgrees =
            model.accepted ? slot.value == model.value : slot.value == before.value;
        const bool guardKept = std::memcmp(slot.guard, before.guard, sizeof slot.guard) == 0;
        if (statusAgrees && valueAgrees && guardKept) continue;
        if (++mismatches > kReportedMismatches) continue;
        ADD_FAILURE() << "text " << Printable(text) << " mode 0x" << std::hex << mode << std::dec
                      << ": library status " << status << " bytes " << Describe(slot.value)
                      << (guardKept ? "" : " (wrote past 10 bytes)") << "; model "
                      << Outcome(model.accepted, model.value);
    }
    std::cout << "[ " << BackendName() << " ] ReadDecimal: " << texts.size() << " texts ("
              << accepted << " accepted, " << texts.size() - static_cast<std::size_t>(accepted)
              << " refused), seed 0x" << std::hex << AgreementSeed() << std::dec << ", "
              << mismatches << " disagree\n";
    EXPECT_EQ(mismatches, 0);
}

TEST(reference_ReadDecimal, HandBackGivesWhatTheModelReads)
{
    const std::vector<std::string>& texts = AgreementTexts();
    int mismatches = 0;
    for (const std::string& text : texts) {
        const DecimalReading reading = ReadDecimalHandBack(text.c_str());
        const ModelReading model = ModelReadDecimal(BackendModel(), text.c_str());
        const bool agrees = (reading.status != 0) == model.accepted &&
                            (!model.accepted || reading.value == model.value);
        if (agrees) continue;
        if (++mismatches > kReportedMismatches) continue;
        ADD_FAILURE() << "text " << Printable(text) << ": library "
                      << Outcome(reading.status != 0, reading.value) << "; model "
                      << Outcome(model.accepted, model.value);
    }
    EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace reference
