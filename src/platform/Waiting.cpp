// Long work off the window's thread: the windows keep drawing themselves
// while it runs, take no input meanwhile, and offer Cancel after a moment.

#include "platform/QtPlatform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QLabel>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>

#include <exception>
#include <thread>

namespace quorvan {

namespace {

// How long work runs before the waiting box shows.
constexpr int QuietMilliseconds = 500;

// Holds the user's input back from every window but the waiting box, and
// turns a window's closing into a request to stop; the window closes once
// the work has ended.
class InputHold : public QObject {
public:
    InputHold(QWidget* box, std::stop_source& stop) : box_(box), stop_(stop) { qApp->installEventFilter(this); }
    ~InputHold() override
    {
        qApp->removeEventFilter(this);
        if (closing_)
            QTimer::singleShot(0, closing_.data(), &QWidget::close);
    }

protected:
    bool eventFilter(QObject* target, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(target);
        if (!widget || widget == box_ || box_->isAncestorOf(widget))
            return false;
        switch (event->type()) {
        case QEvent::Close:
            if (widget->isWindow()) {
                closing_ = widget;
                stop_.request_stop();
                event->ignore();
                return true;
            }
            return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TabletPress: return true;
        default: return false;
        }
    }

private:
    QWidget* box_;
    std::stop_source& stop_;
    QPointer<QWidget> closing_;
};

} // namespace

void QtPlatform::RunWhileWaiting(const QString& doing, const std::function<void(std::stop_token)>& work)
{
    std::stop_source stop;
    QProgressDialog box(QString(), QProgressDialog::tr("Cancel"), 0, 0, QApplication::activeWindow());
    // The file's name as it is, never read as markup.
    auto* label = new QLabel(doing);
    label->setTextFormat(Qt::PlainText);
    box.setLabel(label);
    box.setWindowModality(Qt::ApplicationModal);
    box.setMinimumDuration(INT_MAX); // shown by the timer below, not by progress
    box.setAutoReset(false);
    box.setAutoClose(false);
    box.reset();
    box.hide();
    QObject::connect(&box, &QProgressDialog::canceled, [&stop] { stop.request_stop(); });
    const QMetaObject::Connection quitting =
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&stop] { stop.request_stop(); });
    QTimer showing;
    showing.setSingleShot(true);
    QObject::connect(&showing, &QTimer::timeout, &box, [&box] { box.show(); });
    showing.start(QuietMilliseconds);
    const InputHold hold(&box, stop);

    QEventLoop waiting;
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            work(stop.get_token());
        } catch (...) {
            failure = std::current_exception();
        }
        QMetaObject::invokeMethod(&waiting, &QEventLoop::quit, Qt::QueuedConnection);
    });
    waiting.exec();
    worker.join();
    QObject::disconnect(quitting);
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace quorvan
