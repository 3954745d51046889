// The program's embedded resources: bytes compiled into the executable and
// found by type and name, as a module's resources are (form descriptions by
// class name, bitmaps such as "TRACK", icons). Names compare without case.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace platform {

// Resource types as the program names them.
inline constexpr std::string_view kResourceForm = "RCDATA";
inline constexpr std::string_view kResourceBitmap = "BITMAP";
inline constexpr std::string_view kResourceIcon = "ICON";

// Called by the generated resource tables at start; the bytes must stay alive.
void RegisterResource(std::string_view type, std::string_view name, std::span<const std::uint8_t> bytes);

// The bytes of a resource, empty when there is none.
std::span<const std::uint8_t> FindResourceBytes(std::string_view type, std::string_view name);

}  // namespace platform
