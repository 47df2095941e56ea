<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Dorvane</source>
        <translation>Über Dorvane</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A year calendar with the sunrise, sunset and moon of the day.</source>
        <translation>Ein Jahreskalender mit Sonnenaufgang, Sonnenuntergang und Mond des Tages.</translation>
    </message>
    <message>
        <source>The day&apos;s figures</source>
        <translation>Die Zahlen des Tages</translation>
    </message>
    <message>
        <source>Julian: the year&apos;s last two digits, a point and the day of the year. 24.075 is the 75th day of 2024, 15 March.</source>
        <translation>Julian: die letzten beiden Ziffern des Jahres, ein Punkt und der Tag des Jahres. 24.075 ist der 75. Tag von 2024, der 15. März.</translation>
    </message>
    <message>
        <source>Two days clicked one after the other: Dy, Wk and Mo count the days, the calendar weeks and the months from the first to the second, both included.</source>
        <translation>Zwei nacheinander angeklickte Tage: Dy, Wk und Mo zählen die Tage, die Kalenderwochen und die Monate vom ersten bis zum zweiten, beide eingeschlossen.</translation>
    </message>
    <message>
        <source>The sun times</source>
        <translation>Die Sonnenzeiten</translation>
    </message>
    <message>
        <source>Maroon: the sunrise and sunset of the day just clicked, at your position; after three seconds today&apos;s come back.</source>
        <translation>Kastanienbraun: Sonnenaufgang und -untergang des gerade angeklickten Tages an Ihrem Standort; nach drei Sekunden kehren die heutigen zurück.</translation>
    </message>
    <message>
        <source>Navy: today&apos;s sunrise and sunset at your position.</source>
        <translation>Marineblau: der heutige Sonnenaufgang und -untergang an Ihrem Standort.</translation>
    </message>
    <message>
        <source>Where the settings live</source>
        <translation>Wo die Einstellungen liegen</translation>
    </message>
    <message>
        <source>Position, time zone, 24-hour time and hints: %1</source>
        <translation>Standort, Zeitzone, 24-Stunden-Anzeige und Tipps: %1</translation>
    </message>
    <message>
        <source>The window&apos;s place, view and week numbers: %1</source>
        <translation>Platz, Ansicht und Kalenderwochen des Fensters: %1</translation>
    </message>
    <message>
        <source>The window&apos;s place and view are not kept.</source>
        <translation>Platz und Ansicht des Fensters werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>This box</source>
        <translation>Dieses Fenster</translation>
    </message>
    <message>
        <source>Arrows, Page Up, Page Down</source>
        <translation>Pfeiltasten, Bild auf, Bild ab</translation>
    </message>
    <message>
        <source>in a calendar: the day, the month</source>
        <translation>in einem Kalender: der Tag, der Monat</translation>
    </message>
    <message>
        <source>Enter, Escape</source>
        <translation>Eingabe, Esc</translation>
    </message>
    <message>
        <source>in the year field: show the year, close the field</source>
        <translation>im Jahresfeld: das Jahr zeigen, das Feld schließen</translation>
    </message>
    <message>
        <source>A day with your own events</source>
        <translation>Ein Tag mit eigenen Terminen</translation>
    </message>
    <message>
        <source>Today: bold maroon on pale yellow</source>
        <translation>Heute: fett in Kastanienbraun auf Hellgelb</translation>
    </message>
    <message>
        <source>Each mark stands on its day in your time zone; the Day panel tells its time.</source>
        <translation>Jede Markierung steht an ihrem Tag in Ihrer Zeitzone; das Tagesfenster nennt die Uhrzeit.</translation>
    </message>
    <message>
        <source>Marks on the calendar, on or off</source>
        <translation>Markierungen im Kalender ein oder aus</translation>
    </message>
    <message>
        <source>Free software: you may share and change it under the GNU General Public License, version 3 or later. It comes with no warranty.</source>
        <translation>Freie Software: Sie dürfen sie unter der GNU General Public License, Version 3 oder später, weitergeben und verändern. Sie kommt ohne jede Gewährleistung.</translation>
    </message>
    <message>
        <source>Eclipses and the moon&apos;s distance come from Astronomy Engine by Don Cross, under the MIT licence.</source>
        <translation>Finsternisse und die Entfernung des Mondes stammen aus Astronomy Engine von Don Cross, unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <source>Holidays come from the date-holidays data set by commenthol and its contributors, under the Creative Commons Attribution-ShareAlike 3.0 licence.</source>
        <translation>Die Feiertage stammen aus dem Datensatz date-holidays von commenthol und seinen Mitwirkenden, unter der Lizenz Creative Commons Namensnennung – Weitergabe unter gleichen Bedingungen 3.0.</translation>
    </message>
