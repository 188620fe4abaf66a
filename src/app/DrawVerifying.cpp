#include "DrawVerifying.h"

#include "DrawRecordFile.h"
#include "DrawVerification.h"
#include "QtPlatform.h"

#include <QCoreApplication>
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
    if (arguments.size() != 3) {
        problems << "usage: quorvan --verify FILE\n";
        return RecordUnreadable;
    }
    const bool japanese = LocaleIdentifier(QLocale::system()) == LocaleJapanese;
    try {
        const DrawRecord record = ReadDrawRecord(arguments[2], japanese);
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
