<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AnnounceForm</name>
    <message>
        <source>Announce draw</source>
        <translation>抽選を告知</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>題名:</translation>
    </message>
    <message>
        <source>Organiser:</source>
        <translation>主催者:</translation>
    </message>
    <message>
        <source>Draw with values fixed after:</source>
        <translation>この時刻より後に決まる値で抽選:</translation>
    </message>
    <message>
        <source>A published value (a lottery result, a beacon pulse, a closing index)</source>
        <translation>公表される値（宝くじの当選番号、ビーコン、終値）</translation>
    </message>
    <message>
        <source>e.g. the first prize&apos;s number, digits only, left to right</source>
        <translation>例：1 等の番号、数字だけ、左から</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名前:</translation>
    </message>
    <message>
        <source>How its value is written:</source>
        <translation>値の書き方:</translation>
    </message>
    <message>
        <source>Dice rolled in public</source>
        <translation>人前で振るサイコロ</translation>
    </message>
    <message>
        <source>Rolls:</source>
        <translation>回数:</translation>
    </message>
    <message>
        <source>Participants&apos; secrets (committed first, revealed later)</source>
        <translation>参加者の秘密（先にコミット、後で公開）</translation>
    </message>
    <message>
        <source>one name a line</source>
        <translation>1 行に 1 人</translation>
    </message>
    <message>
        <source>Participants:</source>
        <translation>参加者:</translation>
    </message>
    <message>
        <source>Commitments in by:</source>
        <translation>コミットの締切:</translation>
    </message>
    <message>
        <source>Choose at least one value the organiser cannot steer. Once announced, the lists stay fixed until the draw.</source>
        <translation>主催者が左右できない値を少なくとも 1 つ選んでください。告知後、リストは抽選まで変えられません。</translation>
    </message>
    <message>
        <source>Announce…</source>
        <translation>告知…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>サイコロ</translation>
    </message>
    <message>
        <source>Participants</source>
        <translation>参加者</translation>
    </message>
</context>
<context>
    <name>AnnounceTexts</name>
    <message>
        <source>Cannot open the announcement</source>
        <translation>抽選の告知を開けません</translation>
    </message>
    <message>
        <source>Cannot save the announcement</source>
        <translation>抽選の告知を保存できません</translation>
    </message>
    <message>
        <source>The announcement is damaged: the entry “%1” should be %2.</source>
        <translation>告知が壊れています：項目「%1」は%2でなければなりません。</translation>
    </message>
    <message>
        <source>The announcement is damaged: an announcement has no entry “%1”.</source>
        <translation>告知が壊れています：項目「%1」は告知にない項目です。</translation>
    </message>
    <message>
        <source>It is not a Quorvan announcement.</source>
        <translation>Quorvanの抽選の告知ではありません。</translation>
    </message>
    <message>
        <source>It is an announcement of format version %1; this Quorvan reads versions up to %2.</source>
        <translation>形式バージョン%1の告知です。このQuorvanが読めるのはバージョン%2までです。</translation>
    </message>
    <message>
        <source>It is not written byte for byte in its canonical form, so its digest is not the one that was announced: an announcement is read only as Quorvan wrote it.</source>
        <translation>正規形のとおりにバイト単位で書かれていないため、要約値が告知したものと違います。告知はQuorvanが書いたままの形でだけ読みます。</translation>
    </message>
    <message>
        <source>It names no randomness source outside the organiser&apos;s control: at least one public value or participants&apos; commitments are needed.</source>
        <translation>主催者が左右できない乱数源がありません。公表される値か、参加者の事前登録（コミットメント）が少なくとも一つ必要です。</translation>
    </message>
    <message>
        <source>The time after which the randomness is fixed (drawAfter) is earlier than the time of announcing.</source>
        <translation>乱数が確定する時刻（drawAfter）が、告知した時刻より前です。</translation>
    </message>
    <message>
        <source>The participants of “%1” commit after the randomness is fixed (commitBy is later than drawAfter).</source>
        <translation>「%1」の参加者の登録期限（commitBy）が、乱数の確定時刻（drawAfter）より後です。</translation>
    </message>
    <message>
        <source>The name “%1” stands twice where each must be one of a kind.</source>
        <translation>名前「%1」が、重複してはならない所に二度あります。</translation>
    </message>
    <message>
        <source>The value of “%1”, “%2”, is not its dice as announced: one digit 1 to 6 for each die.</source>
        <translation>「%1」の値「%2」は、告知どおりのサイコロ（1つにつき1～6の数字1桁）ではありません。</translation>
    </message>
    <message>
        <source>The value of “%1”, “%2”, is not written by the rule: a text of 1 to 200 characters in NFC, without control characters or blanks at either end.</source>
        <translation>「%1」の値「%2」は、書き方の規則（NFCで1～200文字、制御文字なし、前後に空白なし）に合いません。</translation>
    </message>
    <message>
        <source>The secret revealed by “%1” of “%2” does not match the commitment.</source>
        <translation>「%2」の「%1」が明かした秘密は、登録したコミットメントと合いません。</translation>
    </message>
    <message>
        <source>The lists are not the announcement&apos;s.</source>
        <translation>リストが告知のものと違います。</translation>
    </message>
    <message>
        <source>The announcement&apos;s digest A is not the one given.</source>
        <translation>告知の要約値Aが、与えられたものと違います。</translation>
    </message>
    <message>
        <source>The %1 recorded is not the one the announcement and the values give.</source>
        <translation>記録された%1は、告知と値から出るものと違います。</translation>
    </message>
    <message>
        <source>Announcement digest A: %1 (short code %2)</source>
        <translation>告知の要約値A：%1（短いコード %2）</translation>
    </message>
    <message>
        <source>No A was given (--announcement HEX): compare the A above with the one that was published.</source>
        <translation>Aが与えられていません（--announcement HEX）。上のAを公表されたものと比べてください。</translation>
    </message>
    <message>
        <source>Not verified: this record is not the draw the announcement and the values give.</source>
        <translation>検証できません：この記録は、告知と値から出る抽選ではありません。</translation>
    </message>
    <message>
        <source>Verified: this outcome is the one the announcement and the values allow. Proved: the announcement with digest A fixed the lists, rows, Cross Lines and sources; every value follows its rule and every reveal its commitment; the hits&apos; order, the seed, the ladder and the results follow from them alone. Resting on people: that A was published before drawAfter (and before any commitment), that the typed public values and dice are the real ones, and that no other announcement of this draw was made.</source>
        <translation>検証済み：この結果は、告知と値から出る唯一のものです。証明されること：要約値Aの告知がリスト・行数・Cross Lines・乱数源を決めていたこと、値はすべて規則どおりで、明かした秘密はすべてコミットメントと合うこと、当たりの順・シード・あみだ・結果がそれだけから出ること。人に頼ること：Aが drawAfter より前（どのコミットメントよりも前）に公表されたこと、入力された公表値とサイコロが本物であること、この抽選の告知がほかにないこと。</translation>
    </message>
    <message>
        <source>Left out, never revealed: %1.</source>
        <translation>明かさなかったため除外：%1。</translation>
    </message>
    <message>
        <source>key K</source>
        <translation>鍵K</translation>
    </message>
    <message>
        <source>hits&apos; order</source>
        <translation>当たりの順</translation>
    </message>
    <message>
        <source>seed</source>
        <translation>シード</translation>
    </message>
    <message>
        <source>a text that is not empty, in NFC</source>
        <translation>空でないNFCの文字列</translation>
    </message>
    <message>
        <source>32 lower-case hexadecimal digits</source>
        <translation>16進数32桁（小文字）</translation>
    </message>
