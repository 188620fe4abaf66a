#include "drawrecord/AnnouncedRecordFile.h"

#include "drawrecord/AnnounceTexts.h"
#include "drawrecord/AnnouncementFile.h"
#include "drawrecord/DrawRecordFile.h"
#include "drawrecord/DrawVerification.h"
#include "drawrecord/EntryChecker.h"
#include "ladder/Geometry.h"

#include <QRegularExpression>

namespace quorvan {

namespace {

constexpr qsizetype MostValueCharacters = 200;

QString Hex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex());
}

QJsonArray ValuesArray(const std::vector<SourceValue>& values)
{
    QJsonArray array;
    for (const SourceValue& value : values) {
        QJsonObject object{{QStringLiteral("source"), value.Source}};
        if (value.Commitments.empty())
            object[QStringLiteral("value")] = value.Value;
        QJsonArray commitments;
        for (const Commitment& commitment : value.Commitments) {
            QJsonObject entry{{QStringLiteral("participant"), commitment.Participant},
                              {QStringLiteral("commitment"), commitment.Digest}};
            if (commitment.Reveal)
                entry[QStringLiteral("reveal")] = *commitment.Reveal;
            commitments.append(entry);
        }
        if (!value.Commitments.empty())
            object[QStringLiteral("commitments")] = commitments;
        array.append(object);
    }
    return array;
}

QJsonObject ContentObject(const AnnouncedRecord& record)
{
    QJsonArray order;
    for (const int32_t row : record.Order)
        order.append(row);
    return {{QStringLiteral("format"), DrawRecordFormat},
            {QStringLiteral("formatVersion"), AnnouncedRecordVersion},
            {QStringLiteral("program"), QStringLiteral("Quorvan")},
            {QStringLiteral("programVersion"), record.ProgramVersion},
            {QStringLiteral("time"), record.Time},
            {QStringLiteral("announcement"), QString::fromUtf8(record.AnnouncementText)},
            {QStringLiteral("values"), ValuesArray(record.Values)},
            {QStringLiteral("key"), record.Key},
            {QStringLiteral("order"), order},
            {QStringLiteral("seed"), static_cast<qint64>(record.Seed)},
            {QStringLiteral("members"), QJsonArray::fromStringList(record.Members)},
            {QStringLiteral("hits"), QJsonArray::fromStringList(record.Hits)},
            {QStringLiteral("ladder"), record.LadderDigest},
            {QStringLiteral("results"), ResultsArray(record.Results)}};
}

// The values, one per source of the announcement and in its order.
std::vector<SourceValue> ReadValues(const Checker& check, const JsonValue& value, const Announcement& announcement)
{
    const JsonValue array = check.Array(value, QStringLiteral("values"), static_cast<qsizetype>(announcement.Sources.size()));
    std::vector<SourceValue> values;
    for (qsizetype index = 0; index < array.Size(); ++index) {
        const RandomSource& source = announcement.Sources[static_cast<size_t>(index)];
        const QString entry = QStringLiteral("values[%1]").arg(index);
        const JsonValue object = check.Object(array[index], entry);
        SourceValue read;
        read.Source = check.Choice(object.Value("source"), entry + QStringLiteral(".source"), {source.Name});
        if (source.Kind != SourceKind::Participants) {
            check.OnlyKeys(object, {"source", "value"}, entry);
            read.Value = check.Text(object.Value("value"), entry + QStringLiteral(".value"));
        } else {
            check.OnlyKeys(object, {"source", "commitments"}, entry);
            const JsonValue commitments = check.Array(object.Value("commitments"), entry + QStringLiteral(".commitments"),
                                                      source.Participants.size());
            for (qsizetype at = 0; at < commitments.Size(); ++at) {
                const QString name = QStringLiteral("%1.commitments[%2]").arg(entry).arg(at);
                const JsonValue commitment = check.Object(commitments[at], name);
                check.OnlyKeys(commitment, {"participant", "commitment", "reveal"}, name);
                Commitment made{check.Choice(commitment.Value("participant"), name + QStringLiteral(".participant"),
                                             {source.Participants[at]}),
                                check.Digest(commitment.Value("commitment"), name + QStringLiteral(".commitment")),
                                std::nullopt};
                if (commitment.Contains("reveal"))
                    made.Reveal = check.Name(commitment.Value("reveal"), name + QStringLiteral(".reveal"));
                read.Commitments.push_back(made);
            }
        }
        values.push_back(read);
    }
    return values;
}

bool FollowsPublicRule(const QString& value)
{
    static const QRegularExpression control(QStringLiteral("[\\x{0}-\\x{1f}\\x{7f}]"));
    return !value.isEmpty() && value.size() <= MostValueCharacters && value.trimmed() == value
           && value.normalized(QString::NormalizationForm_C) == value && !control.match(value).hasMatch();
}

bool FollowsDiceRule(const QString& value, int32_t count)
{
    static const QRegularExpression dice(QStringLiteral("^[1-6]*\\z"));
    return value.size() == count && dice.match(value).hasMatch();
}

} // namespace

bool IsAnnouncedRecord(const JsonValue& object)
{
    const JsonValue version = object.Value("formatVersion");
    return version.IsNumber() && version.Number() == AnnouncedRecordVersion;
}

QByteArray AnnouncedRecordBytes(const AnnouncedRecord& record)
{
    return SealedRecordBytes(ContentObject(record));
}

