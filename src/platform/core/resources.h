#pragma once
// The program's embedded resources (bitmaps, icons, wave sounds), looked up by type and
// id or name. The resources library provides the table; the program installs it at start.
#include <span>
#include <string_view>

enum class ResourceType { Bitmap, Icon, Wave };

struct ResourceEntry {
  ResourceType type;
  int id;                  // 0 for resources known by name
  std::u16string_view name;  // empty for resources known by id
  std::span<const unsigned char> bytes;
};

void SetResourceTable(std::span<const ResourceEntry> table);

// Empty when there is no such resource.
std::span<const unsigned char> FindResourceBytes(ResourceType type, int id);
std::span<const unsigned char> FindResourceBytes(ResourceType type, std::u16string_view name);
