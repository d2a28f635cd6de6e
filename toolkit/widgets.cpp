#include "toolkit/widgets.h"

#include <QDir>
#include <QHash>
#include <QImage>
#include <QIntValidator>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyledItemDelegate>
#include <QTextLayout>
#include <algorithm>

#include "toolkit/letters.h"
#include "toolkit/program.h"
#include "toolkit/textfit.h"

namespace tk {
namespace {

void SetPaletteColor(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette pal = widget->palette();
    pal.setColor(role, color);
    widget->setPalette(pal);
}

}  // namespace

// ---- Label ----

namespace {

constexpr QColor kGreyText{0x80, 0x80, 0x80};

// A label that shrinks its text to fit also breaks a word longer than a line (a team name typed
// without spaces, a long web address) rather than cut it off at the edge.
QTextOption LabelText(Align align, bool breakWords) {
    const Qt::Alignment horizontal = align == Align::Right    ? Qt::AlignRight
                                     : align == Align::Center ? Qt::AlignHCenter
                                                              : Qt::AlignLeft;
    QTextOption option(horizontal | Qt::AlignTop);
    option.setWrapMode(breakWords ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                  : QTextOption::WordWrap);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    return option;
}

}  // namespace

Label::Label(QWidget* parent) : QFrame(parent) {
    baseFont_ = font();
}

// The screens draw the whole game after every click; a caption or colour that stays
// as it was costs no repaint.
void Label::SetCaption(const QString& caption) {
    if (caption == caption_) {
        return;
    }
    caption_ = caption;
    Refit();
    update();
}

void Label::SetBackColor(const QColor& color) {
    if (color == backColor_) {
        return;
    }
    backColor_ = color;
    update();
}

void Label::SetForeColor(const QColor& color) {
    if (color == foreColor_) {
        return;
    }
    foreColor_ = color;
    update();
}

void Label::SetAlignment(Align align) {
    align_ = align;
    Refit();
    update();
}

void Label::SetTransparent(bool transparent) {
    transparent_ = transparent;
    update();
}

void Label::SetBorder(bool border) {
    setFrameStyle(border ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    setLineWidth(1);
}

void Label::SetBaseFont(const QFont& font) {
    baseFont_ = font;
    setFont(font);
    Refit();
}

void Label::SetShrinkToFit(bool shrink) {
    shrink_ = shrink;
    Refit();
}

void Label::Refit() {
    if (!shrink_) {
        return;
    }
    const QRect box = contentsRect();
    if (caption_.isEmpty() || box.isEmpty()) {
        setFont(baseFont_);
        return;
    }
    QFont fitted = baseFont_;
    fitted.setPointSizeF(FittedPointSize(baseFont_, caption_, box.size()));
    setFont(fitted);
}

void Label::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // A label in the colour of the screen beneath it has nothing to fill: on a 4K display the
    // question box alone is five million pixels written again in the same colour.
    const QWidget* under = parentWidget();
    const bool sameAsUnder = under != nullptr && under->autoFillBackground() &&
                             backColor_.alpha() == 255 &&
                             under->palette().color(under->backgroundRole()) == backColor_;
    if (!transparent_ && !sameAsUnder) {
        painter.fillRect(rect(), backColor_);
    }
    painter.setPen(isEnabled() ? foreColor_ : kGreyText);
    painter.setFont(font());
    text_.Draw(painter, contentsRect(), caption_, font(), painter.pen().color(),
               LabelText(align_, shrink_));
    painter.end();
    QFrame::paintEvent(event);  // the border
}

void Label::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    Refit();
}

void Label::Press() {
    if (isEnabled()) {
        HandlerScope scope;
        emit Click();
    }
}

void Label::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QFrame::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) {
        Press();
    }
    QFrame::mouseReleaseEvent(event);
}

void Label::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double-click is not a second click.
    pressed_ = false;
    QFrame::mouseDoubleClickEvent(event);
}

// ---- TextPicture ----

namespace {

// Everything that decides a caption's pixels.
QString PictureKey(QSize box, const QString& text, const QFont& font, const QColor& color,
                   const QTextOption& option, qreal ratio) {
    return QStringLiteral("%1|%2x%3|%4|%5|%6|%7|%8|")
               .arg(font.key())
               .arg(box.width())
               .arg(box.height())
               .arg(color.rgba())
               .arg(ratio)
               .arg(int(option.alignment()))
               .arg(int(option.wrapMode()))
               .arg(int(option.flags())) +
           text;
}

// The pictures alive, by their keys. Identical captions share one: the board shows each value
// five times over, one per column.
QHash<QString, std::weak_ptr<const TextPicture::Kept>>& KeptPictures() {
    static QHash<QString, std::weak_ptr<const TextPicture::Kept>> kept;
    return kept;
}

}  // namespace

