#include "documents/Printing.h"

#include <QApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QWidget>

#include <algorithm>

namespace quorvan {

bool PrintDocument(const QString& title, const QString& html)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    QTextDocument document;
    document.setHtml(html);
    document.print(&printer);
    return true;
}

bool PrintWidget(QWidget* widget)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, widget->window());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    QPainter painter(&printer);
    const QRect page = painter.viewport();
    const double scale = std::min(static_cast<double>(page.width()) / widget->width(),
                                  static_cast<double>(page.height()) / widget->height());
    painter.scale(scale, scale);
    widget->render(&painter);
    return true;
}

} // namespace quorvan
