#include "screens/host.h"

#include <QKeyEvent>

#include "toolkit/look.h"

namespace {

const layout::HostLook& kLook = layout::kHostLook;

// The keys of the Zapster buttons, team by team: the left team's on the left of the keyboard.
constexpr std::array<std::array<int, game::kZapsterButtons>, game::kTeams> kCallKeys{
    {{Qt::Key_1, Qt::Key_2, Qt::Key_3}, {Qt::Key_8, Qt::Key_9, Qt::Key_0}}};

// A button's caption as the layout gives it, in the room's language: the one the button shows
// again after showing another.
QString LaidCaption(layout::Widget widget) {
    return tk::Translated(layout::Find(layout::kHost, widget).caption);
}

}  // namespace

HostScreen::HostScreen() {
    LayWindow(layout::kHost);
    Lay(&roundLabel, layout::Widget::hostRound);
    for (int team = 0; team < game::kTeams; ++team) {
        Lay(&teamName[team], layout::Widget::hostTeamName, team);
        teamName[team].SetShrinkToFit(true);
        Lay(&teamScore[team], layout::Widget::hostScore, team);
    }
    for (int column = 0; column < kColumns; ++column) {
        Lay(&categoryTitles[column], layout::Widget::hostTitle, column);
        categoryTitles[column].SetShrinkToFit(true);
        for (int row = 0; row < kRows; ++row) {
            tk::Button& square = squares[column][row];
            Lay(&square, layout::Widget::hostSquare, kRows * column + row);
            connect(&square, &tk::Button::Click, this,
                    [this, column, row] { emit SquareClicked(column, row); });
        }
    }
    for (int team = 0; team < game::kTeams; ++team) {
        Lay(&callsHeading[team], layout::Widget::hostCalls, team);
        callsHeading[team].SetShrinkToFit(true);
        for (int button = 0; button < kZapsterButtons; ++button) {
            tk::Button& call = zapsterButtons[team][button];
            Lay(&call, layout::Widget::hostZapster, kZapsterButtons * team + button);
            connect(&call, &tk::Button::Click, this,
                    [this, team, button] { emit ZapsterButtonClicked(team, button); });
        }
    }
    Lay(&takeBackButton, layout::Widget::hostTakeBack);
    Lay(&endGameButton, layout::Widget::hostEndGame);
    Lay(&questionLine, layout::Widget::hostCategory);
    Lay(&questionText, layout::Widget::hostQuestion);
    Lay(&answerText, layout::Widget::hostAnswer);
    Lay(&timeLeft, layout::Widget::hostTime);
    Lay(&revealButton, layout::Widget::hostReveal);
    Lay(&rightButton, layout::Widget::hostRight);
    Lay(&wrongButton, layout::Widget::hostWrong);
    Lay(&clockButton, layout::Widget::hostClock);
    Lay(&pauseButton, layout::Widget::hostPause);
    Lay(&moreTimeButton, layout::Widget::hostMoreTime);
    Lay(&saving, layout::Widget::hostSaving);
    Lay(&recordButton, layout::Widget::hostRecord);
    record.Lay();
    connect(&recordButton, &tk::Button::Click, this, [this] { ShowRecord(!recordShown_); });
    // A long text, or one in a language longer than English, is drawn smaller rather than cut off.
    for (tk::Label* text :
         {&roundLabel, &questionLine, &questionText, &answerText, &timeLeft, &saving}) {
        text->SetShrinkToFit(true);
    }
    connect(&takeBackButton, &tk::Button::Click, this, &HostScreen::TakeBackPressed);
    connect(&endGameButton, &tk::Button::Click, this, &HostScreen::EndGameClicked);
    connect(&revealButton, &tk::Button::Click, this, &HostScreen::RevealClicked);
    connect(&clockButton, &tk::Button::Click, this, &HostScreen::ClockTurned);
    connect(&pauseButton, &tk::Button::Click, this, &HostScreen::PauseSwitched);
    connect(&moreTimeButton, &tk::Button::Click, this, &HostScreen::TimeAdded);
    connect(&rightButton, &tk::Button::Click, this, [this] { emit Judged(true); });
    connect(&wrongButton, &tk::Button::Click, this, [this] { emit Judged(false); });
    // The keys belong to the window, not to a button that last had the keyboard: Space shows the
    // answer, whichever button was clicked before.
    for (const auto& [widget, row] : Laid()) {
        widget->setFocusPolicy(Qt::NoFocus);
    }
    // Except where the moderator types a correction; Escape gives the keys back to the window.
    record.correctBy.setFocusPolicy(Qt::ClickFocus);
    record.correctWhy.setFocusPolicy(Qt::ClickFocus);
    setFocusPolicy(Qt::StrongFocus);
}

