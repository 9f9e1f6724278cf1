// TRAMOS_HORARIOS of the chosen template into the week's periods: every slot
// for days 1 to 7 into DIASHORAST2, then, in start-time order through its
// index, into DIASHORAST with one hour number per distinct start time; the
// template's JORNADAS_ESCOLARES rows into PERIODOS.

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "import/field_defs.hpp"
#include "import/import_context.hpp"
#include "import/record_group.hpp"
#include "import/working_table_schemas.hpp"
#include "platform/dbf/dbf_table.hpp"
#include "text/integer_conversion.hpp"

namespace tt::importer {

namespace {

using dbf::FieldDef;
using dbf::FieldType;

constexpr int kDiasSemana = 7;

// The texts a DIASHORAST row shares with its DIASHORAST2 row.
const std::vector<std::string> kCamposCopiados = {"TEXTOHOR", "CODDIHO", "HORADESDE", "HORAHASTA",
                                                  "MINUTOS"};

std::string DosCifras(std::int64_t valor) {
    std::string texto = std::to_string(valor);
    return texto.size() < 2 ? "0" + texto : texto;
}

// Minutes after midnight as "hh:mm"; 1440 is "24:00".
std::string TextoHora(std::int64_t minutos) {
    const auto horas = static_cast<std::int64_t>(std::floor(static_cast<double>(minutos) / 60.0));
    return DosCifras(horas) + ":" + DosCifras(minutos % 60);
}

// Every slot of the chosen template, once per day, with its start minute in
// ORDEN. HORA and DIHO number the slots in document order for now; the slot
// number advances with every slot of any template.
void PasarTramos(ContextoImportacion& contexto, dbf::Table& provisional) {
    int tramo = 1;
    for (const Registro& registro : LeerGrupo(contexto.documento, "TRAMOS_HORARIOS")) {
        if (!registro.pasaReglaDeOmision()) {
            contexto.resumen.omitido("registros con menos de dos datos (TRAMOS_HORARIOS)");
            continue;
        }
        if (registro.dato(4) == contexto.PlantillaElegida) {
            const std::int64_t desde = text::ConvertirEntero(registro.dato(2));
            const std::int64_t hasta = text::ConvertirEntero(registro.dato(3));
            for (int dia = 1; dia <= kDiasSemana; ++dia) {
                provisional.append();
                provisional.setText("DIHO", std::to_string(dia) + std::to_string(tramo));
                provisional.setText("CODDIHO", registro.dato(0));
                provisional.setText("DIA", std::to_string(dia));
                provisional.setText("HORA", std::to_string(tramo));
                provisional.setText("TEXTOHOR", registro.dato(1));
                provisional.setText("HORADESDE", TextoHora(desde));
                provisional.setText("HORAHASTA", TextoHora(hasta));
                provisional.setText("MINUTOS", std::to_string(hasta - desde));
                provisional.setInteger("ORDEN", desde);
                provisional.post();
            }
        } else {
            contexto.resumen.omitido("tramos de otras plantillas horarias");
        }
        ++tramo;
    }
}

// The rows in start-time order through the table's ORDEN index; each new
// start time takes the next hour number, whatever the gap.
void NumerarHoras(dbf::Table& provisional, dbf::Table& definitiva) {
    provisional.setIndexOrder("ORDEN");
    if (provisional.eof()) return;
    std::int64_t inicio = provisional.asInteger("ORDEN");
    int hora = 1;
    for (; !provisional.eof(); provisional.next()) {
        const std::int64_t orden = provisional.asInteger("ORDEN");
        if (orden > inicio) {
            ++hora;
            inicio = orden;
        }
        const std::string dia = provisional.asText("DIA");
        definitiva.append();
        definitiva.setText("DIHO", dia + std::to_string(hora));
        definitiva.setText("DIA", dia);
        definitiva.setText("HORA", std::to_string(hora));
        for (const std::string& campo : kCamposCopiados) definitiva.setText(campo, provisional.asText(campo));
        definitiva.post();
    }
}

void PasarPeriodos(ContextoImportacion& contexto, dbf::Table& periodos) {
    for (const Registro& registro : LeerGrupo(contexto.documento, "JORNADAS_ESCOLARES")) {
        if (registro.dato(0) != contexto.PlantillaElegida) continue;
        periodos.append();
        periodos.setText("CJORNADA", registro.dato(0));
        periodos.setText("JORNADA", registro.dato(1));
        periodos.setText("FECINI", registro.dato(2));
        periodos.setText("FECFIN", registro.dato(3));
        periodos.post();
    }
}

} // namespace

void TransformarJornadasTramos(ContextoImportacion& contexto) {
    const auto rutaDiasHoras = contexto.tabla("DIASHORAST.DBF");
    const auto rutaProvisional = contexto.tabla("DIASHORAST2.DBF");
    const auto rutaPeriodos = contexto.tabla("PERIODOS.DBF");
    dbf::CreateTable(rutaDiasHoras, CamposDIASHORAST());
    dbf::CreateTable(rutaProvisional, CamposDIASHORAST2(), {{"ORDEN", "ORDEN"}});
    dbf::CreateTable(rutaPeriodos, CamposPERIODOS());

    contexto.PlantillaElegida = ElegirPlantilla(contexto.documento, contexto.selector);

    dbf::Table provisional(rutaProvisional, dbf::OpenMode::Exclusive);
    PasarTramos(contexto, provisional);
    dbf::Table diasHoras(rutaDiasHoras, dbf::OpenMode::Exclusive);
    NumerarHoras(provisional, diasHoras);
    contexto.resumen.filas("DIASHORAST2", provisional.recordCount());
    contexto.resumen.filas("DIASHORAST", diasHoras.recordCount());
    provisional.close();
    diasHoras.close();

    dbf::Table periodos(rutaPeriodos, dbf::OpenMode::Exclusive);
    PasarPeriodos(contexto, periodos);
    contexto.resumen.filas("PERIODOS", periodos.recordCount());
    periodos.close();
}

} // namespace tt::importer
