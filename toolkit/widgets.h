#pragma once

#include <QColor>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTextOption>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tk {

enum class Align { Left, Right, Center };

// A caption painted a second time unchanged is kept as a picture until its text, font, colour,
// box or options change; identical captions share their picture. Letters grown to a projector's
// size are filled as outlines on every paint, which made a whole repaint of a 4K question screen
// (every blink of a Zapster announcement) cost over 10 ms.
class TextPicture {
public:
    void Draw(QPainter& painter, const QRect& box, const QString& text, const QFont& font,
              const QColor& color, const QTextOption& option);
    // Keeps the caption painted once as a picture now, as its second paint would: done while the
    // room looks at the screen, so that the next paint (the board shown again) only copies it.
    void Keep();

    struct Kept {
        QPixmap pixmap;
        QPoint offset;  // where the inked part starts in the box
    };

private:
    // The shared picture of the caption whose key is key_, made if no caption holds it.
    std::shared_ptr<const Kept> Make(const QRect& box, const QString& text, const QFont& font,
                                     const QColor& color, const QTextOption& option, qreal ratio);

    std::shared_ptr<const Kept> kept_;
    QString key_;  // of the caption last painted
    // What the caption last painted and not yet kept was drawn with, for Keep.
    struct Painted {
        QRect box;
        QString text;
        QFont font;
        QColor color;
        QTextOption option;
        qreal ratio = 1;
    };
    std::optional<Painted> painted_;
};

// Keeps every large caption of `screen` painted once as a picture (see TextPicture::Keep).
void KeepCaptionPictures(QWidget& screen);

// Widgets show plain text only: a team name such as "<b>x</b>" or a question such as "a < b" is
// shown as typed, never read as markup, and runs of spaces are kept.

// A label: caption, colours, alignment, and a click that a disabled label does not take. Its text
// wraps at word boundaries and sits at the top of its box; trailing blanks count, so "Zapster!  "
// right-aligned ends two blanks' width from the edge.
class Label : public QFrame {
    Q_OBJECT

public:
    explicit Label(QWidget* parent);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    QColor BackColor() const { return backColor_; }
    void SetBackColor(const QColor& color);
    QColor ForeColor() const { return foreColor_; }
    void SetForeColor(const QColor& color);
    Align Alignment() const { return align_; }
    void SetAlignment(Align align);
    void SetTransparent(bool transparent);
    bool Transparent() const { return transparent_; }
    void SetBorder(bool border);

    // The font of the layout. With shrink-to-fit on, a text too long for the box at this font is
    // drawn at the largest size that fits, so that no word is lost in front of the room.
    void SetBaseFont(const QFont& font);
    void SetShrinkToFit(bool shrink);

    // What a user's click does: nothing while the label is disabled.
    void Press();

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void Refit();

    friend void KeepCaptionPictures(QWidget& screen);
    TextPicture text_;
    QString caption_;
    QColor backColor_{Qt::white};
    QColor foreColor_{Qt::black};
    Align align_ = Align::Left;
    bool transparent_ = false;
    bool shrink_ = false;
    bool pressed_ = false;
    QFont baseFont_;
};

// A push button with a flat colour face and black text.
class Button : public QPushButton {
    Q_OBJECT

public:
    explicit Button(QWidget* parent);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    void SetBackColor(const QColor& color);
    QColor BackColor() const { return backColor_; }

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    friend void KeepCaptionPictures(QWidget& screen);
    TextPicture text_;
    QString caption_;
    QColor backColor_;
};

// A picture stretched to its box, clickable. Only the stretched copy is kept: the picture itself
// is read again from where it comes from whenever the box changes size, which on a maximised
// screen is once.
class Picture : public QLabel {
    Q_OBJECT

public:
    using Source = QPixmap (*)();

    explicit Picture(QWidget* parent);
    void SetPicture(Source source);
    Source PictureSource() const { return source_; }
    void Press();

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Source source_ = nullptr;
    QPixmap shown_;
};

// One element of an option group. Selecting it in code has the same effect as a user's click,
// its click handler included, even when it is already selected.
class Option : public QRadioButton {
    Q_OBJECT

public:
    explicit Option(QWidget* parent);
    void Select();
    void SetBackColor(const QColor& color);

signals:
    void Click();
};

// A one-line text box; Change follows every edit, typed or set in code.
class TextBox : public QLineEdit {
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent);
    QString Text() const { return text(); }
    void SetText(const QString& text) { setText(text); }
    // Takes only a whole number from `lowest` to `highest`, a sign first.
    void SetNumbersOnly(int lowest, int highest);

signals:
    void Change();
};

// A captioned frame that groups other widgets.
class Frame : public QGroupBox {
    Q_OBJECT

public:
    explicit Frame(QWidget* parent);
    void SetBackColor(const QColor& color);
};

// The names of the files of the working directory that match a pattern, one selectable.
class FileList : public QListWidget {
    Q_OBJECT

public:
    explicit FileList(QWidget* parent);
    void SetPattern(const QString& pattern);  // lists the matching files anew
    // A first row, in a look of its own, that stands for no file: clicking it clears the choice.
    void SetPlaceholder(const QString& text);
    void Refresh();
    // The selected file name without directory; empty when nothing is selected.
    QString FileName() const;
    void SelectFile(const QString& name);  // what a user's click on that name does
    void ClearSelection();
    // Marks the list, in `mark`, as holding a file that cannot be used, with the reason as its
    // tip; an empty reason clears the mark.
    void SetProblem(const QString& reason, const QColor& mark);

signals:
    void Click();
    void DoubleClick();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitRows();

    QString pattern_;
    QString placeholderText_;
    QListWidgetItem* placeholder_ = nullptr;
};

// Lines of text, one of which can be chosen. Set again, the lines keep the one chosen, and a
// list that grows shows its newest line.
class ListBox : public QListWidget {
    Q_OBJECT

public:
    explicit ListBox(QWidget* parent);
    void SetLines(const QStringList& lines);
    int Chosen() const;     // -1 when none is
    void Choose(int line);  // what a user's click on that line does

signals:
    void Click();
};

// A command of a screen's menu: its text, its key, whether it can be chosen now, what it does.
struct MenuEntry {
    QString text;  // empty: not offered
    QString key;
    bool enabled = true;
    std::function<void()> act;
};
// Opens a menu of commands at a point of the screen, the way a right-click does; it closes by
// itself, and with `owner`.
void PopUpMenu(QWidget* owner, QPoint at, const std::vector<MenuEntry>& entries);

// A straight line from one point to another, drawn in a colour and width.
class Line : public QWidget {
    Q_OBJECT

public:
    explicit Line(QWidget* parent);
    void SetLine(QPoint from, QPoint to, int width, const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint from_, to_;
    int width_ = 1;
    QColor color_;
};

// A widget array of a screen, addressed by index 0..N-1.
template <class W, int N>
class Array {
public:
    explicit Array(QWidget* parent) {
        for (auto& item : items_) {
            item.emplace(parent);
        }
    }
    W& operator[](int index) { return *items_[Position(index)]; }
    const W& operator[](int index) const { return *items_[Position(index)]; }
    static constexpr int size() { return N; }

private:
    // An index outside the array is a programming error: the program stops loudly, in every build
    // type, rather than reach a widget that is not there.
    static std::size_t Position(int index) {
        if (index < 0 || index >= N) {
            qFatal("Zapster: widget array index %d outside 0..%d", index, N - 1);
        }
        return static_cast<std::size_t>(index);
    }

    std::array<std::optional<W>, N> items_;
};

}  // namespace tk
