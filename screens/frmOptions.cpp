#include "screens/frmOptions.h"

frmOptions::frmOptions() {
    setWindowTitle(QStringLiteral("Game Setup"));
}
