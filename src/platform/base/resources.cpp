#include "platform/base/resources.h"

#include <map>
#include <string>

#include "platform/base/sysutils.h"

namespace platform {

namespace {

std::map<std::string, std::span<const std::uint8_t>>& Table() {
  static std::map<std::string, std::span<const std::uint8_t>> table;
  return table;
}

std::string Key(std::string_view type, std::string_view name) { return UpperCase(type) + "/" + UpperCase(name); }

}  // namespace

void RegisterResource(std::string_view type, std::string_view name, std::span<const std::uint8_t> bytes) {
  Table()[Key(type, name)] = bytes;
}

std::span<const std::uint8_t> FindResourceBytes(std::string_view type, std::string_view name) {
  const auto it = Table().find(Key(type, name));
  return it == Table().end() ? std::span<const std::uint8_t>() : it->second;
}

}  // namespace platform
