#include "screens/title.h"

#include "screens/setup.h"

TitleScreen::TitleScreen() {
    LayWindow(layout::kAbout);
    Lay(&title, "lblTitle");
    Lay(&description, "lblDescription");
    Lay(&divider[0], "Line1", 0);
    Lay(&divider[1], "Line1", 1);
    Lay(&disclaimer, "lblDisclaimer");
    Lay(&okButton, "cmdOK");
    Lay(&version, "Label1");
    SetDefaultButton(&okButton);
    SetCancelButton(&okButton);
    connect(&okButton, &tk::Button::Click, this, &TitleScreen::Ok);
}

// "OK": the title is done for good; the moderator goes on to set up the game.
void TitleScreen::Ok() {
    Unload();
    SetupScreen::Show();
}
