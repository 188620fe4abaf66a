// The fairness view: how often each hit lands on each member with ladders
// like the ones Build makes, for the window's row count and Cross Lines
// setting. The view runs beside the window; asked for again while it is
// open, it comes to the front.

#include "commands/Commands.h"
#include "window/FairnessDialog.h"
#include "window/MainWindow.h"
#include "window/Spinner.h"

#include <QCheckBox>

namespace quorvan {

void Commands::onFairnessView()
{
    FairnessDialog* view = nullptr;
    for (FairnessDialog* open : window_.findChildren<FairnessDialog*>())
        if (open->isVisible())
            view = open;
    if (!view) {
        view = new FairnessDialog(window_, boundary_, {window_.countSpinner()->position(), window_.crossLinesBox()->isChecked()});
        view->show();
    }
    view->raise();
    view->activateWindow();
}

} // namespace quorvan
