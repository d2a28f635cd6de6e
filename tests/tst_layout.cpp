#include <QtTest>

#include "screens/answer.h"
#include "screens/board.h"
#include "screens/game_over.h"
#include "screens/host.h"
#include "screens/question.h"
#include "screens/setup.h"
#include "screens/title.h"
#include "support/game.h"
#include "support/harness.h"
#include "toolkit/look.h"

namespace {

template <class T>
tk::Window& Get() {
    return T::Get();  // each screen is created on first reference
}
const QHash<QString, tk::Window& (*)()> kScreens{
    {"board", &Get<BoardScreen>},   {"title", &Get<TitleScreen>},
    {"setup", &Get<SetupScreen>},   {"question", &Get<QuestionScreen>},
    {"answer", &Get<AnswerScreen>}, {"game over", &Get<GameOverScreen>},
    {"host", &Get<HostScreen>}};

using layout::Widget;

QWidget* Laid(tk::Window& window, Widget widget, int index) {
    const auto found = std::ranges::find_if(window.Laid(), [&](const auto& laid) {
        return laid.second->widget == widget && laid.second->index == index;
    });
    return found == window.Laid().end() ? nullptr : found->first;
}

std::span<const QRgb> Pixels(const QImage& image) {
    return {reinterpret_cast<const QRgb*>(image.constBits()), size_t(image.sizeInBytes() / 4)};
}

}  // namespace

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void init() { FreshProgram(); }

    // Each widget has its row's caption, blanks and all, colours (none: transparent) and box; a
    // maximised screen takes the largest factor at which its layout fits, at least 1, centred.
    void laidOut_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<Widget>("widget");
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("box");
        const auto row = [](const char* name, const char* screen, QSize client, Widget widget,
                            int index, QRect box) {
            QTest::newRow(name) << QString(screen) << client << widget << index << box;
        };
        row("board square, smaller", "board", {640, 480}, Widget::square, 16, {320, 352, 147, 43});
        row("board square, factor 2", "board", {1554, 1090}, Widget::square, 16,
            {640, 704, 293, 87});
        row("board logo, wider", "board", {1754, 1090}, Widget::soundOnLogo, -1,
            {740, 896, 294, 194});
        row("time bar", "question", {793, 529}, Widget::timeBar, -1, {8, 472, 785, 57});
        row("time bar, factor 1.5", "question", {1190, 794}, Widget::timeBar, -1,
            {12, 708, 1178, 86});
        row("answer points", "answer", {785, 545}, Widget::points, -1, {320, 480, 153, 65});
        row("title OK button", "title", {}, Widget::okButton, -1, {272, 128, 201, 191});
        row("setup: 3rd slot, round 3", "setup", {}, Widget::categorySlot, 12, {384, 208, 105, 19});
        row("setup: option in its frame", "setup", {}, Widget::scheduleChoice, 4,
            {176, 56, 97, 17});
        row("game over button", "game over", {}, Widget::thanksButton, -1, {208, 120, 161, 105});
        row("host: a square, 1920x1080", "host", {1920, 1080}, Widget::hostSquare, 8,
            {219, 328, 188, 73});  // 1264 pixels wide at the design size: a factor of 1.519
    }
    void laidOut() {
        QFETCH(QString, screen);
        QFETCH(QSize, client);
        QFETCH(Widget, widget);
        QFETCH(int, index);
        QFETCH(QRect, box);
        tk::Window& window = kScreens.value(screen)();
        window.FitTo(client);  // nothing on the title and setup screens, which keep their size
        QWidget* w = Laid(window, widget, index);
        QCOMPARE(w ? w->geometry() : QRect(), box);
        const auto colour = [](int rgb, QColor none) {
            return rgb == layout::kNoColor ? none : tk::Rgb(rgb);
        };
        for (const auto& [widget, row] : window.Laid()) {
            const QString caption = QString::fromUtf8(row->caption);
            const QColor back = colour(row->back, QColor());
            if (auto* label = qobject_cast<tk::Label*>(widget)) {
                QCOMPARE(label->Transparent() ? QColor() : label->BackColor(), back);
                if (!caption.isEmpty()) {  // a run-time text gets its colour from its screen
                    QCOMPARE(label->Caption(), caption);
                    QCOMPARE(label->ForeColor(), colour(row->text, Qt::black));
                }
            } else if (auto* button = qobject_cast<tk::Button*>(widget)) {
                QCOMPARE(button->Caption(), caption);
                QCOMPARE(button->BackColor(), back);
            } else if (auto* frame = qobject_cast<tk::Frame*>(widget)) {
                QCOMPARE(frame->title(), caption);
            } else if (auto* option = qobject_cast<tk::Option*>(widget)) {
                QCOMPARE(option->text(), caption);
                // Past its text, an option shows the colour of its row (one that is offered).
                const QImage face = option->grab().toImage();
                QVERIFY(option->isHidden() ||
                        face.pixelColor(face.width() - 2, face.height() / 2) == back);
            }
        }
        QCOMPARE(window.BackColor(), tk::Rgb(window.Look().window.back));
        QCOMPARE(window.windowTitle(), QString::fromUtf8(window.Look().window.title));
    }

    // The title pictures are whole, opaque, not blank, and stretched smoothly over their boxes.
    void pictures_data() {
        QTest::addColumn<Widget>("widget");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("mostlyBlue");
        QTest::newRow("banner") << Widget::banner << QSize(476, 78) << false;
        QTest::newRow("blue logo") << Widget::soundOnLogo << QSize(269, 181) << true;
        QTest::newRow("red logo") << Widget::soundOffLogo << QSize(269, 181) << false;
    }
    void pictures() {
        QFETCH(Widget, widget);
        QFETCH(QSize, size);
        QFETCH(bool, mostlyBlue);
        auto* picture = qobject_cast<tk::Picture*>(Laid(BoardScreen::Get(), widget, -1));
        QVERIFY(picture != nullptr);
        const QPixmap source = picture->PictureSource()();  // its size and colours tell which
        QVERIFY(source.size() == size && !source.hasAlphaChannel());
        const QImage image = source.toImage().convertToFormat(QImage::Format_RGB32);
        const auto pixels = Pixels(image);
        QVERIFY(QSet<QRgb>(pixels.begin(), pixels.end()).size() > 100);  // lettering, anti-aliased
        const auto blue = std::ranges::count_if(pixels, [](QRgb p) { return qBlue(p) > qRed(p); });
        QCOMPARE(blue * 2 > qsizetype(pixels.size()), mostlyBlue);
        QCOMPARE(picture->isHidden(), widget == Widget::soundOffLogo);  // the sound starts on
        for (const QSize display : {QSize(777, 545), QSize(1920, 1080), QSize(3840, 2160)}) {
            BoardScreen::Get().resize(display);  // the stretched copy must follow
            BoardScreen::Get().FitTo(display);
            QCOMPARE(
                picture->grab().toImage().convertToFormat(QImage::Format_RGB32),
                image.scaled(picture->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        }
    }

    // Question letters show in any colour, and come back to their size after a long question.
    void questionText() {
        QuestionScreen::Get().resize(3840, 2160);
        QuestionScreen::Get().FitTo({3840, 2160});
        tk::Label& label = QuestionScreen::Get().questionText;
        label.SetCaption(QStringLiteral("Which planet is red?"));
        const double points = label.font().pointSizeF();
        QCOMPARE(points, 36.0 * 2160 / 529);                               // grown down the height
        for (const QColor ink : {label.ForeColor(), QColor(Qt::white)}) {  // a Zapster's is white
            label.SetForeColor(ink);
            label.grab();  // the second paint of an unchanged caption
            const QImage image = label.grab().toImage().convertToFormat(QImage::Format_RGB32);
            const auto inked = std::ranges::count(Pixels(image), ink.rgb());
            QVERIFY(inked * 200 > image.width() * image.height());
        }
        label.SetCaption(QStringLiteral("Antidisestablishment ").repeated(60));  // shrinks
        label.SetCaption(QStringLiteral("Which planet is blue?"));
        QCOMPARE(label.font().pointSizeF(), points);
    }

    // A shrinking text takes the largest size at which it fits its box whole, up to the layout's
    // size, and breaks a word longer than a line rather than cut it off.
    void textFitsItsBox_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<Widget>("widget");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("display");
        const QString words = QStringLiteral("Which famous psychologist studied memory? ");
        const struct {
            const char *name, *screen;
            Widget widget;
        } labels[] = {{"team name", "board", Widget::teamName},
                      {"category title", "board", Widget::categoryTitle},
                      {"question", "question", Widget::questionText},
                      {"answer", "answer", Widget::answerText}};
        for (const auto& label : labels) {
            for (const QSize display : {QSize(1024, 768), QSize(3840, 2160)}) {
                const auto row = [&](const QString& text, const char* what) {
                    QTest::addRow("%s, %s, %dx%d", label.name, what, display.width(),
                                  display.height())
                        << label.screen << label.widget << text << display;
                };
                for (const int length : {1, 14, 40, 120, 300, 1000}) {
                    row(words.repeated(30).left(length),
                        qPrintable(QStringLiteral("%1 letters").arg(length)));
                }
                for (const int length : {30, 300}) {
                    row(QString(length, u'W'),
                        qPrintable(QStringLiteral("a word of %1").arg(length)));
                }
            }
        }
    }
    void textFitsItsBox() {
        QFETCH(QString, screen);
        QFETCH(Widget, widget);
        QFETCH(QString, text);
        QFETCH(QSize, display);
        tk::Window& window = kScreens.value(screen)();
        window.resize(display);
        window.FitTo(display);
        const int index = Laid(window, widget, 0) != nullptr ? 0 : -1;  // the first of an array
        auto* label = qobject_cast<tk::Label*>(Laid(window, widget, index));
        QVERIFY(label != nullptr);
        label->SetCaption(text);
        const QRect box = label->contentsRect();
        // The height of the text wrapped at `points`.
        const auto height = [&](qreal points) {
            QFont font = label->font();
            font.setPointSizeF(points);
            return Wrap(font, text, box.width()).height;
        };
        const qreal size = label->font().pointSizeF();
        const qreal designed =
            layout::Find(window.Look(), widget, index).font.points * window.Scale();
        QVERIFY2(height(size) <= box.height() + 0.5, qPrintable(QString::number(size)));
        QVERIFY2(qAbs(size - designed) < 0.01 || height(size + 0.75) > box.height() + 0.5,
                 qPrintable(QStringLiteral("%1 pt is smaller than needed").arg(size)));
    }

    // The game-over window grows by the board's factor, with all it holds, and stays centred, when
    // the banner brings it over a board grown to fill the display.
    void gameOverScalesWithTheBoard_data() {
        const auto row = Columns<QSize>("display");
        row("1024x768", {1024, 768});    // the board grows across the width
        row("1920x1080", {1920, 1080});  // and down the height
        row("3840x2160", {3840, 2160});
    }
    void gameOverScalesWithTheBoard() {
        QFETCH(QSize, display);
        play::NewGame();
        BoardScreen::Get().resize(display);
        BoardScreen::Get().FitTo(display);
        const double factor = BoardScreen::Get().Scale();
        QVERIFY(factor > 1.3);
        UserClick(BoardScreen::Get().banner);
        GameOverScreen& over = GameOverScreen::Get();
        QCOMPARE(over.size(), QSize(tk::Pixels(8730, factor),
                                    tk::Pixels(layout::kGameOver.window.clientHeight, factor)));
        QCOMPARE(Laid(over, Widget::thanksButton, -1)->geometry(),
                 QRect(tk::Pixels(3120, factor), tk::Pixels(1800, factor), tk::Pixels(2415, factor),
                       tk::Pixels(1575, factor)));
        QCOMPARE(Laid(over, Widget::heading, -1)->font().pointSizeF(), 72 * factor);
        const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect seen(over.mapToGlobal(QPoint(0, 0)), over.size());
        QVERIFY((seen.center() - desktop.center()).manhattanLength() <= 1);
    }

    // A large caption painted again unchanged comes from a kept picture, which must follow changes.
    void captionPicturesFollowEveryChange() {
        BoardScreen::Get().resize(3840, 2160);
        BoardScreen::Get().FitTo({3840, 2160});
        tk::Label& score = BoardScreen::Get().teamScore[0];
        QImage before;
        for (const char* points : {"125", "150"}) {
            score.SetCaption(QString::fromLatin1(points));
            const QImage direct = score.grab().toImage();
            QCOMPARE(score.grab().toImage(), direct);  // the second time from the kept picture
            QVERIFY(std::exchange(before, direct) != direct);
        }
        score.resize(score.size() + QSize(40, 0));  // right-aligned: the digits move with the edge
        const QRect inside = before.rect().adjusted(1, 0, 0, 0);  // all but the left border
        QCOMPARE(score.grab().toImage().copy(inside.translated(40, 0)), before.copy(inside));
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
