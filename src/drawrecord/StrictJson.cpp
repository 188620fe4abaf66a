#include "drawrecord/StrictJson.h"

#include "drawrecord/DrawTexts.h"

#include <QJsonParseError>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <unordered_set>
#include <utility>

namespace quorvan {

namespace {

using namespace draw_texts;
using Kind = JsonTree::Kind;

// As deep as Qt's JSON reader lets arrays and objects nest.
constexpr int DeepestNesting = 1024;

constexpr std::string_view Bom = "\xEF\xBB\xBF";

// Reads a JSON text in one pass: it stops where Qt's JSON reader would stop
// (at the same byte, for the same reason), notes the first spelling the
// strict form refuses, writes the canonical form and builds the tree as it goes.
class StrictReader {
public:
    explicit StrictReader(const QByteArray& text) : text_(text), end_(text.size())
    {
        out_.reserve(static_cast<size_t>(text.size()));
        tree_->Text = text;
    }

    StrictJson Read()
    {
        // Qt's reader passes over a byte order mark that something follows.
        if (end_ > 3 && text_.startsWith(Bom)) {
            Refuse(ByteOrderMark());
            at_ = 3;
        }
        const char token = NextToken();
        const bool read = token == '[' ? Array() : token == '{' ? Object() : Stop(QJsonParseError::IllegalValue);
        if (read && SkipBlanks())
            Stop(QJsonParseError::GarbageAtEnd);
        if (stopped_) {
            QJsonParseError error;
            error.error = *stopped_;
            return {NotJson().arg(error.errorString(), QString::number(stoppedAt_)), {}, {}};
        }
        if (problem_)
            return {problem_, {}, std::move(tree_)};
        tree_->AsWritten = true;
        return {std::nullopt, QByteArray::fromStdString(out_), std::move(tree_)};
    }

private:
    // One entry of an object: its key's node, and where its canonical "key":value is in out_.
    struct Member {
        uint32_t Key;
        size_t From;
        size_t To;
    };

    // Where Qt's reader stops: false, to be passed up.
    bool Stop(QJsonParseError::ParseError error)
    {
        stopped_ = error;
        stoppedAt_ = at_;
        return false;
    }
    // A spelling the strict form refuses: the first is told, once the whole text is JSON text.
    void Refuse(const QString& words)
    {
        if (!problem_)
            problem_ = words;
    }

    // Most of an indented file: its indents eight spaces at a time, other
    // blanks one by one. Whether anything follows them.
    bool SkipBlanks()
    {
        constexpr uint64_t blanks =
            (uint64_t{1} << ' ') | (uint64_t{1} << '\t') | (uint64_t{1} << '\n') | (uint64_t{1} << '\r');
        const char* const start = text_.constData();
        const char* const end = start + end_;
        const char* at = start + at_;
        while (at != end && static_cast<unsigned char>(*at) <= ' ' && ((blanks >> *at) & 1) != 0)
            at += end - at >= 8 && std::memcmp(at, "        ", 8) == 0 ? 8 : 1;
        at_ = at - start;
        return at_ < end_;
    }
    // The next character after blanks, taken: itself when it is one of JSON's
    // marks ([ ] { } : , "), else 0 (and 0, not taken, at the end).
    char NextToken()
    {
        if (!SkipBlanks())
            return 0;
        const char token = text_[at_++];
        return std::string_view("[]{}:,\"").find(token) == std::string_view::npos ? '\0' : token;
    }

    uint32_t NewNode(Kind kind, int64_t number = 0)
    {
        tree_->Nodes.push_back({kind, false, false, false, 0, 0, number});
        return static_cast<uint32_t>(tree_->Nodes.size() - 1);
    }
    // The children of `node` read since `mark`, as its range of the tree's children.
    void Adopt(uint32_t node, size_t mark, uint32_t size)
    {
        JsonTree::Node& parent = tree_->Nodes[node];
        parent.From = static_cast<uint32_t>(tree_->Children.size());
        parent.Size = size;
        tree_->Children.insert(tree_->Children.end(), pending_.begin() + static_cast<qsizetype>(mark), pending_.end());
        pending_.resize(mark);
    }
    std::string_view Written(uint32_t node) const { return tree_->Written(tree_->Nodes[node]); }

