#pragma once
// Reading an XML part of a zip archive with expat as it is inflated, so that
// a reader can stop as soon as it has what it needs. Element and attribute
// names come as "namespace local-name" (or the local name alone where there
// is no namespace). Part of the reader program; plain C++.

#include "sheetreader/ZipArchive.h"

#include <string>
#include <string_view>

namespace quorvan {

class XmlPart {
public:
    virtual ~XmlPart() = default;

    // Reads `part` of `archive` to its end or until Stop(). Throws
    // std::runtime_error with a sentence for the user when the part is
    // missing, damaged, not well-formed, declares entities of its own, or
    // stops before its end.
    void Parse(const ZipArchive& archive, const std::string& part);

protected:
    virtual void Start(std::string_view name, const char** attributes) = 0;
    virtual void End(std::string_view name) = 0;
    virtual void Text(std::string_view text) = 0;
    // Ends the reading once the current element is handled.
    void Stop() { stopping_ = true; }

    // The value of the attribute of that full name, or nullptr.
    static const char* Attribute(const char** attributes, std::string_view name);
    // A name without its namespace.
    static std::string_view Local(std::string_view name);

private:
    friend struct XmlPartCalls;
    bool stopping_ = false;
};

} // namespace quorvan
