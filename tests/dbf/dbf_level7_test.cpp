// Level 7 tables as other dBase tools write them: binary long (I), double
// (O) and timestamp (@) fields, long names, field properties after the list.

#include "dbf_test_support.hpp"
#include "platform/dbf/dbf_table.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

namespace {

using namespace tt::dbf;
using tt::testing::DbfImage;
using tt::testing::ErrorOf;
using tt::testing::ReadFile;
using tt::testing::TempDir;
using tt::testing::WriteFile;

std::string Bytes(std::initializer_list<unsigned char> bytes) { return std::string(bytes.begin(), bytes.end()); }

// I: big-endian, sign bit inverted.
const std::string kLong6101 = Bytes({0x80, 0x00, 0x17, 0xD5});
const std::string kLongMinus1 = Bytes({0x7F, 0xFF, 0xFF, 0xFF});
const std::string kLongZero = Bytes({0x80, 0x00, 0x00, 0x00});
const std::string kNoValue4(4, '\0');
// O: big-endian double, sign bit set when positive, all bits inverted when negative.
const std::string kDouble2_5 = Bytes({0xC0, 0x04, 0, 0, 0, 0, 0, 0});     // 2.5 = 0x4004000000000000
const std::string kDoubleMinus2_5 = Bytes({0x3F, 0xFB, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
const std::string kDoubleZero = Bytes({0x80, 0, 0, 0, 0, 0, 0, 0});
const std::string kNoValue8(8, '\0');
// @: milliseconds from 0001-01-01 as day 1; 2013-08-27 19:12:13.
const std::string kStamp = Bytes({0x42, 0xCC, 0xE1, 0xEC, 0x41, 0xFB, 0x64, 0x00});
constexpr std::int64_t kStampMs = 63513313933000;

class DbfLevel7 : public ::testing::Test {
protected:
    void SetUp() override {
        const std::vector<std::string> records = {
            "*" + kLong6101 + "DEL  " + kDouble2_5 + kStamp + "T",   // deleted: never found
            " " + kLongMinus1 + "BACH " + kDoubleMinus2_5 + kNoValue8 + "F",
            " " + kLong6101 + "ESO  " + kDouble2_5 + kStamp + "T",
            " " + kLongZero + "FP   " + kDoubleZero + kNoValue8 + " ",
            " " + kNoValue4 + "     " + kNoValue8 + kNoValue8 + "?",
        };
        // Field properties follow the list; only the header length tells where records start.
        image = DbfImage(0x04,
                         {{"X_OFERTAMATRIG", 'I', 4}, {"NIVEL_ABREV", 'C', 5}, {"PRECIO_MEDIO", 'O', 8},
                          {"ALTA", '@', 8}, {"ACTIVO", 'L', 1}},
                         records, std::string(20, '\x7F'));
        WriteFile(file, image);
    }
    TempDir dir;
    std::filesystem::path file = dir / "NIVELEX.DBF";
    std::string image;
};

TEST_F(DbfLevel7, ReadsEveryBinaryType) {
    Table table(file, OpenMode::Shared);
    ASSERT_EQ(table.fields().size(), 5u);
    EXPECT_EQ(table.fields()[0].name, "X_OFERTAMATRIG");
    EXPECT_EQ(table.fields()[0].type, FieldType::Integer);
    EXPECT_EQ(table.fields()[2].type, FieldType::Float);
    EXPECT_EQ(table.fields()[3].type, FieldType::Integer);
    EXPECT_EQ(table.recordCount(), 4u);

    struct Expected {
        std::string ofertaText;
        std::int64_t oferta;
        std::string nivel;
        std::string precioText;
        double precio;
        std::int64_t alta;
        bool activo;
    };
    const std::vector<Expected> rows = {
        {"-1", -1, "BACH", "-2.5", -2.5, 0, false},
        {"6101", 6101, "ESO", "2.5", 2.5, kStampMs, true},
        {"0", 0, "FP", "0", 0.0, 0, false},
        {"", 0, "", "", 0.0, 0, false},
    };
    for (const Expected& row : rows) {
        SCOPED_TRACE(row.nivel);
        ASSERT_FALSE(table.eof());
        EXPECT_EQ(table.asText("X_OFERTAMATRIG"), row.ofertaText);
        EXPECT_EQ(table.asInteger("X_OFERTAMATRIG"), row.oferta);
        EXPECT_EQ(table.asText("NIVEL_ABREV"), row.nivel);
        EXPECT_EQ(table.asText("PRECIO_MEDIO"), row.precioText);
        EXPECT_DOUBLE_EQ(table.asFloat("PRECIO_MEDIO"), row.precio);
        EXPECT_EQ(table.asInteger("ALTA"), row.alta);
        EXPECT_EQ(table.asBool("ACTIVO"), row.activo);
        table.next();
    }
    EXPECT_TRUE(table.eof());
}

TEST_F(DbfLevel7, LocateAndOrderUseTheBinaryValues) {
    Table table(file, OpenMode::Shared);
    EXPECT_TRUE(table.locate("x_ofertamatrig", 6101));
    EXPECT_EQ(table.asText("NIVEL_ABREV"), "ESO") << "the deleted row before it is skipped";
    EXPECT_TRUE(table.locate("X_OFERTAMATRIG", 0));
    EXPECT_EQ(table.asText("NIVEL_ABREV"), "FP") << "a field with no value is not 0";
    EXPECT_FALSE(table.locate("PRECIO_MEDIO", -2));
    table.setIndexOrder("PRECIO_MEDIO");
    std::string order;
    for (; !table.eof(); table.next()) order += table.asText("NIVEL_ABREV") + "/";
    EXPECT_EQ(order, "BACH/FP//ESO/") << "no value sorts as 0; equal keys keep their order";
}

TEST_F(DbfLevel7, WritesBinaryFieldsOfForeignTables) {
    {
        Table table(file, OpenMode::Exclusive);
        table.setInteger("X_OFERTAMATRIG", -2);   // the BACH row
        table.setFloat("PRECIO_MEDIO", 1.0);
        table.next();
        EXPECT_NE(ErrorOf([&] { table.setInteger("X_OFERTAMATRIG", 2147483648LL); }).find("no cabe"), std::string::npos);
        EXPECT_NE(ErrorOf([&] { table.setInteger("ALTA", 1); }).find("No se puede modificar el campo ALTA"),
                  std::string::npos);
        table.append();
        table.setText("X_OFERTAMATRIG", "7");
        table.setText("NIVEL_ABREV", "CFGM");
        table.setFloat("PRECIO_MEDIO", -0.25);
        table.post();
        table.close();
    }
    const std::string bytes = ReadFile(file);
    const std::size_t headerLength = 68 + 5 * 48 + 1 + 20;
    const std::size_t recordLength = 1 + 4 + 5 + 8 + 8 + 1;
    EXPECT_EQ(bytes.substr(32, headerLength - 32), image.substr(32, headerLength - 32))
        << "names, properties and language driver name kept";
    EXPECT_EQ(bytes.substr(headerLength, recordLength), image.substr(headerLength, recordLength))
        << "deleted record kept";
    const std::string changed = bytes.substr(headerLength + recordLength, recordLength);
    EXPECT_EQ(changed.substr(1, 4), Bytes({0x7F, 0xFF, 0xFF, 0xFE}));
    EXPECT_EQ(changed.substr(10, 8), Bytes({0xBF, 0xF0, 0, 0, 0, 0, 0, 0}));
    const std::string added = bytes.substr(headerLength + 5 * recordLength, recordLength);
    EXPECT_EQ(added.substr(0, 10), " " + Bytes({0x80, 0, 0, 7}) + "CFGM ");
    EXPECT_EQ(added.substr(10, 8), Bytes({0x40, 0x2F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})); // ~0xBFD0000000000000
    EXPECT_EQ(added.substr(18, 9), std::string(8, '\0') + " ") << "unset binary fields hold no value";
    EXPECT_EQ(bytes.size(), headerLength + 6 * recordLength + 1);
}

} // namespace