</context>
<context>
    <name>AnnouncedDrawing</name>
    <message>
        <source>No announcement is open: use Announce draw… first.</source>
        <translation>開いている告知がありません。先に［抽選を告知…］を使ってください。</translation>
    </message>
    <message>
        <source>The announcement draws with values fixed after %1; it is now %2. Draw all the same?</source>
        <translation>告知では値が決まるのは %1 より後です。今は %2 です。それでも抽選しますか？</translation>
    </message>
</context>
<context>
    <name>AnnouncementDialog</name>
    <message>
        <source>Draw announced</source>
        <translation>抽選の告知</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>題名:</translation>
    </message>
    <message>
        <source>Organiser:</source>
        <translation>主催者:</translation>
    </message>
    <message>
        <source>Drawn with values fixed after:</source>
        <translation>この時刻より後の値で抽選:</translation>
    </message>
    <message>
        <source>Digest A:</source>
        <translation>要約値 A:</translation>
    </message>
    <message>
        <source>Short code to read aloud:</source>
        <translation>読み上げ用コード:</translation>
    </message>
    <message>
        <source>Publish this A before the draw (a notice, an e-mail, the QR code): whoever checks the record compares it with this A. The lists stay fixed until the draw is made or the announcement is closed.</source>
        <translation>この A を抽選の前に公表してください（掲示、メール、QR コード）。記録を検証する人はこの A と照らし合わせます。抽選または告知を閉じるまで、リストは変えられません。</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>ファイル: %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>印刷…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>Announcing</name>
    <message>
        <source>Draw announcements</source>
        <translation>抽選の告知</translation>
    </message>
    <message>
        <source>The announcement “%1” holds the lists fixed: draw from it or close it first.</source>
        <translation>告知「%1」がリストを固定しています。先に抽選するか、告知を閉じてください。</translation>
    </message>
    <message>
        <source>Set up the rows and fill in every member and hit first.</source>
        <translation>先に行数を設定し、すべての Member と Hit を入力してください。</translation>
    </message>
    <message>
        <source>announcement</source>
        <translation>告知</translation>
    </message>
    <message>
        <source>Announcement.%1</source>
        <translation>告知.%1</translation>
    </message>
    <message>
        <source>Close the announcement “%1” without drawing? The A you published will have no draw.</source>
        <translation>抽選せずに告知「%1」を閉じますか？公表した A では抽選できなくなります。</translation>
    </message>
</context>
<context>
    <name>Build</name>
    <message>
        <source>*- completion -*  Mouse click in &quot;Hit&quot;</source>
        <translation>■→→→でました！■Ｈｉｔの所でマウスをクリックするとMemberへ溯ります。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Ladder lottery (ghost leg): draws a random ladder between members and hits.</source>
        <translation>あみだくじ：メンバーと当たりの間にあみだを作ります。</translation>
    </message>
    <message>
        <source>Checks the draw record FILE without a window: status 0 when its ladder gives its results, 1 when not or when it was altered, 2 when it cannot be read.</source>
        <translation>抽選記録 FILE をウィンドウなしで検証します。あみだが記録の結果を出せば終了状態 0、出さないか書き換えられていれば 1、読めなければ 2。</translation>
    </message>
    <message>
        <source>With --verify: the announcement&apos;s digest A as published (64 hexadecimal digits), compared with the one the record holds.</source>
        <translation>--verify とともに：公表された告知の要約値 A（16 進 64 桁）。記録にあるものと比べます。</translation>
    </message>
    <message>
        <source>A draw record (.qdraw) to open in the window, as File &gt; Open draw does.</source>
        <translation>ウィンドウで開く抽選記録（.qdraw）。［ファイル］▸［抽選記録を開く］と同じです。</translation>
    </message>
    <message>
        <source>usage: quorvan [FILE] | --verify FILE [--announcement HEX] | --help | --version</source>
        <translation>使い方: quorvan [FILE] | --verify FILE [--announcement HEX] | --help | --version</translation>
    </message>
    <message>
        <source>The window cannot start: %1</source>
        <translation>ウィンドウを起動できません: %1</translation>
    </message>
    <message>
        <source>The answer could not be written to standard output: %1</source>
        <translation>答えを標準出力に書き出せませんでした: %1</translation>
    </message>
</context>
<context>
    <name>DrawRecords</name>
    <message>
        <source>Draw records</source>
        <translation>抽選記録</translation>
    </message>
    <message>
        <source>Draw.%1</source>
        <translation>抽選記録.%1</translation>
    </message>
