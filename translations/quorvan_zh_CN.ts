<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AnnounceForm</name>
    <message>
        <source>Announce draw</source>
        <translation>公告抽签</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>标题：</translation>
    </message>
    <message>
        <source>Organiser:</source>
        <translation>主办方：</translation>
    </message>
    <message>
        <source>Draw with values fixed after:</source>
        <translation>使用此时间之后确定的值抽签：</translation>
    </message>
    <message>
        <source>A published value (a lottery result, a beacon pulse, a closing index)</source>
        <translation>公开值（彩票开奖号码、随机信标脉冲、收盘指数）</translation>
    </message>
    <message>
        <source>e.g. the first prize&apos;s number, digits only, left to right</source>
        <translation>例如：一等奖号码，只写数字，从左到右</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>How its value is written:</source>
        <translation>值的写法：</translation>
    </message>
    <message>
        <source>Dice rolled in public</source>
        <translation>当众掷骰子</translation>
    </message>
    <message>
        <source>Rolls:</source>
        <translation>次数：</translation>
    </message>
    <message>
        <source>Participants&apos; secrets (committed first, revealed later)</source>
        <translation>参与者的秘密（先提交承诺，后公开）</translation>
    </message>
    <message>
        <source>one name a line</source>
        <translation>每行一个名字</translation>
    </message>
    <message>
        <source>Participants:</source>
        <translation>参与者：</translation>
    </message>
    <message>
        <source>Commitments in by:</source>
        <translation>承诺截止时间：</translation>
    </message>
    <message>
        <source>Choose at least one value the organiser cannot steer. Once announced, the lists stay fixed until the draw.</source>
        <translation>请至少选择一个主办方无法操控的值。公告后，名单在抽签前保持固定。</translation>
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
        <translation>参与者</translation>
    </message>
</context>
<context>
    <name>AnnounceTexts</name>
    <message>
        <source>Cannot open the announcement</source>
        <translation>无法打开公告</translation>
    </message>
    <message>
        <source>Cannot save the announcement</source>
        <translation>无法保存公告</translation>
    </message>
    <message>
        <source>The announcement is damaged: the entry “%1” should be %2.</source>
        <translation>公告已损坏：条目“%1”应为%2。</translation>
    </message>
    <message>
        <source>The announcement is damaged: an announcement has no entry “%1”.</source>
        <translation>公告已损坏：公告中不应有条目“%1”。</translation>
    </message>
    <message>
        <source>It is not a Quorvan announcement.</source>
        <translation>这不是 Quorvan 公告。</translation>
    </message>
    <message>
        <source>It is an announcement of format version %1; this Quorvan reads versions up to %2.</source>
        <translation>这是格式版本 %1 的公告；此 Quorvan 只能读取 %2 及以下版本。</translation>
    </message>
    <message>
        <source>It is not written byte for byte in its canonical form, so its digest is not the one that was announced: an announcement is read only as Quorvan wrote it.</source>
        <translation>它并未逐字节按规范形式写成，因此其摘要与公告时的不同：公告只能按 Quorvan 写出的原样读取。</translation>
    </message>
    <message>
        <source>It names no randomness source outside the organiser&apos;s control: at least one public value or participants&apos; commitments are needed.</source>
        <translation>未指定任何主办方无法操控的随机来源：至少需要一个公开值或参与者的承诺。</translation>
    </message>
    <message>
        <source>The time after which the randomness is fixed (drawAfter) is earlier than the time of announcing.</source>
        <translation>随机值确定的时间（drawAfter）早于公告时间。</translation>
    </message>
    <message>
        <source>The participants of “%1” commit after the randomness is fixed (commitBy is later than drawAfter).</source>
        <translation>“%1”的参与者在随机值确定之后才提交承诺（commitBy 晚于 drawAfter）。</translation>
    </message>
    <message>
        <source>The name “%1” stands twice where each must be one of a kind.</source>
        <translation>名称“%1”在不允许重复的地方出现了两次。</translation>
    </message>
    <message>
        <source>The value of “%1”, “%2”, is not its dice as announced: one digit 1 to 6 for each die.</source>
        <translation>“%1”的值“%2”不符合公告的骰子：每颗骰子应为一位 1 到 6 的数字。</translation>
    </message>
    <message>
        <source>The value of “%1”, “%2”, is not written by the rule: a text of 1 to 200 characters in NFC, without control characters or blanks at either end.</source>
        <translation>“%1”的值“%2”不符合书写规则：应为 1 到 200 个字符的 NFC 文本，不含控制字符，首尾无空白。</translation>
    </message>
    <message>
        <source>The secret revealed by “%1” of “%2” does not match the commitment.</source>
        <translation>“%2”的“%1”公开的秘密与其承诺不符。</translation>
    </message>
    <message>
        <source>The lists are not the announcement&apos;s.</source>
        <translation>名单与公告中的不同。</translation>
    </message>
    <message>
        <source>The announcement&apos;s digest A is not the one given.</source>
        <translation>公告的摘要 A 与给定的值不同。</translation>
    </message>
    <message>
        <source>The %1 recorded is not the one the announcement and the values give.</source>
        <translation>记录的%1与由公告和各值得出的不同。</translation>
    </message>
    <message>
        <source>Announcement digest A: %1 (short code %2)</source>
        <translation>公告摘要 A：%1（短码 %2）</translation>
    </message>
    <message>
        <source>No A was given (--announcement HEX): compare the A above with the one that was published.</source>
        <translation>未给出 A（--announcement HEX）：请将上面的 A 与已公布的 A 比对。</translation>
    </message>
    <message>
        <source>Not verified: this record is not the draw the announcement and the values give.</source>
        <translation>未通过验证：此记录不是由公告和各值得出的抽签。</translation>
    </message>
    <message>
        <source>Verified: this outcome is the one the announcement and the values allow. Proved: the announcement with digest A fixed the lists, rows, Cross Lines and sources; every value follows its rule and every reveal its commitment; the hits&apos; order, the seed, the ladder and the results follow from them alone. Resting on people: that A was published before drawAfter (and before any commitment), that the typed public values and dice are the real ones, and that no other announcement of this draw was made.</source>
        <translation>已验证：此结果正是公告和各值所允许的结果。已证明：摘要为 A 的公告确定了名单、行数、Cross Lines 和随机来源；每个值都符合其规则，每个公开的秘密都与其承诺相符；奖项顺序、种子、梯子和结果都只由这些得出。有赖于人的部分：A 是否在 drawAfter 之前（且在任何承诺之前）公布，输入的公开值和骰子是否真实，以及此次抽签是否没有其他公告。</translation>
    </message>
    <message>
        <source>Left out, never revealed: %1.</source>
        <translation>因未公开秘密而排除：%1。</translation>
    </message>
    <message>
        <source>key K</source>
        <translation>密钥 K</translation>
    </message>
    <message>
        <source>hits&apos; order</source>
        <translation>奖项顺序</translation>
    </message>
    <message>
        <source>seed</source>
        <translation>种子</translation>
    </message>
    <message>
        <source>a text that is not empty, in NFC</source>
        <translation>非空的 NFC 文本</translation>
    </message>
    <message>
        <source>32 lower-case hexadecimal digits</source>
        <translation>32 位小写十六进制数字</translation>
    </message>
