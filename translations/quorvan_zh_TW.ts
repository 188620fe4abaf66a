<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AnnounceForm</name>
    <message>
        <source>Announce draw</source>
        <translation>公告抽籤</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>標題：</translation>
    </message>
    <message>
        <source>Organiser:</source>
        <translation>主辦者：</translation>
    </message>
    <message>
        <source>Draw with values fixed after:</source>
        <translation>使用此時間之後確定的值抽籤：</translation>
    </message>
    <message>
        <source>A published value (a lottery result, a beacon pulse, a closing index)</source>
        <translation>公開值（彩券開獎號碼、隨機信標脈衝、收盤指數）</translation>
    </message>
    <message>
        <source>e.g. the first prize&apos;s number, digits only, left to right</source>
        <translation>例如：頭獎號碼，只寫數字，從左到右</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名稱：</translation>
    </message>
    <message>
        <source>How its value is written:</source>
        <translation>值的寫法：</translation>
    </message>
    <message>
        <source>Dice rolled in public</source>
        <translation>公開擲骰子</translation>
    </message>
    <message>
        <source>Rolls:</source>
        <translation>次數：</translation>
    </message>
    <message>
        <source>Participants&apos; secrets (committed first, revealed later)</source>
        <translation>參與者的秘密（先提交承諾，後公開）</translation>
    </message>
    <message>
        <source>one name a line</source>
        <translation>每行一個名字</translation>
    </message>
    <message>
        <source>Participants:</source>
        <translation>參與者：</translation>
    </message>
    <message>
        <source>Commitments in by:</source>
        <translation>承諾截止時間：</translation>
    </message>
    <message>
        <source>Choose at least one value the organiser cannot steer. Once announced, the lists stay fixed until the draw.</source>
        <translation>請至少選擇一個主辦者無法操控的值。公告後，名單在抽籤前保持固定。</translation>
    </message>
    <message>
        <source>Announce…</source>
        <translation>公告…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>骰子</translation>
    </message>
    <message>
        <source>Participants</source>
        <translation>參與者</translation>
    </message>
</context>
<context>
    <name>AnnounceTexts</name>
    <message>
        <source>Cannot open the announcement</source>
        <translation>無法開啟公告</translation>
    </message>
    <message>
        <source>Cannot save the announcement</source>
        <translation>無法儲存公告</translation>
    </message>
    <message>
        <source>The announcement is damaged: the entry “%1” should be %2.</source>
        <translation>公告已損壞：項目「%1」應為%2。</translation>
    </message>
    <message>
        <source>The announcement is damaged: an announcement has no entry “%1”.</source>
        <translation>公告已損壞：公告中不應有項目「%1」。</translation>
    </message>
    <message>
        <source>It is not a Quorvan announcement.</source>
        <translation>這不是 Quorvan 公告。</translation>
    </message>
    <message>
        <source>It is an announcement of format version %1; this Quorvan reads versions up to %2.</source>
        <translation>這是格式版本 %1 的公告；此 Quorvan 只能讀取 %2 以下的版本。</translation>
    </message>
    <message>
        <source>It is not written byte for byte in its canonical form, so its digest is not the one that was announced: an announcement is read only as Quorvan wrote it.</source>
        <translation>它並未逐位元組依標準形式寫成，因此其摘要與公告時的不同：公告只能依 Quorvan 寫出的原樣讀取。</translation>
    </message>
    <message>
        <source>It names no randomness source outside the organiser&apos;s control: at least one public value or participants&apos; commitments are needed.</source>
        <translation>未指定任何主辦者無法操控的隨機來源：至少需要一個公開值或參與者的承諾。</translation>
    </message>
    <message>
        <source>The time after which the randomness is fixed (drawAfter) is earlier than the time of announcing.</source>
        <translation>隨機值確定的時間（drawAfter）早於公告時間。</translation>
    </message>
    <message>
        <source>The participants of “%1” commit after the randomness is fixed (commitBy is later than drawAfter).</source>
        <translation>「%1」的參與者在隨機值確定之後才提交承諾（commitBy 晚於 drawAfter）。</translation>
    </message>
    <message>
        <source>The name “%1” stands twice where each must be one of a kind.</source>
        <translation>名稱「%1」在不允許重複的地方出現了兩次。</translation>
    </message>
    <message>
        <source>The value of “%1”, “%2”, is not its dice as announced: one digit 1 to 6 for each die.</source>
        <translation>「%1」的值「%2」不符合公告的骰子：每顆骰子應為一位 1 到 6 的數字。</translation>
    </message>
    <message>
        <source>The value of “%1”, “%2”, is not written by the rule: a text of 1 to 200 characters in NFC, without control characters or blanks at either end.</source>
        <translation>「%1」的值「%2」不符合書寫規則：應為 1 到 200 個字元的 NFC 文字，不含控制字元，首尾無空白。</translation>
    </message>
    <message>
        <source>The secret revealed by “%1” of “%2” does not match the commitment.</source>
        <translation>「%2」的「%1」公開的秘密與其承諾不符。</translation>
    </message>
    <message>
        <source>The lists are not the announcement&apos;s.</source>
        <translation>名單與公告中的不同。</translation>
    </message>
    <message>
        <source>The announcement&apos;s digest A is not the one given.</source>
        <translation>公告的摘要 A 與給定的值不同。</translation>
    </message>
    <message>
        <source>The %1 recorded is not the one the announcement and the values give.</source>
        <translation>紀錄的%1與由公告和各值得出的不同。</translation>
    </message>
    <message>
        <source>Announcement digest A: %1 (short code %2)</source>
        <translation>公告摘要 A：%1（短碼 %2）</translation>
    </message>
    <message>
        <source>No A was given (--announcement HEX): compare the A above with the one that was published.</source>
        <translation>未給出 A（--announcement HEX）：請將上面的 A 與已公布的 A 比對。</translation>
    </message>
    <message>
        <source>Not verified: this record is not the draw the announcement and the values give.</source>
        <translation>未通過驗證：此紀錄不是由公告和各值得出的抽籤。</translation>
    </message>
    <message>
        <source>Verified: this outcome is the one the announcement and the values allow. Proved: the announcement with digest A fixed the lists, rows, Cross Lines and sources; every value follows its rule and every reveal its commitment; the hits&apos; order, the seed, the ladder and the results follow from them alone. Resting on people: that A was published before drawAfter (and before any commitment), that the typed public values and dice are the real ones, and that no other announcement of this draw was made.</source>
        <translation>已驗證：此結果正是公告和各值所允許的結果。已證明：摘要為 A 的公告確定了名單、列數、Cross Lines 和隨機來源；每個值都符合其規則，每個公開的秘密都與其承諾相符；獎項順序、種子、鬼腳圖和結果都只由這些得出。有賴於人的部分：A 是否在 drawAfter 之前（且在任何承諾之前）公布，輸入的公開值和骰子是否真實，以及此次抽籤是否沒有其他公告。</translation>
    </message>
    <message>
        <source>Left out, never revealed: %1.</source>
        <translation>因未公開秘密而排除：%1。</translation>
    </message>
    <message>
        <source>key K</source>
        <translation>金鑰 K</translation>
    </message>
    <message>
        <source>hits&apos; order</source>
        <translation>獎項順序</translation>
    </message>
    <message>
        <source>seed</source>
        <translation>種子</translation>
    </message>
    <message>
        <source>a text that is not empty, in NFC</source>
        <translation>非空的 NFC 文字</translation>
    </message>
    <message>
        <source>32 lower-case hexadecimal digits</source>
        <translation>32 位小寫十六進位數字</translation>
    </message>
