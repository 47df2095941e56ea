<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Dorvane</source>
        <translation>À propos de Dorvane</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A year calendar with the sunrise, sunset and moon of the day.</source>
        <translation>Un calendrier annuel avec le lever et le coucher du soleil et la lune du jour.</translation>
    </message>
    <message>
        <source>The day&apos;s figures</source>
        <translation>Les chiffres du jour</translation>
    </message>
    <message>
        <source>Julian: the year&apos;s last two digits, a point and the day of the year. 24.075 is the 75th day of 2024, 15 March.</source>
        <translation>« Julian » : les deux derniers chiffres de l&apos;année, un point et le jour de l&apos;année. 24.075 est le 75e jour de 2024, le 15 mars.</translation>
    </message>
    <message>
        <source>Two days clicked one after the other: Dy, Wk and Mo count the days, the calendar weeks and the months from the first to the second, both included.</source>
        <translation>Deux jours cliqués l&apos;un après l&apos;autre : Dy, Wk et Mo comptent les jours, les semaines civiles et les mois du premier au second, tous deux inclus.</translation>
    </message>
    <message>
        <source>The sun times</source>
        <translation>Les heures du soleil</translation>
    </message>
    <message>
        <source>Maroon: the sunrise and sunset of the day just clicked, at your position; after three seconds today&apos;s come back.</source>
        <translation>Bordeaux : le lever et le coucher du soleil du jour qui vient d&apos;être cliqué, à votre position ; après trois secondes, ceux d&apos;aujourd&apos;hui reviennent.</translation>
    </message>
    <message>
        <source>Navy: today&apos;s sunrise and sunset at your position.</source>
        <translation>Bleu marine : le lever et le coucher du soleil d&apos;aujourd&apos;hui à votre position.</translation>
    </message>
    <message>
        <source>Where the settings live</source>
        <translation>Où se trouvent les réglages</translation>
    </message>
    <message>
        <source>Position, time zone, 24-hour time and hints: %1</source>
        <translation>Position, fuseau horaire, affichage sur 24 heures et aide : %1</translation>
    </message>
    <message>
        <source>The window&apos;s place, view and week numbers: %1</source>
        <translation>Place, vue et numéros de semaine de la fenêtre : %1</translation>
    </message>
    <message>
        <source>The window&apos;s place and view are not kept.</source>
        <translation>La place et la vue de la fenêtre ne sont pas conservées.</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>This box</source>
        <translation>Cette fenêtre</translation>
    </message>
    <message>
        <source>Arrows, Page Up, Page Down</source>
        <translation>Flèches, Page précédente, Page suivante</translation>
    </message>
    <message>
        <source>in a calendar: the day, the month</source>
        <translation>dans un calendrier : le jour, le mois</translation>
    </message>
    <message>
        <source>Enter, Escape</source>
        <translation>Entrée, Échap</translation>
    </message>
    <message>
        <source>in the year field: show the year, close the field</source>
        <translation>dans le champ de l&apos;année : afficher l&apos;année, fermer le champ</translation>
    </message>
    <message>
        <source>A day with your own events</source>
        <translation>Un jour avec vos propres événements</translation>
    </message>
    <message>
        <source>Today: bold maroon on pale yellow</source>
        <translation>Aujourd&apos;hui : en gras marron sur jaune pâle</translation>
    </message>
    <message>
        <source>Each mark stands on its day in your time zone; the Day panel tells its time.</source>
        <translation>Chaque repère est placé sur son jour dans votre fuseau horaire ; le panneau du jour en donne l&apos;heure.</translation>
    </message>
    <message>
        <source>Marks on the calendar, on or off</source>
        <translation>Repères sur le calendrier, activés ou non</translation>
    </message>
    <message>
        <source>Free software: you may share and change it under the GNU General Public License, version 3 or later. It comes with no warranty.</source>
        <translation>Logiciel libre : vous pouvez le partager et le modifier selon la GNU General Public License, version 3 ou ultérieure. Il est fourni sans aucune garantie.</translation>
    </message>
    <message>
        <source>Eclipses and the moon&apos;s distance come from Astronomy Engine by Don Cross, under the MIT licence.</source>
        <translation>Les éclipses et la distance de la Lune viennent d&apos;Astronomy Engine de Don Cross, sous licence MIT.</translation>
    </message>
    <message>
        <source>Holidays come from the date-holidays data set by commenthol and its contributors, under the Creative Commons Attribution-ShareAlike 3.0 licence.</source>
        <translation>Les jours fériés viennent du jeu de données date-holidays de commenthol et de ses contributeurs, sous licence Creative Commons Attribution – Partage dans les mêmes conditions 3.0.</translation>
    </message>
