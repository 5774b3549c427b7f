#include <cstdlib>

#include "platform/wnd/dialog.h"

// The program's static objects end inside main, not after it: the settings are saved as they
// end and may show a message, and the browser build can wait for its tap only within main.
int main() { std::exit(AfxWinMain()); }
