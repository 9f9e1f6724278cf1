#include "app/template_selector.hpp"

#include <QWidget>

#include "app/template_dialog.hpp"
#include "app/window_look.hpp"
#include "error.hpp"

namespace tt::app {

std::string SelectorPlantillaVentana::elegir(const importer::OpcionesPlantilla& opciones) {
    TPlantillas dialogo(opciones, DuenoDeDialogos(propietario_));
    dialogo.exec();
    // Horavant's window went away while the dialog was open: the program is
    // ending, so no table may change.
    if (propietario_ && !propietario_->isVisible())
        throw Error("La ventana del programa se ha cerrado; la importaci\xC3\xB3n se detiene "
                    "sin cambiar ninguna tabla.");
    return dialogo.plantillaSeleccionada().toStdString();
}

} // namespace tt::app
