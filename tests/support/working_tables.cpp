#include "support/working_tables.hpp"

#include "platform/dbf/dbf_table.hpp"

#include <functional>

namespace tt::testing {

namespace fs = std::filesystem;
using dbf::FieldDef;
using dbf::FieldType;

namespace {

FieldDef Texto(const char* nombre, int ancho) { return {nombre, FieldType::Character, ancho}; }

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
                        {Texto("PROF", 10), {"DIA", FieldType::Integer, 2}, {"HORA", FieldType::Integer, 3},
                         Texto("ASIG", 10), Texto("CODGRUPO", 10), Texto("TAREA", 12), Texto("AULA", 10)},
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
                         {Texto("ABREV", 10), Texto("TURNO", 1), Texto("NIVEL", 5), Texto("CURSO", 3),
                          Texto("GRUPO", 2), Texto("CLAVE", 10), Texto("CLAVECURSO", 10), Texto("DESCRIP", 80)},
                         t.unidades, [](dbf::Table& tabla, const FilaUnidad& f) {
                             tabla.setText("ABREV", f.abrev);
                             tabla.setText("CLAVE", f.clave);
                         });
    dbf::CreateTable(carpeta / "CURSOST.DBF", {Texto("ABREV", 10), Texto("TURNO", 1), Texto("NIVEL", 5),
                                               Texto("CURSO", 3), Texto("CLAVE", 10), Texto("ESTUD", 80)});
    Escribir<FilaProfesor>(carpeta / "PROFT.DBF",
                           {Texto("ABREV", 10), Texto("NOMBRE", 80), Texto("DEPART", 40),
                            {"DNI", FieldType::Integer}, Texto("X_EMPLEADO", 10), Texto("F_TOMAPOS", 10)},
                           t.profesores, [](dbf::Table& tabla, const FilaProfesor& f) {
                               tabla.setText("ABREV", f.abrev);
                               tabla.setText("X_EMPLEADO", f.xEmpleado);
                               tabla.setText("F_TOMAPOS", f.fTomaPos);
                           });
    dbf::CreateTable(carpeta / "AULAT.DBF", {Texto("ABREV", 10), Texto("NOMBRE", 80), Texto("EDIFICIO", 1),
                                             {"MAXALUM", FieldType::Integer}, Texto("DEPCENTRO", 10)});
    Escribir<FilaMateria>(carpeta / "ASIGNOMT.DBF",
                          {Texto("COD", 10), Texto("CODLARGO", 10), Texto("NOMBRE", 80), Texto("MATERIA", 8),
                           Texto("CODTAREA", 12), {"ESTAREA", FieldType::Logical}},
                          t.materias, [](dbf::Table& tabla, const FilaMateria& f) {
                              tabla.setText("COD", f.cod);
                              tabla.setText("CODTAREA", f.codTarea);
                              tabla.setBool("ESTAREA", !f.codTarea.empty());
                          });
    Escribir<FilaTramo>(carpeta / "DIASHORAST.DBF",
                        {Texto("DIHO", 10), Texto("CODDIHO", 10), Texto("DIA", 20), Texto("TEXTODIA", 20),
                         Texto("HORA", 8), Texto("TEXTOHOR", 15), Texto("HORADESDE", 8), Texto("HORAHASTA", 8),
                         Texto("MINUTOS", 8)},
                        t.tramos, [](dbf::Table& tabla, const FilaTramo& f) {
                            tabla.setText("DIHO", f.diho);
                            tabla.setText("CODDIHO", f.codDiho);
                            tabla.setText("DIA", f.dia);
                            tabla.setText("HORADESDE", f.desde);
                            tabla.setText("HORAHASTA", f.hasta);
                        });
    Escribir<FilaAsignacion>(carpeta / "ASIGT.DBF",
                             {Texto("CASIG", 10), Texto("CPROF", 10), Texto("CGRUP", 10), Texto("CAULA", 10),
                              Texto("TURNO", 1), Texto("NIVEL", 5), Texto("CURSO", 3), Texto("GRUPO", 2),
                              {"HORAS", FieldType::Float}, Texto("SESIONES", 20), Texto("CLAVE", 10),
                              Texto("CLAVECURSO", 10), Texto("CTAREA", 10)},
                             t.asignaciones, [](dbf::Table& tabla, const FilaAsignacion& f) {
                                 tabla.setText("CASIG", f.casig);
                                 tabla.setText("CGRUP", f.cgrup);
                                 tabla.setText("CLAVE", f.clave);
                                 tabla.setText("CLAVECURSO", f.claveCurso);
                             });
    if (t.periodos)
        Escribir<FilaPeriodo>(carpeta / "PERIODOS.DBF",
                              {Texto("CJORNADA", 10), Texto("JORNADA", 40), Texto("FECINI", 10), Texto("FECFIN", 10)},
                              *t.periodos, [](dbf::Table& tabla, const FilaPeriodo& f) {
                                  tabla.setText("FECINI", f.fecIni);
                                  tabla.setText("FECFIN", f.fecFin);
                              });
}

} // namespace tt::testing
