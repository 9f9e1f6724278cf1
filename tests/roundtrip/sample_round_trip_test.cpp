// The bundled sample school on the journey the demo shows: imported with one
// of its two templates, solved by the stand-in, exported. The document that
// comes back must hold every teacher of PROFT and, under each, exactly the
// lessons SOLUC placed for them, in the sample's own keys.

#include "export/export_run.hpp"
#include "import/import_run.hpp"
#include "platform/xml/xml_document.hpp"
#include "solve.hpp"

#include "support/table_rows.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using tt::testing::FilasDe;

// nombre_dato -> text of a record's dato children (the first of each name).
using Registro = std::map<std::string, std::string>;

Registro LeerRegistro(const tt::xml::Node& grupo) {
    Registro registro;
    for (const auto& dato : grupo.selectNodes("dato"))
        registro.try_emplace(dato.attribute("nombre_dato").value_or(""), dato.text());
    return registro;
}

std::vector<Registro> Registros(const tt::xml::Document& documento, const std::string& seq) {
    std::vector<Registro> registros;
    for (const auto& grupo :
         documento.selectNodes("/SERVICIO/BLOQUE_DATOS/grupo_datos[@seq='" + seq + "']/grupo_datos"))
        registros.push_back(LeerRegistro(grupo));
    return registros;
}

std::string Texto(const Registro& registro) {
    std::string texto;
    for (const auto& [nombre, valor] : registro) texto += nombre + "=" + valor + " ";
    return texto;
}

// The first few lines of a long list, for a failure message.
std::string Primeras(const std::vector<std::string>& lineas) {
    std::string texto;
    for (std::size_t i = 0; i < lineas.size() && i < 5; ++i) texto += "\n  " + lineas[i];
    return texto;
}

std::string PrimeraLinea(const fs::path& archivo) {
    std::ifstream entrada(archivo, std::ios::binary);
    std::string linea;
    std::getline(entrada, linea);
    return linea;
}

class PlantillaFija : public tt::importer::SelectorPlantilla {
public:
    explicit PlantillaFija(std::string codigo) : codigo_(std::move(codigo)) {}
    std::string elegir(const tt::importer::OpcionesPlantilla&) override { return codigo_; }

private:
    std::string codigo_;
};

// The keys a lesson of the output is checked on.
const std::vector<std::string> kClavesSesion = {
    "N_DIASEMANA", "X_TRAMO", "X_DEPENDENCIA", "X_UNIDAD", "X_OFERTAMATRIG",
    "X_MATERIAOMG", "F_INICIO", "F_FIN", "N_HORINI", "N_HORFIN"};

Registro SoloClavesSesion(const Registro& registro) {
    Registro claves;
    for (const auto& nombre : kClavesSesion) {
        const auto valor = registro.find(nombre);
        claves[nombre] = valor == registro.end() ? "(falta)" : valor->second;
    }
    return claves;
}

class IdaYVuelta : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        fs::copy_file(TT_SAMPLE_XML, xml_);
        fs::create_directory(trabajo_);
        PlantillaFija selector(GetParam());
        const auto importacion = tt::importer::EjecutarImportacion({xml_, trabajo_, TT_BIN_DIR, &selector});
        ASSERT_EQ(importacion.desenlace, tt::importer::Desenlace::Finalizado) << importacion.mensaje;

        solucion_ = tt::standin::Resolver(trabajo_);
        ASSERT_GT(solucion_.colocadas, 0u);

        tt::exporter::ParametrosExportacion parametros;
        parametros.archivoXml = xml_;
        parametros.carpetaTrabajo = trabajo_;
        parametros.reloj = [] { return tt::exporter::Instante{0, true}; };
        const auto exportacion = tt::exporter::EjecutarExportacion(parametros);
        ASSERT_EQ(exportacion.desenlace, tt::exporter::Desenlace::Finalizado) << exportacion.mensaje;
        salida_ = exportacion.resumen.archivoSalida;
        ASSERT_EQ(salida_, raiz_ / "ResultadoTavoraexportacion_ies_rio_albeda.xml");

        ASSERT_TRUE(muestra_.load(xml_).ok);
        const auto carga = documento_.load(salida_);
        ASSERT_TRUE(carga.ok) << carga.message;
    }

    tt::xml::Node horarios() const {
        return documento_.selectSingleNode(
            "/SERVICIO/BLOQUE_DATOS/grupo_datos[@seq='HORARIOS_REGULARES']");
    }

    tt::testing::TempDir raiz_;
    fs::path xml_ = raiz_ / "exportacion_ies_rio_albeda.xml";
    fs::path trabajo_ = raiz_ / "htemp";
    tt::standin::ResumenSolucion solucion_;
    fs::path salida_;
    tt::xml::Document muestra_;
    tt::xml::Document documento_;
};

