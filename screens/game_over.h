#pragma once

#include "toolkit/widgets.h"
#include "toolkit/window.h"

// The game-over screen: a heading, two logos and the button that ends the program.
class GameOverScreen : public tk::Screen<GameOverScreen> {
    Q_OBJECT

public:
    GameOverScreen();

    tk::Label heading{this};
    tk::Picture leftLogo{this};
    tk::Button thanksButton{this};  // "Thanks For Playing!"
    tk::Picture rightLogo{this};
    tk::Button resultsButton{this};  // "Save the Results"
    tk::Label resultsSaved{this};    // where they went

signals:
    void ThanksClicked();
    void ResultsWanted();
    void TakeBackPressed();
    void Closed();  // by its frame: the game plays on

protected:
    void OnUndo() override { emit TakeBackPressed(); }
    void OnCloseBox() override {
        UnloadScreen();
        emit Closed();
    }
};
