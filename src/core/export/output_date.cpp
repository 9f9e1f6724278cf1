#include "export/output_date.hpp"

#include "error.hpp"
#include "platform/environment.hpp"

#include <charconv>
#include <cstdio>
#include <ctime>
#include <optional>
#include <string_view>

#ifdef _WIN32
#include "platform/windows_api.hpp"
#endif

namespace tt::exporter {

namespace {

constexpr const char* kVariableFecha = "SOURCE_DATE_EPOCH";
// 9999-12-31 23:59:59 UTC: four-digit years only.
constexpr long long kUltimoSegundo = 253402300799LL;

// Seconds since 1970-01-01 UTC, written in decimal digits and nothing else.
std::optional<std::time_t> SegundosDeEpoca(std::string_view texto) {
    if (texto.empty() || texto.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    long long segundos = 0;
    const auto leido = std::from_chars(texto.data(), texto.data() + texto.size(), segundos);
    if (leido.ec != std::errc() || segundos > kUltimoSegundo) return std::nullopt;
    return static_cast<std::time_t>(segundos);
}

std::tm Desglosar(const Instante& instante) {
    std::tm partes{};
#ifdef _WIN32
    const bool hecho = instante.utc ? gmtime_s(&partes, &instante.segundos) == 0
                                    : localtime_s(&partes, &instante.segundos) == 0;
#else
    const bool hecho = instante.utc ? gmtime_r(&instante.segundos, &partes) != nullptr
                                    : localtime_r(&instante.segundos, &partes) != nullptr;
#endif
    if (!hecho)
        throw Error("No se puede expresar como fecha el instante " +
                    std::to_string(static_cast<long long>(instante.segundos)) + ".");
    return partes;
}

#ifdef _WIN32
std::string Utf8(const wchar_t* ancho) {
    const int largo = WideCharToMultiByte(CP_UTF8, 0, ancho, -1, nullptr, 0, nullptr, nullptr);
    if (largo <= 1) return {};
    std::string texto(static_cast<std::size_t>(largo), '\0');
    WideCharToMultiByte(CP_UTF8, 0, ancho, -1, texto.data(), largo, nullptr, nullptr);
    texto.resize(static_cast<std::size_t>(largo - 1));
    return texto;
}
#endif

} // namespace

Instante RelojDelSistema() {
    const std::optional<std::string> fijada = platform::VariableDeEntorno(kVariableFecha);
    // An empty value is the usual way of unsetting it in a shell.
    if (!fijada || fijada->empty()) return Instante{std::time(nullptr), false};
    const std::optional<std::time_t> segundos = SegundosDeEpoca(*fijada);
    if (!segundos)
        throw Error(std::string("La variable de entorno ") + kVariableFecha + " vale '" + *fijada +
                    "', que no es una fecha v\xC3\xA1lida: debe ser un n\xC3\xBAmero entero de segundos "
                    "desde el 1 de enero de 1970 (UTC), hasta el a\xC3\xB1o 9999.");
    return Instante{*segundos, true};
}

std::string TextoFecha(const Instante& instante) {
    const std::tm partes = Desglosar(instante);
#ifdef _WIN32
    SYSTEMTIME momento{};
    momento.wYear = static_cast<WORD>(partes.tm_year + 1900);
    momento.wMonth = static_cast<WORD>(partes.tm_mon + 1);
    momento.wDayOfWeek = static_cast<WORD>(partes.tm_wday);
    momento.wDay = static_cast<WORD>(partes.tm_mday);
    momento.wHour = static_cast<WORD>(partes.tm_hour);
    momento.wMinute = static_cast<WORD>(partes.tm_min);
    momento.wSecond = static_cast<WORD>(partes.tm_sec);
    wchar_t fecha[128];
    wchar_t hora[128];
    if (GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &momento, nullptr, fecha, 128, nullptr) == 0 ||
        GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &momento, nullptr, hora, 128) == 0)
        throw Error("No se puede dar formato a la fecha con la configuraci\xC3\xB3n regional del usuario.");
    return Utf8(fecha) + " " + Utf8(hora);
#else
    char texto[96];
    std::snprintf(texto, sizeof texto, "%02d/%02d/%04d %02d:%02d:%02d", partes.tm_mday, partes.tm_mon + 1,
                  partes.tm_year + 1900, partes.tm_hour, partes.tm_min, partes.tm_sec);
    return texto;
#endif
}

} // namespace tt::exporter
