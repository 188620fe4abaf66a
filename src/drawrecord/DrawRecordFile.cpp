#include "drawrecord/DrawRecordFile.h"

#include "drawrecord/DrawTexts.h"
#include "drawrecord/EntryChecker.h"
#include "drawrecord/Sha256.h"
#include "files/FileSaving.h"
#include "files/RegularFile.h"
#include "ladder/Geometry.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace quorvan {

namespace {

using namespace draw_texts;

const QString MembersName = QStringLiteral("members");
const QString HitsName = QStringLiteral("hits");

// ---- The canonical form and the digest ----

void AppendCanonicalString(QString& out, const QString& text)
{
    out += QLatin1Char('"');
    if (!text.isValidUtf16())
        throw std::invalid_argument("A text with an unpaired surrogate has no canonical form");
    for (const QChar character : text) {
        const char16_t code = character.unicode();
        switch (code) {
        case u'"': out += QLatin1String("\\\""); break;
        case u'\\': out += QLatin1String("\\\\"); break;
        case u'\b': out += QLatin1String("\\b"); break;
        case u'\f': out += QLatin1String("\\f"); break;
        case u'\n': out += QLatin1String("\\n"); break;
        case u'\r': out += QLatin1String("\\r"); break;
        case u'\t': out += QLatin1String("\\t"); break;
        default:
            if (code < 0x20)
                out += QStringLiteral("\\u%1").arg(static_cast<int>(code), 4, 16, QLatin1Char('0'));
            else
                out += character;
        }
    }
    out += QLatin1Char('"');
}

void AppendCanonical(QString& out, const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Bool: out += value.toBool() ? QLatin1String("true") : QLatin1String("false"); break;
    case QJsonValue::Double: {
        const double number = value.toDouble();
        if (std::trunc(number) != number || std::fabs(number) > static_cast<double>(MostExactWhole))
            throw std::invalid_argument("Records hold whole numbers only");
        out += QString::number(static_cast<qint64>(number));
        break;
    }
    case QJsonValue::String: AppendCanonicalString(out, value.toString()); break;
    case QJsonValue::Array: {
        out += QLatin1Char('[');
        bool first = true;
        for (const QJsonValue& entry : value.toArray()) {
            if (!std::exchange(first, false))
                out += QLatin1Char(',');
            AppendCanonical(out, entry);
        }
        out += QLatin1Char(']');
        break;
    }
    case QJsonValue::Object: {
        const QJsonObject object = value.toObject();
        QStringList keys = object.keys();
        // By UTF-16 code units, as RFC 8785 sorts them.
        std::sort(keys.begin(), keys.end());
        out += QLatin1Char('{');
        bool first = true;
        for (const QString& key : keys) {
            if (!std::exchange(first, false))
                out += QLatin1Char(',');
            AppendCanonicalString(out, key);
            out += QLatin1Char(':');
            AppendCanonical(out, object.value(key));
        }
        out += QLatin1Char('}');
        break;
    }
    default: out += QLatin1String("null");
    }
}

// ---- Writing ----

QString ColumnName(DrawColumn column)
{
    return column == DrawColumn::Members ? MembersName : HitsName;
}

QJsonArray Numbers(const std::vector<int32_t>& numbers)
{
    QJsonArray array;
    for (const int32_t number : numbers)
        array.append(number);
    return array;
}

} // namespace

QJsonObject DrawEventObject(const DrawEvent& event)
{
    QJsonObject object;
    if (const auto* load = std::get_if<LoadEvent>(&event)) {
        object[QStringLiteral("event")] = QStringLiteral("load");
        object[QStringLiteral("column")] = ColumnName(load->Column);
        object[QStringLiteral("count")] = load->Count;
    } else if (const auto* shuffle = std::get_if<ShuffleEvent>(&event)) {
        object[QStringLiteral("event")] = QStringLiteral("shuffle");
        object[QStringLiteral("column")] = ColumnName(shuffle->Column);
        object[QStringLiteral("kind")] = shuffle->Fair ? QStringLiteral("fair") : QStringLiteral("program");
        if (shuffle->Seed)
            object[QStringLiteral("seed")] = static_cast<qint64>(*shuffle->Seed);
        object[QStringLiteral("order")] = Numbers(shuffle->Order);
    } else if (const auto* setUp = std::get_if<SetUpEvent>(&event)) {
        object[QStringLiteral("event")] = QStringLiteral("setup");
        object[QStringLiteral("rows")] = setUp->Rows;
    } else {
        const auto& build = std::get<BuildEvent>(event);
        object[QStringLiteral("event")] = QStringLiteral("build");
        object[QStringLiteral("seed")] = static_cast<qint64>(build.Seed);
        object[QStringLiteral("rows")] = build.Rows;
        object[QStringLiteral("crossLines")] = build.CrossLines;
        object[QStringLiteral("fairDraw")] = build.FairDraw;
        if (!build.Time.isEmpty())
            object[QStringLiteral("time")] = build.Time;
    }
    return object;
}

