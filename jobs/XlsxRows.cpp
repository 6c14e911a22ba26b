#include "jobs/XlsxRows.h"

#include <expat.h>
#include <unzip.h>

#include <cstring>
#include <functional>
#include <memory>

namespace {
// No part of a plan's workbook comes near this; a larger one is refused
// rather than inflated.
constexpr uint64_t LargestPart = 256u << 20;

// Reads the parts of a zip archive by name.
class ZipParts
{
public:
    explicit ZipParts(const std::string& path) : m_File(unzOpen64(path.c_str())) {}
    ~ZipParts()
    {
        if (m_File != nullptr)
            unzClose(m_File);
    }
    ZipParts(const ZipParts&) = delete;
    ZipParts& operator=(const ZipParts&) = delete;

    bool Opened() const { return m_File != nullptr; }
    bool Has(const std::string& name) const { return unzLocateFile(m_File, name.c_str(), 1) == UNZ_OK; }

    // The part's bytes; false, with the reason, when it cannot be read whole.
    bool Read(const std::string& name, std::string& bytes, std::string& error)
    {
        unz_file_info64 info;
        if (unzLocateFile(m_File, name.c_str(), 1) != UNZ_OK ||
            unzGetCurrentFileInfo64(m_File, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
            error = "it has no part " + name;
            return false;
        }
        if (info.uncompressed_size > LargestPart || unzOpenCurrentFile(m_File) != UNZ_OK) {
            error = "its part " + name + " cannot be read";
            return false;
        }
        bytes.assign(static_cast<size_t>(info.uncompressed_size), '\0');
        int got = 0;
        size_t at = 0;
        while (at < bytes.size() && (got = unzReadCurrentFile(m_File, bytes.data() + at,
                                                              static_cast<unsigned>(bytes.size() - at))) > 0)
            at += static_cast<size_t>(got);
        // The check of the part's CRC comes with the close.
        const bool whole = got >= 0 && at == bytes.size() && unzCloseCurrentFile(m_File) == UNZ_OK;
        if (!whole)
            error = "its part " + name + " is damaged";
        return whole;
    }

private:
    unzFile m_File;
};

// Walks an XML part with expat, namespaces resolved: an element's name
// arrives as "namespace|local", or as the local name without one.
class XmlWalk
{
public:
    std::function<void(const std::string& name, const char** attributes)> start;
    std::function<void(const std::string& name)> end;
    std::function<void(const char* text, int length)> text;

    bool Parse(const std::string& bytes, const std::string& part, std::string& error)
    {
        const std::unique_ptr<XML_ParserStruct, void (*)(XML_Parser)> parser(XML_ParserCreateNS(nullptr, '|'),
                                                                             XML_ParserFree);
        XML_SetUserData(parser.get(), this);
        XML_SetElementHandler(
            parser.get(),
            [](void* walk, const XML_Char* name, const XML_Char** attributes) {
                if (auto& handle = static_cast<XmlWalk*>(walk)->start)
                    handle(LocalName(name), attributes);
            },
            [](void* walk, const XML_Char* name) {
                if (auto& handle = static_cast<XmlWalk*>(walk)->end)
                    handle(LocalName(name));
            });
        XML_SetCharacterDataHandler(parser.get(), [](void* walk, const XML_Char* characters, int length) {
            if (auto& handle = static_cast<XmlWalk*>(walk)->text)
                handle(characters, length);
        });
        if (XML_Parse(parser.get(), bytes.data(), static_cast<int>(bytes.size()), XML_TRUE) !=
            XML_STATUS_ERROR)
            return true;
        error = "its part " + part + " is not XML: " + XML_ErrorString(XML_GetErrorCode(parser.get())) +
                " on line " + std::to_string(XML_GetCurrentLineNumber(parser.get()));
        return false;
    }

