#include "xml_document.hpp"

#include "error.hpp"
#include "libxml_setup.hpp"
#include "xml_reader.hpp"
#include "xml_writer.hpp"

#include <libxml/chvalid.h>
#include <libxml/tree.h>
#include <libxml/xpath.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <utility>

namespace tt::xml {

namespace {

const xmlChar* Xml(const std::string& s) { return reinterpret_cast<const xmlChar*>(s.c_str()); }

std::string Text(const xmlChar* s) { return s != nullptr ? reinterpret_cast<const char*>(s) : ""; }

std::string Take(xmlChar* s) {
    std::string text = Text(s);
    xmlFree(s);
    return text;
}

[[noreturn]] void OutOfMemory() { throw Error("No hay memoria suficiente para el documento XML."); }

xmlDocPtr NewEmptyDoc() {
    xmlDocPtr doc = xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0"));
    if (doc == nullptr) OutOfMemory();
    return doc;
}

// A moved-from Document holds no libxml2 document.
xmlDocPtr Live(xmlDocPtr doc) {
    if (doc == nullptr) throw Error("Se ha usado un documento XML que ya no existe.");
    return doc;
}

// Refuses text that would make a file nobody can read back: malformed UTF-8,
// or characters XML does not allow (control characters, NUL).
void CheckText(const std::string& utf8) {
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
    std::size_t left = utf8.size();
    while (left > 0) {
        int length = static_cast<int>(std::min<std::size_t>(left, 4));
        const int cp = xmlGetUTF8Char(p, &length);
        if (cp < 0) throw Error("El texto para el documento XML no está en UTF-8 válido.");
        if (!xmlIsCharQ(cp)) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(cp));
            throw Error(std::string("El texto para el documento XML contiene un carácter que XML no admite (") +
                        code + ").");
        }
        p += length;
        left -= static_cast<std::size_t>(length);
    }
}

void CheckName(const std::string& name) {
    if (xmlValidateName(Xml(name), 0) != 0)
        throw Error("\"" + name + "\" no es un nombre válido para un elemento o atributo XML.");
}

std::string QualifiedName(xmlNodePtr n) {
    std::string local = Text(n->name);
    if (n->ns != nullptr && n->ns->prefix != nullptr) return Text(n->ns->prefix) + ":" + local;
    return local;
}

xmlAttrPtr FindAttribute(xmlNodePtr element, const std::string& name) {
    for (xmlAttrPtr a = element->properties; a != nullptr; a = a->next)
        if (QualifiedName(reinterpret_cast<xmlNodePtr>(a)) == name) return a;
    return nullptr;
}

// Links a parentless node as the last child. Unlike xmlAddChild it never
// merges text nodes, which would free a node a handle may still point to.
void LinkLast(xmlNodePtr parent, xmlNodePtr child) {
    child->parent = parent;
    child->next = nullptr;
    child->prev = parent->last;
    if (parent->last != nullptr)
        parent->last->next = child;
    else
        parent->children = child;
    parent->last = child;
}

void CheckInsertable(xmlNodePtr parent, xmlNodePtr child) {
    if (child->doc != parent->doc)
        throw Error("No se puede insertar un nodo de otro documento XML.");
    for (xmlNodePtr up = parent; up != nullptr; up = up->parent)
        if (up == child) throw Error("No se puede insertar un nodo XML dentro de sí mismo.");
}

void OnXPathError(void* reason, detail::ErrorInfo error) {
    auto* text = static_cast<std::string*>(reason);
    if (text->empty() && error != nullptr && error->message != nullptr) {
        *text = error->message;
        while (!text->empty() && text->back() == '\n') text->pop_back();
    }
}

} // namespace

// ---- Node ---------------------------------------------------------------

xmlNodePtr Node::checked() const {
    if (node_ == nullptr) throw Error("Se ha usado un nodo XML que no existe.");
    return node_;
}

Document& Node::owner() const { return *static_cast<Document*>(checked()->doc->_private); }

std::string Node::name() const {
    xmlNodePtr n = checked();
    switch (n->type) {
    case XML_TEXT_NODE: return "#text";
    case XML_CDATA_SECTION_NODE: return "#cdata-section";
    case XML_COMMENT_NODE: return "#comment";
    default: return QualifiedName(n);
    }
}

std::string Node::text() const { return Take(xmlNodeGetContent(checked())); }

