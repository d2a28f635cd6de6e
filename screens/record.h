#pragma once

#include "screens/record_panel.h"
#include "toolkit/window.h"

// The record in a window of its own, opened from the board when the moderator has no host's
// window.
class RecordScreen : public tk::Screen<RecordScreen> {
    Q_OBJECT

public:
    RecordScreen();
    RecordPanel panel{this};  // laid once the window is

signals:
    void TakeBackPressed();

protected:
    void OnUndo() override { emit TakeBackPressed(); }
    void OnCloseBox() override { UnloadScreen(); }
};
