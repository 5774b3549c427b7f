#pragma once
// The handheld shell's calls the game makes: hiding the title bar's OK button, the soft
// input panel preference, starting the help viewer, and playing a wave resource.
//
// How the game uses it: SHDoneButton(m_hWnd, SHDB_HIDE) in the board's OnInitDialog;
// SHSipPreference(m_hWnd, SIP_UP) and (m_hWnd, SIP_FORCEDOWN) around name entry;
// CreateProcessW(u"peghelp.exe", u"file:Tumbla.htm", nullptr, ...) for the help page;
// PlaySoundW(u"WAV_1", AfxGetInstanceHandle(), SND_RESOURCE | SND_ASYNC) for a cue.
#include "platform/core/win_types.h"
#include "platform/wnd/wnd.h"

using HINSTANCE = void*;
HINSTANCE AfxGetInstanceHandle();

BOOL SHDoneButton(HWND hwnd, DWORD state);

BOOL SHSipPreference(HWND hwnd, int state);
// Whether the soft input panel is raised.
bool SipIsUp();

// Only the help viewer "peghelp.exe" with a "file:" page is supported; the page is opened
// from the executable's folder. FALSE when the viewer could not be started.
BOOL CreateProcessW(const char16_t* application, const char16_t* commandLine, void* processAttributes,
                    void* threadAttributes, BOOL inheritHandles, DWORD creationFlags, void* environment,
                    const char16_t* currentDirectory, void* startupInfo, void* processInformation);

// A file of the program's folder handed to the player where the back end offers files (the
// browser's download); see Backend::OffersFiles.
bool CanOfferFileToPlayer();
void OfferFileToPlayer(const CString& filePath);

// Plays a wave resource by name, without waiting; a missing sound is skipped (FALSE).
BOOL PlaySoundW(const char16_t* name, HINSTANCE module, DWORD flags);
