#pragma once
// The winners view: prize → winner in prize order, with buttons to print the
// list and to save it as any result file. Runs beside the window; what its
// buttons do is given by the commands and runs through their boundary.

#include <QDialog>
#include <QList>
#include <QString>

#include <functional>
#include <utility>

class QPushButton;
class QTableWidget;

namespace quorvan {

class CommandBoundary;
class MainWindow;

class WinnersDialog : public QDialog {
    Q_OBJECT
public:
    struct Actions {
        std::function<void()> Print;
        std::function<void()> SaveText;
        std::function<void()> SaveWorkbook;
    };
    // `winners` holds prize and winner pairs, in the order shown.
    WinnersDialog(MainWindow& window, const CommandBoundary& boundary,
                  const QList<std::pair<QString, QString>>& winners, const Actions& actions);

    QTableWidget* table = nullptr;
    QPushButton* printButton = nullptr;
    QPushButton* saveTextButton = nullptr;
    QPushButton* saveWorkbookButton = nullptr;

private:
    Actions actions_;
};

} // namespace quorvan