AnnouncedRecord ParseAnnouncedRecord(const QByteArray& content, const QString& path)
{
    return ParseAnnouncedRecord(ReadRecordJson(content, path), path);
}

AnnouncedRecord ParseAnnouncedRecord(const StrictContent& content, const QString& path)
{
    using namespace draw_texts;
    const Checker check(CannotOpen(), Damaged(), Unexpected(), path);
    const JsonValue& object = content.Object;
    check.Whole(object.Value("formatVersion"), QStringLiteral("formatVersion"), AnnouncedRecordVersion,
                AnnouncedRecordVersion);
    if (check.Digest(object.Value(DigestKey), QStringLiteral("sha256")) != CanonicalDigest(content.Canonical))
        throw AlteredRecord(CannotOpen(), path, Altered());
    check.OnlyKeys(object,
                   {"format", "formatVersion", "program", "programVersion", "time", "announcement", "values", "key",
                    "order", "seed", "members", "hits", "ladder", "results", DigestKey},
                   {});
    const auto field = [&](const char* key) { return object.Value(key); };
    AnnouncedRecord record;
    check.Choice(field("program"), QStringLiteral("program"), {QStringLiteral("Quorvan")});
    record.ProgramVersion = check.Text(field("programVersion"), QStringLiteral("programVersion"));
    record.Time = check.Time(field("time"), QStringLiteral("time"));
    record.AnnouncementText = check.Document(field("announcement"), QStringLiteral("announcement")).toUtf8();
    const Announcement announcement =
        ParseAnnouncement(record.AnnouncementText, path + QStringLiteral(" (announcement)"));
    const int32_t rows = announcement.Rows;
    record.Values = ReadValues(check, field("values"), announcement);
    record.Key = check.Digest(field("key"), QStringLiteral("key"));
    record.Order = check.Order(field("order"), QStringLiteral("order"), rows);
    record.Seed = static_cast<uint32_t>(check.Whole(field("seed"), QStringLiteral("seed"), 0, MostSeed));
    record.Members = check.Texts(field("members"), QStringLiteral("members"), rows);
    record.Hits = check.Texts(field("hits"), QStringLiteral("hits"), rows);
    record.LadderDigest = check.Digest(field("ladder"), QStringLiteral("ladder"));
    record.Results = ReadResults(check, field("results"), rows);
    return record;
}

QStringList AnnouncedDifferences(const AnnouncedRecord& record, const std::optional<QByteArray>& givenDigest)
{
    using namespace announce_texts;
    const QByteArray digest = AnnouncementDigest(record.AnnouncementText);
    const Announcement announcement = ParseAnnouncement(record.AnnouncementText, {});
    QStringList differences;
    if (givenDigest && *givenDigest != digest)
        differences.append(DigestDiffers());
    if (record.Members != announcement.Members)
        differences.append(ListsDiffer());
    for (size_t index = 0; index < record.Values.size(); ++index) {
        const SourceValue& value = record.Values[index];
        const RandomSource& source = announcement.Sources[index];
        if (source.Kind == SourceKind::Public && !FollowsPublicRule(value.Value))
            differences.append(PublicRule().arg(source.Name, value.Value));
        if (source.Kind == SourceKind::Dice && !FollowsDiceRule(value.Value, source.DiceCount))
            differences.append(DiceRule().arg(source.Name, value.Value));
        for (const Commitment& commitment : value.Commitments)
            if (commitment.Reveal
                && CommitmentDigest(digest, commitment.Participant, *commitment.Reveal) != commitment.Digest)
                differences.append(RevealDiffers().arg(commitment.Participant, source.Name));
    }
    const AnnouncedRecord again = DrawAnnounced(record.AnnouncementText, announcement, record.Values, {}, {});
    if (again.Key != record.Key)
        differences.append(DrawDiffers().arg(WhatKey()));
    if (again.Order != record.Order || again.Hits != record.Hits)
        differences.append(DrawDiffers().arg(WhatOrder()));
    if (again.Seed != record.Seed)
        differences.append(DrawDiffers().arg(WhatSeed()));
    if (again.LadderDigest != record.LadderDigest)
        differences.append(draw_texts::LadderDiffers().arg(again.Seed));
    differences.append(ResultDifferences(record.Results, again.Results));
    return differences;
}

QString AnnouncedVerdict(const AnnouncedRecord& record, const QStringList& differences, bool givenDigest)
{
    using namespace announce_texts;
    const QByteArray digest = AnnouncementDigest(record.AnnouncementText);
    QStringList lines{DigestIs().arg(Hex(digest), ShortCode(digest))};
    if (!differences.isEmpty()) {
        lines.append(AnnouncedNotVerified());
        lines.append(differences);
        return lines.join(QLatin1Char('\n'));
    }
    lines.append(AnnouncedVerified());
    QStringList leftOut;
    for (const SourceValue& value : record.Values)
        for (const Commitment& commitment : value.Commitments)
            if (!commitment.Reveal)
                leftOut.append(commitment.Participant);
    if (!leftOut.isEmpty())
        lines.append(LeftOut().arg(leftOut.join(QStringLiteral(", "))));
    if (!givenDigest)
        lines.append(CompareDigest());
    return lines.join(QLatin1Char('\n'));
}

} // namespace quorvan
