#include <QApplication>
#include <QPushButton>

#include "app/main_form.hpp"
#include "app/qt_path.hpp"
#include "app/window_look.hpp"
#include "platform/paths.hpp"

namespace tt::app {

namespace {

// The busy pointer while a run works, back to normal however it ends.
class CursorOcupado {
public:
    CursorOcupado() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursorOcupado() { QApplication::restoreOverrideCursor(); }
    CursorOcupado(const CursorOcupado&) = delete;
    CursorOcupado& operator=(const CursorOcupado&) = delete;
};

} // namespace

void TMForm::BExportarClick() {
    elegirArchivo();
    ejecutar([this] {
        importer::ParametrosImportacion parametros;
        parametros.archivoXml = archivoXml_;
        parametros.carpetaTrabajo = platform::DefaultWorkDir();
        parametros.carpetaAplicacion = carpetaAplicacion_;
        parametros.selector = &selector_;
        const auto resultado = servicios_.ejecutores.importar(parametros);
        switch (resultado.desenlace) {
        case importer::Desenlace::Finalizado:
            return FinDeProceso{Fin::Finalizado, resultado.mensaje};
        case importer::Desenlace::NoExisteArchivo:
            return FinDeProceso{Fin::NoExisteArchivo, resultado.mensaje};
        case importer::Desenlace::FaltaNivelex:
            break;
        }
        return FinDeProceso{Fin::Detenido, resultado.mensaje};
    });
}

void TMForm::BImportarClick() {
    elegirArchivo();
    ejecutar([this] {
        const auto resultado =
            servicios_.ejecutores.exportar(archivoXml_, platform::DefaultWorkDir());
        switch (resultado.desenlace) {
        case exporter::Desenlace::Finalizado:
            return FinDeProceso{Fin::Finalizado, resultado.mensaje};
        case exporter::Desenlace::NoExisteArchivo:
            return FinDeProceso{Fin::NoExisteArchivo, resultado.mensaje};
        case exporter::Desenlace::FaltaPeriodos:
            break;
        }
        return FinDeProceso{Fin::Detenido, resultado.mensaje};
    });
}

// A cancelled dialog keeps the file chosen earlier in this window, by either run.
void TMForm::elegirArchivo() {
    const QString elegido =
        servicios_.dialogos.elegirArchivoXml(DuenoDeDialogos(this), TextoDeRuta(archivoXml_));
    if (!elegido.isEmpty()) archivoXml_ = RutaDeTexto(elegido);
}

void TMForm::ejecutar(const std::function<FinDeProceso()>& proceso) {
    // Horavant's window went away while the file dialog was open.
    if (cerradaYa_) return;
    FinDeProceso final;
    try {
        const CursorOcupado ocupado;
        final = proceso();
    } catch (const std::exception& error) {
        mensaje(error.what());
        return;
    } catch (...) {
        mensaje("Error inesperado: el proceso se ha detenido.");
        return;
    }

    const bool enComando = modoComando_ == 2;
    switch (final.fin) {
    case Fin::Finalizado:
        resultadoProceso_ = 1;
        mensaje(final.mensaje);
        bExportar_->setEnabled(false);
        bImportar_->setEnabled(false);
        if (enComando) close();
        break;
    case Fin::NoExisteArchivo:
        mensaje(final.mensaje);
        if (enComando) {
            resultadoProceso_ = -1;
            close();
        }
        break;
    case Fin::Detenido:
        mensaje(final.mensaje);
        break;
    }
}

} // namespace tt::app