    // After the character that begins it.
    bool Value()
    {
        const char lead = text_[at_++];
        switch (lead) {
        case 'n': return Literal("ull", Kind::Null, 0);
        case 't': return Literal("rue", Kind::Bool, 1);
        case 'f': return Literal("alse", Kind::Bool, 0);
        case '"': return String();
        case '[': return Array();
        case '{': return Object();
        case ',': return Stop(QJsonParseError::IllegalValue);
        case ']':
        case '}': return Stop(QJsonParseError::MissingObject);
        default: --at_; return Number();
        }
    }

    // true, false or null after its first letter; Qt's reader wants a character after it.
    bool Literal(std::string_view rest, Kind kind, int64_t flag)
    {
        const qsizetype start = at_ - 1;
        if (end_ - at_ < static_cast<qsizetype>(rest.size()) + 1)
            return Stop(QJsonParseError::IllegalValue);
        for (const char letter : rest)
            if (text_[at_++] != letter)
                return Stop(QJsonParseError::IllegalValue);
        NewNode(kind, flag);
        Write(start, at_);
        return true;
    }

    // After its brace.
    bool Object()
    {
        if (++depth_ > DeepestNesting)
            return Stop(QJsonParseError::DeepNesting);
        const bool outermost = depth_ == 1;
        const uint32_t node = NewNode(Kind::Object);
        const size_t mark = pending_.size();
        out_ += '{';
        const size_t body = out_.size();
        std::vector<Member> members;
        // Keys come in order from Quorvan's files, so a key twice is the one
        // before it; once they do not, every key so far is looked up.
        bool ordered = true;
        bool digestLeftOut = false;
        std::unordered_set<std::string> keys; // copies: a key's bytes may move as later texts are decoded
        char token = NextToken();
        while (token == '"') {
            const qsizetype keyAt = at_ - 1;
            if (!members.empty())
                out_ += ',';
            Member member{static_cast<uint32_t>(tree_->Nodes.size()), out_.size(), 0};
            if (!String())
                return false;
            const std::string_view key = Written(member.Key);
            if (ordered && !members.empty() && !Before(Written(members.back().Key), key)) {
                ordered = false;
                for (const Member& earlier : members)
                    keys.emplace(Written(earlier.Key));
            }
            if (!ordered && !keys.emplace(key).second)
                Refuse(DuplicateKey().arg(QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())),
                                          QString::number(keyAt)));
            out_ += ':';
            if (NextToken() != ':')
                return Stop(QJsonParseError::MissingNameSeparator);
            if (!SkipBlanks())
                return Stop(QJsonParseError::UnterminatedObject);
            digestLeftOut = digestLeftOut || (outermost && key == DigestKey);
            pending_.push_back(member.Key);
            pending_.push_back(static_cast<uint32_t>(tree_->Nodes.size()));
            if (!Value())
                return false;
            member.To = out_.size();
            members.push_back(member);
            token = NextToken();
            if (token != ',')
                break;
            token = NextToken();
            if (token == '}')
                return Stop(QJsonParseError::MissingObject);
        }
        if (token != '}')
            return Stop(QJsonParseError::UnterminatedObject);
        --depth_;
        if (!ordered || digestLeftOut)
            Reorder(body, members, outermost);
        out_ += '}';
        Adopt(node, mark, static_cast<uint32_t>(members.size()));
        return true;
    }

