// SPDX-License-Identifier: GPL-3.0-or-later
#include "daypanel/DayPanel.h"
#include "controls/SharedTexts.h"
#include "daypanel/DayPanelPlacement.h"
#include "daypanel/DayPictureView.h"
#include <QClipboard>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {
// The panel's own size in lines and characters: a usual day's lines, and a width that holds a long date and a
// span in words beside their names.
constexpr int ShownRows = 27;
constexpr int ShownCharacters = 66;
// A frame guessed from the main window's may be a little smaller than the panel's own (a tool window's title bar,
// half pixels at display scale 2): a few pixels spare keep the panel on the screen.
constexpr int GuessedFrameSpare = 4;

// A line's text wrapped to the width it is given, between words where it can and anywhere in a word longer than
// the line: a title without spaces widens nothing. Its text stays whole (text(), the accessible name).
class WrappedLabel : public QLabel
{
public:
    using QLabel::QLabel;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override
    {
        QTextLayout layout;
        return wrap(layout, width - contentsMargins().left() - contentsMargins().right()) + contentsMargins().top() +
               contentsMargins().bottom();
    }
    QSize sizeHint() const override
    {
        const QFontMetrics metrics(font());
        return QSize(metrics.horizontalAdvance(text()) + 1, metrics.height()).grownBy(contentsMargins());
    }
    // Any width: the text takes more lines instead.
    QSize minimumSizeHint() const override
    {
        const QFontMetrics metrics(font());
        return QSize(metrics.averageCharWidth() * 4, metrics.height()).grownBy(contentsMargins());
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QTextLayout layout;
        const QRect room = contentsRect();
        wrap(layout, room.width());
        QPainter painter(this);
        painter.setPen(palette().color(foregroundRole()));
        layout.draw(&painter, room.topLeft());
    }

private:
    int wrap(QTextLayout& layout, int width) const
    {
        layout.setText(text());
        layout.setFont(font());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        const QFontMetrics metrics(font());
        qreal height = 0;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(std::max(width, 1));
            line.setPosition(QPointF(0, height));
            height += metrics.lineSpacing();
        }
        layout.endLayout();
        return std::max(metrics.height(), static_cast<int>(std::ceil(height - metrics.leading())));
    }
};
} // namespace

