#include "results/chart_data.h"

#include "results/results_file.h"
#include "results/statistics.h"

#include <QFile>

QStringList ChartTypeEntries(int language, const TextTable& texts) {
    if (language != German && language != English)
        return {QString(), QString(), QString()};
    return {ByLanguage(language, QStringLiteral("alle"), QStringLiteral("all")), texts[0] + u'/' + texts[1],
            texts[2] + u'/' + texts[3]};
}

QStringList ChartVersionEntries(int typeIndex, int language, const TextTable& texts) {
    QStringList entries{ByLanguage(language, QStringLiteral("alle"), QStringLiteral("all"))};
    if (typeIndex == 1 || typeIndex == 2) {
        const int first = typeIndex == 1 ? 4 : 8;
        for (int i = 0; i < 4; ++i)
            entries << texts[size_t(first + i)];
    }
    return entries;
}

QString ChartFilterCode(int typeIndex, int versionIndex) {
    if (typeIndex != 1 && typeIndex != 2)
        return QStringLiteral("-");
    QString code = QStringLiteral("Z-") + QString::number(typeIndex);
    if (versionIndex > 0)
        code += QString::number(versionIndex);
    return code;
}

namespace {

// The filter with its code and today's text worked out once for a whole chart.
class Matcher {
public:
    explicit Matcher(const ChartFilter& filter)
        : m_anyFamily(filter.typeIndex == 0), m_code(ChartFilterCode(filter.typeIndex, filter.versionIndex)),
          m_todayOnly(filter.todayOnly), m_today(filter.today.toString(QStringLiteral("dd.MM.yyyy"))) {}

    bool operator()(const RunRecord& record) const {
        if (!m_anyFamily && !record.prtkey.contains(m_code))
            return false;
        return !m_todayOnly || record.svdate == m_today;
    }

private:
    bool m_anyFamily;
    QString m_code;
    bool m_todayOnly;
    QString m_today;
};

ChartBar BarOf(int run, const RunRecord& record) {
    return {run, record.stats[0].meanCorrect, record.stats[0].sdCorrect};
}

} // namespace

bool ChartRunMatches(const RunRecord& record, const ChartFilter& filter) {
    return Matcher(filter)(record);
}

ChartData ReadChartData(ResultsState& state, int n, const ChartFilter& filter, const QString& path) {
    ChartData data;
    QFile file(path);
    if (!file.exists()) {
        data.code = FileMissing;
        return data;
    }
    if (n < 1)
        return data;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        data.code = FileIoError;
        return data;
    }
    const Matcher matches(filter);
    ResultsReader reader(file);
    // Blocks are read into a scratch record: the state keeps the last complete run only.
    RunRecord record;
    bool dataError = false;
    int runs = 0;
    bool any = false;
    for (;;) {
        const ResultsReader::Pass pass = reader.next(record, dataError);
        if (pass == ResultsReader::Pass::End)
            break;
        if (pass == ResultsReader::Pass::Stray)
            continue;
        ++runs;
        ComputeStatistics(record);
        if (matches(record))
            data.bars.append(BarOf(runs, record));
        any = true;
        if (runs == n)
            break;
    }
    state.runsRead = runs;
    if (any)
        state.runRecord = record;
    if (reader.failed())
        data.code = FileIoError;
    return data;
}

ChartData ReadChartDataRunByRun(ResultsState& state, int n, const ChartFilter& filter, const QString& path,
                                int language, const TextTable& texts) {
    ChartData data;
    const Matcher matches(filter);
    for (int k = 1; k <= n; ++k) {
        const ReadResult read = ReadResults(state, k, false, path, language, texts, filter.today);
        if (read.code != FileOk)
            data.code = read.code;
        if (matches(state.runRecord))
            data.bars.append(BarOf(k, state.runRecord));
    }
    return data;
}

ChartTexts ChartCaptions(int language) {
    auto t = [language](const char* german, const char* english) {
        return ByLanguage(language, QString::fromUtf8(german), QString::fromUtf8(english));
    };
    return {t("Graph", "Chart"),
            t("Drucken", "Print"),
            t("Schließen", "Close"),
            t("1. Übungstyp:", "1. Type of exercise:"),
            t("2. Grafik:", "2. Graphics:"),
            t("Anzeigen", "Show"),
            t("Mittelwert", "Average value"),
            t("Abweichung", "Deviation"),
            t("Für diese Auswahl liegen keine Daten vor.", "No data available for this selection."),
            t("Statistik", "Statistics")};
}
