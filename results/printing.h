#pragma once

#include "app/language.h"
#include "results/reports.h"
#include "results/run_record.h"

#include <QString>
#include <QStringList>

#include <functional>

class QChartView;
class QPagedPaintDevice;
class QPrinter;
class TEinzelstatistikDialog;

// How a print asks and tells the user, and where its pages go.
struct PrintEnvironment {
    // Meldungsfenster or a stand-in with its arguments; 6 means yes.
    std::function<int(const QString& text, const QString& caption, quint8 lineCount, bool centred,
                      bool yesNo)>
        message;
    QPrinter* printer = nullptr; // the default printer; null when the machine has none
    QString userDataFolder;      // holds the print table and, without a printer, the PDF files
};

// The program's environment now: the message box, the default printer when there is one (one
// printer object for the whole run, so settings made on it last until restored), and the user
// data folder.
PrintEnvironment SystemPrintEnvironment();

enum class PrintOutcome { Printed, SavedAsPdf, Failed };

struct PrintOutput {
    PrintOutcome outcome = PrintOutcome::Failed;
    QString target; // the printer's name or the PDF file's path
};

// Paints the pages on the printer, or without one into userDataFolder + docName + ".pdf".
PrintOutput OutputPages(const PrintEnvironment& env, const QString& docName,
                        const std::function<bool(QPagedPaintDevice&)>& paint);

// The single-run page with the headers and values the dialog shows now.
EinzelStatistikPage SingleRunPage(const TEinzelstatistikDialog& dialog, const RunRecord& record,
                                  const QString& currentUserFile, int language, const TextTable& table);

// The three prints: ask, output, confirm. The run, the user and the language are the
// program's. Each returns whether the pages were printed or saved.
bool PrintEinzelStatistik(const PrintEnvironment& env, const TEinzelstatistikDialog& dialog);
bool PrintGesamtStatistik(const PrintEnvironment& env, const QStringList& entries);
bool PrintChart(const PrintEnvironment& env, QChartView& view);

// Connects the print requests of the program's dialogs to the prints, once.
void ConnectPrinting();