</context>
<context>
    <name>AnnouncedDrawing</name>
    <message>
        <source>No announcement is open: use Announce draw… first.</source>
        <translation>沒有開啟的公告：請先使用「公告抽籤…」。</translation>
    </message>
    <message>
        <source>The announcement draws with values fixed after %1; it is now %2. Draw all the same?</source>
        <translation>公告規定的值在 %1 之後才確定，現在是 %2。仍要抽籤嗎？</translation>
    </message>
</context>
<context>
    <name>AnnouncementDialog</name>
    <message>
        <source>Draw announced</source>
        <translation>已公告的抽籤</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>標題：</translation>
    </message>
    <message>
        <source>Organiser:</source>
        <translation>主辦者：</translation>
    </message>
    <message>
        <source>Drawn with values fixed after:</source>
        <translation>使用此時間之後的值抽籤：</translation>
    </message>
    <message>
        <source>Digest A:</source>
        <translation>摘要 A：</translation>
    </message>
    <message>
        <source>Short code to read aloud:</source>
        <translation>供朗讀的短碼：</translation>
    </message>
    <message>
        <source>Publish this A before the draw (a notice, an e-mail, the QR code): whoever checks the record compares it with this A. The lists stay fixed until the draw is made or the announcement is closed.</source>
        <translation>請在抽籤前公布此 A（布告欄、電子郵件、QR 碼）：驗證紀錄的人會將其與此 A 比對。在抽籤或關閉公告之前，名單保持固定。</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>檔案：%1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>列印…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>Announcing</name>
    <message>
        <source>Draw announcements</source>
        <translation>抽籤公告</translation>
    </message>
    <message>
        <source>The announcement “%1” holds the lists fixed: draw from it or close it first.</source>
        <translation>公告「%1」已固定名單：請先抽籤或關閉該公告。</translation>
    </message>
    <message>
        <source>Set up the rows and fill in every member and hit first.</source>
        <translation>請先設定列數，並填寫所有成員和獎項。</translation>
    </message>
    <message>
        <source>announcement</source>
        <translation>公告</translation>
    </message>
    <message>
        <source>Announcement.%1</source>
        <translation>公告.%1</translation>
    </message>
    <message>
        <source>Close the announcement “%1” without drawing? The A you published will have no draw.</source>
        <translation>不抽籤就關閉公告「%1」嗎？您公布的 A 將不會有對應的抽籤。</translation>
    </message>
</context>
<context>
    <name>Build</name>
    <message>
        <source>*- completion -*  Mouse click in &quot;Hit&quot;</source>
        <translation>■→→→完成！■用滑鼠點選獎項，即可沿鬼腳圖追溯到成員。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Ladder lottery (ghost leg): draws a random ladder between members and hits.</source>
        <translation>鬼腳圖抽籤：在成員與獎項之間隨機畫出鬼腳圖。</translation>
    </message>
    <message>
        <source>Checks the draw record FILE without a window: status 0 when its ladder gives its results, 1 when not or when it was altered, 2 when it cannot be read.</source>
        <translation>不開啟視窗，驗證抽籤紀錄 FILE：鬼腳圖得出紀錄的結果時狀態為 0，結果不符或紀錄遭到修改時為 1，無法讀取時為 2。</translation>
    </message>
    <message>
        <source>With --verify: the announcement&apos;s digest A as published (64 hexadecimal digits), compared with the one the record holds.</source>
        <translation>與 --verify 一起使用：已公布的公告摘要 A（64 位十六進位數），與紀錄中的摘要比對。</translation>
    </message>
    <message>
        <source>A draw record (.qdraw) to open in the window, as File &gt; Open draw does.</source>
        <translation>要在視窗中開啟的抽籤紀錄（.qdraw），與「檔案 ▸ 開啟抽籤紀錄」相同。</translation>
    </message>
    <message>
        <source>usage: quorvan [FILE] | --verify FILE [--announcement HEX] | --help | --version</source>
        <translation>用法：quorvan [FILE] | --verify FILE [--announcement HEX] | --help | --version</translation>
    </message>
    <message>
        <source>The window cannot start: %1</source>
        <translation>無法啟動視窗：%1</translation>
    </message>
    <message>
        <source>The answer could not be written to standard output: %1</source>
        <translation>無法將結果寫到標準輸出：%1</translation>
    </message>
</context>
<context>
    <name>DrawRecords</name>
    <message>
        <source>Draw records</source>
        <translation>抽籤紀錄</translation>
    </message>
    <message>
        <source>Draw.%1</source>
        <translation>抽籤紀錄.%1</translation>
    </message>