</context>
<context>
    <name>DrawTexts</name>
    <message>
        <source>Cannot open the draw record</source>
        <translation>抽選記録を開けません</translation>
    </message>
    <message>
        <source>Cannot save the draw record</source>
        <translation>抽選記録を保存できません</translation>
    </message>
    <message>
        <source>There is no draw to save yet: build the ladder first.</source>
        <translation>保存する抽選がまだありません。先にあみだを作ってください。</translation>
    </message>
    <message>
        <source>Verified: same ladder, same results</source>
        <translation>検証済み：同じあみだ、同じ結果</translation>
    </message>
    <message>
        <source>Every shuffle by the program gives its recorded order from its seed. The record is consistent with itself; whether this was the first draw, or a fair one, cannot be told from this record.</source>
        <translation>プログラムによる並べ替えはどれも、シードから記録どおりの順になります。この記録はそれ自体として矛盾がありません。ただし、これが最初の抽選だったか、公平な抽選だったかは、この記録からはわかりません。</translation>
    </message>
    <message>
        <source>Warning: Fair draw was off at the last Build, so no uniform shuffle was applied; unless the lists were shuffled, the ladder alone favours the members near each hit&apos;s own line.</source>
        <translation>注意：最後の作成のとき公平抽選がオフだったため、一様な並べ替えは行われていません。リストを並べ替えていなければ、あみだは各当たりの行に近いメンバーに当たりやすくなります。</translation>
    </message>
    <message>
        <source>The shuffle “%1” is not the order the program&apos;s generator gives from its seed %2.</source>
        <translation>並べ替え「%1」は、プログラムの乱数がシード%2から出す順と違います。</translation>
    </message>
    <message>
        <source>Not verified: the record differs from its ladder.</source>
        <translation>検証できません：記録とあみだが違います。</translation>
    </message>
    <message>
        <source>The ladder made again from seed %1 is not the ladder recorded.</source>
        <translation>シード%1から作り直したあみだは、記録のあみだと違います。</translation>
    </message>
    <message>
        <source>Hit %1 “%2”: the record says member %3 “%4”, the ladder gives member %5 “%6”.</source>
        <translation>当たり%1「%2」：記録ではメンバー%3「%4」、あみだではメンバー%5「%6」です。</translation>
    </message>
    <message>
        <source>Its content does not match its SHA-256 digest: the record has been altered since it was saved.</source>
        <translation>内容がSHA-256ダイジェストと合いません。保存された後で書き換えられた記録です。</translation>
    </message>
    <message>
        <source>It is not a Quorvan draw record.</source>
        <translation>Quorvanの抽選記録ではありません。</translation>
    </message>
    <message>
        <source>It is not a Quorvan draw record (it is not JSON text: %1 at byte %2).</source>
        <translation>Quorvanの抽選記録ではありません（JSONとして読めません：%2バイト目で%1）。</translation>
    </message>
    <message>
        <source>It is a draw record of format version %1; this Quorvan reads versions up to %2.</source>
        <translation>形式バージョン%1の抽選記録です。このQuorvanが読めるのはバージョン%2までです。</translation>
    </message>
    <message>
        <source>It is larger than %1 bytes, too large for a draw record.</source>
        <translation>%1バイトを超えていて、抽選記録としては大きすぎます。</translation>
    </message>
    <message>
        <source>The record is damaged: the entry “%1” should be %2.</source>
        <translation>記録が壊れています：項目「%1」は%2でなければなりません。</translation>
    </message>
    <message>
        <source>The record is damaged: a draw record has no entry “%1”.</source>
        <translation>記録が壊れています：項目「%1」は抽選記録にない項目です。</translation>
    </message>
    <message>
        <source>The record is damaged: its last Build in the history does not match its rows, Cross Lines, fair draw and seed.</source>
        <translation>記録が壊れています：最後の作成の記録が、記録の行数・Cross Lines・公平抽選・シードと合いません。</translation>
    </message>
    <message>
        <source>It begins with a byte order mark, which a draw record never has.</source>
        <translation>先頭にバイト順マーク（BOM）があります。抽選記録にBOMはありません。</translation>
    </message>
    <message>
        <source>A control character stands unescaped in a text at byte %1.</source>
        <translation>%1バイト目で、文字列の中に制御文字がエスケープされずに入っています。</translation>
    </message>
    <message>
        <source>The escape at byte %1 is one half of a surrogate pair without the other: it is no character.</source>
        <translation>%1バイト目のエスケープはサロゲートペアの片方だけで、文字になりません。</translation>
    </message>
    <message>
        <source>The key “%1” appears twice in one object (byte %2).</source>
        <translation>キー「%1」が一つのオブジェクトに二度あります（%2バイト目）。</translation>
    </message>
    <message>
        <source>The number %1 at byte %2 is not written as whole numbers are: digits only, as 12.</source>
        <translation>%2バイト目の数値%1が、整数の書き方（12のように数字だけ）になっていません。</translation>
    </message>
    <message>
        <source>The record cannot have been saved by Quorvan: the fair Build “%1” does not follow straight after the fair shuffle of the hits.</source>
        <translation>Quorvanが保存した記録ではありえません：公平抽選の作成「%1」の直前に、当たりの公平な並べ替えがありません。</translation>
    </message>
    <message>
        <source>The record cannot have been saved by Quorvan: the fair shuffle “%1” is not followed straight away by a fair Build.</source>
        <translation>Quorvanが保存した記録ではありえません：公平な並べ替え「%1」の直後に、公平抽選の作成がありません。</translation>
    </message>
    <message>
        <source>The record cannot have been saved by Quorvan: “%1” comes after the last Build, where Set-up and Shuffle are withdrawn until the hits are loaded again.</source>
        <translation>Quorvanが保存した記録ではありえません：「%1」が最後の作成の後にありますが、そこでは当たりを読み込み直すまで設定と並べ替えはできません。</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>%1から%2までの整数</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true か false</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>文字列</translation>
    </message>
    <message>
        <source>a text of at most %1 characters</source>
        <translation>%1文字以内の文字列</translation>
    </message>
    <message>
        <source>a text in Unicode&apos;s composed form (NFC)</source>
        <translation>Unicodeの合成済み形式（NFC）の文字列</translation>
    </message>
    <message>
        <source>a list of %1 entries</source>
        <translation>%1個の要素のリスト</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>リスト</translation>
    </message>
    <message>
        <source>a JSON object</source>
        <translation>項目の集まり（JSONオブジェクト）</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>%1のどれか</translation>
    </message>
    <message>
        <source>each row number from 1 to the row count once</source>
        <translation>1から行数までの行番号を一つずつ並べたもの</translation>
    </message>
    <message>
        <source>64 lower-case hexadecimal digits</source>
        <translation>16進数64桁（小文字）</translation>
    </message>
    <message>
        <source>an ISO 8601 date and time with its offset from UTC</source>
        <translation>UTCからの時差つきのISO 8601日時</translation>
    </message>
    <message numerus="yes">
        <source>And %n more differences.</source>
        <translation>
            <numerusform>ほかに%n件の違いがあります。</numerusform>
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
        <translation>公平さ</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>実行</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Rows:</source>
        <translation>行数:</translation>
    </message>
    <message>
        <source>How often each hit (row) lands on each member (column); white is the fair 1/n.</source>
        <translation>Hit（行）が Member（列）に当たる確率。白が公平な 1/n。</translation>
    </message>
    <message>
        <source>The program&apos;s ladder</source>
        <translation>このプログラムのあみだ</translation>
    </message>
    <message>
        <source>After a uniform shuffle of the hits</source>
        <translation>Hit の一覧を一様にシャッフルした後</translation>
    </message>
    <message>
        <source>never</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>図を保存…</translation>
    </message>
    <message>
        <source>Save matrix…</source>
        <translation>表を保存…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>%1 rows, Cross Lines %2, %3 ladders</source>
        <translation>%1 行、Cross Lines %2、あみだ %3 本</translation>
    </message>
    <message>
        <source>on</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Most likely: hit %1 → member %2, %3, %5× ± %6 the fair %4 (chance alone gives about %7×)</source>
        <translation>最も多い組: Hit %1 → Member %2、%3（公平な %4 の %5 倍 ±%6。偶然だけでも %7 倍ほどになります）</translation>
    </message>
    <message>
        <source>Pairs never seen in %1 ladders: %2</source>
        <translation>あみだ %1 本で一度も見なかった組: %2</translation>
    </message>
    <message>
        <source>Typical distance moved (median): %1 lines (%2 to %3; about %4 in a fair draw)</source>
        <translation>移動した行数の中央値: %1（%2～%3。公平なら約 %4）</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>PNG 画像</translation>
    </message>
    <message>
        <source>The program&apos;s ladder (CSV)</source>
        <translation>このプログラムのあみだ (CSV)</translation>
    </message>
    <message>
        <source>After a uniform shuffle (CSV)</source>
        <translation>シャッフルした後 (CSV)</translation>
    </message>