</context>
<context>
    <name>AnnouncedDrawing</name>
    <message>
        <source>No announcement is open: use Announce draw… first.</source>
        <translation>没有打开的公告：请先使用“公告抽签…”。</translation>
    </message>
    <message>
        <source>The announcement draws with values fixed after %1; it is now %2. Draw all the same?</source>
        <translation>公告规定的值在 %1 之后才确定，现在是 %2。仍要抽签吗？</translation>
    </message>
</context>
<context>
    <name>AnnouncementDialog</name>
    <message>
        <source>Draw announced</source>
        <translation>已公告的抽签</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>标题：</translation>
    </message>
    <message>
        <source>Organiser:</source>
        <translation>主办方：</translation>
    </message>
    <message>
        <source>Drawn with values fixed after:</source>
        <translation>使用此时间之后的值抽签：</translation>
    </message>
    <message>
        <source>Digest A:</source>
        <translation>摘要 A：</translation>
    </message>
    <message>
        <source>Short code to read aloud:</source>
        <translation>供朗读的短码：</translation>
    </message>
    <message>
        <source>Publish this A before the draw (a notice, an e-mail, the QR code): whoever checks the record compares it with this A. The lists stay fixed until the draw is made or the announcement is closed.</source>
        <translation>请在抽签前公布此 A（公告栏、电子邮件、二维码）：验证记录的人会将其与此 A 比对。在抽签或关闭公告之前，名单保持固定。</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>文件：%1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>打印…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>Announcing</name>
    <message>
        <source>Draw announcements</source>
        <translation>抽签公告</translation>
    </message>
    <message>
        <source>The announcement “%1” holds the lists fixed: draw from it or close it first.</source>
        <translation>公告“%1”已固定名单：请先抽签或关闭该公告。</translation>
    </message>
    <message>
        <source>Set up the rows and fill in every member and hit first.</source>
        <translation>请先设置行数，并填写所有成员和奖项。</translation>
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
        <translation>不抽签就关闭公告“%1”吗？您公布的 A 将不会有对应的抽签。</translation>
    </message>
</context>
<context>
    <name>Build</name>
    <message>
        <source>*- completion -*  Mouse click in &quot;Hit&quot;</source>
        <translation>■→→→完成！■用鼠标点击奖项，即可沿梯子追溯到成员。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Ladder lottery (ghost leg): draws a random ladder between members and hits.</source>
        <translation>爬梯子抽签：在成员与奖项之间随机画出梯子。</translation>
    </message>
    <message>
        <source>Checks the draw record FILE without a window: status 0 when its ladder gives its results, 1 when not or when it was altered, 2 when it cannot be read.</source>
        <translation>不打开窗口，验证抽签记录 FILE：梯子得出记录的结果时状态为 0，结果不符或记录被改动时为 1，无法读取时为 2。</translation>
    </message>
    <message>
        <source>With --verify: the announcement&apos;s digest A as published (64 hexadecimal digits), compared with the one the record holds.</source>
        <translation>与 --verify 一起使用：已公布的公告摘要 A（64 位十六进制数），与记录中的摘要比对。</translation>
    </message>
    <message>
        <source>A draw record (.qdraw) to open in the window, as File &gt; Open draw does.</source>
        <translation>要在窗口中打开的抽签记录（.qdraw），与“文件 ▸ 打开抽签记录”相同。</translation>
    </message>
    <message>
        <source>usage: quorvan [FILE] | --verify FILE [--announcement HEX] | --help | --version</source>
        <translation>用法：quorvan [FILE] | --verify FILE [--announcement HEX] | --help | --version</translation>
    </message>
    <message>
        <source>The window cannot start: %1</source>
        <translation>无法启动窗口：%1</translation>
    </message>
    <message>
        <source>The answer could not be written to standard output: %1</source>
        <translation>无法将结果写到标准输出：%1</translation>
    </message>
</context>
<context>
    <name>DrawRecords</name>
    <message>
        <source>Draw records</source>
        <translation>抽签记录</translation>
    </message>
    <message>
        <source>Draw.%1</source>
        <translation>抽签记录.%1</translation>
    </message>