</context>
<context>
    <name>CalendarsDialog</name>
    <message>
        <source>Your calendars</source>
        <translation>Ihre Kalender</translation>
    </message>
    <message>
        <source>Your calendars...</source>
        <translation>Ihre Kalender...</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Calendar files and what was read of each</source>
        <translation>Kalenderdateien und was aus jeder gelesen wurde</translation>
    </message>
    <message>
        <source>Add calendar files</source>
        <translation>Kalenderdateien hinzufügen</translation>
    </message>
    <message>
        <source>Remove the chosen calendar file</source>
        <translation>Die gewählte Kalenderdatei entfernen</translation>
    </message>
    <message>
        <source>Close your calendars</source>
        <translation>Ihre Kalender schließen</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar-Dateien (*.ics)</translation>
    </message>
    <message>
        <source>No calendar files yet: Add... chooses some.</source>
        <translation>Noch keine Kalenderdateien: Hinzufügen... wählt welche aus.</translation>
    </message>
    <message>
        <source>Add a calendar by its web address</source>
        <translation>Einen Kalender über seine Webadresse hinzufügen</translation>
    </message>
    <message>
        <source>Fetch the chosen web calendar again</source>
        <translation>Den gewählten Webkalender neu abrufen</translation>
    </message>
    <message>
        <source>Add a calendar by address</source>
        <translation>Kalender per Adresse hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Address (https:// or webcal://):</source>
        <translation>&amp;Adresse (https:// oder webcal://):</translation>
    </message>
    <message>
        <source>&amp;Name (may stay empty):</source>
        <translation>&amp;Name (darf leer bleiben):</translation>
    </message>
    <message>
        <source>Add by a&amp;ddress...</source>
        <translation>Per A&amp;dresse hinzufügen...</translation>
    </message>
    <message>
        <source>Fetch a&amp;gain</source>
        <translation>&amp;Neu abrufen</translation>
    </message>
</context>
<context>
    <name>ConvertError</name>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>„%1“ ist kein gültiges Datum</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid time</source>
        <translation>„%1“ ist keine gültige Uhrzeit</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation>„%1“ ist keine gültige Angabe von Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>„%1“ ist keine gültige Dezimalzahl</translation>
    </message>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Ungültige Angaben für ein Datum</translation>
    </message>
    <message>
        <source>Invalid argument to time encode</source>
        <translation>Ungültige Angaben für eine Uhrzeit</translation>
    </message>
    <message>
        <source>Failed to set calendar date or time</source>
        <translation>Datum oder Uhrzeit des Kalenders konnten nicht gesetzt werden</translation>
    </message>
</context>
<context>
    <name>DayMarks</name>
    <message>
        <source>Your events</source>
        <translation>Ihre Termine</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>today</source>
        <translation>heute</translation>
    </message>
</context>
<context>
    <name>DayPanel</name>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>C&amp;lear first day</source>
        <translation>Ersten Tag &amp;löschen</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>vom %1 bis %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>no change</source>
        <translation>keine Änderung</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Day of year</source>
        <translation>Tag des Jahres</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>ISO week</source>
        <translation>ISO-Woche</translation>
    </message>
    <message>
        <source>Span week (Sun to Sat)</source>
        <translation>Woche der Spanne (So bis Sa)</translation>
    </message>
    <message>
        <source>none this day</source>
        <translation>keine an diesem Tag</translation>
    </message>
    <message>
        <source>Astronomical dawn</source>
        <translation>Astronomische Morgendämmerung</translation>
    </message>
    <message>
        <source>Nautical dawn</source>
        <translation>Nautische Morgendämmerung</translation>
    </message>
    <message>
        <source>Civil dawn</source>
        <translation>Bürgerliche Morgendämmerung</translation>
    </message>
    <message>
        <source>Solar noon</source>
        <translation>Sonnenhöchststand</translation>
    </message>
    <message>
        <source>Civil dusk</source>
        <translation>Bürgerliche Abenddämmerung</translation>
    </message>
    <message>
        <source>Nautical dusk</source>
        <translation>Nautische Abenddämmerung</translation>
    </message>
    <message>
        <source>Astronomical dusk</source>
        <translation>Astronomische Abenddämmerung</translation>
    </message>
    <message>
        <source>none: midnight sun, up all day</source>
        <translation>keiner: Mitternachtssonne, den ganzen Tag oben</translation>
    </message>
    <message>
        <source>none: polar night, down all day</source>
        <translation>keiner: Polarnacht, den ganzen Tag unten</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Midnight sun: above the horizon all day</source>
        <translation>Mitternachtssonne: den ganzen Tag über dem Horizont</translation>
    </message>
    <message>
        <source>Polar night: below the horizon all day</source>
        <translation>Polarnacht: den ganzen Tag unter dem Horizont</translation>
    </message>
    <message>
        <source>Day length</source>
        <translation>Tageslänge</translation>
    </message>
    <message>
        <source>Change from day before</source>
        <translation>Änderung zum Vortag</translation>
    </message>
    <message>
        <source>none: the moon is up all day</source>
        <translation>keiner: der Mond ist den ganzen Tag oben</translation>
    </message>
    <message>
        <source>none: the moon is down all day</source>
        <translation>keiner: der Mond ist den ganzen Tag unten</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Mondaufgang</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Monduntergang</translation>
    </message>
    <message>
        <source>Moon phase at 18:00</source>
        <translation>Mondphase um 18:00</translation>
    </message>
    <message>
        <source>Moon lit</source>
        <translation>Mond beleuchtet</translation>
    </message>
    <message>
        <source>Moon age</source>
        <translation>Mondalter</translation>
    </message>
    <message>
        <source>Next new moon</source>
        <translation>Nächster Neumond</translation>
    </message>
    <message>
        <source>Next first quarter</source>
        <translation>Nächstes erstes Viertel</translation>
    </message>
    <message>
        <source>Next full moon</source>
        <translation>Nächster Vollmond</translation>
    </message>
    <message>
        <source>Next last quarter</source>
        <translation>Nächstes letztes Viertel</translation>
    </message>
    <message>
        <source>First day of a span</source>
        <translation>Erster Tag einer Spanne</translation>
    </message>
    <message>
        <source>Span</source>
        <translation>Spanne</translation>
    </message>
    <message>
        <source>Counting both days</source>
        <translation>Beide Tage gezählt</translation>
    </message>
    <message>
        <source>Span in weeks</source>
        <translation>Spanne in Wochen</translation>
    </message>
    <message>
        <source>Span weeks touched</source>
        <translation>Berührte Wochen</translation>
    </message>
    <message>
        <source>Months touched</source>
        <translation>Berührte Monate</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>All day: %1</source>
        <translation>Ganztägig: %1</translation>
    </message>
    <message>
        <source>Calendar file</source>
        <translation>Kalenderdatei</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Markiert</translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more</source>
        <translation>
            <numerusform>und %Ln weiterer</numerusform>
            <numerusform>und %Ln weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s)</source>
        <translation>
            <numerusform>%n Woche</numerusform>
            <numerusform>%n Wochen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s)</source>
        <translation>
            <numerusform>%n Monat</numerusform>
            <numerusform>%n Monate</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Blue hour, morning</source>
        <translation>Blaue Stunde, morgens</translation>
    </message>
    <message>
        <source>Golden hour, morning</source>
        <translation>Goldene Stunde, morgens</translation>
    </message>
    <message>
        <source>Golden hour, evening</source>
        <translation>Goldene Stunde, abends</translation>
    </message>
    <message>
        <source>Blue hour, evening</source>
        <translation>Blaue Stunde, abends</translation>
    </message>
    <message>
        <source>Sunrise direction</source>
        <translation>Richtung des Sonnenaufgangs</translation>
    </message>
    <message>
        <source>Sunset direction</source>
        <translation>Richtung des Sonnenuntergangs</translation>
    </message>
    <message>
        <source>Sun&apos;s height at noon</source>
        <translation>Sonnenhöhe am Mittag</translation>
    </message>
    <message>
        <source>Moonrise direction</source>
        <translation>Richtung des Mondaufgangs</translation>
    </message>
    <message>
        <source>Moonset direction</source>
        <translation>Richtung des Monduntergangs</translation>
    </message>
    <message numerus="yes">
        <source>from %1</source>
        <translation>
            <numerusform>ab %1</numerusform>
            <numerusform>ab %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>until %1</source>
        <translation>
            <numerusform>bis %1</numerusform>
            <numerusform>bis %1</numerusform>
        </translation>
    </message>
    <message>
        <source>all day</source>
        <translation>den ganzen Tag</translation>
    </message>
    <message>
        <source>%1, a supermoon, %2 km away</source>
        <translation>%1, ein Supermond, %2 km entfernt</translation>
    </message>
    <message>
        <source>%1, %2 km away</source>
        <translation>%1, %2 km entfernt</translation>
    </message>
    <message>
        <source>not seen here</source>
        <translation>hier nicht zu sehen</translation>
    </message>
    <message>
        <source>total here</source>
        <translation>hier total</translation>
    </message>
    <message>
        <source>annular here, %1 of the sun covered</source>
        <translation>hier ringförmig, %1 der Sonne bedeckt</translation>
    </message>
    <message>
        <source>partial here, %1 of the sun covered</source>
        <translation>hier partiell, %1 der Sonne bedeckt</translation>
    </message>
    <message numerus="yes">
        <source>%1, greatest at %2</source>
        <translation>
            <numerusform>%1, Maximum um %2</numerusform>
            <numerusform>%1, Maximum um %2</numerusform>
        </translation>
    </message>
    <message>
        <source>total from %1 to %2</source>
        <translation>total von %1 bis %2</translation>
    </message>
    <message>
        <source>annular from %1 to %2</source>
        <translation>ringförmig von %1 bis %2</translation>
    </message>
    <message>
        <source>the sun rises during it</source>
        <translation>die Sonne geht währenddessen auf</translation>
    </message>
    <message>
        <source>the sun sets during it</source>
        <translation>die Sonne geht währenddessen unter</translation>
    </message>
    <message>
        <source>penumbral %1</source>
        <translation>Halbschatten %1</translation>
    </message>
    <message>
        <source>partial %1</source>
        <translation>partiell %1</translation>
    </message>
    <message>
        <source>total %1</source>
        <translation>total %1</translation>
    </message>
    <message numerus="yes">
        <source>greatest at %1</source>
        <translation>
            <numerusform>Maximum um %1</numerusform>
            <numerusform>Maximum um %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the moon is up</source>
        <translation>der Mond steht am Himmel</translation>
    </message>
    <message>
        <source>the moon rises during it</source>
        <translation>der Mond geht währenddessen auf</translation>
    </message>
    <message>
        <source>the moon sets during it</source>
        <translation>der Mond geht währenddessen unter</translation>
    </message>
    <message>
        <source>not seen here: the moon is below the horizon</source>
        <translation>hier nicht zu sehen: der Mond steht unter dem Horizont</translation>
    </message>
    <message>
        <source>&amp;Year&apos;s daylight</source>
        <translation>&amp;Tageslicht des Jahres</translation>
    </message>
    <message>
        <source>&amp;Marked days...</source>
        <translation>&amp;Markierte Tage...</translation>
    </message>
    <message>
        <source>From today</source>
        <translation>Ab heute</translation>
    </message>
    <message>
        <source>Your day</source>
        <translation>Ihr Tag</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Coming up</source>
        <translation>Demnächst</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>ddd d MMM</source>
        <translation>ddd d. MMM</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>morgen</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>gestern</translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <translation>
            <numerusform>in %n Tag</numerusform>
            <numerusform>in %n Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>vor %n Tag</numerusform>
            <numerusform>vor %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <translation>d. MMMM</translation>
    </message>
    <message>
        <source>d</source>
        <comment>a day&apos;s number</comment>
        <translation>d.</translation>
    </message>
    <message>
        <source>Holidays are not known for %1</source>
        <translation>Feiertage sind für %1 nicht bekannt</translation>
    </message>
