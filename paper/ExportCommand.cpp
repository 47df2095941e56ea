// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper/ExportCommand.h"
#include "holidays/CountryHolidays.h"
#include "holidays/FirstChoice.h"
#include "owndays/OwnDays.h"
#include "owndays/OwnDaysPath.h"
#include "paper/ExportTexts.h"
#include "paper/SheetContentOf.h"
#include "paper/SheetMarks.h"
#include "prefs/PositionLine.h"
#include "prefs/SettingsLocation.h"
#include "runtime/FormatSettings.h"
#include "shared/SkyPlaceOf.h"
#include "shared/WindowState.h"
#include "translations/Translations.h"
#include "zones/ZoneOffsets.h"
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSet>
#include <QTimeZone>
#include <cstdio>
#include <memory>

namespace {
const QString ExportOption = QStringLiteral("--export");
const QString PaperOption = QStringLiteral("--paper");

exportcommand::Parsed wrong(const QString& error)
{
    exportcommand::Parsed parsed;
    parsed.kind = exportcommand::Parsed::Kind::Wrong;
    parsed.error = error;
    return parsed;
}

void tellError(const QString& line)
{
    std::fprintf(stderr, "%s\n", qPrintable(line));
}

// An export tells its outcome in one line. Qt's notes about the session it runs in (no runtime folder on a machine
// without a desktop, a missing font configuration) say nothing about the file and are left out; errors still show.
void sessionNotesLeftOut(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}
} // namespace

namespace exportcommand {

bool asked(const QStringList& arguments)
{
    for (const QString& argument : arguments) {
        if (argument == ExportOption || argument == PaperOption || argument.startsWith(PaperOption + QLatin1Char('=')))
            return true;
    }
    return false;
}

Parsed parse(const QStringList& arguments, Paper defaultPaper)
{
    if (!asked(arguments))
        return {};
    QStringList values;
    std::optional<QString> paperName;
    bool exportGiven = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == ExportOption) {
            if (exportGiven)
                return wrong(ExportTexts::Usage());
            exportGiven = true;
        } else if (argument == PaperOption || argument.startsWith(PaperOption + QLatin1Char('='))) {
            if (paperName)
                return wrong(ExportTexts::Usage());
            if (argument == PaperOption) {
                if (++i == arguments.size())
                    return wrong(ExportTexts::Usage());
                paperName = arguments[i];
            } else {
                paperName = argument.mid(PaperOption.size() + 1);
            }
        } else if (argument.startsWith(QLatin1String("--")) || !exportGiven) {
            return wrong(ExportTexts::Usage());
        } else {
            values.append(argument);
        }
    }
    if (!exportGiven || values.size() != 2)
        return wrong(ExportTexts::Usage());

    Parsed parsed;
    parsed.kind = Parsed::Kind::Export;
    const QString& yearText = values[0];
    // Digits only: "+2027", " 2027" or "2027.0" are not what a user types for a year.
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    const int year = digits.match(yearText).hasMatch() ? yearText.toInt() : 0;
    if (year < FirstYear || year > LastYear)
        return wrong(ExportTexts::NotAYear(yearText));
    parsed.request.year = year;
    parsed.request.file = values[1];
    const std::optional<YearExport::Format> format = YearExport::formatOf(values[1]);
    if (!format)
        return wrong(ExportTexts::NotAFileKind(values[1]));
    parsed.request.format = *format;
    parsed.request.paper = defaultPaper;
    if (paperName) {
        const std::optional<Paper> paper = paper::fromName(*paperName);
        if (!paper)
            return wrong(ExportTexts::NotAPaper(*paperName));
        parsed.request.paper = *paper;
    }
    return parsed;
}

