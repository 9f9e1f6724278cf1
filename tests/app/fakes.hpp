#pragma once

// Stand-ins for what the main window gets from outside, recording what it asked.

#include <QString>
#include <deque>
#include <functional>
#include <vector>

#include "app/services.hpp"

namespace tt::app::falsos {

class EjecutoresFalsos : public Ejecutores {
public:
    // What each run does; both finish by default.
    std::function<importer::ResultadoImportacion(const importer::ParametrosImportacion&)> alImportar =
        [](const importer::ParametrosImportacion&) {
            return importer::ResultadoImportacion{importer::Desenlace::Finalizado,
                                                  importer::kProcesoFinalizado, {}};
        };
    std::function<exporter::ResultadoExportacion(const std::filesystem::path&)> alExportar =
        [](const std::filesystem::path&) {
            return exporter::ResultadoExportacion{exporter::Desenlace::Finalizado,
                                                  "Proceso finalizado", {}};
        };

    std::vector<std::filesystem::path> importados; // archivoXml of every import
    std::vector<std::filesystem::path> exportados; // archivoXml of every export

    importer::ResultadoImportacion importar(const importer::ParametrosImportacion& p) override {
        importados.push_back(p.archivoXml);
        return alImportar(p);
    }
    exporter::ResultadoExportacion exportar(const std::filesystem::path& archivoXml,
                                            const std::filesystem::path&) override {
        exportados.push_back(archivoXml);
        return alExportar(archivoXml);
    }
};

class DialogosFalsos : public Dialogos {
public:
    std::deque<QString> respuestas; // answers of the file dialog; none left = cancelled
    std::function<void()> alElegir; // runs while the file dialog is "open"
    bool hayVisor = true;

    std::vector<QString> inicialesDelDialogo; // where each file dialog opened
    std::vector<std::string> mensajes; // UTF-8
    std::vector<QString> abiertos;

    QString elegirArchivoXml(QWidget*, const QString& actual) override {
        inicialesDelDialogo.push_back(actual);
        if (alElegir) alElegir();
        if (respuestas.empty()) return {};
        QString respuesta = respuestas.front();
        respuestas.pop_front();
        return respuesta;
    }
    void mensaje(QWidget*, const QString& texto) override { mensajes.push_back(texto.toStdString()); }
    bool abrirConVisor(const QString& ruta) override {
        abiertos.push_back(ruta);
        return hayVisor;
    }
};

class AnfitrionFalso : public Anfitrion {
public:
    std::optional<std::string> fallo; // the reason to give instead of embedding
    std::vector<std::uint32_t> manejadores;
    std::function<void()> desaparecer; // call to make the host window vanish

    std::optional<std::string> incrustar(QWidget&, std::uint32_t manejador,
                                         std::function<void()> alDesaparecer) override {
        manejadores.push_back(manejador);
        if (fallo) return fallo;
        desaparecer = std::move(alDesaparecer);
        return std::nullopt;
    }
};

} // namespace tt::app::falsos
