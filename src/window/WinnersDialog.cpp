#include "window/WinnersDialog.h"

#include "window/CommandBoundary.h"
#include "window/MainWindow.h"
#include "texts/UserText.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quorvan {

WinnersDialog::WinnersDialog(MainWindow& window, const CommandBoundary& boundary,
                             const QList<std::pair<QString, QString>>& winners, const Actions& actions)
    : QDialog(&window), actions_(actions)
{
    setObjectName(QStringLiteral("WinnersView"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Say(MessageId::WinnersTitle));

    table = new QTableWidget(static_cast<int>(winners.size()), 2, this);
    table->setHorizontalHeaderLabels(
        {Say(MessageId::WinnersPrizeHeading), Say(MessageId::WinnersMemberHeading)});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    for (int row = 0; row < winners.size(); ++row) {
        table->setItem(row, 0, new QTableWidgetItem(winners[row].first));
        table->setItem(row, 1, new QTableWidgetItem(winners[row].second));
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    printButton = buttons->addButton(Say(MessageId::WinnersPrintButton), QDialogButtonBox::ActionRole);
    saveTextButton =
        buttons->addButton(Say(MessageId::WinnersExportTextButton), QDialogButtonBox::ActionRole);
    saveWorkbookButton =
        buttons->addButton(Say(MessageId::WinnersExportWorkbookButton), QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    boundary.Connect(printButton, &QPushButton::clicked, this, [this] { actions_.Print(); });
    boundary.Connect(saveTextButton, &QPushButton::clicked, this, [this] { actions_.SaveText(); });
    boundary.Connect(saveWorkbookButton, &QPushButton::clicked, this, [this] { actions_.SaveWorkbook(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addWidget(buttons);
    resize(520, 480);
}

} // namespace quorvan

#include "moc_WinnersDialog.cpp"
