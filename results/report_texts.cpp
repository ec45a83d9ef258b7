#include "results/report_texts.h"

#include "app/main_texts.h"

PrintRow PrintTableRow(const QString& entry) {
    PrintRow row;
    QString rest = entry;
    const qsizetype first = rest.indexOf(u';');
    if (first >= 0)
        rest = rest.mid(first + 1);
    for (int field = 0; field < PrintFieldCount - 1; ++field) {
        const qsizetype end = rest.indexOf(u';');
        if (end < 0)
            continue; // the field stays empty, the text waits for the next ones
        row[field] = rest.left(end);
        rest = rest.mid(end + 1);
    }
    row[PrintFieldCount - 1] = rest;
    for (int field = 0; field < PrintFieldCount; ++field)
        row[field].truncate(PrintFieldWidths[field]);
    return row;
}

QString SingleRunTypeLine(const QString& prtkey, int language, const TextTable& table) {
    const QString unknown = ByLanguage(language, QStringLiteral("Unbekannt"), QStringLiteral("Unknown"));
    if (unknown.isEmpty())
        return {};
    const QString key = prtkey.trimmed();
    if (key.size() < 4)
        return unknown;
    const int version = key.at(3).unicode() - '0';
    if (version < 1 || version > 4) // never written by the program; the table has no name for it
        return unknown;
    const bool firstFamily = key.at(2) == u'1';
    const QString& family = table[firstFamily ? 0 : 2];
    return family + QStringLiteral(" - ") + table[(firstFamily ? 4 : 8) + version - 1];
}

std::array<QString, 8> SingleRunRowLabels(int language) {
    static constexpr std::array<MainText, 8> labels = {
        MainText::ReportLName, MainText::ReportLAdd1, MainText::ReportLAdd2, MainText::ReportLNr1,
        MainText::ReportLNr2,  MainText::ReportLNr3,  MainText::ReportLNr4,  MainText::ReportLNr5};
    std::array<QString, 8> texts;
    for (size_t i = 0; i < labels.size(); ++i)
        texts[i] = MainCaption(labels[i], language);
    return texts;
}

std::array<QString, PrintFieldCount> ListReportTitles(int language) {
    static constexpr std::array<MainText, 7> labels = {MainText::GesamtQRLabel1, MainText::GesamtQRLabel2,
                                                       MainText::GesamtQRLabel3, MainText::GesamtQRLabel4,
                                                       MainText::GesamtQRLabel5, MainText::GesamtQRLabel6,
                                                       MainText::GesamtQRLabel7};
    std::array<QString, PrintFieldCount> texts;
    for (size_t i = 0; i < labels.size(); ++i)
        texts[i] = MainCaption(labels[i], language);
    texts[7] = QStringLiteral("Interfer.");
    return texts;
}

QString ReportTimeText(const RunRecord& record) {
    return record.svdate + QStringLiteral(" - ") + record.svtime;
}

QString ChartFooterText(const QString& currentUserFile, const RunRecord& record) {
    return currentUserFile + QStringLiteral(" (") + ReportTimeText(record) + u')';
}

PrintMessage StatisticsPrintQuestion(int language) {
    return {ByLanguage(language, QStringLiteral("Soll die Statistik gedruckt werden?"),
                       QStringLiteral("Do you want to print the statistics?")),
            QString()};
}

PrintMessage ChartPrintQuestion(int language) {
    return {ByLanguage(language, QStringLiteral("Soll die Grafik gedruckt werden?"),
                       QStringLiteral("Do you want to print the chart?")),
            QString()};
}

static PrintMessage Info(int language, const QString& german, const QString& english) {
    return {ByLanguage(language, german, english),
            ByLanguage(language, QStringLiteral("Hinweis"), QStringLiteral("Info"))};
}

static PrintMessage Error(int language, const QString& german, const QString& english) {
    return {ByLanguage(language, german, english),
            ByLanguage(language, QStringLiteral("Fehler"), QStringLiteral("Error"))};
}

PrintMessage SingleRunPrintedMessage(int language) {
    return Info(language, QStringLiteral("Die Statistik wurde gedruckt."),
                QStringLiteral("The statistics have been printed."));
}

PrintMessage ListPrintedMessage(int language) {
    return Info(language, QStringLiteral("Die Statistik wurde gedruckt."),
                QStringLiteral("The statistic has been printed."));
}

PrintMessage ChartPrintedMessage(int language) {
    // The program has this confirmation in German only.
    const QString text = QStringLiteral("Die Grafik wurde gedruckt.");
    return {ByLanguage(language, text, text),
            ByLanguage(language, QStringLiteral("Hinweis"), QStringLiteral("Hinweis"))};
}

PrintMessage PrintTableFailedMessage(int language) {
    return Error(language, QStringLiteral("Die Druckdatenbank kann nicht generiert werden!"),
                 QStringLiteral("The print file could not be created."));
}

PrintMessage SavedAsPdfMessage(int language, const QString& file) {
    return Info(
        language,
        QStringLiteral("Es ist kein Drucker eingerichtet. Die Seiten wurden als PDF-Datei gespeichert:\n") +
            file,
        QStringLiteral("There is no printer set up. The pages have been saved as a PDF file:\n") + file);
}

PrintMessage PrintFailedMessage(int language, const QString& target) {
    return Error(language, QStringLiteral("Die Seiten konnten nicht ausgegeben werden:\n") + target,
                 QStringLiteral("The pages could not be printed:\n") + target);
}
