#pragma once

// What the main window needs from outside itself, as interfaces, so that the
// window's behaviour can be driven without a person or the conversion core.

#include <QString>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "export/export_run.hpp"
#include "import/import_run.hpp"

class QWidget;

namespace tt::app {

// The two conversion runs.
class Ejecutores {
public:
    virtual ~Ejecutores() = default;
    virtual importer::ResultadoImportacion importar(const importer::ParametrosImportacion& p) = 0;
    // The export's clock stays the core's own.
    virtual exporter::ResultadoExportacion exportar(const std::filesystem::path& archivoXml,
                                                    const std::filesystem::path& carpetaTrabajo) = 0;
};

// The user-facing dialogs and the desktop.
class Dialogos {
public:
    virtual ~Dialogos() = default;
    // The "Archivo XML" dialog, opened at `actual` (the file chosen last, or
    // empty): the chosen file, or an empty text when cancelled.
    virtual QString elegirArchivoXml(QWidget* padre, const QString& actual) = 0;
    // A message box with an OK button and the application title.
    virtual void mensaje(QWidget* padre, const QString& texto) = 0;
    // Opens a file with the system's viewer; false when none could.
    virtual bool abrirConVisor(const QString& ruta) = 0;
};

// The window of another program that the main window lives inside in
// command-line mode.
class Anfitrion {
public:
    virtual ~Anfitrion() = default;
    // Makes `ventana` a borderless child of the foreign window `manejador` and
    // calls `alDesaparecer` once that window is gone. Returns the reason, for
    // the user, when it cannot; the window is then left as it was.
    virtual std::optional<std::string> incrustar(QWidget& ventana, std::uint32_t manejador,
                                                 std::function<void()> alDesaparecer) = 0;
};

} // namespace tt::app
