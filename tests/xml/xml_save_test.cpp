// Saving: prolog, encodings, character references, failures, and a document
// built the way the export builds it.

#include "error.hpp"
#include "platform/xml/xml_document.hpp"
#include "support/temp_dir.hpp"
#include "utf16_file.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

using ::testing::HasSubstr;
using tt::testing::ReadFile;
using tt::testing::Snapshot;
using tt::testing::TempDir;
using tt::testing::WriteFile;
using tt::xml::Document;
using tt::xml::Node;

class XmlSave : public ::testing::Test {
protected:
    void Load(Document& doc, const std::string& bytes) {
        WriteFile(dir_ / "in.xml", bytes);
        const auto result = doc.load(dir_ / "in.xml");
        ASSERT_TRUE(result.ok) << result.message;
    }
    TempDir dir_;
};

TEST_F(XmlSave, PrologAndEpilogAreKeptAsTheyWere) {
    const std::string input =
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" standalone=\"yes\"?>\n"
        "<!-- exportado por Velmora -->\n"
        "<?velmora version=\"2\"?>\n"
        "<SERVICIO modulo=\"X\"><BLOQUE_DATOS><dato>a</dato></BLOQUE_DATOS></SERVICIO>\n"
        "<!-- fin -->\n";
    Document doc;
    Load(doc, input);
    doc.save(dir_ / "out.xml");
    EXPECT_EQ(ReadFile(dir_ / "out.xml"), input);
}

TEST_F(XmlSave, WithoutDeclarationNoneIsAdded) {
    Document doc;
    Load(doc, "<r><dato>ñ</dato></r>");
    doc.save(dir_ / "out.xml");
    EXPECT_EQ(ReadFile(dir_ / "out.xml"), "<r><dato>ñ</dato></r>\n");

    Document fresh;
    fresh.appendChild(fresh.createElement("r"));
    fresh.save(dir_ / "fresh.xml");
    EXPECT_EQ(ReadFile(dir_ / "fresh.xml"), "<r/>\n");
}

struct EncodingCase {
    const char* declaration;
    const char* written_declaration;
    std::string written;  // the bytes the text and the attribute must become
};

TEST_F(XmlSave, DeclaredEncodingIsKeptAndNoCharacterIsLost) {
    const std::string text = "ñ € 漢 \u0081";  // 漢 is U+6F22; U+0081 is byte 0x81 in both code pages
    const std::vector<EncodingCase> cases = {
        {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>",
         "\xF1 &#8364; &#28450; \x81"},
        {"<?xml version=\"1.0\" encoding=\"windows-1252\"?>", "<?xml version=\"1.0\" encoding=\"windows-1252\"?>",
         "\xF1 \x80 &#28450; \x81"},
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>", text},
        // UTF-8 now named, as it is what the file holds.
        {"<?xml version=\"1.0\"?>", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>", text},
        {"", "<r ", text},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.declaration);
        Document doc;
        Load(doc, std::string(c.declaration) + "<r><dato>x</dato></r>");
        doc.selectSingleNode("/r/dato").setText(text);
        doc.documentElement().setAttribute("a", text);
        doc.save(dir_ / "out.xml");

        const std::string bytes = ReadFile(dir_ / "out.xml");
        EXPECT_THAT(bytes, ::testing::StartsWith(c.written_declaration));
        EXPECT_THAT(bytes, HasSubstr("<dato>" + c.written + "</dato>"));
        EXPECT_THAT(bytes, HasSubstr("a=\"" + c.written + "\""));

        Document again;
        ASSERT_TRUE(again.load(dir_ / "out.xml").ok);
        EXPECT_EQ(again.selectSingleNode("/r/dato").text(), text);
        EXPECT_EQ(again.documentElement().attribute("a"), text);
    }
}

TEST_F(XmlSave, Utf16StaysUtf16) {
    Document doc;
    Load(doc, tt::testing::Utf16File(u"<?xml version=\"1.0\" encoding=\"UTF-16\"?><r/>", true));
    doc.documentElement().setText("漢€");
    doc.save(dir_ / "out.xml");
    const std::string bytes = ReadFile(dir_ / "out.xml");
    EXPECT_THAT(bytes, ::testing::StartsWith("\xFF\xFE<\0?\0x\0m\0l\0"));
    EXPECT_THAT(bytes, HasSubstr(std::string("\x22\x6F\xAC\x20", 4)));

    Document again;
    ASSERT_TRUE(again.load(dir_ / "out.xml").ok);
    EXPECT_EQ(again.documentElement().text(), "漢€");
    EXPECT_EQ(again.declaredEncoding(), "UTF-16");
}

