// Printing through a real default printer: a private CUPS server with the cups-pdf queue,
// started and stopped by this test. Qt reads the default printer once per process, so the
// printing itself runs in a child process (this binary with --print-child).

#include "app/global_state.h"
#include "app/language.h"
#include "results/printing.h"
#include "tests/test_env.h"
#include "users/current_user.h"

#include <QApplication>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStackedBarSeries>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <pwd.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString OrientationName(QPageLayout::Orientation o) {
    return o == QPageLayout::Portrait ? QStringLiteral("portrait") : QStringLiteral("landscape");
}

// The child: prints the list of 40 runs and the chart on the default printer, answering every
// question with yes and writing each message box as a line "BOX|text|caption".
int PrintChild(int argc, char** argv, const QString& folder) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    languageState().language = German;
    SetLanguageTexts(German, languageState().textTable);
    globalState().userDataFolder = folder + "/";
    currentUser().CurrentUserFolder = folder + "/";
    currentUser().CurrentUserFile = QStringLiteral("Muster.dat");
    runRecord().svdate = QStringLiteral("05.06.2024");
    runRecord().svtime = QStringLiteral("14.07");

    PrintEnvironment env = SystemPrintEnvironment();
    if (!env.printer) {
        out << "NOPRINTER\n";
        return 3;
    }
    out << "PRINTER|" << env.printer->printerName() << "\n";
    env.message = [&out](const QString& text, const QString& caption, quint8, bool, bool yesNo) {
        out << "BOX|" << QString(text).replace(u'\n', u' ') << "|" << caption << "\n";
        out.flush();
        return yesNo ? 6 : 2;
    };
    QStringList entries;
    for (int i = 1; i <= 40; ++i)
        entries << QStringLiteral("%1;%2.05.2024;Farbe/Wort - Version 1;20;%3;500;50;2;1")
                       .arg(i)
                       .arg(i % 28 + 1, 2, 10, QLatin1Char('0'))
                       .arg(i % 20);
    const bool list = PrintGesamtStatistik(env, entries);

    auto* mean = new QBarSet(QStringLiteral("Mittelwert"));
    auto* deviation = new QBarSet(QStringLiteral("Abweichung"));
    *mean << 420 << 510;
    *deviation << 60 << 80;
    auto* series = new QStackedBarSeries;
    series->append(mean);
    series->append(deviation);
    auto* chart = new QChart;
    chart->addSeries(series);
    chart->createDefaultAxes();
    QChartView view(chart);
    view.resize(590, 337);
    view.show();
    QCoreApplication::processEvents();
    const QPageLayout::Orientation before = env.printer->pageLayout().orientation();
    const bool printedChart = PrintChart(env, view);
    out << "ORIENTATION|" << OrientationName(before) << "|"
        << OrientationName(env.printer->pageLayout().orientation()) << "\n";
    return list && printedChart ? 0 : 4;
}

// Where cups-pdf puts the jobs of the current user.
QString CupsPdfOutDir() {
    QString out = QStringLiteral("${HOME}/PDF");
    QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (conf.open(QIODevice::ReadOnly)) {
        static const QRegularExpression outLine(QStringLiteral(R"re(^\s*Out\s+(\S+))re"));
        for (const QString& line : QString::fromUtf8(conf.readAll()).split(u'\n')) {
            const auto m = outLine.match(line);
            if (m.hasMatch())
                out = m.captured(1);
        }
    }
    const passwd* pw = getpwuid(getuid());
    return out.replace(QStringLiteral("${HOME}"), QString::fromLocal8Bit(pw ? pw->pw_dir : "/root"));
}

