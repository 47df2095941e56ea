#pragma once
#include "app/DayPanelText.h"
#include <QWidget>

class QLabel;
class QPushButton;

// The Day panel: a small window beside the main one that tells the clicked day in full and stays until closed. It
// shows the lines it is given; Copy puts them on the clipboard as text.
class DayPanel : public QWidget
{
    Q_OBJECT
public:
    explicit DayPanel(QWidget* mainWindow);

    void showLines(const QList<PanelLine>& lines, bool spanPending);
    QString text() const { return dayPanelText(m_lines); }
    // Beside the main window, on its right, or on its left where the right has no room.
    void placeBeside(const QRect& mainFrame, const QRect& screen);

signals:
    void clearFirstClick();
    // Closed by the user (its button or the close box), not by the end of the run.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QList<PanelLine> m_lines;
    QList<QLabel*> m_labels;
    QWidget* m_body = nullptr;
    QPushButton* m_clear = nullptr;
};
