// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "about/AboutContent.h"
#include <QDialog>

class QTextBrowser;

// Help: the version, what the figures and colours mean, the files in use and the shortcuts. A window of its own
// beside the main one, not modal: reading it stops nothing, and closing it leaves the year as it was.
class AboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit AboutBox(QWidget* window);

    // Shown with this run's facts, in front; the keys of the toolbar come first, then the box's own and the
    // calendars' and year field's.
    void showFacts(about::Facts facts);

private:
    void addMarkPictures();

    QTextBrowser* m_text = nullptr;
};
