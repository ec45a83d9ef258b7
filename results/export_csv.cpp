#include "results/export_csv.h"

#include "results/statistics.h"

namespace {

constexpr qsizetype ChunkSize = 64 * 1024;

const char* const StatNames[8] = {"correct",    "mean_correct", "sd_correct",   "wrong",
                                  "mean_wrong", "sd_wrong",     "interference", "eliminated"};

// The three digits after "Z-": family, version, position; 0 where the key has no valid digit.
struct KeyDigits {
    int family = 0;
    int version = 0;
    int position = 0;
};

KeyDigits ParseKey(const QString& prtkey) {
    const QString key = prtkey.trimmed();
    auto digit = [&key](qsizetype i, int last) {
        if (i >= key.size())
            return 0;
        const int d = key.at(i).unicode() - '0';
        return d >= 1 && d <= last ? d : 0;
    };
    return {digit(2, 2), digit(3, 4), digit(4, 2)};
}

QString StatusText(RunStatus status) {
    switch (status) {
    case RunStatus::Ok:
        return QStringLiteral("ok");
    case RunStatus::NoData:
        return QStringLiteral("no_data");
    case RunStatus::FieldError:
    case RunStatus::Faulty:
        break;
    }
    return QStringLiteral("damaged");
}

QString OutcomeText(RoundOutcome outcome) {
    switch (outcome) {
    case RoundOutcome::Correct:
        return QStringLiteral("correct");
    case RoundOutcome::Wrong:
        return QStringLiteral("wrong");
    case RoundOutcome::Interference:
        return QStringLiteral("interference");
    case RoundOutcome::Timeout:
        return QStringLiteral("timeout");
    case RoundOutcome::Eliminated:
        break;
    }
    return QStringLiteral("eliminated");
}

QString Number(qint32 value) {
    return QString::number(value);
}

bool WriteChunk(QIODevice& out, QByteArray& chunk, ExportResult& result) {
    if (!chunk.isEmpty() && out.write(chunk) != chunk.size()) {
        result.ok = false;
        result.outputFailed = true;
        result.error =
            QStringLiteral("write error: ") +
            (out.errorString().isEmpty() ? QStringLiteral("output incomplete") : out.errorString());
        return false;
    }
    chunk.clear();
    return true;
}

} // namespace

ExportCommand ParseExportArguments(const QStringList& arguments) {
    ExportCommand command;
    QStringList files;
    bool optionsDone = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (optionsDone || !arg.startsWith(u'-') || arg == u"-") {
            files.append(arg);
            continue;
        }
        if (arg == u"--") {
            optionsDone = true;
            continue;
        }
        if (arg == u"-h" || arg == u"--help") {
            command.help = true;
            continue;
        }
        if (arg == u"--rounds") {
            command.options.rounds = true;
            continue;
        }
        // --lang and --sep take their value as the next argument or after "=".
        QString name = arg;
        QString value;
        const qsizetype equals = arg.indexOf(u'=');
        if (equals >= 0) {
            name = arg.left(equals);
            value = arg.mid(equals + 1);
        } else if (arg == u"--lang" || arg == u"--sep") {
            if (i + 1 >= arguments.size()) {
                command.error = arg + QStringLiteral(" needs a value");
                return command;
            }
            value = arguments[++i];
        }
        if (name == u"--lang" && (value == u"de" || value == u"en")) {
            command.options.language = value == u"de" ? German : English;
        } else if (name == u"--sep" && (value == u"," || value == u";")) {
            command.options.separator = char(value.at(0).unicode());
        } else if (name == u"--lang" || name == u"--sep") {
            command.error = QStringLiteral("bad value for %1: '%2'").arg(name, value);
            return command;
        } else {
            command.error = QStringLiteral("unknown option: ") + arg;
            return command;
        }
    }
    if (command.help)
        return command;
    if (files.size() != 1) {
        command.error =
            files.isEmpty() ? QStringLiteral("no file given") : QStringLiteral("more than one file");
        return command;
    }
    command.path = files.first();
    return command;
}

QString ExportUsage() {
    return QStringLiteral("usage: velmora-export [--rounds] [--lang de|en] [--sep ,|;] FILE");
}

void AppendCsvField(QByteArray& out, QStringView field, char separator) {
    const QByteArray bytes = field.toUtf8();
    bool quote = false;
    for (char c : bytes)
        quote = quote || c == separator || c == '"' || c == '\r' || c == '\n';
    if (!quote) {
        out.append(bytes);
        return;
    }
    out.append('"');
    for (char c : bytes) {
        if (c == '"')
            out.append('"');
        out.append(c);
    }
    out.append('"');
}

