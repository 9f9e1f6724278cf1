#include "solve.hpp"

#include "error.hpp"
#include "soluc_checks.hpp"
#include "support/temp_dir.hpp"
#include "text/codepage.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>

namespace tt::standin {
namespace {

namespace fs = std::filesystem;
using tt::testing::Choques;
using tt::testing::EscribirTabla;
using tt::testing::LeccionSoluc;
using tt::testing::LeerSoluc;

// A school of two units and three teachers (one with nothing to teach), a
// two-hour day over seven days, of which only Monday to Friday count.
class CarpetaPequena : public ::testing::Test {
protected:
    void Escribir(bool minusculas = false, int horas = 2) {
        const auto nombre = [&](std::string tabla) {
            if (minusculas)
                std::transform(tabla.begin(), tabla.end(), tabla.begin(),
                               [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            return carpeta / tabla;
        };
        EscribirTabla(nombre("PROFT.DBF"), {"ABREV", "DEPART"},
                      {{"LCL", text::Narrow("Lengua Castellana y Literatura")},
                       {"ORI", text::Narrow("Orientación")},
                       {"MGL", text::Narrow("Matemáticas")},
                       {"MGL1", text::Narrow("Matemáticas")}});
        EscribirTabla(nombre("ASIGNOMT.DBF"), {"COD", "NOMBRE"},
                      {{"LCL", "Lengua Castellana y Literatura"},
                       {text::Narrow("Matemá"), text::Narrow("Matemáticas")},
                       {"GUARDIA", "Guardia"}});
        EscribirTabla(nombre("ASIGT.DBF"), {"CASIG", "CGRUP", "SESIONES"},
                      {{"LCL", text::Narrow("1º ESO A"), "1111"},
                       {"LCL", text::Narrow("1º ESO B"), "1111"},
                       {text::Narrow("Matemá"), text::Narrow("1º ESO A"), "1111"},
                       {text::Narrow("Matemá"), text::Narrow("1º ESO B"), "111"}});
        EscribirTabla(nombre("AULAT.DBF"), {"ABREV"}, {{"30101"}, {""}, {"Labora"}});
        EscribirTabla(nombre("GRUPOST.DBF"), {"ABREV"},
                      {{text::Narrow("1º ESO A")}, {text::Narrow("1º ESO B")}});
        std::vector<std::vector<std::string>> periodos;
        for (int h = 1; h <= horas; ++h)
            for (int d = 1; d <= 7; ++d) periodos.push_back({std::to_string(d), std::to_string(h)});
        EscribirTabla(nombre("DIASHORAST.DBF"), {"DIA", "HORA"}, periodos);
    }

    tt::testing::TempDir temp;
    fs::path carpeta = temp.path();
};

TEST_F(CarpetaPequena, WritesOneRowPerLessonWithTeacherPeriodAndHomeRoom) {
    Escribir();
    const auto resumen = Resolver(carpeta);
    EXPECT_EQ(resumen.asignaciones, 4u);
    EXPECT_EQ(resumen.colocadas, 15u);
    EXPECT_EQ(resumen.sinColocar, 0u);
    EXPECT_EQ(resumen.sinProfesor, 0u);
    EXPECT_EQ(resumen.soluc, carpeta / "SOLUC.DBF");

    const auto lecciones = LeerSoluc(resumen.soluc);
    ASSERT_EQ(lecciones.size(), 15u);
    EXPECT_THAT(Choques(lecciones), ::testing::IsEmpty());

    const std::string a = text::Narrow("1º ESO A");
    const std::string matematicas = text::Narrow("Matemá");
    std::set<std::string> profesoresDeMatematicas;
    for (std::size_t i = 0; i < lecciones.size(); ++i) {
        const auto& l = lecciones[i];
        SCOPED_TRACE(i);
        // Assignment by assignment, in ASIGT order.
        EXPECT_EQ(l.asig, i < 8 ? "LCL" : matematicas);
        EXPECT_EQ(l.grupo, (i < 4 || (i >= 8 && i < 12)) ? a : text::Narrow("1º ESO B"));
        EXPECT_GE(l.dia, 1);
        EXPECT_LE(l.dia, 5);
        EXPECT_GE(l.hora, 1);
        EXPECT_LE(l.hora, 2);
        EXPECT_EQ(l.tarea, "");
        EXPECT_EQ(l.aula, l.grupo == a ? "30101" : "Labora"); // blank room codes are passed over
        if (l.asig == "LCL") {
            EXPECT_EQ(l.prof, "LCL");
        } else {
            profesoresDeMatematicas.insert(l.prof);
        }
    }
    EXPECT_EQ(profesoresDeMatematicas, (std::set<std::string>{"MGL", "MGL1"}));
}

TEST_F(CarpetaPequena, FindsTablesInAnyLetterCaseAndReplacesTheOldSolution) {
    Escribir(/*minusculas=*/true);
    EscribirTabla(carpeta / "soluc.dbf", {"PROF"}, {{"VIEJO"}});

    const auto resumen = Resolver(carpeta);
    EXPECT_EQ(resumen.soluc, carpeta / "soluc.dbf");
    EXPECT_FALSE(fs::exists(carpeta / "SOLUC.DBF"));
    const auto lecciones = LeerSoluc(resumen.soluc);
    EXPECT_EQ(lecciones.size(), 15u);
    EXPECT_TRUE(std::none_of(lecciones.begin(), lecciones.end(),
                             [](const LeccionSoluc& l) { return l.prof == "VIEJO"; }));
}

TEST_F(CarpetaPequena, LessonsBeyondAFullWeekGetDayZero) {
    Escribir(/*minusculas=*/false, /*horas=*/1); // five periods: each unit has more lessons
    const auto resumen = Resolver(carpeta);
    EXPECT_EQ(resumen.colocadas, 10u);
    EXPECT_EQ(resumen.sinColocar, 5u);

    const auto lecciones = LeerSoluc(resumen.soluc);
    ASSERT_EQ(lecciones.size(), 15u);
    EXPECT_THAT(Choques(lecciones), ::testing::IsEmpty());
    for (const auto& l : lecciones) {
        if (l.dia == 0) {
            EXPECT_EQ(l.hora, 0);
        }
    }
}

TEST_F(CarpetaPequena, MissingTableIsReportedByName) {
    Escribir();
    fs::remove(carpeta / "GRUPOST.DBF");
    try {
        Resolver(carpeta);
        FAIL() << "sin error";
    } catch (const tt::Error& error) {
        EXPECT_THAT(error.what(), ::testing::HasSubstr("GRUPOST.DBF"));
    }
    EXPECT_FALSE(fs::exists(carpeta / "SOLUC.DBF"));
}

} // namespace
} // namespace tt::standin
