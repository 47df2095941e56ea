// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QDate>

struct icalrecurrencetype;

// What a repeat rule may cost before libical expands it. The library searches inside one step of its iterator
// for the next instance and cannot be interrupted there: a rule no day can match searches for ever, and one that
// steps in seconds across months it cannot match spends a minute on one instance.
enum class RuleVerdict { Expand, NeverMatches, TooCostly };

// At most this many seconds, minutes or hours searched for one instance.
constexpr int MostUnitsPerStep = 200000;

// An all-day event (a DTSTART that is a date) has no hours, minutes or seconds to step through.
RuleVerdict checkRule(const icalrecurrencetype& rule, const QDate& start, bool allDay);
// The same for the text of an RRULE ("FREQ=DAILY;BYMONTH=2").
RuleVerdict checkRule(const QByteArray& rule, const QDate& start, bool allDay);
// Whether a time zone's rule of change is one a zone has: yearly, of at most one month, able to match. Anything
// else (a change every minute) would have libical build the zone's changes for centuries into memory.
bool isZoneRule(const QByteArray& rule);
