#include "app/TCalendar.h"
#include "app/CalendarTexts.h"
#include "app/GridRules.h"
#include "controls/Colours.h"
#include "controls/Hints.h"
#include "controls/MoonPictures.h"
#include "controls/TCurrencyEdit.h"
#include "controls/TJPanelTexture.h"
#include "controls/TMonthCalendar.h"
#include "controls/TMoon.h"
#include "controls/TumNumberEdit.h"
#include "dialog/THome.h"
#include "runtime/ConvertError.h"
#include "runtime/DateText.h"
#include "runtime/NumberText.h"
#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolButton>
#include <cmath>
#include <utility>

namespace {
// Where the window stands before it is first shown and centred; the compact view starts there.
constexpr int DesignLeft = 209;
constexpr int DesignTop = 121;
} // namespace

TCalendar::TCalendar(Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_services(services)
{
    setObjectName(QStringLiteral("Calendar"));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, colours::Blue);
    setPalette(background);
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

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10);
    connectHandlers();
    FormCreate();
    Timer1->start();
}

TCalendar::~TCalendar() = default;

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

void TCalendar::connectHandlers()
{
    for (int n = 1; n <= 12; ++n)
        connect(MonthCalendar[n - 1], &TMonthCalendar::OnClick, this, [this, n] { MonthCalendarClick(n); });
    connect(Timer1, &QTimer::timeout, this, &TCalendar::Timer1Timer);
    connect(SpeedButton11, &QToolButton::clicked, this, [this] { run([this] { BitBtn2Click(); }); });
    connect(SpeedButton10, &QToolButton::clicked, this, [this] { run([this] { BitBtn4Click(); }); });
    connect(SpeedButton9, &QToolButton::clicked, this, [this] { run([this] { BitBtn3Click(); }); });
    connect(SpeedButton8, &QToolButton::clicked, this, [this] { run([this] { BitBtn1Click(); }); });
    connect(SpeedButton7, &QToolButton::clicked, this, [this] { run([this] { BitBtn7Click(); }); });
    connect(SpeedButton6, &QToolButton::clicked, this, [this] { run([this] { BitBtn6Click(); }); });
    connect(SpeedButton3, &QToolButton::clicked, this, [this] { run([this] { SpeedButton3Click(); }); });
    connect(SpeedButton4, &QToolButton::clicked, this, [this] { run([this] { SpeedButton4Click(); }); });
    connect(SpeedButton5, &QToolButton::clicked, this, [this] { run([this] { SpeedButton5Click(); }); });
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { run([this] { SpeedButton1Click(); }); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { run([this] { SpeedButton2Click(); }); });
    connect(SpeedButton54, &QToolButton::clicked, this, [this] { run([this] { SpeedButton54Click(); }); });
    connect(Tray1, &QAction::triggered, this, [this] { run([this] { Tray1Click(); }); });
    connect(SpeedButton7, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(SpeedButton7->mapToGlobal(at)); });
    umNumberEdit1->installEventFilter(this);
}

bool TCalendar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == umNumberEdit1) {
        if (event->type() == QEvent::KeyPress) {
            int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                run([this, &key] { umNumberEdit1KeyDown(key); });
                return key == 0;
            }
        } else if (event->type() == QEvent::MouseButtonRelease) {
            QTimer::singleShot(0, this, [this] { umNumberEdit1Click(); });
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TCalendar::run(const std::function<void()>& handler)
{
    ++m_handlerDepth;
    try {
        handler();
    } catch (const ConvertError& error) {
        if (m_handlerDepth > 1) {
            --m_handlerDepth;
            throw;
        }
        showBox(Box::Error, error.text);
    }
    --m_handlerDepth;
    if (m_handlerDepth == 0) {
        showQueuedBoxes();
        if (m_activationPending) {
            m_activationPending = false;
            QTimer::singleShot(0, this, [this] { activationArrived(); });
        }
    }
}

void TCalendar::activationArrived()
{
    // An activation inside a running handler or under an open box waits until they have ended.
    if (m_handlerDepth > 0 || m_services.prompter.isOpen()) {
        m_activationPending = true;
        return;
    }
    run([this] { FormActivate(); });
}

void TCalendar::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        activationArrived();
}

void TCalendar::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
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
    g.panel28 = Panel28->pos();
    g.panel25 = Panel25->pos();
    g.panel29 = Panel29->pos();
    g.speedButton3Left = SpeedButton3->x();
    g.speedButton6Left = SpeedButton6->x();
    g.speedButton7Left = SpeedButton7->x();
    g.speedButton8Left = SpeedButton8->x();
    g.speedButtonTop = SpeedButton3->y();
    g.speedButton54Left = SpeedButton54->x();
    g.desktop = m_services.pointer.desktopSize();
    return pointer::target(which, g);
}

