#pragma once

#include "workbook/ClassicNumbers.h"
#include "workbook/PrivateFolder.h"

#include <xlsxwriter.h>

#include <optional>
#include <string>

// A workbook that libxlsxwriter writes row by row (its constant-memory mode,
// which keeps one row in memory, so the largest file fits the program's
// memory), in a private folder with its working files, and hands back as
// bytes once it is complete; the caller writes them where the user asked,
// through the program's safe write.
class WorkbookFile
{
public:
    WorkbookFile();
    ~WorkbookFile(); // frees a workbook that was never finished
    WorkbookFile(const WorkbookFile&) = delete;
    WorkbookFile& operator=(const WorkbookFile&) = delete;

    // Null, with Error() telling why, when no workbook could be started.
    lxw_workbook* Book() const { return m_Book; }
    const std::string& Error() const { return m_Error; }

    // Writes the workbook out and reads it back: its bytes, or nothing with
    // Error() telling why.
    std::optional<std::string> Finish();
    // Takes the library's failure, `error`, for the one Error() tells: a
    // full disk under the temporary folder, where it is one.
    void Failed(const std::string& error);
    // The failure was a full disk.
    bool Full() const { return m_Full; }

private:
    ClassicNumbers m_Numbers; // for as long as libxlsxwriter prints numbers
    PrivateFolder m_Folder;
    std::string m_Path;
    lxw_workbook* m_Book = nullptr;
    std::string m_Error;
    bool m_Full = false;
};
