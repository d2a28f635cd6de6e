#include "game/match.h"

#include <algorithm>
#include <random>

namespace game {

Match::Match(Content content, const Setup& setup, std::uint64_t seed)
    : content_(std::make_shared<const Content>(std::move(content))) {
    state_.setup = setup;
    state_.seed = seed;
    state_.soundOn = setup.soundOn;
    state_.buttonShown.fill(true);
    state_.buttonEnabled.fill(true);
    ResetZapsterButtons();
}

Match::Match(std::shared_ptr<const Content> content, const MatchState& state)
    : content_(std::move(content)), state_(state) {}

bool Match::operator==(const Match& other) const {
    return state_ == other.state_ && (content_ == other.content_ || *content_ == *other.content_);
}

int Match::RoundShown() const {
    return state_.round <= state_.setup.roundsToPlay ? state_.round : state_.setup.roundsToPlay;
}

int Match::TeamOnTurn() const {
    return state_.lit[0] ? 0 : state_.lit[1] ? 1 : kNoTeam;
}

QString Match::CategoryTitle(int column) const {
    return state_.titlesCleared ? QString() : content().At(RoundShown(), column).title;
}

bool Match::MayOpen(int column, int row) const {
    return In(Phase::Board) && !SquareSpent(column, row);
}

bool Match::MayPressButton(int team, int button) const {
    return In(Phase::Board) && ButtonEnabled(team, button);
}

const Category* Match::OpenCategory() const {
    return state_.question ? &content().At(state_.question->round, state_.question->column)
                           : nullptr;
}

QString Match::QuestionText() const {
    const Category* category = OpenCategory();
    return category ? category->questions[std::size_t(state_.question->row)] : QString();
}

QString Match::AnswerText() const {
    const Category* category = OpenCategory();
    return category ? category->answers[std::size_t(state_.question->row)] : QString();
}

// 53 random bits scaled by 2^-53: exactly representable and strictly below 1, so that a round
// planned with 30 Zapsters of 30 squares draws every one of them.
double Match::Draw() {
    std::mt19937_64 generator(state_.seed);
    generator.discard(state_.draws);
    ++state_.draws;
    return static_cast<double>(generator() >> 11) * 0x1.0p-53;
}

bool Match::OpenSquare(int column, int row) {
    if (!MayOpen(column, row)) {
        return false;
    }
    const int round = state_.round;
    const auto inRound = [round](const PerRound& perRound) {
        const Integer* count = perRound.In(round);
        return count != nullptr ? int(*count) : 0;
    };
    const PerRound& planned = state_.setup.zapstersPlanned;
    if (inRound(planned) > inRound(state_.zapstersOpened)) {
        // Every square has the same chance, the round's planned count over its 30 squares.
        state_.zapsterDrawn = Draw() < inRound(planned) / double(kSquaresPerRound);
        // When the Zapsters still owed equal the squares still unopened, each one is a Zapster.
        if (inRound(planned) - inRound(state_.zapstersOpened) == inRound(state_.squaresLeft)) {
            state_.zapsterDrawn = true;
        }
    }
    state_.spent[Square(column, row)] = true;

    // The question is booked in the round, and the Zapster decision settled.
    state_.questionsOpened = SaturatingAdd(state_.questionsOpened, 1);
    Integer* left = state_.squaresLeft.In(round);
    Integer* opened = state_.zapstersOpened.In(round);
    const Integer* plannedHere = planned.In(round);
    if (left != nullptr) {
        *left = SaturatingAdd(*left, -1);
    }
    if (plannedHere != nullptr) {
        if (*plannedHere == kEveryQuestion) {
            state_.zapsterDrawn = true;
        }
        // Once the round's planned Zapsters are used up, only a team's call makes one.
        if (*opened == *plannedHere) {
            state_.zapsterDrawn = false;
        }
    }
    if (ZapsterQuestion() && opened != nullptr) {
        *opened = SaturatingAdd(*opened, 1);
    }
    state_.question = OpenQuestion{Integer(round), Integer(column), Integer(row),
                                   content().Points(round, row), ZapsterQuestion()};
    state_.phase = Phase::Question;
    return true;
}

bool Match::CallZapster(int team, int button) {
    if (!MayPressButton(team, button)) {
        return false;
    }
    const bool refusedWhilePending = button > 0;
    if (Lit(team) || (refusedWhilePending && state_.zapsterCalled)) {
        return false;
    }
    state_.zapsterCalled = true;
    state_.buttonEnabled[Button(team, button)] = false;
    state_.buttonShown[Button(team, button)] = false;
    return true;
}

bool Match::SwitchSound(bool on) {
    // Only the logo on show can be clicked: the blue one while it shows, the red one otherwise.
    if (!In(Phase::Board) || state_.soundLogoOn == on) {
        return false;
    }
    state_.soundOn = on;
    state_.soundLogoOn = on;
    return true;
}

bool Match::Reveal() {
    return StopQuestion(Phase::Answer);
}

bool Match::TimeUp() {
    if (!In(Phase::Question)) {
        return false;
    }
    Record(Verdict::TimeUp);
    return StopQuestion(Phase::TimeUp);
}

// The question's time stops, by the moderator's click or by running out; the round's last
// question ends the round there, before the outcome is decided.
bool Match::StopQuestion(Phase next) {
    if (!In(Phase::Question)) {
        return false;
    }
    state_.phase = next;
    EndRoundIfLast();
    return true;
}

bool Match::ClockRanOut() {
    if (!In(Phase::Question)) {
        return false;
    }
    Record(ZapsterQuestion() ? Verdict::ClockRanOut : Verdict::TimeUp);
    return StopQuestion(Phase::TimeUp);
}

bool Match::BackToBoard() {
    if (!In(Phase::TimeUp)) {
        return false;
    }
    PassTurn();
    state_.question.reset();
    state_.phase = Phase::Board;
    return true;
}

bool Match::Judge(bool right) {
    if (!In(Phase::Answer)) {
        return false;
    }
    const int team = TeamOnTurn();
    Record(right ? Verdict::GotIt : Verdict::MissedIt);
    if (team != kNoTeam) {
        PassTurn();
        // The right team's answer to the last question also clears the board behind the
        // game-over screen and greys both scores; after the left team's the board stays as it was.
        if (team == 1 && Over()) {
            state_.titlesCleared = true;
            state_.lit = {false, false};
        }
    }
    // The first turn of a new round goes to the team that is behind.
    if (state_.questionsOpened == 0 && state_.score[0] != state_.score[1]) {
        const bool leftBehind = state_.score[0] < state_.score[1];
        state_.lit = {leftBehind, !leftBehind};
    }
    state_.question.reset();
    state_.phase = Phase::Board;
    return true;
}

// The outcome of the open question goes into the record, and its points onto the scores. A
// Zapster that scored is no longer pending; with no team on turn nothing is scored.
void Match::Record(Verdict verdict) {
    Outcome outcome;
    outcome.question = *state_.question;
    outcome.question.zapster = ZapsterQuestion();
    outcome.team = TeamOnTurn();
    outcome.verdict = verdict;
    outcome.scoreAfter = Scored(state_.score, outcome);
    state_.score = outcome.scoreAfter;
    if (outcome.question.zapster && outcome.team != kNoTeam && verdict != Verdict::TimeUp) {
        state_.zapsterCalled = false;
    }
    state_.record.push_back(outcome);
}

bool Fits(const Outcome& outcome, Verdict verdict) {
    if (outcome.verdict == Verdict::ByHand || verdict == Verdict::ByHand) {
        return false;
    }
    return verdict == Verdict::GotIt || verdict == Verdict::MissedIt ||
           verdict == (outcome.question.zapster ? Verdict::ClockRanOut : Verdict::TimeUp);
}

std::array<Integer, kTeams> Scored(std::array<Integer, kTeams> score, const Outcome& outcome) {
    const int team = outcome.team;
    const auto gain = [&score](int to, int points) {
        score[std::size_t(to)] = SaturatingAdd(score[std::size_t(to)], points);
    };
    if (team != kNoTeam && outcome.verdict == Verdict::ByHand) {
        gain(team, outcome.change);
        return score;
    }
    if (team == kNoTeam || !Fits(outcome, outcome.verdict)) {
        return score;
    }
    const int points = outcome.question.points;
    // Right: the team on turn scores, or on a Zapster question the other team does. Wrong, or a
    // Zapster's clock run down: nothing is scored, or on a Zapster question the team on turn
    // scores double.
    switch (outcome.verdict) {
        case Verdict::GotIt:
            gain(outcome.question.zapster ? 1 - team : team, points);
            break;
        case Verdict::MissedIt:
        case Verdict::ClockRanOut:
            if (outcome.question.zapster) {
                gain(team, 2 * points);
            }
            break;
        case Verdict::TimeUp:
        case Verdict::ByHand:
            break;
    }
    return score;
}

bool Match::Rejudge(std::size_t entry, Verdict verdict) {
    if (!MayCorrect() || entry >= state_.record.size() || !Fits(state_.record[entry], verdict) ||
        state_.record[entry].verdict == verdict) {
        return false;
    }
    Outcome& outcome = state_.record[entry];
    const Verdict inPlay = outcome.judgedInPlay.value_or(outcome.verdict);
    outcome.verdict = verdict;
    outcome.judgedInPlay = verdict == inPlay ? std::nullopt : std::optional(inPlay);
    // Every later score follows from the corrected one: a score that stopped at a limit may not
    // stop there now.
    std::array<Integer, kTeams> score = state_.recordBase;
    for (Outcome& each : state_.record) {
        each.scoreAfter = score = Scored(score, each);
    }
    state_.score = score;
    return true;
}

bool Match::CorrectScore(int team, int change, const QString& reason) {
    if (!MayCorrect() || team < 0 || team >= kTeams || change == 0 || change < INT16_MIN ||
        change > INT16_MAX || state_.record.size() >= std::size_t(kLongestRecord)) {
        return false;
    }
    Outcome outcome;
    outcome.question.round = Integer(RoundShown());
    outcome.team = team;
    outcome.verdict = Verdict::ByHand;
    outcome.change = Integer(change);
    outcome.reason = OneLine(reason);
    outcome.scoreAfter = Scored(state_.score, outcome);
    state_.score = outcome.scoreAfter;
    state_.record.push_back(outcome);
    return true;
}

QString OneLine(const QString& reason) {
    QString line = reason.simplified();
    qsizetype length = std::min(line.size(), qsizetype(kLongestReason));
    // Never half a letter written with two characters.
    if (length > 0 && length < line.size() && line[length - 1].isHighSurrogate()) {
        --length;
    }
    return line.left(length);
}

// The turn passes from the team on turn to the other; with no team on turn nothing changes.
void Match::PassTurn() {
    const int team = TeamOnTurn();
    if (team != kNoTeam) {
        state_.lit[std::size_t(team)] = false;
        state_.lit[std::size_t(1 - team)] = true;
    }
}

// Once the round's 30th question is over, the next round begins: its counters, its buttons, and
// unless the game is over, its board with every square open again.
void Match::EndRoundIfLast() {
    if (state_.questionsOpened != kSquaresPerRound) {
        return;
    }
    state_.questionsOpened = 0;
    state_.zapstersOpened.Fill(0);
    state_.squaresLeft.Fill(kSquaresPerRound);
    state_.round = SaturatingAdd(state_.round, 1);
    ResetZapsterButtons();
    if (state_.round < state_.setup.roundsToPlay + 1) {
        state_.spent.fill(false);
    }
}

void Match::ResetZapsterButtons() {
    // Every button shows its number again, but only "1" comes back: a "2" or "3" spent in an
    // earlier round stays spent for the game.
    state_.buttonShown.fill(true);
    for (int team = 0; team < kTeams; ++team) {
        state_.buttonEnabled[Button(team, 0)] = true;
    }
    const Integer* planned = state_.setup.zapstersPlanned.In(state_.round);
    if (planned != nullptr && *planned == kEveryQuestion) {
        // "Total!": every question of the round is a Zapster already; there is nothing to call.
        state_.buttonShown.fill(false);
        state_.buttonEnabled.fill(false);
    }
}

}  // namespace game
