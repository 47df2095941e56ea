// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QString>
#include <QWidget>

class Clock;

// Where the moon control takes its phase from.
enum TMoonDisplayType { mdtUseSystemTime, mdtUseCustomTime, mdtUsePhaseAngle };

// Which side of the disc is lit while the moon waxes.
enum THemisphere { heNorthern, heSouthern };

// The moon control: computes the moon's phase for a moment and draws the lit disc. Every setter stores its value
// and asks for a repaint; writing CustomTime or Phase also switches the mode.
class TMoon : public QWidget
{
    Q_OBJECT

public:
    // The clock is the only source of "now": the system-time mode and the century of two-digit years.
    explicit TMoon(const Clock& clock, QWidget* parent = nullptr);
    ~TMoon() override;

    QColor BackgroundColor() const { return FBackgroundColor; }
    void setBackgroundColor(const QColor& value);
    int BorderSize() const { return FBorderSize; }
    void setBorderSize(int value);
    QString CustomTime() const { return FCustomTime; }
    void setCustomTime(const QString& value);
    THemisphere Hemisphere() const { return FHemisphere; }
    void setHemisphere(THemisphere value);
    QColor MoonColor() const { return FMoonColor; }
    void setMoonColor(const QColor& value);
    // Reading never computes; the stored value is returned as it is.
    long double Phase() const { return FPhase; }
    void setPhase(long double value);
    TMoonDisplayType MoonDisplayType() const { return FMoonDisplayType; }
    void setMoonDisplayType(TMoonDisplayType value);

    // The phase in radians for the current mode; the time-based modes store it in Phase and keep the mode.
    // Throws ConvertError when CustomTime is not a date and time (Phase unchanged).
    long double CalculatePhase();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Clock& clock;
    QColor FBackgroundColor = QColor(0, 0, 0);
    int FBorderSize = 2;
    QString FCustomTime;
    THemisphere FHemisphere = heNorthern;
    QColor FMoonColor = QColor(255, 255, 255);
    long double FPhase = 0;
    TMoonDisplayType FMoonDisplayType = mdtUseSystemTime;
};
