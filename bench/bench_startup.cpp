// How long the game takes to put its first window on the screen, and how much memory it takes
// doing so, next to a bare Qt window (bench_bare_window).
//
// Usage: bench_startup [ROUNDS] [--rounds N] [--display :N] [--bare PROGRAM] [--game DIR]
//   ROUNDS, --rounds N  counted rounds of each case (default 15; one more, uncounted, warms up)
//   --display :N        use this running X server instead of a private Xvfb (1024x768x24);
//                       without a window manager, as other windows there would be counted
//   --bare PROGRAM      the bare window (default: bench_bare_window beside this program)
//   --game DIR          the game's program directory (default: ../Tarnwick from this program)
//
// Three cases run in turn, round after round: the bare window; the game with ShowSplash=No,
// timed to its 800x600 main window; the game with ShowSplash=Yes, timed to its first window,
// whatever it is. A time runs from just before exec, in the forked child, to the MapNotify of
// the program's top-level window, heard on the root window. Peak resident memory is VmHWM 1.5 s
// after exec; then the program is killed. Every game round runs in a fresh copy of the program
// directory, made before its clock starts, so the build's Tarn.ini is never touched.
#include "core/ProfileSchema.h"
#include "platform/ProfileFile.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr int DefaultRounds = 15;
constexpr double MemoryReadAfterMs = 1500;
constexpr int MapTimeoutMs = 20000;
constexpr int MainWidth = 800, MainHeight = 600;

volatile std::sig_atomic_t interrupted = 0;

double nowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Thrown so that the stack unwinds: the Xvfb and the program running are stopped on the way.
struct Failure {
    std::string what;
};
[[noreturn]] void die(const std::string& what) {
    throw Failure{what};
}

std::string lastLines(const fs::path& file, int count) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    std::string out;
    for (size_t i = lines.size() > size_t(count) ? lines.size() - count : 0; i < lines.size(); ++i)
        out += "    " + lines[i] + "\n";
    return out;
}

// A child process started with fork and exec; killed and reaped when it goes out of scope.
class Child {
  public:
    // `startMs` is taken in the child just before exec, so fork's own cost is not counted.
    static std::optional<Child> start(const std::vector<std::string>& argv,
                                      const std::vector<std::string>& env, const fs::path& dir,
                                      const fs::path& log, int keepFd = -1);
    Child(Child&& o) noexcept
        : stopSignal(o.stopSignal), pid_(std::exchange(o.pid_, -1)), startMs_(o.startMs_) {}
    Child& operator=(Child&&) = delete;
    ~Child() { stop(); }

    // SIGTERM lets a server remove its socket and lock file; SIGKILL follows after 2 s.
    int stopSignal = SIGKILL;

    pid_t pid() const { return pid_; }
    double startMs() const { return startMs_; }
    bool alive() {
        if (pid_ <= 0) return false;
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) pid_ = -1;
        return pid_ > 0;
    }
    void stop() {
        if (pid_ <= 0) return;
        kill(pid_, stopSignal);
        for (int i = 0; stopSignal != SIGKILL && i < 200 && alive(); ++i)
            usleep(10000);
        if (pid_ <= 0) return;
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

  private:
    Child(pid_t pid, double startMs) : pid_(pid), startMs_(startMs) {}
    pid_t pid_;
    double startMs_;
};

