#include "app/RecentMenu.h"

#include <QDir>
#include <QMenu>

void FillRecentMenu(QMenu& menu, const QStringList& paths, const std::function<void(const QString&)>& open)
{
    menu.clear();
    for (int i = 0; i < paths.size(); ++i) {
        const QString& path = paths[i];
        const QString shown = QDir::toNativeSeparators(path).replace('&', "&&");
        QAction* entry = menu.addAction(QString("&%1 %2").arg(i + 1).arg(shown));
        entry->setData(path);
        QObject::connect(entry, &QAction::triggered, &menu, [open, path] { open(path); });
    }
    menu.setEnabled(!paths.isEmpty());
}
