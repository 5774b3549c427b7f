// The program's objects for test binaries that need them, defined in the program's order.
// The settings file they load and save lies in a temporary folder made before them.
#include "draw/painter.h"
#include "persistence/game_settings.h"
#include "persistence/text_util.h"
#include "support/scoped_temp_folder.h"

namespace {
ScopedTempFolder programFolder;
}  // namespace

CPainter thePainter;
CGameSettings theSettings;
// Ready before any constructor runs: theSettings reads its file through it.
constinit CTextUtil theTextUtil;