namespace {

QJsonObject ContentObject(const DrawRecord& record)
{
    QJsonObject content;
    content[QStringLiteral("format")] = DrawRecordFormat;
    content[QStringLiteral("formatVersion")] = DrawRecordVersion;
    content[QStringLiteral("program")] = QStringLiteral("Quorvan");
    content[QStringLiteral("programVersion")] = record.ProgramVersion;
    content[QStringLiteral("time")] = record.Time;
    const BuildEvent& build = record.Draw.Build;
    content[QStringLiteral("rows")] = build.Rows;
    content[QStringLiteral("crossLines")] = build.CrossLines;
    content[QStringLiteral("fairDraw")] = build.FairDraw;
    content[QStringLiteral("seed")] = static_cast<qint64>(build.Seed);
    content[MembersName] = QJsonArray::fromStringList(record.Draw.Members);
    content[HitsName] = QJsonArray::fromStringList(record.Draw.Hits);
    QJsonArray history;
    for (const DrawEvent& event : record.History)
        history.append(DrawEventObject(event));
    content[QStringLiteral("history")] = history;
    content[QStringLiteral("ladder")] = record.LadderDigest;
    content[QStringLiteral("results")] = ResultsArray(record.Results);
    return content;
}

// ---- Reading ----

// The column an entry names.
DrawColumn Column(const Checker& check, const JsonValue& value, const QString& entry)
{
    return check.Choice(value, entry, {MembersName, HitsName}) == MembersName ? DrawColumn::Members : DrawColumn::Hits;
}

// An event of the history; a shuffle's order has `rows` entries.
DrawEvent ReadEvent(const Checker& check, const JsonValue& value, const QString& entry, int32_t rows)
{
    const JsonValue event = check.Object(value, entry);
    const QString prefix = entry + QLatin1Char('.');
    const QString kind = check.Choice(
        event.Value("event"), prefix + QStringLiteral("event"),
        {QStringLiteral("setup"), QStringLiteral("load"), QStringLiteral("shuffle"), QStringLiteral("build")});
    const auto field = [&](const char* key) { return event.Value(key); };
    const auto name = [&](const char* key) { return prefix + QLatin1String(key); };
    if (kind == QLatin1String("setup")) {
        check.OnlyKeys(event, {"event", "rows"}, entry);
        return SetUpEvent{static_cast<int32_t>(check.Whole(field("rows"), name("rows"), 1, MostMembers))};
    }
    if (kind == QLatin1String("load")) {
        check.OnlyKeys(event, {"event", "column", "count"}, entry);
        return LoadEvent{Column(check, field("column"), name("column")),
                         static_cast<int32_t>(check.Whole(field("count"), name("count"), 0, MostMembers))};
    }
    if (kind == QLatin1String("shuffle")) {
        ShuffleEvent shuffle;
        shuffle.Column = Column(check, field("column"), name("column"));
        shuffle.Fair = check.Choice(field("kind"), name("kind"), {QStringLiteral("program"), QStringLiteral("fair")})
                       == QLatin1String("fair");
        Checker::Keys keys{"event", "column", "kind", "order"};
        if (!shuffle.Fair) {
            keys.append("seed");
            shuffle.Seed = static_cast<uint32_t>(check.Whole(field("seed"), name("seed"), 0, MostSeed));
        }
        check.OnlyKeys(event, keys, entry);
        shuffle.Order = check.Order(field("order"), name("order"), rows);
        return shuffle;
    }
    check.OnlyKeys(event, {"event", "seed", "rows", "crossLines", "fairDraw", "time"}, entry);
    return BuildEvent{static_cast<uint32_t>(check.Whole(field("seed"), name("seed"), 0, MostSeed)),
                      static_cast<int32_t>(check.Whole(field("rows"), name("rows"), FewestRows, MostMembers)),
                      check.Flag(field("crossLines"), name("crossLines")),
                      check.Flag(field("fairDraw"), name("fairDraw")),
                      event.Contains("time") ? check.Time(field("time"), name("time")) : QString()};
}

// The history as Quorvan makes it: the record's lottery set up last (so
// every shuffle after the last Set-up orders `rows` rows), after the last
// Build only list loads and, once the hits are loaded again, shuffles of
// the hits, and each fair Build straight after the fair shuffle of the hits
// that belongs to it.
std::vector<DrawEvent> ReadHistory(const Checker& check, const JsonValue& history, int32_t rows)
{
    const std::vector<int32_t> ordered = RowsOrdered(history, rows);
    std::vector<DrawEvent> events;
    for (qsizetype index = 0; index < history.Size(); ++index) {
        const QString entry = QStringLiteral("history[%1]").arg(index);
        events.push_back(ReadEvent(check, history[index], entry, ordered[index]));
        const auto* shuffle = index > 0 ? std::get_if<ShuffleEvent>(&events[index - 1]) : nullptr;
        const bool afterFairShuffle = shuffle && shuffle->Fair;
        const auto* build = std::get_if<BuildEvent>(&events.back());
        if (afterFairShuffle && !(build && build->FairDraw))
            check.Fail(FairShuffleUnbuilt().arg(QStringLiteral("history[%1]").arg(index - 1)));
        if (build && build->FairDraw && !afterFairShuffle)
            check.Fail(FairBuildUnshuffled().arg(entry));
    }
    if (const auto* shuffle = events.empty() ? nullptr : std::get_if<ShuffleEvent>(&events.back()); shuffle && shuffle->Fair)
        check.Fail(FairShuffleUnbuilt().arg(QStringLiteral("history[%1]").arg(events.size() - 1)));
    const auto lastBuild = std::find_if(events.rbegin(), events.rend(),
                                        [](const DrawEvent& event) { return std::holds_alternative<BuildEvent>(event); });
    // Build withdraws Set-up and both Shuffle buttons; loading the hits again offers their Shuffle once more.
    bool hitsLoaded = false;
    for (auto later = lastBuild.base(); later != events.end(); ++later) {
        const auto* load = std::get_if<LoadEvent>(&*later);
        const auto* shuffle = std::get_if<ShuffleEvent>(&*later);
        hitsLoaded = hitsLoaded || (load && load->Column == DrawColumn::Hits);
        if (!load && !(shuffle && shuffle->Column == DrawColumn::Hits && hitsLoaded))
            check.Fail(AfterLastBuild().arg(QStringLiteral("history[%1]").arg(later - events.begin())));
    }
    return events;
}

DrawRecord ReadRecordContent(const Checker& check, const JsonValue& content)
{
    check.OnlyKeys(content,
                   {"format", "formatVersion", "program", "programVersion", "time", "rows", "crossLines", "fairDraw",
                    "seed", "members", "hits", "history", "ladder", "results", DigestKey},
                   {});
    const auto field = [&](const char* key) { return content.Value(key); };
    DrawRecord record;
    check.Choice(field("program"), QStringLiteral("program"), {QStringLiteral("Quorvan")});
    record.ProgramVersion = check.Text(field("programVersion"), QStringLiteral("programVersion"));
    record.Time = check.Time(field("time"), QStringLiteral("time"));

    BuildEvent& build = record.Draw.Build;
    build.Rows = static_cast<int32_t>(check.Whole(field("rows"), QStringLiteral("rows"), FewestRows, MostMembers));
    build.CrossLines = check.Flag(field("crossLines"), QStringLiteral("crossLines"));
    build.FairDraw = check.Flag(field("fairDraw"), QStringLiteral("fairDraw"));
    build.Seed = static_cast<uint32_t>(check.Whole(field("seed"), QStringLiteral("seed"), 0, MostSeed));
    record.Draw.Members = check.Texts(field("members"), MembersName, build.Rows);
    record.Draw.Hits = check.Texts(field("hits"), HitsName, build.Rows);

    record.History = ReadHistory(check, check.Array(field("history"), QStringLiteral("history")), build.Rows);
    const auto lastBuild = std::find_if(record.History.rbegin(), record.History.rend(),
                                        [](const DrawEvent& event) { return std::holds_alternative<BuildEvent>(event); });
    if (lastBuild != record.History.rend())
        build.Time = std::get<BuildEvent>(*lastBuild).Time;
    if (lastBuild == record.History.rend() || std::get<BuildEvent>(*lastBuild) != build)
        check.Fail(LastBuildDiffers());

    record.LadderDigest = check.Digest(field("ladder"), QStringLiteral("ladder"));
    record.Results = ReadResults(check, field("results"), build.Rows);
    return record;
}

} // namespace

