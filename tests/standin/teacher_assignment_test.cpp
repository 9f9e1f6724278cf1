#include "department_match.hpp"
#include "teacher_assignment.hpp"
#include "working_folder.hpp"

#include "text/codepage.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tt::standin {
namespace {

// Texts in the tables are Windows-1252; the cases are written in UTF-8.
Profesor ProfesorDe(const std::string& codigo, const std::string& departamento) {
    return {codigo, text::Narrow(departamento)};
}

Asignacion AsignacionDe(const std::string& nombre, int sesiones = 4) {
    return {"COD", "1A", text::Narrow(nombre), sesiones};
}

const std::vector<Profesor>& Claustro() {
    static const std::vector<Profesor> claustro = {
        ProfesorDe("LEN", "Lengua Castellana y Literatura"),
        ProfesorDe("MAT", "Matemáticas"),
        ProfesorDe("GH", "Geografía e Historia"),
        ProfesorDe("BG", "Biología y Geología"),
        ProfesorDe("FQ", "Física y Química"),
        ProfesorDe("EF", "Educación Física"),
        ProfesorDe("DIB", "Dibujo"),
        ProfesorDe("FIL", "Filosofía"),
        ProfesorDe("TEC", "Tecnología"),
        ProfesorDe("ORI", "Orientación"),
    };
    return claustro;
}

struct CasoAfinidad {
    std::string asignatura;
    std::string departamento; // "" when no department fits
};

void PrintTo(const CasoAfinidad& caso, std::ostream* os) { *os << caso.asignatura; }

class ProfesoresAfinesCasos : public ::testing::TestWithParam<CasoAfinidad> {};

TEST_P(ProfesoresAfinesCasos, PicksTheDepartmentOfTheSubject) {
    const auto& caso = GetParam();
    const auto afines = ProfesoresAfines(text::Narrow(caso.asignatura), Claustro());
    if (caso.departamento.empty()) {
        EXPECT_TRUE(afines.empty());
        return;
    }
    ASSERT_EQ(afines.size(), 1u) << caso.asignatura;
    EXPECT_EQ(Claustro()[afines.front()].departamento, text::Narrow(caso.departamento))
        << caso.asignatura;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ProfesoresAfinesCasos,
    ::testing::Values(
        CasoAfinidad{"Lengua Castellana y Literatura II", "Lengua Castellana y Literatura"},
        CasoAfinidad{"Matemáticas Aplicadas a las Ciencias Sociales I", "Matemáticas"},
        // One word with each of two departments: the one it covers wholly wins.
        CasoAfinidad{"Historia de la Filosofía", "Filosofía"},
        CasoAfinidad{"Educación Física", "Educación Física"},
        CasoAfinidad{"EDUCACIÓN FÍSICA", "Educación Física"},
        CasoAfinidad{"Química", "Física y Química"},
        CasoAfinidad{"Biología, Geología y Ciencias Ambientales", "Biología y Geología"},
        CasoAfinidad{"Educación Plástica, Visual y Audiovisual", "Dibujo"},
        CasoAfinidad{"Tecnología y Digitalización", "Tecnología"},
        CasoAfinidad{"Robótica", ""},
        CasoAfinidad{"", ""}));

std::vector<int> Cargas(const std::vector<std::string>& elegidos, const std::vector<Asignacion>& filas,
                        const std::vector<Profesor>& profesores) {
    std::vector<int> cargas(profesores.size(), 0);
    for (std::size_t i = 0; i < elegidos.size(); ++i)
        for (std::size_t p = 0; p < profesores.size(); ++p)
            if (profesores[p].codigo == elegidos[i]) cargas[p] += filas[i].sesiones;
    return cargas;
}

TEST(RepartirProfesores, BalancesTheDepartmentsTeachers) {
    const std::vector<Profesor> profesores = {ProfesorDe("M1", "Matemáticas"), ProfesorDe("L1", "Lengua"),
                                              ProfesorDe("M2", "Matemáticas")};
    const std::vector<Asignacion> filas(5, AsignacionDe("Matemáticas I"));
    const auto elegidos = RepartirProfesores(filas, profesores, 30);
    EXPECT_EQ(elegidos, (std::vector<std::string>{"M1", "M2", "M1", "M2", "M1"}));
}

TEST(RepartirProfesores, OverflowsToTheLeastLoadedTeacherWithRoom) {
    const std::vector<Profesor> profesores = {ProfesorDe("M1", "Matemáticas"), ProfesorDe("L1", "Lengua"),
                                              ProfesorDe("O1", "Orientación")};
    const std::vector<Asignacion> filas = {AsignacionDe("Lengua"), AsignacionDe("Matemáticas", 4),
                                           AsignacionDe("Matemáticas", 4), AsignacionDe("Matemáticas", 4)};
    const auto elegidos = RepartirProfesores(filas, profesores, 8);
    EXPECT_EQ(elegidos, (std::vector<std::string>{"L1", "M1", "M1", "O1"}));
    for (int carga : Cargas(elegidos, filas, profesores)) EXPECT_LE(carga, 8);
}

TEST(RepartirProfesores, KeepsTheDepartmentWhenNobodyHasRoom) {
    const std::vector<Profesor> profesores = {ProfesorDe("M1", "Matemáticas"), ProfesorDe("L1", "Lengua")};
    const std::vector<Asignacion> filas = {AsignacionDe("Lengua", 3), AsignacionDe("Matemáticas", 3),
                                           AsignacionDe("Matemáticas", 3)};
    EXPECT_EQ(RepartirProfesores(filas, profesores, 4), (std::vector<std::string>{"L1", "M1", "M1"}));
}

TEST(RepartirProfesores, NeverPicksATeacherWithoutCode) {
    const std::vector<Profesor> profesores = {ProfesorDe(" ", "Matemáticas"), ProfesorDe("X", "Lengua")};
    EXPECT_EQ(RepartirProfesores({AsignacionDe("Matemáticas")}, profesores, 30),
              (std::vector<std::string>{"X"}));
    EXPECT_EQ(RepartirProfesores({AsignacionDe("Matemáticas")}, {profesores.front()}, 30),
              (std::vector<std::string>{""}));
}

TEST(NumeroSesiones, CountsOnesAndTheDecimalPrefix) {
    const std::vector<std::pair<std::string, int>> casos = {
        {"1111", 4}, {"", 0}, {"  11  ", 2}, {"1211", 3},
        {"1111111111111", 13},      // thirteen: no prefix yet
        {"21111111111111", 15},     // 2 + 13
        {"111111111111111", 24},    // 11 + 13
        {"x1111111111111", 13},     // a prefix that is no number adds nothing
    };
    for (const auto& [patron, sesiones] : casos) EXPECT_EQ(NumeroSesiones(patron), sesiones) << patron;
}

} // namespace
} // namespace tt::standin