</context>
<context>
    <name>ListCheckReport</name>
    <message>
        <source>The list check found nothing.</source>
        <translation>リストの確認で見つかったことはありません。</translation>
    </message>
</context>
<context>
    <name>ListChecks</name>
    <message>
        <source>hit</source>
        <translation>当たり</translation>
    </message>
    <message>
        <source>member</source>
        <translation>メンバー</translation>
    </message>
    <message>
        <source>The %1 file has bytes that are no text in lines %2; they show as “�”</source>
        <translation>%1のファイルの%2行目に読めないバイトがあり、「�」に置き換えました</translation>
    </message>
    <message>
        <source>The %1 file has a CR without LF in lines %2; it was left out</source>
        <translation>%1のファイルの%2行目で、行末でない CR を取り除きました</translation>
    </message>
    <message>
        <source>The %1 file&apos;s lines hold tabs: only the first column was read</source>
        <translation>%1のファイルはタブで列に分かれています。最初の列を読みました</translation>
    </message>
    <message numerus="yes">
        <source>The %1 list stops at the empty cell in row %2; %n names follow below it</source>
        <translation>
            <numerusform>%1のリストは空のセル（%2行目）で終わりました。その下に名前が%n件あります</numerusform>
        </translation>
    </message>
    <message>
        <source>Hit</source>
        <translation>当たり</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>メンバー</translation>
    </message>
    <message>
        <source>“%1” appears %2 times in the %3 (rows %4)</source>
        <translation>%3に「%1」が%2回あります（%4行目）</translation>
    </message>
    <message>
        <source>hits</source>
        <translation>当たり</translation>
    </message>
    <message>
        <source>members</source>
        <translation>メンバー</translation>
    </message>
    <message>
        <source>Row %1 of the %2 is empty</source>
        <translation>%2の%1行目が空です</translation>
    </message>
    <message>
        <source>Rows %1–%2 of the %3 are empty</source>
        <translation>%3の%1～%2行目が空です</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <translation>%1、%2です</translation>
    </message>
    <message numerus="yes">
        <source>%n hits</source>
        <translation>
            <numerusform>当たりが%n件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n members</source>
        <translation>
            <numerusform>メンバーが%n人</numerusform>
        </translation>
    </message>
    <message>
        <source>List check: </source>
        <translation>リストの確認: </translation>
    </message>
    <message>
        <source>; </source>
        <translation>、</translation>
    </message>
    <message>
        <source>; %1 more</source>
        <translation>、ほか%1件</translation>
    </message>
