#pragma once

#include <memory>

class QGuiApplication;

// The Qt Gui that painting a report needs (its fonts), on Qt's offscreen
// platform whatever the environment says, so that kav-convert writes PDFs on
// a machine without a display. Qt's own notices stay off the error output,
// which carries kav-convert's one line per failure.
class OffscreenGui
{
public:
    OffscreenGui();
    ~OffscreenGui();
    OffscreenGui(const OffscreenGui&) = delete;
    OffscreenGui& operator=(const OffscreenGui&) = delete;

private:
    int m_Argc;
    char* m_Argv[4];
    std::unique_ptr<QGuiApplication> m_Application;
};
