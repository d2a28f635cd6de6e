#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTest>

#include <cmath>
#include <span>

static const QDir kIconDir(QStringLiteral(ZAPSTER_ICON_DIR));  // the icons drawn at build time

class IconsTest : public QObject {
    Q_OBJECT

private slots:
    void icon_data() {
        QTest::addColumn<int>("size");
        for (const QString& size : QStringLiteral(ZAPSTER_ICON_SIZES).split(',')) {
            QTest::newRow(qPrintable(size)) << size.toInt();
        }
    }
    void icon() {
        QFETCH(int, size);
        const QImage icon = QImage(kIconDir.filePath(QStringLiteral("icon-%1.png").arg(size)))
                                .convertToFormat(QImage::Format_ARGB32);
        const QRect r = icon.rect();  // the tile's rounded corners leave the image's corners clear
        for (const QPoint corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
            QCOMPARE(qAlpha(icon.pixel(corner)), 0);
        }
        // Inside the frame the tile is solid: blue sunburst, with the white "Z" across it.
        const QImage inside = icon.copy(size / 4, size / 4, size / 2, size / 2);
        const qint64 pixels = inside.sizeInBytes() / 4;
        qint64 red = 0, blue = 0, light = 0;
        for (const QRgb p : std::span(reinterpret_cast<const QRgb*>(inside.constBits()), pixels)) {
            QCOMPARE(qAlpha(p), 255);
            red += qRed(p);
            blue += qBlue(p);
            light += qRed(p) > 180 && qGreen(p) > 180 && qBlue(p) > 180;
        }
        QVERIFY2(blue > red * 5 / 4, qPrintable(QStringLiteral("%1 %2").arg(red).arg(blue)));
        QVERIFY2(light > pixels * 3 / 10 && light < pixels * 4 / 5,
                 qPrintable(QString::number(light)));
        // The SVG as desktops draw it is this picture (a pixel's shift: 6 off at 256, 20 at 16).
        QProcess rsvg;
        rsvg.start(QStringLiteral("rsvg-convert"),
                   {QStringLiteral("--width=%1").arg(size), QStringLiteral("--height=%1").arg(size),
                    kIconDir.filePath(QStringLiteral("icon.svg"))});
        QVERIFY2(rsvg.waitForFinished(60000) && rsvg.exitCode() == 0,
                 qPrintable(rsvg.errorString() + rsvg.readAllStandardError()));
        const QImage drawn =
            QImage::fromData(rsvg.readAllStandardOutput()).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(icon.size(), drawn.size());  // both size x size
        double difference = 0;                // mean per channel, 0..255
        for (qsizetype i = 0; i < icon.sizeInBytes(); ++i) {
            difference += std::abs(drawn.constBits()[i] - icon.constBits()[i]);
        }
        QCOMPARE_LT(difference / icon.sizeInBytes(), size <= 16 ? 15.0 : size <= 32 ? 5.0 : 2.0);
    }
};

QTEST_MAIN(IconsTest)
#include "tst_icons.moc"
