// Damaged, truncated and hostile files: a clear error naming the file, never
// a crash or a read outside the file (the sanitizer build watches).

#include "dbf_test_support.hpp"
#include "platform/dbf/dbf_table.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace tt::dbf;
using tt::testing::DbfImage;
using tt::testing::ErrorOf;
using tt::testing::PutLE;
using tt::testing::RawField;
using tt::testing::TempDir;
using tt::testing::WriteFile;

// NOMBRE C5, NUM N4: header 32 + 2 × 32 + 1 = 97 bytes, records of 10.
std::string Sound() {
    return DbfImage(0x03, {{"NOMBRE", 'C', 5}, {"NUM", 'N', 4}}, {" Ana     7", " Eva    12"});
}
constexpr std::size_t kSoundHeader = 97;
constexpr std::size_t kSoundRecords = 2 * 10;

std::string SoundLevel7() {
    return DbfImage(0x04, {{"X_OFERTAMATRIG", 'I', 4}}, {std::string(" \x80\x00\x00\x01", 5)});
}

class DbfMalformed : public ::testing::Test {
protected:
    std::string OpenError(const std::string& image) {
        WriteFile(file, image);
        return ErrorOf([&] { Table table(file, OpenMode::Exclusive); });
    }
    TempDir dir;
    std::filesystem::path file = dir / "ROTA.DBF";
};

TEST_F(DbfMalformed, EachDamageIsReportedWithTheFileAndTheProblem) {
    struct Damage {
        std::string label;
        std::function<std::string()> image;
        std::string problem;
    };
    const auto changed = [](std::function<void(std::string&)> change, std::string image = Sound()) {
        return [change, image]() mutable {
            change(image);
            return image;
        };
    };
    std::vector<RawField> tooMany(1025, RawField{"C", 'C', 1});
    const std::vector<Damage> damages = {
        {"empty file", [] { return std::string(); }, "es más corto que un encabezado"},
        {"shorter than a header", changed([](std::string& s) { s.resize(20); }), "es más corto que un encabezado"},
        {"unknown version", changed([](std::string& s) { s[0] = 0x30; }), "versión de formato no admitida (0x30)"},
        {"dBase II version", changed([](std::string& s) { s[0] = 0x02; }), "versión de formato no admitida (0x02)"},
        {"header length too small", changed([](std::string& s) { PutLE(s, 8, 10, 2); }), "la longitud del encabezado (10) no es válida"},
        {"header length past the end", changed([](std::string& s) { PutLE(s, 8, 5000, 2); }), "es más corto que su encabezado"},
        {"no end of the field list", changed([](std::string& s) { s[96] = 'X'; }), "falta la marca de fin de la lista de campos"},
        {"no fields", [] { return DbfImage(0x03, {}, {}); }, "no tiene campos"},
        {"record length off by one", changed([](std::string& s) { PutLE(s, 10, 11, 2); }), "la longitud de registro (11) no corresponde a sus campos (10)"},
        {"zero record length", changed([](std::string& s) { PutLE(s, 10, 0, 2); }), "la longitud de registro (0)"},
        {"more records declared than present", changed([](std::string& s) { PutLE(s, 4, 3, 4); }), "declara 3 registros pero el archivo solo contiene 2"},
        {"record count near 2^32", changed([](std::string& s) { PutLE(s, 4, 0xFFFFFFFF, 4); }), "declara 4294967295 registros"},
        {"field of width 0", changed([](std::string& s) { s[32 + 16] = 0; }), "el campo NOMBRE tiene ancho 0"},
        {"unknown type", changed([](std::string& s) { s[32 + 11] = 'Q'; }), "el campo NOMBRE tiene un tipo no admitido ('Q')"},
        {"type byte 0", changed([](std::string& s) { s[32 + 11] = 0; }), "tipo no admitido (byte 0x00)"},
        {"nameless field", changed([](std::string& s) { s[64] = 0; }), "el campo 2 no tiene nombre"},
        {"control character in a name", changed([](std::string& s) { s[33] = 0x01; }), "el nombre del campo 1 no es válido"},
        {"decimals not below width", changed([](std::string& s) { s[64 + 17] = 4; }), "el campo NUM tiene más decimales que ancho"},
        {"long character width that does not add up", changed([](std::string& s) { s[32 + 17] = 1; }), "no corresponde a sus campos (266)"},
        {"logical of width 2", [] { return DbfImage(0x03, {{"L", 'L', 2}}, {" TT"}); }, "el campo L de tipo 'L' tiene ancho 2 en lugar de 1"},
        {"long integer of width 2", [] { return DbfImage(0x04, {{"I", 'I', 2}}, {" ab"}); }, "tiene ancho 2 en lugar de 4"},
        {"double of width 4", [] { return DbfImage(0x04, {{"O", 'O', 4}}, {" abcd"}); }, "tiene ancho 4 en lugar de 8"},
        {"bad deletion flag", changed([](std::string& s) { s[kSoundHeader + 10] = 'X'; }), "el registro 2 tiene una marca de borrado no válida (0x58)"},
        {"more than 1024 fields", [tooMany] { return DbfImage(0x03, tooMany, {}); }, "tiene más de 1024 campos"},
        {"level 7 header cut short", changed([](std::string& s) { s.resize(50); }, SoundLevel7()), "es más corto que su encabezado"},
        {"level 7 header length inside the fixed part", changed([](std::string& s) { PutLE(s, 8, 60, 2); }, SoundLevel7()), "la longitud del encabezado (60)"},
        {"level 7 descriptor cut by the header length", changed([](std::string& s) { PutLE(s, 8, 100, 2); }, SoundLevel7()), "falta la marca de fin de la lista de campos"},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.label);
        const std::string message = OpenError(damage.image());
        EXPECT_EQ(message.find("La tabla " + file.string() + " está dañada: "), 0u) << message;
        EXPECT_NE(message.find(damage.problem), std::string::npos) << message;
    }
}

