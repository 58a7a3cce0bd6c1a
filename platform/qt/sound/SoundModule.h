#pragma once

#include <QtGlobal>

// The sound module's one entry: a new wave output through Qt Multimedia, owned by the caller,
// made on the user-interface thread once the application object exists.
#define TESSORA_MAKE_WAVE_OUTPUT tessora_make_wave_output
#define TESSORA_MAKE_WAVE_OUTPUT_NAME "tessora_make_wave_output"
