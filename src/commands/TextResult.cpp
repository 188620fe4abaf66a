// Text: appends a block of the hit/member pairs under a time stamp to a file
// the user chooses, leaving what the file held untouched.

#include "commands/Commands.h"
#include "files/FileSaving.h"
#include "platform/Platform.h"
#include "texts/Words.h"
#include "window/MainWindow.h"

#include <QFileInfo>

namespace quorvan {

namespace {
const QString AnyFileFilter = QStringLiteral("*.*|*.*");
} // namespace

void Commands::onSaveText()
{
    Platform& platform = window_.platform();
    const auto choice = platform.ChooseFileToSave(
        AnyFileFilter, lottery_.Model.TextResultFolder,
        window_.localized(QStringLiteral("Vessapo結果.TXT"), QStringLiteral("VessapoResult.TXT")));
    if (!choice)
        return;
    lottery_.Model.TextResultFolder = QFileInfo(choice->Path).absolutePath();
    const QDateTime now = platform.LocalNow();
    // Added to an older file in the encoding its text is in, so that one reading reads it all.
    const QByteArray block = TextResultBlock(platform.ShortDate(now.date()), platform.LongTime(now.time()),
                                             resultPairs(),
                                             TextResultEncoding(choice->Path, platform.TextEncodingLocale()));
    AppendToFile(choice->Path, block, Say(MessageId::CannotWriteTextResult));
    lottery_.Model.ResultsSaved = true;
}

} // namespace quorvan
