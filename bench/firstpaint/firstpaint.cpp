// Starts a program and reports, from outside it, how long its top-level window
// took to be mapped and painted, its peak resident memory and the processor
// time it used.
//
// The window is told apart by _NET_WM_PID; "painted" is the first DAMAGE
// report on it, i.e. the first pixels the program put into its window. The
// program itself carries no timing code.

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <set>
#include <string>

extern char **environ;

namespace
{

double nowMs()
{
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

[[noreturn]] void fail(const std::string &message)
{
    std::fprintf(stderr, "firstpaint: %s\n", message.c_str());
    std::exit(2);
}

void usage()
{
    std::fprintf(stderr,
        "usage: firstpaint [--idle MS] [--timeout MS] -- PROGRAM [ARG...]\n"
        "Prints: map_ms first_paint_ms last_paint_ms peak_rss_kib cpu_ms\n"
        "  map_ms          exec to MapNotify of the program's top-level window\n"
        "  first_paint_ms  exec to the first drawing into that window\n"
        "  last_paint_ms   exec to the last drawing before MS (300) of quiet\n"
        "  peak_rss_kib    VmHWM read after the quiet time, before SIGTERM\n"
        "  cpu_ms          processor time the program used in all, user and system\n");
    std::exit(2);
}

// VmHWM of /proc/<pid>/status, in KiB.
std::optional<long> peakRssKib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return std::nullopt;
}

double cpuMs(const rusage &usage)
{
    auto ms = [](timeval t) {
        return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Ends the program and returns the processor time all its threads used, in ms.
double stopProgram(pid_t pid)
{
    kill(pid, SIGTERM);
    rusage usage {};
    const double deadline = nowMs() + 2000;
    while (nowMs() < deadline) {
        if (wait4(pid, nullptr, WNOHANG, &usage) == pid)
            return cpuMs(usage);
        usleep(5000);
    }
    kill(pid, SIGKILL);
    wait4(pid, nullptr, 0, &usage);
    return cpuMs(usage);
}

class Display
{
public:
    Display()
    {
        m_connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_connection))
            fail("cannot open the display (is DISPLAY set?)");
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    }
    ~Display() { xcb_disconnect(m_connection); }
    Display(const Display &) = delete;
    Display &operator=(const Display &) = delete;

    xcb_connection_t *connection() const { return m_connection; }
    xcb_window_t root() const { return m_root; }

    xcb_atom_t atom(const char *name) const
    {
        const auto cookie = xcb_intern_atom(m_connection, 0, uint16_t(std::strlen(name)), name);
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(m_connection, cookie, nullptr);
        if (!reply)
            fail(std::string("cannot intern ") + name);
        const xcb_atom_t result = reply->atom;
        std::free(reply);
        return result;
    }

    // The first 32-bit value of a property, if the window has it.
    std::optional<uint32_t> cardinal(xcb_window_t window, xcb_atom_t property, xcb_atom_t type) const
    {
        const auto cookie = xcb_get_property(m_connection, 0, window, property, type, 0, 1);
        xcb_get_property_reply_t *reply = xcb_get_property_reply(m_connection, cookie, nullptr);
        std::optional<uint32_t> result;
        if (reply && reply->format == 32 && xcb_get_property_value_length(reply) >= 4)
            result = *static_cast<const uint32_t *>(xcb_get_property_value(reply));
        std::free(reply);
        return result;
    }

    bool isMapped(xcb_window_t window) const
    {
        const auto cookie = xcb_get_window_attributes(m_connection, window);
        xcb_get_window_attributes_reply_t *reply =
            xcb_get_window_attributes_reply(m_connection, cookie, nullptr);
        const bool mapped = reply && reply->map_state != XCB_MAP_STATE_UNMAPPED;
        std::free(reply);
        return mapped;
    }

    void selectInput(xcb_window_t window, uint32_t mask) const
    {
        xcb_change_window_attributes(m_connection, window, XCB_CW_EVENT_MASK, &mask);
    }

    // A round trip: everything asked so far has reached the server.
    void sync() const
    {
        std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    }

    // The DAMAGE extension's first event code; the extension must be there.
    uint8_t initDamage() const
    {
        const xcb_query_extension_reply_t *extension = xcb_get_extension_data(m_connection, &xcb_damage_id);
        if (!extension || !extension->present)
            fail("the X server has no DAMAGE extension");
        std::free(xcb_damage_query_version_reply(m_connection,
            xcb_damage_query_version(m_connection, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
            nullptr));
        return extension->first_event;
    }

private:
    xcb_connection_t *m_connection;
    xcb_window_t m_root;
};

struct Measure {
    double mapMs = -1;
    double firstPaintMs = -1;
    double lastPaintMs = -1;
    long peakRssKib = -1;
    double cpuMs = -1;
};

// One run: the program started, its top-level windows watched from their
// creation, and the times of its window's map and paints.
class Launch
{
public:
    explicit Launch(char **argv)
        : m_argv(argv)
        , m_damageEvent(m_display.initDamage() + XCB_DAMAGE_NOTIFY)
        , m_wmPid(m_display.atom("_NET_WM_PID"))
    {
        // Every new top-level window is reported here, before it can be mapped.
        m_display.selectInput(m_display.root(), XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY);
        m_display.sync();
        spawn();
    }

    Measure measure(double idleMs, double timeoutMs)
    {
        const double deadline = m_start + timeoutMs;
        pollfd fd {xcb_get_file_descriptor(m_display.connection()), POLLIN, 0};
        for (;;) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(m_display.connection())) {
                handle(event, nowMs());
                std::free(event);
            }
            if (xcb_connection_has_error(m_display.connection()))
                fail("lost the display");

            const double now = nowMs();
            if (m_result.firstPaintMs >= 0 && now - m_lastDamage >= idleMs)
                break;
            if (now >= deadline)
                abandon("no painted window within the time allowed");
            if (waitpid(m_pid, nullptr, WNOHANG) == m_pid)
                fail(std::string(m_argv[0]) + ": ended before its window was painted");

            const double until = m_result.firstPaintMs >= 0 ? m_lastDamage + idleMs : deadline;
            // Wake up now and then to notice a program that died.
            poll(&fd, 1, int(std::min(until - now, 100.0)) + 1);
        }

        if (const auto rss = peakRssKib(m_pid))
            m_result.peakRssKib = *rss;
        m_result.cpuMs = stopProgram(m_pid);
        return m_result;
    }

private:
    void spawn()
    {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        m_start = nowMs();
        if (posix_spawnp(&m_pid, m_argv[0], &actions, nullptr, m_argv, environ) != 0)
            fail(std::string("cannot start ") + m_argv[0]);
        posix_spawn_file_actions_destroy(&actions);
        // On a busy machine the watcher must still see the window before the
        // window manager maps it; the program keeps the usual priority. Needs
        // root; without it the watcher just runs at the usual priority too.
        setpriority(PRIO_PROCESS, 0, -10);
    }

