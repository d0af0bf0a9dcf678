#pragma once

#include <thread>

// Loads fontconfig's configuration and font cache on a thread of its own while the program
// connects to the display and builds its window. Loading them is the largest single part of
// starting up (parsing the configuration files alone takes about a quarter of the instructions
// before the first frame), and the toolkit would otherwise do it on the main thread when the
// first text is measured; it then finds them loaded.
//
// Wait() must return before the first font is used: fontconfig does not wait for a load under
// way, it would start a second one. Going out of scope waits too.
class FontPreload {
public:
    // load is fontconfig's own start unless another is given.
    explicit FontPreload(void (*load)() = nullptr);

    void Wait();

private:
    std::jthread thread_;
};