TEST_P(IdaYVuelta, UnGrupoPorProfesorEnElOrdenDePROFT) {
    const auto profesores = FilasDe(trabajo_ / "PROFT.DBF", {"X_EMPLEADO"});
    const auto empleados = Registros(muestra_, "EMPLEADOS");
    ASSERT_EQ(profesores.size(), empleados.size());

    ASSERT_TRUE(horarios());
    EXPECT_EQ(horarios().attribute("registros"), std::to_string(profesores.size()));
    const auto grupos = horarios().selectNodes("grupo_datos");
    ASSERT_EQ(grupos.size(), profesores.size());

    std::set<std::string> exportados, deLaMuestra;
    std::size_t sesiones = 0;
    for (std::size_t i = 0; i < grupos.size(); ++i) {
        SCOPED_TRACE("grupo " + std::to_string(i + 1));
        EXPECT_EQ(grupos[i].attribute("seq"), "HORARIO_REGULAR_PROFESOR_" + std::to_string(i + 1));
        const std::string empleado = LeerRegistro(grupos[i])["X_EMPLEADO"];
        EXPECT_EQ(empleado, profesores[i][0]);
        exportados.insert(empleado);
        deLaMuestra.insert(empleados[i].at("X_EMPLEADO"));

        const auto actividades = grupos[i].selectNodes("grupo_datos");
        EXPECT_EQ(grupos[i].attribute("registros"), std::to_string(actividades.size()));
        for (std::size_t j = 0; j < actividades.size(); ++j)
            EXPECT_EQ(actividades[j].attribute("seq"), "ACTIVIDAD_" + std::to_string(j + 1));
        sesiones += actividades.size();
    }
    EXPECT_EQ(exportados, deLaMuestra) << "every employee of the sample comes back once";
    EXPECT_EQ(sesiones, solucion_.colocadas);
}

