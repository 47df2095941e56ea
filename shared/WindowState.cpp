// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/WindowState.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <algorithm>
#include <array>
#include <utility>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString FileName = QStringLiteral("dorvane-state.ini");

// A window's title bar: the strip of its top that a user drags, and how much of it must show on a screen.
constexpr int TitleBarHeight = 32;
constexpr int GrabWidth = 64;
constexpr int GrabHeight = 16;
// Far beyond any desktop: a number this large is a damaged line, not a place.
constexpr int FarthestCoordinate = 100000;

template <class Enum, std::size_t N> using Names = std::array<std::pair<Enum, const char*>, N>;
const Names<WindowState::View, 2> ViewNames{
    {{WindowState::View::Full, "full"}, {WindowState::View::Compact, "compact"}}};
const Names<WindowState::WeekStart, 4> WeekStartNames{{{WindowState::WeekStart::Locale, "locale"},
                                                       {WindowState::WeekStart::Monday, "monday"},
                                                       {WindowState::WeekStart::Sunday, "sunday"},
                                                       {WindowState::WeekStart::Saturday, "saturday"}}};
const Names<WindowState::WeekNumbering, 2> NumberingNames{
    {{WindowState::WeekNumbering::Iso, "iso8601"}, {WindowState::WeekNumbering::FirstJanuary, "first-january"}}};

template <class Enum, std::size_t N> QString nameOf(const Names<Enum, N>& names, Enum value)
{
    for (const auto& [each, name] : names)
        if (each == value)
            return QLatin1String(name);
    return QString();
}

template <class Enum, std::size_t N>
Enum readName(const QSettings& file, const QString& key, const Names<Enum, N>& names, Enum fallback)
{
    const QString text = file.value(key).toString();
    for (const auto& [each, name] : names)
        if (text == QLatin1String(name))
            return each;
    return fallback;
}

bool readFlag(const QSettings& file, const QString& key, bool fallback)
{
    // Only the words the writer writes: QVariant would take any non-empty text for true.
    const QString text = file.value(key).toString();
    if (text == QLatin1String("true"))
        return true;
    if (text == QLatin1String("false"))
        return false;
    return fallback;
}

std::optional<int> readCoordinate(const QSettings& file, const QString& key)
{
    bool ok = false;
    const int value = file.value(key).toString().toInt(&ok);
    if (!ok || value < -FarthestCoordinate || value > FarthestCoordinate)
        return std::nullopt;
    return value;
}

std::optional<QPoint> readPosition(const QSettings& file, const QString& group)
{
    const std::optional<int> left = readCoordinate(file, group + QStringLiteral("/left"));
    const std::optional<int> top = readCoordinate(file, group + QStringLiteral("/top"));
    if (!left || !top)
        return std::nullopt;
    return QPoint(*left, *top);
}

void writePosition(QSettings& file, const QString& group, const std::optional<QPoint>& position)
{
    file.remove(group);
    if (!position)
        return;
    file.setValue(group + QStringLiteral("/left"), QString::number(position->x()));
    file.setValue(group + QStringLiteral("/top"), QString::number(position->y()));
}

const QString CalendarsGroup = QStringLiteral("calendars");
const QString CalendarPathKey = QStringLiteral("path");
// Far more than anyone chooses: a longer list is a damaged file.
constexpr int MostCalendarFiles = 100;

QStringList readCalendarFiles(QSettings& file)
{
    QStringList paths;
    const int count = file.beginReadArray(CalendarsGroup);
    for (int i = 0; i < std::min(count, MostCalendarFiles); ++i) {
        file.setArrayIndex(i);
        const QString path = file.value(CalendarPathKey).toString();
        if (!path.isEmpty() && !paths.contains(path))
            paths.append(path);
    }
    file.endArray();
    return paths;
}

const std::array<QByteArray, 7> SectionLines{QByteArrayLiteral("[window]"),    QByteArrayLiteral("[full]"),
                                             QByteArrayLiteral("[compact]"),   QByteArrayLiteral("[weeks]"),
                                             QByteArrayLiteral("[calendars]"), QByteArrayLiteral("[holidays]"),
                                             QByteArrayLiteral("[web]")};

const QString WebGroup = QStringLiteral("web");
const QString WebAddressKey = QStringLiteral("address");
const QString WebNameKey = QStringLiteral("name");
// An address longer than any a service hands out is a damaged line.
constexpr int LongestWebAddress = 4096;

