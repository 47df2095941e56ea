#pragma once
#include "app/DayReport.h"

class Clock;
class QLabel;
class QWidget;
class TMoon;

// The toolbar's sun and moon of the day shown: the sunrise and sunset icons and times (Image1, Label3, Image2,
// Label4), the moon picture (Image3) and the hidden moon model it starts from (Moon1).
class SunDisplay
{
public:
    SunDisplay(Clock& clock, QWidget* panel);

    // Hidden in the compact view, where toolbar buttons lie over it.
    void setShown(bool shown);
    void show(const DayReport::Shown& shown);
    // Maroon while a report stands, navy again once today's times are back.
    void showColours(bool fresh);

private:
    // The sun times and the moon picture as a screen reader says them; 0 keeps the phase said.
    void describe(int moonPicture);

    QLabel *m_image1 = nullptr, *m_image2 = nullptr, *m_image3 = nullptr;
    QLabel *m_label3 = nullptr, *m_label4 = nullptr;
    TMoon* m_moon1 = nullptr;
};
