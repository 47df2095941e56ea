<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Dorvane</source>
        <translation>Acerca de Dorvane</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>A year calendar with the sunrise, sunset and moon of the day.</source>
        <translation>Un calendario anual con la salida y la puesta del sol y la luna del día.</translation>
    </message>
    <message>
        <source>The day&apos;s figures</source>
        <translation>Las cifras del día</translation>
    </message>
    <message>
        <source>Julian: the year&apos;s last two digits, a point and the day of the year. 24.075 is the 75th day of 2024, 15 March.</source>
        <translation>Julian: las dos últimas cifras del año, un punto y el día del año. 24.075 es el día 75 de 2024, el 15 de marzo.</translation>
    </message>
    <message>
        <source>Two days clicked one after the other: Dy, Wk and Mo count the days, the calendar weeks and the months from the first to the second, both included.</source>
        <translation>Dos días pulsados uno tras otro: Dy, Wk y Mo cuentan los días, las semanas naturales y los meses del primero al segundo, ambos incluidos.</translation>
    </message>
    <message>
        <source>The sun times</source>
        <translation>Las horas del sol</translation>
    </message>
    <message>
        <source>Maroon: the sunrise and sunset of the day just clicked, at your position; after three seconds today&apos;s come back.</source>
        <translation>Granate: la salida y la puesta del sol del día recién pulsado, en su posición; a los tres segundos vuelven las de hoy.</translation>
    </message>
    <message>
        <source>Navy: today&apos;s sunrise and sunset at your position.</source>
        <translation>Azul marino: la salida y la puesta del sol de hoy en su posición.</translation>
    </message>
    <message>
        <source>Where the settings live</source>
        <translation>Dónde se guardan los ajustes</translation>
    </message>
    <message>
        <source>Position, time zone, 24-hour time and hints: %1</source>
        <translation>Posición, zona horaria, formato de 24 horas y ayudas: %1</translation>
    </message>
    <message>
        <source>The window&apos;s place, view and week numbers: %1</source>
        <translation>Posición, vista y números de semana de la ventana: %1</translation>
    </message>
    <message>
        <source>The window&apos;s place and view are not kept.</source>
        <translation>La posición y la vista de la ventana no se guardan.</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>This box</source>
        <translation>Este cuadro</translation>
    </message>
    <message>
        <source>Arrows, Page Up, Page Down</source>
        <translation>Flechas, Re Pág, Av Pág</translation>
    </message>
    <message>
        <source>in a calendar: the day, the month</source>
        <translation>en un calendario: el día, el mes</translation>
    </message>
    <message>
        <source>Enter, Escape</source>
        <translation>Intro, Esc</translation>
    </message>
    <message>
        <source>in the year field: show the year, close the field</source>
        <translation>en el campo del año: mostrar el año, cerrar el campo</translation>
    </message>
    <message>
        <source>A day with your own events</source>
        <translation>Un día con sus propios eventos</translation>
    </message>
    <message>
        <source>Today: bold maroon on pale yellow</source>
        <translation>Hoy: en negrita granate sobre amarillo pálido</translation>
    </message>
    <message>
        <source>Each mark stands on its day in your time zone; the Day panel tells its time.</source>
        <translation>Cada marca está en su día en su zona horaria; el panel del día indica la hora.</translation>
    </message>
    <message>
        <source>Marks on the calendar, on or off</source>
        <translation>Marcas en el calendario, sí o no</translation>
    </message>
    <message>
        <source>Free software: you may share and change it under the GNU General Public License, version 3 or later. It comes with no warranty.</source>
        <translation>Software libre: puede compartirlo y modificarlo según la GNU General Public License, versión 3 o posterior. Se ofrece sin ninguna garantía.</translation>
    </message>
    <message>
        <source>Eclipses and the moon&apos;s distance come from Astronomy Engine by Don Cross, under the MIT licence.</source>
        <translation>Los eclipses y la distancia de la Luna proceden de Astronomy Engine de Don Cross, bajo la licencia MIT.</translation>
    </message>
    <message>
        <source>Holidays come from the date-holidays data set by commenthol and its contributors, under the Creative Commons Attribution-ShareAlike 3.0 licence.</source>
        <translation>Los días festivos proceden del conjunto de datos date-holidays de commenthol y sus colaboradores, bajo la licencia Creative Commons Reconocimiento-CompartirIgual 3.0.</translation>
    </message>
