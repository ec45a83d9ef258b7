#include "app/startup.h"

#include "app/language.h"

#include <QDir>

CommandLine ParseCommandLine(const QStringList& arguments) {
    CommandLine c;
    const QString first = arguments.value(0);
    c.win = first == QLatin1String("win");
    c.debug = first == QLatin1String("debug");
    if (c.debug) {
        bool okW = false, okH = false;
        c.debugWidth = arguments.value(1).trimmed().toInt(&okW);
        c.debugHeight = arguments.value(2).trimmed().toInt(&okH);
        c.debugSizeValid = okW && okH;
    }
    return c;
}

QSize DisplayAreaFor(const CommandLine& commandLine, QSize screen, bool fullScreenSwitch, bool* clamped) {
    if (clamped)
        *clamped = false;
    QSize area(1024, 768);
    if (!commandLine.debug || !commandLine.debugSizeValid)
        return fullScreenSwitch && screen.isValid() ? area.boundedTo(screen) : area;
    area = QSize(commandLine.debugWidth, commandLine.debugHeight);
    if (screen.width() < area.width() || screen.height() < area.height()) {
        area = screen;
        if (clamped)
            *clamped = true;
    }
    return area;
}

bool FullScreenSwitchFor(const CommandLine& commandLine, QSize screen, int colourDepth) {
    if (commandLine.win)
        return false;
    if (screen == QSize(1024, 768) && colourDepth >= 15)
        return false;
    return true;
}

QString UserDataFolderFor(const QString& documentsFolder, const QString& programFolder) {
    const QChar sep = QDir::separator();
    const QString docs = TrailingSeparator(documentsFolder);
    if (!docs.isEmpty())
        return docs + QStringLiteral("Velmora") + sep + QStringLiteral("Zavor") + sep +
               QStringLiteral("Daten") + sep;
    // Replace the seven characters in front of the final separator by "Daten".
    QString base = programFolder;
    if (base.size() >= 8) {
        base.remove(base.size() - 8, 7);
        // The separator in front of the removed name and the final one now meet.
        if (base.endsWith(QString(2, sep)))
            base.chop(1);
    }
    return base + QStringLiteral("Daten") + sep;
}

QString DisplayWarningText(int colourDepth, int language) {
    if (colourDepth >= 15)
        return {};
    const QString n = colourDepth >= 8 ? QStringLiteral("256") : QStringLiteral("16");
    const QString cr = QStringLiteral("\r");
    if (language == German)
        return QString::fromUtf8("WICHTIGER HINWEIS:\r\rDieses Programm benötigt eine Windows-Farbtiefe von "
                                 "mindestens 15 Bit (32000 Farben).\rIhr System ist momentan nur für die "
                                 "Darstellung von ") +
               n + QStringLiteral(" Farben konfiguriert.") + cr + cr +
               QString::fromUtf8(
                   "Bitte erhöhen Sie die Farbtiefe von Windows über \"Systemsteuerung/Anzeige\".") +
               cr + QStringLiteral("Das Programm wird bis dahin in Fehlfarben dargestellt.");
    if (language == English)
        return QStringLiteral(
                   "IMPORTANT:\r\rThis program need a desktop color depth of at lease 15 bit (32000 "
                   "colors).\rYou system currently supports ") +
               n + QStringLiteral(" colors.") + cr + cr +
               QStringLiteral("Please increase the color depth by using 'control panel/display'.") + cr +
               QStringLiteral("Until then the program will display wrong colors.");
    return {};
}

QString DebugSizeMessage() {
    return QString::fromUtf8("Diese Größe ist auf Ihrem System nicht darstellbar. Es wird die größtmögliche "
                             "Darstellung aktiviert!");
}

QString DisplayInterruptedMessage() {
    return QString::fromUtf8(
        "W I C H T I G E R   H I N W E I S !\r\rVermutlich durch ein anderes den Bildschirm beanspruchendes "
        "Programm wurde die Bildschirmdarstellung unterbrochen. Schließen Sie bitte alle Programme, die im "
        "Hintergrund laufen und hochklappen könnten (z.B. Messenger).");
}
