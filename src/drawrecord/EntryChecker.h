#pragma once
// Reading the entries of a JSON file with strict checks: the draw record's
// and the announcement's readers share them.

#include "drawrecord/DrawRecord.h"
#include "drawrecord/DrawTexts.h"
#include "drawrecord/StrictJson.h"
#include "files/FileError.h"
#include "ladder/Geometry.h"

#include <QDateTime>
#include <QStringList>
#include <QVarLengthArray>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace quorvan {

// What a record or an announcement may hold: a seed is 32 bits, a ladder at
// least two rows.
constexpr int64_t MostSeed = 4294967295;
constexpr int32_t FewestRows = 2;

// An entry's name as messages give it: "seed", "members[3]" or
// "results[3].hit", spelled out only when a message needs it.
class EntryName {
public:
    EntryName() = default;
    // NOLINTNEXTLINE(google-explicit-constructor): any text names an entry
    EntryName(const QString& name) : name_(name) {}
    EntryName(const QString& list, qsizetype index, const QString& key = {}) : name_(list), index_(index), key_(key) {}

    QString Text() const
    {
        const QString entry = index_ < 0 ? name_ : QStringLiteral("%1[%2]").arg(name_).arg(index_);
        return key_.isEmpty() ? entry : entry + QLatin1Char('.') + key_;
    }
    // The entry `key` of this object (the key alone in the outermost one, which has no name).
    QString Member(const QString& key) const
    {
        const QString entry = Text();
        return entry.isEmpty() ? key : entry + QLatin1Char('.') + key;
    }

private:
    QString name_;
    qsizetype index_ = -1;
    QString key_;
};

// Checks the entries of a JSON file read strictly, naming the first that is wrong
// in a FileError: `cannotOpen` the file's title, `damaged` (%1 the entry, %2
// what it should be) and `unexpected` (%1 the entry) the file's own words.
class Checker {
public:
    Checker(const QString& cannotOpen, const QString& damaged, const QString& unexpected, const QString& path)
        : cannotOpen_(cannotOpen), damaged_(damaged), unexpected_(unexpected), path_(path)
    {
    }

    [[noreturn]] void Fail(const QString& reason) const { throw FileError(cannotOpen_, path_, reason); }
    [[noreturn]] void Wrong(const EntryName& entry, const QString& should) const
    {
        Fail(damaged_.arg(entry.Text(), should));
    }

    // Every key of the object `entry` is one of `keys`.
    using Keys = QVarLengthArray<std::string_view, 16>;
    void OnlyKeys(const JsonValue& object, const Keys& keys, const EntryName& entry) const
    {
        Fields(object, keys, entry);
    }
    // The values of `keys` in the object `entry`, in their order (none where
    // it has none), every key of it being one of them: read in one pass. Of
    // keys it should not have, the first in the order of their UTF-16 code units is named.
    using FieldValues = QVarLengthArray<JsonValue, 16>;
    FieldValues Fields(const JsonValue& object, const Keys& keys, const EntryName& entry) const
    {
        FieldValues fields(keys.size());
        std::optional<QString> unexpected;
        for (qsizetype member = 0; member < object.Size(); ++member) {
            const std::string_view key = object.Key(member);
            const auto slot = std::find(keys.begin(), keys.end(), key);
            if (slot != keys.end()) {
                fields[slot - keys.begin()] = object.Member(member);
                continue;
            }
            const QString name = JsonValue::Text(key);
            if (!unexpected || name < *unexpected)
                unexpected = name;
        }
        if (unexpected)
            Fail(unexpected_.arg(entry.Member(*unexpected)));
        return fields;
    }

