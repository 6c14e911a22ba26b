<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>JobDock</name>
    <message numerus="yes">
        <source>%n test(s) of cable %1, fiber %2 in the KAV table, current first.</source>
        <translation>
            <numerusform>%n test of cable %1, fiber %2 in the KAV table, current first.</numerusform>
            <numerusform>%n tests of cable %1, fiber %2 in the KAV table, current first.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JobSession</name>
    <message numerus="yes">
        <source>%1: %n record(s) imported</source>
        <translation>
            <numerusform>%1: %n record imported</numerusform>
            <numerusform>%1: %n records imported</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Importing %n file(s) into the job...</source>
        <translation>
            <numerusform>Importing %n file into the job...</numerusform>
            <numerusform>Importing %n files into the job...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) imported into the job.</source>
        <translation>
            <numerusform>%n file imported into the job.</numerusform>
            <numerusform>%n files imported into the job.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n test(s) renamed. The original names stay in the job.</source>
        <translation>
            <numerusform>%n test renamed. The original names stay in the job.</numerusform>
            <numerusform>%n tests renamed. The original names stay in the job.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JobTreeModel</name>
    <message numerus="yes">
        <source>Cable %1, fiber %2: %3; %n test(s)</source>
        <translation>
            <numerusform>Cable %1, fiber %2: %3; %n test</numerusform>
            <numerusform>Cable %1, fiber %2: %3; %n tests</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LiveStatus</name>
    <message numerus="yes">
        <source>Running: a reading every %1 s; %n reading(s) logged to %2.</source>
        <translation>
            <numerusform>Running: a reading every %1 s; %n reading logged to %2.</numerusform>
            <numerusform>Running: a reading every %1 s; %n readings logged to %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %n reading(s) logged to %1.</source>
        <translation>
            <numerusform>Stopped: %n reading logged to %1.</numerusform>
            <numerusform>Stopped: %n readings logged to %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VerdictSummaryLine</name>
    <message numerus="yes">
        <source>%n fibres</source>
        <translation>
            <numerusform>%n fibre</numerusform>
            <numerusform>%n fibres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n passed</source>
        <translation>
            <numerusform>%n passed</numerusform>
            <numerusform>%n passed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n warning</numerusform>
            <numerusform>%n warnings</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n failed</numerusform>
            <numerusform>%n failed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n incomplete</source>
        <translation>
            <numerusform>%n incomplete</numerusform>
            <numerusform>%n incomplete</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n without a certified wavelength</source>
        <translation>
            <numerusform>, %n without a certified wavelength</numerusform>
            <numerusform>, %n without a certified wavelength</numerusform>
        </translation>
    </message>
</context>
</TS>
