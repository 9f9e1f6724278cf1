#pragma once

#include <filesystem>
#include <string>

#include <libxml/xmlerror.h>
#include <libxml/xmlversion.h>

namespace tt::xml::detail {

// Initialises libxml2 once per process (parser globals, our Windows-1252
// converter). Nothing else of libxml2's global state is touched: errors are
// caught per parser or XPath context, never through the global handlers.
void EnsureLibxmlReady();

// libxml2 2.12 made the structured error handler take a const error.
#if LIBXML_VERSION >= 21200
using ErrorInfo = const xmlError*;
#else
using ErrorInfo = xmlError*;
#endif

// While alive, libxml2's generic error channel (which some parts of the
// library print on stderr through, bypassing per-context handlers) says
// nothing; the handler in place before is restored afterwards.
class QuietGenericErrors {
public:
    QuietGenericErrors();
    ~QuietGenericErrors();
    QuietGenericErrors(const QuietGenericErrors&) = delete;
    QuietGenericErrors& operator=(const QuietGenericErrors&) = delete;

private:
    xmlGenericErrorFunc previous_;
    void* previousContext_;
};

// A path as UTF-8, for messages.
std::string ShownPath(const std::filesystem::path& file);

} // namespace tt::xml::detail
