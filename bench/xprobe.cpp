// Watches programs on an X display from outside, as a player sees them: when their windows appear
// and are first painted (DAMAGE extension), what they cost the machine (/proc), and a whole game
// clicked through with synthetic pointer events (XTEST extension).
//
//   xprobe startup --runs N --title TEXT [--texts PROGRAM] --game PROGRAM --baseline PROGRAM
//   [ARGS...]
//       Start-up to the first paint of the window titled TEXT, the programs in turn, N runs each;
//       --texts names a second baseline.
//   xprobe game --dir DIR [--games N] [--idle SECONDS] --game PROGRAM --baseline PROGRAM [ARGS...]
//       Plays N whole games of the real program started in DIR: peak memory, the cost of the
//       idle board, and click-to-painted times; the baseline shows its window and idles as long,
//       and with --pages or --switch added to its command it is the limit of the clicks.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "layout/layout.h"
#include "report.h"
#include "spots.h"

// Xlib defines macros such as None and Bool: its headers come after everything else.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>

namespace {

[[noreturn]] void Fail(const std::string& message) {
    std::fprintf(stderr, "xprobe: %s\n", message.c_str());
    std::exit(1);
}

int IgnoreXErrors(Display*, XErrorEvent*) {
    return 0;  // windows come and go while they are watched
}

// ---- /proc ----

long StatusKb(pid_t pid, const std::string& key) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(key + ":", 0) == 0) {
            return std::stol(line.substr(key.size() + 1));
        }
    }
    return -1;
}

// The parts of resident memory: anonymous, file-backed, shared (the window contents).
std::string RssParts(pid_t pid) {
    return "anon " + std::to_string(StatusKb(pid, "RssAnon")) + ", file " +
           std::to_string(StatusKb(pid, "RssFile")) + ", shared " +
           std::to_string(StatusKb(pid, "RssShmem"));
}

// User and system CPU time of the whole process, in clock ticks.
long CpuTicks(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos) {
        return -1;
    }
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; fields >> field; ++i) {  // field 3 is the state
        if (i == 14) {
            utime = std::stol(field);
        } else if (i == 15) {
            stime = std::stol(field);
            break;
        }
    }
    return utime + stime;
}

// Times any thread of the process went to sleep and was woken, or was switched out.
long Wakeups(pid_t pid) {
    long total = 0;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream in(task.path() / "status");
        std::string line;
        while (std::getline(in, line)) {
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0 ||
                line.rfind("nonvoluntary_ctxt_switches:", 0) == 0) {
                total += std::stol(line.substr(line.find(':') + 1));
            }
        }
    }
    return total;
}

// ---- the display ----

struct Win {
    bool known = false;  // its owner has been looked up
    bool ours = false;   // it belongs to the launched program
    std::string title;
    std::uint64_t mappedAt = 0;  // event number of its latest map, 0 while unmapped
    std::uint64_t paintedAt = 0;
    double firstPaintMs = 0;  // first paint after the latest map
    Damage damage = 0;
};

bool AnyWindow(const Win&) {
    return true;
}

class Screen {
public:
    Screen() {
        display_ = XOpenDisplay(nullptr);
        if (display_ == nullptr) {
            Fail("no X display");
        }
        XSetErrorHandler(IgnoreXErrors);
        root_ = DefaultRootWindow(display_);
        int error = 0, major = 0, minor = 0;
        if (!XDamageQueryExtension(display_, &damageEvent_, &error)) {
            Fail("the X server has no DAMAGE extension");
        }
        int event = 0;
        if (!XTestQueryExtension(display_, &event, &error, &major, &minor)) {
            Fail("the X server has no XTEST extension");
        }
        XSelectInput(display_, root_, SubstructureNotifyMask);
        pidAtom_ = XInternAtom(display_, "_NET_WM_PID", False);
        nameAtom_ = XInternAtom(display_, "_NET_WM_NAME", False);
        utf8Atom_ = XInternAtom(display_, "UTF8_STRING", False);
        XSync(display_, False);
    }
    ~Screen() { XCloseDisplay(display_); }

