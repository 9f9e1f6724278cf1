#pragma once

#include "import/template_choice.hpp"

class QWidget;

namespace tt::app {

// Answers the import's template question with the "Plantillas Horarias" dialog,
// shown modally over `propietario`.
class SelectorPlantillaVentana : public importer::SelectorPlantilla {
public:
    explicit SelectorPlantillaVentana(QWidget* propietario) : propietario_(propietario) {}
    std::string elegir(const importer::OpcionesPlantilla& opciones) override;

private:
    QWidget* propietario_;
};

} // namespace tt::app
