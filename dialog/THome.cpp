#include "dialog/THome.h"
#include "controls/Colours.h"
#include "controls/TCurrencyEdit.h"
#include "dialog/HomeTexts.h"
#include "prefs/MachineDefault.h"
#include "prefs/OffsetList.h"
#include "prefs/PositionLine.h"
#include "zones/ZoneOffsets.h"
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimeZone>
#include <QToolButton>
#include <utility>

namespace {
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->adjustSize();
    label->move(left, top);
    return label;
}

TCurrencyEdit* makeNumericField(QWidget* parent, const QString& name, const QString& pattern, const QRect& geometry)
{
    auto* field = new TCurrencyEdit(parent);
    field->setObjectName(name);
    field->setDisplayPattern(pattern);
    field->setGeometry(geometry);
    field->setFocusPolicy(Qt::ClickFocus);
    return field;
}

QLineEdit* makeTextField(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    return edit;
}

QCheckBox* makeCheckBox(QWidget* parent, const QString& name, const QString& text, const QRect& geometry)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    return box;
}
// The drop-down shows every entry whole, padding, frame and scroll bar included; the field keeps its place and width.
void fitListToEntries(QComboBox* box)
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
} // namespace

// Wide enough for its caption in the dialog's font; it still ends before "Hints".
constexpr int MilitaryBoxWidth = 128;
// The dialog's own size; the time-zone row adds its height below the Save button.
constexpr int DialogWidth = 204;
constexpr int ZoneRowTop = 164;
constexpr int ZoneRowHeight = 29;
constexpr int BottomMargin = 5;

namespace {
// The machine's zone first, then every other zone the time-zone database knows; the empty entry, meaning no zone,
// heads the list.
QStringList zoneEntries(const Clock& clock)
{
    const QString machine = zones::machineZoneId(clock.zoneId());
    QStringList entries{QString()};
    if (!machine.isEmpty())
        entries.append(machine);
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) {
        const QString text = QString::fromLatin1(id);
        if (text != machine)
            entries.append(text);
    }
    return entries;
}

// A known zone, as read (blanks and all), is kept until the user chooses another; a line naming no zone (an unknown
// id, or whatever else a longer file holds there) is no zone, so Save writes the four lines as before.
Preferences withListedZone(Preferences value)
{
    if (!zones::isKnownZone(value.zone))
        value.zone.clear();
    return value;
}
} // namespace

