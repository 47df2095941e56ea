// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "drawing/YearChart.h"
#include <QWidget>

class BoxGate;
class QLabel;
class QLocale;
class SkyCalculator;

// The chart of a year at a place: its sun's days, the solstices named, the hours written by the clock's rule.
YearChartContent yearChartOf(SkyCalculator& calculator, int year, const SkyPlace& place, bool twentyFourHour,
                             const QLocale& locale);

// The chart drawn at the size it is given; a click on a day chooses it.
class YearChartView : public QWidget
{
    Q_OBJECT
public:
    explicit YearChartView(QWidget* parent);
    void setContent(YearChartContent content);
    const YearChartContent& content() const { return m_content; }
    QSize sizeHint() const override { return {760, 380}; }

signals:
    void dayChosen(const QDate& day);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    YearChartContent m_content;
};

// The window of the chart: the chart, Export... (a PNG picture or a PDF page) and Close; Escape closes it.
class YearChartWindow : public QWidget
{
    Q_OBJECT
public:
    YearChartWindow(BoxGate& gate, QWidget* mainWindow);
    void showChart(YearChartContent content);
    YearChartView* view() const { return m_view; }
    // Writes the chart as the file's name says (.pdf, else a PNG picture): empty when written, else the reason.
    static QString write(const YearChartContent& content, const QString& file);

signals:
    void dayChosen(const QDate& day);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void exportChart();

    BoxGate& m_gate;
    YearChartView* m_view = nullptr;
    QString m_folder; // where the last export went, for the next one in this run
};