</context>
<context>
    <name>CalendarsDialog</name>
    <message>
        <source>Your calendars</source>
        <translation>Sus calendarios</translation>
    </message>
    <message>
        <source>Your calendars...</source>
        <translation>Sus calendarios...</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Añadir...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Calendar files and what was read of each</source>
        <translation>Archivos de calendario y lo leído de cada uno</translation>
    </message>
    <message>
        <source>Add calendar files</source>
        <translation>Añadir archivos de calendario</translation>
    </message>
    <message>
        <source>Remove the chosen calendar file</source>
        <translation>Quitar el archivo de calendario elegido</translation>
    </message>
    <message>
        <source>Close your calendars</source>
        <translation>Cerrar sus calendarios</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Archivos iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>No calendar files yet: Add... chooses some.</source>
        <translation>Aún no hay archivos de calendario: Añadir... elige algunos.</translation>
    </message>
    <message>
        <source>Add a calendar by its web address</source>
        <translation>Añadir un calendario por su dirección web</translation>
    </message>
    <message>
        <source>Fetch the chosen web calendar again</source>
        <translation>Volver a descargar el calendario web elegido</translation>
    </message>
    <message>
        <source>Add a calendar by address</source>
        <translation>Añadir un calendario por dirección</translation>
    </message>
    <message>
        <source>&amp;Address (https:// or webcal://):</source>
        <translation>&amp;Dirección (https:// o webcal://):</translation>
    </message>
    <message>
        <source>&amp;Name (may stay empty):</source>
        <translation>&amp;Nombre (opcional):</translation>
    </message>
    <message>
        <source>Add by a&amp;ddress...</source>
        <translation>Añadir por &amp;dirección...</translation>
    </message>
    <message>
        <source>Fetch a&amp;gain</source>
        <translation>&amp;Volver a descargar</translation>
    </message>
</context>
<context>
    <name>ConvertError</name>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>«%1» no es una fecha válida</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid time</source>
        <translation>«%1» no es una hora válida</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation>«%1» no es una fecha y hora válida</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un número entero válido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«%1» no es un número decimal válido</translation>
    </message>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Argumentos no válidos para una fecha</translation>
    </message>
    <message>
        <source>Invalid argument to time encode</source>
        <translation>Argumentos no válidos para una hora</translation>
    </message>
    <message>
        <source>Failed to set calendar date or time</source>
        <translation>No se pudo establecer la fecha o la hora del calendario</translation>
    </message>
</context>
<context>
    <name>DayMarks</name>
    <message>
        <source>Your events</source>
        <translation>Sus eventos</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <source>today</source>
        <translation>hoy</translation>
    </message>
</context>
<context>
    <name>DayPanel</name>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>C&amp;lear first day</source>
        <translation>&amp;Borrar el primer día</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 días</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>del %1 al %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>no change</source>
        <translation>sin cambio</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Day of year</source>
        <translation>Día del año</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>ISO week</source>
        <translation>Semana ISO</translation>
    </message>
    <message>
        <source>Span week (Sun to Sat)</source>
        <translation>Semana del intervalo (dom. a sáb.)</translation>
    </message>
    <message>
        <source>none this day</source>
        <translation>ninguno este día</translation>
    </message>
    <message>
        <source>Astronomical dawn</source>
        <translation>Alba astronómica</translation>
    </message>
    <message>
        <source>Nautical dawn</source>
        <translation>Alba náutica</translation>
    </message>
    <message>
        <source>Civil dawn</source>
        <translation>Alba civil</translation>
    </message>
    <message>
        <source>Solar noon</source>
        <translation>Mediodía solar</translation>
    </message>
    <message>
        <source>Civil dusk</source>
        <translation>Crepúsculo civil</translation>
    </message>
    <message>
        <source>Nautical dusk</source>
        <translation>Crepúsculo náutico</translation>
    </message>
    <message>
        <source>Astronomical dusk</source>
        <translation>Crepúsculo astronómico</translation>
    </message>
    <message>
        <source>none: midnight sun, up all day</source>
        <translation>ninguna: sol de medianoche, arriba todo el día</translation>
    </message>
    <message>
        <source>none: polar night, down all day</source>
        <translation>ninguna: noche polar, abajo todo el día</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Midnight sun: above the horizon all day</source>
        <translation>Sol de medianoche: sobre el horizonte todo el día</translation>
    </message>
    <message>
        <source>Polar night: below the horizon all day</source>
        <translation>Noche polar: bajo el horizonte todo el día</translation>
    </message>
    <message>
        <source>Day length</source>
        <translation>Duración del día</translation>
    </message>
    <message>
        <source>Change from day before</source>
        <translation>Cambio respecto al día anterior</translation>
    </message>
    <message>
        <source>none: the moon is up all day</source>
        <translation>ninguna: la luna está arriba todo el día</translation>
    </message>
    <message>
        <source>none: the moon is down all day</source>
        <translation>ninguna: la luna está abajo todo el día</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Salida de la luna</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Puesta de la luna</translation>
    </message>
    <message>
        <source>Moon phase at 18:00</source>
        <translation>Fase lunar a las 18:00</translation>
    </message>
    <message>
        <source>Moon lit</source>
        <translation>Luna iluminada</translation>
    </message>
    <message>
        <source>Moon age</source>
        <translation>Edad de la luna</translation>
    </message>
    <message>
        <source>Next new moon</source>
        <translation>Próxima luna nueva</translation>
    </message>
    <message>
        <source>Next first quarter</source>
        <translation>Próximo cuarto creciente</translation>
    </message>
    <message>
        <source>Next full moon</source>
        <translation>Próxima luna llena</translation>
    </message>
    <message>
        <source>Next last quarter</source>
        <translation>Próximo cuarto menguante</translation>
    </message>
    <message>
        <source>First day of a span</source>
        <translation>Primer día de un intervalo</translation>
    </message>
    <message>
        <source>Span</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Counting both days</source>
        <translation>Contando ambos días</translation>
    </message>
    <message>
        <source>Span in weeks</source>
        <translation>Intervalo en semanas</translation>
    </message>
    <message>
        <source>Span weeks touched</source>
        <translation>Semanas tocadas</translation>
    </message>
    <message>
        <source>Months touched</source>
        <translation>Meses tocados</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>All day: %1</source>
        <translation>Todo el día: %1</translation>
    </message>
    <message>
        <source>Calendar file</source>
        <translation>Archivo de calendario</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Marcas</translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more</source>
        <translation>
            <numerusform>y %Ln más</numerusform>
            <numerusform>y %Ln más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s)</source>
        <translation>
            <numerusform>%n semana</numerusform>
            <numerusform>%n semanas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s)</source>
        <translation>
            <numerusform>%n mes</numerusform>
            <numerusform>%n meses</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>Blue hour, morning</source>
        <translation>Hora azul, mañana</translation>
    </message>
    <message>
        <source>Golden hour, morning</source>
        <translation>Hora dorada, mañana</translation>
    </message>
    <message>
        <source>Golden hour, evening</source>
        <translation>Hora dorada, tarde</translation>
    </message>
    <message>
        <source>Blue hour, evening</source>
        <translation>Hora azul, tarde</translation>
    </message>
    <message>
        <source>Sunrise direction</source>
        <translation>Dirección de la salida del sol</translation>
    </message>
    <message>
        <source>Sunset direction</source>
        <translation>Dirección de la puesta del sol</translation>
    </message>
    <message>
        <source>Sun&apos;s height at noon</source>
        <translation>Altura del sol al mediodía</translation>
    </message>
    <message>
        <source>Moonrise direction</source>
        <translation>Dirección de la salida de la luna</translation>
    </message>
    <message>
        <source>Moonset direction</source>
        <translation>Dirección de la puesta de la luna</translation>
    </message>
    <message numerus="yes">
        <source>from %1</source>
        <translation>
            <numerusform>desde la %1</numerusform>
            <numerusform>desde las %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>until %1</source>
        <translation>
            <numerusform>hasta la %1</numerusform>
            <numerusform>hasta las %1</numerusform>
        </translation>
    </message>
    <message>
        <source>all day</source>
        <translation>todo el día</translation>
    </message>
    <message>
        <source>%1, a supermoon, %2 km away</source>
        <translation>%1, una superluna, a %2 km</translation>
    </message>
    <message>
        <source>%1, %2 km away</source>
        <translation>%1, a %2 km</translation>
    </message>
    <message>
        <source>not seen here</source>
        <translation>no visible aquí</translation>
    </message>
    <message>
        <source>total here</source>
        <translation>total aquí</translation>
    </message>
    <message>
        <source>annular here, %1 of the sun covered</source>
        <translation>anular aquí, %1 del Sol cubierto</translation>
    </message>
    <message>
        <source>partial here, %1 of the sun covered</source>
        <translation>parcial aquí, %1 del Sol cubierto</translation>
    </message>
    <message numerus="yes">
        <source>%1, greatest at %2</source>
        <translation>
            <numerusform>%1, máximo a la %2</numerusform>
            <numerusform>%1, máximo a las %2</numerusform>
        </translation>
    </message>
    <message>
        <source>total from %1 to %2</source>
        <translation>total de %1 a %2</translation>
    </message>
    <message>
        <source>annular from %1 to %2</source>
        <translation>anular de %1 a %2</translation>
    </message>
    <message>
        <source>the sun rises during it</source>
        <translation>el Sol sale durante el eclipse</translation>
    </message>
    <message>
        <source>the sun sets during it</source>
        <translation>el Sol se pone durante el eclipse</translation>
    </message>
    <message>
        <source>penumbral %1</source>
        <translation>penumbral %1</translation>
    </message>
    <message>
        <source>partial %1</source>
        <translation>parcial %1</translation>
    </message>
    <message>
        <source>total %1</source>
        <translation>total %1</translation>
    </message>
    <message numerus="yes">
        <source>greatest at %1</source>
        <translation>
            <numerusform>máximo a la %1</numerusform>
            <numerusform>máximo a las %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the moon is up</source>
        <translation>la Luna está sobre el horizonte</translation>
    </message>
    <message>
        <source>the moon rises during it</source>
        <translation>la Luna sale durante el eclipse</translation>
    </message>
    <message>
        <source>the moon sets during it</source>
        <translation>la Luna se pone durante el eclipse</translation>
    </message>
    <message>
        <source>not seen here: the moon is below the horizon</source>
        <translation>no visible aquí: la Luna está bajo el horizonte</translation>
    </message>
    <message>
        <source>&amp;Year&apos;s daylight</source>
        <translation>Luz del &amp;año</translation>
    </message>
    <message>
        <source>&amp;Marked days...</source>
        <translation>Días &amp;marcados...</translation>
    </message>
    <message>
        <source>From today</source>
        <translation>Desde hoy</translation>
    </message>
    <message>
        <source>Your day</source>
        <translation>Su día</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Coming up</source>
        <translation>Próximamente</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>ddd d MMM</source>
        <translation>ddd d MMM</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>mañana</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>ayer</translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <translation>
            <numerusform>dentro de %n día</numerusform>
            <numerusform>dentro de %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>hace %n día</numerusform>
            <numerusform>hace %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <translation>d &apos;de&apos; MMMM</translation>
    </message>
    <message>
        <source>d</source>
        <comment>a day&apos;s number</comment>
        <translation>d</translation>
    </message>
    <message>
        <source>Holidays are not known for %1</source>
        <translation>No se conocen los festivos de %1</translation>
    </message>
