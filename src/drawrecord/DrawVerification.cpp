#include "drawrecord/DrawVerification.h"

#include "drawrecord/DrawTexts.h"
#include "ladder/SeededGeneration.h"
#include "ladder/Tracing.h"

#include <QCryptographicHash>

#include <memory>

namespace quorvan {

using namespace draw_texts;

QString LadderDigest(const Ladder& grid, int32_t rows)
{
    QByteArray cells;
    cells.reserve(static_cast<qsizetype>(rows) * Ladder::Columns);
    for (int32_t line = 1; line <= rows; ++line)
        for (int32_t column = 0; column < Ladder::Columns; ++column)
            cells.append(static_cast<char>(grid.Cell(line, column)));
    return QString::fromLatin1(QCryptographicHash::hash(cells, QCryptographicHash::Sha256).toHex());
}

std::vector<DrawResult> TraceResults(const Ladder& grid, const QStringList& members, const QStringList& hits)
{
    std::vector<DrawResult> results;
    for (qsizetype hit = 1; hit <= hits.size(); ++hit) {
        const int32_t member = EndOfPath(grid, static_cast<int32_t>(hit));
        results.push_back({static_cast<int32_t>(hit), hits[hit - 1], member, members.value(member - 1)});
    }
    return results;
}

QStringList DrawDifferences(const DrawRecord& record, bool japanese)
{
    const BuildEvent& build = record.Draw.Build;
    const auto grid = std::make_unique<Ladder>();
    GenerateLadderFromSeed({build.Rows, build.CrossLines}, build.Seed, *grid);

    QStringList differences;
    if (LadderDigest(*grid, build.Rows) != record.LadderDigest)
        differences.append(LadderDiffers.In(japanese).arg(build.Seed));
    const std::vector<DrawResult> traced = TraceResults(*grid, record.Draw.Members, record.Draw.Hits);
    for (size_t row = 0; row < traced.size() && row < record.Results.size(); ++row) {
        const DrawResult& said = record.Results[row];
        const DrawResult& found = traced[row];
        if (said != found)
            differences.append(ResultDiffers.In(japanese)
                                   .arg(found.Hit)
                                   .arg(said.HitName)
                                   .arg(said.Member)
                                   .arg(said.MemberName)
                                   .arg(found.Member)
                                   .arg(found.MemberName));
    }
    return differences;
}

QString DrawVerdict(const QStringList& differences, bool japanese, qsizetype mostListed)
{
    if (differences.isEmpty())
        return Verified.In(japanese);
    QStringList lines{NotVerified.In(japanese)};
    lines.append(differences.mid(0, mostListed));
    if (differences.size() > mostListed)
        lines.append(MoreDifferences.In(japanese).arg(differences.size() - mostListed));
    return lines.join(QLatin1Char('\n'));
}

} // namespace quorvan