TEST_F(DbfMalformed, HarmlessOddities) {
    struct Oddity {
        std::string label;
        std::string image;
    };
    const std::string sound = Sound();
    const std::vector<Oddity> oddities = {
        {"bytes after the end marker", sound + "garbage that some tools leave"},
        {"no end marker", sound.substr(0, sound.size() - 1)},
        {"a byte between the field list and the records",
         DbfImage(0x03, {{"NOMBRE", 'C', 5}, {"NUM", 'N', 4}}, {" Ana     7", " Eva    12"}, std::string(1, '\0'))},
        {"dBase IV version with memo", [&] {
             std::string s = sound;
             s[0] = static_cast<char>(0x8B);
             return s;
         }()},
    };
    for (const Oddity& oddity : oddities) {
        SCOPED_TRACE(oddity.label);
        WriteFile(file, oddity.image);
        Table table(file, OpenMode::Shared);
        EXPECT_EQ(table.recordCount(), 2u);
        table.next();
        EXPECT_EQ(table.asInteger("NUM"), 12);
    }
}

TEST_F(DbfMalformed, MemoFieldsReadButAreNotWritten) {
    WriteFile(file, DbfImage(0x83, {{"NOTA", 'M', 10}, {"COD", 'C', 2}}, {"         12AB"}));
    Table table(file, OpenMode::Exclusive);
    EXPECT_EQ(table.asInteger("NOTA"), 12);
    EXPECT_EQ(table.asText("COD"), "AB");
    EXPECT_NE(ErrorOf([&] { table.setText("NOTA", "1"); }).find("No se puede modificar el campo NOTA"), std::string::npos);
}

TEST_F(DbfMalformed, EveryTruncationIsCaught) {
    const std::string sound = Sound();
    for (std::size_t size = 0; size < sound.size(); ++size) {
        SCOPED_TRACE(size);
        WriteFile(file, sound.substr(0, size));
        if (size >= kSoundHeader + kSoundRecords) {
            Table table(file, OpenMode::Shared);
            EXPECT_EQ(table.recordCount(), 2u);
        } else {
            EXPECT_NE(ErrorOf([&] { Table table(file, OpenMode::Shared); }).find("está dañada"), std::string::npos);
        }
    }
}

// Every byte of a file set to values that matter to the format: the table
// either opens and every read works or fails with tt::Error, or opening fails
// with tt::Error.
void SurvivesEveryByteChange(const std::filesystem::path& file, const std::string& sound) {
    const unsigned char values[] = {0x00, 0x01, 0x0D, 0x20, 0x2A, 0x2D, 0x39, 0x7F, 0x80, 0xFF};
    for (std::size_t at = 0; at < sound.size(); ++at) {
        for (const unsigned char value : values) {
            std::string image = sound;
            image[at] = static_cast<char>(value);
            WriteFile(file, image);
            try {
                Table table(file, OpenMode::Shared);
                for (const FieldDef& field : table.fields()) {
                    const auto tolerate = [](const std::function<void()>& read) {
                        try {
                            read();
                        } catch (const tt::Error&) {
                        }
                    };
                    tolerate([&] { table.setIndexOrder(field.name); });
                    for (table.first(); !table.eof(); table.next()) {
                        tolerate([&] { table.asText(field.name); });
                        tolerate([&] { table.asInteger(field.name); });
                        tolerate([&] { table.asFloat(field.name); });
                        tolerate([&] { table.asBool(field.name); });
                    }
                    tolerate([&] { table.locate(field.name, 0); });
                    tolerate([&] { table.setFilter(field.name, "1"); });
                }
            } catch (const tt::Error&) {
            } catch (const std::exception& other) {
                ADD_FAILURE() << "byte " << at << " = " << int(value) << ": " << other.what();
            }
        }
    }
}

TEST_F(DbfMalformed, HostileBytesNeverCrash) {
    SurvivesEveryByteChange(file, Sound());
    const std::string allTypes = DbfImage(
        0x04,
        {{"I", 'I', 4}, {"O", 'O', 8}, {"T", '@', 8}, {"N", 'N', 3}, {"F", 'F', 4, 1}, {"L", 'L', 1}, {"D", 'D', 8}, {"C", 'C', 2}},
        {std::string(" \x80\x00\x00\x05\xC0\x04\x00\x00\x00\x00\x00\x00\x42\xCC\xE1\xEC\x41\xFB\x64\x00  7 1.5T20240131ab", 39),
         std::string("*\x7F\xFF\xFF\xFF\x3F\xFB\xFF\xFF\xFF\xFF\xFF\xFF\x00\x00\x00\x00\x00\x00\x00\x00-12-0.5F        cd", 39)});
    SurvivesEveryByteChange(file, allTypes);
}

} // namespace
