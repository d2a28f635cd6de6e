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
    tk::Label pausedSign{this};    // over the bar while the question is paused

    tk::Timer barStepTimer{this, Interval(layout::Timer::barStep)};
    tk::Timer timeOutTimer{this, Interval(layout::Timer::timeOut)};
    tk::Timer backToBoardTimer{this, Interval(layout::Timer::backToBoard)};
    tk::Timer announcementEndTimer{this, Interval(layout::Timer::announcementEnd)};
    tk::Timer zapsterTextTimer{this, Interval(layout::Timer::zapsterText)};
    tk::Timer beepTimer{this, Interval(layout::Timer::beep)};
    tk::Timer zapsterClockTimer{this, Interval(layout::Timer::zapsterClock)};
    tk::Timer blinkTimer{this, Interval(layout::Timer::blink)};

    // The bar of the game's own length has a step a second; another length keeps the 32 steps.
    static constexpr int kBarSteps = 32;
    static constexpr int kMoreTime = 10000;      // milliseconds, added by "+10 s"
    static constexpr int kLongestBar = 3600000;  // "+10 s" stops adding at an hour

    // The game has opened a question: show it and start its clock.
    void Begin(const game::Match& game);

    // A click on the bar: it starts the time if it waits for the reading, else shows the answer.
    void Reveal();
    void StartBar();
    // Holds every timer of the question where it is, or lets them all go on; and ten more seconds
    // before the time-out.
    void SwitchPause();
    void AddTime();
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
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool zapster_ = false;
    bool soundOn_ = false;
    // The announcement: whether the screen blinks, and whether it is red at this blink.
    bool blinking_ = false;
    bool blinkRed_ = false;
    game::Integer clockSeconds_ = 0;
    bool clockCountingDown_ = false;
    int barSteps_ = 0;
    std::int64_t barLength_ = 0;  // milliseconds to the time-out; 0: no time limit
    bool waiting_ = false;        // for the moderator to finish reading the question aloud
    bool paused_ = false;

    std::array<tk::Timer*, 8> Timers();
    // The instant of the bar's n-th step, counted from its start.
    std::int64_t StepInstant(int step) const { return step * barLength_ / kBarSteps; }
    void DrawBar();
    bool MayPause() const;
    bool MayAddTime() const;
};