std::vector<int32_t> RowsOrdered(const JsonValue& history, int32_t rows)
{
    qsizetype lastSetUp = -1;
    for (qsizetype index = 0; index < history.Size(); ++index)
        if (history[index].Value("event").IsText("setup"))
            lastSetUp = index;
    std::vector<int32_t> ordered;
    for (qsizetype index = 0; index < history.Size(); ++index) {
        const qsizetype order = history[index].Value("order").Size();
        ordered.push_back(index > lastSetUp ? rows : static_cast<int32_t>(std::clamp<qsizetype>(order, 1, MostMembers)));
    }
    return ordered;
}

DrawEvent ReadDrawEvent(const JsonValue& value, int32_t rows, const QString& path, const QString& entry)
{
    return ReadEvent(Checker(CannotOpen(), Damaged(), Unexpected(), path), value, entry, rows);
}

QByteArray CanonicalJson(const QJsonValue& value)
{
    QString out;
    AppendCanonical(out, value);
    return out.toUtf8();
}

QString DrawRecordTime(const QDateTime& time)
{
    const int offset = time.offsetFromUtc() / 60;
    return time.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss"))
           + QStringLiteral("%1%2:%3")
                 .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                 .arg(std::abs(offset) / 60, 2, 10, QLatin1Char('0'))
                 .arg(std::abs(offset) % 60, 2, 10, QLatin1Char('0'));
}

