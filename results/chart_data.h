#pragma once

#include "app/language.h"
#include "results/run_record.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// Entries of the two drop-down lists of the chart: the family list, and the versions of a
// family ("alle"/"all" first). Empty texts for an unknown language.
QStringList ChartTypeEntries(int language, const TextTable& texts);
QStringList ChartVersionEntries(int typeIndex, int language, const TextTable& texts);

// The text looked for in prtkey: "-" for all families, "Z-1"/"Z-2" with the version digit
// appended when a version is chosen (versionIndex 1..4).
QString ChartFilterCode(int typeIndex, int versionIndex);

// What the chart draws: the family/version filter (any family when typeIndex is 0) and the
// day filter of the overall statistics.
struct ChartFilter {
    int typeIndex = 0;
    int versionIndex = 0;
    bool todayOnly = false;
    QDate today = QDate::currentDate();
};

bool ChartRunMatches(const RunRecord& record, const ChartFilter& filter);

// One bar: the run number under it, the mean with the deviation stacked on top.
struct ChartBar {
    int run = 0;
    qint32 meanCorrect = 0;
    qint32 sdCorrect = 0;
    bool operator==(const ChartBar&) const = default;
};

struct ChartData {
    int code = 0; // FileOk, FileMissing or FileIoError (results_file.h)
    QList<ChartBar> bars;
};

// The bars of runs 1..n, read in one pass over the file. Afterwards the state holds the
// last run read (run n when the file has that many) and runsRead its number, as after
// loading that run; a missing file or n < 1 leaves the state alone. Runs the file does not
// have give no bars.
ChartData ReadChartData(ResultsState& state, int n, const ChartFilter& filter, const QString& path);

// The same chart by loading every run k = 1..n with its own ReadResults call, each reading the
// file from the top: the reference the one-pass read is checked and timed against. Where n is
// larger than the file's run count it repeats the last run under the missing numbers, and a
// missing file repeats whatever the state held.
ChartData ReadChartDataRunByRun(ResultsState& state, int n, const ChartFilter& filter, const QString& path,
                                int language, const TextTable& texts);

// Legend titles of the two series and the chart's texts.
struct ChartTexts {
    QString dialog, print, close, typeLabel, graphLabel, show, meanTitle, deviationTitle, noData, chartTitle;
};
ChartTexts ChartCaptions(int language);
