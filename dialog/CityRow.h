// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "places/CitySearch.h"
#include <QFrame>
#include <QList>

class QCompleter;
class QLabel;
class QLineEdit;
class QStringListModel;

// The "City" row: a field in which typing the start of a city's name lists the matching cities; picking one tells
// the dialog. The cities are loaded in the background from the first showing on, never at the program's start.
class CityRow : public QFrame
{
    Q_OBJECT
public:
    explicit CityRow(QWidget* parent);

    // Starts loading the cities; called when the dialog first shows.
    void startLoading() { m_search.start(); }
    bool loadingStarted() const { return m_search.started(); }
    // The matches for the field's text, as the list shows them.
    const QList<City>& matches() const { return m_matches; }
    // Picks a match of the list shown (the first when nothing is highlighted); false when there is none, or the
    // field already shows the city last picked (Enter then saves).
    bool pickCurrent();
    void pick(int row);
    // An empty field and no matches, as each showing of the dialog starts.
    void clear();

    QLabel* caption() const { return m_caption; }
    QLineEdit* field() const { return m_field; }
    QCompleter* completer() const { return m_completer; }

signals:
    void picked(const City& city);

private:
    void search(const QString& text);

    CitySearch m_search;
    QLabel* m_caption = nullptr;
    QLineEdit* m_field = nullptr;
    QCompleter* m_completer = nullptr;
    QStringListModel* m_model = nullptr;
    QList<City> m_matches;
    QString m_pickedLabel;
};
