// The game's record in the real screens: an earlier question judged again and a score corrected
// by hand, saved at once and taken back; the night's results read back by a real CSV reader and
// the page to print made headless.

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

#include "game/content.h"
#include "game/results.h"
#include "game/save.h"
#include "game/saved_game.h"
#include "screens/board.h"
#include "screens/flow.h"
#include "screens/game_over.h"
#include "screens/record.h"
#include "support/columns.h"
#include "support/game.h"
#include "support/harness.h"
#include "toolkit/printout.h"

using namespace game;

namespace {

// The game as the saved file on disk has it now.
Match OnDisk() {
    save::Flush();
    QFile file(save::GameFile());
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("no saved game");
    }
    QString why;
    std::optional<SavedGame> saved = ReadSavedGame(file.readAll(), &why);
    if (!saved) {
        qFatal("%s", qPrintable(why));
    }
    return saved->now;
}

// Awkward texts of category files that travel: quotes, the separators, a line break, accents,
// markup, and cells a spreadsheet would run as formulas.
Match AwkwardGame() {
    Content content = ReadContent(ChosenFiles{});
    Category& first = content.At(1, 0);
    first.title = QStringLiteral("Géographie; Europe, \"Ouest\"");
    first.questions[0] = QStringLiteral("Say \"hi\", then\nbye; ok?");
    first.answers[0] = QStringLiteral("=1+1");
    first.questions[1] = QStringLiteral("<b>bold</b> & more");
    first.answers[1] = QStringLiteral("-2");
    Setup setup;
    setup.teamNames = {QStringLiteral("Équipe Été"), QStringLiteral("@Owls")};
    setup.zapstersPlanned = {0, 0, 0};
    Match game(content, setup, 1);
    for (int row = 0; row < 2; ++row) {
        if (!game.OpenSquare(0, row) || !game.Reveal() || !game.Judge(row == 0)) {
            qFatal("the game does not take the moves");
        }
    }
    game.Rejudge(1, Verdict::GotIt);
    game.CorrectScore(0, -5, QStringLiteral("+talking, during \"the\" answer"));
    return game;
}

}  // namespace

class TestRecord : public QObject {
    Q_OBJECT

private slots:
    void init() { FreshProgram(); }

