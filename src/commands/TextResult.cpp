#include "TextResult.h"

#include "MainForm.h"
#include "ResultColumn.h"
#include "TextResultFile.h"

namespace quorvan {

namespace {
const QString AnyFileFilter = QStringLiteral("*.*|*.*");
} // namespace

void RunTextResult(MainForm& form)
{
    Platform& platform = form.Environment();
    const auto path = platform.GetSaveFileName(
        AnyFileFilter, form.Localized(QStringLiteral("Vessapo結果.TXT"), QStringLiteral("VessapoResult.TXT")));
    if (!path)
        return;
    const QDateTime now = platform.LocalNow();
    const QByteArray block =
        TextResultBlock(platform.ShortDate(now.date()), platform.LongTime(now.time()), ResultPairs(form));
    AppendTextResult(*path, block);
}

} // namespace quorvan
