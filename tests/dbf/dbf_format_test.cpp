// The bytes the engine writes, compared with what dBase III+/IV and level 7
// readers expect, worked out by hand.

#include "dbf_test_support.hpp"
#include "platform/dbf/dbf_table.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <ctime>

namespace {

using namespace tt::dbf;
using tt::testing::DbfImage;
using tt::testing::ReadFile;
using tt::testing::TempDir;
using tt::testing::WriteFile;

std::string Today() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    return {static_cast<char>(local->tm_year), static_cast<char>(local->tm_mon + 1),
            static_cast<char>(local->tm_mday)};
}

// Bytes 1..3 carry the day of writing; the rest must match exactly.
void ExpectImage(const std::string& actual, std::string expected, const std::string& before,
                 const std::string& after) {
    ASSERT_EQ(actual.size(), expected.size());
    const std::string stamp = actual.substr(1, 3);
    EXPECT_TRUE(stamp == before || stamp == after) << "date bytes not today's";
    expected.replace(1, 3, stamp);
    for (std::size_t i = 0; i < actual.size(); ++i)
        EXPECT_EQ(static_cast<unsigned char>(actual[i]), static_cast<unsigned char>(expected[i]))
            << "byte " << i;
}

std::string Descriptor32(const std::string& name, char type, int width, int decimals) {
    std::string d(32, '\0');
    d.replace(0, name.size(), name);
    d[11] = type;
    d[16] = static_cast<char>(width);
    d[17] = static_cast<char>(decimals);
    return d;
}

std::string Descriptor48(const std::string& name, char type, int width, int decimals) {
    std::string d(48, '\0');
    d.replace(0, name.size(), name);
    d[32] = type;
    d[33] = static_cast<char>(width);
    d[34] = static_cast<char>(decimals);
    return d;
}

TEST(DbfFormat, TinyTableIsByteExact) {
    TempDir dir;
    const auto file = dir / "TINY.DBF";
    const std::string before = Today();
    CreateTable(file, {{"nombre", FieldType::Character, 5},
                       {"ACTIVO", FieldType::Logical},
                       {"NUM", FieldType::Integer},
                       {"HORAS", FieldType::Float},
                       {"FECHA", FieldType::Date}});
    {
        Table table(file, OpenMode::Exclusive);
        table.append();
        table.setText("NOMBRE", "Ana");
        table.setBool("ACTIVO", true);
        table.setInteger("NUM", -42);
        table.setFloat("HORAS", 4.0);
        table.setText("FECHA", "20240131");
        table.post();
        table.append(); // every field left blank
        table.post();
        table.close();
    }
    const std::string after = Today();

    // 32 + 5 descriptors × 32 + terminator = 193 = 0xC1; 1 + 5 + 1 + 11 + 20 + 8 = 46 = 0x2E.
    std::string expected("\x03"
                         "YMD"
                         "\x02\x00\x00\x00"
                         "\xC1\x00"
                         "\x2E\x00",
                         12);
    expected += std::string(16, '\0');      // reserved, transaction, encryption, multi-user
    expected += std::string("\x00\x03\x00\x00", 4); // no production index; cp1252 driver
    expected += Descriptor32("NOMBRE", 'C', 5, 0);
    expected += Descriptor32("ACTIVO", 'L', 1, 0);
    expected += Descriptor32("NUM", 'N', 11, 0);
    expected += Descriptor32("HORAS", 'N', 20, 4);
    expected += Descriptor32("FECHA", 'D', 8, 0);
    expected += '\x0D';
    expected += std::string(" ") + "Ana  " + "T" + "        -42" + "              4.0000" + "20240131";
    expected += std::string(46, ' ');
    expected += '\x1A';
    ExpectImage(ReadFile(file), expected, before, after);
}

TEST(DbfFormat, EmptyTableIsHeaderAndEndMarker) {
    TempDir dir;
    const auto file = dir / "EMPTY.DBF";
    CreateTable(file, {{"COD", FieldType::Character, 10}});
    const std::string bytes = ReadFile(file);
    ASSERT_EQ(bytes.size(), 32u + 32u + 1u + 1u);
    EXPECT_EQ(bytes.substr(4, 4), std::string(4, '\0'));
    EXPECT_EQ(bytes[64], '\x0D');
    EXPECT_EQ(bytes.back(), '\x1A');
}

