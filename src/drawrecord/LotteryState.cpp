#include "drawrecord/LotteryState.h"

#include "drawrecord/DrawRecordFile.h"
#include "drawrecord/StrictJson.h"
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

int32_t Whole(const JsonValue& value, int32_t low, int32_t high)
{
    if (!value.IsWhole() || value.Number() < low || value.Number() > high)
        throw StateDamaged{};
    return static_cast<int32_t>(value.Number());
}

std::optional<int32_t> OptionalWhole(const JsonValue& value)
{
    if (value.IsNull())
        return std::nullopt;
    return Whole(value, 0, MostMembers);
}

bool Flag(const JsonValue& value)
{
    if (!value.IsBool())
        throw StateDamaged{};
    return value.Bool();
}

QStringList Texts(const JsonValue& value, int32_t size)
{
    if (!value.IsArray() || value.Size() != size)
        throw StateDamaged{};
    QStringList texts;
    for (qsizetype index = 0; index < value.Size(); ++index) {
        if (!value[index].IsString())
            throw StateDamaged{};
        texts.append(value[index].String());
    }
    return texts;
}

// Hit rows 1 .. `rows`; none where a state kept before them holds nothing.
std::vector<int32_t> Rows(const JsonValue& value, int32_t rows)
{
    if (value.IsUndefined())
        return {};
    if (!value.IsArray())
        throw StateDamaged{};
    std::vector<int32_t> numbers;
    for (qsizetype index = 0; index < value.Size(); ++index)
        numbers.push_back(Whole(value[index], 1, rows));
    return numbers;
}

// Texts of any number; none where a state kept before them holds nothing.
QStringList OptionalTexts(const JsonValue& value)
{
    return value.IsUndefined() ? QStringList() : Texts(value, static_cast<int32_t>(value.Size()));
}

QJsonArray RowsArray(const std::vector<int32_t>& rows)
{
    QJsonArray array;
    for (const int32_t row : rows)
        array.append(row);
    return array;
}

DrawEvent Event(const JsonValue& value, int32_t rows)
{
    try {
        return ReadDrawEvent(value, rows, {}, {});
    } catch (const FileError&) {
        throw StateDamaged{};
    }
}

LotteryState Read(const JsonValue& object)
{
    if (!object.IsObject() || object.Value("format").String() != Format || !object.Value("version").IsNumber()
        || object.Value("version").Number() != Version)
        throw StateDamaged{};
    LotteryState state;
    state.Rows = Whole(object.Value("rows"), 1, MostMembers);
    state.Count = Whole(object.Value("count"), 1, MostMembers);
    state.CrossLines = Flag(object.Value("crossLines"));
    state.FairDraw = Flag(object.Value("fairDraw"));
    state.Members = Texts(object.Value("members"), state.Rows);
    state.Hits = Texts(object.Value("hits"), state.Rows);
    state.MembersLoaded = OptionalWhole(object.Value("membersLoaded"));
    state.HitsLoaded = OptionalWhole(object.Value("hitsLoaded"));
    state.MemberShuffles = Whole(object.Value("memberShuffles"), 0, INT32_MAX);
    state.HitShuffles = Whole(object.Value("hitShuffles"), 0, INT32_MAX);
    const JsonValue history = object.Value("history");
    const std::vector<int32_t> ordered = RowsOrdered(history, state.Rows);
    for (qsizetype index = 0; index < history.Size(); ++index)
        state.History.push_back(Event(history[index], ordered[index]));
    const JsonValue built = object.Value("lastBuild");
    if (!built.IsNull()) {
        const DrawEvent build = Event(built.Value("build"), state.Rows);
        if (!built.IsObject() || !std::holds_alternative<BuildEvent>(build))
            throw StateDamaged{};
        const int32_t rows = std::get<BuildEvent>(build).Rows;
        state.LastBuild = BuiltDraw{std::get<BuildEvent>(build), Texts(built.Value("members"), rows),
                                    Texts(built.Value("hits"), rows)};
        if (rows > state.Rows)
            throw StateDamaged{};
    }
    state.ResultsShown = Flag(object.Value("resultsShown"));
    state.LitHit = Whole(object.Value("litHit"), 0, state.Count);
    state.Revealed = Rows(object.Value("revealed"), state.Count);
    state.RedPrizes = Rows(object.Value("redPrizes"), state.Count);
    state.ResultsSaved = Flag(object.Value("resultsSaved"));
    state.CountedHitLines = OptionalTexts(object.Value("countedHits"));
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
    // The state need not be in the strict form: Quorvan writes it with Qt's JSON writer.
    const StrictJson read = ReadStrictJson(content);
    if (!read.Tree)
        return std::nullopt;
    try {
        return Read(read.Root());
    } catch (const StateDamaged&) {
        return std::nullopt;
    }
}

} // namespace quorvan
