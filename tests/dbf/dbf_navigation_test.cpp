// Moving through a table: table order, locate, index order, filter, deleted
// records, and what an unposted append leaves behind.

#include "dbf_test_support.hpp"
#include "platform/dbf/dbf_table.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

namespace {

using namespace tt::dbf;
using tt::testing::ErrorOf;
using tt::testing::TempDir;

struct Row {
    std::string tag;
    std::optional<std::int64_t> orden; // empty: left blank
    std::string prof = "";
    double horas = 0;
};

class DbfNavigation : public ::testing::Test {
protected:
    void Build(const std::vector<Row>& rows) {
        CreateTable(file,
                    {{"TAG", FieldType::Character, 4},
                     {"ORDEN", FieldType::Integer},
                     {"PROF", FieldType::Character, 10},
                     {"HORAS", FieldType::Float}},
                    {{"ORDEN", "ORDEN"}});
        Table table(file, OpenMode::Exclusive);
        for (const Row& row : rows) {
            table.append();
            table.setText("TAG", row.tag);
            if (row.orden) table.setInteger("ORDEN", *row.orden);
            table.setText("PROF", row.prof);
            table.setFloat("HORAS", row.horas);
            table.post();
        }
        table.close();
    }

    // The TAG of every row from the first one on.
    static std::string Walk(Table& table) {
        std::string tags;
        for (table.first(); !table.eof(); table.next()) tags += table.asText("TAG") + " ";
        return tags;
    }