</context>
<context>
    <name>CalendarsDialog</name>
    <message>
        <source>Your calendars</source>
        <translation>Vos calendriers</translation>
    </message>
    <message>
        <source>Your calendars...</source>
        <translation>Vos calendriers...</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Ajouter...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Calendar files and what was read of each</source>
        <translation>Fichiers de calendrier et ce qui a été lu de chacun</translation>
    </message>
    <message>
        <source>Add calendar files</source>
        <translation>Ajouter des fichiers de calendrier</translation>
    </message>
    <message>
        <source>Remove the chosen calendar file</source>
        <translation>Retirer le fichier de calendrier choisi</translation>
    </message>
    <message>
        <source>Close your calendars</source>
        <translation>Fermer vos calendriers</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Fichiers iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>No calendar files yet: Add... chooses some.</source>
        <translation>Pas encore de fichier de calendrier : Ajouter... en choisit.</translation>
    </message>
    <message>
        <source>Add a calendar by its web address</source>
        <translation>Ajouter un calendrier par son adresse web</translation>
    </message>
    <message>
        <source>Fetch the chosen web calendar again</source>
        <translation>Recharger le calendrier web choisi</translation>
    </message>
    <message>
        <source>Add a calendar by address</source>
        <translation>Ajouter un calendrier par adresse</translation>
    </message>
    <message>
        <source>&amp;Address (https:// or webcal://):</source>
        <translation>&amp;Adresse (https:// ou webcal://) :</translation>
    </message>
    <message>
        <source>&amp;Name (may stay empty):</source>
        <translation>&amp;Nom (facultatif) :</translation>
    </message>
    <message>
        <source>Add by a&amp;ddress...</source>
        <translation>Ajouter par a&amp;dresse...</translation>
    </message>
    <message>
        <source>Fetch a&amp;gain</source>
        <translation>Re&amp;charger</translation>
    </message>
</context>
<context>
    <name>ConvertError</name>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>« %1 » n&apos;est pas une date valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid time</source>
        <translation>« %1 » n&apos;est pas une heure valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation>« %1 » n&apos;est pas une date et heure valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>« %1 » n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>« %1 » n&apos;est pas un nombre décimal valide</translation>
    </message>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Arguments non valides pour une date</translation>
    </message>
    <message>
        <source>Invalid argument to time encode</source>
        <translation>Arguments non valides pour une heure</translation>
    </message>
    <message>
        <source>Failed to set calendar date or time</source>
        <translation>Impossible de régler la date ou l&apos;heure du calendrier</translation>
    </message>
</context>
<context>
    <name>DayMarks</name>
    <message>
        <source>Your events</source>
        <translation>Vos événements</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>today</source>
        <translation>aujourd&apos;hui</translation>
    </message>
</context>
<context>
    <name>DayPanel</name>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>C&amp;lear first day</source>
        <translation>&amp;Effacer le premier jour</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 jours</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>no change</source>
        <translation>sans changement</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Day of year</source>
        <translation>Jour de l&apos;année</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>ISO week</source>
        <translation>Semaine ISO</translation>
    </message>
    <message>
        <source>Span week (Sun to Sat)</source>
        <translation>Semaine de l&apos;intervalle (dim. à sam.)</translation>
    </message>
    <message>
        <source>none this day</source>
        <translation>aucun ce jour</translation>
    </message>
    <message>
        <source>Astronomical dawn</source>
        <translation>Aube astronomique</translation>
    </message>
    <message>
        <source>Nautical dawn</source>
        <translation>Aube nautique</translation>
    </message>
    <message>
        <source>Civil dawn</source>
        <translation>Aube civile</translation>
    </message>
    <message>
        <source>Solar noon</source>
        <translation>Midi solaire</translation>
    </message>
    <message>
        <source>Civil dusk</source>
        <translation>Crépuscule civil</translation>
    </message>
    <message>
        <source>Nautical dusk</source>
        <translation>Crépuscule nautique</translation>
    </message>
    <message>
        <source>Astronomical dusk</source>
        <translation>Crépuscule astronomique</translation>
    </message>
    <message>
        <source>none: midnight sun, up all day</source>
        <translation>aucun : soleil de minuit, levé toute la journée</translation>
    </message>
    <message>
        <source>none: polar night, down all day</source>
        <translation>aucun : nuit polaire, couché toute la journée</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Midnight sun: above the horizon all day</source>
        <translation>Soleil de minuit : au-dessus de l&apos;horizon toute la journée</translation>
    </message>
    <message>
        <source>Polar night: below the horizon all day</source>
        <translation>Nuit polaire : sous l&apos;horizon toute la journée</translation>
    </message>
    <message>
        <source>Day length</source>
        <translation>Durée du jour</translation>
    </message>
    <message>
        <source>Change from day before</source>
        <translation>Écart avec la veille</translation>
    </message>
    <message>
        <source>none: the moon is up all day</source>
        <translation>aucun : la lune est levée toute la journée</translation>
    </message>
    <message>
        <source>none: the moon is down all day</source>
        <translation>aucun : la lune est couchée toute la journée</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Lever de la lune</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Coucher de la lune</translation>
    </message>
    <message>
        <source>Moon phase at 18:00</source>
        <translation>Phase de la lune à 18:00</translation>
    </message>
    <message>
        <source>Moon lit</source>
        <translation>Lune éclairée</translation>
    </message>
    <message>
        <source>Moon age</source>
        <translation>Âge de la lune</translation>
    </message>
    <message>
        <source>Next new moon</source>
        <translation>Prochaine nouvelle lune</translation>
    </message>
    <message>
        <source>Next first quarter</source>
        <translation>Prochain premier quartier</translation>
    </message>
    <message>
        <source>Next full moon</source>
        <translation>Prochaine pleine lune</translation>
    </message>
    <message>
        <source>Next last quarter</source>
        <translation>Prochain dernier quartier</translation>
    </message>
    <message>
        <source>First day of a span</source>
        <translation>Premier jour d&apos;un intervalle</translation>
    </message>
    <message>
        <source>Span</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Counting both days</source>
        <translation>En comptant les deux jours</translation>
    </message>
    <message>
        <source>Span in weeks</source>
        <translation>Intervalle en semaines</translation>
    </message>
    <message>
        <source>Span weeks touched</source>
        <translation>Semaines touchées</translation>
    </message>
    <message>
        <source>Months touched</source>
        <translation>Mois touchés</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>All day: %1</source>
        <translation>Toute la journée : %1</translation>
    </message>
    <message>
        <source>Calendar file</source>
        <translation>Fichier de calendrier</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Repères</translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more</source>
        <translation>
            <numerusform>et %Ln autre</numerusform>
            <numerusform>et %Ln autres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s)</source>
        <translation>
            <numerusform>%n semaine</numerusform>
            <numerusform>%n semaines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s)</source>
        <translation>
            <numerusform>%n mois</numerusform>
            <numerusform>%n mois</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>de %1 à %2</translation>
    </message>
    <message>
        <source>Blue hour, morning</source>
        <translation>Heure bleue, matin</translation>
    </message>
    <message>
        <source>Golden hour, morning</source>
        <translation>Heure dorée, matin</translation>
    </message>
    <message>
        <source>Golden hour, evening</source>
        <translation>Heure dorée, soir</translation>
    </message>
    <message>
        <source>Blue hour, evening</source>
        <translation>Heure bleue, soir</translation>
    </message>
    <message>
        <source>Sunrise direction</source>
        <translation>Direction du lever du soleil</translation>
    </message>
    <message>
        <source>Sunset direction</source>
        <translation>Direction du coucher du soleil</translation>
    </message>
    <message>
        <source>Sun&apos;s height at noon</source>
        <translation>Hauteur du soleil à midi</translation>
    </message>
    <message>
        <source>Moonrise direction</source>
        <translation>Direction du lever de la lune</translation>
    </message>
    <message>
        <source>Moonset direction</source>
        <translation>Direction du coucher de la lune</translation>
    </message>
    <message numerus="yes">
        <source>from %1</source>
        <translation>
            <numerusform>à partir de %1</numerusform>
            <numerusform>à partir de %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>until %1</source>
        <translation>
            <numerusform>jusqu&apos;à %1</numerusform>
            <numerusform>jusqu&apos;à %1</numerusform>
        </translation>
    </message>
    <message>
        <source>all day</source>
        <translation>toute la journée</translation>
    </message>
    <message>
        <source>%1, a supermoon, %2 km away</source>
        <translation>%1, une super lune, à %2 km</translation>
    </message>
    <message>
        <source>%1, %2 km away</source>
        <translation>%1, à %2 km</translation>
    </message>
    <message>
        <source>not seen here</source>
        <translation>invisible ici</translation>
    </message>
    <message>
        <source>total here</source>
        <translation>totale ici</translation>
    </message>
    <message>
        <source>annular here, %1 of the sun covered</source>
        <translation>annulaire ici, %1 du Soleil couvert</translation>
    </message>
    <message>
        <source>partial here, %1 of the sun covered</source>
        <translation>partielle ici, %1 du Soleil couvert</translation>
    </message>
    <message numerus="yes">
        <source>%1, greatest at %2</source>
        <translation>
            <numerusform>%1, maximum à %2</numerusform>
            <numerusform>%1, maximum à %2</numerusform>
        </translation>
    </message>
    <message>
        <source>total from %1 to %2</source>
        <translation>totale de %1 à %2</translation>
    </message>
    <message>
        <source>annular from %1 to %2</source>
        <translation>annulaire de %1 à %2</translation>
    </message>
    <message>
        <source>the sun rises during it</source>
        <translation>le Soleil se lève pendant l&apos;éclipse</translation>
    </message>
    <message>
        <source>the sun sets during it</source>
        <translation>le Soleil se couche pendant l&apos;éclipse</translation>
    </message>
    <message>
        <source>penumbral %1</source>
        <translation>pénombre %1</translation>
    </message>
    <message>
        <source>partial %1</source>
        <translation>partielle %1</translation>
    </message>
    <message>
        <source>total %1</source>
        <translation>totale %1</translation>
    </message>
    <message numerus="yes">
        <source>greatest at %1</source>
        <translation>
            <numerusform>maximum à %1</numerusform>
            <numerusform>maximum à %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the moon is up</source>
        <translation>la Lune est levée</translation>
    </message>
    <message>
        <source>the moon rises during it</source>
        <translation>la Lune se lève pendant l&apos;éclipse</translation>
    </message>
    <message>
        <source>the moon sets during it</source>
        <translation>la Lune se couche pendant l&apos;éclipse</translation>
    </message>
    <message>
        <source>not seen here: the moon is below the horizon</source>
        <translation>invisible ici : la Lune est sous l&apos;horizon</translation>
    </message>
    <message>
        <source>&amp;Year&apos;s daylight</source>
        <translation>&amp;Jour de l&apos;année</translation>
    </message>
    <message>
        <source>&amp;Marked days...</source>
        <translation>&amp;Jours marqués...</translation>
    </message>
    <message>
        <source>From today</source>
        <translation>Depuis aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Your day</source>
        <translation>Votre jour</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1 : %2, %3</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Coming up</source>
        <translation>À venir</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>ddd d MMM</source>
        <translation>ddd d MMM</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>demain</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>hier</translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <translation>
            <numerusform>dans %n jour</numerusform>
            <numerusform>dans %n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>il y a %n jour</numerusform>
            <numerusform>il y a %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <translation>d MMMM</translation>
    </message>
    <message>
        <source>d</source>
        <comment>a day&apos;s number</comment>
        <translation>d</translation>
    </message>
    <message>
        <source>Holidays are not known for %1</source>
        <translation>Jours fériés inconnus pour %1</translation>
    </message>
