// SPDX-License-Identifier: GPL-3.0-or-later
// Degree texts and the numeric field's number texts over any text and any value: reading never fails other than
// by nullopt, what is read is finite and rounded to two decimals, and the field's own text reads back the same.
#include "FuzzSupport.h"
#include "prefs/PositionLine.h"
#include "runtime/ConvertError.h"
#include "runtime/NumberText.h"

#include <cmath>

namespace {

const QChar DegreeSign(0x00B0);

void checkFieldTextOf(double value, const FormatSettings& settings)
{
    const QString text = rt::fieldText(value, settings);
    const double rounded = rt::roundTo2(value);
    if (!std::isfinite(value)) {
        FUZZ_CHECK(text.isEmpty(), text);
        return;
    }
    FUZZ_CHECK(std::isfinite(rounded), text);
    FUZZ_CHECK(rounded == rt::roundTo2(rounded), text);
    FUZZ_CHECK(text.isEmpty() == (rounded == 0), text);
    FUZZ_CHECK(!text.contains(settings.thousandSeparator), text);
    const qsizetype mark = text.indexOf(settings.decimalSeparator);
    FUZZ_CHECK(mark < 0 || text.size() - mark - 1 <= 2, text);
    FUZZ_CHECK(!(mark >= 0 && text.endsWith(QLatin1Char('0'))), text);
    const std::optional<double> back = rt::parseFieldNumber(text, settings);
    FUZZ_CHECK(back && *back == rounded, text + QStringLiteral(" read as ") + QString::number(back.value_or(-1)));

    // A position line written with this number: the degree reading takes either decimal mark.
    if (text.size() <= 100) {
        const std::optional<double> degrees =
            prefs::degreeFieldValue(QStringLiteral("N") + DegreeSign + text, settings);
        FUZZ_CHECK(degrees && *degrees == rounded, text);
    }
}

void checkFieldNumber(const QString& text, const FormatSettings& settings)
{
    const std::optional<double> value = rt::parseFieldNumber(text, settings);
    if (text.trimmed().isEmpty())
        FUZZ_CHECK(value && *value == 0, text);
    if (!value)
        return;
    FUZZ_CHECK(std::isfinite(*value), text);
    FUZZ_CHECK(*value == rt::roundTo2(*value), text);
    checkFieldTextOf(*value, settings);
}

void checkDegrees(const QString& line, const FormatSettings& settings)
{
    const std::optional<double> value = prefs::degreeFieldValue(line, settings);
    if (!value)
        return;
    FUZZ_CHECK(std::isfinite(*value), line);
    FUZZ_CHECK(*value == rt::roundTo2(*value), line);
    // The number is the text after the first degree sign alone: what comes before it does not count.
    const qsizetype p = line.indexOf(DegreeSign);
    if (p >= 0)
        FUZZ_CHECK(prefs::degreeFieldValue(QStringLiteral("S") + line.mid(p), settings) == value, line);
    (void)prefs::isMarkedSouth(line);
    (void)prefs::isMarkedEast(line);
}

void checkOtherTexts(const QString& text, const QString& pattern, double value, const FormatSettings& settings)
{
    if (const std::optional<int> n = rt::tryStrToInt(text)) {
        FUZZ_CHECK(rt::strToInt(QString::number(*n)) == *n, text);
        FUZZ_CHECK(rt::strToInt(text) == *n, text);
    } else {
        bool thrown = false;
        try {
            rt::strToInt(text);
        } catch (const ConvertError&) {
            thrown = true;
        }
        FUZZ_CHECK(thrown, text);
    }
    if (const std::optional<double> x = rt::tryStrToFloat(text, settings)) {
        FUZZ_CHECK(std::isfinite(*x), text);
        const QString general = rt::floatToStr(*x, settings);
        FUZZ_CHECK(general.size() <= 24, general);
        const std::optional<double> back = rt::tryStrToFloat(general, settings);
        FUZZ_CHECK(back.has_value(), general);
        // The general form keeps 15 significant digits.
        FUZZ_CHECK(*back == *x || std::fabs(*back - *x) <= std::fabs(*x) * 1e-14, general);
    }
    const QString general = rt::floatToStr(value, settings);
    FUZZ_CHECK(general.size() <= 24, general);
    const QString formatted = rt::formatFloat(pattern, value, settings);
    FUZZ_CHECK(!formatted.isEmpty(), pattern);
    (void)rt::pad3(int(value == value && std::fabs(value) < 2e9 ? value : 0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const FormatSettings settings = fuzzSettings(data.ConsumeIntegral<uint8_t>());
    const bool utf8 = data.ConsumeBool();
    const double value = fuzzDouble(data, 1e7);
    const QString pattern = fuzzText(data, 40, utf8);
    const QString text = fuzzText(data, 300, utf8);

    checkFieldNumber(text, settings);
    checkFieldTextOf(value, settings);
    checkDegrees(text, settings);
    checkOtherTexts(text, pattern, value, settings);
    return 0;
}
