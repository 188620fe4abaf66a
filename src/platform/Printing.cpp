// Printing a document through the desktop's print dialog.

#include "platform/QtPlatform.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace quorvan {

bool QtPlatform::PrintDocument(const QString& title, const QString& html)
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

} // namespace quorvan
