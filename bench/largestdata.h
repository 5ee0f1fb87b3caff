#pragma once

#include <QString>

namespace wmbench {

// Writes the largest data the program accepts into <folder>/txtFile, in code page 932 with
// CR LF through the program's own writers: 32 sections of 80 products, 300 experience
// levels, 24 jobs, 31 guilds and a character history of 10 characters with 100 saves each
// (1,000 lines). optionCode (11, 12, 21 or 22) writes a startup options file; 0 writes
// none. False, with the reason in *error, when a file could not be written.
bool writeLargestData(const QString& folder, int optionCode, QString* error);

// The history of the largest data: ten characters with 100 saves each.
constexpr int kHistoryCharacters = 10;
constexpr int kHistorySaves = 100;

// The character history alone: characters x saves lines, oldest first.
bool writeCharacterHistory(const QString& nativePath, int characters, int saves, QString* error);

}  // namespace wmbench
