#pragma once

#include <memory>
#include <string>

class QGuiApplication;

// The Qt Gui that painting a report needs (its fonts), on Qt's offscreen
// platform whatever the environment says, so that kav-convert writes PDFs on
// a machine without a display. Qt's own notices stay off the error output,
// which carries kav-convert's one line per failure.
class OffscreenGui
{
public:
    // `program` heads Qt's notices of failure.
    explicit OffscreenGui(const char* program);
    ~OffscreenGui();
    OffscreenGui(const OffscreenGui&) = delete;
    OffscreenGui& operator=(const OffscreenGui&) = delete;

private:
    int m_Argc;
    std::string m_Program;
    char* m_Argv[4];
    std::unique_ptr<QGuiApplication> m_Application;
};
