// Little-endian writers for the file formats the asset generator, the fuzz seeds and the tests
// build byte by byte (BMP, Targa, WAV, MD2): into a std::string or a vector of bytes alike.
#pragma once

#include <cstdint>

namespace le {

// The low 16 bits of v, low byte first.
template <class Bytes>
void put16(Bytes& out, std::uint32_t v) {
  using Byte = typename Bytes::value_type;
  out.push_back(static_cast<Byte>(v & 0xFFu));
  out.push_back(static_cast<Byte>((v >> 8) & 0xFFu));
}

template <class Bytes>
void put32(Bytes& out, std::uint32_t v) {
  put16(out, v & 0xFFFFu);
  put16(out, v >> 16);
}

}  // namespace le
