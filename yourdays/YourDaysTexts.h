// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "controls/SharedTexts.h"
#include <QCoreApplication>
#include <QString>

// The names of the marking dialog's controls and of the commands, for the window and its tests.
namespace yourdaysnames {
inline const QString Dialog = QStringLiteral("MarkDayDialog");
inline const QString Title = QStringLiteral("MarkDayTitle");
inline const QString From = QStringLiteral("MarkDayFrom");
inline const QString To = QStringLiteral("MarkDayTo");
inline const QString Category = QStringLiteral("MarkDayCategory");
inline const QString Note = QStringLiteral("MarkDayNote");
inline const QString Yearly = QStringLiteral("MarkDayYearly");
inline const QString Remind = QStringLiteral("MarkDayRemind");
inline const QString RemindDays = QStringLiteral("MarkDayRemindDays");
inline const QString RemindAt = QStringLiteral("MarkDayRemindAt");
inline const QString Save = QStringLiteral("MarkDaySave");
inline const QString Delete = QStringLiteral("MarkDayDelete");
inline const QString Cancel = QStringLiteral("MarkDayCancel");
inline const QString MarkKeys = QStringLiteral("KeysMarkDays");
inline const QString UndoKeys = QStringLiteral("KeysUndo");
inline const QString RedoKeys = QStringLiteral("KeysRedo");
inline const QString Categories = QStringLiteral("CategoriesDialog");
inline const QString CategoryName = QStringLiteral("CategoryName");
inline const QString CategoryColour = QStringLiteral("CategoryColour");
inline const QString CategoryAdd = QStringLiteral("CategoryAdd");
inline const QString CategoriesClose = QStringLiteral("CategoriesClose");
} // namespace yourdaysnames

// What the marking of days says, word for word; the English text is the source.
class YourDaysTexts
{
    Q_DECLARE_TR_FUNCTIONS(YourDays)
public:
    static QString CalendarName() { return tr("Your days"); }
    static QString MenuMark() { return tr("Mark days..."); }
    static QString NameMark() { return tr("Mark the chosen days"); }
    static QString MenuUndo() { return tr("Undo"); }
    static QString MenuRedo() { return tr("Redo"); }
    static QString MenuEdit() { return tr("Edit \"%1\"..."); }
    static QString MenuDelete() { return tr("Delete \"%1\""); }
    static QString TitleNew() { return tr("Mark days"); }
    static QString TitleEdit() { return tr("Edit marked days"); }
    static QString LabelTitle() { return tr("&Title:"); }
    static QString LabelFrom() { return tr("&From:"); }
    static QString LabelTo() { return tr("T&o:"); }
    static QString LabelCategory() { return tr("&Category:"); }
    static QString LabelNote() { return tr("&Note:"); }
    static QString CheckYearly() { return tr("Every &year"); }
    static QString CheckRemind() { return tr("&Remind me"); }
    static QString RemindDays() { return tr("days before, at"); }
    static QString ButtonSave() { return tr("&Save"); }
    static QString ButtonDelete() { return tr("&Delete"); }
    static QString ButtonCancel() { return tr("Cancel"); }
    // Lines about the user's calendar file.
    static QString NotSaved()
    {
        return tr("Your days could not be saved (%1): the change is kept here and saved again at the next change.");
    }
    static QString NotWritable() { return tr("Your days' file %1 cannot be used (%2): nothing is written to it."); }
    static QString KeptNewer()
    {
        return tr("\"%1\" was changed here and in another program: the newer change was kept.");
    }
    static QString Line() { return tr("Your days (writable), marked: %1"); }
    // The category names a new calendar starts with.
    static QString CategoryTrip() { return tr("Trip"); }
    static QString CategoryHoliday() { return tr("Holiday"); }
    static QString CategoryBirthday() { return tr("Birthday"); }
    static QString CategoryWork() { return tr("Work"); }
    static QString CategoryPersonal() { return tr("Personal"); }
    static QString NameRemindAt() { return tr("Time of the reminder"); }
    static QString ChangedElsewhere()
    {
        return tr("\"%1\" was changed in another program since: it stays as it is there.");
    }
    static QString MenuCategories() { return tr("Categories of your days..."); }
    static QString CategoriesTitle() { return tr("Categories of your days"); }
    static QString ButtonAddCategory() { return tr("&Add category"); }
    static QString NewCategory() { return tr("New category"); }
    static QString NameCategoryName() { return tr("Name of category %1"); }
    static QString NameCategoryColour() { return tr("Colour of category %1"); }
    static QString ColourBlue() { return tr("Blue"); }
    static QString ColourGreen() { return tr("Green"); }
    static QString ColourPink() { return tr("Pink"); }
    static QString ColourOrange() { return tr("Orange"); }
    static QString ColourAmber() { return tr("Amber"); }
    static QString ColourRed() { return tr("Red"); }
    static QString ColourPurple() { return tr("Purple"); }
    static QString ColourGrey() { return tr("Grey"); }
};
