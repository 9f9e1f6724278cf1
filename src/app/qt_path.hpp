#pragma once

// Paths between Qt's text and std::filesystem without going through the ANSI
// code page on Windows or losing non-UTF-8 file names elsewhere.

#include <QFile>
#include <QString>
#include <filesystem>

namespace tt::app {

inline std::filesystem::path RutaDeTexto(const QString& texto) {
#ifdef _WIN32
    return std::filesystem::path(texto.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(texto).toStdString());
#endif
}

inline QString TextoDeRuta(const std::filesystem::path& ruta) {
#ifdef _WIN32
    return QString::fromStdWString(ruta.wstring());
#else
    return QFile::decodeName(QByteArray::fromStdString(ruta.string()));
#endif
}

} // namespace tt::app