</context>
<context>
    <name>DayPictureView</name>
    <message>
        <source>The sun&apos;s and the moon&apos;s height over the day</source>
        <translation>La altura del Sol y de la Luna a lo largo del día</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>Usage: dorvane --export YEAR FILE.pdf|FILE.png [--paper a4|letter]</source>
        <translation>Uso: dorvane --export AÑO ARCHIVO.pdf|ARCHIVO.png [--paper a4|letter]</translation>
    </message>
    <message>
        <source>Not a year from 1601 to 9999: %1</source>
        <translation>No es un año de 1601 a 9999: %1</translation>
    </message>
    <message>
        <source>Not a .pdf or .png file: %1</source>
        <translation>No es un archivo .pdf o .png: %1</translation>
    </message>
    <message>
        <source>Not a paper size (a4 or letter): %1</source>
        <translation>No es un tamaño de papel (a4 o letter): %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Print year…</source>
        <translation>Imprimir el año…</translation>
    </message>
    <message>
        <source>Export year…</source>
        <translation>Exportar el año…</translation>
    </message>
    <message>
        <source>Export year</source>
        <translation>Exportar el año</translation>
    </message>
    <message>
        <source>PDF, A4 (*.pdf)</source>
        <translation>PDF, A4 (*.pdf)</translation>
    </message>
    <message>
        <source>PDF, Letter (*.pdf)</source>
        <translation>PDF, carta (*.pdf)</translation>
    </message>
    <message>
        <source>PNG picture, A4 (*.png)</source>
        <translation>Imagen PNG, A4 (*.png)</translation>
    </message>
    <message>
        <source>PNG picture, Letter (*.png)</source>
        <translation>Imagen PNG, carta (*.png)</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Muestra la versión.</translation>
    </message>
    <message>
        <source>YEAR FILE</source>
        <translation>AÑO ARCHIVO</translation>
    </message>
    <message>
        <source>Writes the page of YEAR (1601 to 9999) to FILE, a .pdf or .png file, without a window.</source>
        <translation>Escribe la página del año AÑO (1601 a 9999) en ARCHIVO, un archivo .pdf o .png, sin ventana.</translation>
    </message>
    <message>
        <source>The paper of the export; the locale&apos;s when not given.</source>
        <translation>El tamaño de papel de la exportación; el de la región si no se indica.</translation>
    </message>
    <message>
        <source>Unknown argument &apos;%1&apos;.</source>
        <translation>Argumento desconocido: «%1».</translation>
    </message>
    <message>
        <source>Starts with the window hidden behind its tray icon.</source>
        <translation>Se inicia con la ventana oculta en la bandeja.</translation>
    </message>