std::optional<Child> Child::start(const std::vector<std::string>& argv,
                                  const std::vector<std::string>& env, const fs::path& dir,
                                  const fs::path& log, int keepFd) {
    // Everything the child needs is made before fork: after it, the child only calls what is
    // safe there.
    std::vector<char*> args, envp;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    for (const std::string& e : env)
        envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    const std::string dirName = dir.string(), logName = log.string();

    // The child writes its start time, then, only if exec fails, errno; exec closes the pipe.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) return std::nullopt;
    const pid_t pid = fork();
    if (pid < 0) {
        close(report[0]);
        close(report[1]);
        return std::nullopt;
    }
    if (pid == 0) {
        close(report[0]);
        const int out = open(logName.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out >= 0) {
            dup2(out, STDOUT_FILENO);
            dup2(out, STDERR_FILENO);
            if (out > STDERR_FILENO) close(out);
        }
        const int null = open("/dev/null", O_RDONLY);
        if (null >= 0) {
            dup2(null, STDIN_FILENO);
            if (null > STDERR_FILENO) close(null);
        }
        if (keepFd >= 0) fcntl(keepFd, F_SETFD, 0);
        if (chdir(dirName.c_str()) != 0) _exit(126);
        timespec t{};
        clock_gettime(CLOCK_MONOTONIC, &t);
        if (write(report[1], &t, sizeof t) != sizeof t) _exit(126);
        execve(args[0], args.data(), envp.data());
        const int error = errno;
        if (write(report[1], &error, sizeof error) != sizeof error) _exit(127);
        _exit(127);
    }
    close(report[1]);
    timespec t{};
    int error = 0;
    const bool started = read(report[0], &t, sizeof t) == sizeof t;
    const bool execFailed = started && read(report[0], &error, sizeof error) == sizeof error;
    close(report[0]);
    Child child(pid, double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6);
    if (!started || execFailed) {
        std::fprintf(stderr, "bench_startup: cannot start %s: %s\n", argv[0].c_str(),
                     execFailed ? std::strerror(error) : "the child failed before exec");
        return std::nullopt;
    }
    return child;
}

// Listens for windows mapped on the root window of one X display.
class MapWatch {
  public:
    explicit MapWatch(const std::string& display) {
        connection_ = xcb_connect(display.c_str(), nullptr);
        if (xcb_connection_has_error(connection_))
            die("cannot connect to the X display " + display);
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_generic_error_t* error = xcb_request_check(
            connection_,
            xcb_change_window_attributes_checked(connection_, root_, XCB_CW_EVENT_MASK, &mask));
        if (error) {
            std::free(error);
            die("cannot listen to the root window of " + display);
        }
        const char name[] = "_NET_WM_PID";
        xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
            connection_, xcb_intern_atom(connection_, 0, sizeof name - 1, name), nullptr);
        if (atom) pidAtom_ = atom->atom;
        std::free(atom);
    }
    ~MapWatch() { xcb_disconnect(connection_); }
    MapWatch(const MapWatch&) = delete;
    MapWatch& operator=(const MapWatch&) = delete;

    // Events of programs that are gone are of no interest to the next one.
    void drain() {
        while (xcb_generic_event_t* e = xcb_poll_for_event(connection_))
            std::free(e);
    }

    struct Mapped {
        double atMs = 0;
        int width = 0, height = 0;
    };

    // The first top-level window of `child` mapped (of exactly that size when given), or none
    // when the child ends or the time runs out.
    std::optional<Mapped> waitFor(Child& child, int width = 0, int height = 0) {
        const double deadline = nowMs() + MapTimeoutMs;
        while (!interrupted) {
            xcb_generic_event_t* event = xcb_poll_for_event(connection_);
            if (!event) {
                if (xcb_connection_has_error(connection_)) die("lost the X display");
                if (!child.alive() || nowMs() > deadline) return std::nullopt;
                pollfd p{xcb_get_file_descriptor(connection_), POLLIN, 0};
                poll(&p, 1, 50);
                continue;
            }
            const double at = nowMs();
            std::optional<Mapped> found;
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (map->event == root_) found = check(map->window, child.pid(), at);
            }
            std::free(event);
            if (found && (width == 0 || (found->width == width && found->height == height)))
                return found;
        }
        return std::nullopt;
    }

  private:
    // The window's size, unless it carries another process's id.
    std::optional<Mapped> check(xcb_window_t window, pid_t pid, double at) {
        if (pidAtom_ != XCB_ATOM_NONE) {
            xcb_get_property_reply_t* p = xcb_get_property_reply(
                connection_,
                xcb_get_property(connection_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1),
                nullptr);
            const bool other = p && xcb_get_property_value_length(p) == 4 &&
                               *static_cast<uint32_t*>(xcb_get_property_value(p)) != uint32_t(pid);
            std::free(p);
            if (other) return std::nullopt;
        }
        xcb_get_geometry_reply_t* g =
            xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr);
        if (!g) return std::nullopt;
        Mapped m{at, g->width, g->height};
        std::free(g);
        return m;
    }

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = XCB_WINDOW_NONE;
    xcb_atom_t pidAtom_ = XCB_ATOM_NONE;
};

