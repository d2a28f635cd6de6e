#pragma once

#include "game/match.h"
#include "screens/pace.h"
#include "toolkit/timer.h"
#include "toolkit/widgets.h"
#include "toolkit/window.h"

// The question screen, loaded afresh for every question: the question text, the time bar that the
// moderator clicks to reveal the answer, and on a Zapster question the clock. Its timers pace the
// question; the game hears from it only how the question ended.
class QuestionScreen : public tk::Screen<QuestionScreen> {
    Q_OBJECT

public:
    QuestionScreen();

    static int Interval(layout::Timer timer) {
        return layout::TimerInterval(layout::kQuestion, timer);
    }

    tk::Label questionText{this};
    tk::Label timeBar{this};
    tk::Label zapsterClock{this};  // over the left end of the bar

    tk::Timer barStepTimer{this, Interval(layout::Timer::barStep)};
    tk::Timer timeOutTimer{this, Interval(layout::Timer::timeOut)};
    tk::Timer backToBoardTimer{this, Interval(layout::Timer::backToBoard)};
    tk::Timer announcementEndTimer{this, Interval(layout::Timer::announcementEnd)};
    tk::Timer zapsterTextTimer{this, Interval(layout::Timer::zapsterText)};
    tk::Timer beepTimer{this, Interval(layout::Timer::beep)};
    tk::Timer zapsterClockTimer{this, Interval(layout::Timer::zapsterClock)};
    tk::Timer blinkTimer{this, Interval(layout::Timer::blink)};

    // The game has opened a question: show it and start its clock.
    void Begin(const game::Match& game);

    void Reveal();
    void TurnZapsterClock();
    void StepBar();
    void TimeOut();
    void BackToBoard();
    void EndAnnouncement();
    void ShowZapsterQuestion();
    void Beep();
    void TickZapsterClock();
    void Blink();

    // The seconds on the Zapster clock, up and then, once it is turned, down.
    game::Integer ClockSeconds() const { return clockSeconds_; }
    QuestionPace Pace() const;

signals:
    void RevealClicked();
    void TimeRanOut();   // the 32 seconds of a question
    void ClockRanOut();  // a turned Zapster clock reached zero
    void BoardDue();     // three seconds after either
    void PaceChanged();  // a second has passed, the time is up, the clock shows or turns

protected:
    void OnCloseBox() override;

private:
    bool zapster_ = false;
    bool soundOn_ = false;
    // The announcement: whether the screen blinks, and whether it is red at this blink.
    bool blinking_ = false;
    bool blinkRed_ = false;
    game::Integer clockSeconds_ = 0;
    bool clockCountingDown_ = false;
    int barSteps_ = 0;
};