    // Starts `argv` in `dir`; returns the instant just before the fork.
    double Launch(const std::vector<std::string>& argv, const std::string& dir) {
        XSync(display_, False);
        windows_.clear();
        const double start = bench::NowMs();
        pid_ = fork();
        if (pid_ < 0) {
            Fail("cannot fork");
        }
        if (pid_ == 0) {
            if (!dir.empty() && chdir(dir.c_str()) != 0) {
                _exit(126);
            }
            const int quiet = open("/dev/null", O_WRONLY);
            dup2(quiet, 2);
            std::vector<char*> args;
            for (const std::string& a : argv) {
                args.push_back(const_cast<char*>(a.c_str()));
            }
            args.push_back(nullptr);
            execv(args[0], args.data());
            _exit(127);
        }
        return start;
    }

    void Stop() {
        if (pid_ <= 0) {
            return;
        }
        kill(pid_, SIGTERM);
        for (int i = 0; i < 200; ++i) {
            if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
                pid_ = 0;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = 0;
    }

    pid_t Pid() const { return pid_; }
    std::uint64_t Epoch() const { return seq_; }

    // Waits for one of the program's windows, mapped after `since` and painted after that map,
    // that `match` accepts. Returns it with the instant of that first paint, {0, 0} on time-out.
    std::pair<Window, double> WaitPainted(std::uint64_t since, double timeoutMs,
                                          const std::function<bool(const Win&)>& match) {
        return PumpUntil(timeoutMs, [&] { return FirstPainted(since, match); });
    }

    // Waits for the next screen after a click on window `current`, made after `since`: either a
    // new window of the program, mapped and painted, or `current` painted again all over, as it
    // is when it turns to another page. Returns the window with the instant, {0, 0} on time-out.
    std::pair<Window, double> WaitNext(Window current, std::uint64_t since, double timeoutMs) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display_, current, &attributes)) {
            Fail("the window clicked has gone");
        }
        // A click's own marks (a button pressed down) cover a small part; a new page all of it.
        repaint_ = {current, since, 0.9 * attributes.width * attributes.height, 0, 0};
        return PumpUntil(timeoutMs, [&] {
            return repaint_.at != 0 ? std::pair(current, repaint_.at)
                                    : FirstPainted(since, AnyWindow, current);
        });
    }

    // The display's size, as "1920x1080".
    std::string Size() const {
        const int screen = DefaultScreen(display_);
        return std::to_string(DisplayWidth(display_, screen)) + "x" +
               std::to_string(DisplayHeight(display_, screen));
    }

    // Handles X events for `ms` milliseconds.
    void Idle(double ms) {
        const double end = bench::NowMs() + ms;
        for (double left = ms; left > 0; left = end - bench::NowMs()) {
            Pump(left);
        }
    }

    // A left click at widget `name` of `screen`, shown in `window`.
    void Click(Window window, const layout::Screen& screen, layout::Widget widget, int index = -1) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display_, window, &attributes)) {
            Fail("a window to click has gone");
        }
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(display_, window, root_, 0, 0, &x, &y, &child);
        const spots::Point at =
            spots::Centre(screen, widget, index, attributes.width, attributes.height);
        XTestFakeMotionEvent(display_, -1, x + at.x, y + at.y, CurrentTime);
        XTestFakeButtonEvent(display_, 1, True, CurrentTime);
        XTestFakeButtonEvent(display_, 1, False, CurrentTime);
        XFlush(display_);
    }

