#include "screens/question.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <algorithm>

#include "toolkit/beep.h"
#include "toolkit/look.h"

namespace {

const layout::QuestionLook& kLook = layout::kQuestionLook;
// The bar's words, in the room's language. "Time Is Up!" on the bar is also how the screen knows
// that the time is up.
QString TimeIsUp() {
    return QuestionScreen::tr("Time Is Up!");
}

// A key's name as the desktop writes it, in the room's language.
QString KeyName(Qt::Key key) {
    return QKeySequence(key).toString(QKeySequence::NativeText);
}

// The bar's colour once it is `length` characters long: green, then yellow, then red.
int BarColour(qsizetype length) {
    return length <= kLook.greenUpTo ? kLook.green
           : length >= kLook.redFrom ? kLook.red
                                     : kLook.yellow;
}

}  // namespace

QuestionScreen::QuestionScreen() {
    LayWindow(layout::kQuestion);
    Lay(&questionText, layout::Widget::questionText);
    Lay(&timeBar, layout::Widget::timeBar);
    Lay(&zapsterClock, layout::Widget::zapsterClock);
    Lay(&pausedSign, layout::Widget::pausedSign);
    questionText.SetShrinkToFit(true);  // a long text is drawn smaller rather than cut off
    connect(&timeBar, &tk::Label::Click, this, &QuestionScreen::Reveal);
    connect(&zapsterClock, &tk::Label::Click, this, &QuestionScreen::TurnZapsterClock);
    connect(&barStepTimer, &tk::Timer::Tick, this, &QuestionScreen::StepBar);
    connect(&timeOutTimer, &tk::Timer::Tick, this, &QuestionScreen::TimeOut);
    connect(&backToBoardTimer, &tk::Timer::Tick, this, &QuestionScreen::BackToBoard);
    connect(&announcementEndTimer, &tk::Timer::Tick, this, &QuestionScreen::EndAnnouncement);
    connect(&zapsterTextTimer, &tk::Timer::Tick, this, &QuestionScreen::ShowZapsterQuestion);
    connect(&beepTimer, &tk::Timer::Tick, this, &QuestionScreen::Beep);
    connect(&zapsterClockTimer, &tk::Timer::Tick, this, &QuestionScreen::TickZapsterClock);
    connect(&blinkTimer, &tk::Timer::Tick, this, &QuestionScreen::Blink);
}

// A Zapster question is announced by blinking and keeps its text hidden until then, and it has no
// beeps. Timers started at the same instant tick in the order they were started.
void QuestionScreen::Begin(const game::Match& game) {
    zapster_ = game.Question() && game.Question()->zapster;
    soundOn_ = game.SoundOn();
    clockSeconds_ = 0;
    clockCountingDown_ = false;
    barLength_ = std::int64_t{game.setup().barSeconds} * 1000;
    waiting_ = !zapster_ && barLength_ > 0 && game.setup().startAfterReading;
    questionText.SetForeColor(tk::Rgb(kLook.yellow));
    if (zapster_) {
        blinking_ = true;
        blinkTimer.Start();
    }
    timeBar.setEnabled(true);
    if (waiting_ || barLength_ == 0) {
        timeBar.SetAlignment(tk::Align::Center);
        timeBar.SetCaption(waiting_ ? tr("Click here or press Space to start the time")
                                    : tr("No time limit: click here to show the answer"));
    } else {
        StartBar();
    }
    questionText.SetCaption(game.QuestionText());
    if (zapster_) {
        questionText.setVisible(false);
    }
    emit PaceChanged();
}

// The bar, its time-out and its beeps start together.
void QuestionScreen::StartBar() {
    waiting_ = false;
    timeBar.SetAlignment(tk::Align::Left);
    timeBar.SetCaption(QString());
    if (StepInstant(1) != barStepTimer.Interval()) {
        barStepTimer.SetInterval(int(StepInstant(1)));
        timeOutTimer.SetInterval(int(barLength_));
    }
    barStepTimer.Start();
    timeOutTimer.Start();
    beepTimer.Start();
    if (zapster_) {
        beepTimer.Stop();
    }
    // The first beep is half a second away: the sound output gets ready now, so that it is heard
    // as evenly in time as the rest.
    if (beepTimer.Running() && soundOn_) {
        tk::ReadyBeep(beepTimer);
    }
}

// The time bar: the moderator starts the time after reading, or reveals the answer, unless the
// time is already up.
void QuestionScreen::Reveal() {
    if (timeBar.Caption() == TimeIsUp()) {
        return;
    }
    if (waiting_) {
        StartBar();
        emit PaceChanged();
        return;
    }
    Hide();
    emit RevealClicked();
    for (tk::Timer* timer : Timers()) {
        timer->Stop();
    }
    timeBar.SetCaption(QString());
}

