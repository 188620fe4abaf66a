// The import preview: the first rows of a list file in a table, the column
// of the entries, whether the first row is a heading, and whether a
// workbook's list reads on past empty cells; the likely answer chosen.

#include "platform/MessageBox.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace quorvan {

namespace {

constexpr int ShownRows = 8;

// The table as large as its rows and columns, so that they show whole, within
// the screen, and no taller.
void FitToContents(QTableWidget& table)
{
    table.resizeColumnsToContents();
    table.resizeRowsToContents();
    const QScreen* screen = table.screen() ? table.screen() : QGuiApplication::primaryScreen();
    const QSize room = screen->availableSize() * ScreenShare;
    const int frame = 2 * table.frameWidth();
    const int wide = frame + table.verticalHeader()->sizeHint().width() + table.horizontalHeader()->length()
                     + table.verticalScrollBar()->sizeHint().width();
    const int tall = frame + table.horizontalHeader()->sizeHint().height() + table.verticalHeader()->length()
                     + table.horizontalScrollBar()->sizeHint().height();
    table.setMinimumSize(std::min(wide, room.width()), std::min(tall, room.height() / 2));
    table.setMaximumHeight(tall);
}

} // namespace

std::optional<ImportChoice> QtPlatform::AskImportChoice(const ImportQuestion& question)
{
    QDialog dialog(QApplication::activeWindow());
    dialog.setObjectName(QStringLiteral("ImportPreview"));
    dialog.setWindowTitle(question.Title);
    auto* why = new QLabel(question.Why);
    why->setTextFormat(Qt::PlainText);
    why->setWordWrap(true);
    why->setAccessibleName(question.Title);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(why);
    auto* choices = new QFormLayout;
    QComboBox* column = nullptr;
    if (!question.FirstRows.isEmpty()) {
        const auto rows = static_cast<int>(std::min<qsizetype>(question.FirstRows.size(), ShownRows));
        auto* table = new QTableWidget(rows, static_cast<int>(question.ColumnNames.size()));
        table->setHorizontalHeaderLabels(question.ColumnNames);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setFocusPolicy(Qt::NoFocus);
        for (int row = 0; row < rows; ++row)
            for (int field = 0; field < question.FirstRows[row].size() && field < table->columnCount(); ++field)
                table->setItem(row, field, new QTableWidgetItem(question.FirstRows[row][field]));
        FitToContents(*table);
        layout->addWidget(table);
        if (question.ColumnNames.size() > 1) {
            column = new QComboBox;
            column->addItems(question.ColumnNames);
            column->setCurrentIndex(question.Likely.Column - 1);
            choices->addRow(question.ColumnLabel, column);
        }
    }
    QCheckBox* heading = nullptr;
    if (!question.HeadingLabel.isEmpty()) {
        heading = new QCheckBox(question.HeadingLabel);
        heading->setChecked(question.Likely.Heading);
        choices->addRow(heading);
    }
    QCheckBox* pastEmpty = nullptr;
    if (!question.PastEmptyLabel.isEmpty()) {
        pastEmpty = new QCheckBox(question.PastEmptyLabel);
        pastEmpty->setChecked(question.Likely.PastEmpty);
        choices->addRow(pastEmpty);
    }
    layout->addLayout(choices);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    buttons->button(QDialogButtonBox::Ok)->setFocus();
    dialog.resize(std::max(dialog.sizeHint().width(), 480), dialog.sizeHint().height());

    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    ImportChoice choice = question.Likely;
    if (column)
        choice.Column = column->currentIndex() + 1;
    if (heading)
        choice.Heading = heading->isChecked();
    if (pastEmpty)
        choice.PastEmpty = pastEmpty->isChecked();
    return choice;
}

} // namespace quorvan
