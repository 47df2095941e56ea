#pragma once
#include <QByteArray>
#include <functional>

// A calendar's text cut into calendars of a few whole events each, every one with the calendar's own properties and
// time zones: parsed one after the other, a large file never stands in memory as one tree of components. The
// instances an event moves (same UID) stay in its batch. An event cut off at the end of the text is closed.
// Each batch is handed to take; false from it stops the cutting.
void icsBatches(const QByteArray& text, qsizetype batchBytes, const std::function<bool(const QByteArray&)>& take);