TEST_P(IdaYVuelta, CadaSesionColocadaVuelveConLasClavesDeLaMuestra) {
    // The chosen template's slots; SOLUC's HORA h is its h-th start time.
    std::vector<Registro> tramos;
    for (const auto& tramo : Registros(muestra_, "TRAMOS_HORARIOS"))
        if (tramo.at("X_JORNADA") == GetParam()) tramos.push_back(tramo);
    std::stable_sort(tramos.begin(), tramos.end(), [](const Registro& a, const Registro& b) {
        return std::stoi(a.at("N_INICIO")) < std::stoi(b.at("N_INICIO"));
    });
    ASSERT_EQ(tramos.size(), 6u);
    Registro jornada;
    for (const auto& j : Registros(muestra_, "JORNADAS_ESCOLARES"))
        if (j.at("X_JORNADA") == GetParam()) jornada = j;
    ASSERT_FALSE(jornada.empty());

    // GRUPOST holds the sample's units in their order, under codes of its own.
    const auto unidades = Registros(muestra_, "UNIDADES");
    const auto codigosGrupo = FilasDe(trabajo_ / "GRUPOST.DBF", {"ABREV"});
    ASSERT_EQ(codigosGrupo.size(), unidades.size());
    std::map<std::string, Registro> unidadDe;
    for (std::size_t i = 0; i < unidades.size(); ++i) unidadDe[codigosGrupo[i][0]] = unidades[i];

    // A subject is known to the sample by its course and its name.
    std::map<std::string, std::string> nombreDeMateria;
    for (const auto& fila : FilasDe(trabajo_ / "ASIGNOMT.DBF", {"COD", "NOMBRE"}))
        nombreDeMateria[fila[0]] = fila[1];
    std::map<std::pair<std::string, std::string>, std::string> claveDeMateria;
    for (const auto& m : Registros(muestra_, "MATERIAS"))
        claveDeMateria[{m.at("X_OFERTAMATRIG"), m.at("D_MATERIAC")}] = m.at("X_MATERIAOMG");

    std::set<std::string> dependencias;
    for (const auto& d : Registros(muestra_, "DEPENDENCIAS"))
        if (!d.at("X_DEPENDENCIA").empty()) dependencias.insert(d.at("X_DEPENDENCIA"));

    std::map<std::string, std::size_t> ordinalDe;
    const auto profesores = FilasDe(trabajo_ / "PROFT.DBF", {"ABREV"});
    for (std::size_t i = 0; i < profesores.size(); ++i) ordinalDe[profesores[i][0]] = i;

    std::vector<std::vector<Registro>> esperadas(profesores.size());
    for (const auto& l : FilasDe(solucion_.soluc, {"PROF", "DIA", "HORA", "ASIG", "CODGRUPO", "AULA"})) {
        const int dia = std::stoi(l[1]);
        const int hora = std::stoi(l[2]);
        if (dia == 0) continue;
        const std::string leccion = l[0] + " " + l[1] + "/" + l[2] + " " + l[3] + " " + l[4];
        ASSERT_TRUE(ordinalDe.count(l[0]) && unidadDe.count(l[4]) && nombreDeMateria.count(l[3]))
            << leccion;
        ASSERT_TRUE(hora >= 1 && hora <= static_cast<int>(tramos.size())) << leccion;
        const Registro& unidad = unidadDe[l[4]];
        const Registro& tramo = tramos[static_cast<std::size_t>(hora - 1)];
        const auto materia = claveDeMateria.find({unidad.at("X_OFERTAMATRIG"), nombreDeMateria[l[3]]});
        ASSERT_NE(materia, claveDeMateria.end()) << leccion;
        EXPECT_TRUE(dependencias.count(l[5])) << leccion << ": room " << l[5];

        esperadas[ordinalDe[l[0]]].push_back({
            {"N_DIASEMANA", std::to_string(dia)},
            {"X_TRAMO", tramo.at("X_TRAMO")},
            {"X_DEPENDENCIA", l[5]},
            {"X_UNIDAD", unidad.at("X_UNIDAD")},
            {"X_OFERTAMATRIG", unidad.at("X_OFERTAMATRIG")},
            {"X_MATERIAOMG", materia->second},
            {"F_INICIO", jornada.at("F_INICIO")},
            {"F_FIN", jornada.at("F_FIN")},
            {"N_HORINI", tramo.at("N_INICIO")},
            {"N_HORFIN", tramo.at("N_FIN")},
        });
    }

    const auto grupos = horarios().selectNodes("grupo_datos");
    ASSERT_EQ(grupos.size(), esperadas.size());
    std::vector<std::string> faltan, sobran;
    for (std::size_t i = 0; i < grupos.size(); ++i) {
        std::vector<Registro> obtenidas;
        for (const auto& actividad : grupos[i].selectNodes("grupo_datos"))
            obtenidas.push_back(SoloClavesSesion(LeerRegistro(actividad)));
        auto& suyas = esperadas[i];
        std::sort(suyas.begin(), suyas.end());
        std::sort(obtenidas.begin(), obtenidas.end());
        const auto anotar = [&](const std::vector<Registro>& a, const std::vector<Registro>& b,
                                std::vector<std::string>& lista) {
            std::vector<Registro> resto;
            std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(resto));
            for (const auto& r : resto) lista.push_back(profesores[i][0] + ": " + Texto(r));
        };
        anotar(suyas, obtenidas, faltan);
        anotar(obtenidas, suyas, sobran);
    }
    EXPECT_EQ(faltan.size(), 0u) << "lessons missing from the output, e.g. " << Primeras(faltan);
    EXPECT_EQ(sobran.size(), 0u) << "lessons the output should not have, e.g. " << Primeras(sobran);
}

TEST_P(IdaYVuelta, DeclaraLaCodificacionDelOriginal) {
    const std::string declaracion = R"(<?xml version="1.0" encoding="ISO-8859-1"?>)";
    ASSERT_EQ(PrimeraLinea(xml_), declaracion);
    EXPECT_EQ(PrimeraLinea(salida_), declaracion);
}

INSTANTIATE_TEST_SUITE_P(MuestraRioAlbeda, IdaYVuelta, ::testing::Values("4401", "4402"));

} // namespace