void AppendCsvRow(QByteArray& out, const QStringList& fields, char separator) {
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out.append(separator);
        AppendCsvField(out, fields[i], separator);
    }
    out.append('\n');
}

QStringList RunColumns() {
    QStringList columns = {"run",    "status",  "date",     "time",  "type_key",
                           "family", "version", "position", "rounds"};
    for (int block = 0; block < 5; ++block)
        for (const char* name : StatNames)
            columns.append(block == 0 ? QString::fromLatin1(name)
                                      : QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(block));
    columns.append(QStringLiteral("type"));
    return columns;
}

QStringList RoundColumns() {
    return {"run", "date", "time", "type_key", "round", "target", "answer", "time_ms", "other", "outcome"};
}

QStringList RunRow(int run, const RunRecord& record, RunStatus status, const TextTable& texts) {
    const KeyDigits key = ParseKey(record.prtkey);
    const bool marked = status == RunStatus::Faulty || status == RunStatus::NoData;
    auto digit = [marked](int d) { return marked || d == 0 ? QString() : QString::number(d); };
    QStringList row = {QString::number(run),
                       StatusText(status),
                       record.svdate,
                       record.svtime,
                       record.prtkey,
                       digit(key.family),
                       digit(key.version),
                       marked || key.position == 0 ? QString()
                       : key.position == 1         ? QStringLiteral("random")
                                                   : QStringLiteral("fixed"),
                       Number(record.roundCount)};
    row.reserve(row.size() + 5 * 8 + 1);
    for (const RunStats& s : record.stats) {
        if (status != RunStatus::Ok) {
            for (int i = 0; i < 8; ++i)
                row.append(QString());
            continue;
        }
        row << Number(s.correct) << Number(s.meanCorrect) << Number(s.sdCorrect) << Number(s.wrong)
            << Number(s.meanWrong) << Number(s.sdWrong) << Number(s.interference) << Number(s.eliminated);
    }
    row.append(marked || key.family == 0 || key.version == 0 ? QString() : RunTypeText(record, texts));
    return row;
}

QStringList RoundRow(int run, const RunRecord& record, int k, quint8 badFields) {
    const RoundItem& item = record.items[size_t(k)];
    auto field = [badFields](int i, qint32 value) {
        return badFields & (1u << i) ? QString() : Number(value);
    };
    return {QString::number(run),  record.svdate,
            record.svtime,         record.prtkey,
            QString::number(k),    field(0, item.target),
            field(1, item.answer), field(2, item.time),
            field(3, item.other),  badFields != 0 ? QString() : OutcomeText(ClassifyRound(item))};
}

ExportResult ExportResults(QIODevice& in, QIODevice& out, const ExportOptions& options) {
    ExportResult result;
    TextTable texts;
    SetLanguageTexts(options.language, texts);
    ResultsReader reader(in);
    RunRecord record;
    bool dataError = false;
    QByteArray chunk;
    chunk.reserve(ChunkSize + 4096);
    bool started = false;
    for (;;) {
        const ResultsReader::Pass pass = reader.next(record, dataError);
        if (!started) {
            // An unreadable file must leave the output empty.
            if (pass == ResultsReader::Pass::End && reader.failed())
                break;
            AppendCsvRow(chunk, options.rounds ? RoundColumns() : RunColumns(), options.separator);
            started = true;
        }
        if (pass == ResultsReader::Pass::End)
            break;
        if (pass == ResultsReader::Pass::Stray)
            continue; // lines outside a run block take no run number
        const int run = ++result.runs;
        const RunStatus status = ClassifyRun(record, dataError);
        if (options.rounds) {
            for (int k = 1; k <= record.roundCount; ++k)
                AppendCsvRow(chunk, RoundRow(run, record, k, reader.badFields(k)), options.separator);
        } else {
            if (status == RunStatus::Ok)
                ComputeStatistics(record);
            AppendCsvRow(chunk, RunRow(run, record, status, texts), options.separator);
        }
        if (chunk.size() >= ChunkSize && !WriteChunk(out, chunk, result))
            return result;
    }
    if (!WriteChunk(out, chunk, result))
        return result;
    if (reader.failed()) {
        result.ok = false;
        result.error = QStringLiteral("read error: ") + reader.errorString();
    }
    return result;
}
