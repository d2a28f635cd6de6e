#include "toolkit/printout.h"

#include <QAbstractTextDocumentLayout>
#include <QFileDialog>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include "toolkit/program.h"

namespace tk {
namespace {

std::function<QString(const QString&)> whereToSave;

// The width the page is laid out at, in the document's pixels: a table of ten columns reads well
// at it, and the page is then scaled to the sheet.
constexpr double kLaidWidth = 1000;

}  // namespace

void PaintOnePage(const QString& html, QPaintDevice* device, const QRectF& area) {
    QTextDocument document;
    document.setHtml(html);
    document.setTextWidth(kLaidWidth);
    const QSizeF laid = document.size();
    const double scale = std::min(area.width() / laid.width(), area.height() / laid.height());
    QPainter painter(device);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(area.topLeft());
    painter.scale(scale, scale);
    document.drawContents(&painter);
}

QString WritePdf(const QString& html, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    {
        QPdfWriter pdf(&file);
        pdf.setTitle(QStringLiteral("Zapster! results"));
        pdf.setCreator(QStringLiteral("Zapster!"));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
        // The painter of a PDF starts at the corner of the margins.
        const QRect sheet = pdf.pageLayout().paintRectPixels(pdf.resolution());
        PaintOnePage(html, &pdf, QRectF(QPointF(0, 0), sheet.size()));
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return QString();
}

QString WriteWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return file.errorString();
    }
    return QString();
}

void AskWhereToSave(QWidget* owner, const QString& title, const QString& suggested,
                    const QString& filter, std::function<void(const QString& path)> then) {
    if (whereToSave) {
        const QString path = whereToSave(suggested);
        if (!path.isEmpty()) {
            then(path);
        }
        return;
    }
    auto* dialog = new QFileDialog(owner, title, suggested, filter);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog, [then](const QString& path) {
        HandlerScope scope;
        then(path);
    });
    dialog->open();
}

void AnswerWhereToSave(std::function<QString(const QString& suggested)> answer) {
    whereToSave = std::move(answer);
}

}  // namespace tk
