#include "app/window_look.hpp"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QWindow>

namespace tt::app {

namespace {

QFont FuenteDe(const QStringList& familias, int pixeles, bool negrita) {
    QFont fuente;
    fuente.setFamilies(familias);
    fuente.setStyleHint(QFont::SansSerif);
    fuente.setPixelSize(pixeles);
    fuente.setBold(negrita);
    return fuente;
}

} // namespace

QFont FuenteArial(int pixeles, bool negrita) {
    return FuenteDe({"Arial", "Liberation Sans", "Nimbus Sans", "Helvetica"}, pixeles, negrita);
}

QFont FuenteDialogo(int pixeles) {
    return FuenteDe({"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Nimbus Sans",
                     "Arial"},
                    pixeles, false);
}

QLabel* CrearEtiqueta(const QString& texto, const QFont& fuente, QWidget* padre) {
    auto* etiqueta = new QLabel(texto, padre);
    etiqueta->setFont(fuente);
    etiqueta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return etiqueta;
}

QPushButton* CrearBotonAceptar(const QString& texto, QWidget* padre) {
    auto* boton = new QPushButton(texto, padre);
    boton->setIcon(boton->style()->standardIcon(QStyle::SP_DialogOkButton));
    return boton;
}

QWidget* DuenoDeDialogos(QWidget* ventana) {
    const QWindow* nativa = ventana ? ventana->windowHandle() : nullptr;
    return (nativa && nativa->parent()) ? nullptr : ventana;
}

} // namespace tt::app