    int64_t Whole(const JsonValue& value, const EntryName& entry, int64_t low, int64_t high) const
    {
        if (!value.IsWhole() || value.Number() < low || value.Number() > high)
            Wrong(entry, draw_texts::WholeNumber().arg(low).arg(high));
        return value.Number();
    }
    bool Flag(const JsonValue& value, const EntryName& entry) const
    {
        if (!value.IsBool())
            Wrong(entry, draw_texts::TrueOrFalse());
        return value.Bool();
    }
    // No text of a record is longer than a name: the program writes no longer
    // one. An embedded document alone is as long as the file lets it be.
    QString Text(const JsonValue& value, const EntryName& entry) const
    {
        const QString text = Document(value, entry);
        if (text.size() > LongestName)
            Wrong(entry, draw_texts::ShortText().arg(LongestName));
        return text;
    }
    QString Document(const JsonValue& value, const EntryName& entry) const
    {
        if (!value.IsString())
            Wrong(entry, draw_texts::Text());
        return value.String();
    }
    // A name of the lists: one spelling for what looks the same.
    QString Name(const JsonValue& value, const EntryName& entry) const
    {
        const QString text = Text(value, entry);
        if (text.normalized(QString::NormalizationForm_C) != text)
            Wrong(entry, draw_texts::ComposedText());
        return text;
    }
    QString Time(const JsonValue& value, const EntryName& entry) const
    {
        const QString time = Text(value, entry);
        if (!TimeWithOffset(time) || !QDateTime::fromString(time, Qt::ISODateWithMs).isValid())
            Wrong(entry, draw_texts::TimeWithOffset());
        return time;
    }
    QString Choice(const JsonValue& value, const EntryName& entry, const QStringList& choices) const
    {
        const QString text = value.String();
        if (!value.IsString() || !choices.contains(text))
            Wrong(entry, draw_texts::OneOf().arg(choices.join(QStringLiteral(", "))));
        return text;
    }
    JsonValue Array(const JsonValue& value, const EntryName& entry, std::optional<qsizetype> size = {}) const
    {
        if (!value.IsArray() || (size && value.Size() != *size))
            Wrong(entry, size ? draw_texts::ListOf().arg(*size) : draw_texts::List());
        return value;
    }
    JsonValue Object(const JsonValue& value, const EntryName& entry) const
    {
        if (!value.IsObject())
            Wrong(entry, draw_texts::Object());
        return value;
    }
    QString Digest(const JsonValue& value, const EntryName& entry) const
    {
        const QString digest = value.String();
        const auto lowerHex = [](QChar character) {
            return (character >= u'0' && character <= u'9') || (character >= u'a' && character <= u'f');
        };
        if (!value.IsString() || digest.size() != 64 || !std::all_of(digest.begin(), digest.end(), lowerHex))
            Wrong(entry, draw_texts::Digest());
        return digest;
    }
    QStringList Texts(const JsonValue& value, const EntryName& entry, qsizetype size) const
    {
        QStringList texts;
        const JsonValue array = Array(value, entry, size);
        texts.reserve(array.Size());
        const QString list = entry.Text();
        for (qsizetype index = 0; index < array.Size(); ++index)
            texts.append(Name(array[index], EntryName(list, index)));
        return texts;
    }
    // Each row 1 .. rows once.
    std::vector<int32_t> Order(const JsonValue& value, const EntryName& entry, int32_t rows) const
    {
        std::vector<int32_t> order;
        std::vector<bool> seen(static_cast<size_t>(rows) + 1, false);
        const JsonValue array = Array(value, entry, rows);
        for (qsizetype index = 0; index < array.Size(); ++index) {
            const auto number = static_cast<int32_t>(Whole(array[index], entry, 1, rows));
            if (seen[number])
                Wrong(entry, draw_texts::Order());
            seen[number] = true;
            order.push_back(number);
        }
        return order;
    }
private:
    // Spelled as 2024-05-01T09:05:07, a fraction of a second or none, and
    // the offset from UTC (+09:00) or Z; each digit 0 .. 9.
    static bool TimeWithOffset(QStringView time)
    {
        const auto digit = [](QChar character) { return character >= u'0' && character <= u'9'; };
        // Takes `shape` from the front of the time, 9 standing for a digit.
        const auto spelled = [&](QStringView shape) {
            if (time.size() < shape.size())
                return false;
            for (qsizetype at = 0; at < shape.size(); ++at)
                if (shape[at] == u'9' ? !digit(time[at]) : time[at] != shape[at])
                    return false;
            time = time.sliced(shape.size());
            return true;
        };
        if (!spelled(u"9999-99-99T99:99:99"))
            return false;
        if (spelled(u".9"))
            time = time.sliced(std::find_if_not(time.begin(), time.end(), digit) - time.begin());
        return time == QStringView(u"Z") || ((spelled(u"+99:99") || spelled(u"-99:99")) && time.isEmpty());
    }

    QString cannotOpen_;
    QString damaged_;
    QString unexpected_;
    QString path_;
};

// The JSON object `content` holds, read strictly, whose "format" is
// `format`: anything else is refused, as `foreign` when it is no such object.
inline StrictContent StrictObject(const Checker& check, const QByteArray& content, const QString& format,
                                  const QString& foreign)
{
    StrictJson strict = ReadStrictJson(content);
    if (strict.Problem)
        check.Fail(*strict.Problem);
    const JsonValue object = strict.Root();
    if (!object.IsObject() || object.Value("format").String() != format)
        check.Fail(foreign);
    return {object, std::move(strict.Canonical), std::move(strict.Tree)};
}

// A record's results: one per hit row of `rows`, in order.
inline std::vector<DrawResult> ReadResults(const Checker& check, const JsonValue& value, int32_t rows)
{
    const QString list = QStringLiteral("results");
    const QString hit = QStringLiteral("hit");
    const QString hitName = QStringLiteral("hitName");
    const QString member = QStringLiteral("member");
    const QString memberName = QStringLiteral("memberName");
    const Checker::Keys keys{"hit", "hitName", "member", "memberName"};
    const JsonValue results = check.Array(value, list, rows);
    std::vector<DrawResult> read;
    read.reserve(static_cast<size_t>(rows));
    for (int32_t row = 1; row <= rows; ++row) {
        const EntryName entry(list, row - 1);
        const Checker::FieldValues fields = check.Fields(check.Object(results[row - 1], entry), keys, entry);
        read.push_back({static_cast<int32_t>(check.Whole(fields[0], EntryName(list, row - 1, hit), row, row)),
                        check.Name(fields[1], EntryName(list, row - 1, hitName)),
                        static_cast<int32_t>(check.Whole(fields[2], EntryName(list, row - 1, member), 1, rows)),
                        check.Name(fields[3], EntryName(list, row - 1, memberName))});
    }
    return read;
}

} // namespace quorvan
