// horavant-standin: does Horavant's part of the work on a working folder, so
// that the bridge can be run end to end without Horavant.

#include "error.hpp"
#include "launch.hpp"
#include "platform/display_path.hpp"
#include "platform/paths.hpp"
#include "solve.hpp"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace tt;

constexpr const char* kUso =
    "Uso:\n"
    "  horavant-standin solve [--workdir CARPETA]\n"
    "      Calcula un horario para las tablas de la carpeta de trabajo y escribe SOLUC.DBF.\n"
    "  horavant-standin launch ACCION [--program RUTA]\n"
    "      Abre una ventana, inicia TransTavoraVelmora con ACCION y el identificador de la\n"
    "      ventana, espera a que termine y muestra el valor que dej\xC3\xB3 en Horavant.ini.\n";

// A command line we cannot make sense of: answered with the usage text.
struct ErrorDeUso : Error {
    using Error::Error;
};

struct Orden {
    std::string nombre;
    std::vector<std::string> posicionales;
    std::optional<std::string> workdir;
    std::optional<std::string> program;
};

Orden LeerOrden(int argc, char** argv) {
    if (argc < 2) throw ErrorDeUso("Falta la orden.");
    Orden orden{argv[1], {}, {}, {}};
    for (int i = 2; i < argc; ++i) {
        const std::string argumento = argv[i];
        std::optional<std::string>* opcion = argumento == "--workdir"   ? &orden.workdir
                                             : argumento == "--program" ? &orden.program
                                                                        : nullptr;
        if (opcion == nullptr) {
            orden.posicionales.push_back(argumento);
            continue;
        }
        if (i + 1 >= argc) throw ErrorDeUso("Falta el valor de " + argumento + ".");
        *opcion = argv[++i];
    }
    return orden;
}

int Solve(const Orden& orden) {
    if (!orden.posicionales.empty() || orden.program)
        throw ErrorDeUso("solve solo admite --workdir.");
    const fs::path carpeta = orden.workdir ? fs::path(*orden.workdir) : platform::DefaultWorkDir();
    const auto resumen = standin::Resolver(carpeta);
    std::printf("Asignaciones: %zu\n", resumen.asignaciones);
    std::printf("Sesiones colocadas: %zu\n", resumen.colocadas);
    std::printf("Sesiones sin colocar: %zu\n", resumen.sinColocar);
    if (resumen.sinProfesor > 0) std::printf("Sesiones sin profesor: %zu\n", resumen.sinProfesor);
    std::printf("Escrita %s\n", platform::DisplayPath(resumen.soluc).c_str());
    return 0;
}

int Launch(const Orden& orden) {
    if (orden.posicionales.size() != 1 || orden.workdir)
        throw ErrorDeUso("launch necesita una ACCION y solo admite --program.");
    const fs::path programa =
        orden.program ? fs::path(*orden.program) : platform::ExecutableDir() / "TransTavoraVelmora";
    const auto resultado = standin::Lanzar(orden.posicionales.front(), programa);
    if (!resultado.aviso.empty()) std::fprintf(stderr, "%s\n", resultado.aviso.c_str());
    std::printf("Transformado: %s\n", resultado.transformado.c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        const Orden orden = LeerOrden(argc, argv);
        if (orden.nombre == "solve") return Solve(orden);
        if (orden.nombre == "launch") return Launch(orden);
        throw ErrorDeUso("Orden desconocida: " + orden.nombre);
    } catch (const ErrorDeUso& error) {
        std::fprintf(stderr, "%s\n%s", error.what(), kUso);
        return 2;
    } catch (const Error& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "Error: %s\n", error.what());
        return 1;
    }
}
