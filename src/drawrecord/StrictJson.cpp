#include "drawrecord/StrictJson.h"

#include "drawrecord/DrawTexts.h"

#include <QJsonParseError>
#include <QString>

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

namespace quorvan {

namespace {

using namespace draw_texts;

// Reads a JSON text Qt has parsed already (so it is well-formed UTF-8),
// stopping at the first spelling the strict form refuses, and writes its
// canonical form as it goes. The nesting is as deep as Qt allowed.
class StrictReader {
public:
    explicit StrictReader(const QByteArray& text) : text_(text) { out_.reserve(static_cast<size_t>(text.size())); }

    StrictJson Read()
    {
        if (text_.startsWith("\xEF\xBB\xBF"))
            return {ByteOrderMark(), {}};
        Value();
        if (problem_)
            return {problem_, {}};
        return {std::nullopt, QByteArray::fromStdString(out_)};
    }

private:
    // One entry of an object: its key, and where its canonical "key":value is in out_.
    struct Member {
        std::string Key; // in UTF-8
        size_t From;
        size_t To;
    };

    bool Failed() const { return problem_.has_value(); }
    void Fail(const QString& words)
    {
        if (!problem_)
            problem_ = words;
    }
    char Peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
    // Most of an indented file: its indents eight spaces at a time, other blanks one by one.
    void SkipBlanks()
    {
        constexpr uint64_t blanks =
            (uint64_t{1} << ' ') | (uint64_t{1} << '\t') | (uint64_t{1} << '\n') | (uint64_t{1} << '\r');
        const char* const start = text_.constData();
        const char* const end = start + text_.size();
        const char* at = start + at_;
        while (at != end && static_cast<unsigned char>(*at) <= ' ' && ((blanks >> *at) & 1) != 0)
            at += end - at >= 8 && std::memcmp(at, "        ", 8) == 0 ? 8 : 1;
        at_ = at - start;
    }

    void Value()
    {
        SkipBlanks();
        if (Failed() || at_ >= text_.size())
            return;
        const char lead = Peek();
        if (lead == '{' || lead == '[') {
            ++depth_;
            lead == '{' ? Object() : Array();
            --depth_;
        } else if (lead == '"') {
            String(nullptr);
        } else if (lead == '-' || lead == '.' || (lead >= '0' && lead <= '9')) {
            Number(); // Qt also takes a number that begins with its point (".5")
        } else {
            const qsizetype start = at_;
            while (at_ < text_.size() && Peek() >= 'a' && Peek() <= 'z')
                ++at_; // true, false, null
            Write(start, at_);
        }
    }

    void Object()
    {
        ++at_;
        const bool outermost = depth_ == 1;
        out_ += '{';
        const size_t body = out_.size();
        std::vector<Member> members;
        // Keys come in order from Quorvan's files, so a key twice is the one
        // before it; once they do not, every key so far is looked up.
        bool ordered = true;
        bool digestLeftOut = false;
        std::unordered_set<std::string> keys;
        SkipBlanks();
        while (!Failed() && at_ < text_.size() && Peek() != '}') {
            const qsizetype keyAt = at_;
            if (!members.empty())
                out_ += ',';
            Member member{{}, out_.size(), 0};
            String(&member.Key);
            if (ordered && !members.empty() && !Before(members.back().Key, member.Key)) {
                ordered = false;
                for (const Member& earlier : members)
                    keys.insert(earlier.Key);
            }
            if (!ordered && !keys.insert(member.Key).second)
                Fail(DuplicateKey().arg(QString::fromStdString(member.Key), QString::number(keyAt)));
            out_ += ':';
            SkipBlanks();
            ++at_; // the colon
            Value();
            member.To = out_.size();
            digestLeftOut = digestLeftOut || (outermost && member.Key == DigestKey);
            members.push_back(std::move(member));
            SkipBlanks();
            if (Peek() == ',')
                ++at_;
            SkipBlanks();
        }
        ++at_;
        if (!Failed() && (!ordered || digestLeftOut))
            Reorder(body, members, outermost);
        out_ += '}';
    }

    // The members written from `body` on, again by their keys' UTF-16 code
    // units (as RFC 8785 sorts them), the digest's own left out of the outermost object.
    void Reorder(size_t body, std::vector<Member>& members, bool outermost)
    {
        const std::string written = out_.substr(body);
        out_.resize(body);
        std::sort(members.begin(), members.end(),
                  [](const Member& one, const Member& other) { return Before(one.Key, other.Key); });
        bool first = true;
        for (const Member& member : members) {
            if (outermost && member.Key == DigestKey)
                continue;
            if (!std::exchange(first, false))
                out_ += ',';
            out_.append(written, member.From - body, member.To - member.From);
        }
    }

    void Array()
    {
        ++at_;
        out_ += '[';
        bool first = true;
        SkipBlanks();
        while (!Failed() && at_ < text_.size() && Peek() != ']') {
            if (!std::exchange(first, false))
                out_ += ',';
            Value();
            SkipBlanks();
            if (Peek() == ',')
                ++at_;
            SkipBlanks();
        }
        ++at_;
        out_ += ']';
    }

    uint32_t Hex4()
    {
        bool hex = false;
        const uint32_t code = text_.mid(at_, 4).toUInt(&hex, 16);
        at_ += 4;
        return hex ? code : 0;
    }

    // The character a backslash and `escape` stand for (\" \\ \/ as themselves).
    static char32_t Escaped(char escape)
    {
        switch (escape) {
        case 'b': return u'\b';
        case 'f': return u'\f';
        case 'n': return u'\n';
        case 'r': return u'\r';
        case 't': return u'\t';
        default: return static_cast<unsigned char>(escape);
        }
    }

