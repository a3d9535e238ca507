// Starts a program and measures the time from its exec until its first top-level window whose
// name begins with a given text is mapped on the X server, and until that window's first drawing
// reaches the server.
//
//   nuyobench_mapwatch [--timeout SECONDS] [--keep] NAME PROGRAM [ARGS...]
//
// Prints "<pid> <ms to the map> <ms to the first drawing>" on success. The watch on the root
// window is in place before the program starts, so no map is missed; each new top-level window is
// watched for drawing as soon as it is created, long before the program can draw into it (Qt
// draws only once the window is mapped and exposed). Without --keep the program is ended
// (SIGTERM, then SIGKILL after two seconds) and reaped before this tool exits.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double nowMs()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    xcb_intern_atom_reply_t *r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(r);
    return a;
}

std::string property(xcb_connection_t *c, xcb_window_t w, xcb_atom_t prop, xcb_atom_t type)
{
    xcb_get_property_reply_t *r = xcb_get_property_reply(c, xcb_get_property(c, 0, w, prop, type, 0, 1024), nullptr);
    std::string s;
    if (r && r->format == 8)
        s.assign(static_cast<const char *>(xcb_get_property_value(r)), xcb_get_property_value_length(r));
    std::free(r);
    return s;
}

// Ends the child: SIGTERM, and SIGKILL if it is still there after two seconds.
void endChild(pid_t pid)
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    const double deadline = nowMs() + 2000;
    while (nowMs() < deadline) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        usleep(20000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

} // namespace

int main(int argc, char *argv[])
{
    double timeoutS = 30;
    bool keep = false;
    int i = 1;
    for (; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--timeout") && i + 1 < argc)
            timeoutS = std::atof(argv[++i]);
        else if (!std::strcmp(argv[i], "--keep"))
            keep = true;
        else
            break;
    }
    if (argc - i < 2) {
        std::fprintf(stderr, "usage: %s [--timeout S] [--keep] NAME PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const std::string name = argv[i];
    char **command = argv + i + 1;

    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "mapwatch: cannot connect to the X server\n");
        return 1;
    }
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t netWmName = atom(c, "_NET_WM_NAME");
    const xcb_atom_t utf8 = atom(c, "UTF8_STRING");
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_void_cookie_t ck = xcb_change_window_attributes_checked(c, root, XCB_CW_EVENT_MASK, &mask);
    if (xcb_generic_error_t *e = xcb_request_check(c, ck)) {
        std::fprintf(stderr, "mapwatch: cannot watch the root window (error %d)\n", e->error_code);
        return 1;
    }

    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(c, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fprintf(stderr, "mapwatch: the X server has no DAMAGE extension\n");
        return 1;
    }
    std::free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr));
    const uint8_t damageNotify = damage->first_event + XCB_DAMAGE_NOTIFY;

    const double start = nowMs();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("mapwatch: fork");
        return 1;
    }
    if (pid == 0) {
        execvp(command[0], command);
        std::perror("mapwatch: exec");
        _exit(127);
    }

    const int fd = xcb_get_file_descriptor(c);
    double mappedAt = -1, drawnAt = -1;
    xcb_window_t shown = XCB_WINDOW_NONE;
    std::map<xcb_window_t, double> firstDrawing; // of each top-level window drawn so far
    while (drawnAt < 0) {
        const double left = start + timeoutS * 1000 - nowMs();
        if (left <= 0)
            break;
        int status;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "mapwatch: the program ended before its window showed\n");
            return 1;
        }
        xcb_generic_event_t *ev = xcb_poll_for_event(c);
        if (!ev) {
            if (xcb_connection_has_error(c))
                break;
            pollfd p{fd, POLLIN, 0};
            // Wake at least every 100 ms to notice a program that died.
            poll(&p, 1, left < 100 ? int(left) + 1 : 100);
            continue;
        }
        const double t = nowMs();
        const uint8_t type = ev->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const xcb_window_t w = reinterpret_cast<xcb_create_notify_event_t *>(ev)->window;
            xcb_damage_create(c, xcb_generate_id(c), w, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(c);
        } else if (type == damageNotify) {
            const xcb_window_t w = reinterpret_cast<xcb_damage_notify_event_t *>(ev)->drawable;
            firstDrawing.emplace(w, t);
            if (w == shown)
                drawnAt = t;
        } else if (type == XCB_MAP_NOTIFY && mappedAt < 0) {
            auto *m = reinterpret_cast<xcb_map_notify_event_t *>(ev);
            std::string title = property(c, m->window, netWmName, utf8);
            if (title.empty())
                title = property(c, m->window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING);
            if (title.compare(0, name.size(), name) == 0) {
                mappedAt = t;
                shown = m->window;
                const auto it = firstDrawing.find(shown);
                if (it != firstDrawing.end())
                    drawnAt = it->second;
            }
        }
        std::free(ev);
    }
    xcb_disconnect(c);

    if (drawnAt < 0) {
        if (mappedAt < 0)
            std::fprintf(stderr, "mapwatch: no window named \"%s\" within %.0f s\n", name.c_str(), timeoutS);
        else
            std::fprintf(stderr, "mapwatch: the window \"%s\" was not drawn within %.0f s\n", name.c_str(), timeoutS);
        endChild(pid);
        return 1;
    }
    std::printf("%d %.1f %.1f\n", int(pid), mappedAt - start, drawnAt - start);
    std::fflush(stdout);
    if (!keep)
        endChild(pid);
    return 0;
}
