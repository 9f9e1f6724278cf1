#include "school_generator.hpp"

#include "platform/dbf/dbf_table.hpp"

#include <cstdio>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace tt::bench {

namespace fs = std::filesystem;
using testing::FilaSoluc;

namespace {

constexpr std::size_t kUnidadesPorCurso = 5;
constexpr std::size_t kMateriasPorCurso = 20;
constexpr std::size_t kActividades = 20;
constexpr int kPrimerTramo = 7 * 60; // 07:00

std::string N(std::size_t n) { return std::to_string(n); }

std::size_t ClaveCurso(std::size_t curso) { return 6101 + curso; }

int DuracionTramo(const TamanoEscuela& t) { return std::max(1, 900 / static_cast<int>(t.tramos)); }

std::string Reloj(int minutos) {
    char texto[16];
    std::snprintf(texto, sizeof texto, "%02d:%02d", minutos / 60, minutos % 60);
    return texto;
}

const char* const kApellidos[] = {"Garc\xC3\xAD" "a", "Fern\xC3\xA1ndez", "L\xC3\xB3pez", "Mart\xC3\xADnez",
                                  "P\xC3\xA9rez", "Rodr\xC3\xADguez", "G\xC3\xB3mez", "Nu\xC3\xB1" "ez"};
const char* const kNombres[] = {"Ana", "Jos\xC3\xA9", "Luc\xC3\xAD" "a", "Iv\xC3\xA1n", "Marta", "\xC3\x93scar"};

class Documento {
public:
    explicit Documento(const fs::path& archivo) : salida_(archivo, std::ios::binary) {
        if (!salida_) throw std::runtime_error("no se puede escribir " + archivo.string());
        salida_ << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<SERVICIO modulo=\"EXPORTACION\" tipo=\"E\" autor=\"VELMORA\">\n<BLOQUE_DATOS>\n";
    }
    ~Documento() { salida_ << "</BLOQUE_DATOS>\n</SERVICIO>\n"; }

    void grupo(const char* seq, std::size_t registros) {
        cerrarGrupo();
        salida_ << "<grupo_datos seq=\"" << seq << "\" registros=\"" << registros << "\">\n";
        abierto_ = true;
    }
    void registro(const std::vector<std::string>& datos) {
        salida_ << "<grupo_datos>";
        for (const std::string& dato : datos) salida_ << "<dato>" << dato << "</dato>";
        salida_ << "</grupo_datos>\n";
    }
    void cerrarGrupo() {
        if (abierto_) salida_ << "</grupo_datos>\n";
        abierto_ = false;
    }

private:
    std::ofstream salida_;
    bool abierto_ = false;
};

} // namespace

TamanoEscuela TamanoEscuela::veces(std::size_t factor) const {
    return {profesores * factor, unidades * factor, materias * factor, tramos * factor, sesiones * factor,
            dependencias * factor};
}

void EscribirExportacionVelmora(const fs::path& archivo, const TamanoEscuela& t) {
    Documento doc(archivo);
    doc.grupo("ANNO_ACADEMICO", 1);
    doc.registro({"2025"});
    doc.grupo("MATERIAS", t.materias);
    for (std::size_t m = 0; m < t.materias; ++m)
        doc.registro({N(ClaveCurso(m / kMateriasPorCurso)), N(900000 + m),
                      "Materia " + N(m % kMateriasPorCurso) + " del curso " + N(m / kMateriasPorCurso)});
    doc.grupo("ACTIVIDADES", kActividades);
    for (std::size_t a = 0; a < kActividades; ++a)
        doc.registro({N(a), "A" + N(a), "Actividad no lectiva " + N(a)});
    doc.grupo("EMPLEADOS", t.profesores);
    for (std::size_t p = 0; p < t.profesores; ++p)
        doc.registro({N(100000 + p), "01/09/2010", "Departamento " + N(p % 12), kApellidos[p % 8],
                      kApellidos[(p / 8) % 8], kNombres[p % 6]});
    doc.grupo("DEPENDENCIAS", t.dependencias);
    for (std::size_t d = 0; d < t.dependencias; ++d) doc.registro({"AU" + N(d), "Aula " + N(d)});
    doc.grupo("CURSOS_DEL_CENTRO", t.cursos());
    for (std::size_t c = 0; c < t.cursos(); ++c)
        doc.registro({N(ClaveCurso(c)), N(c % 4 + 1) + "\xC2\xBA de Educaci\xC3\xB3n Secundaria"});
    doc.grupo("UNIDADES", t.unidades);
    for (std::size_t u = 0; u < t.unidades; ++u)
        doc.registro({N(700000 + u), N(u / kUnidadesPorCurso) + std::string(1, static_cast<char>('A' + u % 5)),
                      N(ClaveCurso(u / kUnidadesPorCurso))});
    doc.grupo("JORNADAS_ESCOLARES", 1);
    doc.registro({"J1", "Jornada ordinaria", "01/09/2025", "30/06/2026"});
    doc.grupo("TRAMOS_HORARIOS", t.tramos);
    const int duracion = DuracionTramo(t);
    for (std::size_t s = 0; s < t.tramos; ++s) {
        const int inicio = kPrimerTramo + static_cast<int>(s) * duracion;
        doc.registro({"TR" + N(s), "Tramo " + N(s + 1), N(inicio), N(inicio + duracion), "J1"});
    }
    doc.cerrarGrupo();
}