QList<WindowState::WebCalendar> readWebCalendars(QSettings& file)
{
    QList<WindowState::WebCalendar> calendars;
    const int count = file.beginReadArray(WebGroup);
    for (int i = 0; i < std::min(count, MostCalendarFiles); ++i) {
        file.setArrayIndex(i);
        const QString address = file.value(WebAddressKey).toString().trimmed();
        if (address.isEmpty() || address.size() > LongestWebAddress)
            continue;
        if (std::any_of(calendars.cbegin(), calendars.cend(),
                        [&](const WindowState::WebCalendar& each) { return each.address == address; }))
            continue;
        calendars.append({address, file.value(WebNameKey).toString()});
    }
    file.endArray();
    return calendars;
}

// An area code as the data writes it: a country's two capitals, then region parts of letters and digits.
bool readsAsArea(const QString& code)
{
    static const QRegularExpression form(QStringLiteral("^[A-Z]{2}(-[A-Z0-9]{1,8}){0,2}$"));
    return form.match(code).hasMatch();
}

std::optional<WindowState::Holidays> readHolidays(const QSettings& file)
{
    if (!file.contains(QStringLiteral("holidays/shown")))
        return std::nullopt;
    WindowState::Holidays holidays;
    holidays.shown = readFlag(file, QStringLiteral("holidays/shown"), false);
    const QString area = file.value(QStringLiteral("holidays/area")).toString();
    if (readsAsArea(area))
        holidays.area = area;
    holidays.bank = readFlag(file, QStringLiteral("holidays/bank"), false);
    holidays.observances = readFlag(file, QStringLiteral("holidays/observances"), false);
    if (holidays.area.isEmpty())
        holidays.shown = false;
    return holidays;
}

enum class Found { Nothing, Replaceable, Foreign };

// What lies at the state file's place, looked at without following a link and without waiting on a pipe.
Found lookAt(const QByteArray& path, mode_t& mode)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return errno == ENOENT ? Found::Nothing : Found::Foreign;
    struct stat status = {};
    QByteArray bytes;
    bool regular =
        ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size <= windowstate::MostStateBytes;
    if (regular) {
        bytes.resize(status.st_size);
        qsizetype got = 0;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += n;
        }
        regular = got == bytes.size();
    }
    ::close(fd);
    mode = status.st_mode & 07777;
    return regular && windowstate::readsAsState(bytes) ? Found::Replaceable : Found::Foreign;
}

QString flagText(bool on)
{
    return on ? QStringLiteral("true") : QStringLiteral("false");
}
} // namespace

bool WindowState::operator==(const WindowState& other) const
{
    return fullPosition == other.fullPosition && compactPosition == other.compactPosition && view == other.view &&
           compactMonths == other.compactMonths && weekNumbers == other.weekNumbers &&
           alwaysOnTop == other.alwaysOnTop && dayPanelOpen == other.dayPanelOpen && weekStart == other.weekStart &&
           weekNumbering == other.weekNumbering && calendarFiles == other.calendarFiles &&
           marksShown == other.marksShown && holidays == other.holidays && webCalendars == other.webCalendars;
}

