#include "TextResult.h"

#include "FileError.h"
#include "MainForm.h"
#include "Texts.h"

#include <QFile>
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

// Adds `block` at the end of the file in one write. A write that fails takes
// the file back to the size it had, so no half block stays behind.
void AppendBlock(const QString& path, const QByteArray& block)
{
    const QString doing = QStringLiteral("Cannot write the result file");
    if (QFileInfo(path).isDir())
        throw FileError(doing, path, QStringLiteral("It is a folder, not a file."));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        throw FileError(doing, path, file.errorString());
    const qint64 sizeBefore = file.size();
    const bool written = file.write(block) == block.size() && file.flush();
    if (!written) {
        const QString reason = file.errorString();
        if (!file.isSequential())
            file.resize(sizeBefore);
        throw FileError(doing, path, reason);
    }
    file.close();
    if (file.error() != QFileDevice::NoError)
        throw FileError(doing, path, file.errorString());
}

} // namespace

void RunTextResult(MainForm& form)
{
    const auto path = form.Environment().GetSaveFileName(
        AnyFileFilter, form.Localized(QStringLiteral("Vessapo結果.TXT"), QStringLiteral("VessapoResult.TXT")));
    if (!path)
        return;
    AppendBlock(*path, ResultBlock(form));
}

} // namespace quorvan
