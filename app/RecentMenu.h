#pragma once

#include <QStringList>

#include <functional>

class QMenu;

// A menu of recent files, "&1 path" first: choosing an entry opens it with
// `open`; the menu is greyed while there are none.
void FillRecentMenu(QMenu& menu, const QStringList& paths, const std::function<void(const QString&)>& open);
