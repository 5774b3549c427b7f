#pragma once
// The table of resource files built into the executable (generated at build time).
#include <span>

#include "platform/core/resources.h"

std::span<const ResourceEntry> EmbeddedResourceTable();