testing::TablasDeTrabajo TablasDeLaImportacion(const TamanoEscuela& t) {
    testing::TablasDeTrabajo tablas;
    for (std::size_t p = 0; p < t.profesores; ++p) tablas.profesores.push_back({"P" + N(p), N(100000 + p), "01/09/2010"});
    for (std::size_t u = 0; u < t.unidades; ++u) tablas.unidades.push_back({"G" + N(u), N(700000 + u)});
    for (std::size_t m = 0; m < t.materias; ++m) tablas.materias.push_back({"M" + N(m), ""});
    for (std::size_t a = 0; a < kActividades; ++a) tablas.materias.push_back({"A" + N(a), "A" + N(a)});
    for (std::size_t m = 0; m < t.materias; ++m) {
        const std::size_t curso = m / kMateriasPorCurso;
        for (std::size_t u = curso * kUnidadesPorCurso; u < (curso + 1) * kUnidadesPorCurso; ++u)
            tablas.asignaciones.push_back({"M" + N(m), "G" + N(u), N(900000 + m), N(ClaveCurso(curso))});
    }
    const int duracion = DuracionTramo(t);
    for (int dia = 1; dia <= 7; ++dia)
        for (std::size_t s = 0; s < t.tramos; ++s) {
            const int inicio = kPrimerTramo + static_cast<int>(s) * duracion;
            tablas.tramos.push_back(
                {N(dia) + N(s + 1), N(dia), "TR" + N(s), Reloj(inicio), Reloj(inicio + duracion)});
        }
    tablas.periodos = std::vector<testing::FilaPeriodo>{{"01/09/2025", "30/06/2026"}};
    return tablas;
}

void EscribirSolucion(const fs::path& carpeta, const TamanoEscuela& t) {
    struct Par {
        std::string asig;
        std::string grupo;
    };
    std::vector<std::string> profesores;
    std::vector<Par> asignaciones;
    std::vector<std::string> actividades;
    {
        dbf::Table proft(carpeta / "PROFT.DBF", dbf::OpenMode::Shared);
        for (; !proft.eof(); proft.next()) profesores.push_back(proft.asText("ABREV"));
        dbf::Table asigt(carpeta / "ASIGT.DBF", dbf::OpenMode::Shared);
        for (; !asigt.eof(); asigt.next()) asignaciones.push_back({asigt.asText("CASIG"), asigt.asText("CGRUP")});
        dbf::Table asignomt(carpeta / "ASIGNOMT.DBF", dbf::OpenMode::Shared);
        for (; !asignomt.eof(); asignomt.next())
            if (asignomt.asBool("ESTAREA")) actividades.push_back(asignomt.asText("COD"));
    }
    if (profesores.empty() || asignaciones.empty() || actividades.empty())
        throw std::runtime_error("las tablas de trabajo no tienen profesores, asignaciones o actividades");

    std::mt19937 azar(20250901);
    const auto uno = [&azar](std::size_t n) { return static_cast<std::size_t>(azar() % n); };
    std::vector<FilaSoluc> filas;
    filas.reserve(t.sesiones + t.sesiones / 50);
    for (std::size_t s = 0; s < t.sesiones; ++s) {
        FilaSoluc fila;
        fila.prof = profesores[s % profesores.size()];
        fila.dia = static_cast<int>(1 + uno(5));
        fila.hora = static_cast<int>(1 + uno(t.tramos));
        if (s % 10 == 9) { // a task without a class: its key comes from ASIGNOMT
            fila.asig = actividades[uno(actividades.size())];
        } else {
            const Par& par = asignaciones[uno(asignaciones.size())];
            fila.asig = par.asig;
            fila.codGrupo = par.grupo;
            fila.aula = "AU" + N(uno(t.dependencias));
        }
        filas.push_back(fila);
        if (s % 50 == 49) filas.push_back(FilaSoluc{fila.prof, 0, 0, fila.asig, fila.codGrupo, "", ""});
    }
    testing::EscribirSoluc(carpeta, filas);
}

} // namespace tt::bench
