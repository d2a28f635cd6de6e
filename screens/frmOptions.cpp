#include "screens/frmOptions.h"

#include <array>

#include "game/module1.h"
#include "screens/Form1.h"
#include "toolkit/look.h"

using namespace Module1;

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

frmOptions::frmOptions() {
    LayWindow(layout::kOptions);
    Lay(&Frame1, "Frame1");
    Lay(&Text1, "Text1");
    Lay(&Text2, "Text2");
    Lay(&Rounds, "Rounds");
    Lay(&Categories, "Categories");
    Lay(&Label2, "Label2");
    Lay(&Label3, "Label3");
    Lay(&Label4, "Label4");
    Lay(&Label5, "Label5");
    Lay(&Zapsters, "Zapsters");
    Lay(&Frame2, "Frame2");
    Lay(&Command2, "Command2");
    Lay(&Command1, "Command1");
    for (int index = 0; index < Option1.size(); ++index) {
        Lay(&Option1[index], "Option1", index);
        connect(&Option1[index], &tk::Option::Click, this, [this, index] { Option1_Click(index); });
    }
    for (int index = 0; index < Option2.size(); ++index) {
        Lay(&Option2[index], "Option2", index);
        connect(&Option2[index], &tk::Option::Click, this, [this, index] { Option2_Click(index); });
    }
    for (int index = 0; index < File1.size(); ++index) {
        Lay(&File1[index], "File1", index);
        File1[index].SetPattern(QStringLiteral("*.zap"));
        connect(&File1[index], &tk::FileList::DblClick, this,
                [this, index] { File1_DblClick(index); });
    }
    connect(&Text1, &tk::TextBox::Change, this, &frmOptions::Text1_Change);
    connect(&Text2, &tk::TextBox::Change, this, &frmOptions::Text2_Change);
    connect(&Command2, &tk::Button::Click, this, &frmOptions::Command2_Click);
    connect(&Command1, &tk::Button::Click, this, &frmOptions::Command1_Click);
}

// Defaults for a new game, put in place through the same handlers the moderator's clicks run.
void frmOptions::Form_Load() {
    Text1.SetText(QStringLiteral("Team 1"));
    Text2.SetText(QStringLiteral("Team 2"));
    Option1[2].Select();
    Option2[3].Select();
    ZapsterCount1 = 3;
    ZapsterCount2 = 6;
    ZapsterCount3 = 9;
}

// Team 1's name, as typed, is the board's label under the left score.
void frmOptions::Text1_Change() {
    Form1::Get().Label10.SetCaption(Text1.Text());
}

// Team 2's name, as typed, is the board's label under the right score.
void frmOptions::Text2_Change() {
    Form1::Get().Label11.SetCaption(Text2.Text());
}

// Rounds: sets how many rounds are played and which columns of category slots are in use.
void frmOptions::Option1_Click(int Index) {
    NumRounds = static_cast<Integer>(Index + 1);
    Label4.SetForeColor(tk::Rgb(Index >= 1 ? kActiveHeading : kInactiveHeading));
    for (int slot = 5; slot <= 9; ++slot) {
        File1[slot].setEnabled(Index >= 1);
    }
    Label5.SetForeColor(tk::Rgb(Index >= 2 ? kActiveHeading : kInactiveHeading));
    for (int slot = 10; slot <= 14; ++slot) {
        File1[slot].setEnabled(Index >= 2);
    }
}

// Zapster schedule: how many Zapster questions each round plans.
void frmOptions::Option2_Click(int Index) {
    const std::array<Integer, 3>& counts = kSchedules.at(static_cast<std::size_t>(Index));
    ZapsterCount1 = counts[0];
    ZapsterCount2 = counts[1];
    ZapsterCount3 = counts[2];
}

// A double-click on a category slot clears its choice: the category comes from the built-in bank.
void frmOptions::File1_DblClick(int Index) {
    File1[Index].ClearSelection();
}

// Sound button: turns the question screen's beeps on or off, deciding from the sound setting.
void frmOptions::Command2_Click() {
    bool done = false;
    if (!SoundOn && !done) {
        SoundOn = true;
        done = true;
        Command2.SetCaption(QStringLiteral("ON"));
        Command2.SetBackColor(tk::Rgb(kSoundOn));
    }
    if (SoundOn && !done) {
        SoundOn = false;
        done = true;
        Command2.SetCaption(QStringLiteral("OFF"));
        Command2.SetBackColor(tk::Rgb(kSoundOff));
    }
}

// "Done": the setup is over; arm the Zapster buttons for round 1 and start the game.
void frmOptions::Command1_Click() {
    HideScreen();
    ResetZapsterButtons();
    StartGame();
}

// Closing the setup window ends the program: the board already exists, hidden, and would
// otherwise keep a process running with no window.
void frmOptions::Form_FrameClose() {
    tk::End();
}
