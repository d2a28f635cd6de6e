#include "toolkit/fontwarmup.h"

#include <QFontMetrics>
#include <QString>

#include <dlfcn.h>

#include "toolkit/look.h"
#include "toolkit/textfit.h"

namespace tk {

FontWarmUp::FontWarmUp(const layout::Screen& firstScreen)
    : screen_(firstScreen), thread_([this] { Work(); }) {}

FontWarmUp::~FontWarmUp() {
    Finish();
}

void FontWarmUp::ApplicationReady() {
    {
        const std::lock_guard lock(mutex_);
        applicationReady_ = true;
    }
    ready_.notify_one();
}

void FontWarmUp::Finish() {
    {
        const std::lock_guard lock(mutex_);
        cancelled_ = !applicationReady_;
    }
    ready_.notify_one();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void FontWarmUp::Work() {
    // Qt letters through fontconfig on this desktop, and fontconfig is already loaded with Qt; if
    // this Qt was built without it, nothing is loaded for the asking.
    if (void* fontconfig = dlopen("libfontconfig.so.1", RTLD_LAZY | RTLD_NOLOAD)) {
        using FcInitFunction = int (*)();
        if (auto init = reinterpret_cast<FcInitFunction>(dlsym(fontconfig, "FcInit"))) {
            init();  // the configuration is built once per process; Qt's first use finds it
        }
        dlclose(fontconfig);
    }
    {
        std::unique_lock lock(mutex_);
        ready_.wait(lock, [this] { return applicationReady_ || cancelled_; });
        if (cancelled_) {
            return;
        }
    }
    // Measuring each caption makes Qt list the fonts and choose every family's stand-ins; both
    // are shared by all threads. The fonts themselves are opened again by the main thread.
    for (const layout::Row& row : screen_.rows) {
        if (row.kind != layout::Kind::Line && !row.caption.empty()) {
            const QFontMetrics metrics(FontOf(row.font, row.style));
            metrics.horizontalAdvance(QString::fromUtf8(row.caption.data(), row.caption.size()));
        }
    }
}

}  // namespace tk