</context>
<context>
    <name>DayPictureView</name>
    <message>
        <source>The sun&apos;s and the moon&apos;s height over the day</source>
        <translation>La hauteur du Soleil et de la Lune au fil de la journée</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>Usage: dorvane --export YEAR FILE.pdf|FILE.png [--paper a4|letter]</source>
        <translation>Utilisation : dorvane --export ANNÉE FICHIER.pdf|FICHIER.png [--paper a4|letter]</translation>
    </message>
    <message>
        <source>Not a year from 1601 to 9999: %1</source>
        <translation>Pas une année de 1601 à 9999 : %1</translation>
    </message>
    <message>
        <source>Not a .pdf or .png file: %1</source>
        <translation>Pas un fichier .pdf ou .png : %1</translation>
    </message>
    <message>
        <source>Not a paper size (a4 or letter): %1</source>
        <translation>Pas un format de papier (a4 ou letter) : %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>Print year…</source>
        <translation>Imprimer l’année…</translation>
    </message>
    <message>
        <source>Export year…</source>
        <translation>Exporter l’année…</translation>
    </message>
    <message>
        <source>Export year</source>
        <translation>Exporter l’année</translation>
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
        <translation>Image PNG, A4 (*.png)</translation>
    </message>
    <message>
        <source>PNG picture, Letter (*.png)</source>
        <translation>Image PNG, Letter (*.png)</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Affiche la version.</translation>
    </message>
    <message>
        <source>YEAR FILE</source>
        <translation>ANNÉE FICHIER</translation>
    </message>
    <message>
        <source>Writes the page of YEAR (1601 to 9999) to FILE, a .pdf or .png file, without a window.</source>
        <translation>Écrit la page de l&apos;année ANNÉE (1601 à 9999) dans FICHIER, un fichier .pdf ou .png, sans fenêtre.</translation>
    </message>
    <message>
        <source>The paper of the export; the locale&apos;s when not given.</source>
        <translation>Le format de papier de l&apos;export ; celui de la région par défaut.</translation>
    </message>
    <message>
        <source>Unknown argument &apos;%1&apos;.</source>
        <translation>Argument inconnu : « %1 ».</translation>
    </message>
    <message>
        <source>Starts with the window hidden behind its tray icon.</source>
        <translation>Démarre avec la fenêtre cachée derrière son icône de la zone de notification.</translation>
    </message>
