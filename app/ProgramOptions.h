#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the program was asked to do:
// `kav [--simulate] [--trace-for SECONDS] [--screenshots DIR] [FILE...]`, or
// `kav [--simulate] --stability SECONDS [--tolerance DB] --certificate OUT.pdf`.
struct ProgramOptions
{
    QStringList files;       // opened on the tab of their kind
    QString screenshotsDir;  // non-empty: render each tab into DIR and exit
    bool simulate = false;   // the simulated instrument stands in for USB
    int traceForSeconds = 0; // > 0: trace on the AUTOTRACE tab for that long, then stop
    // > 0: a stability run of that long, without a window, ending with its
    // certificate in certificatePath, against the tolerance when given.
    int stabilitySeconds = 0;
    std::optional<double> toleranceDb;
    QString certificatePath;
    bool showHelp = false;
    bool showVersion = false;
    QString error; // non-empty: the arguments could not be understood

    static ProgramOptions Parse(const QStringList& arguments); // arguments without the program name
    static QString Usage();
};
