<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DrawTexts</name>
    <message numerus="yes">
        <source>And %n more differences.</source>
        <translation>
            <numerusform>And %n more difference.</numerusform>
            <numerusform>And %n more differences.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListChecks</name>
    <message numerus="yes">
        <source>The %1 list stops at the empty cell in row %2; %n names follow below it</source>
        <translation>
            <numerusform>The %1 list stops at the empty cell in row %2; %n name follows below it</numerusform>
            <numerusform>The %1 list stops at the empty cell in row %2; %n names follow below it</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hits</source>
        <translation>
            <numerusform>%n hit</numerusform>
            <numerusform>%n hits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n members</source>
        <translation>
            <numerusform>%n member</numerusform>
            <numerusform>%n members</numerusform>
        </translation>
    </message>
</context>
</TS>
