#pragma once

#include <QString>
#include <QStringList>

// What the program was asked to do: `kav [--screenshots DIR] [FILE...]`.
struct CommandLine
{
    QStringList files;      // opened on the tab of their kind
    QString screenshotsDir; // non-empty: render each tab into DIR and exit
    bool showHelp = false;
    QString error; // non-empty: the arguments could not be understood

    static CommandLine Parse(const QStringList& arguments); // arguments without the program name
    static QString Usage();
};
