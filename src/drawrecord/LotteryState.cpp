#include "drawrecord/LotteryState.h"

#include "drawrecord/DrawRecordFile.h"
#include "ladder/Geometry.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace quorvan {

namespace {

const QString Format = QStringLiteral("quorvan-lottery-state");
constexpr int Version = 1;

QJsonValue OptionalNumber(const std::optional<int32_t>& number)
{
    return number ? QJsonValue(*number) : QJsonValue();
}

QJsonArray Events(const std::vector<DrawEvent>& events)
{
    QJsonArray array;
    for (const DrawEvent& event : events)
        array.append(DrawEventObject(event));
    return array;
}

// What a damaged file gives: no state.
struct StateDamaged {};

int32_t Whole(const QJsonValue& value, int32_t low, int32_t high)
{
    const double number = value.toDouble(-1);
    if (!value.isDouble() || number != static_cast<int32_t>(number) || number < low || number > high)
        throw StateDamaged{};
    return static_cast<int32_t>(number);
}

std::optional<int32_t> OptionalWhole(const QJsonValue& value)
{
    if (value.isNull())
        return std::nullopt;
    return Whole(value, 0, MostMembers);
}

bool Flag(const QJsonValue& value)
{
    if (!value.isBool())
        throw StateDamaged{};
    return value.toBool();
}

QStringList Texts(const QJsonValue& value, int32_t size)
{
    const QJsonArray array = value.toArray();
    if (!value.isArray() || array.size() != size)
        throw StateDamaged{};
    QStringList texts;
    for (const QJsonValue& text : array) {
        if (!text.isString())
            throw StateDamaged{};
        texts.append(text.toString());
    }
    return texts;
}

// Hit rows 1 .. `rows`; none where a state kept before them holds nothing.
std::vector<int32_t> Rows(const QJsonValue& value, int32_t rows)
{
    if (value.isUndefined())
        return {};
    if (!value.isArray())
        throw StateDamaged{};
    std::vector<int32_t> numbers;
    for (const QJsonValue& number : value.toArray())
        numbers.push_back(Whole(number, 1, rows));
    return numbers;
}

// Texts of any number; none where a state kept before them holds nothing.
QStringList OptionalTexts(const QJsonValue& value)
{
    return value.isUndefined() ? QStringList() : Texts(value, static_cast<int32_t>(value.toArray().size()));
}

QJsonArray RowsArray(const std::vector<int32_t>& rows)
{
    QJsonArray array;
    for (const int32_t row : rows)
        array.append(row);
    return array;
}

DrawEvent Event(const QJsonValue& value, int32_t rows)
{
    try {
        return ReadDrawEvent(value, rows, {}, {});
    } catch (const FileError&) {
        throw StateDamaged{};
    }
}

LotteryState Read(const QJsonObject& object)
{
    if (object.value(QStringLiteral("format")) != Format || object.value(QStringLiteral("version")) != Version)
        throw StateDamaged{};
    LotteryState state;
    state.Rows = Whole(object.value(QStringLiteral("rows")), 1, MostMembers);
    state.Count = Whole(object.value(QStringLiteral("count")), 1, MostMembers);
    state.CrossLines = Flag(object.value(QStringLiteral("crossLines")));
    state.FairDraw = Flag(object.value(QStringLiteral("fairDraw")));
    state.Members = Texts(object.value(QStringLiteral("members")), state.Rows);
    state.Hits = Texts(object.value(QStringLiteral("hits")), state.Rows);
    state.MembersLoaded = OptionalWhole(object.value(QStringLiteral("membersLoaded")));
    state.HitsLoaded = OptionalWhole(object.value(QStringLiteral("hitsLoaded")));
    state.MemberShuffles = Whole(object.value(QStringLiteral("memberShuffles")), 0, INT32_MAX);
    state.HitShuffles = Whole(object.value(QStringLiteral("hitShuffles")), 0, INT32_MAX);
    const QJsonArray history = object.value(QStringLiteral("history")).toArray();
    const std::vector<int32_t> ordered = RowsOrdered(history, state.Rows);
    for (qsizetype index = 0; index < history.size(); ++index)
        state.History.push_back(Event(history[index], ordered[index]));
    const QJsonValue built = object.value(QStringLiteral("lastBuild"));
    if (!built.isNull()) {
        const QJsonObject draw = built.toObject();
        const DrawEvent build = Event(draw.value(QStringLiteral("build")), state.Rows);
        if (!built.isObject() || !std::holds_alternative<BuildEvent>(build))
            throw StateDamaged{};
        const int32_t rows = std::get<BuildEvent>(build).Rows;
        state.LastBuild = BuiltDraw{std::get<BuildEvent>(build), Texts(draw.value(QStringLiteral("members")), rows),
                                    Texts(draw.value(QStringLiteral("hits")), rows)};
        if (rows > state.Rows)
            throw StateDamaged{};
    }
    state.ResultsShown = Flag(object.value(QStringLiteral("resultsShown")));
    state.LitHit = Whole(object.value(QStringLiteral("litHit")), 0, state.Count);
    state.Revealed = Rows(object.value(QStringLiteral("revealed")), state.Count);
    state.RedPrizes = Rows(object.value(QStringLiteral("redPrizes")), state.Count);
    state.ResultsSaved = Flag(object.value(QStringLiteral("resultsSaved")));
    state.CountedHitLines = OptionalTexts(object.value(QStringLiteral("countedHits")));
    return state;
}

} // namespace

QByteArray LotteryStateBytes(const LotteryState& state)
{
    QJsonObject object;
    object[QStringLiteral("format")] = Format;
    object[QStringLiteral("version")] = Version;
    object[QStringLiteral("rows")] = state.Rows;
    object[QStringLiteral("count")] = state.Count;
    object[QStringLiteral("crossLines")] = state.CrossLines;
    object[QStringLiteral("fairDraw")] = state.FairDraw;
    object[QStringLiteral("members")] = QJsonArray::fromStringList(state.Members);
    object[QStringLiteral("hits")] = QJsonArray::fromStringList(state.Hits);
    object[QStringLiteral("membersLoaded")] = OptionalNumber(state.MembersLoaded);
    object[QStringLiteral("hitsLoaded")] = OptionalNumber(state.HitsLoaded);
    object[QStringLiteral("memberShuffles")] = state.MemberShuffles;
    object[QStringLiteral("hitShuffles")] = state.HitShuffles;
    object[QStringLiteral("history")] = Events(state.History);
    if (state.LastBuild)
        object[QStringLiteral("lastBuild")] =
            QJsonObject{{QStringLiteral("build"), DrawEventObject(state.LastBuild->Build)},
                        {QStringLiteral("members"), QJsonArray::fromStringList(state.LastBuild->Members)},
                        {QStringLiteral("hits"), QJsonArray::fromStringList(state.LastBuild->Hits)}};
    else
        object[QStringLiteral("lastBuild")] = QJsonValue();
    object[QStringLiteral("resultsShown")] = state.ResultsShown;
    object[QStringLiteral("litHit")] = state.LitHit;
    object[QStringLiteral("revealed")] = RowsArray(state.Revealed);
    object[QStringLiteral("redPrizes")] = RowsArray(state.RedPrizes);
    object[QStringLiteral("resultsSaved")] = state.ResultsSaved;
    object[QStringLiteral("countedHits")] = QJsonArray::fromStringList(state.CountedHitLines);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<LotteryState> ParseLotteryState(const QByteArray& content)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(content, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    try {
        return Read(document.object());
    } catch (const StateDamaged&) {
        return std::nullopt;
    }
}

} // namespace quorvan
