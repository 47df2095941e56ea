// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFrame>

class QLabel;

// Beside the position fields: how each field reads its text, and a warning line below them.
class PlaceReadings : public QFrame
{
    Q_OBJECT
public:
    explicit PlaceReadings(QWidget* parent);

    // A text and whether it tells of a refusal (shown in maroon, a reading in navy).
    void showLatitude(const QString& text, bool refused);
    void showLongitude(const QString& text, bool refused);
    void showWarning(const QString& text);

    QLabel* latitude() const { return m_latitude; }
    QLabel* longitude() const { return m_longitude; }
    QLabel* warning() const { return m_warning; }

private:
    QLabel* m_latitude = nullptr;
    QLabel* m_longitude = nullptr;
    QLabel* m_warning = nullptr;
};