// Peak resident memory so far, in KiB, or -1.
long peakRssKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

struct Case {
    const char* name;
    std::optional<bool> splash; // none: the bare window
    bool mainWindowOnly;        // wait for the main window's size, not any first window
    std::vector<double> mapMs;
    std::vector<double> peakMiB;
    std::vector<std::string> firstSizes;
    int failures = 0;
};

struct Sample {
    double mapMs;
    double peakMiB;
    std::string size;
};

std::optional<Sample> runOnce(Case& c, MapWatch& watch, const fs::path& work, const fs::path& bare,
                              const fs::path& gameDir, const std::vector<std::string>& env,
                              int round) {
    fs::path program = bare, dir = work;
    if (c.splash) {
        // The copy is made, and the option set, before the clock starts.
        dir = work / ("round" + std::to_string(round));
        fs::remove_all(dir);
        fs::copy(gameDir, dir, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
        const auto key = ini::options::ShowSplash;
        const QString ini = QString::fromStdString((dir / "Tarn.ini").string());
        if (!profile::writeString(QLatin1String(key.section), QLatin1String(key.key),
                                  *c.splash ? QStringLiteral("Yes") : QStringLiteral("No"), ini))
            die("cannot set ShowSplash in " + ini.toStdString());
        program = dir / "tarnwick";
    }
    const fs::path log = work / "program.log";
    watch.drain();
    std::optional<Child> child = Child::start({program.string()}, env, dir, log);
    if (!child) return std::nullopt;
    const auto mapped =
        c.mainWindowOnly ? watch.waitFor(*child, MainWidth, MainHeight) : watch.waitFor(*child);
    std::optional<Sample> sample;
    if (mapped) {
        const double wait = child->startMs() + MemoryReadAfterMs - nowMs();
        if (wait > 0) usleep(useconds_t(wait * 1e3));
        const long kib = child->alive() ? peakRssKiB(child->pid()) : -1;
        if (kib > 0)
            sample = Sample{mapped->atMs - child->startMs(), double(kib) / 1024.0,
                            std::to_string(mapped->width) + "x" + std::to_string(mapped->height)};
    }
    const bool died = !child->alive();
    child->stop();
    if (!sample && !interrupted) {
        std::fprintf(stderr, "bench_startup: %s, round %d: %s\n", c.name, round,
                     died ? "the program ended before its window was mapped and measured"
                          : "no window was mapped within the time allowed");
        std::fprintf(stderr, "%s", lastLines(log, 10).c_str());
    }
    if (c.splash) fs::remove_all(dir);
    return sample;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

std::string mostCommon(std::vector<std::string> v) {
    std::sort(v.begin(), v.end());
    std::string best;
    size_t bestCount = 0;
    for (size_t i = 0; i < v.size();) {
        size_t j = i;
        while (j < v.size() && v[j] == v[i])
            ++j;
        if (j - i > bestCount) best = v[i], bestCount = j - i;
        i = j;
    }
    return best;
}

// A private Xvfb; it names its display on a pipe once it accepts clients.
std::optional<Child> startXvfb(const fs::path& work, std::string& display) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) die("cannot make a pipe for Xvfb");
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        env.emplace_back(*e);
    std::optional<Child> xvfb = Child::start({"/usr/bin/Xvfb", "-displayfd", std::to_string(fds[1]),
                                              "-screen", "0", "1024x768x24", "-nolisten", "tcp"},
                                             env, work, work / "xvfb.log", fds[1]);
    close(fds[1]);
    if (!xvfb) {
        close(fds[0]);
        die("cannot start /usr/bin/Xvfb (package xvfb)");
    }
    xvfb->stopSignal = SIGTERM;
    std::string number;
    const double deadline = nowMs() + 10000;
    while (nowMs() < deadline && !interrupted) {
        pollfd p{fds[0], POLLIN, 0};
        if (poll(&p, 1, 100) <= 0) continue;
        char c = 0;
        if (read(fds[0], &c, 1) != 1 || c == '\n') break;
        number += c;
    }
    close(fds[0]);
    if (number.empty()) {
        std::fprintf(stderr, "%s", lastLines(work / "xvfb.log", 10).c_str());
        die("Xvfb named no display within 10 s");
    }
    display = ":" + number;
    return xvfb;
}

