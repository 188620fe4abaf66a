// What the member and hit list imports share: the open dialog, reading the
// file chosen in it, and the import preview when the file looks read wrongly.

#include "commands/Commands.h"
#include "files/FileError.h"
#include "files/RegularFile.h"
#include "lists/ListReader.h"
#include "platform/Platform.h"
#include "texts/UserText.h"
#include "window/MainWindow.h"

#include <QFileInfo>
#include <QUrl>

#include <algorithm>
#include <functional>

namespace quorvan {

namespace {

const QString ListFilter =
    QStringLiteral("*.txt;*.csv;*.xls;*.xlsx;*.ods|*.txt;*.csv;*.xls;*.xlsx;*.ods|*.*|*.*");

// The choice made for a file is kept under its name, so the next import of
// the file (this week's roster, saved over last week's) reads it the same way.
QString ChoiceSetting(const QString& path)
{
    return QStringLiteral("ImportChoices/") + QString::fromLatin1(QUrl::toPercentEncoding(QFileInfo(path).fileName()));
}

// "A", "B" ... "Z", "AA" ...: the columns as spreadsheets name them.
QString ColumnName(int32_t column)
{
    QString name;
    for (; column > 0; column = (column - 1) / 26)
        name.prepend(QChar(u'A' + (column - 1) % 26));
    return name;
}

} // namespace

std::optional<QString> Commands::chooseListFile()
{
    auto chosen = window_.platform().ChooseFileToOpen(ListFilter, lottery_.Model.LastListFile);
    if (chosen)
        lottery_.Model.LastListFile = *chosen;
    return chosen;
}

std::optional<ListRead> Commands::readList(const QString& path, int32_t keep)
{
    Platform& platform = window_.platform();
    const QString reader = platform.HelperProgram(QStringLiteral("quorvan-sheet-reader"));
    const auto encodingLocale = platform.TextEncodingLocale();
    ListRead list;
    ImportShape shape;
    const std::optional<QString> kept = platform.Setting(ChoiceSetting(path));
    std::optional<ImportChoice> choice = kept ? ImportChoice::FromSetting(*kept) : std::nullopt;
    // Off the window's thread: a slow or stuck reader leaves the window drawn, and Cancel stops it.
    const QString doing = Say(MessageId::ReadingList).arg(QFileInfo(path).fileName());
    const auto read = [&](const std::function<void(const ListReading&)>& work) {
        platform.RunWhileWaiting(doing, [&](std::stop_token stop) {
            const WorkbookReading workbooks{reader, [&](const QDate& date) { return platform.ShortDate(date); },
                                            [&](const QTime& time) { return platform.LongTime(time); }, stop};
            work({encodingLocale, workbooks});
        });
    };
    const std::optional<FileIdentity> seen = IdentityOf(path);
    read([&](const ListReading& reading) {
        list = ReadList(path, keep, reading, choice.value_or(ImportChoice{}));
        if (!choice)
            shape = LookAtList(path, reading, list);
    });
    // A file that reads as expected, or read as the user chose before, is read without a question.
    if (choice || !shape.doubtful())
        return list;

    choice = platform.AskImportChoice(importQuestion(path, shape));
    if (!choice)
        return std::nullopt;
    platform.SetSetting(ChoiceSetting(path), choice->ToSetting());
    if (*choice == ImportChoice{})
        return list;
    // Read again as chosen: only the file the user looked at.
    if (const auto now = IdentityOf(path); now && now != seen)
        throw FileError(Say(MessageId::CannotReadListFile), path, Say(MessageId::ChangedSinceChosen));
    read([&](const ListReading& reading) { list = ReadList(path, keep, reading, *choice); });
    return list;
}

ImportQuestion Commands::importQuestion(const QString& path, const ImportShape& shape)
{
    ImportQuestion question;
    question.Title = Say(MessageId::ImportPreviewTitle);
    QStringList why;
    if (!shape.HeadingLike.isEmpty())
        why.append(Say(MessageId::ImportWhyHeading).arg(shape.HeadingLike));
    if (shape.NamesColumn != 0)
        why.append(Say(MessageId::ImportWhyCodes).arg(ColumnName(shape.NamesColumn)));
    if (shape.StopRow != 0)
        why.append(Say(MessageId::ImportWhyStopped).arg(QString::number(shape.StopRow), QString::number(shape.NamesBelow)));
    why.append(Say(MessageId::ImportWhyAsk).arg(QFileInfo(path).fileName()));
    question.Why = why.join(QLatin1Char('\n'));
    question.FirstRows = shape.FirstRows;
    qsizetype columns = 0;
    for (const QStringList& row : shape.FirstRows)
        columns = std::max(columns, row.size());
    for (int32_t column = 1; column <= columns; ++column)
        question.ColumnNames.append(ColumnName(column));
    question.ColumnLabel = Say(MessageId::ImportColumnLabel);
    // A workbook's first row is a heading whatever it holds: nothing to ask.
    if (!shape.FirstRows.isEmpty() && !shape.HeadingRow)
        question.HeadingLabel = Say(MessageId::ImportHeadingBox);
    if (shape.StopRow != 0)
        question.PastEmptyLabel = Say(MessageId::ImportPastEmptyBox);
    question.Likely = shape.Likely;
    return question;
}

} // namespace quorvan
