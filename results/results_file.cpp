#include "results/results_file.h"

#include "results/statistics.h"

#include <QDeadlineTimer>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <limits>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int HeaderValueWidth = 20;
constexpr int FieldWidth = 10;
constexpr int RoundLineLength = 4 * FieldWidth;
constexpr std::string_view BlockStart = "$ prname";
constexpr std::string_view BlockEnd = "$ eodata";

const char* const HeaderKeys[9] = {"$ prname", "$ svdate", "$ svtime", "$ prtkey", "$ info 1",
                                   "$ info 2", "$ info 3", "$ info 4", "$ info 5"};

// Files are ASCII: anything else would not survive other tools reading them.
void AppendAsciiValue(QByteArray& out, const QString& value) {
    const QString cut = value.left(HeaderValueWidth);
    out.append(HeaderValueWidth - cut.size(), ' ');
    for (QChar c : cut) {
        const char16_t u = c.unicode();
        out.append(u < 0x20 || u == 0x7f ? ' ' : u > 0x7e ? '?' : char(u));
    }
}

void AppendField(QByteArray& out, qint32 value) {
    // Keeps every field within its ten columns, so the line stays a round line.
    const QByteArray digits = QByteArray::number(std::max<qint32>(value, -999999999));
    out.append(FieldWidth - digits.size(), ' ');
    out.append(digits);
}

QString HeaderValue(std::string_view line) {
    if (line.size() < 10)
        return {};
    std::string_view v = line.substr(9);
    while (!v.empty() && static_cast<unsigned char>(v.front()) <= ' ')
        v.remove_prefix(1);
    while (!v.empty() && static_cast<unsigned char>(v.back()) <= ' ')
        v.remove_suffix(1);
    v = v.substr(0, HeaderValueWidth);
    return QString::fromLatin1(v.data(), qsizetype(v.size()));
}

// A decimal integer between blanks in a ten-column field; anything else gives 0 and false.
bool ParseField(const char* f, qint32& out) {
    out = 0;
    int i = 0;
    while (i < FieldWidth && f[i] == ' ')
        ++i;
    bool negative = false;
    if (i < FieldWidth && (f[i] == '-' || f[i] == '+'))
        negative = f[i++] == '-';
    const int digits = i;
    qint64 value = 0; // at most ten digits: no overflow
    while (i < FieldWidth && unsigned(f[i] - '0') < 10u)
        value = value * 10 + (f[i++] - '0');
    if (i == digits)
        return false;
    while (i < FieldWidth && f[i] == ' ')
        ++i;
    if (i != FieldWidth)
        return false;
    value = negative ? -value : value;
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return false;
    out = qint32(value);
    return true;
}

bool Contains(std::string_view line, std::string_view what) {
    return line.find(what) != line.npos;
}

QString SystemError(const char* what, int error) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what), qt_error_string(error));
}

// 0 when locked; an errno value otherwise.
int LockExclusive(int fd, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return 0;
        const int error = errno;
        if (error == EINTR)
            continue;
        if (error != EWOULDBLOCK || deadline.hasExpired())
            return error;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

} // namespace

QByteArray FormatRunBlock(const RunRecord& record) {
    const QString* values[9] = {&record.prname, &record.svdate, &record.svtime, &record.prtkey, &record.info1,
                                &record.info2,  &record.info3,  &record.info4,  &record.info5};
    const int count = std::clamp<int>(record.roundCount, 0, MaxRounds);
    QByteArray out;
    out.reserve(9 * 31 + count * (RoundLineLength + 2) + 11);
    for (int i = 0; i < 9; ++i) {
        out.append(HeaderKeys[i]).append(' ');
        AppendAsciiValue(out, *values[i]);
        out.append("\r\n");
    }
    for (int k = 1; k <= count; ++k) {
        const RoundItem& item = record.items[k];
        if (item.target <= 0)
            continue;
        AppendField(out, item.target);
        AppendField(out, item.answer);
        AppendField(out, item.time);
        AppendField(out, item.other);
        out.append("\r\n");
    }
    out.append("$ eodata \r\n");
    return out;
}