private:
    // The first of the program's windows but `except`, mapped after `since`, painted after that
    // map and accepted by `match`, with the instant of that paint; {0, 0} while there is none.
    std::pair<Window, double> FirstPainted(std::uint64_t since,
                                           const std::function<bool(const Win&)>& match,
                                           Window except = 0) {
        for (auto& [id, win] : windows_) {
            if (id != except && win.mappedAt > since && win.paintedAt > win.mappedAt) {
                Identify(id, win);
                if (win.ours && match(win)) {
                    return {id, win.firstPaintMs};
                }
            }
        }
        return {0, 0};
    }

    // Handles X events until `found` names a window, or for `timeoutMs` ({0, 0}).
    std::pair<Window, double> PumpUntil(double timeoutMs,
                                        const std::function<std::pair<Window, double>()>& found) {
        const double end = bench::NowMs() + timeoutMs;
        while (true) {
            if (const auto result = found(); result.first != 0) {
                return result;
            }
            const double left = end - bench::NowMs();
            if (left <= 0) {
                return {0, 0};
            }
            Pump(left);
        }
    }

    void Identify(Window id, Win& win) {
        if (win.known) {
            return;
        }
        win.known = true;
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display_, id, pidAtom_, 0, 1, False, XA_CARDINAL, &type, &format,
                               &count, &after, &data) == Success &&
            data != nullptr) {
            win.ours = count == 1 && format == 32 &&
                       static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) == pid_;
            XFree(data);
        }
        data = nullptr;
        if (XGetWindowProperty(display_, id, nameAtom_, 0, 256, False, utf8Atom_, &type, &format,
                               &count, &after, &data) == Success &&
            data != nullptr) {
            win.title.assign(reinterpret_cast<char*>(data), count);
            XFree(data);
        }
    }

    void Pump(double timeoutMs) {
        if (XPending(display_) == 0) {
            pollfd fd{ConnectionNumber(display_), POLLIN, 0};
            poll(&fd, 1, std::max(1, static_cast<int>(timeoutMs)));
        }
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            Handle(event);
        }
    }

    void Handle(XEvent& event) {
        const double now = bench::NowMs();
        if (event.type == damageEvent_ + XDamageNotify) {
            const auto& damage = reinterpret_cast<XDamageNotifyEvent&>(event);
            XDamageSubtract(display_, damage.damage, 0, 0);
            auto found = windows_.find(damage.drawable);
            if (found != windows_.end() && found->second.mappedAt != 0) {
                Win& win = found->second;
                if (win.paintedAt < win.mappedAt) {
                    win.firstPaintMs = now;
                }
                win.paintedAt = ++seq_;
                if (damage.drawable == repaint_.window && repaint_.at == 0 &&
                    win.paintedAt > repaint_.since) {
                    repaint_.painted += double(damage.area.width) * damage.area.height;
                    if (repaint_.painted >= repaint_.needed) {
                        repaint_.at = now;
                    }
                }
            }
            return;
        }
        switch (event.type) {
            case CreateNotify: {
                const Window id = event.xcreatewindow.window;
                Win& win = windows_[id];
                // Watched from its creation, before its owner can map or paint it.
                XSelectInput(display_, id, StructureNotifyMask);
                // Each rectangle drawn, to tell a new page from a button pressed.
                win.damage = XDamageCreate(display_, id, XDamageReportRawRectangles);
                XWindowAttributes attributes;
                if (XGetWindowAttributes(display_, id, &attributes) &&
                    attributes.map_state != IsUnmapped) {
                    win.mappedAt = ++seq_;
                }
                break;
            }
            case MapNotify:
                // A window's own structure events only: the root reports its children as well.
                if (event.xmap.event == event.xmap.window) {
                    auto found = windows_.find(event.xmap.window);
                    if (found != windows_.end()) {
                        found->second.mappedAt = ++seq_;
                    }
                }
                break;
            case UnmapNotify:
                if (event.xunmap.event == event.xunmap.window) {
                    auto found = windows_.find(event.xunmap.window);
                    if (found != windows_.end()) {
                        found->second.mappedAt = 0;
                    }
                }
                break;
            case DestroyNotify:
                if (event.xdestroywindow.event == event.xdestroywindow.window) {
                    windows_.erase(event.xdestroywindow.window);
                }
                break;
            default:
                break;
        }
    }

    Display* display_ = nullptr;
    Window root_ = 0;
    int damageEvent_ = 0;
    Atom pidAtom_ = 0, nameAtom_ = 0, utf8Atom_ = 0;
    pid_t pid_ = 0;
    std::uint64_t seq_ = 0;
    std::map<Window, Win> windows_;
    struct {
        Window window;
        std::uint64_t since;
        double needed;   // pixels to be painted again
        double painted;  // pixels painted since
        double at;
    } repaint_{0, 0, 0, 0, 0};
};

