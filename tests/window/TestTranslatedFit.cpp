// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/AppFixture.h"
#include "translations/Translations.h"
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionToolButton>
#include <QToolButton>
#include <QTranslator>

// Every caption of the Parameters dialog and the main window in German, French and Spanish: its text, measured in
// the font it is drawn in, fits the room it has, short of its frame and of the control beside it.
class TestTranslatedFit : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void testEveryTextFits_data();
    void testEveryTextFits();
};

namespace {
// A text closer than this to a frame or to the next control reads as touching it.
constexpr int Gap = 2;

struct Misfit
{
    QString control, text;
    int needed, room;
};

// How far the control may reach to the right: its parent's inside short of the frame, and the nearest sibling that
// starts to its right on the same line (a caption may end at its field, whose frame then stands beside it).
int rightLimit(const QWidget* control)
{
    const QWidget* parent = control->parentWidget();
    int limit = parent->contentsRect().right() + 1 - Gap;
    const QRect own = control->geometry();
    for (const QObject* object : parent->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(object);
        if (!sibling || sibling == control || sibling->isHidden())
            continue;
        const QRect other = sibling->geometry();
        const bool sameLine = other.top() < own.bottom() && other.bottom() > own.top();
        if (sameLine && other.left() > own.left())
            limit = qMin(limit, other.left());
    }
    return limit;
}

// The width a control's text needs, the style's parts around it included, and the width it has.
std::optional<Misfit> misfitOf(const QWidget* control)
{
    const QFontMetrics metrics(control->font());
    const QStyle* style = control->style();
    const int reach = rightLimit(control) - control->x();
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (label->wordWrap() || label->text().isEmpty() || label->textFormat() == Qt::RichText)
            return std::nullopt;
        const int needed = metrics.horizontalAdvance(label->text()) + 2 * (label->frameWidth() + label->margin());
        const int room = qMin(label->width(), reach);
        if (needed > room)
            return Misfit{label->objectName(), label->text(), needed, room};
    } else if (const auto* box = qobject_cast<const QCheckBox*>(control)) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        const QSize text(metrics.horizontalAdvance(box->text()), metrics.height());
        const int needed = style->sizeFromContents(QStyle::CT_CheckBox, &option, text, box).width();
        const int room = qMin(box->width(), reach);
        if (needed > room)
            return Misfit{box->objectName(), box->text(), needed, room};
    } else if (const auto* button = qobject_cast<const QToolButton*>(control)) {
        if (button->text().isEmpty() || button->toolButtonStyle() == Qt::ToolButtonIconOnly)
            return std::nullopt;
        QStyleOptionToolButton option;
        option.initFrom(button);
        option.text = button->text();
        option.toolButtonStyle = Qt::ToolButtonTextOnly;
        const QSize text(metrics.horizontalAdvance(button->text()), metrics.height());
        const int needed = style->sizeFromContents(QStyle::CT_ToolButton, &option, text, button).width();
        if (needed > button->width())
            return Misfit{button->objectName(), button->text(), needed, button->width()};
    } else if (const auto* list = qobject_cast<const QComboBox*>(control)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = list->isEditable();
        const QRect field = style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
        // A list whose entries are numbers or names of the system (offsets, zones) is typed into and opens wider;
        // a list of the program's own words must show each of them in the box itself.
        for (int i = 0; i < list->count() && !list->isEditable(); ++i) {
            const int needed = metrics.horizontalAdvance(list->itemText(i)) + Gap;
            if (needed > field.width())
                return Misfit{list->objectName(), list->itemText(i), needed, field.width()};
        }
    }
    return std::nullopt;
}

QStringList misfitsIn(const QWidget* window)
{
    QStringList found;
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window))
            continue;
        if (const std::optional<Misfit> misfit = misfitOf(control))
            found.append(QStringLiteral("%1 \"%2\": needs %3 px, has %4")
                             .arg(misfit->control, misfit->text)
                             .arg(misfit->needed)
                             .arg(misfit->room));
    }
    return found;
}
} // namespace

void TestTranslatedFit::cleanup()
{
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>());
}

void TestTranslatedFit::testEveryTextFits_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("English") << "en_US";
    QTest::newRow("German") << "de_DE";
    QTest::newRow("French") << "fr_FR";
    QTest::newRow("Spanish") << "es_ES";
}

void TestTranslatedFit::testEveryTextFits()
{
    QFETCH(QString, locale);
    const QString language = l10n::install(QLocale(locale));
    QCOMPARE(language.isEmpty(), locale.startsWith("en"));
    const FormatSettings saved = rt::formatSettings();
    rt::setFormatSettings(FormatSettings::fromLocale(QLocale(locale)));
    const QLocale savedLocale;
    QLocale::setDefault(QLocale(locale));
    QStringList misfits;
    {
        App app;
        app.activate();
        app.calendar->show();
        app.home->show();
        QVERIFY(QTest::qWaitForWindowExposed(app.home.get()));
        misfits = misfitsIn(app.calendar.get()) + misfitsIn(app.home.get());
    }
    rt::setFormatSettings(saved);
    QLocale::setDefault(savedLocale);
    QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(QStringLiteral("\n"))));
}

QTEST_MAIN(TestTranslatedFit)
#include "TestTranslatedFit.moc"
