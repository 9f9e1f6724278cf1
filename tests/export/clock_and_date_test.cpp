// Clock texts into minutes, and the output's `fecha` with SOURCE_DATE_EPOCH.

#include "dbf/dbf_test_support.hpp"
#include "export/clock_minutes.hpp"
#include "export/output_date.hpp"
#include "export_test_support.hpp"

#include <gtest/gtest.h>

#include <ctime>

namespace {

using namespace tt::testing;
using tt::exporter::Instante;
using tt::exporter::MinutosDelReloj;
using tt::exporter::RelojDelSistema;
using tt::exporter::TextoFecha;

TEST(MinutosDelReloj, HorasPorSesentaMasMinutos) {
    struct Caso {
        const char* hora;
        std::int64_t minutos;
    };
    for (const Caso& caso : {Caso{"08:30", 510}, Caso{"8:30", 510}, Caso{"14:05", 845}, Caso{"00:00", 0},
                             Caso{"24:00", 1440}, Caso{"", 0}, Caso{"7", 427},
                             Caso{"100:00", 600}})
        EXPECT_EQ(MinutosDelReloj(caso.hora), caso.minutos) << "'" << caso.hora << "'";
}

TEST(MinutosDelReloj, UnaParteQueNoEsEnteraEsUnError) {
    struct Caso {
        const char* hora;
        const char* mensaje;
    };
    for (const Caso& caso : {Caso{"8:3", "':3' no es un valor entero v\xC3\xA1lido"},
                             Caso{"ab:30", "'ab' no es un valor entero v\xC3\xA1lido"},
                             Caso{"08:3 ", "'3 ' no es un valor entero v\xC3\xA1lido"},
                             Caso{" 8:30", "' 8' no es un valor entero v\xC3\xA1lido"},
                             Caso{"\xF1:30", "'0\xC3\xB1' no es un valor entero v\xC3\xA1lido"}})
        EXPECT_EQ(ErrorOf([&] { MinutosDelReloj(caso.hora); }), caso.mensaje) << caso.hora;
}

#ifndef _WIN32
TEST(TextoFecha, FechaCortaYHoraLargaEspanolas) {
    EXPECT_EQ(TextoFecha(kInstanteFijo), kFechaFija);
    EXPECT_EQ(TextoFecha(Instante{0, true}), "01/01/1970 00:00:00");
    EXPECT_EQ(TextoFecha(Instante{253402300799, true}), "31/12/9999 23:59:59");

    {
        EntornoTemporal zona("TZ", "CET-1");
        tzset();
        EXPECT_EQ(TextoFecha(Instante{0, false}), "01/01/1970 01:00:00") << "local time";
        EXPECT_EQ(TextoFecha(Instante{0, true}), "01/01/1970 00:00:00");
    }
    tzset();
}
#endif

TEST(RelojDelSistema, SourceDateEpochFijaElInstanteEnUtc) {
    {
        EntornoTemporal fijada("SOURCE_DATE_EPOCH", "1767349230");
        const Instante instante = RelojDelSistema();
        EXPECT_EQ(instante.segundos, kInstanteFijo.segundos);
        EXPECT_TRUE(instante.utc);
    }
    for (const char* sinFijar : {static_cast<const char*>(nullptr), ""}) {
        EntornoTemporal variable("SOURCE_DATE_EPOCH", sinFijar);
        const std::time_t antes = std::time(nullptr);
        const Instante instante = RelojDelSistema();
        EXPECT_FALSE(instante.utc);
        EXPECT_GE(instante.segundos, antes);
        EXPECT_LE(instante.segundos, std::time(nullptr));
    }
}

TEST(RelojDelSistema, SourceDateEpochMalFormadaEsUnError) {
    for (const char* valor : {"abc", "12x", "-5", "+5", " 5", "1e9", "1.5", "253402300800", "99999999999999999999"}) {
        EntornoTemporal fijada("SOURCE_DATE_EPOCH", valor);
        const std::string mensaje = ErrorOf([] { RelojDelSistema(); });
        EXPECT_NE(mensaje.find(std::string("SOURCE_DATE_EPOCH vale '") + valor + "'"), std::string::npos)
            << mensaje;
    }
}

TEST(RelojDelSistema, LaExportacionEscribeLaFechaDeSourceDateEpoch) {
    EntornoTemporal fijada("SOURCE_DATE_EPOCH", "1767349230");
    CarpetasExportacion carpetas;
    EscribirTablas(carpetas.trabajo(), EscuelaBase());
    ASSERT_EQ(carpetas.exportar(RelojDelSistema).desenlace, tt::exporter::Desenlace::Finalizado);
    const std::string salida = ReadFile(carpetas.salida());
    EXPECT_NE(salida.find("fecha=\"" + TextoFecha(kInstanteFijo) + "\""), std::string::npos) << salida;
}

} // namespace