DayPanel::DayPanel(QWidget* mainWindow) : QWidget(mainWindow, Qt::Tool)
{
    setObjectName(QStringLiteral("DayPanel"));
    setWindowTitle(tr("Day"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* layout = new QVBoxLayout(this);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("DayPanelScroll"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_body = new QWidget;
    m_body->setObjectName(QStringLiteral("DayPanelLines"));
    auto* column = new QVBoxLayout(m_body);
    // A little room between the longest lines and the scroll bar.
    column->setContentsMargins(0, 0, QFontMetrics(font()).averageCharWidth(), 0);
    m_picture = new DayPictureView(m_body);
    column->addWidget(m_picture);
    m_grid = new QGridLayout;
    m_grid->setColumnStretch(1, 1);
    column->addLayout(m_grid);
    // The lines stay at the top when they are fewer than the room.
    column->addStretch();
    m_scroll->setWidget(m_body);
    layout->addWidget(m_scroll);
    auto* buttons = new QHBoxLayout;
    auto* copy = new QPushButton(tr("&Copy"), this);
    copy->setObjectName(QStringLiteral("DayPanelCopy"));
    m_clear = new QPushButton(tr("C&lear first day"), this);
    m_clear->setObjectName(QStringLiteral("DayPanelClear"));
    auto* close = new QPushButton(sharedTexts::tr(sharedTexts::Close), this);
    close->setObjectName(QStringLiteral("DayPanelClose"));
    auto* chart = new QPushButton(tr("&Year's daylight"), this);
    chart->setObjectName(QStringLiteral("DayPanelYearChart"));
    auto* marked = new QPushButton(tr("&Marked days..."), this);
    marked->setObjectName(QStringLiteral("DayPanelMarkedDays"));
    // A row of its own above the panel's buttons, so the panel keeps its width in any language.
    auto* markedRow = new QHBoxLayout;
    markedRow->addWidget(marked);
    markedRow->addStretch();
    layout->addLayout(markedRow);
    buttons->addWidget(copy);
    buttons->addWidget(m_clear);
    buttons->addWidget(chart);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(copy, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(text()); });
    connect(m_clear, &QPushButton::clicked, this, &DayPanel::clearFirstClick);
    connect(chart, &QPushButton::clicked, this, &DayPanel::yearChartWanted);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(marked, &QPushButton::clicked, this,
            [this, marked] { emit dayMenuWanted(marked->mapToGlobal(QPoint(0, marked->height()))); });

    // One size from the font, not from the day shown: the panel does not jump from click to click.
    const QFontMetrics metrics(font());
    const QMargins margins = layout->contentsMargins();
    const int rowHeight = metrics.height() + std::max(m_grid->verticalSpacing(), 0);
    m_preferred = QSize(metrics.averageCharWidth() * ShownCharacters + margins.left() + margins.right() +
                            m_scroll->verticalScrollBar()->sizeHint().width(),
                        rowHeight * ShownRows + 2 * (layout->spacing() + copy->sizeHint().height()) + margins.top() +
                            margins.bottom());
    resize(m_preferred);
}

void DayPanel::showPicture(DayPictureContent content)
{
    m_picture->setContent(std::move(content));
}

void DayPanel::showLines(const QList<PanelLine>& lines, bool spanPending)
{
    m_lines = lines;
    QGridLayout* grid = m_grid;
    while (m_labels.size() < 2 * lines.size()) {
        const int row = m_labels.size() / 2;
        for (int column = 0; column < 2; ++column) {
            QLabel* label = column == 0 ? new QLabel(m_body) : new WrappedLabel(m_body);
            label->setObjectName(QStringLiteral("DayPanelLine%1%2").arg(row).arg(column == 0 ? "Name" : "Text"));
            // Plain text, not selectable: a selectable label lays its text out as a document, and Copy gives the
            // whole panel anyway.
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            grid->addWidget(label, row, column);
            m_labels.append(label);
        }
    }
    // One layout pass for all the changes, not one for each line shown or hidden.
    grid->setEnabled(false);
    for (int i = 0; i < m_labels.size() / 2; ++i) {
        QLabel* name = m_labels[2 * i];
        QLabel* value = m_labels[2 * i + 1];
        const bool used = i < lines.size();
        // Only what changed is set: showing, hiding and new texts each lay the panel out again.
        if (name->isVisibleTo(this) != used) {
            name->setVisible(used);
            value->setVisible(used);
        }
        if (!used)
            continue;
        name->setText(lines[i].name + QLatin1Char(':'));
        value->setText(lines[i].text);
        const QString spoken = lines[i].name + QStringLiteral(": ") + lines[i].text;
        if (value->accessibleName() != spoken) {
            name->setAccessibleName(spoken);
            value->setAccessibleName(spoken);
        }
    }
    grid->setEnabled(true);
    m_clear->setEnabled(spanPending);
}

QPoint DayPanel::placeBeside(const QRect& mainFrame, const QSize& frame, const QList<QRect>& screens)
{
    // Once shown, the panel knows its own frame.
    const QSize ownFrame = frameGeometry().size() - size();
    if (isVisible() && !ownFrame.isEmpty())
        m_frame = ownFrame;
    const QSize extra = m_frame.isEmpty() ? frame + QSize(GuessedFrameSpare, GuessedFrameSpare) : m_frame;
    const daypanel::Placement placement = daypanel::place(mainFrame, m_preferred + extra, screens);
    resize(placement.panel.size() - extra);
    move(placement.panel.topLeft());
    return placement.mainFrame;
}

void DayPanel::closeEvent(QCloseEvent* event)
{
    // The window manager's frame, known now, places the panel when it opens again.
    if (const QSize ownFrame = frameGeometry().size() - size(); !ownFrame.isEmpty())
        m_frame = ownFrame;
    emit closed();
    QWidget::closeEvent(event);
}

void DayPanel::keyPressEvent(QKeyEvent* event)
{
    // Wherever the focus is inside: the buttons and the lines leave Escape to the panel.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
