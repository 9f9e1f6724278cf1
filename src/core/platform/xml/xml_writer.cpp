#include "xml_writer.hpp"

#include "error.hpp"
#include "libxml_setup.hpp"

#include <libxml/encoding.h>
#include <libxml/xmlsave.h>

#include <fstream>
#include <random>

namespace tt::xml::detail {

namespace {

namespace fs = std::filesystem;

struct FileSink {
    std::ofstream out;
    bool failed = false;
};

int WriteToSink(void* context, const char* buffer, int length) {
    auto* sink = static_cast<FileSink*>(context);
    sink->out.write(buffer, length);
    if (!sink->out) {
        sink->failed = true;
        return -1;
    }
    return length;
}

int CloseSink(void*) { return 0; } // the stream is closed, and checked, by its owner

// A name not in use in the target's folder, so the rename stays on one volume.
fs::path TemporaryBeside(const fs::path& file) {
    std::random_device random;
    for (;;) {
        fs::path candidate = file;
        candidate += ".tmp" + std::to_string(random());
        std::error_code ec; // a folder in trouble fails the open that follows
        if (!fs::exists(candidate, ec)) return candidate;
    }
}

bool Serialise(_xmlDoc* doc, const std::string& encoding, bool withDeclaration,
               const fs::path& target) {
    const QuietGenericErrors quiet; // a failed write is reported by our exception
    FileSink sink;
    sink.out.open(target, std::ios::binary | std::ios::trunc);
    if (!sink.out) return false;
    const int options = withDeclaration ? 0 : XML_SAVE_NO_DECL;
    xmlSaveCtxtPtr save = xmlSaveToIO(WriteToSink, CloseSink, &sink, encoding.c_str(), options);
    if (save == nullptr) return false;
    const bool written = xmlSaveDoc(save, doc) >= 0;
    const bool flushed = xmlSaveClose(save) >= 0;
    sink.out.close();
    return written && flushed && !sink.failed && !sink.out.fail();
}

} // namespace

void WriteDocument(_xmlDoc* doc, const std::string& encoding, bool withDeclaration,
                   const fs::path& file) {
    EnsureLibxmlReady();
    const std::string failure = "No se pudo guardar el archivo \"" + ShownPath(file) + "\"";

    // Checked first: libxml2 would report an unknown encoding on stderr.
    xmlCharEncodingHandlerPtr handler = xmlFindCharEncodingHandler(encoding.c_str());
    if (handler == nullptr)
        throw Error(failure + ": la codificación \"" + encoding + "\" no está admitida.");
    xmlCharEncCloseFunc(handler);

    const fs::path temporary = TemporaryBeside(file);
    std::error_code ec;
    if (!Serialise(doc, encoding, withDeclaration, temporary)) {
        fs::remove(temporary, ec);
        throw Error(failure + ".");
    }
    fs::rename(temporary, file, ec);
    if (ec) {
        fs::remove(temporary, ec);
        throw Error(failure + ".");
    }
}

} // namespace tt::xml::detail
