// PROFT: one row per staff record, with a teacher code made of the initials
// of the names.

#include "import/field_defs.hpp"
#include "import/import_context.hpp"
#include "import/valid_records.hpp"
#include "import/working_table_schemas.hpp"
#include "platform/dbf/dbf_table.hpp"

namespace tt::importer {

namespace {

using dbf::FieldType;

constexpr const char* kTabla = "PROFT";
constexpr const char* kArchivo = "PROFT.DBF";

// The initial is taken before trimming, so a name that starts with a blank
// gives a blank initial.
std::string Inicial(const Registro& registro, std::size_t posicion) {
    return registro.datoSinRecortar(posicion).substr(0, 1);
}

} // namespace

void TransformarEmpleados(ContextoImportacion& contexto) {
    const auto archivo = contexto.tabla(kArchivo);
    dbf::CreateTable(archivo, CamposPROFT());
    dbf::Table tabla(archivo, dbf::OpenMode::Exclusive);
    RegistroCodigos codigos(Comparacion::SinMayusculas);
    std::size_t filas = 0;

    for (const auto& registro : LeerRegistrosValidos(contexto, "EMPLEADOS")) {
        const std::string nombre =
            registro.dato(3) + " " + registro.dato(4) + ", " + registro.dato(5);
        std::string codigo = Inicial(registro, 3) + Inicial(registro, 4) + Inicial(registro, 5);
        // At most three characters, so only a suffix of eight digits could
        // make a candidate long enough to need the 8+2 cut.
        if (codigos.contiene(codigo))
            codigo = CodigoConSufijoLibre(codigos, codigo, RecorteSufijo::OchoMasDos);
        codigos.agregar(codigo);

        tabla.append();
        tabla.setText("ABREV", codigo);
        tabla.setText("NOMBRE", nombre);
        tabla.setText("DEPART", registro.dato(2));
        tabla.setText("X_EMPLEADO", registro.dato(0));
        tabla.setText("F_TOMAPOS", registro.dato(1));
        tabla.post();
        ++filas;
    }
    tabla.close();
    contexto.resumen.filas(kTabla, filas);
}

} // namespace tt::importer
