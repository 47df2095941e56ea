// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "print/Paper.h"
#include "print/SheetContent.h"
#include <QString>
#include <optional>

class QPagedPaintDevice;

// The year's page as a file: a one-page landscape PDF with its text as text, or a PNG of the same page on white.
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

    // Lays the device out as the year's page (landscape, the paper's size) and draws it: a printer or PDF writer.
    static bool paintOnto(QPagedPaintDevice& device, const SheetContent& content);
};
