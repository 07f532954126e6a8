// A top-level X window's caption, and the close request a window manager
// sends for the title bar's close button or Alt+F4 (WM_DELETE_WINDOW). Shared
// by the Linux window's close tests and its start-up timer.
#pragma once

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstring>

namespace x11 {

// Whether the window's WM_NAME, or its _NET_WM_NAME (UTF-8), is `caption`.
// WM_NAME first: it needs no atom looked up, which keeps the timer's path short.
inline bool HasCaption(Display* display, Window window, const char* caption)
{
    XTextProperty name;
    if (!XGetTextProperty(display, window, &name, XA_WM_NAME) &&
        !XGetTextProperty(display, window, &name, XInternAtom(display, "_NET_WM_NAME", False)))
        return false;
    const bool same = name.value && std::strcmp(reinterpret_cast<char*>(name.value), caption) == 0;
    XFree(name.value);
    return same;
}

inline void SendCloseRequest(Display* display, Window window)
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

}  // namespace x11
