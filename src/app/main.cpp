#include "platform/wnd/dialog.h"

int main() { return AfxWinMain(); }
