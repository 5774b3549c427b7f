#pragma once
// Message boxes as modal dialogs: the text wrapped beside an optional question or
// information icon, with Yes and No or a single OK button, centred on the screen. Enter
// picks the default (first) button; Escape answers No, or OK.
#include "platform/core/message_box.h"

// Makes MessageBoxW and AfxMessageBox show these dialogs.
void InstallMessageBoxDialogs();
int ShowMessageBoxDialog(const MessageBoxRequest& request);
