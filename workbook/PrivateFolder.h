#pragma once

#include <string>

// A new folder in the system's temporary folder that only this user can
// enter, removed with everything in it when the object goes: where
// libxlsxwriter, which writes to a file name of its own, writes a workbook
// and its working files before the program reads the workbook back.
class PrivateFolder
{
public:
    PrivateFolder();
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    bool Made() const { return !m_Path.empty(); }
    const std::string& Path() const { return m_Path; }     // UTF-8; empty when none could be made
    const std::string& Reason() const { return m_Reason; } // why not
    // The path of `name` inside it.
    std::string PathOf(const std::string& name) const;

private:
    std::string m_Path;
    std::string m_Reason;
};
