#pragma once

#include "app/services.hpp"

namespace tt::app {

inline constexpr const char* kTituloAplicacion = "TransTavoraVelmora";

// The dialogs as the user sees them: the platform's file dialog, plain message
// boxes with the application title, the desktop's file viewer.
class DialogosQt : public Dialogos {
public:
    QString elegirArchivoXml(QWidget* padre, const QString& actual) override;
    void mensaje(QWidget* padre, const QString& texto) override;
    bool abrirConVisor(const QString& ruta) override;
};

} // namespace tt::app
