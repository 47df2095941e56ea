// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// What a library says to the user: its English source, marked with QT_TRANSLATE_NOOP where it is declared, and the
// part it fills in for "%1" (a typed text, a path, a zone). The English is what the program compares and keys by;
// whoever shows the words translates them, so a reworded source can never lose its translation unnoticed.
class Wording
{
public:
    Wording() = default;
    Wording(const char* context, const char* source) : m_context(context), m_source(source) {}
    Wording(const char* context, const char* source, const QString& filledIn)
        : m_context(context), m_source(source), m_filledIn(filledIn), m_filled(true)
    {
    }

    bool isEmpty() const { return !m_source; }
    QString english() const;
    // In the running language: the catalogue's text for the source, the filled-in part kept as it is.
    QString translated() const;

    bool operator==(const Wording& other) const { return english() == other.english(); }

private:
    QString filled(const QString& pattern) const;

    const char* m_context = nullptr;
    const char* m_source = nullptr;
    QString m_filledIn;
    bool m_filled = false;
};