    // Whether the key `one` comes before `other` in the order of their UTF-16
    // code units (RFC 8785's), both in UTF-8: the order of their bytes, but
    // for characters beyond U+FFFF, whose surrogates come before U+E000 .. U+FFFF.
    static bool Before(const std::string& one, const std::string& other)
    {
        const auto [mine, theirs] = std::mismatch(one.begin(), one.end(), other.begin(), other.end());
        if (theirs == other.end())
            return false;
        if (mine == one.end())
            return true;
        const auto lead = static_cast<unsigned char>(*mine);
        const auto otherLead = static_cast<unsigned char>(*theirs);
        const auto beyond = [](unsigned char byte) { return byte >= 0xF0; };
        const auto highBmp = [](unsigned char byte) { return byte == 0xEE || byte == 0xEF; };
        if (beyond(lead) && highBmp(otherLead))
            return true;
        if (highBmp(lead) && beyond(otherLead))
            return false;
        return lead < otherLead;
    }

    // A character in UTF-8.
    static void AppendUtf8(std::string& out, char32_t code)
    {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    // One character of a text, as the canonical form writes it: escaped only where JSON needs it.
    void Canonical(char32_t code)
    {
        static constexpr char shortEscapes[] = "btnvfr"; // U+0008 .. U+000D; \v has none
        if (code == u'"' || code == u'\\') {
            out_ += '\\';
            out_ += static_cast<char>(code);
        } else if (code >= u'\b' && code <= u'\r' && code != u'\v') {
            out_ += '\\';
            out_ += shortEscapes[code - u'\b'];
        } else if (code < 0x20) {
            out_ += "\\u00";
            out_ += "0123456789abcdef"[code >> 4];
            out_ += "0123456789abcdef"[code & 15];
        } else {
            AppendUtf8(out_, code);
        }
    }

    // A text, written in its canonical form; `decoded`, when given, receives it in UTF-8.
    void String(std::string* decoded)
    {
        ++at_;
        out_ += '"';
        while (!Failed() && at_ < text_.size() && Peek() != '"') {
            const auto byte = static_cast<unsigned char>(Peek());
            if (byte < 0x20) {
                Fail(ControlCharacter().arg(QString::number(at_)));
            } else if (byte == '\\') {
                ++at_;
                const char escape = Peek();
                ++at_;
                if (std::string_view("\"\\/bfnrtu").find(escape) == std::string_view::npos) {
                    // Qt takes any character after a backslash as itself ("\A" for "A"); JSON does not.
                    QJsonParseError error;
                    error.error = QJsonParseError::IllegalEscapeSequence;
                    Fail(NotJson().arg(error.errorString(), QString::number(at_ - 2)));
                    continue;
                }
                if (escape != 'u') {
                    const char32_t code = Escaped(escape);
                    Canonical(code);
                    if (decoded)
                        AppendUtf8(*decoded, code);
                    continue;
                }
                const qsizetype escapeAt = at_ - 2;
                const uint32_t code = Hex4();
                if (code >= 0xD800 && code <= 0xDBFF && text_.mid(at_, 2) == "\\u") {
                    at_ += 2;
                    const uint32_t low = Hex4();
                    if (low >= 0xDC00 && low <= 0xDFFF) {
                        const char32_t pair = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                        Canonical(pair);
                        if (decoded)
                            AppendUtf8(*decoded, pair);
                        continue;
                    }
                }
                if (code >= 0xD800 && code <= 0xDFFF)
                    Fail(LoneSurrogate().arg(QString::number(escapeAt)));
                Canonical(code);
                if (decoded)
                    AppendUtf8(*decoded, code);
                continue;
            } else {
                // The plain characters up to the next quote, escape or control
                // character, at once: none of them needs escaping.
                qsizetype end = at_ + 1;
                while (end < text_.size() && text_[end] != '"' && text_[end] != '\\'
                       && static_cast<unsigned char>(text_[end]) >= 0x20)
                    ++end;
                Write(at_, end);
                if (decoded)
                    decoded->append(text_.constData() + at_, static_cast<size_t>(end - at_));
                at_ = end;
                continue;
            }
            ++at_;
        }
        ++at_;
        out_ += '"';
    }

    // A whole number written plainly, and no larger than a JSON number holds exactly.
    void Number()
    {
        const qsizetype start = at_;
        const bool negative = Peek() == '-';
        if (negative)
            ++at_;
        const qsizetype digits = at_;
        const auto digit = [](char character) { return character >= '0' && character <= '9'; };
        const auto spelled = [&](char character) {
            return digit(character) || character == '.' || character == 'e' || character == 'E' || character == '+'
                   || character == '-';
        };
        int64_t number = 0;
        for (; at_ < text_.size() && digit(Peek()); ++at_)
            number = std::min(number * 10 + (Peek() - '0'), MostExactWhole + 1);
        bool whole = at_ > digits;
        // A fraction or an exponent, spelled to its end.
        for (; at_ < text_.size() && spelled(Peek()); ++at_)
            whole = false;
        if (!whole || number > MostExactWhole || (negative && at_ == digits + 1 && text_[digits] == '0'))
            Fail(NotWhole().arg(QString::fromLatin1(text_.mid(start, at_ - start)), QString::number(start)));
        // JSON spells a whole number without leading zeros or a plus: as the canonical form does.
        Write(start, at_);
    }

    // The text from `start` to `end` as it is.
    void Write(qsizetype start, qsizetype end)
    {
        out_.append(text_.constData() + start, static_cast<size_t>(end - start));
    }

    const QByteArray& text_;
    qsizetype at_ = 0;
    int depth_ = 0;
    std::string out_;
    std::optional<QString> problem_;
};

} // namespace

StrictJson ReadStrictJson(const QByteArray& text)
{
    return StrictReader(text).Read();
}

} // namespace quorvan
