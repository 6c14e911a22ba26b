#include "workbook/WorkbookFile.h"

#include <filesystem>
#include <fstream>

WorkbookFile::WorkbookFile()
{
    if (!m_Folder.Made()) {
        m_Error = m_Folder.Reason();
        return;
    }
    m_Path = m_Folder.PathOf("workbook.xlsx");
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    // Its working files go in the private folder too, and with it.
    options.tmpdir = const_cast<char*>(m_Folder.Path().c_str());
    m_Book = workbook_new_opt(m_Path.c_str(), &options);
    if (!m_Book)
        m_Error = "cannot start a workbook in " + m_Folder.Path();
}

WorkbookFile::~WorkbookFile()
{
    if (m_Book)
        lxw_workbook_free(m_Book);
}

std::optional<std::string> WorkbookFile::Finish()
{
    if (!m_Book)
        return std::nullopt;
    const lxw_error closed = workbook_close(m_Book); // frees the workbook
    m_Book = nullptr;
    if (closed != LXW_NO_ERROR) {
        m_Error = std::string("cannot write the workbook: ") + lxw_strerror(closed);
        return std::nullopt;
    }
    std::ifstream file(std::filesystem::u8path(m_Path), std::ios::binary | std::ios::ate);
    const std::streamoff size = file ? static_cast<std::streamoff>(file.tellg()) : -1;
    std::string bytes(size > 0 ? static_cast<size_t>(size) : 0, '\0');
    if (size <= 0 || !file.seekg(0) || !file.read(bytes.data(), size)) {
        m_Error = "cannot read the workbook back from " + m_Folder.Path();
        return std::nullopt;
    }
    return bytes;
}