    [[noreturn]] void abandon(const std::string &why)
    {
        stopProgram(m_pid);
        fail(std::string(m_argv[0]) + ": " + why);
    }

    bool ours(xcb_window_t window) const
    {
        return m_display.cardinal(window, m_wmPid, XCB_ATOM_CARDINAL) == uint32_t(m_pid);
    }

    void handle(xcb_generic_event_t *event, double at)
    {
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
            watch(created->window, created->parent);
        } else if (type == XCB_MAP_NOTIFY && m_target == XCB_WINDOW_NONE) {
            const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t *>(event)->window;
            if (m_watched.count(window) && ours(window)) {
                m_target = window;
                m_result.mapMs = at - m_start;
            }
        } else if (type == m_damageEvent) {
            const auto *damaged = reinterpret_cast<xcb_damage_notify_event_t *>(event);
            if (m_target == XCB_WINDOW_NONE || damaged->drawable != m_target)
                return;
            if (m_result.firstPaintMs < 0)
                m_result.firstPaintMs = at - m_start;
            m_result.lastPaintMs = at - m_start;
            m_lastDamage = at;
        }
        // Errors (a window gone before it was watched) and other events are of no interest.
    }

    void watch(xcb_window_t window, xcb_window_t parent)
    {
        if (parent != m_display.root() || m_watched.count(window))
            return;
        // Under the grab nobody can map the window between the watch and
        // the look at its state: mapped already means its MapNotify, and
        // maybe its first paint, were missed.
        xcb_connection_t *connection = m_display.connection();
        xcb_grab_server(connection);
        m_display.selectInput(window, XCB_EVENT_MASK_STRUCTURE_NOTIFY);
        xcb_damage_create(
            connection, xcb_generate_id(connection), window, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        const bool missed = m_display.isMapped(window);
        xcb_ungrab_server(connection);
        xcb_flush(connection);
        m_watched.insert(window);
        if (missed && ours(window))
            abandon("its window was mapped before it could be watched");
    }

    char **m_argv;
    Display m_display;
    uint8_t m_damageEvent;
    xcb_atom_t m_wmPid;
    pid_t m_pid = 0;
    double m_start = 0;
    std::set<xcb_window_t> m_watched;
    xcb_window_t m_target = XCB_WINDOW_NONE;
    Measure m_result;
    double m_lastDamage = 0;
};

} // namespace

int main(int argc, char **argv)
{
    double idleMs = 300;
    double timeoutMs = 20000;
    int index = 1;
    for (; index < argc; ++index) {
        const std::string arg = argv[index];
        if (arg == "--idle" && index + 1 < argc)
            idleMs = std::atof(argv[++index]);
        else if (arg == "--timeout" && index + 1 < argc)
            timeoutMs = std::atof(argv[++index]);
        else if (arg == "--") {
            ++index;
            break;
        } else
            usage();
    }
    if (index >= argc)
        usage();

    const Measure measure = Launch(argv + index).measure(idleMs, timeoutMs);
    std::printf("%.3f %.3f %.3f %ld %.3f\n", measure.mapMs, measure.firstPaintMs, measure.lastPaintMs,
        measure.peakRssKib, measure.cpuMs);
    return 0;
}
