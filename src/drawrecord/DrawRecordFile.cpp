#include "drawrecord/DrawRecordFile.h"

#include "drawrecord/DrawTexts.h"
#include "files/FileSaving.h"
#include "files/RegularFile.h"
#include "ladder/Geometry.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace quorvan {

namespace {

using namespace draw_texts;

constexpr int64_t MostSeed = 4294967295;
constexpr int32_t FewestRows = 2;

const QString MembersName = QStringLiteral("members");
const QString HitsName = QStringLiteral("hits");

// ---- The canonical form and the digest ----

void AppendCanonicalString(QString& out, const QString& text)
{
    out += QLatin1Char('"');
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
        // Records hold whole numbers only; anything else still gets one fixed form.
        if (std::trunc(number) == number && std::fabs(number) < 9007199254740992.0)
            out += QString::number(static_cast<qint64>(number));
        else
            out += QString::number(number, 'g', 17);
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
        // UTF-8 bytes sort as code points do.
        std::sort(keys.begin(), keys.end(),
                  [](const QString& a, const QString& b) { return a.toUtf8() < b.toUtf8(); });
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

// The digest of every entry but the digest itself.
QString ContentDigest(QJsonObject content)
{
    content.remove(QStringLiteral("sha256"));
    return QString::fromLatin1(
        QCryptographicHash::hash(CanonicalJson(content), QCryptographicHash::Sha256).toHex());
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
    } else {
        const auto& build = std::get<BuildEvent>(event);
        object[QStringLiteral("event")] = QStringLiteral("build");
        object[QStringLiteral("seed")] = static_cast<qint64>(build.Seed);
        object[QStringLiteral("rows")] = build.Rows;
        object[QStringLiteral("crossLines")] = build.CrossLines;
        object[QStringLiteral("fairDraw")] = build.FairDraw;
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
    QJsonArray results;
    for (const DrawResult& result : record.Results)
        results.append(QJsonObject{{QStringLiteral("hit"), result.Hit},
                                   {QStringLiteral("hitName"), result.HitName},
                                   {QStringLiteral("member"), result.Member},
                                   {QStringLiteral("memberName"), result.MemberName}});
    content[QStringLiteral("results")] = results;
    return content;
}

// ---- Reading ----

// Checks entries of a parsed record, naming the first that is wrong.
class Checker {
public:
    Checker(const QString& path, bool japanese) : path_(path), japanese_(japanese) {}

    [[noreturn]] void Fail(const QString& reason) const { throw FileError(CannotOpen, path_, Verbatim(reason)); }
    [[noreturn]] void Wrong(const QString& entry, const QString& should) const
    {
        Fail(Damaged.In(japanese_).arg(entry, should));
    }
    const QString& Say(const Words& words) const { return words.In(japanese_); }

    // Every key of `object` is one of `keys`.
    void OnlyKeys(const QJsonObject& object, const QStringList& keys, const QString& prefix) const
    {
        for (const QString& key : object.keys())
            if (!keys.contains(key))
                Fail(Unexpected.In(japanese_).arg(prefix + key));
    }

    int64_t Whole(const QJsonValue& value, const QString& entry, int64_t low, int64_t high) const
    {
        const double number = value.toDouble(std::nan(""));
        if (!value.isDouble() || std::trunc(number) != number || number < static_cast<double>(low)
            || number > static_cast<double>(high))
            Wrong(entry, Say(WholeNumber).arg(low).arg(high));
        return static_cast<int64_t>(number);
    }
    bool Flag(const QJsonValue& value, const QString& entry) const
    {
        if (!value.isBool())
            Wrong(entry, Say(TrueOrFalse));
        return value.toBool();
    }
    // No text of a record is longer than a name: the program writes no longer one.
    QString Text(const QJsonValue& value, const QString& entry) const
    {
        if (!value.isString())
            Wrong(entry, Say(draw_texts::Text));
        if (value.toString().size() > LongestName)
            Wrong(entry, Say(ShortText).arg(LongestName));
        return value.toString();
    }
    QString Choice(const QJsonValue& value, const QString& entry, const QStringList& choices) const
    {
        const QString text = value.toString();
        if (!value.isString() || !choices.contains(text))
            Wrong(entry, Say(OneOf).arg(choices.join(QStringLiteral(", "))));
        return text;
    }
    QJsonArray Array(const QJsonValue& value, const QString& entry, std::optional<qsizetype> size = {}) const
    {
        if (!value.isArray() || (size && value.toArray().size() != *size))
            Wrong(entry, size ? Say(ListOf).arg(*size) : Say(List));
        return value.toArray();
    }
    QJsonObject Object(const QJsonValue& value, const QString& entry) const
    {
        if (!value.isObject())
            Wrong(entry, Say(draw_texts::Object));
        return value.toObject();
    }
    QString Digest(const QJsonValue& value, const QString& entry) const
    {
        static const QRegularExpression hex(QStringLiteral("^[0-9a-f]{64}$"));
        if (!value.isString() || !hex.match(value.toString()).hasMatch())
            Wrong(entry, Say(draw_texts::Digest));
        return value.toString();
    }
    QStringList Texts(const QJsonValue& value, const QString& entry, qsizetype size) const
    {
        QStringList texts;
        const QJsonArray array = Array(value, entry, size);
        for (qsizetype index = 0; index < array.size(); ++index)
            texts.append(Text(array[index], QStringLiteral("%1[%2]").arg(entry).arg(index)));
        return texts;
    }
    // Each row 1 .. rows once.
    std::vector<int32_t> Order(const QJsonValue& value, const QString& entry, int32_t rows) const
    {
        std::vector<int32_t> order;
        std::vector<bool> seen(static_cast<size_t>(rows) + 1, false);
        for (const QJsonValue& row : Array(value, entry, rows)) {
            const auto number = static_cast<int32_t>(Whole(row, entry, 1, rows));
            if (seen[number])
                Wrong(entry, Say(draw_texts::Order));
            seen[number] = true;
            order.push_back(number);
        }
        return order;
    }
    DrawColumn Column(const QJsonValue& value, const QString& entry) const
    {
        return Choice(value, entry, {MembersName, HitsName}) == MembersName ? DrawColumn::Members : DrawColumn::Hits;
    }

private:
    QString path_;
    bool japanese_;
};

DrawEvent ReadEvent(const Checker& check, const QJsonValue& value, const QString& entry, int32_t rows)
{
    const QJsonObject event = check.Object(value, entry);
    const QString prefix = entry + QLatin1Char('.');
    const QString kind = check.Choice(event.value(QStringLiteral("event")), prefix + QStringLiteral("event"),
                                      {QStringLiteral("load"), QStringLiteral("shuffle"), QStringLiteral("build")});
    const auto field = [&](const char* key) { return event.value(QLatin1String(key)); };
    const auto name = [&](const char* key) { return prefix + QLatin1String(key); };
    if (kind == QLatin1String("load")) {
        check.OnlyKeys(event, {QStringLiteral("event"), QStringLiteral("column"), QStringLiteral("count")}, prefix);
        return LoadEvent{check.Column(field("column"), name("column")),
                         static_cast<int32_t>(check.Whole(field("count"), name("count"), 0, MostMembers))};
    }
    if (kind == QLatin1String("shuffle")) {
        ShuffleEvent shuffle;
        shuffle.Column = check.Column(field("column"), name("column"));
        shuffle.Fair = check.Choice(field("kind"), name("kind"), {QStringLiteral("program"), QStringLiteral("fair")})
                       == QLatin1String("fair");
        QStringList keys{QStringLiteral("event"), QStringLiteral("column"), QStringLiteral("kind"),
                         QStringLiteral("order")};
        if (!shuffle.Fair) {
            keys.append(QStringLiteral("seed"));
            shuffle.Seed = static_cast<uint32_t>(check.Whole(field("seed"), name("seed"), 0, MostSeed));
        }
        check.OnlyKeys(event, keys, prefix);
        shuffle.Order = check.Order(field("order"), name("order"), rows);
        return shuffle;
    }
    check.OnlyKeys(event,
                   {QStringLiteral("event"), QStringLiteral("seed"), QStringLiteral("rows"),
                    QStringLiteral("crossLines"), QStringLiteral("fairDraw")},
                   prefix);
    return BuildEvent{static_cast<uint32_t>(check.Whole(field("seed"), name("seed"), 0, MostSeed)),
                      static_cast<int32_t>(check.Whole(field("rows"), name("rows"), FewestRows, MostMembers)),
                      check.Flag(field("crossLines"), name("crossLines")),
                      check.Flag(field("fairDraw"), name("fairDraw"))};
}

DrawRecord ReadContent(const Checker& check, const QJsonObject& content)
{
    check.OnlyKeys(content,
                   {QStringLiteral("format"), QStringLiteral("formatVersion"), QStringLiteral("program"),
                    QStringLiteral("programVersion"), QStringLiteral("time"), QStringLiteral("rows"),
                    QStringLiteral("crossLines"), QStringLiteral("fairDraw"), QStringLiteral("seed"), MembersName,
                    HitsName, QStringLiteral("history"), QStringLiteral("ladder"), QStringLiteral("results"),
                    QStringLiteral("sha256")},
                   {});
    const auto field = [&](const char* key) { return content.value(QLatin1String(key)); };
    DrawRecord record;
    check.Text(field("program"), QStringLiteral("program"));
    record.ProgramVersion = check.Text(field("programVersion"), QStringLiteral("programVersion"));
    record.Time = check.Text(field("time"), QStringLiteral("time"));
    static const QRegularExpression withOffset(
        QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d(\\.\\d+)?([+-]\\d\\d:\\d\\d|Z)$"));
    if (!withOffset.match(record.Time).hasMatch() || !QDateTime::fromString(record.Time, Qt::ISODateWithMs).isValid())
        check.Wrong(QStringLiteral("time"), check.Say(TimeWithOffset));

    BuildEvent& build = record.Draw.Build;
    build.Rows = static_cast<int32_t>(check.Whole(field("rows"), QStringLiteral("rows"), FewestRows, MostMembers));
    build.CrossLines = check.Flag(field("crossLines"), QStringLiteral("crossLines"));
    build.FairDraw = check.Flag(field("fairDraw"), QStringLiteral("fairDraw"));
    build.Seed = static_cast<uint32_t>(check.Whole(field("seed"), QStringLiteral("seed"), 0, MostSeed));
    record.Draw.Members = check.Texts(content.value(MembersName), MembersName, build.Rows);
    record.Draw.Hits = check.Texts(content.value(HitsName), HitsName, build.Rows);

    const QJsonArray history = check.Array(field("history"), QStringLiteral("history"));
    for (qsizetype index = 0; index < history.size(); ++index)
        record.History.push_back(
            ReadEvent(check, history[index], QStringLiteral("history[%1]").arg(index), build.Rows));
    const auto lastBuild = std::find_if(record.History.rbegin(), record.History.rend(),
                                        [](const DrawEvent& event) { return std::holds_alternative<BuildEvent>(event); });
    if (lastBuild == record.History.rend() || std::get<BuildEvent>(*lastBuild) != build)
        check.Fail(check.Say(LastBuildDiffers));

    record.LadderDigest = check.Digest(field("ladder"), QStringLiteral("ladder"));
    const QJsonArray results = check.Array(field("results"), QStringLiteral("results"), build.Rows);
    for (int32_t row = 1; row <= build.Rows; ++row) {
        const QString entry = QStringLiteral("results[%1]").arg(row - 1);
        const QJsonObject result = check.Object(results[row - 1], entry);
        const QString prefix = entry + QLatin1Char('.');
        check.OnlyKeys(result,
                       {QStringLiteral("hit"), QStringLiteral("hitName"), QStringLiteral("member"),
                        QStringLiteral("memberName")},
                       prefix);
        record.Results.push_back(
            {static_cast<int32_t>(check.Whole(result.value(QStringLiteral("hit")), prefix + QStringLiteral("hit"), row, row)),
             check.Text(result.value(QStringLiteral("hitName")), prefix + QStringLiteral("hitName")),
             static_cast<int32_t>(check.Whole(result.value(QStringLiteral("member")), prefix + QStringLiteral("member"),
                                              1, build.Rows)),
             check.Text(result.value(QStringLiteral("memberName")), prefix + QStringLiteral("memberName"))});
    }
    return record;
}

} // namespace

DrawEvent ReadDrawEvent(const QJsonValue& value, int32_t rows, const QString& path, const QString& entry, bool japanese)
{
    return ReadEvent(Checker(path, japanese), value, entry, rows);
}

QByteArray CanonicalJson(const QJsonValue& value)
{
    QString out;
    AppendCanonical(out, value);
    return out.toUtf8();
}

QByteArray DrawRecordBytes(const DrawRecord& record)
{
    QJsonObject content = ContentObject(record);
    content[QStringLiteral("sha256")] = ContentDigest(content);
    return QJsonDocument(content).toJson(QJsonDocument::Indented);
}

void SaveDrawRecord(const QString& path, const DrawRecord& record, bool japanese)
{
    const QByteArray bytes = DrawRecordBytes(record);
    if (bytes.size() > MostDrawRecordBytes)
        throw FileError(CannotSave, path, Verbatim(TooLarge.In(japanese).arg(MostDrawRecordBytes)));
    ReplaceFileContent(path, bytes, CannotSave);
}

DrawRecord ReadDrawRecord(const QString& path, bool japanese)
{
    const auto file = OpenRegularFile(path, CannotOpen);
    const QByteArray content = file->read(MostDrawRecordBytes + 1);
    if (file->error() != QFileDevice::NoError)
        throw FileError(CannotOpen, path, Verbatim(file->errorString()));
    if (content.size() > MostDrawRecordBytes)
        throw FileError(CannotOpen, path, Verbatim(TooLarge.In(japanese).arg(MostDrawRecordBytes)));
    return ParseDrawRecord(content, path, japanese);
}

DrawRecord ParseDrawRecord(const QByteArray& content, const QString& path, bool japanese)
{
    const Checker check(path, japanese);
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(content, &error);
    if (error.error != QJsonParseError::NoError)
        check.Fail(check.Say(NotJson).arg(error.errorString()).arg(error.offset));
    const QJsonObject object = document.object();
    if (!document.isObject() || object.value(QStringLiteral("format")) != DrawRecordFormat)
        check.Fail(check.Say(Foreign));
    const QJsonValue version = object.value(QStringLiteral("formatVersion"));
    if (version.isDouble() && version.toDouble() > DrawRecordVersion)
        check.Fail(check.Say(NewerFormat).arg(version.toDouble()).arg(DrawRecordVersion));
    check.Whole(version, QStringLiteral("formatVersion"), DrawRecordVersion, DrawRecordVersion);
    const QString digest = check.Digest(object.value(QStringLiteral("sha256")), QStringLiteral("sha256"));
    if (digest != ContentDigest(object))
        throw AlteredRecord(CannotOpen, path, Altered);
    return ReadContent(check, object);
}

} // namespace quorvan
