#include "app/CommandLine.h"

#include "Version.h"
#include "app/TerminalText.h"

#include "drawrecord/AnnouncedRecordFile.h"
#include "drawrecord/DrawRecordFile.h"
#include "drawrecord/DrawVerification.h"
#include "platform/QtPlatform.h"
#include "texts/Words.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextStream>

#include <optional>

namespace quorvan {

namespace {

const Words Description{QStringLiteral("Ladder lottery (ghost leg): draws a random ladder between members and hits."),
    QStringLiteral("あみだくじ：メンバーと当たりの間にあみだを作ります。")};
const Words VerifyOption{QStringLiteral("Checks the draw record FILE without a window: status 0 when its ladder "
                                        "gives its results, 1 when not or when it was altered, 2 when it cannot be read."),
    QStringLiteral("抽選記録 FILE をウィンドウなしで検証します。あみだが記録の結果を出せば終了状態 0、"
                   "出さないか書き換えられていれば 1、読めなければ 2。")};
const Words AnnouncementOption{QStringLiteral("With --verify: the announcement's digest A as published (64 hexadecimal "
                                              "digits), compared with the one the record holds."),
    QStringLiteral("--verify とともに：公表された告知の要約値 A（16 進 64 桁）。記録にあるものと比べます。")};
const Words FileArgument{QStringLiteral("A draw record (.qdraw) to open in the window, as File > Open draw does."),
    QStringLiteral("ウィンドウで開く抽選記録（.qdraw）。［ファイル］▸［抽選記録を開く］と同じです。")};
const Words Usage{QStringLiteral("usage: quorvan [FILE] | --verify FILE [--announcement HEX] | --help | --version"),
    QStringLiteral("使い方: quorvan [FILE] | --verify FILE [--announcement HEX] | --help | --version")};

int Verify(const QString& path, const std::optional<QByteArray>& givenDigest, bool japanese)
{
    QTextStream out(stdout);
    QTextStream problems(stderr);
    try {
        const QByteArray content = ReadDrawRecordBytes(path, japanese);
        if (IsAnnouncedRecord(content)) {
            const AnnouncedRecord record = ParseAnnouncedRecord(content, path, japanese);
            const QStringList differences = AnnouncedDifferences(record, givenDigest, japanese);
            out << TerminalText(AnnouncedVerdict(record, differences, givenDigest.has_value(), japanese)) << '\n';
            return differences.isEmpty() ? ProgramDone : RecordDiffers;
        }
        const DrawRecord record = ParseDrawRecord(content, path, japanese);
        const QStringList differences = DrawDifferences(record, japanese);
        out << TerminalText(DrawVerdict(record, differences, japanese, differences.size())) << '\n';
        return differences.isEmpty() ? ProgramDone : RecordDiffers;
    } catch (const AlteredRecord& altered) {
        out << TerminalText(altered.Message().In(japanese)) << '\n';
        return RecordDiffers;
    } catch (const UserError& problem) {
        problems << TerminalText(problem.Message().In(japanese)) << '\n';
        return RecordUnreadable;
    } catch (const std::exception& problem) {
        problems << TerminalText(QString::fromUtf8(problem.what())) << '\n';
        return RecordUnreadable;
    }
}

} // namespace

CommandLine AnswerCommandLine(int argc, char* argv[])
{
    const QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorvan"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORVAN_VERSION));
    const bool japanese = LocaleIdentifier(QLocale::system()) == LocaleJapanese;

    QCommandLineParser parser;
    parser.setApplicationDescription(Description.In(japanese));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption verify(QStringLiteral("verify"), VerifyOption.In(japanese), QStringLiteral("FILE"));
    parser.addOption(verify);
    const QCommandLineOption announcement(QStringLiteral("announcement"), AnnouncementOption.In(japanese),
                                          QStringLiteral("HEX"));
    parser.addOption(announcement);
    parser.addPositionalArgument(QStringLiteral("FILE"), FileArgument.In(japanese), QStringLiteral("[FILE]"));

    QTextStream out(stdout);
    QTextStream problems(stderr);
    const bool understood = parser.parse(QCoreApplication::arguments());
    const QStringList files = parser.positionalArguments();
    static const QRegularExpression digestSpelling(QStringLiteral("^[0-9a-fA-F]{64}$"));
    const bool digestWrong = parser.isSet(announcement)
        && (!parser.isSet(verify) || !digestSpelling.match(parser.value(announcement)).hasMatch());
    if (!understood || files.size() > 1 || (parser.isSet(verify) && !files.isEmpty()) || digestWrong) {
        if (!understood)
            problems << parser.errorText() << '\n';
        problems << Usage.In(japanese) << '\n';
        return {RecordUnreadable, {}};
    }
    if (parser.isSet(help)) {
        out << parser.helpText();
        return {ProgramDone, {}};
    }
    if (parser.isSet(version)) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion() << '\n';
        return {ProgramDone, {}};
    }
    if (parser.isSet(verify))
        return {Verify(parser.value(verify),
                       parser.isSet(announcement)
                           ? std::optional(QByteArray::fromHex(parser.value(announcement).toLatin1()))
                           : std::nullopt,
                       japanese),
                {}};
    return {std::nullopt, files.value(0)};
}

} // namespace quorvan
