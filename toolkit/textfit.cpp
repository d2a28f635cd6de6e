#include "toolkit/textfit.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QTextLayout>
#include <cmath>

namespace tk {
namespace {

// Far below what the back of the room can read, but a text is never cut off: a teacher sees at
// once that it is too long.
constexpr qreal kSmallestFit = 1.0;  // points

}  // namespace

int Pixels(int twips, double factor) {
    return static_cast<int>(std::lround(twips * factor * 96.0 / 1440.0));
}

bool TextFits(const QFont& font, const QString& text, QSize box) {
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    QTextLayout layout(text, font);
    layout.setTextOption(option);
    layout.beginLayout();
    const QFontMetricsF metrics(font);
    qreal height = 0;
    while (true) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) {
            break;
        }
        line.setLineWidth(box.width());
        // The blank a line breaks at hangs past the edge unseen: only the letters must fit, and
        // they are wider than the box only where one letter alone is.
        const QString letters = text.mid(line.textStart(), line.textLength()).trimmed();
        if (metrics.horizontalAdvance(letters) > box.width() + 0.5) {
            layout.endLayout();
            return false;
        }
        height += line.height();
    }
    layout.endLayout();
    return height <= box.height() + 0.5;
}

qreal FittedPointSize(const QFont& font, const QString& text, QSize box) {
    if (TextFits(font, text, box)) {
        return font.pointSizeF();
    }
    qreal low = kSmallestFit, high = font.pointSizeF();
    QFont trial = font;
    while (high - low > 0.25) {
        const qreal mid = (low + high) / 2;
        trial.setPointSizeF(mid);
        (TextFits(trial, text, box) ? low : high) = mid;
    }
    return low;
}

QFont FontOf(const layout::Font& font, unsigned style, double factor) {
    QFont f;
    int weight = 0;
    if (!font.family.empty()) {
        const QString face = QString::fromUtf8(font.family.data(), font.family.size());
        QStringList families{face};
        for (const layout::FontSubstitute& sub : layout::FontSubstitutes()) {
            if (sub.face == font.family) {
                families << QString::fromUtf8(sub.family.data(), sub.family.size());
                weight = sub.weight;
            }
        }
        f.setFamilies(families);
    }
    if (font.points > 0) {
        f.setPointSizeF(font.points * factor);
    }
    f.setBold((style & layout::kBold) != 0);
    // A stand-in gets the weight its face has by itself (Arial Black is black, not just bold).
    if (weight != 0 && QFontInfo(f).family() != f.families().first()) {
        f.setWeight(QFont::Weight(weight));
    }
    f.setUnderline((style & layout::kUnderline) != 0);
    return f;
}

}  // namespace tk
