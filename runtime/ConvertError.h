// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "runtime/Wording.h"
#include <QString>
#include <QtGlobal>
#include <stdexcept>

// The conversion failures' words, each declared once for every library that throws one; "%1" is the text given.
namespace convertText {
inline constexpr char Context[] = "ConvertError";
inline constexpr char InvalidDate[] = QT_TRANSLATE_NOOP("ConvertError", "'%1' is not a valid date");
inline constexpr char InvalidTime[] = QT_TRANSLATE_NOOP("ConvertError", "'%1' is not a valid time");
inline constexpr char InvalidDateTime[] = QT_TRANSLATE_NOOP("ConvertError", "'%1' is not a valid date and time");
inline constexpr char InvalidInteger[] = QT_TRANSLATE_NOOP("ConvertError", "'%1' is not a valid integer value");
inline constexpr char InvalidFloat[] = QT_TRANSLATE_NOOP("ConvertError", "'%1' is not a valid floating point value");
inline constexpr char DateEncode[] = QT_TRANSLATE_NOOP("ConvertError", "Invalid argument to date encode");
inline constexpr char TimeEncode[] = QT_TRANSLATE_NOOP("ConvertError", "Invalid argument to time encode");
inline constexpr char CalendarDate[] = QT_TRANSLATE_NOOP("ConvertError", "Failed to set calendar date or time");
} // namespace convertText

// A conversion or file failure that ends the current handler; caught once by the window and shown to the user in
// the running language. `text` is the English, as the program compares it.
class ConvertError : public std::runtime_error
{
public:
    explicit ConvertError(const char* source) : ConvertError(Wording(convertText::Context, source)) {}
    ConvertError(const char* source, const QString& given) : ConvertError(Wording(convertText::Context, source, given))
    {
    }
    explicit ConvertError(const Wording& words)
        : std::runtime_error(words.english().toStdString()), text(words.english()), wording(words)
    {
    }
    QString text;
    Wording wording;
};