void Node::setText(const std::string& utf8) {
    xmlNodePtr n = checked();
    CheckText(utf8);
    switch (n->type) {
    case XML_TEXT_NODE:
    case XML_CDATA_SECTION_NODE:
    case XML_COMMENT_NODE:
    case XML_PI_NODE:
        xmlNodeSetContent(n, Xml(utf8)); // stored as it stands for these types
        return;
    case XML_ELEMENT_NODE:
    case XML_ATTRIBUTE_NODE: {
        // The old children may still have handles: detach them, do not free.
        Document& doc = owner();
        while (n->children != nullptr) {
            xmlNodePtr child = n->children;
            xmlUnlinkNode(child);
            doc.adopt(child);
        }
        if (utf8.empty()) return;
        xmlNodePtr text = xmlNewDocText(n->doc, Xml(utf8));
        if (text == nullptr) OutOfMemory();
        LinkLast(n, text);
        return;
    }
    default:
        throw Error("No se puede cambiar el texto de este nodo XML.");
    }
}

NodeList Node::selectNodes(const std::string& xpath) const { return owner().select(checked(), xpath); }

Node Node::selectSingleNode(const std::string& xpath) const {
    NodeList nodes = selectNodes(xpath);
    return nodes.empty() ? Node() : nodes.front();
}

Node Node::firstChild() const { return Node(checked()->children); }

void Node::setAttribute(const std::string& name, const std::string& value) {
    xmlNodePtr n = checked();
    if (n->type != XML_ELEMENT_NODE) throw Error("Solo los elementos XML tienen atributos.");
    CheckName(name);
    CheckText(value);
    if (xmlAttrPtr existing = FindAttribute(n, name)) {
        Node(reinterpret_cast<xmlNodePtr>(existing)).setText(value);
        return;
    }
    if (xmlNewProp(n, Xml(name), Xml(value)) == nullptr) OutOfMemory();
}

void Node::setAttribute(const std::string& name, std::int64_t value) {
    setAttribute(name, std::to_string(value));
}

std::optional<std::string> Node::attribute(const std::string& name) const {
    xmlNodePtr n = checked();
    if (n->type != XML_ELEMENT_NODE) return std::nullopt;
    xmlAttrPtr a = FindAttribute(n, name);
    if (a == nullptr) return std::nullopt;
    return Take(xmlNodeGetContent(reinterpret_cast<xmlNodePtr>(a)));
}

void Node::appendChild(Node child) {
    xmlNodePtr parent = checked();
    xmlNodePtr c = child.checked();
    if (parent->type != XML_ELEMENT_NODE) throw Error("Solo un elemento XML puede tener hijos.");
    switch (c->type) {
    case XML_ELEMENT_NODE:
    case XML_TEXT_NODE:
    case XML_CDATA_SECTION_NODE:
    case XML_COMMENT_NODE:
    case XML_PI_NODE: break;
    default: throw Error("Este nodo XML no puede ser hijo de un elemento.");
    }
    CheckInsertable(parent, c);
    xmlUnlinkNode(c);
    owner().reclaim(c);
    LinkLast(parent, c);
}

void Node::removeChild(Node child) {
    xmlNodePtr parent = checked();
    xmlNodePtr c = child.checked();
    if (c->parent != parent || c->type == XML_ATTRIBUTE_NODE)
        throw Error("El nodo XML que se quiere quitar no es hijo de este nodo.");
    xmlUnlinkNode(c);
    owner().adopt(c);
}

// ---- Document -----------------------------------------------------------

Document::Document() {
    detail::EnsureLibxmlReady();
    reset(NewEmptyDoc(), false);
}

Document::~Document() { reset(nullptr, false); }

Document::Document(Document&& other) noexcept
    : doc_(std::exchange(other.doc_, nullptr)),
      declared_(std::exchange(other.declared_, false)),
      detached_(std::exchange(other.detached_, {})) {
    if (doc_ != nullptr) doc_->_private = this;
}

Document& Document::operator=(Document&& other) noexcept {
    if (this != &other) {
        reset(nullptr, false);
        doc_ = std::exchange(other.doc_, nullptr);
        declared_ = std::exchange(other.declared_, false);
        detached_ = std::exchange(other.detached_, {});
        if (doc_ != nullptr) doc_->_private = this;
    }
    return *this;
}

void Document::reset(xmlDocPtr doc, bool declared) {
    // Detached nodes first: their names may live in the document's dictionary.
    for (xmlNodePtr n : detached_) xmlFreeNode(n);
    detached_.clear();
    if (doc_ != nullptr) xmlFreeDoc(doc_);
    doc_ = doc;
    declared_ = declared;
    if (doc_ != nullptr) doc_->_private = this;
}

void Document::adopt(xmlNodePtr n) { detached_.push_back(n); }