</context>
<context>
    <name>DayPictureView</name>
    <message>
        <source>The sun&apos;s and the moon&apos;s height over the day</source>
        <translation>Die Höhe der Sonne und des Mondes über den Tag</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>Usage: dorvane --export YEAR FILE.pdf|FILE.png [--paper a4|letter]</source>
        <translation>Aufruf: dorvane --export JAHR DATEI.pdf|DATEI.png [--paper a4|letter]</translation>
    </message>
    <message>
        <source>Not a year from 1601 to 9999: %1</source>
        <translation>Kein Jahr von 1601 bis 9999: %1</translation>
    </message>
    <message>
        <source>Not a .pdf or .png file: %1</source>
        <translation>Keine .pdf- oder .png-Datei: %1</translation>
    </message>
    <message>
        <source>Not a paper size (a4 or letter): %1</source>
        <translation>Kein Papierformat (a4 oder letter): %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Print year…</source>
        <translation>Jahr drucken…</translation>
    </message>
    <message>
        <source>Export year…</source>
        <translation>Jahr exportieren…</translation>
    </message>
    <message>
        <source>Export year</source>
        <translation>Jahr exportieren</translation>
    </message>
    <message>
        <source>PDF, A4 (*.pdf)</source>
        <translation>PDF, A4 (*.pdf)</translation>
    </message>
    <message>
        <source>PDF, Letter (*.pdf)</source>
        <translation>PDF, Letter (*.pdf)</translation>
    </message>
    <message>
        <source>PNG picture, A4 (*.png)</source>
        <translation>PNG-Bild, A4 (*.png)</translation>
    </message>
    <message>
        <source>PNG picture, Letter (*.png)</source>
        <translation>PNG-Bild, Letter (*.png)</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Zeigt die Version.</translation>
    </message>
    <message>
        <source>YEAR FILE</source>
        <translation>JAHR DATEI</translation>
    </message>
    <message>
        <source>Writes the page of YEAR (1601 to 9999) to FILE, a .pdf or .png file, without a window.</source>
        <translation>Schreibt die Seite des Jahres JAHR (1601 bis 9999) in DATEI, eine .pdf- oder .png-Datei, ohne Fenster.</translation>
    </message>
    <message>
        <source>The paper of the export; the locale&apos;s when not given.</source>
        <translation>Das Papierformat des Exports; ohne Angabe das der Region.</translation>
    </message>
    <message>
        <source>Unknown argument &apos;%1&apos;.</source>
        <translation>Unbekanntes Argument „%1“.</translation>
    </message>
    <message>
        <source>Starts with the window hidden behind its tray icon.</source>
        <translation>Startet mit dem Fenster verborgen hinter seinem Symbol im Infobereich.</translation>
    </message>
