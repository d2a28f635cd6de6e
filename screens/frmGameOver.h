#pragma once

#include "toolkit/form.h"
#include "toolkit/widgets.h"

// The game-over screen: a banner, two logos and the button that ends the program.
class frmGameOver : public tk::Screen<frmGameOver> {
    Q_OBJECT

public:
    frmGameOver();

    tk::Label Label1{this};
    tk::Picture Image1{this};
    tk::Button Command1{this};
    tk::Picture Image2{this};

    void Command1_Click();
};
