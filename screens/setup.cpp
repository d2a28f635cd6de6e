#include "screens/setup.h"

#include <array>

#include "game/state.h"
#include "screens/board.h"
#include "toolkit/look.h"

using namespace game;

namespace {

constexpr int kActiveHeading = 0x000000;
constexpr int kInactiveHeading = 0x808080;
constexpr int kSoundOn = 0x00FF00;
constexpr int kSoundOff = 0xC00000;

// Zapster questions planned in rounds 1, 2 and 3 for each schedule option. "0, 0, 0" gives round 3
// three of them; only "None" plans none at all, and "Total!" makes every question one.
constexpr std::array<std::array<Integer, 3>, 6> kSchedules{{
    {0, 0, 0},
    {0, 0, 3},
    {0, 3, 6},
    {3, 6, 9},
    {6, 9, 12},
    {30, 30, 30},
}};

}  // namespace

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
    for (int choice = 0; choice < roundsChoice.size(); ++choice) {
        Lay(&roundsChoice[choice], layout::Widget::roundsChoice, choice);
        connect(&roundsChoice[choice], &tk::Option::Click, this,
                [this, choice] { ChooseRounds(choice); });
    }
    for (int choice = 0; choice < scheduleChoice.size(); ++choice) {
        Lay(&scheduleChoice[choice], layout::Widget::scheduleChoice, choice);
        connect(&scheduleChoice[choice], &tk::Option::Click, this,
                [this, choice] { ChooseSchedule(choice); });
    }
    for (int slot = 0; slot < kCategorySlots; ++slot) {
        Lay(&categorySlots[slot], layout::Widget::categorySlot, slot);
        categorySlots[slot].SetPattern(QStringLiteral("*.zap"));
        categorySlots[slot].SetPlaceholder(QStringLiteral("built-in questions"));
        connect(&categorySlots[slot], &tk::FileList::DoubleClick, this,
                [this, slot] { ClearSlot(slot); });
    }
    for (int team = 0; team < 2; ++team) {
        connect(&teamNameBox[team], &tk::TextBox::Change, this, [this, team] { NameTeam(team); });
    }
    connect(&soundButton, &tk::Button::Click, this, &SetupScreen::SwitchSound);
    connect(&doneButton, &tk::Button::Click, this, &SetupScreen::Done);
}

// Defaults for a new game, put in place through the same handlers the moderator's clicks run.
void SetupScreen::OnLoad() {
    teamNameBox[0].SetText(QStringLiteral("Team 1"));
    teamNameBox[1].SetText(QStringLiteral("Team 2"));
    roundsChoice[2].Select();
    scheduleChoice[3].Select();
    state.zapstersPlanned[1] = 3;
    state.zapstersPlanned[2] = 6;
    state.zapstersPlanned[3] = 9;
}

// A team's name, as typed, is the board's label under its score.
void SetupScreen::NameTeam(int team) {
    BoardScreen::Get().teamName[team].SetCaption(teamNameBox[team].Text());
}

// Rounds: sets how many rounds are played and which columns of category slots are in use.
void SetupScreen::ChooseRounds(int choice) {
    state.roundsToPlay = static_cast<Integer>(choice + 1);
    for (int round = 2; round <= 3; ++round) {
        const bool played = choice + 1 >= round;
        roundHeadings[round - 1].SetForeColor(tk::Rgb(played ? kActiveHeading : kInactiveHeading));
        for (int slot = 5 * (round - 1); slot < 5 * round; ++slot) {
            categorySlots[slot].setEnabled(played);
        }
    }
}

// Zapster schedule: how many Zapster questions each round plans.
void SetupScreen::ChooseSchedule(int choice) {
    const std::array<Integer, 3>& counts = kSchedules.at(static_cast<std::size_t>(choice));
    for (int round = 1; round <= kRounds; ++round) {
        state.zapstersPlanned[round] = counts[static_cast<std::size_t>(round - 1)];
    }
}

// A double-click on a category slot clears its choice: the category comes from the built-in bank.
void SetupScreen::ClearSlot(int slot) {
    categorySlots[slot].ClearSelection();
}

// Sound button: turns the question screen's beeps on or off, deciding from the sound setting.
void SetupScreen::SwitchSound() {
    bool done = false;
    if (!state.soundOn && !done) {
        state.soundOn = true;
        done = true;
        soundButton.SetCaption(QStringLiteral("ON"));
        soundButton.SetBackColor(tk::Rgb(kSoundOn));
    }
    if (state.soundOn && !done) {
        state.soundOn = false;
        done = true;
        soundButton.SetCaption(QStringLiteral("OFF"));
        soundButton.SetBackColor(tk::Rgb(kSoundOff));
    }
}

// "Done": the setup is over; arm the Zapster buttons for round 1 and start the game.
void SetupScreen::Done() {
    HideScreen();
    ResetZapsterButtons();
    StartGame();
}

// Closing the setup window ends the program: the board already exists, hidden, and would
// otherwise keep a process running with no window.
void SetupScreen::OnCloseBox() {
    tk::End();
}
