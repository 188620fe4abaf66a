#pragma once
// Saves in progress, noted in a folder of the program's state, so that the
// next start can remove what a save killed mid-way left behind: its passing
// file (".quorvan-<random>.part" beside the file it was to replace), hidden
// and as large as the file. A passing file may lie in any folder the user
// saves to, and only its note says where: the start removes exactly the
// files the notes name, nothing found by looking around.
//
// Each note stays locked while its save runs. The system lets go of a lock
// when its process ends, however it ends, so a note nobody holds is one a
// killed save left, and the note of a save another running copy of the
// program is making is left alone.

#include <QByteArray>
#include <QString>

namespace quorvan {

// A new name for a passing file in `folder`: ".quorvan-<random>.part".
QByteArray NewPassingName(const QString& folder);

// Where saves note themselves from now on (made when missing); an empty
// folder, as before the first call, keeps no notes.
void NoteSavesIn(const QString& folder);

// A save's note, kept while the object lives: it names the passing file
// `passingName`. Made before the passing file is; a note that cannot be
// made leaves the save unnoted, never stopped.
class SaveNote {
public:
    explicit SaveNote(const QByteArray& passingName);
    ~SaveNote();
    SaveNote(const SaveNote&) = delete;
    SaveNote& operator=(const SaveNote&) = delete;

private:
    QByteArray note_;
    int descriptor_ = -1;
};

// Removes the passing files named by the notes in `folder` that no running
// save holds, where each is still an ordinary file of this user under a
// passing file's name, and those notes. Returns how many files it removed.
int RemoveLeftoversOfKilledSaves(const QString& folder);

} // namespace quorvan
