#pragma once

// TMForm, the program's only main window: the two run buttons, the run modes,
// the result flag reported to Horavant, and help.

#include <QStringList>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <string>

#include "app/services.hpp"
#include "app/template_selector.hpp"

class QPushButton;

namespace tt::app {

class TMForm : public QWidget {
    Q_OBJECT

public:
    struct Servicios {
        Ejecutores& ejecutores;
        Dialogos& dialogos;
        Anfitrion& anfitrion;
    };

    // `argumentos`: the command line without the program's name.
    // `carpetaAplicacion`: where NIVELEX.DBF, Horavant.ini and VELMORA.chm live.
    TMForm(QStringList argumentos, std::filesystem::path carpetaAplicacion, Servicios servicios,
           QWidget* padre = nullptr);

    int modoComando() const { return modoComando_; }
    int resultadoProceso() const { return resultadoProceso_; }

    void BExportarClick();
    void BImportarClick();
    void Button1Click();

signals:
    // The window has closed; the program ends here even when the window lives
    // inside another program's window, where closing does not end it by itself.
    void cerrada();

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    // How a run ended, whichever direction it went.
    enum class Fin { Finalizado, NoExisteArchivo, Detenido };
    struct FinDeProceso {
        Fin fin = Fin::Detenido;
        std::string mensaje;
    };

    void construir();
    void FormCreate();
    void FormShow();
    void FormClose();
    void elegirArchivo();
    void ejecutar(const std::function<FinDeProceso()>& proceso);
    void mensaje(const std::string& texto);

    QStringList argumentos_;
    std::filesystem::path carpetaAplicacion_;
    Servicios servicios_;
    SelectorPlantillaVentana selector_{this};

    std::filesystem::path archivoXml_; // ArchivoXML
    int modoComando_ = 0;              // ModoComando
    int resultadoProceso_ = 0;         // ResultadoProceso
    bool mostrada_ = false;
    bool cerradaYa_ = false;

    QPushButton* bExportar_ = nullptr;
    QPushButton* bImportar_ = nullptr;
};

} // namespace tt::app
