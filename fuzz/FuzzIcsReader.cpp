// SPDX-License-Identifier: GPL-3.0-or-later
// The iCalendar reader over any bytes: it ends, keeps every day within the range asked for and within its caps,
// and says what it read in one line.
#include "FuzzSupport.h"
#include "calendars/IcsReader.h"

namespace {
const char* const Zones[] = {"UTC", "Europe/Berlin", "America/New_York", "Pacific/Chatham"};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    // The first byte picks the year shown and the machine's zone; the rest is the file.
    const int choice = size > 0 ? bytes[0] : 0;
    const QByteArray text(reinterpret_cast<const char*>(bytes) + (size > 0 ? 1 : 0),
                          qsizetype(size > 0 ? size - 1 : 0));
    const int year = 1990 + choice % 64;
    const DayRange range{QDate(year, 1, 1).addDays(-62), QDate(year, 12, 31).addDays(62)};
    // Smaller caps than the program's, so each input runs in milliseconds; the same code enforces them.
    IcsLimits limits;
    limits.maxInstancesPerEvent = 200;
    limits.maxStepsPerEvent = 5000;
    limits.maxStepsPerFile = 50000;
    limits.maxDays = 2000;
    limits.maxDaysPerEvent = 40;
    // Well within the run's time limit per input: an input that outlasts it is a step the deadline cannot reach.
    limits.maxMillisPerFile = 1000;
    const IcsRead read =
        IcsReader(QTimeZone(Zones[(choice / 64) % 4]), limits).readText(text, QStringLiteral("fuzz.ics"), range);

    const IcsOutcome& outcome = read.outcome;
    FUZZ_CHECK(outcome.kind == IcsOutcome::Kind::Read || outcome.kind == IcsOutcome::Kind::NotICalendar,
               outcome.line());
    FUZZ_CHECK(!outcome.line().isEmpty() && outcome.line().size() < 4096 + 64, outcome.line());
    FUZZ_CHECK(read.events.size() <= limits.maxDays, QString::number(read.events.size()));
    if (outcome.kind != IcsOutcome::Kind::Read)
        FUZZ_CHECK(read.events.isEmpty(), QString::number(read.events.size()));
    for (const CalendarEvent& event : read.events) {
        FUZZ_CHECK(range.contains(event.day), event.day.toString(Qt::ISODate));
        FUZZ_CHECK(!event.title.isEmpty(), event.day.toString(Qt::ISODate));
        FUZZ_CHECK(event.calendarName == outcome.calendarName, event.calendarName);
        FUZZ_CHECK(!event.start || event.start->isValid(), event.title);
    }
    return 0;
}
