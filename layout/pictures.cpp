#include "layout/pictures.h"

#include <QImageReader>
#include <QString>

// The pictures are compiled into the static game library. Registering them by name here means a
// program that links the library without its pictures fails at link time instead of showing
// blank boxes; a second registration is ignored. Q_INIT_RESOURCE must stay outside namespaces.
static void RegisterPictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace layout {
namespace {

QPixmap Load(const char* name) {
    static const bool registered = (RegisterPictures(), true);
    (void)registered;
    // Read as the PNG files they are: guessing the format would load every image plugin there is
    // to ask each whether it can read them.
    QImageReader reader(QStringLiteral(":/pictures/") + QLatin1String(name), "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

}  // namespace

QPixmap Banner() {
    return Load("banner.png");
}
QPixmap LogoBlue() {
    return Load("logo-blue.png");
}
QPixmap LogoRed() {
    return Load("logo-red.png");
}

}  // namespace layout
