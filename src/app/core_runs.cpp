#include "app/core_runs.hpp"

namespace tt::app {

namespace {

class EjecutoresNucleo : public Ejecutores {
public:
    importer::ResultadoImportacion importar(const importer::ParametrosImportacion& p) override {
        return importer::EjecutarImportacion(p);
    }
    exporter::ResultadoExportacion exportar(const std::filesystem::path& archivoXml,
                                            const std::filesystem::path& carpetaTrabajo) override {
        exporter::ParametrosExportacion parametros;
        parametros.archivoXml = archivoXml;
        parametros.carpetaTrabajo = carpetaTrabajo;
        return exporter::EjecutarExportacion(parametros);
    }
};

} // namespace

std::unique_ptr<Ejecutores> CrearEjecutoresNucleo() { return std::make_unique<EjecutoresNucleo>(); }

} // namespace tt::app
