#pragma once

#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

// A PDF read back as a reader gets it, with poppler's tools (poppler-utils,
// which scripts/install-deps.sh installs). Shared by the report, view and
// kav-convert tests.

// The standard output of `command`; empty, with a note on the error output,
// when the tool does not run.
inline std::string ToolOutput(const std::string& command)
{
    std::string out;
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    if (!pipe)
        return out;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    if (pclose(pipe) != 0)
        std::fprintf(stderr, "%s failed: is poppler-utils installed?\n", command.c_str());
    return out;
}

// A field of pdfinfo's listing ("Pages", "Title", "Page size").
inline std::string PdfInfo(const std::string& pdf, const std::string& key)
{
    std::smatch match;
    const std::string info = ToolOutput("pdfinfo '" + pdf + "'");
    return std::regex_search(info, match, std::regex("(^|\\n)" + key + ":\\s*([^\\n]*)")) ? match[2].str()
                                                                                          : "";
}

inline int PdfPages(const std::string& pdf)
{
    return std::atoi(PdfInfo(pdf, "Pages").c_str());
}

// The text of page `page`, or of every page when 0, laid out as printed.
inline std::string PdfText(const std::string& pdf, int page = 0)
{
    const std::string pages = page > 0 ? " -f " + std::to_string(page) + " -l " + std::to_string(page) : "";
    return ToolOutput("pdftotext -layout" + pages + " '" + pdf + "' -");
}

// Whether `text` holds `word` as a word of its own.
inline bool HasWord(const std::string& text, const std::string& word)
{
    return std::regex_search(text, std::regex("(^|[^\\w/])" + word + "($|[^\\w/])"));
}

// The words of page `page` as pdftotext finds them, with their boxes in
// points from the page's top-left corner.
struct PdfWord
{
    std::string text;
    double xMin, yMin, xMax, yMax;
};
inline std::vector<PdfWord> PdfWords(const std::string& pdf, int page)
{
    const std::string html = ToolOutput("pdftotext -bbox -f " + std::to_string(page) + " -l " +
                                        std::to_string(page) + " '" + pdf + "' -");
    static const std::regex word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<PdfWord> words;
    for (std::sregex_iterator it(html.begin(), html.end(), word), end; it != end; ++it)
        words.push_back({(*it)[5].str(), std::stod((*it)[1].str()), std::stod((*it)[2].str()),
                         std::stod((*it)[3].str()), std::stod((*it)[4].str())});
    return words;
}
