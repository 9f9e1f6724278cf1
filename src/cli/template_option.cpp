#include "template_option.hpp"

#include "error.hpp"
#include "text/clipper.hpp"

namespace tt::cli {

std::string PlantillaDeOpcion::elegir(const importer::OpcionesPlantilla& opciones) {
    if (codigo_) return *codigo_;
    std::string mensaje =
        "El archivo ofrece varias plantillas de jornada; indique cuál usar con --template CÓDIGO:\n";
    for (const auto& plantilla : opciones.plantillas)
        mensaje += "  " + text::AllTrim(plantilla.codigo) + "  " + text::AllTrim(plantilla.nombre) +
                   " (" + text::AllTrim(plantilla.fechaInicio) + " - " +
                   text::AllTrim(plantilla.fechaFin) + ")\n";
    throw Error(mensaje + "No se ha cambiado ninguna tabla.");
}

} // namespace tt::cli
