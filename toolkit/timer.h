#pragma once

#include <QObject>
#include <cstdint>

namespace tk {

class Window;

// An interval timer of a screen. Its rules are the game's own, not Qt's:
// - starting a timer that is already running leaves its schedule unchanged;
// - stopping and then starting it begins a new full period;
// - a new interval takes effect from that moment;
// - a stopped timer, or one whose screen was unloaded, delivers no further tick.
// Ticks keep their phase: the n-th tick of a running timer falls due n intervals after its start,
// however late the previous tick ran.
// A running timer can be held: it stays running but delivers nothing, and when it resumes its next
// tick falls due as long after that moment as it was due after the moment it was held. Timers due
// at one instant keep their order through a hold.
class Timer : public QObject {
    Q_OBJECT

public:
    Timer(Window* owner, int intervalMs);
    ~Timer() override;

    void Start();
    void Stop();
    bool Running() const { return running_; }
    int Interval() const { return interval_; }
    void SetInterval(int ms);  // on a held timer: its next tick is `ms` after it resumes
    void Hold();
    void Resume();
    bool Held() const { return held_; }
    // How long until the next tick, counted on the game clock while the timer runs.
    std::int64_t Remaining() const;

    // The instant of the next tick on the game clock (meaningful while running).
    std::int64_t Due() const { return due_; }

signals:
    void Tick();
    // The timer was running and has been stopped (by Stop, or with its screen).
    void Stopped();

private:
    friend class Window;
    friend struct Scheduler;
    void Detach() { owner_ = nullptr; }

    Window* owner_;
    int interval_;
    bool running_ = false;
    bool held_ = false;
    std::int64_t due_ = 0;
    std::int64_t remaining_ = 0;  // while held
    std::uint64_t order_ = 0;
};

// The game clock that drives every timer, in milliseconds. The program runs on Qt's event loop;
// tests switch to a manual clock that stands still until Advance() moves it.
//
// Ticks that fall due at the same instant run one after another, ordered by the order in which
// their timers were last started (stopped and started again counts as a new start; a change of
// interval does not). A timer started or re-set inside a tick counts from that tick's instant.
namespace clock {
void UseReal();
void UseManual();  // resets the manual time to 0
bool IsManual();
std::int64_t Now();
// Inside a tick on the real clock: how long after its instant the tick is running, in
// milliseconds. Zero elsewhere, and always on the manual clock.
std::int64_t Lateness();
// Manual clock only: moves time forward by `ms`, delivering every due tick in time order, one
// handler at a time, including ticks of timers that earlier ticks started.
void Advance(std::int64_t ms);
// Number of running timers, for harnesses that check that an idle board costs nothing.
int RunningTimers();
}  // namespace clock

}  // namespace tk
