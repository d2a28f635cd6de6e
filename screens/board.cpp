#include "screens/board.h"

#include <QContextMenuEvent>
#include <QKeyEvent>

#include "layout/pictures.h"

BoardScreen::BoardScreen() {
    LayWindow(layout::kBoard);
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < kRows; ++row) {
            tk::Button& square = squares[column][row];
            Lay(&square, layout::Widget::square, kRows * column + row);
            connect(&square, &tk::Button::Click, this,
                    [this, column, row] { emit SquareClicked(column, row); });
        }
    }
    Lay(&banner, layout::Widget::banner);
    Lay(&roundLabel, layout::Widget::roundLabel);
    for (int column = 0; column < kColumns; ++column) {
        Lay(&categoryTitles[column], layout::Widget::categoryTitle, column);
        // A long title is drawn smaller rather than cut off.
        categoryTitles[column].SetShrinkToFit(true);
    }
    for (int team = 0; team < game::kTeams; ++team) {
        Lay(&teamScore[team], layout::Widget::teamScore, team);
    }
    for (int team = 0; team < game::kTeams; ++team) {
        Lay(&teamName[team], layout::Widget::teamName, team);
        // A long name is drawn smaller rather than cut off.
        teamName[team].SetShrinkToFit(true);
    }
    for (int team = 0; team < game::kTeams; ++team) {
        for (int button = 0; button < kZapsterButtons; ++button) {
            tk::Button& zapster = zapsterButtons[team][button];
            Lay(&zapster, layout::Widget::zapsterButton, kZapsterButtons * team + button);
            connect(&zapster, &tk::Button::Click, this,
                    [this, team, button] { emit ZapsterButtonClicked(team, button); });
        }
    }
    Lay(&soundOnLogo, layout::Widget::soundOnLogo);
    Lay(&soundOffLogo, layout::Widget::soundOffLogo);
    Lay(&saveWarning, layout::Widget::saveWarning);
    saveWarning.SetShrinkToFit(true);
    banner.SetPicture(&layout::Banner);
    soundOnLogo.SetPicture(&layout::LogoBlue);
    soundOffLogo.SetPicture(&layout::LogoRed);
    connect(&banner, &tk::Picture::Click, this, &BoardScreen::BannerClicked);
    connect(&soundOnLogo, &tk::Picture::Click, this, [this] { emit SoundSwitched(false); });
    connect(&soundOffLogo, &tk::Picture::Click, this, [this] { emit SoundSwitched(true); });
}

// A spent square is blank; the others show the points of their row in the round on the board.
void BoardScreen::Draw(const game::Match& game) {
    roundLabel.SetCaption(tr("Round: %1").arg(game.RoundShown()));
    for (int column = 0; column < kColumns; ++column) {
        categoryTitles[column].SetCaption(game.CategoryTitle(column));
        for (int row = 0; row < kRows; ++row) {
            const bool spent = game.SquareSpent(column, row);
            squares[column][row].SetCaption(spent ? QString()
                                                  : QString::number(game.SquarePoints(row)));
            squares[column][row].setEnabled(!spent);
        }
    }
    for (int team = 0; team < game::kTeams; ++team) {
        teamScore[team].SetCaption(QString::number(game.Score(team)));
        teamScore[team].setEnabled(game.Lit(team));
        teamName[team].SetCaption(game.setup().teamNames[std::size_t(team)]);
        for (int button = 0; button < kZapsterButtons; ++button) {
            tk::Button& zapster = zapsterButtons[team][button];
            zapster.SetCaption(game.ButtonShown(team, button) ? QString::number(button + 1)
                                                              : QString());
            zapster.setEnabled(game.ButtonEnabled(team, button));
        }
    }
    // The logo shown is the one to click: blue switches the sound off, red on.
    soundOnLogo.setVisible(game.SoundLogoOn());
    soundOnLogo.setEnabled(game.SoundLogoOn());
    soundOffLogo.setVisible(!game.SoundLogoOn());
    soundOffLogo.setEnabled(!game.SoundLogoOn());
}

void BoardScreen::ShowSaving(const QString& failure) {
    saveWarning.SetCaption(tr("This game cannot be saved: %1").arg(failure));
    saveWarning.setVisible(!failure.isEmpty());
}

// The board's close box ends the game: the setup screen is still loaded, hidden, and must not
// keep a program running with no window.
void BoardScreen::OnCloseBox() {
    tk::End();
}

// The moderator's way to the record without a host's window: nothing of it shows to the room
// until it is asked for.
void BoardScreen::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_R &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        event->accept();
        tk::HandlerScope scope;
        emit RecordWanted();
        return;
    }
    tk::Window::keyPressEvent(event);
}

void BoardScreen::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    tk::PopUpMenu(
        this, event->globalPos(),
        {{tr("The record\u2026"), QStringLiteral("R"), true, [this] { emit RecordWanted(); }}});
}
