#include "window/ProgramIcon.h"

namespace quorvan {

QIcon ProgramIcon()
{
    QIcon icon(QStringLiteral(":/quorvan/quorvan.svg"));
    if (icon.isNull()) { // Qt's SVG icon engine is not installed
        for (const char* picture : {"icon.png", "quorvan-48.png", "quorvan-256.png"})
            icon.addFile(QStringLiteral(":/quorvan/") + QLatin1String(picture));
    }
    return icon;
}

} // namespace quorvan