    // The members written from `body` on, again by their keys' UTF-16 code
    // units (as RFC 8785 sorts them), the digest's own left out of the outermost object.
    void Reorder(size_t body, std::vector<Member>& members, bool outermost)
    {
        const std::string written = out_.substr(body);
        out_.resize(body);
        std::sort(members.begin(), members.end(),
                  [this](const Member& one, const Member& other) { return Before(Written(one.Key), Written(other.Key)); });
        bool first = true;
        for (const Member& member : members) {
            if (outermost && Written(member.Key) == DigestKey)
                continue;
            if (!std::exchange(first, false))
                out_ += ',';
            out_.append(written, member.From - body, member.To - member.From);
        }
    }

    // After its bracket.
    bool Array()
    {
        if (++depth_ > DeepestNesting)
            return Stop(QJsonParseError::DeepNesting);
        const uint32_t node = NewNode(Kind::Array);
        const size_t mark = pending_.size();
        out_ += '[';
        if (!SkipBlanks())
            return Stop(QJsonParseError::UnterminatedArray);
        if (text_[at_] == ']') {
            ++at_;
        } else {
            for (bool first = true;; first = false) {
                if (!SkipBlanks())
                    return Stop(QJsonParseError::UnterminatedArray);
                if (!first)
                    out_ += ',';
                pending_.push_back(static_cast<uint32_t>(tree_->Nodes.size()));
                if (!Value())
                    return false;
                const char token = NextToken();
                if (token == ']')
                    break;
                if (token != ',')
                    return Stop(SkipBlanks() ? QJsonParseError::MissingValueSeparator
                                             : QJsonParseError::UnterminatedArray);
            }
        }
        --depth_;
        out_ += ']';
        Adopt(node, mark, static_cast<uint32_t>(pending_.size() - mark));
        return true;
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
    static bool Before(std::string_view one, std::string_view other)
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

    // One character of a text, as the canonical form writes it: escaped only
    // where JSON needs it; and as the tree keeps it.
    void Character(char32_t code)
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
        AppendUtf8(tree_->Decoded, code);
    }

    // The bytes of one well-formed UTF-8 character beyond ASCII at at_, or 0:
    // no overlong form, no surrogate, nothing beyond U+10FFFF.
    qsizetype Utf8Length() const
    {
        const auto byte = [&](qsizetype at) { return at < end_ ? static_cast<unsigned char>(text_[at]) : 0; };
        const auto follows = [&](qsizetype at, int low = 0x80, int high = 0xBF) {
            return byte(at) >= low && byte(at) <= high;
        };
        const int lead = byte(at_);
        if (lead >= 0xC2 && lead <= 0xDF)
            return follows(at_ + 1) ? 2 : 0;
        if (lead >= 0xE0 && lead <= 0xEF) {
            const bool second = lead == 0xE0 ? follows(at_ + 1, 0xA0) : lead == 0xED ? follows(at_ + 1, 0x80, 0x9F)
                                                                                      : follows(at_ + 1);
            return second && follows(at_ + 2) ? 3 : 0;
        }
        if (lead >= 0xF0 && lead <= 0xF4) {
            const bool second = lead == 0xF0 ? follows(at_ + 1, 0x90) : lead == 0xF4 ? follows(at_ + 1, 0x80, 0x8F)
                                                                                      : follows(at_ + 1);
            return second && follows(at_ + 2) && follows(at_ + 3) ? 4 : 0;
        }
        return 0;
    }

    // \uXXXX after its u, as Qt's reader takes it: four hexadecimal digits.
    std::optional<char32_t> Hex4()
    {
        if (at_ > end_ - 4)
            return std::nullopt;
        char32_t code = 0;
        for (int digit = 0; digit < 4; ++digit, ++at_) {
            const char hex = text_[at_];
            const int value = hex >= '0' && hex <= '9'   ? hex - '0'
                              : hex >= 'a' && hex <= 'f' ? hex - 'a' + 10
                              : hex >= 'A' && hex <= 'F' ? hex - 'A' + 10
                                                         : -1;
            if (value < 0)
                return std::nullopt;
            code = code * 16 + static_cast<char32_t>(value);
        }
        return code;
    }

