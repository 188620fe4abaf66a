// Text: appends a block of the hit/member pairs under a time stamp to a file
// the user chooses, leaving what the file held untouched.

#include "Commands.h"

namespace quorvan {

namespace {
const QString AnyFileFilter = QStringLiteral("*.*|*.*");
} // namespace

void Commands::onSaveText()
{
    Platform& platform = window_.platform();
    const auto path = platform.GetSaveFileName(
        AnyFileFilter, window_.localized(QStringLiteral("Vessapo結果.TXT"), QStringLiteral("VessapoResult.TXT")));
    if (!path)
        return;
    const QDateTime now = platform.LocalNow();
    AppendTextResult(*path, TextResultBlock(platform.ShortDate(now.date()), platform.LongTime(now.time()), resultPairs()));
}

} // namespace quorvan
