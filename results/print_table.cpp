#include "results/print_table.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>

#include <shapefil.h>

namespace {

thread_local QString g_lastError;

SAFile (*g_defaultOpen)(const char*, const char*) = nullptr;

// shapelib always asks for ".dbf"; the table's name has the extension in capitals, and case
// matters here.
SAFile OpenWithUpperExtension(const char* filename, const char* access) {
    QByteArray name(filename);
    if (name.endsWith(".dbf"))
        name.replace(name.size() - 3, 3, "DBF");
    return g_defaultOpen(name.constData(), access);
}

void RecordError(const char* message) {
    g_lastError = QString::fromLocal8Bit(message);
}

SAHooks Hooks() {
    SAHooks hooks;
    SASetupDefaultHooks(&hooks);
    g_defaultOpen = hooks.FOpen;
    hooks.FOpen = OpenWithUpperExtension;
    hooks.Error = RecordError;
    return hooks;
}

bool Fail(QString* error, const QString& reason) {
    if (error)
        *error = g_lastError.isEmpty() ? reason : reason + QStringLiteral(": ") + g_lastError;
    return false;
}

// Closes the handle when it goes out of scope.
struct Table {
    DBFHandle handle = nullptr;
    ~Table() {
        if (handle)
            DBFClose(handle);
    }
};

} // namespace

bool BuildPrintTable(const QString& path, const QStringList& entries, QString* error) {
    g_lastError.clear();
    SAHooks hooks = Hooks();
    const QByteArray file = QFile::encodeName(path);
    if (QFileInfo::exists(path) && !QFile::remove(path))
        return Fail(error, QStringLiteral("cannot delete the old table"));

    {
        Table table;
        table.handle = DBFCreateLL(file.constData(), "LDID/87", &hooks);
        if (!table.handle)
            return Fail(error, QStringLiteral("cannot create the table"));
        for (int field = 0; field < PrintFieldCount; ++field) {
            const QByteArray name = "F" + QByteArray::number(field + 1);
            if (DBFAddField(table.handle, name.constData(), FTString, PrintFieldWidths[field], 0) != field)
                return Fail(error, QStringLiteral("cannot add field ") + QString::fromLatin1(name));
        }
        const QDate today = QDate::currentDate();
        DBFSetLastModifiedDate(table.handle, today.year() - 1900, today.month(), today.day());
    }
    if (QFileInfo(path).size() < 32)
        return Fail(error, QStringLiteral("the table was not written"));

    Table table;
    table.handle = DBFOpenLL(file.constData(), "rb+", &hooks);
    if (!table.handle)
        return Fail(error, QStringLiteral("cannot open the table"));
    for (int record = 0; record < entries.size(); ++record) {
        const PrintRow row = PrintTableRow(entries[record]);
        for (int field = 0; field < PrintFieldCount; ++field) {
            // Rows are cut to the field widths already, so a failed write is a real failure.
            if (!DBFWriteStringAttribute(table.handle, record, field, row[field].toLatin1().constData()))
                return Fail(error, QStringLiteral("cannot write record %1").arg(record + 1));
        }
    }
    return true;
}

std::optional<QList<PrintRow>> ReadPrintTable(const QString& path) {
    g_lastError.clear();
    SAHooks hooks = Hooks();
    Table table;
    table.handle = DBFOpenLL(QFile::encodeName(path).constData(), "rb", &hooks);
    if (!table.handle || DBFGetFieldCount(table.handle) != PrintFieldCount)
        return std::nullopt;
    QList<PrintRow> rows;
    const int count = DBFGetRecordCount(table.handle);
    rows.reserve(count);
    for (int record = 0; record < count; ++record) {
        PrintRow row;
        for (int field = 0; field < PrintFieldCount; ++field) {
            // An internal buffer, valid until the next read: copied at once.
            const char* value = DBFReadStringAttribute(table.handle, record, field);
            QString text = value ? QString::fromLatin1(value) : QString();
            while (text.endsWith(u' '))
                text.chop(1);
            row[field] = text;
        }
        rows.append(row);
    }
    return rows;
}
