#pragma once

#include "app/language.h"
#include "results/results_file.h"
#include "results/run_record.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <QStringView>

struct ExportOptions {
    bool rounds = false;   // one row per stored round instead of one per run
    int language = German; // of the type texts
    char separator = ',';
};

// The command line after the program name.
struct ExportCommand {
    ExportOptions options;
    QString path;
    bool help = false;
    QString error; // empty when the command line is valid
};

ExportCommand ParseExportArguments(const QStringList& arguments);
QString ExportUsage();

// One field by the usual CSV rules: quoted when it holds the separator, a quote, CR or LF.
void AppendCsvField(QByteArray& out, QStringView field, char separator);
// The fields joined by the separator, then LF.
void AppendCsvRow(QByteArray& out, const QStringList& fields, char separator);

QStringList RunColumns();
QStringList RoundColumns();

// One row per run block. Only an Ok run has statistics, which must already be computed; fields a run
// does not have stay empty.
QStringList RunRow(int run, const RunRecord& record, RunStatus status, const TextTable& texts);

// Round k of the record; a field that was not a number (bit i of badFields, as the reader reports it)
// and the outcome of such a round stay empty.
QStringList RoundRow(int run, const RunRecord& record, int k, quint8 badFields);

struct ExportResult {
    bool ok = true;
    bool outputFailed = false; // the error is about `out`, not the results file
    QString error;
    int runs = 0;
};

// Streams the results file on `in` to `out` as CSV, one run block at a time. A read error before the
// first pass writes nothing; a later one leaves the rows written so far.
ExportResult ExportResults(QIODevice& in, QIODevice& out, const ExportOptions& options);
