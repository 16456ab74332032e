// Measures a program's start-up as its user meets it: from the start of the
// process to the first frame on the screen, then to its end after the window
// is closed as the close box closes it (WM_DELETE_WINDOW), and its peak
// memory. Runs on a display without a window manager, so the program's window
// is a child of the root window and its mapping can be watched there.
//
// usage: startup_probe RUNS PROGRAM
// prints one line per run: frame_ms exit_ms peak_rss_kib

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Painted once the middle row of the window holds anything but black: an
// unpainted window on Xvfb is black, and every measured window paints some
// light or coloured pixels across its middle.
bool painted(Display *display, Window window) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return false;
    XImage *row = XGetImage(display, window, 0, attributes.height / 2, attributes.width, 1,
                            AllPlanes, ZPixmap);
    if (!row)
        return false;
    bool any = false;
    for (int x = 0; x < attributes.width && !any; ++x)
        any = (XGetPixel(row, x, 0) & 0xFFFFFF) != 0;
    XDestroyImage(row);
    return any;
}

// The window may go away between two looks at it; that is no reason to stop.
int ignoreErrors(Display *, XErrorEvent *) {
    return 0;
}

bool measure(const char *program, Display *display) {
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, True);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }

    Window window = 0;
    double frame = -1;
    while (frame < 0) {
        if (millisecondsSince(start) > 30000) {
            std::fprintf(stderr, "%s showed no frame within 30 s\n", program);
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
            return false;
        }
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect && !window)
                window = event.xmap.window;
        }
        if (window && painted(display, window))
            frame = millisecondsSince(start);
        else
            std::this_thread::sleep_for(std::chrono::microseconds(500));
    }

    XEvent close{};
    close.xclient.type = ClientMessage;
    close.xclient.window = window;
    close.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    close.xclient.format = 32;
    close.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    close.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &close);
    XFlush(display);

    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const double end = millisecondsSince(start);
    XSelectInput(display, root, NoEventMask);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s ended with status %d\n", program, status);
        return false;
    }
    std::printf("%.1f %.1f %ld\n", frame, end, usage.ru_maxrss);
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: startup_probe RUNS PROGRAM\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    XSetErrorHandler(ignoreErrors);
    const int runs = std::atoi(argv[1]);
    for (int i = 0; i < runs; ++i)
        if (!measure(argv[2], display))
            return 1;
    XCloseDisplay(display);
    return 0;
}
