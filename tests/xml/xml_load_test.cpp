// Loading: layout independence, encodings, broken and unsafe files.

#include "platform/xml/xml_document.hpp"
#include "support/temp_dir.hpp"
#include "utf16_file.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ::testing::HasSubstr;
using tt::testing::TempDir;
using tt::testing::Utf16File;
using tt::testing::WriteFile;
using tt::xml::Document;
using tt::xml::LoadResult;

class XmlLoad : public ::testing::Test {
protected:
    LoadResult Load(Document& doc, const std::string& bytes, const std::string& name = "in.xml") {
        WriteFile(dir_ / name, bytes);
        return doc.load(dir_ / name);
    }
    // The tree as it would be written, to compare two loads.
    std::string Saved(const Document& doc, const std::string& name) {
        doc.save(dir_ / name);
        return tt::testing::ReadFile(dir_ / name);
    }
    TempDir dir_;
};

const char* const kPretty = R"(<?xml version="1.0" encoding="UTF-8"?>
<SERVICIO modulo="MATERIAS">
  <BLOQUE_DATOS>
    <grupo_datos seq="MATERIAS">
      <grupo_datos>
        <dato>M1</dato>
        <dato> Matemáticas  I </dato>
      </grupo_datos>
      <grupo_datos>
        <dato>M2</dato>
        <dato>Lengua</dato>
      </grupo_datos>
    </grupo_datos>
  </BLOQUE_DATOS>
</SERVICIO>
)";

const char* const kOneLine =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><SERVICIO modulo=\"MATERIAS\"><BLOQUE_DATOS>"
    "<grupo_datos seq=\"MATERIAS\"><grupo_datos><dato>M1</dato><dato> Matemáticas  I </dato>"
    "</grupo_datos><grupo_datos><dato>M2</dato><dato>Lengua</dato></grupo_datos></grupo_datos>"
    "</BLOQUE_DATOS></SERVICIO>";

TEST_F(XmlLoad, LayoutDoesNotChangeTheTree) {
    Document pretty;
    Document oneLine;
    ASSERT_TRUE(Load(pretty, kPretty, "pretty.xml").ok);
    ASSERT_TRUE(Load(oneLine, kOneLine, "line.xml").ok);

    EXPECT_EQ(Saved(pretty, "pretty-out.xml"), Saved(oneLine, "line-out.xml"));
    for (Document* doc : {&pretty, &oneLine}) {
        const auto records =
            doc->selectNodes("/SERVICIO/BLOQUE_DATOS/grupo_datos[@seq=\"MATERIAS\"]/grupo_datos");
        ASSERT_EQ(records.size(), 2u);
        EXPECT_EQ(records[0].text(), "M1 Matemáticas  I ");  // inner blanks kept as they stand
        EXPECT_EQ(records[1].selectNodes("dato")[1].text(), "Lengua");
        EXPECT_EQ(doc->selectSingleNode("/SERVICIO/BLOQUE_DATOS").firstChild().name(), "grupo_datos");
    }
}

TEST_F(XmlLoad, BlankTextStaysOnlyWhereItIsMeant) {
    Document doc;
    ASSERT_TRUE(Load(doc, "<r>\n <a> \t</a>\n <b xml:space=\"preserve\"> <c/> </b>"
                          "<d><![CDATA[ ]]></d><e> x </e></r>")
                    .ok);
    const auto a = doc.selectSingleNode("/r/a");
    EXPECT_FALSE(a.firstChild());
    EXPECT_EQ(a.text(), "");
    EXPECT_EQ(doc.selectSingleNode("/r/b").text(), "  ");
    EXPECT_EQ(doc.selectSingleNode("/r/d").text(), " ");
    EXPECT_EQ(doc.selectSingleNode("/r/e").text(), " x ");
    EXPECT_EQ(doc.documentElement().firstChild().name(), "a");
}

struct EncodingCase {
    const char* name;
    std::string bytes;
    std::string text;     // the root's text, in UTF-8
    std::string declared; // declaredEncoding()
};

