#pragma once
#include <QCoreApplication>
#include <QString>

// The names of the year grid's marks, as a screen reader and the legend say them.
class DayMarkTexts
{
    Q_DECLARE_TR_FUNCTIONS(DayMarks)
public:
    static QString NewMoon() { return tr("New moon"); }
    static QString FullMoon() { return tr("Full moon"); }
    static QString Season() { return tr("Equinox or solstice"); }
    static QString Events() { return tr("Your events"); }
    static QString Today() { return tr("Today"); }
};
