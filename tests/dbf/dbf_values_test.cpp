// Values through the engine: what is stored for each field type and how it
// reads back, blanks, cutting, and the values a field cannot take.

#include "dbf_test_support.hpp"
#include "platform/dbf/dbf_table.hpp"
#include "support/temp_dir.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <clocale>
#include <cmath>
#include <locale>
#include <cstdint>
#include <limits>
#include <optional>
#include <variant>

namespace {

using namespace tt::dbf;
using tt::testing::ErrorOf;
using tt::testing::ReadFile;
using tt::testing::TempDir;
using ::testing::HasSubstr;

using Value = std::variant<std::monostate, std::string, std::int64_t, double, bool>;

void Set(Table& table, const std::string& field, const Value& value) {
    if (const auto* text = std::get_if<std::string>(&value)) table.setText(field, *text);
    if (const auto* whole = std::get_if<std::int64_t>(&value)) table.setInteger(field, *whole);
    if (const auto* number = std::get_if<double>(&value)) table.setFloat(field, *number);
    if (const auto* flag = std::get_if<bool>(&value)) table.setBool(field, *flag);
}

struct RoundTrip {
    std::string label;
    FieldDef field;  // named "V"
    Value value;     // monostate: left blank
    std::string stored;
    std::string text;
    std::optional<std::int64_t> integer; // empty: asInteger must fail
    std::optional<double> number;        // empty: asFloat must fail
    bool flag = false;
};

class DbfRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

// The value goes in between two character fields, so a cell that spills over
// its width shows in the neighbours.
TEST_P(DbfRoundTrip, StoresAndReadsBack) {
    const RoundTrip& c = GetParam();
    TempDir dir;
    const auto file = dir / "T.DBF";
    FieldDef field = c.field;
    field.name = "V";
    CreateTable(file, {{"A", FieldType::Character, 1}, field, {"Z", FieldType::Character, 1}});
    {
        Table table(file, OpenMode::Exclusive);
        table.append();
        table.setText("A", "<");
        Set(table, "v", c.value);
        table.setText("Z", ">");
        table.post();
        table.close();
    }
    const std::string bytes = ReadFile(file);
    const std::size_t record = 32 + 3 * 32 + 1;
    EXPECT_EQ(bytes.substr(record, c.stored.size() + 3), " <" + c.stored + ">");

    Table table(file, OpenMode::Shared);
    EXPECT_EQ(table.asText("V"), c.text);
    if (c.integer)
        EXPECT_EQ(table.asInteger("V"), *c.integer);
    else
        EXPECT_THAT(ErrorOf([&] { table.asInteger("V"); }), HasSubstr("no es un valor entero válido"));
    if (c.number)
        EXPECT_DOUBLE_EQ(table.asFloat("V"), *c.number);
    else
        EXPECT_THAT(ErrorOf([&] { table.asFloat("V"); }), HasSubstr("no es un valor numérico válido"));
    EXPECT_EQ(table.asBool("V"), c.flag);
}

const FieldDef kText10{"", FieldType::Character, 10};
const FieldDef kText5{"", FieldType::Character, 5};
const FieldDef kLogical{"", FieldType::Logical};
const FieldDef kInteger{"", FieldType::Integer};
const FieldDef kFloat{"", FieldType::Float};
const FieldDef kFloat6x2{"", FieldType::Float, 6, 2};
const FieldDef kDate{"", FieldType::Date};

INSTANTIATE_TEST_SUITE_P(
    EveryType, DbfRoundTrip,
    ::testing::Values(
        RoundTrip{"text", kText10, std::string("Hola"), "Hola      ", "Hola", {}, {}},
        RoundTrip{"text keeps leading blanks", kText10, std::string("  x "), "  x       ", "  x", {}, {}},
        RoundTrip{"text cut to width", kText5, std::string("Educaci\xF3n"), "Educa", "Educa", {}, {}},
        RoundTrip{"text exactly the width", kText5, std::string("\xC1\xE9\xED\xF3\xFA"), "\xC1\xE9\xED\xF3\xFA", "\xC1\xE9\xED\xF3\xFA", {}, {}},
        RoundTrip{"digits in text", kText5, std::string(" 42 "), " 42  ", " 42", 42, 42.0},
        RoundTrip{"whole number into text", kText5, std::int64_t{-123}, "-123 ", "-123", -123, -123.0},
        RoundTrip{"truth into text", kText5, true, "T    ", "T", {}, {}, true},
        RoundTrip{"blank text", kText10, {}, "          ", "", 0, 0.0},
        RoundTrip{"empty text", kText10, std::string(), "          ", "", 0, 0.0},
        RoundTrip{"true", kLogical, true, "T", "T", 1, 1.0, true},
        RoundTrip{"false", kLogical, false, "F", "F", 0, 0.0},
        RoundTrip{"logical from text", kLogical, std::string("t"), "T", "T", 1, 1.0, true},
        RoundTrip{"logical from Spanish si", kLogical, std::string("S"), "T", "T", 1, 1.0, true},
        RoundTrip{"logical from text false", kLogical, std::string("falso"), "F", "F", 0, 0.0},
        RoundTrip{"blank logical", kLogical, {}, " ", "", 0, 0.0},
        RoundTrip{"integer", kInteger, std::int64_t{-42}, "        -42", "-42", -42, -42.0, true},
        RoundTrip{"largest 32-bit", kInteger, std::int64_t{2147483647}, " 2147483647", "2147483647", 2147483647, 2147483647.0, true},
        RoundTrip{"smallest 32-bit", kInteger, std::int64_t{-2147483648LL}, "-2147483648", "-2147483648", -2147483648LL, -2147483648.0, true},
        RoundTrip{"integer from text", kInteger, std::string(" +17 "), "         17", "17", 17, 17.0, true},
        RoundTrip{"integer from float rounds", kInteger, 2.7, "          3", "3", 3, 3.0, true},
        RoundTrip{"zero", kInteger, std::int64_t{0}, "          0", "0", 0, 0.0},
        RoundTrip{"blank integer", kInteger, {}, "           ", "", 0, 0.0},
        RoundTrip{"integer blanked by empty text", kInteger, std::string(""), "           ", "", 0, 0.0},
        RoundTrip{"float", kFloat, 4.0, "              4.0000", "4.0000", 4, 4.0, true},
        RoundTrip{"float rounded to 4 decimals", kFloat, 1234.56789, "           1234.5679", "1234.5679", 1235, 1234.5679, true},
        RoundTrip{"negative float", kFloat, -0.5, "             -0.5000", "-0.5000", -1, -0.5, true},
        RoundTrip{"tiny negative has no minus", kFloat, -0.00001, "              0.0000", "0.0000", 0, 0.0},
        RoundTrip{"whole number into float", kFloat, std::int64_t{7}, "              7.0000", "7.0000", 7, 7.0, true},
        RoundTrip{"float from text", kFloat, std::string("3.25"), "              3.2500", "3.2500", 3, 3.25, true},
        RoundTrip{"float of a chosen size", kFloat6x2, 3.14159, "  3.14", "3.14", 3, 3.14, true},
        RoundTrip{"blank float", kFloat, {}, std::string(20, ' '), "", 0, 0.0},
        RoundTrip{"date", kDate, std::string("20240229"), "20240229", "20240229", 20240229, 20240229.0},
        RoundTrip{"blank date", kDate, std::string(""), "        ", "", 0, 0.0}),
    [](const ::testing::TestParamInfo<RoundTrip>& info) {
        std::string name;
        for (const char c : info.param.label) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

class DbfValues : public ::testing::Test {
protected:
    void SetUp() override {
        CreateTable(file, {{"TEXTO", FieldType::Character, 3},
                           {"ENTERO", FieldType::Integer},
                           {"REAL", FieldType::Float},
                           {"CORTO", FieldType::Float, 6, 2},
                           {"SINO", FieldType::Logical},
                           {"FECHA", FieldType::Date}});
    }
    TempDir dir;
    std::filesystem::path file = dir / "VALORES.DBF";
};

TEST_F(DbfValues, ValuesAFieldCannotHoldAreRefusedAndNamed) {
    struct Case {
        std::string label;
        std::string field;
        Value value;
        std::string problem;
    };
    const std::vector<Case> cases = {
        {"integer wider than the field", "ENTERO", std::int64_t{123456789012}, "El valor 123456789012 no cabe en el campo ENTERO"},
        {"float wider than the field", "REAL", 1e16, "El valor 10000000000000000.0000 no cabe en el campo REAL"},
        {"float wider than a small field", "CORTO", 1000.0, "El valor 1000.00 no cabe en el campo CORTO"},
        {"number never cut into text", "TEXTO", std::int64_t{12345}, "El valor 12345 no cabe en el campo TEXTO"},
        {"text that is no integer", "ENTERO", std::string("abc"), "'abc' no es un valor entero válido para el campo ENTERO"},
        {"decimals into an integer field", "ENTERO", std::string("4.5"), "'4.5' no es un valor entero válido"},
        {"comma as decimal point", "REAL", std::string("3,5"), "'3,5' no es un valor numérico válido para el campo REAL"},
        {"infinity", "REAL", std::numeric_limits<double>::infinity(), "'inf' no es un número válido"},
        {"not a number", "CORTO", std::numeric_limits<double>::quiet_NaN(), "no es un número válido"},
        {"text as truth value", "SINO", std::string("quiz\xE1"), "'quizá' no es un valor lógico válido"},
        {"29 February of a common year", "FECHA", std::string("20230229"), "'20230229' no es una fecha válida"},
        {"date with dashes", "FECHA", std::string("2024-01-01"), "no es una fecha válida"},
        {"unknown field", "NOEXISTE", std::string("x"), "no tiene el campo NOEXISTE"},
    };
    Table table(file, OpenMode::Exclusive);
    table.append();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const std::string message = ErrorOf([&] { Set(table, c.field, c.value); });
        EXPECT_NE(message.find(c.problem), std::string::npos) << message;
        EXPECT_NE(message.find(file.string()), std::string::npos) << message;
    }
    table.post();
    EXPECT_EQ(table.asText("ENTERO"), "") << "a refused value leaves the field as it was";
    EXPECT_EQ(table.asText("REAL"), "");
    EXPECT_EQ(table.asText("FECHA"), "");
}

TEST_F(DbfValues, ReadingTextThatIsNoNumberFails) {
    Table table(file, OpenMode::Exclusive);
    table.append();
    table.setText("TEXTO", " 7a");
    EXPECT_EQ(ErrorOf([&] { table.asInteger("TEXTO"); }), "'7a' no es un valor entero válido");
    EXPECT_EQ(ErrorOf([&] { table.asFloat("TEXTO"); }), "'7a' no es un valor numérico válido");
    table.setText("TEXTO", "1.5");
    EXPECT_EQ(ErrorOf([&] { table.asInteger("TEXTO"); }), "'1.5' no es un valor entero válido");
    EXPECT_DOUBLE_EQ(table.asFloat("TEXTO"), 1.5);
    table.setText("TEXTO", "\xF1");
    EXPECT_EQ(ErrorOf([&] { table.asInteger("TEXTO"); }), "'ñ' no es un valor entero válido")
        << "the message is UTF-8 like every other";
    EXPECT_EQ(ErrorOf([&] { table.asText("nada"); }), "La tabla " + file.string() + " no tiene el campo nada");
}

TEST_F(DbfValues, FieldNamesIgnoreCaseAndFieldsKeepTheirDefinition) {
    Table table(file, OpenMode::Exclusive);
    EXPECT_TRUE(table.hasField("texto"));
    EXPECT_TRUE(table.hasField("Fecha"));
    EXPECT_FALSE(table.hasField("TEXT"));
    const auto& fields = table.fields();
    ASSERT_EQ(fields.size(), 6u);
    EXPECT_EQ(fields[1].name, "ENTERO");
    EXPECT_EQ(fields[1].type, FieldType::Integer);
    EXPECT_EQ(fields[1].width, 11);
    EXPECT_EQ(fields[2].type, FieldType::Float);
    EXPECT_EQ(fields[2].width, 20);
    EXPECT_EQ(fields[2].decimals, 4);
    EXPECT_EQ(fields[3].width, 6);
    EXPECT_EQ(fields[3].decimals, 2);
    EXPECT_EQ(fields[5].type, FieldType::Date);
}

TEST_F(DbfValues, ForeignNumericFieldsFullOfBlanksOrStarsReadAsEmpty) {
    tt::testing::WriteFile(file, tt::testing::DbfImage(0x03, {{"N", 'N', 4}, {"F", 'F', 6, 2}, {"L", 'L', 1}},
                                                       {"     ******?", " ****   1.5 ", "    5      t"}));
    Table table(file, OpenMode::Shared);
    for (int row = 0; row < 2; ++row, table.next()) {
        SCOPED_TRACE(row);
        EXPECT_EQ(table.asText("N"), "");
        EXPECT_EQ(table.asInteger("N"), 0);
        EXPECT_FALSE(table.asBool("L")) << "'?' and ' ' read as false";
    }
    table.first();
    EXPECT_EQ(table.asText("F"), "");
    table.next();
    EXPECT_DOUBLE_EQ(table.asFloat("F"), 1.5);
    EXPECT_EQ(table.asInteger("F"), 2) << "a float read as integer is rounded";
    table.next();
    EXPECT_EQ(table.asInteger("N"), 5);
    EXPECT_TRUE(table.asBool("L"));
}

// A user whose settings write "1.234,5": the tables must not change.
struct CommaDecimals : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

// Puts the comma locale in place for C++ streams and, where the machine has
// such a locale, for the C library; restores both on the way out.
class CommaLocale {
public:
    CommaLocale()
        : previous_(std::locale::global(std::locale(std::locale::classic(), new CommaDecimals))),
          previousC_(std::setlocale(LC_NUMERIC, nullptr)) {
        for (const char* name : {"es_ES.UTF-8", "es_ES.utf8", "de_DE.UTF-8", "fr_FR.UTF-8"})
            if (std::setlocale(LC_NUMERIC, name)) break;
    }
    ~CommaLocale() {
        std::setlocale(LC_NUMERIC, previousC_.c_str());
        std::locale::global(previous_);
    }

private:
    std::locale previous_;
    std::string previousC_;
};

TEST(DbfLocale, NumbersIgnoreTheUserLocale) {
    const CommaLocale comma;
    TempDir dir;
    const auto file = dir / "T.DBF";
    CreateTable(file, {{"REAL", FieldType::Float}, {"ENTERO", FieldType::Integer}});
    {
        Table table(file, OpenMode::Exclusive);
        table.append();
        table.setFloat("REAL", 1234.5);
        table.setInteger("ENTERO", 1234567);
        table.post();
        table.append();
        table.setText("REAL", "2.25");
        table.post();
    }
    EXPECT_NE(ReadFile(file).find("           1234.5000    1234567"), std::string::npos);
    Table table(file, OpenMode::Shared);
    EXPECT_DOUBLE_EQ(table.asFloat("REAL"), 1234.5);
    table.next();
    EXPECT_DOUBLE_EQ(table.asFloat("REAL"), 2.25);
}

} // namespace
