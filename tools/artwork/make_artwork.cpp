// Draws Zapster's title pictures (the board banner and the blue and red logos) and, with
// --icons, the desktop icons made from the logo: square PNGs at the usual theme sizes and one
// scalable SVG.
//
// Everything is plain geometry (paths, gradients, polygons) so the artwork needs no fonts and
// comes out the same on every build machine. Usage: make_artwork [--icons] OUTDIR

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numbers>
#include <vector>

namespace {

// ---------------------------------------------------------------------------------------------
// The lettering. Letters are designed on a small grid: baseline at y = 0, y grows downwards,
// lower-case bowls run from y = -5.6 to y = 0 on their centre lines, ascenders reach y = -9.
// Centre lines are stroked kStroke wide to give chunky, rounded letters.

static constexpr double kStroke = 2.2;

QPainterPath Stroke(const QPainterPath& centre, Qt::PenJoinStyle join = Qt::RoundJoin,
                    Qt::PenCapStyle cap = Qt::RoundCap, double width = kStroke) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setJoinStyle(join);
    stroker.setCapStyle(cap);
    stroker.setMiterLimit(8.0);
    return stroker.createStroke(centre).simplified();
}

QPainterPath Line(QPointF from, QPointF to) {
    QPainterPath path(from);
    path.lineTo(to);
    return path;
}

QPainterPath Ring(QPointF centre, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return Stroke(path);
}

// The capital is itself a lightning bolt: sharp mitred corners and a jog half way down.
QPainterPath LetterZ() {
    QPainterPath centre(QPointF(0.2, -9.0));
    centre.lineTo(6.4, -9.0);
    centre.lineTo(3.1, -4.9);
    centre.lineTo(4.9, -4.9);
    centre.lineTo(0.6, 0.0);
    centre.lineTo(6.9, 0.0);
    return Stroke(centre, Qt::MiterJoin, Qt::SquareCap, kStroke * 1.15);
}

QPainterPath LetterA() {
    return Ring({2.2, -2.8}, 2.2, 2.8).united(Stroke(Line({4.4, -5.6}, {4.4, 0.0})));
}

QPainterPath LetterP() {
    return Ring({2.2, -2.8}, 2.2, 2.8).united(Stroke(Line({0.0, -5.6}, {0.0, 3.0})));
}

QPainterPath LetterS() {
    QPainterPath centre(QPointF(3.7, -4.8));
    centre.cubicTo(3.1, -5.9, 0.1, -6.0, 0.2, -4.1);
    centre.cubicTo(0.3, -2.7, 3.9, -3.2, 3.9, -1.3);
    centre.cubicTo(3.9, 0.5, 0.5, 0.4, 0.0, -0.8);
    return Stroke(centre);
}

QPainterPath LetterT() {
    QPainterPath stem(QPointF(1.3, -8.4));
    stem.lineTo(1.3, -1.6);
    stem.quadTo(1.3, 0.1, 3.2, -0.3);
    return Stroke(stem).united(Stroke(Line({0.0, -5.6}, {3.2, -5.6})));
}

QPainterPath LetterE() {
    QPainterPath centre(QPointF(0.0, -2.9));
    centre.lineTo(4.4, -2.9);
    centre.arcTo(QRectF(0.0, -5.6, 4.4, 5.6), 0.0, 300.0);
    return Stroke(centre);
}

QPainterPath LetterR() {
    QPainterPath arm(QPointF(0.0, -2.9));
    arm.cubicTo(0.3, -5.2, 1.9, -5.9, 3.4, -5.3);
    return Stroke(Line({0.0, -5.6}, {0.0, 0.0})).united(Stroke(arm));
}

// A tapered wedge over a round dot: it reads as "!" and echoes the bolt.
QPainterPath LetterBang() {
    QPainterPath wedge;
    wedge.addPolygon(QPolygonF({{0.0, -9.6}, {2.6, -9.6}, {1.8, -2.9}, {0.8, -2.9}}));
    wedge.closeSubpath();
    QPainterPath dot;
    dot.addEllipse(QPointF(1.2, -0.3), 1.3, 1.3);
    return Stroke(wedge, Qt::RoundJoin, Qt::RoundCap, 0.6).united(wedge).united(dot);
}

struct Letter {
    QPainterPath shape;
    double kern;  // extra space before this letter, in grid units
};