</context>
<context>
    <name>HolidaysRow</name>
    <message>
        <source>Whole country</source>
        <translation>Todo el país</translation>
    </message>
    <message>
        <source>Bank holidays</source>
        <translation>Festivos bancarios</translation>
    </message>
    <message>
        <source>Observances</source>
        <translation>Conmemoraciones</translation>
    </message>
    <message>
        <source>Chosen from the time zone %1</source>
        <translation>Elegido por la zona horaria %1</translation>
    </message>
    <message>
        <source>Chosen from the time zone %1; choose your region</source>
        <translation>Elegido por la zona horaria %1; elija su región</translation>
    </message>
    <message>
        <source>Country of the holidays</source>
        <translation>País de los festivos</translation>
    </message>
    <message>
        <source>Region of the holidays</source>
        <translation>Región de los festivos</translation>
    </message>
    <message>
        <source>Show holidays</source>
        <translation>Ver festivos</translation>
    </message>
    <message>
        <source>Chosen from your place and the time zone %1</source>
        <translation>Elegido según su lugar y la zona horaria %1</translation>
    </message>
</context>
<context>
    <name>MarkWords</name>
    <message>
        <source>new moon</source>
        <translation>luna nueva</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>luna llena</translation>
    </message>
    <message>
        <source>March equinox</source>
        <translation>equinoccio de marzo</translation>
    </message>
    <message>
        <source>June solstice</source>
        <translation>solsticio de junio</translation>
    </message>
    <message>
        <source>September equinox</source>
        <translation>equinoccio de septiembre</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>solsticio de diciembre</translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2</source>
        <translation>
            <numerusform>%1 a la %2</numerusform>
            <numerusform>%1 a las %2</numerusform>
        </translation>
    </message>
    <message>
        <source>partial solar eclipse</source>
        <translation>eclipse solar parcial</translation>
    </message>
    <message>
        <source>annular solar eclipse</source>
        <translation>eclipse solar anular</translation>
    </message>
    <message>
        <source>total solar eclipse</source>
        <translation>eclipse solar total</translation>
    </message>
    <message>
        <source>hybrid solar eclipse</source>
        <translation>eclipse solar híbrido</translation>
    </message>
    <message>
        <source>penumbral lunar eclipse</source>
        <translation>eclipse lunar penumbral</translation>
    </message>
    <message>
        <source>partial lunar eclipse</source>
        <translation>eclipse lunar parcial</translation>
    </message>
    <message>
        <source>total lunar eclipse</source>
        <translation>eclipse lunar total</translation>
    </message>
    <message>
        <source>the year&apos;s nearest moon</source>
        <translation>la Luna más cercana del año</translation>
    </message>
    <message>
        <source>the year&apos;s farthest moon</source>
        <translation>la Luna más lejana del año</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Invalid N/S degrees in preferences.</source>
        <translation>Grados N/S no válidos en las preferencias.</translation>
    </message>
    <message>
        <source>Invalid W/E degrees in preferences.</source>
        <translation>Grados W/E no válidos en las preferencias.</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>Unknown time zone %1 in preferences.</source>
        <translation>Zona horaria %1 desconocida en las preferencias.</translation>
    </message>
