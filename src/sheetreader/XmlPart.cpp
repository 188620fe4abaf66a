#include "sheetreader/XmlPart.h"

#include "texts/Messages.h"

#include <expat.h>

#include <memory>
#include <stdexcept>

namespace quorvan {

namespace {


constexpr char NamespaceSeparator = ' ';

struct Reading {
    XML_Parser parser;
    bool declaresEntities = false;
};

} // namespace

// Expat calls in through these, with the part as its user data.
struct XmlPartCalls {
    static void Start(void* data, const XML_Char* name, const XML_Char** attributes)
    {
        auto* part = static_cast<std::pair<XmlPart*, Reading*>*>(data);
        part->first->Start(name, attributes);
        if (part->first->stopping_)
            XML_StopParser(part->second->parser, XML_FALSE);
    }
    static void End(void* data, const XML_Char* name)
    {
        auto* part = static_cast<std::pair<XmlPart*, Reading*>*>(data);
        part->first->End(name);
        if (part->first->stopping_)
            XML_StopParser(part->second->parser, XML_FALSE);
    }
    static void Text(void* data, const XML_Char* text, int length)
    {
        static_cast<std::pair<XmlPart*, Reading*>*>(data)->first->Text({text, std::size_t(length)});
    }
    // A document type declaration may define entities that expand without
    // end; workbooks have none, so the reading ends at the first.
    static void DocumentType(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int)
    {
        auto* part = static_cast<std::pair<XmlPart*, Reading*>*>(data);
        part->second->declaresEntities = true;
        XML_StopParser(part->second->parser, XML_FALSE);
    }
};

void XmlPart::Parse(const ZipArchive& archive, const std::string& part)
{
    const std::unique_ptr<XML_ParserStruct, void (*)(XML_Parser)> parser(
        XML_ParserCreateNS(nullptr, NamespaceSeparator), XML_ParserFree);
    if (!parser)
        throw std::bad_alloc();
    Reading reading{parser.get()};
    std::pair<XmlPart*, Reading*> data{this, &reading};
    XML_SetUserData(parser.get(), &data);
    XML_SetElementHandler(parser.get(), XmlPartCalls::Start, XmlPartCalls::End);
    XML_SetCharacterDataHandler(parser.get(), XmlPartCalls::Text);
    XML_SetStartDoctypeDeclHandler(parser.get(), XmlPartCalls::DocumentType);
    stopping_ = false;
    const auto check = [&](XML_Status status, bool atEnd) {
        if (status == XML_STATUS_OK || (stopping_ && !reading.declaresEntities))
            return;
        if (reading.declaresEntities)
            throw MessageError(MessageId::ZipPartDeclaresEntities, {part});
        const XML_Error error = XML_GetErrorCode(parser.get());
        if (error == XML_ERROR_NO_MEMORY)
            throw std::bad_alloc();
        if (atEnd && (error == XML_ERROR_NO_ELEMENTS || error == XML_ERROR_UNCLOSED_TOKEN
                      || error == XML_ERROR_UNCLOSED_CDATA_SECTION || error == XML_ERROR_PARTIAL_CHAR))
            throw MessageError(MessageId::ZipPartCutShort, {part});
        throw MessageError(MessageId::ZipPartNotXml,
                           {part, std::to_string(XML_GetCurrentLineNumber(parser.get())), XML_ErrorString(error)});
    };
    archive.Read(part, [&](std::string_view piece) {
        check(XML_Parse(parser.get(), piece.data(), int(piece.size()), XML_FALSE), false);
        return !stopping_;
    });
    if (!stopping_)
        check(XML_Parse(parser.get(), nullptr, 0, XML_TRUE), true);
}

const char* XmlPart::Attribute(const char** attributes, std::string_view name)
{
    for (; attributes[0]; attributes += 2)
        if (name == attributes[0])
            return attributes[1];
    return nullptr;
}

std::string_view XmlPart::Local(std::string_view name)
{
    const std::size_t separator = name.rfind(NamespaceSeparator);
    return separator == std::string_view::npos ? name : name.substr(separator + 1);
}

} // namespace quorvan