// How the word sits: each letter may tip and hop a little for a lively, hand-made feel.
struct Pose {
    double tracking;             // gap between letters, grid units
    double slant;                // forward lean (horizontal shift per unit of height)
    double climb;                // degrees the whole word rises towards its end
    std::array<double, 8> tilt;  // degrees, one per letter
    std::array<double, 8> hop;   // vertical offset, grid units, one per letter
};

QPainterPath Word(const Pose& pose) {
    const std::array<Letter, 8> letters = {{{LetterZ(), 0.0},
                                            {LetterA(), -0.2},
                                            {LetterP(), 0.0},
                                            {LetterS(), 0.0},
                                            {LetterT(), -0.1},
                                            {LetterE(), -0.1},
                                            {LetterR(), 0.0},
                                            {LetterBang(), -0.1}}};
    QPainterPath word;
    word.setFillRule(Qt::WindingFill);
    double x = 0.0;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const QRectF box = letters[i].shape.boundingRect();
        x += letters[i].kern;
        // Tip each letter about its own middle, then set it on the line.
        const QTransform centreOnOrigin =
            QTransform::fromTranslate(-box.left() - box.width() / 2.0, 4.0);
        word.addPath((centreOnOrigin * QTransform().rotate(pose.tilt[i]) *
                      QTransform::fromTranslate(x + box.width() / 2.0, pose.hop[i] - 4.0))
                         .map(letters[i].shape));
        x += box.width() + pose.tracking;
    }
    word = (QTransform().shear(-pose.slant, 0.0) * QTransform().rotate(-pose.climb)).map(word);
    return word.simplified();
}

// Scales the word (with an extra horizontal stretch) to fill the given pixel box.
QPainterPath FitInto(const QPainterPath& word, const QRectF& box, double stretch) {
    const QRectF bounds = word.boundingRect();
    const double scale =
        std::min(box.width() / (bounds.width() * stretch), box.height() / bounds.height());
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.scale(scale * stretch, scale);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    return fit.map(word);
}

// ---------------------------------------------------------------------------------------------
// Painting the lettering: a solid block shadow, two outlines, a gradient face, a bevelled
// upper-left edge and an optional sheen.

struct Look {
    QColor block;       // the extruded shadow
    QPointF blockStep;  // one pixel of extrusion
    int blockDepth;     // pixels of extrusion
    QColor rim;         // outermost outline
    double rimWidth;    // pixels
    QColor edge;        // outline hugging the letters
    double edgeWidth;   // pixels
    QColor faceTop;     // face gradient
    QColor faceBottom;
    QColor shine;  // bevel light along the upper-left edges
    double bevel;  // pixels
    QColor gloss;  // sheen over the upper part of the letters
};

