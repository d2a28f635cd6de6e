#include "toolkit/timer.h"

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <limits>
#include <vector>

#include "toolkit/program.h"
#include "toolkit/window.h"

namespace tk {

struct Scheduler {
    std::vector<Timer*> running;
    bool manual = false;
    std::int64_t manualNow = 0;
    std::int64_t tickInstant = -1;  // while a tick runs: the instant it fell due
    std::uint64_t nextOrder = 0;
    bool dispatching = false;
    QElapsedTimer realClock;
    QTimer* wake = nullptr;

    std::int64_t Now() {
        if (tickInstant >= 0) {
            return tickInstant;
        }
        if (manual) {
            return manualNow;
        }
        if (!realClock.isValid()) {
            realClock.start();
        }
        return realClock.elapsed();
    }

    Timer* NextDue(std::int64_t limit) const {
        Timer* best = nullptr;
        for (Timer* t : running) {
            if (t->due_ <= limit && (best == nullptr || t->due_ < best->due_ ||
                                     (t->due_ == best->due_ && t->order_ < best->order_))) {
                best = t;
            }
        }
        return best;
    }

    // Runs every tick due up to `limit`, earliest first.
    void Dispatch(std::int64_t limit) {
        dispatching = true;
        while (Timer* t = NextDue(limit)) {
            const std::int64_t instant = t->due_;
            std::int64_t next = instant + t->interval_;
            if (!manual && next <= limit) {
                // The machine stalled for more than a period: skip the missed ticks instead of
                // delivering a burst, but stay on the timer's own phase.
                const std::int64_t missed = (limit - instant) / t->interval_;
                next = instant + (missed + 1) * t->interval_;
            }
            t->due_ = next;
            if (manual) {
                manualNow = instant;
            }
            tickInstant = instant;
            {
                HandlerScope scope;
                emit t->Tick();
            }
            tickInstant = -1;
        }
        dispatching = false;
        Rearm();
    }

    void Rearm() {
        if (manual || dispatching) {
            return;
        }
        if (wake == nullptr) {
            wake = new QTimer;
            wake->setSingleShot(true);
            wake->setTimerType(Qt::PreciseTimer);
            QObject::connect(wake, &QTimer::timeout, [this] { Dispatch(Now()); });
        }
        std::int64_t earliest = std::numeric_limits<std::int64_t>::max();
        for (Timer* t : running) {
            earliest = std::min(earliest, t->due_);
        }
        if (earliest == std::numeric_limits<std::int64_t>::max()) {
            wake->stop();  // an idle board wakes nobody
            return;
        }
        wake->start(static_cast<int>(std::max<std::int64_t>(0, earliest - Now())));
    }

    void Add(Timer* t) {
        running.push_back(t);
        Rearm();
    }
    void Remove(Timer* t) {
        running.erase(std::remove(running.begin(), running.end(), t), running.end());
        Rearm();
    }
};

namespace {
Scheduler& Sched() {
    static Scheduler scheduler;
    return scheduler;
}
}  // namespace

Timer::Timer(Window* owner, int intervalMs) : QObject(owner), owner_(owner), interval_(intervalMs) {
    if (owner_ != nullptr) {
        owner_->AddTimer(this);
    }
}

Timer::~Timer() {
    if (running_ && !held_) {
        Sched().Remove(this);
    }
    if (owner_ != nullptr) {
        owner_->RemoveTimer(this);
    }
}

void Timer::Start() {
    if (running_ || interval_ <= 0 || (owner_ != nullptr && owner_->Unloaded())) {
        return;
    }
    running_ = true;
    order_ = ++Sched().nextOrder;
    due_ = Sched().Now() + interval_;
    Sched().Add(this);
}

void Timer::Stop() {
    if (!running_) {
        return;
    }
    running_ = false;
    if (!held_) {
        Sched().Remove(this);
    }
    held_ = false;
    emit Stopped();
}

void Timer::SetInterval(int ms) {
    interval_ = ms;
    if (!running_) {
        return;
    }
    if (ms <= 0) {
        Stop();
        return;
    }
    if (held_) {
        remaining_ = ms;
        return;
    }
    due_ = Sched().Now() + ms;
    Sched().Rearm();
}

void Timer::Hold() {
    if (!running_ || held_) {
        return;
    }
    held_ = true;
    remaining_ = std::max<std::int64_t>(0, due_ - Sched().Now());
    Sched().Remove(this);
}

void Timer::Resume() {
    if (!held_) {
        return;
    }
    held_ = false;
    due_ = Sched().Now() + remaining_;
    Sched().Add(this);
}

std::int64_t Timer::Remaining() const {
    if (!running_) {
        return 0;
    }
    return held_ ? remaining_ : std::max<std::int64_t>(0, due_ - Sched().Now());
}

namespace clock {

void UseReal() {
    Sched().manual = false;
    Sched().Rearm();
}

void UseManual() {
    Sched().manual = true;
    Sched().manualNow = 0;
    if (Sched().wake != nullptr) {
        Sched().wake->stop();
    }
}

bool IsManual() {
    return Sched().manual;
}

std::int64_t Now() {
    return Sched().Now();
}

std::int64_t Lateness() {
    Scheduler& s = Sched();
    if (s.manual || s.tickInstant < 0 || !s.realClock.isValid()) {
        return 0;
    }
    return std::max<std::int64_t>(0, s.realClock.elapsed() - s.tickInstant);
}

void Advance(std::int64_t ms) {
    Scheduler& s = Sched();
    if (!s.manual || ms < 0) {
        return;
    }
    const std::int64_t target = s.manualNow + ms;
    s.Dispatch(target);
    s.manualNow = target;
}

int RunningTimers() {
    return static_cast<int>(Sched().running.size());
}

}  // namespace clock
}  // namespace tk