</context>
<context>
    <name>HolidaysRow</name>
    <message>
        <source>Whole country</source>
        <translation>Ganzes Land</translation>
    </message>
    <message>
        <source>Bank holidays</source>
        <translation>Bankfeiertage</translation>
    </message>
    <message>
        <source>Observances</source>
        <translation>Gedenktage</translation>
    </message>
    <message>
        <source>Chosen from the time zone %1</source>
        <translation>Aus der Zeitzone %1 gewählt</translation>
    </message>
    <message>
        <source>Chosen from the time zone %1; choose your region</source>
        <translation>Aus der Zeitzone %1 gewählt; wählen Sie Ihre Region</translation>
    </message>
    <message>
        <source>Country of the holidays</source>
        <translation>Land der Feiertage</translation>
    </message>
    <message>
        <source>Region of the holidays</source>
        <translation>Region der Feiertage</translation>
    </message>
    <message>
        <source>Show holidays</source>
        <translation>Feiertage zeigen</translation>
    </message>
    <message>
        <source>Chosen from your place and the time zone %1</source>
        <translation>Gewählt nach Ihrem Ort und der Zeitzone %1</translation>
    </message>
</context>
<context>
    <name>MarkWords</name>
    <message>
        <source>new moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>March equinox</source>
        <translation>Märzäquinoktium</translation>
    </message>
    <message>
        <source>June solstice</source>
        <translation>Junisonnenwende</translation>
    </message>
    <message>
        <source>September equinox</source>
        <translation>Septemberäquinoktium</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>Dezembersonnenwende</translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2</source>
        <translation>
            <numerusform>%1 um %2</numerusform>
            <numerusform>%1 um %2</numerusform>
        </translation>
    </message>
    <message>
        <source>partial solar eclipse</source>
        <translation>partielle Sonnenfinsternis</translation>
    </message>
    <message>
        <source>annular solar eclipse</source>
        <translation>ringförmige Sonnenfinsternis</translation>
    </message>
    <message>
        <source>total solar eclipse</source>
        <translation>totale Sonnenfinsternis</translation>
    </message>
    <message>
        <source>hybrid solar eclipse</source>
        <translation>hybride Sonnenfinsternis</translation>
    </message>
    <message>
        <source>penumbral lunar eclipse</source>
        <translation>Halbschatten-Mondfinsternis</translation>
    </message>
    <message>
        <source>partial lunar eclipse</source>
        <translation>partielle Mondfinsternis</translation>
    </message>
    <message>
        <source>total lunar eclipse</source>
        <translation>totale Mondfinsternis</translation>
    </message>
    <message>
        <source>the year&apos;s nearest moon</source>
        <translation>der nächste Mond des Jahres</translation>
    </message>
    <message>
        <source>the year&apos;s farthest moon</source>
        <translation>der fernste Mond des Jahres</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Invalid N/S degrees in preferences.</source>
        <translation>Ungültige N/S-Grad in den Einstellungen.</translation>
    </message>
    <message>
        <source>Invalid W/E degrees in preferences.</source>
        <translation>Ungültige W/E-Grad in den Einstellungen.</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Datei kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Unknown time zone %1 in preferences.</source>
        <translation>Unbekannte Zeitzone %1 in den Einstellungen.</translation>
    </message>
</context>
<context>
    <name>ReminderTexts</name>
    <message numerus="yes">
        <source>%n more reminder(s)</source>
        <translation>
            <numerusform>%n weitere Erinnerung</numerusform>
            <numerusform>%n weitere Erinnerungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>Heute: %1</translation>
    </message>
    <message>
        <source>Tomorrow: %1</source>
        <translation>Morgen: %1</translation>
    </message>
    <message numerus="yes">
        <source>In %n day(s): %1</source>
        <translation>
            <numerusform>In %n Tag: %1</numerusform>
            <numerusform>In %n Tagen: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Under way: %1</source>
        <translation>Läuft bereits: %1</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
</context>
<context>
    <name>SharedTexts</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Week numbers</source>
        <translation>Kalenderwochen</translation>
    </message>
    <message>
        <source>Marks on the calendar</source>
        <translation>Markierungen im Kalender</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>Mit dem Desktop starten</translation>
    </message>
