#pragma once
// The main window FMAIN: its controls as designed, start-up, the count display,
// and the binding of every control event to its handler.

#include "MainForm.h"

namespace quorvan {

class TFMAIN : public MainForm {
public:
    explicit TFMAIN(Platform& platform);

    void UpDown1MouseDown();
    void UpDown1Changing();
    void UpDown1Click();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void Button1Click();
    void BitBtn4Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void FontDialog1Apply(const ControlFont& font);
    void Image2Click();
    void phit(EditBox* sender);

private:
    void CreateControls();
    void BindEvents();
    void FormCreate();
    void ShowCount();
    void SetEnglishTexts();
};

} // namespace quorvan
