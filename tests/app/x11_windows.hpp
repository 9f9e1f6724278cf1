#pragma once

// Windows of an X server as a test sees them: found by title, and closed the
// way a window manager's close button asks.

#include <optional>
#include <string>
#include <xcb/xcb.h>

namespace tt::testing {

// A child of `padre` with this title (WM_NAME); with `soloVisibles`, a mapped one.
std::optional<xcb_window_t> HijoConTitulo(xcb_connection_t* conexion, xcb_window_t padre,
                                          const std::string& titulo, bool soloVisibles = false);

// Sends WM_DELETE_WINDOW, as the close button of a title bar does.
void PedirCierre(xcb_connection_t* conexion, xcb_window_t ventana);

} // namespace tt::testing
