#include "working_folder.hpp"

#include "error.hpp"
#include "platform/dbf/dbf_table.hpp"
#include "platform/display_path.hpp"
#include "platform/paths.hpp"
#include "text/clipper.hpp"
#include "text/integer_conversion.hpp"

#include <algorithm>
#include <map>
#include <set>
#include <utility>

namespace tt::standin {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kUnosTrasPrefijo = 13;

dbf::Table AbrirTabla(const fs::path& carpeta, const std::string& nombre) {
    const auto archivo = platform::FindNoCase(carpeta, nombre);
    if (!archivo)
        throw Error("No existe la tabla " + nombre + " en " + platform::DisplayPath(carpeta));
    return dbf::Table(*archivo, dbf::OpenMode::Shared);
}

std::vector<Profesor> LeerProfesores(const fs::path& carpeta) {
    std::vector<Profesor> profesores;
    auto tabla = AbrirTabla(carpeta, "PROFT.DBF");
    for (tabla.first(); !tabla.eof(); tabla.next())
        profesores.push_back({tabla.asText("ABREV"), tabla.asText("DEPART")});
    return profesores;
}

// COD -> NOMBRE, the first row of each code winning.
std::map<std::string, std::string> LeerNombresAsignaturas(const fs::path& carpeta) {
    std::map<std::string, std::string> nombres;
    auto tabla = AbrirTabla(carpeta, "ASIGNOMT.DBF");
    for (tabla.first(); !tabla.eof(); tabla.next())
        nombres.emplace(tabla.asText("COD"), tabla.asText("NOMBRE"));
    return nombres;
}

std::vector<Asignacion> LeerAsignaciones(const fs::path& carpeta) {
    const auto nombres = LeerNombresAsignaturas(carpeta);
    std::vector<Asignacion> asignaciones;
    auto tabla = AbrirTabla(carpeta, "ASIGT.DBF");
    for (tabla.first(); !tabla.eof(); tabla.next()) {
        Asignacion fila;
        fila.asignatura = tabla.asText("CASIG");
        fila.grupo = tabla.asText("CGRUP");
        if (auto nombre = nombres.find(fila.asignatura); nombre != nombres.end())
            fila.nombreAsignatura = nombre->second;
        fila.sesiones = NumeroSesiones(tabla.asText("SESIONES"));
        asignaciones.push_back(std::move(fila));
    }
    return asignaciones;
}

std::vector<std::string> LeerCodigos(const fs::path& carpeta, const std::string& nombre) {
    std::vector<std::string> codigos;
    auto tabla = AbrirTabla(carpeta, nombre);
    for (tabla.first(); !tabla.eof(); tabla.next())
        codigos.push_back(tabla.asText("ABREV"));
    return codigos;
}

// The teaching week: Monday to Friday only, whatever days the grid holds.
std::vector<Periodo> LeerPeriodos(const fs::path& carpeta) {
    std::set<std::pair<int, int>> vistos;
    auto tabla = AbrirTabla(carpeta, "DIASHORAST.DBF");
    for (tabla.first(); !tabla.eof(); tabla.next()) {
        const int dia = text::ConvertirEntero(text::AllTrim(tabla.asText("DIA")));
        if (dia < 1 || dia > 5) continue;
        vistos.emplace(dia, text::ConvertirEntero(text::AllTrim(tabla.asText("HORA"))));
    }
    std::vector<Periodo> periodos;
    for (const auto& [dia, hora] : vistos) periodos.push_back({dia, hora});
    return periodos;
}

} // namespace

int NumeroSesiones(const std::string& sesiones) {
    const std::string patron = text::AllTrim(sesiones);
    const auto unos = [](auto desde, auto hasta) {
        return static_cast<int>(std::count(desde, hasta, '1'));
    };
    if (patron.size() > kUnosTrasPrefijo) {
        const std::string prefijo = patron.substr(0, patron.size() - kUnosTrasPrefijo);
        if (std::all_of(prefijo.begin(), prefijo.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return text::ConvertirEntero(prefijo) + unos(patron.end() - kUnosTrasPrefijo, patron.end());
    }
    return unos(patron.begin(), patron.end());
}

CarpetaTrabajo LeerCarpeta(const fs::path& carpeta) {
    CarpetaTrabajo datos;
    datos.profesores = LeerProfesores(carpeta);
    datos.asignaciones = LeerAsignaciones(carpeta);
    datos.aulas = LeerCodigos(carpeta, "AULAT.DBF");
    datos.grupos = LeerCodigos(carpeta, "GRUPOST.DBF");
    datos.periodos = LeerPeriodos(carpeta);
    return datos;
}

fs::path EscribirSoluc(const fs::path& carpeta, const std::vector<FilaSoluc>& filas) {
    const fs::path archivo = platform::ResolveNoCase(carpeta, "SOLUC.DBF");
    dbf::CreateTable(archivo, {
        {"PROF", dbf::FieldType::Character, 10},
        {"DIA", dbf::FieldType::Integer},
        {"HORA", dbf::FieldType::Integer},
        {"ASIG", dbf::FieldType::Character, 10},
        {"CODGRUPO", dbf::FieldType::Character, 10},
        {"TAREA", dbf::FieldType::Character, 10},
        {"AULA", dbf::FieldType::Character, 10},
    });
    dbf::Table tabla(archivo, dbf::OpenMode::Exclusive);
    for (const auto& fila : filas) {
        tabla.append();
        tabla.setText("PROF", fila.profesor);
        tabla.setInteger("DIA", fila.dia);
        tabla.setInteger("HORA", fila.hora);
        tabla.setText("ASIG", fila.asignatura);
        tabla.setText("CODGRUPO", fila.grupo);
        tabla.setText("AULA", fila.aula);
        tabla.post();
    }
    tabla.close();
    return archivo;
}

} // namespace tt::standin
