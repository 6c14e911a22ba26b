#pragma once

#include <QByteArray>

// The creation date in a PDF's information dictionary is the moment it was
// written. Where SOURCE_DATE_EPOCH is set (reproducible builds, tests), it
// becomes that moment instead, in UTC, so that the same input gives the same
// bytes. The date keeps its length, so the file's table of object offsets
// stays right.
void StampSourceDate(QByteArray& pdf);
