#include "dialog_fixture.h"

#include "control_io.h"
#include "dialog_facts.h"
#include "quorvel_process.h"
#include "timing.h"

namespace e2e {

void DialogTest::SetUp()
{
    process_ = StartQuorvel();
    ASSERT_NE(process_.hProcess, nullptr) << "Quorvel.exe did not start: " << QUORVEL_EXE;
    dialog_ = WaitForWindowOf(process_.dwProcessId, kDialogClass, kDialogCaption, kStartTimeoutMs);
    ASSERT_NE(dialog_, nullptr) << "no dialog \"Quorvel\" appeared";
}

void DialogTest::TearDown()
{
    EndQuorvel(process_, dialog_);
}

std::wstring DialogTest::TextOf(int id) const
{
    return ReadText(Control(id));
}

void DialogTest::Retype(int id, const std::wstring& text) const
{
    SetText(Control(id), L"");
    PostTyping(Control(id), text);
}

void DialogTest::Settle(int markerId) const
{
    ASSERT_TRUE(WaitUntilPostedHandled(Control(markerId))) << "the dialog stopped answering";
}

HWND DialogTest::WaitForBox(const wchar_t* caption) const
{
    return WaitForWindowOf(process_.dwProcessId, kDialogClass, caption, kReplyTimeoutMs);
}

}  // namespace e2e
