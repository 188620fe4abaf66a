#include "WindowUtilities.h"

#include "MainForm.h"
#include "Texts.h"

namespace quorvan {

void RunFontDialog(MainForm& form, const std::function<void(const ControlFont&)>& apply)
{
    const auto confirmed = form.Environment().ChooseFont(form.FontDialog1, [&](const ControlFont& font) {
        form.FontDialog1 = font;
        apply(font);
    });
    if (confirmed)
        form.FontDialog1 = *confirmed;
}

void ApplyFontToRows(MainForm& form, const ControlFont& font)
{
    const int32_t rows = form.UpDown1->Position();
    for (int32_t row = 1; row <= rows; ++row) {
        for (const QString& name : {texts::MemberBoxName(row), texts::HitBoxName(row)}) {
            if (EditBox* box = form.FindEditBox(name))
                SetControlFont(box, font);
        }
    }
}

void RunWindowCapture(MainForm& form)
{
    form.Environment().CaptureWindowToClipboard(&form);
}

void RunGuideLink(MainForm& form)
{
    form.Environment().OpenAddress(form.Environment().GuideAddress());
}

} // namespace quorvan
