#include "app/gradient_panel.hpp"

#include <QLinearGradient>
#include <QPainter>

namespace tt::app {

PanelDegradado::PanelDegradado(QColor inicio, QColor medio, QColor fin, QWidget* padre)
    : QWidget(padre), inicio_(inicio), medio_(medio), fin_(fin) {}

void PanelDegradado::paintEvent(QPaintEvent*) {
    QLinearGradient degradado(0, 0, 0, height());
    degradado.setColorAt(0.0, inicio_);
    degradado.setColorAt(0.5, medio_);
    degradado.setColorAt(1.0, fin_);
    QPainter(this).fillRect(rect(), degradado);
}

} // namespace tt::app