class CupsPrinting : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        skipReason = startCups();
        if (!skipReason.isEmpty())
            stopCups();
    }
    static void TearDownTestSuite() { stopCups(); }
    void SetUp() override {
        if (!skipReason.isEmpty())
            GTEST_SKIP() << skipReason.toStdString();
    }

    static QProcessEnvironment cupsEnvironment() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("CUPS_SERVER"), socket());
        return env;
    }
    static QString socket() { return folder->path() + QStringLiteral("/cups.sock"); }

    // Runs a CUPS tool against the private server; its output, or nothing when it failed.
    static std::optional<QString> run(const QString& program, const QStringList& args) {
        QProcess p;
        p.setProcessEnvironment(cupsEnvironment());
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(program, args);
        if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            return std::nullopt;
        return QString::fromLocal8Bit(p.readAll());
    }

    static QString startCups() {
        const QStringList sbin = {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")};
        const QString cupsd = QStandardPaths::findExecutable(QStringLiteral("cupsd"), sbin);
        lpadmin = QStandardPaths::findExecutable(QStringLiteral("lpadmin"), sbin);
        const QString ppd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
        if (cupsd.isEmpty() || lpadmin.isEmpty())
            return QStringLiteral("CUPS is not installed (apt-get install cups printer-driver-cups-pdf)");
        if (!QFileInfo::exists(QStringLiteral("/usr/lib/cups/backend/cups-pdf")) || !QFileInfo::exists(ppd))
            return QStringLiteral(
                "the cups-pdf queue is not installed (apt-get install printer-driver-cups-pdf)");
        if (getuid() != 0)
            return QStringLiteral("CUPS with the cups-pdf backend can only be started here as root");
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            return QStringLiteral(
                "pdfinfo (poppler-utils) is not installed; the printed file cannot be checked");

        folder = new QTemporaryDir;
        // The server's filters run as lp and must reach the spool folders below.
        QFile::setPermissions(folder->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                  QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                                  QFile::ExeOther);
        const QString root = folder->path();
        for (const char* sub : {"spool", "cache", "state", "log", "tmp"})
            QDir(root).mkpath(QString::fromLatin1(sub));
        // Filters (as lp) write their temporary files here; cupsd does not start without it.
        ::chmod(QFile::encodeName(root + QStringLiteral("/tmp")).constData(), 01777);
        QFile conf(root + QStringLiteral("/cupsd.conf"));
        QFile files(root + QStringLiteral("/cups-files.conf"));
        if (!conf.open(QIODevice::WriteOnly) || !files.open(QIODevice::WriteOnly))
            return QStringLiteral("cannot write the CUPS configuration in ") + root;
        conf.write(QStringLiteral("Listen %1\nLogLevel warn\nWebInterface No\nBrowsing No\n"
                                  "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                  "<Location /admin>\n  Order allow,deny\n  Allow all\n</Location>\n")
                       .arg(socket())
                       .toLocal8Bit());
        files.write(
            QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
                           "TempDir %1/tmp\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                           "PageLog %1/log/page_log\nUser lp\nGroup lp\nSystemGroup root\n")
                .arg(root)
                .toLocal8Bit());
        conf.close();
        files.close();

        server = new QProcess;
        server->setProcessChannelMode(QProcess::MergedChannels);
        // The server ends with this process even when the test dies on the way.
        server->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        server->start(cupsd, {QStringLiteral("-f"), QStringLiteral("-c"), conf.fileName(),
                              QStringLiteral("-s"), files.fileName()});
        if (!server->waitForStarted(10000))
            return QStringLiteral("cupsd could not be started: ") + server->errorString();
        for (int i = 0; i < 100 && !QFileInfo::exists(socket()); ++i) {
            if (server->waitForFinished(100))
                return QStringLiteral("cupsd ended at once: ") + QString::fromLocal8Bit(server->readAll());
        }
        if (!QFileInfo::exists(socket()))
            return QStringLiteral("cupsd did not open its socket within 10 s");
        const auto added =
            run(lpadmin, {QStringLiteral("-p"), QStringLiteral("CUPS-PDF"), QStringLiteral("-v"),
                          QStringLiteral("cups-pdf:/"), QStringLiteral("-P"), ppd, QStringLiteral("-E")});
        if (!added || !run(lpadmin, {QStringLiteral("-d"), QStringLiteral("CUPS-PDF")}))
            return QStringLiteral("lpadmin could not set up the CUPS-PDF queue");
        return {};
    }

    static void stopCups() {
        if (server) {
            server->terminate();
            if (!server->waitForFinished(10000)) {
                server->kill();
                server->waitForFinished(5000);
            }
            delete server;
            server = nullptr;
        }
        delete folder;
        folder = nullptr;
    }

    static inline QString skipReason;
    static inline QString lpadmin;
    static inline QTemporaryDir* folder = nullptr;
    static inline QProcess* server = nullptr;
};

struct PdfInfo {
    int pages = 0;
    double width = 0, height = 0; // points
};

std::optional<PdfInfo> InfoOf(const QString& file) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {file});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return std::nullopt;
    const QString text = QString::fromLocal8Bit(p.readAllStandardOutput());
    PdfInfo info;
    static const QRegularExpression pages(QStringLiteral(R"re(Pages:\s+(\d+))re"));
    static const QRegularExpression size(QStringLiteral(R"re(Page size:\s+([\d.]+) x ([\d.]+))re"));
    static const QRegularExpression rotation(QStringLiteral(R"re(Page rot:\s+(\d+))re"));
    info.pages = pages.match(text).captured(1).toInt();
    info.width = size.match(text).captured(1).toDouble();
    info.height = size.match(text).captured(2).toDouble();
    if (rotation.match(text).captured(1).toInt() % 180 == 90)
        std::swap(info.width, info.height);
    return info;
}

