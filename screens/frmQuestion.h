#pragma once

#include "toolkit/form.h"
#include "toolkit/timer.h"
#include "toolkit/widgets.h"

// The question screen, loaded afresh for every question: the question text, the time bar that the
// moderator clicks to reveal the answer, and on a Zapster question the clock.
class frmQuestion : public tk::Screen<frmQuestion> {
    Q_OBJECT

public:
    frmQuestion();

    tk::Label Label1{this};  // the question
    tk::Label Label2{this};  // the time bar
    tk::Label Label3{this};  // the Zapster clock, over the left end of the bar

    tk::Timer Timer1{this, layout::TimerInterval(layout::kQuestion, "Timer1")};  // time bar
    tk::Timer Timer2{this, layout::TimerInterval(layout::kQuestion, "Timer2")};  // time-out
    tk::Timer Timer3{this, layout::TimerInterval(layout::kQuestion, "Timer3")};  // back to board
    tk::Timer Timer4{this, layout::TimerInterval(layout::kQuestion, "Timer4")};  // announcement end
    tk::Timer Timer5{this, layout::TimerInterval(layout::kQuestion, "Timer5")};  // Zapster text
    tk::Timer Timer6{this, layout::TimerInterval(layout::kQuestion, "Timer6")};  // beeps
    tk::Timer Timer7{this, layout::TimerInterval(layout::kQuestion, "Timer7")};  // Zapster clock
    tk::Timer Timer8{this, layout::TimerInterval(layout::kQuestion, "Timer8")};  // announcement

    void Label2_Click();
    void Label3_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void Timer5_Timer();
    void Timer6_Timer();
    void Timer7_Timer();
    void Timer8_Timer();

protected:
    void Form_Load() override;
    void Form_FrameClose() override;

private:
    void CheckRoundEnd();
};