</context>
<context>
    <name>SkyNames</name>
    <message>
        <source>New moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>Zunehmende Sichel</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Erstes Viertel</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>Zunehmender Dreiviertelmond</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>Abnehmender Dreiviertelmond</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Letztes Viertel</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>Abnehmende Sichel</translation>
    </message>
    <message>
        <source>Equinox or solstice</source>
        <translation>Tagundnachtgleiche oder Sonnenwende</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Sonnenuntergang</translation>
    </message>
    <message>
        <source>Solar eclipse</source>
        <translation>Sonnenfinsternis</translation>
    </message>
    <message>
        <source>Lunar eclipse</source>
        <translation>Mondfinsternis</translation>
    </message>
</context>
<context>
    <name>SunReport</name>
    <message>
        <source>Invalid GMT offset in preferences.</source>
        <translation>Ungültiger GMT-Abstand in den Einstellungen.</translation>
    </message>
    <message>
        <source>Sun up or down all day</source>
        <translation>Die Sonne ist den ganzen Tag über oder unter dem Horizont</translation>
    </message>
    <message>
        <source>No sunrise this date</source>
        <translation>Kein Sonnenaufgang an diesem Tag</translation>
    </message>
    <message>
        <source>No sunset this date</source>
        <translation>Kein Sonnenuntergang an diesem Tag</translation>
    </message>
</context>
<context>
    <name>TCalendar</name>
    <message>
        <source>Year must be between 1700 and 3000</source>
        <translation>Das Jahr muss zwischen 1700 und 3000 liegen</translation>
    </message>
    <message>
        <source>Date Panel</source>
        <translation>Datumsfeld</translation>
    </message>
    <message>
        <source>0:00A</source>
        <translation>00:00</translation>
    </message>
    <message>
        <source>0:00P</source>
        <translation>00:00</translation>
    </message>
    <message>
        <source>YR:</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Jan </source>
        <translation>Jan. </translation>
    </message>
    <message>
        <source>Tray</source>
        <translation>Infobereich</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Dorvane
Today: </source>
        <translation>Dorvane
Heute: </translation>
    </message>
    <message>
        <source>Moon phase</source>
        <translation>Mondphase</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Display week number</source>
        <translation>Kalenderwochen anzeigen</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Back to today</source>
        <translation>Zurück zu heute</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Full or compact view</source>
        <translation>Ganze oder kompakte Ansicht</translation>
    </message>
    <message>
        <source>Compact size</source>
        <translation>Kompakte Größe</translation>
    </message>
    <message>
        <source>Enter a year</source>
        <translation>Jahr eingeben</translation>
    </message>
    <message>
        <source>Previous year or month</source>
        <translation>Voriges Jahr oder voriger Monat</translation>
    </message>
    <message>
        <source>Next year or month</source>
        <translation>Nächstes Jahr oder nächster Monat</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Year entry</source>
        <translation>Jahreseingabe</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>%1: none</source>
        <translation>%1: keiner</translation>
    </message>
    <message>
        <source>Shows the previous year, or the previous month in the compact view</source>
        <translation>Zeigt das vorige Jahr, in der kompakten Ansicht den vorigen Monat</translation>
    </message>
    <message>
        <source>Shows today&apos;s year again; in the compact view, January or today&apos;s month in turn</source>
        <translation>Zeigt wieder das heutige Jahr; in der kompakten Ansicht abwechselnd Januar oder den heutigen Monat</translation>
    </message>
    <message>
        <source>Shows the next year, or the next month in the compact view</source>
        <translation>Zeigt das nächste Jahr, in der kompakten Ansicht den nächsten Monat</translation>
    </message>
    <message>
        <source>Switches between the twelve months and the compact view of one to three months</source>
        <translation>Wechselt zwischen den zwölf Monaten und der kompakten Ansicht mit einem bis drei Monaten</translation>
    </message>
    <message>
        <source>Shows one, two or three months in turn in the compact view</source>
        <translation>Zeigt in der kompakten Ansicht abwechselnd einen, zwei oder drei Monate</translation>
    </message>
    <message>
        <source>Opens a field to type a year from 1700 to 3000</source>
        <translation>Öffnet ein Feld zur Eingabe eines Jahres von 1700 bis 3000</translation>
    </message>
    <message>
        <source>Closes Dorvane</source>
        <translation>Beendet Dorvane</translation>
    </message>
    <message>
        <source>Shows or hides the week numbers in all calendars</source>
        <translation>Zeigt oder verbirgt die Kalenderwochen in allen Kalendern</translation>
    </message>
    <message>
        <source>Opens the Parameters dialog: position, time zone, 24-hour time and hints</source>
        <translation>Öffnet die Einstellungen: Standort, Zeitzone, 24-Stunden-Anzeige und Tipps</translation>
    </message>
    <message>
        <source>Keeps the window above all others, or lets it go back among them</source>
        <translation>Hält das Fenster über allen anderen oder lässt es wieder zwischen sie zurück</translation>
    </message>
    <message>
        <source>Hides the window behind its icon in the notification area</source>
        <translation>Versteckt das Fenster hinter seinem Symbol im Infobereich</translation>
    </message>
    <message>
        <source>Sunrise icon</source>
        <translation>Symbol Sonnenaufgang</translation>
    </message>
    <message>
        <source>Sunset icon</source>
        <translation>Symbol Sonnenuntergang</translation>
    </message>
    <message>
        <source>Sunrise at your position on the day shown</source>
        <translation>Sonnenaufgang an Ihrem Standort am angezeigten Tag</translation>
    </message>
    <message>
        <source>Sunset at your position on the day shown</source>
        <translation>Sonnenuntergang an Ihrem Standort am angezeigten Tag</translation>
    </message>
    <message>
        <source>Moon phase on the day shown</source>
        <translation>Mondphase am angezeigten Tag</translation>
    </message>
    <message>
        <source>Month calendar: the arrow keys move the day, Page Up and Page Down the month; Enter or a click shows the day&apos;s figures</source>
        <translation>Monatskalender: Die Pfeiltasten wechseln den Tag, Bild auf und Bild ab den Monat; Eingabe oder ein Klick zeigt die Zahlen des Tages</translation>
    </message>
    <message>
        <source>Title of month calendar %1</source>
        <translation>Titel des Monatskalenders %1</translation>
    </message>
    <message>
        <source>Sun and moon of the day shown, and the commands</source>
        <translation>Sonne und Mond des angezeigten Tages und die Befehle</translation>
    </message>
    <message>
        <source>Type a year from 1700 to 3000</source>
        <translation>Geben Sie ein Jahr von 1700 bis 3000 ein</translation>
    </message>
    <message>
        <source>Label of the year field</source>
        <translation>Beschriftung des Jahresfelds</translation>
    </message>
    <message>
        <source>A year from 1700 to 3000: Enter shows it, Escape closes the field</source>
        <translation>Ein Jahr von 1700 bis 3000: Eingabe zeigt es, Esc schließt das Feld</translation>
    </message>
    <message>
        <source>Shows the year typed (Enter)</source>
        <translation>Zeigt das eingegebene Jahr (Eingabe)</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>AM</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>PM</translation>
    </message>
    <message>
        <source>, next day</source>
        <translation>, am nächsten Tag</translation>
    </message>
    <message>
        <source>, previous day</source>
        <translation>, am Vortag</translation>
    </message>
    <message>
        <source>Day panel</source>
        <translation>Tagesfenster</translation>
    </message>
    <message numerus="yes">
        <source>, %n day(s) later</source>
        <translation>
            <numerusform>, %n Tag später</numerusform>
            <numerusform>, %n Tage später</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n day(s) earlier</source>
        <translation>
            <numerusform>, %n Tag früher</numerusform>
            <numerusform>, %n Tage früher</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1:
