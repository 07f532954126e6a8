// Finds a top-level window by its caption and sends it WM_DELETE_WINDOW, the
// close request a window manager sends for the title bar's close button or
// Alt+F4. Waits up to ten seconds for the window to appear.
// Usage: send_close_request CAPTION   (DISPLAY names the X server)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr int kAttempts = 100;
constexpr useconds_t kPause = 100000;  // 0.1 s

// The window's _NET_WM_NAME (UTF-8), or its WM_NAME.
bool HasCaption(Display* display, Window window, const char* caption)
{
    XTextProperty name;
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    if (!XGetTextProperty(display, window, &name, netName) &&
        !XGetTextProperty(display, window, &name, XA_WM_NAME))
        return false;
    const bool same = name.value && std::strcmp(reinterpret_cast<char*>(name.value), caption) == 0;
    XFree(name.value);
    return same;
}

Window FindByCaption(Display* display, Window parent, const char* caption)
{
    Window root, grandparent, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, parent, &root, &grandparent, &children, &count)) return 0;
    Window found = 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) &&
            attributes.map_state == IsViewable && HasCaption(display, children[i], caption))
            found = children[i];
        else
            found = FindByCaption(display, children[i], caption);
    }
    if (children) XFree(children);
    return found;
}

void SendDeleteWindow(Display* display, Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
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
            SendDeleteWindow(display, window);
            XCloseDisplay(display);
            return 0;
        }
        usleep(kPause);
    }
    std::fprintf(stderr, "send_close_request: no window captioned \"%s\"\n", argv[1]);
    XCloseDisplay(display);
    return 1;
}
