#pragma once

// How far the open question has gone, as its screen paces it: what the host's window shows of the
// time, and which of the question's clicks would be taken now. The question screen tells it; the
// flow hands it on.
struct QuestionPace {
    int secondsLeft = 0;   // of a normal question's bar
    bool limited = true;   // the bar counts down to a time-out
    bool waiting = false;  // the bar waits for the reading to end: a click starts it
    bool paused = false;
    bool mayPause = false;
    bool mayAddTime = false;
    bool timeUp = false;       // "Time Is Up!" on the bar
    bool announcing = false;   // a Zapster question's blinking announcement
    bool clockShown = false;   // the Zapster clock
    bool clockTurned = false;  // counting down
    int clockSeconds = 0;
    bool mayReveal = false;     // a click on the time bar would show the answer
    bool mayTurnClock = false;  // a click on the clock would turn it

    bool operator==(const QuestionPace&) const = default;
};
