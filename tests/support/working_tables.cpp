#include "support/working_tables.hpp"

#include "import/field_defs.hpp"
#include "import/working_table_schemas.hpp"
#include "platform/dbf/dbf_table.hpp"

#include <functional>

namespace tt::testing {

namespace fs = std::filesystem;
using dbf::FieldDef;
using dbf::FieldType;
using importer::Caracter;

namespace {

// Creates the table and appends one row per element through `llenar`.
template <class Fila>
void Escribir(const fs::path& archivo, const std::vector<FieldDef>& campos, const std::vector<Fila>& filas,
              const std::function<void(dbf::Table&, const Fila&)>& llenar) {
    dbf::CreateTable(archivo, campos);
    dbf::Table tabla(archivo, dbf::OpenMode::Exclusive);
    for (const Fila& fila : filas) {
        tabla.append();
        llenar(tabla, fila);
        tabla.post();
    }
    tabla.close();
}

} // namespace

const std::vector<std::string>& NombresTablasExportacion() {
    static const std::vector<std::string> nombres = {"SOLUC.DBF",    "GRUPOST.DBF",    "CURSOST.DBF",
                                                     "PROFT.DBF",    "AULAT.DBF",      "ASIGNOMT.DBF",
                                                     "DIASHORAST.DBF", "ASIGT.DBF",    "PERIODOS.DBF"};
    return nombres;
}

void EscribirSoluc(const fs::path& carpeta, const std::vector<FilaSoluc>& filas) {
    Escribir<FilaSoluc>(carpeta / "SOLUC.DBF",
                        {Caracter("PROF", 10), {"DIA", FieldType::Integer, 2}, {"HORA", FieldType::Integer, 3},
                         Caracter("ASIG", 10), Caracter("CODGRUPO", 10), Caracter("TAREA", 12), Caracter("AULA", 10)},
                        filas, [](dbf::Table& tabla, const FilaSoluc& f) {
                            tabla.setText("PROF", f.prof);
                            tabla.setInteger("DIA", f.dia);
                            tabla.setInteger("HORA", f.hora);
                            tabla.setText("ASIG", f.asig);
                            tabla.setText("CODGRUPO", f.codGrupo);
                            tabla.setText("TAREA", f.tarea);
                            tabla.setText("AULA", f.aula);
                        });
}

void EscribirTablas(const fs::path& carpeta, const TablasDeTrabajo& t) {
    EscribirSoluc(carpeta, t.soluc);
    Escribir<FilaUnidad>(carpeta / "GRUPOST.DBF",
                         importer::CamposGRUPOST(),
                         t.unidades, [](dbf::Table& tabla, const FilaUnidad& f) {
                             tabla.setText("ABREV", f.abrev);
                             tabla.setText("CLAVE", f.clave);
                         });
    dbf::CreateTable(carpeta / "CURSOST.DBF", importer::CamposCURSOST());
    Escribir<FilaProfesor>(carpeta / "PROFT.DBF",
                           importer::CamposPROFT(),
                           t.profesores, [](dbf::Table& tabla, const FilaProfesor& f) {
                               tabla.setText("ABREV", f.abrev);
                               tabla.setText("X_EMPLEADO", f.xEmpleado);
                               tabla.setText("F_TOMAPOS", f.fTomaPos);
                           });
    dbf::CreateTable(carpeta / "AULAT.DBF", importer::CamposAULAT());
    Escribir<FilaMateria>(carpeta / "ASIGNOMT.DBF",
                          importer::CamposASIGNOMT(),
                          t.materias, [](dbf::Table& tabla, const FilaMateria& f) {
                              tabla.setText("COD", f.cod);
                              tabla.setText("CODTAREA", f.codTarea);
                              tabla.setBool("ESTAREA", !f.codTarea.empty());
                          });
    Escribir<FilaTramo>(carpeta / "DIASHORAST.DBF",
                        importer::CamposDIASHORAST(),
                        t.tramos, [](dbf::Table& tabla, const FilaTramo& f) {
                            tabla.setText("DIHO", f.diho);
                            tabla.setText("CODDIHO", f.codDiho);
                            tabla.setText("DIA", f.dia);
                            tabla.setText("HORADESDE", f.desde);
                            tabla.setText("HORAHASTA", f.hasta);
                        });
    Escribir<FilaAsignacion>(carpeta / "ASIGT.DBF",
                             importer::CamposASIGT(),
                             t.asignaciones, [](dbf::Table& tabla, const FilaAsignacion& f) {
                                 tabla.setText("CASIG", f.casig);
                                 tabla.setText("CGRUP", f.cgrup);
                                 tabla.setText("CLAVE", f.clave);
                                 tabla.setText("CLAVECURSO", f.claveCurso);
                             });
    if (t.periodos)
        Escribir<FilaPeriodo>(carpeta / "PERIODOS.DBF",
                              importer::CamposPERIODOS(),
                              *t.periodos, [](dbf::Table& tabla, const FilaPeriodo& f) {
                                  tabla.setText("FECINI", f.fecIni);
                                  tabla.setText("FECFIN", f.fecFin);
                              });
}

} // namespace tt::testing
