#pragma once

#include <QColor>
#include <QWidget>

namespace tt::app {

// A background panel painted top to bottom from `inicio` through `medio` to `fin`.
class PanelDegradado : public QWidget {
public:
    PanelDegradado(QColor inicio, QColor medio, QColor fin, QWidget* padre);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QColor inicio_, medio_, fin_;
};

} // namespace tt::app