    // An escape, from its backslash at at_: what it stands for, written. Qt's
    // reader finds a text's first backslash last of all an unterminated text.
    bool Escape(bool first)
    {
        const qsizetype escapeAt = at_++;
        if (at_ >= end_)
            return Stop(first ? QJsonParseError::UnterminatedString : QJsonParseError::IllegalEscapeSequence);
        const char escape = text_[at_++];
        if (std::string_view("\"\\/bfnrtu").find(escape) == std::string_view::npos) {
            // Qt takes any byte after a backslash as itself ("\A" for "A"); JSON does not.
            QJsonParseError error;
            error.error = QJsonParseError::IllegalEscapeSequence;
            Refuse(NotJson().arg(error.errorString(), QString::number(escapeAt)));
            Character(Escaped(escape));
            return true;
        }
        if (escape != 'u') {
            Character(Escaped(escape));
            return true;
        }
        const std::optional<char32_t> code = Hex4();
        if (!code)
            return Stop(QJsonParseError::IllegalEscapeSequence);
        if (*code >= 0xD800 && *code <= 0xDBFF && text_.mid(at_, 2) == "\\u") {
            const qsizetype next = at_;
            at_ += 2;
            const std::optional<char32_t> low = Hex4();
            if (!low)
                return Stop(QJsonParseError::IllegalEscapeSequence);
            if (*low >= 0xDC00 && *low <= 0xDFFF) {
                Character(0x10000 + ((*code - 0xD800) << 10) + (*low - 0xDC00));
                return true;
            }
            at_ = next; // no pair: the next escape is a character of its own
        }
        if (*code >= 0xD800 && *code <= 0xDFFF)
            Refuse(LoneSurrogate().arg(QString::number(escapeAt)));
        Character(*code);
        return true;
    }

    // A text after its opening quote, written in its canonical form.
    bool String()
    {
        const uint32_t node = NewNode(Kind::String);
        const qsizetype start = at_;
        std::optional<size_t> decodedFrom; // from its first escape on, the text is decoded
        out_ += '"';
        while (at_ < end_ && text_[at_] != '"') {
            const auto byte = static_cast<unsigned char>(text_[at_]);
            if (byte == '\\') {
                const bool first = !decodedFrom;
                if (first) {
                    decodedFrom = tree_->Decoded.size();
                    tree_->Decoded.append(text_.constData() + start, static_cast<size_t>(at_ - start));
                }
                if (!Escape(first))
                    return false;
                continue;
            }
            // The characters up to the next quote, escape or control
            // character, at once: none of them needs escaping.
            const qsizetype from = at_;
            for (;;) {
                const auto next = at_ < end_ ? static_cast<unsigned char>(text_[at_]) : '"';
                if (next == '"' || next == '\\' || (next < 0x20 && at_ > from))
                    break;
                if (next < 0x20) {
                    Refuse(ControlCharacter().arg(QString::number(at_)));
                    ++at_;
                } else if (next < 0x80) {
                    ++at_;
                } else if (const qsizetype length = Utf8Length(); length > 0) {
                    at_ += length;
                } else {
                    return Stop(QJsonParseError::IllegalUTF8String);
                }
            }
            Write(from, at_);
            if (decodedFrom)
                tree_->Decoded.append(text_.constData() + from, static_cast<size_t>(at_ - from));
        }
        ++at_; // the closing quote, or past the end
        if (at_ >= end_)
            return Stop(QJsonParseError::UnterminatedString);
        out_ += '"';
        JsonTree::Node& text = tree_->Nodes[node];
        text.InDecoded = decodedFrom.has_value();
        text.From = static_cast<uint32_t>(decodedFrom.value_or(static_cast<size_t>(start)));
        text.Size = static_cast<uint32_t>(decodedFrom ? tree_->Decoded.size() - *decodedFrom
                                                      : static_cast<size_t>(at_ - 1 - start));
        // Qt reads a text without escapes as UTF-8 does, a byte order mark at
        // its start left out: so does the tree, the strict form keeping it.
        if (!text.InDecoded && tree_->AsQtReads(text).starts_with(Bom)) {
            text.AfterBom = true;
            text.From += Bom.size();
            text.Size -= Bom.size();
            tree_->BomLeftOut = true;
        }
        return true;
    }

