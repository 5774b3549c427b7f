#pragma once
// Image files: the program's bitmap and icon resources decoded from their bytes, and PNG
// files read and written (screenshots and the reference images of tests).
#include <optional>
#include <span>
#include <string>

#include "platform/gdi/gdi.h"

// A Windows bitmap file (any depth, palettes included); nothing when the bytes are not one.
std::optional<Surface> DecodeBitmapImage(std::span<const unsigned char> bytes);

// The first image of an icon file, with its AND mask as the opaque flags.
std::optional<Icon> DecodeIconImage(std::span<const unsigned char> bytes);

bool WritePng(const Surface& surface, const std::string& path);
std::optional<Surface> ReadPng(const std::string& path);
