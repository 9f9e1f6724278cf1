// horavant-standin launch, run as a program against a stand-in for
// TransTavoraVelmora. Needs an X11 display.

#include "support/temp_dir.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;
using tt::testing::ReadFile;
using tt::testing::WriteFile;

struct Salida {
    int codigo = -1;
    std::string texto; // stdout and stderr
};

class Lanzamiento : public ::testing::Test {
protected:
    void SetUp() override {
        const char* pantalla = std::getenv("DISPLAY");
        if (pantalla == nullptr || *pantalla == '\0') GTEST_SKIP() << "sin pantalla X11 (DISPLAY)";
    }

    // A TransTavoraVelmora made of a shell script.
    void Programa(const std::string& cuerpo) {
        WriteFile(programa, "#!/bin/sh\ncd \"$(dirname \"$0\")\"\n" + cuerpo);
        fs::permissions(programa, fs::perms::owner_all);
    }

    Salida Lanzar(const std::string& accion) {
        const std::string orden = std::string(TT_BIN_DIR) + "/horavant-standin launch " + accion +
                                  " --program " + programa.string() + " 2>&1";
        Salida salida;
        FILE* tubo = popen(orden.c_str(), "r");
        if (tubo == nullptr) return salida;
        char bloque[512];
        while (std::fgets(bloque, sizeof bloque, tubo)) salida.texto += bloque;
        const int estado = pclose(tubo);
        salida.codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
        return salida;
    }

    tt::testing::TempDir temp;
    fs::path programa = temp / "TransTavoraVelmora";
};

TEST_F(Lanzamiento, PassesActionAndWindowIdAndPrintsTheIniValue) {
    // The result is 1 only if the id names a live window; section and key are
    // written in another letter case.
    Programa("printf '%s\\n%s\\n' \"$1\" \"$2\" > argumentos\n"
             "if xwininfo -id \"0x$2\" >/dev/null 2>&1; then v=1; else v=-1; fi\n"
             "printf '[transformadores]\\ntransformado=%s\\n' \"$v\" > Horavant.ini\n");
    const auto salida = Lanzar("exportar");
    EXPECT_EQ(salida.codigo, 0) << salida.texto;
    EXPECT_THAT(salida.texto, ::testing::HasSubstr("Transformado: 1"));
    EXPECT_THAT(ReadFile(temp / "argumentos"), ::testing::MatchesRegex("exportar\n[0-9A-F]+\n"));
}

TEST_F(Lanzamiento, ValueLeftByAnEarlierRunIsNotTakenForThisOne) {
    WriteFile(temp / "Horavant.ini", "[Otra]\nclave=x\n[Transformadores]\nTransformado=1\n");
    Programa("exit 3\n");
    const auto salida = Lanzar("importar");
    EXPECT_EQ(salida.codigo, 1);
    EXPECT_THAT(salida.texto, ::testing::HasSubstr("no dej\xC3\xB3 resultado"));
    EXPECT_THAT(salida.texto, ::testing::HasSubstr("c\xC3\xB3" "digo 3"));
    const std::string ini = ReadFile(temp / "Horavant.ini");
    EXPECT_THAT(ini, ::testing::HasSubstr("clave"));
    EXPECT_THAT(ini, ::testing::Not(::testing::ContainsRegex("Transformado *=")));
}

TEST_F(Lanzamiento, ProgramThatCannotStartIsReported) {
    const auto salida = Lanzar("exportar"); // no program written
    EXPECT_EQ(salida.codigo, 1);
    EXPECT_THAT(salida.texto, ::testing::HasSubstr("No se puede iniciar"));
}

} // namespace
