#include "app/ScriptedTrace.h"

#include "trace/CAutoTracePage.h"
#include "views/CKAVView.h"
#include "views/Tabs.h"

#include <QTimer>

void RunScriptedTrace(CKAVView& view, int seconds, std::function<void()> done)
{
    view.SelectTab(TabAutoTrace);
    auto* page = qobject_cast<CAutoTracePage*>(view.AutoTracePage());
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