</context>
<context>
    <name>ReminderTexts</name>
    <message numerus="yes">
        <source>%n more reminder(s)</source>
        <translation>
            <numerusform>%n recordatorio más</numerusform>
            <numerusform>%n recordatorios más</numerusform>
        </translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>Hoy: %1</translation>
    </message>
    <message>
        <source>Tomorrow: %1</source>
        <translation>Mañana: %1</translation>
    </message>
    <message numerus="yes">
        <source>In %n day(s): %1</source>
        <translation>
            <numerusform>Dentro de %n día: %1</numerusform>
            <numerusform>Dentro de %n días: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Under way: %1</source>
        <translation>En curso: %1</translation>
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
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parámetros</translation>
    </message>
    <message>
        <source>Week numbers</source>
        <translation>Números de semana</translation>
    </message>
    <message>
        <source>Marks on the calendar</source>
        <translation>Marcas en el calendario</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>Iniciar con el escritorio</translation>
    </message>
</context>
<context>
    <name>SkyNames</name>
    <message>
        <source>New moon</source>
        <translation>Luna nueva</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>Luna creciente</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Cuarto creciente</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>Gibosa creciente</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Luna llena</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>Gibosa menguante</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Cuarto menguante</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>Luna menguante</translation>
    </message>
    <message>
        <source>Equinox or solstice</source>
        <translation>Equinoccio o solsticio</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Salida del sol</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Puesta del sol</translation>
    </message>
    <message>
        <source>Solar eclipse</source>
        <translation>Eclipse solar</translation>
    </message>
    <message>
        <source>Lunar eclipse</source>
        <translation>Eclipse lunar</translation>
    </message>
</context>
<context>
    <name>SunReport</name>
    <message>
        <source>Invalid GMT offset in preferences.</source>
        <translation>Desfase GMT no válido en las preferencias.</translation>
    </message>
    <message>
        <source>Sun up or down all day</source>
        <translation>El sol está todo el día por encima o por debajo del horizonte</translation>
    </message>
    <message>
        <source>No sunrise this date</source>
        <translation>No hay salida del sol en esta fecha</translation>
    </message>
    <message>
        <source>No sunset this date</source>
        <translation>No hay puesta del sol en esta fecha</translation>
    </message>
</context>
<context>
    <name>TCalendar</name>
    <message>
        <source>Year must be between 1700 and 3000</source>
        <translation>El año debe estar entre 1700 y 3000</translation>
    </message>
    <message>
        <source>Date Panel</source>
        <translation>Panel de fecha</translation>
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
        <translation>Año</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Jan </source>
        <translation>ene </translation>
    </message>
    <message>
        <source>Tray</source>
        <translation>Bandeja</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Dorvane
Today: </source>
        <translation>Dorvane
Hoy: </translation>
    </message>
    <message>
        <source>Moon phase</source>
        <translation>Fase lunar</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Siempre visible</translation>
    </message>
    <message>
        <source>Display week number</source>
        <translation>Mostrar el número de semana</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Back to today</source>
        <translation>Volver a hoy</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Full or compact view</source>
        <translation>Vista completa o compacta</translation>
    </message>
    <message>
        <source>Compact size</source>
        <translation>Tamaño compacto</translation>
    </message>
    <message>
        <source>Enter a year</source>
        <translation>Escribir un año</translation>
    </message>
    <message>
        <source>Previous year or month</source>
        <translation>Año o mes anterior</translation>
    </message>
    <message>
        <source>Next year or month</source>
        <translation>Año o mes siguiente</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Year entry</source>
        <translation>Entrada del año</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>%1: none</source>
        <translation>%1: ninguna</translation>
    </message>
    <message>
        <source>Shows the previous year, or the previous month in the compact view</source>
        <translation>Muestra el año anterior, o el mes anterior en la vista compacta</translation>
    </message>
    <message>
        <source>Shows today&apos;s year again; in the compact view, January or today&apos;s month in turn</source>
        <translation>Vuelve a mostrar el año actual; en la vista compacta, alternativamente enero o el mes actual</translation>
    </message>
    <message>
        <source>Shows the next year, or the next month in the compact view</source>
        <translation>Muestra el año siguiente, o el mes siguiente en la vista compacta</translation>
    </message>
    <message>
        <source>Switches between the twelve months and the compact view of one to three months</source>
        <translation>Cambia entre los doce meses y la vista compacta de uno a tres meses</translation>
    </message>
    <message>
        <source>Shows one, two or three months in turn in the compact view</source>
        <translation>Muestra alternativamente uno, dos o tres meses en la vista compacta</translation>
    </message>
    <message>
        <source>Opens a field to type a year from 1700 to 3000</source>
        <translation>Abre un campo para escribir un año de 1700 a 3000</translation>
    </message>
    <message>
        <source>Closes Dorvane</source>
        <translation>Cierra Dorvane</translation>
    </message>
    <message>
        <source>Shows or hides the week numbers in all calendars</source>
        <translation>Muestra u oculta los números de semana en todos los calendarios</translation>
    </message>
    <message>
        <source>Opens the Parameters dialog: position, time zone, 24-hour time and hints</source>
        <translation>Abre el cuadro Parámetros: posición, zona horaria, formato de 24 horas y ayudas</translation>
    </message>
    <message>
        <source>Keeps the window above all others, or lets it go back among them</source>
        <translation>Mantiene la ventana por encima de todas las demás, o la devuelve entre ellas</translation>
    </message>
    <message>
        <source>Hides the window behind its icon in the notification area</source>
        <translation>Oculta la ventana tras su icono en el área de notificación</translation>
    </message>
    <message>
        <source>Sunrise icon</source>
        <translation>Icono de la salida del sol</translation>
    </message>
    <message>
        <source>Sunset icon</source>
        <translation>Icono de la puesta del sol</translation>
    </message>
    <message>
        <source>Sunrise at your position on the day shown</source>
        <translation>Salida del sol en su posición el día mostrado</translation>
    </message>
    <message>
        <source>Sunset at your position on the day shown</source>
        <translation>Puesta del sol en su posición el día mostrado</translation>
    </message>
    <message>
        <source>Moon phase on the day shown</source>
        <translation>Fase lunar el día mostrado</translation>
    </message>
    <message>
        <source>Month calendar: the arrow keys move the day, Page Up and Page Down the month; Enter or a click shows the day&apos;s figures</source>
        <translation>Calendario del mes: las flechas cambian el día, Re Pág y Av Pág el mes; Intro o un clic muestra las cifras del día</translation>
    </message>
    <message>
        <source>Title of month calendar %1</source>
        <translation>Título del calendario del mes %1</translation>
    </message>
    <message>
        <source>Sun and moon of the day shown, and the commands</source>
        <translation>Sol y luna del día mostrado, y las órdenes</translation>
    </message>
    <message>
        <source>Type a year from 1700 to 3000</source>
        <translation>Escriba un año de 1700 a 3000</translation>
    </message>
    <message>
        <source>Label of the year field</source>
        <translation>Etiqueta del campo del año</translation>
    </message>
    <message>
        <source>A year from 1700 to 3000: Enter shows it, Escape closes the field</source>
        <translation>Un año de 1700 a 3000: Intro lo muestra, Esc cierra el campo</translation>
    </message>
    <message>
        <source>Shows the year typed (Enter)</source>
        <translation>Muestra el año escrito (Intro)</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>a. m.</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>p. m.</translation>
    </message>
    <message>
        <source>, next day</source>
        <translation>, al día siguiente</translation>
    </message>
    <message>
        <source>, previous day</source>
        <translation>, el día anterior</translation>
    </message>
    <message>
        <source>Day panel</source>
        <translation>Panel del día</translation>
    </message>
    <message numerus="yes">
        <source>, %n day(s) later</source>
        <translation>
            <numerusform>, %n día después</numerusform>
            <numerusform>, %n días después</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n day(s) earlier</source>
        <translation>
            <numerusform>, %n día antes</numerusform>
            <numerusform>, %n días antes</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1:
