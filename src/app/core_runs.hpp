#pragma once

#include <memory>

#include "app/services.hpp"

namespace tt::app {

// The runs of the conversion core, for the program itself.
std::unique_ptr<Ejecutores> CrearEjecutoresNucleo();

} // namespace tt::app
