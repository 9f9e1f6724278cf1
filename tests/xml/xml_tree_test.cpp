// XPath selection, text, attributes and tree edits.

#include "error.hpp"
#include "platform/xml/xml_document.hpp"
#include "support/temp_dir.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using ::testing::HasSubstr;
using tt::testing::ReadFile;
using tt::testing::TempDir;
using tt::testing::WriteFile;
using tt::xml::Document;
using tt::xml::Node;

const char* const kInput =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
    "<SERVICIO modulo=\"EXPORTACION\"><BLOQUE_DATOS>"
    "<grupo_datos seq=\"ANNO_ACADEMICO\"><dato>2023-24 curso</dato></grupo_datos>"
    "<grupo_datos seq=\"MATERIAS\">"
    "<grupo_datos><dato>M1</dato><dato>Matemáticas</dato></grupo_datos>"
    "<grupo_datos><dato>M2</dato></grupo_datos>"
    "<grupo_datos><dato>M3</dato><dato>Lengua</dato><dato/></grupo_datos>"
    "</grupo_datos>"
    "<grupo_datos seq=\"MATERIASX\"><grupo_datos><dato>no</dato></grupo_datos></grupo_datos>"
    "</BLOQUE_DATOS></SERVICIO>";

class XmlTree : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFile(dir_ / "in.xml", kInput);
        ASSERT_TRUE(doc_.load(dir_ / "in.xml").ok);
    }
    std::string Saved(const Document& doc) {
        doc.save(dir_ / "out.xml");
        return ReadFile(dir_ / "out.xml");
    }
    TempDir dir_;
    Document doc_;
};

TEST_F(XmlTree, CallersPathsSelectInDocumentOrder) {
    const auto records =
        doc_.selectNodes("/SERVICIO/BLOQUE_DATOS/grupo_datos[@seq=\"MATERIAS\"]/grupo_datos");
    ASSERT_EQ(records.size(), 3u);
    std::vector<std::vector<std::string>> fields;
    for (const Node& record : records) {
        fields.emplace_back();
        for (const Node& dato : record.selectNodes("dato")) fields.back().push_back(dato.text());
    }
    EXPECT_EQ(fields, (std::vector<std::vector<std::string>>{
                          {"M1", "Matemáticas"}, {"M2"}, {"M3", "Lengua", ""}}));

    const Node bloque = doc_.selectSingleNode("/SERVICIO/BLOQUE_DATOS");
    ASSERT_TRUE(bloque);
    EXPECT_EQ(bloque.firstChild().text(), "2023-24 curso");
    EXPECT_EQ(doc_.selectSingleNode("/SERVICIO").attribute("modulo"), "EXPORTACION");
}

TEST_F(XmlTree, NoMatchGivesEmptyListAndEmptyNode) {
    EXPECT_TRUE(doc_.selectNodes("/SERVICIO/BLOQUE_DATOS/grupo_datos[@seq=\"PROFESORES\"]/grupo_datos").empty());
    EXPECT_FALSE(doc_.selectSingleNode("/OTRO"));
    EXPECT_FALSE(doc_.documentElement().selectSingleNode("dato"));
    EXPECT_FALSE(doc_.selectSingleNode("//dato[not(node())]").firstChild());
}

TEST_F(XmlTree, BadXPathThrowsWithoutPrinting) {
    for (const std::string xpath : {"/SERVICIO[", "dato[@seq=", "///", "funcion_rara()", "count(//dato)"}) {
        SCOPED_TRACE(xpath);
        ::testing::internal::CaptureStderr();
        try {
            doc_.selectNodes(xpath);
            ADD_FAILURE() << "no error";
        } catch (const tt::Error& e) {
            EXPECT_THAT(e.what(), HasSubstr(xpath));
        }
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    }
}

TEST_F(XmlTree, SetTextReplacesContentAndOldChildrenStayUsable) {
    Node record = doc_.selectNodes("//grupo_datos[@seq=\"MATERIAS\"]/grupo_datos")[0];
    Node firstDato = record.firstChild();
    record.setText("A & B <c> \"d\"");
    EXPECT_EQ(record.text(), "A & B <c> \"d\"");
    EXPECT_FALSE(record.selectSingleNode("dato"));
    EXPECT_EQ(firstDato.text(), "M1");  // detached, still alive

    record.appendChild(firstDato);  // and it can come back
    EXPECT_EQ(record.text(), "A & B <c> \"d\"M1");
    EXPECT_THAT(Saved(doc_), HasSubstr("<grupo_datos>A &amp; B &lt;c&gt; \"d\"<dato>M1</dato></grupo_datos>"));

    record.setText("");
    EXPECT_FALSE(record.firstChild());
}

