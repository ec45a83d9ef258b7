#pragma once

#include <QString>

#include <array>

// Interface language: 1 German, 2 English; fixed at start-up.
enum : int { German = 1, English = 2 };

using TextTable = std::array<QString, 20>;

struct LanguageState {
    int language = German;
    TextTable textTable;
};

LanguageState& languageState();

// German text for 1, English for 2, nothing for any other value.
QString ByLanguage(int language, const QString& german, const QString& english);

// Reads the first line of the language file; keeps `current` when it names neither.
int LoadLanguage(const QString& path, int current);

// Fills the table for German or English; any other language leaves it unchanged.
void SetLanguageTexts(int language, TextTable& table);
