#pragma once

#include "results/report_texts.h"
#include "results/stat_grid.h"

#include <QList>
#include <QString>

#include <array>

class QChartView;
class QPagedPaintDevice;

// The label texts of the single-run page EinzelStatistikReport.
struct EinzelStatistikPage {
    QString Head;                                  // the user's results file
    QString Typ;                                   // the type line
    QString Zeit;                                  // svdate - svtime
    std::array<QString, StatColumnCount> color{};  // _color0.._color4
    std::array<QString, StatRowCount> rowLabels{}; // LName, LAdd1, LAdd2, LNr1..LNr5
    std::array<std::array<QString, StatColumnCount>, StatRowCount> values{}; // _ri0.._el4
};

// The list page GesamtStatistikReport: its page header and one detail band per table record.
struct GesamtStatistikPage {
    QString Name;                                  // the user's results file
    QString Zeit;                                  // svdate - svtime of the run held
    std::array<QString, PrintFieldCount> titles{}; // QRLabel1..QRLabel8
    QList<PrintRow> records;                       // F1..F8 of each record, in table order
};

// Records that fit on one list page below its header.
int GesamtRecordsPerPage();

// Each painter sets A4 with 15 mm margins on the device (portrait, the chart landscape), lays
// its labels out in millimetres from the top left of the printable area and ends the painter.
// False when the device cannot be painted on.
bool PaintEinzelStatistikReport(QPagedPaintDevice& device, const EinzelStatistikPage& page);
bool PaintGesamtStatistikReport(QPagedPaintDevice& device, const GesamtStatistikPage& page);
// The chart as the view draws it, with the footer under it. The device's orientation is put
// back afterwards.
bool PaintChartReport(QPagedPaintDevice& device, QChartView& view, const QString& footer);