TEST(DbfFormat, LongFieldNameMakesLevel7) {
    TempDir dir;
    const auto file = dir / "NIVELEX.DBF";
    const std::string before = Today();
    CreateTable(file, {{"X_OFERTAMATRIG", FieldType::Integer},
                       {"NIVEL_ABREV", FieldType::Character, 10},
                       {"ESTUDIO", FieldType::Character, 20}});
    {
        Table table(file, OpenMode::Exclusive);
        table.append();
        table.setInteger("X_OFERTAMATRIG", 6101);
        table.setText("NIVEL_ABREV", "ESO");
        table.setText("ESTUDIO", "Educaci\xF3n");
        table.post();
    }
    const std::string after = Today();

    // 68 + 3 × 48 + 1 = 213 = 0xD5; 1 + 11 + 10 + 20 = 42 = 0x2A.
    std::string expected("\x04"
                         "YMD"
                         "\x01\x00\x00\x00"
                         "\xD5\x00"
                         "\x2A\x00",
                         12);
    expected += std::string(16, '\0');
    expected += std::string("\x00\x03\x00\x00", 4);
    expected += std::string("DBWINWE0") + std::string(24, '\0'); // language driver name
    expected += std::string(4, '\0');
    expected += Descriptor48("X_OFERTAMATRIG", 'N', 11, 0);
    expected += Descriptor48("NIVEL_ABREV", 'C', 10, 0);
    expected += Descriptor48("ESTUDIO", 'C', 20, 0);
    expected += '\x0D';
    expected += std::string(" ") + "       6101" + "ESO       " + "Educaci\xF3n           ";
    expected += '\x1A';
    ExpectImage(ReadFile(file), expected, before, after);

    Table table(file, OpenMode::Shared);
    ASSERT_EQ(table.fields().size(), 3u);
    EXPECT_EQ(table.fields()[0].name, "X_OFERTAMATRIG");
    EXPECT_EQ(table.fields()[0].type, FieldType::Integer);
    EXPECT_TRUE(table.locate("x_ofertamatrig", 6101));
    EXPECT_EQ(table.asText("ESTUDIO"), "Educaci\xF3n");
}

TEST(DbfFormat, FieldDefinitionsAreCheckedBeforeTheFileIsTouched) {
    TempDir dir;
    const auto file = dir / "T.DBF";
    tt::testing::WriteFile(file, "keep me");
    struct Case {
        std::string label;
        std::vector<FieldDef> fields;
        std::vector<IndexDef> indexes;
        std::string problem;
    };
    const std::string name31(31, 'A');
    const std::vector<Case> cases = {
        {"no fields", {}, {}, "no tiene campos"},
        {"empty name", {{"", FieldType::Character, 5}}, {}, "no es válido"},
        {"name with a blank", {{"MI CAMPO", FieldType::Character, 5}}, {}, "'MI CAMPO' no es válido"},
        {"name starting with a digit", {{"1A", FieldType::Character, 5}}, {}, "no es válido"},
        {"accented name", {{"A\xD1O", FieldType::Character, 5}}, {}, "no es válido"},
        {"32-character name", {{name31 + "B", FieldType::Character, 5}}, {}, "no es válido"},
        {"repeated ignoring case", {{"COD", FieldType::Character, 5}, {"cod", FieldType::Integer}}, {}, "COD está repetido"},
        {"character width 0", {{"COD", FieldType::Character, 0}}, {}, "ancho 0"},
        {"character width 255", {{"COD", FieldType::Character, 255}}, {}, "ancho 255"},
        {"integer width 21", {{"N", FieldType::Integer, 21}}, {}, "ancho 21"},
        {"float without room for decimals", {{"F", FieldType::Float, 5, 4}}, {}, "ancho 5 y 4 decimales"},
        {"index on a missing field", {{"COD", FieldType::Character, 5}}, {{"ORDEN", "ORDEN"}}, "el índice ORDEN usa el campo ORDEN"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const std::string message = tt::testing::ErrorOf([&] { CreateTable(file, c.fields, c.indexes); });
        EXPECT_NE(message.find("No se puede crear la tabla " + file.string()), std::string::npos) << message;
        EXPECT_NE(message.find(c.problem), std::string::npos) << message;
        EXPECT_EQ(ReadFile(file), "keep me");
    }
    CreateTable(file, {{name31, FieldType::Character, 5}, {"orden", FieldType::Integer}}, {{"ORDEN", "Orden"}});
    Table table(file, OpenMode::Shared);
    EXPECT_EQ(table.fields()[0].name, name31);
    EXPECT_EQ(table.fields()[1].name, "ORDEN") << "names are stored upper-case";
}

TEST(DbfFormat, WritingBackKeepsForeignHeaderAndDeletedRecords) {
    TempDir dir;
    const auto file = dir / "SOLUC.DBF";
    std::string image = DbfImage(0x03, {{"PROF", 'C', 4}, {"DIA", 'N', 2}},
                                 {" ANA  1", "*EVA  2", " LUIS 3"});
    image[28] = 0x01; // a production index we do not keep up to date
    WriteFile(file, image);

    {
        Table untouched(file, OpenMode::Exclusive);
        untouched.close();
    }
    EXPECT_EQ(ReadFile(file), image) << "an unchanged table is not rewritten";

    {
        Table table(file, OpenMode::Exclusive);
        EXPECT_EQ(table.recordCount(), 2u);
        table.append();
        table.setText("PROF", "SARA");
        table.setInteger("DIA", 4);
        table.post();
        table.close();
    }
    const std::string bytes = ReadFile(file);
    const std::size_t headerLength = 32 + 2 * 32 + 1;
    EXPECT_EQ(bytes.substr(4, 4), std::string("\x04\x00\x00\x00", 4)) << "deleted record still counted";
    EXPECT_EQ(bytes[28], '\x00') << "production index flag cleared";
    EXPECT_EQ(bytes.substr(headerLength), std::string(" ANA  1*EVA  2 LUIS 3 SARA 4\x1A"));
    EXPECT_EQ(bytes.substr(32, headerLength - 32), image.substr(32, headerLength - 32));
}

} // namespace
