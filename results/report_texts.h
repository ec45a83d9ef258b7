#pragma once

#include "app/language.h"
#include "results/run_record.h"

#include <QString>
#include <QStringList>

#include <array>

// The print table behind the list page: eight character fields F1..F8.
inline constexpr int PrintFieldCount = 8;
using PrintRow = std::array<QString, PrintFieldCount>;

// Field widths. F8 is one wider than the other number fields so that "Datenfehler", which an
// entry without fields puts there whole, is not cut.
inline constexpr std::array<int, PrintFieldCount> PrintFieldWidths = {10, 30, 10, 10, 10, 10, 10, 11};

// The record of one list entry: the run number dropped, F1..F7 the texts up to each next ";"
// (empty where there is none), F8 the rest; each cut to its field's width.
PrintRow PrintTableRow(const QString& entry);

// The type line of the single-run page: "Unbekannt"/"Unknown" for a key shorter than four
// characters (or with no version 1..4), else the family word ("Farbe" or "Zahl"), " - " and
// the version name from the text table.
QString SingleRunTypeLine(const QString& prtkey, int language, const TextTable& table);

// Row labels of the single-run page (LName, LAdd1, LAdd2, LNr1..LNr5).
std::array<QString, 8> SingleRunRowLabels(int language);

// Column titles QRLabel1..QRLabel8 of the list page; the 8th is "Interfer." in both languages.
std::array<QString, PrintFieldCount> ListReportTitles(int language);

// svdate + " - " + svtime.
QString ReportTimeText(const RunRecord& record);

// The chart's footer while printing: the user's file and the date and time of the run held.
QString ChartFooterText(const QString& currentUserFile, const RunRecord& record);

// A message box's text and caption.
struct PrintMessage {
    QString text;
    QString caption;
};

// The question before a statistics print and before a chart print (no caption).
PrintMessage StatisticsPrintQuestion(int language);
PrintMessage ChartPrintQuestion(int language);
// The confirmations after the single run, the list and the chart.
PrintMessage SingleRunPrintedMessage(int language);
PrintMessage ListPrintedMessage(int language);
PrintMessage ChartPrintedMessage(int language);
// The print table could not be built.
PrintMessage PrintTableFailedMessage(int language);
// No printer: the pages went into a PDF file instead.
PrintMessage SavedAsPdfMessage(int language, const QString& file);
// Neither the printer nor the PDF file took the pages.
PrintMessage PrintFailedMessage(int language, const QString& target);
