# Writes the UI font as a C++ byte array, for targets whose assembler cannot
# take the file in with .incbin (wasm).
#   cmake -DFONT=<ttf> -DOUTPUT=<cpp> -P FontBytes.cmake
file(READ "${FONT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE "${OUTPUT}" "// Made by resources/ui/FontBytes.cmake from ${FONT}.
#include <cstddef>
#include <span>

namespace {
alignas(4) const unsigned char font[${size}] = {${bytes}};
}

namespace quindel {

std::span<const unsigned char> uiFont()
{
    return {font, sizeof font};
}

}  // namespace quindel
")
