#pragma once

#include <QIcon>

// The toolbar's images and the program's icon: the desktop's theme icons
// where it has them, drawn ones elsewhere.
QIcon OpenIcon();
QIcon SaveIcon();
QIcon PrintIcon();
QIcon ApplicationIcon();
