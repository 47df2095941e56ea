// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbar/SunDisplay.h"
#include "astro/SunReport.h"
#include "astro/SunRiseSet.h"
#include "controls/Colours.h"
#include "controls/DevicePictures.h"
#include "controls/Hints.h"
#include "controls/MoonPictures.h"
#include "controls/TMoon.h"
#include "prefs/Preferences.h"
#include "runtime/BoxGate.h"
#include "runtime/DateText.h"
#include "runtime/Services.h"
#include "shared/CalendarNames.h"
#include "shared/CalendarTexts.h"
#include "shared/ControlLook.h"
#include "toolbar/SpokenTime.h"
#include <QLabel>
#include <QSet>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace {
// The sun times use the room up to the next picture: the sunrise label ends where the sunset icon starts, the
// sunset label 2 pixels before the moon picture.
constexpr int SunriseLabelWidth = 60 - 24;
constexpr int SunsetLabelWidth = 118 - 2 - 80;
constexpr int SunTimePixels = 10;
constexpr int SmallestSunTimePixels = 7;

// The widest time text the report can produce for an event kind in a font: every whole hour a scan can reach (0 to
// 24), both clock styles. Each digit stands as the font's widest one, which bounds every minute and hour of the same
// form, so only the few distinct forms are measured (shaping every text would cost the start-up millions of
// instructions).
int widestSunText(const QFontMetrics& metrics, int eventKind)
{
    QChar widestDigit(u'0');
    for (char16_t digit = u'1'; digit <= u'9'; ++digit)
        if (metrics.horizontalAdvance(QChar(digit)) > metrics.horizontalAdvance(widestDigit))
            widestDigit = QChar(digit);
    QSet<QString> forms;
    for (int military = 0; military <= 1; ++military)
        for (int hh = 0; hh <= 24; ++hh) {
            QString form = sunEventText(eventKind, military, hh, 0);
            for (QChar& c : form)
                if (c.isDigit())
                    c = widestDigit;
            forms.insert(form);
        }
    int widest = 0;
    for (const QString& form : std::as_const(forms))
        widest = std::max(widest, metrics.horizontalAdvance(form));
    return widest;
}

// The largest size, at most the toolbar's, at which both labels hold their widest texts.
QFont sunTimeFont(QFont font)
{
    for (int pixels = SunTimePixels; pixels > SmallestSunTimePixels; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        if (widestSunText(metrics, 1) <= SunriseLabelWidth && widestSunText(metrics, 2) <= SunsetLabelWidth)
            return font;
    }
    font.setPixelSize(SmallestSunTimePixels);
    return font;
}

QLabel* createImage(QWidget* parent, const QString& name, const QRect& geometry, const QPixmap& picture,
                    const QString& hint)
{
    auto* image = new QLabel(parent);
    image->setObjectName(name);
    image->setGeometry(geometry);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setPixmap(picture);
    hints::setHint(image, hint);
    return image;
}

} // namespace

SunDisplay::SunDisplay(Services& services, BoxGate& gate, PrefsStore& preferences, QWidget* panel)
    : QObject(panel), m_services(services), m_gate(gate), m_preferences(preferences)
{
    m_image1 = createImage(panel, names::Image1, QRect(4, 4, 16, 15), devicePixmap(QStringLiteral(":/sunrise.png")),
                           texts::HintSunrise());
    m_label3 = new QLabel(texts::DesignSunrise(), panel);
    m_label3->setObjectName(names::Label3);
    m_label3->setGeometry(24, 5, SunriseLabelWidth, 13);
    m_image2 = createImage(panel, names::Image2, QRect(60, 4, 16, 15), devicePixmap(QStringLiteral(":/sunset.png")),
                           texts::HintSunset());
    m_label4 = new QLabel(texts::DesignSunset(), panel);
    m_label4->setObjectName(names::Label4);
    m_label4->setGeometry(80, 5, SunsetLabelWidth, 13);
    const QFont timeFont = sunTimeFont(m_label3->font());
    for (QLabel* label : {m_label3, m_label4}) {
        label->setFont(timeFont);
        colours::paint(label, QPalette::WindowText, colours::Navy);
    }
    m_image3 = createImage(panel, names::Image3, QRect(118, 4, 16, 15), initialMoonPicture(), texts::HintMoon());

    // Kept above the toolbar's top edge, out of sight: Image3 shows the moon, from the day's phase.
    m_moon1 = new TMoon(services.clock, panel);
    m_moon1->setObjectName(names::Moon1);
    m_moon1->setGeometry(158, -29, 20, 19);
    m_moon1->setCustomTime(QStringLiteral("10/3/01 1:02:13 PM"));
    m_moon1->setPhase(3.3285272346711317L);
    m_moon1->setMoonDisplayType(mdtUsePhaseAngle);

    describe(m_image1, texts::HintSunrise(), texts::DescriptionSunriseIcon());
    describe(m_image2, texts::HintSunset(), texts::DescriptionSunsetIcon());
    m_label3->setAccessibleDescription(texts::DescriptionSunrise());
    m_label4->setAccessibleDescription(texts::DescriptionSunset());
    m_image3->setAccessibleDescription(texts::DescriptionMoon());
    // Until the first report, the picture shown is the one of the phase the moon model starts with.
    describeReport(moonPictureFor(m_moon1->Phase()));

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(names::Timer1);
    m_timer1->setInterval(TimerIntervalMs);
    connect(m_timer1, &QTimer::timeout, this, &SunDisplay::timer1Fired);
    // The countdown starts at 0: the first tick brings today's report (and names the first calendar's month).
    runTimer1WhileCounting();
}