TEST_F(XmlTree, AttributesKeepTheirOrderAndTakeNumbers) {
    Node e = doc_.createElement("grupo_datos");
    e.setAttribute("seq", "HORARIOS_REGULARES");
    e.setAttribute("registros", std::int64_t{0});
    e.setAttribute("grande", std::int64_t{-9000000000});
    e.setAttribute("seq", "otro \"valor\" & <más>");  // replaced in place
    doc_.documentElement().appendChild(e);
    EXPECT_EQ(e.attribute("registros"), "0");
    EXPECT_EQ(e.attribute("nada"), std::nullopt);
    EXPECT_THAT(Saved(doc_), HasSubstr("<grupo_datos seq=\"otro &quot;valor&quot; &amp; &lt;más&gt;\" "
                                       "registros=\"0\" grande=\"-9000000000\"/>"));
}

TEST_F(XmlTree, RemovedRootCanBePutBack) {
    const std::string before = Saved(doc_);
    Node root = doc_.documentElement();
    doc_.removeChild(root);
    EXPECT_FALSE(doc_.documentElement());
    EXPECT_TRUE(doc_.selectNodes("//dato").empty());
    EXPECT_EQ(root.selectNodes(".//dato").size(), 8u);  // the handle outlives removal

    doc_.appendChild(root);
    EXPECT_EQ(Saved(doc_), before);
}

TEST_F(XmlTree, AppendMovesANodeWithinTheTree) {
    Node bloque = doc_.selectSingleNode("/SERVICIO/BLOQUE_DATOS");
    Node anno = bloque.firstChild();
    bloque.appendChild(anno);
    EXPECT_EQ(bloque.selectNodes("grupo_datos").back().attribute("seq"), "ANNO_ACADEMICO");
    EXPECT_EQ(bloque.selectNodes("grupo_datos").size(), 3u);
}

TEST_F(XmlTree, NodesDetachedOrNeverAppendedAreFreedWithTheDocument) {
    // Leaks or double frees show under the sanitizers.
    Node orphan = doc_.createElement("huerfano");
    orphan.appendChild(doc_.createElement("hijo"));
    orphan.setText("texto");
    Node inner = doc_.createElement("dentro");
    Node outer = doc_.createNode(1, "fuera", "");
    outer.appendChild(inner);
    outer.removeChild(inner);
    inner.appendChild(doc_.selectSingleNode("//dato"));
    doc_.documentElement().appendChild(outer);
    doc_.removeChild(doc_.documentElement());
    EXPECT_EQ(inner.text(), "2023-24 curso");
}

TEST_F(XmlTree, HandlesSurviveMovingTheDocument) {
    Node root = doc_.documentElement();
    Document moved = std::move(doc_);
    Node added = moved.createElement("nuevo");
    root.appendChild(added);
    root.removeChild(added);  // kept by the document it now lives in
    Document assigned;
    assigned = std::move(moved);
    EXPECT_EQ(assigned.documentElement().attribute("modulo"), "EXPORTACION");
    EXPECT_THROW(moved.documentElement(), tt::Error);
}

struct MisuseCase {
    const char* name;
    std::function<void(Document&, Document&)> act;
};

TEST_F(XmlTree, MisuseThrowsAndChangesNothing) {
    const std::vector<MisuseCase> cases = {
        {"empty handle", [](Document&, Document&) { Node().text(); }},
        {"node into itself",
         [](Document& d, Document&) { Node r = d.documentElement(); r.appendChild(r); }},
        {"node into its own descendant",
         [](Document& d, Document&) {
             d.selectSingleNode("//dato").appendChild(d.selectSingleNode("/SERVICIO/BLOQUE_DATOS"));
         }},
        {"node of another document",
         [](Document& d, Document& other) { d.documentElement().appendChild(other.createElement("x")); }},
        {"second root", [](Document& d, Document&) { d.appendChild(d.createElement("OTRA")); }},
        {"remove a node that is not a child",
         [](Document& d, Document&) { d.documentElement().removeChild(d.selectSingleNode("//dato")); }},
        {"remove a nested node from the document",
         [](Document& d, Document&) { d.removeChild(d.selectSingleNode("//dato")); }},
        {"node type other than element", [](Document& d, Document&) { d.createNode(3, "x", ""); }},
        {"namespace", [](Document& d, Document&) { d.createNode(1, "x", "urn:algo"); }},
        {"bad element name", [](Document& d, Document&) { d.createElement("mal nombre"); }},
        {"bad attribute name",
         [](Document& d, Document&) { d.documentElement().setAttribute("1x", "v"); }},
        {"control character in text",
         [](Document& d, Document&) { d.selectSingleNode("//dato").setText("a\x01" "b"); }},
        {"text that is not UTF-8",
         [](Document& d, Document&) { d.selectSingleNode("//dato").setText("Cami\xF3n"); }},
        {"control character in attribute",
         [](Document& d, Document&) { d.documentElement().setAttribute("a", std::string("x\0y", 3)); }},
    };
    const std::string before = Saved(doc_);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Document other;
        EXPECT_THROW(c.act(doc_, other), tt::Error);
        EXPECT_EQ(Saved(doc_), before);
    }
}

} // namespace
