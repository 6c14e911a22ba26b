#pragma once

#include <QString>
#include <QStringList>

// What the program was asked to do:
// `kav [--simulate] [--trace-for SECONDS] [--screenshots DIR] [FILE...]`.
struct ProgramOptions
{
    QStringList files;       // opened on the tab of their kind
    QString screenshotsDir;  // non-empty: render each tab into DIR and exit
    bool simulate = false;   // the simulated instrument stands in for USB
    int traceForSeconds = 0; // > 0: trace on the AUTOTRACE tab for that long, then stop
    bool showHelp = false;
    bool showVersion = false;
    QString error; // non-empty: the arguments could not be understood

    static ProgramOptions Parse(const QStringList& arguments); // arguments without the program name
    static QString Usage();
};
