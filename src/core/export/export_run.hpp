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

// The instant written in the output's `fecha`, and whether it is shown in UTC
// rather than local time.
struct Instante {
    std::time_t segundos = 0;
    bool utc = false;
};

// The default reads the system clock (local time), or SOURCE_DATE_EPOCH when
// that variable is set (UTC, so that scripts and tests get the same output
// wherever they run). A SOURCE_DATE_EPOCH that is not a whole number of
// seconds throws tt::Error.
using Reloj = std::function<Instante()>;
Instante RelojDelSistema();

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