std::shared_ptr<const TextPicture::Kept> TextPicture::Make(const QRect& box, const QString& text,
                                                           const QFont& font, const QColor& color,
                                                           const QTextOption& option, qreal ratio) {
    auto& all = KeptPictures();
    if (auto found = all.value(key_).lock()) {
        return found;
    }
    // Only the inked part is kept: blending a mostly empty picture the size of a 4K question box
    // would cost as much as drawing the letters.
    const QRectF whole(QPointF(0, 0), QSizeF(box.size()));
    QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter measure(&probe);
    measure.setFont(font);
    const QRect inked = measure.boundingRect(whole, text, option)
                            .toAlignedRect()
                            .adjusted(-2, -2, 2, 2)
                            .intersected(whole.toRect());
    measure.end();
    auto made = std::make_shared<Kept>();
    made->offset = inked.topLeft();
    made->pixmap = QPixmap(inked.size().expandedTo(QSize(1, 1)) * ratio);
    made->pixmap.setDevicePixelRatio(ratio);
    made->pixmap.fill(Qt::transparent);
    QPainter picture(&made->pixmap);
    picture.translate(-made->offset);
    DrawLetters(picture, whole, text, font, color, option);
    picture.end();
    all.removeIf([](const auto& entry) { return entry.value().expired(); });
    all.insert(key_, made);
    return made;
}

void TextPicture::Draw(QPainter& painter, const QRect& box, const QString& text, const QFont& font,
                       const QColor& color, const QTextOption& option) {
    if (text.isEmpty() || box.isEmpty()) {
        return;
    }
    const qreal ratio = painter.device()->devicePixelRatioF();
    // Qt keeps drawn letters of up to 64 pixels itself; only larger ones are worth a picture.
    if (QFontInfo(font).pixelSize() * ratio <= kLargestCachedGlyph) {
        kept_.reset();
        key_.clear();
        painted_.reset();
        DrawLetters(painter, QRectF(box), text, font, color, option);
        return;
    }
    QString key = PictureKey(box.size(), text, font, color, option, ratio);
    if (key != key_) {
        // A new caption is drawn as it is: most captions of this size (a question, its answer)
        // are painted once and then replaced, and their picture would only take memory. One
        // painted again unchanged (a blinking announcement, the board's values) gets its picture.
        kept_.reset();
        key_ = std::move(key);
        painted_ = Painted{box, text, font, color, option, ratio};
        DrawLetters(painter, QRectF(box), text, font, color, option);
        return;
    }
    if (kept_ == nullptr) {
        kept_ = Make(box, text, font, color, option, ratio);
        painted_.reset();
    }
    painter.drawPixmap(box.topLeft() + kept_->offset, kept_->pixmap);
}

void TextPicture::Keep() {
    if (painted_ && kept_ == nullptr) {
        const Painted& p = *painted_;
        kept_ = Make(p.box, p.text, p.font, p.color, p.option, p.ratio);
    }
    painted_.reset();
}

void KeepCaptionPictures(QWidget& screen) {
    for (Label* label : screen.findChildren<Label*>()) {
        label->text_.Keep();
    }
    for (Button* button : screen.findChildren<Button*>()) {
        button->text_.Keep();
    }
}

// ---- Button ----

Button::Button(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QPushButton::clicked, this, [this] {
        HandlerScope scope;
        emit Click();
    });
}

void Button::SetCaption(const QString& caption) {
    caption_ = caption;
    // A button would read "&" as a keyboard shortcut marker; the caption is shown as written.
    QString shown = caption;
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    setText(shown);
}

void Button::SetBackColor(const QColor& color) {
    backColor_ = color;
    QPalette pal = palette();
    pal.setColor(QPalette::Button, color);
    pal.setColor(QPalette::ButtonText, Qt::black);
    setPalette(pal);
}