</context>
<context>
    <name>HolidaysRow</name>
    <message>
        <source>Whole country</source>
        <translation>Tout le pays</translation>
    </message>
    <message>
        <source>Bank holidays</source>
        <translation>Fermetures bancaires</translation>
    </message>
    <message>
        <source>Observances</source>
        <translation>Commémorations</translation>
    </message>
    <message>
        <source>Chosen from the time zone %1</source>
        <translation>Choisi d’après le fuseau horaire %1</translation>
    </message>
    <message>
        <source>Chosen from the time zone %1; choose your region</source>
        <translation>Choisi d’après le fuseau horaire %1 ; choisissez votre région</translation>
    </message>
    <message>
        <source>Country of the holidays</source>
        <translation>Pays des jours fériés</translation>
    </message>
    <message>
        <source>Region of the holidays</source>
        <translation>Région des jours fériés</translation>
    </message>
    <message>
        <source>Show holidays</source>
        <translation>Jours fériés</translation>
    </message>
    <message>
        <source>Chosen from your place and the time zone %1</source>
        <translation>Choisi d&apos;après votre lieu et le fuseau horaire %1</translation>
    </message>
</context>
<context>
    <name>MarkWords</name>
    <message>
        <source>new moon</source>
        <translation>nouvelle lune</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>pleine lune</translation>
    </message>
    <message>
        <source>March equinox</source>
        <translation>équinoxe de mars</translation>
    </message>
    <message>
        <source>June solstice</source>
        <translation>solstice de juin</translation>
    </message>
    <message>
        <source>September equinox</source>
        <translation>équinoxe de septembre</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>solstice de décembre</translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2</source>
        <translation>
            <numerusform>%1 à %2</numerusform>
            <numerusform>%1 à %2</numerusform>
        </translation>
    </message>
    <message>
        <source>partial solar eclipse</source>
        <translation>éclipse solaire partielle</translation>
    </message>
    <message>
        <source>annular solar eclipse</source>
        <translation>éclipse solaire annulaire</translation>
    </message>
    <message>
        <source>total solar eclipse</source>
        <translation>éclipse solaire totale</translation>
    </message>
    <message>
        <source>hybrid solar eclipse</source>
        <translation>éclipse solaire hybride</translation>
    </message>
    <message>
        <source>penumbral lunar eclipse</source>
        <translation>éclipse lunaire pénombrale</translation>
    </message>
    <message>
        <source>partial lunar eclipse</source>
        <translation>éclipse lunaire partielle</translation>
    </message>
    <message>
        <source>total lunar eclipse</source>
        <translation>éclipse lunaire totale</translation>
    </message>
    <message>
        <source>the year&apos;s nearest moon</source>
        <translation>la Lune la plus proche de l&apos;année</translation>
    </message>
    <message>
        <source>the year&apos;s farthest moon</source>
        <translation>la Lune la plus lointaine de l&apos;année</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Invalid N/S degrees in preferences.</source>
        <translation>Degrés N/S non valides dans les préférences.</translation>
    </message>
    <message>
        <source>Invalid W/E degrees in preferences.</source>
        <translation>Degrés W/E non valides dans les préférences.</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Unknown time zone %1 in preferences.</source>
        <translation>Fuseau horaire %1 inconnu dans les préférences.</translation>
    </message>
</context>
<context>
    <name>ReminderTexts</name>
    <message numerus="yes">
        <source>%n more reminder(s)</source>
        <translation>
            <numerusform>%n autre rappel</numerusform>
            <numerusform>%n autres rappels</numerusform>
        </translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>Aujourd&apos;hui : %1</translation>
    </message>
    <message>
        <source>Tomorrow: %1</source>
        <translation>Demain : %1</translation>
    </message>
    <message numerus="yes">
        <source>In %n day(s): %1</source>
        <translation>
            <numerusform>Dans %n jour : %1</numerusform>
            <numerusform>Dans %n jours : %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Under way: %1</source>
        <translation>En cours : %1</translation>
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
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Week numbers</source>
        <translation>Numéros de semaine</translation>
    </message>
    <message>
        <source>Marks on the calendar</source>
        <translation>Repères sur le calendrier</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>Démarrer avec le bureau</translation>
    </message>
