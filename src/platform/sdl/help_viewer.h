#pragma once
// Opens a page in the desktop's viewer (xdg-open) without waiting for it.
#include <string>

// Starts `program page` in its own session and returns at once; a thread of its own waits
// for the viewer's end, so that no zombie is left. False when the program could not start.
bool StartDetached(const std::string& program, const std::string& page);
