#include "app/ScriptedTrace.h"

#include "link/CLiveTrace.h"
#include "link/CsvTraceLog.h"
#include "platform/files/QuotedName.h"
#include "trace/CAutoTracePage.h"
#include "views/CKAVView.h"
#include "views/Tabs.h"

#include <QTimer>

#include <cstdio>

namespace {
CAutoTracePage* ShowAutoTrace(CKAVView& view)
{
    view.SelectTab(TabAutoTrace);
    return qobject_cast<CAutoTracePage*>(view.AutoTracePage());
}

const char* VerdictWord(StabilityVerdict verdict)
{
    switch (verdict) {
    case StabilityVerdict::Pass:
        return "Pass";
    case StabilityVerdict::Fail:
        return "Fail";
    case StabilityVerdict::Incomplete:
        return "Incomplete";
    case StabilityVerdict::None:
        break;
    }
    return "No tolerance";
}

StabilityExit ExitOf(StabilityVerdict verdict)
{
    switch (verdict) {
    case StabilityVerdict::Fail:
        return StabilityExit::Failed;
    case StabilityVerdict::Incomplete:
        return StabilityExit::Incomplete;
    case StabilityVerdict::Pass:
    case StabilityVerdict::None:
        break;
    }
    return StabilityExit::Passed;
}

// "Stability run: Pass; 1550 nm: max - min 0.12 dB, drift 0.05 dB; certificate OUT.pdf"
std::string ResultLine(const CStabilityRun& run, const std::string& certificate)
{
    std::string line = std::string("Stability run: ") + VerdictWord(run.Verdict());
    for (const StabilityResult& result : run.Results())
        line += "; " + std::to_string(result.wavelength) + " nm: max - min " +
                FigureText(result.statistics.Span()) + " dB, drift " + FigureText(result.drift) + " dB";
    return line + "; certificate " + QuotedName(certificate);
}
} // namespace

void RunScriptedTrace(CKAVView& view, int seconds, std::function<void()> done)
{
    CAutoTracePage* page = ShowAutoTrace(view);
    if (!page) {
        done();
        return;
    }
    page->PressTrace();
    page->PressStartToSave();
    QTimer::singleShot(seconds * 1000, page, [page, done = std::move(done)] {
        page->PressStop();
        done();
    });
}

void RunScriptedStability(CKAVView& view, const StabilitySettings& settings, const QString& certificate,
                          std::function<void(StabilityExit)> done)
{
    CAutoTracePage* page = ShowAutoTrace(view);
    if (page)
        page->PressTrace();
    if (!page || !page->IsTraceStarted()) {
        std::fprintf(stderr, "kav: the stability run could not start: %s\n",
                     page ? qPrintable(page->StatusText()) : "no live trace");
        done(StabilityExit::NotDone);
        return;
    }
    page->PressStartToSave();
    QObject::connect(
        page, &CAutoTracePage::RunFinished, page,
        [page, path = certificate.toStdString(), done = std::move(done)] {
            const std::optional<std::string> failed = page->SaveCertificate(path);
            page->PressStop();
            const CStabilityRun& run = *page->Trace().Run();
            if (failed) {
                std::fprintf(stderr, "kav: the certificate %s could not be written: %s\n",
                             QuotedName(path).c_str(), failed->c_str());
                done(StabilityExit::NotDone);
                return;
            }
            std::printf("%s\n", ResultLine(run, path).c_str());
            done(ExitOf(run.Verdict()));
        },
        Qt::SingleShotConnection);
    page->StartRun(settings);
}
