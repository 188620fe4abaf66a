#pragma once

namespace quorvan {

class MainForm;

// Loads hits from a file into the hit boxes, as many as the member count.
void RunHitImport(MainForm& form);

} // namespace quorvan
