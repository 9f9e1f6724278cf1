#include "import_command.hpp"

#include <ostream>

#include "import/import_run.hpp"
#include "platform/paths.hpp"
#include "template_option.hpp"
#include "utf8_path.hpp"

namespace tt::cli {

namespace {

void EscribirResumen(const importer::ResumenImportacion& resumen, std::ostream& salida) {
    salida << "Filas escritas:\n";
    for (const auto& [tabla, filas] : resumen.filasPorTabla)
        salida << "  " << tabla << ": " << filas << "\n";
    if (resumen.omitidos.empty()) {
        salida << "Registros omitidos: ninguno\n";
    } else {
        salida << "Registros omitidos:\n";
        for (const auto& [motivo, cuenta] : resumen.omitidos)
            salida << "  " << motivo << ": " << cuenta << "\n";
    }
    for (const auto& [motivo, cuenta] : resumen.avisos)
        salida << "Aviso: " << motivo << ": " << cuenta << "\n";
}

} // namespace

int ComandoImportar(const OrdenImportar& orden, std::ostream& salida, std::ostream& errores) {
    PlantillaDeOpcion selector(orden.plantilla);
    importer::ParametrosImportacion parametros;
    parametros.archivoXml = RutaDeArgumento(orden.archivo);
    parametros.carpetaTrabajo = orden.carpetaTrabajo ? RutaDeArgumento(*orden.carpetaTrabajo)
                                                     : platform::DefaultWorkDir();
    parametros.carpetaAplicacion = orden.carpetaAplicacion
                                       ? RutaDeArgumento(*orden.carpetaAplicacion)
                                       : platform::ExecutableDir();
    parametros.selector = &selector;

    const auto resultado = importer::EjecutarImportacion(parametros);
    if (resultado.desenlace != importer::Desenlace::Finalizado) {
        errores << resultado.mensaje << "\n";
        return 1;
    }
    salida << resultado.mensaje << "\n";
    EscribirResumen(resultado.resumen, salida);
    return 0;
}

} // namespace tt::cli
