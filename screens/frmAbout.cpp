#include "screens/frmAbout.h"

#include "screens/frmOptions.h"

frmAbout::frmAbout() {
    LayWindow(layout::kAbout);
    Lay(&lblTitle, "lblTitle");
    Lay(&lblDescription, "lblDescription");
    Lay(&Line1[0], "Line1", 0);
    Lay(&Line1[1], "Line1", 1);  // the grey line lies over the white one
    Lay(&lblDisclaimer, "lblDisclaimer");
    Lay(&cmdOK, "cmdOK");
    Lay(&Label1, "Label1");
    SetDefaultButton(&cmdOK);
    SetCancelButton(&cmdOK);
    connect(&cmdOK, &tk::Button::Click, this, &frmAbout::cmdOK_Click);
}

// "OK": the title is done for good; the moderator goes on to set up the game.
void frmAbout::cmdOK_Click() {
    Unload();
    frmOptions::Show();
}
