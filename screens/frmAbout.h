#pragma once

#include "toolkit/form.h"
#include "toolkit/widgets.h"

// The title screen: the game's name, what it is about, a warning, the version, and "OK".
class frmAbout : public tk::Screen<frmAbout> {
    Q_OBJECT

public:
    frmAbout();

    tk::Label lblTitle{this};
    tk::Label lblDescription{this};
    tk::Line Line1[2]{tk::Line{this}, tk::Line{this}};
    tk::Label lblDisclaimer{this};
    tk::Button cmdOK{this};
    tk::Label Label1{this};

    void cmdOK_Click();
};