    // A number, as far as Qt's reader takes it; in the strict form a whole
    // number written plainly, and no larger than a JSON number holds exactly.
    bool Number()
    {
        const qsizetype start = at_;
        const auto digit = [&]() { return at_ < end_ && text_[at_] >= '0' && text_[at_] <= '9'; };
        const auto take = [&](char one, char other = '\0') {
            const bool taken = at_ < end_ && (text_[at_] == one || (other != '\0' && text_[at_] == other));
            at_ += taken ? 1 : 0;
            return taken;
        };
        const bool negative = take('-');
        const qsizetype digits = at_;
        int64_t number = 0;
        if (!take('0'))
            for (; digit(); ++at_)
                number = std::min(number * 10 + (text_[at_] - '0'), MostExactWhole + 1);
        bool whole = at_ > digits;
        if (take('.')) {
            whole = false;
            while (digit())
                ++at_;
        }
        if (take('e', 'E')) {
            whole = false;
            take('-', '+');
            while (digit())
                ++at_;
        }
        if (at_ >= end_)
            return Stop(QJsonParseError::TerminationByNumber);
        const QByteArray spelled = QByteArray::fromRawData(text_.constData() + start, at_ - start);
        const bool plain = whole && number <= MostExactWhole;
        bool read = plain;
        const double value = plain ? 0 : spelled.toDouble(&read);
        if (!read)
            return Stop(QJsonParseError::IllegalNumber);
        if (!plain || (negative && number == 0))
            Refuse(NotWhole().arg(QString::fromLatin1(spelled), QString::number(start)));
        // Its value as Qt reads it, for the reader that does not keep the strict form.
        const bool fraction = !plain && (std::trunc(value) != value || std::fabs(value) > MostExactWhole);
        const uint32_t node = NewNode(Kind::Number, plain      ? (negative ? -number : number)
                                                    : fraction ? 0
                                                               : static_cast<int64_t>(value));
        tree_->Nodes[node].Fraction = fraction;
        // JSON spells a whole number without leading zeros or a plus: as the canonical form does.
        Write(start, at_);
        return true;
    }

    // The text from `start` to `end` as it is.
    void Write(qsizetype start, qsizetype end)
    {
        out_.append(text_.constData() + start, static_cast<size_t>(end - start));
    }

    const QByteArray& text_;
    const qsizetype end_;
    qsizetype at_ = 0;
    int depth_ = 0;
    std::string out_;
    std::unique_ptr<JsonTree> tree_ = std::make_unique<JsonTree>();
    std::vector<uint32_t> pending_; // the children of the arrays and objects being read
    std::optional<QJsonParseError::ParseError> stopped_;
    qsizetype stoppedAt_ = 0;
    std::optional<QString> problem_;
};

} // namespace

QString JsonValue::Unpaired(std::string_view text)
{
    QString string;
    string.reserve(static_cast<qsizetype>(text.size()));
    for (size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (size_t next = 1; next < length; ++next)
            code = (code << 6) | (static_cast<unsigned char>(text[at + next]) & 0x3F);
        if (code >= 0x10000) {
            string += QChar(QChar::highSurrogate(code));
            string += QChar(QChar::lowSurrogate(code));
        } else {
            string += QChar(static_cast<char16_t>(code));
        }
        at += length;
    }
    return string;
}

StrictJson ReadStrictJson(const QByteArray& text)
{
    return StrictReader(text).Read();
}

} // namespace quorvan
