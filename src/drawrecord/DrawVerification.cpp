#include "drawrecord/DrawVerification.h"

#include "drawrecord/DrawTexts.h"
#include "drawrecord/Sha256.h"
#include "ladder/SeededGeneration.h"
#include "ladder/Tracing.h"

#include <memory>

namespace quorvan {

using namespace draw_texts;

QString LadderDigest(const Ladder& grid, int32_t rows)
{
    QByteArray cells(static_cast<qsizetype>(rows) * Ladder::Columns, Qt::Uninitialized);
    char* cell = cells.data();
    for (int32_t line = 1; line <= rows; ++line)
        for (int32_t column = 0; column < Ladder::Columns; ++column)
            *cell++ = static_cast<char>(grid.Cell(line, column));
    return QString::fromLatin1(Sha256(cells).toHex());
}

std::vector<DrawResult> TraceResults(const Ladder& grid, const QStringList& members, const QStringList& hits)
{
    std::vector<DrawResult> results;
    results.reserve(static_cast<size_t>(hits.size()));
    for (qsizetype hit = 1; hit <= hits.size(); ++hit) {
        const int32_t member = EndOfPath(grid, static_cast<int32_t>(hit));
        results.push_back({static_cast<int32_t>(hit), hits[hit - 1], member, members.value(member - 1)});
    }
    return results;
}

QStringList ResultDifferences(const std::vector<DrawResult>& said, const std::vector<DrawResult>& found)
{
    QStringList differences;
    for (size_t row = 0; row < said.size() && row < found.size(); ++row)
        if (said[row] != found[row])
            // One pass over the text, so that a name holding "%3" stays as it is.
            differences.append(ResultDiffers().arg(QString::number(found[row].Hit), said[row].HitName,
                                                   QString::number(said[row].Member), said[row].MemberName,
                                                   QString::number(found[row].Member), found[row].MemberName));
    return differences;
}

QStringList DrawDifferences(const DrawRecord& record)
{
    const BuildEvent& build = record.Draw.Build;
    const auto grid = std::make_unique<Ladder>();
    GenerateLadderFromSeed({build.Rows, build.CrossLines}, build.Seed, *grid);

    QStringList differences;
    for (size_t index = 0; index < record.History.size(); ++index) {
        const auto* shuffle = std::get_if<ShuffleEvent>(&record.History[index]);
        if (shuffle && shuffle->Seed
            && ProgramShuffleOrder(static_cast<int32_t>(shuffle->Order.size()), *shuffle->Seed) != shuffle->Order)
            differences.append(ShuffleDiffers().arg(QStringLiteral("history[%1]").arg(index), QString::number(*shuffle->Seed)));
    }
    if (LadderDigest(*grid, build.Rows) != record.LadderDigest)
        differences.append(LadderDiffers().arg(build.Seed));
    differences.append(ResultDifferences(record.Results, TraceResults(*grid, record.Draw.Members, record.Draw.Hits)));
    return differences;
}

QString DrawVerdict(const DrawRecord& record, const QStringList& differences, qsizetype mostListed)
{
    if (differences.isEmpty()) {
        QStringList lines{Verified(), VerifiedLimits()};
        if (!record.Draw.Build.FairDraw)
            lines.append(NoUniformShuffle());
        return lines.join(QLatin1Char('\n'));
    }
    QStringList lines{NotVerified()};
    lines.append(differences.mid(0, mostListed));
    if (differences.size() > mostListed)
        lines.append(MoreDifferences(static_cast<int>(differences.size() - mostListed)));
    return lines.join(QLatin1Char('\n'));
}

} // namespace quorvan
