#include "app/CommandLine.h"

#include "Version.h"
#include "app/TerminalText.h"

#include "drawrecord/AnnouncedRecordFile.h"
#include "drawrecord/DrawRecordFile.h"
#include "drawrecord/DrawVerification.h"
#include "platform/Translations.h"
#include "texts/UserText.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <cstdio>
#include <cstring>
#include <optional>

namespace quorvan {

namespace {

QString Description()
{
    return QCoreApplication::translate("CommandLine", "Ladder lottery (ghost leg): draws a random ladder between "
            "members and hits.");
}
QString VerifyOption()
{
    return QCoreApplication::translate("CommandLine", "Checks the draw record FILE without a window: status 0 when "
            "its ladder gives its results, 1 when not or when it was altered, 2 when it cannot be read.");
}
QString AnnouncementOption()
{
    return QCoreApplication::translate("CommandLine", "With --verify: the announcement's digest A as published (64 "
            "hexadecimal digits), compared with the one the record holds.");
}
QString FileArgument()
{
    return QCoreApplication::translate("CommandLine", "A draw record (.qdraw) to open in the window, as File > Open "
            "draw does.");
}
QString Usage()
{
    return QCoreApplication::translate("CommandLine", "usage: quorvan [FILE] | --verify FILE [--announcement HEX] | "
            "--help | --version");
}

QString NotPrinted()
{
    return QCoreApplication::translate("CommandLine", "The answer could not be written to standard output: %1");
}

// What was printed has to reach its reader: a verdict lost to a full disk is
// no success.
int Printed(int status)
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return status;
    const QString reason = QString::fromLocal8Bit(std::strerror(errno));
    QTextStream(stderr) << TerminalText(NotPrinted().arg(reason)) << '\n';
    return RecordUnreadable;
}

int Verify(const QString& path, const std::optional<QByteArray>& givenDigest)
{
    QTextStream out(stdout);
    QTextStream problems(stderr);
    try {
        const StrictContent content = ReadRecordJson(ReadDrawRecordBytes(path), path);
        if (IsAnnouncedRecord(content.Object)) {
            const AnnouncedRecord record = ParseAnnouncedRecord(content, path);
            const QStringList differences = AnnouncedDifferences(record, givenDigest);
            out << TerminalText(AnnouncedVerdict(record, differences, givenDigest.has_value())) << '\n';
            return differences.isEmpty() ? ProgramDone : RecordDiffers;
        }
        const DrawRecord record = ParseDrawRecord(content, path);
        const QStringList differences = DrawDifferences(record);
        out << TerminalText(DrawVerdict(record, differences, differences.size())) << '\n';
        return differences.isEmpty() ? ProgramDone : RecordDiffers;
    } catch (const AlteredRecord& altered) {
        out << TerminalText(altered.Message()) << '\n';
        return RecordDiffers;
    } catch (const UserError& problem) {
        problems << TerminalText(problem.Message()) << '\n';
        return RecordUnreadable;
    } catch (const std::exception& problem) {
        problems << TerminalText(QString::fromUtf8(problem.what())) << '\n';
        return RecordUnreadable;
    }
}

// Qt's own options for every window program, with one dash or two, and
// "=value" or the value after them: left for the window's application.
const char* const ToolkitOptionsWithValue[] = {"style", "stylesheet", "platform", "platformpluginpath",
                                               "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
                                               "qwindowtitle", "geometry", "title", "display", "name", "session"};
const char* const ToolkitFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// The arguments after the program's name that are not Qt's own options.
QStringList ProgramArguments(int argc, char* argv[])
{
    QStringList arguments;
    for (int index = 1; index < argc; ++index) {
        const QString argument = QString::fromLocal8Bit(argv[index]);
        const QString option = argument.startsWith(QLatin1String("--")) ? argument.mid(2)
                               : argument.startsWith(QLatin1Char('-')) ? argument.mid(1)
                                                                        : QString();
        const QString name = option.section(QLatin1Char('='), 0, 0);
        const bool valued = std::any_of(std::begin(ToolkitOptionsWithValue), std::end(ToolkitOptionsWithValue),
                                        [&](const char* known) { return name == QLatin1String(known); });
        const bool flag = std::any_of(std::begin(ToolkitFlags), std::end(ToolkitFlags),
                                      [&](const char* known) { return option == QLatin1String(known); });
        if (valued && !option.contains(QLatin1Char('=')))
            ++index; // its value
        else if (!valued && !flag)
            arguments.append(argument);
    }
    return arguments;
}

} // namespace

CommandLine AnswerCommandLine(int argc, char* argv[])
{
    // The window alone, or with one record to open, as the desktop starts it:
    // nothing to answer, so no application is made for it.
    const QStringList arguments = ProgramArguments(argc, argv);
    if (arguments.isEmpty() || (arguments.size() == 1 && !arguments[0].startsWith(QLatin1Char('-'))))
        return {std::nullopt, arguments.isEmpty() ? QString() : arguments[0]};

    const QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorvan"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORVAN_VERSION));
    UseUsersLanguage();

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions); // "-stile" is one option
    parser.setApplicationDescription(Description());
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption verify(QStringLiteral("verify"), VerifyOption(), QStringLiteral("FILE"));
    parser.addOption(verify);
    const QCommandLineOption announcement(QStringLiteral("announcement"), AnnouncementOption(),
                                          QStringLiteral("HEX"));
    parser.addOption(announcement);
    parser.addPositionalArgument(QStringLiteral("FILE"), FileArgument(), QStringLiteral("[FILE]"));

    QTextStream out(stdout);
    QTextStream problems(stderr);
    const bool understood = parser.parse(QStringList{QCoreApplication::arguments().value(0)} + arguments);
    const QStringList files = parser.positionalArguments();
    static const QRegularExpression digestSpelling(QStringLiteral("^[0-9a-fA-F]{64}\\z"));
    const bool digestWrong = parser.isSet(announcement)
        && (!parser.isSet(verify) || !digestSpelling.match(parser.value(announcement)).hasMatch());
    if (!understood || files.size() > 1 || (parser.isSet(verify) && !files.isEmpty()) || digestWrong) {
        if (!understood)
            problems << parser.errorText() << '\n';
        problems << Usage() << '\n';
        return {RecordUnreadable, {}};
    }
    if (parser.isSet(help)) {
        out << parser.helpText();
        out.flush();
        return {Printed(ProgramDone), {}};
    }
    if (parser.isSet(version)) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion() << '\n';
        out.flush();
        return {Printed(ProgramDone), {}};
    }
    if (parser.isSet(verify))
        return {Printed(Verify(parser.value(verify),
                               parser.isSet(announcement)
                                   ? std::optional(QByteArray::fromHex(parser.value(announcement).toLatin1()))
                                   : std::nullopt)),
                {}};
    return {std::nullopt, files.value(0)};
}

} // namespace quorvan
