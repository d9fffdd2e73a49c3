// Measures how fast a program shows its window, against a floor program, on the X display of $DISPLAY.
// Each run starts the program, takes the wall time until its first top-level window is mapped, lets it
// settle and paint, closes the window as a window manager would and takes the peak resident memory
// and the processor time of the whole run (painting included) from the ended process. The two
// programs take turns, the first of each pair alternating, so that drift of the machine falls on both
// alike. Prints the medians and exits 1 when over budget.
// Usage: startup_probe RUNS FLOOR_PROGRAM PROGRAM
#include <xcb/xcb.h>

#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using Event = std::unique_ptr<xcb_generic_event_t, decltype(&std::free)>;

constexpr double timeBudget = 1.15;   // times the floor's median start-up
constexpr double memoryBudgetMb = 5;  // above the floor's median peak
constexpr auto mapTimeout = std::chrono::seconds(20);
constexpr auto settleTime = std::chrono::milliseconds(500);

struct Sample {
    double startMs;
    double cpuMs;
    double peakMb;
};

double milliseconds(timeval time)
{
    return time.tv_sec * 1e3 + time.tv_usec / 1e3;
}

class Display {
public:
    Display()
        : connection_(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(connection_))
            throw std::runtime_error("cannot open the X display named by $DISPLAY");
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        // Top-level windows are children of the root: their mapping shows as a MapNotify on it.
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        protocols_ = atom("WM_PROTOCOLS");
        deleteWindow_ = atom("WM_DELETE_WINDOW");
    }
    ~Display() { xcb_disconnect(connection_); }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    // Forgets the events of earlier runs.
    void drain()
    {
        while (Event event{xcb_poll_for_event(connection_), &std::free})
            ;
    }

    // The next top-level window mapped before the deadline, or none.
    xcb_window_t waitForMap(Clock::time_point deadline)
    {
        while (Clock::now() < deadline) {
            Event event(xcb_poll_for_event(connection_), &std::free);
            if (!event) {
                pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
                poll(&fd, 1, 10);
                continue;
            }
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
                if (map->event == root_ && !map->override_redirect)
                    return map->window;
            }
        }
        return XCB_WINDOW_NONE;
    }

    // Asks the window to close, the way a window manager's close button does.
    void close(xcb_window_t window)
    {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = protocols_;
        message.data.data32[0] = deleteWindow_;
        message.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(connection_, false, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
        xcb_flush(connection_);
    }

private:
    xcb_atom_t atom(const char* name)
    {
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
            xcb_intern_atom_reply(connection_, xcb_intern_atom(connection_, false, std::strlen(name), name), nullptr),
            &std::free);
        if (!reply)
            throw std::runtime_error(std::string("cannot intern ") + name);
        return reply->atom;
    }

    xcb_connection_t* connection_;
    xcb_window_t root_;
    xcb_atom_t protocols_;
    xcb_atom_t deleteWindow_;
};

Sample measure(Display& display, const char* program)
{
    char* argv[] = {const_cast<char*>(program), nullptr};
    display.drain();
    const auto start = Clock::now();
    pid_t pid;
    if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0)
        throw std::runtime_error(std::string("cannot start ") + program);
    const xcb_window_t window = display.waitForMap(start + mapTimeout);
    const auto mapped = Clock::now();
    if (window == XCB_WINDOW_NONE) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        throw std::runtime_error(std::string(program) + " mapped no window");
    }

    std::this_thread::sleep_for(settleTime);
    display.close(window);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(std::string(program) + " did not exit cleanly when its window was closed");
    return {std::chrono::duration<double, std::milli>(mapped - start).count(),
            milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime), usage.ru_maxrss / 1024.0};
}

double median(std::vector<double> values)
{
    std::ranges::sort(values);
    const auto n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

Sample medians(const std::vector<Sample>& samples)
{
    std::vector<double> start, cpu, peak;
    for (const auto& sample : samples) {
        start.push_back(sample.startMs);
        cpu.push_back(sample.cpuMs);
        peak.push_back(sample.peakMb);
    }
    return {median(start), median(cpu), median(peak)};
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 4 || std::atoi(argv[1]) < 1) {
        std::fprintf(stderr, "usage: %s RUNS FLOOR_PROGRAM PROGRAM\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    try {
        Display display;
        std::vector<Sample> floor, program;
        for (int run = 0; run < runs; ++run) {
            if (run % 2) {
                program.push_back(measure(display, argv[3]));
                floor.push_back(measure(display, argv[2]));
            } else {
                floor.push_back(measure(display, argv[2]));
                program.push_back(measure(display, argv[3]));
            }
        }
        const Sample f = medians(floor), p = medians(program);
        const double ratio = p.startMs / f.startMs;
        const double extraMb = p.peakMb - f.peakMb;
        std::printf("medians of %d runs    start-up to mapped   peak memory   processor time\n", runs);
        std::printf("floor                 %8.1f ms         %6.1f MB     %8.1f ms\n", f.startMs, f.peakMb, f.cpuMs);
        std::printf("program               %8.1f ms         %6.1f MB     %8.1f ms\n", p.startMs, p.peakMb, p.cpuMs);
        std::printf("program / floor       %8.2fx            %+6.1f MB     %8.2fx\n", ratio, extraMb,
                    p.cpuMs / f.cpuMs);
        const bool within = ratio <= timeBudget && extraMb <= memoryBudgetMb;
        std::printf("budget (%.2fx, +%.0f MB): %s\n", timeBudget, memoryBudgetMb, within ? "met" : "exceeded");
        return within ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup_probe: %s\n", error.what());
        return 2;
    }
}