%2</source>
        <translation>%1 kann nicht geschrieben werden:
%2</translation>
    </message>
    <message>
        <source>Cannot remove %1:
%2</source>
        <translation>%1 kann nicht entfernt werden:
%2</translation>
    </message>
    <message>
        <source>Daylight of the year</source>
        <translation>Tageslicht des Jahres</translation>
    </message>
</context>
<context>
    <name>THome</name>
    <message>
        <source>N°&apos;/ S°&apos;</source>
        <translation>N°&apos;/ S°&apos;</translation>
    </message>
    <message>
        <source>W°&apos;/ E°&apos;</source>
        <translation>W°&apos;/ E°&apos;</translation>
    </message>
    <message>
        <source>GMT Offset</source>
        <translation>GMT ±</translation>
    </message>
    <message>
        <source>Offset List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Display military time</source>
        <translation>24-Stunden-Anzeige</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Empty: fixed offset from the Offset List</source>
        <translation>Leer: fester Abstand zu GMT aus der Liste</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Hours from GMT, east positive: chosen from the Offset List or given by the time zone</source>
        <translation>Stunden Abstand zu GMT, östlich positiv: aus der Liste gewählt oder von der Zeitzone vorgegeben</translation>
    </message>
    <message>
        <source>Chooses a fixed offset from GMT</source>
        <translation>Wählt einen festen Abstand zu GMT</translation>
    </message>
    <message>
        <source>Shows the sun&apos;s times on the 24-hour clock</source>
        <translation>Zeigt die Sonnenzeiten im 24-Stunden-Format</translation>
    </message>
    <message>
        <source>Shows what the toolbar&apos;s buttons do when the pointer rests on them</source>
        <translation>Zeigt, was die Knöpfe der Werkzeugleiste tun, wenn der Mauszeiger auf ihnen ruht</translation>
    </message>
    <message>
        <source>Saves the parameters and closes the dialog (Enter); Escape closes it without saving</source>
        <translation>Speichert die Einstellungen und schließt das Fenster (Eingabe); Esc schließt es ohne Speichern</translation>
    </message>
    <message>
        <source>A zone of the system&apos;s list gives each day&apos;s offset, daylight saving included; type part of a name to narrow the list, or choose the empty entry for the fixed offset</source>
        <translation>Eine Zone aus der Liste des Systems gibt den Abstand jedes Tages an, Sommerzeit eingeschlossen; tippen Sie einen Teil eines Namens, um die Liste einzugrenzen, oder wählen Sie den leeren Eintrag für den festen Abstand</translation>
    </message>
    <message>
        <source>Caption of the %1 field</source>
        <translation>Beschriftung des Felds %1</translation>
    </message>
    <message>
        <source>Cannot create file </source>
        <translation>Datei kann nicht angelegt werden: </translation>
    </message>
    <message>
        <source>City</source>
        <translation>Stadt</translation>
    </message>
    <message>
        <source>Type a city: berl, são p</source>
        <translation>Stadt eingeben: berl, são p</translation>
    </message>
    <message>
        <source>No position: no sun times</source>
        <translation>Keine Position: keine Sonnenzeiten</translation>
    </message>
    <message>
        <source>Needs a latitude too</source>
        <translation>Braucht auch eine Breite</translation>
    </message>
    <message>
        <source>Needs a longitude too</source>
        <translation>Braucht auch eine Länge</translation>
    </message>
    <message>
        <source>Not a position: type 52.52, 52°31&apos;N or N°52.52</source>
        <translation>Keine Position: 52.52, 52°31&apos;N oder N°52.52 eingeben</translation>
    </message>
    <message>
        <source>E and W belong to the longitude</source>
        <translation>E und W gehören zur Länge</translation>
    </message>
    <message>
        <source>N and S belong to the latitude</source>
        <translation>N und S gehören zur Breite</translation>
    </message>
    <message>
        <source>A sign or a letter, not both</source>
        <translation>Ein Vorzeichen oder ein Buchstabe, nicht beides</translation>
    </message>
    <message>
        <source>One letter, before or after</source>
        <translation>Ein Buchstabe, davor oder danach</translation>
    </message>
    <message>
        <source>Degrees, minutes, seconds at most</source>
        <translation>Höchstens Grad, Minuten, Sekunden</translation>
    </message>
    <message>
        <source>Decimals only in the last number</source>
        <translation>Nachkommastellen nur in der letzten Zahl</translation>
    </message>
    <message>
        <source>Minutes and seconds go to 59</source>
        <translation>Minuten und Sekunden gehen bis 59</translation>
    </message>
    <message>
        <source>Latitudes go to 90°</source>
        <translation>Breiten gehen bis 90°</translation>
    </message>
    <message>
        <source>Longitudes go to 180°</source>
        <translation>Längen gehen bis 180°</translation>
    </message>
    <message>
        <source>No number after the degree sign</source>
        <translation>Keine Zahl nach dem Gradzeichen</translation>
    </message>
    <message>
        <source>At %1 the sun keeps GMT %2, not %3: its times will be off by hours.</source>
        <translation>Bei %1 geht die Sonne nach GMT %2, nicht %3: ihre Zeiten weichen um Stunden ab.</translation>
    </message>
    <message>
        <source>%1 — the position is %2 km from %3</source>
        <translation>%1 — die Position ist %2 km von %3 entfernt</translation>
    </message>
    <message>
        <source>Take %1</source>
        <translation>%1 übernehmen</translation>
    </message>
    <message>
        <source>Degrees north, or negative or S for south: 52.52, 52°31&apos;N, N°52.52, or a pasted pair</source>
        <translation>Grad Nord, negativ oder mit S für Süd: 52.52, 52°31&apos;N, N°52.52, oder ein eingefügtes Paar</translation>
    </message>
    <message>
        <source>Degrees east, or negative or W for west: 13.40, 13°24&apos;E, W°97.45</source>
        <translation>Grad Ost, negativ oder mit W für West: 13.40, 13°24&apos;E, W°97.45</translation>
    </message>
    <message>
        <source>City search</source>
        <translation>Stadtsuche</translation>
    </message>
    <message>
        <source>Type the start of a city&apos;s name and pick it: it fills the latitude, longitude and time zone</source>
        <translation>Den Anfang eines Stadtnamens eingeben und auswählen: füllt Breite, Länge und Zeitzone</translation>
    </message>
    <message>
        <source>Puts the zone&apos;s city in the latitude and longitude fields</source>
        <translation>Setzt die Stadt der Zone in die Felder Breite und Länge</translation>
    </message>
    <message>
        <source>Dorvane starts hidden behind its tray icon when you log in</source>
        <translation>Dorvane startet bei der Anmeldung verborgen hinter seinem Symbol im Infobereich</translation>
    </message>