THome::THome(Services& services, BoxGate& gate, PrefsStore& store, QWidget* parent)
    : QDialog(parent), m_services(services), m_gate(gate), m_store(store)
{
    setObjectName(QStringLiteral("Home"));
    setWindowTitle(HomeTexts::Caption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(DialogWidth, ZoneRowTop + ZoneRowHeight + BottomMargin);
    // Small enough that every caption fits the fixed layout whatever the desktop's own font size.
    QFont small = font();
    small.setPixelSize(10);
    setFont(small);
    colours::paint(this, QPalette::Window, colours::Face);
    colours::paint(this, QPalette::WindowText, colours::Navy);
    colours::paint(this, QPalette::ButtonText, colours::Navy);
    setAutoFillBackground(true);

    createControls();
    createSaveButton();
    createZoneRow();
    createKeys();
    connectHandlers();
}

void THome::createKeys()
{
    const QList<QWidget*> order = tabOrder();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    const auto describe = [](QWidget* control, const QString& name, const QString& description) {
        control->setAccessibleName(name);
        control->setAccessibleDescription(description);
        // An editable list is heard through its edit box, which holds the focus.
        if (auto* list = qobject_cast<QComboBox*>(control)) {
            list->lineEdit()->setAccessibleName(name);
            list->lineEdit()->setAccessibleDescription(description);
        }
    };
    describe(ui.Edit1, HomeTexts::LatitudeName, HomeTexts::LatitudeDescription);
    describe(ui.Edit2, HomeTexts::LongitudeName, HomeTexts::LongitudeDescription);
    describe(ui.CurrencyEditGMT3, HomeTexts::GmtOffsetCaption, HomeTexts::GmtOffsetDescription);
    describe(ui.ComboBox1, HomeTexts::OffsetListCaption, HomeTexts::OffsetListDescription);
    describe(ui.CheckBox1, HomeTexts::MilitaryTimeCaption, HomeTexts::MilitaryTimeDescription);
    describe(ui.CheckBox2, HomeTexts::HintsCaption, HomeTexts::HintsDescription);
    describe(ui.SpeedButton54, HomeTexts::SaveCaption, HomeTexts::SaveDescription);
    describe(ui.ComboBoxZone, HomeTexts::TimeZoneCaption, HomeTexts::TimeZoneDescription);
    const std::pair<QLabel*, QWidget*> captions[] = {{ui.Label2, ui.Edit1},
                                                     {ui.Label1, ui.Edit2},
                                                     {ui.Label3, ui.CurrencyEditGMT3},
                                                     {ui.Label4, ui.ComboBox1},
                                                     {ui.LabelZone, ui.ComboBoxZone}};
    for (const auto& [label, field] : captions) {
        label->setBuddy(field);
        describe(label, label->text(), HomeTexts::CaptionDescription.arg(field->accessibleName()));
    }
}

QList<QWidget*> THome::tabOrder() const
{
    // Reading order: the fields from the top, Save, then the time-zone row below it. The GMT field takes no Tab
    // stop: it passes the focus on to the Offset List, so Shift+Tab from there would come straight back.
    return {ui.Edit1, ui.Edit2, ui.ComboBox1, ui.CheckBox1, ui.CheckBox2, ui.SpeedButton54, ui.ComboBoxZone};
}

bool THome::focusNextPrevChild(bool next)
{
    // Walked here rather than by the focus chain: the frame around Save hands its focus to Save, and the chain
    // would count it as one more stop.
    const QList<QWidget*> order = tabOrder();
    const QWidget* focused = focusWidget();
    qsizetype at = -1;
    for (qsizetype i = 0; i < order.size() && at < 0; ++i) {
        if (order[i] == focused || order[i]->isAncestorOf(focused))
            at = i;
    }
    if (at < 0)
        return QDialog::focusNextPrevChild(next);
    for (qsizetype step = 1; step < order.size(); ++step) {
        QWidget* candidate = order[(at + (next ? step : order.size() - step)) % order.size()];
        if (candidate->isVisibleTo(this) && candidate->isEnabled()) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return true;
}

void THome::keyPressEvent(QKeyEvent* event)
{
    // Enter presses Save wherever the focus is (a field passes on the keys it does not use); Escape closes the
    // dialog without saving, as its close box does.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        ui.SpeedButton54->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void THome::createZoneRow()
{
    ui.PanelZone = new QFrame(this);
    ui.PanelZone->setObjectName(QStringLiteral("PanelZone"));
    ui.PanelZone->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ui.PanelZone->setLineWidth(2);
    ui.PanelZone->setGeometry(5, ZoneRowTop, 193, ZoneRowHeight);
    ui.LabelZone = makeLabel(ui.PanelZone, QStringLiteral("LabelZone"), HomeTexts::TimeZoneCaption, 7, 8);

    ui.ComboBoxZone = new QComboBox(ui.PanelZone);
    ui.ComboBoxZone->setObjectName(QStringLiteral("ComboBoxZone"));
    ui.ComboBoxZone->setEditable(true);
    ui.ComboBoxZone->setInsertPolicy(QComboBox::NoInsert);
    // The empty entry now; the database's zones when the dialog is first shown (listing them costs a start-up).
    ui.ComboBoxZone->addItem(QString());
    ui.ComboBoxZone->setItemData(0, HomeTexts::NoZoneHint, Qt::ToolTipRole);
    ui.ComboBoxZone->setCurrentIndex(0);
    ui.ComboBoxZone->setGeometry(63, 4, 121, 21);
    ui.ComboBoxZone->setMaxVisibleItems(20);
    ui.ComboBoxZone->setFocusPolicy(Qt::StrongFocus);
    // "berl" finds Europe/Berlin: any part of the id, in any case.
    QCompleter* completer = ui.ComboBoxZone->completer();
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
}

void THome::createControls()
{
    ui.Panel3 = new QFrame(this);
    ui.Panel3->setObjectName(QStringLiteral("Panel3"));
    ui.Panel3->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ui.Panel3->setLineWidth(2);
    ui.Panel3->setGeometry(5, 5, 193, 129);

    // The hidden numeric fields lie under the position fields they hold the values of.
    ui.CurrencyEditN1 =
        makeNumericField(ui.Panel3, QStringLiteral("CurrencyEditN1"), QStringLiteral("00.00"), QRect(63, 8, 121, 21));
    ui.CurrencyEditN1->hide();
    ui.CurrencyEditW2 =
        makeNumericField(ui.Panel3, QStringLiteral("CurrencyEditW2"), QStringLiteral("00.00"), QRect(63, 32, 121, 21));
    ui.CurrencyEditW2->hide();

    ui.Label2 = makeLabel(ui.Panel3, QStringLiteral("Label2"), HomeTexts::LatitudeCaption, 22, 12);
    ui.Edit1 = makeTextField(ui.Panel3, QStringLiteral("Edit1"), QRect(63, 8, 121, 21));
    ui.Label1 = makeLabel(ui.Panel3, QStringLiteral("Label1"), HomeTexts::LongitudeCaption, 20, 36);
    ui.Edit2 = makeTextField(ui.Panel3, QStringLiteral("Edit2"), QRect(63, 32, 121, 21));
    ui.Label3 = makeLabel(ui.Panel3, QStringLiteral("Label3"), HomeTexts::GmtOffsetCaption, 5, 61);
    ui.CurrencyEditGMT3 =
        makeNumericField(ui.Panel3, QStringLiteral("CurrencyEditGMT3"), QStringLiteral("0"), QRect(63, 57, 121, 21));
    ui.Label4 = makeLabel(ui.Panel3, QStringLiteral("Label4"), HomeTexts::OffsetListCaption, 13, 85);

    ui.ComboBox1 = new QComboBox(ui.Panel3);
    ui.ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ui.ComboBox1->setEditable(true);
    // Typing into the list's edit box chooses nothing, and Enter must not add what was typed as an entry.
    ui.ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ui.ComboBox1->addItems(OffsetList::texts());
    ui.ComboBox1->setCurrentIndex(-1);
    ui.ComboBox1->setGeometry(63, 81, 121, 21);
    ui.ComboBox1->setFocusPolicy(Qt::StrongFocus);

    ui.CheckBox1 = makeCheckBox(ui.Panel3, QStringLiteral("CheckBox1"), HomeTexts::MilitaryTimeCaption,
                                QRect(7, 107, MilitaryBoxWidth, 17));
    ui.CheckBox2 =
        makeCheckBox(ui.Panel3, QStringLiteral("CheckBox2"), HomeTexts::HintsCaption, QRect(139, 107, 45, 17));

    ui.Memo1 = new QPlainTextEdit(ui.Panel3);
    ui.Memo1->setObjectName(QStringLiteral("Memo1"));
    ui.Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    ui.Memo1->setFocusPolicy(Qt::NoFocus);
    ui.Memo1->hide();
}

void THome::createSaveButton()
{
    ui.Panel2 = new QFrame(this);
    ui.Panel2->setObjectName(QStringLiteral("Panel2"));
    ui.Panel2->setFrameStyle(QFrame::NoFrame);
    ui.Panel2->setGeometry(10, 136, 182, 26);

    ui.Panel1 = new QFrame(ui.Panel2);
    ui.Panel1->setObjectName(QStringLiteral("Panel1"));
    ui.Panel1->setFrameStyle(QFrame::NoFrame);
    ui.Panel1->setGeometry(60, 2, 62, 23);
    colours::paint(ui.Panel1, QPalette::Window, colours::DarkFace);
    colours::paint(ui.Panel1, QPalette::Button, colours::DarkFace);
    ui.Panel1->setAutoFillBackground(true);

    ui.SpeedButton54 = new QToolButton(ui.Panel1);
    ui.SpeedButton54->setObjectName(QStringLiteral("SpeedButton54"));
    ui.SpeedButton54->setText(HomeTexts::SaveCaption);
    ui.SpeedButton54->setAutoRaise(true);
    ui.SpeedButton54->setFocusPolicy(Qt::StrongFocus);
    ui.SpeedButton54->setGeometry(0, 0, 62, 23);
    // The focus given to the frame around Save lands on Save itself, where Space presses it.
    ui.Panel2->setFocusProxy(ui.SpeedButton54);
}

void THome::connectHandlers()
{
    connect(ui.Edit1, &QLineEdit::textChanged, this, &THome::Edit1Change);
    connect(ui.Edit2, &QLineEdit::textChanged, this, &THome::Edit1Change);
    connect(ui.CurrencyEditGMT3, &TCurrencyEdit::changed, this, &THome::Edit1Change);
    connect(ui.CurrencyEditGMT3, &TCurrencyEdit::entered, this, &THome::CurrencyEditGMT3Enter);
    connect(ui.ComboBox1, qOverload<int>(&QComboBox::currentIndexChanged), this, &THome::ComboBox1Change);
    connect(ui.ComboBox1, qOverload<int>(&QComboBox::activated), this, &THome::ComboBox1Change);
    // Ticking a box from the file fires these as a click would.
    connect(ui.CheckBox1, &QCheckBox::toggled, this, &THome::CheckBox1Click);
    connect(ui.CheckBox2, &QCheckBox::toggled, this, &THome::CheckBox2Click);
    connect(ui.SpeedButton54, &QToolButton::clicked, this, &THome::SpeedButton54Click);
    connect(ui.ComboBoxZone, qOverload<int>(&QComboBox::currentIndexChanged), this, &THome::ComboBoxZoneChange);
    connect(ui.ComboBoxZone, qOverload<int>(&QComboBox::activated), this, &THome::ComboBoxZoneChange);
    connect(ui.ComboBoxZone->lineEdit(), &QLineEdit::editingFinished, this, &THome::ComboBoxZoneChange);
}

void THome::showPreferences(const Preferences& value)
{
    setMemoLines(value.toFile().lines());
    // Reading only ever turns the options on: military time off takes effect at the next start.
    if (value.militaryTime())
        ui.CheckBox1->setChecked(true);
    if (value.hints()) {
        ui.CheckBox2->setChecked(true);
        ActivateHint();
    }
    ui.Edit2->setText(value.longitude);
    ui.Edit1->setText(value.latitude);
    ui.CurrencyEditGMT3->setValue(value.gmtOffset);
    m_shown = withListedZone(value);
    m_shown.gmtOffset = ui.CurrencyEditGMT3->value();
    m_zone = m_shown.zone;
    showZone(m_zone);
}

void THome::rereadPreferences()
{
    // Another copy of the program, or another program, may have saved since the main window last read the file.
    if (const std::optional<PrefsFile> file = PrefsFile::load(m_store.path()))
        showPreferences(Preferences::fromFile(*file));
}

void THome::listZones()
{
    if (ui.ComboBoxZone->count() > 1)
        return;
    const QSignalBlocker quiet(ui.ComboBoxZone);
    ui.ComboBoxZone->addItems(zoneEntries(m_services.clock).mid(1));
    fitListToEntries(ui.ComboBoxZone);
    showZone(m_zone);
}

void THome::showZone(const QString& zoneId)
{
    const QSignalBlocker quiet(ui.ComboBoxZone);
    const int index = zoneId.isEmpty() ? 0 : ui.ComboBoxZone->findText(zoneId, Qt::MatchExactly);
    if (index >= 0)
        ui.ComboBoxZone->setCurrentIndex(index);
    else
        ui.ComboBoxZone->setEditText(zoneId);
}

QString THome::memoLine(int n) const
{
    if (n < 1)
        return QString();
    const QTextBlock block = ui.Memo1->document()->findBlockByNumber(n - 1);
    return block.isValid() ? block.text() : QString();
}

QStringList THome::memoLines() const
{
    QStringList lines;
    for (QTextBlock block = ui.Memo1->document()->begin(); block.isValid(); block = block.next())
        lines.append(block.text());
    return lines;
}

void THome::setMemoLines(const QStringList& lines)
{
    ui.Memo1->setPlainText(lines.join(QLatin1Char('\n')));
}

void THome::FormActivate()
{
    m_services.pointer.moveTo(
        ui.SpeedButton54->mapToGlobal(QPoint(ui.SpeedButton54->width() / 2, ui.SpeedButton54->height() / 2)));
    ParamsChanged = false;
    ui.Panel2->setFocus();
}

void THome::ComboBox1Change()
{
    if (const std::optional<double> hours = OffsetList::hoursAt(ui.ComboBox1->currentIndex())) {
        ui.CurrencyEditGMT3->setValue(*hours);
        // A fixed offset chosen: the zone would override it in every report.
        if (!m_zone.isEmpty()) {
            m_zone.clear();
            showZone(m_zone);
            ParamsChanged = true;
        }
    }
}

void THome::ComboBoxZoneChange()
{
    const QString text = ui.ComboBoxZone->currentText().trimmed();
    // A partly typed id, or any text naming no zone of the list, chooses nothing, as typing into the Offset List
    // does; nothing else is looked up, so no path typed here is ever opened.
    if (text.isEmpty() || zones::isKnownZone(text))
        chooseZone(text);
}

void THome::chooseZone(const QString& zoneId)
{
    // The zone as read, blanks and all, stays unless another is chosen.
    if (zoneId == m_zone.trimmed())
        return;
    m_zone = zoneId;
    ParamsChanged = true;
    if (zoneId.isEmpty())
        return;
    {
        // The zone now gives the offset; no Offset List entry stands for it.
        const QSignalBlocker quiet(ui.ComboBox1);
        ui.ComboBox1->setCurrentIndex(-1);
    }
    ui.CurrencyEditGMT3->setValue(zones::offsetsOn(zoneId, m_services.clock.now().date()).standard);
    // Only empty position fields take the zone's city: there is no way to ask before replacing what was typed.
    if (!ui.Edit1->text().trimmed().isEmpty() || !ui.Edit2->text().trimmed().isEmpty())
        return;
    if (const std::optional<ZonePosition> place = prefs::zonePosition(zoneId, prefs::systemZoneTables())) {
        ui.Edit1->setText(prefs::latitudeLine(place->latitude));
        ui.Edit2->setText(prefs::longitudeLine(place->longitude));
    }
}

void THome::CurrencyEditGMT3Enter()
{
    // The offset is chosen from the list, never typed.
    ui.ComboBox1->setFocus();
}

void THome::Edit1Change()
{
    ParamsChanged = true;
}

void THome::CheckBox1Click()
{
    ParamsChanged = true;
}

void THome::CheckBox2Click()
{
    ActivateHint();
}

void THome::ActivateHint()
{
    emit hintsSwitched(ui.CheckBox2->isChecked());
}

void THome::SpeedButton54Click()
{
    // An id typed in full counts even when Save is pressed before the list took it.
    ComboBoxZoneChange();
    Preferences edited = m_shown.edited(ui.CheckBox1->isChecked(), ui.CheckBox2->isChecked(), ui.Edit2->text(),
                                        ui.Edit1->text(), ui.CurrencyEditGMT3->value(), m_zone);
    // What the user did not change is written as the file holds it now; a file gone meanwhile gets the dialog's.
    if (const std::optional<PrefsFile> file = PrefsFile::load(m_store.path()))
        edited = edited.keptOver(m_shown, withListedZone(Preferences::fromFile(*file)));
    if (!m_store.save(edited)) {
        m_gate.showOverDialog(BoxGate::Box::Error, HomeTexts::CannotCreateFile + m_store.path());
        return;
    }
    setMemoLines(m_store.value().toFile().lines());
    if (ParamsChanged)
        m_gate.warnAtOk(HomeTexts::RestartMessage, HomeTexts::RestartOkBelowCentre, true);
    accept();
}

void THome::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    // Once per showing: coming back from another application, or from the dialog's own box, must not forget the
    // edits made so far (the restart message depends on them) nor move the pointer.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_activatedSinceShown) {
        m_activatedSinceShown = true;
        FormActivate();
    }
}

void THome::showEvent(QShowEvent* event)
{
    if (!m_centred) {
        m_centred = true;
        if (const QScreen* desktop = screen())
            move(desktop->geometry().center() - QPoint(width() / 2, height() / 2));
    }
    m_activatedSinceShown = false;
    rereadPreferences();
    // Measuring every entry shapes its text: done when the dialog shows, not at the program's start.
    if (!m_listsFitted) {
        m_listsFitted = true;
        fitListToEntries(ui.ComboBox1);
    }
    listZones();
    QDialog::showEvent(event);
}