void HostScreen::Draw(const game::Match& game, const Beside& beside) {
    const QuestionPace& pace = beside.pace;
    const game::Phase phase = game.phase();
    roundLabel.SetCaption(
        game.Over() ? tr("Game over")
                    : tr("Round %1 of %2").arg(game.RoundShown()).arg(game.setup().roundsToPlay));
    for (int team = 0; team < game::kTeams; ++team) {
        const bool onTurn = game.Lit(team);
        for (tk::Label* label : {&teamName[team], &teamScore[team]}) {
            label->SetBackColor(tk::Rgb(onTurn ? kLook.onTurn : kLook.waiting));
            label->SetForeColor(tk::Rgb(onTurn ? kLook.onTurnInk : kLook.waitingInk));
        }
        teamName[team].SetCaption(game.setup().teamNames[std::size_t(team)]);
        teamScore[team].SetCaption(QString::number(game.Score(team)));
        callsHeading[team].SetCaption(
            tr("Zapster calls of %1").arg(game.setup().teamNames[std::size_t(team)]));
        for (int button = 0; button < kZapsterButtons; ++button) {
            tk::Button& call = zapsterButtons[team][button];
            call.setVisible(!recordShown_ && game.ButtonShown(team, button));
            call.setEnabled(game.MayPressButton(team, button));
        }
    }
    for (int column = 0; column < kColumns; ++column) {
        categoryTitles[column].SetCaption(game.CategoryTitle(column));
        for (int row = 0; row < kRows; ++row) {
            tk::Button& square = squares[column][row];
            square.SetCaption(game.SquareSpent(column, row) ? QString()
                                                            : QStringLiteral("%1  [%2%3]")
                                                                  .arg(game.SquarePoints(row))
                                                                  .arg(QChar(u'A' + column))
                                                                  .arg(row + 1));
            square.setEnabled(game.MayOpen(column, row));
        }
    }
    takeBackButton.setEnabled(beside.canTakeBack &&
                              (phase == game::Phase::Board || phase == game::Phase::Answer));
    endGameButton.SetCaption(beside.gameOverShown ? tr("Thanks For Playing!   [End]")
                                                  : LaidCaption(layout::Widget::hostEndGame));
    endGameButton.setEnabled(beside.gameOverShown || phase == game::Phase::Board);

    const std::optional<game::OpenQuestion>& question = game.Question();
    const bool open = question.has_value() && phase != game::Phase::Board;
    const bool zapster = open && question->zapster;
    questionLine.SetForeColor(tk::Rgb(zapster ? kLook.zapster : kLook.waitingInk));
    questionLine.SetCaption(
        !open ? QString()
              : (!zapster                     ? tr("%1 \u2013 %2 points")
                 : game.state().zapsterCalled ? tr("%1 \u2013 %2 points \u2013 Zapster, called")
                                              : tr("%1 \u2013 %2 points \u2013 Zapster"))
                    .arg(game.content().At(question->round, question->column).title,
                         QString::number(question->points)));
    questionText.SetCaption(open ? game.QuestionText() : QString());
    answerText.SetCaption(open ? game.AnswerText() : QString());
    const bool asking = phase == game::Phase::Question || phase == game::Phase::TimeUp;
    const QString time =
        !asking           ? QString()
        : pace.timeUp     ? tr("Time Is Up!")
        : pace.announcing ? tr("Zapster! announced to the room")
        : pace.clockShown
            ? (pace.clockTurned ? tr("Zapster clock: %1, counting down") : tr("Zapster clock: %1"))
                  .arg(pace.clockSeconds)
        : !pace.limited ? tr("No time limit")
        : pace.waiting  ? tr("%1 s, once you start the time").arg(pace.secondsLeft)
                        : tr("Time left: %1 s").arg(pace.secondsLeft);
    timeLeft.SetCaption(asking && pace.paused ? tr("Paused \u2013 %1").arg(time) : time);
    revealButton.SetCaption(pace.waiting ? tr("Start the time   [Space] [Page Down]")
                                         : LaidCaption(layout::Widget::hostReveal));
    revealButton.setEnabled(phase == game::Phase::Question && pace.mayReveal);
    clockButton.setEnabled(phase == game::Phase::Question && pace.mayTurnClock);
    pauseButton.SetCaption(pace.paused ? tr("Go on   [P]")
                                       : LaidCaption(layout::Widget::hostPause));
    pauseButton.setEnabled(asking && pace.mayPause);
    moreTimeButton.setEnabled(phase == game::Phase::Question && pace.mayAddTime);
    const bool judging = phase == game::Phase::Answer;
    rightButton.SetCaption(zapster ? tr("NO Zapster!   [G]") : tr("Got it!   [G]"));
    wrongButton.SetCaption(zapster ? tr("Zapster!   [M]") : tr("Missed it   [M]"));
    rightButton.setEnabled(judging);
    wrongButton.setEnabled(judging);
    record.Draw(game);
}

