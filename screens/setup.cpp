#include "screens/setup.h"

#include <QEvent>

#include "toolkit/look.h"

namespace {
const layout::SetupLook& kLook = layout::kSetupLook;
}  // namespace

// An option group of the setup: each option laid, and its click handed to the group's handler
// with the option's number.
template <class Options>
void SetupScreen::LayChoices(Options& options, layout::Widget role,
                             void (SetupScreen::*choose)(int)) {
    for (int choice = 0; choice < options.size(); ++choice) {
        Lay(&options[choice], role, choice);
        connect(&options[choice], &tk::Option::Click, this,
                [this, choose, choice] { (this->*choose)(choice); });
    }
}

SetupScreen::SetupScreen() {
    LayWindow(layout::kSetup);
    Lay(&teamsFrame, layout::Widget::teamsFrame);
    Lay(&teamNameBox[0], layout::Widget::teamNameBox, 0);
    Lay(&teamNameBox[1], layout::Widget::teamNameBox, 1);
    Lay(&roundsFrame, layout::Widget::roundsFrame);
    Lay(&categoriesFrame, layout::Widget::categoriesFrame);
    Lay(&instructions, layout::Widget::instructions);
    for (int round = 0; round < roundHeadings.size(); ++round) {
        Lay(&roundHeadings[round], layout::Widget::roundHeading, round);
    }
    Lay(&scheduleFrame, layout::Widget::scheduleFrame);
    Lay(&soundFrame, layout::Widget::soundFrame);
    Lay(&soundButton, layout::Widget::soundButton);
    Lay(&doneButton, layout::Widget::doneButton);
    LayChoices(roundsChoice, layout::Widget::roundsChoice, &SetupScreen::ChooseRounds);
    LayChoices(scheduleChoice, layout::Widget::scheduleChoice, &SetupScreen::ChooseSchedule);
    Lay(&displaysFrame, layout::Widget::displaysFrame);
    Lay(&displaysMode, layout::Widget::displaysMode);
    LayChoices(hostChoice, layout::Widget::hostChoice, &SetupScreen::ChooseHost);
    Lay(&barFrame, layout::Widget::barFrame);
    LayChoices(barChoice, layout::Widget::barChoice, &SetupScreen::ChooseBarLength);
    Lay(&startFrame, layout::Widget::startFrame);
    LayChoices(startChoice, layout::Widget::startChoice, &SetupScreen::ChooseStart);
    Lay(&filesFrame, layout::Widget::filesFrame);
    Lay(&filesReport, layout::Widget::filesReport);
    filesReport.SetShrinkToFit(true);
    for (int slot = 0; slot < kCategorySlots; ++slot) {
        Lay(&categorySlots[slot], layout::Widget::categorySlot, slot);
        categorySlots[slot].SetPattern(QStringLiteral("*.zap"));
        categorySlots[slot].SetPlaceholder(tr("built-in questions"));
        connect(&categorySlots[slot], &tk::FileList::DoubleClick, this,
                [this, slot] { ClearSlot(slot); });
        connect(&categorySlots[slot], &tk::FileList::Click, this, &SetupScreen::CheckFiles);
    }
    for (int team = 0; team < 2; ++team) {
        connect(&teamNameBox[team], &tk::TextBox::Change, this, [this, team] { NameTeam(team); });
    }
    connect(&soundButton, &tk::Button::Click, this, &SetupScreen::SwitchSound);
    connect(&doneButton, &tk::Button::Click, this, &SetupScreen::Done);
}

// Defaults for a new game, put in place through the same handlers the moderator's clicks run.
void SetupScreen::OnLoad() {
    for (int team = 0; team < 2; ++team) {
        teamNameBox[team].SetText(tr("Team %1").arg(team + 1));
    }
    roundsChoice[2].Select();
    scheduleChoice[3].Select();
    hostChoice[0].Select();
    barChoice[2].Select();  // the game's own 32 seconds
    startChoice[0].Select();
}

