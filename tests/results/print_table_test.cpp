#include "results/print_table.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <shapefil.h>

namespace {

// The table as plain shapelib sees it, independent of the program's reader.
struct RawTable {
    struct Field {
        std::string name;
        DBFFieldType type;
        int width;
        int decimals;
    };
    std::vector<Field> fields;
    std::vector<std::vector<std::string>> records;
    int year = 0; // years since 1900, as stored
};

std::optional<RawTable> ReadRaw(const QString& path) {
    DBFHandle h = DBFOpen(QFile::encodeName(path).constData(), "rb");
    if (!h)
        return std::nullopt;
    RawTable t;
    for (int f = 0; f < DBFGetFieldCount(h); ++f) {
        char name[XBASE_FLDNAME_LEN_READ + 1] = {};
        int width = 0, decimals = 0;
        const DBFFieldType type = DBFGetFieldInfo(h, f, name, &width, &decimals);
        t.fields.push_back({name, type, width, decimals});
    }
    for (int r = 0; r < DBFGetRecordCount(h); ++r) {
        std::vector<std::string> values;
        for (int f = 0; f < DBFGetFieldCount(h); ++f) {
            std::string v = DBFReadStringAttribute(h, r, f); // copied: the buffer is shapelib's
            while (!v.empty() && v.back() == ' ')
                v.pop_back();
            values.push_back(v);
        }
        t.records.push_back(values);
    }
    t.year = h->nUpdateYearSince1900;
    DBFClose(h);
    return t;
}

class PrintTableTest : public ::testing::Test {
protected:
    QString path() const { return dir.path() + "/" + PrintTableName; }
    QTemporaryDir dir;
};

TEST_F(PrintTableTest, FieldsWidthsAndRecordsAsShapelibReadsThem) {
    const QStringList entries = {
        "1;03.04.2024;Farbe/Wort - Version 2;40;35;612;88;5;2",
        "-;-;Unbekannt;0;0;0;0;0;0",
        "Datenfehler",
        "4;05.04.2024;Zahl/Anzahl mit einem sehr langen Namen - Version 3;20;18;450;60;2;1",
    };
    QString error;
    ASSERT_TRUE(BuildPrintTable(path(), entries, &error)) << error.toStdString();
    // The name keeps its capital extension; no lower-case twin is left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"drucktmp.DBF"});

    const std::optional<RawTable> t = ReadRaw(path());
    ASSERT_TRUE(t);
    ASSERT_EQ(t->fields.size(), 8u);
    const int widths[] = {10, 30, 10, 10, 10, 10, 10, 11};
    for (int f = 0; f < 8; ++f) {
        EXPECT_EQ(t->fields[f].name, "F" + std::to_string(f + 1));
        EXPECT_EQ(t->fields[f].type, FTString) << f;
        EXPECT_EQ(t->fields[f].width, widths[f]) << f;
        EXPECT_EQ(t->fields[f].decimals, 0) << f;
    }
    EXPECT_EQ(t->year, QDate::currentDate().year() - 1900);
    using Row = std::vector<std::string>;
    ASSERT_EQ(t->records.size(), 4u);
    EXPECT_EQ(t->records[0],
              (Row{"03.04.2024", "Farbe/Wort - Version 2", "40", "35", "612", "88", "5", "2"}));
    EXPECT_EQ(t->records[1], (Row{"-", "Unbekannt", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(t->records[2], (Row{"", "", "", "", "", "", "", "Datenfehler"}));
    EXPECT_EQ(t->records[3],
              (Row{"05.04.2024", "Zahl/Anzahl mit einem sehr lan", "20", "18", "450", "60", "2", "1"}));

    // The program's own reader gives the same records.
    const auto rows = ReadPrintTable(path());
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 4);
    for (int r = 0; r < 4; ++r)
        for (int f = 0; f < 8; ++f)
            EXPECT_EQ((*rows)[r][f].toStdString(), t->records[r][f]) << r << " " << f;
}

TEST_F(PrintTableTest, AnOldTableIsReplacedNotAppendedTo) {
    ASSERT_TRUE(BuildPrintTable(path(), {"1;01.01.2024;a;1;1;1;1;1;1", "2;02.01.2024;b;2;2;2;2;2;2"}));
    ASSERT_TRUE(BuildPrintTable(path(), {"9;09.09.2024;c;3;3;3;3;3;3"}));
    const auto rows = ReadPrintTable(path());
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 1);
    EXPECT_EQ((*rows)[0][0], "09.09.2024");

    // A file that is no table at all is deleted as well.
    QFile junk(path());
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly | QIODevice::Truncate));
    junk.write("not a table");
    junk.close();
    ASSERT_TRUE(BuildPrintTable(path(), {"3;03.03.2024;d;4;4;4;4;4;4"}));
    ASSERT_TRUE(ReadRaw(path()));
    EXPECT_EQ(ReadRaw(path())->records.size(), 1u);
}

TEST_F(PrintTableTest, UmlautsSurviveTheTable) {
    ASSERT_TRUE(BuildPrintTable(path(), {"1;01.01.2024;Übung für Grün - Version 1;1;1;1;1;1;1"}));
    const auto rows = ReadPrintTable(path());
    ASSERT_TRUE(rows);
    EXPECT_EQ((*rows)[0][1], "Übung für Grün - Version 1");
}

TEST_F(PrintTableTest, FailuresAreReported) {
    QString error;
    // The folder does not exist.
    EXPECT_FALSE(BuildPrintTable(dir.path() + "/missing/" + PrintTableName, {"Datenfehler"}, &error));
    EXPECT_FALSE(error.isEmpty());
    // A folder stands where the table should be and cannot be deleted as a file.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QString::fromLatin1(PrintTableName) + "/inside"));
    error.clear();
    EXPECT_FALSE(BuildPrintTable(path(), {"Datenfehler"}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(ReadPrintTable(dir.path() + "/nothing.DBF"));
}

} // namespace