</context>
<context>
    <name>DrawTexts</name>
    <message>
        <source>Cannot open the draw record</source>
        <translation>無法開啟抽籤紀錄</translation>
    </message>
    <message>
        <source>Cannot save the draw record</source>
        <translation>無法儲存抽籤紀錄</translation>
    </message>
    <message>
        <source>There is no draw to save yet: build the ladder first.</source>
        <translation>還沒有可儲存的抽籤：請先建立鬼腳圖。</translation>
    </message>
    <message>
        <source>Verified: same ladder, same results</source>
        <translation>已驗證：鬼腳圖相同，結果相同</translation>
    </message>
    <message>
        <source>Every shuffle by the program gives its recorded order from its seed. The record is consistent with itself; whether this was the first draw, or a fair one, cannot be told from this record.</source>
        <translation>程式的每次洗牌都能由其種子得出所記錄的順序。此紀錄本身一致；但這是否是第一次抽籤、是否公平，無法從此紀錄得知。</translation>
    </message>
    <message>
        <source>Warning: Fair draw was off at the last Build, so no uniform shuffle was applied; unless the lists were shuffled, the ladder alone favours the members near each hit&apos;s own line.</source>
        <translation>警告：上次建立時公平抽籤處於關閉狀態，因此未進行均勻洗牌；除非名單已洗牌，否則僅憑鬼腳圖會偏向靠近各獎項所在列的成員。</translation>
    </message>
    <message>
        <source>The shuffle “%1” is not the order the program&apos;s generator gives from its seed %2.</source>
        <translation>洗牌「%1」不是程式的亂數產生器由種子 %2 得出的順序。</translation>
    </message>
    <message>
        <source>Not verified: the record differs from its ladder.</source>
        <translation>未通過驗證：紀錄與其鬼腳圖不符。</translation>
    </message>
    <message>
        <source>The ladder made again from seed %1 is not the ladder recorded.</source>
        <translation>由種子 %1 重新建立的鬼腳圖與紀錄的鬼腳圖不同。</translation>
    </message>
    <message>
        <source>Hit %1 “%2”: the record says member %3 “%4”, the ladder gives member %5 “%6”.</source>
        <translation>獎項 %1「%2」：紀錄為成員 %3「%4」，鬼腳圖得出的是成員 %5「%6」。</translation>
    </message>
    <message>
        <source>Its content does not match its SHA-256 digest: the record has been altered since it was saved.</source>
        <translation>內容與其 SHA-256 摘要不符：紀錄在儲存後已遭修改。</translation>
    </message>
    <message>
        <source>It is not a Quorvan draw record.</source>
        <translation>這不是 Quorvan 抽籤紀錄。</translation>
    </message>
    <message>
        <source>It is not a Quorvan draw record (it is not JSON text: %1 at byte %2).</source>
        <translation>這不是 Quorvan 抽籤紀錄（不是 JSON 文字：%1，位於第 %2 位元組）。</translation>
    </message>
    <message>
        <source>It is a draw record of format version %1; this Quorvan reads versions up to %2.</source>
        <translation>這是格式版本 %1 的抽籤紀錄；此 Quorvan 只能讀取 %2 以下的版本。</translation>
    </message>
    <message>
        <source>It is larger than %1 bytes, too large for a draw record.</source>
        <translation>超過 %1 位元組，作為抽籤紀錄過大。</translation>
    </message>
    <message>
        <source>The record is damaged: the entry “%1” should be %2.</source>
        <translation>紀錄已損壞：項目「%1」應為%2。</translation>
    </message>
    <message>
        <source>The record is damaged: a draw record has no entry “%1”.</source>
        <translation>紀錄已損壞：抽籤紀錄中不應有項目「%1」。</translation>
    </message>
    <message>
        <source>The record is damaged: its last Build in the history does not match its rows, Cross Lines, fair draw and seed.</source>
        <translation>紀錄已損壞：歷程中最後一次建立與紀錄的列數、Cross Lines、公平抽籤和種子不符。</translation>
    </message>
    <message>
        <source>It begins with a byte order mark, which a draw record never has.</source>
        <translation>檔案以位元組順序標記（BOM）開頭，而抽籤紀錄從不帶 BOM。</translation>
    </message>
    <message>
        <source>A control character stands unescaped in a text at byte %1.</source>
        <translation>第 %1 位元組處的文字中有未跳脫的控制字元。</translation>
    </message>
    <message>
        <source>The escape at byte %1 is one half of a surrogate pair without the other: it is no character.</source>
        <translation>第 %1 位元組處的跳脫序列只是代理對的一半，缺少另一半：它不是字元。</translation>
    </message>
    <message>
        <source>The key “%1” appears twice in one object (byte %2).</source>
        <translation>鍵「%1」在同一物件中出現了兩次（第 %2 位元組）。</translation>
    </message>
    <message>
        <source>The number %1 at byte %2 is not written as whole numbers are: digits only, as 12.</source>
        <translation>第 %2 位元組處的數值 %1 未依整數的寫法書寫：應只含數字，如 12。</translation>
    </message>
    <message>
        <source>The record cannot have been saved by Quorvan: the fair Build “%1” does not follow straight after the fair shuffle of the hits.</source>
        <translation>此紀錄不可能由 Quorvan 儲存：公平建立「%1」之前沒有緊接著獎項的公平洗牌。</translation>
    </message>
    <message>
        <source>The record cannot have been saved by Quorvan: the fair shuffle “%1” is not followed straight away by a fair Build.</source>
        <translation>此紀錄不可能由 Quorvan 儲存：公平洗牌「%1」之後沒有緊接著公平建立。</translation>
    </message>
    <message>
        <source>The record cannot have been saved by Quorvan: “%1” comes after the last Build, where Set-up and Shuffle are withdrawn until the hits are loaded again.</source>
        <translation>此紀錄不可能由 Quorvan 儲存：「%1」位於最後一次建立之後，而此後在重新讀取獎項之前無法設定和洗牌。</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>%1 到 %2 之間的整數</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true 或 false</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>a text of at most %1 characters</source>
        <translation>最多 %1 個字元的文字</translation>
    </message>
    <message>
        <source>a text in Unicode&apos;s composed form (NFC)</source>
        <translation>Unicode 組合形式（NFC）的文字</translation>
    </message>
    <message>
        <source>a list of %1 entries</source>
        <translation>含 %1 個元素的清單</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>清單</translation>
    </message>
    <message>
        <source>a JSON object</source>
        <translation>JSON 物件</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>%1 之一</translation>
    </message>
    <message>
        <source>each row number from 1 to the row count once</source>
        <translation>從 1 到列數的所有列號，每個只出現一次</translation>
    </message>
    <message>
        <source>64 lower-case hexadecimal digits</source>
        <translation>64 位小寫十六進位數字</translation>
    </message>
    <message>
        <source>an ISO 8601 date and time with its offset from UTC</source>
        <translation>帶 UTC 時差的 ISO 8601 日期時間</translation>
    </message>
    <message numerus="yes">
        <source>And %n more differences.</source>
        <translation>
            <numerusform>另有 %n 處差異。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EarlierWinners</name>
    <message>
        <source>, </source>
        <comment>between names</comment>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>FairnessDialog</name>
    <message>
        <source>Fairness</source>
        <translation>公平性</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>執行</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Rows:</source>
        <translation>列數：</translation>
    </message>
    <message>
        <source>How often each hit (row) lands on each member (column); white is the fair 1/n.</source>
        <translation>各獎項（列）落到各成員（欄）的頻率；白色表示公平的 1/n。</translation>
    </message>
    <message>
        <source>The program&apos;s ladder</source>
        <translation>本程式的鬼腳圖</translation>
    </message>
    <message>
        <source>After a uniform shuffle of the hits</source>
        <translation>獎項均勻洗牌後</translation>
    </message>
    <message>
        <source>never</source>
        <translation>從未</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>儲存圖片…</translation>
    </message>
    <message>
        <source>Save matrix…</source>
        <translation>儲存表格…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>%1 rows, Cross Lines %2, %3 ladders</source>
        <translation>%1 列，Cross Lines %2，鬼腳圖 %3 張</translation>
    </message>
    <message>
        <source>on</source>
        <translation>開</translation>
    </message>
    <message>
        <source>off</source>
        <translation>關</translation>
    </message>
    <message>
        <source>Most likely: hit %1 → member %2, %3, %5× ± %6 the fair %4 (chance alone gives about %7×)</source>
        <translation>最常見：獎項 %1 → 成員 %2，%3（為公平值 %4 的 %5 倍 ± %6；僅憑偶然也會達到約 %7 倍）</translation>
    </message>
    <message>
        <source>Pairs never seen in %1 ladders: %2</source>
        <translation>在 %1 張鬼腳圖中從未出現的組合：%2</translation>
    </message>
    <message>
        <source>Typical distance moved (median): %1 lines (%2 to %3; about %4 in a fair draw)</source>
        <translation>移動列數的中位數：%1 列（%2 至 %3；公平時約 %4）</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>PNG 圖片</translation>
    </message>
    <message>
        <source>The program&apos;s ladder (CSV)</source>
        <translation>本程式的鬼腳圖（CSV）</translation>
    </message>
    <message>
        <source>After a uniform shuffle (CSV)</source>
        <translation>均勻洗牌後（CSV）</translation>
    </message>
