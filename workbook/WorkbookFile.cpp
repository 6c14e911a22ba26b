#include "workbook/WorkbookFile.h"

#include "platform/files/QuotedName.h"

#include <filesystem>
#include <fstream>

WorkbookFile::WorkbookFile()
{
    if (!m_Folder.Made()) {
        m_Error = m_Folder.Reason();
        return;
    }
    m_Path = m_Folder.ExpectFile("workbook.xlsx");
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

void WorkbookFile::Failed(const std::string& error)
{
    // The library says only that it could not write; a full disk is what
    // the user must hear.
    const IoResult room = m_Folder.Room();
    m_Full = room.status == IoStatus::NoSpace;
    m_Error = m_Full
                  ? "no room left in the temporary folder " + QuotedName(m_Folder.Path()) + ": " + room.reason
                  : error;
}
