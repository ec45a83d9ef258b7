#pragma once

#include "app/language.h"
#include "results/run_record.h"

#include <QByteArray>
#include <QDate>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <string_view>

// Result codes of the results file operations.
enum : int { FileOk = 0, FileIoError = -1, FileMissing = -2 };

struct FileResult {
    int code = FileOk;
    QString error; // empty on success
};

// How appending talks to the system; empty functions mean the real write(2) and fsync(2).
struct AppendOptions {
    std::function<qint64(int fd, const char* data, qint64 size)> write;
    std::function<int(int fd)> sync;
    int lockTimeoutMs = 5000; // another program holding the file longer than this is an error
};

// One run as stored: nine header lines, a line per round with a target, the end line; CR LF.
QByteArray FormatRunBlock(const RunRecord& record);

// Appends the run to the existing file at path under an exclusive lock, as one flushed write.
// FileMissing: no file, nothing written. FileIoError: the file is cut back to its old length.
FileResult AppendRun(const RunRecord& record, const QString& path, const AppendOptions& options = {});

// Appends the state's run and clears unsavedRun only when it was written, so a failed try can be repeated.
FileResult StoreRun(ResultsState& state, const QString& path, const AppendOptions& options = {});

// What a run block read from a file holds. A prtkey of "\" (faulty) or "/" (no data) marks the whole
// block and wins over a round field that is not a number.
enum class RunStatus { Ok, FieldError, Faulty, NoData };

RunStatus ClassifyRun(const RunRecord& record, bool dataError);

// The exercise type shown in a list entry: info1 and the version name of the current language.
QString RunTypeText(const RunRecord& record, const TextTable& texts);

struct ReadResult {
    int code = FileOk;
    QString error;
    QStringList entries; // list mode only
};

// k = 0: list every run (todayOnly: only the runs dated today). k > 0: load run k into the state.
// Afterwards the state holds the last run block read and runsRead the number of blocks met.
// FileMissing leaves the state untouched; the caller keeps its list then.
ReadResult ReadResults(ResultsState& state, int k, bool todayOnly, const QString& path, int language,
                       const TextTable& texts, const QDate& today = QDate::currentDate());

// Streams a results file one pass at a time, never holding more than a buffer of it.
class ResultsReader {
public:
    enum class Pass { End, Run, Stray };

    explicit ResultsReader(QIODevice& device);

    // Run: `record` holds the next run block (statistics not computed) and `dataError` tells whether
    // one of its round fields was not a number. Stray: one line that starts no block; an empty input
    // gives one such pass. End: nothing left, or a read error (see failed()).
    Pass next(RunRecord& record, bool& dataError);

    // Bit i set: field i (target, answer, time, other) of round k (1..roundCount) of the last block was
    // not a number.
    quint8 badFields(int k) const { return k >= 1 && k <= MaxRounds ? m_badFields[size_t(k)] : 0; }

    bool failed() const { return !m_error.isEmpty(); }
    QString errorString() const { return m_error; }

private:
    bool readLine(std::string_view& line);
    void pushBack(std::string_view line);
    bool fill();

    QIODevice& m_device;
    QByteArray m_buffer;
    qsizetype m_begin = 0;
    qsizetype m_end = 0;
    bool m_deviceDone = false;
    QByteArray m_pending;
    bool m_hasPending = false;
    bool m_anyPass = false;
    std::array<quint8, MaxRounds + 1> m_badFields{};
    QString m_error;
};
