#pragma once

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

    // The points of the open square as shown; a caption that is not a whole number is worth
    // nothing.
    int Points() const;

    // The moderator's judgement of the answer of the team on turn.
    void Judge(bool right);

protected:
    void OnUndo() override;
    void OnCloseBox() override;
};
