#pragma once

// The export run: Horavant's solution (SOLUC) and the working tables into a
// Velmora timetable document, saved beside the chosen file.

#include <cstddef>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

namespace tt::exporter {

inline constexpr const char* kPeriodosNoEncontrado =
    "ATENCI\xC3\x93N - PERIODOS.DBF No encontrado - Importe de nuevo XML de VELMORA.";

// The instant written in the output's `fecha`. The default reads the system
// clock, or SOURCE_DATE_EPOCH when that variable is set.
using Reloj = std::function<std::time_t()>;
std::time_t RelojDelSistema();

struct ParametrosExportacion {
    std::filesystem::path archivoXml;     // ArchivoXML: the Velmora file imported earlier
    std::filesystem::path carpetaTrabajo; // Horavant's working folder
    Reloj reloj = RelojDelSistema;
};

enum class Desenlace {
    Finalizado,      // output saved; "Proceso finalizado"
    NoExisteArchivo, // no file at archivoXml; nothing opened or written
    FaltaPeriodos,   // no PERIODOS.DBF; nothing written
};

struct ResumenExportacion {
    std::size_t profesores = 0;          // teacher groups written (PROFT rows)
    std::size_t sesiones = 0;            // lesson groups written
    std::size_t sesionesSinProfesor = 0; // placed SOLUC rows whose PROF matches no teacher
    std::size_t sinTramo = 0;            // lessons whose day and period found no DIASHORAST row
    std::size_t sinMateria = 0;          // lessons whose subject and unit found no ASIGT row
    std::size_t sinUnidad = 0;           // lessons whose unit found no GRUPOST row
    std::filesystem::path archivoSalida;
};

struct ResultadoExportacion {
    Desenlace desenlace = Desenlace::Finalizado;
    std::string mensaje; // the message to show (UTF-8)
    ResumenExportacion resumen;
};

// "ResultadoTavora" + the chosen file's name, in the chosen file's folder.
std::filesystem::path NombreSalida(const std::filesystem::path& archivoXml);

// Early stops come back as a Desenlace; every other failure throws tt::Error
// with the message to show, closes every table it opened and writes nothing.
ResultadoExportacion EjecutarExportacion(const ParametrosExportacion& parametros);

} // namespace tt::exporter
