// AULAT: one row per room, keeping Velmora's room key as the code whenever
// it can, so that the timetable carries the key back.

#include "import/field_defs.hpp"
#include "import/import_context.hpp"
#include "import/valid_records.hpp"
#include "import/working_table_schemas.hpp"
#include "platform/dbf/dbf_table.hpp"
#include "text/clipper.hpp"

namespace tt::importer {

namespace {

using dbf::FieldType;

constexpr const char* kTabla = "AULAT";
constexpr const char* kArchivo = "AULAT.DBF";

constexpr int kAnchoCodigo = 10;

} // namespace

void TransformarDependencias(ContextoImportacion& contexto) {
    const auto archivo = contexto.tabla(kArchivo);
    dbf::CreateTable(archivo, CamposAULAT());
    dbf::Table tabla(archivo, dbf::OpenMode::Exclusive);
    // Holds the codes whole; the table cuts them to its width, so two long
    // keys may still end up as the same stored code.
    RegistroCodigos codigos(Comparacion::SinMayusculas);
    std::size_t filas = 0;

    for (const auto& registro : LeerRegistrosValidos(contexto, "DEPENDENCIAS")) {
        const std::string nombre = registro.dato(1);
        std::string codigo = registro.dato(0);
        if (codigo.empty()) codigo = text::Left(nombre, 6);
        if (codigos.contiene(codigo))
            codigo = CodigoConSufijoLibre(codigos, codigo, RecorteSufijo::Ninguno);
        codigos.agregar(codigo);
        // The export writes the stored code back as Velmora's room key, so a
        // cut code would come back as a different key.
        if (codigo.size() > static_cast<std::size_t>(kAnchoCodigo))
            contexto.resumen.aviso("códigos de dependencia de más de 10 caracteres, recortados en "
                                   "AULAT (la exportación devolverá la clave recortada)");

        tabla.append();
        tabla.setText("ABREV", codigo);
        tabla.setText("NOMBRE", nombre);
        tabla.setText("DEPCENTRO", "");
        tabla.post();
        ++filas;
    }
    tabla.close();
    contexto.resumen.filas(kTabla, filas);
}

} // namespace tt::importer