void TCalendar::movePointer(pointer::Target which)
{
    m_services.pointer.moveTo(pointerTarget(which));
}

void TCalendar::FormCreate()
{
    rt::formatSettings().shortDateFormat = texts::PatternShortDate;
    setOuterSize(800, 485);
    Panel28->resize(795, Panel28->height());
    Panel28->move(Panel28->x(), 428);
    TitlePanel[4]->move(TitlePanel[4]->x(), 150);
    TitlePanel[5]->move(TitlePanel[5]->x(), 150);
    JPanelTexture1->resize(794, JPanelTexture1->height());
    applyFullLayout();
    SmallViewTop = y();
    SmallViewLeft = x();
    SpeedButton10->setText(rt::formatDateTime(texts::PatternYear, now()));
    Panel25->move(800 / 2 - 155 / 2, 485 / 2 - 54 / 2);

    const TDateTime start = now();
    CalcJulianDate(rt::formatDateTime(QStringLiteral("mm/dd/yy"), start), rt::dateOf(start));
    const QString julian = Julian.JulianYear + QLatin1Char('.') + rt::pad3(Julian.JulianDayOfYear);
    MonthCalendar[0]->setHint(julian);
    setWindowTitle(captionHead(start, Julian.JulianYear, Julian.JulianDayOfYear));
}

void TCalendar::applyFullLayout()
{
    SpeedButton11->move(236, 2);
    SpeedButton10->move(265, 2);
    SpeedButton9->move(344, 2);
    SpeedButton8->move(378, 2);
    SpeedButton6->move(412, 2);
    SpeedButton3->move(446, 2);
    SpeedButton5->move(639, 2);
    SpeedButton1->move(701, 2);
    SpeedButton2->move(732, 2);
    SpeedButton4->move(670, 2);
}

void TCalendar::FormActivate()
{
    if (FirstActivationDone == 0) {
        FullViewTop = y();
        FullViewLeft = x();
        movePointer(pointer::Target::CloseButton);
        FirstActivationDone = 1;
    }
    // Boxes wait until the year is laid out behind them.
    ++m_activationDepth;
    if (Home) {
        QString message;
        if (!Home->loadPreferences(MilitaryTime, &message) && !message.isEmpty())
            showBox(Box::Error, message);
    }
    CalcSun(rt::formatDateTime(texts::PatternSunDate, now()));
    placeAndFillGrid();
    --m_activationDepth;
    if (m_activationDepth == 0 && m_handlerDepth == 0)
        showQueuedBoxes();
}

void TCalendar::placeAndFillGrid()
{
    const grid::Placement placement =
        grid::placeGridYear(GridYearSource, MonthCalendar[0]->Date(), YearStartText, now());
    GridYearSource = 0;
    MonthCalendar[0]->setDate(placement.calendar1);
    YearStartText = placement.yearStartText;
    const TDateTime first = MonthCalendar[0]->Date();
    for (int k = 2; k <= 12; ++k)
        MonthCalendar[k - 1]->setDate(grid::calendarDate(first, k));
    for (int k = 1; k <= 12; ++k)
        setTitle(k, MonthCalendar[k - 1]->Date());
    const QDate day = m_services.clock.now().date();
    if (day != m_markedToday) {
        m_markedToday = day;
        for (TMonthCalendar* month : MonthCalendar)
            month->markToday(day);
    }
}

void TCalendar::setTitle(int k, TDateTime date)
{
    setCaptionIfChanged(TitlePanel[k - 1], grid::titleText(k, date));
}

void TCalendar::setCaptionIfChanged(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}

void TCalendar::setLabelColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    if (palette.color(QPalette::WindowText) == colour)
        return;
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

void TCalendar::ResetCalendarHints(int)
{
    for (TMonthCalendar* month : MonthCalendar)
        month->setHint(QString());
}

void TCalendar::ResetAllCalendar(int Keep)
{
    for (int n = 1; n <= 12; ++n) {
        if (n == Keep)
            continue;
        const TDateTime date = MonthCalendar[n - 1]->Date();
        MonthCalendar[n - 1]->setDate(rt::encodeDate(rt::yearOf(date), rt::monthOf(date), 1));
    }
    ResetCalendarHints(0);
}

