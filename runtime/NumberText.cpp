// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/NumberText.h"
#include "runtime/ConvertError.h"
#include "runtime/TextShapes.h"
#include <cmath>
#include <limits>

namespace {

// Above this magnitude a double has no fractional digits left to round.
constexpr double NoFractionAbove = 4503599627370496.0; // 2^52
// The rounded digits are counted in a 64-bit integer; value * 10^decimals must stay below this.
constexpr double KeptDigitsBelow = 1e18;

// Rounds as the value's shortest decimal text reads, so that 1.005 (held a hair below) goes to 1.01 as a reader
// expects; the binary product value * 100 would round it down.
double roundHalfAway(double value, int decimals)
{
    if (!std::isfinite(value) || std::fabs(value) >= NoFractionAbove)
        return value;
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= KeptDigitsBelow)
        return value;
    const QString digits = QString::number(std::fabs(value), 'f', QLocale::FloatingPointShortest);
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    if (point < 0 || digits.size() - point - 1 <= decimals)
        return value;
    qint64 kept = (digits.left(point) + digits.mid(point + 1, decimals)).toLongLong();
    if (digits.at(point + 1 + decimals) >= QLatin1Char('5'))
        ++kept;
    // Read back as a decimal text, which gives the double nearest the rounded number; kept / scale is only sure to
    // while kept is exact in a double (below 2^53, values up to about 9e13 with two decimals).
    QString rounded = QString::number(kept);
    if (decimals > 0) {
        rounded = rounded.rightJustified(decimals + 1, QLatin1Char('0'));
        rounded.insert(rounded.size() - decimals, QLatin1Char('.'));
    }
    return std::copysign(QLocale::c().toDouble(rounded), value);
}

bool parseDecimal(const QString& text, bool allowExponent, double& value)
{
    if (!shapes::isDecimal(text, allowExponent))
        return false;
    // Not strtod: the process's C locale (set from the system by Qt) could want a "," for the point.
    bool ok = false;
    value = QLocale::c().toDouble(text, &ok);
    return ok && std::isfinite(value);
}

} // namespace

namespace rt {

QString floatToStr(double value, const FormatSettings& settings)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    QString text = QString::number(value, 'g', 15);
    const int e = text.indexOf(QLatin1Char('e'));
    if (e >= 0) {
        // Exponents read "1E20" and "1E-5", without a plus sign or leading zeros.
        QString mantissa = text.left(e);
        int exponent = text.mid(e + 1).toInt();
        text = mantissa + QLatin1Char('E') + QString::number(exponent);
    }
    text.replace(QLatin1Char('.'), settings.decimalSeparator);
    return text;
}

QString formatFloat(const QString& pattern, double value, const FormatSettings& settings)
{
    const int point = pattern.indexOf(QLatin1Char('.'));
    const QString integerPart = point < 0 ? pattern : pattern.left(point);
    const QString fractionPart = point < 0 ? QString() : pattern.mid(point + 1);
    const int minIntegerDigits = static_cast<int>(integerPart.count(QLatin1Char('0')));
    const int minDecimals = static_cast<int>(fractionPart.count(QLatin1Char('0')));
    const int maxDecimals = minDecimals + static_cast<int>(fractionPart.count(QLatin1Char('#')));

    if (!std::isfinite(value))
        return floatToStr(value, settings);
    const double rounded = roundHalfAway(value, maxDecimals);
    QString digits = QString::number(std::fabs(rounded), 'f', maxDecimals);
    QString whole = digits, fraction;
    if (maxDecimals > 0) {
        whole = digits.left(digits.indexOf(QLatin1Char('.')));
        fraction = digits.mid(digits.indexOf(QLatin1Char('.')) + 1);
        while (fraction.size() > minDecimals && fraction.endsWith(QLatin1Char('0')))
            fraction.chop(1);
    }
    if (whole == QLatin1String("0") && minIntegerDigits == 0)
        whole.clear();
    while (whole.size() < minIntegerDigits)
        whole.prepend(QLatin1Char('0'));
    QString text = whole;
    if (!fraction.isEmpty())
        text += settings.decimalSeparator + fraction;
    if (text.isEmpty())
        text = QStringLiteral("0");
    const bool isZero = rounded == 0.0;
    if (rounded < 0 && !isZero)
        text.prepend(QLatin1Char('-'));
    return text;
}

QString pad3(int value)
{
    return QString::asprintf("%.3d", value);
}

std::optional<int> tryStrToInt(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (!shapes::isInteger(trimmed))
        return std::nullopt;
    bool ok = false;
    const qlonglong value = trimmed.toLongLong(&ok);
    if (!ok || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

int strToInt(const QString& text)
{
    const std::optional<int> value = tryStrToInt(text);
    if (!value)
        throw ConvertError(convertText::InvalidInteger, text);
    return *value;
}

std::optional<double> tryStrToFloat(const QString& text, const FormatSettings& settings)
{
    QString normalised = text.trimmed();
    if (settings.decimalSeparator != QLatin1Char('.')) {
        if (normalised.contains(QLatin1Char('.')))
            return std::nullopt;
        normalised.replace(settings.decimalSeparator, QLatin1Char('.'));
    }
    double value = 0;
    if (!parseDecimal(normalised, true, value))
        return std::nullopt;
    return value;
}

double strToFloat(const QString& text, const FormatSettings& settings)
{
    const std::optional<double> value = tryStrToFloat(text, settings);
    if (!value)
        throw ConvertError(convertText::InvalidFloat, text);
    return *value;
}

double roundTo2(double value)
{
    return roundHalfAway(value, 2);
}

std::optional<double> parseFieldNumber(const QString& text, const FormatSettings& settings)
{
    QString normalised = text.trimmed();
    if (normalised.isEmpty())
        return 0.0;
    normalised.remove(settings.thousandSeparator);
    if (settings.thousandSeparator != QLatin1Char(','))
        normalised.replace(QLatin1Char(','), QLatin1Char('.'));
    double value = 0;
    if (!parseDecimal(normalised, false, value))
        return std::nullopt;
    return roundTo2(value);
}

QString fieldText(double value, const FormatSettings& settings)
{
    const double rounded = roundTo2(value);
    if (!std::isfinite(rounded) || rounded == 0.0)
        return QString();
    QString text = QString::number(rounded, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    text.replace(QLatin1Char('.'), settings.decimalSeparator);
    return text;
}

} // namespace rt
