#include "screens/title.h"

TitleScreen::TitleScreen() {
    LayWindow(layout::kTitle);
    Lay(&title, layout::Widget::title);
    Lay(&description, layout::Widget::description);
    Lay(&divider[0], layout::Widget::divider, 0);
    Lay(&divider[1], layout::Widget::divider, 1);
    Lay(&disclaimer, layout::Widget::disclaimer);
    Lay(&okButton, layout::Widget::okButton);
    Lay(&version, layout::Widget::version);
    Lay(&resumeOffer, layout::Widget::resumeOffer);
    Lay(&resumeButton, layout::Widget::resumeButton);
    Lay(&newGameButton, layout::Widget::newGameButton);
    resumeOffer.SetShrinkToFit(true);
    SetDefaultButton(&okButton);
    SetCancelButton(&okButton);
    connect(&okButton, &tk::Button::Click, this, &TitleScreen::OkClicked);
    connect(&resumeButton, &tk::Button::Click, this, &TitleScreen::ResumeClicked);
    connect(&newGameButton, &tk::Button::Click, this, &TitleScreen::OkClicked);
}

void TitleScreen::Say(const QString& question, const QString& problem) {
    const QString& said = question.isEmpty() ? problem : question;
    if (said.isEmpty()) {
        return;
    }
    disclaimer.setVisible(false);
    resumeOffer.SetCaption(said);
    resumeOffer.setVisible(true);
    if (!question.isEmpty()) {
        okButton.setVisible(false);
        resumeButton.setVisible(true);
        newGameButton.setVisible(true);
        SetDefaultButton(&resumeButton);
        SetCancelButton(&newGameButton);
    }
}