[[noreturn]] void usage(const char* why) {
    std::fprintf(stderr,
                 "bench_startup: %s\n"
                 "usage: bench_startup [ROUNDS] [--rounds N] [--display :N] [--bare PROGRAM] "
                 "[--game PROGRAM-DIR]\n",
                 why);
    std::exit(2);
}

int roundsFrom(const std::string& text) {
    char* end = nullptr;
    const long n = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end || n < 1 || n > 1000) usage("rounds must be a number from 1 to 1000");
    return int(n);
}

void printRatio(const char* what, double value, double target) {
    std::printf("  %-36s %6.2fx   target <= %.2fx   %s\n", what, value, target,
                value <= target ? "met" : "MISSED");
}

struct Options {
    fs::path bare, gameDir;
    std::string display; // empty: a private Xvfb
    int rounds = DefaultRounds;
};

Options parse(int argc, char* argv[]) {
    const fs::path self = fs::read_symlink("/proc/self/exe").parent_path();
    Options o{self / "bench_bare_window", self.parent_path() / "Tarnwick", {}, DefaultRounds};
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) usage((a + " needs a value").c_str());
            return argv[++i];
        };
        if (a == "--rounds")
            o.rounds = roundsFrom(value());
        else if (a == "--display")
            o.display = value();
        else if (a == "--bare")
            o.bare = fs::absolute(value());
        else if (a == "--game")
            o.gameDir = fs::absolute(value());
        else if (a == "-h" || a == "--help")
            usage("times the game's start-up against a bare window");
        else if (!a.empty() && a[0] != '-')
            o.rounds = roundsFrom(a);
        else
            usage(("unknown option " + a).c_str());
    }
    if (access(o.bare.c_str(), X_OK) != 0) die("no bare window program at " + o.bare.string());
    if (access((o.gameDir / "tarnwick").c_str(), X_OK) != 0)
        die("no game at " + (o.gameDir / "tarnwick").string() + " (build it first)");
    if (!fs::is_regular_file(o.gameDir / "Tarn.ini"))
        die("the program directory " + o.gameDir.string() + " has no Tarn.ini");
    return o;
}

