#include <QtTest>

#include "game/module1.h"
#include "screens/Form1.h"
#include "screens/frmOptions.h"
#include "support/files.h"
#include "support/game.h"
#include "support/harness.h"

using namespace Module1;

namespace {

frmOptions& Options() {
    return frmOptions::Get();
}

}  // namespace

class TestSetup : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY(QDir::setCurrent(dir_.path()));
        WriteFile(QStringLiteral("full.zap"), Blocks(15));
        WriteFile(QStringLiteral("crlf.zap"), Blocks(15, "\r\n"));
        WriteFile(QStringLiteral("Short.zap"), Blocks(8).chopped(1 + QByteArray("A: a7.6").size()));
        WriteFile(QStringLiteral("notes.txt"), Blocks(15));
        QVERIFY(QDir().mkdir(QStringLiteral("folder.zap")));
    }

    void init() {
        FreshProgram();
        play::ToSetup();
    }

    void loadPutsTheDefaultsInPlace() {
        QCOMPARE(NumRounds, Integer{3});
        QCOMPARE((std::array{ZapsterCount1, ZapsterCount2, ZapsterCount3}),
                 (std::array<Integer, 3>{3, 6, 9}));
        QCOMPARE(Form1::Get().Label10.Caption(), QStringLiteral("Team 1"));
        QCOMPARE(Form1::Get().Label11.Caption(), QStringLiteral("Team 2"));
        QVERIFY(!Form1::Get().isVisible());
        QVERIFY(SoundOn);
        QCOMPARE(Options().Command2.Caption(), QStringLiteral("ON"));
        QVERIFY(Options().Option1[2].isChecked() && Options().Option2[3].isChecked());
        for (int slot = 0; slot < 15; ++slot) {
            QVERIFY(Options().File1[slot].isEnabled());
            QVERIFY(Options().File1[slot].FileName().isEmpty());
        }
    }

    void teamNamesGoToTheBoardAsTyped() {
        Options().Text1.clear();
        QCOMPARE(Form1::Get().Label10.Caption(), QString());
        QTest::keyClicks(&Options().Text2, QStringLiteral("  <b>x</b>"));
        QCOMPARE(Form1::Get().Label11.Caption(), QStringLiteral("Team 2  <b>x</b>"));
    }

    void roundsOptions_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("rounds");
        QTest::addColumn<bool>("round2");
        QTest::addColumn<bool>("round3");
        QTest::newRow("1 Round") << 0 << 1 << false << false;
        QTest::newRow("2 Rounds") << 1 << 2 << true << false;
        QTest::newRow("3 Rounds") << 2 << 3 << true << true;
    }
    void roundsOptions() {
        QFETCH(int, option);
        QFETCH(int, rounds);
        QFETCH(bool, round2);
        QFETCH(bool, round3);
        Options().File1[7].SelectFile(QStringLiteral("full.zap"));
        Options().File1[12].SelectFile(QStringLiteral("full.zap"));
        UserClick(Options().Option1[0]);  // from 1 Round, so that every row changes something
        UserClick(Options().Option1[option]);
        QCOMPARE(NumRounds, Integer(rounds));
        const QColor black(0, 0, 0), grey(0x80, 0x80, 0x80);
        QCOMPARE(Options().Label3.ForeColor(), black);
        QCOMPARE(Options().Label4.ForeColor(), round2 ? black : grey);
        QCOMPARE(Options().Label5.ForeColor(), round3 ? black : grey);
        for (int slot = 0; slot < 15; ++slot) {
            QCOMPARE(Options().File1[slot].isEnabled(), slot < 5 || (slot < 10 ? round2 : round3));
        }
        // Switching a round off keeps its choices.
        QCOMPARE(Options().File1[7].FileName(), QStringLiteral("full.zap"));
        QCOMPARE(Options().File1[12].FileName(), QStringLiteral("full.zap"));
    }

    void zapsterSchedules_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QList<int>>("counts");
        QTest::newRow("None") << 0 << QList<int>{0, 0, 0};
        QTest::newRow("0, 0, 0") << 1 << QList<int>{0, 0, 3};
        QTest::newRow("0, 3, 6") << 2 << QList<int>{0, 3, 6};
        QTest::newRow("3, 6, 9") << 3 << QList<int>{3, 6, 9};
        QTest::newRow("6, 9, 12") << 4 << QList<int>{6, 9, 12};
        QTest::newRow("Total!") << 5 << QList<int>{30, 30, 30};
    }
    void zapsterSchedules() {
        QFETCH(int, option);
        QFETCH(QList<int>, counts);
        UserClick(Options().Option2[option]);
        QCOMPARE((QList<int>{ZapsterCount1, ZapsterCount2, ZapsterCount3}), counts);
    }

    void soundButtonDecidesFromTheSoundSetting() {
        UserClick(Options().Command2);
        QVERIFY(!SoundOn);
        QCOMPARE(Options().Command2.Caption(), QStringLiteral("OFF"));
        QCOMPARE(Options().Command2.BackColor(), QColor(0xC0, 0, 0));
        UserClick(Options().Command2);
        QVERIFY(SoundOn);
        QCOMPARE(Options().Command2.Caption(), QStringLiteral("ON"));
        QCOMPARE(Options().Command2.BackColor(), QColor(0, 0xFF, 0));
        // The board's logos may have changed the setting behind the button's back.
        SoundOn = false;
        UserClick(Options().Command2);
        QVERIFY(SoundOn);
        QCOMPARE(Options().Command2.Caption(), QStringLiteral("ON"));
    }

    void slotsListOnlyCategoryFilesInOrder() {
        QStringList listed;
        for (int row = 0; row < Options().File1[0].count(); ++row) {
            listed << Options().File1[0].item(row)->text();
        }
        QCOMPARE(listed, (QStringList{"crlf.zap", "full.zap", "Short.zap"}));
    }

    void doubleClickClearsASlot() {
        tk::FileList& slot = Options().File1[3];
        QTest::mouseDClick(slot.viewport(), Qt::LeftButton, {},
                           slot.visualItemRect(slot.item(1)).center());
        QVERIFY(slot.FileName().isEmpty());
        QTest::mouseClick(slot.viewport(), Qt::LeftButton, {},
                          slot.visualItemRect(slot.item(1)).center());
        QCOMPARE(slot.FileName(), QStringLiteral("full.zap"));
        QTest::mouseDClick(slot.viewport(), Qt::LeftButton, {},
                           slot.visualItemRect(slot.item(1)).center());
        QVERIFY(slot.FileName().isEmpty());
    }

    void doneWithNoFilePlaysTheBuiltInBank() {
        UserClick(Options().Command1);
        QVERIFY(!Options().isVisible() && frmOptions::Loaded());
        QVERIFY(play::BoardShown());
        QCOMPARE(RoundNumber, Integer{1});
        QCOMPARE(Form1::Get().Label1.Caption(), QStringLiteral("Round: 1"));
        QCOMPARE(play::CategoryTitles(), (QStringList{"Famous Psychologists", "Physiology",
                                                      "Statistics", "History", "Abnormal?"}));
        const QStringList column{"25", "50", "75", "100", "125", "150"};
        QCOMPARE(play::BoardCaptions(), column + column + column + column + column);
        QCOMPARE(Form1::Get().Label8.Caption(), QStringLiteral("0"));
        QCOMPARE(Form1::Get().Label9.Caption(), QStringLiteral("0"));
        QCOMPARE(QuestionText(30, 1),
                 QStringLiteral("Hallucinations, hearing voices in the head, and feelings of "
                                "pursecution are typical of what disorder?"));
        QCOMPARE(CategoryName(2, 2), QStringLiteral("Cognitive"));
        QCOMPARE(QuestionText(11, 2).left(9), QStringLiteral("Name the "));
        QVERIFY(QuestionText(8, 2).isEmpty() && CategoryName(3, 2).isEmpty());
        QVERIFY(QuestionText(1, 3).isEmpty() && CategoryName(1, 3).isEmpty());
        QCOMPARE(PointValue(6, 3), Integer{300});
        QCOMPARE(PointValue(1, 2), Integer{50});
    }

    // Slot i takes block i of its file, whichever round is played; a file that cannot give the
    // whole block leaves the bank's category whole.
    void chosenFilesFillTheirCategories() {
        UserClick(Options().Option1[0]);  // one round: the greyed slots are read all the same
        Options().File1[0].SelectFile(QStringLiteral("crlf.zap"));
        Options().File1[1].SelectFile(QStringLiteral("Short.zap"));
        Options().File1[7].SelectFile(QStringLiteral("Short.zap"));
        Options().File1[4].SelectFile(QStringLiteral("full.zap"));
        Options().File1[14].SelectFile(QStringLiteral("full.zap"));
        UserClick(Options().Command1);
        QCOMPARE(CategoryName(1, 1), QStringLiteral("Title 0"));
        QCOMPARE(QuestionText(1, 1), QStringLiteral("q0.1"));
        QCOMPARE(AnswerText(6, 1), QStringLiteral("a0.6"));
        QCOMPARE(CategoryName(2, 1), QStringLiteral("Title 1"));  // Short.zap has block 1 ...
        QCOMPARE(QuestionText(7, 1), QStringLiteral("q1.1"));
        QCOMPARE(CategoryName(3, 2), QString());  // ... but block 7 lacks its last line
        QVERIFY(QuestionText(13, 2).isEmpty());
        QCOMPARE(CategoryName(5, 1), QStringLiteral("Title 4"));
        QCOMPARE(AnswerText(25, 1), QStringLiteral("a4.1"));
        QCOMPARE(CategoryName(5, 3), QStringLiteral("Title 14"));
        QCOMPARE(QuestionText(30, 3), QStringLiteral("q14.6"));
        QCOMPARE(play::CategoryTitles(),
                 (QStringList{"Title 0", "Title 1", "Statistics", "History", "Title 4"}));
    }

    void fileRemovedBeforeDoneKeepsTheBank() {
        WriteFile(QStringLiteral("gone.zap"), Blocks(1));
        Options().File1[0].Refresh();
        Options().File1[0].SelectFile(QStringLiteral("gone.zap"));
        QVERIFY(QFile::remove(QStringLiteral("gone.zap")));
        UserClick(Options().Command1);
        QCOMPARE(CategoryName(1, 1), QStringLiteral("Famous Psychologists"));
        QCOMPARE(QuestionText(1, 1),
                 QStringLiteral("Who once said that sometimes, a cigar is just a cigar?"));
    }

    void zapsterButtonsOverRounds() {
        play::StartGame(2, 3);
        Form1& board = Form1::Get();
        auto states = [&] {
            QStringList s;
            for (tk::Button* b : {&board.Command6, &board.Command7, &board.Command8,
                                  &board.Command9, &board.Command10, &board.Command11}) {
                s << (b->Caption() + (b->isEnabled() ? "+" : "-"));
            }
            return s;
        };
        QCOMPARE(states(), (QStringList{"1+", "2+", "3+", "1+", "2+", "3+"}));
        // Buttons used in round 1 are re-armed for round 2 only if they are a team's "1".
        for (tk::Button* b : {&board.Command6, &board.Command7, &board.Command11}) {
            b->setEnabled(false);
            b->SetCaption(QString());
        }
        RoundNumber = 2;
        ResetZapsterButtons();
        QCOMPARE(states(), (QStringList{"1+", "2-", "3+", "1+", "2+", "3-"}));
        // A "Total!" round blanks all six; the round after it re-arms only the "1" buttons.
        ZapsterCount3 = 30;
        RoundNumber = 3;
        ResetZapsterButtons();
        QCOMPARE(states(), (QStringList{"-", "-", "-", "-", "-", "-"}));
        RoundNumber = 4;
        ResetZapsterButtons();
        QCOMPARE(states(), (QStringList{"1+", "2-", "3-", "1+", "2-", "3-"}));
    }

    void totalScheduleBlanksTheButtonsFromRoundOne() {
        play::StartGame(2, 5);
        Form1& board = Form1::Get();
        for (tk::Button* b : {&board.Command6, &board.Command7, &board.Command8, &board.Command9,
                              &board.Command10, &board.Command11}) {
            QVERIFY(!b->isEnabled());
            QVERIFY(b->Caption().isEmpty());
        }
    }

    void closingTheSetupByItsFrameEndsTheProgram() {
        Options().close();
        QVERIFY(tk::ProgramEnded());
        QVERIFY(!Form1::Loaded());
    }
};

QTEST_MAIN(TestSetup)
#include "tst_setup.moc"
