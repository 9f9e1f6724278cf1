#pragma once

// Fonts and buttons shared by the main window and the template dialog.

#include <QFont>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace tt::app {

// Arial, or a metric-compatible face where it is not installed.
QFont FuenteArial(int pixeles, bool negrita);
// The classic 8-point dialog face, or a close sans-serif.
QFont FuenteDialogo(int pixeles = 11);

// A label laid out like the classic ones: text from the top left, no fill.
QLabel* CrearEtiqueta(const QString& texto, const QFont& fuente, QWidget* padre);

// A button with the check-mark glyph of the OK kind.
QPushButton* CrearBotonAceptar(const QString& texto, QWidget* padre);

// The owner for dialogs over `ventana`: none once it lives inside another
// program's window, which Qt cannot stack dialogs on.
QWidget* DuenoDeDialogos(QWidget* ventana);

} // namespace tt::app
