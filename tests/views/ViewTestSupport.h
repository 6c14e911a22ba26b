#pragma once

#include "data/CDataStore.h"
#include "platform/ui/ProgramSettings.h"
#include "platform/ui/ScriptedPrompts.h"
#include "views/AutoTraceControl.h"
#include "views/CKAVView.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Stands in for the AUTOTRACE page: reports a running trace on demand and
// counts what the view asks of it.
struct FakeAutoTrace : AutoTraceControl
{
    explicit FakeAutoTrace(QWidget* parent) : page(new QWidget(parent)) {}

    QWidget* Page() override { return page; }
    bool IsTraceStarted() const override { return traceStarted; }
    void Stop() override
    {
        ++stops;
        traceStarted = false;
    }
    void StopPollTimer() override { ++pollTimerStops; }
    void SetChartRect(const QRect& rect) override { chartRect = rect; }
    bool FitsIn(const QSize&, const QRect&) const override { return true; }

    QWidget* page;
    bool traceStarted = false;
    int stops = 0;
    int pollTimerStops = 0;
    QRect chartRect;
};

// The view laid out at its form's size, then resized to `size`, in a shown
// window with room to spare (as a child it is resized at once, as in the main
// window); prompts answered by script, files in a folder of the test's own.
struct ViewFixture
{
    QTemporaryDir dir;
    CDataStore store;
    FakeAutoTrace* trace = nullptr;
    QWidget host;
    CKAVView& view = *new CKAVView(
        store,
        [this](QWidget* parent) {
            auto fake = std::make_unique<FakeAutoTrace>(parent);
            trace = fake.get();
            return fake;
        },
        &host);
    ScriptedPrompts prompts;

    explicit ViewFixture(QSize size = CKAVView::FormSize())
    {
        view.resize(CKAVView::FormSize());
        view.OnInitialUpdate();
        host.resize(CKAVView::FormSize() * 2);
        host.show();
        view.resize(size);
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
    void Run(CommandId id, int tab)
    {
        QVERIFY(view.SelectTab(tab));
        QVERIFY(view.OnCommand(id));
    }
    // Open on `tab`, choosing `path` in the dialog.
    void Open(int tab, const QString& path)
    {
        prompts.QueueFile(path);
        Run(CommandId::FileOpen, tab);
    }
};

// The prompts of one kind that were asked, in order.
inline std::vector<ScriptedPrompts::Prompt> AskedOf(const ScriptedPrompts& prompts,
                                                    ScriptedPrompts::Kind kind)
{
    std::vector<ScriptedPrompts::Prompt> asked;
    for (const ScriptedPrompts::Prompt& prompt : prompts.Asked())
        if (prompt.kind == kind)
            asked.push_back(prompt);
    return asked;
}

// Settings in a file of the test's own; Reload() reads it afresh, as the
// next run of the program would.
struct ScratchSettings
{
    QTemporaryDir dir;
    std::unique_ptr<ProgramSettings> settings;
    ScratchSettings() { Reload(); }
    ~ScratchSettings() { ProgramSettings::Install(nullptr); }
    void Reload()
    {
        settings = ProgramSettings::InFile(dir.filePath("kav.ini"));
        ProgramSettings::Install(settings.get());
    }
};

inline QString SourcePath(const QString& relative)
{
    return qEnvironmentVariable("KAV_SOURCE_DIR") + '/' + relative;
}

inline QString SamplePath(const QString& name)
{
    return SourcePath("samples/" + name);
}

inline void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

inline QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