FileResult AppendRun(const RunRecord& record, const QString& path, const AppendOptions& options) {
    const QByteArray block = FormatRunBlock(record);
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        const int error = errno;
        return {error == ENOENT ? FileMissing : FileIoError, SystemError("open", error)};
    }

    FileResult result;
    // Another copy of the program may append to the same shared file: one block at a time.
    const int lockError = LockExclusive(fd, options.lockTimeoutMs);
    // A share without lock support would otherwise never store a run.
    if (lockError != 0 && lockError != ENOLCK && lockError != EOPNOTSUPP && lockError != ENOSYS)
        result = {FileIoError, lockError == EWOULDBLOCK ? QStringLiteral("file is locked by another program")
                                                        : SystemError("lock", lockError)};

    struct stat info {};
    if (result.code == FileOk && ::fstat(fd, &info) != 0)
        result = {FileIoError, SystemError("stat", errno)};
    else if (result.code == FileOk && !S_ISREG(info.st_mode))
        result = {FileIoError, QStringLiteral("not a regular file")};

    if (result.code == FileOk) {
        const off_t oldSize = info.st_size;
        qint64 written = 0;
        while (result.code == FileOk && written < block.size()) {
            const qint64 n = options.write
                                 ? options.write(fd, block.constData() + written, block.size() - written)
                                 : ::write(fd, block.constData() + written, block.size() - written);
            if (n > 0)
                written += n;
            else if (n < 0 && errno == EINTR)
                continue;
            else
                result = {FileIoError,
                          n < 0 ? SystemError("write", errno) : QStringLiteral("write: no progress")};
        }
        if (result.code == FileOk && (options.sync ? options.sync(fd) : ::fsync(fd)) != 0)
            result = {FileIoError, SystemError("sync", errno)};
        // No partial block may stay behind: it would spoil reading and a second try.
        if (result.code != FileOk && (::ftruncate(fd, oldSize) != 0 || ::fsync(fd) != 0))
            result.error += QStringLiteral("; could not restore the file: ") + qt_error_string(errno);
    }
    ::close(fd); // also releases the lock
    return result;
}

FileResult StoreRun(ResultsState& state, const QString& path, const AppendOptions& options) {
    FileResult result = AppendRun(state.runRecord, path, options);
    if (result.code == FileOk)
        state.unsavedRun = false;
    return result;
}

RunStatus ClassifyRun(const RunRecord& record, bool dataError) {
    if (record.prtkey == u"\\")
        return RunStatus::Faulty;
    if (record.prtkey == u"/")
        return RunStatus::NoData;
    return dataError ? RunStatus::FieldError : RunStatus::Ok;
}

QString RunTypeText(const RunRecord& record, const TextTable& texts) {
    static const QString unknown = QStringLiteral("Unbekannt");
    const QString key = record.prtkey.trimmed();
    if (key.size() < 4)
        return unknown;
    const int version = key.at(3).unicode() - '0';
    if (version < 1 || version > 4) // never written by the program; the table has no name for it
        return unknown;
    const int first = key.at(2) == u'1' ? 4 : 8;
    return record.info1 + QStringLiteral(" - ") + texts[first + version - 1];
}

ReadResult ReadResults(ResultsState& state, int k, bool todayOnly, const QString& path, int language,
                       const TextTable& texts, const QDate& today) {
    ReadResult result;
    QFile file(path);
    if (!file.exists())
        return {FileMissing, QStringLiteral("no such file"), {}};
    // The reader buffers by itself.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return {FileIoError, file.errorString(), {}};

    const bool listMode = k <= 0;
    const QString todayText = today.toString(QStringLiteral("dd.MM.yyyy"));
    auto special = [&](const QString& text) {
        return QStringLiteral("-;-;") + text + QStringLiteral(";0;0;0;0;0;0");
    };
    const QString dataErrorText =
        ByLanguage(language, QStringLiteral("Datenfehler"), QStringLiteral("File error"));

    state.runsRead = 0;
    ResultsReader reader(file);
    RunRecord& record = state.runRecord;
    bool dataError = false;
    for (;;) {
        const ResultsReader::Pass pass = reader.next(record, dataError);
        if (pass == ResultsReader::Pass::End)
            break;
        if (pass == ResultsReader::Pass::Stray) {
            // Only lines before the first block are listed; later ones keep the numbering as it is.
            if (listMode && !todayOnly && state.runsRead == 0)
                result.entries.append(special(QStringLiteral("Unbekannt")));
            continue;
        }
        ++state.runsRead;
        ComputeStatistics(record);
        if (!listMode) {
            if (state.runsRead == k)
                break;
            continue;
        }
        const RunStatus status = ClassifyRun(record, dataError);
        if (status == RunStatus::Faulty || status == RunStatus::NoData) {
            if (!todayOnly)
                result.entries.append(
                    special(status == RunStatus::Faulty
                                ? dataErrorText
                                : ByLanguage(language, QStringLiteral("Keine Daten vorhanden"),
                                             QStringLiteral("No data available"))));
            continue;
        }
        if (todayOnly && record.svdate != todayText)
            continue;
        if (status == RunStatus::FieldError) {
            result.entries.append(dataErrorText);
            continue;
        }
        const RunStats& s = record.stats[0];
        result.entries.append(QString::number(state.runsRead) + u';' + record.svdate + u';' +
                              RunTypeText(record, texts) + u';' + QString::number(record.roundCount) + u';' +
                              QString::number(s.correct) + u';' + QString::number(s.meanCorrect) + u';' +
                              QString::number(s.sdCorrect) + u';' + QString::number(s.wrong) + u';' +
                              QString::number(s.interference));
    }
    if (reader.failed()) {
        result.code = FileIoError;
        result.error = reader.errorString();
    }
    return result;
}

