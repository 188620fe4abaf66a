#pragma once
// A file name in a folder that copies of the program share (the state
// folder) which one running copy holds for itself: one of `stem.ext`,
// `stem-2.ext`, `stem-3.ext` … whose lock, `<name>.lock` beside it, no other
// running copy holds. The system lets go of the lock when its process ends,
// however it ends, so what a killed copy left under its name is found by the
// next copy that takes the name, and never by one started while it runs.

#include <QString>

namespace quorvan {

class HeldName {
public:
    // Which free name is taken: the first whose file a copy that ended left
    // there, so that what it kept is found again, else the first with no file;
    // or only one with no file.
    enum class Taking { LeftFileFirst, NoFileOnly };

    HeldName(const QString& folder, const QString& stem, const QString& extension, Taking taking);
    ~HeldName();
    HeldName(const HeldName&) = delete;
    HeldName& operator=(const HeldName&) = delete;

    // The name held; empty when every name is held by another running copy.
    QString Path() const { return path_; }

private:
    QString path_;
    int lock_ = -1;
};

} // namespace quorvan