// How long a screen may take to come before the run is given up.
constexpr double kWait = 10000;

// ---- start-up ----

double TimeToPaint(Screen& screen, const std::vector<std::string>& argv, const std::string& title) {
    const double start = screen.Launch(argv, "/tmp");
    const auto [window, painted] =
        screen.WaitPainted(0, 20000, [&](const Win& w) { return w.title == title; });
    screen.Stop();
    if (window == 0) {
        Fail("no window titled \"" + title + "\" was painted");
    }
    return painted - start;
}

// The game against an empty window and, where given, against a program that shows the title's
// texts in its fonts and nothing else.
int Startup(int runs, const std::string& title, const std::vector<std::string>& game,
            const std::vector<std::string>& baseline, const std::string& texts) {
    Screen screen;
    // One start of each first, so that none pays alone for loading files from disk.
    TimeToPaint(screen, game, title);
    TimeToPaint(screen, baseline, title);
    if (!texts.empty()) {
        TimeToPaint(screen, {texts}, title);
    }
    std::vector<double> ours, empty, withTexts;
    for (int i = 0; i < runs; ++i) {
        ours.push_back(TimeToPaint(screen, game, title));
        empty.push_back(TimeToPaint(screen, baseline, title));
        if (!texts.empty()) {
            withTexts.push_back(TimeToPaint(screen, {texts}, title));
        }
    }
    const double o = bench::Median(ours), b = bench::Median(empty);
    const std::string n = " (median of " + std::to_string(runs) + ")";
    bench::Print(
        {"Start-up: process start to title painted" + n, o, b, "ms", "<= 1.3x", o <= 1.3 * b, 1});
    if (!texts.empty()) {
        const double t = bench::Median(withTexts);
        bench::Print({"Start-up against the title's texts alone in its fonts" + n, o, t, "ms",
                      "<= 1.15x", o <= 1.15 * t, 1});
    }
    return 0;
}

// ---- a whole game ----

struct IdleCost {
    long ticks = 0;
    long wakeups = 0;
};

IdleCost MeasureIdle(Screen& screen, double seconds) {
    const long ticks = CpuTicks(screen.Pid());
    const long wakeups = Wakeups(screen.Pid());
    screen.Idle(seconds * 1000);
    return {CpuTicks(screen.Pid()) - ticks, Wakeups(screen.Pid()) - wakeups};
}

// The instants a player waits for, over whole games of the real program.
struct Clicks {
    std::vector<double> toQuestion, toBoard;
};