</context>
<context>
    <name>DrawTexts</name>
    <message>
        <source>Cannot open the draw record</source>
        <translation>无法打开抽签记录</translation>
    </message>
    <message>
        <source>Cannot save the draw record</source>
        <translation>无法保存抽签记录</translation>
    </message>
    <message>
        <source>There is no draw to save yet: build the ladder first.</source>
        <translation>还没有可保存的抽签：请先生成梯子。</translation>
    </message>
    <message>
        <source>Verified: same ladder, same results</source>
        <translation>已验证：梯子相同，结果相同</translation>
    </message>
    <message>
        <source>Every shuffle by the program gives its recorded order from its seed. The record is consistent with itself; whether this was the first draw, or a fair one, cannot be told from this record.</source>
        <translation>程序的每次洗牌都能由其种子得出所记录的顺序。此记录自身一致；但这是否是第一次抽签、是否公平，无法从此记录得知。</translation>
    </message>
    <message>
        <source>Warning: Fair draw was off at the last Build, so no uniform shuffle was applied; unless the lists were shuffled, the ladder alone favours the members near each hit&apos;s own line.</source>
        <translation>警告：上次生成时公平抽签处于关闭状态，因此未进行均匀洗牌；除非名单已洗牌，否则仅凭梯子会偏向靠近各奖项所在行的成员。</translation>
    </message>
    <message>
        <source>The shuffle “%1” is not the order the program&apos;s generator gives from its seed %2.</source>
        <translation>洗牌“%1”不是程序的随机数生成器由种子 %2 得出的顺序。</translation>
    </message>
    <message>
        <source>Not verified: the record differs from its ladder.</source>
        <translation>未通过验证：记录与其梯子不符。</translation>
    </message>
    <message>
        <source>The ladder made again from seed %1 is not the ladder recorded.</source>
        <translation>由种子 %1 重新生成的梯子与记录的梯子不同。</translation>
    </message>
    <message>
        <source>Hit %1 “%2”: the record says member %3 “%4”, the ladder gives member %5 “%6”.</source>
        <translation>奖项 %1“%2”：记录为成员 %3“%4”，梯子得出的是成员 %5“%6”。</translation>
    </message>
    <message>
        <source>Its content does not match its SHA-256 digest: the record has been altered since it was saved.</source>
        <translation>内容与其 SHA-256 摘要不符：记录在保存后已被改动。</translation>
    </message>
    <message>
        <source>It is not a Quorvan draw record.</source>
        <translation>这不是 Quorvan 抽签记录。</translation>
    </message>
    <message>
        <source>It is not a Quorvan draw record (it is not JSON text: %1 at byte %2).</source>
        <translation>这不是 Quorvan 抽签记录（不是 JSON 文本：%1，位于第 %2 字节）。</translation>
    </message>
    <message>
        <source>It is a draw record of format version %1; this Quorvan reads versions up to %2.</source>
        <translation>这是格式版本 %1 的抽签记录；此 Quorvan 只能读取 %2 及以下版本。</translation>
    </message>
    <message>
        <source>It is larger than %1 bytes, too large for a draw record.</source>
        <translation>超过 %1 字节，作为抽签记录过大。</translation>
    </message>
    <message>
        <source>The record is damaged: the entry “%1” should be %2.</source>
        <translation>记录已损坏：条目“%1”应为%2。</translation>
    </message>
    <message>
        <source>The record is damaged: a draw record has no entry “%1”.</source>
        <translation>记录已损坏：抽签记录中不应有条目“%1”。</translation>
    </message>
    <message>
        <source>The record is damaged: its last Build in the history does not match its rows, Cross Lines, fair draw and seed.</source>
        <translation>记录已损坏：历史中最后一次生成与记录的行数、Cross Lines、公平抽签和种子不符。</translation>
    </message>
    <message>
        <source>It begins with a byte order mark, which a draw record never has.</source>
        <translation>文件以字节顺序标记（BOM）开头，而抽签记录从不带 BOM。</translation>
    </message>
    <message>
        <source>A control character stands unescaped in a text at byte %1.</source>
        <translation>第 %1 字节处的文本中有未转义的控制字符。</translation>
    </message>
    <message>
        <source>The escape at byte %1 is one half of a surrogate pair without the other: it is no character.</source>
        <translation>第 %1 字节处的转义只是代理对的一半，缺少另一半：它不是字符。</translation>
    </message>
    <message>
        <source>The key “%1” appears twice in one object (byte %2).</source>
        <translation>键“%1”在同一对象中出现了两次（第 %2 字节）。</translation>
    </message>
    <message>
        <source>The number %1 at byte %2 is not written as whole numbers are: digits only, as 12.</source>
        <translation>第 %2 字节处的数值 %1 未按整数的写法书写：应只含数字，如 12。</translation>
    </message>
    <message>
        <source>The record cannot have been saved by Quorvan: the fair Build “%1” does not follow straight after the fair shuffle of the hits.</source>
        <translation>此记录不可能由 Quorvan 保存：公平生成“%1”之前没有紧接着奖项的公平洗牌。</translation>
    </message>
    <message>
        <source>The record cannot have been saved by Quorvan: the fair shuffle “%1” is not followed straight away by a fair Build.</source>
        <translation>此记录不可能由 Quorvan 保存：公平洗牌“%1”之后没有紧接着公平生成。</translation>
    </message>
    <message>
        <source>The record cannot have been saved by Quorvan: “%1” comes after the last Build, where Set-up and Shuffle are withdrawn until the hits are loaded again.</source>
        <translation>此记录不可能由 Quorvan 保存：“%1”位于最后一次生成之后，而此后在重新读取奖项之前无法设置和洗牌。</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>%1 到 %2 之间的整数</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true 或 false</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>a text of at most %1 characters</source>
        <translation>最多 %1 个字符的文本</translation>
    </message>
    <message>
        <source>a text in Unicode&apos;s composed form (NFC)</source>
        <translation>Unicode 组合形式（NFC）的文本</translation>
    </message>
    <message>
        <source>a list of %1 entries</source>
        <translation>含 %1 个元素的列表</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>列表</translation>
    </message>
    <message>
        <source>a JSON object</source>
        <translation>JSON 对象</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>%1 之一</translation>
    </message>
    <message>
        <source>each row number from 1 to the row count once</source>
        <translation>从 1 到行数的所有行号，每个只出现一次</translation>
    </message>
    <message>
        <source>64 lower-case hexadecimal digits</source>
        <translation>64 位小写十六进制数字</translation>
    </message>
    <message>
        <source>an ISO 8601 date and time with its offset from UTC</source>
        <translation>带 UTC 时差的 ISO 8601 日期时间</translation>
    </message>
    <message numerus="yes">
        <source>And %n more differences.</source>
        <translation>
            <numerusform>另有 %n 处差异。</numerusform>
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
        <translation>运行</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Rows:</source>
        <translation>行数：</translation>
    </message>
    <message>
        <source>How often each hit (row) lands on each member (column); white is the fair 1/n.</source>
        <translation>各奖项（行）落到各成员（列）的频率；白色表示公平的 1/n。</translation>
    </message>
    <message>
        <source>The program&apos;s ladder</source>
        <translation>本程序的梯子</translation>
    </message>
    <message>
        <source>After a uniform shuffle of the hits</source>
        <translation>奖项均匀洗牌后</translation>
    </message>
    <message>
        <source>never</source>
        <translation>从未</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>保存图片…</translation>
    </message>
    <message>
        <source>Save matrix…</source>
        <translation>保存表格…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>%1 rows, Cross Lines %2, %3 ladders</source>
        <translation>%1 行，Cross Lines %2，梯子 %3 个</translation>
    </message>
    <message>
        <source>on</source>
        <translation>开</translation>
    </message>
    <message>
        <source>off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Most likely: hit %1 → member %2, %3, %5× ± %6 the fair %4 (chance alone gives about %7×)</source>
        <translation>最常见：奖项 %1 → 成员 %2，%3（为公平值 %4 的 %5 倍 ± %6；仅凭偶然也会达到约 %7 倍）</translation>
    </message>
    <message>
        <source>Pairs never seen in %1 ladders: %2</source>
        <translation>在 %1 个梯子中从未出现的组合：%2</translation>
    </message>
    <message>
        <source>Typical distance moved (median): %1 lines (%2 to %3; about %4 in a fair draw)</source>
        <translation>移动行数的中位数：%1 行（%2 至 %3；公平时约 %4）</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>PNG 图片</translation>
    </message>
    <message>
        <source>The program&apos;s ladder (CSV)</source>
        <translation>本程序的梯子（CSV）</translation>
    </message>
    <message>
        <source>After a uniform shuffle (CSV)</source>
        <translation>均匀洗牌后（CSV）</translation>
    </message>
