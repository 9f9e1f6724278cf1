#pragma once

// The import run: a Velmora export into Horavant's working tables, all or
// nothing.

#include <filesystem>
#include <string>

#include "import/import_summary.hpp"
#include "import/template_choice.hpp"

namespace tt::importer {

inline constexpr const char* kNoExisteArchivo = "No existe archivo";
inline constexpr const char* kNivelexNoEncontrado =
    "ATENCI\xC3\x93N - NIVELEX.DBF No encontrado - Reinstale TRANSTAVORAVELMORA";
inline constexpr const char* kProcesoFinalizado = "Proceso finalizado";

struct ParametrosImportacion {
    std::filesystem::path archivoXml;        // ArchivoXML
    std::filesystem::path carpetaTrabajo;    // Horavant's working folder
    std::filesystem::path carpetaAplicacion; // where NIVELEX.DBF lives
    SelectorPlantilla* selector = nullptr;   // asked when there are 2+ templates
};

enum class Desenlace {
    Finalizado,      // every table replaced; "Proceso finalizado"
    NoExisteArchivo, // no file at archivoXml; nothing touched
    FaltaNivelex,    // no NIVELEX.DBF in carpetaAplicacion; nothing touched
};

struct ResultadoImportacion {
    Desenlace desenlace = Desenlace::Finalizado;
    std::string mensaje; // the message to show (UTF-8)
    ResumenImportacion resumen;
};

// Early stops that the user can mend (missing file, missing lookup table) come
// back as a Desenlace; every other failure throws tt::Error with the message
// to show, and leaves every file of the working folder as it was.
ResultadoImportacion EjecutarImportacion(const ParametrosImportacion& parametros);

} // namespace tt::importer
