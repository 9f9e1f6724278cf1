// Runs that stop: the message, no output (an earlier one left as it was), the
// chosen file and the working folder untouched, every table closed afterwards.

#include "dbf/dbf_test_support.hpp"
#include "export_test_support.hpp"
#include "platform/dbf/dbf_table.hpp"
#include "platform/display_path.hpp"
#include "platform/folder_lock.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>

namespace {

namespace fs = std::filesystem;
using namespace tt::testing;
using tt::exporter::Desenlace;

using Carpetas = CarpetasExportacion;

struct CasoFallo {
    const char* nombre;
    // Spoils the prepared folders.
    std::function<void(const Carpetas&)> estropear;
    // The message, or with `soloElPrincipio` its start.
    std::function<std::string(const Carpetas&)> mensaje;
    bool soloElPrincipio = false;
    // A stop the user can mend comes back as a Desenlace; Finalizado here
    // means a tt::Error is expected.
    Desenlace desenlace = Desenlace::Finalizado;
    // What it returns is held during the run (a lock, say).
    std::function<std::shared_ptr<void>(const Carpetas&)> retener = [](const Carpetas&) { return nullptr; };
};

void PrintTo(const CasoFallo& caso, std::ostream* os) { *os << caso.nombre; }

template <class Recurso, class... Argumentos>
std::shared_ptr<void> Retener(Argumentos&&... argumentos) {
    return std::make_shared<Recurso>(std::forward<Argumentos>(argumentos)...);
}

std::string Ruta(const fs::path& archivo) { return tt::platform::DisplayPath(archivo); }

void Nada(const Carpetas&) {}

CasoFallo TablaBloqueada(const char* tabla) {
    return CasoFallo{tabla, Nada,
                     [tabla](const Carpetas& c) {
                         return "La tabla " + Ruta(c.trabajo() / tabla) + " est\xC3\xA1 bloqueada por otro programa";
                     },
                     false, Desenlace::Finalizado,
                     [tabla](const Carpetas& c) {
                         return Retener<tt::dbf::Table>(c.trabajo() / tabla, tt::dbf::OpenMode::Exclusive);
                     }};
}

class ExportacionQueSeDetiene : public ::testing::TestWithParam<CasoFallo> {};

TEST_P(ExportacionQueSeDetiene, NoEscribeNadaYCierraLasTablas) {
    const CasoFallo& caso = GetParam();
    Carpetas carpetas;
    TablasDeTrabajo tablas = EscuelaBase();
    tablas.soluc = {{"JGP", 1, 1, "MAT", "1A", "", ""}, {"JGP", 2, 5, "MAT", "1A", "", ""}};
    EscribirTablas(carpetas.trabajo(), tablas);
    WriteFile(carpetas.salida(), "salida de una exportaci\xC3\xB3n anterior");

    caso.estropear(carpetas);
    const auto datos = Snapshot(carpetas.datos());
    const auto trabajo = Snapshot(carpetas.trabajo());
    {
        const std::shared_ptr<void> retenido = caso.retener(carpetas);
        std::string mensaje;
        if (caso.desenlace != Desenlace::Finalizado) {
            const auto resultado = carpetas.exportar();
            EXPECT_EQ(resultado.desenlace, caso.desenlace);
            mensaje = resultado.mensaje;
        } else {
            mensaje = ErrorOf([&] { carpetas.exportar(tt::exporter::RelojDelSistema); });
        }
        const std::string esperado = caso.mensaje(carpetas);
        EXPECT_EQ(caso.soloElPrincipio ? mensaje.substr(0, esperado.size()) : mensaje, esperado) << mensaje;
    }
    EXPECT_EQ(Snapshot(carpetas.datos()), datos) << "the chosen file and the earlier output as they were";
    EXPECT_EQ(Snapshot(carpetas.trabajo()), trabajo);
    // Nothing the run opened is still open.
    for (const std::string& nombre : NombresTablasExportacion()) {
        if (fs::exists(carpetas.trabajo() / nombre)) {
            EXPECT_NO_THROW(tt::dbf::Table(carpetas.trabajo() / nombre, tt::dbf::OpenMode::Exclusive)) << nombre;
        }
    }
    EXPECT_NO_THROW(tt::platform::FolderLock{carpetas.trabajo()});
}

std::string NoEsExportacion(const Carpetas& c) {
    return "El archivo " + Ruta(c.elegido()) + " no es una exportaci\xC3\xB3n de Velmora: ";
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ExportacionQueSeDetiene,
    ::testing::Values(
        CasoFallo{"NoExisteArchivo", [](const Carpetas& c) { fs::remove(c.elegido()); },
                  [](const Carpetas&) { return "No existe archivo"; }, false, Desenlace::NoExisteArchivo},
        CasoFallo{"FaltaPeriodos", [](const Carpetas& c) { fs::remove(c.trabajo() / "PERIODOS.DBF"); },
                  [](const Carpetas&) {
                      return "ATENCI\xC3\x93N - PERIODOS.DBF No encontrado - Importe de nuevo XML de VELMORA.";
                  },
                  false, Desenlace::FaltaPeriodos},
        CasoFallo{"HoraQueNoEsEntera",
                  [](const Carpetas& c) {
                      TablasDeTrabajo tablas = EscuelaBase();
                      tablas.soluc = {{"JGP", 1, 1, "MAT", "1A", "", ""}, {"JGP", 2, 5, "MAT", "1A", "", ""}};
                      tablas.tramos[3].hasta = "8:3"; // the second lesson's slot
                      EscribirTablas(c.trabajo(), tablas);
                  },
                  [](const Carpetas&) { return "':3' no es un valor entero v\xC3\xA1lido"; }},
        CasoFallo{"FaltaUnaTabla", [](const Carpetas& c) { fs::remove(c.trabajo() / "DIASHORAST.DBF"); },
                  [](const Carpetas& c) { return "No se encuentra la tabla " + Ruta(c.trabajo() / "DIASHORAST.DBF"); }},
        CasoFallo{"ArchivoQueNoEsXml",
                  [](const Carpetas& c) { WriteFile(c.elegido(), "<SERVICIO>\n<BLOQUE_DATOS>\n</SERVICIO>\n"); },
                  [](const Carpetas& c) {
                      return "El archivo \"" + Ruta(c.elegido()) + "\" no es un documento XML v\xC3\xA1lido (l\xC3\xADnea 3): ";
                  },
                  true},
        CasoFallo{"SinBloqueDatos",
                  [](const Carpetas& c) { WriteFile(c.elegido(), "<SERVICIO><OTRO>2025</OTRO></SERVICIO>"); },
                  [](const Carpetas& c) {
                      return NoEsExportacion(c) + "falta SERVICIO/BLOQUE_DATOS. No se ha escrito ning\xC3\xBAn archivo.";
                  }},
        CasoFallo{"BloqueDatosVacio",
                  [](const Carpetas& c) {
                      WriteFile(c.elegido(), "<SERVICIO><BLOQUE_DATOS>  </BLOQUE_DATOS></SERVICIO>");
                  },
                  [](const Carpetas& c) {
                      return NoEsExportacion(c) +
                             "SERVICIO/BLOQUE_DATOS est\xC3\xA1 vac\xC3\xADo. No se ha escrito ning\xC3\xBAn archivo.";
                  }},
        CasoFallo{"OtraEjecucionEnLaCarpeta", Nada,
                  [](const Carpetas& c) {
                      return "La carpeta de trabajo " + Ruta(c.trabajo()) + " est\xC3\xA1 siendo usada por otra ";
                  },
                  true, Desenlace::Finalizado,
                  [](const Carpetas& c) { return Retener<tt::platform::FolderLock>(c.trabajo()); }},
        CasoFallo{"SourceDateEpochMalFormada", Nada,
                  [](const Carpetas&) { return "La variable de entorno SOURCE_DATE_EPOCH vale 'ayer'"; }, true,
                  Desenlace::Finalizado,
                  [](const Carpetas&) { return Retener<EntornoTemporal>("SOURCE_DATE_EPOCH", "ayer"); }},
        TablaBloqueada("SOLUC.DBF"), TablaBloqueada("GRUPOST.DBF"), TablaBloqueada("CURSOST.DBF"),
        TablaBloqueada("PROFT.DBF"), TablaBloqueada("AULAT.DBF"), TablaBloqueada("ASIGNOMT.DBF"),
        TablaBloqueada("DIASHORAST.DBF"), TablaBloqueada("ASIGT.DBF"), TablaBloqueada("PERIODOS.DBF")),
    [](const auto& info) {
        std::string nombre = info.param.nombre;
        for (char& c : nombre)
            if (c == '.') c = '_';
        return nombre;
    });

} // namespace
