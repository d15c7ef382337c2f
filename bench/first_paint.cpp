// first_paint TITLE COMMAND [ARGUMENT...]: starts COMMAND and prints the milliseconds from
// its start until the first drawing into its window named TITLE (the X damage extension
// reports it), then ends the program. Exit status 1 when no such window was drawn within
// 30 seconds.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double now_ms() {
    timespec time;
    clock_gettime(CLOCK_MONOTONIC, &time);
    return static_cast<double>(time.tv_sec) * 1000.0 + static_cast<double>(time.tv_nsec) / 1e6;
}

bool named(Display* display, Window window, const char* title) {
    char* name = nullptr;
    const bool same =
        XFetchName(display, window, &name) != 0 && name != nullptr && std::strcmp(name, title) == 0;
    if (name != nullptr) {
        XFree(name);
    }
    return same;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: first_paint TITLE COMMAND [ARGUMENT...]\n");
        return 2;
    }
    Display* const display = XOpenDisplay(nullptr);
    int damage_event = 0;
    int damage_error = 0;
    if (display == nullptr || !XDamageQueryExtension(display, &damage_event, &damage_error)) {
        std::fprintf(stderr, "first_paint: no X display with the damage extension\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = now_ms();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    double painted = -1;
    const int connection = ConnectionNumber(display);
    while (painted < 0 && now_ms() - start < 30000) {
        if (XPending(display) == 0) {
            pollfd wait = {connection, POLLIN, 0};
            poll(&wait, 1, 100);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && named(display, event.xmap.window, argv[1])) {
            XDamageCreate(display, event.xmap.window, XDamageReportNonEmpty);
        } else if (event.type == damage_event + XDamageNotify) {
            painted = now_ms() - start;
        }
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    if (painted < 0) {
        std::fprintf(stderr, "first_paint: no window \"%s\" drawn within 30 s\n", argv[1]);
        return 1;
    }
    std::printf("%.1f\n", painted);
    return 0;
}
