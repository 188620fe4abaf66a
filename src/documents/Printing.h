#pragma once
// Printing a document through the desktop's print dialog.

#include <QString>

class QWidget;

namespace quorvan {

// Prints `html` under `title` through the print dialog, over the active
// window; false when the dialog is cancelled.
bool PrintDocument(const QString& title, const QString& html);

// Prints `widget` as it is shown, scaled to fit the page, through the print
// dialog over its window; false when the dialog is cancelled.
bool PrintWidget(QWidget* widget);

} // namespace quorvan
