#pragma once

// The teacher groups of HORARIOS_REGULARES: every PROFT row with its placed
// lessons from SOLUC, in Velmora's keys.

#include "export/export_run.hpp"
#include "platform/dbf/dbf_table.hpp"
#include "platform/xml/xml_document.hpp"

#include <string>

namespace tt::exporter {

// The open tables the step reads; it leaves them open.
struct TablasHorario {
    dbf::Table& profesores;   // PROFT
    dbf::Table& soluc;        // SOLUC
    dbf::Table& asignaciones; // ASIGT
    dbf::Table& materias;     // ASIGNOMT
    dbf::Table& tramos;       // DIASHORAST
    dbf::Table& unidades;     // GRUPOST
};

// FECINI and FECFIN of PERIODOS, as read (Windows-1252).
struct Periodo {
    std::string inicio;
    std::string fin;
};

// Appends one group per PROFT row, in physical order, to `horarios`, and
// counts teachers, lessons and failed lookups in `resumen`. A clock text that
// is no time of day throws tt::Error.
void TransformarHorariosRegulares(xml::Document& documento, xml::Node horarios, const TablasHorario& tablas,
                                  const Periodo& periodo, ResumenExportacion& resumen);

} // namespace tt::exporter
