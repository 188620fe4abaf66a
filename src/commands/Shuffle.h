#pragma once

namespace quorvan {

class MainForm;

enum class ShuffleColumn { Members, Hits };

// Puts the texts of the column's boxes 1 .. the row count into a random order
// and shows how often the column has been shuffled in its button's caption.
void RunShuffle(MainForm& form, ShuffleColumn column);

} // namespace quorvan