</context>
<context>
    <name>SkyNames</name>
    <message>
        <source>New moon</source>
        <translation>Nouvelle lune</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>Premier croissant</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Premier quartier</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>Gibbeuse croissante</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Pleine lune</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>Gibbeuse décroissante</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Dernier quartier</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>Dernier croissant</translation>
    </message>
    <message>
        <source>Equinox or solstice</source>
        <translation>Équinoxe ou solstice</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Lever du soleil</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Coucher du soleil</translation>
    </message>
    <message>
        <source>Solar eclipse</source>
        <translation>Éclipse solaire</translation>
    </message>
    <message>
        <source>Lunar eclipse</source>
        <translation>Éclipse lunaire</translation>
    </message>
</context>
<context>
    <name>SunReport</name>
    <message>
        <source>Invalid GMT offset in preferences.</source>
        <translation>Décalage GMT non valide dans les préférences.</translation>
    </message>
    <message>
        <source>Sun up or down all day</source>
        <translation>Le soleil reste levé ou couché toute la journée</translation>
    </message>
    <message>
        <source>No sunrise this date</source>
        <translation>Pas de lever du soleil ce jour-là</translation>
    </message>
    <message>
        <source>No sunset this date</source>
        <translation>Pas de coucher du soleil ce jour-là</translation>
    </message>
</context>
<context>
    <name>TCalendar</name>
    <message>
        <source>Year must be between 1700 and 3000</source>
        <translation>L&apos;année doit être comprise entre 1700 et 3000</translation>
    </message>
    <message>
        <source>Date Panel</source>
        <translation>Zone de date</translation>
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
        <translation>An :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Jan </source>
        <translation>janv. </translation>
    </message>
    <message>
        <source>Tray</source>
        <translation>Zone de notification</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Dorvane
Today: </source>
        <translation>Dorvane
Aujourd&apos;hui : </translation>
    </message>
    <message>
        <source>Moon phase</source>
        <translation>Phase de la lune</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <source>Display week number</source>
        <translation>Afficher les numéros de semaine</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Back to today</source>
        <translation>Retour à aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Full or compact view</source>
        <translation>Vue complète ou compacte</translation>
    </message>
    <message>
        <source>Compact size</source>
        <translation>Taille compacte</translation>
    </message>
    <message>
        <source>Enter a year</source>
        <translation>Saisir une année</translation>
    </message>
    <message>
        <source>Previous year or month</source>
        <translation>Année ou mois précédent</translation>
    </message>
    <message>
        <source>Next year or month</source>
        <translation>Année ou mois suivant</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Year entry</source>
        <translation>Saisie de l&apos;année</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>%1: none</source>
        <translation>%1 : aucun</translation>
    </message>
    <message>
        <source>Shows the previous year, or the previous month in the compact view</source>
        <translation>Affiche l&apos;année précédente, ou le mois précédent dans la vue compacte</translation>
    </message>
    <message>
        <source>Shows today&apos;s year again; in the compact view, January or today&apos;s month in turn</source>
        <translation>Affiche de nouveau l&apos;année en cours ; dans la vue compacte, tour à tour janvier ou le mois en cours</translation>
    </message>
    <message>
        <source>Shows the next year, or the next month in the compact view</source>
        <translation>Affiche l&apos;année suivante, ou le mois suivant dans la vue compacte</translation>
    </message>
    <message>
        <source>Switches between the twelve months and the compact view of one to three months</source>
        <translation>Bascule entre les douze mois et la vue compacte de un à trois mois</translation>
    </message>
    <message>
        <source>Shows one, two or three months in turn in the compact view</source>
        <translation>Affiche tour à tour un, deux ou trois mois dans la vue compacte</translation>
    </message>
    <message>
        <source>Opens a field to type a year from 1700 to 3000</source>
        <translation>Ouvre un champ pour saisir une année de 1700 à 3000</translation>
    </message>
    <message>
        <source>Closes Dorvane</source>
        <translation>Ferme Dorvane</translation>
    </message>
    <message>
        <source>Shows or hides the week numbers in all calendars</source>
        <translation>Affiche ou masque les numéros de semaine dans tous les calendriers</translation>
    </message>
    <message>
        <source>Opens the Parameters dialog: position, time zone, 24-hour time and hints</source>
        <translation>Ouvre la boîte Paramètres : position, fuseau horaire, affichage sur 24 heures et bulles d&apos;aide</translation>
    </message>
    <message>
        <source>Keeps the window above all others, or lets it go back among them</source>
        <translation>Garde la fenêtre au-dessus de toutes les autres, ou la laisse revenir parmi elles</translation>
    </message>
    <message>
        <source>Hides the window behind its icon in the notification area</source>
        <translation>Cache la fenêtre derrière son icône dans la zone de notification</translation>
    </message>
    <message>
        <source>Sunrise icon</source>
        <translation>Icône du lever du soleil</translation>
    </message>
    <message>
        <source>Sunset icon</source>
        <translation>Icône du coucher du soleil</translation>
    </message>
    <message>
        <source>Sunrise at your position on the day shown</source>
        <translation>Lever du soleil à votre position le jour affiché</translation>
    </message>
    <message>
        <source>Sunset at your position on the day shown</source>
        <translation>Coucher du soleil à votre position le jour affiché</translation>
    </message>
    <message>
        <source>Moon phase on the day shown</source>
        <translation>Phase de la lune le jour affiché</translation>
    </message>
    <message>
        <source>Month calendar: the arrow keys move the day, Page Up and Page Down the month; Enter or a click shows the day&apos;s figures</source>
        <translation>Calendrier du mois : les flèches changent de jour, Page précédente et Page suivante de mois ; Entrée ou un clic affiche les chiffres du jour</translation>
    </message>
    <message>
        <source>Title of month calendar %1</source>
        <translation>Titre du calendrier du mois %1</translation>
    </message>
    <message>
        <source>Sun and moon of the day shown, and the commands</source>
        <translation>Soleil et lune du jour affiché, et les commandes</translation>
    </message>
    <message>
        <source>Type a year from 1700 to 3000</source>
        <translation>Saisissez une année de 1700 à 3000</translation>
    </message>
    <message>
        <source>Label of the year field</source>
        <translation>Étiquette du champ de l&apos;année</translation>
    </message>
    <message>
        <source>A year from 1700 to 3000: Enter shows it, Escape closes the field</source>
        <translation>Une année de 1700 à 3000 : Entrée l&apos;affiche, Échap ferme le champ</translation>
    </message>
    <message>
        <source>Shows the year typed (Enter)</source>
        <translation>Affiche l&apos;année saisie (Entrée)</translation>
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
        <translation>, le lendemain</translation>
    </message>
    <message>
        <source>, previous day</source>
        <translation>, la veille</translation>
    </message>
    <message>
        <source>Day panel</source>
        <translation>Panneau du jour</translation>
    </message>
    <message numerus="yes">
        <source>, %n day(s) later</source>
        <translation>
            <numerusform>, %n jour plus tard</numerusform>
            <numerusform>, %n jours plus tard</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n day(s) earlier</source>
        <translation>
            <numerusform>, %n jour plus tôt</numerusform>
            <numerusform>, %n jours plus tôt</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1:
