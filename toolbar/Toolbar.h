// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "shared/Action.h"
#include "shared/PointerPlacement.h"
#include "toolbar/SunDisplay.h"
#include "toolbar/ToolbarLayout.h"
#include <QFrame>
#include <array>
#include <vector>

class BoxGate;
class PrefsStore;
class QAction;
class QMenu;
class QToolButton;
class TJPanelTexture;

// The toolbar along the window's foot (Panel28): a button for each command of the window's table of actions that
// has a place on it, the year button's text, the sun and moon of the day shown, and where it all stands in the full
// and the compact view.
class Toolbar : public QFrame
{
    Q_OBJECT
public:
    // tabAfter: the control the Tab order reaches the commands from; actions: the window's table, which outlives the
    // toolbar (a button runs its row's handler, its keys click the button).
    Toolbar(Services& services, BoxGate& gate, PrefsStore& preferences, QWidget* window, QWidget* tabAfter,
            const std::vector<Action>& actions);

    SunDisplay& sun() { return *m_sun; }

    // The window's size and the places of the bar and its buttons.
    void applyFullLayout() { applyLayout(toolbar::fullLayout()); }
    void applyCompactLayout(int months) { applyLayout(toolbar::compactLayout(months)); }
    // The compact view swaps the year entry button for the compact size button and hides the sun and moon; its
    // year button starts on "Jan yyyy".
    void showCompactView(bool compact);
    // The year button shows the current date through a pattern, maybe after "Jan "; a new day writes it again.
    void setYearButton(const QString& pattern, bool janPrefix = false);
    void refreshYearButton();
    // In the compact view: "Jan yyyy", or the month and year when the months moved away from January.
    void showCompactYear(bool january);

    // Always on top shows as a pressed button while on, to the eye and to a screen reader.
    void showOnTop(bool on);
    // The toolbar's part of where the pointer goes.
    void placePointer(pointer::Geometry& geometry) const;
    // Back from the year entry: the button that opened it takes the focus, if the view shows it.
    bool focusYearEntryButton();
    QWidget* lastInTabOrder() const;

signals:
    void tray1Triggered(); // PopupMenu1's Tray1

private:
    void createButtons();
    void createKeys(QWidget* tabAfter);
    void applyLayout(const toolbar::Layout& layout);

    Clock& m_clock;
    TJPanelTexture* m_texture = nullptr; // JPanelTexture1
    SunDisplay* m_sun = nullptr;
    std::vector<const Action*> m_actions;                  // the rows with a button, in the table's order
    std::array<QToolButton*, toolbar::Buttons> m_button{}; // in the layout's order
    QMenu* m_popupMenu1 = nullptr;
    QAction* m_tray1 = nullptr;
    QString m_yearPattern;
    bool m_yearJanPrefix = false;
};
