#include "school_generator.hpp"

#include "platform/dbf/dbf_table.hpp"
#include "support/working_tables.hpp"

#include <algorithm>
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
constexpr std::size_t kOptativasPorCurso = 4; // named for their course; the rest come from the catalogue
constexpr std::size_t kDiasSemana = 7;
constexpr int kPrimerTramo = 7 * 60; // 07:00

std::string N(std::size_t n) { return std::to_string(n); }

std::size_t ClaveCurso(std::size_t curso) { return 6101 + curso; }

int DuracionTramo(const TamanoEscuela& t) { return std::max(1, 900 / static_cast<int>(t.tramos)); }

template <std::size_t n>
const char* Uno(const char* const (&lista)[n], std::size_t i) {
    return lista[i % n];
}

const char* const kCatalogoMaterias[] = {
    "Lengua Castellana y Literatura", "Matemáticas", "Inglés", "Geografía e Historia", "Biología y Geología",
    "Física y Química", "Educación Física", "Música", "Educación Plástica, Visual y Audiovisual",
    "Tecnología y Digitalización", "Francés", "Religión", "Atención Educativa", "Latín", "Griego", "Filosofía",
    "Economía", "Historia de España", "Historia del Arte", "Dibujo Técnico", "Química", "Física", "Biología",
    "Geología y Ciencias Ambientales", "Matemáticas Aplicadas a las Ciencias Sociales", "Cultura Clásica",
    "Computación y Robótica", "Tutoría", "Valores Éticos", "Psicología",
    "Empresa y Diseño de Modelos de Negocio", "Literatura Universal", "Tecnología e Ingeniería",
    "Dibujo Artístico", "Análisis Musical", "Cultura Audiovisual", "Sistemas Informáticos", "Bases de Datos",
    "Programación", "Entornos de Desarrollo", "Lenguajes de Marcas", "Redes Locales",
    "Montaje y Mantenimiento de Equipos", "Comunicación y Sociedad", "Ciencias Aplicadas",
    "Formación y Orientación Laboral", "Proyecto Intermodular", "Segunda Lengua Extranjera"};

const char* const kActividades[] = {
    "Guardia", "Guardia de recreo", "Reunión de departamento", "Reunión de equipo educativo",
    "Tutoría con familias", "Coordinación de ciclo", "Jefatura de departamento", "Biblioteca",
    "Atención al alumnado", "Mantenimiento de laboratorio", "Plan de lectura", "Coordinación TIC",
    "Coordinación de convivencia", "Programa bilingüe", "Actividades extraescolares", "Orientación",
    "Claustro", "Consejo escolar", "Formación del profesorado", "Apoyo a la dirección"};

const char* const kApellidos[] = {"García", "Fernández", "López", "Martínez", "Pérez", "Rodríguez", "Gómez",
                                  "Núñez", "Sánchez", "Díaz", "Moreno", "Álvarez", "Romero", "Alonso",
                                  "Gutiérrez", "Navarro", "Torres", "Domínguez", "Vázquez", "Ramos"};
const char* const kNombres[] = {"Ana",   "José",   "Lucía", "Iván",  "Marta",  "Óscar",   "Carmen", "Javier",
                                "Elena", "Manuel", "Rocío", "Pablo", "Isabel", "Antonio", "Inés",   "Sergio"};
const char* const kDepartamentos[] = {"Lengua", "Matemáticas", "Inglés", "Geografía e Historia",
                                      "Ciencias Naturales", "Física y Química", "Educación Física", "Música",
                                      "Dibujo", "Tecnología", "Informática", "Orientación"};
const char* const kEspacios[] = {"Aula", "Aula", "Laboratorio", "Taller", "Aula de informática"};

// Courses come in fours (1º to 4º) per line of studies.
struct Estudios {
    const char* nombre;
    const char* abreviatura;
};
const Estudios kEstudios[] = {{"Educación Secundaria Obligatoria", "ESO"},
                              {"Bachillerato", "Bach."},
                              {"Formación Profesional", "FP"}};

std::size_t NumeroCurso(std::size_t curso) { return curso % 4 + 1; }
std::size_t Linea(std::size_t curso) { return curso / 4; }

