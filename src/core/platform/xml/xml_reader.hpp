#pragma once

// Reads an untrusted file into a libxml2 document: no network, no DTD
// loading, no entity substitution, and any entity declaration refused.

#include "xml_document.hpp"

#include <filesystem>

namespace tt::xml::detail {

struct ReadOutcome {
    _xmlDoc* doc = nullptr; // the caller frees it; null unless result.ok
    bool declared = false;  // the file began with an XML declaration
    LoadResult result;
};

ReadOutcome ReadDocument(const std::filesystem::path& file);

} // namespace tt::xml::detail
