#include "app/TCalendar.h"
#include "app/CalendarTexts.h"
#include "controls/Colours.h"
#include "controls/Hints.h"
#include "controls/TMonthCalendar.h"
#include "controls/TumNumberEdit.h"
#include "dialog/THome.h"
#include "runtime/DateText.h"
#include "runtime/NumberText.h"
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

namespace {
// Where the window stands before it is first shown and centred; the compact view starts there.
constexpr int DesignLeft = 209;
constexpr int DesignTop = 121;
} // namespace

TCalendar::TCalendar(Services& services, BoxGate& gate, PrefsStore& preferences, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_services(services), m_gate(gate), m_preferences(preferences)
{
    setObjectName(QStringLiteral("Calendar"));
    setAutoFillBackground(true);
    colours::paint(this, QPalette::Window, colours::Blue);
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
    move(DesignLeft, DesignTop);

    createMonthGrid();
    createToolbar();
    createYearEntryPanel();
    createTitlePanels();
    createTray();

    ui.Timer1 = new QTimer(this);
    ui.Timer1->setObjectName(QStringLiteral("Timer1"));
    ui.Timer1->setInterval(TimerIntervalMs);
    connectHandlers();
    createDayWatch();
    m_gate.setActivation([this] { FormActivate(); });
    FormCreate();
    // The countdown starts at 0: the first tick brings today's report (and names the first calendar's month).
    runTimer1WhileCounting();
    armMidnightTimer();
}

TCalendar::~TCalendar() = default;

void TCalendar::setHome(THome* home)
{
    if (m_home)
        disconnect(m_home, nullptr, this, nullptr);
    m_home = home;
    if (m_home)
        connect(m_home, &THome::hintsSwitched, this, &TCalendar::applyHints);
}

void TCalendar::setOuterSize(int width, int height)
{
    setFixedSize(width - FrameWidth, height - FrameHeight);
}

QSize TCalendar::outerSize() const
{
    return size() + QSize(FrameWidth, FrameHeight);
}

TDateTime TCalendar::now() const
{
    return rt::fromQDateTime(m_services.clock.now());
}

TDateTime TCalendar::today() const
{
    return rt::fromQDate(m_services.clock.now().date());
}

bool TCalendar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui.umNumberEdit1) {
        if (event->type() == QEvent::KeyPress) {
            int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_gate.run([this, &key] { umNumberEdit1KeyDown(key); });
                return key == 0;
            }
        } else if (event->type() == QEvent::MouseButtonRelease) {
            QTimer::singleShot(0, this, [this] { umNumberEdit1Click(); });
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TCalendar::activationArrived()
{
    m_gate.activationArrived();
}

void TCalendar::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Only the first showing counts here. A box or dialog of ours reactivates the window through the box gate when
    // it closes, and a restore from the tray through its handler; coming back from another application must leave
    // the grid as the user left it, so the click that brought the window forward acts on what they saw.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !FirstActivationDone)
        activationArrived();
}

void TCalendar::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_tray.shown();
    // Back from the tray or a minimise, maybe hours later: no event tells of a time-zone change, so look now.
    clockChanged();
    if (!m_centred) {
        m_centred = true;
        centreOnDesktop();
    }
}

void TCalendar::centreOnDesktop()
{
    // Centres the outer window. Its frame is known only once the window manager has framed it; until then the usual
    // frame is assumed. The client area is placed, which every window manager honours alike.
    const QRect framed = frameGeometry();
    const bool frameKnown = isVisible() && framed.size() != size();
    const QMargins frame = frameKnown
                               ? QMargins(geometry().left() - framed.left(), geometry().top() - framed.top(),
                                          framed.right() - geometry().right(), framed.bottom() - geometry().bottom())
                               : QMargins(FrameWidth / 2, FrameHeight - FrameWidth / 2, FrameWidth / 2, FrameWidth / 2);
    const QSize outer = size().grownBy(frame);
    const QSize desktop = m_services.pointer.desktopSize();
    const QPoint corner((desktop.width() - outer.width()) / 2, (desktop.height() - outer.height()) / 2);
    setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), size()));
}

void TCalendar::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit closed();
}

QPoint TCalendar::pointerTarget(pointer::Target which) const
{
    pointer::Geometry g;
    // The table's offsets are measured from a window with the usual frame around its client area; placing from the
    // client area itself keeps the pointer on its button whatever frame the window manager draws, and however late
    // it reports it.
    g.window = mapToGlobal(QPoint(0, 0)) - QPoint(FrameWidth / 2, FrameHeight - FrameWidth / 2);
    g.panel28 = ui.Panel28->pos();
    g.panel25 = ui.Panel25->pos();
    g.panel29 = ui.Panel29->pos();
    g.speedButton3Left = ui.SpeedButton3->x();
    g.speedButton6Left = ui.SpeedButton6->x();
    g.speedButton7Left = ui.SpeedButton7->x();
    g.speedButton8Left = ui.SpeedButton8->x();
    g.speedButtonTop = ui.SpeedButton3->y();
    g.speedButton54Left = ui.SpeedButton54->x();
    return pointer::target(which, g);
}