QString CanonicalDigest(const QByteArray& canonical)
{
    return QString::fromLatin1(Sha256(canonical).toHex());
}

QByteArray SealedRecordBytes(QJsonObject content)
{
    content.remove(QLatin1StringView(DigestKey));
    content[QLatin1StringView(DigestKey)] = CanonicalDigest(CanonicalJson(content));
    return QJsonDocument(content).toJson(QJsonDocument::Indented);
}

QJsonArray ResultsArray(const std::vector<DrawResult>& results)
{
    QJsonArray array;
    for (const DrawResult& result : results)
        array.append(QJsonObject{{QStringLiteral("hit"), result.Hit},
                                 {QStringLiteral("hitName"), result.HitName},
                                 {QStringLiteral("member"), result.Member},
                                 {QStringLiteral("memberName"), result.MemberName}});
    return array;
}

QByteArray DrawRecordBytes(const DrawRecord& record)
{
    return SealedRecordBytes(ContentObject(record));
}

void SaveDrawRecordBytes(const QString& path, const QByteArray& bytes)
{
    if (bytes.size() > MostDrawRecordBytes)
        throw FileError(CannotSave(), path, TooLarge().arg(MostDrawRecordBytes));
    ReplaceFileContent(path, bytes, CannotSave());
}

QByteArray ReadDrawRecordBytes(const QString& path)
{
    const auto file = OpenRegularFile(path, CannotOpen());
    const QByteArray content = file->read(MostDrawRecordBytes + 1);
    if (file->error() != QFileDevice::NoError)
        throw FileError(CannotOpen(), path, file->errorString());
    if (content.size() > MostDrawRecordBytes)
        throw FileError(CannotOpen(), path, TooLarge().arg(MostDrawRecordBytes));
    return content;
}

DrawRecord ReadDrawRecord(const QString& path)
{
    return ParseDrawRecord(ReadDrawRecordBytes(path), path);
}

DrawRecord ParseDrawRecord(const QByteArray& content, const QString& path)
{
    return ParseDrawRecord(ReadRecordJson(content, path), path);
}

StrictContent ReadRecordJson(const QByteArray& content, const QString& path)
{
    return StrictObject(Checker(CannotOpen(), Damaged(), Unexpected(), path), content, DrawRecordFormat, Foreign());
}

DrawRecord ParseDrawRecord(const StrictContent& content, const QString& path)
{
    const Checker check(CannotOpen(), Damaged(), Unexpected(), path);
    const JsonValue& object = content.Object;
    const JsonValue version = object.Value("formatVersion");
    if (version.IsNumber() && version.Number() > DrawRecordVersion)
        check.Fail(NewerFormat().arg(static_cast<double>(version.Number())).arg(DrawRecordVersion));
    check.Whole(version, QStringLiteral("formatVersion"), DrawRecordVersion, DrawRecordVersion);
    const QString digest = check.Digest(object.Value(DigestKey), QStringLiteral("sha256"));
    if (digest != CanonicalDigest(content.Canonical))
        throw AlteredRecord(CannotOpen(), path, Altered());
    return ReadRecordContent(check, object);
}

} // namespace quorvan
