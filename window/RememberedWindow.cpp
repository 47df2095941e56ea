// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/RememberedWindow.h"
#include "shared/WindowFrame.h"
#include "system/Screens.h"
#include "toolbar/ToolbarLayout.h"
#include "window/ViewModes.h"
#include "year/YearView.h"
#include <QCoreApplication>
#include <QWidget>

namespace {
QSize outerSize(const toolbar::Layout& layout)
{
    return QSize(layout.windowWidth, layout.windowHeight);
}
} // namespace

RememberedWindow::RememberedWindow(const QString& path, const Screens& screens, QWidget& window, ViewModes& views,
                                   YearView& year)
    : QObject(&window), m_screens(screens), m_window(window), m_views(views), m_year(year),
      m_keeper(path, [this](WindowState& state) { collect(state); })
{
    const WindowState& state = m_keeper.state();
    if (state.alwaysOnTop)
        frame::toggleStaysOnTop(m_window);
    m_year.grid().setCompactCount(state.compactMonths);
    m_year.setWeekRules(state.weekStart, state.weekNumbering);
    m_year.setMarksShown(state.marksShown);
    // A signal ends the program without closing the window.
    if (QCoreApplication::instance())
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &RememberedWindow::flush);
}

bool RememberedWindow::placeFullView()
{
    const std::optional<QPoint>& position = m_keeper.state().fullPosition;
    if (!position || !windowstate::reachable(*position, outerSize(toolbar::fullLayout()), m_screens.geometries()))
        return false;
    m_window.move(windowstate::withinScreen(*position, outerSize(toolbar::fullLayout()), m_screens.geometries()));
    return true;
}

bool RememberedWindow::restoresView() const
{
    const WindowState& state = m_keeper.state();
    return state.view == WindowState::View::Compact || state.weekNumbers;
}

void RememberedWindow::restoreView()
{
    const WindowState& state = m_keeper.state();
    if (state.compactPosition &&
        windowstate::reachable(*state.compactPosition, outerSize(toolbar::compactLayout(state.compactMonths)),
                               m_screens.geometries()))
        m_views.setCompactPosition(windowstate::withinScreen(
            *state.compactPosition, outerSize(toolbar::compactLayout(state.compactMonths)), m_screens.geometries()));
    if (state.view == WindowState::View::Compact)
        m_views.restoreCompact();
    // Switching the view turns them off, so they come back last.
    if (state.weekNumbers && !m_year.grid().weekNumbersShown())
        m_year.SpeedButton5Click();
}

void RememberedWindow::collect(WindowState& state) const
{
    const bool compact = m_year.grid().compact();
    state.view = compact ? WindowState::View::Compact : WindowState::View::Full;
    const QPoint client = m_window.geometry().topLeft();
    state.fullPosition = compact ? m_views.fullPosition() : client;
    state.compactPosition = compact ? client : m_views.compactPosition();
    state.compactMonths = m_year.grid().compactCount();
    state.weekNumbers = m_year.grid().weekNumbersShown();
    state.alwaysOnTop = m_window.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    state.marksShown = m_year.marksShown();
}
