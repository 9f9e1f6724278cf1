#include "import/staging_folder.hpp"

#include <algorithm>
#include <memory>
#include <random>
#include <utility>

#include "error.hpp"
#include "platform/file_lock.hpp"
#include "text/clipper.hpp"
#include "platform/display_path.hpp"

namespace tt::importer {

namespace fs = std::filesystem;
using platform::DisplayPath;

namespace {

fs::path CarpetaNueva(const fs::path& dentroDe, const std::string& prefijo) {
    std::random_device azar;
    for (int intento = 0; intento < 100; ++intento) {
        auto candidata = dentroDe / (prefijo + std::to_string(azar()));
        std::error_code ec;
        if (fs::create_directory(candidata, ec)) return candidata;
        if (ec && !fs::exists(candidata))
            throw Error("No se puede crear una carpeta en " + DisplayPath(dentroDe) + ": " +
                        ec.message());
    }
    throw Error("No se puede crear una carpeta en " + DisplayPath(dentroDe) + ".");
}

// Every entry of the working folder whose name is one of `nombres`, ignoring
// letter case: Horavant under Wine may have written "soluc.dbf" or "SOLUC.DBF".
std::vector<fs::path> Existentes(const fs::path& carpeta, const std::vector<std::string>& nombres) {
    std::vector<fs::path> encontrados;
    for (const auto& entrada : fs::directory_iterator(carpeta)) {
        if (!entrada.is_regular_file()) continue;
        const auto nombre = entrada.path().filename().string();
        for (const auto& buscado : nombres)
            if (text::IgualesSinMayusculasAscii(nombre, buscado)) {
                encontrados.push_back(entrada.path());
                break;
            }
    }
    return encontrados;
}

} // namespace

CarpetaProvisional::CarpetaProvisional(const fs::path& carpetaTrabajo)
    : carpetaTrabajo_(carpetaTrabajo), ruta_(CarpetaNueva(carpetaTrabajo, ".transtavora-nuevo-")) {}

CarpetaProvisional::~CarpetaProvisional() {
    std::error_code ec;
    fs::remove_all(ruta_, ec);
}

void CarpetaProvisional::publicar(const std::vector<std::string>& obsoletos) {
    std::vector<std::string> nuevos;
    for (const auto& entrada : fs::directory_iterator(ruta_))
        if (entrada.is_regular_file()) nuevos.push_back(entrada.path().filename().string());

    std::vector<std::string> reemplazados = nuevos;
    reemplazados.insert(reemplazados.end(), obsoletos.begin(), obsoletos.end());
    const auto viejos = Existentes(carpetaTrabajo_, reemplazados);

    // Nothing moves while Horavant (or anyone) holds one of the old tables.
    std::vector<std::unique_ptr<platform::FileLock>> cerrojos;
    for (const auto& viejo : viejos) {
        auto cerrojo = platform::FileLock::tryLock(viejo, platform::FileLock::Kind::Exclusive);
        if (!cerrojo)
            throw Error("La tabla " + DisplayPath(viejo) +
                        " est\xC3\xA1 abierta en otro programa. Ci\xC3\xA9rrelo y vuelva a "
                        "importar; no se ha cambiado ninguna tabla.");
        cerrojos.push_back(std::move(cerrojo));
    }
    // Released before the moves: Windows refuses to rename a file that has an
    // open handle. A program that grabs a table in between makes a move fail,
    // and the failure is rolled back below.
    cerrojos.clear();

    const fs::path respaldo = CarpetaNueva(carpetaTrabajo_, ".transtavora-respaldo-");
    std::vector<std::pair<fs::path, fs::path>> apartados; // old place, place in the backup
    std::vector<fs::path> colocados;

    auto deshacer = [&] {
        std::error_code ec;
        for (const auto& colocado : colocados) fs::remove(colocado, ec);
        for (const auto& [origen, copia] : apartados) fs::rename(copia, origen, ec);
    };

    try {
        for (const auto& viejo : viejos) {
            const auto copia = respaldo / viejo.filename();
            fs::rename(viejo, copia);
            apartados.emplace_back(viejo, copia);
        }
        for (const auto& nombre : nuevos) {
            const auto destino = carpetaTrabajo_ / nombre;
            fs::rename(ruta_ / nombre, destino);
            colocados.push_back(destino);
        }
    } catch (const fs::filesystem_error& e) {
        deshacer();
        std::error_code ec;
        fs::remove_all(respaldo, ec);
        throw Error("No se han podido reemplazar las tablas de " + DisplayPath(carpetaTrabajo_) +
                    " (" + e.what() + "); se han dejado como estaban.");
    }
    std::error_code ec;
    fs::remove_all(respaldo, ec);
}

} // namespace tt::importer
