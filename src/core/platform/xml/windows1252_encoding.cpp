#include "windows1252_encoding.hpp"

#include <libxml/encoding.h>

#include "text/codepage.hpp"

namespace tt::xml::detail {

namespace {

// libxml2's converter contract: convert what fits, report in *inlen and
// *outlen how much was consumed and written; -2 stops before an input the
// target cannot hold (the serializer then writes a character reference).
int ToUtf8(unsigned char* out, int* outlen, const unsigned char* in, int* inlen) {
    if (out == nullptr || outlen == nullptr || inlen == nullptr) return -1;
    int i = 0;
    int o = 0;
    for (; in != nullptr && i < *inlen; ++i) {
        unsigned cp = in[i];
        cp = text::CodigoDe(static_cast<unsigned char>(cp));
        const int need = cp < 0x80 ? 1 : cp < 0x800 ? 2 : 3;
        if (o + need > *outlen) break;
        if (need == 1) {
            out[o++] = static_cast<unsigned char>(cp);
        } else if (need == 2) {
            out[o++] = static_cast<unsigned char>(0xC0 | (cp >> 6));
            out[o++] = static_cast<unsigned char>(0x80 | (cp & 0x3F));
        } else {
            out[o++] = static_cast<unsigned char>(0xE0 | (cp >> 12));
            out[o++] = static_cast<unsigned char>(0x80 | ((cp >> 6) & 0x3F));
            out[o++] = static_cast<unsigned char>(0x80 | (cp & 0x3F));
        }
    }
    *inlen = i;
    *outlen = o;
    return o;
}

int FromUtf8(unsigned char* out, int* outlen, const unsigned char* in, int* inlen) {
    if (out == nullptr || outlen == nullptr || inlen == nullptr) return -1;
    int i = 0;
    int o = 0;
    int result = 0;
    while (in != nullptr && i < *inlen && o < *outlen) {
        const unsigned lead = in[i];
        const int length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        if (length == 0) { result = -2; break; }  // stray continuation byte
        if (i + length > *inlen) break;           // the rest comes with the next chunk
        unsigned cp = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) cp = (cp << 6) | (in[i + k] & 0x3F);
        const int byte = text::ByteWindows1252(cp);
        if (byte < 0) { result = -2; break; }
        out[o++] = static_cast<unsigned char>(byte);
        i += length;
    }
    *inlen = i;
    *outlen = o;
    return result < 0 ? result : o;
}

} // namespace

void RegisterWindows1252Encoding() {
    // The handler registers itself and lives as long as the library.
    xmlNewCharEncodingHandler("windows-1252", ToUtf8, FromUtf8);
    xmlAddEncodingAlias("windows-1252", "cp1252");
}

} // namespace tt::xml::detail
