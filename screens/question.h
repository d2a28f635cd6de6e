#pragma once

#include "toolkit/timer.h"
#include "toolkit/widgets.h"
#include "toolkit/window.h"

// The question screen, loaded afresh for every question: the question text, the time bar that the
// moderator clicks to reveal the answer, and on a Zapster question the clock.
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
    // After the 30th question of a round: the next round, its Zapster buttons and its board.
    static void CheckRoundEnd();

protected:
    void OnLoad() override;
    void OnCloseBox() override;
};
