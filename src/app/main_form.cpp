#include "app/main_form.hpp"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTimer>

#include "app/gradient_panel.hpp"
#include "app/handle_text.hpp"
#include "app/horavant_ini.hpp"
#include "app/qt_path.hpp"
#include "app/window_look.hpp"
#include "error.hpp"
#include "platform/display_path.hpp"
#include "platform/paths.hpp"

namespace tt::app {

namespace {

constexpr const char* kArchivoAyuda = "VELMORA.chm";

// Only A to Z change, as in the comparison Horavant's command words were made for.
QString MinusculasAscii(QString texto) {
    for (QChar& c : texto)
        if (c >= u'A' && c <= u'Z') c = QChar(c.unicode() - u'A' + u'a');
    return texto;
}

PanelDegradado* CrearPanel(const char* nombre, QColor inicio, QColor medio, QColor fin,
                           QRect limites, QWidget* padre) {
    auto* panel = new PanelDegradado(inicio, medio, fin, padre);
    panel->setObjectName(nombre);
    panel->setGeometry(limites);
    return panel;
}

} // namespace

TMForm::TMForm(QStringList argumentos, std::filesystem::path carpetaAplicacion,
               Servicios servicios, QWidget* padre)
    : QWidget(padre, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      argumentos_(std::move(argumentos)), carpetaAplicacion_(std::move(carpetaAplicacion)),
      servicios_(servicios) {
    construir();
    FormCreate();
}

void TMForm::construir() {
    setObjectName("MForm");
    setWindowTitle("Exportar e importar datos entre Horavant y Velmora");
    setFont(FuenteDialogo());
    setFixedSize(632, 266);
    if (const QScreen* pantalla = screen())
        move(pantalla->availableGeometry().center() - rect().center());

    const QColor ocre(249, 211, 125), crema(255, 238, 221);
    auto* draw3D2 = CrearPanel("Draw3D2", ocre, Qt::white, crema, {1, 0, 315, 169}, this);
    auto* draw3D3 = CrearPanel("Draw3D3", ocre, Qt::white, crema, {316, 0, 317, 169}, this);
    auto* draw3D1 = CrearPanel("Draw3D1", QColor(194, 205, 254), QColor(207, 242, 254),
                               QColor(204, 216, 230), {0, 168, 633, 97}, this);

    const QFont titulo = FuenteArial(16, true);
    auto* label3 =
        CrearEtiqueta("Transformar datos desde Velmora hacia Horavant ", titulo, draw3D2);
    label3->setObjectName("Label3");
    label3->setWordWrap(true);
    label3->setGeometry(24, 24, 265, 57);

    auto* label4 = CrearEtiqueta("Transformar datos desde Horavant hacia Velmora", titulo, draw3D3);
    label4->setObjectName("Label4");
    label4->setWordWrap(true);
    label4->setGeometry(8, 24, 305, 57);

    QFont negrita = font();
    negrita.setBold(true);
    auto* label1 = CrearEtiqueta("TransHoravantVelmora para ZT40 V-1.0", negrita, draw3D1);
    label1->setObjectName("Label1");
    QPalette roja = label1->palette();
    roja.setColor(QPalette::WindowText, Qt::red);
    label1->setPalette(roja);
    label1->setGeometry(8, 72, 230, 13);

    bExportar_ = CrearBotonAceptar("Aceptar", draw3D2);
    bExportar_->setObjectName("BExportar");
    bExportar_->setGeometry(96, 120, 89, 25);
    connect(bExportar_, &QPushButton::clicked, this, [this] { BExportarClick(); });

    bImportar_ = CrearBotonAceptar("Aceptar", draw3D3);
    bImportar_->setObjectName("BImportar");
    bImportar_->setGeometry(96, 120, 89, 25);
    connect(bImportar_, &QPushButton::clicked, this, [this] { BImportarClick(); });

    auto* bClose = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), "&Salir",
                                   draw3D1);
    bClose->setObjectName("BClose");
    bClose->setGeometry(256, 32, 89, 25);
    connect(bClose, &QPushButton::clicked, this, &QWidget::close);

    auto* button1 = new QPushButton("F1 Ayuda", draw3D1);
    button1->setObjectName("Button1");
    button1->setGeometry(264, 64, 75, 25);
    connect(button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(new QShortcut(Qt::Key_F1, this), &QShortcut::activated, this,
            [this] { Button1Click(); });
}

void TMForm::FormCreate() {
    resultadoProceso_ = 0;
    if (argumentos_.size() != 2) return;

    const std::string digitos = argumentos_[1].toStdString();
    const auto manejador = LeerManejador(digitos);
    if (!manejador) {
        mensaje(MensajeManejadorInvalido(digitos));
        return;
    }
    const auto conBorde = windowFlags();
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    // Horavant waits for the result whether or not its window could take ours,
    // so command-line mode holds either way.
    if (const auto motivo = servicios_.anfitrion.incrustar(*this, *manejador, [this] { close(); })) {
        setWindowFlags(conBorde);
        mensaje(*motivo);
    }
    modoComando_ = 2;
}

void TMForm::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (mostrada_) return;
    mostrada_ = true;
    // Queued so that the window is on screen before the run's first dialog.
    QTimer::singleShot(0, this, [this] { FormShow(); });
}

void TMForm::FormShow() {
    if (argumentos_.size() != 2) return;
    const QString accion = MinusculasAscii(argumentos_[0]);
    if (accion == u"importar") BImportarClick();
    if (accion == u"exportar") BExportarClick();
}

void TMForm::closeEvent(QCloseEvent* evento) {
    QWidget::closeEvent(evento);
    if (cerradaYa_) return;
    cerradaYa_ = true;
    FormClose();
    emit cerrada();
}

void TMForm::FormClose() {
    if (modoComando_ != 2) return;
    try {
        EscribirResultadoProceso(carpetaAplicacion_, resultadoProceso_);
    } catch (const Error& error) {
        mensaje(error.what());
    }
}

void TMForm::Button1Click() {
    const auto ayuda = platform::FindNoCase(carpetaAplicacion_, kArchivoAyuda);
    if (!ayuda) {
        mensaje(std::string("No se encuentra el archivo de ayuda ") + kArchivoAyuda +
                " en la carpeta " + platform::DisplayPath(carpetaAplicacion_) + ".");
        return;
    }
    if (!servicios_.dialogos.abrirConVisor(TextoDeRuta(*ayuda)))
        mensaje("No se puede abrir el archivo de ayuda " + platform::DisplayPath(*ayuda) +
                ": no hay ning\xC3\xBAn programa instalado para ver archivos .chm.");
}

void TMForm::mensaje(const std::string& texto) {
    servicios_.dialogos.mensaje(DuenoDeDialogos(this), QString::fromStdString(texto));
}

} // namespace tt::app
