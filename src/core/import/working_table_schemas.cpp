#include "import/working_table_schemas.hpp"

#include "import/field_defs.hpp"

namespace tt::importer {

using dbf::FieldDef;
using dbf::FieldType;

const std::vector<FieldDef>& CamposASIGNOMT() {
    static const std::vector<FieldDef> campos = {
        Caracter("COD", 10),      Caracter("CODLARGO", 10), Caracter("NOMBRE", 80),
        Caracter("MATERIA", 8),   Caracter("CODTAREA", 12), {"ESTAREA", FieldType::Logical, 0},
    };
    return campos;
}

const std::vector<FieldDef>& CamposPROFT() {
    static const std::vector<FieldDef> campos = {
        Caracter("ABREV", 10),      Caracter("NOMBRE", 80),    Caracter("DEPART", 40),
        {"DNI", FieldType::Integer, 0}, Caracter("X_EMPLEADO", 10), Caracter("F_TOMAPOS", 10),
    };
    return campos;
}

const std::vector<FieldDef>& CamposAULAT() {
    static const std::vector<FieldDef> campos = {
        Caracter("ABREV", 10), Caracter("NOMBRE", 80), Caracter("EDIFICIO", 1),
        {"MAXALUM", FieldType::Integer, 0}, Caracter("DEPCENTRO", 10),
    };
    return campos;
}

const std::vector<FieldDef>& CamposCURSOST() {
    static const std::vector<FieldDef> campos = {
        Caracter("ABREV", 10), Caracter("TURNO", 1),  Caracter("NIVEL", 5),
        Caracter("CURSO", 3),  Caracter("CLAVE", 10), Caracter("ESTUD", 80),
    };
    return campos;
}

const std::vector<FieldDef>& CamposGRUPOST() {
    static const std::vector<FieldDef> campos = {
        Caracter("ABREV", 10), Caracter("TURNO", 1),  Caracter("NIVEL", 5),       Caracter("CURSO", 3),
        Caracter("GRUPO", 2),  Caracter("CLAVE", 10), Caracter("CLAVECURSO", 10), Caracter("DESCRIP", 80),
    };
    return campos;
}

const std::vector<FieldDef>& CamposASIGT() {
    static const std::vector<FieldDef> campos = {
        Caracter("CASIG", 10), Caracter("CPROF", 10), Caracter("CGRUP", 10), Caracter("CAULA", 10),
        Caracter("TURNO", 1),  Caracter("NIVEL", 5),  Caracter("CURSO", 3),  Caracter("GRUPO", 2),
        {"HORAS", FieldType::Float}, // the engine's default size
        Caracter("SESIONES", 20), Caracter("CLAVE", 10), Caracter("CLAVECURSO", 10), Caracter("CTAREA", 10),
    };
    return campos;
}

const std::vector<FieldDef>& CamposDIASHORAST() {
    static const std::vector<FieldDef> campos = {
        Caracter("DIHO", 10),     Caracter("CODDIHO", 10),  Caracter("DIA", 20),
        Caracter("TEXTODIA", 20), Caracter("HORA", 8),      Caracter("TEXTOHOR", 15),
        Caracter("HORADESDE", 8), Caracter("HORAHASTA", 8), Caracter("MINUTOS", 8),
    };
    return campos;
}

const std::vector<FieldDef>& CamposDIASHORAST2() {
    static const std::vector<FieldDef> campos = [] {
        std::vector<FieldDef> c = CamposDIASHORAST();
        c.push_back({"ORDEN", FieldType::Integer});
        return c;
    }();
    return campos;
}

const std::vector<FieldDef>& CamposPERIODOS() {
    static const std::vector<FieldDef> campos = {
        Caracter("CJORNADA", 10), Caracter("JORNADA", 40), Caracter("FECINI", 10), Caracter("FECFIN", 10),
    };
    return campos;
}

} // namespace tt::importer