%2</source>
        <translation>Impossible d’écrire %1 :
%2</translation>
    </message>
    <message>
        <source>Cannot remove %1:
%2</source>
        <translation>Impossible de supprimer %1 :
%2</translation>
    </message>
    <message>
        <source>Daylight of the year</source>
        <translation>Lumière du jour sur l&apos;année</translation>
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
        <translation>Affichage sur 24 h</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuseau</translation>
    </message>
    <message>
        <source>Empty: fixed offset from the Offset List</source>
        <translation>Vide : décalage fixe choisi dans la liste</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Hours from GMT, east positive: chosen from the Offset List or given by the time zone</source>
        <translation>Heures d&apos;écart avec GMT, positives à l&apos;est : choisies dans la liste ou données par le fuseau horaire</translation>
    </message>
    <message>
        <source>Chooses a fixed offset from GMT</source>
        <translation>Choisit un décalage fixe par rapport à GMT</translation>
    </message>
    <message>
        <source>Shows the sun&apos;s times on the 24-hour clock</source>
        <translation>Affiche les heures du soleil sur 24 heures</translation>
    </message>
    <message>
        <source>Shows what the toolbar&apos;s buttons do when the pointer rests on them</source>
        <translation>Indique ce que font les boutons de la barre d&apos;outils quand le pointeur s&apos;y arrête</translation>
    </message>
    <message>
        <source>Saves the parameters and closes the dialog (Enter); Escape closes it without saving</source>
        <translation>Enregistre les paramètres et ferme la boîte (Entrée) ; Échap la ferme sans enregistrer</translation>
    </message>
    <message>
        <source>A zone of the system&apos;s list gives each day&apos;s offset, daylight saving included; type part of a name to narrow the list, or choose the empty entry for the fixed offset</source>
        <translation>Un fuseau de la liste du système donne le décalage de chaque jour, heure d&apos;été comprise ; tapez une partie d&apos;un nom pour restreindre la liste, ou choisissez l&apos;entrée vide pour le décalage fixe</translation>
    </message>
    <message>
        <source>Caption of the %1 field</source>
        <translation>Étiquette du champ %1</translation>
    </message>
    <message>
        <source>Cannot create file </source>
        <translation>Impossible de créer le fichier </translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Type a city: berl, são p</source>
        <translation>Tapez une ville : berl, são p</translation>
    </message>
    <message>
        <source>No position: no sun times</source>
        <translation>Sans position : pas d&apos;heures du soleil</translation>
    </message>
    <message>
        <source>Needs a latitude too</source>
        <translation>Il faut aussi une latitude</translation>
    </message>
    <message>
        <source>Needs a longitude too</source>
        <translation>Il faut aussi une longitude</translation>
    </message>
    <message>
        <source>Not a position: type 52.52, 52°31&apos;N or N°52.52</source>
        <translation>Pas une position : tapez 52.52, 52°31&apos;N ou N°52.52</translation>
    </message>
    <message>
        <source>E and W belong to the longitude</source>
        <translation>E et W vont avec la longitude</translation>
    </message>
    <message>
        <source>N and S belong to the latitude</source>
        <translation>N et S vont avec la latitude</translation>
    </message>
    <message>
        <source>A sign or a letter, not both</source>
        <translation>Un signe ou une lettre, pas les deux</translation>
    </message>
    <message>
        <source>One letter, before or after</source>
        <translation>Une seule lettre, avant ou après</translation>
    </message>
    <message>
        <source>Degrees, minutes, seconds at most</source>
        <translation>Degrés, minutes, secondes au plus</translation>
    </message>
    <message>
        <source>Decimals only in the last number</source>
        <translation>Décimales seulement dans le dernier nombre</translation>
    </message>
    <message>
        <source>Minutes and seconds go to 59</source>
        <translation>Minutes et secondes vont jusqu&apos;à 59</translation>
    </message>
    <message>
        <source>Latitudes go to 90°</source>
        <translation>Les latitudes vont jusqu&apos;à 90°</translation>
    </message>
    <message>
        <source>Longitudes go to 180°</source>
        <translation>Les longitudes vont jusqu&apos;à 180°</translation>
    </message>
    <message>
        <source>No number after the degree sign</source>
        <translation>Pas de nombre après le signe degré</translation>
    </message>
    <message>
        <source>At %1 the sun keeps GMT %2, not %3: its times will be off by hours.</source>
        <translation>À %1 le soleil suit GMT %2, pas %3 : ses heures seront décalées de plusieurs heures.</translation>
    </message>
    <message>
        <source>%1 — the position is %2 km from %3</source>
        <translation>%1 — la position est à %2 km de %3</translation>
    </message>
    <message>
        <source>Take %1</source>
        <translation>Prendre %1</translation>
    </message>
    <message>
        <source>Degrees north, or negative or S for south: 52.52, 52°31&apos;N, N°52.52, or a pasted pair</source>
        <translation>Degrés nord, ou négatifs ou S pour le sud : 52.52, 52°31&apos;N, N°52.52, ou une paire collée</translation>
    </message>
    <message>
        <source>Degrees east, or negative or W for west: 13.40, 13°24&apos;E, W°97.45</source>
        <translation>Degrés est, ou négatifs ou W pour l&apos;ouest : 13.40, 13°24&apos;E, W°97.45</translation>
    </message>
    <message>
        <source>City search</source>
        <translation>Recherche de ville</translation>
    </message>
    <message>
        <source>Type the start of a city&apos;s name and pick it: it fills the latitude, longitude and time zone</source>
        <translation>Tapez le début du nom d&apos;une ville et choisissez-la : elle remplit la latitude, la longitude et le fuseau horaire</translation>
    </message>
    <message>
        <source>Puts the zone&apos;s city in the latitude and longitude fields</source>
        <translation>Met la ville du fuseau dans les champs latitude et longitude</translation>
    </message>
    <message>
        <source>Dorvane starts hidden behind its tray icon when you log in</source>
        <translation>Dorvane démarre caché derrière son icône de la zone de notification à l’ouverture de session</translation>
    </message>
