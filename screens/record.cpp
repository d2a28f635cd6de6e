#include "screens/record.h"

RecordScreen::RecordScreen() {
    LayWindow(layout::kRecord);
    panel.Lay();
}
