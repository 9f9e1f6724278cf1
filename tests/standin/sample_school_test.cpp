// The bundled sample school, imported into a fresh working folder and solved:
// the stand-in must find room for every lesson of it.

#include "department_match.hpp"
#include "import/import_run.hpp"
#include "solve.hpp"
#include "working_folder.hpp"

#include "soluc_checks.hpp"
#include "support/temp_dir.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace tt::standin {
namespace {

class PrimeraPlantilla : public importer::SelectorPlantilla {
public:
    std::string elegir(const importer::OpcionesPlantilla& opciones) override {
        return opciones.plantillas.front().codigo;
    }
};

class MuestraRioAlbeda : public ::testing::Test {
protected:
    void SetUp() override {
        PrimeraPlantilla selector;
        const auto importacion = importer::EjecutarImportacion(
            {TT_SAMPLE_XML, temp.path(), TT_BIN_DIR, &selector});
        ASSERT_EQ(importacion.desenlace, importer::Desenlace::Finalizado) << importacion.mensaje;
        datos = LeerCarpeta(temp.path());
        resumen = Resolver(temp.path());
        lecciones = tt::testing::LeerSoluc(resumen.soluc);
    }

    tt::testing::TempDir temp;
    CarpetaTrabajo datos;
    ResumenSolucion resumen;
    std::vector<tt::testing::LeccionSoluc> lecciones;
};

TEST_F(MuestraRioAlbeda, EveryLessonIsPlacedWithoutClashes) {
    ASSERT_EQ(datos.asignaciones.size(), 107u);
    ASSERT_EQ(datos.periodos.size(), 30u);
    EXPECT_EQ(resumen.colocadas, 428u);
    EXPECT_EQ(resumen.sinColocar, 0u);
    EXPECT_EQ(resumen.sinProfesor, 0u);
    EXPECT_THAT(tt::testing::Choques(lecciones), ::testing::IsEmpty());
}

TEST_F(MuestraRioAlbeda, EveryAssignmentHasAllItsLessons) {
    std::map<std::pair<std::string, std::string>, int> esperadas;
    for (const auto& a : datos.asignaciones) esperadas[{a.asignatura, a.grupo}] += a.sesiones;
    std::map<std::pair<std::string, std::string>, int> escritas;
    for (const auto& l : lecciones) ++escritas[{l.asig, l.grupo}];
    EXPECT_EQ(escritas, esperadas);
}

TEST_F(MuestraRioAlbeda, EveryLessonGoesToATeacherOfItsDepartment) {
    std::map<std::string, std::string> nombreDe;
    for (const auto& a : datos.asignaciones) nombreDe[a.asignatura] = a.nombreAsignatura;
    for (const auto& l : lecciones) {
        const auto afines = ProfesoresAfines(nombreDe[l.asig], datos.profesores);
        EXPECT_TRUE(std::any_of(afines.begin(), afines.end(),
                                [&](std::size_t i) { return datos.profesores[i].codigo == l.prof; }))
            << l.asig << " -> " << l.prof;
    }
}

} // namespace
} // namespace tt::standin