    // An appeal in the real program without a host's window: the record's window from the board,
    // the second question judged again, saved at once, and Ctrl+Z there takes it back; a score
    // corrected by hand stops at the 16-bit limit as play does.
    void appealFromTheBoard() {
        play::NewGame(2, 0);  // no Zapster
        play::PlayNext(true);
        play::PlayNext(false);
        play::PlayNext(true);
        QTest::keyClick(&BoardScreen::Get(), Qt::Key_R);
        QVERIFY(play::Shown<RecordScreen>());
        RecordPanel& panel = RecordScreen::Get().panel;
        QCOMPARE(panel.entries.count(), 3);
        const Integer missed = flow::Running()->state().record[1].question.points;
        const Integer left = flow::Running()->Score(0);
        panel.entries.Choose(1);
        QVERIFY(Reachable(panel.verdictButtons[0]) && !Reachable(panel.verdictButtons[1]));
        QCOMPARE(panel.verdictButtons[0].Caption(), QStringLiteral("Judge: Got it"));
        UserClick(panel.verdictButtons[0]);
        QCOMPARE(flow::Running()->Score(1), missed);
        QCOMPARE(BoardScreen::Get().teamScore[1].Caption(), QString::number(missed));
        QVERIFY(panel.entries.item(1)->text().contains(
            QStringLiteral("Got it (corrected from Missed it)")));
        const Match saved = OnDisk();
        QCOMPARE(saved.Score(1), missed);
        QCOMPARE(saved.state().record[1].judgedInPlay, std::optional(Verdict::MissedIt));
        // Nothing else of the game moved: the turn and the squares stay as played.
        QCOMPARE(saved.TeamOnTurn(), 1);
        QCOMPARE(saved.Score(0), left);

        QTest::keyClick(&RecordScreen::Get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(flow::Running()->Score(1), Integer(0));
        QVERIFY(!panel.entries.item(1)->text().contains(QStringLiteral("corrected")));
        QVERIFY(play::Shown<BoardScreen>());
        QCOMPARE(OnDisk().Score(1), Integer(0));

        UserClick(panel.correctTeam[0]);
        panel.correctBy.SetText(QStringLiteral("32767"));
        panel.correctWhy.SetText(QStringLiteral("a bonus\nfor tidiness"));
        UserClick(panel.correctButton);
        QCOMPARE(flow::Running()->Score(0), Integer(INT16_MAX));
        QCOMPARE(OnDisk().state().record.back().reason, QStringLiteral("a bonus for tidiness"));
        QVERIFY(panel.correctBy.Text().isEmpty() && !panel.correctButton.isEnabled());
        // While a question runs, the record is only read.
        play::OpenNext();
        QVERIFY(!Reachable(panel.verdictButtons[0]) && !panel.correctButton.isEnabled());
    }

    // The results are written only where the moderator says, and the game-over screen says where.
    void resultsWhereTheModeratorSays() {
        QTemporaryDir folder;
        QString asked;
        tk::AnswerWhereToSave([&](const QString& suggested) {
            asked = suggested;
            return folder.filePath(QStringLiteral("quiz night"));
        });
        play::NewGame(0, 0);
        for (int question = 0; question < kSquaresPerRound; ++question) {
            play::PlayNext(question % 3 != 0);
        }
        QVERIFY(play::Shown<GameOverScreen>());
        QVERIFY(QDir(folder.path()).isEmpty());
        UserClick(GameOverScreen::Get().resultsButton);
        tk::AnswerWhereToSave(nullptr);
        QVERIFY(asked.endsWith(QStringLiteral(".csv")));
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("quiz night.csv"))));
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("quiz night.pdf"))));
        QCOMPARE(GameOverScreen::Get().resultsSaved.Caption(),
                 QStringLiteral("Results saved in %1: quiz night.csv and quiz night.pdf")
                     .arg(QDir::toNativeSeparators(folder.path())));
        QFile csv(folder.filePath(QStringLiteral("quiz night.csv")));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll().count("\r\n"), qsizetype(1 + kSquaresPerRound));
    }

    // Python's csv module reads the file as a spreadsheet would: one row per outcome, the right
    // columns with either separator, accents intact, quotes, separators and line breaks inside a
    // cell kept, and every cell that would start a formula written as text.
    void csvReadBack_data() {
        auto row = Columns<QString>("separator");
        row("comma", QStringLiteral(","));
        row("semicolon", QStringLiteral(";"));
    }
    void csvReadBack() {
        QFETCH(QString, separator);
        const Match game = AwkwardGame();
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("results.csv"));
        QCOMPARE(tk::WriteWhole(path, ResultsCsv(game, separator[0])), QString());
        QProcess python;
        python.start(
            QStringLiteral("python3"),
            {QStringLiteral("-c"),
             QStringLiteral("import csv, json, sys\n"
                            "with open(sys.argv[1], encoding='utf-8-sig', newline='') as f:\n"
                            "    print(json.dumps(list(csv.reader(f, delimiter=sys.argv[2]))))"),
             path, separator});
        QVERIFY(python.waitForFinished(60000));
        QCOMPARE(python.exitCode(), 0);
        const QJsonArray rows = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
        QCOMPARE(rows.size(), qsizetype(1 + game.state().record.size()));
        const auto cell = [&rows](int row, int column) {
            return rows[row].toArray()[column].toString();
        };
        for (const QJsonValue& row : rows) {
            QCOMPARE(row.toArray().size(), 12);
        }
        QCOMPARE(cell(0, 10), QStringLiteral("Équipe Été score"));
        QCOMPARE(cell(0, 11), QStringLiteral("'@Owls score"));
        QCOMPARE(cell(1, 2), QStringLiteral("Géographie; Europe, \"Ouest\""));
        QCOMPARE(cell(1, 4), QStringLiteral("Say \"hi\", then\nbye; ok?"));
        QCOMPARE(cell(1, 5), QStringLiteral("'=1+1"));
        QCOMPARE(cell(1, 6), QStringLiteral("Équipe Été"));
        QCOMPARE(cell(2, 5), QStringLiteral("'-2"));
        QCOMPARE(cell(2, 6), QStringLiteral("'@Owls"));
        QCOMPARE(cell(2, 8), QStringLiteral("Got it"));
        QCOMPARE(cell(2, 9), QStringLiteral("Missed it"));
        QCOMPARE(cell(3, 3), QStringLiteral("-5"));
        QCOMPARE(cell(3, 4),
                 QStringLiteral("Score corrected by hand: +talking, during \"the\" answer"));
        QCOMPARE(cell(3, 10), QString::number(game.Score(0)));
        QCOMPARE(cell(3, 11), QString::number(game.Score(1)));
    }

    // The page to print is made without a display: markup in a question shows as typed, and a
    // whole game of 90 questions fits one sheet.
    void printablePage() {
        const Match awkward = AwkwardGame();
        QTextDocument shown;
        shown.setHtml(ResultsPage(awkward, QDateTime::currentDateTime()));
        const QString text = shown.toPlainText();
        QVERIFY(text.contains(QStringLiteral("<b>bold</b> & more")));
        QVERIFY(text.contains(QStringLiteral("corrected from Missed it")));
        QVERIFY(text.contains(QStringLiteral("Round 1 of 3 is being played")));

        Setup setup;
        Match game(ReadContent(ChosenFiles{}), setup, 5);
        for (int round = 1; round <= kRounds; ++round) {
            for (int square = 0; square < kSquaresPerRound; ++square) {
                QVERIFY(game.OpenSquare(square / kRows, square % kRows) && game.Reveal() &&
                        game.Judge(square % 2 == 0));
            }
        }
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("night.pdf"));
        QCOMPARE(tk::WritePdf(ResultsPage(game, QDateTime::currentDateTime()), path), QString());
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(bytes.count("/Type /Page\n"), qsizetype(1));
    }
};

QTEST_MAIN(TestRecord)
#include "tst_record.moc"
