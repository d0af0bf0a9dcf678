#pragma once

// The program speaks the language of a locale: its own catalogue, built into the program, and
// Qt's catalogue for the texts of standard buttons and dialogs. Without a catalogue for the
// locale's languages the program stays in English. Numbers are never localised: the drill
// writes and compares them as plain decimal digits in every language.

class QLocale;

namespace Translation {

// Installs the catalogues for locale in place of any installed before. Returns whether the
// program has a catalogue for it. Call before any window is created.
bool Install(const QLocale &locale);

} // namespace Translation
