#include "cli/OffscreenGui.h"

#include <QGuiApplication>

#include <cstdio>

namespace {
char ProgramName[] = "kav-convert";
char PlatformOption[] = "-platform";
char Offscreen[] = "offscreen";

void KeepOnlyFailures(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "kav-convert: %s\n", qPrintable(message));
}
} // namespace

OffscreenGui::OffscreenGui() : m_Argc(3), m_Argv{ProgramName, PlatformOption, Offscreen, nullptr}
{
    qInstallMessageHandler(KeepOnlyFailures);
    m_Application = std::make_unique<QGuiApplication>(m_Argc, m_Argv);
}

OffscreenGui::~OffscreenGui() = default;
