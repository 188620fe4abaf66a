#pragma once
// The one reader of the JSON texts Quorvan keeps (records, announcements, the
// lottery's state): it refuses what is not JSON text with the words and at
// the byte Qt's JSON reader would, refuses what JSON lets through but would
// give two texts one meaning, or one text two meanings, writes the one
// spelling a digest is taken over, and keeps the values as a light tree the
// files' readers walk.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvan {

// The largest whole number a JSON number holds exactly (2^53 - 1).
constexpr int64_t MostExactWhole = 9007199254740991;

// The key a record's digest is kept under, left out of what it is taken over.
inline constexpr char DigestKey[] = "sha256";

class JsonValue;

// The values of one JSON text, each a node: an array's or an object's
// children are a range of Children (an object's as key, value, key, value
// ...), a text a range of the text itself or, where it has escapes, of Decoded.
class JsonTree {
public:
    enum class Kind : uint8_t { Null, Bool, Number, String, Array, Object };
    struct Node {
        Kind Type;
        bool InDecoded; // a text: in Decoded rather than in Text
        bool AfterBom;  // a text: after the byte order mark it begins with
        bool Fraction;  // a number that is not whole (only where the strict form is not kept)
        uint32_t From;  // a text: its first byte; an array or object: its first child in Children
        uint32_t Size;  // a text: its bytes; an array: its elements; an object: its members
        int64_t Number; // a number (whole), or a flag (0, 1)
    };

    QByteArray Text;
    std::string Decoded; // the texts with escapes, in UTF-8
    std::vector<Node> Nodes; // the outermost value first
    std::vector<uint32_t> Children;
    bool BomLeftOut = false; // a text without escapes began with a byte order mark
    // In the strict form a text is what it spells, a byte order mark at its
    // start kept; otherwise it is read as Qt's reader reads it, without.
    bool AsWritten = false;

    std::string_view Utf8(const Node& node) const { return AsWritten ? Written(node) : AsQtReads(node); }
    // A text as written, a byte order mark at its start kept.
    std::string_view Written(const Node& node) const
    {
        return node.AfterBom ? std::string_view(Text.constData() + node.From - 3, node.Size + 3) : AsQtReads(node);
    }
    std::string_view AsQtReads(const Node& node) const
    {
        return node.InDecoded ? std::string_view(Decoded).substr(node.From, node.Size)
                              : std::string_view(Text.constData() + node.From, node.Size);
    }
};

// A value of a JsonTree, or none (as an object's entry that is not there).
// Asked for what it is not, it answers as for none: no text, no elements, no members.
class JsonValue {
public:
    JsonValue() = default;
    JsonValue(const JsonTree* tree, uint32_t node) : tree_(tree), node_(tree ? &tree->Nodes[node] : nullptr) {}

    bool IsUndefined() const { return node_ == nullptr; }
    bool IsNull() const { return Is(JsonTree::Kind::Null); }
    bool IsBool() const { return Is(JsonTree::Kind::Bool); }
    bool IsNumber() const { return Is(JsonTree::Kind::Number); }
    bool IsString() const { return Is(JsonTree::Kind::String); }
    bool IsArray() const { return Is(JsonTree::Kind::Array); }
    bool IsObject() const { return Is(JsonTree::Kind::Object); }

    bool Bool() const { return IsBool() && node_->Number != 0; }
    bool IsWhole() const { return IsNumber() && !node_->Fraction; }
    // A whole number (any other only where the strict form is not kept).
    int64_t Number() const { return IsWhole() ? node_->Number : 0; }
    std::string_view Utf8() const { return IsString() ? tree_->Utf8(*node_) : std::string_view(); }
    QString String() const
    {
        const std::string_view text = Utf8();
        if (node_ && node_->InDecoded && text.find('\xED') != std::string_view::npos)
            return Unpaired(text);
        return Text(text);
    }
    // UTF-8 as a QString, every character kept (fromUtf8 leaves out a byte order mark at the start).
    static QString Text(std::string_view text)
    {
        QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        if (text.starts_with("\xEF\xBB\xBF"))
            string.prepend(QChar(0xFEFF));
        return string;
    }
    bool IsText(std::string_view text) const { return IsString() && Utf8() == text; }

    // An array's elements, an object's members.
    qsizetype Size() const { return IsArray() || IsObject() ? node_->Size : 0; }
    JsonValue operator[](qsizetype index) const
    {
        return IsArray() && index >= 0 && index < Size() ? Child(node_->From + static_cast<uint32_t>(index))
                                                         : JsonValue();
    }
    // An object's member `index`: its key in UTF-8 as written (a byte order
    // mark it begins with kept: "\uFEFFrows" is not "rows"), and its value.
    std::string_view Key(qsizetype index) const
    {
        return tree_->Written(tree_->Nodes[tree_->Children[node_->From + 2 * static_cast<uint32_t>(index)]]);
    }
    JsonValue Member(qsizetype index) const { return Child(node_->From + 2 * static_cast<uint32_t>(index) + 1); }
    // The value of the key written as `key` (as Qt looks a key up: a byte
    // order mark it begins with counts).
    // A key twice (only where the strict form is not kept): the later, as Qt's reader keeps it.
    JsonValue Value(std::string_view key) const
    {
        for (qsizetype index = Size() - 1; IsObject() && index >= 0; --index)
            if (tree_->Written(tree_->Nodes[tree_->Children[node_->From + 2 * static_cast<uint32_t>(index)]]) == key)
                return Member(index);
        return {};
    }
    bool Contains(std::string_view key) const { return !Value(key).IsUndefined(); }

private:
    // A decoded text that may hold an unpaired surrogate (escaped, where the
    // strict form is not kept), kept in UTF-8's three-byte form: as Qt reads it.
    static QString Unpaired(std::string_view text);
    bool Is(JsonTree::Kind kind) const { return node_ != nullptr && node_->Type == kind; }
    JsonValue Child(uint32_t at) const { return {tree_, tree_->Children[at]}; }

    const JsonTree* tree_ = nullptr;
    const JsonTree::Node* node_ = nullptr;
};

// What reading a JSON text strictly finds.
struct StrictJson {
    // Why the text is not JSON text or not in the strict form, or nothing when it is both.
    std::optional<QString> Problem;
    // When it is: its value in the canonical form (CanonicalJson's), the
    // outermost object without its DigestKey entry.
    QByteArray Canonical;
    // Its values when it is JSON text: as written in the strict form, else as Qt's reader reads them.
    std::shared_ptr<const JsonTree> Tree;
    JsonValue Root() const { return Tree ? JsonValue(Tree.get(), 0) : JsonValue(); }
};

// Reads `text` in one pass. Not JSON text: the words of Qt's JSON reader
// (QJsonParseError's) and the byte where it would stop. Otherwise the strict
// form: no byte order mark; no control character unescaped in a text; no
// escape JSON has not ("\A"); no unpaired surrogate; no key twice in one
// object; every number a whole number written plainly: no fraction,
// exponent or "-0", at most MostExactWhole.
StrictJson ReadStrictJson(const QByteArray& text);

// A file's JSON object read strictly, and its canonical form as StrictJson has it.
struct StrictContent {
    JsonValue Object;
    QByteArray Canonical;
    std::shared_ptr<const JsonTree> Tree; // what Object is a value of
};

} // namespace quorvan
