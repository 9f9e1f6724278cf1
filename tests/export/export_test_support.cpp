#include "export_test_support.hpp"

#include "platform/xml/xml_document.hpp"

#include <gtest/gtest.h>

#include <array>

namespace tt::testing {

namespace fs = std::filesystem;

namespace {

constexpr std::array<const char*, 11> kNombresSesion = {
    "N_DIASEMANA", "X_TRAMO", "X_DEPENDENCIA", "X_UNIDAD", "X_OFERTAMATRIG", "X_MATERIAOMG",
    "F_INICIO",    "F_FIN",   "N_HORINI",      "N_HORFIN", "X_ACTIVIDAD",
};

std::string Valor(const xml::Node& dato, const std::string& esperado) {
    const std::string nombre = dato.attribute("nombre_dato").value_or("");
    return nombre == esperado ? dato.text() : "?" + nombre + "=" + dato.text();
}

std::string Atributo(const xml::Node& nodo, const char* nombre) {
    return nodo.attribute(nombre).value_or("(sin " + std::string(nombre) + ")");
}

} // namespace

std::string DocumentoVelmora() {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!-- exportaci\xC3\xB3n de prueba -->\n"
           "<SERVICIO modulo=\"EXPORTACION\" tipo=\"E\" autor=\"VELMORA\" centro=\"32019944\">\n"
           "  <BLOQUE_DATOS>\n"
           "    <grupo_datos seq=\"ANNO_ACADEMICO\"><dato nombre_dato=\"C_ANNO\">2025-26</dato></grupo_datos>\n"
           "    <grupo_datos seq=\"EMPLEADOS\" registros=\"1\">\n"
           "      <grupo_datos><dato>E100</dato><dato>01/09/2010</dato></grupo_datos>\n"
           "    </grupo_datos>\n"
           "  </BLOQUE_DATOS>\n"
           "</SERVICIO>\n"
           "<!-- fin -->\n";
}

TablasDeTrabajo EscuelaBase() {
    TablasDeTrabajo t;
    t.profesores = {{"JGP", "E100", "01/09/2010"}};
    t.unidades = {{"1A", "U1A"}, {"1B", "U1B"}, {"1A", "U-OTRA"}};
    t.asignaciones = {
        {"MAT", "1A", "M-MAT", "C-1"},
        {"MAT", "1B", "M-MAT-B", "C-2"},
        {"GUA", "1A", "M-GUA", "C-1"},
        {"MAT", "1A", "M-OTRA", "C-9"}, // a later row with the same pair never wins
    };
    t.materias = {{"MAT", ""}, {"GUA", "ACT-GUA"}, {"GUA", "ACT-OTRA"}};
    t.tramos = {
        {"11", "1", "T11", "08:30", "09:25"},
        {"12", "1", "T12", "9:25", "10:20"},
        {"112", "1", "T112", "14:05", "15:00"},
        {"25", "2", "T25", "11:00", "11:55"},
        {"11", "9", "T-OTRO", "00:00", "00:00"},
    };
    return t;
}

CarpetasExportacion::CarpetasExportacion() {
    fs::create_directory(trabajo());
    fs::create_directory(datos());
    WriteFile(elegido(), DocumentoVelmora());
}

exporter::ResultadoExportacion CarpetasExportacion::exportar(exporter::Reloj reloj) const {
    exporter::ParametrosExportacion parametros;
    parametros.archivoXml = elegido();
    parametros.carpetaTrabajo = trabajo();
    parametros.reloj = std::move(reloj);
    return exporter::EjecutarExportacion(parametros);
}

std::vector<std::string> Horarios(const fs::path& salida) {
    xml::Document documento;
    const xml::LoadResult carga = documento.load(salida);
    EXPECT_TRUE(carga.ok) << carga.message;
    std::vector<std::string> lineas;
    for (const xml::Node& profesor :
         documento.selectNodes("/SERVICIO/BLOQUE_DATOS/grupo_datos[@seq='HORARIOS_REGULARES']/grupo_datos")) {
        const auto datos = profesor.selectNodes("dato");
        std::string cabecera = Atributo(profesor, "seq") + " [" + Atributo(profesor, "registros") + "]";
        if (datos.size() == 2)
            cabecera += " " + Valor(datos[0], "X_EMPLEADO") + " " + Valor(datos[1], "F_TOMAPOS");
        else
            cabecera += " (" + std::to_string(datos.size()) + " datos)";
        lineas.push_back(cabecera);
        for (const xml::Node& sesion : profesor.selectNodes("grupo_datos")) {
            const auto valores = sesion.selectNodes("dato");
            std::string linea = Atributo(sesion, "seq") + ":";
            for (std::size_t i = 0; i < valores.size(); ++i)
                linea += (i == 0 ? " " : "|") + Valor(valores[i], i < kNombresSesion.size() ? kNombresSesion[i] : "");
            if (valores.size() != kNombresSesion.size()) linea += " (" + std::to_string(valores.size()) + " datos)";
            lineas.push_back(linea);
        }
    }
    return lineas;
}

std::vector<std::string> Sesiones(const fs::path& salida) {
    std::vector<std::string> sesiones;
    for (std::string& linea : Horarios(salida))
        if (linea.rfind("ACTIVIDAD_", 0) == 0) sesiones.push_back(std::move(linea));
    return sesiones;
}

} // namespace tt::testing
