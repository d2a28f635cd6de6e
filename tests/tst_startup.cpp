#include <QtTest>

#include "game/module1.h"
#include "screens/frmAbout.h"
#include "screens/frmOptions.h"
#include "support/harness.h"
#include "toolkit/program.h"

using namespace Module1;

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void init() { FreshProgram(); }

    void mainSetsTheStartValuesAndShowsTheTitle() {
        ZapstersUsed2 = 7;
        RoundNumber = 3;
        SquaresLeft1 = 0;
        {
            tk::HandlerScope scope;
            Main();
        }
        QCOMPARE(RoundNumber, Integer{0});
        QCOMPARE((std::array{ZapstersUsed1, ZapstersUsed2, ZapstersUsed3}),
                 (std::array<Integer, 3>{}));
        QCOMPARE((std::array{SquaresLeft1, SquaresLeft2, SquaresLeft3}),
                 (std::array<Integer, 3>{30, 30, 30}));
        QVERIFY(SoundOn);
        QVERIFY(frmAbout::Loaded() && frmAbout::Get().isVisible());
        QVERIFY(!frmOptions::Loaded());
        QCOMPARE(frmAbout::Get().windowTitle(), QStringLiteral("Play Zapster!"));
        QCOMPARE(frmAbout::Get().cmdOK.Caption(), QStringLiteral("OK"));
        QCOMPARE(frmAbout::Get().Label1.Caption(),
                 QStringLiteral("Version 1.00             (December, 1999)"));
    }

    void okLeadsToTheSetupScreen_data() {
        QTest::addColumn<int>("key");  // 0: a click on "OK"
        QTest::newRow("click") << 0;
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }
    void okLeadsToTheSetupScreen() {
        QFETCH(int, key);
        Main();
        frmAbout& about = frmAbout::Get();
        if (key == 0) {
            UserClick(about.cmdOK);
        } else {
            QTest::keyClick(&about, Qt::Key(key));
        }
        QVERIFY(!frmAbout::Loaded());
        QVERIFY(frmOptions::Loaded() && frmOptions::Get().isVisible());
        QVERIFY(!tk::ProgramEnded());
    }

    void otherKeysDoNothing() {
        Main();
        QTest::keyClick(&frmAbout::Get(), Qt::Key_Space, Qt::NoModifier);
        QTest::keyClick(&frmAbout::Get(), Qt::Key_A);
        QVERIFY(frmAbout::Loaded());
        QVERIFY(!frmOptions::Loaded());
    }

    void closingTheTitleByItsFrameEndsTheProgram() {
        Main();
        frmAbout::Get().close();
        QVERIFY(tk::ProgramEnded());
        QVERIFY(!frmAbout::Loaded());
        QVERIFY(!frmOptions::Loaded());
    }

    void contentTablesCheckTheirBounds_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("round");
        QTest::newRow("slot 31") << 31 << 1;
        QTest::newRow("round 4") << 1 << 4;
        QTest::newRow("slot -1") << -1 << 1;
    }
    void contentTablesCheckTheirBounds() {
        QFETCH(int, slot);
        QFETCH(int, round);
        QuestionText(30, 3) = QStringLiteral("last");
        QCOMPARE(QuestionText(30, 3), QStringLiteral("last"));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, QuestionText(slot, round));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, PointValue(7, round));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
