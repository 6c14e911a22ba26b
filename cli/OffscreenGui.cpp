#include "cli/OffscreenGui.h"

#include <QGuiApplication>

#include <cstdio>

namespace {
char PlatformOption[] = "-platform";
char Offscreen[] = "offscreen";
const char* g_Program = "";

void KeepOnlyFailures(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s: %s\n", g_Program, qPrintable(message));
}
} // namespace

OffscreenGui::OffscreenGui(const char* program)
    : m_Argc(3), m_Program(program), m_Argv{m_Program.data(), PlatformOption, Offscreen, nullptr}
{
    g_Program = program;
    qInstallMessageHandler(KeepOnlyFailures);
    m_Application = std::make_unique<QGuiApplication>(m_Argc, m_Argv);
}

OffscreenGui::~OffscreenGui() = default;
