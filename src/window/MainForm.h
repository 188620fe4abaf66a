#pragma once
// The main window as the commands see it: its designed controls, the boxes
// created at run time (found by name, ignoring letter case), the tab sequence,
// the shared ladder state, and the one place where events enter the handlers.

#include "Controls.h"
#include "LadderImage.h"
#include "LadderState.h"
#include "Platform.h"
#include "TabSequence.h"
#include "UpDown.h"

#include <QCheckBox>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QWidget>

#include <functional>

namespace quorvan {

class MainForm : public QWidget {
public:
    explicit MainForm(Platform& platform);

    Platform& Environment() { return platform_; }
    LadderState State;

    // The designed controls.
    LadderImage* Image1 = nullptr;
    QFrame* Bevel2 = nullptr;
    Picture* Image2 = nullptr;
    StaticText* Label3 = nullptr;
    StaticText* Label1 = nullptr;
    StaticText* Label2 = nullptr;
    UpDown* UpDown1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    StaticText* CT = nullptr;
    StaticText* StaticText1 = nullptr;
    StaticText* StaticText2 = nullptr;
    StaticText* SText = nullptr;
    EditBox* Edit1_1 = nullptr;
    EditBox* Edit2_1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    StaticText* StaticText3 = nullptr;
    StaticText* StaticText4 = nullptr;
    QPushButton* BitBtn4 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button6 = nullptr;
    QPushButton* Button7 = nullptr;
    QPushButton* Button8 = nullptr;
    QPushButton* Button9 = nullptr;

    // The font dialog's font, kept between uses.
    ControlFont FontDialog1;
    // The file last chosen in the open dialog, where it starts next time.
    QString OpenDialog1FileName;
    // The folders the last text result and the last workbook result went
    // to: the save dialog starts there the next time, for the rest of the run.
    QString TextResultFolder;
    QString WorkbookResultFolder;

    // The scrolled content, parent of every control.
    QWidget* Client() const { return client_; }

    // Names a control placed in the client area and registers it for lookup;
    // a windowed control also joins the end of the tab sequence.
    enum class Kind { Graphic, Windowed };
    void AddComponent(QWidget* control, const QString& name, Kind kind);
    // The control of that name, ignoring case, or nullptr.
    QWidget* FindComponent(const QString& name) const;
    EditBox* FindEditBox(const QString& name) const;
    // The edit box of that name, which must exist: an error ends the command otherwise.
    EditBox& EditBoxNamed(const QString& name) const;
    // Frees the control of that name; a name that finds nothing does nothing.
    void FreeComponent(const QString& name);
    // An empty edit box, hidden, placed and named; the caller shows it.
    EditBox* CreateEditBox(const QString& name, int left, int top, int width, int height);

    TabSequence& Tabs() { return tabs_; }

    // Asks the platform for the user's language each time.
    bool Japanese();
    QString Localized(const QString& japanese, const QString& english);

    void SetBusyCursor();
    void SetDefaultCursor();

    // The window's outer size (frame included, where the window has one).
    QSize OuterSize() const;
    void SetOuterSize(int width, int height);
    void SetOuterWidth(int width);

    LadderBitmap& Bitmap() { return Image1->Bitmap(); }
    // Paints the ladder bitmap white.
    void ClearLadderImage();

    // Runs one handler to its end. An error it raises is shown in a message
    // box and the window goes on; the cursor is the default afterwards either way.
    void RunCommand(const std::function<void()>& handler);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FinishCommand();
    void RefreshScrollExtent();

    Platform& platform_;
    QScrollArea* scroll_ = nullptr;
    QWidget* client_ = nullptr;
    QHash<QString, QWidget*> components_;
    TabSequence tabs_;
    QSize outerSize_;
    bool shown_ = false;
};

} // namespace quorvan
