#include "screens/record_panel.h"

#include "game/results.h"

namespace {

using game::Verdict;

// One line of the list: the number, the round, the square or the correction, the team, the
// verdict (and what it was before a correction), and the scores after it.
QString EntryLine(const game::Match& game, std::size_t index) {
    const game::Outcome& o = game.state().record[index];
    const QString team =
        o.team == game::kNoTeam ? RecordPanel::tr("no team") : game::TeamOf(game, o);
    QString what;
    if (o.verdict == Verdict::ByHand) {
        what =
            RecordPanel::tr("%1 %2 by hand: %3")
                .arg(team,
                     (o.change > 0 ? QStringLiteral("+") : QString()) + QString::number(o.change),
                     o.reason);
    } else {
        what = QStringLiteral("%1 %2 \u2013 %3: %4")
                   .arg(game::CategoryOf(game, o), QString::number(o.question.points), team,
                        game::VerdictWords(o));
        if (o.judgedInPlay) {
            what = RecordPanel::tr("%1 (corrected from %2)")
                       .arg(what, game::VerdictWords(o, *o.judgedInPlay));
        }
    }
    return RecordPanel::tr("%1. Round %2  %3   [%4 : %5]")
        .arg(QString::number(index + 1), QString::number(o.question.round), what,
             QString::number(o.scoreAfter[0]), QString::number(o.scoreAfter[1]));
}

// The verdicts of the three buttons: got it, missed it, and the end of the question's time or of
// its Zapster clock.
std::array<Verdict, RecordPanel::kVerdicts> VerdictsOf(const game::Outcome& entry) {
    return {Verdict::GotIt, Verdict::MissedIt,
            entry.question.zapster ? Verdict::ClockRanOut : Verdict::TimeUp};
}

}  // namespace

RecordPanel::RecordPanel(tk::Window* owner)
    : heading(owner),
      entries(owner),
      verdictButtons(owner),
      correctHeading(owner),
      correctTeam(owner),
      correctBy(owner),
      correctWhy(owner),
      correctButton(owner),
      resultsButton(owner),
      resultsSaved(owner),
      owner_(owner) {}

void RecordPanel::Lay() {
    tk::Window* owner = owner_;
    owner->Lay(&heading, layout::Widget::recordHeading);
    owner->Lay(&entries, layout::Widget::recordList);
    for (int v = 0; v < kVerdicts; ++v) {
        owner->Lay(&verdictButtons[v], layout::Widget::recordVerdict, v);
        connect(&verdictButtons[v], &tk::Button::Click, this, [this, v] {
            if (const game::Outcome* entry = ChosenEntry()) {
                emit Rejudged(entries.Chosen(), VerdictsOf(*entry)[std::size_t(v)]);
            }
        });
    }
    owner->Lay(&correctHeading, layout::Widget::correctHeading);
    for (int team = 0; team < game::kTeams; ++team) {
        owner->Lay(&correctTeam[team], layout::Widget::correctTeam, team);
        connect(&correctTeam[team], &tk::Option::Click, this, &RecordPanel::CheckCorrection);
    }
    owner->Lay(&correctBy, layout::Widget::correctBy);
    owner->Lay(&correctWhy, layout::Widget::correctWhy);
    owner->Lay(&correctButton, layout::Widget::correctButton);
    owner->Lay(&resultsButton, layout::Widget::resultsButton);
    owner->Lay(&resultsSaved, layout::Widget::resultsSaved);
    resultsSaved.SetShrinkToFit(true);
    correctBy.SetNumbersOnly(-INT16_MAX, INT16_MAX);
    correctBy.setPlaceholderText(QStringLiteral("+10, -10"));
    correctWhy.setMaxLength(game::kLongestReason);
    correctWhy.setPlaceholderText(tr("reason"));
    connect(&entries, &tk::ListBox::Click, this, &RecordPanel::ShowChoices);
    connect(&correctBy, &tk::TextBox::Change, this, &RecordPanel::CheckCorrection);
    connect(&correctButton, &tk::Button::Click, this, [this] {
        const int team = correctTeam[0].isChecked() ? 0 : correctTeam[1].isChecked() ? 1 : -1;
        bool number = false;
        const int change = correctBy.Text().toInt(&number);
        if (team >= 0 && number && change != 0) {
            const QString reason = correctWhy.Text();
            correctBy.SetText(QString());
            correctWhy.SetText(QString());
            emit Corrected(team, change, reason);
        }
    });
    connect(&resultsButton, &tk::Button::Click, this, &RecordPanel::ResultsWanted);
}

void RecordPanel::Draw(const game::Match& game) {
    record_ = game.state().record;
    mayCorrect_ = game.MayCorrect();
    QStringList lines;
    for (std::size_t i = 0; i < record_.size(); ++i) {
        lines << EntryLine(game, i);
    }
    entries.SetLines(lines);
    for (int team = 0; team < game::kTeams; ++team) {
        correctTeam[team].setText(game.setup().teamNames[std::size_t(team)]);
    }
    ShowChoices();
    CheckCorrection();
}

const game::Outcome* RecordPanel::ChosenEntry() const {
    const int chosen = entries.Chosen();
    return chosen >= 0 && std::size_t(chosen) < record_.size() ? &record_[std::size_t(chosen)]
                                                               : nullptr;
}

// The chosen entry's buttons: its three verdicts, each open when it is not the entry's now. A
// correction by hand has none.
void RecordPanel::ShowChoices() {
    const game::Outcome* entry = ChosenEntry();
    for (int v = 0; v < kVerdicts; ++v) {
        const Verdict verdict = entry ? VerdictsOf(*entry)[std::size_t(v)] : Verdict::GotIt;
        const bool fits = entry && game::Fits(*entry, verdict);
        verdictButtons[v].SetCaption(fits ? tr("Judge: %1").arg(game::VerdictWords(*entry, verdict))
                                          : QString());
        verdictButtons[v].setEnabled(fits && mayCorrect_ && entry->verdict != verdict);
    }
}

void RecordPanel::CheckCorrection() {
    bool number = false;
    const int change = correctBy.Text().toInt(&number);
    const bool team = correctTeam[0].isChecked() || correctTeam[1].isChecked();
    correctButton.setEnabled(mayCorrect_ && team && number && change != 0);
}

void RecordPanel::SetVisible(bool visible) {
    for (QWidget* widget : std::initializer_list<QWidget*>{
             &heading, &entries, &verdictButtons[0], &verdictButtons[1], &verdictButtons[2],
             &correctHeading, &correctTeam[0], &correctTeam[1], &correctBy, &correctWhy,
             &correctButton, &resultsButton, &resultsSaved}) {
        widget->setVisible(visible);
    }
}