</context>
<context>
    <name>ListCheckReport</name>
    <message>
        <source>The list check found nothing.</source>
        <translation>名單檢查未發現問題。</translation>
    </message>
</context>
<context>
    <name>ListChecks</name>
    <message>
        <source>hit</source>
        <translation>獎項</translation>
    </message>
    <message>
        <source>member</source>
        <translation>成員</translation>
    </message>
    <message>
        <source>The %1 file has bytes that are no text in lines %2; they show as “�”</source>
        <translation>%1名單檔案第 %2 行含有不是文字的位元組，顯示為「�」</translation>
    </message>
    <message>
        <source>The %1 file has a CR without LF in lines %2; it was left out</source>
        <translation>%1名單檔案第 %2 行有不帶 LF 的 CR，已將其移除</translation>
    </message>
    <message>
        <source>The %1 file&apos;s lines hold tabs: only the first column was read</source>
        <translation>%1名單檔案的各行含有定位字元：只讀取了第一欄</translation>
    </message>
    <message numerus="yes">
        <source>The %1 list stops at the empty cell in row %2; %n names follow below it</source>
        <translation>
            <numerusform>%1名單在第 %2 列的空儲存格處結束；其下還有 %n 個名稱</numerusform>
        </translation>
    </message>
    <message>
        <source>Hit</source>
        <translation>獎項</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>成員</translation>
    </message>
    <message>
        <source>“%1” appears %2 times in the %3 (rows %4)</source>
        <translation>「%1」在%3名單中出現 %2 次（第 %4 列）</translation>
    </message>
    <message>
        <source>hits</source>
        <translation>獎項</translation>
    </message>
    <message>
        <source>members</source>
        <translation>成員</translation>
    </message>
    <message>
        <source>Row %1 of the %2 is empty</source>
        <translation>%2名單第 %1 列為空白</translation>
    </message>
    <message>
        <source>Rows %1–%2 of the %3 are empty</source>
        <translation>%3名單第 %1–%2 列為空白</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <translation>%1，%2</translation>
    </message>
    <message numerus="yes">
        <source>%n hits</source>
        <translation>
            <numerusform>%n 個獎項</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n members</source>
        <translation>
            <numerusform>%n 名成員</numerusform>
        </translation>
    </message>
    <message>
        <source>List check: </source>
        <translation>名單檢查：</translation>
    </message>
    <message>
        <source>; </source>
        <translation>；</translation>
    </message>
    <message>
        <source>; %1 more</source>
        <translation>；另有 %1 項</translation>
    </message>
