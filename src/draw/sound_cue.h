#pragma once
// The program's sound cues: one of its six wave resources "WAV_1" to "WAV_6", started
// without waiting. The Audio option is read at every cue, so switching it applies to the
// very next one; only the value 1 means on.
void PlayCue(const char16_t* waveName);
