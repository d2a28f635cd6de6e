#pragma once

#include "game/match.h"
#include "toolkit/widgets.h"
#include "toolkit/window.h"

// The answer screen: the expected answer, the question's points and the two judging buttons.
class AnswerScreen : public tk::Screen<AnswerScreen> {
    Q_OBJECT

public:
    AnswerScreen();

    tk::Label answerText{this};
    tk::Button rightButton{this};  // "Got it!", or "NO Zapster!" on a Zapster question
    tk::Label points{this};
    tk::Button wrongButton{this};  // "Missed it", or "Zapster!" on a Zapster question

    // The open question's answer, points and judging buttons; with no question open, the last
    // question's stay.
    void Draw(const game::Match& game);

signals:
    // The moderator's judgement of the answer of the team on turn.
    void Judged(bool right);
    // Ctrl+Z here takes back the outcome before this question's, one more each time it is pressed.
    void TakeBackPressed();

protected:
    void OnUndo() override { emit TakeBackPressed(); }
    void OnCloseBox() override;
};
