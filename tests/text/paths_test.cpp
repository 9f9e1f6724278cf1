#include "platform/paths.hpp"

#include "support/environment.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tt::platform {
namespace {

namespace fs = std::filesystem;
using tt::testing::EntornoTemporal;
using tt::testing::TempDir;
using tt::testing::WriteFile;

TEST(TextPaths, DefaultWorkDirSegunElEntorno) {
    struct Caso {
        const char* caso;
        const char* workdir; // nullptr: unset
        const char* wineprefix;
        const char* home;
        fs::path esperada;
    };
#ifdef _WIN32
    const std::vector<Caso> casos = {
        {"variable propia", "D:\\Horarios", "C:\\wine", "C:\\Users\\ana", "D:\\Horarios"},
        {"variable propia vacía", "", nullptr, nullptr, "C:\\HTEMP"},
        {"sin variable", nullptr, "C:\\wine", "C:\\Users\\ana", "C:\\HTEMP"},
    };
#else
    const std::vector<Caso> casos = {
        {"variable propia antes que Wine", "/srv/horarios", "/opt/pfx", "/home/ana", "/srv/horarios"},
        {"variable propia vacía", "", "/opt/pfx", "/home/ana", "/opt/pfx/drive_c/HTEMP"},
        {"prefijo de Wine", nullptr, "/opt/pfx", "/home/ana", "/opt/pfx/drive_c/HTEMP"},
        {"Wine en la carpeta personal", nullptr, nullptr, "/home/ana", "/home/ana/.wine/drive_c/HTEMP"},
        {"prefijo vacío", nullptr, "", "/home/ana", "/home/ana/.wine/drive_c/HTEMP"},
    };
#endif
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        EntornoTemporal workdir("TRANSTAVORA_WORKDIR", caso.workdir);
        EntornoTemporal wineprefix("WINEPREFIX", caso.wineprefix);
        EntornoTemporal home("HOME", caso.home);
        EXPECT_EQ(DefaultWorkDir().string(), caso.esperada.string());
    }
}

#ifndef _WIN32
TEST(TextPaths, DefaultWorkDirSinHomeUsaLaCuentaDelUsuario) {
    EntornoTemporal workdir("TRANSTAVORA_WORKDIR", nullptr);
    EntornoTemporal wineprefix("WINEPREFIX", nullptr);
    EntornoTemporal home("HOME", nullptr);
    const fs::path carpeta = DefaultWorkDir();
    EXPECT_TRUE(carpeta.is_absolute()) << carpeta.string();
    EXPECT_EQ(carpeta.parent_path().parent_path().filename().string(), ".wine") << carpeta.string();
}
#endif

TEST(TextPaths, ExecutableDirEsLaCarpetaDeLosProgramas) {
    const fs::path carpeta = ExecutableDir();
    EXPECT_TRUE(fs::equivalent(carpeta, TT_BIN_DIR)) << carpeta.string();
}

class TextPathsNoCase : public ::testing::Test {
protected:
    TempDir carpeta_;
};

TEST_F(TextPathsNoCase, FindNoCaseHallaSinMirarMayusculasAscii) {
    for (const char* nombre : {"soluc.dbf", "Periodos.MDX", "SOLUC.DBF.bak", "PROFT", "A@B.DBF"})
        WriteFile(carpeta_ / nombre, "x");

    struct Caso {
        const char* buscado;
        const char* hallado; // nullptr: none
    };
    const std::vector<Caso> casos = {
        {"soluc.dbf", "soluc.dbf"},
        {"SOLUC.DBF", "soluc.dbf"},
        {"periodos.mdx", "Periodos.MDX"},
        {"proft", "PROFT"},
        {"SOLUC.DB", nullptr},
        {"SOLUC.DBF.BAK.OLD", nullptr},
        {"ASIGT.DBF", nullptr},
        {"a`b.dbf", nullptr}, // '@' and '`' differ by the case bit but are no letters
        {"", nullptr},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.buscado);
        const auto hallado = FindNoCase(carpeta_.path(), caso.buscado);
        if (caso.hallado) {
            ASSERT_TRUE(hallado.has_value());
            EXPECT_EQ(hallado->string(), (carpeta_ / caso.hallado).string());
        } else {
            EXPECT_FALSE(hallado.has_value()) << hallado->string();
        }
    }
}

TEST_F(TextPathsNoCase, FindNoCasePrefiereElNombreExacto) {
    WriteFile(carpeta_ / "SOLUC.DBF", "mayusculas");
    WriteFile(carpeta_ / "soluc.dbf", "minusculas");
    if (tt::testing::Snapshot(carpeta_.path()).size() < 2)
        GTEST_SKIP() << "the file system ignores letter case";

    for (const char* nombre : {"SOLUC.DBF", "soluc.dbf"}) {
        const auto hallado = FindNoCase(carpeta_.path(), nombre);
        ASSERT_TRUE(hallado.has_value()) << nombre;
        EXPECT_EQ(hallado->string(), (carpeta_ / nombre).string());
    }
}

TEST_F(TextPathsNoCase, FindNoCaseSinCarpeta) {
    WriteFile(carpeta_ / "PROFT.DBF", "x");
    EXPECT_FALSE(FindNoCase(carpeta_ / "NO-EXISTE", "PROFT.DBF").has_value());
    EXPECT_FALSE(FindNoCase(carpeta_ / "PROFT.DBF", "PROFT.DBF").has_value());
}

TEST_F(TextPathsNoCase, ResolveNoCase) {
    WriteFile(carpeta_ / "aulat.dbf", "x");
    EXPECT_EQ(ResolveNoCase(carpeta_.path(), "AULAT.DBF").string(), (carpeta_ / "aulat.dbf").string());
    EXPECT_EQ(ResolveNoCase(carpeta_.path(), "ASIGT.DBF").string(), (carpeta_ / "ASIGT.DBF").string());
}

} // namespace
} // namespace tt::platform
