#include "DrawVerifying.h"

#include "AnnouncedRecordFile.h"
#include "DrawRecordFile.h"
#include "DrawVerification.h"
#include "QtPlatform.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextStream>

#include <cstring>

namespace quorvan {

bool AsksToVerify(int argc, char* argv[])
{
    return argc >= 2 && std::strcmp(argv[1], "--verify") == 0;
}

int VerifyFromCommandLine(int argc, char* argv[])
{
    const QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream problems(stderr);
    const QStringList arguments = QCoreApplication::arguments();
    static const QRegularExpression hex(QStringLiteral("^[0-9a-fA-F]{64}$"));
    const bool givesDigest = arguments.size() == 5 && arguments[3] == QLatin1String("--announcement");
    if (!(arguments.size() == 3 || (givesDigest && hex.match(arguments[4]).hasMatch()))) {
        problems << "usage: quorvan --verify FILE [--announcement HEX]\n";
        return RecordUnreadable;
    }
    const bool japanese = LocaleIdentifier(QLocale::system()) == LocaleJapanese;
    try {
        const QByteArray content = ReadDrawRecordBytes(arguments[2], japanese);
        if (IsAnnouncedRecord(content)) {
            const AnnouncedRecord record = ParseAnnouncedRecord(content, arguments[2], japanese);
            const std::optional<QByteArray> given =
                givesDigest ? std::optional(QByteArray::fromHex(arguments[4].toLatin1())) : std::nullopt;
            const QStringList differences = AnnouncedDifferences(record, given, japanese);
            out << AnnouncedVerdict(record, differences, givesDigest, japanese) << '\n';
            return differences.isEmpty() ? RecordVerified : RecordDiffers;
        }
        const DrawRecord record = ParseDrawRecord(content, arguments[2], japanese);
        const QStringList differences = DrawDifferences(record, japanese);
        out << DrawVerdict(record, differences, japanese, differences.size()) << '\n';
        return differences.isEmpty() ? RecordVerified : RecordDiffers;
    } catch (const AlteredRecord& altered) {
        out << altered.Message().In(japanese) << '\n';
        return RecordDiffers;
    } catch (const UserError& problem) {
        problems << problem.Message().In(japanese) << '\n';
        return RecordUnreadable;
    } catch (const std::exception& problem) {
        problems << QString::fromUtf8(problem.what()) << '\n';
        return RecordUnreadable;
    }
}

} // namespace quorvan
