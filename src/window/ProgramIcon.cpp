#include "window/ProgramIcon.h"

#include <QGuiApplication>
#include <QVariant>

namespace quorvan {

namespace {

QIcon MakeProgramIcon()
{
    QIcon icon(QStringLiteral(":/quorvan/quorvan.svg"));
    if (icon.isNull()) { // Qt's SVG icon engine is not installed
        for (const char* picture : {"icon.png", "quorvan-48.png", "quorvan-256.png"})
            icon.addFile(QStringLiteral(":/quorvan/") + QLatin1String(picture));
    }
    return icon;
}

} // namespace

QIcon ProgramIcon()
{
    // One icon for the whole program, kept by the application, so that each
    // size is drawn from the picture once and then taken from the icon's cache.
    static const char* const Kept = "quorvanProgramIcon";
    QCoreApplication* application = QGuiApplication::instance();
    const QVariant kept = application->property(Kept);
    if (kept.canConvert<QIcon>())
        return kept.value<QIcon>();
    const QIcon icon = MakeProgramIcon();
    application->setProperty(Kept, icon);
    return icon;
}

} // namespace quorvan
