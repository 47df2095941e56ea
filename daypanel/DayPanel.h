// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "daypanel/DayPanelText.h"
#include <QWidget>

class DayPictureView;
struct DayPictureContent;
class QGridLayout;
class QLabel;
class QPushButton;
class QScrollArea;

// The Day panel: a small window beside the main one that tells the clicked day in full and stays until closed. It
// shows the lines it is given, a long one wrapped, at one size whatever the day: what does not fit scrolls. Copy
// puts the lines on the clipboard as text.
class DayPanel : public QWidget
{
    Q_OBJECT
public:
    explicit DayPanel(QWidget* mainWindow);

    void showLines(const QList<PanelLine>& lines, bool spanPending);
    // The day's picture above the lines.
    void showPicture(DayPictureContent content);
    QString text() const { return dayPanelText(m_lines); }
    // Placed beside the main window (its frame) on the screen holding most of it, sized to fit that screen
    // (screens: their usable areas); frame: what a window manager's frame adds to a window, until the panel's own
    // is known. Returns where the main window's frame goes, moved aside where only that makes room.
    QPoint placeBeside(const QRect& mainFrame, const QSize& frame, const QList<QRect>& screens);

signals:
    void clearFirstClick();
    void yearChartWanted();
    // The menu of the day's marked days is asked for, to open there (global coordinates).
    void dayMenuWanted(const QPoint& at);
    // Closed by the user (its button, the close box or Escape), not by the end of the run.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QList<PanelLine> m_lines;
    QList<QLabel*> m_labels;
    QScrollArea* m_scroll = nullptr;
    QWidget* m_body = nullptr;
    QGridLayout* m_grid = nullptr;
    DayPictureView* m_picture = nullptr;
    QSize m_preferred; // the panel's own size, before a small screen cuts it
    QSize m_frame;     // what the window manager's frame adds, once seen
    QPushButton* m_clear = nullptr;
};