// Plays one whole game of the real program, already started: from the title's OK to the last
// judgement. The first game measures the idle board after its first question.
void PlayGame(Screen& screen, Clicks& clicks, IdleCost* idle, double idleSeconds) {
    Window title =
        screen.WaitPainted(0, kWait, [](const Win& w) { return w.title == "Play Zapster!"; }).first;
    if (title == 0) {
        Fail("the game showed no title screen");
    }
    std::uint64_t epoch = screen.Epoch();
    screen.Click(title, layout::kTitle, layout::Widget::okButton);
    const Window setup =
        screen.WaitPainted(epoch, kWait, [](const Win& w) { return w.title == "Game Setup"; })
            .first;
    if (setup == 0) {
        Fail("the title's OK showed no setup screen");
    }
    epoch = screen.Epoch();
    screen.Click(setup, layout::kSetup,
                 layout::Widget::doneButton);  // "Done" with the defaults: three rounds
    Window board = screen.WaitPainted(epoch, kWait, AnyWindow).first;
    if (board == 0) {
        Fail("no board after the setup screen");
    }
    // Windows settle (a window manager maximises the board) before the first click.
    screen.Idle(500);
    int played = 0;
    for (int round = 1; round <= 3; ++round) {
        for (int square = 0; square < 30; ++square) {
            epoch = screen.Epoch();
            double clicked = bench::NowMs();
            screen.Click(board, layout::kBoard, layout::Widget::square, square);
            const auto [question, shown] = screen.WaitNext(board, epoch, kWait);
            if (question == 0) {
                Fail("no question screen after square " + std::to_string(played + 1));
            }
            clicks.toQuestion.push_back(shown - clicked);
            epoch = screen.Epoch();
            screen.Click(question, layout::kQuestion, layout::Widget::timeBar);
            const Window answer = screen.WaitNext(question, epoch, kWait).first;
            if (answer == 0) {
                Fail("no answer screen after question " + std::to_string(played + 1));
            }
            epoch = screen.Epoch();
            clicked = bench::NowMs();
            screen.Click(
                answer, layout::kAnswer,
                played % 2 == 0 ? layout::Widget::rightButton : layout::Widget::wrongButton);
            const auto [back, painted] = screen.WaitNext(answer, epoch, kWait);
            if (back == 0) {
                Fail("no board after judging question " + std::to_string(played + 1));
            }
            clicks.toBoard.push_back(painted - clicked);
            // The next click goes to the window the board is shown in now.
            board = back;
            ++played;
            if (played == 1 && idle != nullptr) {
                // The board waits for the next square with the first question behind it.
                screen.Idle(1500);
                *idle = MeasureIdle(screen, idleSeconds);
            }
        }
    }
}

// The limit of those clicks: a program that only goes from one maximised window to another with
// --switch or, with --pages, from one page of a maximised window to the other.
std::vector<double> LimitClicks(Screen& screen, const std::vector<std::string>& limit,
                                const std::string& dir, std::size_t count) {
    screen.Launch(limit, dir);
    Window shown = screen.WaitPainted(0, kWait, AnyWindow).first;
    if (shown == 0) {
        Fail("the limit showed no window");
    }
    screen.Idle(500);
    std::vector<double> times;
    while (times.size() < count) {
        const std::uint64_t epoch = screen.Epoch();
        const double clicked = bench::NowMs();
        screen.Click(shown, layout::kBoard, layout::Widget::categoryTitle, 2);
        const auto [next, painted] = screen.WaitNext(shown, epoch, kWait);
        if (next == 0 || painted == 0) {
            Fail("the limit did not switch");
        }
        times.push_back(painted - clicked);
        shown = next;
    }
    screen.Stop();
    return times;
}

// Median and p99 of a click, ours against the limit's; and the p99 against what turning a page
// costs at the least, where the goal is on the p99: one 60 Hz frame and at most twice that.
void PrintClicks(const std::string& at, const std::string& what, const std::vector<double>& ours,
                 const std::vector<double>& limit, const std::vector<double>& pages) {
    const std::string n = " (" + std::to_string(ours.size()) + " clicks)";
    const std::string name = "Real program (Xvfb " + at + ", openbox): " + what;
    bench::Print({name + ", median" + n, bench::Median(ours), bench::Median(limit), "ms", "",
                  std::nullopt, 1});
    const double p99 = bench::Percentile(ours, 99), limitP99 = bench::Percentile(limit, 99);
    bench::Print({name + ", p99", p99, limitP99, "ms", "", std::nullopt, 1});
    const double pagesP99 = bench::Percentile(pages, 99);
    bench::Print({name + ", p99 against two pages", p99, pagesP99, "ms", "<= 16.7 ms and <= 2x",
                  p99 <= 16.7 && p99 <= 2 * pagesP99, 1});
}

