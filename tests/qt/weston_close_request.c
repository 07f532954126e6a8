/* A weston module for the Wayland test: on SIGUSR2 the compositor asks every
 * desktop window to close (xdg_toplevel.close), as a desktop's close button,
 * task switcher or Alt+F4 does. The headless backend has no seat, so the
 * test has no pointer to press the title bar's own close button with.
 * Usage: weston --modules=/path/to/weston_close_request.so ...
 * then: kill -USR2 <weston's pid> */
#include <libweston-desktop/libweston-desktop.h>
#include <libweston/libweston.h>
#include <signal.h>

static int CloseEveryDesktopWindow(int signal_number, void* data)
{
    struct weston_compositor* compositor = data;
    struct weston_view* view;
    (void)signal_number;
    wl_list_for_each(view, &compositor->view_list, link)
    {
        if (weston_surface_is_desktop_surface(view->surface))
            weston_desktop_surface_close(weston_surface_get_desktop_surface(view->surface));
    }
    return 0;
}

WL_EXPORT int wet_module_init(struct weston_compositor* compositor, int* argc, char* argv[])
{
    (void)argc;
    (void)argv;
    struct wl_event_loop* loop = wl_display_get_event_loop(compositor->wl_display);
    return wl_event_loop_add_signal(loop, SIGUSR2, CloseEveryDesktopWindow, compositor) ? 0 : -1;
}
