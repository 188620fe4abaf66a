#include "drawrecord/AnnouncementFile.h"

#include "drawrecord/AnnounceTexts.h"
#include "drawrecord/AnnouncedDraw.h"
#include "drawrecord/DrawRecordFile.h"
#include "drawrecord/EntryChecker.h"
#include "drawrecord/Sha256.h"
#include "files/FileSaving.h"
#include "ladder/Geometry.h"

#include <QRegularExpression>
#include <QSet>

namespace quorvan {

namespace {

namespace texts = announce_texts;

constexpr int32_t MostSources = 16;
constexpr int32_t MostDice = 100;
constexpr int32_t MostParticipants = 480;

const QStringList SourceKinds{QStringLiteral("public"), QStringLiteral("dice"), QStringLiteral("participants")};

QJsonObject SourceObject(const RandomSource& source)
{
    QJsonObject object{{QStringLiteral("name"), source.Name},
                       {QStringLiteral("kind"), SourceKinds[static_cast<int>(source.Kind)]}};
    switch (source.Kind) {
    case SourceKind::Public: object[QStringLiteral("rule")] = source.Rule; break;
    case SourceKind::Dice: object[QStringLiteral("count")] = source.DiceCount; break;
    case SourceKind::Participants:
        object[QStringLiteral("commitBy")] = source.CommitBy;
        object[QStringLiteral("participants")] = QJsonArray::fromStringList(source.Participants);
        break;
    }
    return object;
}

QJsonObject ContentObject(const Announcement& announcement)
{
    QJsonArray sources;
    for (const RandomSource& source : announcement.Sources)
        sources.append(SourceObject(source));
    return {{QStringLiteral("format"), AnnouncementFormat},
            {QStringLiteral("formatVersion"), AnnouncementVersion},
            {QStringLiteral("method"), announcement.Method},
            {QStringLiteral("drawId"), announcement.DrawId},
            {QStringLiteral("title"), announcement.Title},
            {QStringLiteral("organiser"), announcement.Organiser},
            {QStringLiteral("announced"), announcement.Announced},
            {QStringLiteral("drawAfter"), announcement.DrawAfter},
            {QStringLiteral("rows"), announcement.Rows},
            {QStringLiteral("crossLines"), announcement.CrossLines},
            {QStringLiteral("members"), QJsonArray::fromStringList(announcement.Members)},
            {QStringLiteral("hits"), QJsonArray::fromStringList(announcement.Hits)},
            {QStringLiteral("sources"), sources}};
}

// Each name once.
void Distinct(const Checker& check, const QStringList& names)
{
    QSet<QString> seen;
    for (const QString& name : names) {
        if (seen.contains(name))
            check.Fail(texts::NameTwice().arg(name));
        seen.insert(name);
    }
}

QString NonEmpty(const Checker& check, const JsonValue& value, const QString& entry)
{
    const QString text = check.Name(value, entry);
    if (text.isEmpty())
        check.Wrong(entry, texts::NonEmptyText());
    return text;
}

RandomSource ReadSource(const Checker& check, const JsonValue& value, const QString& entry, const QString& drawAfter)
{
    const JsonValue object = check.Object(value, entry);
    const QString prefix = entry + QLatin1Char('.');
    const auto field = [&](const char* key) { return object.Value(key); };
    const auto name = [&](const char* key) { return prefix + QLatin1String(key); };
    RandomSource source;
    source.Name = NonEmpty(check, field("name"), name("name"));
    source.Kind = static_cast<SourceKind>(SourceKinds.indexOf(check.Choice(field("kind"), name("kind"), SourceKinds)));
    Checker::Keys keys{"name", "kind"};
    switch (source.Kind) {
    case SourceKind::Public:
        keys.append("rule");
        source.Rule = NonEmpty(check, field("rule"), name("rule"));
        break;
    case SourceKind::Dice:
        keys.append("count");
        source.DiceCount = static_cast<int32_t>(check.Whole(field("count"), name("count"), 1, MostDice));
        break;
    case SourceKind::Participants: {
        keys.append("commitBy");
        keys.append("participants");
        source.CommitBy = check.Time(field("commitBy"), name("commitBy"));
        if (QDateTime::fromString(source.CommitBy, Qt::ISODateWithMs) > QDateTime::fromString(drawAfter, Qt::ISODateWithMs))
            check.Fail(texts::CommitAfterDraw().arg(source.Name));
        const JsonValue participants = check.Array(field("participants"), name("participants"));
        if (participants.Size() == 0 || participants.Size() > MostParticipants)
            check.Wrong(name("participants"), draw_texts::ListOf().arg(QStringLiteral("1 - %1").arg(MostParticipants)));
        for (qsizetype index = 0; index < participants.Size(); ++index)
            source.Participants.append(NonEmpty(check, participants[index], QStringLiteral("%1[%2]").arg(name("participants")).arg(index)));
        Distinct(check, source.Participants);
        break;
    }
    }
    check.OnlyKeys(object, keys, entry);
    return source;
}

Announcement ReadAnnouncementContent(const Checker& check, const JsonValue& content)
{
    check.OnlyKeys(content,
                   {"format", "formatVersion", "method", "drawId", "title", "organiser", "announced", "drawAfter",
                    "rows", "crossLines", "members", "hits", "sources"},
                   {});
    const auto field = [&](const char* key) { return content.Value(key); };
    Announcement announcement;
    announcement.Method = check.Choice(field("method"), QStringLiteral("method"), {AnnouncedDrawMethod});
    static const QRegularExpression id(QStringLiteral("^[0-9a-f]{32}\\z"));
    announcement.DrawId = check.Text(field("drawId"), QStringLiteral("drawId"));
    if (!id.match(announcement.DrawId).hasMatch())
        check.Wrong(QStringLiteral("drawId"), texts::DrawId());
    announcement.Title = check.Name(field("title"), QStringLiteral("title"));
    announcement.Organiser = check.Name(field("organiser"), QStringLiteral("organiser"));
    announcement.Announced = check.Time(field("announced"), QStringLiteral("announced"));
    announcement.DrawAfter = check.Time(field("drawAfter"), QStringLiteral("drawAfter"));
    if (QDateTime::fromString(announcement.DrawAfter, Qt::ISODateWithMs)
        < QDateTime::fromString(announcement.Announced, Qt::ISODateWithMs))
        check.Fail(texts::DrawBeforeAnnounced());
    announcement.Rows = static_cast<int32_t>(check.Whole(field("rows"), QStringLiteral("rows"), FewestRows, MostMembers));
    announcement.CrossLines = check.Flag(field("crossLines"), QStringLiteral("crossLines"));
    announcement.Members = check.Texts(field("members"), QStringLiteral("members"), announcement.Rows);
    announcement.Hits = check.Texts(field("hits"), QStringLiteral("hits"), announcement.Rows);
    const JsonValue sources = check.Array(field("sources"), QStringLiteral("sources"));
    if (sources.Size() == 0 || sources.Size() > MostSources)
        check.Wrong(QStringLiteral("sources"), draw_texts::ListOf().arg(QStringLiteral("1 - %1").arg(MostSources)));
    QStringList names;
    for (qsizetype index = 0; index < sources.Size(); ++index) {
        announcement.Sources.push_back(
            ReadSource(check, sources[index], QStringLiteral("sources[%1]").arg(index), announcement.DrawAfter));
        names.append(announcement.Sources.back().Name);
    }
    Distinct(check, names);
    if (std::none_of(announcement.Sources.begin(), announcement.Sources.end(),
                     [](const RandomSource& source) { return source.Kind != SourceKind::Dice; }))
        check.Fail(texts::NoOutsideSource());
    return announcement;
}

} // namespace

QByteArray AnnouncementBytes(const Announcement& announcement)
{
    return CanonicalJson(ContentObject(announcement));
}

QByteArray AnnouncementDigest(const QByteArray& content)
{
    return Sha256(content);
}

QString ShortCode(const QByteArray& digest)
{
    static const char Alphabet[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
    uint64_t bits = 0;
    for (int index = 0; index < 7 && index < digest.size(); ++index)
        bits = (bits << 8) | static_cast<uint8_t>(digest[index]);
    bits >>= 6; // 56 bits read, the first 50 kept
    QString code;
    for (int place = 9; place >= 0; --place) {
        code += QLatin1Char(Alphabet[(bits >> (5 * place)) & 31]);
        if (place == 5)
            code += QLatin1Char('-');
    }
    return code;
}

Announcement ParseAnnouncement(const QByteArray& content, const QString& path)
{
    const Checker check(texts::CannotOpen(), texts::Damaged(), texts::Unexpected(), path);
    const StrictContent strict = StrictObject(check, content, AnnouncementFormat, texts::Foreign());
    const JsonValue version = strict.Object.Value("formatVersion");
    if (version.IsNumber() && version.Number() > AnnouncementVersion)
        check.Fail(texts::NewerFormat().arg(static_cast<double>(version.Number())).arg(AnnouncementVersion));
    check.Whole(version, QStringLiteral("formatVersion"), AnnouncementVersion, AnnouncementVersion);
    const Announcement announcement = ReadAnnouncementContent(check, strict.Object);
    // Its canonical form is the whole of it (it has no digest entry of its
    // own), and a text's byte order mark at its start is read as no character.
    if (strict.Canonical != content || strict.Tree->BomLeftOut)
        check.Fail(texts::NotCanonical());
    return announcement;
}

void SaveAnnouncement(const QString& path, const Announcement& announcement)
{
    ReplaceFileContent(path, AnnouncementBytes(announcement), announce_texts::CannotSave());
}

} // namespace quorvan
