#pragma once

// What the converters of one import run share.

#include <filesystem>
#include <string>
#include <unordered_set>

#include "import/code_registry.hpp"
#include "import/import_summary.hpp"
#include "import/template_choice.hpp"
#include "platform/xml/xml_document.hpp"

namespace tt::importer {

struct ContextoImportacion {
    ContextoImportacion(const xml::Document& doc, std::filesystem::path tablas,
                        std::filesystem::path aplicacion, SelectorPlantilla* selectorPlantilla)
        : documento(doc),
          carpetaTablas(std::move(tablas)),
          carpetaAplicacion(std::move(aplicacion)),
          selector(selectorPlantilla) {}

    const xml::Document& documento;
    // Where the converters build their tables: the run's staging folder, whose
    // tables replace the working ones only when every converter has finished.
    std::filesystem::path carpetaTablas;
    // The executable's folder, where NIVELEX.DBF lives.
    std::filesystem::path carpetaAplicacion;
    // Asked when the document offers two or more school-day templates.
    SelectorPlantilla* selector = nullptr;

    ResumenImportacion resumen;

    // Subject-code registries, empty at the start of every run.
    RegistroCodigos CodigosUsados{Comparacion::Exacta};
    std::unordered_set<std::string> NombresVistos;

    std::string PlantillaElegida;

    std::filesystem::path tabla(const std::string& archivo) const { return carpetaTablas / archivo; }
};

// The converters, in the order the run calls them.
void TransformarMaterias(ContextoImportacion& contexto);       // ASIGNOMT
void TransformarActividades(ContextoImportacion& contexto);    // ASIGNOMT (rows added)
void TransformarEmpleados(ContextoImportacion& contexto);      // PROFT
void TransformarDependencias(ContextoImportacion& contexto);   // AULAT
void TransformarCursosUnidades(ContextoImportacion& contexto); // CURSOST, GRUPOST
void TransformarAsignaciones(ContextoImportacion& contexto);   // ASIGT
void TransformarJornadasTramos(ContextoImportacion& contexto); // DIASHORAST, DIASHORAST2, PERIODOS

} // namespace tt::importer
