// velmora-export [--rounds] [--lang de|en] [--sep ,|;] FILE: one results file as CSV on standard output.
#include "results/export_csv.h"

#include <QFile>
#include <QStringList>

#include <cstdio>

#include <unistd.h>

namespace {

constexpr int ExitFailure = 2;

// Keeps every message on one line, whatever the file name holds.
void PrintError(const QString& message) {
    QString line = message;
    for (QChar& c : line)
        if (c == u'\n' || c == u'\r')
            c = u'?';
    std::fputs(("velmora-export: " + line + "\n").toUtf8().constData(), stderr);
}

} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QFile::decodeName(argv[i]));
    const ExportCommand command = ParseExportArguments(arguments);
    if (command.help) {
        std::fputs((ExportUsage() + "\n").toUtf8().constData(), stdout);
        return 0;
    }
    if (!command.error.isEmpty()) {
        PrintError(command.error);
        std::fputs((ExportUsage() + "\n").toUtf8().constData(), stderr);
        return ExitFailure;
    }

    QFile in(command.path);
    // The reader buffers by itself.
    if (!in.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        PrintError(command.path + ": " + in.errorString());
        return ExitFailure;
    }
    // On the descriptor, not on stdio's stream: a write error must show before the program ends.
    QFile out;
    if (!out.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        PrintError("cannot write to standard output: " + out.errorString());
        return ExitFailure;
    }
    const ExportResult result = ExportResults(in, out, command.options);
    if (!result.ok) {
        PrintError((result.outputFailed ? QStringLiteral("standard output") : command.path) + ": " +
                   result.error);
        return ExitFailure;
    }
    return 0;
}
