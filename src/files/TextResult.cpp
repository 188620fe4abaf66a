#include "TextResult.h"

#include "FileSaving.h"
#include "MainForm.h"
#include "SaveTexts.h"
#include "Texts.h"

#include <QFileInfo>


namespace quorvan {

namespace {

const QString AnyFileFilter = QStringLiteral("*.*|*.*");
const QString LineEnd = QStringLiteral("\r\n");

QByteArray ResultBlock(MainForm& form)
{
    Platform& platform = form.Environment();
    const QDateTime now = platform.LocalNow();
    QString block = QStringLiteral("*===== %1 %2 =====*").arg(platform.ShortDate(now.date()),
                                                            platform.LongTime(now.time()))
                    + LineEnd + QStringLiteral("[HIT]\t[MEMBER]") + LineEnd;
    const int32_t rows = form.UpDown1->Position();
    for (int32_t row = 1; row <= rows; ++row)
        block += form.EditBoxNamed(texts::HitBoxName(row)).text() + QLatin1Char('\t')
                 + form.EditBoxNamed(texts::ResultBoxName(row)).text() + LineEnd;
    return block.toUtf8();
}

} // namespace

void RunTextResult(MainForm& form)
{
    const auto choice = form.Environment().GetSaveFileName(
        AnyFileFilter, form.TextResultFolder,
        form.Localized(QStringLiteral("Vessapo結果.TXT"), QStringLiteral("VessapoResult.TXT")));
    if (!choice)
        return;
    form.TextResultFolder = QFileInfo(choice->Path).absolutePath();
    AppendToFile(choice->Path, ResultBlock(form), save_texts::CannotWriteTextResult);
}

} // namespace quorvan
