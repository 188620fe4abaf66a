#pragma once
// The reasons the reader program gives for an .xlsx or .ods workbook it
// cannot read, in English and Japanese, kept together in this one place.
// %1, %2: filled in by Filled().

#include <initializer_list>
#include <string>

namespace quorvan::zip_sheet_texts {

struct Sentence {
    const char* English;
    const char* Japanese;
};

inline constexpr Sentence NotAnArchive{
    "The file is damaged or cut short: it is not a whole zip archive, as an .xlsx or .ods workbook is (%1).",
    "ファイルが壊れているか途中で切れています。.xlsx や .ods のブックのような完全な zip 書庫ではありません（%1）。"};
// %1: the part's name inside the archive.
inline constexpr Sentence PartMissing{
    "The workbook has no part \u201C%1\u201D: it is damaged, or not a workbook of this kind.",
    "ブックに「%1」の部分がありません。壊れているか、この種類のブックではありません。"};
// %1: the part; %2: the cap in MB.
inline constexpr Sentence PartTooLarge{
    "Its part \u201C%1\u201D unpacks to more than %2 MB, far more than any list needs (it may be a zip bomb).",
    "その部分「%1」は展開すると %2 MB を超え、名簿としては大きすぎます（zip 爆弾のおそれがあります）。"};
// %1: the part; %2: the zip library's words.
inline constexpr Sentence PartDamaged{"Its part \u201C%1\u201D cannot be unpacked: %2.",
                                      "その部分「%1」を展開できません: %2。"};
inline constexpr Sentence PartCutShort{
    "Its part \u201C%1\u201D stops before its end: the file is damaged or cut short.",
    "その部分「%1」が終わりの前で途切れています。ファイルが壊れているか途中で切れています。"};
// %1: the part; %2: the line; %3: the XML parser's words.
inline constexpr Sentence PartNotXml{"Its part \u201C%1\u201D is damaged: line %2: %3.",
                                     "その部分「%1」が壊れています（%2 行目: %3）。"};
inline constexpr Sentence PartDeclaresEntities{
    "Its part \u201C%1\u201D declares XML entities of its own, which no workbook does.",
    "その部分「%1」は独自の XML 実体を宣言しています。ブックにはないことです。"};
inline constexpr Sentence NoWorksheet{"The workbook has no worksheet.", "ブックにワークシートがありません。"};
// %1: the index; %2: the size of the table.
inline constexpr Sentence SharedTextMissing{
    "A cell refers to shared text number %1, but the workbook's table of texts holds only %2.",
    "セルが共有文字列の %1 番を参照していますが、ブックの文字列表には %2 個しかありません。"};

// The sentence in English with %1, %2, ... replaced by `values` in order.
inline std::string Filled(const Sentence& sentence, std::initializer_list<std::string> values)
{
    std::string text = sentence.English;
    int number = 1;
    for (const std::string& value : values) {
        const std::string mark = "%" + std::to_string(number++);
        if (const std::size_t at = text.find(mark); at != std::string::npos)
            text.replace(at, mark.size(), value);
    }
    return text;
}

} // namespace quorvan::zip_sheet_texts
