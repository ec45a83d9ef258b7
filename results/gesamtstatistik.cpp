#include "results/gesamtstatistik.h"

#include "app/language.h"

OverallStatsState& overallStatsState() {
    static OverallStatsState state;
    return state;
}

std::array<QString, ListColumnCount> ListColumnHeaders(int language) {
    static const char* const german[ListColumnCount] = {
        "Nr.", "Datum", "Übungstyp", "Anzahl", "Richtig", "Mittelw.", "St.-Abw.", "Falsch", "Interf."};
    static const char* const english[ListColumnCount] = {
        "#", "date", "type", "rounds", "correct", "aver.val.", "deviat.", "incor.", "interf."};
    std::array<QString, ListColumnCount> headers;
    for (int i = 0; i < ListColumnCount; ++i)
        headers[size_t(i)] =
            ByLanguage(language, QString::fromUtf8(german[i]), QString::fromUtf8(english[i]));
    return headers;
}

QStringList ListEntryCells(const QString& entry) {
    QStringList fields = entry.split(u';');
    if (fields.size() < ListColumnCount)
        return {entry};
    // A family label read from the file may hold a ";" itself: it stays in the type column.
    while (fields.size() > ListColumnCount)
        fields[2] += u';' + fields.takeAt(3);
    return fields;
}

int DetailRunNumber(const QString& entry) {
    if (entry.startsWith(u'-'))
        return 0;
    const qsizetype end = entry.indexOf(u';');
    const QStringView field = QStringView(entry).left(end < 0 ? entry.size() : end);
    // Only plain digits: "+3" or " 3" are no run numbers, and 0 would mean list mode.
    for (QChar c : field)
        if (c < u'0' || c > u'9')
            return 0;
    bool ok = false;
    const int k = field.toInt(&ok);
    return ok && k > 0 ? k : 0;
}

QString NameLabelText(const QString& currentUserFile) {
    if (currentUserFile == QLatin1String("$$TEMP$$.DAT"))
        return {};
    const qsizetype at = currentUserFile.indexOf(QLatin1String(".dat"), 0, Qt::CaseInsensitive);
    return at < 0 ? QString() : currentUserFile.left(at);
}

OverallStatsMessage NoUserMessage(int language) {
    return {ByLanguage(language, QStringLiteral("Es ist noch kein Benutzer angemeldet."),
                       QStringLiteral("There is no user registered yet.")),
            ByLanguage(language, QStringLiteral("Hinweis"), QStringLiteral("Info"))};
}

OverallStatsMessage NoStatisticsMessage(int language) {
    return {ByLanguage(language,
                       QStringLiteral("Es liegen noch keine Statistiken für den angemeldeten Benutzer vor."),
                       QStringLiteral("There are no statistics for the registered user available yet.")),
            ByLanguage(language, QStringLiteral("Hinweis"), QStringLiteral("Info"))};
}

OverallStatsTexts OverallStatsCaptions(int language) {
    auto t = [language](const char* german, const char* english) {
        return ByLanguage(language, QString::fromUtf8(german), QString::fromUtf8(english));
    };
    return {t("Statistik", "statistics"),
            t("Schließen", "Close"),
            t("Drucken", "Print"),
            t("Gesamtstatisik", "Overall statistics"),
            t("Tagesstatistik", "Today's statistic"),
            t("Details", "Details"),
            t("Graph", "Chart")};
}