void TCalendar::SmallCal()
{
    YearButtonShowsJan = 1;
    GridYearSource = 2;
    SpeedButton10->setText(texts::JanPrefix + rt::formatDateTime(texts::PatternYear, now()));
    SpeedButton6->hide();
    SpeedButton7->show();
    FormActivate();
    applyCompactLayout();

    const int todayMonth = rt::monthOf(now());
    if (rt::yearOf(MonthCalendar[0]->Date()) == rt::yearOf(now())) {
        for (int k = 1; k <= 3; ++k) {
            MonthCalendar[k - 1]->setDate(rt::incMonth(MonthCalendar[k - 1]->Date(), todayMonth - 1));
            setTitle(k, MonthCalendar[k - 1]->Date());
        }
    }
    if (SmallCalDates[0] != 0) {
        for (int k = 1; k <= 3; ++k) {
            MonthCalendar[k - 1]->setDate(SmallCalDates[k - 1]);
            setTitle(k, MonthCalendar[k - 1]->Date());
        }
    }
    movePointer(pointer::Target::CompactSize);
    Panel1->setFocus();
}

void TCalendar::applyCompactLayout()
{
    const grid::CompactLayout& layout = grid::compactLayout(SmallCalCount);
    setOuterSize(layout.windowWidth, layout.windowHeight);
    Panel28->setGeometry(Panel28->x(), layout.panel28Top, layout.panel28Width, Panel28->height());
    JPanelTexture1->resize(layout.texturePanelWidth, JPanelTexture1->height());
    const std::pair<QToolButton*, int> lefts[] = {
        {SpeedButton11, layout.speedButton11}, {SpeedButton10, layout.speedButton10},
        {SpeedButton9, layout.speedButton9},   {SpeedButton8, layout.speedButton8},
        {SpeedButton7, layout.speedButton7},   {SpeedButton6, layout.speedButton6},
        {SpeedButton5, layout.speedButton5},   {SpeedButton3, layout.speedButton3},
        {SpeedButton2, layout.speedButton2},   {SpeedButton1, layout.speedButton1}};
    for (const auto& [button, left] : lefts)
        if (left >= 0)
            button->move(left, button->y());
    Tray1->setVisible(layout.trayItemShown);
}

void TCalendar::BitBtn4Click()
{
    ResetCalendarHints(0);
    FormActivate();
    if (SmallView == 1) {
        if (YearButtonShowsJan == 0) {
            const int todayMonth = rt::monthOf(now());
            for (int k = 1; k <= 3; ++k) {
                MonthCalendar[k - 1]->setDate(rt::incMonth(MonthCalendar[k - 1]->Date(), todayMonth - 1));
                setTitle(k, MonthCalendar[k - 1]->Date());
            }
            SpeedButton10->setText(texts::JanPrefix + rt::formatDateTime(texts::PatternYear, now()));
            YearButtonShowsJan = 1;
        } else {
            SpeedButton10->setText(rt::formatDateTime(texts::PatternMonthYear, now()));
            YearButtonShowsJan = 0;
        }
    }
    Panel1->setFocus();
}

void TCalendar::CalcJulianDate(const QString& dateText, TDateTime date)
{
    const std::optional<QString> caption = ::CalcJulianDate(Julian, dateText, date, FirstActivationDone != 0, now());
    if (caption)
        setWindowTitle(*caption);
}

void TCalendar::MonthCalendarClick(int n)
{
    run([this, n] {
        ResetAllCalendar(n);
        TMonthCalendar* month = MonthCalendar[n - 1];
        const QString letters = grid::titleMonthLetters(n, TitlePanel[n - 1]->text());
        const TDateTime date = month->Date();
        if (rt::formatDateTime(QStringLiteral("mmmm"), date).contains(letters)) {
            CalcJulianDate(rt::formatDateTime(texts::PatternShortDate, date), rt::dateOf(date));
            month->setHint(Julian.JulianYear + QLatin1Char('.') + rt::pad3(Julian.JulianDayOfYear));
            reportSun(rt::formatDateTime(texts::PatternSunDate, date), true);
        } else {
            BitBtn4Click();
            month->setHint(QString());
        }
    });
}