std::array<tk::Timer*, 8> QuestionScreen::Timers() {
    return {&barStepTimer,     &timeOutTimer, &backToBoardTimer,  &announcementEndTimer,
            &zapsterTextTimer, &beepTimer,    &zapsterClockTimer, &blinkTimer};
}

bool QuestionScreen::MayPause() const {
    const std::array<const tk::Timer*, 8> timers{
        &barStepTimer,     &timeOutTimer, &backToBoardTimer,  &announcementEndTimer,
        &zapsterTextTimer, &beepTimer,    &zapsterClockTimer, &blinkTimer};
    return paused_ || std::any_of(timers.begin(), timers.end(),
                                  [](const tk::Timer* timer) { return timer->Running(); });
}

// A dispute is settled with the question standing still: the bar, its beeps, the announcement,
// the Zapster clock and the three seconds before the board all wait where they are.
void QuestionScreen::SwitchPause() {
    if (!MayPause()) {
        return;
    }
    paused_ = !paused_;
    for (tk::Timer* timer : Timers()) {
        if (paused_) {
            timer->Hold();
        } else {
            timer->Resume();
        }
    }
    pausedSign.setVisible(paused_);
    emit PaceChanged();
}

bool QuestionScreen::MayAddTime() const {
    // The time-out's timer runs on until the board is back; once the time is up it is too late.
    return timeOutTimer.Running() && timeBar.Caption() != TimeIsUp() &&
           barLength_ + kMoreTime <= kLongestBar;
}

// Ten more seconds make the bar longer: the time that has passed becomes a smaller part of it, so
// the bar is drawn shorter and goes on in steps of the new length.
void QuestionScreen::AddTime() {
    if (!MayAddTime()) {
        return;
    }
    const std::int64_t elapsed = barLength_ - timeOutTimer.Remaining();
    barLength_ += kMoreTime;
    timeOutTimer.SetInterval(int(barLength_ - elapsed));
    barSteps_ = 0;
    while (barSteps_ < kBarSteps && StepInstant(barSteps_ + 1) <= elapsed) {
        ++barSteps_;
    }
    DrawBar();
    barStepTimer.SetInterval(int(StepInstant(barSteps_ + 1) - elapsed));
    emit PaceChanged();
}

// The Zapster clock: the moderator turns it to count down, once per question.
void QuestionScreen::TurnZapsterClock() {
    if (!clockCountingDown_) {
        zapsterClockTimer.Stop();
        clockCountingDown_ = true;
        zapsterClockTimer.Start();
        if (paused_) {
            zapsterClockTimer.Hold();  // it counts down once the question goes on
        }
    }
    emit PaceChanged();
}

// Every step: the bar is coloured by its length, then grows by one step. A length that is not a
// whole number of milliseconds per step has steps a millisecond apart in length, so that the last
// one falls on the time-out.
void QuestionScreen::StepBar() {
    timeBar.SetBackColor(tk::Rgb(BarColour(timeBar.Caption().size())));
    timeBar.SetCaption(timeBar.Caption() + QStringLiteral("[]"));
    ++barSteps_;
    const std::int64_t gap = StepInstant(barSteps_ + 1) - StepInstant(barSteps_);
    if (barSteps_ < kBarSteps && gap != barStepTimer.Interval()) {
        barStepTimer.SetInterval(int(gap));
    }
    emit PaceChanged();
}

// The bar as `barSteps_` steps have drawn it.
void QuestionScreen::DrawBar() {
    const qsizetype before = 2 * qsizetype(std::max(0, barSteps_ - 1));
    timeBar.SetBackColor(tk::Rgb(BarColour(before)));
    timeBar.SetCaption(QStringLiteral("[]").repeated(barSteps_));
}

// The bar is full: the time is up; the turn passes three seconds later.
void QuestionScreen::TimeOut() {
    barStepTimer.Stop();
    timeBar.SetAlignment(tk::Align::Center);
    timeBar.SetCaption(TimeIsUp());
    timeBar.setEnabled(false);
    backToBoardTimer.Start();
    beepTimer.Stop();
    emit TimeRanOut();
    emit PaceChanged();
}

// Three seconds after a time-out: the question closes and the board is due.
void QuestionScreen::BackToBoard() {
    Hide();
    barStepTimer.Stop();
    timeOutTimer.Stop();
    backToBoardTimer.Stop();
    beepTimer.Stop();
    timeBar.SetCaption(QString());
    emit BoardDue();
}

// Five seconds after the announcement began: the blinking stops on red and the clock appears.
void QuestionScreen::EndAnnouncement() {
    blinkTimer.Stop();
    zapsterTextTimer.Start();
    if (zapster_) {
        zapsterClock.setVisible(true);
        zapsterClock.setEnabled(true);
        zapsterClockTimer.Start();
    }
    SetBackColor(tk::Rgb(kLook.red));
    announcementEndTimer.Stop();
    emit PaceChanged();
}

