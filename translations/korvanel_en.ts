<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>ClassFigures</name>
    <message numerus="yes">
        <source>%1, %n student(s): %2</source>
        <extracomment>%1 names the question, %2 is the slip&apos;s hint; %n students met it.</extracomment>
        <translation>
            <numerusform>%1, %n student: %2</numerusform>
            <numerusform>%1, %n students: %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassReport</name>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n student</numerusform>
            <numerusform>%n students</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassSetPage</name>
    <message numerus="yes">
        <source>Written for %n subject(s): the worksheets to %1 and the answer keys to %2.</source>
        <translation>
            <numerusform>Written for %n subject: the worksheets to %1 and the answer keys to %2.</numerusform>
            <numerusform>Written for %n subjects: the worksheets to %1 and the answer keys to %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Written for %n subject(s): %1.</source>
        <translation>
            <numerusform>Written for %n subject: %1.</numerusform>
            <numerusform>Written for %n subjects: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HandedIn</name>
    <message numerus="yes">
        <source>%n record(s) held an attempt read already, and it counts once.</source>
        <translation>
            <numerusform>%n record held an attempt read already, and it counts once.</numerusform>
            <numerusform>%n records held attempts read already, and each counts once.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) were edited; what their entries earn is shown, not what they say.</source>
        <translation>
            <numerusform>%n record was edited; what its entries earn is shown, not what they say.</numerusform>
            <numerusform>%n records were edited; what their entries earn is shown, not what they say.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read and are left out.</source>
        <translation>
            <numerusform>%n file could not be read and is left out.</numerusform>
            <numerusform>%n files could not be read and are left out.</numerusform>
        </translation>
    </message>
</context>
</TS>