void Button::paintEvent(QPaintEvent* event) {
    if (!backColor_.isValid()) {
        QPushButton::paintEvent(event);
        return;
    }
    // A flat face in the button's colour with a thin raised edge, sunken while pressed, and the
    // caption in black (grey when disabled), wrapped to the face like the game's big buttons.
    QPainter painter(this);
    const QRect face = rect();
    painter.fillRect(face, backColor_);
    const bool down = isDown();
    const QColor light = down ? QColor(0x40, 0x40, 0x40) : QColor(0xFF, 0xFF, 0xFF);
    const QColor dark = down ? QColor(0xFF, 0xFF, 0xFF) : QColor(0x40, 0x40, 0x40);
    painter.setPen(light);
    painter.drawLine(face.topLeft(), face.topRight());
    painter.drawLine(face.topLeft(), face.bottomLeft());
    painter.setPen(dark);
    painter.drawLine(face.bottomLeft(), face.bottomRight());
    painter.drawLine(face.topRight(), face.bottomRight());
    painter.setPen(isEnabled() ? QColor(Qt::black) : QColor(0x80, 0x80, 0x80));
    painter.setFont(font());
    const QRect text = face.adjusted(3, 3, -3, -3).translated(down ? 1 : 0, down ? 1 : 0);
    QTextOption centred(Qt::AlignCenter);
    centred.setWrapMode(QTextOption::WordWrap);
    text_.Draw(painter, text, caption_, font(), painter.pen().color(), centred);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = face.adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

// ---- Picture ----

Picture::Picture(QWidget* parent) : QLabel(parent) {}

void Picture::SetPicture(Source source) {
    source_ = source;
    shown_ = QPixmap();
    update();
}

void Picture::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    const QRect box = contentsRect();
    if (source_ == nullptr || box.isEmpty()) {
        return;
    }
    const qreal ratio = devicePixelRatioF();
    const QSize wanted = box.size() * ratio;
    if (shown_.size() != wanted) {
        QImage picture = source_().toImage();
        if (picture.size() != wanted) {
            picture = picture.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        shown_ = QPixmap::fromImage(std::move(picture));
        shown_.setDevicePixelRatio(ratio);
    }
    QPainter painter(this);
    painter.drawPixmap(box.topLeft(), shown_);
}

void Picture::Press() {
    if (isEnabled()) {
        HandlerScope scope;
        emit Click();
    }
}

void Picture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Press();
    }
    QLabel::mouseReleaseEvent(event);
}

// ---- Menu ----

void PopUpMenu(QWidget* owner, QPoint at, const std::vector<MenuEntry>& entries) {
    auto* menu = new QMenu(owner);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const MenuEntry& entry : entries) {
        if (entry.text.isEmpty()) {
            continue;
        }
        QAction* action = menu->addAction(entry.text + u'\t' + entry.key);
        action->setEnabled(entry.enabled);
        QObject::connect(action, &QAction::triggered, owner, [act = entry.act] {
            HandlerScope scope;
            act();
        });
    }
    menu->popup(at);
}

// ---- Option ----

Option::Option(QWidget* parent) : QRadioButton(parent) {
    connect(this, &QRadioButton::clicked, this, [this] {
        HandlerScope scope;
        emit Click();
    });
}

void Option::Select() {
    setChecked(true);
    HandlerScope scope;
    emit Click();
}

void Option::SetBackColor(const QColor& color) {
    // A radio button fills its box with the button colour, not the window colour.
    SetPaletteColor(this, backgroundRole(), color);
    setAutoFillBackground(true);
}

// ---- TextBox ----

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, [this] {
        HandlerScope scope;
        emit Change();
    });
}

void TextBox::SetNumbersOnly(int lowest, int highest) {
    setValidator(new QIntValidator(lowest, highest, this));
}

// ---- ListBox ----

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(true);
    connect(this, &QListWidget::itemClicked, this, [this] {
        HandlerScope scope;
        emit Click();
    });
}

void ListBox::SetLines(const QStringList& lines) {
    const int chosen = Chosen();
    const bool grew = lines.size() > count();
    for (int line = 0; line < lines.size(); ++line) {
        if (line < count()) {
            item(line)->setText(lines[line]);
        } else {
            addItem(lines[line]);
        }
    }
    while (count() > lines.size()) {
        delete takeItem(count() - 1);
    }
    if (chosen >= count()) {
        clearSelection();
    }
    if (grew && count() > 0) {
        scrollToItem(item(count() - 1));
    }
}

int ListBox::Chosen() const {
    const QList<QListWidgetItem*> chosen = selectedItems();
    return chosen.isEmpty() ? -1 : row(chosen.first());
}

void ListBox::Choose(int line) {
    if (line < 0 || line >= count()) {
        return;
    }
    setCurrentRow(line);
    item(line)->setSelected(true);
    scrollToItem(item(line));
    HandlerScope scope;
    emit Click();
}

// ---- Frame ----

Frame::Frame(QWidget* parent) : QGroupBox(parent) {}

void Frame::SetBackColor(const QColor& color) {
    SetPaletteColor(this, QPalette::Window, color);
    setAutoFillBackground(true);
}

// ---- FileList ----

namespace {

// Draws a row's name without the extension every listed file shares, at the largest size, down
// to a small one, at which it fits the row's width.
class FittingName : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (const qsizetype dot = option->text.lastIndexOf(u'.'); dot > 0) {
            option->text.truncate(dot);
        }
        static constexpr qreal kSmallest = 6.0;     // points
        const int room = option->rect.width() - 8;  // the style's margins on both sides
        QFont font = option->font;
        while (font.pointSizeF() > kSmallest &&
               QFontMetricsF(font).horizontalAdvance(option->text) > room) {
            font.setPointSizeF(std::max(kSmallest, font.pointSizeF() - 0.5));
        }
        option->font = font;
    }
};

}  // namespace

