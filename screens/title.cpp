#include "screens/title.h"

#include "screens/setup.h"

TitleScreen::TitleScreen() {
    LayWindow(layout::kTitle);
    Lay(&title, layout::Widget::title);
    Lay(&description, layout::Widget::description);
    Lay(&divider[0], layout::Widget::divider, 0);
    Lay(&divider[1], layout::Widget::divider, 1);
    Lay(&disclaimer, layout::Widget::disclaimer);
    Lay(&okButton, layout::Widget::okButton);
    Lay(&version, layout::Widget::version);
    SetDefaultButton(&okButton);
    SetCancelButton(&okButton);
    connect(&okButton, &tk::Button::Click, this, &TitleScreen::Ok);
}

// "OK": the title is done for good; the moderator goes on to set up the game.
void TitleScreen::Ok() {
    Unload();
    SetupScreen::Show();
}