game::ChosenFiles SetupScreen::ChosenFiles() const {
    game::ChosenFiles chosen;
    for (int slot = 0; slot < kCategorySlots; ++slot) {
        chosen[std::size_t(slot)] = categorySlots[slot].FileName();
    }
    return chosen;
}

// A team's name, as typed, is the board's label under its score.
void SetupScreen::NameTeam(int team) {
    choices_.teamNames[std::size_t(team)] = teamNameBox[team].Text();
}

// Rounds: sets how many rounds are played and which columns of category slots are in use.
void SetupScreen::ChooseRounds(int choice) {
    choices_.roundsToPlay = static_cast<game::Integer>(choice + 1);
    for (int round = 2; round <= 3; ++round) {
        const bool played = choice + 1 >= round;
        roundHeadings[round - 1].SetForeColor(
            tk::Rgb(played ? kLook.activeHeading : kLook.inactiveHeading));
        for (int slot = 5 * (round - 1); slot < 5 * round; ++slot) {
            categorySlots[slot].setEnabled(played);
        }
    }
    CheckFiles();
}

// Zapster schedule: how many Zapster questions each round plans.
void SetupScreen::ChooseSchedule(int choice) {
    choices_.zapstersPlanned = game::kSchedules.at(static_cast<std::size_t>(choice));
}

// A double-click on a category slot clears its choice: the category comes from the built-in bank.
void SetupScreen::ClearSlot(int slot) {
    categorySlots[slot].ClearSelection();
    CheckFiles();
}

// The length of a normal question's time bar, or none.
void SetupScreen::ChooseBarLength(int choice) {
    choices_.barSeconds = game::kBarLengths.at(static_cast<std::size_t>(choice));
}

// Whether the bar starts with the question or once the moderator has read it aloud.
void SetupScreen::ChooseStart(int choice) {
    choices_.startAfterReading = choice == 1;
}

// A file is read again at each check: a teacher may mend it in an editor while the setup waits.
void SetupScreen::CheckFiles() {
    QStringList problems;
    for (int slot = 0; slot < kCategorySlots; ++slot) {
        const bool played = slot / game::kColumns < choices_.roundsToPlay;
        const QString problem =
            played ? game::SlotProblem(categorySlots[slot].FileName(), slot) : QString();
        categorySlots[slot].SetProblem(problem, tk::Rgb(kLook.slotProblem));
        if (!problem.isEmpty()) {
            problems << problem;
        }
    }
    filesReport.SetCaption(
        problems.isEmpty()
            ? tr("Every chosen file supplies its category. A slot with no file plays "
                 "the built-in category.")
            : problems.join(QStringLiteral("\n\n")));
}

// Sound button: turns the question screen's beeps on or off.
void SetupScreen::SwitchSound() {
    choices_.soundOn = !choices_.soundOn;
    soundButton.SetCaption(choices_.soundOn ? tr("ON") : tr("OFF"));
    soundButton.SetBackColor(tk::Rgb(choices_.soundOn ? kLook.soundOn : kLook.soundOff));
}

// Where the room's screens and the host's window go, for this game.
void SetupScreen::ChooseHost(int choice) {
    hostChoice_ = static_cast<tk::HostChoice>(choice);
    ShowDisplays();
}

void SetupScreen::ShowDisplays() {
    const std::vector<tk::Display> displays = tk::CurrentDisplays();
    displaysMode.SetCaption(tk::PlanDisplays(displays, hostChoice_).mode);
    const bool two = tk::PlanDisplays(displays, tk::HostChoice::Apart).hostWindow;
    for (int choice = 0; choice < hostChoice.size(); ++choice) {
        hostChoice[choice].setVisible(two);
    }
}

// "Done": the setup is over; the game starts with what was chosen.
void SetupScreen::Done() {
    HideScreen();
    emit DoneClicked();
}

// Back from an editor where a category file was mended, the setup reads the files again.
void SetupScreen::changeEvent(QEvent* event) {
    tk::Window::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        CheckFiles();
    }
}

// Closing the setup window ends the program: the board already exists, hidden, and would
// otherwise keep a process running with no window.
void SetupScreen::OnCloseBox() {
    tk::End();
}
