#include "libxml_setup.hpp"

#include "windows1252_encoding.hpp"

#include <libxml/globals.h>
#include <libxml/parser.h>

namespace tt::xml::detail {

void EnsureLibxmlReady() {
    static const bool ready = [] {
        LIBXML_TEST_VERSION
        xmlInitParser();
        RegisterWindows1252Encoding();
        return true;
    }();
    (void)ready;
}

namespace {
void Ignore(void*, const char*, ...) {}
} // namespace

QuietGenericErrors::QuietGenericErrors()
    : previous_(xmlGenericError), previousContext_(xmlGenericErrorContext) {
    xmlSetGenericErrorFunc(nullptr, Ignore);
}

QuietGenericErrors::~QuietGenericErrors() { xmlSetGenericErrorFunc(previousContext_, previous_); }

std::string ShownPath(const std::filesystem::path& file) {
    const std::u8string utf8 = file.u8string();
    return std::string(utf8.begin(), utf8.end());
}

} // namespace tt::xml::detail