void Document::reclaim(xmlNodePtr n) {
    // Searched from the end: a node is usually appended soon after its creation.
    const auto found = std::find(detached_.rbegin(), detached_.rend(), n);
    if (found != detached_.rend()) detached_.erase(std::next(found).base());
}

LoadResult Document::load(const std::filesystem::path& file) {
    detail::ReadOutcome read = detail::ReadDocument(file);
    reset(read.result.ok ? read.doc : NewEmptyDoc(), read.declared);
    return read.result;
}

NodeList Document::select(xmlNodePtr context, const std::string& xpath) const {
    std::unique_ptr<xmlXPathContext, decltype(&xmlXPathFreeContext)> ctx(
        xmlXPathNewContext(Live(doc_)), xmlXPathFreeContext);
    if (!ctx) OutOfMemory();
    std::string reason;
    ctx->node = context;
    ctx->error = OnXPathError; // instead of printing on stderr
    ctx->userData = &reason;
    const detail::QuietGenericErrors quiet; // unknown functions are reported there
    std::unique_ptr<xmlXPathObject, decltype(&xmlXPathFreeObject)> result(
        xmlXPathEvalExpression(Xml(xpath), ctx.get()), xmlXPathFreeObject);
    if (!result)
        throw Error("La expresión XPath \"" + xpath + "\" no es válida" +
                    (reason.empty() ? "." : ": " + reason + "."));
    if (result->type != XPATH_NODESET)
        throw Error("La expresión XPath \"" + xpath + "\" no selecciona nodos.");
    NodeList nodes;
    if (result->nodesetval != nullptr) {
        nodes.reserve(static_cast<std::size_t>(result->nodesetval->nodeNr));
        for (int i = 0; i < result->nodesetval->nodeNr; ++i) {
            xmlNodePtr n = result->nodesetval->nodeTab[i];
            // Namespace nodes are copies owned by the result: no handle to them.
            if (n->type != XML_NAMESPACE_DECL) nodes.push_back(Node(n));
        }
    }
    return nodes;
}

NodeList Document::selectNodes(const std::string& xpath) const {
    return select(reinterpret_cast<xmlNodePtr>(Live(doc_)), xpath);
}

Node Document::selectSingleNode(const std::string& xpath) const {
    NodeList nodes = selectNodes(xpath);
    return nodes.empty() ? Node() : nodes.front();
}

Node Document::documentElement() const { return Node(xmlDocGetRootElement(Live(doc_))); }

void Document::removeChild(Node child) {
    xmlNodePtr c = child.checked();
    if (c->parent != reinterpret_cast<xmlNodePtr>(Live(doc_)))
        throw Error("El nodo XML que se quiere quitar no pertenece al nivel superior del documento.");
    xmlUnlinkNode(c);
    adopt(c);
}

void Document::appendChild(Node child) {
    xmlNodePtr docNode = reinterpret_cast<xmlNodePtr>(Live(doc_));
    xmlNodePtr c = child.checked();
    switch (c->type) {
    case XML_ELEMENT_NODE: {
        xmlNodePtr root = xmlDocGetRootElement(doc_);
        if (root != nullptr && root != c)
            throw Error("Un documento XML solo puede tener un elemento raíz.");
        break;
    }
    case XML_COMMENT_NODE:
    case XML_PI_NODE: break;
    default: throw Error("Este nodo XML no puede estar en el nivel superior del documento.");
    }
    CheckInsertable(docNode, c);
    xmlUnlinkNode(c);
    reclaim(c);
    LinkLast(docNode, c);
}

Node Document::createElement(const std::string& name) {
    CheckName(name);
    xmlNodePtr n = xmlNewDocNode(Live(doc_), nullptr, Xml(name), nullptr);
    if (n == nullptr) OutOfMemory();
    adopt(n);
    return Node(n);
}

Node Document::createNode(int type, const std::string& name, const std::string& namespaceUri) {
    if (type != 1) throw Error("Solo se pueden crear nodos XML de tipo elemento (1), no de tipo " +
                               std::to_string(type) + ".");
    if (!namespaceUri.empty())
        throw Error("No se admiten espacios de nombres en los elementos XML creados.");
    return createElement(name);
}

void Document::save(const std::filesystem::path& file) const {
    const std::string declared = declaredEncoding();
    detail::WriteDocument(Live(doc_), declared.empty() ? "UTF-8" : declared, declared_, file);
}

std::string Document::declaredEncoding() const {
    return declared_ ? Text(Live(doc_)->encoding) : std::string();
}

} // namespace tt::xml