</context>
<context>
    <name>WebCalendars</name>
    <message>
        <source>%1 (web): fetching...</source>
        <translation>%1 (Web): wird abgerufen...</translation>
    </message>
    <message numerus="yes">
        <source>%1 (web): %n event(s), updated %2</source>
        <translation>
            <numerusform>%1 (Web): %n Termin, aktualisiert %2</numerusform>
            <numerusform>%1 (Web): %n Termine, aktualisiert %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (web): offline, from %2</source>
        <translation>%1 (Web): offline, Stand %2</translation>
    </message>
    <message>
        <source>%1 (web): offline, not fetched yet</source>
        <translation>%1 (Web): offline, noch nicht abgerufen</translation>
    </message>
    <message>
        <source>%1 (web): %2</source>
        <translation>%1 (Web): %2</translation>
    </message>
    <message>
        <source>%1 (web): %2, showing the copy from %3</source>
        <translation>%1 (Web): %2, gezeigt wird der Stand von %3</translation>
    </message>
    <message>
        <source>not found (%1)</source>
        <translation>nicht gefunden (%1)</translation>
    </message>
    <message>
        <source>access refused (%1)</source>
        <translation>Zugriff verweigert (%1)</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>der Server antwortete %1</translation>
    </message>
    <message>
        <source>refused: redirected to an address that is not https</source>
        <translation>abgelehnt: auf eine Adresse ohne https umgeleitet</translation>
    </message>
    <message>
        <source>refused: redirected too many times</source>
        <translation>abgelehnt: zu oft umgeleitet</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>zu groß</translation>
    </message>
    <message>
        <source>took too long</source>
        <translation>dauerte zu lange</translation>
    </message>
    <message>
        <source>certificate not trusted</source>
        <translation>Zertifikat nicht vertrauenswürdig</translation>
    </message>
    <message>
        <source>not an iCalendar file</source>
        <translation>keine iCalendar-Datei</translation>
    </message>
    <message>
        <source>its copy cannot be saved</source>
        <translation>die Kopie lässt sich nicht speichern</translation>
    </message>
    <message>
        <source>Type the calendar&apos;s address.</source>
        <translation>Geben Sie die Adresse des Kalenders ein.</translation>
    </message>
    <message>
        <source>An address has no spaces.</source>
        <translation>Eine Adresse enthält keine Leerzeichen.</translation>
    </message>
    <message>
        <source>Only addresses starting with https:// or webcal:// are fetched.</source>
        <translation>Nur Adressen, die mit https:// oder webcal:// beginnen, werden abgerufen.</translation>
    </message>
    <message>
        <source>The address names no server.</source>
        <translation>Die Adresse nennt keinen Server.</translation>
    </message>
    <message>
        <source>This is not a web address.</source>
        <translation>Das ist keine Webadresse.</translation>
    </message>
    <message>
        <source>This calendar is already listed.</source>
        <translation>Dieser Kalender ist schon in der Liste.</translation>
    </message>
    <message>
        <source>the program&apos;s part that fetches is not installed</source>
        <translation>der Teil des Programms, der abruft, ist nicht installiert</translation>
    </message>
    <message>
        <source>no connection through the proxy</source>
        <translation>keine Verbindung über den Proxy</translation>
    </message>
    <message>
        <source>the proxy asks for a user and password</source>
        <translation>der Proxy verlangt Benutzer und Passwort</translation>
    </message>
    <message>
        <source>the proxy set in https_proxy or all_proxy cannot be used</source>
        <translation>der in https_proxy oder all_proxy angegebene Proxy ist nicht verwendbar</translation>
    </message>
