#pragma once

// "Plantillas Horarias": asks which school-day template an import applies when
// the export offers several.

#include <QDialog>
#include <QString>

#include "import/template_choice.hpp"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace tt::app {

class TPlantillas : public QDialog {
public:
    explicit TPlantillas(importer::OpcionesPlantilla opciones, QWidget* propietario = nullptr);

    // The combo box's text when the dialog closed, without surrounding blanks
    // or control characters; empty until then.
    const QString& plantillaSeleccionada() const { return plantillaSeleccionada_; }

    // Every way out (Continuar, Enter, the close box, Escape) keeps the text shown.
    void done(int resultado) override;

protected:
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void FormActivate();
    void ComboBoxPlantillaChange();

    importer::OpcionesPlantilla opciones_;
    QString plantillaSeleccionada_;
    QComboBox* comboBoxPlantilla_;
    QLabel* labelNombre_;
    QLabel* labelPlanFec1_;
    QLabel* labelPlanFec2_;
    QListWidget* listBox1_;
    QPushButton* bitBtnContinuar_;
};

} // namespace tt::app
