#include "xml_reader.hpp"

#include "libxml_setup.hpp"

#include <libxml/SAX2.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/tree.h>

#include <climits>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace tt::xml::detail {

namespace {

namespace fs = std::filesystem;

// What the parse callbacks saw; reached through the context's _private.
struct ParseWatch {
    bool entityDeclared = false;
    int entityLine = 0;
    bool errorSeen = false;
    std::string firstError;
    int firstErrorLine = 0;
};

ParseWatch& WatchOf(void* ctx) {
    return *static_cast<ParseWatch*>(static_cast<xmlParserCtxtPtr>(ctx)->_private);
}

// An entity declaration ends the parse on the spot, before any entity can be
// expanded (nested or repeated) or fetched from a file.
void RefuseEntity(void* ctx) {
    ParseWatch& watch = WatchOf(ctx);
    if (!watch.entityDeclared) {
        watch.entityDeclared = true;
        watch.entityLine = xmlSAX2GetLineNumber(ctx);
    }
    xmlStopParser(static_cast<xmlParserCtxtPtr>(ctx));
}

void OnEntityDecl(void* ctx, const xmlChar*, int, const xmlChar*, const xmlChar*, xmlChar*) {
    RefuseEntity(ctx);
}

void OnUnparsedEntityDecl(void* ctx, const xmlChar*, const xmlChar*, const xmlChar*,
                          const xmlChar*) {
    RefuseEntity(ctx);
}

// Keeps the first error (later ones mostly follow from it) and prints nothing.
void OnError(void* ctx, ErrorInfo error) {
    ParseWatch& watch = WatchOf(ctx);
    if (error == nullptr || error->level < XML_ERR_ERROR || watch.errorSeen) return;
    watch.errorSeen = true;
    watch.firstError = error->message != nullptr ? error->message : "";
    while (!watch.firstError.empty() && (watch.firstError.back() == '\n' || watch.firstError.back() == ' '))
        watch.firstError.pop_back();
    watch.firstErrorLine = error->line;
}

std::optional<std::string> ReadBytes(const fs::path& file) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return bytes;
}

// Whether the file opens with "<?xml" and a blank, in any encoding the parser
// recognises by its first bytes: a byte order mark is skipped, and so are the
// zero bytes of UTF-16.
bool StartsWithDeclaration(const std::string& bytes) {
    std::size_t i = 0;
    if (bytes.starts_with("\xEF\xBB\xBF"))
        i = 3;
    else if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        i = 2;
    std::string head;
    for (; i < bytes.size() && head.size() < 6; ++i)
        if (bytes[i] != '\0') head += bytes[i];
    return head.size() == 6 && head.starts_with("<?xml") &&
           (head[5] == ' ' || head[5] == '\t' || head[5] == '\r' || head[5] == '\n');
}

// Drops text nodes made only of white space, as the platform's DOM does by
// default, unless xml:space="preserve" is in force. CDATA sections stay: they
// are there on purpose.
void DropBlankText(xmlNodePtr parent) {
    for (xmlNodePtr child = parent->children; child != nullptr;) {
        xmlNodePtr next = child->next;
        if (child->type == XML_ELEMENT_NODE) {
            DropBlankText(child);
        } else if (child->type == XML_TEXT_NODE && xmlIsBlankNode(child) &&
                   xmlNodeGetSpacePreserve(parent) != 1) {
            xmlUnlinkNode(child);
            xmlFreeNode(child);
        }
        child = next;
    }
}

// The parsed document, or null when the parse failed or was stopped.
xmlDocPtr Parse(const std::string& bytes, ParseWatch& watch) {
    xmlParserCtxtPtr ctxt = xmlCreateMemoryParserCtxt(bytes.data(), static_cast<int>(bytes.size()));
    if (ctxt == nullptr) {
        watch.firstError = "no hay memoria suficiente";
        return nullptr;
    }
    ctxt->_private = &watch;
    xmlCtxtUseOptions(ctxt, XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    ctxt->sax->entityDecl = OnEntityDecl;
    ctxt->sax->unparsedEntityDecl = OnUnparsedEntityDecl;
    ctxt->sax->serror = OnError;
    {
        const QuietGenericErrors quiet; // the encoding layer reports there
        xmlParseDocument(ctxt);
    }
    xmlDocPtr doc = ctxt->myDoc;
    ctxt->myDoc = nullptr;
    const bool accepted = ctxt->wellFormed != 0 && !watch.entityDeclared;
    xmlFreeParserCtxt(ctxt);
    if (!accepted && doc != nullptr) {
        xmlFreeDoc(doc);
        doc = nullptr;
    }
    return doc;
}

ReadOutcome Failure(std::string message, int line) {
    ReadOutcome outcome;
    outcome.result.message = std::move(message);
    outcome.result.line = line;
    return outcome;
}

} // namespace

ReadOutcome ReadDocument(const fs::path& file) {
    EnsureLibxmlReady();
    const std::string shown = "\"" + ShownPath(file) + "\"";

    const std::optional<std::string> bytes = ReadBytes(file);
    if (!bytes) return Failure("No se puede leer el archivo " + shown + ".", 0);
    if (bytes->empty()) return Failure("El archivo " + shown + " está vacío.", 0);
    if (bytes->size() > static_cast<std::size_t>(INT_MAX))
        return Failure("El archivo " + shown + " es demasiado grande.", 0);

    ParseWatch watch;
    xmlDocPtr doc = Parse(*bytes, watch);
    if (watch.entityDeclared)
        return Failure("El archivo " + shown + " declara entidades (línea " +
                           std::to_string(watch.entityLine) + "); por seguridad no se carga.",
                       watch.entityLine);
    if (doc == nullptr) {
        const std::string reason = watch.firstError.empty() ? "motivo desconocido" : watch.firstError;
        return Failure("El archivo " + shown + " no es un documento XML válido (línea " +
                           std::to_string(watch.firstErrorLine) + "): " + reason,
                       watch.firstErrorLine);
    }

    for (xmlNodePtr top = doc->children; top != nullptr; top = top->next)
        if (top->type == XML_ELEMENT_NODE) DropBlankText(top);

    ReadOutcome outcome;
    outcome.doc = doc;
    outcome.declared = StartsWithDeclaration(*bytes);
    outcome.result.ok = true;
    return outcome;
}

} // namespace tt::xml::detail
