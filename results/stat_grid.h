#pragma once

#include "app/language.h"
#include "results/run_record.h"

#include <QString>

#include <array>

// The single-run statistics grid: eight rows (one RunStats field each) by five columns
// (block 0 = all targets, then blocks 1..4 = target identities 1..4).
inline constexpr int StatRowCount = 8;
inline constexpr int StatColumnCount = 5;

// Row codes, the prefix of each row's value labels (ri0 .. el4).
inline constexpr std::array<const char*, StatRowCount> StatRowCodes = {"ri", "mr", "sr", "fa",
                                                                       "mf", "sf", "in", "el"};

// The field a row shows from one block.
qint32 StatValue(const RunStats& stats, int row);

// Decimal texts of every cell: [row][column].
std::array<std::array<QString, StatColumnCount>, StatRowCount> StatValueTexts(const RunRecord& record);

// The row labels z1..z8 for a language; empty for any other value.
std::array<QString, StatRowCount> StatRowLabels(int language);

// Whether row labels show in black (the counts) rather than in the label colour.
bool StatRowLabelIsBlack(int row);

// Family of a run from the 3rd character of its type key: "1" is the first family,
// anything else (the digit 2, or a key too short or damaged) the second, as in the list.
int FamilyOfTypeKey(const QString& prtkey);

// Column headers Color0..Color4: "Alle"/"All", then colour names (first family,
// TextTable 12..15) or number words (second family, 16..19).
std::array<QString, StatColumnCount> StatColumnHeaders(int family, int language, const TextTable& table);