// "A" to "Z", then "AA", "AB", ... as big schools letter their units.
std::string Letras(std::size_t i) {
    std::string letras(1, static_cast<char>('A' + i % 26));
    for (i /= 26; i > 0; i = (i - 1) / 26) letras.insert(letras.begin(), static_cast<char>('A' + (i - 1) % 26));
    return letras;
}

std::string NombreUnidad(std::size_t unidad) {
    const std::size_t curso = unidad / kUnidadesPorCurso;
    const std::size_t linea = Linea(curso);
    const std::size_t letra = linea / std::size(kEstudios) * kUnidadesPorCurso + unidad % kUnidadesPorCurso;
    return N(NumeroCurso(curso)) + "º " + kEstudios[linea % std::size(kEstudios)].abreviatura + " " + Letras(letra);
}

// Catalogue subjects, a different run of them per course, then the course's
// own electives.
std::string NombreMateria(std::size_t materia) {
    const std::size_t curso = materia / kMateriasPorCurso;
    const std::size_t i = materia % kMateriasPorCurso;
    constexpr std::size_t kComunes = kMateriasPorCurso - kOptativasPorCurso;
    if (i < kComunes) return Uno(kCatalogoMaterias, curso * 7 + i);
    return "Optativa " + N(curso * kOptativasPorCurso + i - kComunes + 1);
}

std::string Escapado(const std::string& texto) {
    std::string resultado;
    for (const char c : texto) {
        if (c == '&')
            resultado += "&amp;";
        else if (c == '<')
            resultado += "&lt;";
        else
            resultado += c;
    }
    return resultado;
}

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
        for (const std::string& dato : datos) salida_ << "<dato>" << Escapado(dato) << "</dato>";
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

struct Tramo {
    std::string codigo;
    std::string etiqueta;
    int inicio;
    int fin;
    const char* plantilla;
};

std::vector<Tramo> Tramos(const TamanoEscuela& t) {
    std::vector<Tramo> tramos;
    const int duracion = DuracionTramo(t);
    for (std::size_t s = 0; s < t.tramos; ++s) {
        const int inicio = kPrimerTramo + static_cast<int>(s) * duracion;
        tramos.push_back({"TR" + N(s), "Tramo " + N(s + 1), inicio, inicio + duracion, kPlantillaElegida});
    }
    for (std::size_t s = 0; s < 6; ++s) {
        const int inicio = 8 * 60 + static_cast<int>(s) * 50;
        tramos.push_back({"JN" + N(s), N(s + 1) + "ª hora (junio)", inicio, inicio + 50, "J2"});
    }
    return tramos;
}

} // namespace

TamanoEscuela TamanoEscuela::veces(std::size_t factor) const {
    return {profesores * factor, unidades * factor, materias * factor, tramos * factor, sesiones * factor,
            dependencias * factor};
}

std::size_t FilasAsignaciones(const TamanoEscuela& t) { return t.materias * kUnidadesPorCurso; }
std::size_t FilasDiasHoras(const TamanoEscuela& t) { return t.tramos * kDiasSemana; }

void EscribirExportacionVelmora(const fs::path& archivo, const TamanoEscuela& t) {
    Documento doc(archivo);
    doc.grupo("ANNO_ACADEMICO", 1);
    doc.registro({"2025"});
    doc.grupo("MATERIAS", t.materias);
    for (std::size_t m = 0; m < t.materias; ++m)
        doc.registro({N(ClaveCurso(m / kMateriasPorCurso)), N(900000 + m), NombreMateria(m)});
    doc.grupo("ACTIVIDADES", std::size(kActividades));
    for (std::size_t a = 0; a < std::size(kActividades); ++a)
        doc.registro({N(a + 1), "ACT" + N(a + 1), kActividades[a]});
    doc.grupo("EMPLEADOS", t.profesores);
    for (std::size_t p = 0; p < t.profesores; ++p)
        doc.registro({N(100000 + p), "01/09/" + N(1995 + p % 30), Uno(kDepartamentos, p), Uno(kApellidos, p),
                      Uno(kApellidos, p * 7 + p / 20), Uno(kNombres, p * 3 + p / 16)});
    doc.grupo("DEPENDENCIAS", t.dependencias);
    for (std::size_t d = 0; d < t.dependencias; ++d)
        doc.registro({"AU" + N(d), std::string(Uno(kEspacios, d)) + " " + N(d / std::size(kEspacios) + 1)});
    doc.grupo("CURSOS_DEL_CENTRO", t.cursos());
    for (std::size_t c = 0; c < t.cursos(); ++c)
        doc.registro({N(ClaveCurso(c)),
                      N(NumeroCurso(c)) + "º de " + kEstudios[Linea(c) % std::size(kEstudios)].nombre});
    doc.grupo("UNIDADES", t.unidades);
    for (std::size_t u = 0; u < t.unidades; ++u)
        doc.registro({N(700000 + u), NombreUnidad(u), N(ClaveCurso(u / kUnidadesPorCurso))});
    doc.grupo("JORNADAS_ESCOLARES", 2);
    doc.registro({kPlantillaElegida, "Jornada ordinaria", "01/09/2025", "30/06/2026"});
    doc.registro({"J2", "Jornada reducida de junio", "01/06/2026", "30/06/2026"});
    const auto tramos = Tramos(t);
    doc.grupo("TRAMOS_HORARIOS", tramos.size());
    for (const Tramo& tramo : tramos)
        doc.registro({tramo.codigo, tramo.etiqueta, N(static_cast<std::size_t>(tramo.inicio)),
                      N(static_cast<std::size_t>(tramo.fin)), tramo.plantilla});
    doc.cerrarGrupo();
}