</context>
<context>
    <name>WebCalendars</name>
    <message>
        <source>%1 (web): fetching...</source>
        <translation>%1 (web) : téléchargement...</translation>
    </message>
    <message numerus="yes">
        <source>%1 (web): %n event(s), updated %2</source>
        <translation>
            <numerusform>%1 (web) : %n événement, mis à jour %2</numerusform>
            <numerusform>%1 (web) : %n événements, mis à jour %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (web): offline, from %2</source>
        <translation>%1 (web) : hors ligne, copie de %2</translation>
    </message>
    <message>
        <source>%1 (web): offline, not fetched yet</source>
        <translation>%1 (web) : hors ligne, pas encore téléchargé</translation>
    </message>
    <message>
        <source>%1 (web): %2</source>
        <translation>%1 (web) : %2</translation>
    </message>
    <message>
        <source>%1 (web): %2, showing the copy from %3</source>
        <translation>%1 (web) : %2, copie de %3 affichée</translation>
    </message>
    <message>
        <source>not found (%1)</source>
        <translation>introuvable (%1)</translation>
    </message>
    <message>
        <source>access refused (%1)</source>
        <translation>accès refusé (%1)</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>le serveur a répondu %1</translation>
    </message>
    <message>
        <source>refused: redirected to an address that is not https</source>
        <translation>refusé : redirigé vers une adresse qui n’est pas en https</translation>
    </message>
    <message>
        <source>refused: redirected too many times</source>
        <translation>refusé : redirigé trop de fois</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>trop volumineux</translation>
    </message>
    <message>
        <source>took too long</source>
        <translation>trop long</translation>
    </message>
    <message>
        <source>certificate not trusted</source>
        <translation>certificat non fiable</translation>
    </message>
    <message>
        <source>not an iCalendar file</source>
        <translation>pas un fichier iCalendar</translation>
    </message>
    <message>
        <source>its copy cannot be saved</source>
        <translation>sa copie ne peut pas être enregistrée</translation>
    </message>
    <message>
        <source>Type the calendar&apos;s address.</source>
        <translation>Saisissez l’adresse du calendrier.</translation>
    </message>
    <message>
        <source>An address has no spaces.</source>
        <translation>Une adresse ne contient pas d’espaces.</translation>
    </message>
    <message>
        <source>Only addresses starting with https:// or webcal:// are fetched.</source>
        <translation>Seules les adresses commençant par https:// ou webcal:// sont téléchargées.</translation>
    </message>
    <message>
        <source>The address names no server.</source>
        <translation>L’adresse ne nomme aucun serveur.</translation>
    </message>
    <message>
        <source>This is not a web address.</source>
        <translation>Ce n’est pas une adresse web.</translation>
    </message>
    <message>
        <source>This calendar is already listed.</source>
        <translation>Ce calendrier figure déjà dans la liste.</translation>
    </message>
    <message>
        <source>the program&apos;s part that fetches is not installed</source>
        <translation>la partie du programme qui récupère n&apos;est pas installée</translation>
    </message>
    <message>
        <source>no connection through the proxy</source>
        <translation>pas de connexion par le proxy</translation>
    </message>
    <message>
        <source>the proxy asks for a user and password</source>
        <translation>le proxy demande un utilisateur et un mot de passe</translation>
    </message>
    <message>
        <source>the proxy set in https_proxy or all_proxy cannot be used</source>
        <translation>le proxy indiqué dans https_proxy ou all_proxy ne peut pas être utilisé</translation>
    </message>