    // An attribute by its local name.
    static const char* Attribute(const char** attributes, const char* local)
    {
        for (; attributes[0] != nullptr; attributes += 2)
            if (LocalName(attributes[0]) == local)
                return attributes[1];
        return nullptr;
    }

private:
    static std::string LocalName(const char* name)
    {
        const char* bar = std::strrchr(name, '|');
        return bar != nullptr ? bar + 1 : name;
    }
};

// The part of the workbook's first sheet, from the workbook and its
// relationships.
bool FirstSheetPart(ZipParts& zip, std::string& part, std::string& error)
{
    std::string workbook, relations, relation;
    XmlWalk walk;
    walk.start = [&relation](const std::string& name, const char** attributes) {
        if (name == "sheet" && relation.empty())
            if (const char* id = XmlWalk::Attribute(attributes, "id"))
                relation = id;
    };
    if (!zip.Read("xl/workbook.xml", workbook, error) || !walk.Parse(workbook, "xl/workbook.xml", error))
        return false;
    std::string target;
    walk.start = [&relation, &target](const std::string& name, const char** attributes) {
        const char* id = XmlWalk::Attribute(attributes, "Id");
        const char* to = XmlWalk::Attribute(attributes, "Target");
        if (name == "Relationship" && id != nullptr && to != nullptr && relation == id)
            target = to;
    };
    if (!zip.Read("xl/_rels/workbook.xml.rels", relations, error) ||
        !walk.Parse(relations, "xl/_rels/workbook.xml.rels", error))
        return false;
    if (target.empty()) {
        error = "it has no sheet";
        return false;
    }
    // Relative to xl/, or from the archive's root.
    part = target[0] == '/' ? target.substr(1) : "xl/" + target;
    return true;
}

// The shared strings, each the text of all its runs (but phonetic ones).
bool SharedStrings(ZipParts& zip, std::vector<std::string>& strings, std::string& error)
{
    const std::string part = "xl/sharedStrings.xml";
    if (!zip.Has(part))
        return true;
    std::string bytes;
    if (!zip.Read(part, bytes, error))
        return false;
    int phonetic = 0;
    bool inText = false;
    XmlWalk walk;
    walk.start = [&](const std::string& name, const char**) {
        if (name == "si")
            strings.emplace_back();
        phonetic += name == "rPh";
        inText = name == "t" && phonetic == 0 && !strings.empty();
    };
    walk.end = [&](const std::string& name) {
        phonetic -= name == "rPh";
        inText = false;
    };
    walk.text = [&](const char* text, int length) {
        if (inText)
            strings.back().append(text, static_cast<size_t>(length));
    };
    return walk.Parse(bytes, part, error);
}

// "BC12" -> 54 (from 0); -1 for no letters.
long ColumnOf(const char* reference)
{
    long column = 0;
    bool any = false;
    for (; *reference >= 'A' && *reference <= 'Z' && column < 1000000; ++reference, any = true)
        column = column * 26 + (*reference - 'A' + 1);
    return any ? column - 1 : -1;
}
} // namespace

XlsxReading ReadXlsxRows(const std::string& path)
{
    XlsxReading reading;
    ZipParts zip(path);
    if (!zip.Opened()) {
        reading.error = "it is not an Excel workbook (.xlsx) or cannot be read";
        return reading;
    }
    std::string part, bytes;
    std::vector<std::string> shared;
    if (!FirstSheetPart(zip, part, reading.error) || !SharedStrings(zip, shared, reading.error) ||
        !zip.Read(part, bytes, reading.error))
        return reading;

    std::string type, value;
    long column = 0;
    bool inValue = false;
    XmlWalk walk;
    walk.start = [&](const std::string& name, const char** attributes) {
        if (name == "row") {
            // A row left out is an empty one, so rows keep their numbers.
            const char* number = XmlWalk::Attribute(attributes, "r");
            const unsigned long r = number != nullptr ? std::strtoul(number, nullptr, 10) : 0;
            if (r > reading.rows.size() + 1 && r <= 1048576)
                reading.rows.resize(r - 1);
            reading.rows.emplace_back();
            column = 0;
        } else if (name == "c") {
            const char* reference = XmlWalk::Attribute(attributes, "r");
            const char* cellType = XmlWalk::Attribute(attributes, "t");
            type = cellType != nullptr ? cellType : "n";
            if (reference != nullptr && ColumnOf(reference) >= 0)
                column = ColumnOf(reference);
            value.clear();
        }
        // A value, or an inline string's text.
        inValue = name == "v" || (name == "t" && type == "inlineStr");
    };
    walk.text = [&](const char* text, int length) {
        if (inValue)
            value.append(text, static_cast<size_t>(length));
    };
    walk.end = [&](const std::string& name) {
        inValue = false;
        if (name != "c" || reading.rows.empty())
            return;
        std::string cell = value;
        if (type == "s") {
            char* end = nullptr;
            const unsigned long index = std::strtoul(value.c_str(), &end, 10);
            cell = end != value.c_str() && index < shared.size() ? shared[index] : std::string();
        } else if (type == "b") {
            cell = value == "1" ? "TRUE" : "FALSE";
        }
        std::vector<std::string>& row = reading.rows.back();
        if (column < 100000) {
            if (row.size() <= static_cast<size_t>(column))
                row.resize(static_cast<size_t>(column) + 1);
            row[static_cast<size_t>(column)] = std::move(cell);
        }
        ++column;
    };
    reading.ok = walk.Parse(bytes, part, reading.error);
    return reading;
}