TEST_F(XmlSave, MissingFolderThrowsNamingTheFile) {
    Document doc;
    Load(doc, "<r/>");
    const auto target = dir_ / "no-existe" / "ResultadoTavoraexport.xml";
    try {
        doc.save(target);
        FAIL() << "no error";
    } catch (const tt::Error& e) {
        EXPECT_THAT(e.what(), HasSubstr(target.string()));
    }
    EXPECT_FALSE(std::filesystem::exists(dir_ / "no-existe"));
}

#ifndef _WIN32
// Makes every write past `bytes` fail, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

TEST_F(XmlSave, FailedWriteLeavesTheExistingFileUntouched) {
    Document doc;
    Load(doc, "<r/>");
    doc.documentElement().setText(std::string(50000, 'x'));
    const auto target = dir_ / "salida.xml";
    WriteFile(target, "<anterior/>");
    const auto before = Snapshot(dir_.path());
    {
        FileSizeLimit limit(4096);
        EXPECT_THROW(doc.save(target), tt::Error);
    }
    EXPECT_EQ(Snapshot(dir_.path()), before);  // same file, no temporary left behind
    doc.save(target);
    EXPECT_EQ(ReadFile(target).size(), 50000u + 8u);
}
#endif

// The export's way: keep the prolog, swap the root, grow the new tree.
TEST_F(XmlSave, DocumentBuiltLikeTheExport) {
    Document doc;
    Load(doc,
         "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
         "<!-- Velmora -->\n"
         "<SERVICIO modulo=\"EXPORTACION\" version=\"3\">\n"
         "  <BLOQUE_DATOS>\n"
         "    <grupo_datos seq=\"ANNO_ACADEMICO\"><dato>2023-24</dato></grupo_datos>\n"
         "    <grupo_datos seq=\"MATERIAS\"><grupo_datos><dato>M1</dato><dato>x</dato></grupo_datos></grupo_datos>\n"
         "  </BLOQUE_DATOS>\n"
         "</SERVICIO>\n");
    const std::string anno = doc.selectSingleNode("/SERVICIO/BLOQUE_DATOS").firstChild().text().substr(0, 5);

    doc.removeChild(doc.documentElement());
    Node servicio = doc.createElement("SERVICIO");
    servicio.setAttribute("modulo", "HORARIOS");
    servicio.setAttribute("tipo", "I");
    servicio.setAttribute("autor", "HORARIOS");
    servicio.setAttribute("fecha", "03/09/2024 10:15:00");
    doc.appendChild(servicio);
    Node bloque = doc.createNode(1, "BLOQUE_DATOS", "");
    servicio.appendChild(bloque);

    Node cabecera = doc.createElement("grupo_datos");
    cabecera.setAttribute("seq", "ANNO_ACADEMICO");
    Node cAnno = doc.createElement("dato");
    cAnno.setAttribute("nombre_dato", "C_ANNO");
    cAnno.setText(anno);
    cabecera.appendChild(cAnno);
    bloque.appendChild(cabecera);

    Node horarios = doc.createElement("grupo_datos");
    bloque.appendChild(horarios);
    horarios.setAttribute("seq", "HORARIOS_REGULARES");
    horarios.setAttribute("registros", std::int64_t{1});
    Node profesor = doc.createNode(1, "grupo_datos", "");
    profesor.setAttribute("seq", "HORARIO_REGULAR_PROFESOR_1");
    profesor.setAttribute("registros", std::int64_t{0});
    for (const auto& [nombre, valor] : {std::pair{"X_EMPLEADO", "Peña & Cía €"}, std::pair{"F_TOMAPOS", ""}}) {
        Node dato = doc.createNode(1, "dato", "");
        dato.setAttribute("nombre_dato", nombre);
        dato.setText(valor);
        profesor.appendChild(dato);
    }
    horarios.appendChild(profesor);
    doc.save(dir_ / "ResultadoTavoraexport.xml");

    EXPECT_EQ(ReadFile(dir_ / "ResultadoTavoraexport.xml"),
              "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
              "<!-- Velmora -->\n"
              "<SERVICIO modulo=\"HORARIOS\" tipo=\"I\" autor=\"HORARIOS\" fecha=\"03/09/2024 10:15:00\">"
              "<BLOQUE_DATOS>"
              "<grupo_datos seq=\"ANNO_ACADEMICO\"><dato nombre_dato=\"C_ANNO\">2023-</dato></grupo_datos>"
              "<grupo_datos seq=\"HORARIOS_REGULARES\" registros=\"1\">"
              "<grupo_datos seq=\"HORARIO_REGULAR_PROFESOR_1\" registros=\"0\">"
              "<dato nombre_dato=\"X_EMPLEADO\">Pe\xF1" "a &amp; C\xED" "a &#8364;</dato>"
              "<dato nombre_dato=\"F_TOMAPOS\"/>"
              "</grupo_datos></grupo_datos></BLOQUE_DATOS></SERVICIO>\n");
    EXPECT_THAT(ReadFile(dir_ / "in.xml"), HasSubstr("EXPORTACION"));  // the input is never written
}

} // namespace
