// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "controls/SharedTexts.h"
#include <QCoreApplication>
#include <QString>

// The names of the "Your calendars" window's controls, for the window and its tests.
namespace calendarsnames {
inline const QString Dialog = QStringLiteral("CalendarsDialog");
inline const QString List = QStringLiteral("CalendarsList");
inline const QString Add = QStringLiteral("CalendarsAdd");
inline const QString Remove = QStringLiteral("CalendarsRemove");
inline const QString Close = QStringLiteral("CalendarsClose");
inline const QString AddAddress = QStringLiteral("CalendarsAddAddress");
inline const QString FetchAgain = QStringLiteral("CalendarsFetchAgain");
inline const QString AddressBox = QStringLiteral("CalendarsAddressBox");
inline const QString AddressEdit = QStringLiteral("CalendarsAddressEdit");
inline const QString AddressName = QStringLiteral("CalendarsAddressName");
inline const QString AddressProblem = QStringLiteral("CalendarsAddressProblem");
inline const QString TrayItem = QStringLiteral("TrayCalendars");
inline const QString Keys = QStringLiteral("KeysCalendars");
} // namespace calendarsnames

// What the window says, word for word; the English text is the source.
class CalendarsTexts
{
    Q_DECLARE_TR_FUNCTIONS(CalendarsDialog)
public:
    static QString Title() { return tr("Your calendars"); }
    static QString MenuItem() { return tr("Your calendars..."); }
    static QString ButtonAdd() { return tr("&Add..."); }
    static QString ButtonRemove() { return tr("&Remove"); }
    static QString ButtonClose() { return sharedTexts::tr(sharedTexts::Close); }
    static QString NameList() { return tr("Calendar files and what was read of each"); }
    static QString NameAdd() { return tr("Add calendar files"); }
    static QString NameRemove() { return tr("Remove the chosen calendar file"); }
    static QString NameClose() { return tr("Close your calendars"); }
    static QString ChooserTitle() { return tr("Add calendar files"); }
    static QString ChooserFilter() { return tr("iCalendar files (*.ics)"); }
    static QString Empty() { return tr("No calendar files yet: Add... chooses some."); }
    static QString ButtonAddAddress() { return tr("Add by a&ddress..."); }
    static QString ButtonFetchAgain() { return tr("Fetch a&gain"); }
    static QString NameAddAddress() { return tr("Add a calendar by its web address"); }
    static QString NameFetchAgain() { return tr("Fetch the chosen web calendar again"); }
    static QString AddressTitle() { return tr("Add a calendar by address"); }
    static QString AddressLabel() { return tr("&Address (https:// or webcal://):"); }
    static QString AddressNameLabel() { return tr("&Name (may stay empty):"); }
};
