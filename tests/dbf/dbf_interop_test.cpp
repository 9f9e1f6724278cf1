// A table written by the engine, read by a reader nobody here wrote: Debian's
// python3-dbfread, left to pick the code page from the language-driver byte.

#include "platform/dbf/dbf_table.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>

#ifdef _WIN32
#define popen _popen
#define pclose _pclose
#endif

namespace {

using namespace tt::dbf;
using tt::testing::TempDir;
using tt::testing::WriteFile;

#ifdef _WIN32
constexpr const char* kQuiet = " >NUL 2>NUL";
#else
constexpr const char* kQuiet = " >/dev/null 2>&1";
#endif

// Prints the encoding dbfread chose, the field list and every value with its
// Python type, one per line, as UTF-8.
constexpr const char* kReader = R"(import sys, dbfread
table = dbfread.DBF(sys.argv[1], load=True)
lines = ['encoding=' + table.encoding, 'version=%d' % table.header.dbversion]
for f in table.fields:
    lines.append('field=%s:%s:%d:%d' % (f.name, f.type, f.length, f.decimal_count))
for i, record in enumerate(table.records):
    for name, value in record.items():
        if value is None: shown = 'None'
        elif isinstance(value, bool): shown = 'bool:%s' % value
        elif isinstance(value, int): shown = 'int:%d' % value
        elif isinstance(value, float): shown = 'float:%r' % value
        elif isinstance(value, str): shown = 'str:' + value
        else: shown = 'date:' + value.isoformat()
        lines.append('%d.%s=%s' % (i, name, shown))
sys.stdout.buffer.write(('\n'.join(lines) + '\n').encode('utf-8'))
)";

std::optional<std::string> PythonWithDbfread() {
    // Debian's own interpreter first: a python3 earlier on PATH may lack the package.
    for (const char* candidate : {"/usr/bin/python3", "python3", "python"}) {
        const std::string probe = std::string("\"") + candidate + "\" -c \"import dbfread\"" + kQuiet;
        if (std::system(probe.c_str()) == 0) return std::string(candidate);
    }
    return std::nullopt;
}

std::string OutputOf(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return output;
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, got);
    EXPECT_EQ(pclose(pipe), 0) << command;
    return output;
}

TEST(DbfInterop, DbfreadReadsEveryValueWeWrite) {
    const auto python = PythonWithDbfread();
    if (!python) GTEST_SKIP() << "python3 with dbfread not installed";

    TempDir dir;
    const auto file = dir / "TODO.DBF";
    CreateTable(file, {{"NOMBRE", FieldType::Character, 30},
                       {"ACTIVO", FieldType::Logical},
                       {"NUM", FieldType::Integer},
                       {"HORAS", FieldType::Float},
                       {"NOTA", FieldType::Float, 8, 2},
                       {"FECHA", FieldType::Date}});
    {
        Table table(file, OpenMode::Exclusive);
        table.append();
        table.setText("NOMBRE", "Educaci\xF3n f\xEDsica \x80 \"\xBF\"");
        table.setBool("ACTIVO", true);
        table.setInteger("NUM", -42);
        table.setFloat("HORAS", 4.0);
        table.setFloat("NOTA", 7.25);
        table.setText("FECHA", "20240131");
        table.post();
        table.append();
        table.setText("NOMBRE", "  Pe\xF1" "a");
        table.setBool("ACTIVO", false);
        table.setInteger("NUM", 2147483647);
        table.setFloat("HORAS", -1234.5678);
        table.setFloat("NOTA", 0.0);
        table.post();
        table.append(); // all blank
        table.post();
    }
    const auto script = dir / "leer.py";
    WriteFile(script, kReader);
    const std::string output =
        OutputOf("\"" + *python + "\" \"" + script.string() + "\" \"" + file.string() + "\"");

    const std::string expected =
        "encoding=cp1252\n"
        "version=3\n"
        "field=NOMBRE:C:30:0\n"
        "field=ACTIVO:L:1:0\n"
        "field=NUM:N:11:0\n"
        "field=HORAS:N:20:4\n"
        "field=NOTA:N:8:2\n"
        "field=FECHA:D:8:0\n"
        "0.NOMBRE=str:Educación física € \"¿\"\n"
        "0.ACTIVO=bool:True\n"
        "0.NUM=int:-42\n"
        "0.HORAS=float:4.0\n"
        "0.NOTA=float:7.25\n"
        "0.FECHA=date:2024-01-31\n"
        "1.NOMBRE=str:  Peña\n"
        "1.ACTIVO=bool:False\n"
        "1.NUM=int:2147483647\n"
        "1.HORAS=float:-1234.5678\n"
        "1.NOTA=float:0.0\n"
        "1.FECHA=None\n"
        "2.NOMBRE=str:\n"
        "2.ACTIVO=None\n"
        "2.NUM=None\n"
        "2.HORAS=None\n"
        "2.NOTA=None\n"
        "2.FECHA=None\n";
    EXPECT_EQ(output, expected);
}

} // namespace
