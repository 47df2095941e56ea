// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCoreApplication>
#include <QString>

namespace ExportNames {
inline const QString PrintYear = QStringLiteral("PrintYear");
inline const QString ExportYear = QStringLiteral("ExportYear");
inline const QString TrayPrintYear = QStringLiteral("TrayPrintYear");
inline const QString TrayExportYear = QStringLiteral("TrayExportYear");
inline const QString PrintDialog = QStringLiteral("PrintDialog");
inline const QString ExportDialog = QStringLiteral("ExportDialog");
} // namespace ExportNames

// The texts of printing and exporting the year, in the window and on the command line.
class ExportTexts
{
    Q_DECLARE_TR_FUNCTIONS(ExportCommand)
public:
    static QString Usage() { return tr("Usage: dorvane --export YEAR FILE.pdf|FILE.png [--paper a4|letter]"); }
    static QString HelpOption() { return tr("Shows this help."); }
    static QString VersionOption() { return tr("Shows the version."); }
    static QString HiddenOption() { return tr("Starts with the window hidden behind its tray icon."); }
    static QString ExportValues() { return tr("YEAR FILE"); }
    static QString ExportOption()
    {
        return tr("Writes the page of YEAR (1601 to 9999) to FILE, a .pdf or .png file, without a window.");
    }
    static QString PaperOption() { return tr("The paper of the export; the locale's when not given."); }
    static QString UnknownArgument(const QString& text) { return tr("Unknown argument '%1'.").arg(text); }
    static QString NotAYear(const QString& text) { return tr("Not a year from 1601 to 9999: %1").arg(text); }
    static QString NotAFileKind(const QString& file) { return tr("Not a .pdf or .png file: %1").arg(file); }
    static QString NotAPaper(const QString& text) { return tr("Not a paper size (a4 or letter): %1").arg(text); }
    static QString CannotWrite(const QString& file, const QString& reason)
    {
        return tr("Cannot write %1: %2").arg(file, reason);
    }
    // The reason told for a link, folder, device or pipe at the file's name, which is left as it is.
    static QString NotARegularFile() { return tr("not a regular file"); }
    static QString ReasonOf(bool notAFile, const QString& systemReason)
    {
        return notAFile ? NotARegularFile() : systemReason;
    }
    static QString MenuPrintYear() { return tr("Print year…"); }
    static QString MenuExportYear() { return tr("Export year…"); }
    static QString ExportTitle() { return tr("Export year"); }
    static QString FilterPdfA4() { return tr("PDF, A4 (*.pdf)"); }
    static QString FilterPdfLetter() { return tr("PDF, Letter (*.pdf)"); }
    static QString FilterPngA4() { return tr("PNG picture, A4 (*.png)"); }
    static QString FilterPngLetter() { return tr("PNG picture, Letter (*.png)"); }
};
