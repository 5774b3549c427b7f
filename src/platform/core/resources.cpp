#include "platform/core/resources.h"

namespace {
std::span<const ResourceEntry>& Table() {
  static std::span<const ResourceEntry> table;
  return table;
}

std::span<const StringResourceEntry>& StringTable() {
  static std::span<const StringResourceEntry> table;
  return table;
}
}  // namespace

void SetResourceTable(std::span<const ResourceEntry> table) { Table() = table; }

std::span<const unsigned char> FindResourceBytes(ResourceType type, int id) {
  for (const ResourceEntry& entry : Table()) {
    if (entry.type == type && entry.name.empty() && entry.id == id) return entry.bytes;
  }
  return {};
}

std::span<const unsigned char> FindResourceBytes(ResourceType type, std::u16string_view name) {
  for (const ResourceEntry& entry : Table()) {
    if (entry.type == type && !entry.name.empty() && entry.name == name) return entry.bytes;
  }
  return {};
}

void SetStringTable(std::span<const StringResourceEntry> table) { StringTable() = table; }

std::optional<std::u16string_view> FindResourceString(int id) {
  for (const StringResourceEntry& entry : StringTable()) {
    if (entry.id == id) return entry.text;
  }
  return std::nullopt;
}
