#include "export/export_run.hpp"

#include "error.hpp"
#include "export/horarios_regulares.hpp"
#include "export/output_date.hpp"
#include "import/import_run.hpp"
#include "platform/dbf/dbf_table.hpp"
#include "platform/display_path.hpp"
#include "platform/folder_lock.hpp"
#include "platform/paths.hpp"
#include "platform/xml/xml_document.hpp"
#include "text/clipper.hpp"
#include "text/codepage.hpp"

namespace tt::exporter {

namespace fs = std::filesystem;
using platform::DisplayPath;

namespace {

constexpr const char* kNadaEscrito = " No se ha escrito ning\xC3\xBAn archivo.";

dbf::Table AbrirExclusiva(const fs::path& carpeta, const char* nombre) {
    return dbf::Table(platform::ResolveNoCase(carpeta, nombre), dbf::OpenMode::Exclusive);
}

// The eight working tables, opened exclusively in this order. Whatever stops
// the run closes them (members are destroyed even when a later one fails to
// open), so a following import can replace their files.
struct TablasExportacion {
    explicit TablasExportacion(const fs::path& carpeta)
        : soluc(AbrirExclusiva(carpeta, "SOLUC.DBF")), grupos(AbrirExclusiva(carpeta, "GRUPOST.DBF")),
          cursos(AbrirExclusiva(carpeta, "CURSOST.DBF")), profesores(AbrirExclusiva(carpeta, "PROFT.DBF")),
          aulas(AbrirExclusiva(carpeta, "AULAT.DBF")), nomAsg(AbrirExclusiva(carpeta, "ASIGNOMT.DBF")),
          tramos(AbrirExclusiva(carpeta, "DIASHORAST.DBF")), asig(AbrirExclusiva(carpeta, "ASIGT.DBF")) {}

    void cerrar() {
        for (dbf::Table* tabla : {&soluc, &grupos, &cursos, &profesores, &aulas, &nomAsg, &tramos, &asig})
            tabla->close();
    }

