#pragma once

// Serialises a libxml2 document to a file without ever leaving a partial one.

#include <filesystem>
#include <string>

struct _xmlDoc;

namespace tt::xml::detail {

// Writes doc in `encoding` (characters it cannot hold become character
// references), with or without the XML declaration, adding no layout. The
// bytes go to a temporary file beside `file`, renamed into place once
// complete. Throws tt::Error naming the file when anything fails.
void WriteDocument(_xmlDoc* doc, const std::string& encoding, bool withDeclaration,
                   const std::filesystem::path& file);

} // namespace tt::xml::detail
