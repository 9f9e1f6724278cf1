// CURSOS_DEL_CENTRO into CURSOST, with level and studies from NIVELEX.DBF;
// UNIDADES into GRUPOST, each class unit with a unique code and its course's
// level, number and studies.

#include <string>
#include <unordered_map>
#include <vector>

#include "error.hpp"
#include "import/field_defs.hpp"
#include "import/import_context.hpp"
#include "import/import_run.hpp"
#include "import/record_group.hpp"
#include "import/working_table_schemas.hpp"
#include "platform/dbf/dbf_table.hpp"
#include "platform/paths.hpp"
#include "text/clipper.hpp"
#include "text/integer_conversion.hpp"

namespace tt::importer {

namespace {

using dbf::FieldDef;

// The first four fields are common to both tables.
constexpr const char* kNivelDesconocido = "Niv";

struct Curso {
    std::string nivel;
    std::string numero;
    std::string estudios;
};

dbf::Table AbrirNivelex(const ContextoImportacion& contexto) {
    const auto nivelex = platform::FindNoCase(contexto.carpetaAplicacion, "NIVELEX.DBF");
    if (!nivelex) throw Error(kNivelexNoEncontrado);
    return dbf::Table(*nivelex, dbf::OpenMode::Shared);
}

void PasarCursos(ContextoImportacion& contexto, dbf::Table& cursos) {
    dbf::Table nivelex = AbrirNivelex(contexto);
    for (const Registro& registro : LeerGrupo(contexto.documento, "CURSOS_DEL_CENTRO")) {
        if (!registro.pasaReglaDeOmision()) {
            contexto.resumen.omitido("registros con menos de dos datos (CURSOS_DEL_CENTRO)");
            continue;
        }
        const std::string clave = registro.dato(0);
        const std::int32_t oferta = text::ConvertirEntero(clave);
        const std::string nombre = registro.dato(1);
        std::string nivel;
        std::string estudios = nombre;
        if (nivelex.locate("X_OFERTAMATRIG", oferta)) {
            nivel = nivelex.asText("NIVEL_ABREV");
            estudios = nivelex.asText("ESTUDIO");
        }
        if (nivel.empty()) nivel = kNivelDesconocido;

        cursos.append();
        cursos.setText("NIVEL", nivel);
        cursos.setText("CURSO", text::Left(nombre, 1));
        cursos.setText("CLAVE", clave);
        cursos.setText("ESTUD", estudios);
        cursos.post();
    }
}

// Each stored CLAVE with its row's values as the table keeps them (cut to
// width); the first row of a key wins, as a scan from the top would find.
std::unordered_map<std::string, Curso> CursosPorClave(dbf::Table& cursos) {
    std::unordered_map<std::string, Curso> porClave;
    for (cursos.first(); !cursos.eof(); cursos.next())
        porClave.try_emplace(cursos.asText("CLAVE"),
                             Curso{cursos.asText("NIVEL"), cursos.asText("CURSO"), cursos.asText("ESTUD")});
    return porClave;
}

std::string CodigoDeUnidad(RegistroCodigos& registro, const std::string& nombre) {
    std::string codigo = FormaOchoMasDos(nombre);
    if (registro.contiene(codigo))
        codigo = CodigoConSufijoLibre(registro, nombre, RecorteSufijo::OchoMasDos);
    registro.agregar(codigo);
    return codigo;
}

void PasarUnidades(ContextoImportacion& contexto, dbf::Table& cursos, dbf::Table& grupos) {
    const auto cursosPorClave = CursosPorClave(cursos);
    RegistroCodigos codigos(Comparacion::SinMayusculas);
    for (const Registro& registro : LeerGrupo(contexto.documento, "UNIDADES")) {
        if (!registro.pasaReglaDeOmision()) {
            contexto.resumen.omitido("registros con menos de dos datos (UNIDADES)");
            continue;
        }
        const std::string clave = registro.dato(0);
        const std::string nombre = registro.dato(1);
        // A record of two dato has no course key: it finds no course.
        const std::string claveCurso = registro.dato(2);
        Curso curso;
        if (const auto encontrado = cursosPorClave.find(claveCurso); encontrado != cursosPorClave.end())
            curso = encontrado->second;
        const std::string grupo = text::Right(nombre, 1);

        grupos.append();
        grupos.setText("ABREV", CodigoDeUnidad(codigos, nombre));
        grupos.setText("NIVEL", curso.nivel);
        grupos.setText("CURSO", curso.numero);
        grupos.setText("GRUPO", grupo);
        grupos.setText("CLAVE", clave);
        grupos.setText("CLAVECURSO", claveCurso);
        grupos.setText("DESCRIP", !curso.estudios.empty()
                                      ? curso.estudios
                                      : " " + curso.nivel + " " + curso.numero + " " + grupo);
        grupos.post();
    }
}

} // namespace

void TransformarCursosUnidades(ContextoImportacion& contexto) {
    const auto rutaCursos = contexto.tabla("CURSOST.DBF");
    const auto rutaGrupos = contexto.tabla("GRUPOST.DBF");
    dbf::CreateTable(rutaCursos, CamposCURSOST());
    dbf::CreateTable(rutaGrupos, CamposGRUPOST());

    dbf::Table cursos(rutaCursos, dbf::OpenMode::Exclusive);
    PasarCursos(contexto, cursos);
    dbf::Table grupos(rutaGrupos, dbf::OpenMode::Exclusive);
    PasarUnidades(contexto, cursos, grupos);

    contexto.resumen.filas("CURSOST", cursos.recordCount());
    contexto.resumen.filas("GRUPOST", grupos.recordCount());
    grupos.close();
    cursos.close();
}

} // namespace tt::importer