TEST_F(CupsPrinting, TheListAndTheChartReachTheDefaultPrinter) {
    const QString outDir = CupsPdfOutDir();
    const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
    QTemporaryDir userData;

    QProcess child;
    QProcessEnvironment env = cupsEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--print-child"), userData.path()});
    ASSERT_TRUE(child.waitForFinished(120000)) << "the printing child did not end";
    const QString out = QString::fromLocal8Bit(child.readAllStandardOutput());
    EXPECT_EQ(child.exitCode(), 0) << out.toStdString()
                                   << QString::fromLocal8Bit(child.readAllStandardError()).toStdString();
    const QStringList lines = out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines[0], QStringLiteral("PRINTER|CUPS-PDF"));
    const QStringList boxes = lines.filter(QRegularExpression(QStringLiteral("^BOX")));
    EXPECT_EQ(
        boxes,
        (QStringList{"BOX|Soll die Statistik gedruckt werden?|", "BOX|Die Statistik wurde gedruckt.|Hinweis",
                     "BOX|Soll die Grafik gedruckt werden?|", "BOX|Die Grafik wurde gedruckt.|Hinweis"}));
    EXPECT_TRUE(lines.contains(QStringLiteral("ORIENTATION|portrait|portrait"))) << out.toStdString();
    // Printed, so no PDF fallback beside the table.
    EXPECT_EQ(QDir(userData.path()).entryList(QDir::Files), QStringList{"drucktmp.DBF"});

    // Both jobs come out of the cups-pdf queue once the server has no job left.
    const QString lpstat = QStandardPaths::findExecutable(QStringLiteral("lpstat"));
    for (int i = 0; i < 1200; ++i) {
        const auto pending = run(lpstat, {QStringLiteral("-o")});
        if (pending && pending->trimmed().isEmpty())
            break;
        QThread::msleep(100);
    }
    QStringList made;
    for (const QFileInfo& f : QDir(outDir).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files))
        if (f.lastModified() >= started && f.size() > 0)
            made << f.absoluteFilePath();
    ASSERT_EQ(made.size(), 2) << "cups-pdf output in " << outDir.toStdString() << ": "
                              << made.join(", ").toStdString();
    std::vector<PdfInfo> infos;
    for (const QString& file : made) {
        const auto info = InfoOf(file);
        QFile::remove(file);
        ASSERT_TRUE(info) << file.toStdString();
        infos.push_back(*info);
    }
    std::sort(infos.begin(), infos.end(),
              [](const PdfInfo& a, const PdfInfo& b) { return a.pages > b.pages; });
    // The list: two A4 portrait pages; the chart: one A4 page (cups-pdf turns a landscape job
    // onto a portrait sheet, as a real printer does, so only the size is checked).
    EXPECT_EQ(infos[0].pages, 2);
    EXPECT_NEAR(infos[0].width, 595, 2);
    EXPECT_NEAR(infos[0].height, 842, 2);
    EXPECT_EQ(infos[1].pages, 1);
    EXPECT_NEAR(std::min(infos[1].width, infos[1].height), 595, 2);
    EXPECT_NEAR(std::max(infos[1].width, infos[1].height), 842, 2);
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && QByteArray(argv[1]) == "--print-child")
        return PrintChild(argc, argv, QString::fromLocal8Bit(argv[2]));
    PrepareTestEnvironment();
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