namespace windowstate {

QString pathBeside(const QString& prefsPath)
{
    return QFileInfo(prefsPath).dir().filePath(FileName);
}

WindowState read(const QString& path)
{
    WindowState state;
    if (!QFileInfo(path).isFile())
        return state;
    QSettings file(path, QSettings::IniFormat);
    if (file.status() != QSettings::NoError)
        return state;
    state.fullPosition = readPosition(file, QStringLiteral("full"));
    state.compactPosition = readPosition(file, QStringLiteral("compact"));
    state.view = readName(file, QStringLiteral("window/view"), ViewNames, state.view);
    bool ok = false;
    const int months = file.value(QStringLiteral("compact/months")).toString().toInt(&ok);
    if (ok && months >= 1 && months <= 3)
        state.compactMonths = months;
    state.weekNumbers = readFlag(file, QStringLiteral("window/weekNumbers"), state.weekNumbers);
    state.alwaysOnTop = readFlag(file, QStringLiteral("window/alwaysOnTop"), state.alwaysOnTop);
    state.dayPanelOpen = readFlag(file, QStringLiteral("window/dayPanel"), state.dayPanelOpen);
    state.marksShown = readFlag(file, QStringLiteral("window/marks"), state.marksShown);
    state.weekStart = readName(file, QStringLiteral("weeks/firstDay"), WeekStartNames, state.weekStart);
    state.weekNumbering = readName(file, QStringLiteral("weeks/numbering"), NumberingNames, state.weekNumbering);
    state.calendarFiles = readCalendarFiles(file);
    state.holidays = readHolidays(file);
    state.webCalendars = readWebCalendars(file);
    return state;
}

bool readsAsState(const QByteArray& bytes)
{
    if (bytes.trimmed().isEmpty())
        return true;
    if (bytes.size() > MostStateBytes)
        return false;
    for (const QByteArray& line : bytes.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (std::find(SectionLines.begin(), SectionLines.end(), trimmed) != SectionLines.end())
            return true;
    }
    return false;
}

bool write(const QString& path, const WindowState& state)
{
    const QByteArray target = QFile::encodeName(path);
    mode_t mode = 0;
    const Found found = lookAt(target, mode);
    if (found == Found::Foreign)
        return false;
    // Made under a name of its own and renamed over the old one: a rename replaces a link put there meanwhile,
    // never what it points to.
    QByteArray temporary = target + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    ::close(fd);
    if (found == Found::Nothing) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    // A web address may carry the user's secret (a token, a password): a file holding one is the user's alone.
    if (!state.webCalendars.isEmpty())
        mode &= 0700;
    bool written = false;
    {
        QSettings file(QFile::decodeName(temporary), QSettings::IniFormat);
        file.setValue(QStringLiteral("window/view"), nameOf(ViewNames, state.view));
        file.setValue(QStringLiteral("window/weekNumbers"), flagText(state.weekNumbers));
        file.setValue(QStringLiteral("window/alwaysOnTop"), flagText(state.alwaysOnTop));
        file.setValue(QStringLiteral("window/dayPanel"), flagText(state.dayPanelOpen));
        file.setValue(QStringLiteral("window/marks"), flagText(state.marksShown));
        writePosition(file, QStringLiteral("full"), state.fullPosition);
        writePosition(file, QStringLiteral("compact"), state.compactPosition);
        file.setValue(QStringLiteral("compact/months"), QString::number(state.compactMonths));
        file.setValue(QStringLiteral("weeks/firstDay"), nameOf(WeekStartNames, state.weekStart));
        file.setValue(QStringLiteral("weeks/numbering"), nameOf(NumberingNames, state.weekNumbering));
        // Without calendars chosen the file stays as it was before there were any.
        if (!state.calendarFiles.isEmpty()) {
            file.beginWriteArray(CalendarsGroup, static_cast<int>(state.calendarFiles.size()));
            for (int i = 0; i < state.calendarFiles.size(); ++i) {
                file.setArrayIndex(i);
                file.setValue(CalendarPathKey, state.calendarFiles[i]);
            }
            file.endArray();
        }
        // Written only once chosen: a file from before holidays is written again as it was.
        if (state.holidays) {
            file.setValue(QStringLiteral("holidays/shown"), flagText(state.holidays->shown));
            file.setValue(QStringLiteral("holidays/area"), state.holidays->area);
            file.setValue(QStringLiteral("holidays/bank"), flagText(state.holidays->bank));
            file.setValue(QStringLiteral("holidays/observances"), flagText(state.holidays->observances));
        }
        // Written only once one is listed: a file without them stays as it was before there were any.
        if (!state.webCalendars.isEmpty()) {
            file.beginWriteArray(WebGroup, static_cast<int>(state.webCalendars.size()));
            for (int i = 0; i < state.webCalendars.size(); ++i) {
                file.setArrayIndex(i);
                file.setValue(WebAddressKey, state.webCalendars[i].address);
                if (!state.webCalendars[i].name.isEmpty())
                    file.setValue(WebNameKey, state.webCalendars[i].name);
            }
            file.endArray();
        }
        file.sync();
        written = file.status() == QSettings::NoError;
    }
    if (written)
        written = ::chmod(temporary.constData(), mode) == 0 && ::rename(temporary.constData(), target.constData()) == 0;
    if (!written)
        ::unlink(temporary.constData());
    return written;
}

bool reachable(const QPoint& corner, const QSize& outer, const QList<QRect>& screens)
{
    const QRect titleBar(corner, QSize(outer.width(), TitleBarHeight));
    for (const QRect& screen : screens) {
        const QRect shown = titleBar.intersected(screen);
        if (shown.width() >= GrabWidth && shown.height() >= GrabHeight)
            return true;
    }
    return false;
}

QPoint withinScreen(const QPoint& corner, const QSize& outer, const QList<QRect>& screens)
{
    const QRect titleBar(corner, QSize(outer.width(), TitleBarHeight));
    const QRect* best = nullptr;
    qint64 bestArea = 0;
    for (const QRect& screen : screens) {
        const QRect shown = titleBar.intersected(screen);
        const qint64 area = qint64(shown.width()) * shown.height();
        if (area > bestArea) {
            best = &screen;
            bestArea = area;
        }
    }
    if (!best)
        return corner;
    // Larger than the screen, the window keeps its top-left corner on it.
    const auto clamp = [](int value, int low, int high) { return std::max(low, std::min(value, high)); };
    return QPoint(clamp(corner.x(), best->left(), std::max(best->left(), best->right() + 1 - outer.width())),
                  clamp(corner.y(), best->top(), std::max(best->top(), best->bottom() + 1 - outer.height())));
}

} // namespace windowstate