</context>
<context>
    <name>LoadedDocuments</name>
    <message>
        <source>The program cannot load its part %1: %2</source>
        <translation>無法載入程式的組成部分 %1：%2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Fair draw</source>
        <translation>公平抽籤</translation>
    </message>
    <message>
        <source>Findings…</source>
        <translation>檢查結果…</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Member</source>
        <translation>成員(&amp;M)</translation>
    </message>
    <message>
        <source>Hi&amp;t</source>
        <translation>獎項(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Ladder</source>
        <translation>鬼腳圖(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>檢視(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>Open draw…</source>
        <translation>開啟抽籤紀錄…</translation>
    </message>
    <message>
        <source>Save draw…</source>
        <translation>儲存抽籤紀錄…</translation>
    </message>
    <message>
        <source>Announce draw…</source>
        <translation>公告抽籤…</translation>
    </message>
    <message>
        <source>Draw from announcement…</source>
        <translation>依公告抽籤…</translation>
    </message>
    <message>
        <source>Close announcement</source>
        <translation>關閉公告</translation>
    </message>
    <message>
        <source>List check…</source>
        <translation>名單檢查…</translation>
    </message>
    <message>
        <source>Fairness…</source>
        <translation>公平性…</translation>
    </message>
    <message>
        <source>Leave out earlier winners…</source>
        <translation>排除上次中獎者…</translation>
    </message>
    <message>
        <source>Winners…</source>
        <translation>中獎者…</translation>
    </message>
    <message>
        <source>About Quorvan</source>
        <translation>關於 Quorvan</translation>
    </message>
    <message>
        <source>Stage</source>
        <translation>舞台</translation>
    </message>
    <message>
        <source>Reveal next prize</source>
        <translation>揭曉下一個獎品</translation>
    </message>
    <message>
        <source>Back one reveal</source>
        <translation>撤回上一次揭曉</translation>
    </message>
    <message>
        <source>Reveal all</source>
        <translation>揭曉全部剩餘獎品</translation>
    </message>
    <message>
        <source>Skip to the end of the path</source>
        <translation>跳到路徑終點</translation>
    </message>
    <message>
        <source>Stage overview</source>
        <translation>舞台全景</translation>
    </message>
    <message>
        <source>Blank the stage</source>
        <translation>舞台畫面轉暗</translation>
    </message>
    <message>
        <source>Stage settings…</source>
        <translation>舞台設定…</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Quorvan V%1&lt;/h3&gt;&lt;p&gt;A ladder lottery (ghost leg).&lt;/p&gt;&lt;p&gt;Licence: MIT&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Quorvan V%1&lt;/h3&gt;&lt;p&gt;鬼腳圖抽籤&lt;/p&gt;&lt;p&gt;授權條款：MIT&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Cannot read the list file</source>
        <translation>無法讀取名單檔案</translation>
    </message>
    <message>
        <source>Cannot read the workbook</source>
        <translation>無法讀取活頁簿</translation>
    </message>
    <message>
        <source>Cannot write the result file</source>
        <translation>無法寫入結果檔案</translation>
    </message>
    <message>
        <source>Cannot save the workbook</source>
        <translation>無法儲存活頁簿</translation>
    </message>
    <message>
        <source>%1 “%2”:
%3</source>
        <translation>%1：「%2」
%3</translation>
    </message>
    <message>
        <source>Cannot read “%1”:
lists are read from text files (.txt), CSV files (.csv), Excel workbooks (.xls, .xlsx) and OpenDocument spreadsheets (.ods).</source>
        <translation>無法讀取「%1」：
名單可從文字檔（.txt）、CSV 檔（.csv）、Excel 活頁簿（.xls、.xlsx）和 OpenDocument 試算表（.ods）讀取。</translation>
    </message>
    <message>
        <source>It is too large to be a list: its first %1 MB hold fewer than %2 lines.</source>
        <translation>作為名單過大：前 %1 MB 中不足 %2 行。</translation>
    </message>
    <message>
        <source>It holds binary data (NUL bytes), not a list of names.</source>
        <translation>它包含二進位資料（NUL 位元組），不是名單。</translation>
    </message>
    <message>
        <source>Its bytes are in no encoding a list is read in (UTF-8, UTF-16, Shift_JIS, EUC-JP, EUC-KR, GB18030, Big5, Windows-1251 or Windows-1252). Save it as UTF-8 text or CSV and load it again.</source>
        <translation>其位元組不屬於任何可讀取名單的編碼（UTF-8、UTF-16、Shift_JIS、EUC-JP、EUC-KR、GB18030、Big5、Windows-1251 或 Windows-1252）。請將其另存為 UTF-8 文字或 CSV 後重新讀取。</translation>
    </message>
    <message>
        <source>This is an HTML table (a web page), not a workbook: open it in a spreadsheet program and save it as .xlsx or .csv.</source>
        <translation>這是 HTML 表格（網頁），不是活頁簿：請在試算表程式中開啟，並另存為 .xlsx 或 .csv。</translation>
    </message>
    <message>
        <source>This is an Excel 2003 XML spreadsheet: open it in a spreadsheet program and save it as .xlsx or .csv.</source>
        <translation>這是 Excel 2003 XML 試算表：請在試算表程式中開啟，並另存為 .xlsx 或 .csv。</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>這是資料夾，不是檔案。</translation>
    </message>
    <message>
        <source>It is a pipe, not a file.</source>
        <translation>這是管線，不是檔案。</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>這是裝置，不是檔案。</translation>
    </message>
    <message>
        <source>It is not an ordinary file.</source>
        <translation>這不是一般檔案。</translation>
    </message>
    <message>
        <source>It is not an ordinary file (it is a device, a pipe or the like), so nothing is written to it.</source>
        <translation>這不是一般檔案（而是裝置、管線之類），因此不會寫入任何內容。</translation>
    </message>
    <message>
        <source>It is a symbolic link that leads round in a circle.</source>
        <translation>這是循環的符號連結。</translation>
    </message>
    <message>
        <source>An Excel result is saved as an Excel 97–2003 workbook (.xls), an Excel workbook (.xlsx), an OpenDocument spreadsheet (.ods) or CSV (.csv). Choose a name ending in one of them, or a name without an ending.</source>
        <translation>Excel 結果儲存為 Excel 97–2003 活頁簿（.xls）、Excel 活頁簿（.xlsx）、OpenDocument 試算表（.ods）或 CSV（.csv）。請選擇以其中一種副檔名結尾的名稱，或不帶副檔名的名稱。</translation>
    </message>
    <message>
        <source>There is not enough memory to make it.</source>
        <translation>記憶體不足，無法建立。</translation>
    </message>
    <message>
        <source>A cell holds more than 32,767 characters.</source>
        <translation>有儲存格超過 32,767 個字元。</translation>
    </message>
    <message>
        <source>It could not be put together in the temporary folder “%1”: that folder may be full, or the file larger than this system allows.</source>
        <translation>無法在暫存資料夾「%1」中組合：該資料夾可能已滿，或檔案超過了本系統允許的大小。</translation>
    </message>
    <message>
        <source>The workbook library refused it: %1</source>
        <translation>活頁簿程式庫拒絕了它：%1</translation>
    </message>
    <message>
        <source>The workbook is too large to write</source>
        <translation>活頁簿過大，無法寫入</translation>
    </message>
    <message>
        <source>There is not enough space on the disk.</source>
        <translation>磁碟空間不足。</translation>
    </message>
    <message>
        <source>Your disk quota is used up.</source>
        <translation>您的磁碟配額已用完。</translation>
    </message>
    <message>
        <source>The file would grow larger than this system allows.</source>
        <translation>檔案將超過本系統允許的大小。</translation>
    </message>
    <message>
        <source>You have no permission to write there.</source>
        <translation>您沒有寫入該位置的權限。</translation>
    </message>
    <message>
        <source>The disk can only be read, not written.</source>
        <translation>磁碟為唯讀，無法寫入。</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>資料夾不存在。</translation>
    </message>
    <message>
        <source>The disk reported an input/output error.</source>
        <translation>磁碟回報了輸入/輸出錯誤。</translation>
    </message>
    <message>
        <source>Excel 97–2003 workbook</source>
        <translation>Excel 97–2003 活頁簿</translation>
    </message>
    <message>
        <source>Excel workbook</source>
        <translation>Excel 活頁簿</translation>
    </message>
    <message>
        <source>OpenDocument spreadsheet</source>
        <translation>OpenDocument 試算表</translation>
    </message>
    <message>
        <source>CSV file</source>
        <translation>CSV 檔案</translation>
    </message>
    <message>
        <source>“%1” already exists. Replace it?</source>
        <translation>「%1」已存在。要取代它嗎？</translation>
    </message>
    <message>
        <source>The user guide could not be opened. Open this file in a web browser:
%1</source>
        <translation>無法開啟使用者指南。請在網頁瀏覽器中開啟此檔案：
%1</translation>
    </message>
    <message>
        <source>Cannot save the picture</source>
        <translation>無法儲存圖片</translation>
    </message>
    <message>
        <source>Cannot save the matrix</source>
        <translation>無法儲存表格</translation>
    </message>
    <message>
        <source>The picture could not be made into a PNG.</source>
        <translation>無法將圖片轉換為 PNG。</translation>
    </message>
    <message>
        <source>The reader stopped on signal %1 (%2).</source>
        <translation>讀取程式因訊號 %1（%2）而停止。</translation>
    </message>
    <message>
        <source>The reader ended with exit code %1 and no result.</source>
        <translation>讀取程式未傳回結果就結束了（結束代碼 %1）。</translation>
    </message>
    <message>
        <source>The reader %1 cannot be started: %2.</source>
        <translation>無法啟動讀取程式 %1：%2。</translation>
    </message>
    <message>
        <source>The reader sent more than %1.</source>
        <translation>讀取程式傳送的資料超過了 %1。</translation>
    </message>
    <message>
        <source>The reader took longer than %1 seconds.</source>
        <translation>讀取程式在 %1 秒內未完成。</translation>
    </message>
    <message>
        <source>The reader sent something other than a result.</source>
        <translation>讀取程式傳送了結果以外的內容。</translation>
    </message>
    <message>
        <source>The reader sent damaged cells.</source>
        <translation>讀取程式傳送了損壞的儲存格。</translation>
    </message>
    <message>
        <source>The system would not let the reader shut itself off from everything but the workbook, so it did not read it.</source>
        <translation>系統不允許讀取程式與活頁簿以外的一切隔離，因此未讀取。</translation>
    </message>
    <message>
        <source>Reading was cancelled.</source>
        <translation>已取消讀取。</translation>
    </message>
    <message>
        <source>It is a link another user made in a shared folder; it is not followed.</source>
        <translation>這是其他使用者在共用資料夾中建立的連結，不會跟隨它。</translation>
    </message>
    <message>
        <source>There is no such file (any more): it may have been moved, renamed or deleted.</source>
        <translation>該檔案不存在（或已不存在）：可能已被移動、重新命名或刪除。</translation>
    </message>
    <message>
        <source>Reading “%1”…</source>
        <translation>正在讀取「%1」…</translation>
    </message>
    <message>
        <source>Names in the %1 list cut to %3 characters: rows %2</source>
        <translation>%1名單中的名稱已截斷為 %3 個字元：第 %2 列</translation>
    </message>
    <message>
        <source>The workbook is damaged (part of it lies outside the file).</source>
        <translation>活頁簿已損壞（其中一部分位於檔案之外）。</translation>
    </message>
    <message>
        <source>The workbook is damaged (one of its streams is cut short).</source>
        <translation>活頁簿已損壞（其中一個串流被截斷）。</translation>
    </message>
    <message>
        <source>The workbook is damaged (its sectors run in a loop).</source>
        <translation>活頁簿已損壞（其磁區形成循環）。</translation>
    </message>
    <message>
        <source>The workbook is damaged (its directory is broken).</source>
        <translation>活頁簿已損壞（其目錄已損壞）。</translation>
    </message>
    <message>
        <source>The workbook is damaged (its header is broken).</source>
        <translation>活頁簿已損壞（其標頭已損壞）。</translation>
    </message>
    <message>
        <source>The file is cut short or cannot be read.</source>
        <translation>檔案被截斷或無法讀取。</translation>
    </message>
    <message>
        <source>The file does not exist or cannot be opened.</source>
        <translation>檔案不存在或無法開啟。</translation>
    </message>
    <message>
        <source>There is not enough memory to read it.</source>
        <translation>記憶體不足，無法讀取。</translation>
    </message>
    <message>
        <source>It is not an Excel 97–2003 workbook (.xls).</source>
        <translation>這不是 Excel 97–2003 活頁簿（.xls）。</translation>
    </message>
    <message>
        <source>The file holds no workbook.</source>
        <translation>檔案中沒有活頁簿。</translation>
    </message>
    <message>
        <source>The workbook has no worksheet.</source>
        <translation>活頁簿中沒有工作表。</translation>
    </message>
    <message>
        <source>Its text is in a character set that cannot be read.</source>
        <translation>其中有文字使用了無法讀取的字元集。</translation>
    </message>
    <message>
        <source>The workbook is damaged (error %1).</source>
        <translation>活頁簿已損壞（錯誤 %1）。</translation>
    </message>
    <message>
        <source>The workbook is damaged or too large to read.</source>
        <translation>活頁簿已損壞或過大，無法讀取。</translation>
    </message>
    <message>
        <source>It is protected by a password.</source>
        <translation>它受密碼保護。</translation>
    </message>
    <message>
        <source>The command ended with an unknown error.</source>
        <translation>命令因未知錯誤而結束。</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>命令因非預期的錯誤而結束：
%1</translation>
    </message>
    <message>
        <source>&amp;Colour...</source>
        <translation>顏色(&amp;C)...</translation>
    </message>
    <message>
        <source>Font colour</source>
        <translation>字型顏色</translation>
    </message>
    <message>
        <source>Member %1</source>
        <translation>成員 %1</translation>
    </message>
    <message>
        <source>Hit %1</source>
        <translation>獎項 %1</translation>
    </message>
    <message>
        <source>Result %1</source>
        <translation>結果 %1</translation>
    </message>
    <message>
        <source>Number of members</source>
        <translation>成員數</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>鬼腳圖</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>使用者指南</translation>
    </message>
    <message>
        <source>Hit %1 → %2 (member %3)</source>
        <translation>獎項 %1 → %2（成員 %3）</translation>
    </message>
    <message>
        <source>Hit %1 → member %2</source>
        <translation>獎項 %1 → 成員 %2</translation>
    </message>
    <message>
        <source>Every prize is revealed.</source>
        <translation>所有獎品均已揭曉。</translation>
    </message>
    <message>
        <source>Build the ladder first: there is nothing to reveal yet.</source>
        <translation>請先建立鬼腳圖：還沒有可揭曉的內容。</translation>
    </message>
    <message>
        <source>Quorvan stage</source>
        <translation>Quorvan 舞台</translation>
    </message>
    <message>
        <source>Stage settings</source>
        <translation>舞台設定</translation>
    </message>
    <message>
        <source>One path takes</source>
        <translation>每條路徑用時</translation>
    </message>
    <message>
        <source>Pause between paths in Reveal all</source>
        <translation>「揭曉全部剩餘獎品」時路徑之間的停頓</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主題</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>淺色</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>高對比</translation>
    </message>
    <message>
        <source>Reduced motion: paths appear at once</source>
        <translation>減少動態效果：立即顯示路徑</translation>
    </message>
    <message>
        <source>Hide the prizes until they are revealed</source>
        <translation>揭曉前隱藏獎品</translation>
    </message>
    <message>
        <source> s</source>
        <translation> 秒</translation>
    </message>
    <message>
        <source>The file is damaged or cut short: it is not a whole zip archive, as an .xlsx or .ods workbook is (%1).</source>
        <translation>檔案已損壞或被截斷：它不是 .xlsx 或 .ods 活頁簿那樣完整的 zip 壓縮檔（%1）。</translation>
    </message>
    <message>
        <source>The workbook has no part “%1”: it is damaged, or not a workbook of this kind.</source>
        <translation>活頁簿中沒有部件「%1」：它已損壞，或不是此類活頁簿。</translation>
    </message>
    <message>
        <source>Its part “%1” unpacks to more than %2 MB, far more than any list needs (it may be a zip bomb).</source>
        <translation>其部件「%1」解壓縮後超過 %2 MB，遠超任何名單所需（可能是 zip 炸彈）。</translation>
    </message>
    <message>
        <source>Its part “%1” cannot be unpacked: %2.</source>
        <translation>無法解壓縮其部件「%1」：%2。</translation>
    </message>
    <message>
        <source>Its part “%1” stops before its end: the file is damaged or cut short.</source>
        <translation>其部件「%1」在結尾前中斷：檔案已損壞或被截斷。</translation>
    </message>
    <message>
        <source>Its part “%1” is damaged: line %2: %3.</source>
        <translation>其部件「%1」已損壞：第 %2 行：%3。</translation>
    </message>
    <message>
        <source>Its part “%1” declares XML entities of its own, which no workbook does.</source>
        <translation>其部件「%1」宣告了自己的 XML 實體，而活頁簿從不這樣做。</translation>
    </message>
    <message>
        <source>A cell refers to shared text number %1, but the workbook&apos;s table of texts holds only %2.</source>
        <translation>有儲存格參照了第 %1 號共用文字，但活頁簿的文字表只有 %2 項。</translation>
    </message>
    <message>
        <source>Cell %1 holds the formula %2 without its result, and Quorvan cannot work that formula out. Open the file in a spreadsheet program (LibreOffice Calc, Excel) and save it again there, so that the results of its formulas are stored with them, or paste the column as values.</source>
        <translation>儲存格 %1 中的公式 %2 沒有儲存計算結果，Quorvan 無法計算該公式。請在試算表程式（LibreOffice Calc、Excel）中開啟檔案並重新儲存，使公式的結果一併儲存，或將該欄貼上為值。</translation>
    </message>
    <message>
        <source>%1 workbook: its first sheet “%2” is hidden; the list was read from it</source>
        <translation>%1活頁簿：第一個工作表「%2」是隱藏的；名單是從該表讀取的</translation>
    </message>
    <message>
        <source>%1 workbook: no names on the first sheet; sheet “%2” holds %3 (only the first sheet is read)</source>
        <translation>%1活頁簿：第一個工作表中沒有名稱；工作表「%2」中有 %3 個（只讀取第一個工作表）</translation>
    </message>
    <message>
        <source>Uneven draw: member %1 wins %2 % of the time, fair is %3 %</source>
        <translation>抽籤不均：成員 %1 的中獎機率為 %2%，公平應為 %3%</translation>
    </message>
    <message>
        <source>Draw again fairly</source>
        <translation>以公平抽籤重抽</translation>
    </message>
    <message>
        <source>Fair draw is on from the next Build.</source>
        <translation>從下次建立起啟用公平抽籤。</translation>
    </message>
    <message>
        <source>The results of this lottery have not been saved. Save them before starting a new lottery?</source>
        <translation>本次抽籤的結果尚未儲存。開始新的抽籤前要儲存嗎？</translation>
    </message>
    <message>
        <source>The results of this lottery have not been saved. Save them before quitting?</source>
        <translation>本次抽籤的結果尚未儲存。結束前要儲存嗎？</translation>
    </message>
    <message>
        <source>Quorvan was not closed normally. Restore the lottery of %1 members as it was at %2?</source>
        <translation>Quorvan 未正常關閉。要還原 %2 時的 %1 名成員的抽籤嗎？</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>還原</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>捨棄</translation>
    </message>
    <message>
        <source>Cannot keep the lottery safe against a crash in</source>
        <translation>無法在以下位置儲存抽籤以防當機</translation>
    </message>
    <message>
        <source>Cannot keep this setting for the next start in</source>
        <translation>無法為下次啟動儲存此設定</translation>
    </message>
    <message>
        <source>The settings could not be written there.</source>
        <translation>無法在那裡寫入設定。</translation>
    </message>
    <message>
        <source>Cannot restore the lottery kept as</source>
        <translation>無法還原保存在以下檔案中的抽籤</translation>
    </message>
    <message>
        <source>It is damaged, or was saved by another version of Quorvan; it stays there for you.</source>
        <translation>它已損壞，或由其他版本的 Quorvan 儲存；檔案仍保留在原處。</translation>
    </message>
    <message>
        <source>Winners</source>
        <translation>中獎者</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>獎品</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>中獎者</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>列印…</translation>
    </message>
    <message>
        <source>Save as text…</source>
        <translation>另存為文字檔…</translation>
    </message>
    <message>
        <source>Save as workbook…</source>
        <translation>另存為活頁簿…</translation>
    </message>
    <message>
        <source>No prize has been drawn yet: build the ladder first.</source>
        <translation>尚未抽出任何獎品：請先建立鬼腳圖。</translation>
    </message>
    <message>
        <source>%1, winners only</source>
        <translation>%1（僅中獎者）</translation>
    </message>
    <message>
        <source>“%1” counted as %2 hits “%3”</source>
        <translation>已將「%1」計為 %2 個獎項「%3」</translation>
    </message>
    <message>
        <source>Left out %1 earlier winners: %2</source>
        <translation>已排除 %1 名上次中獎者：%2</translation>
    </message>
    <message>
        <source>None of the winners in “%1” is in the member list.</source>
        <translation>「%1」中的中獎者都不在成員名單中。</translation>
    </message>
    <message>
        <source>It holds no results of a draw.</source>
        <translation>其中沒有抽籤結果。</translation>
    </message>
    <message>
        <source>Cannot read “%1”:
earlier winners are read from text results (.txt) and draw records (.qdraw).</source>
        <translation>無法讀取「%1」：
上次中獎者可從文字結果（.txt）和抽籤紀錄（.qdraw）讀取。</translation>
    </message>
    <message>
        <source>Earlier winners are left out before Build: press RESET first.</source>
        <translation>須在建立前排除上次中獎者：請先按 RESET。</translation>
    </message>
    <message>
        <source>%1 prize: %2 → %3</source>
        <translation>%1等獎：%2 → %3</translation>
    </message>
    <message>
        <source>member %1</source>
        <translation>成員 %1</translation>
    </message>
    <message>
        <source>Keep prizes&apos; red paths</source>
        <translation>保留獎品的紅色路徑</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>已儲存至 %1</translation>
    </message>
    <message>
        <source>Import preview</source>
        <translation>匯入預覽</translation>
    </message>
    <message>
        <source>How should “%1” be read?</source>
        <translation>應如何讀取「%1」？</translation>
    </message>
    <message>
        <source>The first row looks like a heading: “%1”.</source>
        <translation>第一列看起來像標題：「%1」。</translation>
    </message>
    <message>
        <source>Column A holds numbers or codes; column %1 holds names.</source>
        <translation>A 欄是編號或代碼；%1 欄是名稱。</translation>
    </message>
    <message>
        <source>The list stops at the empty cell in row %1; below it: %2 more.</source>
        <translation>名單在第 %1 列的空儲存格處結束；其下還有 %2 個。</translation>
    </message>
    <message>
        <source>Entries in column:</source>
        <translation>讀取的欄：</translation>
    </message>
    <message>
        <source>The first row is a heading (not read)</source>
        <translation>第一列是標題（不讀取）</translation>
    </message>
    <message>
        <source>Read on past empty cells</source>
        <translation>越過空儲存格繼續讀取</translation>
    </message>
    <message>
        <source>It was replaced or changed while the import preview was open, so it was not read again: load it once more.</source>
        <translation>匯入預覽開啟期間，檔案遭到取代或變更，因此沒有重新讀取：請再讀取一次。</translation>
    </message>
    <message>
        <source>%1 hit lines give a count, such as “%2”.
Count each as that many hits (“%2” as %3 hits “%4”)?</source>
        <translation>有 %1 行獎項帶數量，例如「%2」。
要把每行計為相應數量的獎項嗎？（「%2」計為 %3 個獎項「%4」）</translation>
    </message>
    <message>
        <source>The hit line “%1” gives a count.
Count it as %2 hits “%3”?</source>
        <translation>獎項行「%1」帶數量。
要計為 %2 個獎項「%3」嗎？</translation>
    </message>
    <message>
        <source>Every path traced; winners: %1. View › Winners… lists them in prize order.</source>
        <translation>已走完所有路徑，中獎者 %1 人。「檢視 › 中獎者…」依獎項順序列出他們。</translation>
    </message>
    <message>
        <source>%1 workbook: no names in column %2; column %3 holds %4 (only column %2 is read)</source>
        <translation>%1活頁簿：%2 欄中沒有名稱；%3 欄中有 %4 個（只讀取 %2 欄）</translation>
    </message>
    <message>
        <source>Celebrate each reveal</source>
        <translation>每次揭曉時顯示慶祝效果</translation>
    </message>
    <message>
        <source>No file or folder has this name: the sign � in it stands for bytes that are not UTF-8 text, and no file can be read or saved under such a name. Give the file, or its folder, a name in UTF-8.</source>
        <translation>沒有這個名稱的檔案或資料夾：名稱中的 � 代表不是 UTF-8 文字的位元組，無法以這樣的名稱讀取或儲存檔案。請為檔案（或其資料夾）取一個 UTF-8 名稱。</translation>
    </message>
    <message>
        <source>Not kept safe against a crash: %1 (%2)</source>
        <translation>未能為防備當機而儲存：%1（%2）</translation>
    </message>
</context>
<context>
    <name>Place</name>
    <message>
        <source>%1st</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>The system&apos;s cryptographic random source could not be read: %1</source>
        <translation>無法讀取系統的加密隨機來源：%1</translation>
    </message>
</context>
<context>
    <name>SetUp</name>
    <message>
        <source>Member and Hit are input and the Vessapo_button is pushed</source>
        <translation>■→→輸入成員和獎項內容後，按下方的「Vessapo」按鈕</translation>
    </message>
</context>
<context>
    <name>SourceValuesDialog</name>
    <message>
        <source>Draw from the announcement</source>
        <translation>依公告抽籤</translation>
    </message>
    <message>
        <source>Type each randomness source&apos;s value of “%1” exactly as it was made known.</source>
        <translation>請依公布時的原樣輸入「%1」的每個隨機來源的值。</translation>
    </message>
    <message>
        <source>empty when never revealed</source>
        <translation>未公開時留空</translation>
    </message>
    <message>
        <source>%1&apos;s commitment:</source>
        <translation>%1 的承諾：</translation>
    </message>
    <message>
        <source>%1&apos;s secret:</source>
        <translation>%1 的秘密：</translation>
    </message>
    <message>
        <source>the %1 rolls (1 to 6), in order</source>
        <translation>依序填寫 %1 次擲出的點數（1 到 6）</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>值：</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>抽籤</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>SpreadsheetResult</name>
    <message>
        <source>VessapoResult.XLS</source>
        <translation>Vessapo結果.XLS</translation>
    </message>
</context>
<context>
    <name>TextResult</name>
    <message>
        <source>VessapoResult.TXT</source>
        <translation>Vessapo結果.TXT</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Please press the set execution button after specifying a set number</source>
        <translation>■→指定人數後，請按「執行設定」按鈕</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>洗牌</translation>
    </message>
</context>
<context>
    <name>WindowDesign</name>
    <message>
        <source>Results</source>
        <translation>結果輸出</translation>
    </message>
    <message>
        <source>Execution</source>
        <translation>執行設定</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>*- Vessapo -*</source>
        <translation>★～Vessapo～★</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Member</translation>
    </message>
    <message>
        <source>Hit</source>
        <translation>Hit</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>EXIT</translation>
    </message>
    <message>
        <source>Cross Lines</source>
        <translation>Cross Lines</translation>
    </message>
    <message>
        <source>［HIT-ALL］</source>
        <translation>［HIT-ALL］</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>File</source>
        <translation>讀取</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>洗牌</translation>
    </message>
    <message>
        <source>Excel</source>
        <translation>Excel</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Clipboard</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
</context>
</TS>
