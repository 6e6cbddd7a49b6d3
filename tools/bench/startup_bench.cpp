// The game's start-up and memory beside a bare Qt window (plonk_bare_window, built
// with it), each started as a player starts it: a fresh process on the X display in
// DISPLAY, on the xcb platform, with a settings folder of its own. Run it under a
// virtual X server:
//   xvfb-run -a -s "-screen 0 2200x1800x24" build/bin/plonk_startup_bench
// Every run tells
//   map_ms  from the start of the process until its window is mapped,
//   rss_mb  its resident memory after start-up (5 s after its start),
//   cpu_ms  the CPU time it used in its first 5 s;
// five runs each, all programs' runs in one shuffled order, with their medians. The
// bare window is also measured with a menu bar and a status line
// (Bare_Qt_Window_With_Bars): the floor of any window that shows text, which reads the
// fonts before it can take its size. The game runs at zoom 1 and at zoom 3 (kept in
// its settings), and at zoom 1 with SDL's silent sound device (Game_With_Sound): the
// least that a player with a sound device pays, since the game loads its sound module
// and opens a device only where one may be. Other builds of the game, named after the
// options, are measured in the same run, to compare a change with what came before it:
//   xvfb-run -a -s "-screen 0 2200x1800x24" build/bin/plonk_startup_bench old/bin/plonk
// A player's desktop has a session bus, which the window's accessibility asks for
// as its first control is labelled; without one, the bus library tries to start one
// on the spot and the game waits for that. To measure what a player gets, run it
// inside a session bus of its own (the context tells whether there was one):
//   dbus-run-session -- xvfb-run -a -s "-screen 0 2200x1800x24" build/bin/plonk_startup_bench
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <benchmark/benchmark.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr auto kAfter_Start_Up = std::chrono::seconds(5);
constexpr auto kMap_Limit = std::chrono::seconds(20);

// The process's _NET_WM_PID on a window, or 0.
long Window_Pid(Display* display, Window window) {
    const Atom pid_atom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long items = 0, left = 0;
    unsigned char* data = nullptr;
    long pid = 0;
    if (XGetWindowProperty(display, window, pid_atom, 0, 1, False, XA_CARDINAL, &type, &format, &items, &left,
                           &data) == Success &&
        data && items == 1 && format == 32)
        pid = *reinterpret_cast<long*>(data);
    if (data) XFree(data);
    return pid;
}

// Waits for a top-level window of process `pid` to be mapped: when it was, or
// nothing within the limit.
std::optional<Clock::time_point> Wait_For_Map(Display* display, pid_t pid) {
    const auto limit = Clock::now() + kMap_Limit;
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    while (Clock::now() < limit) {
        while (XPending(display)) {
            XEvent e;
            XNextEvent(display, &e);
            if (e.type != MapNotify || e.xmap.override_redirect) continue;
            const auto mapped = Clock::now();
            if (Window_Pid(display, e.xmap.window) == pid) return mapped;
        }
        poll(&fd, 1, 50);
    }
    return std::nullopt;
}

// The resident megabytes of a running process.
double Rss_Mb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

// The user and system CPU seconds of an ended process, all its threads.
double Cpu_Seconds(const rusage& use) {
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + 1e-6 * static_cast<double>(t.tv_usec);
    };
    return seconds(use.ru_utime) + seconds(use.ru_stime);
}

fs::path Program_Beside(const char* name) { return fs::read_symlink("/proc/self/exe").parent_path() / name; }

// One start of a program (with an argument when `argument` is not empty, and the
// variables in `environment` set) with a settings folder of its own, whose settings
// file is preset with `ini` when that is not empty.
using Environment = std::vector<std::pair<std::string, std::string>>;
void Start_Up(benchmark::State& state, const fs::path& exe, const std::string& ini,
              const std::string& argument, const Environment& environment) {
    // One connection for the whole run: the server would reset whenever its last
    // client went.
    static Display* const display = XOpenDisplay(nullptr);
    if (!display) {
        state.SkipWithError("no X display: run under xvfb-run");
        return;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    char folder_template[] = "/tmp/plonk_startup_XXXXXX";
    const fs::path config = mkdtemp(folder_template);
    if (!ini.empty()) {
        fs::create_directories(config / "plonk");
        std::ofstream(config / "plonk" / "Plonk.ini") << ini;
    }
    for (auto _ : state) {
        const auto start = Clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            setenv("QT_QPA_PLATFORM", "xcb", 1);
            setenv("XDG_CONFIG_HOME", config.c_str(), 1);
            for (const auto& [name, value] : environment) setenv(name.c_str(), value.c_str(), 1);
            // No argument ends the list where the argument would be.
            execl(exe.c_str(), exe.c_str(), argument.empty() ? nullptr : argument.c_str(),
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        const auto mapped = Wait_For_Map(display, pid);
        std::this_thread::sleep_until(start + kAfter_Start_Up);
        // Ended at once after the look at its memory: its CPU time is that of its
        // first 5 s.
        const double rss_mb = Rss_Mb(pid);
        kill(pid, SIGKILL);
        rusage use{};
        wait4(pid, nullptr, 0, &use);
        if (!mapped) {
            state.SkipWithError("the window was never mapped");
            break;
        }
        const double map_seconds = std::chrono::duration<double>(*mapped - start).count();
        state.SetIterationTime(map_seconds);
        state.counters["map_ms"] = 1000.0 * map_seconds;
        state.counters["rss_mb"] = rss_mb;
        state.counters["cpu_ms"] = 1000.0 * Cpu_Seconds(use);
    }
    fs::remove_all(config);
}

void Register(const std::string& name, const fs::path& exe, const std::string& ini,
              const std::string& argument = "", const Environment& environment = {}) {
    benchmark::RegisterBenchmark(name.c_str(),
                                 [exe, ini, argument, environment](benchmark::State& state) {
                                     Start_Up(state, exe, ini, argument, environment);
                                 })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(5);
}

}  // namespace

int main(int argc, char** argv) {
    // The starts of all programs are taken in a shuffled order, so that a slow spell
    // of the machine falls on all of them alike, not on one program's five starts
    // (--benchmark_enable_random_interleaving=false takes each program's in a row).
    std::vector<char*> arguments(argv, argv + argc);
    char interleaved[] = "--benchmark_enable_random_interleaving=true";
    arguments.insert(arguments.begin() + 1, interleaved);
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    benchmark::AddCustomContext("session_bus", std::getenv("DBUS_SESSION_BUS_ADDRESS") ? "yes" : "none");
    Register("Bare_Qt_Window", Program_Beside("plonk_bare_window"), "");
    Register("Bare_Qt_Window_With_Bars", Program_Beside("plonk_bare_window"), "", "--bars");
    std::vector<fs::path> games{Program_Beside("plonk")};
    for (int k = 1; k < count; ++k) games.push_back(fs::absolute(arguments[static_cast<size_t>(k)]));
    for (size_t k = 0; k < games.size(); ++k) {
        // The builds are told apart by their number; the context names their files.
        const std::string build = "build_" + std::to_string(k);
        benchmark::AddCustomContext(build, games[k].string());
        Register("Game_At_Zoom_1_" + build, games[k], "");
        Register("Game_At_Zoom_3_" + build, games[k], "[Options]\nZoom=3\n");
        Register("Game_With_Sound_" + build, games[k], "", "", {{"SDL_AUDIODRIVER", "dummy"}});
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
