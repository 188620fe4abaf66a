#include "drawrecord/StrictJson.h"

#include "drawrecord/DrawTexts.h"

#include <QSet>
#include <QString>

namespace quorvan {

namespace {

using namespace draw_texts;

// Reads a JSON text Qt has parsed already (so it is well-formed UTF-8),
// stopping at the first spelling the strict form refuses. The nesting is as
// deep as Qt allowed.
class StrictReader {
public:
    explicit StrictReader(const QByteArray& text) : text_(text) {}

    std::optional<QString> Problem()
    {
        if (text_.startsWith("\xEF\xBB\xBF"))
            return ByteOrderMark();
        Value();
        return problem_;
    }

private:
    bool Failed() const { return problem_.has_value(); }
    void Fail(const QString& words)
    {
        if (!problem_)
            problem_ = words;
    }
    char Peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
    void SkipBlanks()
    {
        while (at_ < text_.size() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r'))
            ++at_;
    }

    void Value()
    {
        SkipBlanks();
        if (Failed() || at_ >= text_.size())
            return;
        const char lead = Peek();
        if (lead == '{')
            Object();
        else if (lead == '[')
            Array();
        else if (lead == '"')
            String();
        else if (lead == '-' || (lead >= '0' && lead <= '9'))
            Number();
        else
            while (at_ < text_.size() && Peek() >= 'a' && Peek() <= 'z')
                ++at_; // true, false, null
    }

    void Object()
    {
        ++at_;
        QSet<QString> keys;
        SkipBlanks();
        while (!Failed() && at_ < text_.size() && Peek() != '}') {
            const qsizetype keyAt = at_;
            const QString key = String();
            if (keys.contains(key))
                Fail(DuplicateKey().arg(key, QString::number(keyAt)));
            keys.insert(key);
            SkipBlanks();
            ++at_; // the colon
            Value();
            SkipBlanks();
            if (Peek() == ',')
                ++at_;
            SkipBlanks();
        }
        ++at_;
    }

    void Array()
    {
        ++at_;
        SkipBlanks();
        while (!Failed() && at_ < text_.size() && Peek() != ']') {
            Value();
            SkipBlanks();
            if (Peek() == ',')
                ++at_;
            SkipBlanks();
        }
        ++at_;
    }

    uint32_t Hex4()
    {
        bool hex = false;
        const uint32_t code = text_.mid(at_, 4).toUInt(&hex, 16);
        at_ += 4;
        return hex ? code : 0;
    }

    QString String()
    {
        QString text;
        ++at_;
        while (!Failed() && at_ < text_.size() && Peek() != '"') {
            const auto byte = static_cast<unsigned char>(Peek());
            if (byte < 0x20) {
                Fail(ControlCharacter().arg(QString::number(at_)));
            } else if (byte == '\\') {
                ++at_;
                const char escape = Peek();
                ++at_;
                if (escape != 'u') {
                    text += QLatin1Char(escape);
                    continue;
                }
                const qsizetype escapeAt = at_ - 2;
                const uint32_t code = Hex4();
                if (code >= 0xD800 && code <= 0xDBFF && text_.mid(at_, 2) == "\\u") {
                    at_ += 2;
                    const uint32_t low = Hex4();
                    if (low >= 0xDC00 && low <= 0xDFFF) {
                        text += QChar::fromUcs4(0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00));
                        continue;
                    }
                }
                if (code >= 0xD800 && code <= 0xDFFF)
                    Fail(LoneSurrogate().arg(QString::number(escapeAt)));
                text += QChar(static_cast<char16_t>(code));
                continue;
            } else {
                // The plain characters up to the next quote, escape or control character, at once.
                qsizetype end = at_ + 1;
                while (end < text_.size() && text_[end] != '"' && text_[end] != '\\'
                       && static_cast<unsigned char>(text_[end]) >= 0x20)
                    ++end;
                text += QString::fromUtf8(QByteArrayView(text_).sliced(at_, end - at_));
                at_ = end;
                continue;
            }
            ++at_;
        }
        ++at_;
        return text;
    }

    void Number()
    {
        const qsizetype start = at_;
        if (Peek() == '-')
            ++at_;
        while (at_ < text_.size() && QByteArrayView("0123456789.eE+-").contains(Peek()))
            ++at_;
        const QByteArray spelling = text_.mid(start, at_ - start);
        bool whole = false;
        const qlonglong number = spelling.toLongLong(&whole);
        if (!whole || spelling.contains('.') || spelling.contains('e') || spelling.contains('E')
            || spelling == "-0" || spelling.startsWith('+') || number > MostExactWhole || number < -MostExactWhole)
            Fail(NotWhole().arg(QString::fromLatin1(spelling), QString::number(start)));
    }

    const QByteArray& text_;
    qsizetype at_ = 0;
    std::optional<QString> problem_;
};

} // namespace

std::optional<QString> StrictJsonProblem(const QByteArray& text)
{
    return StrictReader(text).Problem();
}

} // namespace quorvan
