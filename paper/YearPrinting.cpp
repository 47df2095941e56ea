// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper/YearPrinting.h"
#include "paper/ExportTexts.h"
#include "runtime/BoxGate.h"
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

YearPrinting::YearPrinting(BoxGate& gate, QWidget* window, ContentFor contentFor)
    : QObject(window), m_gate(gate), m_window(window), m_contentFor(std::move(contentFor))
{
}

QStringList YearPrinting::nameFilters()
{
    return {ExportTexts::FilterPdfA4(), ExportTexts::FilterPdfLetter(), ExportTexts::FilterPngA4(),
            ExportTexts::FilterPngLetter()};
}

YearPrinting::Choice YearPrinting::choiceOf(const QString& file, const QString& nameFilter)
{
    const QStringList filters = nameFilters();
    const int index = qMax(0, filters.indexOf(nameFilter));
    Choice choice;
    choice.paper = index % 2 == 0 ? Paper::A4 : Paper::Letter;
    choice.file = file;
    if (const std::optional<YearExport::Format> named = YearExport::formatOf(file)) {
        choice.format = *named;
    } else {
        choice.format = index < 2 ? YearExport::Format::Pdf : YearExport::Format::Png;
        choice.file += choice.format == YearExport::Format::Pdf ? QStringLiteral(".pdf") : QStringLiteral(".png");
    }
    return choice;
}

void YearPrinting::printYear(int year)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(paper::pageSizeOf(paper::defaultFor(QLocale())));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QString::number(year));
    QPrintDialog dialog(&printer, m_window);
    dialog.setObjectName(ExportNames::PrintDialog);
    if (m_gate.execDialog(&dialog) != QDialog::Accepted)
        return;
    // The user may have turned the page upright in the dialog; the sheet then fills the width and stays readable.
    const QPageRanges chosen = printer.printRange() == QPrinter::PageRange ? printer.pageRanges() : QPageRanges();
    YearExport::paintOnto(printer, m_contentFor(year), chosen);
}

void YearPrinting::exportYear(int year)
{
    const Paper paper = paper::defaultFor(QLocale());
    if (m_folder.isEmpty())
        m_folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog dialog(m_window, ExportTexts::ExportTitle(),
                       QDir(m_folder).filePath(QStringLiteral("dorvane-%1.pdf").arg(year)));
    dialog.setObjectName(ExportNames::ExportDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters());
    dialog.selectNameFilter(nameFilters().at(paper == Paper::Letter ? 1 : 0));
    if (m_gate.execDialog(&dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const Choice choice = choiceOf(dialog.selectedFiles().first(), dialog.selectedNameFilter());
    m_folder = QFileInfo(choice.file).absolutePath();
    SheetContent content = m_contentFor(year);
    const YearExport::Result result = choice.format == YearExport::Format::Png
                                          ? YearExport::writePng(content, choice.file, choice.paper)
                                          : YearExport::writePdf(content, choice.file, choice.paper);
    if (!result.written)
        m_gate.show(BoxGate::Box::Error,
                    ExportTexts::CannotWrite(choice.file, ExportTexts::ReasonOf(result.notAFile, result.reason)));
}