int measure(Options o, const fs::path& work) {
    int status = 0;
    std::optional<Child> xvfb =
        o.display.empty() ? startXvfb(work, o.display) : std::optional<Child>();
    MapWatch watch(o.display);

    std::vector<std::string> env;
    const std::vector<std::string> own{
        "DISPLAY=", "XDG_RUNTIME_DIR=", "QT_QPA_PLATFORM=", "BROWSER="};
    for (char** e = environ; *e; ++e) {
        const std::string v = *e;
        if (std::none_of(own.begin(), own.end(),
                         [&v](const std::string& name) { return v.rfind(name, 0) == 0; }))
            env.push_back(v);
    }
    env.push_back("DISPLAY=" + o.display);
    env.push_back("XDG_RUNTIME_DIR=" + (work / "runtime").string());
    env.push_back("QT_QPA_PLATFORM=xcb");
    env.push_back("BROWSER=/bin/true");

    std::vector<Case> cases{{"bare window", std::nullopt, false, {}, {}, {}, 0},
                            {"game, ShowSplash=No", false, true, {}, {}, {}, 0},
                            {"game, ShowSplash=Yes", true, false, {}, {}, {}, 0}};
    std::printf("Start-up to the first window mapped, on %s%s; rounds of each case: %d\n",
                o.display.c_str(), xvfb ? " (a private Xvfb, 1024x768x24)" : "", o.rounds);
    std::fflush(stdout);
    // Round 0 warms the file cache and Xvfb and is not counted. Each round starts with
    // the next case, so no case always follows the same one.
    for (int round = 0; round <= o.rounds && !interrupted; ++round) {
        for (size_t k = 0; k < cases.size() && !interrupted; ++k) {
            Case& c = cases[(k + size_t(round)) % cases.size()];
            const std::optional<Sample> s = runOnce(c, watch, work, o.bare, o.gameDir, env, round);
            if (round == 0) continue;
            if (!s) {
                ++c.failures;
                continue;
            }
            c.mapMs.push_back(s->mapMs);
            c.peakMiB.push_back(s->peakMiB);
            c.firstSizes.push_back(s->size);
        }
    }

    std::printf("\n  %-22s %9s %9s %9s %12s  %s\n", "case", "median", "min", "max", "peak RSS",
                "window timed");
    for (const Case& c : cases) {
        if (c.mapMs.empty()) {
            std::printf("  %-22s no round measured\n", c.name);
            continue;
        }
        std::printf("  %-22s %6.1f ms %6.1f ms %6.1f ms %8.1f MiB  %s", c.name, median(c.mapMs),
                    *std::min_element(c.mapMs.begin(), c.mapMs.end()),
                    *std::max_element(c.mapMs.begin(), c.mapMs.end()), median(c.peakMiB),
                    mostCommon(c.firstSizes).c_str());
        if (c.failures) std::printf("  (%d o.rounds failed)", c.failures);
        std::printf("\n");
    }
    const Case &bareCase = cases[0], &mainCase = cases[1], &splashCase = cases[2];
    if (bareCase.mapMs.empty() || mainCase.mapMs.empty() || splashCase.mapMs.empty()) {
        std::printf("\nNo ratios: a case has no measured round.\n");
        status = 1;
    } else {
        const double bareMs = median(bareCase.mapMs), bareMiB = median(bareCase.peakMiB);
        std::printf("\n  Ratios to the bare window (medians):\n");
        printRatio("main window mapped (ShowSplash=No)", median(mainCase.mapMs) / bareMs, 1.25);
        printRatio("first window mapped (ShowSplash=Yes)", median(splashCase.mapMs) / bareMs, 1.1);
        printRatio("peak memory (ShowSplash=No)", median(mainCase.peakMiB) / bareMiB, 1.5);
        printRatio("peak memory (ShowSplash=Yes)", median(splashCase.peakMiB) / bareMiB, 1.5);
    }
    if (interrupted) {
        std::printf("Interrupted.\n");
        status = 1;
    }
    return status;
}

} // namespace

int main(int argc, char* argv[]) {
    struct sigaction stop {};
    stop.sa_handler = [](int) { interrupted = 1; };
    sigaction(SIGINT, &stop, nullptr);
    sigaction(SIGTERM, &stop, nullptr);

    char workName[] = "/tmp/bench_startup.XXXXXX";
    fs::path work;
    try {
        const Options options = parse(argc, argv);
        if (!mkdtemp(workName)) die("cannot make a temporary directory in /tmp");
        work = workName;
        fs::create_directory(work / "runtime");
        fs::permissions(work / "runtime", fs::perms::owner_all, fs::perm_options::replace);
        const int status = measure(options, work);
        fs::remove_all(work);
        return status;
    } catch (const Failure& f) {
        std::fprintf(stderr, "bench_startup: %s\n", f.what.c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_startup: %s\n", e.what());
    }
    if (!work.empty()) fs::remove_all(work);
    return 1;
}
