#include "results/printing.h"

#include "app/global_state.h"
#include "results/einzelstatistik_dialog.h"
#include "results/filter_dialog.h"
#include "results/gesamtstatistik_dialog.h"
#include "results/print_table.h"
#include "ui/meldung_dialog.h"
#include "users/current_user.h"

#include <QApplication>
#include <QChartView>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <memory>

namespace {

// The hourglass while a print works; the normal cursor again before any message.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { restore(); }
    void restore() {
        if (m_active)
            QApplication::restoreOverrideCursor();
        m_active = false;
    }

private:
    bool m_active = true;
};

bool Ask(const PrintEnvironment& env, const PrintMessage& question) {
    return env.message(question.text, question.caption, 4, true, true) == 6;
}

void Tell(const PrintEnvironment& env, const PrintMessage& message, quint8 lineCount = 4) {
    env.message(message.text, message.caption, lineCount, true, false);
}

// Tells where the pages went when they did not reach a printer; true when they went somewhere.
bool Delivered(const PrintEnvironment& env, const PrintOutput& output) {
    const int language = languageState().language;
    switch (output.outcome) {
    case PrintOutcome::Printed:
        return true;
    case PrintOutcome::SavedAsPdf:
        Tell(env, SavedAsPdfMessage(language, QDir::toNativeSeparators(output.target)), 6);
        return true;
    case PrintOutcome::Failed:
        Tell(env, PrintFailedMessage(language, QDir::toNativeSeparators(output.target)), 6);
        return false;
    }
    return false;
}

} // namespace

PrintEnvironment SystemPrintEnvironment() {
    static std::unique_ptr<QPrinter> printer;
    PrintEnvironment env;
    env.message = [](const QString& text, const QString& caption, quint8 lineCount, bool centred,
                     bool yesNo) { return Meldungsfenster(text, caption, lineCount, centred, yesNo); };
    env.userDataFolder = globalState().userDataFolder;
    // Without CUPS this is null and a printer made anyway cannot be painted on.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        printer.reset();
    } else {
        if (!printer || printer->printerName() != info.printerName())
            printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        env.printer = printer.get();
    }
    return env;
}

PrintOutput OutputPages(const PrintEnvironment& env, const QString& docName,
                        const std::function<bool(QPagedPaintDevice&)>& paint) {
    PrintOutput output;
    if (env.printer) {
        output.target = env.printer->printerName();
        env.printer->setDocName(docName);
        output.outcome = paint(*env.printer) ? PrintOutcome::Printed : PrintOutcome::Failed;
        return output;
    }
    output.target = env.userDataFolder + docName + QStringLiteral(".pdf");
    bool ok = false;
    {
        QPdfWriter writer(output.target);
        writer.setTitle(docName);
        writer.setCreator(QStringLiteral("Velmora"));
        ok = paint(writer);
    } // the file is complete once the writer is gone
    output.outcome =
        ok && QFileInfo(output.target).size() > 0 ? PrintOutcome::SavedAsPdf : PrintOutcome::Failed;
    return output;
}

EinzelStatistikPage SingleRunPage(const TEinzelstatistikDialog& dialog, const RunRecord& record,
                                  const QString& currentUserFile, int language, const TextTable& table) {
    EinzelStatistikPage page;
    page.Head = currentUserFile;
    page.Typ = SingleRunTypeLine(record.prtkey, language, table);
    page.Zeit = ReportTimeText(record);
    page.rowLabels = SingleRunRowLabels(language);
    for (int column = 0; column < StatColumnCount; ++column)
        page.color[column] = dialog.Color[column]->text();
    for (int row = 0; row < StatRowCount; ++row)
        for (int column = 0; column < StatColumnCount; ++column)
            page.values[row][column] = dialog.values[row][column]->text();
    return page;
}

bool PrintEinzelStatistik(const PrintEnvironment& env, const TEinzelstatistikDialog& dialog) {
    const LanguageState& lang = languageState();
    if (!Ask(env, StatisticsPrintQuestion(lang.language)))
        return false;
    const EinzelStatistikPage page =
        SingleRunPage(dialog, runRecord(), currentUser().CurrentUserFile, lang.language, lang.textTable);
    const PrintOutput output =
        OutputPages(env, QStringLiteral("EinzelStatistikReport"),
                    [&](QPagedPaintDevice& d) { return PaintEinzelStatistikReport(d, page); });
    if (!Delivered(env, output))
        return false;
    Tell(env, SingleRunPrintedMessage(lang.language));
    return true;
}

bool PrintGesamtStatistik(const PrintEnvironment& env, const QStringList& entries) {
    if (entries.isEmpty())
        return false;
    const int language = languageState().language;
    if (!Ask(env, StatisticsPrintQuestion(language)))
        return false;
    WaitCursor cursor;
    const QString tablePath = env.userDataFolder + QString::fromLatin1(PrintTableName);
    std::optional<QList<PrintRow>> records;
    if (BuildPrintTable(tablePath, entries))
        records = ReadPrintTable(tablePath);
    if (!records) {
        cursor.restore();
        Tell(env, PrintTableFailedMessage(language));
        return false;
    }
    GesamtStatistikPage page;
    page.Name = currentUser().CurrentUserFile;
    page.Zeit = ReportTimeText(runRecord());
    page.titles = ListReportTitles(language);
    page.records = *records;
    const PrintOutput output =
        OutputPages(env, QStringLiteral("GesamtStatistikReport"),
                    [&](QPagedPaintDevice& d) { return PaintGesamtStatistikReport(d, page); });
    cursor.restore();
    if (!Delivered(env, output))
        return false;
    Tell(env, ListPrintedMessage(language));
    return true;
}

bool PrintChart(const PrintEnvironment& env, QChartView& view) {
    const int language = languageState().language;
    if (!Ask(env, ChartPrintQuestion(language)))
        return false;
    WaitCursor cursor;
    const QString footer = ChartFooterText(currentUser().CurrentUserFile, runRecord());
    const PrintOutput output = OutputPages(env, QStringLiteral("Grafik"), [&](QPagedPaintDevice& d) {
        return PaintChartReport(d, view, footer);
    });
    cursor.restore();
    if (!Delivered(env, output))
        return false;
    Tell(env, ChartPrintedMessage(language));
    return true;
}

namespace {

// Connects a dialog's print request once; the mark on the dialog keeps a second call from
// printing twice.
template <class Dialog, class Print> void ConnectOnce(Dialog& dialog, Print print) {
    static const char* const mark = "velmoraPrintConnected";
    if (dialog.property(mark).toBool())
        return;
    dialog.setProperty(mark, true);
    QObject::connect(&dialog, &Dialog::printRequested, &dialog, [&dialog, print] { print(dialog); });
}

} // namespace

void ConnectPrinting() {
    ConnectOnce(einzelstatistikDialog(),
                [](TEinzelstatistikDialog& d) { PrintEinzelStatistik(SystemPrintEnvironment(), d); });
    ConnectOnce(gesamtstatistikDialog(), [](TGesamtstatistikDialog& d) {
        PrintGesamtStatistik(SystemPrintEnvironment(), d.entries());
    });
    ConnectOnce(filterDialog(), [](TFilterDialog& d) { PrintChart(SystemPrintEnvironment(), *d.Chart1); });
}
