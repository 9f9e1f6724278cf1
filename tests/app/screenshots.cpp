// Pictures of the two windows for the documentation:
//   app_screenshots <folder>   (under Xvfb: xvfb-run -a app_screenshots docs/screenshots)

#include <QApplication>
#include <QDir>
#include <QTest>
#include <cstdio>

#include "app/main_form.hpp"
#include "app/template_dialog.hpp"
#include "fakes.hpp"

namespace {

bool Guardar(QWidget& ventana, const QDir& carpeta, const char* nombre) {
    ventana.show();
    if (!QTest::qWaitForWindowExposed(&ventana)) return false;
    QTest::qWait(200);
    return ventana.grab().save(carpeta.filePath(nombre));
}

tt::importer::OpcionesPlantilla Ejemplo() {
    return {{{"ORD", "Jornada ordinaria", "01/09/2024", "21/06/2025"},
             {"INT", "Jornada intensiva", "01/06/2025", "30/06/2025"}},
            {{"08:15-09:10", "ORD"},
             {"09:10-10:05", "ORD"},
             {"10:05-11:00", "ORD"},
             {"11:00-11:30 Recreo", "ORD"},
             {"11:30-12:25", "ORD"},
             {"12:25-13:20", "ORD"},
             {"13:20-14:15", "ORD"},
             {"08:00-09:00", "INT"}}};
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication aplicacion(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "uso: app_screenshots <carpeta>\n");
        return 2;
    }
    const QDir carpeta(QString::fromLocal8Bit(argv[1]));
    if (!carpeta.mkpath(".")) return 1;

    tt::app::falsos::EjecutoresFalsos ejecutores;
    tt::app::falsos::DialogosFalsos dialogos;
    tt::app::falsos::AnfitrionFalso anfitrion;
    tt::app::TMForm ventana({}, QDir::currentPath().toStdString(), {ejecutores, dialogos, anfitrion});
    tt::app::TPlantillas dialogo(Ejemplo());

    const bool bien = Guardar(ventana, carpeta, "main-window.png") &&
                      Guardar(dialogo, carpeta, "template-dialog.png");
    return bien ? 0 : 1;
}
