#pragma once

#include "app/services.hpp"

namespace tt::app {

// The whole program from the command line to the end of the message loop,
// with the given runs; returns the exit code.
int EjecutarPrograma(int argc, char* argv[], Ejecutores& ejecutores);

} // namespace tt::app
