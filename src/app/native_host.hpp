#pragma once

#include <QTimer>
#include <memory>

#include "app/services.hpp"

class QWindow;

namespace tt::app {

// Embeds into a window of another process by its native handle: X11 under the
// xcb platform, HWND on Windows. Must outlive the window it embeds.
class AnfitrionNativo : public Anfitrion {
public:
    AnfitrionNativo();
    ~AnfitrionNativo() override;

    std::optional<std::string> incrustar(QWidget& ventana, std::uint32_t manejador,
                                         std::function<void()> alDesaparecer) override;

private:
    std::unique_ptr<QWindow> ventanaAjena_;
    QTimer vigilancia_;
};

} // namespace tt::app
