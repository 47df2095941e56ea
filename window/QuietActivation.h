// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QHash>
#include <initializer_list>
#include <vector>

class QEvent;
class QMetaObject;
class QPalette;
class QWidget;

// Qt tells every visible widget of a window that the window became active or inactive, and each compares its
// palette's active and inactive colours to repaint if they differ: some 1,600 instructions a widget each time the
// user comes back from another application, for a window that looks the same either way. This walks the widgets as
// Qt does, with what it has learnt: each palette is compared once (by its cache key, which names its contents);
// widgets of the kinds that show activation by their palette alone are repainted when it differs, without an event;
// kinds that draw the same either way are passed by with their children; every other widget gets the event from
// Qt as before. The event filters of the widgets passed by do not see it. A kind is its class's meta-object: a
// subclass without Q_OBJECT counts as its base, and must not handle the activation itself.
class QuietActivation
{
public:
    QuietActivation(std::initializer_list<const QMetaObject*> sameEitherWay,
                    std::initializer_list<const QMetaObject*> byPaletteAlone);
    // Delivers the WindowActivate or WindowDeactivate the window received, to it (or a widget walked) and to its
    // widgets.
    void deliver(QWidget& widget, QEvent& event);

private:
    std::vector<const QMetaObject*> m_sameEitherWay;
    std::vector<const QMetaObject*> m_byPaletteAlone;
    QHash<qint64, bool> m_differs; // by a palette's cache key: do its active and inactive colours differ?
    qint64 m_lastKey = -1;         // most widgets share their parent's palette; no palette's key is negative
    bool m_lastDiffers = false;

    bool differs(const QPalette& palette);
};
