#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

#include "layout/layout.h"

namespace tk {

// Readies the letters of the first screen on a second core while the main thread starts Qt and
// builds that screen. Lettering a caption for the first time costs several milliseconds: the
// system's font configuration is read, Qt lists the installed fonts, and for each family it works
// out which fonts stand in for characters the family lacks. All three are kept for the whole
// process, so done here, the title is painted without waiting for them.
//
// Create it first thing in main, before the QApplication; call ApplicationReady() once the
// QApplication exists, and Finish() before it goes.
class FontWarmUp {
public:
    explicit FontWarmUp(const layout::Screen& firstScreen);
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    void ApplicationReady();
    void Finish();

private:
    void Work();

    const layout::Screen& screen_;
    std::mutex mutex_;
    std::condition_variable ready_;
    bool applicationReady_ = false;
    bool cancelled_ = false;
    std::thread thread_;
};

}  // namespace tk
