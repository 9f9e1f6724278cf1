// The shipped NIVELEX.DBF and the tool that builds it from data/nivelex.csv.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/dbf/dbf_table.hpp"
#include "support/temp_dir.hpp"
#include "text/codepage.hpp"
#include "text/split.hpp"

namespace {

namespace fs = std::filesystem;
using tt::testing::ReadFile;
using tt::testing::TempDir;
using tt::testing::WriteFile;

// Every row as "key;level;studies" in UTF-8, the CSV's own form.
std::vector<std::string> LineasDe(const fs::path& tabla) {
    tt::dbf::Table nivelex(tabla, tt::dbf::OpenMode::Shared);
    std::vector<std::string> lineas;
    for (; !nivelex.eof(); nivelex.next())
        lineas.push_back(std::to_string(nivelex.asInteger("X_OFERTAMATRIG")) + ";" +
                         tt::text::Widen(nivelex.asText("NIVEL_ABREV")) + ";" +
                         tt::text::Widen(nivelex.asText("ESTUDIO")));
    return lineas;
}

TEST(NivelexShipped, HoldsEveryLineOfItsSource) {
    const fs::path tabla = fs::path(TT_BIN_DIR) / "NIVELEX.DBF";
    auto lineas = tt::text::Partir(ReadFile(TT_NIVELEX_CSV), '\n');
    ASSERT_EQ(lineas.front(), "X_OFERTAMATRIG;NIVEL_ABREV;ESTUDIO");
    lineas.erase(lineas.begin());
    while (!lineas.empty() && lineas.back().empty()) lineas.pop_back();
    EXPECT_EQ(LineasDe(tabla), lineas);

    EXPECT_EQ(ReadFile(tabla).at(0), '\x04') << "level 7, as the long field names need";
    tt::dbf::Table nivelex(tabla, tt::dbf::OpenMode::Shared);
    EXPECT_EQ(nivelex.fields().at(0).type, tt::dbf::FieldType::Integer);
    ASSERT_TRUE(nivelex.locate("X_OFERTAMATRIG", 6101));
    EXPECT_EQ(nivelex.asText("ESTUDIO"), "Educaci\xF3n Secundaria Obligatoria") << "stored in Windows-1252";
}

int EjecutarMakeNivelex(const fs::path& csv, const fs::path& tabla) {
    const fs::path programa = fs::path(TT_BIN_DIR) / "make-nivelex";
    std::string orden = "\"" + programa.string() + "\" \"" + csv.string() + "\" \"" + tabla.string() + "\"";
#ifdef _WIN32
    orden = "\"" + orden + " 2>NUL\"";
#else
    orden += " 2>/dev/null";
#endif
    return std::system(orden.c_str());
}

TEST(MakeNivelex, ReadsBomAndWindowsLineEnds) {
    TempDir dir;
    WriteFile(dir / "n.csv", "\xEF\xBB\xBFX_OFERTAMATRIG;NIVEL_ABREV;ESTUDIO\r\n"
                             "7;ESO;Educación\r\n"
                             "-8;FPB;\r\n"
                             "\r\n");
    ASSERT_EQ(EjecutarMakeNivelex(dir / "n.csv", dir / "N.DBF"), 0);
    EXPECT_EQ(LineasDe(dir / "N.DBF"), (std::vector<std::string>{"7;ESO;Educación", "-8;FPB;"}));
}

TEST(MakeNivelex, RefusesDoubtfulLinesAndWritesNothing) {
    const std::string cabecera = "X_OFERTAMATRIG;NIVEL_ABREV;ESTUDIO\n";
    const std::vector<std::pair<std::string, std::string>> casos = {
        {"empty", ""},
        {"another header", "CLAVE;NIVEL;ESTUDIO\n1;ESO;x\n"},
        {"two fields", cabecera + "1;ESO\n"},
        {"four fields", cabecera + "1;ESO;x;y\n"},
        {"key not a number", cabecera + "61a;ESO;x\n"},
        {"key out of range", cabecera + "2147483648;ESO;x\n"},
        {"key given twice", cabecera + "1;ESO;x\n01;BACH;y\n"},
        {"level cut", cabecera + "1;BACHI2;x\n"},
        {"studies cut", cabecera + "1;ESO;" + std::string(81, 'x') + "\n"},
        {"outside Windows-1252", cabecera + "1;ESO;Flecha →\n"},
    };
    for (const auto& [nombre, csv] : casos) {
        SCOPED_TRACE(nombre);
        TempDir dir;
        WriteFile(dir / "n.csv", csv);
        EXPECT_NE(EjecutarMakeNivelex(dir / "n.csv", dir / "N.DBF"), 0);
        EXPECT_EQ(tt::testing::Snapshot(dir.path()).size(), 1u) << "only the CSV";
    }
}

} // namespace
