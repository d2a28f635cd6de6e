#include "toolkit/look.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <cmath>

#include "toolkit/displays.h"
#include "toolkit/textfit.h"
#include "toolkit/widgets.h"
#include "toolkit/window.h"

namespace tk {

QColor Rgb(int rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

QString Translated(std::string_view text) {
    if (text.empty()) {
        return QString();
    }
    // The layout's texts are gathered for translators under the layout's own name.
    const QByteArray english(text.data(), qsizetype(text.size()));
    return QCoreApplication::translate("layout", english.constData());
}

void PlaceRow(QWidget* widget, const layout::Row& row, double factor, QPoint offset) {
    if (row.kind == layout::Kind::Line) {
        auto* line = static_cast<Line*>(widget);
        const QPoint from(Pixels(row.left, factor), Pixels(row.top, factor));
        const QPoint to(Pixels(row.left + row.width, factor), Pixels(row.top + row.height, factor));
        const int width = std::max(1, static_cast<int>(std::lround(row.lineWidth * factor)));
        line->SetLine(from + offset, to + offset, width, Rgb(row.text));
        return;
    }
    widget->setGeometry(QRect(Pixels(row.left, factor), Pixels(row.top, factor),
                              Pixels(row.width, factor), Pixels(row.height, factor))
                            .translated(offset));
    const QFont font = FontOf(row.font, row.style, factor);
    if (row.kind == layout::Kind::Label) {
        static_cast<Label*>(widget)->SetBaseFont(font);
    } else {
        widget->setFont(font);
    }
}

void ApplyRow(QWidget* widget, const layout::Row& row) {
    const QString caption = Translated(row.caption);
    PlaceRow(widget, row, 1.0, QPoint());
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
        case layout::Kind::Line:
        case layout::Kind::TextBox:
        case layout::Kind::FileList:
        case layout::Kind::ListBox:
        case layout::Kind::Picture:
            break;
    }
    if (!row.hint.empty()) {
        widget->setToolTip(Translated(row.hint));
    }
    widget->setEnabled((row.style & layout::kDisabled) == 0);
    widget->setVisible((row.style & layout::kHidden) == 0);
}

void ApplyWindow(Window* target, const layout::Window& window) {
    target->setWindowTitle(Translated(window.title));
    target->SetBackColor(Rgb(window.back));
    const QSize client(Pixels(window.clientWidth), Pixels(window.clientHeight));
    // A window that is not a separate entry in the task bar is a tool window of the game.
    Qt::WindowFlags flags = !window.inTaskBar                                  ? Qt::Tool
                            : window.style == layout::WindowStyle::FixedDialog ? Qt::Dialog
                                                                               : Qt::Window;
    switch (window.style) {
        case layout::WindowStyle::FixedDialog:
            flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                     Qt::MSWindowsFixedSizeDialogHint;
            target->setFixedSize(client);
            break;
        case layout::WindowStyle::Borderless:
            flags |= Qt::FramelessWindowHint;
            target->setFixedSize(client);
            break;
        case layout::WindowStyle::Sizable:
            target->resize(client);
            break;
    }
    target->setWindowFlags(flags);
    PlaceWindow(target, window);
}

void PlaceWindow(QWidget* target, const layout::Window& window) {
    QRect desktop(0, 0, 1024, 768), corner = desktop;
    QScreen* display = DisplayOf(window.audience);
    if (display != nullptr) {
        desktop = display->availableGeometry();
        corner = display->geometry();
        target->setScreen(display);
    }
    if (window.placement == layout::Placement::Centred) {
        target->move(desktop.center() - QPoint(target->width() / 2, target->height() / 2));
    } else if (window.placement == layout::Placement::At) {
        target->move(corner.topLeft() + QPoint(Pixels(window.left), Pixels(window.top)));
    }
}

}  // namespace tk
