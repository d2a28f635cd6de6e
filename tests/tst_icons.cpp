#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

#include <cmath>

// The desktop icons drawn at build time: every PNG size and the SVG must show the same
// picture (the logo's tile with its "Z"), with see-through corners so it sits on any panel.

static const QDir kIconDir(QStringLiteral(ZAPSTER_ICON_DIR));

static QImage loadIcon(int size) {
    return QImage(kIconDir.filePath(QStringLiteral("icon-%1.png").arg(size)))
        .convertToFormat(QImage::Format_ARGB32);
}

// Mean difference per channel, 0..255, of two images of one size.
static double meanDifference(const QImage& a, const QImage& b) {
    double total = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                     std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return total / (4.0 * a.width() * a.height());
}

// Paints the icon's SVG with QPainter. The markup is our own generator's: paths of M, L, C and
// Z commands, filled with a colour or a user-space linear gradient, so that little is enough.
static QImage paintSvg(const QByteArray& markup, int size, QString* error) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QHash<QString, QLinearGradient> gradients;
    QString gradientId;
    QXmlStreamReader xml(markup);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const QXmlStreamAttributes a = xml.attributes();
        const auto number = [&](const char* name) { return a.value(name).toDouble(); };
        if (xml.name() == u"svg") {
            const QStringList box = a.value("viewBox").toString().split(' ');
            if (xml.namespaceUri() != u"http://www.w3.org/2000/svg" || box.size() != 4) {
                xml.raiseError(QStringLiteral("not an SVG root with a viewBox"));
                break;
            }
            painter.scale(size / box[2].toDouble(), size / box[3].toDouble());
        } else if (xml.name() == u"linearGradient") {
            gradientId = a.value("id").toString();
            gradients[gradientId] =
                QLinearGradient(number("x1"), number("y1"), number("x2"), number("y2"));
        } else if (xml.name() == u"stop") {
            QColor colour(a.value("stop-color").toString());
            colour.setAlphaF(a.hasAttribute("stop-opacity") ? number("stop-opacity") : 1.0);
            gradients[gradientId].setColorAt(number("offset"), colour);
        } else if (xml.name() == u"path") {
            QPainterPath path;
            path.setFillRule(a.value("fill-rule") == u"nonzero" ? Qt::WindingFill
                                                                : Qt::OddEvenFill);
            static const QRegularExpression command(QStringLiteral("([MLCZ])([^MLCZ]*)"));
            for (const auto& match : command.globalMatch(a.value("d").toString())) {
                QList<double> v;
                for (const QString& word : match.captured(2).split(' ', Qt::SkipEmptyParts)) {
                    v << word.toDouble();
                }
                const QChar op = match.captured(1).at(0);
                const qsizetype wanted = op == 'C' ? 6 : op == 'Z' ? 0 : 2;
                if (v.size() != wanted) {
                    xml.raiseError(QStringLiteral("bad path command ") + match.captured(0));
                    break;
                }
                if (op == 'M') {
                    path.moveTo(v[0], v[1]);
                } else if (op == 'L') {
                    path.lineTo(v[0], v[1]);
                } else if (op == 'C') {
                    path.cubicTo(v[0], v[1], v[2], v[3], v[4], v[5]);
                } else {
                    path.closeSubpath();
                }
            }
            const QString fill = a.value("fill").toString();
            if (fill.startsWith(QStringLiteral("url(#"))) {
                const QString id = fill.mid(5).chopped(1);
                if (!gradients.contains(id)) {
                    xml.raiseError(QStringLiteral("undefined gradient ") + id);
                    break;
                }
                painter.fillPath(path, gradients[id]);
            } else {
                QColor colour(fill);
                colour.setAlphaF(a.hasAttribute("fill-opacity") ? number("fill-opacity") : 1.0);
                painter.fillPath(path, colour);
            }
        }
    }
    *error = xml.errorString();
    return image;
}

class IconsTest : public QObject {
    Q_OBJECT

private slots:
    void png_data() {
        QTest::addColumn<int>("size");
        for (const QString& size : QStringLiteral(ZAPSTER_ICON_SIZES).split(',')) {
            QTest::newRow(qPrintable(size)) << size.toInt();
        }
    }

    void png() {
        QFETCH(int, size);
        const QImage icon = loadIcon(size);
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.size(), QSize(size, size));

        // The tile's rounded corners leave the image's corners clear.
        const int last = size - 1;
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)}) {
            QCOMPARE(qAlpha(icon.pixel(corner)), 0);
        }

        // Inside the frame the tile is solid: blue sunburst, with the white "Z" across it.
        qint64 red = 0;
        qint64 blue = 0;
        int light = 0;
        int pixels = 0;
        for (int y = size / 4; y < size * 3 / 4; ++y) {
            for (int x = size / 4; x < size * 3 / 4; ++x) {
                const QRgb p = icon.pixel(x, y);
                QCOMPARE(qAlpha(p), 255);
                red += qRed(p);
                blue += qBlue(p);
                light += (qRed(p) > 180 && qGreen(p) > 180 && qBlue(p) > 180) ? 1 : 0;
                ++pixels;
            }
        }
        QVERIFY2(blue > red * 5 / 4, qPrintable(QStringLiteral("%1 %2").arg(red).arg(blue)));
        QVERIFY2(light > pixels * 3 / 10 && light < pixels * 4 / 5,
                 qPrintable(QString::number(light)));
    }

    // Every size is the large icon scaled down, not a shifted, cropped or mirrored drawing. A
    // one-pixel shift or a mirror image differs by over 30; the smallest sizes differ by some
    // anyway, because there the thin outlines blend into their neighbours.
    void sizesShowOnePicture() {
        const QImage large = loadIcon(256);
        for (const QString& text : QStringLiteral(ZAPSTER_ICON_SIZES).split(',')) {
            const int size = text.toInt();
            const double limit = size <= 16 ? 25.0 : size <= 32 ? 10.0 : 4.0;
            const QImage scaled =
                large.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            const double difference = meanDifference(loadIcon(size), scaled);
            QVERIFY2(difference < limit,
                     qPrintable(QStringLiteral("%1 px: %2").arg(size).arg(difference)));
        }
    }

    // The scalable icon is the same shapes as the PNGs, written out as SVG paths.
    void svgMatchesPng() {
        QFile file(kIconDir.filePath(QStringLiteral("icon.svg")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QString error;
        const QImage painted = paintSvg(file.readAll(), 256, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const double difference = meanDifference(painted, loadIcon(256));
        QVERIFY2(difference < 1.0, qPrintable(QString::number(difference)));
    }
};

QTEST_MAIN(IconsTest)
#include "tst_icons.moc"
