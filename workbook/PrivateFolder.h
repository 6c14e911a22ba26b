#pragma once

#include "platform/files/IoResult.h"

#include <memory>
#include <string>

// A new folder in the system's temporary folder that only this user can
// enter, removed with everything in it when the object goes, and also should
// a signal end the program (SIGTERM, SIGINT, SIGHUP): where libxlsxwriter,
// which writes to a file name of its own, writes a workbook and its working
// files before the program reads the workbook back. Folders of ours that a
// program killed outright left behind are removed by the next one, once
// nothing has changed in them for an hour. (PrivateFolderPosix.cpp,
// PrivateFolderWindows.cpp)
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
    // The path of `name` inside it, for a file that a library is to make
    // there: it goes with the folder, whichever way the program ends.
    std::string ExpectFile(const std::string& name);
    // Whether the disk of the folder has room left for a few more blocks:
    // a library that could not write gives no reason of its own. The
    // system's reason when it has none.
    IoResult Room();

private:
    struct Place;
    std::unique_ptr<Place> m_Place;
    std::string m_Path;
    std::string m_Reason;
};