// The Zapster buttons come back as the game shows them, when the flow draws the window again.
void HostScreen::ShowRecord(bool shown) {
    recordShown_ = shown;
    record.SetVisible(shown);
    for (int column = 0; column < kColumns; ++column) {
        categoryTitles[column].setVisible(!shown);
        for (int row = 0; row < kRows; ++row) {
            squares[column][row].setVisible(!shown);
        }
    }
    for (int team = 0; team < game::kTeams; ++team) {
        callsHeading[team].setVisible(!shown);
    }
    recordButton.SetCaption(shown ? tr("The board   [R]")
                                  : LaidCaption(layout::Widget::hostRecord));
    emit RecordSwitched();
}

void HostScreen::ShowSaving(const QString& failure) {
    saving.SetCaption(failure.isEmpty() ? tr("The game is saved at every rest.")
                                        : tr("This game cannot be saved: %1").arg(failure));
}

void HostScreen::OnUndo() {
    takeBackButton.click();
}

// A key clicks its button, which takes it only while it is enabled.
void HostScreen::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const int column = typedColumn_;
    typedColumn_ = -1;
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        tk::Window::keyPressEvent(event);
        return;
    }
    tk::Button* target = nullptr;
    if (key >= Qt::Key_A && key < Qt::Key_A + kColumns) {
        typedColumn_ = key - Qt::Key_A;
    } else if (column >= 0 && key >= Qt::Key_1 && key < Qt::Key_1 + kRows) {
        target = &squares[column][key - Qt::Key_1];
    } else if (key == Qt::Key_Space || key == Qt::Key_PageDown) {
        target = &revealButton;
    } else if (key == Qt::Key_G) {
        target = &rightButton;
    } else if (key == Qt::Key_M) {
        target = &wrongButton;
    } else if (key == Qt::Key_T) {
        target = &clockButton;
    } else if (key == Qt::Key_P) {
        target = &pauseButton;
    } else if (key == Qt::Key_Plus || key == Qt::Key_Equal) {
        target = &moreTimeButton;
    } else if (key == Qt::Key_End) {
        target = &endGameButton;
    } else if (key == Qt::Key_R) {
        target = &recordButton;
    } else if (key == Qt::Key_Escape && focusWidget() != nullptr) {
        setFocus();
        event->accept();
        return;
    }
    for (int team = 0; team < game::kTeams; ++team) {
        for (int button = 0; button < kZapsterButtons; ++button) {
            if (column < 0 && key == kCallKeys[std::size_t(team)][std::size_t(button)]) {
                target = &zapsterButtons[team][button];
            }
        }
    }
    if (target == nullptr && typedColumn_ < 0) {
        tk::Window::keyPressEvent(event);
        return;
    }
    event->accept();
    if (target != nullptr && target->isVisible()) {
        tk::HandlerScope scope;
        target->click();
    }
}