%2</source>
        <translation>No se puede escribir %1:
%2</translation>
    </message>
    <message>
        <source>Cannot remove %1:
%2</source>
        <translation>No se puede eliminar %1:
%2</translation>
    </message>
    <message>
        <source>Daylight of the year</source>
        <translation>Luz del día en el año</translation>
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
        <translation>Lista</translation>
    </message>
    <message>
        <source>Display military time</source>
        <translation>Formato de 24 h</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>Empty: fixed offset from the Offset List</source>
        <translation>Vacío: desfase fijo elegido de la lista</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Hours from GMT, east positive: chosen from the Offset List or given by the time zone</source>
        <translation>Horas de diferencia con GMT, positivas al este: elegidas de la lista o dadas por la zona horaria</translation>
    </message>
    <message>
        <source>Chooses a fixed offset from GMT</source>
        <translation>Elige un desfase fijo respecto a GMT</translation>
    </message>
    <message>
        <source>Shows the sun&apos;s times on the 24-hour clock</source>
        <translation>Muestra las horas del sol en formato de 24 horas</translation>
    </message>
    <message>
        <source>Shows what the toolbar&apos;s buttons do when the pointer rests on them</source>
        <translation>Indica qué hacen los botones de la barra de herramientas cuando el puntero se detiene sobre ellos</translation>
    </message>
    <message>
        <source>Saves the parameters and closes the dialog (Enter); Escape closes it without saving</source>
        <translation>Guarda los parámetros y cierra el cuadro (Intro); Esc lo cierra sin guardar</translation>
    </message>
    <message>
        <source>A zone of the system&apos;s list gives each day&apos;s offset, daylight saving included; type part of a name to narrow the list, or choose the empty entry for the fixed offset</source>
        <translation>Una zona de la lista del sistema da el desfase de cada día, horario de verano incluido; escriba parte de un nombre para acotar la lista, o elija la entrada vacía para el desfase fijo</translation>
    </message>
    <message>
        <source>Caption of the %1 field</source>
        <translation>Etiqueta del campo %1</translation>
    </message>
    <message>
        <source>Cannot create file </source>
        <translation>No se puede crear el archivo </translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>Type a city: berl, são p</source>
        <translation>Escriba una ciudad: berl, são p</translation>
    </message>
    <message>
        <source>No position: no sun times</source>
        <translation>Sin posición: sin horas del sol</translation>
    </message>
    <message>
        <source>Needs a latitude too</source>
        <translation>Falta también la latitud</translation>
    </message>
    <message>
        <source>Needs a longitude too</source>
        <translation>Falta también la longitud</translation>
    </message>
    <message>
        <source>Not a position: type 52.52, 52°31&apos;N or N°52.52</source>
        <translation>No es una posición: escriba 52.52, 52°31&apos;N o N°52.52</translation>
    </message>
    <message>
        <source>E and W belong to the longitude</source>
        <translation>E y W van con la longitud</translation>
    </message>
    <message>
        <source>N and S belong to the latitude</source>
        <translation>N y S van con la latitud</translation>
    </message>
    <message>
        <source>A sign or a letter, not both</source>
        <translation>Un signo o una letra, no ambos</translation>
    </message>
    <message>
        <source>One letter, before or after</source>
        <translation>Una sola letra, antes o después</translation>
    </message>
    <message>
        <source>Degrees, minutes, seconds at most</source>
        <translation>Grados, minutos, segundos como máximo</translation>
    </message>
    <message>
        <source>Decimals only in the last number</source>
        <translation>Decimales solo en el último número</translation>
    </message>
    <message>
        <source>Minutes and seconds go to 59</source>
        <translation>Minutos y segundos llegan hasta 59</translation>
    </message>
    <message>
        <source>Latitudes go to 90°</source>
        <translation>Las latitudes llegan hasta 90°</translation>
    </message>
    <message>
        <source>Longitudes go to 180°</source>
        <translation>Las longitudes llegan hasta 180°</translation>
    </message>
    <message>
        <source>No number after the degree sign</source>
        <translation>Ningún número tras el signo de grado</translation>
    </message>
    <message>
        <source>At %1 the sun keeps GMT %2, not %3: its times will be off by hours.</source>
        <translation>En %1 el sol sigue GMT %2, no %3: sus horas se desviarán varias horas.</translation>
    </message>
    <message>
        <source>%1 — the position is %2 km from %3</source>
        <translation>%1 — la posición está a %2 km de %3</translation>
    </message>
    <message>
        <source>Take %1</source>
        <translation>Tomar %1</translation>
    </message>
    <message>
        <source>Degrees north, or negative or S for south: 52.52, 52°31&apos;N, N°52.52, or a pasted pair</source>
        <translation>Grados norte, o negativos o S para el sur: 52.52, 52°31&apos;N, N°52.52, o un par pegado</translation>
    </message>
    <message>
        <source>Degrees east, or negative or W for west: 13.40, 13°24&apos;E, W°97.45</source>
        <translation>Grados este, o negativos o W para el oeste: 13.40, 13°24&apos;E, W°97.45</translation>
    </message>
    <message>
        <source>City search</source>
        <translation>Búsqueda de ciudad</translation>
    </message>
    <message>
        <source>Type the start of a city&apos;s name and pick it: it fills the latitude, longitude and time zone</source>
        <translation>Escriba el comienzo del nombre de una ciudad y elíjala: rellena la latitud, la longitud y la zona horaria</translation>
    </message>
    <message>
        <source>Puts the zone&apos;s city in the latitude and longitude fields</source>
        <translation>Pone la ciudad de la zona en los campos de latitud y longitud</translation>
    </message>
    <message>
        <source>Dorvane starts hidden behind its tray icon when you log in</source>
        <translation>Dorvane se inicia oculto en la bandeja al iniciar sesión</translation>
    </message>