TEST_F(XmlLoad, EveryEncodingGivesTheSameText) {
    const std::string spanish = "Camión ñandú € “x”";
    const std::u16string decl16 = u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>";
    const std::vector<EncodingCase> cases = {
        {"UTF-8", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><r>" + spanish + "</r>", spanish, "UTF-8"},
        {"UTF-8 with BOM, no declaration", "\xEF\xBB\xBF<r>" + spanish + "</r>", spanish, ""},
        {"UTF-16 LE", Utf16File(decl16 + u"<r>Camión ñandú € “x”</r>", true), spanish, "UTF-16"},
        {"UTF-16 BE", Utf16File(decl16 + u"<r>Camión ñandú € “x”</r>", false), spanish, "UTF-16"},
        {"ISO-8859-1",
         "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r>Cami\xF3n \xF1" "and\xFA \xA4</r>",
         "Camión ñandú ¤", "ISO-8859-1"},
        {"windows-1252",
         "<?xml version=\"1.0\" encoding=\"windows-1252\"?><r>Cami\xF3n \xF1" "and\xFA \x80 \x93x\x94</r>",
         spanish, "windows-1252"},
        {"cp1252 with a byte the code page leaves undefined",
         "<?xml version=\"1.0\" encoding=\"CP1252\"?><r>a\x81" "b\x9D</r>", "a\xC2\x81" "b\xC2\x9D",
         "CP1252"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Document doc;
        const LoadResult result = Load(doc, c.bytes);
        ASSERT_TRUE(result.ok) << result.message;
        EXPECT_EQ(doc.documentElement().text(), c.text);
        EXPECT_EQ(doc.declaredEncoding(), c.declared);
    }
}

TEST_F(XmlLoad, LongWindows1252TextConvertsWhole) {
    // Each € grows from one byte to three: the converter must cope with
    // output buffers smaller than its input.
    const std::string euros(100000, '\x80');
    Document doc;
    const LoadResult result =
        Load(doc, "<?xml version=\"1.0\" encoding=\"windows-1252\"?><r>" + euros + "</r>");
    ASSERT_TRUE(result.ok) << result.message;
    std::string expected;
    for (int i = 0; i < 100000; ++i) expected += "€";
    EXPECT_EQ(doc.documentElement().text(), expected);
}

struct BrokenCase {
    const char* name;
    std::string bytes;
    int line;
};

TEST_F(XmlLoad, BrokenFileReportsReasonAndLineAndLeavesDocumentEmpty) {
    const std::vector<BrokenCase> cases = {
        {"mismatched end tag", "<r>\n<a>\n</b>\n</r>", 3},
        {"content after the root", "<r/>\n\n<s/>", 3},
        {"undeclared entity", "<r>\n&nbsp;</r>", 2},
        {"byte that is not UTF-8", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<r>\xF1</r>", 2},
        {"unknown encoding", "<?xml version=\"1.0\" encoding=\"x-nada\"?><r/>", 1},
        {"empty file", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Document doc;
        ASSERT_TRUE(Load(doc, "<ok/>", "good.xml").ok);
        ::testing::internal::CaptureStderr();
        const LoadResult result = Load(doc, c.bytes, "roto.xml");
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.line, c.line);
        EXPECT_THAT(result.message, HasSubstr("roto.xml"));
        EXPECT_FALSE(doc.documentElement());
        EXPECT_TRUE(doc.selectNodes("//*").empty());
    }
}

TEST_F(XmlLoad, ParserReasonFollowsOurText) {
    Document doc;
    const LoadResult result = Load(doc, "<r>\n<a>\n</b>\n</r>", "roto.xml");
    EXPECT_THAT(result.message, ::testing::StartsWith("El archivo \"" + (dir_ / "roto.xml").string() +
                                                      "\" no es un documento XML válido (línea 3): "));
    EXPECT_GT(result.message.size(), result.message.find("): ") + 3);  // the parser's own reason
}

TEST_F(XmlLoad, MissingFileOrFolderIsReported) {
    for (const auto& path : {dir_ / "no-esta.xml", dir_.path()}) {
        Document doc;
        const LoadResult result = doc.load(path);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.line, 0);
        EXPECT_THAT(result.message, HasSubstr(path.string()));
        EXPECT_FALSE(doc.documentElement());
    }
}

struct UnsafeCase {
    const char* name;
    std::string doctype;
    std::string body;
};

TEST_F(XmlLoad, DocumentsDeclaringEntitiesAreRefused) {
    const auto secret = dir_ / "secreto.txt";
    WriteFile(secret, "CLAVE-SECRETA");
    const std::string secretUri = "file://" + std::string(secret.generic_string().starts_with("/") ? "" : "/") +
                                  secret.generic_string();

    std::string laughs = "<!ENTITY lol0 \"lol\">";
    for (int i = 1; i <= 9; ++i) {
        const std::string previous = "&lol" + std::to_string(i - 1) + ";";
        std::string ten;
        for (int k = 0; k < 10; ++k) ten += previous;
        laughs += "<!ENTITY lol" + std::to_string(i) + " \"" + ten + "\">";
    }
    std::string manyRefs;
    for (int i = 0; i < 20000; ++i) manyRefs += "&big;";

    const std::vector<UnsafeCase> cases = {
        {"nested expansion", laughs, "&lol9;"},
        {"one large entity referenced many times",
         "<!ENTITY big \"" + std::string(100000, 'a') + "\">", manyRefs},
        {"external entity naming a local file", "<!ENTITY x SYSTEM \"" + secretUri + "\">", "&x;"},
        {"external parameter entity", "<!ENTITY % p SYSTEM \"" + secretUri + "\"> %p;", ""},
        {"unparsed entity", "<!NOTATION n SYSTEM \"n\"><!ENTITY u SYSTEM \"u.bin\" NDATA n>", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Document doc;
        ASSERT_TRUE(Load(doc, "<ok/>", "good.xml").ok);
        ::testing::internal::CaptureStderr();
        const LoadResult result = Load(doc, "<?xml version=\"1.0\"?>\n<!DOCTYPE r [\n" + c.doctype +
                                                "\n]>\n<r>" + c.body + "</r>");
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
        EXPECT_FALSE(result.ok);
        EXPECT_THAT(result.message, HasSubstr("declara entidades"));
        EXPECT_EQ(result.line, 3);
        EXPECT_FALSE(doc.documentElement());
    }
}

TEST_F(XmlLoad, DoctypeWithoutEntitiesLoadsAndFetchesNothing) {
    Document doc;
    const LoadResult result =
        Load(doc, "<!DOCTYPE r SYSTEM \"http://ejemplo.invalid/r.dtd\" [<!ELEMENT r (#PCDATA)>]><r>x</r>");
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(doc.documentElement().text(), "x");
}

} // namespace
