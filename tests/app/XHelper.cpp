// Small X11 chores for the window tests that xdotool and xclip do not do:
//   x11-helper close WINDOW       asks a window to close, as a window manager would
//   x11-helper wait-window NAME   waits until a window named NAME is mapped
//   x11-helper hang-clipboard     owns the clipboard and never answers a request;
//                                 prints its process id once it owns it
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

int Close(Display* display, Window window)
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
    return 0;
}

bool IsMappedWindowNamed(Display* display, Window window, const char* name)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return false;
    char* windowName = nullptr;
    const bool match = XFetchName(display, window, &windowName) && windowName && std::strcmp(windowName, name) == 0;
    if (windowName)
        XFree(windowName);
    return match;
}

bool FindMapped(Display* display, Window parent, const char* name, int depth)
{
    Window root, grandparent, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, parent, &root, &grandparent, &children, &count))
        return false;
    bool found = false;
    for (unsigned i = 0; i < count && !found; ++i)
        found = IsMappedWindowNamed(display, children[i], name) ||
                (depth > 0 && FindMapped(display, children[i], name, depth - 1));
    if (children)
        XFree(children);
    return found;
}

// Polls every 2 ms: fine enough to time a program's start to its window on screen.
int WaitWindow(Display* display, const char* name)
{
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; }); // windows come and go meanwhile
    while (!FindMapped(display, DefaultRootWindow(display), name, 2))
        usleep(2000);
    return 0;
}

int HangClipboard(Display* display)
{
    const Window owner = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(display, XInternAtom(display, "CLIPBOARD", False), owner, CurrentTime);
    XSync(display, False);
    std::printf("%d\n", static_cast<int>(getpid()));
    std::fflush(stdout);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event); // every request is read and left unanswered
    }
}

} // namespace

int main(int argc, char** argv)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "x11-helper: no display\n");
        return 2;
    }
    if (argc == 3 && std::strcmp(argv[1], "close") == 0)
        return Close(display, static_cast<Window>(std::strtoul(argv[2], nullptr, 0)));
    if (argc == 3 && std::strcmp(argv[1], "wait-window") == 0)
        return WaitWindow(display, argv[2]);
    if (argc == 2 && std::strcmp(argv[1], "hang-clipboard") == 0)
        return HangClipboard(display);
    std::fprintf(stderr, "usage: x11-helper close WINDOW | wait-window NAME | hang-clipboard\n");
    return 2;
}
