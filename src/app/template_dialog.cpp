#include "app/template_dialog.hpp"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

#include "app/gradient_panel.hpp"
#include "app/window_look.hpp"

namespace tt::app {

namespace {

const QColor kGranate(128, 0, 0);
const QColor kAzulCielo(166, 202, 240);
// The inactive-caption text colour of the desktops the dialog was drawn for.
const QColor kTextoTituloInactivo(216, 228, 248);

QLabel* CrearEtiquetaGranate(const QString& texto, int pixeles, QWidget* padre) {
    auto* etiqueta = CrearEtiqueta(texto, FuenteArial(pixeles, true), padre);
    QPalette paleta = etiqueta->palette();
    paleta.setColor(QPalette::WindowText, kGranate);
    etiqueta->setPalette(paleta);
    return etiqueta;
}

QString Texto(const std::string& utf8) { return QString::fromStdString(utf8); }

// Without leading and trailing blanks and control characters.
QString RecortarControles(const QString& texto) {
    qsizetype inicio = 0;
    qsizetype fin = texto.size();
    while (inicio < fin && texto[inicio].unicode() <= u' ') ++inicio;
    while (fin > inicio && texto[fin - 1].unicode() <= u' ') --fin;
    return texto.mid(inicio, fin - inicio);
}

} // namespace

TPlantillas::TPlantillas(importer::OpcionesPlantilla opciones, QWidget* propietario)
    : QDialog(propietario, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      opciones_(std::move(opciones)) {
    setObjectName("Plantillas");
    setWindowTitle("Plantillas Horarias");
    setFont(FuenteDialogo());
    setFixedSize(370, 193);
    move(368, 228);

    auto* panel = new PanelDegradado(kAzulCielo, Qt::white, kTextoTituloInactivo, this);
    panel->setObjectName("Draw3D4");
    panel->setGeometry(0, 0, 369, 193);

    auto* labelPlantillas = CrearEtiqueta(
        "Seleccione la Plantilla Horaria que quiere aplicar a su Horario en Horavant.",
        FuenteArial(13, true), panel);
    labelPlantillas->setObjectName("LabelPlantillas");
    labelPlantillas->setWordWrap(true);
    labelPlantillas->setGeometry(16, 2, 321, 33);

    comboBoxPlantilla_ = new QComboBox(panel);
    comboBoxPlantilla_->setObjectName("ComboBoxPlantilla");
    comboBoxPlantilla_->setEditable(true);
    comboBoxPlantilla_->setCompleter(nullptr);
    comboBoxPlantilla_->setInsertPolicy(QComboBox::NoInsert);
    QFont negrita = comboBoxPlantilla_->font();
    negrita.setBold(true);
    comboBoxPlantilla_->setFont(negrita);
    QPalette amarilla = comboBoxPlantilla_->palette();
    amarilla.setColor(QPalette::Base, Qt::yellow);
    comboBoxPlantilla_->setPalette(amarilla);
    comboBoxPlantilla_->setGeometry(8, 49, 81, 21);
    comboBoxPlantilla_->lineEdit()->installEventFilter(this);

    const auto crearDato = [panel](const char* nombre, int arriba) {
        auto* etiqueta = CrearEtiquetaGranate("-", 16, panel);
        etiqueta->setObjectName(nombre);
        etiqueta->setWordWrap(true);
        etiqueta->setGeometry(9, arriba, 120, 23);
        return etiqueta;
    };
    labelNombre_ = crearDato("LabelNombre", 76);
    labelPlanFec1_ = crearDato("LabelPlanFec1", 106);
    labelPlanFec2_ = crearDato("LabelPlanFec2", 138);

    auto* horas = CrearEtiquetaGranate("HORAS", 16, panel);
    horas->setObjectName("Label1");
    horas->setGeometry(215, 30, 67, 18);

    listBox1_ = new QListWidget(panel);
    listBox1_->setObjectName("ListBox1");
    listBox1_->setGeometry(152, 47, 193, 114);

    bitBtnContinuar_ = CrearBotonAceptar("Continuar", panel);
    bitBtnContinuar_->setObjectName("BitBtnContinuar");
    bitBtnContinuar_->setFont(negrita);
    bitBtnContinuar_->setDefault(true);
    bitBtnContinuar_->setGeometry(255, 165, 89, 25);

    connect(bitBtnContinuar_, &QPushButton::clicked, this, &QDialog::accept);
    connect(comboBoxPlantilla_, &QComboBox::currentTextChanged, this,
            [this] { ComboBoxPlantillaChange(); });
}

void TPlantillas::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (!evento->spontaneous()) FormActivate();
}

// Enter confirms the text as typed; the combo box would otherwise first swap
// it for a list item that matches it ignoring letter case.
bool TPlantillas::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == comboBoxPlantilla_->lineEdit() && evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            bitBtnContinuar_->click();
            return true;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void TPlantillas::FormActivate() {
    {
        const QSignalBlocker callado(comboBoxPlantilla_);
        if (opciones_.plantillas.size() > 1) {
            comboBoxPlantilla_->clear();
            for (const auto& plantilla : opciones_.plantillas)
                comboBoxPlantilla_->addItem(Texto(plantilla.codigo));
        }
        comboBoxPlantilla_->setCurrentIndex(0);
    }
    ComboBoxPlantillaChange();
}

void TPlantillas::ComboBoxPlantillaChange() {
    const QString actual = comboBoxPlantilla_->currentText();
    labelNombre_->setText("-");
    labelPlanFec1_->setText("-");
    labelPlanFec2_->setText("-");
    if (opciones_.plantillas.size() > 1) {
        for (const auto& plantilla : opciones_.plantillas) {
            if (Texto(plantilla.codigo) != actual) continue;
            labelNombre_->setText(Texto(plantilla.nombre));
            labelPlanFec1_->setText(Texto(plantilla.fechaInicio));
            labelPlanFec2_->setText(Texto(plantilla.fechaFin));
        }
    }
    if (opciones_.tramos.size() > 1) {
        listBox1_->clear();
        for (const auto& tramo : opciones_.tramos)
            if (Texto(tramo.codigoPlantilla) == actual) listBox1_->addItem(Texto(tramo.etiqueta));
    }
}

void TPlantillas::done(int resultado) {
    plantillaSeleccionada_ = RecortarControles(comboBoxPlantilla_->currentText());
    QDialog::done(resultado);
}

} // namespace tt::app
