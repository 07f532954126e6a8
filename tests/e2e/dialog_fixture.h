// Every test starts its own Quorvel.exe and drives its dialog; whatever the
// test leaves behind, the program is ended afterwards.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "dialog_facts.h"

namespace e2e {

class DialogTest : public ::testing::Test {
   protected:
    void SetUp() override;
    void TearDown() override;

    HWND Control(int id) const { return GetDlgItem(dialog_, id); }
    std::wstring TextOf(int id) const;

    // Replaces the box's text the way a user does: clear it, then type.
    void Retype(int id, const std::wstring& text) const;

    // Returns once the program has handled everything posted to it so far.
    // The marker is an edit box's "modified" flag, which typing sets, so the
    // marker box must be one that nothing was typed into.
    void Settle(int markerId = kIdResult) const;

    // A message box of the program with this caption, waiting for it.
    HWND WaitForBox(const wchar_t* caption) const;

    PROCESS_INFORMATION process_{};
    HWND dialog_ = nullptr;
};

}  // namespace e2e