FileList::FileList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    // One row high: the names scroll up and down, never sideways.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setUniformItemSizes(true);
    setFrameShape(QFrame::NoFrame);
    // A name too long for the row is drawn smaller, whole, and cut at its end only when it would
    // be too small to read.
    setTextElideMode(Qt::ElideRight);
    setItemDelegate(new FittingName(this));
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* clicked) {
        if (clicked == placeholder_) {
            ClearSelection();
        }
        HandlerScope scope;
        emit Click();
    });
}

void FileList::SetPlaceholder(const QString& text) {
    placeholderText_ = text;
    Refresh();
}

namespace {

// Whether a file name matches a pattern of '*' (any run of characters), '?' (any one character)
// and plain characters, letters in either case. The file lists match their names here rather than
// hand the pattern to QDir, which compiles a regular expression for it: the setup screen's
// fifteen lists would load the regular expression engine for "*.zap" alone.
bool MatchesPattern(QStringView name, QStringView pattern) {
    qsizetype n = 0;
    qsizetype p = 0;
    qsizetype star = -1;  // the latest '*' of the pattern, and where in the name it began
    qsizetype starFrom = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            star = p++;
            starFrom = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == u'?' || pattern[p].toCaseFolded() == name[n].toCaseFolded())) {
            ++p;
            ++n;
        } else if (star >= 0) {
            // The latest '*' takes one more character, and the rest is matched again after it.
            p = star + 1;
            n = ++starFrom;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*') {
        ++p;
    }
    return p == pattern.size();
}

}  // namespace

void FileList::SetPattern(const QString& pattern) {
    pattern_ = pattern;
    Refresh();
}

void FileList::Refresh() {
    const QString selected = FileName();
    // Files written on any system are listed, "Quiz.ZAP" as well as "quiz.zap".
    QStringList names = QDir::current().entryList(QDir::Files);
    names.removeIf([this](const QString& name) { return !MatchesPattern(name, pattern_); });
    // Case-insensitive alphabetical order, ties broken by the exact name so that the order is
    // the same on every run.
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    clear();
    placeholder_ = nullptr;
    if (!placeholderText_.isEmpty()) {
        // First, in its own look: what the slot holds while no file is chosen.
        placeholder_ = new QListWidgetItem(placeholderText_, this);
        placeholder_->setFlags(Qt::ItemIsEnabled);
        QFont italic = font();
        italic.setItalic(true);
        placeholder_->setFont(italic);
        placeholder_->setForeground(QColor(0x60, 0x60, 0x60));
    }
    addItems(names);
    FitRows();
    if (!selected.isEmpty()) {
        SelectFile(selected);
    }
}

// Each name fills the one-row box exactly, so that the next one does not peek in below it.
void FileList::FitRows() {
    const int rowHeight = std::max(1, viewport()->height());
    for (int row = 0; row < count(); ++row) {
        item(row)->setSizeHint(QSize(0, rowHeight));
        item(row)->setToolTip(item(row)->text());
    }
}

void FileList::resizeEvent(QResizeEvent* event) {
    QListWidget::resizeEvent(event);
    FitRows();
}

QString FileList::FileName() const {
    const QList<QListWidgetItem*> items = selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

void FileList::SelectFile(const QString& name) {
    const QList<QListWidgetItem*> found = findItems(name, Qt::MatchExactly);
    if (!found.isEmpty() && found.first() == placeholder_) {
        ClearSelection();
    } else if (!found.isEmpty()) {
        setCurrentItem(found.first());
        found.first()->setSelected(true);
        scrollToItem(found.first());
    }
}

void FileList::ClearSelection() {
    clearSelection();
    setCurrentItem(nullptr);
    scrollToTop();
}

void FileList::SetProblem(const QString& reason, const QColor& mark) {
    setToolTip(reason);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, reason.isEmpty() ? QPalette().color(QPalette::Base) : mark);
    setPalette(colours);
}

void FileList::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) {
        HandlerScope scope;
        emit DoubleClick();
    }
}

// ---- Line ----

Line::Line(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::SetLine(QPoint from, QPoint to, int width, const QColor& color) {
    from_ = from;
    to_ = to;
    width_ = width;
    color_ = color;
    const QRect box = QRect(from, to).normalized().adjusted(0, 0, width, width);
    setGeometry(box);
    update();
}

void Line::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen pen(color_);
    pen.setWidth(width_);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    const QPoint offset = geometry().topLeft();
    const QPoint half(0, width_ / 2);
    painter.drawLine(from_ - offset + half, to_ - offset + half);
}

}  // namespace tk