</context>
<context>
    <name>ListCheckReport</name>
    <message>
        <source>The list check found nothing.</source>
        <translation>名单检查未发现问题。</translation>
    </message>
</context>
<context>
    <name>ListChecks</name>
    <message>
        <source>hit</source>
        <translation>奖项</translation>
    </message>
    <message>
        <source>member</source>
        <translation>成员</translation>
    </message>
    <message>
        <source>The %1 file has bytes that are no text in lines %2; they show as “�”</source>
        <translation>%1名单文件第 %2 行含有不是文本的字节，显示为“�”</translation>
    </message>
    <message>
        <source>The %1 file has a CR without LF in lines %2; it was left out</source>
        <translation>%1名单文件第 %2 行有不带 LF 的 CR，已将其去除</translation>
    </message>
    <message>
        <source>The %1 file&apos;s lines hold tabs: only the first column was read</source>
        <translation>%1名单文件的各行含有制表符：只读取了第一列</translation>
    </message>
    <message numerus="yes">
        <source>The %1 list stops at the empty cell in row %2; %n names follow below it</source>
        <translation>
            <numerusform>%1名单在第 %2 行的空单元格处结束；其下还有 %n 个名称</numerusform>
        </translation>
    </message>
    <message>
        <source>Hit</source>
        <translation>奖项</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>成员</translation>
    </message>
    <message>
        <source>“%1” appears %2 times in the %3 (rows %4)</source>
        <translation>“%1”在%3名单中出现 %2 次（第 %4 行）</translation>
    </message>
    <message>
        <source>hits</source>
        <translation>奖项</translation>
    </message>
    <message>
        <source>members</source>
        <translation>成员</translation>
    </message>
    <message>
        <source>Row %1 of the %2 is empty</source>
        <translation>%2名单第 %1 行为空</translation>
    </message>
    <message>
        <source>Rows %1–%2 of the %3 are empty</source>
        <translation>%3名单第 %1–%2 行为空</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <translation>%1，%2</translation>
    </message>
    <message numerus="yes">
        <source>%n hits</source>
        <translation>
            <numerusform>%n 个奖项</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n members</source>
        <translation>
            <numerusform>%n 名成员</numerusform>
        </translation>
    </message>
    <message>
        <source>List check: </source>
        <translation>名单检查：</translation>
    </message>
    <message>
        <source>; </source>
        <translation>；</translation>
    </message>
    <message>
        <source>; %1 more</source>
        <translation>；另有 %1 项</translation>
    </message>
