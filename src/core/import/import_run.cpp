#include "import/import_run.hpp"

#include "error.hpp"
#include "import/import_context.hpp"
#include "import/staging_folder.hpp"
#include "platform/folder_lock.hpp"
#include "platform/display_path.hpp"
#include "platform/paths.hpp"
#include "platform/xml/xml_document.hpp"

namespace tt::importer {

namespace fs = std::filesystem;
using platform::DisplayPath;

namespace {

// Production indexes of the rebuilt tables (stale once a table is rebuilt)
// and the template table that no longer exists.
const std::vector<std::string> kObsoletos = {
    "ASIGNOMT.MDX", "PROFT.MDX",      "AULAT.MDX",       "CURSOST.MDX",  "GRUPOST.MDX",
    "ASIGT.MDX",    "DIASHORAST.MDX", "DIASHORAST2.MDX", "JORNADAS.DBF",
};

xml::Document CargarExportacion(const fs::path& archivo) {
    xml::Document documento;
    const auto carga = documento.load(archivo);
    if (!carga.ok) {
        // The reason names the file and the line already.
        std::string mensaje = carga.message;
        if (!mensaje.empty() && mensaje.back() != '.') mensaje += '.';
        throw Error(mensaje + " No se ha cambiado ninguna tabla.");
    }
    // Going on with the wrong document would wipe every working table.
    if (!documento.selectSingleNode("/SERVICIO/BLOQUE_DATOS"))
        throw Error("El archivo " + DisplayPath(archivo) +
                    " no es una exportaci\xC3\xB3n de Velmora: falta SERVICIO/BLOQUE_DATOS. "
                    "No se ha cambiado ninguna tabla.");
    return documento;
}

} // namespace

ResultadoImportacion EjecutarImportacion(const ParametrosImportacion& p) {
    ResultadoImportacion resultado;
    std::error_code ec;
    if (p.archivoXml.empty() || !fs::is_regular_file(p.archivoXml, ec)) {
        resultado.desenlace = Desenlace::NoExisteArchivo;
        resultado.mensaje = kNoExisteArchivo;
        return resultado;
    }
    if (!platform::FindNoCase(p.carpetaAplicacion, "NIVELEX.DBF")) {
        resultado.desenlace = Desenlace::FaltaNivelex;
        resultado.mensaje = kNivelexNoEncontrado;
        return resultado;
    }
    if (!fs::is_directory(p.carpetaTrabajo, ec))
        throw Error("No existe la carpeta de trabajo de Horavant " + DisplayPath(p.carpetaTrabajo) +
                    ".");

    platform::FolderLock cerrojo(p.carpetaTrabajo);
    const xml::Document documento = CargarExportacion(p.archivoXml);

    CarpetaProvisional provisional(p.carpetaTrabajo);
    ContextoImportacion contexto(documento, provisional.ruta(), p.carpetaAplicacion, p.selector);
    TransformarMaterias(contexto);
    TransformarActividades(contexto);
    TransformarEmpleados(contexto);
    TransformarDependencias(contexto);
    TransformarCursosUnidades(contexto);
    TransformarAsignaciones(contexto);
    TransformarJornadasTramos(contexto);
    provisional.publicar(kObsoletos);

    resultado.mensaje = kProcesoFinalizado;
    resultado.resumen = std::move(contexto.resumen);
    return resultado;
}

} // namespace tt::importer
