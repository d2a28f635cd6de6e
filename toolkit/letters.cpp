#include "toolkit/letters.h"

#include <QFontInfo>
#include <QGlyphRun>
#include <QHash>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <vector>

namespace tk {
namespace {

// Below this size a caption certainly goes to Qt's cache, and is drawn as it always was without
// first being laid out here.
constexpr qreal kCertainlyCached = kLargestCachedGlyph - 8;
// Faces (a family at one size) whose outlines are kept. A game shows its fixed captions in a
// handful and each question at the size that fits it; the least recently used face goes first.
constexpr std::size_t kKeptFaces = 12;

// Where QPainter::drawText put one run of text: its baseline's start, in the painter's
// coordinates, and its font.
struct PlacedRun {
    QPointF baseline;
    QString text;
    QFont font;
};

// A paint engine that paints nothing: it notes where drawText places each run of text, so that
// line breaking, alignment and spacing are Qt's own to the fraction of a pixel.
class RunCatcher final : public QPaintEngine {
public:
    RunCatcher() : QPaintEngine(AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}

    void updateState(const QPaintEngineState& state) override {
        // drawText clips to its box only when the text does not fit in it.
        if ((state.state() & (DirtyClipPath | DirtyClipRegion | DirtyClipEnabled)) != 0) {
            clipped = state.isClipEnabled();
        }
    }

    void drawTextItem(const QPointF& at, const QTextItem& item) override {
        // Right-to-left runs are left to Qt whole.
        unusual = unusual || (item.renderFlags() & QTextItem::RightToLeft) != 0;
        runs.push_back({at, item.text(), item.font()});
    }

    std::vector<PlacedRun> runs;
    bool clipped = false;
    bool unusual = false;
};

// Stands in for the real paint device with its size and dots per inch, so that a font given in
// points comes out at the same pixel size.
class RunCatcherDevice final : public QPaintDevice {
public:
    explicit RunCatcherDevice(const QPaintDevice& like) : like_(like) {}

    QPaintEngine* paintEngine() const override { return &engine_; }
    RunCatcher& Engine() { return engine_; }

protected:
    int metric(PaintDeviceMetric which) const override {
        switch (which) {
            case PdmWidth:
                return like_.width();
            case PdmHeight:
                return like_.height();
            case PdmWidthMM:
                return like_.widthMM();
            case PdmHeightMM:
                return like_.heightMM();
            case PdmNumColors:
                return like_.colorCount();
            case PdmDepth:
                return like_.depth();
            case PdmDpiX:
                return like_.logicalDpiX();
            case PdmDpiY:
                return like_.logicalDpiY();
            case PdmPhysicalDpiX:
                return like_.physicalDpiX();
            case PdmPhysicalDpiY:
                return like_.physicalDpiY();
            case PdmDevicePixelRatio:
                return static_cast<int>(like_.devicePixelRatio());
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(like_.devicePixelRatioF() * devicePixelRatioFScale());
            default:
                return QPaintDevice::metric(which);
        }
    }

private:
    const QPaintDevice& like_;
    mutable RunCatcher engine_;
};

// The outlines of letters already drawn, by face. Painting happens on the GUI thread only.
class KeptFaces {
public:
    // The outline of `glyph`, fetched from the font the first time.
    QPainterPath Outline(const QRawFont& font, quint32 glyph) {
        auto face = std::find_if(faces_.begin(), faces_.end(),
                                 [&](const Face& kept) { return kept.font == font; });
        if (face == faces_.end()) {
            if (faces_.size() == kKeptFaces) {
                faces_.erase(faces_.begin());
            }
            faces_.push_back({font, {}});
            face = faces_.end() - 1;
        } else if (face != faces_.end() - 1) {
            std::rotate(face, face + 1, faces_.end());
            face = faces_.end() - 1;
        }
        auto found = face->outlines.constFind(glyph);
        if (found == face->outlines.constEnd()) {
            QPainterPath outline = font.pathForGlyph(glyph);
            // A letter built of overlapping parts (a C and its cedilla) is filled whole, as Qt
            // fills text: the overlap is not a hole.
            outline.setFillRule(Qt::WindingFill);
            found = face->outlines.insert(glyph, outline);
        }
        return *found;
    }

