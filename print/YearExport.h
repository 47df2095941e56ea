// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "print/Paper.h"
#include "print/SheetContent.h"
#include <QPageRanges>
#include <QString>
#include <optional>

class QPagedPaintDevice;

// The year's page as a file: a landscape PDF with its text as text, followed by the pages of the year's marked
// days when it has some, or a PNG of the year's page alone on white (a picture is one page; the days' list is
// read on paper).
class YearExport
{
public:
    enum class Format { Pdf, Png };
    struct Result
    {
        bool written = false;
        QString reason;        // the system's, when not written
        bool notAFile = false; // refused: a link, a folder, a device or a pipe lies at the name
    };
    // The dots per inch of a PNG: sharp enough to print, small enough to mail.
    static constexpr int PngDpi = 150;

    // The format a file name asks for by its extension, in any case; nullopt for another one.
    static std::optional<Format> formatOf(const QString& fileName);

    // Writes the page in the file name's format; a file that is not complete is never left behind, and nothing is
    // written through a link or into anything but a regular file.
    static Result write(const SheetContent& content, const QString& fileName, Paper paper, int pngDpi = PngDpi);
    static Result writePdf(const SheetContent& content, const QString& fileName, Paper paper);
    static Result writePng(const SheetContent& content, const QString& fileName, Paper paper, int dpi = PngDpi);

    // Draws the year's page onto a printer or PDF writer, then the pages of the year's marked days: only the pages
    // (from 1) in chosen, all when it is empty.
    static bool paintOnto(QPagedPaintDevice& device, const SheetContent& content, const QPageRanges& chosen = {});
};
