#pragma once

#include <QObject>
#include <QStringList>
#include <array>
#include <vector>

#include "game/match.h"
#include "toolkit/widgets.h"
#include "toolkit/window.h"

// The game's record, for an appeal: every outcome in order, an entry judged again, a score
// corrected by hand, and the night's results saved. Its widgets lie on the window that shows it:
// the host's, in the board's place, or a window of its own.
class RecordPanel : public QObject {
    Q_OBJECT

public:
    static constexpr int kVerdicts = 3;  // got it, missed it, and the time's or the clock's end

    explicit RecordPanel(tk::Window* owner);
    // Places the widgets from the owner's layout, once the owner has laid its window.
    void Lay();

    tk::Label heading;
    tk::ListBox entries;
    tk::Array<tk::Button, kVerdicts> verdictButtons;
    tk::Label correctHeading;
    tk::Array<tk::Option, game::kTeams> correctTeam;
    tk::TextBox correctBy;
    tk::TextBox correctWhy;
    tk::Button correctButton;
    tk::Button resultsButton;
    tk::Label resultsSaved;

    // Every entry as the game stands, and what can be done with the one chosen.
    void Draw(const game::Match& game);
    // Where the results went, or why they could not be saved.
    void ShowSaved(const QString& where) { resultsSaved.SetCaption(where); }
    void SetVisible(bool visible);

signals:
    void Rejudged(int entry, game::Verdict verdict);
    void Corrected(int team, int change, const QString& reason);
    void ResultsWanted();

private:
    void ShowChoices();
    void CheckCorrection();
    const game::Outcome* ChosenEntry() const;

    tk::Window* owner_;
    std::vector<game::Outcome> record_;  // as last drawn
    bool mayCorrect_ = false;
};
