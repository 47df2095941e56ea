// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/QuietActivation.h"
#include <QCoreApplication>
#include <QPalette>
#include <QWidget>
#include <algorithm>

namespace {
bool among(const std::vector<const QMetaObject*>& kinds, const QMetaObject* kind)
{
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

// A palette changed makes a new key; the old ones are dropped now and then rather than tracked.
constexpr qsizetype MostPalettesKept = 64;
} // namespace

QuietActivation::QuietActivation(std::initializer_list<const QMetaObject*> sameEitherWay,
                                 std::initializer_list<const QMetaObject*> byPaletteAlone)
    : m_sameEitherWay(sameEitherWay), m_byPaletteAlone(byPaletteAlone)
{
}

void QuietActivation::deliver(QWidget& widget, QEvent& event)
{
    if (differs(widget.palette()))
        widget.update();
    // A copy, as Qt's own walk takes: another kind's handler may add or remove widgets.
    const QObjectList children = widget.children();
    for (QObject* object : children) {
        if (!object->isWidgetType())
            continue;
        auto& child = static_cast<QWidget&>(*object);
        if (!child.isVisible() || child.isWindow())
            continue;
        const QMetaObject* kind = child.metaObject();
        if (among(m_sameEitherWay, kind))
            continue;
        if (among(m_byPaletteAlone, kind))
            deliver(child, event);
        else
            QCoreApplication::sendEvent(&child, &event);
    }
}

bool QuietActivation::differs(const QPalette& palette)
{
    const qint64 key = palette.cacheKey();
    if (key == m_lastKey)
        return m_lastDiffers;
    m_lastKey = key;
    const auto known = m_differs.constFind(key);
    if (known != m_differs.constEnd())
        return m_lastDiffers = *known;
    if (m_differs.size() >= MostPalettesKept)
        m_differs.clear();
    m_lastDiffers = !palette.isEqual(QPalette::Active, QPalette::Inactive);
    m_differs.insert(key, m_lastDiffers);
    return m_lastDiffers;
}
