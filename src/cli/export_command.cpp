#include "export_command.hpp"

#include <ostream>

#include "export/export_run.hpp"
#include "platform/display_path.hpp"
#include "platform/paths.hpp"
#include "utf8_path.hpp"

namespace tt::cli {

int ComandoExportar(const OrdenExportar& orden, std::ostream& salida, std::ostream& errores) {
    exporter::ParametrosExportacion parametros;
    parametros.archivoXml = RutaDeArgumento(orden.archivo);
    parametros.carpetaTrabajo = orden.carpetaTrabajo ? RutaDeArgumento(*orden.carpetaTrabajo)
                                                     : platform::DefaultWorkDir();

    const auto resultado = exporter::EjecutarExportacion(parametros);
    if (resultado.desenlace != exporter::Desenlace::Finalizado) {
        errores << resultado.mensaje << "\n";
        return 1;
    }
    const auto& resumen = resultado.resumen;
    salida << resultado.mensaje << "\n"
           << "Archivo escrito: " << platform::DisplayPath(resumen.archivoSalida) << "\n"
           << "Profesores: " << resumen.profesores << "\n"
           << "Sesiones: " << resumen.sesiones << "\n";
    const std::pair<const char*, std::size_t> avisos[] = {
        {"sesiones sin profesor", resumen.sesionesSinProfesor},
        {"sesiones sin tramo horario", resumen.sinTramo},
        {"sesiones sin materia", resumen.sinMateria},
        {"sesiones sin unidad", resumen.sinUnidad},
    };
    for (const auto& [aviso, cuenta] : avisos)
        if (cuenta > 0) salida << "Aviso: " << aviso << ": " << cuenta << "\n";
    return 0;
}

} // namespace tt::cli
