#include "link/qt/QtLiveTrace.h"
#include "platform/hid/SimulatedInstrument.h"
#include "tests/link/VirtualLinkRig.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
// Runs the event loop until the condition holds or five seconds pass.
template <typename Condition> bool RunUntil(Condition condition)
{
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (condition())
            loop.quit();
    });
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    check.start(5);
    loop.exec();
    return condition();
}
} // namespace

TEST(LinkQt, ReportsFromTheIoThreadReachTheTraceOnTheEventLoop)
{
    int argc = 1;
    char name[] = "link_qt_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    auto instrument = std::make_shared<SimulatedInstrument>(5);
    RecordingTraceUi ui;
    QtLiveTrace live(instrument, ui, "unused", "kav");
    live.Trace().Start();
    live.Trace().Trace();
    ASSERT_TRUE(RunUntil([&] { return ui.repaints >= 3; }));
    EXPECT_EQ(live.Trace().Acquisition().TraceWaveLength(), "1550");
    EXPECT_TRUE(live.Trace().Link().DataSeen());

    instrument->Unplug();
    ASSERT_TRUE(RunUntil([&] { return !ui.messages.empty(); }));
    EXPECT_EQ(ui.messages[0].caption, "Note");
    EXPECT_FALSE(live.Trace().TraceStarted());
}