int Game(const std::string& dir, const std::string& game, const std::vector<std::string>& baseline,
         double idleSeconds, int games) {
    Screen screen;

    // The baseline: its window shown, then left alone.
    screen.Launch(baseline, dir);
    if (screen.WaitPainted(0, kWait, AnyWindow).first == 0) {
        Fail("the baseline showed no window");
    }
    screen.Idle(1000);
    const IdleCost baseIdle = MeasureIdle(screen, idleSeconds);
    const long baseHwm = StatusKb(screen.Pid(), "VmHWM");
    const std::string baseParts = RssParts(screen.Pid());
    screen.Stop();

    IdleCost gameIdle;
    Clicks clicks;
    long gameHwm = 0;
    for (int i = 0; i < games; ++i) {
        screen.Launch({game}, dir);
        PlayGame(screen, clicks, i == 0 ? &gameIdle : nullptr, idleSeconds);
        screen.Idle(300);
        gameHwm = std::max(gameHwm, StatusKb(screen.Pid(), "VmHWM"));
        if (i == 0) {
            std::fprintf(stderr, "resident memory after a game, KiB: game %s; baseline %s\n",
                         RssParts(screen.Pid()).c_str(), baseParts.c_str());
        }
        screen.Stop();
    }
    std::vector<std::string> limit = baseline;
    limit.push_back("--switch");
    const std::vector<double> windowClicks =
        LimitClicks(screen, limit, dir, clicks.toQuestion.size());
    limit.back() = "--pages";
    const std::vector<double> pageClicks =
        LimitClicks(screen, limit, dir, clicks.toQuestion.size());

    const double ourMb = gameHwm / 1024.0, baseMb = baseHwm / 1024.0;
    const std::string at = screen.Size();
    bench::Print({"Footprint: peak RSS, real program at " + at + ", " + std::to_string(games) +
                      " whole games (90 questions each)",
                  ourMb, baseMb, "MiB", "<= 2x", ourMb <= 2 * baseMb, 1});
    const std::string idle = "Idle board, real program at " + at + ": CPU ticks / wakeups in " +
                             bench::Format(idleSeconds, 0) + " s";
    bench::PrintText(idle,
                     std::to_string(gameIdle.ticks) + " / " + std::to_string(gameIdle.wakeups),
                     std::to_string(baseIdle.ticks) + " / " + std::to_string(baseIdle.wakeups), "-",
                     "no more than the empty window",
                     gameIdle.ticks <= baseIdle.ticks && gameIdle.wakeups <= baseIdle.wakeups);
    // Beside the same clicks of a program that only hides a maximised window and shows another,
    // the limit of the clicks; and of one that turns between two pages of one maximised window,
    // the way the game shows its screens, the least a click can cost it.
    PrintClicks(at, "square click to question painted", clicks.toQuestion, windowClicks,
                pageClicks);
    PrintClicks(at, "judging click to board painted", clicks.toBoard, windowClicks, pageClicks);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        Fail("usage: xprobe startup|game ...");
    }
    const std::string mode = argv[1];
    int runs = 10;
    int games = 1;
    double idle = 3;
    std::string title, dir = "/tmp", game, texts;
    std::vector<std::string> baseline;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool more = i + 1 < argc;
        if (arg == "--runs" && more) {
            runs = std::atoi(argv[++i]);
        } else if (arg == "--title" && more) {
            title = argv[++i];
        } else if (arg == "--dir" && more) {
            dir = argv[++i];
        } else if (arg == "--games" && more) {
            games = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--idle" && more) {
            idle = std::atof(argv[++i]);
        } else if (arg == "--texts" && more) {
            texts = argv[++i];
        } else if (arg == "--game" && more) {
            game = argv[++i];
        } else if (arg == "--baseline" && more) {
            baseline.assign(argv + i + 1, argv + argc);  // the rest is the baseline's command
            break;
        } else {
            Fail("unknown argument " + arg);
        }
    }
    if (game.empty() || baseline.empty()) {
        Fail("--game and --baseline are needed");
    }
    if (mode == "startup") {
        return Startup(runs, title, {game}, baseline, texts);
    }
    if (mode == "game") {
        return Game(dir, game, baseline, idle, games);
    }
    Fail("unknown mode " + mode);
}
