#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace tt::platform {

// Horavant's working folder: TRANSTAVORA_WORKDIR when set; otherwise C:\HTEMP
// on Windows, and elsewhere the Wine prefix's C: drive
// ($WINEPREFIX/drive_c/HTEMP, ~/.wine when WINEPREFIX is unset).
std::filesystem::path DefaultWorkDir();

// The folder of the running executable (NIVELEX.DBF, Horavant.ini, VELMORA.chm).
std::filesystem::path ExecutableDir();

// An existing entry of `dir` whose name equals `name` ignoring ASCII letter
// case (an exact match preferred); empty when there is none. Horavant under
// Wine may write "soluc.dbf" as well as "SOLUC.DBF".
std::optional<std::filesystem::path> FindNoCase(const std::filesystem::path& dir,
                                                const std::string& name);

// The existing entry found by FindNoCase, or dir / name when there is none
// (new files get the upper-case names the tables are known by).
std::filesystem::path ResolveNoCase(const std::filesystem::path& dir, const std::string& name);

} // namespace tt::platform