</context>
<context>
    <name>LoadedDocuments</name>
    <message>
        <source>The program cannot load its part %1: %2</source>
        <translation>プログラムの一部 %1 を読み込めません: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Fair draw</source>
        <translation>公平抽選</translation>
    </message>
    <message>
        <source>Findings…</source>
        <translation>確認結果…</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Member</source>
        <translation>&amp;Member</translation>
    </message>
    <message>
        <source>Hi&amp;t</source>
        <translation>Hi&amp;t</translation>
    </message>
    <message>
        <source>&amp;Ladder</source>
        <translation>あみだ(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Open draw…</source>
        <translation>抽選記録を開く…</translation>
    </message>
    <message>
        <source>Save draw…</source>
        <translation>抽選記録を保存…</translation>
    </message>
    <message>
        <source>Announce draw…</source>
        <translation>抽選を告知…</translation>
    </message>
    <message>
        <source>Draw from announcement…</source>
        <translation>告知から抽選…</translation>
    </message>
    <message>
        <source>Close announcement</source>
        <translation>告知を閉じる</translation>
    </message>
    <message>
        <source>List check…</source>
        <translation>リストの確認…</translation>
    </message>
    <message>
        <source>Fairness…</source>
        <translation>公平さ…</translation>
    </message>
    <message>
        <source>Leave out earlier winners…</source>
        <translation>前回の当選者を除く…</translation>
    </message>
    <message>
        <source>Winners…</source>
        <translation>当選者…</translation>
    </message>
    <message>
        <source>About Quorvan</source>
        <translation>Quorvanについて</translation>
    </message>
    <message>
        <source>Stage</source>
        <translation>ステージ</translation>
    </message>
    <message>
        <source>Reveal next prize</source>
        <translation>次の賞品を発表</translation>
    </message>
    <message>
        <source>Back one reveal</source>
        <translation>発表を一つ戻す</translation>
    </message>
    <message>
        <source>Reveal all</source>
        <translation>残りをすべて発表</translation>
    </message>
    <message>
        <source>Skip to the end of the path</source>
        <translation>経路を最後まで</translation>
    </message>
    <message>
        <source>Stage overview</source>
        <translation>ステージの全体表示</translation>
    </message>
    <message>
        <source>Blank the stage</source>
        <translation>ステージを暗転</translation>
    </message>
    <message>
        <source>Stage settings…</source>
        <translation>ステージの設定…</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Quorvan V%1&lt;/h3&gt;&lt;p&gt;A ladder lottery (ghost leg).&lt;/p&gt;&lt;p&gt;Licence: MIT&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Quorvan V%1&lt;/h3&gt;&lt;p&gt;あみだくじ&lt;/p&gt;&lt;p&gt;ライセンス: MIT&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Cannot read the list file</source>
        <translation>リストファイルを読み込めません</translation>
    </message>
    <message>
        <source>Cannot read the workbook</source>
        <translation>ブックを読み込めません</translation>
    </message>
    <message>
        <source>Cannot write the result file</source>
        <translation>結果ファイルに書き込めません</translation>
    </message>
    <message>
        <source>Cannot save the workbook</source>
        <translation>ブックを保存できません</translation>
    </message>
    <message>
        <source>%1 “%2”:
%3</source>
        <translation>%1：“%2”
%3</translation>
    </message>
    <message>
        <source>Cannot read “%1”:
lists are read from text files (.txt), CSV files (.csv), Excel workbooks (.xls, .xlsx) and OpenDocument spreadsheets (.ods).</source>
        <translation>“%1” を読み込めません：
リストはテキストファイル（.txt）、CSV（.csv）、Excel ブック（.xls、.xlsx）、OpenDocument スプレッドシート（.ods）から読み込みます。</translation>
    </message>
    <message>
        <source>It is too large to be a list: its first %1 MB hold fewer than %2 lines.</source>
        <translation>リストとしては大きすぎます：先頭の %1 MB に %2 行もありません。</translation>
    </message>
    <message>
        <source>It holds binary data (NUL bytes), not a list of names.</source>
        <translation>名前のリストではなく、バイナリデータ（NUL バイト）を含んでいます。</translation>
    </message>
    <message>
        <source>Its bytes are in no encoding a list is read in (UTF-8, UTF-16, Shift_JIS, EUC-JP, EUC-KR, GB18030, Big5, Windows-1251 or Windows-1252). Save it as UTF-8 text or CSV and load it again.</source>
        <translation>バイト列が、リストとして読める文字コード（UTF-8、UTF-16、Shift_JIS、EUC-JP、EUC-KR、GB18030、Big5、Windows-1251、Windows-1252）のどれにも当てはまりません。UTF-8 のテキストか CSV として保存し直してから読み込んでください。</translation>
    </message>
    <message>
        <source>This is an HTML table (a web page), not a workbook: open it in a spreadsheet program and save it as .xlsx or .csv.</source>
        <translation>これは HTML の表（Web ページ）で、ブックではありません。表計算ソフトで開き、.xlsx か .csv として保存してください。</translation>
    </message>
    <message>
        <source>This is an Excel 2003 XML spreadsheet: open it in a spreadsheet program and save it as .xlsx or .csv.</source>
        <translation>これは Excel 2003 XML スプレッドシートです。表計算ソフトで開き、.xlsx か .csv として保存してください。</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>ファイルではなくフォルダーです。</translation>
    </message>
    <message>
        <source>It is a pipe, not a file.</source>
        <translation>ファイルではなくパイプです。</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>ファイルではなくデバイスです。</translation>
    </message>
    <message>
        <source>It is not an ordinary file.</source>
        <translation>通常のファイルではありません。</translation>
    </message>
    <message>
        <source>It is not an ordinary file (it is a device, a pipe or the like), so nothing is written to it.</source>
        <translation>通常のファイルではない（デバイスやパイプなど）ため、何も書き込みません。</translation>
    </message>
    <message>
        <source>It is a symbolic link that leads round in a circle.</source>
        <translation>循環しているシンボリックリンクです。</translation>
    </message>
    <message>
        <source>An Excel result is saved as an Excel 97–2003 workbook (.xls), an Excel workbook (.xlsx), an OpenDocument spreadsheet (.ods) or CSV (.csv). Choose a name ending in one of them, or a name without an ending.</source>
        <translation>Excel の結果は Excel 97–2003 ブック（.xls）、Excel ブック（.xlsx）、OpenDocument スプレッドシート（.ods）または CSV（.csv）として保存します。そのいずれかの拡張子で終わる名前か、拡張子のない名前を選んでください。</translation>
    </message>
    <message>
        <source>There is not enough memory to make it.</source>
        <translation>作成するためのメモリーが足りません。</translation>
    </message>
    <message>
        <source>A cell holds more than 32,767 characters.</source>
        <translation>32,767 文字を超えるセルがあります。</translation>
    </message>
    <message>
        <source>It could not be put together in the temporary folder “%1”: that folder may be full, or the file larger than this system allows.</source>
        <translation>一時フォルダー “%1” で組み立てられませんでした：フォルダーがいっぱいか、ファイルがこのシステムで扱える大きさを超えている可能性があります。</translation>
    </message>
    <message>
        <source>The workbook library refused it: %1</source>
        <translation>ブックのライブラリーが拒否しました：%1</translation>
    </message>
    <message>
        <source>The workbook is too large to write</source>
        <translation>ブックが大きすぎて書き込めません</translation>
    </message>
    <message>
        <source>There is not enough space on the disk.</source>
        <translation>ディスクの空き容量が足りません。</translation>
    </message>
    <message>
        <source>Your disk quota is used up.</source>
        <translation>ディスククォータを使い切りました。</translation>
    </message>
    <message>
        <source>The file would grow larger than this system allows.</source>
        <translation>ファイルがこのシステムで扱える大きさを超えてしまいます。</translation>
    </message>
    <message>
        <source>You have no permission to write there.</source>
        <translation>そこに書き込む権限がありません。</translation>
    </message>
    <message>
        <source>The disk can only be read, not written.</source>
        <translation>ディスクは読み取り専用で、書き込めません。</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>フォルダーがありません。</translation>
    </message>
    <message>
        <source>The disk reported an input/output error.</source>
        <translation>ディスクが入出力エラーを報告しました。</translation>
    </message>
    <message>
        <source>Excel 97–2003 workbook</source>
        <translation>Excel 97–2003 ブック</translation>
    </message>
    <message>
        <source>Excel workbook</source>
        <translation>Excel ブック</translation>
    </message>
    <message>
        <source>OpenDocument spreadsheet</source>
        <translation>OpenDocument スプレッドシート</translation>
    </message>
    <message>
        <source>CSV file</source>
        <translation>CSV ファイル</translation>
    </message>
    <message>
        <source>“%1” already exists. Replace it?</source>
        <translation>“%1” は既にあります。置き換えますか？</translation>
    </message>
    <message>
        <source>The user guide could not be opened. Open this file in a web browser:
%1</source>
        <translation>ユーザーガイドを開けませんでした。次のファイルをウェブブラウザーで開いてください:
%1</translation>
    </message>
    <message>
        <source>Cannot save the picture</source>
        <translation>図を保存できません</translation>
    </message>
    <message>
        <source>Cannot save the matrix</source>
        <translation>表を保存できません</translation>
    </message>
    <message>
        <source>The picture could not be made into a PNG.</source>
        <translation>図を PNG にできませんでした。</translation>
    </message>
    <message>
        <source>The reader stopped on signal %1 (%2).</source>
        <translation>読み込みプログラムがシグナル %1（%2）で止まりました。</translation>
    </message>
    <message>
        <source>The reader ended with exit code %1 and no result.</source>
        <translation>読み込みプログラムが結果を返さずに終了しました（終了コード %1）。</translation>
    </message>
    <message>
        <source>The reader %1 cannot be started: %2.</source>
        <translation>読み込みプログラム %1 を起動できません：%2。</translation>
    </message>
    <message>
        <source>The reader sent more than %1.</source>
        <translation>読み込みプログラムが %1 を超えるデータを送ってきました。</translation>
    </message>
    <message>
        <source>The reader took longer than %1 seconds.</source>
        <translation>読み込みプログラムが %1 秒たっても終わりませんでした。</translation>
    </message>
    <message>
        <source>The reader sent something other than a result.</source>
        <translation>読み込みプログラムが結果以外のものを送ってきました。</translation>
    </message>
    <message>
        <source>The reader sent damaged cells.</source>
        <translation>読み込みプログラムが壊れたセルを送ってきました。</translation>
    </message>
    <message>
        <source>The system would not let the reader shut itself off from everything but the workbook, so it did not read it.</source>
        <translation>システムが読み込みプログラムをブックのほかから切り離させなかったため、読み込みませんでした。</translation>
    </message>
    <message>
        <source>Reading was cancelled.</source>
        <translation>読み込みを取り消しました。</translation>
    </message>
    <message>
        <source>It is a link another user made in a shared folder; it is not followed.</source>
        <translation>共有フォルダーにほかのユーザーが作ったリンクです。リンク先には書き込みません。</translation>
    </message>
    <message>
        <source>There is no such file (any more): it may have been moved, renamed or deleted.</source>
        <translation>そのファイルは（もう）ありません：移動、名前の変更または削除がされたようです。</translation>
    </message>
    <message>
        <source>Reading “%1”…</source>
        <translation>“%1” を読み込んでいます…</translation>
    </message>
    <message>
        <source>Names in the %1 list cut to %3 characters: rows %2</source>
        <translation>%1のリストの名前を %3 文字までにしました：%2 行目</translation>
    </message>
    <message>
        <source>The workbook is damaged (part of it lies outside the file).</source>
        <translation>ブックが壊れています（一部がファイルの外を指しています）。</translation>
    </message>
    <message>
        <source>The workbook is damaged (one of its streams is cut short).</source>
        <translation>ブックが壊れています（ストリームの一つが途中で切れています）。</translation>
    </message>
    <message>
        <source>The workbook is damaged (its sectors run in a loop).</source>
        <translation>ブックが壊れています（セクターが循環しています）。</translation>
    </message>
    <message>
        <source>The workbook is damaged (its directory is broken).</source>
        <translation>ブックが壊れています（ディレクトリーが壊れています）。</translation>
    </message>
    <message>
        <source>The workbook is damaged (its header is broken).</source>
        <translation>ブックが壊れています（ヘッダーが壊れています）。</translation>
    </message>
    <message>
        <source>The file is cut short or cannot be read.</source>
        <translation>ファイルが途中で切れているか、読み取れません。</translation>
    </message>
    <message>
        <source>The file does not exist or cannot be opened.</source>
        <translation>ファイルが存在しないか、開けません。</translation>
    </message>
    <message>
        <source>There is not enough memory to read it.</source>
        <translation>読み込むためのメモリーが足りません。</translation>
    </message>
    <message>
        <source>It is not an Excel 97–2003 workbook (.xls).</source>
        <translation>Excel 97–2003 ブック（.xls）ではありません。</translation>
    </message>
    <message>
        <source>The file holds no workbook.</source>
        <translation>ファイルにブックが入っていません。</translation>
    </message>
    <message>
        <source>The workbook has no worksheet.</source>
        <translation>ブックにワークシートがありません。</translation>
    </message>
    <message>
        <source>Its text is in a character set that cannot be read.</source>
        <translation>読み取れない文字セットで書かれたテキストがあります。</translation>
    </message>
    <message>
        <source>The workbook is damaged (error %1).</source>
        <translation>ブックが壊れています（エラー %1）。</translation>
    </message>
    <message>
        <source>The workbook is damaged or too large to read.</source>
        <translation>ブックが壊れているか、大きすぎて読み込めません。</translation>
    </message>
    <message>
        <source>It is protected by a password.</source>
        <translation>パスワードで保護されています。</translation>
    </message>
    <message>
        <source>The command ended with an unknown error.</source>
        <translation>コマンドが不明なエラーで終了しました。</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>コマンドが予期しないエラーで終了しました：
%1</translation>
    </message>
    <message>
        <source>&amp;Colour...</source>
        <translation>色(&amp;C)...</translation>
    </message>
    <message>
        <source>Font colour</source>
        <translation>フォントの色</translation>
    </message>
    <message>
        <source>Member %1</source>
        <translation>メンバー %1</translation>
    </message>
    <message>
        <source>Hit %1</source>
        <translation>当たり %1</translation>
    </message>
    <message>
        <source>Result %1</source>
        <translation>結果 %1</translation>
    </message>
    <message>
        <source>Number of members</source>
        <translation>メンバー数</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>あみだ</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>ユーザーガイド</translation>
    </message>
    <message>
        <source>Hit %1 → %2 (member %3)</source>
        <translation>当たり %1 → %2（メンバー %3）</translation>
    </message>
    <message>
        <source>Hit %1 → member %2</source>
        <translation>当たり %1 → メンバー %2</translation>
    </message>
    <message>
        <source>Every prize is revealed.</source>
        <translation>すべての賞品を発表しました。</translation>
    </message>
    <message>
        <source>Build the ladder first: there is nothing to reveal yet.</source>
        <translation>先にあみだを作ってください。まだ発表するものがありません。</translation>
    </message>
    <message>
        <source>Quorvan stage</source>
        <translation>Quorvan ステージ</translation>
    </message>
    <message>
        <source>Stage settings</source>
        <translation>ステージの設定</translation>
    </message>
    <message>
        <source>One path takes</source>
        <translation>経路一本の時間</translation>
    </message>
    <message>
        <source>Pause between paths in Reveal all</source>
        <translation>すべて発表での経路の間</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>配色</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>暗い</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>明るい</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>ハイコントラスト</translation>
    </message>
    <message>
        <source>Reduced motion: paths appear at once</source>
        <translation>動きを減らす：経路をすぐに表示</translation>
    </message>
    <message>
        <source>Hide the prizes until they are revealed</source>
        <translation>発表まで賞品を隠す</translation>
    </message>
    <message>
        <source> s</source>
        <translation> 秒</translation>
    </message>
    <message>
        <source>The file is damaged or cut short: it is not a whole zip archive, as an .xlsx or .ods workbook is (%1).</source>
        <translation>ファイルが壊れているか途中で切れています。.xlsx や .ods のブックのような完全な zip 書庫ではありません（%1）。</translation>
    </message>
    <message>
        <source>The workbook has no part “%1”: it is damaged, or not a workbook of this kind.</source>
        <translation>ブックに「%1」の部分がありません。壊れているか、この種類のブックではありません。</translation>
    </message>
    <message>
        <source>Its part “%1” unpacks to more than %2 MB, far more than any list needs (it may be a zip bomb).</source>
        <translation>その部分「%1」は展開すると %2 MB を超え、名簿としては大きすぎます（zip 爆弾のおそれがあります）。</translation>
    </message>
    <message>
        <source>Its part “%1” cannot be unpacked: %2.</source>
        <translation>その部分「%1」を展開できません: %2。</translation>
    </message>
    <message>
        <source>Its part “%1” stops before its end: the file is damaged or cut short.</source>
        <translation>その部分「%1」が終わりの前で途切れています。ファイルが壊れているか途中で切れています。</translation>
    </message>
    <message>
        <source>Its part “%1” is damaged: line %2: %3.</source>
        <translation>その部分「%1」が壊れています（%2 行目: %3）。</translation>
    </message>
    <message>
        <source>Its part “%1” declares XML entities of its own, which no workbook does.</source>
        <translation>その部分「%1」は独自の XML 実体を宣言しています。ブックにはないことです。</translation>
    </message>
    <message>
        <source>A cell refers to shared text number %1, but the workbook&apos;s table of texts holds only %2.</source>
        <translation>セルが共有文字列の %1 番を参照していますが、ブックの文字列表には %2 個しかありません。</translation>
    </message>
    <message>
        <source>Cell %1 holds the formula %2 without its result, and Quorvan cannot work that formula out. Open the file in a spreadsheet program (LibreOffice Calc, Excel) and save it again there, so that the results of its formulas are stored with them, or paste the column as values.</source>
        <translation>セル %1 の数式 %2 には計算結果が保存されておらず、Quorvan ではこの数式を計算できません。表計算ソフト（LibreOffice Calc、Excel）でファイルを開いて保存し直し、数式の結果をいっしょに保存するか、列を値として貼り付けてください。</translation>
    </message>
    <message>
        <source>%1 workbook: its first sheet “%2” is hidden; the list was read from it</source>
        <translation>%1のブック: 最初のシート「%2」は非表示ですが、リストはこのシートから読みました</translation>
    </message>
    <message>
        <source>%1 workbook: no names on the first sheet; sheet “%2” holds %3 (only the first sheet is read)</source>
        <translation>%1のブック: 最初のシートに名前がありません。シート「%2」に%3件あります（読むのは最初のシートだけです）</translation>
    </message>
    <message>
        <source>Uneven draw: member %1 wins %2 % of the time, fair is %3 %</source>
        <translation>偏った抽選: メンバー %1 が %2 %（公平なら %3 %）</translation>
    </message>
    <message>
        <source>Draw again fairly</source>
        <translation>公平抽選で引き直す</translation>
    </message>
    <message>
        <source>Fair draw is on from the next Build.</source>
        <translation>次の抽選から公平抽選になります。</translation>
    </message>
    <message>
        <source>The results of this lottery have not been saved. Save them before starting a new lottery?</source>
        <translation>この抽選の結果はまだ保存されていません。新しい抽選を始める前に保存しますか？</translation>
    </message>
    <message>
        <source>The results of this lottery have not been saved. Save them before quitting?</source>
        <translation>この抽選の結果はまだ保存されていません。終了する前に保存しますか？</translation>
    </message>
    <message>
        <source>Quorvan was not closed normally. Restore the lottery of %1 members as it was at %2?</source>
        <translation>Quorvan は正常に終了しませんでした。%2 の時点の %1 人の抽選を元どおりに復元しますか？</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>Cannot keep the lottery safe against a crash in</source>
        <translation>クラッシュに備えて抽選を保存できません</translation>
    </message>
    <message>
        <source>Cannot keep this setting for the next start in</source>
        <translation>次回の起動のためにこの設定を保存できません</translation>
    </message>
    <message>
        <source>The settings could not be written there.</source>
        <translation>そこに設定を書き込めませんでした。</translation>
    </message>
    <message>
        <source>Cannot restore the lottery kept as</source>
        <translation>次のファイルに残した抽選を復元できません</translation>
    </message>
    <message>
        <source>It is damaged, or was saved by another version of Quorvan; it stays there for you.</source>
        <translation>壊れているか、別の版の Quorvan が保存したものです。ファイルはそのまま残してあります。</translation>
    </message>
    <message>
        <source>Winners</source>
        <translation>当選者</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>賞品</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>当選者</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>印刷…</translation>
    </message>
    <message>
        <source>Save as text…</source>
        <translation>テキストで保存…</translation>
    </message>
    <message>
        <source>Save as workbook…</source>
        <translation>ブックで保存…</translation>
    </message>
    <message>
        <source>No prize has been drawn yet: build the ladder first.</source>
        <translation>まだ抽選していません。先にあみだを作成してください。</translation>
    </message>
    <message>
        <source>%1, winners only</source>
        <translation>%1（当選者のみ）</translation>
    </message>
    <message>
        <source>“%1” counted as %2 hits “%3”</source>
        <translation>“%1” を当たり “%3” %2 個として数えました</translation>
    </message>
    <message>
        <source>Left out %1 earlier winners: %2</source>
        <translation>前回の当選者 %1 人を除きました：%2</translation>
    </message>
    <message>
        <source>None of the winners in “%1” is in the member list.</source>
        <translation>“%1” の当選者はメンバーのリストにいません。</translation>
    </message>
    <message>
        <source>It holds no results of a draw.</source>
        <translation>抽選の結果がありません。</translation>
    </message>
    <message>
        <source>Cannot read “%1”:
earlier winners are read from text results (.txt) and draw records (.qdraw).</source>
        <translation>“%1” を読み込めません：
前回の当選者はテキストの結果（.txt）と抽選記録（.qdraw）から読み込みます。</translation>
    </message>
    <message>
        <source>Earlier winners are left out before Build: press RESET first.</source>
        <translation>前回の当選者を除くのは作成の前です。先に RESET を押してください。</translation>
    </message>
    <message>
        <source>%1 prize: %2 → %3</source>
        <translation>%1等：%2 → %3</translation>
    </message>
    <message>
        <source>member %1</source>
        <translation>メンバー %1</translation>
    </message>
    <message>
        <source>Keep prizes&apos; red paths</source>
        <translation>当たりの赤い道筋を残す</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>%1 に保存しました</translation>
    </message>
    <message>
        <source>Import preview</source>
        <translation>読み込みの確認</translation>
    </message>
    <message>
        <source>How should “%1” be read?</source>
        <translation>「%1」をどう読み込みますか？</translation>
    </message>
    <message>
        <source>The first row looks like a heading: “%1”.</source>
        <translation>1 行目は見出しのようです：「%1」。</translation>
    </message>
    <message>
        <source>Column A holds numbers or codes; column %1 holds names.</source>
        <translation>A 列は番号やコードで、%1 列に名前があります。</translation>
    </message>
    <message>
        <source>The list stops at the empty cell in row %1; below it: %2 more.</source>
        <translation>リストは %1 行目の空のセルで終わりますが、その下にまだ名前が %2 件あります。</translation>
    </message>
    <message>
        <source>Entries in column:</source>
        <translation>読み込む列：</translation>
    </message>
    <message>
        <source>The first row is a heading (not read)</source>
        <translation>1 行目は見出し（読み込まない）</translation>
    </message>
    <message>
        <source>Read on past empty cells</source>
        <translation>空のセルの先も読み込む</translation>
    </message>
    <message>
        <source>It was replaced or changed while the import preview was open, so it was not read again: load it once more.</source>
        <translation>読み込みの確認を開いている間にファイルが置き換えられたか変更されたため、読み直していません。もう一度読み込んでください。</translation>
    </message>
    <message>
        <source>%1 hit lines give a count, such as “%2”.
Count each as that many hits (“%2” as %3 hits “%4”)?</source>
        <translation>当たりのリストの %1 行に個数があります（例：“%2”）。
それぞれその個数の当たりとして数えますか？（“%2” は当たり “%4” %3 個）</translation>
    </message>
    <message>
        <source>The hit line “%1” gives a count.
Count it as %2 hits “%3”?</source>
        <translation>当たりの行 “%1” に個数があります。
当たり “%3” %2 個として数えますか？</translation>
    </message>
    <message>
        <source>Every path traced; winners: %1. View › Winners… lists them in prize order.</source>
        <translation>すべての道をたどりました。当選者 %1 人。「表示 › 当選者…」で賞の順に一覧できます。</translation>
    </message>
    <message>
        <source>%1 workbook: no names in column %2; column %3 holds %4 (only column %2 is read)</source>
        <translation>%1のブック: %2列に名前がありません。%3列に%4件あります（読むのは%2列だけです）</translation>
    </message>
    <message>
        <source>Celebrate each reveal</source>
        <translation>当選の発表を祝う演出</translation>
    </message>
    <message>
        <source>No file or folder has this name: the sign � in it stands for bytes that are not UTF-8 text, and no file can be read or saved under such a name. Give the file, or its folder, a name in UTF-8.</source>
        <translation>この名前のファイルやフォルダーはありません。名前の中の � は UTF-8 の文字ではないバイトの代わりに表示されたもので、そのような名前ではファイルを読むことも保存することもできません。ファイル（またはそのフォルダー）に UTF-8 の名前を付けてください。</translation>
    </message>
    <message>
        <source>Not kept safe against a crash: %1 (%2)</source>
        <translation>クラッシュに備えた保存ができていません：%1（%2）</translation>
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
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>The system&apos;s cryptographic random source could not be read: %1</source>
        <translation>システムの暗号用乱数を読めませんでした：%1</translation>
    </message>
</context>
<context>
    <name>SetUp</name>
    <message>
        <source>Member and Hit are input and the Vessapo_button is pushed</source>
        <translation>■→→Memberと「当たり！？内容」を入力して、下の「Vessapoボタン」押下</translation>
    </message>
</context>
<context>
    <name>SourceValuesDialog</name>
    <message>
        <source>Draw from the announcement</source>
        <translation>告知から抽選</translation>
    </message>
    <message>
        <source>Type each randomness source&apos;s value of “%1” exactly as it was made known.</source>
        <translation>「%1」の乱数源の値を、公表されたとおりに入力してください。</translation>
    </message>
    <message>
        <source>empty when never revealed</source>
        <translation>公開されなかったときは空</translation>
    </message>
    <message>
        <source>%1&apos;s commitment:</source>
        <translation>%1 のコミット:</translation>
    </message>
    <message>
        <source>%1&apos;s secret:</source>
        <translation>%1 の秘密:</translation>
    </message>
    <message>
        <source>the %1 rolls (1 to 6), in order</source>
        <translation>%1 回の目（1〜6）を順に</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>値:</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>抽選</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>■→設定数を指定してから、設定実行ボタンを押下してください</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>ｼｬｯﾌﾙ</translation>
    </message>
</context>
<context>
    <name>WindowDesign</name>
    <message>
        <source>Results</source>
        <translation>結果出力</translation>
    </message>
    <message>
        <source>Execution</source>
        <translation>設定実行</translation>
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
        <translation>読込</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>ｼｬｯﾌﾙ</translation>
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