    dbf::Table soluc;      // wwTableSoluc
    dbf::Table grupos;     // wwTableGrupos
    dbf::Table cursos;     // wwTableCursos: opened and closed with the others, not read
    dbf::Table profesores; // wwTableProfesor
    dbf::Table aulas;      // wwTableAulas: opened and closed with the others, not read
    dbf::Table nomAsg;     // wwTableNomAsg
    dbf::Table tramos;     // wwTableTramos
    dbf::Table asig;       // wwTableAsig
};

// The chosen file, refused before anything is opened when it cannot be the
// document the import read.
xml::Document CargarDocumento(const fs::path& archivo) {
    xml::Document documento;
    const xml::LoadResult carga = documento.load(archivo);
    const std::string nombre = "El archivo " + DisplayPath(archivo);
    if (!carga.ok) {
        // The reason names the file and the line already.
        std::string mensaje = carga.message;
        if (!mensaje.empty() && mensaje.back() != '.') mensaje += '.';
        throw Error(mensaje + kNadaEscrito);
    }
    const xml::Node bloque = documento.selectSingleNode("/SERVICIO/BLOQUE_DATOS");
    if (!bloque)
        throw Error(nombre + " no es una exportaci\xC3\xB3n de Velmora: falta SERVICIO/BLOQUE_DATOS." +
                    kNadaEscrito);
    if (!bloque.firstChild())
        throw Error(nombre + " no es una exportaci\xC3\xB3n de Velmora: SERVICIO/BLOQUE_DATOS est\xC3\xA1 vac\xC3\xADo." +
                    kNadaEscrito);
    return documento;
}

// The text below the first child of BLOQUE_DATOS, cut to five characters.
std::string CodigoAnnoAcademico(const xml::Document& documento) {
    const xml::Node primero = documento.selectSingleNode("/SERVICIO/BLOQUE_DATOS").firstChild();
    return text::Left(text::Narrow(primero.text()), 5);
}

// The first row of PERIODOS; both empty when it has none.
Periodo LeerPeriodo(const fs::path& archivo) {
    dbf::Table periodos(archivo, dbf::OpenMode::Shared);
    return Periodo{periodos.asText("FECINI"), periodos.asText("FECFIN")};
}

// Replaces the root with SERVICIO / BLOQUE_DATOS holding the academic year
// and the timetables; everything outside the root stays.
void ConstruirSalida(xml::Document& documento, const std::string& anno, const Instante& instante,
                     TablasExportacion& tablas, const Periodo& periodo, ResumenExportacion& resumen) {
    documento.removeChild(documento.documentElement());
    xml::Node servicio = documento.createElement("SERVICIO");
    servicio.setAttribute("modulo", "HORARIOS");
    servicio.setAttribute("tipo", "I");
    servicio.setAttribute("autor", "HORARIOS");
    servicio.setAttribute("fecha", TextoFecha(instante));
    documento.appendChild(servicio);

    xml::Node bloque = documento.createNode(1, "BLOQUE_DATOS", "");
    servicio.appendChild(bloque);

    xml::Node cabecera = documento.createElement("grupo_datos");
    cabecera.setAttribute("seq", "ANNO_ACADEMICO");
    xml::Node dato = documento.createElement("dato");
    dato.setAttribute("nombre_dato", "C_ANNO");
    dato.setText(text::Widen(anno));
    cabecera.appendChild(dato);
    bloque.appendChild(cabecera);

    xml::Node horarios = documento.createElement("grupo_datos");
    bloque.appendChild(horarios);
    horarios.setAttribute("seq", "HORARIOS_REGULARES");
    horarios.setAttribute("registros", static_cast<std::int64_t>(tablas.profesores.recordCount()));

    TransformarHorariosRegulares(documento, horarios,
                                 TablasHorario{tablas.profesores, tablas.soluc, tablas.asig, tablas.nomAsg,
                                               tablas.tramos, tablas.grupos},
                                 periodo, resumen);
}

} // namespace

fs::path NombreSalida(const fs::path& archivoXml) {
    fs::path nombre(u8"ResultadoTavora");
    nombre += archivoXml.filename();
    return archivoXml.parent_path() / nombre;
}

ResultadoExportacion EjecutarExportacion(const ParametrosExportacion& p) {
    ResultadoExportacion resultado;
    std::error_code ec;
    if (p.archivoXml.empty() || !fs::is_regular_file(p.archivoXml, ec)) {
        resultado.desenlace = Desenlace::NoExisteArchivo;
        resultado.mensaje = importer::kNoExisteArchivo;
        return resultado;
    }
    xml::Document documento = CargarDocumento(p.archivoXml);
    const std::string anno = CodigoAnnoAcademico(documento);

    if (!fs::is_directory(p.carpetaTrabajo, ec))
        throw Error("No existe la carpeta de trabajo de Horavant " + DisplayPath(p.carpetaTrabajo) + "." +
                    kNadaEscrito);
    // An import publishing its tables meanwhile would mix two schools.
    platform::FolderLock cerrojo(p.carpetaTrabajo);
    TablasExportacion tablas(p.carpetaTrabajo);

    const auto periodos = platform::FindNoCase(p.carpetaTrabajo, "PERIODOS.DBF");
    if (!periodos) {
        resultado.desenlace = Desenlace::FaltaPeriodos;
        resultado.mensaje = kPeriodosNoEncontrado;
        return resultado;
    }
    const Periodo periodo = LeerPeriodo(*periodos);

    ConstruirSalida(documento, anno, p.reloj(), tablas, periodo, resultado.resumen);
    tablas.cerrar();

    resultado.resumen.archivoSalida = NombreSalida(p.archivoXml);
    documento.save(resultado.resumen.archivoSalida);
    resultado.mensaje = importer::kProcesoFinalizado;
    return resultado;
}

} // namespace tt::exporter