</context>
<context>
    <name>WeekRulesRow</name>
    <message>
        <source>First day</source>
        <translation>1er jour</translation>
    </message>
    <message>
        <source>Week no.</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Locale&apos;s (%1)</source>
        <translation>Région (%1)</translation>
    </message>
    <message>
        <source>ISO 8601</source>
        <translation>ISO 8601</translation>
    </message>
    <message>
        <source>Week of 1 January</source>
        <translation>Semaine du 1er janvier</translation>
    </message>
    <message>
        <source>First day of the week</source>
        <translation>Premier jour de la semaine</translation>
    </message>
    <message>
        <source>The day in the first column of every month</source>
        <translation>Le jour de la première colonne de chaque mois</translation>
    </message>
    <message>
        <source>ISO 8601, or week 1 is the week that holds 1 January, starting on the first day</source>
        <translation>ISO 8601, ou la semaine 1 est celle qui contient le 1er janvier, commençant le premier jour</translation>
    </message>
</context>
<context>
    <name>YearChartView</name>
    <message>
        <source>Daylight over the year</source>
        <translation>La lumière du jour au fil de l&apos;année</translation>
    </message>
</context>
<context>
    <name>YearChartWindow</name>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exporter…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Daylight of %1</source>
        <translation>Lumière du jour en %1</translation>
    </message>
    <message>
        <source>Export the daylight chart</source>
        <translation>Exporter le diagramme de la lumière du jour</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Image PNG (*.png)</translation>
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
        <translation>Événement</translation>
    </message>
    <message>
        <source>Weeks: ISO 8601</source>
        <translation>Semaines : ISO 8601</translation>
    </message>
    <message>
        <source>Weeks: week 1 holds 1 January</source>
        <translation>Semaines : la semaine 1 contient le 1er janvier</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Jours fériés</translation>
    </message>
</context>
<context>
    <name>YourCalendars</name>
    <message>
        <source>%1: being read</source>
        <translation>%1 : en cours de lecture</translation>
    </message>
    <message>
        <source>%1, not all of their days shown</source>
        <translation>%1, tous leurs jours ne sont pas affichés</translation>
    </message>
    <message>
        <source>%1: the file is gone</source>
        <translation>%1 : le fichier a disparu</translation>
    </message>
    <message>
        <source>%1: not a file</source>
        <translation>%1 : pas un fichier</translation>
    </message>
    <message>
        <source>%1: larger than %2 MB, not read</source>
        <translation>%1 : plus de %2 Mo, non lu</translation>
    </message>
    <message>
        <source>%1: not an iCalendar file</source>
        <translation>%1 : pas un fichier iCalendar</translation>
    </message>
    <message>
        <source>%1: cannot be opened</source>
        <translation>%1 : ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>(no title)</source>
        <translation>(sans titre)</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n event(s)</source>
        <translation>
            <numerusform>%1 : %n événement</numerusform>
            <numerusform>%1 : %n événements</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>YourDays</name>
    <message>
        <source>Your days</source>
        <translation>Vos jours</translation>
    </message>
    <message>
        <source>Mark days...</source>
        <translation>Marquer des jours...</translation>
    </message>
    <message>
        <source>Mark the chosen days</source>
        <translation>Marquer les jours choisis</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>Modifier « %1 »...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>Supprimer « %1 »</translation>
    </message>
    <message>
        <source>Mark days</source>
        <translation>Marquer des jours</translation>
    </message>
    <message>
        <source>Edit marked days</source>
        <translation>Modifier des jours marqués</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titre :</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Du :</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>&amp;Au :</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Catégorie :</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Note :</translation>
    </message>
    <message>
        <source>Every &amp;year</source>
        <translation>Chaque &amp;année</translation>
    </message>
    <message>
        <source>&amp;Remind me</source>
        <translation>&amp;Me rappeler</translation>
    </message>
    <message>
        <source>days before, at</source>
        <translation>jours avant, à</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Your days could not be saved (%1): the change is kept here and saved again at the next change.</source>
        <translation>Vos jours n&apos;ont pas pu être enregistrés (%1) : la modification est gardée ici et enregistrée de nouveau à la prochaine modification.</translation>
    </message>
    <message>
        <source>Your days&apos; file %1 cannot be used (%2): nothing is written to it.</source>
        <translation>Le fichier de vos jours %1 ne peut pas être utilisé (%2) : rien n&apos;y est écrit.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed here and in another program: the newer change was kept.</source>
        <translation>« %1 » a été modifié ici et dans un autre programme : la modification la plus récente a été gardée.</translation>
    </message>
    <message>
        <source>Your days (writable), marked: %1</source>
        <translation>Vos jours (modifiables), marqués : %1</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>Voyage</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Vacances</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Anniversaire</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Travail</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Personnel</translation>
    </message>
    <message>
        <source>Categories of your days...</source>
        <translation>Catégories de vos jours...</translation>
    </message>
    <message>
        <source>Categories of your days</source>
        <translation>Catégories de vos jours</translation>
    </message>
    <message>
        <source>&amp;Add category</source>
        <translation>&amp;Ajouter une catégorie</translation>
    </message>
    <message>
        <source>New category</source>
        <translation>Nouvelle catégorie</translation>
    </message>
    <message>
        <source>Name of category %1</source>
        <translation>Nom de la catégorie %1</translation>
    </message>
    <message>
        <source>Colour of category %1</source>
        <translation>Couleur de la catégorie %1</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Amber</source>
        <translation>Ambre</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Time of the reminder</source>
        <translation>Heure du rappel</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed in another program since: it stays as it is there.</source>
        <translation>« %1 » a été modifié depuis dans un autre programme : il reste tel qu&apos;il y est.</translation>
    </message>
</context>
</TS>