void TCalendar::movePointer(pointer::Target which)
{
    m_services.pointer.moveTo(pointerTarget(which));
}

void TCalendar::FormCreate()
{
    applyFullLayout();
    SmallViewTop = y();
    SmallViewLeft = x();
    setYearButton(texts::PatternYear);
    m_today = m_services.clock.now().date();
    showTodayCaption();
    ui.MonthCalendar[0]->setHint(julianText(Julian.JulianYear, Julian.JulianDayOfYear));
}

void TCalendar::showTodayCaption()
{
    const TDateTime start = now();
    // Today's own figures; no span starts from them.
    ::CalcJulianDate(Julian, rt::formatDateTime(QStringLiteral("mm/dd/yy"), start, rt::formatSettings()),
                     rt::dateOf(start), false, start, rt::formatSettings());
    setWindowTitle(captionHead(start, Julian.JulianYear, Julian.JulianDayOfYear, rt::formatSettings()));
    m_captionFollowsToday = true;
}

void TCalendar::FormActivate()
{
    if (!FirstActivationDone) {
        FullViewTop = y();
        FullViewLeft = x();
        movePointer(pointer::Target::CloseButton);
        FirstActivationDone = true;
    }
    m_gate.activating([this] {
        QString message;
        if (m_preferences.load(&message)) {
            m_report.readMilitaryTime(m_preferences.value().militaryTime());
            if (m_preferences.value().hints())
                applyHints(true);
        } else if (!message.isEmpty()) {
            m_gate.show(BoxGate::Box::Error, message);
        }
        CalcSun(now());
        placeAndFillGrid();
    });
}

void TCalendar::placeAndFillGrid()
{
    fillFrom(m_grid.place(ui.MonthCalendar[0]->Date(), now()).calendar1);
    markToday();
}

void TCalendar::fillFrom(TDateTime calendar1)
{
    ui.MonthCalendar[0]->setDate(calendar1);
    const TDateTime first = ui.MonthCalendar[0]->Date();
    for (int k = 2; k <= grid::Calendars; ++k)
        ui.MonthCalendar[k - 1]->setDate(grid::calendarDate(first, k));
    for (int k = 1; k <= grid::Calendars; ++k)
        setTitle(k, ui.MonthCalendar[k - 1]->Date());
}

void TCalendar::setTitle(int k, TDateTime date)
{
    QLabel* label = ui.TitlePanel[k - 1];
    const QString text = grid::titleText(k, date);
    if (label->text() != text)
        label->setText(text);
}

grid::Compact TCalendar::compactShown() const
{
    return {ui.MonthCalendar[0]->Date(), ui.MonthCalendar[1]->Date(), ui.MonthCalendar[2]->Date()};
}

void TCalendar::showCompact(const grid::Compact& dates)
{
    for (int k = 1; k <= grid::CompactCalendars; ++k) {
        ui.MonthCalendar[k - 1]->setDate(dates[k - 1]);
        setTitle(k, ui.MonthCalendar[k - 1]->Date());
    }
}

void TCalendar::ResetCalendarHints()
{
    for (TMonthCalendar* month : ui.MonthCalendar)
        month->setHint(QString());
}

void TCalendar::ResetAllCalendar(int Keep)
{
    for (int n = 1; n <= grid::Calendars; ++n) {
        if (n == Keep)
            continue;
        const TDateTime date = ui.MonthCalendar[n - 1]->Date();
        ui.MonthCalendar[n - 1]->setDate(rt::encodeDate(rt::yearOf(date), rt::monthOf(date), 1));
    }
    ResetCalendarHints();
}

void TCalendar::applyHints(bool on)
{
    // The month calendars keep their day-of-year hint whatever the switch says.
    const QList<QWidget*> controls = findChildren<QWidget*>();
    for (QWidget* control : controls) {
        if (!hints::hasShowHint(control))
            continue;
        const bool monthCalendar =
            std::find(ui.MonthCalendar.begin(), ui.MonthCalendar.end(), control) != ui.MonthCalendar.end();
        if (on)
            hints::setShowHint(control, true);
        else if (!monthCalendar)
            hints::setShowHint(control, false);
    }
}

void TCalendar::setYearButton(const QString& pattern, bool janPrefix)
{
    m_yearPattern = pattern;
    m_yearJanPrefix = janPrefix;
    const QString text = rt::formatDateTime(pattern, now(), rt::formatSettings());
    ui.SpeedButton10->setText(janPrefix ? texts::JanPrefix + text : text);
}
