#pragma once

// Horavant's working folder as the export reads it: the eight tables and
// PERIODOS, written with the table engine in the layouts the import and
// Horavant use. Only the fields the export reads are filled; texts are
// Windows-1252 bytes.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tt::testing {

struct FilaProfesor { // PROFT
    std::string abrev;
    std::string xEmpleado;
    std::string fTomaPos;
};

struct FilaSoluc { // SOLUC
    std::string prof;
    int dia = 0;
    int hora = 0;
    std::string asig;
    std::string codGrupo;
    std::string tarea;
    std::string aula;
};

struct FilaAsignacion { // ASIGT
    std::string casig;
    std::string cgrup;
    std::string clave;
    std::string claveCurso;
};

struct FilaMateria { // ASIGNOMT
    std::string cod;
    std::string codTarea;
};

struct FilaTramo { // DIASHORAST
    std::string diho;
    std::string dia;
    std::string codDiho;
    std::string desde;
    std::string hasta;
};

struct FilaUnidad { // GRUPOST
    std::string abrev;
    std::string clave;
};

struct FilaPeriodo { // PERIODOS
    std::string fecIni;
    std::string fecFin;
};

struct TablasDeTrabajo {
    std::vector<FilaProfesor> profesores;
    std::vector<FilaSoluc> soluc;
    std::vector<FilaAsignacion> asignaciones;
    std::vector<FilaMateria> materias;
    std::vector<FilaTramo> tramos;
    std::vector<FilaUnidad> unidades;
    // nullopt: no PERIODOS.DBF at all.
    std::optional<std::vector<FilaPeriodo>> periodos = std::vector<FilaPeriodo>{{"01/09/2025", "30/06/2026"}};
};

// The tables the export opens, in its order, then PERIODOS.
const std::vector<std::string>& NombresTablasExportacion();

// Writes the eight tables into `carpeta`, replacing what is there (CURSOST
// and AULAT empty), and PERIODOS when `tablas` has it.
void EscribirTablas(const std::filesystem::path& carpeta, const TablasDeTrabajo& tablas);

// Writes SOLUC alone, as Horavant does after a computation.
void EscribirSoluc(const std::filesystem::path& carpeta, const std::vector<FilaSoluc>& filas);

} // namespace tt::testing
