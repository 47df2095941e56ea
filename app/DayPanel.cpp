#include "app/DayPanel.h"
#include <QClipboard>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

DayPanel::DayPanel(QWidget* mainWindow) : QWidget(mainWindow, Qt::Tool)
{
    setObjectName(QStringLiteral("DayPanel"));
    setWindowTitle(tr("Day"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* layout = new QVBoxLayout(this);
    m_body = new QWidget(this);
    m_body->setObjectName(QStringLiteral("DayPanelLines"));
    new QGridLayout(m_body);
    layout->addWidget(m_body);
    auto* buttons = new QHBoxLayout;
    auto* copy = new QPushButton(tr("&Copy"), this);
    copy->setObjectName(QStringLiteral("DayPanelCopy"));
    m_clear = new QPushButton(tr("C&lear first day"), this);
    m_clear->setObjectName(QStringLiteral("DayPanelClear"));
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("DayPanelClose"));
    buttons->addWidget(copy);
    buttons->addWidget(m_clear);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(copy, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(text()); });
    connect(m_clear, &QPushButton::clicked, this, &DayPanel::clearFirstClick);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void DayPanel::showLines(const QList<PanelLine>& lines, bool spanPending)
{
    m_lines = lines;
    auto* grid = static_cast<QGridLayout*>(m_body->layout());
    while (m_labels.size() < 2 * lines.size()) {
        const int row = m_labels.size() / 2;
        for (int column = 0; column < 2; ++column) {
            auto* label = new QLabel(m_body);
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
    adjustSize();
}

void DayPanel::placeBeside(const QRect& mainFrame, const QRect& screen)
{
    // Room for the window manager's borders of both windows, which a window not yet shown cannot know.
    constexpr int Gap = 16;
    const QSize size = this->size();
    const int right = mainFrame.right() + Gap, left = mainFrame.left() - Gap - size.width();
    // Where neither side has room, the side with more of it, kept on the screen.
    int x = right + size.width() <= screen.right()          ? right
            : left >= screen.left()                         ? left
            : screen.right() - right > left - screen.left() ? screen.right() - size.width()
                                                            : screen.left();
    const int y = std::clamp(mainFrame.top(), screen.top(), std::max(screen.top(), screen.bottom() - size.height()));
    move(x, y);
}

void DayPanel::closeEvent(QCloseEvent* event)
{
    emit closed();
    QWidget::closeEvent(event);
}
