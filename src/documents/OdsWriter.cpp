#include "documents/OdsWriter.h"

#include "texts/UserText.h"

#include <zip.h>

#include <memory>

namespace quorvan {

namespace {

const QByteArray MimeType("application/vnd.oasis.opendocument.spreadsheet");

const QByteArray Manifest(R"(<?xml version="1.0" encoding="UTF-8"?>
<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" manifest:version="1.2">
 <manifest:file-entry manifest:full-path="/" manifest:version="1.2" manifest:media-type="application/vnd.oasis.opendocument.spreadsheet"/>
 <manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>
</manifest:manifest>
)");

bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

// A cell's text as paragraph content. The format folds blanks, so a space
// is written as it is only alone between two other characters, and spaces
// elsewhere, tabs and line breaks are elements of their own; characters XML
// cannot hold are left out.
QString ParagraphContent(const QString& text)
{
    QString out;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text.at(at);
        if (c == QLatin1Char(' ')) {
            qsizetype spaces = 1;
            while (at + spaces < text.size() && text.at(at + spaces) == QLatin1Char(' '))
                ++spaces;
            const bool between = spaces == 1 && at > 0 && at + 1 < text.size() && !IsBlank(text.at(at - 1))
                                 && !IsBlank(text.at(at + 1));
            out += between ? QStringLiteral(" ") : QStringLiteral("<text:s text:c=\"%1\"/>").arg(spaces);
            at += spaces - 1;
        } else if (c == QLatin1Char('\t')) {
            out += QStringLiteral("<text:tab/>");
        } else if (c == QLatin1Char('\n')) {
            out += QStringLiteral("<text:line-break/>");
        } else if (c.unicode() >= 0x20 && c.unicode() != 0xFFFE && c.unicode() != 0xFFFF) {
            out += c == QLatin1Char('<') ? QStringLiteral("&lt;") : c == QLatin1Char('&') ? QStringLiteral("&amp;")
                   : c == QLatin1Char('>') ? QStringLiteral("&gt;") : QString(c);
        }
    }
    return out;
}

QByteArray ContentXml(const QString& sheetName, const CellMap& cells)
{
    QString xml = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
        "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
        "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" office:version=\"1.2\">"
        "<office:body><office:spreadsheet><table:table table:name=\"%1\">")
                      .arg(sheetName.toHtmlEscaped());
    int lastColumn = 1;
    for (auto cell = cells.begin(); cell != cells.end(); ++cell)
        lastColumn = std::max(lastColumn, cell.key().second);
    xml += QStringLiteral("<table:table-column table:number-columns-repeated=\"%1\"/>").arg(lastColumn);
    const int lastRow = cells.isEmpty() ? 0 : cells.lastKey().first;
    for (int row = 1; row <= lastRow; ++row) {
        xml += QStringLiteral("<table:table-row>");
        int emptyCells = 0;
        for (int column = 1; column <= lastColumn; ++column) {
            const QString text = cells.value({row, column});
            if (text.isEmpty()) {
                ++emptyCells;
                continue;
            }
            if (emptyCells > 0)
                xml += QStringLiteral("<table:table-cell table:number-columns-repeated=\"%1\"/>").arg(emptyCells);
            emptyCells = 0;
            xml += QStringLiteral("<table:table-cell office:value-type=\"string\"><text:p>%1</text:p></table:table-cell>")
                       .arg(ParagraphContent(text));
        }
        if (emptyCells == lastColumn)
            xml += QStringLiteral("<table:table-cell table:number-columns-repeated=\"%1\"/>").arg(emptyCells);
        xml += QStringLiteral("</table:table-row>");
    }
    xml += QStringLiteral("</table:table></office:spreadsheet></office:body></office:document-content>\n");
    return xml.toUtf8();
}

} // namespace

WorkbookBytes OdsWorkbookBytes(const QString& sheetName, const CellMap& cells)
{
    const auto fail = [] { return WorkbookBytes{{}, Say(MessageId::NoMemoryForWorkbook)}; };
    const QByteArray content = ContentXml(sheetName, cells);
    // The archive is made in memory: the buffer source is kept past the
    // archive's closing, and read back then.
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_error_fini(&error);
    if (!buffer)
        return fail();
    const std::unique_ptr<zip_source_t, void (*)(zip_source_t*)> keptBuffer(buffer, zip_source_free);
    zip_source_keep(buffer);
    zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, nullptr);
    if (!archive)
        return fail();
    const auto add = [&](const char* name, const QByteArray& bytes, bool compressed) {
        zip_source_t* source = zip_source_buffer(archive, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        const zip_int64_t index = source ? zip_file_add(archive, name, source, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            zip_source_free(source);
            return false;
        }
        return zip_set_file_compression(archive, zip_uint64_t(index), compressed ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0)
               == 0;
    };
    if (!add("mimetype", MimeType, false) || !add("content.xml", content, true)
        || !add("META-INF/manifest.xml", Manifest, true) || zip_close(archive) != 0) {
        zip_discard(archive);
        return fail();
    }
    zip_stat_t stat;
    if (zip_source_open(buffer) != 0)
        return fail();
    QByteArray bytes;
    if (zip_source_stat(buffer, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE)) {
        bytes.resize(qsizetype(stat.size));
        if (zip_source_read(buffer, bytes.data(), stat.size) != zip_int64_t(stat.size))
            bytes.clear();
    }
    zip_source_close(buffer);
    if (bytes.isEmpty())
        return fail();
    return {bytes, {}};
}

} // namespace quorvan
