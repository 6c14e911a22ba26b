#include "data/FileNames.h"

#include "data/HeaderFile.h"
#include "data/LimitFile.h"
#include "data/RecordKinds.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

const char* ExtensionOf(OutputKind kind)
{
    if (kind == OutputKind::Csv)
        return ".csv";
    if (kind == OutputKind::Pdf)
        return ".pdf";
    if (kind == OutputKind::Workbook)
        return ".xlsx";
    if (kind == OutputKind::Limits)
        return LimitFileEnding;
    if (kind == OutputKind::ReportHeader)
        return HeaderFileEnding;
    for (const RecordKindData& data : RecordKindTable())
        if (data.documentOutput == kind)
            return data.documentEnding;
    return "";
}

std::optional<std::string> ApplyExtensionRule(const std::string& chosenPath, OutputKind kind)
{
    const std::string lower = ExtensionOf(kind);
    std::string upper = lower;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    const std::string name = std::filesystem::u8path(chosenPath).filename().u8string();
    if (name.find('.') == std::string::npos)
        return chosenPath + lower;
    if (name.size() >= lower.size()) {
        const std::string ending = name.substr(name.size() - lower.size());
        if (ending == lower || ending == upper)
            return chosenPath;
    }
    return std::nullopt;
}
