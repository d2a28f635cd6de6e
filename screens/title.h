#pragma once

#include "toolkit/widgets.h"
#include "toolkit/window.h"

// The title screen: the game's name, what it is about, a warning, the version, and "OK". With a
// saved game that did not end, it offers to resume it in place of the warning and "OK".
class TitleScreen : public tk::Screen<TitleScreen> {
    Q_OBJECT

public:
    TitleScreen();

    tk::Label title{this};
    tk::Label description{this};
    tk::Array<tk::Line, 2> divider{this};  // a white line with a grey one over it
    tk::Label disclaimer{this};
    tk::Button okButton{this};
    tk::Label version{this};
    tk::Label resumeOffer{this};
    tk::Button resumeButton{this};
    tk::Button newGameButton{this};

    // A saved game that did not end is offered plainly, before anything of a new game is set up
    // (`question`); a saved game that cannot be used, or a game already running in another copy
    // of the program, is said in one line where the warning stands (`problem`).
    void Say(const QString& question, const QString& problem);

signals:
    void OkClicked();
    void ResumeClicked();
};
