// tt-bench: import and export timings and peak memory on generated large
// schools.
//
//   tt-bench [--conservar]      generates the schools and measures each run in
//                               a process of its own, so every peak is that run's
//   tt-bench --importar XML DIR one import, NIVELEX.DBF from beside this program
//   tt-bench --exportar XML DIR one export (both used by the above)

#include "export/export_run.hpp"
#include "import/import_run.hpp"
#include "platform/dbf/dbf_table.hpp"
#include "platform/display_path.hpp"
#include "platform/paths.hpp"
#include "school_generator.hpp"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>

#ifdef _WIN32
#include "platform/windows_api.hpp"
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

namespace {

namespace fs = std::filesystem;
using Reloj = std::chrono::steady_clock;

double MegasPico() {
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS contadores{};
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &contadores, sizeof contadores)) return 0;
    return static_cast<double>(contadores.PeakWorkingSetSize) / (1024.0 * 1024.0);
#else
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
#ifdef __APPLE__
    return static_cast<double>(uso.ru_maxrss) / (1024.0 * 1024.0); // bytes
#else
    return static_cast<double>(uso.ru_maxrss) / 1024.0; // kilobytes
#endif
#endif
}

double Segundos(Reloj::time_point desde) { return std::chrono::duration<double>(Reloj::now() - desde).count(); }

class SelectorFijo : public tt::importer::SelectorPlantilla {
public:
    std::string elegir(const tt::importer::OpcionesPlantilla&) override { return tt::bench::kPlantillaElegida; }
};

int MedirImportacion(const fs::path& xml, const fs::path& trabajo) {
    SelectorFijo selector;
    tt::importer::ParametrosImportacion parametros;
    parametros.archivoXml = xml;
    parametros.carpetaTrabajo = trabajo;
    parametros.carpetaAplicacion = tt::platform::ExecutableDir();
    parametros.selector = &selector;
    const auto inicio = Reloj::now();
    const auto resultado = tt::importer::EjecutarImportacion(parametros);
    const double segundos = Segundos(inicio);
    if (resultado.desenlace != tt::importer::Desenlace::Finalizado) {
        std::cerr << resultado.mensaje << '\n';
        return 1;
    }
    std::printf("  importaci\xC3\xB3n: %8.3f s  pico %7.1f MB  filas:", segundos, MegasPico());
    for (const auto& [tabla, filas] : resultado.resumen.filasPorTabla)
        std::printf(" %s %zu", tabla.c_str(), filas);
    std::printf("\n");
    for (const auto& [motivo, cuenta] : resultado.resumen.omitidos)
        std::printf("    omitidos: %zu %s\n", cuenta, motivo.c_str());
    return 0;
}

int MedirExportacion(const fs::path& xml, const fs::path& trabajo) {
    tt::exporter::ParametrosExportacion parametros;
    parametros.archivoXml = xml;
    parametros.carpetaTrabajo = trabajo;
    parametros.reloj = [] { return tt::exporter::Instante{1767349230, true}; };
    const auto inicio = Reloj::now();
    const auto resultado = tt::exporter::EjecutarExportacion(parametros);
    const double segundos = Segundos(inicio);
    if (resultado.desenlace != tt::exporter::Desenlace::Finalizado) {
        std::cerr << resultado.mensaje << '\n';
        return 1;
    }
    const auto& r = resultado.resumen;
    std::printf("  exportaci\xC3\xB3n: %8.3f s  pico %7.1f MB  %zu profesores, %zu sesiones escritas, "
                "%zu sin profesor, salida %.1f MB\n",
                segundos, MegasPico(), r.profesores, r.sesiones, r.sesionesSinProfesor,
                static_cast<double>(fs::file_size(r.archivoSalida)) / (1024.0 * 1024.0));
    return 0;
}

// Runs this program again for one measurement; its output joins ours.
int EnOtroProceso(const fs::path& programa, const std::string& argumentos) {
    std::cout.flush();
    std::fflush(stdout);
    const std::string orden = "\"" + programa.string() + "\" " + argumentos;
#ifdef _WIN32
    return std::system(("\"" + orden + "\"").c_str()); // cmd /c strips one pair of quotes
#else
    return std::system(orden.c_str());
#endif
}

std::string Citado(const fs::path& ruta) { return "\"" + ruta.string() + "\""; }

// The import must have written the rows the generated school calls for.
bool FilasComoEsperadas(const fs::path& trabajo, const char* tabla, std::size_t esperadas) {
    const std::size_t filas = tt::dbf::Table(trabajo / tabla, tt::dbf::OpenMode::Shared).recordCount();
    if (filas == esperadas) return true;
    std::fprintf(stderr, "%s tiene %zu filas; se esperaban %zu\n", tabla, filas, esperadas);
    return false;
}

int Medir(const fs::path& programa, bool conservar) {
    std::random_device semilla;
    const fs::path raiz = fs::temp_directory_path() / ("tt-bench-" + std::to_string(semilla()));
    const tt::bench::TamanoEscuela base;
    int fallos = 0;
    for (const std::size_t factor : {std::size_t{1}, std::size_t{10}}) {
        const tt::bench::TamanoEscuela tamano = base.veces(factor);
        const fs::path carpeta = raiz / ("escuela-x" + std::to_string(factor));
        const fs::path trabajo = carpeta / "trabajo";
        const fs::path xml = carpeta / "exportacion.xml";
        fs::create_directories(trabajo);

        std::printf("Escuela x%zu: %zu profesores, %zu unidades, %zu materias, %zu tramos, %zu sesiones\n", factor,
                    tamano.profesores, tamano.unidades, tamano.materias, tamano.tramos, tamano.sesiones);
        const auto inicio = Reloj::now();
        tt::bench::EscribirExportacionVelmora(xml, tamano);
        std::printf("  XML de Velmora generado en %.2f s (%.1f MB)\n", Segundos(inicio),
                    static_cast<double>(fs::file_size(xml)) / (1024.0 * 1024.0));
        const std::string archivos = Citado(xml) + " " + Citado(trabajo);
        if (EnOtroProceso(programa, "--importar " + archivos) != 0 ||
            !FilasComoEsperadas(trabajo, "ASIGT.DBF", tt::bench::FilasAsignaciones(tamano)) ||
            !FilasComoEsperadas(trabajo, "DIASHORAST.DBF", tt::bench::FilasDiasHoras(tamano))) {
            ++fallos;
            continue;
        }
        tt::bench::EscribirSolucion(trabajo, tamano);
        if (EnOtroProceso(programa, "--exportar " + archivos) != 0) ++fallos;
    }
    if (conservar)
        std::printf("Datos en %s\n", tt::platform::DisplayPath(raiz).c_str());
    else
        fs::remove_all(raiz);
    return fallos == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    try {
        const std::string primero = argc > 1 ? argv[1] : "";
        if (primero == "--importar" && argc == 4) return MedirImportacion(argv[2], argv[3]);
        if (primero == "--exportar" && argc == 4) return MedirExportacion(argv[2], argv[3]);
        if (argc == 1 || (argc == 2 && primero == "--conservar"))
            return Medir(tt::platform::ExecutableDir() / fs::path(argv[0]).filename(), argc == 2);
        std::cerr << "Uso: tt-bench [--conservar]\n";
        return 2;
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
}
