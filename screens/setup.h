#pragma once

#include "game/content.h"
#include "game/match.h"
#include "toolkit/displays.h"
#include "toolkit/widgets.h"
#include "toolkit/window.h"

// The game setup screen: team names, rounds, Zapster schedule, sound and the fifteen category
// slots. "Done" hides it for good; it stays loaded, since its slots hold the category choices.
class SetupScreen : public tk::Screen<SetupScreen> {
    Q_OBJECT

public:
    static constexpr int kCategorySlots = game::kCategorySlots;  // five per round, round 1 first

    SetupScreen();

    // Declared in the order they are stacked on the window.
    tk::Frame teamsFrame{this};
    tk::Array<tk::TextBox, 2> teamNameBox{&teamsFrame};
    tk::Frame roundsFrame{this};
    tk::Array<tk::Option, 3> roundsChoice{&roundsFrame};  // 1, 2 or 3 rounds
    tk::Frame categoriesFrame{this};
    tk::Label instructions{&categoriesFrame};
    tk::Array<tk::Label, 3> roundHeadings{&categoriesFrame};
    tk::Frame scheduleFrame{this};
    tk::Array<tk::Option, 6> scheduleChoice{&scheduleFrame};
    tk::Frame soundFrame{this};
    tk::Button soundButton{&soundFrame};
    tk::Button doneButton{this};
    tk::Frame displaysFrame{this};
    tk::Array<tk::Option, 3> hostChoice{&displaysFrame};  // apart, swapped, off
    tk::Label displaysMode{&displaysFrame};
    tk::Frame barFrame{this};
    tk::Array<tk::Option, game::kBarLengths.size()> barChoice{&barFrame};
    tk::Frame startFrame{this};
    tk::Array<tk::Option, 2> startChoice{&startFrame};  // at once, after reading
    tk::Frame filesFrame{this};
    tk::Label filesReport{&filesFrame};
    // Created last so that they lie above the categories frame they are drawn over.
    tk::Array<tk::FileList, kCategorySlots> categorySlots{this};

    void NameTeam(int team);
    template <class Options>
    void LayChoices(Options& options, layout::Widget role, void (SetupScreen::*choose)(int));
    void ChooseRounds(int choice);
    void ChooseSchedule(int choice);
    void ClearSlot(int slot);
    void SwitchSound();
    void ChooseHost(int choice);
    void ChooseBarLength(int choice);
    void ChooseStart(int choice);
    // Says, before Done, which chosen files cannot supply their slot's category, and why.
    void CheckFiles();
    void Done();
    // Says which mode the displays put the game in; the choice is offered only with two pictures.
    void ShowDisplays();

    // What the moderator chose, and the file chosen in each category slot.
    const game::Setup& Choices() const { return choices_; }
    game::ChosenFiles ChosenFiles() const;
    tk::HostChoice HostChoice() const { return hostChoice_; }

signals:
    void DoneClicked();

protected:
    void OnLoad() override;
    void OnCloseBox() override;
    void changeEvent(QEvent* event) override;

private:
    game::Setup choices_;
    tk::HostChoice hostChoice_ = tk::HostChoice::Apart;
};