</context>
<context>
    <name>WeekRulesRow</name>
    <message>
        <source>First day</source>
        <translation>Erster Tag</translation>
    </message>
    <message>
        <source>Week no.</source>
        <translation>Woche Nr.</translation>
    </message>
    <message>
        <source>Locale&apos;s (%1)</source>
        <translation>Region (%1)</translation>
    </message>
    <message>
        <source>ISO 8601</source>
        <translation>ISO 8601</translation>
    </message>
    <message>
        <source>Week of 1 January</source>
        <translation>Woche des 1. Januar</translation>
    </message>
    <message>
        <source>First day of the week</source>
        <translation>Erster Tag der Woche</translation>
    </message>
    <message>
        <source>The day in the first column of every month</source>
        <translation>Der Tag in der ersten Spalte jedes Monats</translation>
    </message>
    <message>
        <source>ISO 8601, or week 1 is the week that holds 1 January, starting on the first day</source>
        <translation>ISO 8601, oder Woche 1 ist die Woche, die den 1. Januar enthält, beginnend mit dem ersten Tag</translation>
    </message>
</context>
<context>
    <name>YearChartView</name>
    <message>
        <source>Daylight over the year</source>
        <translation>Tageslicht über das Jahr</translation>
    </message>
</context>
<context>
    <name>YearChartWindow</name>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Daylight of %1</source>
        <translation>Tageslicht %1</translation>
    </message>
    <message>
        <source>Export the daylight chart</source>
        <translation>Tageslicht-Diagramm exportieren</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>YearSheet</name>
    <message>
        <source>Event</source>
        <translation>Termin</translation>
    </message>
    <message>
        <source>Weeks: ISO 8601</source>
        <translation>Wochen: ISO 8601</translation>
    </message>
    <message>
        <source>Weeks: week 1 holds 1 January</source>
        <translation>Wochen: Woche 1 enthält den 1. Januar</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Feiertage</translation>
    </message>
</context>
<context>
    <name>YourCalendars</name>
    <message>
        <source>%1: being read</source>
        <translation>%1: wird gelesen</translation>
    </message>
    <message>
        <source>%1, not all of their days shown</source>
        <translation>%1, nicht alle ihre Tage angezeigt</translation>
    </message>
    <message>
        <source>%1: the file is gone</source>
        <translation>%1: die Datei ist nicht mehr da</translation>
    </message>
    <message>
        <source>%1: not a file</source>
        <translation>%1: keine Datei</translation>
    </message>
    <message>
        <source>%1: larger than %2 MB, not read</source>
        <translation>%1: größer als %2 MB, nicht gelesen</translation>
    </message>
    <message>
        <source>%1: not an iCalendar file</source>
        <translation>%1: keine iCalendar-Datei</translation>
    </message>
    <message>
        <source>%1: cannot be opened</source>
        <translation>%1: kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>(no title)</source>
        <translation>(ohne Titel)</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n event(s)</source>
        <translation>
            <numerusform>%1: %n Termin</numerusform>
            <numerusform>%1: %n Termine</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>YourDays</name>
    <message>
        <source>Your days</source>
        <translation>Ihre Tage</translation>
    </message>
    <message>
        <source>Mark days...</source>
        <translation>Tage markieren...</translation>
    </message>
    <message>
        <source>Mark the chosen days</source>
        <translation>Die gewählten Tage markieren</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>„%1“ bearbeiten...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>„%1“ löschen</translation>
    </message>
    <message>
        <source>Mark days</source>
        <translation>Tage markieren</translation>
    </message>
    <message>
        <source>Edit marked days</source>
        <translation>Markierte Tage bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Kategorie:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Notiz:</translation>
    </message>
    <message>
        <source>Every &amp;year</source>
        <translation>&amp;Jedes Jahr</translation>
    </message>
    <message>
        <source>&amp;Remind me</source>
        <translation>&amp;Erinnern</translation>
    </message>
    <message>
        <source>days before, at</source>
        <translation>Tage vorher, um</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Your days could not be saved (%1): the change is kept here and saved again at the next change.</source>
        <translation>Ihre Tage konnten nicht gespeichert werden (%1): die Änderung bleibt hier erhalten und wird bei der nächsten Änderung erneut gespeichert.</translation>
    </message>
    <message>
        <source>Your days&apos; file %1 cannot be used (%2): nothing is written to it.</source>
        <translation>Die Datei Ihrer Tage %1 kann nicht verwendet werden (%2): es wird nichts hineingeschrieben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed here and in another program: the newer change was kept.</source>
        <translation>„%1“ wurde hier und in einem anderen Programm geändert: die neuere Änderung wurde behalten.</translation>
    </message>
    <message>
        <source>Your days (writable), marked: %1</source>
        <translation>Ihre Tage (beschreibbar), markiert: %1</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>Reise</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Urlaub</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Geburtstag</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Arbeit</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Persönlich</translation>
    </message>
    <message>
        <source>Categories of your days...</source>
        <translation>Kategorien Ihrer Tage...</translation>
    </message>
    <message>
        <source>Categories of your days</source>
        <translation>Kategorien Ihrer Tage</translation>
    </message>
    <message>
        <source>&amp;Add category</source>
        <translation>Kategorie &amp;hinzufügen</translation>
    </message>
    <message>
        <source>New category</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>Name of category %1</source>
        <translation>Name der Kategorie %1</translation>
    </message>
    <message>
        <source>Colour of category %1</source>
        <translation>Farbe der Kategorie %1</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Amber</source>
        <translation>Bernstein</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Time of the reminder</source>
        <translation>Uhrzeit der Erinnerung</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed in another program since: it stays as it is there.</source>
        <translation>„%1“ wurde seitdem in einem anderen Programm geändert: es bleibt, wie es dort ist.</translation>
    </message>
</context>
</TS>