// Every half second on a Zapster question: the question shows in white.
void QuestionScreen::ShowZapsterQuestion() {
    questionText.SetForeColor(tk::Rgb(kLook.white));
    questionText.setVisible(true);
}

// The beeps of a normal question: slow, then faster as the bar fills.
void QuestionScreen::Beep() {
    if (!soundOn_) {
        return;
    }
    tk::Beep();
    beepTimer.SetInterval(kLook.mediumBeep);
    const qsizetype length = timeBar.Caption().size();
    if (length <= kLook.greenUpTo) {
        beepTimer.SetInterval(kLook.slowBeep);
    }
    if (length > kLook.redFrom) {
        beepTimer.SetInterval(kLook.fastBeep);
    }
}

// The Zapster clock, each second: up until the moderator turns it, then down; at zero the time is
// up, and the team on turn gains double points.
void QuestionScreen::TickZapsterClock() {
    if (!clockCountingDown_) {
        clockSeconds_ = game::SaturatingAdd(clockSeconds_, 1);
        timeBar.setEnabled(false);
    }
    if (clockCountingDown_) {
        clockSeconds_ = game::SaturatingAdd(clockSeconds_, -1);
        timeBar.setEnabled(true);
    }
    zapsterClock.SetCaption(QString::number(clockSeconds_));
    if (clockCountingDown_ && clockSeconds_ == 0) {
        backToBoardTimer.Start();
        announcementEndTimer.Stop();
        zapsterTextTimer.Stop();
        zapsterClockTimer.Stop();
        blinkTimer.Stop();
        timeBar.SetAlignment(tk::Align::Center);
        timeBar.SetCaption(TimeIsUp());
        emit ClockRanOut();
    }
    emit PaceChanged();
}

// Every quarter second at the start of a Zapster question: the announcement and the blinking.
void QuestionScreen::Blink() {
    questionText.setVisible(false);
    timeBar.SetForeColor(tk::Rgb(kLook.blue));
    announcementEndTimer.Start();  // the first tick starts it; later ticks leave its schedule alone
    barStepTimer.Stop();
    timeOutTimer.Stop();
    beepTimer.Stop();
    timeBar.SetAlignment(tk::Align::Right);
    timeBar.SetCaption(tr("Zapster!") + QStringLiteral("  "));
    if (!blinking_) {
        blinking_ = true;
    }
    if (BackColor() == tk::Rgb(kLook.red) && blinkRed_) {
        SetBackColor(tk::Rgb(kLook.blue));
        blinkRed_ = false;
        blinking_ = false;
    }
    if (BackColor() == tk::Rgb(kLook.blue) && blinking_) {
        SetBackColor(tk::Rgb(kLook.red));
        blinkRed_ = true;
    }
}

QuestionPace QuestionScreen::Pace() const {
    QuestionPace pace;
    pace.timeUp = timeBar.Caption() == TimeIsUp();
    pace.limited = barLength_ > 0;
    pace.waiting = waiting_;
    pace.secondsLeft =
        pace.timeUp ? 0 : int(((waiting_ ? barLength_ : timeOutTimer.Remaining()) + 999) / 1000);
    pace.announcing = blinkTimer.Running();
    pace.clockShown = zapsterClock.isVisibleTo(this);
    pace.clockTurned = clockCountingDown_;
    pace.clockSeconds = clockSeconds_;
    pace.mayReveal = timeBar.isEnabled() && !pace.timeUp;
    pace.mayTurnClock = pace.clockShown && zapsterClock.isEnabled() && !clockCountingDown_;
    pace.paused = paused_;
    pace.mayPause = MayPause();
    pace.mayAddTime = MayAddTime();
    return pace;
}

// The moderator's keys on the room's screen: P pauses, + adds time, Space starts a waiting bar.
void QuestionScreen::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        tk::Window::keyPressEvent(event);
        return;
    }
    tk::HandlerScope scope;
    if (key == Qt::Key_P) {
        SwitchPause();
    } else if (key == Qt::Key_Plus || key == Qt::Key_Equal) {
        AddTime();
    } else if (key == Qt::Key_Space && waiting_) {
        Reveal();
    } else {
        tk::Window::keyPressEvent(event);
        return;
    }
    event->accept();
}

// A right-click offers the same as the keys, for a moderator without a keyboard at hand.
void QuestionScreen::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    tk::PopUpMenu(this, event->globalPos(),
                  {{waiting_ ? tr("Start the time") : QString(), KeyName(Qt::Key_Space), waiting_,
                    [this] { Reveal(); }},
                   {paused_ ? tr("Go on") : tr("Pause"), KeyName(Qt::Key_P), MayPause(),
                    [this] { SwitchPause(); }},
                   {tr("+10 s"), KeyName(Qt::Key_Plus), MayAddTime(), [this] { AddTime(); }}});
}

// The question screen is driven by the game: its close box does nothing, so that a question is
// never lost half-way.
void QuestionScreen::OnCloseBox() {}
