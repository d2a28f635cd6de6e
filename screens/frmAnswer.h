#pragma once

#include "toolkit/form.h"
#include "toolkit/widgets.h"

// The answer screen: the expected answer, the question's points and the two judging buttons.
class frmAnswer : public tk::Screen<frmAnswer> {
    Q_OBJECT

public:
    frmAnswer();

    tk::Label Label1{this};     // the expected answer
    tk::Button Command1{this};  // correct
    tk::Label Label2{this};     // the question's points
    tk::Button Command2{this};  // not correct

    // The points of the open square, as Label2 shows them; a caption that is not a whole number
    // is worth nothing.
    int Points() const;

    void Command1_Click();
    void Command2_Click();

protected:
    void Form_FrameClose() override;

private:
    void Judge(bool correct);
};
