// MD5 digests (RFC 1321), computed by OpenSSL.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace services {

using Md5Digest = std::array<std::uint8_t, 16>;

Md5Digest ComputeMd5(std::string_view bytes);

}  // namespace services
