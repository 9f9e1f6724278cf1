#pragma once

// A chosen Velmora file and a working folder for export runs, and the output
// read back in a form that failures show plainly.

#include "export/export_run.hpp"
#include "support/environment.hpp"
#include "support/temp_dir.hpp"
#include "support/working_tables.hpp"

#include <filesystem>
#include <string>
#include <vector>

namespace tt::testing {

// 2026-01-02 10:20:30 UTC.
inline constexpr exporter::Instante kInstanteFijo{1767349230, true};
inline constexpr const char* kFechaFija = "02/01/2026 10:20:30";

// A Velmora export as the import reads it (UTF-8, a comment before and after
// the root, academic year "2025-26").
std::string DocumentoVelmora();

// One teacher (JGP) and the lookups its lessons are translated with.
TablasDeTrabajo EscuelaBase();

class CarpetasExportacion {
public:
    CarpetasExportacion(); // writes DocumentoVelmora() as the chosen file

    // The export on the chosen file and the working folder.
    exporter::ResultadoExportacion exportar(exporter::Reloj reloj = [] { return kInstanteFijo; }) const;

    std::filesystem::path trabajo() const { return raiz_ / "trabajo"; }
    std::filesystem::path datos() const { return raiz_ / "datos"; }
    std::filesystem::path elegido() const { return datos() / "exportacion.xml"; }
    std::filesystem::path salida() const { return datos() / "ResultadoTavoraexportacion.xml"; }

private:
    TempDir raiz_;
};

// HORARIOS_REGULARES of an output file: per teacher group a line
// "<seq> [<registros>] <X_EMPLEADO> <F_TOMAPOS>", then per lesson group a line
// "<seq>: v1|v2|...|v11". A dato whose nombre_dato is not the expected one
// shows as "?nombre=valor".
std::vector<std::string> Horarios(const std::filesystem::path& salida);

// Only the lesson lines of Horarios().
std::vector<std::string> Sesiones(const std::filesystem::path& salida);

} // namespace tt::testing
