<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DayPanel</name>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s)</source>
        <translation>
            <numerusform>%n week</numerusform>
            <numerusform>%n weeks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more</source>
        <translation>
            <numerusform>and %Ln more</numerusform>
            <numerusform>and %Ln more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s)</source>
        <translation>
            <numerusform>%n month</numerusform>
            <numerusform>%n months</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <translation>
            <numerusform>in %n day</numerusform>
            <numerusform>in %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>%n day ago</numerusform>
            <numerusform>%n days ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>from %1</source>
        <translation>
            <numerusform>from %1</numerusform>
            <numerusform>from %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>until %1</source>
        <translation>
            <numerusform>until %1</numerusform>
            <numerusform>until %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, greatest at %2</source>
        <translation>
            <numerusform>%1, greatest at %2</numerusform>
            <numerusform>%1, greatest at %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>greatest at %1</source>
        <translation>
            <numerusform>greatest at %1</numerusform>
            <numerusform>greatest at %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MarkWords</name>
    <message numerus="yes">
        <source>%1 at %2</source>
        <translation>
            <numerusform>%1 at %2</numerusform>
            <numerusform>%1 at %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReminderTexts</name>
    <message numerus="yes">
        <source>%n more reminder(s)</source>
        <translation>
            <numerusform>%n more reminder</numerusform>
            <numerusform>%n more reminders</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In %n day(s): %1</source>
        <translation>
            <numerusform>In %n day: %1</numerusform>
            <numerusform>In %n days: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TCalendar</name>
    <message numerus="yes">
        <source>, %n day(s) later</source>
        <translation>
            <numerusform>, %n day later</numerusform>
            <numerusform>, %n days later</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n day(s) earlier</source>
        <translation>
            <numerusform>, %n day earlier</numerusform>
            <numerusform>, %n days earlier</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WebCalendars</name>
    <message numerus="yes">
        <source>%1 (web): %n event(s), updated %2</source>
        <translation>
            <numerusform>%1 (web): %n event, updated %2</numerusform>
            <numerusform>%1 (web): %n events, updated %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>YourCalendars</name>
    <message numerus="yes">
        <source>%1: %n event(s)</source>
        <translation>
            <numerusform>%1: %n event</numerusform>
            <numerusform>%1: %n events</numerusform>
        </translation>
    </message>
</context>
</TS>
