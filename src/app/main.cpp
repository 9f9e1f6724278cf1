#include "app/core_runs.hpp"
#include "app/program.hpp"

int main(int argc, char* argv[]) {
    const auto ejecutores = tt::app::CrearEjecutoresNucleo();
    return tt::app::EjecutarPrograma(argc, argv, *ejecutores);
}
