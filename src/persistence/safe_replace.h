#pragma once
// Replacing a file's contents so that a kill or a failure at any moment leaves it whole: the
// old contents or the new ones, never a mixture, an empty file or a stray file beside it.
#include <functional>
#include <span>
#include <string>

#include "platform/core/win_types.h"

// The path may be a link: the file it leads to is replaced, in that file's folder, and the
// link stays. The new file is unnamed until it is complete on disk; it then takes the old
// one's place under its name, with its owner and permissions. A folder that takes no new
// file, or an owner this process may not give a file to, has the old file written over
// where it is instead. Returns 0, or the system's error number; length is the file's size
// on disk.
int ReplaceFileContents(const std::string& path, std::span<const BYTE> bytes, UINT& length);

// The file the path leads to through the links at its end, which a save replaces. A link
// that leads nowhere leads to the file it names, which a save creates. Returns 0, or the
// system's error number.
int FollowLinks(std::string path, std::string& target);

// A kill between naming the new file and putting it in place leaves it beside the old one
// under a name of this program's own; these are removed. One that cannot be removed is
// left for the next try: it harms nothing, and the player could do nothing about it.
void RemoveLeftoverTemporaries(const std::string& path);

// Only where the file system has no unnamed files is the new file named from its creation.
// Tests reach that way on any file system with a noise source (six letters or digits at
// each call) that chooses the names tried; an empty one restores unnamed files.
void NameTemporariesForTesting(std::function<std::string()> noise);
