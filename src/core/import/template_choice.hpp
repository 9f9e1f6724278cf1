#pragma once

// The school-day template question that an import asks when the export
// offers two or more templates. The window answers it with its dialog, the
// command-line tool with --template.

#include <string>
#include <vector>

namespace tt::xml {
class Document;
}

namespace tt::importer {

// Texts exactly as the document holds them (UTF-8, untrimmed), because the
// dialog lists and compares them that way.
struct PlantillaOfrecida {
    std::string codigo;       // JORNADAS_ESCOLARES position 0
    std::string nombre;       // position 1
    std::string fechaInicio;  // position 2
    std::string fechaFin;     // position 3
};

struct TramoOfrecido {
    std::string etiqueta;        // TRAMOS_HORARIOS position 1
    std::string codigoPlantilla; // position 4
};

struct OpcionesPlantilla {
    std::vector<PlantillaOfrecida> plantillas; // every JORNADAS_ESCOLARES record, in order
    std::vector<TramoOfrecido> tramos;         // every TRAMOS_HORARIOS record, in order
};

class SelectorPlantilla {
public:
    virtual ~SelectorPlantilla() = default;
    // Returns the chosen template code (UTF-8); the run trims it. Throws
    // tt::Error to stop the run before anything changes.
    virtual std::string elegir(const OpcionesPlantilla& opciones) = 0;
};

// The code of the template to import (Windows-1252): position 0 of the only
// JORNADAS_ESCOLARES record, trimmed; empty when there is none; with two or
// more, the selector's answer trimmed of blanks and control characters.
// Throws tt::Error when there is a choice to make and no selector to ask.
std::string ElegirPlantilla(const xml::Document& documento, SelectorPlantilla* selector);

} // namespace tt::importer
