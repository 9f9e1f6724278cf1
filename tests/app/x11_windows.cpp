#include "x11_windows.hpp"

#include <cstdlib>
#include <cstring>

namespace tt::testing {

namespace {

bool Visible(xcb_connection_t* conexion, xcb_window_t ventana) {
    auto* atributos =
        xcb_get_window_attributes_reply(conexion, xcb_get_window_attributes(conexion, ventana), nullptr);
    const bool visible = atributos && atributos->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(atributos);
    return visible;
}

xcb_atom_t Atomo(xcb_connection_t* conexion, const char* nombre) {
    auto* respuesta = xcb_intern_atom_reply(
        conexion, xcb_intern_atom(conexion, 0, static_cast<uint16_t>(std::strlen(nombre)), nombre), nullptr);
    const xcb_atom_t atomo = respuesta ? respuesta->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(respuesta);
    return atomo;
}

std::string TituloVentana(xcb_connection_t* conexion, xcb_window_t ventana) {
    auto* propiedad = xcb_get_property_reply(
        conexion,
        xcb_get_property(conexion, 0, ventana, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
        nullptr);
    if (!propiedad) return {};
    std::string texto(static_cast<const char*>(xcb_get_property_value(propiedad)),
                      static_cast<std::size_t>(xcb_get_property_value_length(propiedad)));
    std::free(propiedad);
    return texto;
}

} // namespace

std::optional<xcb_window_t> HijoConTitulo(xcb_connection_t* conexion, xcb_window_t padre,
                                          const std::string& titulo, bool soloVisibles) {
    auto* arbol = xcb_query_tree_reply(conexion, xcb_query_tree(conexion, padre), nullptr);
    if (!arbol) return std::nullopt;
    std::optional<xcb_window_t> hallado;
    const xcb_window_t* hijos = xcb_query_tree_children(arbol);
    for (int i = 0; i < xcb_query_tree_children_length(arbol) && !hallado; ++i)
        if (TituloVentana(conexion, hijos[i]) == titulo && (!soloVisibles || Visible(conexion, hijos[i])))
            hallado = hijos[i];
    std::free(arbol);
    return hallado;
}

void PedirCierre(xcb_connection_t* conexion, xcb_window_t ventana) {
    xcb_client_message_event_t mensaje{};
    mensaje.response_type = XCB_CLIENT_MESSAGE;
    mensaje.format = 32;
    mensaje.window = ventana;
    mensaje.type = Atomo(conexion, "WM_PROTOCOLS");
    mensaje.data.data32[0] = Atomo(conexion, "WM_DELETE_WINDOW");
    mensaje.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(conexion, 0, ventana, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&mensaje));
    xcb_flush(conexion);
}

} // namespace tt::testing
