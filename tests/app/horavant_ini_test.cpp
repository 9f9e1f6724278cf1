#include <gtest/gtest.h>

#include "app/horavant_ini.hpp"
#include "error.hpp"
#include "support/temp_dir.hpp"

namespace tt::app {
namespace {

using tt::testing::ReadFile;
using tt::testing::TempDir;
using tt::testing::WriteFile;

std::string Fijar(const std::string& contenido, const std::string& valor = "1") {
    return FijarValorPerfil(contenido, "Transformadores", "Transformado", valor);
}

struct CasoPerfil {
    const char* nombre;
    std::string antes;
    std::string despues;
};

TEST(FijarValorPerfil, ChangesOnlyTheKeyOrAddsWhatIsMissing) {
    const CasoPerfil casos[] = {
        {"empty file", "", "[Transformadores]\r\nTransformado=1\r\n"},
        {"key replaced, everything else kept byte for byte",
         "; Horavant\r\n[General]\r\nIdioma = es\r\nsin igual\r\n\r\n[Transformadores]\r\n"
         "; resultado\r\nOtro=3\r\nTransformado=0\r\nDespues=2\r\n\r\n[Final]\r\nX=1\r\n; fin\r\n",
         "; Horavant\r\n[General]\r\nIdioma = es\r\nsin igual\r\n\r\n[Transformadores]\r\n"
         "; resultado\r\nOtro=3\r\nTransformado=1\r\nDespues=2\r\n\r\n[Final]\r\nX=1\r\n; fin\r\n"},
        {"section and key in another letter case keep their spelling",
         "[ TRANSFORMADORES ]\r\n  transformado = -1  \r\n",
         "[ TRANSFORMADORES ]\r\ntransformado=1\r\n"},
        {"missing key goes after the section's last line, before the blank one",
         "[Transformadores]\r\nOtro=3\r\n; nota\r\n\r\n[General]\r\nA=1\r\n",
         "[Transformadores]\r\nOtro=3\r\n; nota\r\nTransformado=1\r\n\r\n[General]\r\nA=1\r\n"},
        {"missing section appended after a last line without ending",
         "[General]\r\nA=1", "[General]\r\nA=1\r\n[Transformadores]\r\nTransformado=1\r\n"},
        {"a file with Unix endings keeps them", "[General]\nA=1\n",
         "[General]\nA=1\n[Transformadores]\nTransformado=1\n"},
        {"a key of the same name in another section is not it",
         "[General]\r\nTransformado=7\r\n",
         "[General]\r\nTransformado=7\r\n[Transformadores]\r\nTransformado=1\r\n"},
        {"a commented-out key is not the key",
         "[Transformadores]\r\n;Transformado=7\r\n",
         "[Transformadores]\r\n;Transformado=7\r\nTransformado=1\r\n"},
        {"the first of two equal keys is the one",
         "[Transformadores]\r\nTransformado=7\r\nTransformado=8\r\n",
         "[Transformadores]\r\nTransformado=1\r\nTransformado=8\r\n"},
        {"a section header after a byte-order mark is found",
         "\xEF\xBB\xBF[Transformadores]\r\nTransformado=0\r\n",
         "\xEF\xBB\xBF[Transformadores]\r\nTransformado=1\r\n"},
    };
    for (const auto& caso : casos) EXPECT_EQ(Fijar(caso.antes), caso.despues) << caso.nombre;
}

class ResultadoEnIni : public ::testing::Test {
protected:
    TempDir carpeta;
};

TEST_F(ResultadoEnIni, WritesEachFlagValueKeepingTheRestOfTheFile) {
    const std::string otros = "; Horavant\r\n[General]\r\nIdioma=es\r\n\r\n";
    for (const int valor : {1, 0, -1}) {
        WriteFile(carpeta / "Horavant.ini", otros + "[transformadores]\r\nTRANSFORMADO=5\r\n");
        EscribirResultadoProceso(carpeta.path(), valor);
        EXPECT_EQ(ReadFile(carpeta / "Horavant.ini"),
                  otros + "[transformadores]\r\nTRANSFORMADO=" + std::to_string(valor) + "\r\n");
    }
}

TEST_F(ResultadoEnIni, CreatesTheFileWhenMissing) {
    EscribirResultadoProceso(carpeta.path(), -1);
    EXPECT_EQ(ReadFile(carpeta / "Horavant.ini"), "[Transformadores]\r\nTransformado=-1\r\n");
}

TEST_F(ResultadoEnIni, UpdatesTheFileWhateverTheLetterCaseOfItsName) {
    WriteFile(carpeta / "HORAVANT.INI", "[Transformadores]\r\nTransformado=0\r\n");
    EscribirResultadoProceso(carpeta.path(), 1);
    EXPECT_EQ(ReadFile(carpeta / "HORAVANT.INI"), "[Transformadores]\r\nTransformado=1\r\n");
    EXPECT_EQ(tt::testing::Snapshot(carpeta.path()).size(), 1u) << "a second ini was created";
}

TEST_F(ResultadoEnIni, UnwritableFileIsAnErrorNamingIt) {
    const auto carpetaAusente = carpeta / "no-existe";
    try {
        EscribirResultadoProceso(carpetaAusente, 1);
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("Horavant.ini"), std::string::npos)
            << error.what();
    }
}

} // namespace
} // namespace tt::app
