#include "toolkit/widgets.h"

#include <QDir>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "toolkit/program.h"

namespace tk {
namespace {

void SetPaletteColor(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette pal = widget->palette();
    pal.setColor(role, color);
    widget->setPalette(pal);
}

}  // namespace

// ---- Label ----

Label::Label(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ApplyPalette();
}

void Label::SetBackColor(const QColor& color) {
    backColor_ = color;
    ApplyPalette();
}

void Label::SetForeColor(const QColor& color) {
    foreColor_ = color;
    ApplyPalette();
}

void Label::SetAlignment(Align align) {
    align_ = align;
    const Qt::Alignment horizontal = align == Align::Right    ? Qt::AlignRight
                                     : align == Align::Center ? Qt::AlignHCenter
                                                              : Qt::AlignLeft;
    // Text sits at the top of its box whatever its horizontal alignment.
    setAlignment(horizontal | Qt::AlignTop);
}

void Label::SetTransparent(bool transparent) {
    transparent_ = transparent;
    ApplyPalette();
}

void Label::SetBorder(bool border) {
    setFrameStyle(border ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    setLineWidth(1);
}

void Label::ApplyPalette() {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, backColor_);
    pal.setColor(QPalette::Active, QPalette::WindowText, foreColor_);
    pal.setColor(QPalette::Inactive, QPalette::WindowText, foreColor_);
    // A disabled label shows greyed text, as a waiting team's score does.
    pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    setPalette(pal);
    setAutoFillBackground(!transparent_);
}

void Label::Press() {
    if (isEnabled()) {
        HandlerScope scope;
        emit Click();
    }
}

void Label::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) {
        Press();
    }
    QLabel::mouseReleaseEvent(event);
}

void Label::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double-click is not a second click.
    pressed_ = false;
    QLabel::mouseDoubleClickEvent(event);
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

// ---- Picture ----

Picture::Picture(QWidget* parent) : QLabel(parent) {
    setScaledContents(true);
}

void Picture::SetPicture(const QPixmap& pixmap) {
    setPixmap(pixmap);
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
    SetPaletteColor(this, QPalette::Window, color);
    setAutoFillBackground(true);
}

// ---- TextBox ----

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, [this] {
        HandlerScope scope;
        emit Change();
    });
}

// ---- Frame ----

Frame::Frame(QWidget* parent) : QGroupBox(parent) {}

void Frame::SetBackColor(const QColor& color) {
    SetPaletteColor(this, QPalette::Window, color);
    setAutoFillBackground(true);
}

// ---- FileList ----

FileList::FileList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemClicked, this, [this] {
        HandlerScope scope;
        emit Click();
    });
}

void FileList::SetPattern(const QString& pattern) {
    pattern_ = pattern;
    Refresh();
}

void FileList::Refresh() {
    const QString selected = FileName();
    // Files written on any system are listed, "Quiz.ZAP" as well as "quiz.zap".
    QStringList names = QDir::current().entryList(QStringList{pattern_}, QDir::Files);
    // Case-insensitive alphabetical order, ties broken by the exact name so that the order is
    // the same on every run.
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    clear();
    addItems(names);
    if (!selected.isEmpty()) {
        SelectFile(selected);
    }
}

QString FileList::FileName() const {
    const QList<QListWidgetItem*> items = selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

void FileList::SelectFile(const QString& name) {
    const QList<QListWidgetItem*> found = findItems(name, Qt::MatchExactly);
    if (!found.isEmpty()) {
        setCurrentItem(found.first());
        found.first()->setSelected(true);
        scrollToItem(found.first());
    }
}

void FileList::ClearSelection() {
    clearSelection();
    setCurrentItem(nullptr);
}

void FileList::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) {
        HandlerScope scope;
        emit DblClick();
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