    int Count() const {
        int count = 0;
        for (const Face& face : faces_) {
            count += face.outlines.size();
        }
        return count;
    }

private:
    struct Face {
        QRawFont font;
        QHash<quint32, QPainterPath> outlines;
    };
    std::vector<Face> faces_;  // the most recently used last
};

KeptFaces& Kept() {
    static KeptFaces kept;
    return kept;
}

struct PlacedLetter {
    QPainterPath outline;
    QPointF origin;
};

// The letters of `text` as drawText would place them, or nothing where Qt must draw it itself:
// letters Qt takes from its own cache, decorations, right-to-left runs, faces without outlines.
std::vector<PlacedLetter> PlaceLetters(const QPainter& painter, const QRectF& box,
                                       const QString& text, const QFont& font,
                                       const QTextOption& option, bool& clipped) {
    QPaintDevice& device = *painter.device();
    RunCatcherDevice catcher(device);
    {
        QPainter placing(&catcher);
        placing.setFont(font);
        placing.drawText(box, text, option);
    }
    const RunCatcher& caught = catcher.Engine();
    if (caught.unusual) {
        return {};
    }
    clipped = caught.clipped;
    const qreal scale = std::abs(painter.deviceTransform().determinant());
    std::vector<PlacedLetter> letters;
    for (const PlacedRun& run : caught.runs) {
        QTextLayout layout(run.text, run.font, &device);
        QTextOption oneLine;
        oneLine.setWrapMode(QTextOption::NoWrap);
        layout.setTextOption(oneLine);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(1e7);
        layout.endLayout();
        const qreal ascent = line.ascent();
        for (const QGlyphRun& glyphs : layout.glyphRuns()) {
            const QRawFont face = glyphs.rawFont();
            if (face.pixelSize() * face.pixelSize() * scale <=
                qreal(kLargestCachedGlyph * kLargestCachedGlyph)) {
                return {};
            }
            const QList<quint32> indexes = glyphs.glyphIndexes();
            const QList<QPointF> positions = glyphs.positions();
            for (qsizetype i = 0; i < indexes.size(); ++i) {
                QPainterPath outline = Kept().Outline(face, indexes[i]);
                if (outline.isEmpty() && !face.boundingRect(indexes[i]).isEmpty()) {
                    return {};  // a picture font (colour emoji): Qt draws it from its bitmap
                }
                letters.push_back(
                    {std::move(outline), run.baseline + positions[i] - QPointF(0, ascent)});
            }
        }
    }
    return letters;
}

}  // namespace

void DrawLetters(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                 const QColor& color, const QTextOption& option) {
    const qreal scale = std::sqrt(std::abs(painter.deviceTransform().determinant()));
    const bool plain = !font.underline() && !font.overline() && !font.strikeOut() &&
                       painter.testRenderHint(QPainter::TextAntialiasing) &&
                       (font.styleStrategy() & QFont::NoAntialias) == 0;
    bool clipped = false;
    std::vector<PlacedLetter> letters;
    if (plain && QFontInfo(font).pixelSize() * scale >= kCertainlyCached) {
        letters = PlaceLetters(painter, box, text, font, option, clipped);
    }
    painter.save();
    if (letters.empty()) {
        painter.setPen(color);
        painter.setFont(font);
        painter.drawText(box, text, option);
        painter.restore();
        return;
    }
    if (clipped) {
        painter.setClipRect(box, Qt::IntersectClip);
    }
    // Filled as Qt fills letters it draws from outlines: antialiased, in the pen's colour.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    const QTransform base = painter.transform();
    for (const PlacedLetter& letter : letters) {
        painter.setTransform(QTransform::fromTranslate(letter.origin.x(), letter.origin.y()) *
                             base);
        painter.drawPath(letter.outline);
    }
    painter.restore();
}

int KeptOutlines() {
    return Kept().Count();
}

}  // namespace tk
