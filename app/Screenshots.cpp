#include "app/Screenshots.h"

#include "app/CMainFrame.h"
#include "views/CKAVView.h"
#include "views/Tabs.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>

bool SaveTabScreenshots(CMainFrame& frame, const QString& dir)
{
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "kav: cannot create %s\n", qPrintable(dir));
        return false;
    }
    // The same pictures whatever the screen: a small one has shrunk the
    // window to fit.
    frame.resize(frame.DesignSize());
    bool allWritten = true;
    for (int tab = 0; tab < TabCount; ++tab) {
        frame.View()->SelectTab(tab);
        QCoreApplication::processEvents();
        const QString path = QDir(dir).filePath(QString::fromLatin1(TabLabels[tab]).toLower() + ".png");
        if (!frame.grab().save(path)) {
            std::fprintf(stderr, "kav: cannot write %s\n", qPrintable(path));
            allWritten = false;
        }
    }
    return allWritten;
}
