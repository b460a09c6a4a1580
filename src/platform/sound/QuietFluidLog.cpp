#include "platform/sound/QuietFluidLog.h"

#include <alsa/asoundlib.h>
#include <fluidsynth.h>

namespace {

void DropFluidLog(int, const char*, void*) {}
void DropAlsaError(const char*, int, const char*, int, const char*, ...) {}

constexpr int kLevels[] = {FLUID_PANIC, FLUID_ERR, FLUID_WARN};

}  // namespace

QuietFluidLog::QuietFluidLog()
{
    for (int level : kLevels)
        fluid_set_log_function(level, DropFluidLog, nullptr);
    snd_lib_error_set_handler(DropAlsaError);
}

QuietFluidLog::~QuietFluidLog()
{
    for (int level : kLevels)
        fluid_set_log_function(level, fluid_default_log_function, nullptr);
    snd_lib_error_set_handler(nullptr);
}
