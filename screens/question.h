#pragma once

#include "toolkit/form.h"
#include "toolkit/timer.h"
#include "toolkit/widgets.h"

// The question screen, loaded afresh for every question: the question text, the time bar that the
// moderator clicks to reveal the answer, and on a Zapster question the clock.
class QuestionScreen : public tk::Screen<QuestionScreen> {
    Q_OBJECT

public:
    QuestionScreen();

    tk::Label questionText{this};
    tk::Label timeBar{this};
    tk::Label zapsterClock{this};  // over the left end of the bar

    tk::Timer barStepTimer{this, layout::TimerInterval(layout::kQuestion, "Timer1")};
    tk::Timer timeOutTimer{this, layout::TimerInterval(layout::kQuestion, "Timer2")};
    tk::Timer backToBoardTimer{this, layout::TimerInterval(layout::kQuestion, "Timer3")};
    tk::Timer announcementEndTimer{this, layout::TimerInterval(layout::kQuestion, "Timer4")};
    tk::Timer zapsterTextTimer{this, layout::TimerInterval(layout::kQuestion, "Timer5")};
    tk::Timer beepTimer{this, layout::TimerInterval(layout::kQuestion, "Timer6")};
    tk::Timer zapsterClockTimer{this, layout::TimerInterval(layout::kQuestion, "Timer7")};
    tk::Timer blinkTimer{this, layout::TimerInterval(layout::kQuestion, "Timer8")};

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

protected:
    void Form_Load() override;
    void Form_FrameClose() override;

private:
    void CheckRoundEnd();
};
