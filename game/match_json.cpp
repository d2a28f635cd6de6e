#include "game/match_json.h"

#include <algorithm>

#include "game/json_reader.h"

namespace game {
namespace {

const QString kPhaseNames[] = {QStringLiteral("board"), QStringLiteral("question"),
                               QStringLiteral("answer"), QStringLiteral("time up")};
const QString kNoZapster = QStringLiteral("NO Zapster!");

template <class T, std::size_t N>
QJsonArray List(const std::array<T, N>& values) {
    QJsonArray array;
    for (const T& value : values) {
        array.append(value);
    }
    return array;
}

QJsonArray Numbers(const PerRound& perRound) {
    return QJsonArray{perRound[1], perRound[2], perRound[3]};
}

const QString kVerdictNames[] = {QStringLiteral("got it"), QStringLiteral("missed it"),
                                 QStringLiteral("time up"), QStringLiteral("clock ran out"),
                                 QStringLiteral("by hand")};
// The longest record a game reaches: every question, and hand corrections up to their limit.
constexpr qsizetype kLongestRecordRead = kLongestRecord + kRounds * kSquaresPerRound;

QJsonObject QuestionToJson(const OpenQuestion& q) {
    return QJsonObject{{"round", q.round},
                       {"column", q.column},
                       {"row", q.row},
                       {"points", q.points},
                       {"zapster", q.zapster}};
}

// A question's square and points, as a saved game gives them; its points must be its square's.
OpenQuestion ReadQuestion(JsonReader& read, const Content& content, int roundsToPlay) {
    OpenQuestion q;
    q.round = read.Number(QStringLiteral("round"), 1, roundsToPlay);
    q.column = read.Number(QStringLiteral("column"), 0, kColumns - 1);
    q.row = read.Number(QStringLiteral("row"), 0, kRows - 1);
    q.points = read.Number(QStringLiteral("points"), 0, INT16_MAX);
    q.zapster = read.Flag(QStringLiteral("zapster"));
    if (read.ok() && q.points != content.Points(q.round, q.row)) {
        read.Fail(SavedGameTexts::tr("points are not its square's"));
    }
    return q;
}

QJsonObject OutcomeToJson(const Outcome& o) {
    QJsonObject json =
        o.verdict == Verdict::ByHand
            ? QJsonObject{{"round", o.question.round}, {"change", o.change}, {"reason", o.reason}}
            : QuestionToJson(o.question);
    json.insert(QStringLiteral("team"), o.team);
    json.insert(QStringLiteral("verdict"), kVerdictNames[int(o.verdict)]);
    json.insert(QStringLiteral("score"), List(o.scoreAfter));
    if (o.judgedInPlay) {
        json.insert(QStringLiteral("inPlay"), kVerdictNames[int(*o.judgedInPlay)]);
    }
    return json;
}

Verdict ReadVerdict(JsonReader& read, const QString& name) {
    const QString text = read.Text(name);
    const auto named = std::find(std::begin(kVerdictNames), std::end(kVerdictNames), text);
    if (read.ok() && named == std::end(kVerdictNames)) {
        read.Fail(SavedGameTexts::tr("%1 is not a verdict").arg(name));
    }
    return named == std::end(kVerdictNames) ? Verdict::GotIt : Verdict(named - kVerdictNames);
}

// One outcome of a record: a question's, or a score corrected by hand.
Outcome ReadOutcome(JsonReader& read, const QJsonObject& entry, const Content& content,
                    int roundsToPlay) {
    Outcome o;
    o.verdict = ReadVerdict(read, QStringLiteral("verdict"));
    if (o.verdict == Verdict::ByHand) {
        o.question.round = read.Number(QStringLiteral("round"), 1, roundsToPlay);
        o.team = read.Number(QStringLiteral("team"), 0, kTeams - 1);
        o.change = read.Number(QStringLiteral("change"), INT16_MIN, INT16_MAX);
        o.reason = read.Text(QStringLiteral("reason"));
        if (read.ok() && (o.change == 0 || o.reason != OneLine(o.reason))) {
            read.Fail(SavedGameTexts::tr("a correction by hand changes a score, with a one-line "
                                         "reason of at most %1 characters")
                          .arg(kLongestReason));
        }
    } else {
        o.question = ReadQuestion(read, content, roundsToPlay);
        o.team = read.Number(QStringLiteral("team"), kNoTeam, kTeams - 1);
    }
    if (entry.contains(QStringLiteral("inPlay"))) {
        o.judgedInPlay = ReadVerdict(read, QStringLiteral("inPlay"));
        if (read.ok() && (!Fits(o, *o.judgedInPlay) || *o.judgedInPlay == o.verdict)) {
            read.Fail(SavedGameTexts::tr("inPlay is not another verdict of its question"));
        }
    }
    read.ReadNumbers(o.scoreAfter, QStringLiteral("score"), INT16_MIN, INT16_MAX);
    return o;
}

// The record of a game, which must add up, outcome by outcome, to the scores it was saved with. A
// game saved before the game kept a record starts its record at the scores it had. A moment kept
// to be taken back writes only where its record parts from the moment before it, which it names
// as `earlier`.
void ReadRecord(JsonReader& read, const QJsonObject& json, const Content& content, MatchState& s,
                const MatchState* earlier) {
    if (!json.contains(QStringLiteral("record"))) {
        return;
    }
    read.ReadNumbers(s.recordBase, QStringLiteral("recordBase"), INT16_MIN, INT16_MAX);
    if (read.ok() && json.contains(QStringLiteral("recordKept"))) {
        if (earlier == nullptr) {
            read.Fail(SavedGameTexts::tr("recordKept has no moment before it"));
            return;
        }
        const int kept = read.Number(QStringLiteral("recordKept"), 0, int(earlier->record.size()));
        if (read.ok() && earlier->recordBase != s.recordBase) {
            read.Fail(SavedGameTexts::tr("recordKept follows a record of other scores"));
        }
        if (read.ok()) {
            s.record.assign(earlier->record.begin(), earlier->record.begin() + kept);
        }
    }
    const QJsonValue list = json.value(QStringLiteral("record"));
    if (read.ok() && (!list.isArray() ||
                      s.record.size() + list.toArray().size() > std::size_t(kLongestRecordRead))) {
        read.Fail(SavedGameTexts::tr("record is not a list of at most %1").arg(kLongestRecordRead));
    }
    std::array<Integer, kTeams> score =
        s.record.empty() ? s.recordBase : s.record.back().scoreAfter;
    const QJsonArray record = list.toArray();
    for (qsizetype i = 0; read.ok() && i < record.size(); ++i) {
        const QJsonObject entry = record[i].toObject();
        JsonReader r(entry);
        const Outcome o = ReadOutcome(r, entry, content, s.setup.roundsToPlay);
        score = Scored(score, o);
        if (r.ok() && score != o.scoreAfter) {
            r.Fail(SavedGameTexts::tr("its scores do not add up"));
        }
        read.Fail(r.ok() ? QString()
                         : QStringLiteral("record %1: ").arg(qsizetype(s.record.size()) + 1) +
                               r.why());
        s.record.push_back(o);
    }
    if (read.ok() && score != s.score) {
        read.Fail(SavedGameTexts::tr("the record does not add up to the scores"));
    }
}

bool Fails(const JsonReader& read, QString* why) {
    if (!read.ok() && why != nullptr) {
        *why = read.why();
    }
    return !read.ok();
}

// The round being played has lost a square to every question opened in it, and its board shows
// as many squares open as it has left.
void CheckSquares(JsonReader& read, const MatchState& s) {
    if (!read.ok() || s.round > s.setup.roundsToPlay) {
        return;
    }
    if (s.squaresLeft[s.round] + s.questionsOpened != kSquaresPerRound) {
        read.Fail(SavedGameTexts::tr("squaresLeft and questionsOpened do not add up to 30"));
    } else if (std::count(s.spent.begin(), s.spent.end(), false) != s.squaresLeft[s.round]) {
        read.Fail(SavedGameTexts::tr("the board's open squares and squaresLeft differ"));
    }
}

// The counters that both formats keep under the same names.
void ReadCounters(JsonReader& read, MatchState& s) {
    s.questionsOpened = read.Number(QStringLiteral("questionsOpened"), 0, kSquaresPerRound);
    read.ReadPerRound(s.zapstersOpened, QStringLiteral("zapstersOpened"), kSquaresPerRound);
    read.ReadPerRound(s.squaresLeft, QStringLiteral("squaresLeft"), kSquaresPerRound);
    read.ReadNumbers(s.score, QStringLiteral("score"), INT16_MIN, INT16_MAX);
    s.recordBase = s.score;  // a game saved without its record keeps one from here on
    s.zapsterDrawn = read.Flag(QStringLiteral("zapsterDrawn"));
    s.zapsterCalled = read.Flag(QStringLiteral("zapsterCalled"));
    s.soundOn = read.Flag(QStringLiteral("soundOn"));
}

}  // namespace

QJsonArray ContentToJson(const Content& content) {
    QJsonArray rounds;
    for (int round = 1; round <= kRounds; ++round) {
        QJsonArray categories;
        for (int column = 0; column < kColumns; ++column) {
            const Category& category = content.At(round, column);
            categories.append(QJsonObject{{"title", category.title},
                                          {"questions", List(category.questions)},
                                          {"answers", List(category.answers)}});
        }
        rounds.append(QJsonObject{{"categories", categories},
                                  {"points", List(content.points[std::size_t(round - 1)])}});
    }
    return rounds;
}

std::optional<Content> ContentFromJson(const QJsonValue& json, QString* why) {
    const QJsonObject holder{{"rounds", json}};
    JsonReader read(holder);
    Content content;
    const QJsonArray rounds = read.Array(json, QStringLiteral("rounds"), kRounds);
    for (int round = 1; read.ok() && round <= kRounds; ++round) {
        const QJsonObject roundJson = rounds[round - 1].toObject();
        JsonReader inRound(roundJson);
        const QJsonArray categories =
            inRound.Array(roundJson.value("categories"), QStringLiteral("categories"), kColumns);
        for (int column = 0; inRound.ok() && column < kColumns; ++column) {
            const QJsonObject categoryJson = categories[column].toObject();
            JsonReader inCategory(categoryJson);
            Category& category = content.At(round, column);
            category.title = inCategory.Text(QStringLiteral("title"));
            inCategory.ReadTexts(category.questions, QStringLiteral("questions"));
            inCategory.ReadTexts(category.answers, QStringLiteral("answers"));
            inRound.Fail(inCategory.why());
        }
        inRound.ReadNumbers(content.points[std::size_t(round - 1)], QStringLiteral("points"), 0,
                            INT16_MAX);
        read.Fail(inRound.why());
    }
    if (Fails(read, why)) {
        return std::nullopt;
    }
    return content;
}

QJsonObject MatchToJson(const MatchState& s, const MatchState* earlier) {
    QJsonObject json{
        {"setup", QJsonObject{{"teams", List(s.setup.teamNames)},
                              {"rounds", s.setup.roundsToPlay},
                              {"zapsters", Numbers(s.setup.zapstersPlanned)},
                              {"sound", s.setup.soundOn},
                              {"bar", s.setup.barSeconds},
                              {"afterReading", s.setup.startAfterReading}}},
        {"seed", QString::number(s.seed, 16)},
        {"draws", qint64(s.draws)},
        {"round", s.round},
        {"score", List(s.score)},
        {"onTurn", List(s.lit)},
        {"questionsOpened", s.questionsOpened},
        {"zapstersOpened", Numbers(s.zapstersOpened)},
        {"squaresLeft", Numbers(s.squaresLeft)},
        {"zapsterDrawn", s.zapsterDrawn},
        {"zapsterCalled", s.zapsterCalled},
        {"soundOn", s.soundOn},
        {"soundLogoOn", s.soundLogoOn},
        {"squareSpent", List(s.spent)},
        {"buttonShown", List(s.buttonShown)},
        {"buttonEnabled", List(s.buttonEnabled)},
        {"titlesCleared", s.titlesCleared},
        {"phase", kPhaseNames[int(s.phase)]},
        {"recordBase", List(s.recordBase)},
    };
    // Written after an earlier moment, the record it shares with that moment is not written
    // again: a game's file stays as long as its moments, not their square.
    std::size_t kept = 0;
    if (earlier != nullptr && earlier->recordBase == s.recordBase) {
        const auto parted = std::mismatch(s.record.begin(), s.record.end(), earlier->record.begin(),
                                          earlier->record.end());
        kept = std::size_t(parted.first - s.record.begin());
        json.insert(QStringLiteral("recordKept"), qint64(kept));
    }
    QJsonArray record;
    for (std::size_t i = kept; i < s.record.size(); ++i) {
        record.append(OutcomeToJson(s.record[i]));
    }
    json.insert(QStringLiteral("record"), record);
    if (s.question) {
        json.insert(QStringLiteral("question"), QuestionToJson(*s.question));
    }
    return json;
}

std::optional<MatchState> MatchFromJson(const QJsonValue& value, const Content& content,
                                        QString* why, const MatchState* earlier) {
    const QJsonObject json = value.toObject();
    JsonReader read(json);
    MatchState s;
    const QJsonObject setupJson = json.value("setup").toObject();
    JsonReader setup(setupJson);
    setup.ReadTexts(s.setup.teamNames, QStringLiteral("teams"));
    s.setup.roundsToPlay = setup.Number(QStringLiteral("rounds"), 1, kRounds);
    setup.ReadPerRound(s.setup.zapstersPlanned, QStringLiteral("zapsters"), kEveryQuestion);
    s.setup.soundOn = setup.Flag(QStringLiteral("sound"));
    // A game saved before the time bar could be chosen played the game's own bar.
    if (setupJson.contains(QStringLiteral("bar"))) {
        s.setup.barSeconds = setup.Number(QStringLiteral("bar"), kNoTimeLimit, 3600);
        if (setup.ok() && std::find(kBarLengths.begin(), kBarLengths.end(), s.setup.barSeconds) ==
                              kBarLengths.end()) {
            setup.Fail(SavedGameTexts::tr("bar is not a length the setup offers"));
        }
    }
    if (setupJson.contains(QStringLiteral("afterReading"))) {
        s.setup.startAfterReading = setup.Flag(QStringLiteral("afterReading"));
    }
    read.Fail(setup.why().isEmpty() ? QString() : QStringLiteral("setup: ") + setup.why());

    const QString seed = read.Text(QStringLiteral("seed"));
    bool hex = false;
    s.seed = seed.toULongLong(&hex, 16);
    if (read.ok() && (!hex || seed.size() > 16)) {
        read.Fail(SavedGameTexts::tr("seed is not a number of at most 16 hexadecimal digits"));
    }
    s.draws = std::uint32_t(read.Number(QStringLiteral("draws"), 0, kRounds * kSquaresPerRound));
    s.round = read.Number(QStringLiteral("round"), 1, s.setup.roundsToPlay + 1);
    ReadCounters(read, s);
    read.ReadFlags(s.lit, QStringLiteral("onTurn"));
    s.soundLogoOn = read.Flag(QStringLiteral("soundLogoOn"));
    read.ReadFlags(s.spent, QStringLiteral("squareSpent"));
    read.ReadFlags(s.buttonShown, QStringLiteral("buttonShown"));
    read.ReadFlags(s.buttonEnabled, QStringLiteral("buttonEnabled"));
    s.titlesCleared = read.Flag(QStringLiteral("titlesCleared"));
    CheckSquares(read, s);
    ReadRecord(read, json, content, s, earlier);

    const QString phase = read.Text(QStringLiteral("phase"));
    const auto named = std::find(std::begin(kPhaseNames), std::end(kPhaseNames), phase);
    if (read.ok() && named == std::end(kPhaseNames)) {
        read.Fail(SavedGameTexts::tr("phase is not one of board, question, answer, time up"));
    }
    s.phase = Phase(named - std::begin(kPhaseNames));
    const bool asked = json.contains(QStringLiteral("question"));
    if (read.ok() && asked != (s.phase != Phase::Board)) {
        read.Fail(SavedGameTexts::tr("a question is open exactly when the phase is not board"));
    }
    if (read.ok() && asked) {
        const QJsonObject questionJson = json.value("question").toObject();
        JsonReader question(questionJson);
        const OpenQuestion q = ReadQuestion(question, content, s.setup.roundsToPlay);
        if (question.ok() && q.round == s.round &&
            !s.spent[std::size_t(q.column * kRows + q.row)]) {
            question.Fail(SavedGameTexts::tr("its square is still open"));
        }
        read.Fail(question.ok() ? QString() : QStringLiteral("question: ") + question.why());
        s.question = q;
    }
    if (Fails(read, why)) {
        return std::nullopt;
    }
    return s;
}

std::optional<MatchState> MatchFromVersion1(const QJsonValue& value, const Content& content,
                                            bool answerRequired, QString* why) {
    const QJsonObject json = value.toObject();
    const QJsonObject stateJson = json.value("state").toObject();
    JsonReader read(stateJson);
    MatchState s;
    s.setup.roundsToPlay = read.Number(QStringLiteral("roundsToPlay"), 1, kRounds);
    s.round = read.Number(QStringLiteral("round"), 1, s.setup.roundsToPlay + 1);
    ReadCounters(read, s);
    read.ReadPerRound(s.setup.zapstersPlanned, QStringLiteral("zapstersPlanned"), kSquaresPerRound);

    const QJsonObject boardJson = json.value("board").toObject();
    JsonReader board(boardJson);
    std::array<QString, kColumns> titles;
    board.ReadTexts(titles, QStringLiteral("categoryTitles"));
    std::array<bool, kSquaresPerRound> open{};
    board.ReadFlags(open, QStringLiteral("squareOpen"));
    std::transform(open.begin(), open.end(), s.spent.begin(), [](bool o) { return !o; });
    board.ReadFlags(s.lit, QStringLiteral("onTurn"));
    board.ReadTexts(s.setup.teamNames, QStringLiteral("teamNames"));
    std::array<QString, kTeams * kZapsterButtons> captions;
    board.ReadTexts(captions, QStringLiteral("zapsterCaptions"));
    std::transform(captions.begin(), captions.end(), s.buttonShown.begin(),
                   [](const QString& caption) { return !caption.isEmpty(); });
    board.ReadFlags(s.buttonEnabled, QStringLiteral("zapsterEnabled"));
    std::array<bool, 2> logos{};
    board.ReadFlags(logos, QStringLiteral("soundLogoShown"));
    if (board.ok() && logos[0] == logos[1]) {
        board.Fail(SavedGameTexts::tr("the board shows not exactly one sound logo"));
    }
    s.soundLogoOn = logos[0];
    s.setup.soundOn = s.soundOn;
    // Only the right team's answer to the game's last question cleared the titles.
    s.titlesCleared = s.round > s.setup.roundsToPlay &&
                      std::all_of(titles.begin(), titles.end(),
                                  [](const QString& title) { return title.isEmpty(); });
    read.Fail(board.why());
    CheckSquares(read, s);

    if (read.ok() && (answerRequired || json.contains(QStringLiteral("answer")))) {
        const QJsonObject answerJson = json.value("answer").toObject();
        JsonReader answer(answerJson);
        const QString answerText = answer.Text(QStringLiteral("answer"));
        const QString points = answer.Text(QStringLiteral("points"));
        const bool zapster = answer.Text(QStringLiteral("rightCaption")) == kNoZapster;
        answer.Text(QStringLiteral("wrongCaption"));
        // The answer screen did not say which square it was. Once the round's last question had
        // its answer shown, the round had moved on; the square is one of those spent, with this
        // answer and these points (several alike are the same question to the answer screen).
        // A file whose counters put the answer beyond the rounds played names no square at all.
        const int round = s.questionsOpened == 0 ? s.round - 1 : s.round;
        const bool roundPlayed = round >= 1 && round <= s.setup.roundsToPlay;
        std::optional<OpenQuestion> found;
        for (int square = 0; answer.ok() && roundPlayed && !found && square < kSquaresPerRound;
             ++square) {
            const int column = square / kRows;
            const int row = square % kRows;
            if ((round == s.round && !s.spent[std::size_t(square)]) ||
                content.At(round, column).answers[std::size_t(row)] != answerText ||
                QString::number(content.Points(round, row)) != points) {
                continue;
            }
            found = OpenQuestion{Integer(round), Integer(column), Integer(row),
                                 content.Points(round, row), zapster};
        }
        if (answer.ok() && !found) {
            answer.Fail(QStringLiteral("answer: ") +
                        SavedGameTexts::tr("no square played has this answer and points"));
        }
        read.Fail(answer.why());
        s.question = found;
        s.phase = Phase::Question;  // the answer is shown when the moment becomes a game
    }
    if (Fails(read, why)) {
        return std::nullopt;
    }
    return s;
}

}  // namespace game
