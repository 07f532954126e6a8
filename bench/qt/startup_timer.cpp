// Start-up of the Linux program against its floors, in turns on one X
// server: from fork to the map of the window captioned "Quorvel" (the
// program fills in 102 before it shows its window), then a close request
// and the exit code. Prints "quorvel MICROSECONDS", "empty MICROSECONDS"
// (the empty window) and "template MICROSECONDS" (the window with the
// template's controls and texts) per run.
// Usage: startup_timer RUNS QUORVEL EMPTY TEMPLATE   (DISPLAY names the X server)
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "tests/support/x11_window.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr char kCaption[] = "Quorvel";

pid_t Launch(const char* program)
{
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

// Waits for the captioned top-level window to be mapped; 0 if it never is.
Window WaitForMap(Display* display)
{
    const auto deadline = Clock::now() + std::chrono::seconds(30);
    while (Clock::now() < deadline) {
        XEvent event;
        if (!XPending(display)) {
            usleep(200);
            continue;
        }
        XNextEvent(display, &event);
        if (event.type == MapNotify && x11::HasCaption(display, event.xmap.window, kCaption))
            return event.xmap.window;
    }
    return 0;
}

// Microseconds from launch to map, or -1 if the run failed.
long TimeOne(Display* display, const char* program)
{
    XSync(display, True);  // drop old events
    const auto start = Clock::now();
    const pid_t pid = Launch(program);
    const Window window = WaitForMap(display);
    const auto mapped = Clock::now();
    if (window)
        x11::SendCloseRequest(display, window);
    else
        kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!window || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::microseconds>(mapped - start).count());
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: startup_timer RUNS QUORVEL EMPTY TEMPLATE\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 2;
    // Qt's windows are children of the root while no window manager runs.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    const int runs = std::atoi(argv[1]);
    const struct {
        const char* name;
        const char* program;
    } programs[] = {{"quorvel", argv[2]}, {"empty", argv[3]}, {"template", argv[4]}};
    for (int run = 0; run < runs; ++run) {
        // Each run starts one later in the list, so that none always follows
        // the same one.
        for (std::size_t turn = 0; turn < std::size(programs); ++turn) {
            const auto& p = programs[(static_cast<std::size_t>(run) + turn) % std::size(programs)];
            const long microseconds = TimeOne(display, p.program);
            if (microseconds < 0) {
                std::fprintf(stderr, "startup_timer: %s did not open and close cleanly\n", p.name);
                return 1;
            }
            std::printf("%s %ld\n", p.name, microseconds);
            std::fflush(stdout);
        }
    }
    XCloseDisplay(display);
    return 0;
}
