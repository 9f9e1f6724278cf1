#include "app/program.hpp"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include "app/main_form.hpp"
#include "app/native_host.hpp"
#include "app/qt_dialogs.hpp"
#include "error.hpp"
#include "platform/paths.hpp"

namespace tt::app {

int EjecutarPrograma(int argc, char* argv[], Ejecutores& ejecutores) {
    // Counted as given: Qt takes its own options out of argv, and Horavant's
    // two arguments decide the run mode.
    QStringList argumentos;
    for (int i = 1; i < argc; ++i) argumentos << QString::fromLocal8Bit(argv[i]);

    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(kTituloAplicacion);
    // Embedded, the window is no top-level one, and closing a dialog would look
    // like closing the last window; the main window's closing ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    // The program speaks only Spanish, and so do Qt's own dialogs and buttons
    // where the translation is installed.
    QTranslator traduccionQt;
    if (traduccionQt.load(QLocale(QLocale::Spanish, QLocale::Spain), "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduccionQt);

    DialogosQt dialogos;
    std::filesystem::path carpetaAplicacion;
    try {
        carpetaAplicacion = platform::ExecutableDir();
    } catch (const Error& error) {
        dialogos.mensaje(nullptr, QString::fromStdString(error.what()));
        return 1;
    }

    AnfitrionNativo anfitrion; // outlives the window it may embed
    TMForm mForm(argumentos, carpetaAplicacion, {ejecutores, dialogos, anfitrion});
    QObject::connect(&mForm, &TMForm::cerrada, &aplicacion, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    mForm.show();
    return QApplication::exec();
}

} // namespace tt::app