void TCalendar::Timer1Timer()
{
    if (SunRecalcCountdown > 0) {
        --SunRecalcCountdown;
    } else if (SunRecalcCountdown == 0 && !m_timerReportRunning) {
        // Idle before the report: a tick inside a box the report opens must not start it again.
        SunRecalcCountdown = -1;
        m_timerReportRunning = true;
        run([this] { CalcSun(rt::formatDateTime(texts::PatternSunDate, now())); });
        m_timerReportRunning = false;
        setLabelColour(Label3, colours::Navy);
        setLabelColour(Label4, colours::Navy);
        SunRecalcCountdown = -1;
    }

    const TDateTime first = MonthCalendar[0]->Date();
    if (first != m_titleSource || TitlePanel[0]->text() != m_titleShown) {
        setTitle(1, first);
        m_titleSource = first;
        m_titleShown = TitlePanel[0]->text();
    }

    // Only a whole day can equal today at midnight, and the calendars keep the time of day of their creation: the
    // clock (a local-time conversion that also looks at the zone file) is read only when one holds a whole day.
    bool haveMidnight = false;
    TDateTime midnight = 0;
    for (TMonthCalendar* month : MonthCalendar) {
        const TDateTime date = month->Date();
        if (date != std::trunc(date))
            continue;
        if (!haveMidnight) {
            midnight = today();
            haveMidnight = true;
        }
        if (date != midnight)
            continue;
        run([this] {
            ResetCalendarHints(0);
            MonthCalendar[0]->setDate(rt::strToDate(rt::formatDateTime(YearStartText, now()), rt::yearOf(now())));
            setTitle(1, MonthCalendar[0]->Date());
            for (int k = 2; k <= 12; ++k) {
                MonthCalendar[k - 1]->setDate(rt::incMonth(MonthCalendar[0]->Date(), k - 1));
                setTitle(k, MonthCalendar[k - 1]->Date());
            }
        });
        break;
    }
}

void TCalendar::CalcSun(const QString& dateText)
{
    reportSun(dateText, false);
}

void TCalendar::reportSun(const QString& dateText, bool startedByUser)
{
    SunReportInput input;
    input.longitudeLine = Home ? Home->memoLine(2) : QString();
    input.latitudeLine = Home ? Home->memoLine(3) : QString();
    input.latitudeField = Home ? Home->CurrencyEditN1->value() : 0.0;
    input.longitudeField = Home ? Home->CurrencyEditW2->value() : 0.0;
    input.gmtOffset = Home ? Home->CurrencyEditGMT3->value() : 0.0;
    input.MilitaryTime = MilitaryTime;
    input.dateText = dateText;
    const SunReportResult result = computeSunReport(input, Sun);
    if (Home) {
        Home->CurrencyEditN1->setValue(result.latitudeField);
        Home->CurrencyEditW2->setValue(result.longitudeField);
    }
    setCaptionIfChanged(Label3, result.sunrise);
    setCaptionIfChanged(Label4, result.sunset);
    setLabelColour(Label3, colours::Maroon);
    setLabelColour(Label4, colours::Maroon);
    SunRecalcCountdown = 300;

    Moon1->setCustomTime(dateText + sunReportText::MoonTimeSuffix);
    const int picture = moonPictureFor(Moon1->CalculatePhase());
    if (picture != 0)
        Image3->setPixmap(moonPicture(picture));

    // The same day and preferences tell the same story: a report the program starts by itself says each thing once.
    // A position it cannot read is the preferences' story alone, whatever the day.
    const QString preferences = input.longitudeLine + QLatin1Char('|') + input.latitudeLine + QLatin1Char('|') +
                                QString::number(input.gmtOffset) + QLatin1Char('|');
    QStringList shownNow;
    for (const SunReportMessage& message : result.messages) {
        const bool aboutTheDay = message.kind == SunReportMessage::Plain;
        const QString key = (aboutTheDay ? dateText + QLatin1Char('|') : QString()) + preferences + message.text;
        // One report says a thing once, though its two runs may both find it.
        if (shownNow.contains(message.text) || (!startedByUser && m_shownAutoMessages.contains(key)))
            continue;
        shownNow.append(message.text);
        showBox(aboutTheDay ? Box::Plain : Box::Warning, message.text, key);
    }
}

void TCalendar::showBox(Box kind, const QString& text, const QString& reportKey)
{
    if (m_handlerDepth > 0 || m_activationDepth > 0) {
        m_queuedBoxes.append({kind, text, reportKey});
        return;
    }
    // Never a box over a box: what comes while one is open is dropped, and stays to be said by a later report.
    if (m_services.prompter.isOpen())
        return;
    if (!reportKey.isEmpty())
        m_shownAutoMessages.insert(reportKey);
    if (kind == Box::Warning)
        m_services.prompter.warning(text);
    else if (kind == Box::Error)
        m_services.prompter.error(text);
    else
        m_services.prompter.plain(text);
}

void TCalendar::showQueuedBoxes()
{
    const QList<QueuedBox> boxes = std::exchange(m_queuedBoxes, {});
    for (const QueuedBox& box : boxes)
        showBox(box.kind, box.text, box.reportKey);
}
