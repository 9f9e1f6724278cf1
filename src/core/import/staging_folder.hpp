#pragma once

// All or nothing: the converters build their tables in a staging folder
// beside the working tables, and only a run that finished replaces them.

#include <filesystem>
#include <string>
#include <vector>

namespace tt::importer {

class CarpetaProvisional {
public:
    // Creates a fresh hidden folder inside the working folder (same file
    // system, so the final moves are renames).
    explicit CarpetaProvisional(const std::filesystem::path& carpetaTrabajo);
    // Removes the staging folder and whatever is left in it.
    ~CarpetaProvisional();
    CarpetaProvisional(const CarpetaProvisional&) = delete;
    CarpetaProvisional& operator=(const CarpetaProvisional&) = delete;

    const std::filesystem::path& ruta() const { return ruta_; }

    // Moves every file of the staging folder into the working folder,
    // replacing the working file of the same name (whatever its letter case),
    // and deletes the working files named in `obsoletos`. First makes sure no
    // other program holds any of those files; then moves the old ones aside,
    // moves the new ones in, and on any failure puts everything back. Throws
    // tt::Error when nothing could be replaced.
    void publicar(const std::vector<std::string>& obsoletos);

private:
    std::filesystem::path carpetaTrabajo_;
    std::filesystem::path ruta_;
};

} // namespace tt::importer
