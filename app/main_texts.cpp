#include "app/main_texts.h"

#include "app/language.h"

#include <array>

namespace {
struct Pair {
    const char* german;
    const char* english;
};

constexpr std::array<Pair, 22> captions = {{
    {"Benutzer", "Users"},
    {"Einstellungen", "Settings"},
    {"Einzelstatistik", "Single statistics"},
    {"Gesamtstatistik", "Global statistics"},
    {"Hilfe", "Help"},
    {"Ende", "Quit"},
    {"Alle", "all"},
    {"Richtige", "correct"},
    {"Mittelwert", "average value"},
    {"Standardabw.", "stand.dev."},
    {"Falsche", "incorrect"},
    {"Mittelwert", "average value"},
    {"Standardabw.", "stand.dev."},
    {"Interferenz", "interference"},
    {"Eliminierte", "eliminated"},
    {"Datum", "date"},
    {"Übungstyp", "type of ex."},
    {"Anzahl", "rounds"},
    {"Richtig", "correct"},
    {"Mittelw.", "average"},
    {"St.-Abw.", "st.-dev."},
    {"Falsch", "incorrect"},
}};
} // namespace

QString MainCaption(MainText which, int language) {
    const Pair& p = captions.at(static_cast<size_t>(which));
    return ByLanguage(language, QString::fromUtf8(p.german), QString::fromUtf8(p.english));
}
