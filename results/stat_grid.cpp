#include "results/stat_grid.h"

qint32 StatValue(const RunStats& stats, int row) {
    switch (row) {
    case 0:
        return stats.correct;
    case 1:
        return stats.meanCorrect;
    case 2:
        return stats.sdCorrect;
    case 3:
        return stats.wrong;
    case 4:
        return stats.meanWrong;
    case 5:
        return stats.sdWrong;
    case 6:
        return stats.interference;
    case 7:
        return stats.eliminated;
    default:
        return 0;
    }
}

std::array<std::array<QString, StatColumnCount>, StatRowCount> StatValueTexts(const RunRecord& record) {
    std::array<std::array<QString, StatColumnCount>, StatRowCount> texts;
    for (int row = 0; row < StatRowCount; ++row)
        for (int column = 0; column < StatColumnCount; ++column)
            texts[row][column] = QString::number(StatValue(record.stats[column], row));
    return texts;
}

std::array<QString, StatRowCount> StatRowLabels(int language) {
    static const std::array<const char*, StatRowCount> german = {"Richtige",    "Mittelwert", "Standardabw.",
                                                                 "Falsche",     "Mittelwert", "Standardabw.",
                                                                 "Interferenz", "Eliminierte"};
    static const std::array<const char*, StatRowCount> english = {
        "Correct",       "Average value", "Stand.dev.",   "Incorrect",
        "Average value", "Stand.dev.",    "Interference", "Eliminated"};
    std::array<QString, StatRowCount> labels;
    for (int row = 0; row < StatRowCount; ++row)
        labels[row] = ByLanguage(language, QString::fromUtf8(german[row]), QString::fromUtf8(english[row]));
    return labels;
}

bool StatRowLabelIsBlack(int row) {
    return row == 0 || row == 3;
}

int FamilyOfTypeKey(const QString& prtkey) {
    return prtkey.size() >= 3 && prtkey.at(2) == QLatin1Char('1') ? 1 : 2;
}

std::array<QString, StatColumnCount> StatColumnHeaders(int family, int language, const TextTable& table) {
    std::array<QString, StatColumnCount> headers;
    headers[0] = ByLanguage(language, QStringLiteral("Alle"), QStringLiteral("All"));
    const int first = family == 1 ? 12 : 16;
    for (int t = 1; t < StatColumnCount; ++t)
        headers[t] = table[first + t - 1];
    return headers;
}
