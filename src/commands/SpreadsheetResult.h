#pragma once

namespace quorvan {

class MainForm;

// Excel: saves the member/hit pairs under a time stamp as a new workbook.
void RunSpreadsheetResult(MainForm& form);

} // namespace quorvan
