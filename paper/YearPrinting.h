// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "print/Paper.h"
#include "print/SheetContent.h"
#include "print/YearExport.h"
#include <QObject>
#include <functional>

class BoxGate;
class QWidget;

// The window's print and export commands: the system's print dialog for the year shown, or a file chosen for it.
// Each dialog runs through the box gate; what the page shows is asked from the window.
class YearPrinting : public QObject
{
    Q_OBJECT
public:
    using ContentFor = std::function<SheetContent(int year)>;
    YearPrinting(BoxGate& gate, QWidget* window, ContentFor contentFor);

    void printYear(int year);
    void exportYear(int year);

    // What an export dialog's answer means: the name filter chooses the paper, and the format when the file's
    // name gives none (its extension is added then).
    struct Choice
    {
        QString file;
        YearExport::Format format = YearExport::Format::Pdf;
        Paper paper = Paper::A4;
    };
    static Choice choiceOf(const QString& file, const QString& nameFilter);
    // The dialog's filters, in their order: PDF A4, PDF Letter, PNG A4, PNG Letter.
    static QStringList nameFilters();

private:
    BoxGate& m_gate;
    QWidget* m_window;
    ContentFor m_contentFor;
    QString m_folder; // where the last export went, for the next one in this run
};
