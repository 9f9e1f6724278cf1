#include "export/clock_minutes.hpp"

#include "text/clipper.hpp"
#include "text/integer_conversion.hpp"

namespace tt::exporter {

std::int64_t MinutosDelReloj(const std::string& hora) {
    const std::string completa = hora.size() < 5 ? "0" + hora : hora;
    return std::int64_t{text::ConvertirEntero(text::Left(completa, 2))} * 60 +
           text::ConvertirEntero(text::Right(completa, 2));
}

} // namespace tt::exporter
