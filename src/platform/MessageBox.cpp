#include "platform/MessageBox.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace quorvan {

namespace {

QScreen* ScreenOf(QWidget* parent)
{
    return parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
}

QStyle::StandardPixmap PixmapOf(QMessageBox::Icon icon)
{
    switch (icon) {
    case QMessageBox::Critical: return QStyle::SP_MessageBoxCritical;
    case QMessageBox::Warning: return QStyle::SP_MessageBoxWarning;
    case QMessageBox::Question: return QStyle::SP_MessageBoxQuestion;
    default: return QStyle::SP_MessageBoxInformation;
    }
}

// The same words, the icon beside them, in a scrolling area as tall as the screen allows.
void ShowScrolling(QWidget* parent, QMessageBox::Icon icon, const QString& text, int tallest)
{
    QDialog box(parent);
    box.setWindowTitle(QApplication::applicationDisplayName());
    auto* words = new QLabel(text);
    words->setTextFormat(Qt::PlainText);
    words->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    words->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* scroll = new QScrollArea;
    scroll->setWidget(words);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setObjectName(QStringLiteral("MessageScroll"));
    auto* mark = new QLabel;
    const int side = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    mark->setPixmap(box.style()->standardIcon(PixmapOf(icon), nullptr, &box).pixmap(side, side));
    mark->setAlignment(Qt::AlignTop);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addWidget(mark);
    row->addWidget(scroll, 1);
    auto* layout = new QVBoxLayout(&box);
    layout->addLayout(row, 1);
    layout->addWidget(buttons);
    const int wanted = words->sizeHint().width() + scroll->verticalScrollBar()->sizeHint().width() + side + 60;
    box.resize(std::min(wanted, ScreenOf(parent)->availableGeometry().width() * 8 / 10), tallest);
    box.setMaximumHeight(tallest);
    box.exec();
}

} // namespace

void ShowMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    // A name that looks like markup (<Carol>, <a href=...>) stays text, never a link or a picture.
    box.setTextFormat(Qt::PlainText);
    const int tallest = static_cast<int>(ScreenOf(parent)->availableGeometry().height() * ScreenShare);
    if (box.sizeHint().height() <= tallest) {
        box.exec();
        return;
    }
    ShowScrolling(parent, icon, text, tallest);
}

} // namespace quorvan
