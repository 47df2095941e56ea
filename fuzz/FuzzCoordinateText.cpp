// SPDX-License-Identifier: GPL-3.0-or-later
// A position typed into the dialog's fields: any text reads as a coordinate within its limit or is refused with a
// reason; what Save writes of a reading reads back, by the report's rules, as the same place to two decimals; a
// pasted pair splits into two shorter texts; nothing crashes or loops.
#include "FuzzSupport.h"
#include "prefs/CoordinateText.h"
#include "runtime/NumberText.h"
#include <cmath>

namespace {

using coordinate::Axis;
using coordinate::Reading;

void checkField(const QString& text, Axis axis, const FormatSettings& settings)
{
    const Reading r = coordinate::readTyped(text, axis, settings);
    const double limit = axis == Axis::Latitude ? 90 : 180;
    switch (r.kind) {
    case Reading::Kind::Empty:
        FUZZ_CHECK(text.trimmed().isEmpty(), text);
        return;
    case Reading::Kind::Refused:
        FUZZ_CHECK(r.refusal != coordinate::Refusal::None, text);
        return;
    case Reading::Kind::Read:
        break;
    }
    FUZZ_CHECK(std::isfinite(r.degrees) && std::abs(r.degrees) <= limit, text);
    const QString line = coordinate::lineFor(r, text, axis);
    if (r.fileForm) {
        FUZZ_CHECK(line == text, text);
        return;
    }
    const Reading back = coordinate::readAsFileLine(line, axis, settings);
    FUZZ_CHECK(back.read() && back.fileForm, line);
    FUZZ_CHECK(std::abs(back.degrees - rt::roundTo2(r.degrees)) < 1e-9, line + QStringLiteral(" from ") + text);
    FUZZ_CHECK(!coordinate::describe(r.degrees, axis, settings).isEmpty(), text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const FormatSettings settings = fuzzSettings(data.ConsumeIntegral<int>());
    const QString text = fuzzText(data, 200, data.ConsumeBool());
    checkField(text, Axis::Latitude, settings);
    checkField(text, Axis::Longitude, settings);
    if (const std::optional<coordinate::PairTexts> pair = coordinate::splitPair(text, settings)) {
        FUZZ_CHECK(!pair->latitude.isEmpty() && !pair->longitude.isEmpty(), text);
        FUZZ_CHECK(pair->latitude.size() < text.size() && pair->longitude.size() < text.size(), text);
        checkField(pair->latitude, Axis::Latitude, settings);
        checkField(pair->longitude, Axis::Longitude, settings);
    }
    return 0;
}
