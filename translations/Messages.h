#pragma once
#include <QString>

namespace l10n {
// The context of the boxes' messages and the moon's phase names in the catalogues.
inline constexpr char MessagesContext[] = "Messages";

// A box's text in the running language. The libraries below the windows word their messages in English, the text
// the program compares and keys them by; they are translated only where they are shown. Each line that is one of
// those messages is translated, its filled-in part (a file, a zone, a typed text) kept as it is; any other line
// stays as it is.
QString translatedMessage(const QString& text);
} // namespace l10n
