// make-nivelex CSV DBF: builds the lookup table NIVELEX.DBF, shipped beside
// the executables, from its UTF-8 source (';'-separated, with a header line).
// Any doubtful line stops the build: a value that would be cut or turned
// into '?', a key that is no whole number, a key given twice.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "error.hpp"
#include "platform/dbf/dbf_table.hpp"
#include "platform/display_path.hpp"
#include "text/codepage.hpp"
#include "text/integer_conversion.hpp"
#include "text/split.hpp"

namespace {

namespace fs = std::filesystem;
using tt::Error;

constexpr const char* kCabecera = "X_OFERTAMATRIG;NIVEL_ABREV;ESTUDIO";
constexpr int kAnchoNivel = 5;   // what CURSOST.NIVEL holds
constexpr int kAnchoEstudio = 80; // what CURSOST.ESTUD holds

struct Fila {
    std::int32_t oferta;
    std::string nivel;    // Windows-1252
    std::string estudio;  // Windows-1252
};

std::string LeerArchivo(const fs::path& archivo) {
    std::ifstream entrada(archivo, std::ios::binary);
    if (!entrada) throw Error("No se puede leer " + tt::platform::DisplayPath(archivo));
    std::ostringstream contenido;
    contenido << entrada.rdbuf();
    return contenido.str();
}

// UTF-8 text as the table stores it, refusing what Windows-1252 cannot hold
// or the field would cut.
std::string Estrecho(const std::string& utf8, int ancho, const std::string& campo) {
    const std::string ansi = tt::text::Narrow(utf8);
    if (tt::text::Widen(ansi) != utf8)
        throw Error(campo + " '" + utf8 + "' tiene caracteres que Windows-1252 no representa");
    if (ansi.size() > static_cast<std::size_t>(ancho))
        throw Error(campo + " '" + utf8 + "' pasa de " + std::to_string(ancho) + " caracteres");
    return ansi;
}

std::vector<Fila> LeerFilas(const fs::path& csv) {
    std::string contenido = LeerArchivo(csv);
    if (contenido.rfind("\xEF\xBB\xBF", 0) == 0) contenido.erase(0, 3);
    std::vector<Fila> filas;
    std::set<std::int32_t> ofertas;
    const auto lineas = tt::text::Partir(contenido, '\n');
    for (std::size_t i = 0; i < lineas.size(); ++i) {
        std::string linea = lineas[i];
        if (!linea.empty() && linea.back() == '\r') linea.pop_back();
        const std::string donde = tt::platform::DisplayPath(csv) + ", l\xC3\xADnea " + std::to_string(i + 1) + ": ";
        if (i == 0) {
            if (linea != kCabecera) throw Error(donde + "se esperaba la cabecera " + kCabecera);
            continue;
        }
        if (linea.empty()) continue;
        const auto campos = tt::text::Partir(linea, ';');
        if (campos.size() != 3) throw Error(donde + "se esperaban 3 campos separados por ';'");
        try {
            Fila fila{tt::text::ConvertirEntero(tt::text::Narrow(campos[0])),
                      Estrecho(campos[1], kAnchoNivel, "NIVEL_ABREV"),
                      Estrecho(campos[2], kAnchoEstudio, "ESTUDIO")};
            if (!ofertas.insert(fila.oferta).second)
                throw Error("X_OFERTAMATRIG " + campos[0] + " est\xC3\xA1 repetido");
            filas.push_back(std::move(fila));
        } catch (const Error& error) {
            throw Error(donde + error.what());
        }
    }
    return filas;
}

// Written beside the target and renamed into place, so a failed build leaves
// no table that looks finished.
void EscribirTabla(const std::vector<Fila>& filas, const fs::path& destino) {
    fs::path provisional = destino;
    provisional += ".tmp";
    tt::dbf::CreateTable(provisional, {{"X_OFERTAMATRIG", tt::dbf::FieldType::Integer},
                                       {"NIVEL_ABREV", tt::dbf::FieldType::Character, kAnchoNivel},
                                       {"ESTUDIO", tt::dbf::FieldType::Character, kAnchoEstudio}});
    {
        tt::dbf::Table tabla(provisional, tt::dbf::OpenMode::Exclusive);
        for (const Fila& fila : filas) {
            tabla.append();
            tabla.setInteger("X_OFERTAMATRIG", fila.oferta);
            tabla.setText("NIVEL_ABREV", fila.nivel);
            tabla.setText("ESTUDIO", fila.estudio);
            tabla.post();
        }
        tabla.close();
    }
    fs::rename(provisional, destino);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "uso: make-nivelex nivelex.csv NIVELEX.DBF\n";
        return 2;
    }
    try {
        EscribirTabla(LeerFilas(argv[1]), argv[2]);
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "make-nivelex: " << error.what() << "\n";
        return 1;
    }
}
