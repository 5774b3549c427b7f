#pragma once
// The program's embedded resources (bitmaps, icons, wave sounds), looked up by type and
// id or name. The resources library provides the table; the program installs it at start.
#include <optional>
#include <span>
#include <string_view>

enum class ResourceType { Bitmap, Icon, Wave };

struct ResourceEntry {
  ResourceType type;
  int id;                    // 0 for resources known by name
  std::u16string_view name;  // empty for resources known by id
  std::span<const unsigned char> bytes;
};

void SetResourceTable(std::span<const ResourceEntry> table);

// Empty when there is no such resource.
std::span<const unsigned char> FindResourceBytes(ResourceType type, int id);
std::span<const unsigned char> FindResourceBytes(ResourceType type, std::u16string_view name);

// The program's string table: resource id to text. The resources library provides it.
struct StringResourceEntry {
  int id;
  std::u16string_view text;
};

void SetStringTable(std::span<const StringResourceEntry> table);

// Nothing when the table holds no string with that id.
std::optional<std::u16string_view> FindResourceString(int id);
