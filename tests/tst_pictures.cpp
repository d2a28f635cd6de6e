#include <QImage>
#include <QPixmap>
#include <QSet>
#include <QSize>
#include <QTest>

#include "layout/pictures.h"

// The title pictures must be compiled into the game at their exact sizes, be fully opaque
// (they are stretched over coloured screens) and actually carry the artwork in its colours.
class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void picture_data() {
        QTest::addColumn<QPixmap>("picture");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("mostlyBlue");
        QTest::newRow("banner") << layout::Banner() << QSize(476, 78) << false;
        QTest::newRow("blue logo") << layout::LogoBlue() << QSize(269, 181) << true;
        QTest::newRow("red logo") << layout::LogoRed() << QSize(269, 181) << false;
    }

    void picture() {
        QFETCH(QPixmap, picture);
        QFETCH(QSize, size);
        QFETCH(bool, mostlyBlue);
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.size(), size);
        QVERIFY(!picture.hasAlphaChannel());

        const QImage image = picture.toImage().convertToFormat(QImage::Format_RGB32);
        QSet<QRgb> colours;
        qint64 red = 0;
        qint64 blue = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                colours.insert(pixel);
                red += qRed(pixel);
                blue += qBlue(pixel);
            }
        }
        // Anti-aliased lettering over a backdrop gives hundreds of shades; a blank or
        // flat-filled picture gives a handful.
        QVERIFY2(colours.size() > 100, qPrintable(QString::number(colours.size())));
        QCOMPARE(blue > red, mostlyBlue);
    }
};

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
