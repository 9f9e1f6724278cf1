#include "app/qt_dialogs.hpp"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace tt::app {

QString DialogosQt::elegirArchivoXml(QWidget* padre, const QString& actual) {
    QFileDialog dialogo(padre, "Archivo XML");
    dialogo.setNameFilter("*.xml");
    dialogo.setDefaultSuffix("xml");
    dialogo.setFileMode(QFileDialog::ExistingFile);
    if (!actual.isEmpty()) dialogo.selectFile(actual);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return {};
    return dialogo.selectedFiles().constFirst();
}

void DialogosQt::mensaje(QWidget* padre, const QString& texto) {
    QMessageBox caja(QMessageBox::NoIcon, kTituloAplicacion, texto, QMessageBox::Ok, padre);
    caja.exec();
}

bool DialogosQt::abrirConVisor(const QString& ruta) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(ruta));
}

} // namespace tt::app
