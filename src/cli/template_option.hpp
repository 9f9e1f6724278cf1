#pragma once

#include <optional>
#include <string>

#include "import/template_choice.hpp"

namespace tt::cli {

// The answer of --template to the school-day template question. Without the
// option there is nobody to ask, so the run stops and lists the templates.
class PlantillaDeOpcion : public importer::SelectorPlantilla {
public:
    explicit PlantillaDeOpcion(std::optional<std::string> codigo) : codigo_(std::move(codigo)) {}
    std::string elegir(const importer::OpcionesPlantilla& opciones) override;

private:
    std::optional<std::string> codigo_;
};

} // namespace tt::cli
