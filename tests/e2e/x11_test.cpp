// The dialog on the X display, driven with real input events from xdotool
// and photographed with ImageMagick, as a person at the screen would see it.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "control_io.h"
#include "dialog_facts.h"
#include "dialog_fixture.h"
#include "host_command.h"
#include "message_box_view.h"
#include "quorvel_process.h"
#include "timing.h"

namespace e2e {
namespace {

class X11Test : public DialogTest {
   protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        // Wine names the X window behind each top-level window in this property.
        const auto window =
            reinterpret_cast<uintptr_t>(GetPropW(dialog_, L"__wine_x11_whole_window"));
        ASSERT_NE(window, 0u) << "the dialog has no X window (is DISPLAY set?)";
        xWindow_ = std::to_string(window);
        // The window may be shown to Windows before the X server maps it.
        const HostResult mapped = RunOnHost(
            {"sh", "-c", "until xwininfo -id \"$0\" | grep -q IsViewable; do sleep 0.05; done",
             xWindow_},
            kStartTimeoutMs);
        ASSERT_TRUE(mapped.finished && mapped.status == 0) << mapped.output;
    }

    // xdotool arguments that move the pointer to the middle of a control.
    // Without --sync, which waits for a movement that never comes when the
    // pointer is already there; the events that follow go out on the same
    // connection, so the X server handles them after the move anyway.
    std::vector<std::string> PointAt(int id) const
    {
        RECT r{};
        GetWindowRect(Control(id), &r);
        return {"mousemove", std::to_string((r.left + r.right) / 2),
                std::to_string((r.top + r.bottom) / 2)};
    }

    void RunXdotool(std::vector<std::string> arguments) const
    {
        arguments.insert(arguments.begin(), "xdotool");
        const HostResult run = RunOnHost(arguments);
        ASSERT_TRUE(run.finished && run.status == 0) << "xdotool: " << run.output;
    }

    // Real keystrokes are read from the X server by the program in its own
    // time, so the outcome is waited for.
    bool WaitForText(int id, const std::wstring& text) const
    {
        return PollUntil(kReplyTimeoutMs, [&] { return TextOf(id) == text; });
    }

    std::string xWindow_;
};

TEST_F(X11Test, TypingIntoWidthAndPressingReturnRecalculates)
{
    SetText(Control(kIdHeight), L"1440");
    SetText(Control(kIdDiagonal), L"27");
    std::vector<std::string> keys = PointAt(kIdWidth);
    for (const char* key : {"click", "1", "key", "End", "BackSpace", "BackSpace", "BackSpace",
                            "BackSpace", "2", "5", "6", "0", "Return"})
        keys.push_back(key);
    RunXdotool(keys);
    EXPECT_TRUE(WaitForText(kIdResult, L"109"))
        << "result: " << ::testing::PrintToString(TextOf(kIdResult));
    EXPECT_EQ(TextOf(kIdWidth), L"2560");
    EXPECT_EQ(TextOf(kIdHeight), L"1440");
}

TEST_F(X11Test, ClickOnContactLineOpensContactNotice)
{
    std::vector<std::string> click = PointAt(kIdContact);
    click.insert(click.end(), {"click", "1"});
    RunXdotool(click);
    HWND box = WaitForBox(kContactCaption);
    ASSERT_NE(box, nullptr) << "no box \"你好\" appeared";
    EXPECT_TRUE(DismissBox(box));
}

TEST_F(X11Test, AltF4EndsTheProgramWithExitCodeZero)
{
    std::vector<std::string> keys = PointAt(kIdDiagonal);
    keys.insert(keys.end(), {"click", "1", "key", "alt+F4"});
    RunXdotool(keys);
    EXPECT_EQ(WaitForExit(process_.hProcess, kReplyTimeoutMs), 0u);
}

TEST_F(X11Test, ScreenshotShowsTheDialog)
{
    const std::string png = QUORVEL_SCREENSHOT;
    RunOnHost({"rm", "-f", png});
    // Let the dialog finish painting before it is photographed.
    RedrawWindow(dialog_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const HostResult shot = RunOnHost({"import", "-window", xWindow_, png});
    ASSERT_TRUE(shot.finished && shot.status == 0) << "import: " << shot.output;
    const HostResult colours = RunOnHost({"identify", "-format", "%k %w %h", png});
    ASSERT_TRUE(colours.finished && colours.status == 0) << "identify: " << colours.output;
    int count = 0, width = 0, height = 0;
    ASSERT_EQ(std::sscanf(colours.output.c_str(), "%d %d %d", &count, &width, &height), 3)
        << colours.output;
    EXPECT_GT(count, 2) << "a blank picture";
    RECT r{};
    GetWindowRect(dialog_, &r);
    EXPECT_EQ(width, r.right - r.left);
    EXPECT_EQ(height, r.bottom - r.top);
}

}  // namespace
}  // namespace e2e
