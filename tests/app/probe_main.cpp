// The program's own start with runs that find no file, so that the X11 test
// exercises the start-up, the embedding and the ending without the core.

#include "app/program.hpp"
#include "fakes.hpp"

int main(int argc, char* argv[]) {
    tt::app::falsos::EjecutoresFalsos ejecutores;
    ejecutores.alImportar = [](const tt::importer::ParametrosImportacion&) {
        return tt::importer::ResultadoImportacion{tt::importer::Desenlace::NoExisteArchivo,
                                                  tt::importer::kNoExisteArchivo, {}};
    };
    ejecutores.alExportar = [](const std::filesystem::path&) {
        return tt::exporter::ResultadoExportacion{tt::exporter::Desenlace::NoExisteArchivo,
                                                  tt::importer::kNoExisteArchivo, {}};
    };
    return tt::app::EjecutarPrograma(argc, argv, ejecutores);
}