TDateTime SunDisplay::now() const
{
    return rt::fromQDateTime(m_services.clock.now());
}

void SunDisplay::setShown(bool shown)
{
    for (QWidget* display : {m_image1, m_image2, m_label3, m_label4, m_image3})
        display->setVisible(shown);
}

void SunDisplay::CalcSun(TDateTime day, bool startedByUser, bool dayToldElsewhere)
{
    const DayReport::Shown shown =
        m_report.report(m_preferences.value(), day, startedByUser, rt::formatSettings(), dayToldElsewhere);
    for (QLabel* label : {m_label3, m_label4}) {
        const QString& text = label == m_label3 ? shown.sunrise : shown.sunset;
        if (label->text() != text)
            label->setText(text);
    }
    showColours(true);
    if (shown.moonPicture != 0)
        m_image3->setPixmap(moonPicture(shown.moonPicture));
    describeReport(shown.phaseStep);
    for (const DayReport::Box& box : shown.boxes)
        m_gate.say(box.kind, box.messages);
    runTimer1WhileCounting();
}

void SunDisplay::tick()
{
    if (m_report.tick()) {
        m_gate.run([this] { CalcSun(now()); });
        m_report.reportDone();
        showColours(false);
    }
}

void SunDisplay::restIfIdle()
{
    if (m_report.counting() != m_timer1Running)
        runTimer1WhileCounting();
}

void SunDisplay::todayMoved()
{
    // Today's report comes as the timer brings it after a hold: in navy, with nothing left to count down.
    if (!m_report.counting()) {
        CalcSun(now());
        m_report.reportDone();
        showColours(false);
        runTimer1WhileCounting();
    }
}

void SunDisplay::runTimer1WhileCounting()
{
    m_timer1Running = m_report.counting();
    if (!m_timer1Running)
        m_timer1->stop();
    else if (!m_timer1->isActive())
        m_timer1->start();
}

void SunDisplay::showColours(bool fresh)
{
    for (QLabel* label : {m_label3, m_label4})
        colours::paint(label, QPalette::WindowText, fresh ? colours::Maroon : colours::Navy);
}

void SunDisplay::describeReport(int moonPicture)
{
    // A day without the event is said in words, not read out as a dash.
    const auto spoken = [](const QString& hint, int eventKind, const QString& shown) {
        return shown == sunReportText::NoEvent ? texts::NameNoEvent().arg(hint)
                                               : (hint + QLatin1Char(' ') + spokenSunTime(eventKind, shown)).trimmed();
    };
    m_label3->setAccessibleName(spoken(texts::HintSunrise(), 1, m_label3->text()));
    m_label4->setAccessibleName(spoken(texts::HintSunset(), 2, m_label4->text()));
    const QString phase = moonPhaseName(moonPicture).translated();
    if (!phase.isEmpty() || m_image3->accessibleName().isEmpty())
        m_image3->setAccessibleName(phase.isEmpty() ? texts::HintMoon() : phase);
}
