// MATERIAS, read again, into ASIGT: one row per subject and class unit of
// the subject's course, with the subject's code from ASIGNOMT and the units
// from GRUPOST, both built moments before by this same run.

#include <cmath>
#include <string>
#include <unordered_map>
#include <vector>

#include "import/field_defs.hpp"
#include "import/import_context.hpp"
#include "import/record_group.hpp"
#include "import/working_table_schemas.hpp"
#include "platform/dbf/dbf_table.hpp"
#include "text/clipper.hpp"
#include "text/integer_conversion.hpp"

namespace tt::importer {

namespace {

using dbf::FieldDef;
using dbf::FieldType;

// The export carries no teaching time per subject: every assignment gets
// four one-hour lessons until the timetabler's user changes it.
constexpr const char* kMinutosPorMateria = "240";
constexpr int kMaximoSesiones = 13;

// NOMBRE holds names cut to its 80 characters.
constexpr int kAnchoNombre = 80;

// Names compared with a-z upper-cased and outer blanks dropped; accented
// letters must match as they are.
std::string ClaveDeNombre(const std::string& nombre) {
    return text::AllTrim(text::MayusculasAZ(nombre));
}

struct Unidad {
    std::string codigo;
    std::string nivel;
    std::string curso;
    std::string grupo;
};

// First COD per name, as a scan of ASIGNOMT from the top finds it (subjects
// come before activities of the same name).
std::unordered_map<std::string, std::string> CodigosPorNombre(dbf::Table& materias) {
    std::unordered_map<std::string, std::string> codigos;
    for (materias.first(); !materias.eof(); materias.next())
        codigos.try_emplace(ClaveDeNombre(materias.asText("NOMBRE")), materias.asText("COD"));
    return codigos;
}

// The class units of each course key, in GRUPOST's order.
std::unordered_map<std::string, std::vector<Unidad>> UnidadesPorCurso(dbf::Table& grupos) {
    std::unordered_map<std::string, std::vector<Unidad>> unidades;
    for (grupos.first(); !grupos.eof(); grupos.next())
        unidades[grupos.asText("CLAVECURSO")].push_back(
            {grupos.asText("ABREV"), grupos.asText("NIVEL"), grupos.asText("CURSO"), grupos.asText("GRUPO")});
    return unidades;
}

// The lesson pattern of n hours: one "1" per one-hour lesson; past 13 the
// count of the extra lessons leads thirteen "1".
std::string Sesiones(double horas) {
    const auto lecciones = static_cast<int>(std::ceil(horas));
    if (lecciones > kMaximoSesiones)
        return std::to_string(lecciones - kMaximoSesiones) + std::string(kMaximoSesiones, '1');
    return std::string(static_cast<std::size_t>(lecciones), '1');
}

// HORAS in whole hours (at least one) and SESIONES to match, on the current row.
void PonerHorasYSesiones(dbf::Table& asignaciones) {
    const int minutos = text::ConvertirEntero(kMinutosPorMateria);
    asignaciones.setFloat("HORAS", std::ceil(minutos / 60.0));
    double horas = asignaciones.asFloat("HORAS");
    if (horas < 1.0) {
        horas = 1.0;
        asignaciones.setFloat("HORAS", horas);
    }
    asignaciones.setText("SESIONES", Sesiones(horas));
}

} // namespace

void TransformarAsignaciones(ContextoImportacion& contexto) {
    const auto ruta = contexto.tabla("ASIGT.DBF");
    dbf::CreateTable(ruta, CamposASIGT());
    dbf::Table asignaciones(ruta, dbf::OpenMode::Exclusive);

    dbf::Table grupos(contexto.tabla("GRUPOST.DBF"), dbf::OpenMode::Shared);
    dbf::Table materias(contexto.tabla("ASIGNOMT.DBF"), dbf::OpenMode::Shared);
    const auto unidadesPorCurso = UnidadesPorCurso(grupos);
    const auto codigosPorNombre = CodigosPorNombre(materias);

    for (const Registro& registro : LeerGrupo(contexto.documento, "MATERIAS")) {
        if (!registro.pasaReglaDeOmision()) {
            contexto.resumen.omitido("registros con menos de dos datos (MATERIAS)");
            continue;
        }
        const std::string claveCurso = registro.dato(0);
        const std::string claveMateria = registro.dato(1);
        const std::string nombre = registro.dato(2);
        // A nameless subject has no catalogue row of its own; matching it to
        // a blank NOMBRE would give it another entry's code.
        if (nombre.empty()) {
            contexto.resumen.omitido("materias sin nombre (ASIGT)");
            continue;
        }
        const auto codigo = codigosPorNombre.find(ClaveDeNombre(text::Left(nombre, kAnchoNombre)));
        if (codigo == codigosPorNombre.end() || codigo->second.empty()) {
            contexto.resumen.omitido("materias sin c\xC3\xB3" "digo en ASIGNOMT (ASIGT)");
            continue;
        }
        const auto unidades = unidadesPorCurso.find(claveCurso);
        if (unidades == unidadesPorCurso.end()) {
            contexto.resumen.omitido("materias de cursos sin unidades (ASIGT)");
            continue;
        }
        for (const Unidad& unidad : unidades->second) {
            asignaciones.append();
            asignaciones.setText("CASIG", codigo->second);
            asignaciones.setText("CGRUP", unidad.codigo);
            asignaciones.setText("NIVEL", unidad.nivel);
            asignaciones.setText("CURSO", unidad.curso);
            asignaciones.setText("GRUPO", unidad.grupo);
            PonerHorasYSesiones(asignaciones);
            asignaciones.setText("CLAVE", claveMateria);
            asignaciones.setText("CLAVECURSO", claveCurso);
            asignaciones.setText("CTAREA", "1");
            asignaciones.post();
        }
    }

    contexto.resumen.filas("ASIGT", asignaciones.recordCount());
    asignaciones.close();
}

} // namespace tt::importer
