#pragma once

#include "toolkit/form.h"
#include "toolkit/widgets.h"

// The game setup screen: team names, rounds, Zapster schedule, sound and category files.
class frmOptions : public tk::Screen<frmOptions> {
    Q_OBJECT

public:
    frmOptions();
};