    TempDir dir;
    std::filesystem::path file = dir / "DIASHORAST2.DBF";
};

TEST_F(DbfNavigation, TableOrderIsTheOrderOfAppending) {
    Build({{"a", 3, "X"}, {"b", 1, "Y"}, {"c", 2, "Z"}});
    Table table(file, OpenMode::Exclusive);
    EXPECT_EQ(table.recordCount(), 3u);
    EXPECT_EQ(table.asText("TAG"), "a") << "opening goes to the first row";
    EXPECT_EQ(Walk(table), "a b c ");
    EXPECT_TRUE(table.eof());
    EXPECT_EQ(table.asText("TAG"), "") << "past the end fields read blank";
    EXPECT_EQ(table.asInteger("ORDEN"), 0);
    table.next();
    EXPECT_TRUE(table.eof());
}

TEST_F(DbfNavigation, EmptyTableIsAtEndAndReadsBlank) {
    Build({});
    Table table(file, OpenMode::Exclusive);
    EXPECT_TRUE(table.eof());
    EXPECT_EQ(table.recordCount(), 0u);
    EXPECT_EQ(table.asText("PROF"), "");
    EXPECT_NE(ErrorOf([&] { table.setText("PROF", "x"); }).find("no tiene un registro actual"), std::string::npos);
}

TEST_F(DbfNavigation, LocateFindsTheFirstMatchInPhysicalOrder) {
    Build({{"a", 5, "Z"}, {"b", 7, "Y"}, {"c", 5, "A"}, {"d", {}, "B"}});
    Table table(file, OpenMode::Exclusive);
    table.setIndexOrder("PROF"); // c, d, b, a
    EXPECT_TRUE(table.locate("orden", 5));
    EXPECT_EQ(table.asText("TAG"), "a") << "physical order, not index order";
    table.next();
    EXPECT_TRUE(table.eof()) << "moving on follows the index order from the row found";

    table.first();
    EXPECT_FALSE(table.locate("ORDEN", 9));
    EXPECT_EQ(table.asText("TAG"), "c") << "a failed locate leaves the cursor alone";
    EXPECT_FALSE(table.locate("ORDEN", 0)) << "a blank field equals no number";
    EXPECT_TRUE(table.locate("HORAS", 0)) << "a float field matches a whole value";
    EXPECT_FALSE(table.locate("TAG", 0)) << "text that is no number matches nothing";
    EXPECT_NE(ErrorOf([&] { table.locate("CLAVE", 1); }).find("no tiene el campo CLAVE"), std::string::npos);
}

TEST_F(DbfNavigation, LocateReadsWholeNumbersKeptAsText) {
    CreateTable(file, {{"CLAVE", FieldType::Character, 10}, {"NOMBRE", FieldType::Character, 10}});
    {
        Table table(file, OpenMode::Exclusive);
        for (const char* clave : {"61x", " 6101", "6101"}) {
            table.append();
            table.setText("CLAVE", clave);
            table.setText("NOMBRE", std::string("n") + clave);
            table.post();
        }
    }
    Table table(file, OpenMode::Shared);
    EXPECT_TRUE(table.locate("CLAVE", 6101));
    EXPECT_EQ(table.asText("NOMBRE"), "n 6101");
}

TEST_F(DbfNavigation, IndexOrderIsNumericAndStable) {
    // Byte order would put -6 before -50 and "100" after "20".
    Build({{"p", 600, "", 0}, {"q", 480}, {"r", -6}, {"s", 480}, {"t", -50}, {"u", 20}, {"v", 100},
           {"w", 600}, {"x", {}}});
    Table table(file, OpenMode::Exclusive);
    table.setIndexOrder("Orden");
    EXPECT_EQ(table.asText("TAG"), "t") << "setting the order goes to the first row";
    EXPECT_EQ(Walk(table), "t r x u v q s p w ") << "blank sorts as 0; equal keys keep their order";
    table.setIndexOrder("");
    EXPECT_EQ(Walk(table), "p q r s t u v w x ");
}

TEST_F(DbfNavigation, IndexOrderKeepsAppendingOrderAmongManyEqualKeys) {
    // Enough rows that an unstable sort would show it.
    std::vector<Row> rows;
    for (int i = 0; i < 60; ++i) rows.push_back({std::to_string(i), (i * 7) % 3});
    Build(rows);
    Table table(file, OpenMode::Exclusive);
    table.setIndexOrder("ORDEN");
    std::int64_t lastKey = -1;
    int lastTag = -1;
    for (; !table.eof(); table.next()) {
        const std::int64_t key = table.asInteger("ORDEN");
        const int tag = static_cast<int>(table.asInteger("TAG"));
        ASSERT_GE(key, lastKey);
        if (key == lastKey) {
            EXPECT_GT(tag, lastTag) << "key " << key;
        }
        lastKey = key;
        lastTag = tag;
    }
}

TEST_F(DbfNavigation, IndexOrderOnFloatsAndOnText) {
    Build({{"a", 1, "b", 10.5}, {"b", 2, "B", 9.25}, {"c", 3, "\xE1", -1.0}, {"d", 4, "a", 9.25}});
    Table table(file, OpenMode::Exclusive);
    table.setIndexOrder("HORAS");
    EXPECT_EQ(Walk(table), "c b d a ");
    table.setIndexOrder("PROF");
    EXPECT_EQ(Walk(table), "b d a c ") << "text compares by its bytes, case included";
    EXPECT_NE(ErrorOf([&] { table.setIndexOrder("NADA"); }).find("no tiene el campo NADA"), std::string::npos);
    EXPECT_EQ(Walk(table), "b d a c ") << "a refused order keeps the one before";
}

TEST_F(DbfNavigation, RowsAppendedUnderAnIndexOrderTakeTheirPlace) {
    Build({{"a", 10}, {"b", 30}});
    Table table(file, OpenMode::Exclusive);
    table.setIndexOrder("ORDEN");
    table.append();
    table.setText("TAG", "c");
    table.setInteger("ORDEN", 20);
    table.post();
    EXPECT_EQ(table.asText("TAG"), "c") << "the posted row stays current";
    table.next();
    EXPECT_EQ(table.asText("TAG"), "b");
    table.append();
    table.setText("TAG", "d");
    table.setInteger("ORDEN", 10);
    EXPECT_EQ(Walk(table), "a d c b ") << "moving posts the pending row";
    EXPECT_EQ(table.recordCount(), 4u);
}

TEST_F(DbfNavigation, FilterIsExactAndCaseSensitive) {
    Build({{"a", 1, "ABC"}, {"b", 2, "abc"}, {"c", 3, "ABC "}, {"d", 4, "AB"}, {"e", 5, "O'NEIL"},
           {"f", 6, " ABC"}});
    Table table(file, OpenMode::Exclusive);
    table.next();
    table.setFilter("prof", "ABC");
    EXPECT_EQ(table.asText("TAG"), "a") << "setting the filter goes to the first row";
    EXPECT_EQ(Walk(table), "a c ") << "trailing padding is not part of the value";
    table.setFilter("PROF", "abc");
    EXPECT_EQ(Walk(table), "b ");
    table.setFilter("PROF", "O'NEIL");
    EXPECT_EQ(Walk(table), "e ");
    table.setFilter("PROF", "ZZZ");
    EXPECT_TRUE(table.eof());
    EXPECT_EQ(table.asText("PROF"), "");
    EXPECT_EQ(table.recordCount(), 6u) << "the count ignores the filter";
    table.clearFilter();
    EXPECT_EQ(Walk(table), "a b c d e f ");
}

TEST_F(DbfNavigation, FilterAndIndexOrderTogether) {
    Build({{"a", 3, "P"}, {"b", 1, "Q"}, {"c", 2, "P"}, {"d", 1, "P"}});
    Table table(file, OpenMode::Exclusive);
    table.setIndexOrder("ORDEN");
    table.setFilter("PROF", "P");
    EXPECT_EQ(Walk(table), "d c a ");
    EXPECT_TRUE(table.locate("ORDEN", 2));
    EXPECT_EQ(table.asText("TAG"), "c");
    EXPECT_TRUE(table.locate("ORDEN", 1));
    EXPECT_EQ(table.asText("TAG"), "d") << "locate stays inside the filter";
}

TEST_F(DbfNavigation, EditingARowInPlaceIsKept) {
    Build({{"a", 3, "P"}, {"b", 1, "Q"}});
    {
        Table table(file, OpenMode::Exclusive);
        table.setFilter("PROF", "P");
        table.setText("PROF", "Q"); // the current row leaves the filter
        table.next();
        EXPECT_TRUE(table.eof());
        table.clearFilter();
        table.next();
        table.setInteger("ORDEN", 9);
    }
    Table table(file, OpenMode::Shared);
    EXPECT_EQ(table.asText("PROF"), "Q");
    table.next();
    EXPECT_EQ(table.asInteger("ORDEN"), 9);
}

TEST_F(DbfNavigation, AnUnpostedRowIsDroppedOnClose) {
    Build({{"a", 1}});
    {
        Table table(file, OpenMode::Exclusive);
        table.append();
        table.setText("TAG", "b");
        table.post();
        table.append();
        table.setText("TAG", "lost");
        EXPECT_EQ(table.recordCount(), 2u) << "a pending row is not counted";
        table.close();
    }
    {
        Table table(file, OpenMode::Exclusive);
        EXPECT_EQ(Walk(table), "a b ");
        table.append();
        table.setText("TAG", "gone"); // and the destructor closes without it
    }
    Table table(file, OpenMode::Exclusive);
    EXPECT_EQ(Walk(table), "a b ");
}

TEST_F(DbfNavigation, DeletedRecordsOfForeignFilesAreSkipped) {
    tt::testing::WriteFile(file, tt::testing::DbfImage(0x03, {{"TAG", 'C', 1}, {"ORDEN", 'N', 3}},
                                                       {"*x  5", " a  7", "*y  5", " b  5", " c  1"}));
    Table table(file, OpenMode::Exclusive);
    EXPECT_EQ(table.recordCount(), 3u);
    EXPECT_EQ(Walk(table), "a b c ");
    EXPECT_TRUE(table.locate("ORDEN", 5));
    EXPECT_EQ(table.asText("TAG"), "b");
    table.setIndexOrder("ORDEN");
    EXPECT_EQ(Walk(table), "c b a ");
    table.setFilter("TAG", "x");
    EXPECT_TRUE(table.eof());
}

TEST_F(DbfNavigation, SharedTablesAreReadOnlyAndClosedTablesRefuseWork) {
    Build({{"a", 1}});
    Table shared(file, OpenMode::Shared);
    EXPECT_NE(ErrorOf([&] { shared.append(); }).find("está abierta solo para lectura"), std::string::npos);
    EXPECT_NE(ErrorOf([&] { shared.setText("TAG", "x"); }).find(file.string()), std::string::npos);
    shared.close();
    shared.close();
    EXPECT_FALSE(shared.isOpen());
    EXPECT_EQ(shared.path(), file);
    EXPECT_EQ(ErrorOf([&] { shared.first(); }), "La tabla " + file.string() + " está cerrada");
}

TEST_F(DbfNavigation, MovingATableMovesItsLock) {
    Build({{"a", 1}});
    const auto other = dir / "OTRA.DBF";
    CreateTable(other, {{"X", FieldType::Logical}});
    Table first(file, OpenMode::Exclusive);
    Table second(other, OpenMode::Exclusive);
    second = std::move(first);
    Table reopened(other, OpenMode::Exclusive); // the table second held was closed
    EXPECT_EQ(second.path(), file);
    EXPECT_EQ(second.asText("TAG"), "a");
    EXPECT_FALSE(first.isOpen());
    EXPECT_EQ(ErrorOf([&] { first.eof(); }), "La tabla no está abierta");
    EXPECT_NE(ErrorOf([&] { Table again(file, OpenMode::Shared); }).find("bloqueada"), std::string::npos);
    Table third(std::move(second));
    EXPECT_EQ(third.asInteger("ORDEN"), 1);
}

TEST_F(DbfNavigation, AnOrderThatCannotBeBuiltIsRefusedAndTheOldOneKept) {
    tt::testing::WriteFile(file, tt::testing::DbfImage(0x03, {{"TAG", 'C', 1}, {"ORDEN", 'N', 3}},
                                                       {" b  2", " xabc", " a  1"}));
    Table table(file, OpenMode::Exclusive);
    table.setIndexOrder("TAG");
    EXPECT_EQ(ErrorOf([&] { table.setIndexOrder("ORDEN"); }), "'abc' no es un valor entero válido");
    EXPECT_EQ(Walk(table), "a b x ");
}

} // namespace
