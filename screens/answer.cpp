#include "screens/answer.h"

AnswerScreen::AnswerScreen() {
    LayWindow(layout::kAnswer);
    Lay(&answerText, layout::Widget::answerText);
    Lay(&rightButton, layout::Widget::rightButton);
    Lay(&points, layout::Widget::points);
    Lay(&wrongButton, layout::Widget::wrongButton);
    answerText.SetShrinkToFit(true);  // a long text is drawn smaller rather than cut off
    connect(&rightButton, &tk::Button::Click, this, [this] { emit Judged(true); });
    connect(&wrongButton, &tk::Button::Click, this, [this] { emit Judged(false); });
}

// On a Zapster question the buttons say what the room shouts: the team on turn answered right
// ("NO Zapster!") or not ("Zapster!").
void AnswerScreen::Draw(const game::Match& game) {
    const std::optional<game::OpenQuestion>& question = game.Question();
    if (!question) {
        return;
    }
    answerText.SetCaption(game.AnswerText());
    points.SetCaption(QString::number(question->points));
    rightButton.SetCaption(question->zapster ? tr("NO Zapster!") : tr("Got it!"));
    wrongButton.SetCaption(question->zapster ? tr("Zapster!") : tr("Missed it"));
}

// The answer screen is driven by the game: its close box does nothing, so that a judgement is
// never lost.
void AnswerScreen::OnCloseBox() {}
