#include "app/Screenshots.h"

#include "app/CMainFrame.h"
#include "app/JobDock.h"
#include "platform/files/QuotedName.h"
#include "platform/files/SafeFileWriter.h"
#include "views/CKAVView.h"
#include "views/RecordText.h"
#include "views/Tabs.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QPixmap>

#include <cstdio>

namespace {
void SayCannotWrite(const QString& path, const std::string& reason)
{
    std::fprintf(stderr, "kav: %s: cannot be written: %s\n", QuotedName(ToFileSystemPath(path)).c_str(),
                 reason.c_str());
}
} // namespace

bool SaveTabScreenshots(CMainFrame& frame, const QString& dir)
{
    if (!QDir().mkpath(dir)) {
        SayCannotWrite(dir, "the folder cannot be made");
        return false;
    }
    // The same pictures whatever the screen: a small one has shrunk the
    // window to fit. An open job's dock is beside the view's form.
    const QWidget* dock = frame.Jobs()->Dock();
    frame.resize(frame.DesignSize() + QSize(dock->isVisible() ? dock->sizeHint().width() : 0, 0));
    bool allWritten = true;
    for (int tab = 0; tab < TabCount; ++tab) {
        frame.View()->SelectTab(tab);
        QCoreApplication::processEvents();
        const QString path = QDir(dir).filePath(QString::fromLatin1(TabLabels[tab]).toLower() + ".png");
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!frame.grab().save(&buffer, "PNG")) {
            SayCannotWrite(path, "the picture could not be made");
            allWritten = false;
            continue;
        }
        // A picture takes an old one's place whole, or leaves it as it was;
        // a pipe or a device under a picture's name is not written.
        const WriteResult written =
            WriteFileSafely(ToFileSystemPath(path), png.toStdString(), WriteRule::RegularOnly);
        if (!written.ok()) {
            SayCannotWrite(path, written.reason);
            allWritten = false;
        }
    }
    return allWritten;
}
