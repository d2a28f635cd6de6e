#include <QtTest>

#include "game/module1.h"
#include "layout/layout.h"
#include "layout/pictures.h"
#include "screens/Form1.h"
#include "screens/frmAbout.h"
#include "screens/frmAnswer.h"
#include "screens/frmGameOver.h"
#include "screens/frmOptions.h"
#include "screens/frmQuestion.h"
#include "support/harness.h"
#include "toolkit/look.h"

namespace {

tk::Form& Screen(const QString& name) {
    if (name == "board")
        return Form1::Get();
    if (name == "title")
        return frmAbout::Get();
    if (name == "setup")
        return frmOptions::Get();
    if (name == "question")
        return frmQuestion::Get();
    if (name == "answer")
        return frmAnswer::Get();
    return frmGameOver::Get();
}

QWidget* Widget(tk::Form& form, const char* name, int index) {
    for (const auto& [widget, row] : form.Laid()) {
        if (row->name == name && row->index == index) {
            return widget;
        }
    }
    return nullptr;
}

QString Text(const std::string_view text) {
    return QString::fromUtf8(text.data(), text.size());
}

}  // namespace

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void init() { FreshProgram(); }

    // Twips become pixels by one rule everywhere: round(twips x factor x 96 / 1440). A maximised
    // screen is scaled by the largest factor at which its layout still fits, never below 1, and
    // centred across the width.
    void geometry_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QString>("widget");
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("box");
        QTest::newRow("board square, design size")
            << "board" << QSize(771, 545) << "Command3" << 4 << QRect(320, 352, 147, 43);
        QTest::newRow("board square, smaller client")
            << "board" << QSize(640, 480) << "Command3" << 4 << QRect(320, 352, 147, 43);
        // 1554 x 1090 is twice the board's extent of 777 x 545 pixels.
        QTest::newRow("board square, factor 2")
            << "board" << QSize(1554, 1090) << "Command3" << 4 << QRect(640, 704, 293, 87);
        QTest::newRow("board logo, factor 2, wider client")
            << "board" << QSize(1754, 1090) << "Image2" << -1 << QRect(740, 896, 294, 194);
        QTest::newRow("time bar, design size")
            << "question" << QSize(793, 529) << "Label2" << -1 << QRect(8, 472, 785, 57);
        QTest::newRow("time bar, factor 1.5")
            << "question" << QSize(1190, 794) << "Label2" << -1 << QRect(12, 708, 1178, 86);
        QTest::newRow("answer points, design size")
            << "answer" << QSize(785, 545) << "Label2" << -1 << QRect(320, 480, 153, 65);
        QTest::newRow("title OK button")
            << "title" << QSize() << "cmdOK" << -1 << QRect(272, 128, 201, 191);
        QTest::newRow("setup: third slot of round 3")
            << "setup" << QSize() << "File1" << 12 << QRect(384, 208, 105, 19);
        QTest::newRow("setup: option inside its frame")
            << "setup" << QSize() << "Option2" << 4 << QRect(176, 56, 97, 17);
    }
    void geometry() {
        QFETCH(QString, screen);
        QFETCH(QSize, client);
        QFETCH(QString, widget);
        QFETCH(int, index);
        QFETCH(QRect, box);
        tk::Form& form = Screen(screen);
        if (client.isValid()) {
            form.FitTo(client);
        }
        QWidget* w = Widget(form, widget.toUtf8().constData(), index);
        QVERIFY(w != nullptr);
        QCOMPARE(w->geometry(), box);
    }

    // Every caption of the layout is on its widget as written, runs of blanks included, and every
    // widget has the colours of its row.
    void captionsAndColours_data() {
        QTest::addColumn<QString>("screen");
        for (const char* screen : {"board", "title", "setup", "question", "answer", "game over"}) {
            QTest::newRow(screen) << screen;
        }
    }
    void captionsAndColours() {
        QFETCH(QString, screen);
        tk::Form& form = Screen(screen);
        int checked = 0;
        for (const auto& [widget, row] : form.Laid()) {
            const QString caption = Text(row->caption);
            const QColor back = row->back == layout::kNoColor ? QColor() : tk::Rgb(row->back);
            if (auto* label = qobject_cast<tk::Label*>(widget)) {
                if (!caption.isEmpty()) {
                    QCOMPARE(label->Caption(), caption);
                }
                QCOMPARE(label->Transparent(), back == QColor());
                if (back.isValid()) {
                    QCOMPARE(label->BackColor(), back);
                }
                if (!caption.isEmpty()) {  // a run-time text gets its colour from its screen
                    QCOMPARE(label->ForeColor(), row->text == layout::kNoColor
                                                     ? QColor(Qt::black)
                                                     : tk::Rgb(row->text));
                }
                ++checked;
            } else if (auto* button = qobject_cast<tk::Button*>(widget)) {
                QCOMPARE(button->Caption(), caption);
                QCOMPARE(button->BackColor(), back);
                ++checked;
            } else if (auto* frame = qobject_cast<tk::Frame*>(widget)) {
                QCOMPARE(frame->title(), caption);
                ++checked;
            } else if (auto* option = qobject_cast<tk::Option*>(widget)) {
                QCOMPARE(option->text(), caption);
                ++checked;
            }
        }
        QVERIFY(checked >= 2);
        QCOMPARE(form.BackColor(), tk::Rgb(form.Look().window.back));
        QCOMPARE(form.windowTitle(), Text(form.Look().window.title));
    }

    void soundLogosAtCreation() {
        Form1& board = Form1::Get();
        QVERIFY(!board.Image2.isHidden());
        QVERIFY(board.Image3.isHidden());
        QCOMPARE(board.Image2.geometry(), board.Image3.geometry());
        QVERIFY(board.Image1.PictureSource() == &layout::Banner);
        QVERIFY(board.Image2.PictureSource() == &layout::LogoBlue);
        QVERIFY(board.Image3.PictureSource() == &layout::LogoRed);
    }

    // A picture fills its box stretched smoothly, at every size the board takes, and follows a
    // change of size (the stretched copy is all it keeps).
    void picturesFillTheirBoxes() {
        Form1& board = Form1::Get();
        for (const QSize display : {QSize(), QSize(1920, 1080), QSize(3840, 2160)}) {
            if (display.isValid()) {
                board.resize(display);
                board.FitTo(display);
            }
            for (tk::Picture* picture : {&board.Image1, &board.Image2}) {
                const QImage shown =
                    picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
                const QImage expected =
                    picture->PictureSource()()
                        .toImage()
                        .scaled(picture->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_RGB32);
                QCOMPARE(shown, expected);
            }
        }
    }

    // A question too long for its box at the layout's font is drawn smaller until every line
    // fits; a short one keeps the layout's font.
    void longQuestionShrinksToFit() {
        frmQuestion& question = frmQuestion::Get();
        question.FitTo(QSize(793, 529));
        question.Label1.SetCaption(QStringLiteral("Short?"));
        const qreal layoutSize = question.Label1.font().pointSizeF();
        QCOMPARE(layoutSize, 36.0);
        QString longText;
        for (int i = 0; i < 60; ++i) {
            longText += QStringLiteral("Antidisestablishment ");
        }
        question.Label1.SetCaption(longText);
        const QFont shrunk = question.Label1.font();
        QVERIFY(shrunk.pointSizeF() < layoutSize);
        const QRect box = question.Label1.contentsRect();
        const QRect needed = QFontMetrics(shrunk).boundingRect(
            box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, longText);
        QVERIFY2(needed.height() <= box.height() && needed.width() <= box.width(),
                 qPrintable(QStringLiteral("%1x%2").arg(needed.width()).arg(needed.height())));
        question.Label1.SetCaption(QStringLiteral("Short again?"));
        QCOMPARE(question.Label1.font().pointSizeF(), layoutSize);
    }

    // The question's letters grow with the display, to some 200 pixels on a projector; at every
    // size they must reach the screen (a glyph-cache limit once left letters over 64 pixels
    // undrawn).
    void largeTextIsPainted_data() {
        QTest::addColumn<QSize>("display");
        QTest::newRow("1024x768") << QSize(1024, 768);
        QTest::newRow("1920x1080") << QSize(1920, 1080);
        QTest::newRow("3840x2160") << QSize(3840, 2160);
    }
    void largeTextIsPainted() {
        QFETCH(QSize, display);
        frmQuestion& question = frmQuestion::Get();
        question.resize(display);
        question.FitTo(display);
        question.Label1.SetCaption(QStringLiteral("Which planet is red?"));
        const QImage image = question.Label1.grab().toImage();
        const QRgb ink = question.Label1.ForeColor().rgb();
        qsizetype inked = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                inked += image.pixel(x, y) == ink ? 1 : 0;
            }
        }
        QVERIFY2(inked * 200 > qsizetype(image.width()) * image.height(),
                 qPrintable(QStringLiteral("%1 pixels of text").arg(inked)));
    }

    // Captions are kept as pictures between paints; any change of text, colour or box must show.
    void captionPicturesFollowEveryChange() {
        // At 4K the letters are over 64 pixels, the size from which a caption painted a second
        // time unchanged is kept as a picture; the picture must show what painting it would.
        const auto paintedTwice = [](QWidget& widget) {
            const QImage direct = widget.grab().toImage();
            const QImage kept = widget.grab().toImage();
            return std::pair{direct, kept};
        };
        const QSize display(3840, 2160);
        Form1& board = Form1::Get();
        board.resize(display);
        board.FitTo(display);
        tk::Label& score = board.Label8;
        score.SetCaption(QStringLiteral("125"));
        const auto [first, firstKept] = paintedTwice(score);
        QCOMPARE(firstKept, first);
        score.SetCaption(QStringLiteral("150"));
        const auto [changed, changedKept] = paintedTwice(score);
        QVERIFY(changed != first);
        QCOMPARE(changedKept, changed);
        score.SetCaption(QStringLiteral("125"));
        QCOMPARE(paintedTwice(score).second, first);
        score.resize(score.size() + QSize(40, 0));  // right-aligned: the digits move
        QVERIFY(paintedTwice(score).second.copy(QRect(QPoint(), first.size())) != first);

        // A Zapster question turns from yellow to white once its clock appears.
        frmQuestion::Get().resize(display);
        frmQuestion::Get().FitTo(display);
        tk::Label& question = frmQuestion::Get().Label1;
        question.SetCaption(QStringLiteral("Which planet is red?"));
        const auto [yellow, yellowKept] = paintedTwice(question);
        QCOMPARE(yellowKept, yellow);
        question.SetForeColor(QColor(0xFF, 0xFF, 0xFF));
        QVERIFY(paintedTwice(question).second != yellow);

        // Identical captions share a picture; one that differs only in colour or box must not
        // be given it.
        tk::Label twin(&frmQuestion::Get());
        twin.SetBaseFont(question.font());
        twin.SetAlignment(question.Alignment());
        twin.SetCaption(question.Caption());
        twin.SetBorder(question.frameWidth() > 0);
        twin.setGeometry(question.geometry());
        twin.SetBackColor(Qt::black);
        twin.SetForeColor(QColor(0xFF, 0xFF, 0x00));
        const auto [twinDirect, twinKept] = paintedTwice(twin);
        QCOMPARE(twinKept, twinDirect);
        twin.SetForeColor(question.ForeColor());
        twin.resize(twin.size() - QSize(40, 0));  // centred: the words move
        const auto [narrower, narrowerKept] = paintedTwice(twin);
        QCOMPARE(narrowerKept, narrower);
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
