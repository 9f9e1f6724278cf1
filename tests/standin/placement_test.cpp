#include "lesson_placement.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <string>

namespace tt::standin {
namespace {

std::vector<Periodo> Semana(int dias, int horas) {
    std::vector<Periodo> periodos;
    for (int d = 1; d <= dias; ++d)
        for (int h = 1; h <= horas; ++h) periodos.push_back({d, h});
    return periodos;
}

// Lessons that share a teacher or a unit and sit in the same period.
int Choques(const std::vector<Sesion>& sesiones, const std::vector<int>& periodo) {
    std::set<std::pair<std::size_t, int>> profesores;
    std::set<std::pair<std::size_t, int>> grupos;
    int choques = 0;
    for (std::size_t e = 0; e < sesiones.size(); ++e) {
        if (periodo[e] == kSinPeriodo) continue;
        choques += !profesores.emplace(sesiones[e].profesor, periodo[e]).second;
        choques += !grupos.emplace(sesiones[e].grupo, periodo[e]).second;
    }
    return choques;
}

int SinColocar(const std::vector<int>& periodo) {
    return static_cast<int>(std::count(periodo.begin(), periodo.end(), kSinPeriodo));
}

struct Caso {
    std::string nombre;
    std::vector<Sesion> sesiones;
    std::vector<Periodo> periodos;
    int sinColocar;
};

void PrintTo(const Caso& caso, std::ostream* os) { *os << caso.nombre; }

class ColocarSesionesCasos : public ::testing::TestWithParam<Caso> {};

TEST_P(ColocarSesionesCasos, PlacesWithoutClashes) {
    const auto& caso = GetParam();
    const auto periodo = ColocarSesiones(caso.sesiones, caso.periodos);
    ASSERT_EQ(periodo.size(), caso.sesiones.size());
    EXPECT_EQ(Choques(caso.sesiones, periodo), 0);
    EXPECT_EQ(SinColocar(periodo), caso.sinColocar);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ColocarSesionesCasos,
    ::testing::Values(
        // Placing the fourth lesson first-fit finds no common free period:
        // teacher 1 is free only in the second, unit 2 only in the first.
        Caso{"NeedsAnAlternatingChain",
             {{0, 0, 0}, {1, 1, 1}, {0, 2, 2}, {1, 2, 3}}, Semana(2, 1), 0},
        Caso{"TeacherWithMoreLessonsThanPeriods",
             {{0, 0, 0}, {0, 1, 1}, {0, 2, 2}}, Semana(2, 1), 1},
        Caso{"UnitWithMoreLessonsThanPeriods",
             {{0, 0, 0}, {1, 0, 1}, {2, 0, 2}, {3, 0, 3}}, Semana(1, 3), 1},
        Caso{"NoPeriods", {{0, 0, 0}, {1, 1, 1}}, {}, 2},
        Caso{"NoLessons", {}, Semana(5, 6), 0}),
    [](const auto& info) { return info.param.nombre; });

// Whenever no teacher and no unit has more lessons than there are periods,
// every lesson finds one, however tightly packed the week is.
TEST(ColocarSesiones, PlacesEveryLessonOfAFullWeek) {
    const auto periodos = Semana(5, 6);
    const int capacidad = static_cast<int>(periodos.size());
    std::mt19937 azar(20260914);
    std::uniform_int_distribution<std::size_t> profesor(0, 13);
    std::uniform_int_distribution<std::size_t> grupo(0, 11);
    std::map<std::size_t, int> cargaProfesor;
    std::map<std::size_t, int> cargaGrupo;
    std::vector<Sesion> sesiones;
    for (int intento = 0; intento < 5000; ++intento) {
        const Sesion s{profesor(azar), grupo(azar), sesiones.size() / 3};
        if (cargaProfesor[s.profesor] == capacidad || cargaGrupo[s.grupo] == capacidad) continue;
        ++cargaProfesor[s.profesor];
        ++cargaGrupo[s.grupo];
        sesiones.push_back(s);
    }
    ASSERT_GT(sesiones.size(), 340u); // most units' weeks are full

    const auto periodo = ColocarSesiones(sesiones, periodos);
    EXPECT_EQ(SinColocar(periodo), 0);
    EXPECT_EQ(Choques(sesiones, periodo), 0);
}

TEST(ColocarSesiones, SpreadsAnAssignmentOverDifferentDays) {
    const std::vector<Sesion> sesiones(4, Sesion{0, 0, 0});
    const auto periodos = Semana(5, 6);
    const auto periodo = ColocarSesiones(sesiones, periodos);
    std::set<int> dias;
    for (int p : periodo) {
        ASSERT_NE(p, kSinPeriodo);
        dias.insert(periodos[p].dia);
    }
    EXPECT_EQ(dias.size(), 4u);
}

} // namespace
} // namespace tt::standin
