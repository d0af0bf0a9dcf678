#include "app/font_preload.h"

#include <fontconfig/fontconfig.h>

// Whether it succeeds or not, the toolkit's own FcInit() later answers the same: at once where
// this one loaded the configuration, with its own attempt and warnings where it did not.
FontPreload::FontPreload(void (*load)()) : thread_(load ? load : [] { FcInit(); }) {}

void FontPreload::Wait() {
    if (thread_.joinable())
        thread_.join();
}
