#include "game/saved_game.h"

#include <QJsonDocument>
#include <memory>

#include "game/json_reader.h"
#include "game/match_json.h"

namespace game {
namespace {

const QString kKind = QStringLiteral("saved game");

// A moment read from the file, as a game. One kept to be taken back is on its answer screen; one
// that waited there in a version-1 file had not had its answer shown to the game yet.
std::optional<Match> ReadMoment(int version, const QJsonValue& json,
                                const std::shared_ptr<const Content>& content, bool taken,
                                std::uint64_t seed, const Match* earlier, QString* why) {
    std::optional<MatchState> state =
        version == 1 ? MatchFromVersion1(json, *content, taken, why)
                     : MatchFromJson(json, *content, why, earlier ? &earlier->state() : nullptr);
    if (!state) {
        return std::nullopt;
    }
    if (version == 1) {
        state->seed = seed;
    }
    Match moment(content, *state);
    if (version == 1) {
        moment.Reveal();
    }
    // Kept before a question's outcome, or before a correction of the record on the board.
    if (taken && moment.phase() != Phase::Answer && moment.phase() != Phase::Board) {
        *why = SavedGameTexts::tr("it is neither on its answer screen nor on the board");
        return std::nullopt;
    }
    return moment;
}

}  // namespace

QByteArray ContentText(const Content& content) {
    return QJsonDocument(ContentToJson(content)).toJson(QJsonDocument::Compact);
}

QByteArray MomentText(const MatchState& moment, const MatchState* earlier) {
    return QJsonDocument(MatchToJson(moment, earlier)).toJson(QJsonDocument::Compact);
}

std::vector<QByteArray> TakeBackTexts(const std::vector<Match>& takeBacks) {
    std::vector<QByteArray> texts;
    for (std::size_t i = 0; i < takeBacks.size(); ++i) {
        texts.push_back(
            MomentText(takeBacks[i].state(), i > 0 ? &takeBacks[i - 1].state() : nullptr));
    }
    return texts;
}

// One part to a line, and one moment to a line, so that a person can read the file and a
// difference between two saves shows as lines.
QByteArray SavedGameText(const QDateTime& saved, bool finished, const QByteArray& content,
                         const QByteArray& now, const std::vector<QByteArray>& takeBacks) {
    QByteArray text;
    qsizetype size = content.size() + now.size() + 256;
    for (const QByteArray& moment : takeBacks) {
        size += moment.size() + 2;
    }
    text.reserve(size);
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
        return refuse(SavedGameTexts::tr("it is larger than any game"));
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (!document.isObject()) {
        return refuse(error.error != QJsonParseError::NoError
                          ? SavedGameTexts::tr("it is cut short or damaged at byte %1: %2")
                                .arg(error.offset)
                                .arg(error.errorString())
                          : SavedGameTexts::tr("it is not a saved Zapster game"));
    }
    const QJsonObject json = document.object();
    if (json.value("zapster").toString() != kKind) {
        return refuse(SavedGameTexts::tr("it is not a saved Zapster game"));
    }
    JsonReader read(json);
    const QJsonValue versionJson = json.value("version");
    if (versionJson.isDouble() && versionJson.toDouble() > kSaveVersion) {
        return refuse(
            SavedGameTexts::tr("it was saved by a newer Zapster (format %1, this one reads %2)")
                .arg(versionJson.toDouble())
                .arg(kSaveVersion));
    }
    const int version = read.Number(versionJson, QStringLiteral("version"), 1, kSaveVersion);
    const bool finished = read.Flag(QStringLiteral("finished"));
    const QDateTime saved = QDateTime::fromString(json.value("saved").toString(), Qt::ISODate);
    if (read.ok() && !saved.isValid()) {
        read.Fail(SavedGameTexts::tr("saved is not a date and time"));
    }
    const QJsonValue takeBacks = json.value("takeBacks");
    if (read.ok() && (!takeBacks.isArray() || takeBacks.toArray().size() > kMostTakeBacks)) {
        read.Fail(SavedGameTexts::tr("takeBacks is not a list of at most %1").arg(kMostTakeBacks));
    }
    if (!read.ok()) {
        return refuse(read.why());
    }
    QString reason;
    std::optional<Content> content = ContentFromJson(json.value("rounds"), &reason);
    if (!content) {
        return refuse(reason);
    }
    const auto shared = std::make_shared<const Content>(std::move(*content));
    // A version-1 file kept no draws: the game resumed from it draws a sequence of its own.
    const std::uint64_t seed = qHashBits(text.constData(), std::size_t(text.size()));
    std::optional<Match> now =
        ReadMoment(version, json.value("now"), shared, false, seed, nullptr, &reason);
    if (!now) {
        return refuse(QStringLiteral("now: ") + reason);
    }
    // A game at rest is on the board or on an answer screen; only one ended with "Thanks For
    // Playing!" may have stopped anywhere.
    if (!finished && now->phase() != Phase::Board && now->phase() != Phase::Answer) {
        return refuse(QStringLiteral("now: ") +
                      SavedGameTexts::tr("it is neither on the board nor on an answer screen"));
    }
    SavedGame game{saved, std::move(*now), {}};
    if (finished) {
        game.now.Finish();
    }
    const QJsonArray earlier = takeBacks.toArray();
    for (qsizetype i = 0; i < earlier.size(); ++i) {
        std::optional<Match> moment =
            ReadMoment(version, earlier[i], shared, true, seed,
                       game.takeBacks.empty() ? nullptr : &game.takeBacks.back(), &reason);
        if (!moment) {
            return refuse(QStringLiteral("takeBacks %1: ").arg(i + 1) + reason);
        }
        game.takeBacks.push_back(std::move(*moment));
    }
    return game;
}

}  // namespace game
