#pragma once

#include <QByteArray>
#include <QPaintDevice>
#include <QRectF>
#include <QString>
#include <functional>

class QWidget;

// Files the moderator chooses to keep: where they go, and the printable page.
namespace tk {

// Lays out a page of HTML and paints it into `area` of `device`, scaled down to fit when it is
// longer, so that a whole night stays on one sheet.
void PaintOnePage(const QString& html, QPaintDevice* device, const QRectF& area);
// Writes the page as a PDF of one A4 sheet. Empty when written, else why not, in a few words.
QString WritePdf(const QString& html, const QString& path);
// Writes a file whole or not at all: a failure leaves what was there. Empty, or why not.
QString WriteWhole(const QString& path, const QByteArray& bytes);

// Asks the moderator where to save a file, starting from `suggested`, and hands the chosen path
// on; nothing happens when the moderator cancels. The question waits in a window of its own over
// `owner`: the handler that asks returns at once.
void AskWhereToSave(QWidget* owner, const QString& title, const QString& suggested,
                    const QString& filter, std::function<void(const QString& path)> then);
// Tests answer the question themselves: `answer` gets the suggested path and returns the chosen
// one. An empty function brings the dialog back.
void AnswerWhereToSave(std::function<QString(const QString& suggested)> answer);

}  // namespace tk
