<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AnnounceForm</name>
    <message>
        <source>Announce draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Organiser:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw with values fixed after:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A published value (a lottery result, a beacon pulse, a closing index)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e.g. the first prize&apos;s number, digits only, left to right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How its value is written:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dice rolled in public</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rolls:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Participants&apos; secrets (committed first, revealed later)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one name a line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Participants:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commitments in by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose at least one value the organiser cannot steer. Once announced, the lists stay fixed until the draw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Announce…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Participants</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnnounceTexts</name>
    <message>
        <source>Cannot open the announcement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the announcement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The announcement is damaged: the entry “%1” should be %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The announcement is damaged: an announcement has no entry “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a Quorvan announcement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is an announcement of format version %1; this Quorvan reads versions up to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not written byte for byte in its canonical form, so its digest is not the one that was announced: an announcement is read only as Quorvan wrote it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It names no randomness source outside the organiser&apos;s control: at least one public value or participants&apos; commitments are needed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time after which the randomness is fixed (drawAfter) is earlier than the time of announcing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The participants of “%1” commit after the randomness is fixed (commitBy is later than drawAfter).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name “%1” stands twice where each must be one of a kind.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value of “%1”, “%2”, is not its dice as announced: one digit 1 to 6 for each die.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value of “%1”, “%2”, is not written by the rule: a text of 1 to 200 characters in NFC, without control characters or blanks at either end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The secret revealed by “%1” of “%2” does not match the commitment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lists are not the announcement&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The announcement&apos;s digest A is not the one given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 recorded is not the one the announcement and the values give.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Announcement digest A: %1 (short code %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No A was given (--announcement HEX): compare the A above with the one that was published.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not verified: this record is not the draw the announcement and the values give.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verified: this outcome is the one the announcement and the values allow. Proved: the announcement with digest A fixed the lists, rows, Cross Lines and sources; every value follows its rule and every reveal its commitment; the hits&apos; order, the seed, the ladder and the results follow from them alone. Resting on people: that A was published before drawAfter (and before any commitment), that the typed public values and dice are the real ones, and that no other announcement of this draw was made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out, never revealed: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>key K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hits&apos; order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text that is not empty, in NFC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>32 lower-case hexadecimal digits</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnnouncedDrawing</name>
    <message>
        <source>No announcement is open: use Announce draw… first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The announcement draws with values fixed after %1; it is now %2. Draw all the same?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnnouncementDialog</name>
    <message>
        <source>Draw announced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Organiser:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawn with values fixed after:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digest A:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short code to read aloud:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publish this A before the draw (a notice, an e-mail, the QR code): whoever checks the record compares it with this A. The lists stay fixed until the draw is made or the announcement is closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Announcing</name>
    <message>
        <source>Draw announcements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The announcement “%1” holds the lists fixed: draw from it or close it first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set up the rows and fill in every member and hit first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>announcement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Announcement.%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the announcement “%1” without drawing? The A you published will have no draw.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Build</name>
    <message>
        <source>*- completion -*  Mouse click in &quot;Hit&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Ladder lottery (ghost leg): draws a random ladder between members and hits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks the draw record FILE without a window: status 0 when its ladder gives its results, 1 when not or when it was altered, 2 when it cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --verify: the announcement&apos;s digest A as published (64 hexadecimal digits), compared with the one the record holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A draw record (.qdraw) to open in the window, as File &gt; Open draw does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage: quorvan [FILE] | --verify FILE [--announcement HEX] | --help | --version</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DrawRecords</name>
    <message>
        <source>Draw records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw.%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DrawTexts</name>
    <message>
        <source>Cannot open the draw record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the draw record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no draw to save yet: build the ladder first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verified: same ladder, same results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every shuffle by the program gives its recorded order from its seed. The record is consistent with itself; whether this was the first draw, or a fair one, cannot be told from this record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: Fair draw was off at the last Build, so no uniform shuffle was applied; unless the lists were shuffled, the ladder alone favours the members near each hit&apos;s own line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shuffle “%1” is not the order the program&apos;s generator gives from its seed %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not verified: the record differs from its ladder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ladder made again from seed %1 is not the ladder recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hit %1 “%2”: the record says member %3 “%4”, the ladder gives member %5 “%6”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its content does not match its SHA-256 digest: the record has been altered since it was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a Quorvan draw record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a Quorvan draw record (it is not JSON text: %1 at byte %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a draw record of format version %1; this Quorvan reads versions up to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is larger than %1 bytes, too large for a draw record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record is damaged: the entry “%1” should be %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record is damaged: a draw record has no entry “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record is damaged: its last Build in the history does not match its rows, Cross Lines, fair draw and seed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It begins with a byte order mark, which a draw record never has.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A control character stands unescaped in a text at byte %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The escape at byte %1 is one half of a surrogate pair without the other: it is no character.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key “%1” appears twice in one object (byte %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number %1 at byte %2 is not written as whole numbers are: digits only, as 12.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record cannot have been saved by Quorvan: the fair Build “%1” does not follow straight after the fair shuffle of the hits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record cannot have been saved by Quorvan: the fair shuffle “%1” is not followed straight away by a fair Build.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record cannot have been saved by Quorvan: “%1” comes after the last Build, where Set-up and Shuffle are withdrawn until the hits are loaded again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>true or false</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text of at most %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text in Unicode&apos;s composed form (NFC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a list of %1 entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a JSON object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>each row number from 1 to the row count once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>64 lower-case hexadecimal digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an ISO 8601 date and time with its offset from UTC</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>And %n more differences.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EarlierWinners</name>
    <message>
        <source>, </source>
        <comment>between names</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FairnessDialog</name>
    <message>
        <source>Fairness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How often each hit (row) lands on each member (column); white is the fair 1/n.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program&apos;s ladder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After a uniform shuffle of the hits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>never</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save matrix…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rows, Cross Lines %2, %3 ladders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most likely: hit %1 → member %2, %3, %5× ± %6 the fair %4 (chance alone gives about %7×)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pairs never seen in %1 ladders: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typical distance moved (median): %1 lines (%2 to %3; about %4 in a fair draw)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program&apos;s ladder (CSV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After a uniform shuffle (CSV)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListCheckReport</name>
    <message>
        <source>The list check found nothing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListChecks</name>
    <message>
        <source>hit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>member</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 file has bytes that are no text in lines %2; they show as “�”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 file has a CR without LF in lines %2; it was left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 file&apos;s lines hold tabs: only the first column was read</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The %1 list stops at the empty cell in row %2; %n names follow below it</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Hit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Member</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” appears %2 times in the %3 (rows %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>members</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1 of the %2 is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows %1–%2 of the %3 are empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n hits</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n members</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>List check: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; %1 more</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Fair draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Findings…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Member</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hi&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ladder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open draw…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save draw…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Announce draw…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw from announcement…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close announcement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List check…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fairness…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave out earlier winners…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winners…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Quorvan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reveal next prize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back one reveal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reveal all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip to the end of the path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stage overview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blank the stage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stage settings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;Quorvan V%1&lt;/h3&gt;&lt;p&gt;A ladder lottery (ghost leg).&lt;/p&gt;&lt;p&gt;Licence: MIT&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Cannot read the list file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the workbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the result file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the workbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 “%2”:
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read “%1”:
lists are read from text files (.txt), CSV files (.csv), Excel workbooks (.xls, .xlsx) and OpenDocument spreadsheets (.ods).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is too large to be a list: its first %1 MB hold fewer than %2 lines.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It holds binary data (NUL bytes), not a list of names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its bytes are in no encoding a list is read in (UTF-8, UTF-16, Shift_JIS, EUC-JP, EUC-KR, GB18030, Big5, Windows-1251 or Windows-1252). Save it as UTF-8 text or CSV and load it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is an HTML table (a web page), not a workbook: open it in a spreadsheet program and save it as .xlsx or .csv.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is an Excel 2003 XML spreadsheet: open it in a spreadsheet program and save it as .xlsx or .csv.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a pipe, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not an ordinary file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not an ordinary file (it is a device, a pipe or the like), so nothing is written to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a symbolic link that leads round in a circle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An Excel result is saved as an Excel 97–2003 workbook (.xls), an Excel workbook (.xlsx), an OpenDocument spreadsheet (.ods) or CSV (.csv). Choose a name ending in one of them, or a name without an ending.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough memory to make it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A cell holds more than 32,767 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It could not be put together in the temporary folder “%1”: that folder may be full, or the file larger than this system allows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The workbook library refused it: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The workbook is too large to write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough space on the disk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your disk quota is used up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file would grow larger than this system allows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have no permission to write there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk can only be read, not written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk reported an input/output error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel 97–2003 workbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel workbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenDocument spreadsheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” already exists. Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user guide could not be opened. Open this file in a web browser:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the matrix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be made into a PNG.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reader stopped on signal %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reader ended with exit code %1 and no result.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reader %1 cannot be started: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reader sent more than %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reader took longer than %1 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reader sent something other than a result.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reader sent damaged cells.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system would not let the reader shut itself off from everything but the workbook, so it did not read it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a link another user made in a shared folder; it is not followed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no such file (any more): it may have been moved, renamed or deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading “%1”…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names in the %1 list cut to %3 characters: rows %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The workbook is damaged (part of it lies outside the file).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The workbook is damaged (one of its streams is cut short).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The workbook is damaged (its sectors run in a loop).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The workbook is damaged (its directory is broken).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The workbook is damaged (its header is broken).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is cut short or cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file does not exist or cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough memory to read it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not an Excel 97–2003 workbook (.xls).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds no workbook.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The workbook has no worksheet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its text is in a character set that cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The workbook is damaged (error %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The workbook is damaged or too large to read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is protected by a password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The command ended with an unknown error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Colour...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Member %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of members</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hit %1 → %2 (member %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hit %1 → member %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every prize is revealed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build the ladder first: there is nothing to reveal yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvan stage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stage settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One path takes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause between paths in Reveal all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reduced motion: paths appear at once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide the prizes until they are revealed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is damaged or cut short: it is not a whole zip archive, as an .xlsx or .ods workbook is (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The workbook has no part “%1”: it is damaged, or not a workbook of this kind.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its part “%1” unpacks to more than %2 MB, far more than any list needs (it may be a zip bomb).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its part “%1” cannot be unpacked: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its part “%1” stops before its end: the file is damaged or cut short.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its part “%1” is damaged: line %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its part “%1” declares XML entities of its own, which no workbook does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A cell refers to shared text number %1, but the workbook&apos;s table of texts holds only %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell %1 holds the formula %2 without its result, and Quorvan cannot work that formula out. Open the file in a spreadsheet program (LibreOffice Calc, Excel) and save it again there, so that the results of its formulas are stored with them, or paste the column as values.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 workbook: its first sheet “%2” is hidden; the list was read from it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 workbook: no names in column A; column %2 holds %3 (only column A is read)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 workbook: no names on the first sheet; sheet “%2” holds %3 (only the first sheet is read)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uneven draw: member %1 wins %2 % of the time, fair is %3 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw again fairly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fair draw is on from the next Build.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The results of this lottery have not been saved. Save them before starting a new lottery?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The results of this lottery have not been saved. Save them before quitting?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvan was not closed normally. Restore the lottery of %1 members as it was at %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot keep the lottery safe against a crash in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot restore the lottery kept as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is damaged, or was saved by another version of Quorvan; it stays there for you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winners</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as text…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as workbook…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No prize has been drawn yet: build the ladder first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, winners only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hit lines that give a count: %1, such as “%2” (%3 × “%4”).
Count each as that many hits?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” counted as %2 hits “%3”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out %1 earlier winners: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None of the winners in “%1” is in the member list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It holds no results of a draw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read “%1”:
earlier winners are read from text results (.txt) and draw records (.qdraw).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earlier winners are left out before Build: press RESET first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 prize: %2 → %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>member %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep prizes&apos; red paths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How should “%1” be read?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first row looks like a heading: “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column A holds numbers or codes; column %1 holds names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list stops at the empty cell in row %1; below it: %2 more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries in column:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first row is a heading (not read)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read on past empty cells</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Place</name>
    <message>
        <source>%1st</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1th</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>The system&apos;s cryptographic random source could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetUp</name>
    <message>
        <source>Member and Hit are input and the Vessapo_button is pushed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SourceValuesDialog</name>
    <message>
        <source>Draw from the announcement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type each randomness source&apos;s value of “%1” exactly as it was made known.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty when never revealed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s commitment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s secret:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 rolls (1 to 6), in order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpreadsheetResult</name>
    <message>
        <source>VessapoResult.XLS</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextResult</name>
    <message>
        <source>VessapoResult.TXT</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Please press the set execution button after specifying a set number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User guide</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowDesign</name>
    <message>
        <source>Result output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Execution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*- Vessapo -*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RESET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Member</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cross Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>［HIT-ALL］</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
