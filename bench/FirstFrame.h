#pragma once
// Ends a start-up child once its first frame is on screen. A routine the
// application's constructor runs watches every event; at the first paint it
// queues the end, which runs when that frame is painted and flushed. Under
// callgrind the dump "first-frame" counts exec to that frame.

#include <QCoreApplication>
#include <QEvent>

#include <valgrind/callgrind.h>

namespace bench {

class FirstFrameWatch final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [] {
                    CALLGRIND_DUMP_STATS_AT("first-frame");
                    QCoreApplication::exit(0);
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool painted_ = false;
};

// Call before the application is made.
inline void EndAtFirstFrame()
{
    qAddPreRoutine([] {
        QCoreApplication* application = QCoreApplication::instance();
        application->installEventFilter(new FirstFrameWatch(application));
    });
}

} // namespace bench
