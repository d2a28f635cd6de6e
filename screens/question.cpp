#include "screens/question.h"

#include "toolkit/beep.h"
#include "toolkit/look.h"

namespace {

const layout::QuestionLook& kLook = layout::kQuestionLook;
const QString kTimeIsUp = QStringLiteral("Time Is Up!");

}  // namespace

QuestionScreen::QuestionScreen() {
    LayWindow(layout::kQuestion);
    Lay(&questionText, layout::Widget::questionText);
    Lay(&timeBar, layout::Widget::timeBar);
    Lay(&zapsterClock, layout::Widget::zapsterClock);
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
    questionText.SetForeColor(tk::Rgb(kLook.yellow));
    if (zapster_) {
        blinking_ = true;
        blinkTimer.Start();
    }
    timeBar.SetCaption(QString());
    barStepTimer.Start();
    timeOutTimer.Start();
    timeBar.setEnabled(true);
    beepTimer.Start();
    if (zapster_) {
        beepTimer.Stop();
    }
    // The first beep is half a second away: the sound output gets ready now, so that it is heard
    // as evenly in time as the rest.
    if (beepTimer.Running() && soundOn_) {
        tk::ReadyBeep(beepTimer);
    }
    questionText.SetCaption(game.QuestionText());
    if (zapster_) {
        questionText.setVisible(false);
    }
    emit PaceChanged();
}

// The time bar: the moderator reveals the answer, unless the time is already up.
void QuestionScreen::Reveal() {
    if (timeBar.Caption() == kTimeIsUp) {
        return;
    }
    Hide();
    emit RevealClicked();
    for (tk::Timer* timer : {&barStepTimer, &timeOutTimer, &backToBoardTimer, &announcementEndTimer,
                             &zapsterTextTimer, &beepTimer, &zapsterClockTimer, &blinkTimer}) {
        timer->Stop();
    }
    timeBar.SetCaption(QString());
}

// The Zapster clock: the moderator turns it to count down, once per question.
void QuestionScreen::TurnZapsterClock() {
    if (!clockCountingDown_) {
        zapsterClockTimer.Stop();
        clockCountingDown_ = true;
        zapsterClockTimer.Start();
    }
    emit PaceChanged();
}

// Every second: the bar is coloured by its length, then grows by one step.
void QuestionScreen::StepBar() {
    const qsizetype length = timeBar.Caption().size();
    timeBar.SetBackColor(tk::Rgb(length <= kLook.greenUpTo ? kLook.green
                                 : length >= kLook.redFrom ? kLook.red
                                                           : kLook.yellow));
    timeBar.SetCaption(timeBar.Caption() + QStringLiteral("[]"));
    ++barSteps_;
    emit PaceChanged();
}

// 32 seconds: the time is up; the turn passes three seconds later.
void QuestionScreen::TimeOut() {
    barStepTimer.Stop();
    timeBar.SetAlignment(tk::Align::Center);
    timeBar.SetCaption(kTimeIsUp);
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
        timeBar.SetCaption(kTimeIsUp);
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
    timeBar.SetCaption(QStringLiteral("Zapster!  "));
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
    pace.timeUp = timeBar.Caption() == kTimeIsUp;
    pace.secondsLeft = std::max(
        0,
        (Interval(layout::Timer::timeOut) - barSteps_ * Interval(layout::Timer::barStep)) / 1000);
    pace.announcing = blinkTimer.Running();
    pace.clockShown = zapsterClock.isVisibleTo(this);
    pace.clockTurned = clockCountingDown_;
    pace.clockSeconds = clockSeconds_;
    pace.mayReveal = timeBar.isEnabled() && !pace.timeUp;
    pace.mayTurnClock = pace.clockShown && zapsterClock.isEnabled() && !clockCountingDown_;
    return pace;
}

// The question screen is driven by the game: its close box does nothing, so that a question is
// never lost half-way.
void QuestionScreen::OnCloseBox() {}