</context>
<context>
    <name>WebCalendars</name>
    <message>
        <source>%1 (web): fetching...</source>
        <translation>%1 (web): descargando...</translation>
    </message>
    <message numerus="yes">
        <source>%1 (web): %n event(s), updated %2</source>
        <translation>
            <numerusform>%1 (web): %n evento, actualizado %2</numerusform>
            <numerusform>%1 (web): %n eventos, actualizado %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (web): offline, from %2</source>
        <translation>%1 (web): sin conexión, copia de %2</translation>
    </message>
    <message>
        <source>%1 (web): offline, not fetched yet</source>
        <translation>%1 (web): sin conexión, aún no descargado</translation>
    </message>
    <message>
        <source>%1 (web): %2</source>
        <translation>%1 (web): %2</translation>
    </message>
    <message>
        <source>%1 (web): %2, showing the copy from %3</source>
        <translation>%1 (web): %2, se muestra la copia de %3</translation>
    </message>
    <message>
        <source>not found (%1)</source>
        <translation>no encontrado (%1)</translation>
    </message>
    <message>
        <source>access refused (%1)</source>
        <translation>acceso denegado (%1)</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>el servidor respondió %1</translation>
    </message>
    <message>
        <source>refused: redirected to an address that is not https</source>
        <translation>rechazado: redirigido a una dirección que no es https</translation>
    </message>
    <message>
        <source>refused: redirected too many times</source>
        <translation>rechazado: demasiadas redirecciones</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>demasiado grande</translation>
    </message>
    <message>
        <source>took too long</source>
        <translation>tardó demasiado</translation>
    </message>
    <message>
        <source>certificate not trusted</source>
        <translation>certificado no fiable</translation>
    </message>
    <message>
        <source>not an iCalendar file</source>
        <translation>no es un archivo iCalendar</translation>
    </message>
    <message>
        <source>its copy cannot be saved</source>
        <translation>no se puede guardar su copia</translation>
    </message>
    <message>
        <source>Type the calendar&apos;s address.</source>
        <translation>Escriba la dirección del calendario.</translation>
    </message>
    <message>
        <source>An address has no spaces.</source>
        <translation>Una dirección no lleva espacios.</translation>
    </message>
    <message>
        <source>Only addresses starting with https:// or webcal:// are fetched.</source>
        <translation>Solo se descargan direcciones que empiezan por https:// o webcal://.</translation>
    </message>
    <message>
        <source>The address names no server.</source>
        <translation>La dirección no indica ningún servidor.</translation>
    </message>
    <message>
        <source>This is not a web address.</source>
        <translation>No es una dirección web.</translation>
    </message>
    <message>
        <source>This calendar is already listed.</source>
        <translation>Este calendario ya está en la lista.</translation>
    </message>
    <message>
        <source>the program&apos;s part that fetches is not installed</source>
        <translation>la parte del programa que descarga no está instalada</translation>
    </message>
    <message>
        <source>no connection through the proxy</source>
        <translation>sin conexión a través del proxy</translation>
    </message>
    <message>
        <source>the proxy asks for a user and password</source>
        <translation>el proxy pide usuario y contraseña</translation>
    </message>
    <message>
        <source>the proxy set in https_proxy or all_proxy cannot be used</source>
        <translation>el proxy indicado en https_proxy o all_proxy no se puede usar</translation>
    </message>
