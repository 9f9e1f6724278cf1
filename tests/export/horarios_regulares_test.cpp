// The teacher groups and the eleven values of every placed lesson.

#include "export_test_support.hpp"

#include <gtest/gtest.h>

namespace {

using namespace tt::testing;
using tt::exporter::Desenlace;
using tt::exporter::ResultadoExportacion;

const std::string kPeriodo = "01/09/2025|30/06/2026";

ResultadoExportacion Exportar(const CarpetasExportacion& carpetas, const TablasDeTrabajo& tablas) {
    EscribirTablas(carpetas.trabajo(), tablas);
    ResultadoExportacion resultado = carpetas.exportar();
    EXPECT_EQ(resultado.desenlace, Desenlace::Finalizado) << resultado.mensaje;
    return resultado;
}

struct CasoSesion {
    const char* nombre;
    std::vector<FilaSoluc> soluc; // all of teacher JGP
    std::vector<std::string> esperadas;
    std::size_t sinTramo = 0;
    std::size_t sinMateria = 0;
    std::size_t sinUnidad = 0;
};

void PrintTo(const CasoSesion& caso, std::ostream* os) { *os << caso.nombre; }

class ValoresDeSesion : public ::testing::TestWithParam<CasoSesion> {};

TEST_P(ValoresDeSesion, SeTraducenConLaPrimeraFilaQueCoincide) {
    const CasoSesion& caso = GetParam();
    CarpetasExportacion carpetas;
    TablasDeTrabajo tablas = EscuelaBase();
    tablas.soluc = caso.soluc;
    const ResultadoExportacion resultado = Exportar(carpetas, tablas);
    EXPECT_EQ(Sesiones(carpetas.salida()), caso.esperadas);
    EXPECT_EQ(resultado.resumen.sesiones, caso.esperadas.size());
    EXPECT_EQ(resultado.resumen.sinTramo, caso.sinTramo);
    EXPECT_EQ(resultado.resumen.sinMateria, caso.sinMateria);
    EXPECT_EQ(resultado.resumen.sinUnidad, caso.sinUnidad);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ValoresDeSesion,
    ::testing::Values(
        CasoSesion{"TodoEncontrado",
                   {{"JGP", 1, 1, "MAT", "1A", "X9", "A12"}},
                   {"ACTIVIDAD_1: 1|T11|A12|U1A|C-1|M-MAT|" + kPeriodo + "|510|565|X9"}},
        CasoSesion{"HoraDeUnaCifra",
                   {{"JGP", 1, 2, "MAT", "1B", "X9", "A12"}},
                   {"ACTIVIDAD_1: 1|T12|A12|U1B|C-2|M-MAT-B|" + kPeriodo + "|565|620|X9"}},
        CasoSesion{"Dia1Hora12EsLaClave112",
                   {{"JGP", 1, 12, "MAT", "1A", "X9", "A12"}},
                   {"ACTIVIDAD_1: 1|T112|A12|U1A|C-1|M-MAT|" + kPeriodo + "|845|900|X9"}},
        CasoSesion{"TramoSinFilaNoHeredaDelAnterior",
                   {{"JGP", 2, 5, "MAT", "1A", "X9", "A12"}, {"JGP", 3, 1, "MAT", "1A", "X9", "A12"}},
                   {"ACTIVIDAD_1: 2|T25|A12|U1A|C-1|M-MAT|" + kPeriodo + "|660|715|X9",
                    "ACTIVIDAD_2: ||A12|U1A|C-1|M-MAT|" + kPeriodo + "|0|0|X9"},
                   1},
        CasoSesion{"ParSinAsignacionNiUnidad",
                   {{"JGP", 1, 1, "MAT", "1A", "X9", "A12"}, {"JGP", 1, 1, "FIS", "9Z", "X9", "A12"}},
                   {"ACTIVIDAD_1: 1|T11|A12|U1A|C-1|M-MAT|" + kPeriodo + "|510|565|X9",
                    "ACTIVIDAD_2: 1|T11|A12||||" + kPeriodo + "|510|565|X9"},
                   0, 1, 1},
        CasoSesion{"AsignacionBuscaElParNoSoloLaMateria",
                   {{"JGP", 1, 1, "GUA", "1B", "X9", "A12"}},
                   {"ACTIVIDAD_1: 1|T11|A12|U1B|||" + kPeriodo + "|510|565|X9"},
                   0, 1},
        CasoSesion{"MayusculasDistintasNoCoinciden",
                   {{"JGP", 1, 1, "mat", "1a", "x9", "a12"}},
                   {"ACTIVIDAD_1: 1|T11|a12||||" + kPeriodo + "|510|565|x9"},
                   0, 1, 1},
        CasoSesion{"TareaEnBlancoTomaLaDeLaMateria",
                   {{"JGP", 1, 1, "GUA", "1A", "   ", "A12"}},
                   {"ACTIVIDAD_1: 1|T11|A12|U1A|C-1|M-GUA|" + kPeriodo + "|510|565|ACT-GUA"}},
        CasoSesion{"TareaEscritaGanaALaDeLaMateria",
                   {{"JGP", 1, 1, "GUA", "1A", "T7", "A12"}},
                   {"ACTIVIDAD_1: 1|T11|A12|U1A|C-1|M-GUA|" + kPeriodo + "|510|565|T7"}},
        CasoSesion{"SinTareaNiEnLaMateriaEsUno",
                   {{"JGP", 1, 1, "MAT", "1A", "", "A12"}, {"JGP", 1, 1, "FIS", "1A", "", "A12"}},
                   {"ACTIVIDAD_1: 1|T11|A12|U1A|C-1|M-MAT|" + kPeriodo + "|510|565|1",
                    "ACTIVIDAD_2: 1|T11|A12|U1A|||" + kPeriodo + "|510|565|1"},
                   0, 1},
        CasoSesion{"AulaEnBlancoQuedaVaciaYLaOtraSeCopia",
                   {{"JGP", 1, 1, "MAT", "1A", "X9", "    "}, {"JGP", 1, 1, "MAT", "1A", "X9", " B-2"}},
                   {"ACTIVIDAD_1: 1|T11||U1A|C-1|M-MAT|" + kPeriodo + "|510|565|X9",
                    "ACTIVIDAD_2: 1|T11| B-2|U1A|C-1|M-MAT|" + kPeriodo + "|510|565|X9"}}),
    [](const auto& info) { return std::string(info.param.nombre); });

struct CasoProfesores {
    const char* nombre;
    std::vector<FilaProfesor> profesores;
    std::vector<FilaSoluc> soluc;
    std::vector<std::string> esperado;
    std::size_t sinProfesor = 0;
};

void PrintTo(const CasoProfesores& caso, std::ostream* os) { *os << caso.nombre; }

class SeleccionDeProfesores : public ::testing::TestWithParam<CasoProfesores> {};

TEST_P(SeleccionDeProfesores, CadaGrupoTieneExactamenteSusSesiones) {
    const CasoProfesores& caso = GetParam();
    CarpetasExportacion carpetas;
    TablasDeTrabajo tablas = EscuelaBase();
    tablas.profesores = caso.profesores;
    tablas.soluc = caso.soluc;
    const ResultadoExportacion resultado = Exportar(carpetas, tablas);

    // Only which lessons land where matters here: a lesson shows as its room.
    std::vector<std::string> horarios = Horarios(carpetas.salida());
    for (std::string& linea : horarios) {
        if (linea.rfind("ACTIVIDAD_", 0) != 0) continue;
        const auto aula = linea.find('|', linea.find('|') + 1) + 1;
        linea = linea.substr(0, linea.find(' ') + 1) + linea.substr(aula, linea.find('|', aula) - aula);
    }
    EXPECT_EQ(horarios, caso.esperado);
    EXPECT_EQ(resultado.resumen.profesores, caso.profesores.size());
    EXPECT_EQ(resultado.resumen.sesionesSinProfesor, caso.sinProfesor);
}

FilaSoluc Leccion(const char* profesor, int dia, const char* aula) { return {profesor, dia, 1, "MAT", "1A", "", aula}; }

INSTANTIATE_TEST_SUITE_P(
    Casos, SeleccionDeProfesores,
    ::testing::Values(
        CasoProfesores{"ProfesorSinSesiones",
                       {{"AAA", "E1", "F1"}, {"JGP", "E2", "F2"}},
                       {Leccion("JGP", 1, "a1")},
                       {"HORARIO_REGULAR_PROFESOR_1 [0] E1 F1", "HORARIO_REGULAR_PROFESOR_2 [1] E2 F2",
                        "ACTIVIDAD_1: a1"}},
        CasoProfesores{"DiaCeroNoCuentaNiNumera",
                       {{"JGP", "E2", "F2"}},
                       {Leccion("JGP", 0, "a0"), Leccion("JGP", 1, "a1"), Leccion("JGP", 0, "a0"),
                        Leccion("JGP", 2, "a2")},
                       {"HORARIO_REGULAR_PROFESOR_1 [2] E2 F2", "ACTIVIDAD_1: a1", "ACTIVIDAD_2: a2"}},
        CasoProfesores{"OrdenFisicoYNumeracionPorProfesor",
                       {{"AAA", "E1", "F1"}, {"JGP", "E2", "F2"}},
                       {Leccion("JGP", 2, "j1"), Leccion("AAA", 1, "a1"), Leccion("JGP", 1, "j2")},
                       {"HORARIO_REGULAR_PROFESOR_1 [1] E1 F1", "ACTIVIDAD_1: a1",
                        "HORARIO_REGULAR_PROFESOR_2 [2] E2 F2", "ACTIVIDAD_1: j1", "ACTIVIDAD_2: j2"}},
        CasoProfesores{"ApostrofeEnElCodigo",
                       {{"O'N", "E1", "F1"}, {"ON", "E2", "F2"}, {"O''N", "E3", "F3"}},
                       {Leccion("ON", 1, "on"), Leccion("O'N", 1, "o-n"), Leccion("O''N", 1, "o--n")},
                       {"HORARIO_REGULAR_PROFESOR_1 [1] E1 F1", "ACTIVIDAD_1: o-n",
                        "HORARIO_REGULAR_PROFESOR_2 [1] E2 F2", "ACTIVIDAD_1: on",
                        "HORARIO_REGULAR_PROFESOR_3 [1] E3 F3", "ACTIVIDAD_1: o--n"}},
        CasoProfesores{"CodigoRepetidoListaTodoEnAmbos",
                       {{"JGP", "E1", "F1"}, {"JGP", "E2", "F2"}},
                       {Leccion("JGP", 1, "j1"), Leccion("JGP", 2, "j2")},
                       {"HORARIO_REGULAR_PROFESOR_1 [2] E1 F1", "ACTIVIDAD_1: j1", "ACTIVIDAD_2: j2",
                        "HORARIO_REGULAR_PROFESOR_2 [2] E2 F2", "ACTIVIDAD_1: j1", "ACTIVIDAD_2: j2"}},
        CasoProfesores{"CodigoConOtrasMayusculasNoEsElMismo",
                       {{"jgp", "E1", "F1"}, {"JGP ", "E2", "F2"}},
                       {Leccion("JGP", 1, "j1"), Leccion("JGP", 0, "j0"), Leccion(" JGP", 1, "j2")},
                       {"HORARIO_REGULAR_PROFESOR_1 [0] E1 F1", "HORARIO_REGULAR_PROFESOR_2 [1] E2 F2",
                        "ACTIVIDAD_1: j1"},
                       1}),
    [](const auto& info) { return std::string(info.param.nombre); });

} // namespace
