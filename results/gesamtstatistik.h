#pragma once

#include <QString>
#include <QStringList>

#include <array>

// State of the overall statistics shared with the chart: which list is shown and how many
// runs the file held when the dialog was opened from the main screen.
struct OverallStatsState {
    bool todayOnly = false;
    int runsListed = 0;
};

OverallStatsState& overallStatsState();

inline constexpr int ListColumnCount = 9;
inline constexpr std::array<int, ListColumnCount> ListColumnWidths = {43, 61, 200, 50, 47, 58, 54, 46, 50};

// Column header texts; empty for a language other than German or English.
std::array<QString, ListColumnCount> ListColumnHeaders(int language);

// The cells of one list entry: the nine fields of a run, or a single cell for an entry
// that is not split into fields ("Datenfehler").
QStringList ListEntryCells(const QString& entry);

// The run an entry opens in the detail view; 0 for special entries, error entries and
// anything whose first field is not a run number.
int DetailRunNumber(const QString& entry);

// The user name shown above the list: the file name up to its first ".dat" (any case);
// empty for the reserved temporary file and for names without ".dat".
QString NameLabelText(const QString& currentUserFile);

struct OverallStatsMessage {
    QString text;
    QString caption;
};

// The two messages of the opening; both texts empty for an unknown language.
OverallStatsMessage NoUserMessage(int language);
OverallStatsMessage NoStatisticsMessage(int language);

// Captions of the dialog and its buttons.
struct OverallStatsTexts {
    QString dialog, cancel, print, overall, today, details, chart;
};
OverallStatsTexts OverallStatsCaptions(int language);