</context>
<context>
    <name>LoadedDocuments</name>
    <message>
        <source>The program cannot load its part %1: %2</source>
        <translation>无法加载程序的组成部分 %1：%2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Fair draw</source>
        <translation>公平抽签</translation>
    </message>
    <message>
        <source>Findings…</source>
        <translation>检查结果…</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Member</source>
        <translation>成员(&amp;M)</translation>
    </message>
    <message>
        <source>Hi&amp;t</source>
        <translation>奖项(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Ladder</source>
        <translation>梯子(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Open draw…</source>
        <translation>打开抽签记录…</translation>
    </message>
    <message>
        <source>Save draw…</source>
        <translation>保存抽签记录…</translation>
    </message>
    <message>
        <source>Announce draw…</source>
        <translation>公告抽签…</translation>
    </message>
    <message>
        <source>Draw from announcement…</source>
        <translation>按公告抽签…</translation>
    </message>
    <message>
        <source>Close announcement</source>
        <translation>关闭公告</translation>
    </message>
    <message>
        <source>List check…</source>
        <translation>名单检查…</translation>
    </message>
    <message>
        <source>Fairness…</source>
        <translation>公平性…</translation>
    </message>
    <message>
        <source>Leave out earlier winners…</source>
        <translation>排除上次中奖者…</translation>
    </message>
    <message>
        <source>Winners…</source>
        <translation>中奖者…</translation>
    </message>
    <message>
        <source>About Quorvan</source>
        <translation>关于 Quorvan</translation>
    </message>
    <message>
        <source>Stage</source>
        <translation>舞台</translation>
    </message>
    <message>
        <source>Reveal next prize</source>
        <translation>揭晓下一个奖品</translation>
    </message>
    <message>
        <source>Back one reveal</source>
        <translation>撤回上一次揭晓</translation>
    </message>
    <message>
        <source>Reveal all</source>
        <translation>揭晓全部剩余奖品</translation>
    </message>
    <message>
        <source>Skip to the end of the path</source>
        <translation>跳到路径终点</translation>
    </message>
    <message>
        <source>Stage overview</source>
        <translation>舞台全景</translation>
    </message>
    <message>
        <source>Blank the stage</source>
        <translation>舞台黑屏</translation>
    </message>
    <message>
        <source>Stage settings…</source>
        <translation>舞台设置…</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Quorvan V%1&lt;/h3&gt;&lt;p&gt;A ladder lottery (ghost leg).&lt;/p&gt;&lt;p&gt;Licence: MIT&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Quorvan V%1&lt;/h3&gt;&lt;p&gt;爬梯子抽签&lt;/p&gt;&lt;p&gt;许可证：MIT&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Cannot read the list file</source>
        <translation>无法读取名单文件</translation>
    </message>
    <message>
        <source>Cannot read the workbook</source>
        <translation>无法读取工作簿</translation>
    </message>
    <message>
        <source>Cannot write the result file</source>
        <translation>无法写入结果文件</translation>
    </message>
    <message>
        <source>Cannot save the workbook</source>
        <translation>无法保存工作簿</translation>
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
        <translation>无法读取“%1”：
名单可从文本文件（.txt）、CSV 文件（.csv）、Excel 工作簿（.xls、.xlsx）和 OpenDocument 电子表格（.ods）读取。</translation>
    </message>
    <message>
        <source>It is too large to be a list: its first %1 MB hold fewer than %2 lines.</source>
        <translation>作为名单过大：前 %1 MB 中不足 %2 行。</translation>
    </message>
    <message>
        <source>It holds binary data (NUL bytes), not a list of names.</source>
        <translation>它包含二进制数据（NUL 字节），不是名单。</translation>
    </message>
    <message>
        <source>Its bytes are in no encoding a list is read in (UTF-8, UTF-16, Shift_JIS, EUC-JP, EUC-KR, GB18030, Big5, Windows-1251 or Windows-1252). Save it as UTF-8 text or CSV and load it again.</source>
        <translation>其字节不属于任何可读取名单的编码（UTF-8、UTF-16、Shift_JIS、EUC-JP、EUC-KR、GB18030、Big5、Windows-1251 或 Windows-1252）。请将其另存为 UTF-8 文本或 CSV 后重新读取。</translation>
    </message>
    <message>
        <source>This is an HTML table (a web page), not a workbook: open it in a spreadsheet program and save it as .xlsx or .csv.</source>
        <translation>这是 HTML 表格（网页），不是工作簿：请在电子表格程序中打开，并另存为 .xlsx 或 .csv。</translation>
    </message>
    <message>
        <source>This is an Excel 2003 XML spreadsheet: open it in a spreadsheet program and save it as .xlsx or .csv.</source>
        <translation>这是 Excel 2003 XML 电子表格：请在电子表格程序中打开，并另存为 .xlsx 或 .csv。</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>这是文件夹，不是文件。</translation>
    </message>
    <message>
        <source>It is a pipe, not a file.</source>
        <translation>这是管道，不是文件。</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>这是设备，不是文件。</translation>
    </message>
    <message>
        <source>It is not an ordinary file.</source>
        <translation>这不是普通文件。</translation>
    </message>
    <message>
        <source>It is not an ordinary file (it is a device, a pipe or the like), so nothing is written to it.</source>
        <translation>这不是普通文件（而是设备、管道之类），因此不会向其写入任何内容。</translation>
    </message>
    <message>
        <source>It is a symbolic link that leads round in a circle.</source>
        <translation>这是循环的符号链接。</translation>
    </message>
    <message>
        <source>An Excel result is saved as an Excel 97–2003 workbook (.xls), an Excel workbook (.xlsx), an OpenDocument spreadsheet (.ods) or CSV (.csv). Choose a name ending in one of them, or a name without an ending.</source>
        <translation>Excel 结果保存为 Excel 97–2003 工作簿（.xls）、Excel 工作簿（.xlsx）、OpenDocument 电子表格（.ods）或 CSV（.csv）。请选择以其中一种扩展名结尾的名称，或不带扩展名的名称。</translation>
    </message>
    <message>
        <source>There is not enough memory to make it.</source>
        <translation>内存不足，无法创建。</translation>
    </message>
    <message>
        <source>A cell holds more than 32,767 characters.</source>
        <translation>有单元格超过 32,767 个字符。</translation>
    </message>
    <message>
        <source>It could not be put together in the temporary folder “%1”: that folder may be full, or the file larger than this system allows.</source>
        <translation>无法在临时文件夹“%1”中组装：该文件夹可能已满，或文件超过了本系统允许的大小。</translation>
    </message>
    <message>
        <source>The workbook library refused it: %1</source>
        <translation>工作簿库拒绝了它：%1</translation>
    </message>
    <message>
        <source>The workbook is too large to write</source>
        <translation>工作簿过大，无法写入</translation>
    </message>
    <message>
        <source>There is not enough space on the disk.</source>
        <translation>磁盘空间不足。</translation>
    </message>
    <message>
        <source>Your disk quota is used up.</source>
        <translation>您的磁盘配额已用完。</translation>
    </message>
    <message>
        <source>The file would grow larger than this system allows.</source>
        <translation>文件将超过本系统允许的大小。</translation>
    </message>
    <message>
        <source>You have no permission to write there.</source>
        <translation>您没有写入该位置的权限。</translation>
    </message>
    <message>
        <source>The disk can only be read, not written.</source>
        <translation>磁盘为只读，无法写入。</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>文件夹不存在。</translation>
    </message>
    <message>
        <source>The disk reported an input/output error.</source>
        <translation>磁盘报告了输入/输出错误。</translation>
    </message>
    <message>
        <source>Excel 97–2003 workbook</source>
        <translation>Excel 97–2003 工作簿</translation>
    </message>
    <message>
        <source>Excel workbook</source>
        <translation>Excel 工作簿</translation>
    </message>
    <message>
        <source>OpenDocument spreadsheet</source>
        <translation>OpenDocument 电子表格</translation>
    </message>
    <message>
        <source>CSV file</source>
        <translation>CSV 文件</translation>
    </message>
    <message>
        <source>“%1” already exists. Replace it?</source>
        <translation>“%1”已存在。要替换它吗？</translation>
    </message>
    <message>
        <source>The user guide could not be opened. Open this file in a web browser:
%1</source>
        <translation>无法打开用户指南。请在网页浏览器中打开此文件：
%1</translation>
    </message>
    <message>
        <source>Cannot save the picture</source>
        <translation>无法保存图片</translation>
    </message>
    <message>
        <source>Cannot save the matrix</source>
        <translation>无法保存表格</translation>
    </message>
    <message>
        <source>The picture could not be made into a PNG.</source>
        <translation>无法将图片转换为 PNG。</translation>
    </message>
    <message>
        <source>The reader stopped on signal %1 (%2).</source>
        <translation>读取程序因信号 %1（%2）而停止。</translation>
    </message>
    <message>
        <source>The reader ended with exit code %1 and no result.</source>
        <translation>读取程序未返回结果就退出了（退出代码 %1）。</translation>
    </message>
    <message>
        <source>The reader %1 cannot be started: %2.</source>
        <translation>无法启动读取程序 %1：%2。</translation>
    </message>
    <message>
        <source>The reader sent more than %1.</source>
        <translation>读取程序发送的数据超过了 %1。</translation>
    </message>
    <message>
        <source>The reader took longer than %1 seconds.</source>
        <translation>读取程序在 %1 秒内未完成。</translation>
    </message>
    <message>
        <source>The reader sent something other than a result.</source>
        <translation>读取程序发送了结果以外的内容。</translation>
    </message>
    <message>
        <source>The reader sent damaged cells.</source>
        <translation>读取程序发送了损坏的单元格。</translation>
    </message>
    <message>
        <source>The system would not let the reader shut itself off from everything but the workbook, so it did not read it.</source>
        <translation>系统不允许读取程序与工作簿以外的一切隔离，因此未读取。</translation>
    </message>
    <message>
        <source>Reading was cancelled.</source>
        <translation>已取消读取。</translation>
    </message>
    <message>
        <source>It is a link another user made in a shared folder; it is not followed.</source>
        <translation>这是其他用户在共享文件夹中创建的链接，不会跟随它。</translation>
    </message>
    <message>
        <source>There is no such file (any more): it may have been moved, renamed or deleted.</source>
        <translation>该文件不存在（或已不存在）：可能已被移动、重命名或删除。</translation>
    </message>
    <message>
        <source>Reading “%1”…</source>
        <translation>正在读取“%1”…</translation>
    </message>
    <message>
        <source>Names in the %1 list cut to %3 characters: rows %2</source>
        <translation>%1名单中的名称已截断为 %3 个字符：第 %2 行</translation>
    </message>
    <message>
        <source>The workbook is damaged (part of it lies outside the file).</source>
        <translation>工作簿已损坏（其中一部分位于文件之外）。</translation>
    </message>
    <message>
        <source>The workbook is damaged (one of its streams is cut short).</source>
        <translation>工作簿已损坏（其中一个流被截断）。</translation>
    </message>
    <message>
        <source>The workbook is damaged (its sectors run in a loop).</source>
        <translation>工作簿已损坏（其扇区形成循环）。</translation>
    </message>
    <message>
        <source>The workbook is damaged (its directory is broken).</source>
        <translation>工作簿已损坏（其目录已损坏）。</translation>
    </message>
    <message>
        <source>The workbook is damaged (its header is broken).</source>
        <translation>工作簿已损坏（其文件头已损坏）。</translation>
    </message>
    <message>
        <source>The file is cut short or cannot be read.</source>
        <translation>文件被截断或无法读取。</translation>
    </message>
    <message>
        <source>The file does not exist or cannot be opened.</source>
        <translation>文件不存在或无法打开。</translation>
    </message>
    <message>
        <source>There is not enough memory to read it.</source>
        <translation>内存不足，无法读取。</translation>
    </message>
    <message>
        <source>It is not an Excel 97–2003 workbook (.xls).</source>
        <translation>这不是 Excel 97–2003 工作簿（.xls）。</translation>
    </message>
    <message>
        <source>The file holds no workbook.</source>
        <translation>文件中没有工作簿。</translation>
    </message>
    <message>
        <source>The workbook has no worksheet.</source>
        <translation>工作簿中没有工作表。</translation>
    </message>
    <message>
        <source>Its text is in a character set that cannot be read.</source>
        <translation>其中有文本使用了无法读取的字符集。</translation>
    </message>
    <message>
        <source>The workbook is damaged (error %1).</source>
        <translation>工作簿已损坏（错误 %1）。</translation>
    </message>
    <message>
        <source>The workbook is damaged or too large to read.</source>
        <translation>工作簿已损坏或过大，无法读取。</translation>
    </message>
    <message>
        <source>It is protected by a password.</source>
        <translation>它受密码保护。</translation>
    </message>
    <message>
        <source>The command ended with an unknown error.</source>
        <translation>命令因未知错误而结束。</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>命令因意外错误而结束：
%1</translation>
    </message>
    <message>
        <source>&amp;Colour...</source>
        <translation>颜色(&amp;C)...</translation>
    </message>
    <message>
        <source>Font colour</source>
        <translation>字体颜色</translation>
    </message>
    <message>
        <source>Member %1</source>
        <translation>成员 %1</translation>
    </message>
    <message>
        <source>Hit %1</source>
        <translation>奖项 %1</translation>
    </message>
    <message>
        <source>Result %1</source>
        <translation>结果 %1</translation>
    </message>
    <message>
        <source>Number of members</source>
        <translation>成员数</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>梯子</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>用户指南</translation>
    </message>
    <message>
        <source>Hit %1 → %2 (member %3)</source>
        <translation>奖项 %1 → %2（成员 %3）</translation>
    </message>
    <message>
        <source>Hit %1 → member %2</source>
        <translation>奖项 %1 → 成员 %2</translation>
    </message>
    <message>
        <source>Every prize is revealed.</source>
        <translation>所有奖品均已揭晓。</translation>
    </message>
    <message>
        <source>Build the ladder first: there is nothing to reveal yet.</source>
        <translation>请先生成梯子：还没有可揭晓的内容。</translation>
    </message>
    <message>
        <source>Quorvan stage</source>
        <translation>Quorvan 舞台</translation>
    </message>
    <message>
        <source>Stage settings</source>
        <translation>舞台设置</translation>
    </message>
    <message>
        <source>One path takes</source>
        <translation>每条路径用时</translation>
    </message>
    <message>
        <source>Pause between paths in Reveal all</source>
        <translation>“揭晓全部剩余奖品”时路径之间的停顿</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主题</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>浅色</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>高对比度</translation>
    </message>
    <message>
        <source>Reduced motion: paths appear at once</source>
        <translation>减少动画：立即显示路径</translation>
    </message>
    <message>
        <source>Hide the prizes until they are revealed</source>
        <translation>揭晓前隐藏奖品</translation>
    </message>
    <message>
        <source> s</source>
        <translation> 秒</translation>
    </message>
    <message>
        <source>The file is damaged or cut short: it is not a whole zip archive, as an .xlsx or .ods workbook is (%1).</source>
        <translation>文件已损坏或被截断：它不是 .xlsx 或 .ods 工作簿那样完整的 zip 压缩包（%1）。</translation>
    </message>
    <message>
        <source>The workbook has no part “%1”: it is damaged, or not a workbook of this kind.</source>
        <translation>工作簿中没有部件“%1”：它已损坏，或不是此类工作簿。</translation>
    </message>
    <message>
        <source>Its part “%1” unpacks to more than %2 MB, far more than any list needs (it may be a zip bomb).</source>
        <translation>其部件“%1”解压后超过 %2 MB，远超任何名单所需（可能是 zip 炸弹）。</translation>
    </message>
    <message>
        <source>Its part “%1” cannot be unpacked: %2.</source>
        <translation>无法解压其部件“%1”：%2。</translation>
    </message>
    <message>
        <source>Its part “%1” stops before its end: the file is damaged or cut short.</source>
        <translation>其部件“%1”在结尾前中断：文件已损坏或被截断。</translation>
    </message>
    <message>
        <source>Its part “%1” is damaged: line %2: %3.</source>
        <translation>其部件“%1”已损坏：第 %2 行：%3。</translation>
    </message>
    <message>
        <source>Its part “%1” declares XML entities of its own, which no workbook does.</source>
        <translation>其部件“%1”声明了自己的 XML 实体，而工作簿从不这样做。</translation>
    </message>
    <message>
        <source>A cell refers to shared text number %1, but the workbook&apos;s table of texts holds only %2.</source>
        <translation>有单元格引用了第 %1 号共享文本，但工作簿的文本表只有 %2 项。</translation>
    </message>
    <message>
        <source>Cell %1 holds the formula %2 without its result, and Quorvan cannot work that formula out. Open the file in a spreadsheet program (LibreOffice Calc, Excel) and save it again there, so that the results of its formulas are stored with them, or paste the column as values.</source>
        <translation>单元格 %1 中的公式 %2 没有保存计算结果，Quorvan 无法计算该公式。请在电子表格程序（LibreOffice Calc、Excel）中打开文件并重新保存，使公式的结果一并保存，或将该列粘贴为数值。</translation>
    </message>
    <message>
        <source>%1 workbook: its first sheet “%2” is hidden; the list was read from it</source>
        <translation>%1工作簿：第一个工作表“%2”是隐藏的；名单是从该表读取的</translation>
    </message>
    <message>
        <source>%1 workbook: no names on the first sheet; sheet “%2” holds %3 (only the first sheet is read)</source>
        <translation>%1工作簿：第一个工作表中没有名称；工作表“%2”中有 %3 个（只读取第一个工作表）</translation>
    </message>
    <message>
        <source>Uneven draw: member %1 wins %2 % of the time, fair is %3 %</source>
        <translation>抽签不均：成员 %1 的中奖概率为 %2%，公平应为 %3%</translation>
    </message>
    <message>
        <source>Draw again fairly</source>
        <translation>以公平抽签重抽</translation>
    </message>
    <message>
        <source>Fair draw is on from the next Build.</source>
        <translation>从下次生成起启用公平抽签。</translation>
    </message>
    <message>
        <source>The results of this lottery have not been saved. Save them before starting a new lottery?</source>
        <translation>本次抽签的结果尚未保存。开始新的抽签前要保存吗？</translation>
    </message>
    <message>
        <source>The results of this lottery have not been saved. Save them before quitting?</source>
        <translation>本次抽签的结果尚未保存。退出前要保存吗？</translation>
    </message>
    <message>
        <source>Quorvan was not closed normally. Restore the lottery of %1 members as it was at %2?</source>
        <translation>Quorvan 未正常关闭。要恢复 %2 时的 %1 名成员的抽签吗？</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>放弃</translation>
    </message>
    <message>
        <source>Cannot keep the lottery safe against a crash in</source>
        <translation>无法在以下位置保存抽签以防崩溃</translation>
    </message>
    <message>
        <source>Cannot keep this setting for the next start in</source>
        <translation>无法为下次启动保存此设置</translation>
    </message>
    <message>
        <source>The settings could not be written there.</source>
        <translation>无法在那里写入设置。</translation>
    </message>
    <message>
        <source>Cannot restore the lottery kept as</source>
        <translation>无法恢复保存在以下文件中的抽签</translation>
    </message>
    <message>
        <source>It is damaged, or was saved by another version of Quorvan; it stays there for you.</source>
        <translation>它已损坏，或由其他版本的 Quorvan 保存；文件仍保留在原处。</translation>
    </message>
    <message>
        <source>Winners</source>
        <translation>中奖者</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>奖品</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>中奖者</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>打印…</translation>
    </message>
    <message>
        <source>Save as text…</source>
        <translation>另存为文本…</translation>
    </message>
    <message>
        <source>Save as workbook…</source>
        <translation>另存为工作簿…</translation>
    </message>
    <message>
        <source>No prize has been drawn yet: build the ladder first.</source>
        <translation>尚未抽出任何奖品：请先生成梯子。</translation>
    </message>
    <message>
        <source>%1, winners only</source>
        <translation>%1（仅中奖者）</translation>
    </message>
    <message>
        <source>“%1” counted as %2 hits “%3”</source>
        <translation>已将“%1”计为 %2 个奖项“%3”</translation>
    </message>
    <message>
        <source>Left out %1 earlier winners: %2</source>
        <translation>已排除 %1 名上次中奖者：%2</translation>
    </message>
    <message>
        <source>None of the winners in “%1” is in the member list.</source>
        <translation>“%1”中的中奖者都不在成员名单中。</translation>
    </message>
    <message>
        <source>It holds no results of a draw.</source>
        <translation>其中没有抽签结果。</translation>
    </message>
    <message>
        <source>Cannot read “%1”:
earlier winners are read from text results (.txt) and draw records (.qdraw).</source>
        <translation>无法读取“%1”：
上次中奖者可从文本结果（.txt）和抽签记录（.qdraw）读取。</translation>
    </message>
    <message>
        <source>Earlier winners are left out before Build: press RESET first.</source>
        <translation>须在生成前排除上次中奖者：请先按 RESET。</translation>
    </message>
    <message>
        <source>%1 prize: %2 → %3</source>
        <translation>%1等奖：%2 → %3</translation>
    </message>
    <message>
        <source>member %1</source>
        <translation>成员 %1</translation>
    </message>
    <message>
        <source>Keep prizes&apos; red paths</source>
        <translation>保留奖品的红色路径</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>已保存到 %1</translation>
    </message>
    <message>
        <source>Import preview</source>
        <translation>导入预览</translation>
    </message>
    <message>
        <source>How should “%1” be read?</source>
        <translation>应如何读取“%1”？</translation>
    </message>
    <message>
        <source>The first row looks like a heading: “%1”.</source>
        <translation>第一行看起来像标题：“%1”。</translation>
    </message>
    <message>
        <source>Column A holds numbers or codes; column %1 holds names.</source>
        <translation>A 列是编号或代码；%1 列是名称。</translation>
    </message>
    <message>
        <source>The list stops at the empty cell in row %1; below it: %2 more.</source>
        <translation>名单在第 %1 行的空单元格处结束；其下还有 %2 个。</translation>
    </message>
    <message>
        <source>Entries in column:</source>
        <translation>读取的列：</translation>
    </message>
    <message>
        <source>The first row is a heading (not read)</source>
        <translation>第一行是标题（不读取）</translation>
    </message>
    <message>
        <source>Read on past empty cells</source>
        <translation>越过空单元格继续读取</translation>
    </message>
    <message>
        <source>It was replaced or changed while the import preview was open, so it was not read again: load it once more.</source>
        <translation>导入预览打开期间，文件被替换或更改，因此没有重新读取：请再读取一次。</translation>
    </message>
    <message>
        <source>%1 hit lines give a count, such as “%2”.
Count each as that many hits (“%2” as %3 hits “%4”)?</source>
        <translation>有 %1 行奖项带数量，例如“%2”。
要把每行计为相应数量的奖项吗？（“%2”计为 %3 个奖项“%4”）</translation>
    </message>
    <message>
        <source>The hit line “%1” gives a count.
Count it as %2 hits “%3”?</source>
        <translation>奖项行“%1”带数量。
要计为 %2 个奖项“%3”吗？</translation>
    </message>
    <message>
        <source>Every path traced; winners: %1. View › Winners… lists them in prize order.</source>
        <translation>已走完所有路径，中奖者 %1 人。“查看 › 中奖者…”按奖项顺序列出他们。</translation>
    </message>
    <message>
        <source>%1 workbook: no names in column %2; column %3 holds %4 (only column %2 is read)</source>
        <translation>%1工作簿：%2 列中没有名称；%3 列中有 %4 个（只读取 %2 列）</translation>
    </message>
    <message>
        <source>Celebrate each reveal</source>
        <translation>每次揭晓时显示庆祝效果</translation>
    </message>
    <message>
        <source>No file or folder has this name: the sign � in it stands for bytes that are not UTF-8 text, and no file can be read or saved under such a name. Give the file, or its folder, a name in UTF-8.</source>
        <translation>没有这个名称的文件或文件夹：名称中的 � 代表不是 UTF-8 文本的字节，无法以这样的名称读取或保存文件。请给文件（或其文件夹）取一个 UTF-8 名称。</translation>
    </message>
    <message>
        <source>Not kept safe against a crash: %1 (%2)</source>
        <translation>未能为防备崩溃而保存：%1（%2）</translation>
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
        <translation>无法读取系统的加密随机源：%1</translation>
    </message>
</context>
<context>
    <name>SetUp</name>
    <message>
        <source>Member and Hit are input and the Vessapo_button is pushed</source>
        <translation>■→→输入成员和奖项内容后，按下方的“Vessapo”按钮</translation>
    </message>
</context>
<context>
    <name>SourceValuesDialog</name>
    <message>
        <source>Draw from the announcement</source>
        <translation>按公告抽签</translation>
    </message>
    <message>
        <source>Type each randomness source&apos;s value of “%1” exactly as it was made known.</source>
        <translation>请按公布时的原样输入“%1”的每个随机来源的值。</translation>
    </message>
    <message>
        <source>empty when never revealed</source>
        <translation>未公开时留空</translation>
    </message>
    <message>
        <source>%1&apos;s commitment:</source>
        <translation>%1 的承诺：</translation>
    </message>
    <message>
        <source>%1&apos;s secret:</source>
        <translation>%1 的秘密：</translation>
    </message>
    <message>
        <source>the %1 rolls (1 to 6), in order</source>
        <translation>按顺序填写 %1 次掷出的点数（1 到 6）</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>值：</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>抽签</translation>
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
        <translation>Vessapo结果.XLS</translation>
    </message>
</context>
<context>
    <name>TextResult</name>
    <message>
        <source>VessapoResult.TXT</source>
        <translation>Vessapo结果.TXT</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Please press the set execution button after specifying a set number</source>
        <translation>■→指定人数后，请按“执行设置”按钮</translation>
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
        <translation>结果输出</translation>
    </message>
    <message>
        <source>Execution</source>
        <translation>执行设置</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
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
        <translation>读取</translation>
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
