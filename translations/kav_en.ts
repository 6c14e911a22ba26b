<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
</TS>
