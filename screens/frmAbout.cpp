#include "screens/frmAbout.h"

#include "screens/frmOptions.h"
#include "toolkit/look.h"

frmAbout::frmAbout() {
    const layout::Screen& look = layout::kAbout;
    tk::ApplyWindow(this, look.window);
    tk::ApplyRow(&lblTitle, layout::Find(look, "lblTitle"));
    tk::ApplyRow(&lblDescription, layout::Find(look, "lblDescription"));
    tk::ApplyRow(&Line1[0], layout::Find(look, "Line1", 0));
    tk::ApplyRow(&Line1[1], layout::Find(look, "Line1", 1));
    tk::ApplyRow(&lblDisclaimer, layout::Find(look, "lblDisclaimer"));
    tk::ApplyRow(&cmdOK, layout::Find(look, "cmdOK"));
    tk::ApplyRow(&Label1, layout::Find(look, "Label1"));
    Line1[1].raise();  // the grey line lies over the white one
    SetDefaultButton(&cmdOK);
    SetCancelButton(&cmdOK);
    connect(&cmdOK, &tk::Button::Click, this, &frmAbout::cmdOK_Click);
}

// "OK": the title is done for good; the moderator goes on to set up the game.
void frmAbout::cmdOK_Click() {
    Unload();
    frmOptions::Show();
}
