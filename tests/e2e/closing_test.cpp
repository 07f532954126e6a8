// What closes the dialog and what does not: Esc and the dialog manager's
// OK and Cancel commands leave it open and calculate nothing; a close request
// ends the program with exit code 0.
#include <ostream>

#include "control_io.h"
#include "dialog_facts.h"
#include "dialog_fixture.h"
#include "quorvel_process.h"
#include "timing.h"

namespace e2e {
namespace {

using ClosingTest = DialogTest;

enum class Action { EscapeKey, CancelCommand, OkCommand };

struct Ignored {
    Action action;
    const char* name;
};

constexpr Ignored kIgnored[] = {
    {Action::EscapeKey, "Esc in the width box"},
    {Action::CancelCommand, "IDCANCEL"},
    {Action::OkCommand, "IDOK"},
};

TEST_F(ClosingTest, EscAndDialogCommandsLeaveItOpenAndCalculateNothing)
{
    for (const Ignored& ignored : kIgnored) {
        SCOPED_TRACE(ignored.name);
        Retype(kIdWidth, L"2560");
        Retype(kIdHeight, L"1440");
        Retype(kIdDiagonal, L"27");
        switch (ignored.action) {
            case Action::EscapeKey:
                PostKey(Control(kIdWidth), VK_ESCAPE);
                break;
            case Action::CancelCommand:
                PostCommand(dialog_, IDCANCEL);
                break;
            case Action::OkCommand:
                PostCommand(dialog_, IDOK);
                break;
        }
        Settle();
        EXPECT_TRUE(IsWindowVisible(dialog_));
        EXPECT_EQ(WaitForSingleObject(process_.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));
        EXPECT_EQ(TextOf(kIdResult), L"102");
    }
}

struct Close {
    UINT message;
    WPARAM wParam;
    const char* name;
};

void PrintTo(const Close& close, std::ostream* out)
{
    *out << close.name;
}

constexpr Close kCloses[] = {
    {WM_CLOSE, 0, "WM_CLOSE"},
    {WM_SYSCOMMAND, SC_CLOSE, "SC_CLOSE"},  // system menu, Alt+F4, caption button
};

class CloseRequestTest : public DialogTest, public ::testing::WithParamInterface<Close> {};

TEST_P(CloseRequestTest, EndsTheProgramWithExitCodeZero)
{
    PostMessageW(dialog_, GetParam().message, GetParam().wParam, 0);
    EXPECT_EQ(WaitForExit(process_.hProcess, kReplyTimeoutMs), 0u);
}

INSTANTIATE_TEST_SUITE_P(Requests, CloseRequestTest, ::testing::ValuesIn(kCloses),
                         [](const ::testing::TestParamInfo<Close>& close) {
                             return close.param.name;
                         });

}  // namespace
}  // namespace e2e
