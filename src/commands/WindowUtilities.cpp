// The small commands of the window: the box font, the window capture and
// the user guide.

#include "commands/Commands.h"
#include "platform/Platform.h"
#include "texts/UserText.h"
#include "window/Controls.h"
#include "window/MainWindow.h"
#include "window/Spinner.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>


namespace quorvan {

// Opens the font dialog; each Apply in it gives its font to the boxes.
void Commands::onChooseFont()
{
    const auto confirmed = window_.platform().ChooseFont(lottery_.Model.BoxFont, [this](const ControlFont& font) {
        lottery_.Model.BoxFont = font;
        boundary_.Run([this, &font] { onApplyFont(font); });
    });
    if (confirmed)
        lottery_.Model.BoxFont = *confirmed;
}

// Gives `font` to the member and hit boxes of rows 1 .. the spinner's count
// that exist; result boxes keep theirs.
void Commands::onApplyFont(const ControlFont& font)
{
    const int32_t rows = window_.countSpinner()->position();
    for (int32_t row = 1; row <= rows; ++row) {
        for (const Column column : {Column::Members, Column::Hits}) {
            if (EditBox* box = window_.findBox(column, row))
                SetControlFont(box, font);
        }
    }
}

void Commands::onCapture()
{
    window_.platform().CaptureWindowToClipboard(&window_);
}

// The guide in the program's own window; a page that is missing or cannot
// be read is named.
void Commands::onOpenGuide()
{
    const QUrl page(window_.platform().GuideAddress());
    const QString path = page.toLocalFile();
    if (!QFileInfo(path).isReadable())
        throw UserError(Say(MessageId::GuideNotOpened).arg(QDir::toNativeSeparators(path)));
    window_.showGuide(page);
}

} // namespace quorvan
