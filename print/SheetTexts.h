#pragma once
#include <QCoreApplication>
#include <QString>

// The words printed on the year's page besides the locale's month and day names.
class SheetTexts
{
    Q_DECLARE_TR_FUNCTIONS(YearSheet)
public:
    static QString NewMoon() { return tr("New moon"); }
    static QString FullMoon() { return tr("Full moon"); }
    static QString Season() { return tr("Equinox or solstice"); }
    static QString Event() { return tr("Event"); }
    static QString WeeksIso() { return tr("Weeks: ISO 8601"); }
    static QString WeeksFirstJanuary() { return tr("Weeks: week 1 holds 1 January"); }
};