void PaintLettering(QPainter& painter, const QPainterPath& word, const Look& look) {
    const double outer = look.edgeWidth + look.rimWidth;
    const auto solid = [&](const QPainterPath& path, const QColor& colour, double halo) {
        painter.setPen(QPen(colour, 2.0 * halo, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(colour);
        painter.drawPath(path);
    };
    for (int step = look.blockDepth; step >= 1; --step) {
        solid(word.translated(look.blockStep * step), look.block, outer);
    }
    solid(word, look.rim, outer);
    solid(word, look.edge, look.edgeWidth);

    const QRectF bounds = word.boundingRect();
    QLinearGradient face(bounds.topLeft(), bounds.bottomLeft());
    face.setColorAt(0.0, look.faceTop);
    face.setColorAt(1.0, look.faceBottom);
    painter.setPen(Qt::NoPen);
    painter.setBrush(face);
    painter.drawPath(word);

    painter.setBrush(look.shine);
    painter.drawPath(word.subtracted(word.translated(look.bevel, look.bevel)));

    if (look.gloss.alpha() > 0) {
        QPainterPath upper;
        upper.addRect(bounds.adjusted(0, 0, 0, -bounds.height() * 0.52));
        painter.setBrush(look.gloss);
        painter.drawPath(word.intersected(upper));
    }
}

// ---------------------------------------------------------------------------------------------
// Backgrounds and decorations.

// A lightning bolt filling a unit square, tip at the bottom left.
QPolygonF Bolt(const QRectF& box) {
    const std::array<QPointF, 7> unit = {{{0.42, 0.0},
                                          {0.92, 0.0},
                                          {0.60, 0.40},
                                          {0.84, 0.40},
                                          {0.10, 1.0},
                                          {0.36, 0.54},
                                          {0.12, 0.54}}};
    QPolygonF polygon;
    for (const QPointF& point : unit) {
        polygon << QPointF(box.left() + point.x() * box.width(),
                           box.top() + point.y() * box.height());
    }
    return polygon;
}

void PaintBolt(QPainter& painter, const QRectF& box, const QColor& fill, const QColor& outline,
               double outlineWidth) {
    painter.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    painter.setBrush(fill);
    painter.drawPolygon(Bolt(box));
}

// A four-pointed twinkle, the spark flying off the bolt.
QPolygonF Sparkle(QPointF centre, double radius) {
    static constexpr double kWaist = 0.22;
    QPolygonF star;
    for (int i = 0; i < 8; ++i) {
        const double angle = std::numbers::pi * i / 4.0;
        const double reach = (i % 2 == 0) ? radius : radius * kWaist;
        star << centre + reach * QPointF(std::sin(angle), -std::cos(angle));
    }
    return star;
}

void PaintSparkle(QPainter& painter, QPointF centre, double radius, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(Sparkle(centre, radius));
}

// Ray `index` of `rays` fanning out from a point far enough to leave any picture.
QPolygonF Ray(QPointF centre, double reach, int index, int rays) {
    const double from = 2.0 * std::numbers::pi * index / rays;
    const double to = from + std::numbers::pi / rays;
    return QPolygonF({centre, centre + reach * QPointF(std::cos(from), std::sin(from)),
                      centre + reach * QPointF(std::cos(to), std::sin(to))});
}

// Alternating rays fanning out from a point: the loud game-show backdrop.
void PaintSunburst(QPainter& painter, const QRectF& area, QPointF centre, int rays,
                   const QColor& base, const QColor& ray) {
    painter.fillRect(area, base);
    const double reach = std::hypot(area.width(), area.height()) * 2.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(ray);
    for (int i = 0; i < rays; ++i) {
        painter.drawPolygon(Ray(centre, reach, i, rays));
    }
}

// ---------------------------------------------------------------------------------------------
// The three pictures.

QImage NewPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

// The title banner sits on the orange board, so it is a red band with yellow lettering.
QImage Banner() {
    static constexpr int kWidth = 476;
    static constexpr int kHeight = 78;
    QImage image = NewPicture(kWidth, kHeight);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF all(0, 0, kWidth, kHeight);
    painter.fillRect(all, QColor(0xFF, 0x80, 0x00));

    const QRectF band = all.adjusted(1.5, 1.5, -1.5, -1.5);
    QPainterPath bandPath;
    bandPath.addRoundedRect(band, 16, 16);
    painter.save();
    painter.setClipPath(bandPath);
    PaintSunburst(painter, all, all.center(), 28, QColor(0xC0, 0x00, 0x00),
                  QColor(0xA8, 0x00, 0x00));
    painter.restore();
    painter.setPen(QPen(QColor(0xFF, 0xD0, 0x20), 3.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(band.adjusted(4, 4, -4, -4), 12, 12);
    painter.setPen(QPen(QColor(0x50, 0x00, 0x00), 2.0));
    painter.drawRoundedRect(band, 16, 16);

    PaintBolt(painter, QRectF(14, 10, 36, 58), QColor(0xFF, 0xE0, 0x30), QColor(0x40, 0, 0), 2.5);
    PaintBolt(painter, QRectF(kWidth - 50, 10, 36, 58), QColor(0xFF, 0xE0, 0x30),
              QColor(0x40, 0, 0), 2.5);

    const Pose pose{.tracking = 0.9,
                    .slant = 0.22,
                    .climb = 0.0,
                    .tilt = {-4, 3, -3, 4, -3, 3, -4, 6},
                    .hop = {0, -0.3, 0.2, -0.3, 0.2, -0.2, 0.3, 0}};
    const QPainterPath word = FitInto(Word(pose), QRectF(58, 9, kWidth - 116, kHeight - 24), 1.6);
    const Look look{.block = QColor(0x40, 0x00, 0x00),
                    .blockStep = QPointF(0.8, 1.0),
                    .blockDepth = 5,
                    .rim = QColor(0x20, 0x00, 0x00),
                    .rimWidth = 1.5,
                    .edge = QColor(0x20, 0x00, 0x00),
                    .edgeWidth = 2.5,
                    .faceTop = QColor(0xFF, 0xF0, 0x60),
                    .faceBottom = QColor(0xFF, 0x9C, 0x00),
                    .shine = QColor(255, 255, 255, 200),
                    .bevel = 1.4,
                    .gloss = QColor(255, 255, 255, 70)};
    PaintLettering(painter, word, look);
    painter.end();
    return image;
}

struct LogoColours {
    QColor deep;  // outlines and shadow
    QColor base;  // backdrop
    QColor ray;   // sunburst rays
    QColor pale;  // tint of the white lettering
};

// Both logos take the game's own blue and red as their backdrop.
const LogoColours kBlueLogo{.deep = QColor(0x00, 0x00, 0x70),
                            .base = QColor(0x00, 0x00, 0xC0),
                            .ray = QColor(0x10, 0x30, 0xE0),
                            .pale = QColor(0xC8, 0xDC, 0xFF)};
const LogoColours kRedLogo{.deep = QColor(0x70, 0x00, 0x00),
                           .base = QColor(0xC0, 0x00, 0x00),
                           .ray = QColor(0xE0, 0x18, 0x10),
                           .pale = QColor(0xFF, 0xD0, 0xD0)};

// The logos are the same design in two colours: white lettering over a bolt and sunburst.
QImage Logo(const LogoColours& colours) {
    static constexpr int kWidth = 269;
    static constexpr int kHeight = 181;
    QImage image = NewPicture(kWidth, kHeight);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF all(0, 0, kWidth, kHeight);
    PaintSunburst(painter, all, all.center(), 24, colours.base, colours.ray);

    PaintBolt(painter, QRectF(70, 6, 130, kHeight - 12), colours.pale, Qt::white, 4.0);

    painter.setPen(QPen(Qt::white, 6.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(all.adjusted(3, 3, -3, -3));
    painter.setPen(QPen(colours.deep, 2.0));
    painter.drawRect(all.adjusted(7, 7, -7, -7));

    PaintSparkle(painter, {40, 36}, 13, Qt::white);
    PaintSparkle(painter, {62, 22}, 6, Qt::white);
    PaintSparkle(painter, {228, 148}, 12, Qt::white);
    PaintSparkle(painter, {206, 160}, 6, Qt::white);

    // The logo's word climbs a little to the right: it has more height to play with.
    const Pose pose{.tracking = 0.7,
                    .slant = 0.2,
                    .climb = 7.0,
                    .tilt = {-6, 4, -4, 5, -4, 4, -5, 8},
                    .hop = {0, -0.4, 0.3, -0.4, 0.3, -0.3, 0.4, 0}};
    const QPainterPath word = FitInto(Word(pose), QRectF(16, 24, kWidth - 36, kHeight - 54), 1.1);
    const Look look{.block = colours.deep,
                    .blockStep = QPointF(0.7, 1.0),
                    .blockDepth = 6,
                    .rim = Qt::white,
                    .rimWidth = 2.0,
                    .edge = colours.deep,
                    .edgeWidth = 3.0,
                    .faceTop = Qt::white,
                    .faceBottom = colours.pale,
                    .shine = QColor(255, 255, 255, 220),
                    .bevel = 1.2,
                    .gloss = Qt::transparent};
    PaintLettering(painter, word, look);
    painter.end();
    return image;
}

// ---------------------------------------------------------------------------------------------
// The desktop icon: the blue logo boiled down to a square tile (frame, sunburst and sparkles)
// under the bolt-shaped "Z" in the logo's lettering, which stands in for the logo's bolt. It is
// drawn once, as filled shapes in a square of kIconUnits, onto either a raster image or SVG markup,
// so every PNG size and the scalable icon show the same picture.

constexpr double kIconUnits = 256.0;

class IconSurface {
public:
    virtual ~IconSurface() = default;
    virtual void Fill(const QPainterPath& shape, const QColor& colour) = 0;
    virtual void Fill(const QPainterPath& shape, const QLinearGradient& gradient) = 0;
};

class RasterSurface final : public IconSurface {
public:
    explicit RasterSurface(int size) : image_(size, size, QImage::Format_ARGB32_Premultiplied) {
        image_.fill(Qt::transparent);
        painter_.begin(&image_);
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.scale(size / kIconUnits, size / kIconUnits);
    }

    void Fill(const QPainterPath& shape, const QColor& colour) override {
        painter_.fillPath(shape, colour);
    }
    void Fill(const QPainterPath& shape, const QLinearGradient& gradient) override {
        painter_.fillPath(shape, gradient);
    }

    QImage Finish() {
        painter_.end();
        return image_;
    }

private:
    QImage image_;
    QPainter painter_;
};

class SvgSurface final : public IconSurface {
public:
    void Fill(const QPainterPath& shape, const QColor& colour) override {
        AddShape(shape, QStringLiteral("fill=\"%1\"%2")
                            .arg(colour.name(QColor::HexRgb),
                                 Opacity(QStringLiteral("fill-opacity"), colour)));
    }

    void Fill(const QPainterPath& shape, const QLinearGradient& gradient) override {
        const QString id = QStringLiteral("face%1").arg(++gradients_);
        defs_ += QStringLiteral(
                     "<linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" x1=\"%2\" "
                     "y1=\"%3\" x2=\"%4\" y2=\"%5\">\n")
                     .arg(id, Number(gradient.start().x()), Number(gradient.start().y()),
                          Number(gradient.finalStop().x()), Number(gradient.finalStop().y()));
        for (const auto& [offset, colour] : gradient.stops()) {
            defs_ += QStringLiteral("<stop offset=\"%1\" stop-color=\"%2\"%3/>\n")
                         .arg(Number(offset), colour.name(QColor::HexRgb),
                              Opacity(QStringLiteral("stop-opacity"), colour));
        }
        defs_ += QStringLiteral("</linearGradient>\n");
        AddShape(shape, QStringLiteral("fill=\"url(#%1)\"").arg(id));
    }

    QByteArray Finish() const {
        const QString size = Number(kIconUnits);
        QString svg = QStringLiteral(
                          "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                          "viewBox=\"0 0 %1 %1\">\n")
                          .arg(size);
        if (!defs_.isEmpty()) {
            svg += QStringLiteral("<defs>\n") + defs_ + QStringLiteral("</defs>\n");
        }
        svg += shapes_ + QStringLiteral("</svg>\n");
        return svg.toUtf8();
    }

private:
    // Two decimals of a 256-unit square are far finer than any screen shows.
    static QString Number(double value) {
        QString text = QString::number(value, 'f', 2);
        while (text.endsWith(QLatin1Char('0'))) {
            text.chop(1);
        }
        if (text.endsWith(QLatin1Char('.'))) {
            text.chop(1);
        }
        return text == QStringLiteral("-0") ? QStringLiteral("0") : text;
    }

    static QString Opacity(const QString& attribute, const QColor& colour) {
        if (colour.alpha() == 255) {
            return {};
        }
        return QStringLiteral(" %1=\"%2\"").arg(attribute, Number(colour.alphaF()));
    }

    static QString Point(const QPointF& point) {
        return Number(point.x()) + QLatin1Char(' ') + Number(point.y());
    }

    void AddShape(const QPainterPath& shape, const QString& paint) {
        QString data;
        for (int i = 0; i < shape.elementCount(); ++i) {
            const QPainterPath::Element element = shape.elementAt(i);
            if (element.isMoveTo()) {
                data += (i == 0 ? QStringLiteral("M") : QStringLiteral("ZM")) + Point(element);
            } else if (element.isLineTo()) {
                data += QStringLiteral("L") + Point(element);
            } else if (element.isCurveTo()) {
                // A cubic is stored as its first control point followed by two data elements.
                data += QStringLiteral("C") + Point(element) + QLatin1Char(' ') +
                        Point(shape.elementAt(i + 1)) + QLatin1Char(' ') +
                        Point(shape.elementAt(i + 2));
                i += 2;
            }
        }
        if (data.isEmpty()) {
            return;
        }
        const bool winding = shape.fillRule() == Qt::WindingFill;
        shapes_ +=
            QStringLiteral("<path fill-rule=\"%1\" %2 d=\"%3Z\"/>\n")
                .arg(winding ? QStringLiteral("nonzero") : QStringLiteral("evenodd"), paint, data);
    }

    QString defs_;
    QString shapes_;
    int gradients_ = 0;
};

QPainterPath Rounded(const QRectF& box, double radius) {
    QPainterPath path;
    path.addRoundedRect(box, radius, radius);
    return path;
}

QPainterPath Shape(const QPolygonF& polygon) {
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

// The shape widened by `by` on every side, as the logo's outlines widen the lettering.
QPainterPath Grown(const QPainterPath& shape, double by) {
    return shape.united(Stroke(shape, Qt::RoundJoin, Qt::RoundCap, 2.0 * by));
}

void DrawIcon(IconSurface& surface) {
    const LogoColours& colours = kBlueLogo;
    const QRectF tile(8, 8, kIconUnits - 16, kIconUnits - 16);

    // A dark rim keeps the white frame visible on light panels.
    surface.Fill(Rounded(tile, 44), colours.deep);
    surface.Fill(Rounded(tile.adjusted(3, 3, -3, -3), 41), Qt::white);
    const QRectF inside = tile.adjusted(13, 13, -13, -13);
    const QPainterPath field = Rounded(inside, 32);
    surface.Fill(field, colours.base);
    QPainterPath rays;
    rays.setFillRule(Qt::WindingFill);
    static constexpr int kRays = 20;
    for (int i = 0; i < kRays; ++i) {
        rays.addPolygon(Ray(inside.center(), kIconUnits, i, kRays));
        rays.closeSubpath();
    }
    surface.Fill(rays.simplified().intersected(field), colours.ray);
    surface.Fill(field.subtracted(Rounded(inside.adjusted(3, 3, -3, -3), 29)), colours.deep);

    surface.Fill(Shape(Sparkle({64, 66}, 24)), Qt::white);
    surface.Fill(Shape(Sparkle({94, 46}, 10)), Qt::white);
    surface.Fill(Shape(Sparkle({194, 192}, 22)), Qt::white);
    surface.Fill(Shape(Sparkle({166, 208}, 9)), Qt::white);

    // The Z leans and tips like the first letter of the logo's word.
    const QPainterPath z =
        FitInto((QTransform().shear(-0.2, 0.0) * QTransform().rotate(-6.0)).map(LetterZ()),
                QRectF(62, 58, 132, 140), 1.0);
    static constexpr double kRim = 7.0;
    static constexpr double kEdge = 8.0;
    static constexpr int kDepth = 10;
    QPainterPath block;
    for (int step = 1; step <= kDepth; ++step) {
        block = block.united(z.translated(0.7 * step, 1.0 * step));
    }
    surface.Fill(Grown(block, kEdge + kRim), colours.deep);
    surface.Fill(Grown(z, kEdge + kRim), Qt::white);
    surface.Fill(Grown(z, kEdge), colours.deep);
    const QRectF bounds = z.boundingRect();
    QLinearGradient face(bounds.topLeft(), bounds.bottomLeft());
    face.setColorAt(0.0, Qt::white);
    face.setColorAt(1.0, colours.pale);
    surface.Fill(z, face);
    surface.Fill(z.subtracted(z.translated(4.0, 4.0)), QColor(255, 255, 255, 220));
}

bool Save(const QImage& image, const QDir& dir, const QString& name, QImage::Format format) {
    const QString path = dir.filePath(name);
    if (!image.convertToFormat(format).save(path, "PNG")) {
        std::fprintf(stderr, "make_artwork: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool SavePictures(const QDir& dir) {
    const auto save = [&](const QImage& image, const char* name) {
        return Save(image, dir, QString::fromLatin1(name), QImage::Format_RGB888);
    };
    return save(Banner(), "banner.png") && save(Logo(kBlueLogo), "logo-blue.png") &&
           save(Logo(kRedLogo), "logo-red.png");
}

// Writes icon-SIZE.png for every size asked for, and icon.svg.
bool SaveIcons(const QDir& dir, const std::vector<int>& sizes) {
    for (const int size : sizes) {
        RasterSurface raster(size);
        DrawIcon(raster);
        if (!Save(raster.Finish(), dir, QStringLiteral("icon-%1.png").arg(size),
                  QImage::Format_ARGB32)) {
            return false;
        }
    }
    SvgSurface svg;
    DrawIcon(svg);
    QFile file(dir.filePath(QStringLiteral("icon.svg")));
    const QByteArray markup = svg.Finish();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(markup) != markup.size() || !file.flush()) {
        std::fprintf(stderr, "make_artwork: cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const bool icons = argc >= 2 && std::strcmp(argv[1], "--icons") == 0;
    std::vector<int> sizes;
    for (int i = 3; icons && i < argc; ++i) {
        char* end = nullptr;
        const long size = std::strtol(argv[i], &end, 10);
        if (*end != '\0' || size < 1 || size > 1024) {
            sizes.clear();
            break;
        }
        sizes.push_back(static_cast<int>(size));
    }
    if (icons ? sizes.empty() : argc != 2) {
        std::fprintf(stderr,
                     "usage: make_artwork OUTDIR\n       make_artwork --icons OUTDIR SIZE...\n");
        return 2;
    }
    const char* outDir = argv[icons ? 2 : 1];
    const QDir dir(QString::fromLocal8Bit(outDir));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "make_artwork: cannot create %s\n", outDir);
        return 1;
    }
    const bool ok = icons ? SaveIcons(dir, sizes) : SavePictures(dir);
    return ok ? 0 : 1;
}
