#include "arguments.hpp"

#include <map>

namespace tt::cli {

namespace {

// The options a command accepts, each filled at most once.
using Opciones = std::map<std::string, std::optional<std::string>*>;

// Reads the command's arguments into its file and options.
void LeerOpciones(const std::string& comando, std::vector<std::string>::const_iterator desde,
                  std::vector<std::string>::const_iterator hasta, std::string& archivo,
                  const Opciones& opciones) {
    bool hayArchivo = false;
    bool soloArchivos = false;
    for (auto it = desde; it != hasta; ++it) {
        const std::string& argumento = *it;
        if (!soloArchivos && argumento == "--") {
            soloArchivos = true;
            continue;
        }
        if (!soloArchivos && argumento.size() > 1 && argumento[0] == '-') {
            const auto igual = argumento.find('=');
            const std::string nombre = argumento.substr(0, igual);
            const auto opcion = opciones.find(nombre);
            if (opcion == opciones.end())
                throw ErrorDeUso("la opción " + nombre + " no existe para " + comando);
            std::string valor;
            if (igual != std::string::npos) {
                valor = argumento.substr(igual + 1);
            } else {
                if (++it == hasta) throw ErrorDeUso("falta el valor de " + nombre);
                valor = *it;
            }
            if (valor.empty()) throw ErrorDeUso("el valor de " + nombre + " está vacío");
            if (opcion->second->has_value())
                throw ErrorDeUso("la opción " + nombre + " aparece dos veces");
            *opcion->second = std::move(valor);
            continue;
        }
        if (hayArchivo) throw ErrorDeUso("sobra el argumento " + argumento);
        if (argumento.empty()) throw ErrorDeUso("el nombre del archivo está vacío");
        archivo = argumento;
        hayArchivo = true;
    }
    if (!hayArchivo) throw ErrorDeUso("falta el archivo XML para " + comando);
}

} // namespace

Orden LeerArgumentos(const std::vector<std::string>& argumentos) {
    if (argumentos.empty()) throw ErrorDeUso("falta la orden");
    const std::string& comando = argumentos.front();
    const bool soloUno = argumentos.size() == 1;
    if ((comando == "--help" || comando == "-h") && soloUno) return OrdenAyuda{};
    if (comando == "--version" && soloUno) return OrdenVersion{};

    if (comando == "import") {
        OrdenImportar orden;
        LeerOpciones(comando, argumentos.begin() + 1, argumentos.end(), orden.archivo,
                     {{"--workdir", &orden.carpetaTrabajo},
                      {"--app-dir", &orden.carpetaAplicacion},
                      {"--template", &orden.plantilla}});
        return orden;
    }
    if (comando == "export") {
        OrdenExportar orden;
        LeerOpciones(comando, argumentos.begin() + 1, argumentos.end(), orden.archivo,
                     {{"--workdir", &orden.carpetaTrabajo}});
        return orden;
    }
    if (comando == "--help" || comando == "-h" || comando == "--version")
        throw ErrorDeUso(comando + " no admite más argumentos");
    throw ErrorDeUso("orden desconocida: " + comando);
}

std::string TextoUso() {
    return "Uso:\n"
           "  transtavora import ARCHIVO.xml [--workdir CARPETA] [--app-dir CARPETA] "
           "[--template CÓDIGO]\n"
           "  transtavora export ARCHIVO.xml [--workdir CARPETA]\n"
           "  transtavora --help | --version\n";
}

std::string TextoAyuda() {
    return "transtavora: intercambio de datos entre Velmora y Horavant.\n\n" + TextoUso() +
           "\n"
           "Órdenes:\n"
           "  import   Reconstruye las tablas de trabajo de Horavant a partir de una\n"
           "           exportación XML de Velmora. Si algo falla, no cambia ninguna tabla.\n"
           "  export   Escribe el horario calculado por Horavant como documento XML de\n"
           "           Velmora, junto al archivo dado, con el nombre \"ResultadoTavora\"\n"
           "           seguido del nombre de ese archivo.\n"
           "\n"
           "Opciones:\n"
           "  --workdir CARPETA    Carpeta de trabajo de Horavant. Por omisión, la de la\n"
           "                       variable TRANSTAVORA_WORKDIR; si no está definida,\n"
           "                       C:\\HTEMP (fuera de Windows, en la unidad C: del prefijo\n"
           "                       de Wine).\n"
           "  --app-dir CARPETA    Carpeta donde está NIVELEX.DBF. Por omisión, la del\n"
           "                       programa.\n"
           "  --template CÓDIGO    Plantilla de jornada que se usa cuando el archivo\n"
           "                       ofrece varias. Sin ella, la importación se detiene y\n"
           "                       muestra las plantillas disponibles.\n"
           "\n"
           "Código de salida: 0 si el proceso termina (\"Proceso finalizado\" y un\n"
           "resumen en la salida estándar); 1 si se detiene (el motivo, en la salida de\n"
           "errores); 2 si los argumentos no son válidos.\n";
}

} // namespace tt::cli
