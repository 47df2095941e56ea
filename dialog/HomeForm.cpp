// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/HomeForm.h"
#include "controls/Colours.h"
#include "controls/TCurrencyEdit.h"
#include "dialog/CityRow.h"
#include "dialog/HolidaysRow.h"
#include "dialog/HomeTexts.h"
#include "dialog/PlaceReadings.h"
#include "dialog/WeekRulesRow.h"
#include "dialog/ZoneCityLine.h"
#include "dialog/ZoneRow.h"
#include "prefs/MachineDefault.h"
#include "prefs/OffsetList.h"
#include "prefs/PositionLine.h"
#include "runtime/FormatSettings.h"
#include "runtime/NumberText.h"
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolButton>

namespace {
// Wide enough for its caption in the dialog's font; it still ends before "Hints".
constexpr int MilitaryBoxWidth = 128;
// "Hints" and its translations with the box before them, up to two pixels short of the frame.
constexpr int HintsBoxWidth = 50;
// Where the fields right of the captions begin.
constexpr int FieldLeft = 63;

TCurrencyEdit* makeNumericField(QWidget* parent, const char* name, const QString& pattern, const QRect& geometry)
{
    auto* field = new TCurrencyEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setDisplayPattern(pattern);
    field->setGeometry(geometry);
    field->setFocusPolicy(Qt::ClickFocus);
    return field;
}

QLineEdit* makeTextField(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(geometry);
    return edit;
}

QCheckBox* makeCheckBox(QWidget* parent, const char* name, const char* text, const QRect& geometry)
{
    auto* box = new QCheckBox(HomeTexts::tr(text), parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    return box;
}
} // namespace

QLabel* makeHomeLabel(QWidget* parent, const char* name, const char* text, int left, int top, int fieldLeft)
{
    auto* label = new QLabel(HomeTexts::tr(text), parent);
    label->setObjectName(QLatin1String(name));
    // The captions keep their places whatever the language; a word a pixel or a few too long for its room is
    // condensed, down to a width still read at a glance.
    constexpr int NarrowestStretch = 80;
    const int room = fieldLeft - left;
    QFont font = label->font();
    for (int stretch = 99; stretch >= NarrowestStretch && QFontMetrics(font).horizontalAdvance(label->text()) > room;
         --stretch)
        font.setStretch(stretch);
    if (font != label->font())
        label->setFont(font);
    label->adjustSize();
    label->move(left, top);
    return label;
}

void HomeForm::build(QWidget* dialog)
{
    // Small enough that every caption fits the fixed layout whatever the desktop's own font size.
    QFont small = dialog->font();
    small.setPixelSize(10);
    dialog->setFont(small);
    colours::paint(dialog, QPalette::Window, colours::Face);
    colours::paint(dialog, QPalette::WindowText, colours::Navy);
    colours::paint(dialog, QPalette::ButtonText, colours::Navy);
    dialog->setAutoFillBackground(true);

    Panel3 = new QFrame(dialog);
    Panel3->setObjectName(QLatin1String(HomeNames::Panel3));
    Panel3->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel3->setLineWidth(2);
    Panel3->setGeometry(5, 5, 193, 129);
    buildFields();
    buildSaveButton(dialog);
    PanelZone = new ZoneRow(dialog);
    PanelReadings = new PlaceReadings(dialog);
    PanelCity = new CityRow(dialog);
    PanelZoneCity = new ZoneCityLine(dialog);
    PanelWeeks = new WeekRulesRow(rt::formatSettings().firstDayOfWeek, dialog);
    // Under the week rules' first caption, as wide as the rows.
    const QRect weeks = PanelWeeks->geometry();
    CheckBoxAutostart = new QCheckBox(sharedTexts::tr(sharedTexts::StartWithDesktop), dialog);
    CheckBoxAutostart->setObjectName(QLatin1String(HomeNames::CheckBoxAutostart));
    CheckBoxAutostart->setGeometry(weeks.left() + 7, weeks.bottom() + 3, weeks.width() - 14, 17);
    PanelHolidays = new HolidaysRow(dialog);
    PanelHolidays->move(weeks.left(), CheckBoxAutostart->geometry().bottom() + 3);
}

void HomeForm::buildFields()
{
    CurrencyEditN1 =
        makeNumericField(Panel3, HomeNames::CurrencyEditN1, QStringLiteral("00.00"), QRect(63, 8, 121, 21));
    CurrencyEditN1->hide();
    CurrencyEditW2 =
        makeNumericField(Panel3, HomeNames::CurrencyEditW2, QStringLiteral("00.00"), QRect(63, 32, 121, 21));
    CurrencyEditW2->hide();

    Label2 = makeHomeLabel(Panel3, HomeNames::Label2, HomeTexts::LatitudeCaption, 22, 12, FieldLeft);
    Edit1 = makeTextField(Panel3, HomeNames::Edit1, QRect(63, 8, 121, 21));
    Label1 = makeHomeLabel(Panel3, HomeNames::Label1, HomeTexts::LongitudeCaption, 20, 36, FieldLeft);
    Edit2 = makeTextField(Panel3, HomeNames::Edit2, QRect(63, 32, 121, 21));
    Label3 = makeHomeLabel(Panel3, HomeNames::Label3, HomeTexts::GmtOffsetCaption, 5, 61, FieldLeft);
    CurrencyEditGMT3 =
        makeNumericField(Panel3, HomeNames::CurrencyEditGMT3, QStringLiteral("0"), QRect(63, 57, 121, 21));
    Label4 = makeHomeLabel(Panel3, HomeNames::Label4, HomeTexts::OffsetListCaption, 13, 85, FieldLeft);

    ComboBox1 = new QComboBox(Panel3);
    ComboBox1->setObjectName(QLatin1String(HomeNames::ComboBox1));
    ComboBox1->setEditable(true);
    // Typing into the list's edit box chooses nothing, and Enter must not add what was typed as an entry.
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->addItems(OffsetList::texts());
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setGeometry(63, 81, 121, 21);
    ComboBox1->setFocusPolicy(Qt::StrongFocus);

    CheckBox1 =
        makeCheckBox(Panel3, HomeNames::CheckBox1, HomeTexts::MilitaryTimeCaption, QRect(7, 107, MilitaryBoxWidth, 17));
    CheckBox2 = makeCheckBox(Panel3, HomeNames::CheckBox2, HomeTexts::HintsCaption, QRect(139, 107, HintsBoxWidth, 17));

    Memo1 = new QPlainTextEdit(Panel3);
    Memo1->setObjectName(QLatin1String(HomeNames::Memo1));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->hide();
}

void HomeForm::buildSaveButton(QWidget* dialog)
{
    Panel2 = new QFrame(dialog);
    Panel2->setObjectName(QLatin1String(HomeNames::Panel2));
    Panel2->setFrameStyle(QFrame::NoFrame);
    Panel2->setGeometry(10, 136, 182, 26);

    Panel1 = new QFrame(Panel2);
    Panel1->setObjectName(QLatin1String(HomeNames::Panel1));
    Panel1->setFrameStyle(QFrame::NoFrame);
    Panel1->setGeometry(60, 2, 62, 23);
    colours::paint(Panel1, QPalette::Window, colours::DarkFace);
    colours::paint(Panel1, QPalette::Button, colours::DarkFace);
    Panel1->setAutoFillBackground(true);

    SpeedButton54 = new QToolButton(Panel1);
    SpeedButton54->setObjectName(QLatin1String(HomeNames::SpeedButton54));
    SpeedButton54->setText(HomeTexts::tr(HomeTexts::SaveCaption));
    SpeedButton54->setAutoRaise(true);
    SpeedButton54->setFocusPolicy(Qt::StrongFocus);
    SpeedButton54->setGeometry(0, 0, 62, 23);
    // The focus given to the frame around Save lands on Save itself, where Space presses it.
    Panel2->setFocusProxy(SpeedButton54);
}

void HomeForm::fitListToEntries(QComboBox* box)
{
    QAbstractItemView* list = box->view();
    int widest = 0;
    const QFontMetrics metrics(list->font());
    for (int i = 0; i < box->count(); ++i)
        widest = qMax(widest, metrics.horizontalAdvance(box->itemText(i)));
    const QStyle* style = list->style();
    const int itemPadding = 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    const int frame = 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth);
    list->setMinimumWidth(widest + itemPadding + frame + style->pixelMetric(QStyle::PM_ScrollBarExtent));
}

void HomeForm::takeZoneCity(const QString& zoneId)
{
    // Only empty position fields take the zone's city: there is no way to ask before replacing what was typed.
    if (!Edit1->text().trimmed().isEmpty() || !Edit2->text().trimmed().isEmpty())
        return;
    if (const std::optional<ZonePosition> place = prefs::zonePosition(zoneId, prefs::systemZoneTables()))
        showPosition(place->latitude, place->longitude);
}

void HomeForm::showPosition(double latitude, double longitude)
{
    // Rounded as the decimal text reads, so the field shows what Save writes.
    Edit1->setText(prefs::latitudeLine(rt::roundTo2(latitude)));
    Edit2->setText(prefs::longitudeLine(rt::roundTo2(longitude)));
}
