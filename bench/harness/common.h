#pragma once

#include <QEventLoop>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// What the in-process benchmarks share: a watch on when a window has been painted, a way to run
// the real event loop until something has happened, and the state of the process.
namespace bench {

// Tells when a screen has been painted and handed to the window system. Qt paints a window when
// the window system first exposes it and on each update request; the watch delivers those two
// events to the screen's window itself and notes the instant it is done with one that painted the
// screen, a window of its own or a page of one.
class PaintWatch : public QObject {
public:
    PaintWatch();
    ~PaintWatch() override;

    // From now on, waits for the window that `which` names (it may not exist yet).
    void Watch(std::function<QWidget*()> which);
    bool Painted() const { return paintedAt_ >= 0; }
    double PaintedAt() const { return paintedAt_; }

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    std::function<QWidget*()> which_;
    double paintedAt_ = -1;
    bool paintSeen_ = false;
    bool delivering_ = false;
};

// A new game of the program, seeded, on the real clock, its board painted.
void NewGameOnRealClock(std::uint64_t seed, PaintWatch& watch);

// A click of the left mouse button, delivered the way the window system delivers it.
void Click(QWidget& widget);

// The screen's window if it is loaded, for PaintWatch::Watch.
template <class Screen>
QWidget* IfLoaded() {
    return Screen::Loaded() ? &Screen::Get() : nullptr;
}

// Waits for the screen `watch` watches to be painted; returns the instant it was. Fails the
// benchmark, naming `screen`, if it never is.
double WaitPainted(PaintWatch& watch, const char* screen);

// Milliseconds from a click to the screen it brings painted.
struct ClickTimes {
    std::vector<double> toQuestion, toBoard;
};

// The steps of a question with empty pages of one maximised window, the way the game shows its
// screens: a click on a button of the board page shows a new empty question page in place of it,
// and a click there unloads it and brings the board back.
ClickTimes PlayEmptyPages(int questions);

// Runs Qt's event loop until `done` holds or `timeoutMs` has passed; false on time-out.
bool RunUntil(const std::function<bool()>& done, double timeoutMs);
// Runs Qt's event loop for `ms` milliseconds.
void RunFor(double ms);

// Resident memory of this process now (VmRSS) and at its peak (VmHWM), in KiB.
long RssKb();
long PeakRssKb();
// CPU time of the whole process in milliseconds, and the times any of its threads was switched out.
double CpuMs();
long Wakeups();

// The first open square of the board, left to right and top to bottom; false when none is left.
bool NextOpenSquare(int& column, int& index);

// Fails the benchmark with a message: a harness that cannot play the game measures nothing.
[[noreturn]] void Fail(const std::string& message);
// Fails unless the play helpers so far have found the game as they expected.
void CheckPlay(const char* step);

}  // namespace bench
