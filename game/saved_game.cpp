#include "game/saved_game.h"

#include <QJsonDocument>
#include <algorithm>

#include "game/json_reader.h"
#include "game/state_json.h"

namespace game {
namespace {

const QString kKind = QStringLiteral("saved game");

template <std::size_t N>
QJsonArray Texts(const std::array<QString, N>& texts) {
    QJsonArray array;
    for (const QString& text : texts) {
        array.append(text);
    }
    return array;
}

template <std::size_t N>
QJsonArray Flags(const std::array<bool, N>& flags) {
    QJsonArray array;
    for (const bool flag : flags) {
        array.append(flag);
    }
    return array;
}

// A moment of the game; one on an answer screen has the answer part, which a take-back must have.
std::optional<Moment> ReadMoment(const QJsonValue& value, const QJsonArray& content,
                                 bool answerRequired, QString* why) {
    const QJsonObject json = value.toObject();
    QJsonObject stateJson = json.value("state").toObject();
    stateJson.insert(QStringLiteral("rounds"), content);
    std::optional<State> state = StateFromJson(stateJson, why);
    if (!state) {
        return std::nullopt;
    }
    Moment moment{*state, {}, {}};
    const QJsonObject boardJson = json.value("board").toObject();
    JsonReader board(boardJson);
    BoardView& view = moment.board;
    view.roundLabel = board.Text(QStringLiteral("roundLabel"));
    board.ReadTexts(view.categoryTitles, QStringLiteral("categoryTitles"));
    board.ReadTexts(view.squareCaptions, QStringLiteral("squareCaptions"));
    board.ReadFlags(view.squareOpen, QStringLiteral("squareOpen"));
    board.ReadFlags(view.onTurn, QStringLiteral("onTurn"));
    board.ReadTexts(view.teamNames, QStringLiteral("teamNames"));
    board.ReadTexts(view.zapsterCaptions, QStringLiteral("zapsterCaptions"));
    board.ReadFlags(view.zapsterEnabled, QStringLiteral("zapsterEnabled"));
    board.ReadFlags(view.soundLogoShown, QStringLiteral("soundLogoShown"));
    board.ReadFlags(view.soundLogoEnabled, QStringLiteral("soundLogoEnabled"));
    const State& s = moment.state;
    // Every question opened in the round has spent its square.
    const auto open = std::count(view.squareOpen.begin(), view.squareOpen.end(), true);
    if (board.ok() && s.round >= 1 && s.round <= s.roundsToPlay && open != s.squaresLeft[s.round]) {
        board.Fail(QStringLiteral("the board's open squares and squaresLeft differ"));
    }
    if (board.ok() && view.soundLogoShown[0] == view.soundLogoShown[1]) {
        board.Fail(QStringLiteral("the board shows not exactly one sound logo"));
    }
    if (answerRequired || json.contains(QStringLiteral("answer"))) {
        const QJsonObject answerJson = json.value("answer").toObject();
        JsonReader answer(answerJson);
        moment.answer =
            AnswerView{answer.Text(QStringLiteral("answer")), answer.Text(QStringLiteral("points")),
                       answer.Text(QStringLiteral("rightCaption")),
                       answer.Text(QStringLiteral("wrongCaption"))};
        board.Fail(answer.why());
    }
    if (!board.ok()) {
        if (why != nullptr) {
            *why = board.why();
        }
        return std::nullopt;
    }
    return moment;
}

}  // namespace

QByteArray ContentText(const State& state) {
    return QJsonDocument(ContentToJson(state)).toJson(QJsonDocument::Compact);
}

QByteArray MomentText(const Moment& moment) {
    const BoardView& view = moment.board;
    QJsonObject json{
        {"state", StateToJson(moment.state, false)},
        {"board",
         QJsonObject{
             {"roundLabel", view.roundLabel},
             {"categoryTitles", Texts(view.categoryTitles)},
             {"squareCaptions", Texts(view.squareCaptions)},
             {"squareOpen", Flags(view.squareOpen)},
             {"onTurn", Flags(view.onTurn)},
             {"teamNames", Texts(view.teamNames)},
             {"zapsterCaptions", Texts(view.zapsterCaptions)},
             {"zapsterEnabled", Flags(view.zapsterEnabled)},
             {"soundLogoShown", Flags(view.soundLogoShown)},
             {"soundLogoEnabled", Flags(view.soundLogoEnabled)},
         }},
    };
    if (moment.answer) {
        json.insert(QStringLiteral("answer"),
                    QJsonObject{{"answer", moment.answer->answer},
                                {"points", moment.answer->points},
                                {"rightCaption", moment.answer->rightCaption},
                                {"wrongCaption", moment.answer->wrongCaption}});
    }
    return QJsonDocument(json).toJson(QJsonDocument::Compact);
}

// One part to a line, and one moment to a line, so that a person can read the file and a
// difference between two saves shows as lines.
QByteArray SavedGameText(const QDateTime& saved, bool finished, const QByteArray& content,
                         const QByteArray& now, const std::vector<QByteArray>& takeBacks) {
    QByteArray text;
    text.reserve(content.size() + now.size() * qsizetype(takeBacks.size() + 1) + 256);
    text += "{\"zapster\": \"" + kKind.toUtf8() + "\",\n";
    text += "\"version\": " + QByteArray::number(kSaveVersion) + ",\n";
    text += "\"saved\": \"" + saved.toString(Qt::ISODate).toUtf8() + "\",\n";
    text += QByteArray("\"finished\": ") + (finished ? "true" : "false") + ",\n";
    text += "\"rounds\": " + content + ",\n";
    text += "\"now\": " + now + ",\n";
    text += "\"takeBacks\": [";
    for (std::size_t i = 0; i < takeBacks.size(); ++i) {
        text += (i == 0 ? "\n" : ",\n") + takeBacks[i];
    }
    text += "]}\n";
    return text;
}

std::optional<SavedGame> ReadSavedGame(const QByteArray& text, QString* why) {
    const auto refuse = [why](const QString& reason) {
        if (why != nullptr) {
            *why = reason;
        }
        return std::nullopt;
    };
    if (text.size() > kLargestSave) {
        return refuse(QStringLiteral("it is larger than any game"));
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (!document.isObject()) {
        return refuse(error.error != QJsonParseError::NoError
                          ? QStringLiteral("it is cut short or damaged at byte %1: %2")
                                .arg(error.offset)
                                .arg(error.errorString())
                          : QStringLiteral("it is not a saved Zapster game"));
    }
    const QJsonObject json = document.object();
    if (json.value("zapster").toString() != kKind) {
        return refuse(QStringLiteral("it is not a saved Zapster game"));
    }
    JsonReader read(json);
    const QJsonValue version = json.value("version");
    if (version.isDouble() && version.toDouble() > kSaveVersion) {
        return refuse(
            QStringLiteral("it was saved by a newer Zapster (format %1, this one reads %2)")
                .arg(version.toDouble())
                .arg(kSaveVersion));
    }
    read.Number(version, QStringLiteral("version"), kSaveVersion, kSaveVersion);
    SavedGame game;
    game.finished = read.Flag(QStringLiteral("finished"));
    game.saved = QDateTime::fromString(json.value("saved").toString(), Qt::ISODate);
    if (read.ok() && !game.saved.isValid()) {
        read.Fail(QStringLiteral("saved is not a date and time"));
    }
    const QJsonArray content = read.Array(json.value("rounds"), QStringLiteral("rounds"), kRounds);
    const QJsonValue takeBacks = json.value("takeBacks");
    if (read.ok() && (!takeBacks.isArray() || takeBacks.toArray().size() > kMostTakeBacks)) {
        read.Fail(QStringLiteral("takeBacks is not a list of at most %1").arg(kMostTakeBacks));
    }
    if (!read.ok()) {
        return refuse(read.why());
    }
    QString reason;
    std::optional<Moment> now = ReadMoment(json.value("now"), content, false, &reason);
    if (!now) {
        return refuse(QStringLiteral("now: ") + reason);
    }
    game.now = std::move(*now);
    const QJsonArray earlier = takeBacks.toArray();
    for (qsizetype i = 0; i < earlier.size(); ++i) {
        std::optional<Moment> moment = ReadMoment(earlier[i], content, true, &reason);
        if (!moment) {
            return refuse(QStringLiteral("takeBacks %1: ").arg(i + 1) + reason);
        }
        game.takeBacks.push_back(std::move(*moment));
    }
    return game;
}

}  // namespace game
