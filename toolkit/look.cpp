#include "toolkit/look.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

#include "toolkit/form.h"
#include "toolkit/widgets.h"

namespace tk {

int Pixels(int twips, double factor) {
    return static_cast<int>(std::lround(twips * factor * 96.0 / 1440.0));
}

QColor Rgb(int rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

QFont FontOf(const layout::Font& font, unsigned style, double factor) {
    QFont f = font.family.empty()
                  ? QFont()
                  : QFont(QString::fromUtf8(font.family.data(), font.family.size()));
    if (font.points > 0) {
        f.setPointSizeF(font.points * factor);
    }
    f.setBold((style & layout::kBold) != 0);
    f.setUnderline((style & layout::kUnderline) != 0);
    return f;
}

void ApplyRow(QWidget* widget, const layout::Row& row, double factor) {
    const QString caption = QString::fromUtf8(row.caption.data(), row.caption.size());
    const QRect box(Pixels(row.left, factor), Pixels(row.top, factor), Pixels(row.width, factor),
                    Pixels(row.height, factor));
    if (row.kind != layout::Kind::Line) {
        widget->setGeometry(box);
        widget->setFont(FontOf(row.font, row.style, factor));
    }
    switch (row.kind) {
        case layout::Kind::Label: {
            auto* label = static_cast<Label*>(widget);
            label->SetCaption(caption);
            label->SetTransparent((row.style & layout::kTransparent) != 0);
            if (row.back != layout::kNoColor) {
                label->SetBackColor(Rgb(row.back));
            }
            label->SetForeColor(row.text == layout::kNoColor ? QColor(Qt::black) : Rgb(row.text));
            label->SetAlignment((row.style & layout::kCentred) ? Align::Center
                                : (row.style & layout::kRight) ? Align::Right
                                                               : Align::Left);
            label->SetBorder((row.style & layout::kBorder) != 0);
            break;
        }
        case layout::Kind::Button: {
            auto* button = static_cast<Button*>(widget);
            button->SetCaption(caption);
            if (row.back != layout::kNoColor) {
                button->SetBackColor(Rgb(row.back));
            }
            break;
        }
        case layout::Kind::Line: {
            auto* line = static_cast<Line*>(widget);
            const QPoint from(Pixels(row.left, factor), Pixels(row.top, factor));
            const QPoint to(Pixels(row.left + row.width, factor),
                            Pixels(row.top + row.height, factor));
            line->SetLine(from, to,
                          std::max(1, static_cast<int>(std::lround(row.lineWidth * factor))),
                          Rgb(row.text));
            break;
        }
        case layout::Kind::Frame: {
            auto* frame = static_cast<Frame*>(widget);
            frame->setTitle(caption);
            if (row.back != layout::kNoColor) {
                frame->SetBackColor(Rgb(row.back));
            }
            break;
        }
        case layout::Kind::Option: {
            auto* option = static_cast<Option*>(widget);
            option->setText(caption);
            if (row.back != layout::kNoColor) {
                option->SetBackColor(Rgb(row.back));
            }
            break;
        }
        case layout::Kind::TextBox:
        case layout::Kind::FileList:
        case layout::Kind::Picture:
            break;
    }
    if (!row.hint.empty()) {
        widget->setToolTip(QString::fromUtf8(row.hint.data(), row.hint.size()));
    }
    widget->setEnabled((row.style & layout::kDisabled) == 0);
    widget->setVisible((row.style & layout::kHidden) == 0);
}

void ApplyWindow(Form* form, const layout::Window& window) {
    form->setWindowTitle(QString::fromUtf8(window.title.data(), window.title.size()));
    form->SetBackColor(Rgb(window.back));
    const QSize client(Pixels(window.clientWidth), Pixels(window.clientHeight));
    // A window that is not a separate entry in the task bar is a tool window of the game.
    Qt::WindowFlags flags = !window.inTaskBar                                  ? Qt::Tool
                            : window.style == layout::WindowStyle::FixedDialog ? Qt::Dialog
                                                                               : Qt::Window;
    switch (window.style) {
        case layout::WindowStyle::FixedDialog:
            flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                     Qt::MSWindowsFixedSizeDialogHint;
            form->setFixedSize(client);
            break;
        case layout::WindowStyle::Borderless:
            flags |= Qt::FramelessWindowHint;
            form->setFixedSize(client);
            break;
        case layout::WindowStyle::Sizable:
            form->resize(client);
            break;
    }
    form->setWindowFlags(flags);
    QRect screen(0, 0, 1024, 768);
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        screen = primary->availableGeometry();
    }
    if (window.placement == layout::Placement::Centred) {
        form->move(screen.center() - QPoint(client.width() / 2, client.height() / 2));
    } else if (window.placement == layout::Placement::At) {
        form->move(Pixels(window.left), Pixels(window.top));
    }
}

}  // namespace tk
