// transtavora: the import and the export from the command line.

#include <iostream>
#include <string>
#include <vector>

#include "tool.hpp"

#ifdef _WIN32
#include "platform/windows_api.hpp"
#include <shellapi.h>

namespace {

// The arguments read wide, so that paths outside the ANSI code page survive.
std::vector<std::string> ArgumentosUtf8() {
    int cuantos = 0;
    LPWSTR* anchos = CommandLineToArgvW(GetCommandLineW(), &cuantos);
    std::vector<std::string> argumentos;
    for (int i = 1; anchos && i < cuantos; ++i) {
        const int largo = WideCharToMultiByte(CP_UTF8, 0, anchos[i], -1, nullptr, 0, nullptr, nullptr);
        std::string texto(largo > 0 ? largo - 1 : 0, '\0');
        if (largo > 1)
            WideCharToMultiByte(CP_UTF8, 0, anchos[i], -1, texto.data(), largo, nullptr, nullptr);
        argumentos.push_back(std::move(texto));
    }
    LocalFree(anchos);
    return argumentos;
}

} // namespace
#endif

int main([[maybe_unused]] int argc, [[maybe_unused]] char** argv) {
#ifdef _WIN32
    // Our messages are UTF-8.
    SetConsoleOutputCP(CP_UTF8);
    const std::vector<std::string> argumentos = ArgumentosUtf8();
#else
    const std::vector<std::string> argumentos(argv + 1, argv + argc);
#endif
    return tt::cli::Ejecutar(argumentos, std::cout, std::cerr);
}