void EscribirSolucion(const fs::path& carpeta, const TamanoEscuela& t) {
    struct Par {
        std::string asig;
        std::string grupo;
    };
    std::vector<std::string> profesores;
    std::vector<Par> asignaciones;
    std::vector<std::string> actividades;
    std::vector<std::string> aulas;
    std::int64_t horas = 0;
    {
        dbf::Table proft(carpeta / "PROFT.DBF", dbf::OpenMode::Shared);
        for (; !proft.eof(); proft.next()) profesores.push_back(proft.asText("ABREV"));
        dbf::Table asigt(carpeta / "ASIGT.DBF", dbf::OpenMode::Shared);
        for (; !asigt.eof(); asigt.next()) asignaciones.push_back({asigt.asText("CASIG"), asigt.asText("CGRUP")});
        dbf::Table asignomt(carpeta / "ASIGNOMT.DBF", dbf::OpenMode::Shared);
        for (; !asignomt.eof(); asignomt.next())
            if (asignomt.asBool("ESTAREA")) actividades.push_back(asignomt.asText("COD"));
        dbf::Table aulat(carpeta / "AULAT.DBF", dbf::OpenMode::Shared);
        for (; !aulat.eof(); aulat.next()) aulas.push_back(aulat.asText("ABREV"));
        dbf::Table diasHoras(carpeta / "DIASHORAST.DBF", dbf::OpenMode::Shared);
        for (; !diasHoras.eof(); diasHoras.next()) horas = std::max(horas, diasHoras.asInteger("HORA"));
    }
    if (profesores.empty() || asignaciones.empty() || actividades.empty() || aulas.empty() || horas == 0)
        throw std::runtime_error(
            "las tablas importadas no tienen profesores, asignaciones, actividades, aulas u horas");

    std::mt19937 azar(20250901);
    const auto uno = [&azar](std::size_t n) { return static_cast<std::size_t>(azar() % n); };
    std::vector<FilaSoluc> filas;
    filas.reserve(t.sesiones + t.sesiones / 50);
    for (std::size_t s = 0; s < t.sesiones; ++s) {
        FilaSoluc fila;
        fila.prof = profesores[s % profesores.size()];
        fila.dia = static_cast<int>(1 + uno(5));
        fila.hora = static_cast<int>(1 + uno(static_cast<std::size_t>(horas)));
        if (s % 10 == 9) { // a task without a class: its key comes from ASIGNOMT
            fila.asig = actividades[uno(actividades.size())];
        } else {
            const Par& par = asignaciones[uno(asignaciones.size())];
            fila.asig = par.asig;
            fila.codGrupo = par.grupo;
            fila.aula = aulas[uno(aulas.size())];
        }
        filas.push_back(fila);
        if (s % 50 == 49) filas.push_back(FilaSoluc{fila.prof, 0, 0, fila.asig, fila.codGrupo, "", ""});
    }
    testing::EscribirSoluc(carpeta, filas);
}

} // namespace tt::bench