ResultsReader::ResultsReader(QIODevice& device) : m_device(device), m_buffer(64 * 1024, Qt::Uninitialized) {}

bool ResultsReader::fill() {
    if (m_begin > 0) {
        std::memmove(m_buffer.data(), m_buffer.constData() + m_begin, size_t(m_end - m_begin));
        m_end -= m_begin;
        m_begin = 0;
    }
    if (m_end == m_buffer.size())
        m_buffer.resize(m_buffer.size() * 2); // a line longer than the buffer
    const qint64 n = m_device.read(m_buffer.data() + m_end, m_buffer.size() - m_end);
    if (n <= 0) {
        if (n < 0)
            m_error =
                m_device.errorString().isEmpty() ? QStringLiteral("read error") : m_device.errorString();
        m_deviceDone = true;
        return false;
    }
    m_end += n;
    return true;
}

bool ResultsReader::readLine(std::string_view& line) {
    if (m_hasPending) {
        m_hasPending = false;
        line = std::string_view(m_pending.constData(), size_t(m_pending.size()));
        return true;
    }
    qsizetype scanned = 0;
    for (;;) {
        const void* newline =
            std::memchr(m_buffer.constData() + m_begin + scanned, '\n', size_t(m_end - m_begin - scanned));
        const qsizetype unread = m_end - m_begin;
        if (!newline && !m_deviceDone && fill()) {
            scanned = unread; // fill() moved the unread part to the front
            continue;
        }
        const char* start = m_buffer.constData() + m_begin;
        qsizetype length = 0;
        if (newline) {
            length = static_cast<const char*>(newline) - start;
            m_begin += length + 1;
        } else {
            if (m_begin == m_end)
                return false;
            length = m_end - m_begin; // last line without a line end
            m_begin = m_end;
        }
        if (length > 0 && start[length - 1] == '\r')
            --length;
        line = std::string_view(start, size_t(length));
        return true;
    }
}

void ResultsReader::pushBack(std::string_view line) {
    m_pending = QByteArray(line.data(), qsizetype(line.size()));
    m_hasPending = true;
}

ResultsReader::Pass ResultsReader::next(RunRecord& record, bool& dataError) {
    std::string_view line;
    if (!readLine(line)) {
        // An empty file still makes one pass, with an empty line.
        if (m_anyPass || failed())
            return Pass::End;
        m_anyPass = true;
        return Pass::Stray;
    }
    m_anyPass = true;
    if (!Contains(line, BlockStart))
        return Pass::Stray;

    record = RunRecord{};
    dataError = false;
    record.prname = HeaderValue(line);
    QString* const fields[8] = {&record.svdate, &record.svtime, &record.prtkey, &record.info1,
                                &record.info2,  &record.info3,  &record.info4,  &record.info5};
    // The header lines are taken by position; only a new block's first line cuts them short.
    for (QString* field : fields) {
        if (!readLine(line))
            return Pass::Run;
        if (Contains(line, BlockStart)) {
            pushBack(line);
            return Pass::Run;
        }
        *field = HeaderValue(line);
    }

    while (readLine(line)) {
        if (std::memchr(line.data(), '$', line.size())) {
            if (Contains(line, BlockEnd))
                break;
            // A block without its end line must not swallow the next block.
            if (Contains(line, BlockStart)) {
                pushBack(line);
                break;
            }
            continue;
        }
        if (line.size() != size_t(RoundLineLength) || record.roundCount >= MaxRounds)
            continue;
        RoundItem& item = record.items[++record.roundCount];
        const char* f = line.data();
        qint32* const values[4] = {&item.target, &item.answer, &item.time, &item.other};
        quint8 bad = 0;
        for (int i = 0; i < 4; ++i)
            if (!ParseField(f + i * FieldWidth, *values[i]))
                bad |= quint8(1u << i);
        m_badFields[size_t(record.roundCount)] = bad;
        if (bad != 0)
            dataError = true;
    }
    return Pass::Run;
}
