#pragma once

#include "toolkit/form.h"
#include "toolkit/widgets.h"

// The game setup screen: team names, rounds, Zapster schedule, sound and the fifteen category
// slots. "Done" hides it for good; it stays loaded, since its slots hold the category choices.
class frmOptions : public tk::Screen<frmOptions> {
    Q_OBJECT

public:
    frmOptions();

    tk::Frame Frame1{this};
    tk::TextBox Text1{&Frame1};
    tk::TextBox Text2{&Frame1};
    tk::Frame Rounds{this};
    tk::Array<tk::Option, 3> Option1{&Rounds};
    tk::Frame Categories{this};
    tk::Label Label2{&Categories};
    tk::Label Label3{&Categories};
    tk::Label Label4{&Categories};
    tk::Label Label5{&Categories};
    tk::Frame Zapsters{this};
    tk::Array<tk::Option, 6> Option2{&Zapsters};
    tk::Frame Frame2{this};
    tk::Button Command2{&Frame2};
    tk::Button Command1{this};
    // Created last so that they lie above the Categories frame they are drawn over.
    tk::Array<tk::FileList, 15> File1{this};

    void Text1_Change();
    void Text2_Change();
    void Option1_Click(int Index);
    void Option2_Click(int Index);
    void File1_DblClick(int Index);
    void Command2_Click();
    void Command1_Click();

protected:
    void Form_Load() override;
    void Form_FrameClose() override;
};
