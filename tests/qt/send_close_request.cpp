// Finds a top-level window by its caption and sends it WM_DELETE_WINDOW, the
// close request a window manager sends for the title bar's close button or
// Alt+F4. Waits up to ten seconds for the window to appear.
// Usage: send_close_request CAPTION   (DISPLAY names the X server)
#include <unistd.h>

#include <cstdio>

#include "tests/support/x11_window.h"

namespace {

constexpr int kAttempts = 100;
constexpr useconds_t kPause = 100000;  // 0.1 s

Window FindByCaption(Display* display, Window parent, const char* caption)
{
    Window root, grandparent, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, parent, &root, &grandparent, &children, &count)) return 0;
    Window found = 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) &&
            attributes.map_state == IsViewable && x11::HasCaption(display, children[i], caption))
            found = children[i];
        else
            found = FindByCaption(display, children[i], caption);
    }
    if (children) XFree(children);
    return found;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: send_close_request CAPTION\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "send_close_request: cannot open the display\n");
        return 2;
    }
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (const Window window = FindByCaption(display, DefaultRootWindow(display), argv[1])) {
            x11::SendCloseRequest(display, window);
            XCloseDisplay(display);
            return 0;
        }
        usleep(kPause);
    }
    std::fprintf(stderr, "send_close_request: no window captioned \"%s\"\n", argv[1]);
    XCloseDisplay(display);
    return 1;
}
