#include "screens/frmGameOver.h"

#include "layout/pictures.h"

frmGameOver::frmGameOver() {
    LayWindow(layout::kGameOver);
    // Borderless and not in the task bar, it must stay in front of the maximised board, or the
    // room could never find it again.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    Lay(&Label1, "Label1");
    Lay(&Image1, "Image1");
    Lay(&Command1, "Command1");
    Lay(&Image2, "Image2");
    Image1.SetPicture(&layout::LogoRed);
    Image2.SetPicture(&layout::LogoRed);
    connect(&Command1, &tk::Button::Click, this, &frmGameOver::Command1_Click);
}

// "Thanks For Playing!": the program ends at once, every screen closed.
void frmGameOver::Command1_Click() {
    tk::End();
}
