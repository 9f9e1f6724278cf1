// ASIGNOMT: Horavant's subject catalogue, one row per distinct subject name
// with a generated code, followed by the activities with their own codes.

#include "import/field_defs.hpp"
#include "import/import_context.hpp"
#include "import/valid_records.hpp"
#include "import/working_table_schemas.hpp"
#include "platform/dbf/dbf_table.hpp"
#include "text/clipper.hpp"

namespace tt::importer {

namespace {

using dbf::FieldType;

constexpr const char* kTabla = "ASIGNOMT";
constexpr const char* kArchivo = "ASIGNOMT.DBF";

bool EsMayusculaAZ(char c) { return c >= 'A' && c <= 'Z'; }

// The code a subject's name suggests: its capitals A to Z, after the first
// character when that is not one of them; a single character is too little,
// so then the name's beginning, or its initials when it has several words.
std::string CodigoBase(const std::string& nombre) {
    std::string codigo;
    if (!EsMayusculaAZ(nombre.front())) codigo = nombre.front();
    codigo += text::Mayusculas(nombre);
    if (codigo.size() == 1) {
        if (nombre.find(' ') == std::string::npos)
            codigo = text::Left(nombre, 6);
        else
            codigo = nombre.front() + text::Iniciales(nombre);
    }
    return codigo;
}

} // namespace

void TransformarMaterias(ContextoImportacion& contexto) {
    const auto archivo = contexto.tabla(kArchivo);
    dbf::CreateTable(archivo, CamposASIGNOMT());
    dbf::Table tabla(archivo, dbf::OpenMode::Exclusive);
    std::size_t filas = 0;

    for (const auto& registro : LeerRegistrosValidos(contexto, "MATERIAS")) {
        const std::string nombre = registro.dato(2);
        if (nombre.empty()) {
            contexto.resumen.omitido("materias sin nombre");
            continue;
        }
        std::string codigo = CodigoBase(nombre);
        const std::string codigoLargo = codigo.size() >= 5 ? text::Left(codigo, 10)
                                                           : text::Left(nombre, 10);
        codigo = text::Left(codigo, 10);

        // One row per name: the same subject comes once for every course.
        if (!contexto.NombresVistos.insert(text::MayusculasAZ(nombre)).second) {
            contexto.resumen.omitido("materias con nombre repetido");
            continue;
        }
        if (contexto.CodigosUsados.contiene(codigo))
            codigo = CodigoConSufijoLibre(contexto.CodigosUsados, codigo, RecorteSufijo::OchoMasDos);
        contexto.CodigosUsados.agregar(codigo);

        tabla.append();
        tabla.setText("COD", codigo);
        tabla.setText("CODLARGO", codigoLargo);
        tabla.setText("NOMBRE", nombre);
        tabla.setBool("ESTAREA", false);
        tabla.post();
        ++filas;
    }
    tabla.close();
    contexto.resumen.filas(kTabla, filas);
}

// Activities bring their own codes: they are written as they come, after the
// subjects, without touching the subject-code registries.
void TransformarActividades(ContextoImportacion& contexto) {
    dbf::Table tabla(contexto.tabla(kArchivo), dbf::OpenMode::Exclusive);
    std::size_t filas = tabla.recordCount();

    for (const auto& registro : LeerRegistrosValidos(contexto, "ACTIVIDADES")) {
        const std::string codigo = registro.dato(1);
        const std::string nombre = registro.dato(2);
        tabla.append();
        tabla.setText("COD", codigo);
        tabla.setText("CODLARGO", text::Left(nombre, 8));
        tabla.setText("NOMBRE", nombre);
        tabla.setText("CODTAREA", codigo);
        tabla.setBool("ESTAREA", true);
        tabla.post();
        ++filas;
    }
    tabla.close();
    contexto.resumen.filas(kTabla, filas);
}

} // namespace tt::importer