</context>
<context>
    <name>WeekRulesRow</name>
    <message>
        <source>First day</source>
        <translation>Primer día</translation>
    </message>
    <message>
        <source>Week no.</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>Locale&apos;s (%1)</source>
        <translation>Regional (%1)</translation>
    </message>
    <message>
        <source>ISO 8601</source>
        <translation>ISO 8601</translation>
    </message>
    <message>
        <source>Week of 1 January</source>
        <translation>Semana del 1 de enero</translation>
    </message>
    <message>
        <source>First day of the week</source>
        <translation>Primer día de la semana</translation>
    </message>
    <message>
        <source>The day in the first column of every month</source>
        <translation>El día de la primera columna de cada mes</translation>
    </message>
    <message>
        <source>ISO 8601, or week 1 is the week that holds 1 January, starting on the first day</source>
        <translation>ISO 8601, o la semana 1 es la que contiene el 1 de enero, empezando el primer día</translation>
    </message>
</context>
<context>
    <name>YearChartView</name>
    <message>
        <source>Daylight over the year</source>
        <translation>La luz del día a lo largo del año</translation>
    </message>
</context>
<context>
    <name>YearChartWindow</name>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportar…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Daylight of %1</source>
        <translation>Luz del día en %1</translation>
    </message>
    <message>
        <source>Export the daylight chart</source>
        <translation>Exportar el gráfico de la luz del día</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
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
        <translation>Evento</translation>
    </message>
    <message>
        <source>Weeks: ISO 8601</source>
        <translation>Semanas: ISO 8601</translation>
    </message>
    <message>
        <source>Weeks: week 1 holds 1 January</source>
        <translation>Semanas: la semana 1 contiene el 1 de enero</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Festivos</translation>
    </message>
</context>
<context>
    <name>YourCalendars</name>
    <message>
        <source>%1: being read</source>
        <translation>%1: leyéndose</translation>
    </message>
    <message>
        <source>%1, not all of their days shown</source>
        <translation>%1, no se muestran todos sus días</translation>
    </message>
    <message>
        <source>%1: the file is gone</source>
        <translation>%1: el archivo ya no está</translation>
    </message>
    <message>
        <source>%1: not a file</source>
        <translation>%1: no es un archivo</translation>
    </message>
    <message>
        <source>%1: larger than %2 MB, not read</source>
        <translation>%1: mayor de %2 MB, no leído</translation>
    </message>
    <message>
        <source>%1: not an iCalendar file</source>
        <translation>%1: no es un archivo iCalendar</translation>
    </message>
    <message>
        <source>%1: cannot be opened</source>
        <translation>%1: no se puede abrir</translation>
    </message>
    <message>
        <source>(no title)</source>
        <translation>(sin título)</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n event(s)</source>
        <translation>
            <numerusform>%1: %n evento</numerusform>
            <numerusform>%1: %n eventos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>YourDays</name>
    <message>
        <source>Your days</source>
        <translation>Sus días</translation>
    </message>
    <message>
        <source>Mark days...</source>
        <translation>Marcar días...</translation>
    </message>
    <message>
        <source>Mark the chosen days</source>
        <translation>Marcar los días elegidos</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>Editar «%1»...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>Eliminar «%1»</translation>
    </message>
    <message>
        <source>Mark days</source>
        <translation>Marcar días</translation>
    </message>
    <message>
        <source>Edit marked days</source>
        <translation>Editar días marcados</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Categoría:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>Every &amp;year</source>
        <translation>Cada &amp;año</translation>
    </message>
    <message>
        <source>&amp;Remind me</source>
        <translation>&amp;Recordarme</translation>
    </message>
    <message>
        <source>days before, at</source>
        <translation>días antes, a las</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Your days could not be saved (%1): the change is kept here and saved again at the next change.</source>
        <translation>Sus días no se pudieron guardar (%1): el cambio se conserva aquí y se guardará de nuevo con el próximo cambio.</translation>
    </message>
    <message>
        <source>Your days&apos; file %1 cannot be used (%2): nothing is written to it.</source>
        <translation>El archivo de sus días %1 no se puede usar (%2): no se escribe nada en él.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed here and in another program: the newer change was kept.</source>
        <translation>«%1» se cambió aquí y en otro programa: se conservó el cambio más reciente.</translation>
    </message>
    <message>
        <source>Your days (writable), marked: %1</source>
        <translation>Sus días (editables), marcados: %1</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>Viaje</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Vacaciones</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Cumpleaños</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Trabajo</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Personal</translation>
    </message>
    <message>
        <source>Categories of your days...</source>
        <translation>Categorías de sus días...</translation>
    </message>
    <message>
        <source>Categories of your days</source>
        <translation>Categorías de sus días</translation>
    </message>
    <message>
        <source>&amp;Add category</source>
        <translation>&amp;Añadir categoría</translation>
    </message>
    <message>
        <source>New category</source>
        <translation>Nueva categoría</translation>
    </message>
    <message>
        <source>Name of category %1</source>
        <translation>Nombre de la categoría %1</translation>
    </message>
    <message>
        <source>Colour of category %1</source>
        <translation>Color de la categoría %1</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Amber</source>
        <translation>Ámbar</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Time of the reminder</source>
        <translation>Hora del recordatorio</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed in another program since: it stays as it is there.</source>
        <translation>«%1» se cambió desde entonces en otro programa: queda como está allí.</translation>
    </message>
</context>
</TS>