SheetContent pageOf(int year, const QString& prefsPath, const FormatSettings& settings, const QLocale& locale,
                    const QString& ownDaysPath, const QString& firstStartZone)
{
    Preferences preferences;
    WindowState state;
    bool placeRead = false;
    if (!prefsPath.isEmpty()) {
        PrefsStore store = PrefsStore::atPath(prefsPath, settings);
        Wording message;
        placeRead = store.load(&message);
        if (placeRead)
            preferences = store.value();
        state = windowstate::read(windowstate::pathBeside(prefsPath));
    }
    // The page the window would print: its week rules, marks switch and calendar files.
    PageChoices choices{state.weekStart, state.weekNumbering, state.marksShown, {}};
    if (!state.calendarFiles.isEmpty())
        choices.events = eventsOfFiles(state.calendarFiles, year);
    // Read only: a missing file is never made, and one that does not read adds nothing.
    std::unique_ptr<OwnDays> days;
    if (!ownDaysPath.isEmpty() && QFileInfo::exists(ownDaysPath)) {
        days = std::make_unique<OwnDays>(ownDaysPath, QString(), owndays::firstCategories());
        if (days->load()) {
            choices.ownDays = [&days](const QDate& from, const QDate& to) { return days->meeting(from, to); };
            choices.categories = days->categories();
        }
    }
    // The holidays the window shows: the user's choice, else the one a first start takes from the machine's zone.
    QString area;
    holidays::Kinds kinds(holidays::Kind::Public);
    if (state.holidays) {
        if (state.holidays->shown)
            area = state.holidays->area;
        kinds.setFlag(holidays::Kind::Bank, state.holidays->bank);
        kinds.setFlag(holidays::Kind::Observance, state.holidays->observances);
    } else if (!firstStartZone.isEmpty()) {
        // The place tells the region where the zone spans several, as in the window.
        const std::optional<double> latitude = prefs::latitudeOf(preferences.latitude, settings);
        const std::optional<double> longitudeWest = prefs::longitudeWestOf(preferences.longitude, settings);
        std::optional<holidays::Place> place;
        if (placeRead && latitude && longitudeWest)
            place = holidays::Place{*latitude, -*longitudeWest};
        const holidays::FirstChoice first =
            holidays::firstChoice(firstStartZone, holidays::zoneInfoFolder(), holidays::dataFolder(), place);
        area = first.region.isEmpty() ? first.country : first.region;
    }
    if (!area.isEmpty()) {
        QSet<QDate> days;
        for (const holidays::Holiday& holiday : holidays::holidaysOf(area, year, kinds, {}).days)
            days.insert(holiday.date);
        if (!days.isEmpty())
            choices.holiday = [days](const QDate& day) { return days.contains(day); };
    }
    return yearPageOf(year, preferences, settings, locale, choices);
}

int run(int& argc, char** argv)
{
    // An export draws into memory only: no display is needed, and none is opened.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(sessionNotesLeftOut);
    QGuiApplication application(argc, argv);
    l10n::install(l10n::messagesLocaleIsC(QProcessEnvironment::systemEnvironment()) ? QLocale::c() : QLocale::system());
    const Parsed parsed = parse(QCoreApplication::arguments().mid(1), paper::defaultFor(QLocale::system()));
    if (parsed.kind != Parsed::Kind::Export) {
        tellError(parsed.error);
        return WrongArguments;
    }

    const FormatSettings settings = FormatSettings::fromLocale(QLocale::system());
    rt::setFormatSettings(settings);
    // The file the window would read, found the same way; an export never writes it, not even a first start's.
    const SettingsLocation location = prefs::chooseSettingsLocation(QCoreApplication::applicationDirPath());
    const SheetContent content = pageOf(parsed.request.year, location.path, settings, QLocale::system(),
                                        owndays::userFilePath(), zones::machineZoneId(QTimeZone::systemTimeZoneId()));
    const YearExport::Result result = YearExport::write(content, parsed.request.file, parsed.request.paper);
    if (!result.written) {
        tellError(ExportTexts::CannotWrite(parsed.request.file, ExportTexts::ReasonOf(result.notAFile, result.reason)));
        return NotWritten;
    }
    return Written;
}

} // namespace exportcommand
