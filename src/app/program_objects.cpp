// The program's static objects, in the order they must be made: the application object
// first (it sets up the machine), then the painter with its fonts, then the settings,
// which load "Tumbla.ini" and save it again as the program ends, then the text toolbox.
#include "app/dice_app.h"
#include "draw/painter.h"
#include "persistence/game_settings.h"
#include "persistence/text_util.h"

CDiceApp theApp;
CPainter thePainter;
CGameSettings theSettings;
// Ready before any constructor runs: theSettings reads its file through it.
constinit CTextUtil theTextUtil;
