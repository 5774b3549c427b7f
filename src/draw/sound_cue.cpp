#include "draw/sound_cue.h"

#include "persistence/game_settings.h"
#include "platform/wnd/shell.h"

void PlayCue(const char16_t* waveName) {
  if (theSettings.m_nAudio != 1) return;
  // A missing or unplayable sound is skipped: a cue is never worth interrupting the game.
  PlaySoundW(waveName, AfxGetInstanceHandle(), SND_RESOURCE | SND_ASYNC);
}
