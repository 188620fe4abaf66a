<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>AnnounceForm</name>
    <message>
        <source>Announce draw</source>
        <translation>추첨 공고</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>제목:</translation>
    </message>
    <message>
        <source>Organiser:</source>
        <translation>주최자:</translation>
    </message>
    <message>
        <source>Draw with values fixed after:</source>
        <translation>이 시각 이후에 정해지는 값으로 추첨:</translation>
    </message>
    <message>
        <source>A published value (a lottery result, a beacon pulse, a closing index)</source>
        <translation>공표되는 값(복권 당첨 번호, 난수 비컨 펄스, 주가 지수 종가)</translation>
    </message>
    <message>
        <source>e.g. the first prize&apos;s number, digits only, left to right</source>
        <translation>예: 1등 번호, 숫자만, 왼쪽부터</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>이름:</translation>
    </message>
    <message>
        <source>How its value is written:</source>
        <translation>값의 표기 방법:</translation>
    </message>
    <message>
        <source>Dice rolled in public</source>
        <translation>공개적으로 굴리는 주사위</translation>
    </message>
    <message>
        <source>Rolls:</source>
        <translation>횟수:</translation>
    </message>
    <message>
        <source>Participants&apos; secrets (committed first, revealed later)</source>
        <translation>참가자의 비밀(먼저 커밋, 나중에 공개)</translation>
    </message>
    <message>
        <source>one name a line</source>
        <translation>한 줄에 한 명</translation>
    </message>
    <message>
        <source>Participants:</source>
        <translation>참가자:</translation>
    </message>
    <message>
        <source>Commitments in by:</source>
        <translation>커밋 마감:</translation>
    </message>
    <message>
        <source>Choose at least one value the organiser cannot steer. Once announced, the lists stay fixed until the draw.</source>
        <translation>주최자가 좌우할 수 없는 값을 적어도 하나 고르세요. 공고한 뒤에는 추첨할 때까지 목록이 고정됩니다.</translation>
    </message>
    <message>
        <source>Announce…</source>
        <translation>공고…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>주사위</translation>
    </message>
    <message>
        <source>Participants</source>
        <translation>참가자</translation>
    </message>
</context>
<context>
    <name>AnnounceTexts</name>
    <message>
        <source>Cannot open the announcement</source>
        <translation>공고를 열 수 없습니다</translation>
    </message>
    <message>
        <source>Cannot save the announcement</source>
        <translation>공고를 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>The announcement is damaged: the entry “%1” should be %2.</source>
        <translation>공고가 손상되었습니다. 항목 “%1”은(는) %2이어야 합니다.</translation>
    </message>
    <message>
        <source>The announcement is damaged: an announcement has no entry “%1”.</source>
        <translation>공고가 손상되었습니다. “%1”은(는) 공고에 있을 수 없는 항목입니다.</translation>
    </message>
    <message>
        <source>It is not a Quorvan announcement.</source>
        <translation>Quorvan 공고가 아닙니다.</translation>
    </message>
    <message>
        <source>It is an announcement of format version %1; this Quorvan reads versions up to %2.</source>
        <translation>형식 버전 %1의 공고입니다. 이 Quorvan은 버전 %2까지 읽을 수 있습니다.</translation>
    </message>
    <message>
        <source>It is not written byte for byte in its canonical form, so its digest is not the one that was announced: an announcement is read only as Quorvan wrote it.</source>
        <translation>바이트 단위로 정규형과 똑같이 쓰여 있지 않아, 다이제스트가 공고된 값과 다릅니다. 공고는 Quorvan이 쓴 그대로일 때만 읽습니다.</translation>
    </message>
    <message>
        <source>It names no randomness source outside the organiser&apos;s control: at least one public value or participants&apos; commitments are needed.</source>
        <translation>주최자가 좌우할 수 없는 난수원이 없습니다. 공표되는 값이나 참가자의 커밋먼트가 적어도 하나 필요합니다.</translation>
    </message>
    <message>
        <source>The time after which the randomness is fixed (drawAfter) is earlier than the time of announcing.</source>
        <translation>난수가 확정되는 시각(drawAfter)이 공고한 시각보다 이릅니다.</translation>
    </message>
    <message>
        <source>The participants of “%1” commit after the randomness is fixed (commitBy is later than drawAfter).</source>
        <translation>“%1”의 참가자가 난수가 확정된 뒤에 커밋합니다(commitBy가 drawAfter보다 늦음).</translation>
    </message>
    <message>
        <source>The name “%1” stands twice where each must be one of a kind.</source>
        <translation>이름 “%1”이(가) 중복될 수 없는 곳에 두 번 있습니다.</translation>
    </message>
    <message>
        <source>The value of “%1”, “%2”, is not its dice as announced: one digit 1 to 6 for each die.</source>
        <translation>“%1”의 값 “%2”은(는) 공고된 주사위가 아닙니다. 주사위 하나마다 1~6의 숫자 한 자리여야 합니다.</translation>
    </message>
    <message>
        <source>The value of “%1”, “%2”, is not written by the rule: a text of 1 to 200 characters in NFC, without control characters or blanks at either end.</source>
        <translation>“%1”의 값 “%2”은(는) 작성 규칙에 맞지 않습니다. NFC로 된 1~200자의 텍스트이며, 제어 문자나 앞뒤 공백이 없어야 합니다.</translation>
    </message>
    <message>
        <source>The secret revealed by “%1” of “%2” does not match the commitment.</source>
        <translation>“%2”의 “%1”이(가) 공개한 비밀이 커밋먼트와 일치하지 않습니다.</translation>
    </message>
    <message>
        <source>The lists are not the announcement&apos;s.</source>
        <translation>목록이 공고의 목록과 다릅니다.</translation>
    </message>
    <message>
        <source>The announcement&apos;s digest A is not the one given.</source>
        <translation>공고의 다이제스트 A가 주어진 값과 다릅니다.</translation>
    </message>
    <message>
        <source>The %1 recorded is not the one the announcement and the values give.</source>
        <translation>기록된 %1이(가) 공고와 값에서 나오는 것과 다릅니다.</translation>
    </message>
    <message>
        <source>Announcement digest A: %1 (short code %2)</source>
        <translation>공고 다이제스트 A: %1 (짧은 코드 %2)</translation>
    </message>
    <message>
        <source>No A was given (--announcement HEX): compare the A above with the one that was published.</source>
        <translation>A가 주어지지 않았습니다(--announcement HEX). 위의 A를 공표된 A와 비교하세요.</translation>
    </message>
    <message>
        <source>Not verified: this record is not the draw the announcement and the values give.</source>
        <translation>검증 실패: 이 기록은 공고와 값에서 나오는 추첨이 아닙니다.</translation>
    </message>
    <message>
        <source>Verified: this outcome is the one the announcement and the values allow. Proved: the announcement with digest A fixed the lists, rows, Cross Lines and sources; every value follows its rule and every reveal its commitment; the hits&apos; order, the seed, the ladder and the results follow from them alone. Resting on people: that A was published before drawAfter (and before any commitment), that the typed public values and dice are the real ones, and that no other announcement of this draw was made.</source>
        <translation>검증됨: 이 결과는 공고와 값이 허용하는 유일한 결과입니다. 증명된 것: 다이제스트 A의 공고가 목록, 행 수, Cross Lines, 난수원을 정했고, 모든 값은 규칙을 따르며 모든 공개는 커밋먼트와 일치하고, 당첨 순서, 시드, 사다리, 결과는 이것들만으로 정해집니다. 사람에게 달린 것: A가 drawAfter 전에(그리고 어떤 커밋먼트보다도 먼저) 공표되었는지, 입력된 공표 값과 주사위가 실제 값인지, 이 추첨에 대한 다른 공고가 없었는지입니다.</translation>
    </message>
    <message>
        <source>Left out, never revealed: %1.</source>
        <translation>공개하지 않아 제외됨: %1.</translation>
    </message>
    <message>
        <source>key K</source>
        <translation>키 K</translation>
    </message>
    <message>
        <source>hits&apos; order</source>
        <translation>당첨 순서</translation>
    </message>
    <message>
        <source>seed</source>
        <translation>시드</translation>
    </message>
    <message>
        <source>a text that is not empty, in NFC</source>
        <translation>비어 있지 않은 NFC 텍스트</translation>
    </message>
    <message>
        <source>32 lower-case hexadecimal digits</source>
        <translation>16진수 32자리(소문자)</translation>
    </message>
</context>
<context>
    <name>AnnouncedDrawing</name>
    <message>
        <source>No announcement is open: use Announce draw… first.</source>
        <translation>열린 공고가 없습니다. 먼저 [추첨 공고…]를 사용하세요.</translation>
    </message>
    <message>
        <source>The announcement draws with values fixed after %1; it is now %2. Draw all the same?</source>
        <translation>공고에 따르면 값은 %1 이후에 확정됩니다. 지금은 %2입니다. 그래도 추첨하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>AnnouncementDialog</name>
    <message>
        <source>Draw announced</source>
        <translation>공고된 추첨</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>제목:</translation>
    </message>
    <message>
        <source>Organiser:</source>
        <translation>주최자:</translation>
    </message>
    <message>
        <source>Drawn with values fixed after:</source>
        <translation>이 시각 이후의 값으로 추첨:</translation>
    </message>
    <message>
        <source>Digest A:</source>
        <translation>다이제스트 A:</translation>
    </message>
    <message>
        <source>Short code to read aloud:</source>
        <translation>소리 내어 읽을 짧은 코드:</translation>
    </message>
    <message>
        <source>Publish this A before the draw (a notice, an e-mail, the QR code): whoever checks the record compares it with this A. The lists stay fixed until the draw is made or the announcement is closed.</source>
        <translation>추첨 전에 이 A를 공표하세요(게시, 이메일, QR 코드). 기록을 검증하는 사람은 이 A와 비교합니다. 추첨하거나 공고를 닫을 때까지 목록이 고정됩니다.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>파일: %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>인쇄…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>Announcing</name>
    <message>
        <source>Draw announcements</source>
        <translation>추첨 공고</translation>
    </message>
    <message>
        <source>The announcement “%1” holds the lists fixed: draw from it or close it first.</source>
        <translation>공고 “%1”이(가) 목록을 고정하고 있습니다. 먼저 추첨하거나 공고를 닫으세요.</translation>
    </message>
    <message>
        <source>Set up the rows and fill in every member and hit first.</source>
        <translation>먼저 행 수를 설정하고 모든 멤버와 당첨을 입력하세요.</translation>
    </message>
    <message>
        <source>announcement</source>
        <translation>공고</translation>
    </message>
    <message>
        <source>Announcement.%1</source>
        <translation>공고.%1</translation>
    </message>
    <message>
        <source>Close the announcement “%1” without drawing? The A you published will have no draw.</source>
        <translation>추첨하지 않고 공고 “%1”을(를) 닫으시겠습니까? 공표한 A로는 추첨할 수 없게 됩니다.</translation>
    </message>
</context>
<context>
    <name>Build</name>
    <message>
        <source>*- completion -*  Mouse click in &quot;Hit&quot;</source>
        <translation>■→→→완성!■당첨 칸을 마우스로 클릭하면 멤버까지 거슬러 올라갑니다.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Ladder lottery (ghost leg): draws a random ladder between members and hits.</source>
        <translation>사다리타기: 멤버와 당첨 사이에 무작위 사다리를 그립니다.</translation>
    </message>
    <message>
        <source>Checks the draw record FILE without a window: status 0 when its ladder gives its results, 1 when not or when it was altered, 2 when it cannot be read.</source>
        <translation>창 없이 추첨 기록 FILE을 검증합니다. 사다리가 기록된 결과를 내면 상태 0, 그렇지 않거나 기록이 변경되었으면 1, 읽을 수 없으면 2입니다.</translation>
    </message>
    <message>
        <source>With --verify: the announcement&apos;s digest A as published (64 hexadecimal digits), compared with the one the record holds.</source>
        <translation>--verify와 함께: 공표된 공고의 다이제스트 A(16진수 64자리). 기록에 담긴 값과 비교합니다.</translation>
    </message>
    <message>
        <source>A draw record (.qdraw) to open in the window, as File &gt; Open draw does.</source>
        <translation>창에서 열 추첨 기록(.qdraw). [파일] ▸ [추첨 기록 열기]와 같습니다.</translation>
    </message>
    <message>
        <source>usage: quorvan [FILE] | --verify FILE [--announcement HEX] | --help | --version</source>
        <translation>사용법: quorvan [FILE] | --verify FILE [--announcement HEX] | --help | --version</translation>
    </message>
    <message>
        <source>The window cannot start: %1</source>
        <translation>창을 시작할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>The answer could not be written to standard output: %1</source>
        <translation>답을 표준 출력에 쓸 수 없었습니다: %1</translation>
    </message>
</context>
<context>
    <name>DrawRecords</name>
    <message>
        <source>Draw records</source>
        <translation>추첨 기록</translation>
    </message>
    <message>
        <source>Draw.%1</source>
        <translation>추첨 기록.%1</translation>
    </message>
</context>
<context>
    <name>DrawTexts</name>
    <message>
        <source>Cannot open the draw record</source>
        <translation>추첨 기록을 열 수 없습니다</translation>
    </message>
    <message>
        <source>Cannot save the draw record</source>
        <translation>추첨 기록을 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>There is no draw to save yet: build the ladder first.</source>
        <translation>아직 저장할 추첨이 없습니다. 먼저 사다리를 생성하세요.</translation>
    </message>
    <message>
        <source>Verified: same ladder, same results</source>
        <translation>검증됨: 같은 사다리, 같은 결과</translation>
    </message>
    <message>
        <source>Every shuffle by the program gives its recorded order from its seed. The record is consistent with itself; whether this was the first draw, or a fair one, cannot be told from this record.</source>
        <translation>프로그램이 한 모든 섞기는 시드로부터 기록된 순서를 냅니다. 이 기록은 그 자체로 모순이 없습니다. 다만 이것이 첫 추첨이었는지, 공정한 추첨이었는지는 이 기록으로 알 수 없습니다.</translation>
    </message>
    <message>
        <source>Warning: Fair draw was off at the last Build, so no uniform shuffle was applied; unless the lists were shuffled, the ladder alone favours the members near each hit&apos;s own line.</source>
        <translation>주의: 마지막 생성 때 공정 추첨이 꺼져 있어 균등 섞기를 하지 않았습니다. 목록을 섞지 않았다면 사다리만으로는 각 당첨 줄 가까이에 있는 멤버가 유리합니다.</translation>
    </message>
    <message>
        <source>The shuffle “%1” is not the order the program&apos;s generator gives from its seed %2.</source>
        <translation>섞기 “%1”은(는) 프로그램의 난수 생성기가 시드 %2(으)로 내는 순서와 다릅니다.</translation>
    </message>
    <message>
        <source>Not verified: the record differs from its ladder.</source>
        <translation>검증 실패: 기록과 사다리가 다릅니다.</translation>
    </message>
    <message>
        <source>The ladder made again from seed %1 is not the ladder recorded.</source>
        <translation>시드 %1(으)로 다시 만든 사다리가 기록된 사다리와 다릅니다.</translation>
    </message>
    <message>
        <source>Hit %1 “%2”: the record says member %3 “%4”, the ladder gives member %5 “%6”.</source>
        <translation>당첨 %1 “%2”: 기록에는 멤버 %3 “%4”, 사다리로는 멤버 %5 “%6”입니다.</translation>
    </message>
    <message>
        <source>Its content does not match its SHA-256 digest: the record has been altered since it was saved.</source>
        <translation>내용이 SHA-256 다이제스트와 일치하지 않습니다. 저장된 뒤 기록이 변경되었습니다.</translation>
    </message>
    <message>
        <source>It is not a Quorvan draw record.</source>
        <translation>Quorvan 추첨 기록이 아닙니다.</translation>
    </message>
    <message>
        <source>It is not a Quorvan draw record (it is not JSON text: %1 at byte %2).</source>
        <translation>Quorvan 추첨 기록이 아닙니다(JSON 텍스트가 아님: %1, %2바이트째).</translation>
    </message>
    <message>
        <source>It is a draw record of format version %1; this Quorvan reads versions up to %2.</source>
        <translation>형식 버전 %1의 추첨 기록입니다. 이 Quorvan은 버전 %2까지 읽을 수 있습니다.</translation>
    </message>
    <message>
        <source>It is larger than %1 bytes, too large for a draw record.</source>
        <translation>%1바이트보다 커서 추첨 기록으로는 너무 큽니다.</translation>
    </message>
    <message>
        <source>The record is damaged: the entry “%1” should be %2.</source>
        <translation>기록이 손상되었습니다. 항목 “%1”은(는) %2이어야 합니다.</translation>
    </message>
    <message>
        <source>The record is damaged: a draw record has no entry “%1”.</source>
        <translation>기록이 손상되었습니다. “%1”은(는) 추첨 기록에 있을 수 없는 항목입니다.</translation>
    </message>
    <message>
        <source>The record is damaged: its last Build in the history does not match its rows, Cross Lines, fair draw and seed.</source>
        <translation>기록이 손상되었습니다. 이력의 마지막 생성이 기록의 행 수, Cross Lines, 공정 추첨, 시드와 일치하지 않습니다.</translation>
    </message>
    <message>
        <source>It begins with a byte order mark, which a draw record never has.</source>
        <translation>바이트 순서 표시(BOM)로 시작합니다. 추첨 기록에는 BOM이 없습니다.</translation>
    </message>
    <message>
        <source>A control character stands unescaped in a text at byte %1.</source>
        <translation>%1바이트째의 텍스트 안에 이스케이프되지 않은 제어 문자가 있습니다.</translation>
    </message>
    <message>
        <source>The escape at byte %1 is one half of a surrogate pair without the other: it is no character.</source>
        <translation>%1바이트째의 이스케이프는 서로게이트 쌍의 한쪽뿐이라 문자가 되지 않습니다.</translation>
    </message>
    <message>
        <source>The key “%1” appears twice in one object (byte %2).</source>
        <translation>키 “%1”이(가) 한 객체에 두 번 있습니다(%2바이트째).</translation>
    </message>
    <message>
        <source>The number %1 at byte %2 is not written as whole numbers are: digits only, as 12.</source>
        <translation>%2바이트째의 수 %1은(는) 정수의 표기(12처럼 숫자만)로 쓰여 있지 않습니다.</translation>
    </message>
    <message>
        <source>The record cannot have been saved by Quorvan: the fair Build “%1” does not follow straight after the fair shuffle of the hits.</source>
        <translation>Quorvan이 저장한 기록일 수 없습니다. 공정 추첨의 생성 “%1” 바로 앞에 당첨의 공정한 섞기가 없습니다.</translation>
    </message>
    <message>
        <source>The record cannot have been saved by Quorvan: the fair shuffle “%1” is not followed straight away by a fair Build.</source>
        <translation>Quorvan이 저장한 기록일 수 없습니다. 공정한 섞기 “%1” 바로 뒤에 공정 추첨의 생성이 없습니다.</translation>
    </message>
    <message>
        <source>The record cannot have been saved by Quorvan: “%1” comes after the last Build, where Set-up and Shuffle are withdrawn until the hits are loaded again.</source>
        <translation>Quorvan이 저장한 기록일 수 없습니다. “%1”이(가) 마지막 생성 뒤에 있지만, 그 뒤에는 당첨을 다시 불러올 때까지 설정과 섞기를 할 수 없습니다.</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>%1부터 %2까지의 정수</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true 또는 false</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>a text of at most %1 characters</source>
        <translation>최대 %1자의 텍스트</translation>
    </message>
    <message>
        <source>a text in Unicode&apos;s composed form (NFC)</source>
        <translation>유니코드 조합형(NFC) 텍스트</translation>
    </message>
    <message>
        <source>a list of %1 entries</source>
        <translation>항목 %1개로 된 목록</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>목록</translation>
    </message>
    <message>
        <source>a JSON object</source>
        <translation>JSON 객체</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>%1 중 하나</translation>
    </message>
    <message>
        <source>each row number from 1 to the row count once</source>
        <translation>1부터 행 수까지의 행 번호를 하나씩 모두 담은 목록</translation>
    </message>
    <message>
        <source>64 lower-case hexadecimal digits</source>
        <translation>16진수 64자리(소문자)</translation>
    </message>
    <message>
        <source>an ISO 8601 date and time with its offset from UTC</source>
        <translation>UTC와의 시차를 포함한 ISO 8601 날짜와 시각</translation>
    </message>
    <message numerus="yes">
        <source>And %n more differences.</source>
        <translation>
            <numerusform>그 밖에 차이가 %n개 더 있습니다.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EarlierWinners</name>
    <message>
        <source>, </source>
        <comment>between names</comment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>FairnessDialog</name>
    <message>
        <source>Fairness</source>
        <translation>공정성</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>실행</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Rows:</source>
        <translation>행 수:</translation>
    </message>
    <message>
        <source>How often each hit (row) lands on each member (column); white is the fair 1/n.</source>
        <translation>각 당첨(행)이 각 멤버(열)에 걸리는 빈도. 흰색이 공정한 1/n입니다.</translation>
    </message>
    <message>
        <source>The program&apos;s ladder</source>
        <translation>이 프로그램의 사다리</translation>
    </message>
    <message>
        <source>After a uniform shuffle of the hits</source>
        <translation>당첨을 균등하게 섞은 뒤</translation>
    </message>
    <message>
        <source>never</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>그림 저장…</translation>
    </message>
    <message>
        <source>Save matrix…</source>
        <translation>표 저장…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>%1 rows, Cross Lines %2, %3 ladders</source>
        <translation>%1행, Cross Lines %2, 사다리 %3개</translation>
    </message>
    <message>
        <source>on</source>
        <translation>켬</translation>
    </message>
    <message>
        <source>off</source>
        <translation>끔</translation>
    </message>
    <message>
        <source>Most likely: hit %1 → member %2, %3, %5× ± %6 the fair %4 (chance alone gives about %7×)</source>
        <translation>가장 많은 조합: 당첨 %1 → 멤버 %2, %3(공정한 %4의 %5배 ± %6, 우연만으로도 %7배쯤 됩니다)</translation>
    </message>
    <message>
        <source>Pairs never seen in %1 ladders: %2</source>
        <translation>사다리 %1개에서 한 번도 나오지 않은 조합: %2</translation>
    </message>
    <message>
        <source>Typical distance moved (median): %1 lines (%2 to %3; about %4 in a fair draw)</source>
        <translation>이동한 행 수의 중앙값: %1행(%2~%3, 공정하면 약 %4)</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>PNG 그림</translation>
    </message>
    <message>
        <source>The program&apos;s ladder (CSV)</source>
        <translation>이 프로그램의 사다리(CSV)</translation>
    </message>
    <message>
        <source>After a uniform shuffle (CSV)</source>
        <translation>균등하게 섞은 뒤(CSV)</translation>
    </message>
</context>
<context>
    <name>ListCheckReport</name>
    <message>
        <source>The list check found nothing.</source>
        <translation>목록 확인에서 발견된 문제가 없습니다.</translation>
    </message>
</context>
<context>
    <name>ListChecks</name>
    <message>
        <source>hit</source>
        <translation>당첨</translation>
    </message>
    <message>
        <source>member</source>
        <translation>멤버</translation>
    </message>
    <message>
        <source>The %1 file has bytes that are no text in lines %2; they show as “�”</source>
        <translation>%1 목록 파일의 %2행에 텍스트가 아닌 바이트가 있어 “�”로 표시됩니다</translation>
    </message>
    <message>
        <source>The %1 file has a CR without LF in lines %2; it was left out</source>
        <translation>%1 목록 파일의 %2행에 LF 없는 CR이 있어 제외했습니다</translation>
    </message>
    <message>
        <source>The %1 file&apos;s lines hold tabs: only the first column was read</source>
        <translation>%1 목록 파일의 줄에 탭이 있어 첫 번째 열만 읽었습니다</translation>
    </message>
    <message numerus="yes">
        <source>The %1 list stops at the empty cell in row %2; %n names follow below it</source>
        <translation>
            <numerusform>%1 목록이 %2행의 빈 셀에서 끝났습니다. 그 아래에 이름이 %n개 있습니다</numerusform>
        </translation>
    </message>
    <message>
        <source>Hit</source>
        <translation>당첨</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>멤버</translation>
    </message>
    <message>
        <source>“%1” appears %2 times in the %3 (rows %4)</source>
        <translation>%3 목록에 “%1”이(가) %2번 있습니다(%4행)</translation>
    </message>
    <message>
        <source>hits</source>
        <translation>당첨</translation>
    </message>
    <message>
        <source>members</source>
        <translation>멤버</translation>
    </message>
    <message>
        <source>Row %1 of the %2 is empty</source>
        <translation>%2 목록의 %1행이 비어 있습니다</translation>
    </message>
    <message>
        <source>Rows %1–%2 of the %3 are empty</source>
        <translation>%3 목록의 %1~%2행이 비어 있습니다</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n hits</source>
        <translation>
            <numerusform>당첨 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n members</source>
        <translation>
            <numerusform>멤버 %n명</numerusform>
        </translation>
    </message>
    <message>
        <source>List check: </source>
        <translation>목록 확인: </translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>; %1 more</source>
        <translation>; 그 밖에 %1건</translation>
    </message>
</context>
<context>
    <name>LoadedDocuments</name>
    <message>
        <source>The program cannot load its part %1: %2</source>
        <translation>프로그램의 구성 요소 %1을(를) 불러올 수 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Fair draw</source>
        <translation>공정 추첨</translation>
    </message>
    <message>
        <source>Findings…</source>
        <translation>확인 결과…</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Member</source>
        <translation>멤버(&amp;M)</translation>
    </message>
    <message>
        <source>Hi&amp;t</source>
        <translation>당첨(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Ladder</source>
        <translation>사다리(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>보기(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>Open draw…</source>
        <translation>추첨 기록 열기…</translation>
    </message>
    <message>
        <source>Save draw…</source>
        <translation>추첨 기록 저장…</translation>
    </message>
    <message>
        <source>Announce draw…</source>
        <translation>추첨 공고…</translation>
    </message>
    <message>
        <source>Draw from announcement…</source>
        <translation>공고에 따라 추첨…</translation>
    </message>
    <message>
        <source>Close announcement</source>
        <translation>공고 닫기</translation>
    </message>
    <message>
        <source>List check…</source>
        <translation>목록 확인…</translation>
    </message>
    <message>
        <source>Fairness…</source>
        <translation>공정성…</translation>
    </message>
    <message>
        <source>Leave out earlier winners…</source>
        <translation>이전 당첨자 제외…</translation>
    </message>
    <message>
        <source>Winners…</source>
        <translation>당첨자…</translation>
    </message>
    <message>
        <source>About Quorvan</source>
        <translation>Quorvan 정보</translation>
    </message>
    <message>
        <source>Stage</source>
        <translation>무대</translation>
    </message>
    <message>
        <source>Reveal next prize</source>
        <translation>다음 상품 발표</translation>
    </message>
    <message>
        <source>Back one reveal</source>
        <translation>발표 한 단계 되돌리기</translation>
    </message>
    <message>
        <source>Reveal all</source>
        <translation>남은 상품 모두 발표</translation>
    </message>
    <message>
        <source>Skip to the end of the path</source>
        <translation>경로 끝으로 건너뛰기</translation>
    </message>
    <message>
        <source>Stage overview</source>
        <translation>무대 전체 보기</translation>
    </message>
    <message>
        <source>Blank the stage</source>
        <translation>무대 화면 가리기</translation>
    </message>
    <message>
        <source>Stage settings…</source>
        <translation>무대 설정…</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Quorvan V%1&lt;/h3&gt;&lt;p&gt;A ladder lottery (ghost leg).&lt;/p&gt;&lt;p&gt;Licence: MIT&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Quorvan V%1&lt;/h3&gt;&lt;p&gt;사다리타기&lt;/p&gt;&lt;p&gt;라이선스: MIT&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Cannot read the list file</source>
        <translation>목록 파일을 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>Cannot read the workbook</source>
        <translation>통합 문서를 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>Cannot write the result file</source>
        <translation>결과 파일에 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>Cannot save the workbook</source>
        <translation>통합 문서를 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>%1 “%2”:
%3</source>
        <translation>%1: “%2”
%3</translation>
    </message>
    <message>
        <source>Cannot read “%1”:
lists are read from text files (.txt), CSV files (.csv), Excel workbooks (.xls, .xlsx) and OpenDocument spreadsheets (.ods).</source>
        <translation>“%1”을(를) 읽을 수 없습니다.
목록은 텍스트 파일(.txt), CSV 파일(.csv), Excel 통합 문서(.xls, .xlsx), OpenDocument 스프레드시트(.ods)에서 읽습니다.</translation>
    </message>
    <message>
        <source>It is too large to be a list: its first %1 MB hold fewer than %2 lines.</source>
        <translation>목록으로는 너무 큽니다. 처음 %1MB에 %2줄도 들어 있지 않습니다.</translation>
    </message>
    <message>
        <source>It holds binary data (NUL bytes), not a list of names.</source>
        <translation>이름 목록이 아니라 이진 데이터(NUL 바이트)가 들어 있습니다.</translation>
    </message>
    <message>
        <source>Its bytes are in no encoding a list is read in (UTF-8, UTF-16, Shift_JIS, EUC-JP, EUC-KR, GB18030, Big5, Windows-1251 or Windows-1252). Save it as UTF-8 text or CSV and load it again.</source>
        <translation>바이트가 목록을 읽을 수 있는 인코딩(UTF-8, UTF-16, Shift_JIS, EUC-JP, EUC-KR, GB18030, Big5, Windows-1251, Windows-1252) 중 어느 것에도 맞지 않습니다. UTF-8 텍스트나 CSV로 저장한 뒤 다시 불러오세요.</translation>
    </message>
    <message>
        <source>This is an HTML table (a web page), not a workbook: open it in a spreadsheet program and save it as .xlsx or .csv.</source>
        <translation>통합 문서가 아니라 HTML 표(웹 페이지)입니다. 스프레드시트 프로그램에서 열어 .xlsx나 .csv로 저장하세요.</translation>
    </message>
    <message>
        <source>This is an Excel 2003 XML spreadsheet: open it in a spreadsheet program and save it as .xlsx or .csv.</source>
        <translation>Excel 2003 XML 스프레드시트입니다. 스프레드시트 프로그램에서 열어 .xlsx나 .csv로 저장하세요.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>파일이 아니라 폴더입니다.</translation>
    </message>
    <message>
        <source>It is a pipe, not a file.</source>
        <translation>파일이 아니라 파이프입니다.</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>파일이 아니라 장치입니다.</translation>
    </message>
    <message>
        <source>It is not an ordinary file.</source>
        <translation>일반 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>It is not an ordinary file (it is a device, a pipe or the like), so nothing is written to it.</source>
        <translation>일반 파일이 아니므로(장치, 파이프 등) 아무것도 쓰지 않습니다.</translation>
    </message>
    <message>
        <source>It is a symbolic link that leads round in a circle.</source>
        <translation>순환하는 심볼릭 링크입니다.</translation>
    </message>
    <message>
        <source>An Excel result is saved as an Excel 97–2003 workbook (.xls), an Excel workbook (.xlsx), an OpenDocument spreadsheet (.ods) or CSV (.csv). Choose a name ending in one of them, or a name without an ending.</source>
        <translation>Excel 결과는 Excel 97–2003 통합 문서(.xls), Excel 통합 문서(.xlsx), OpenDocument 스프레드시트(.ods) 또는 CSV(.csv)로 저장합니다. 이 중 하나의 확장자로 끝나는 이름이나 확장자 없는 이름을 고르세요.</translation>
    </message>
    <message>
        <source>There is not enough memory to make it.</source>
        <translation>만드는 데 필요한 메모리가 부족합니다.</translation>
    </message>
    <message>
        <source>A cell holds more than 32,767 characters.</source>
        <translation>32,767자를 넘는 셀이 있습니다.</translation>
    </message>
    <message>
        <source>It could not be put together in the temporary folder “%1”: that folder may be full, or the file larger than this system allows.</source>
        <translation>임시 폴더 “%1”에서 만들 수 없었습니다. 폴더가 가득 찼거나 파일이 이 시스템에서 허용하는 크기를 넘었을 수 있습니다.</translation>
    </message>
    <message>
        <source>The workbook library refused it: %1</source>
        <translation>통합 문서 라이브러리가 거부했습니다: %1</translation>
    </message>
    <message>
        <source>The workbook is too large to write</source>
        <translation>통합 문서가 너무 커서 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>There is not enough space on the disk.</source>
        <translation>디스크 공간이 부족합니다.</translation>
    </message>
    <message>
        <source>Your disk quota is used up.</source>
        <translation>디스크 할당량을 모두 사용했습니다.</translation>
    </message>
    <message>
        <source>The file would grow larger than this system allows.</source>
        <translation>파일이 이 시스템에서 허용하는 크기를 넘게 됩니다.</translation>
    </message>
    <message>
        <source>You have no permission to write there.</source>
        <translation>그곳에 쓸 권한이 없습니다.</translation>
    </message>
    <message>
        <source>The disk can only be read, not written.</source>
        <translation>디스크가 읽기 전용이라 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>폴더가 없습니다.</translation>
    </message>
    <message>
        <source>The disk reported an input/output error.</source>
        <translation>디스크에서 입출력 오류가 보고되었습니다.</translation>
    </message>
    <message>
        <source>Excel 97–2003 workbook</source>
        <translation>Excel 97–2003 통합 문서</translation>
    </message>
    <message>
        <source>Excel workbook</source>
        <translation>Excel 통합 문서</translation>
    </message>
    <message>
        <source>OpenDocument spreadsheet</source>
        <translation>OpenDocument 스프레드시트</translation>
    </message>
    <message>
        <source>CSV file</source>
        <translation>CSV 파일</translation>
    </message>
    <message>
        <source>“%1” already exists. Replace it?</source>
        <translation>“%1”이(가) 이미 있습니다. 바꾸시겠습니까?</translation>
    </message>
    <message>
        <source>The user guide could not be opened. Open this file in a web browser:
%1</source>
        <translation>사용자 가이드를 열 수 없습니다. 다음 파일을 웹 브라우저에서 여세요:
%1</translation>
    </message>
    <message>
        <source>Cannot save the picture</source>
        <translation>그림을 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>Cannot save the matrix</source>
        <translation>표를 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>The picture could not be made into a PNG.</source>
        <translation>그림을 PNG로 만들 수 없었습니다.</translation>
    </message>
    <message>
        <source>The reader stopped on signal %1 (%2).</source>
        <translation>읽기 프로그램이 시그널 %1(%2)을(를) 받고 중단되었습니다.</translation>
    </message>
    <message>
        <source>The reader ended with exit code %1 and no result.</source>
        <translation>읽기 프로그램이 결과 없이 종료되었습니다(종료 코드 %1).</translation>
    </message>
    <message>
        <source>The reader %1 cannot be started: %2.</source>
        <translation>읽기 프로그램 %1을(를) 시작할 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>The reader sent more than %1.</source>
        <translation>읽기 프로그램이 %1보다 많은 데이터를 보냈습니다.</translation>
    </message>
    <message>
        <source>The reader took longer than %1 seconds.</source>
        <translation>읽기 프로그램이 %1초가 지나도 끝나지 않았습니다.</translation>
    </message>
    <message>
        <source>The reader sent something other than a result.</source>
        <translation>읽기 프로그램이 결과가 아닌 것을 보냈습니다.</translation>
    </message>
    <message>
        <source>The reader sent damaged cells.</source>
        <translation>읽기 프로그램이 손상된 셀을 보냈습니다.</translation>
    </message>
    <message>
        <source>The system would not let the reader shut itself off from everything but the workbook, so it did not read it.</source>
        <translation>시스템이 읽기 프로그램을 통합 문서 외의 모든 것에서 차단하도록 허용하지 않아 읽지 않았습니다.</translation>
    </message>
    <message>
        <source>Reading was cancelled.</source>
        <translation>읽기를 취소했습니다.</translation>
    </message>
    <message>
        <source>It is a link another user made in a shared folder; it is not followed.</source>
        <translation>공유 폴더에 다른 사용자가 만든 링크입니다. 링크를 따라가지 않습니다.</translation>
    </message>
    <message>
        <source>There is no such file (any more): it may have been moved, renamed or deleted.</source>
        <translation>그런 파일이 (더 이상) 없습니다. 이동되었거나 이름이 바뀌었거나 삭제되었을 수 있습니다.</translation>
    </message>
    <message>
        <source>Reading “%1”…</source>
        <translation>“%1” 읽는 중…</translation>
    </message>
    <message>
        <source>Names in the %1 list cut to %3 characters: rows %2</source>
        <translation>%1 목록의 이름을 %3자로 잘랐습니다: %2행</translation>
    </message>
    <message>
        <source>The workbook is damaged (part of it lies outside the file).</source>
        <translation>통합 문서가 손상되었습니다(일부가 파일 밖을 가리킵니다).</translation>
    </message>
    <message>
        <source>The workbook is damaged (one of its streams is cut short).</source>
        <translation>통합 문서가 손상되었습니다(스트림 하나가 중간에 끊겼습니다).</translation>
    </message>
    <message>
        <source>The workbook is damaged (its sectors run in a loop).</source>
        <translation>통합 문서가 손상되었습니다(섹터가 순환합니다).</translation>
    </message>
    <message>
        <source>The workbook is damaged (its directory is broken).</source>
        <translation>통합 문서가 손상되었습니다(디렉터리가 깨졌습니다).</translation>
    </message>
    <message>
        <source>The workbook is damaged (its header is broken).</source>
        <translation>통합 문서가 손상되었습니다(헤더가 깨졌습니다).</translation>
    </message>
    <message>
        <source>The file is cut short or cannot be read.</source>
        <translation>파일이 중간에 끊겼거나 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>The file does not exist or cannot be opened.</source>
        <translation>파일이 없거나 열 수 없습니다.</translation>
    </message>
    <message>
        <source>There is not enough memory to read it.</source>
        <translation>읽는 데 필요한 메모리가 부족합니다.</translation>
    </message>
    <message>
        <source>It is not an Excel 97–2003 workbook (.xls).</source>
        <translation>Excel 97–2003 통합 문서(.xls)가 아닙니다.</translation>
    </message>
    <message>
        <source>The file holds no workbook.</source>
        <translation>파일에 통합 문서가 없습니다.</translation>
    </message>
    <message>
        <source>The workbook has no worksheet.</source>
        <translation>통합 문서에 워크시트가 없습니다.</translation>
    </message>
    <message>
        <source>Its text is in a character set that cannot be read.</source>
        <translation>읽을 수 없는 문자 집합으로 된 텍스트가 있습니다.</translation>
    </message>
    <message>
        <source>The workbook is damaged (error %1).</source>
        <translation>통합 문서가 손상되었습니다(오류 %1).</translation>
    </message>
    <message>
        <source>The workbook is damaged or too large to read.</source>
        <translation>통합 문서가 손상되었거나 너무 커서 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>It is protected by a password.</source>
        <translation>암호로 보호되어 있습니다.</translation>
    </message>
    <message>
        <source>The command ended with an unknown error.</source>
        <translation>명령이 알 수 없는 오류로 끝났습니다.</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>명령이 예기치 않은 오류로 끝났습니다:
%1</translation>
    </message>
    <message>
        <source>&amp;Colour...</source>
        <translation>색(&amp;C)...</translation>
    </message>
    <message>
        <source>Font colour</source>
        <translation>글꼴 색</translation>
    </message>
    <message>
        <source>Member %1</source>
        <translation>멤버 %1</translation>
    </message>
    <message>
        <source>Hit %1</source>
        <translation>당첨 %1</translation>
    </message>
    <message>
        <source>Result %1</source>
        <translation>결과 %1</translation>
    </message>
    <message>
        <source>Number of members</source>
        <translation>멤버 수</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>사다리</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>사용자 가이드</translation>
    </message>
    <message>
        <source>Hit %1 → %2 (member %3)</source>
        <translation>당첨 %1 → %2 (멤버 %3)</translation>
    </message>
    <message>
        <source>Hit %1 → member %2</source>
        <translation>당첨 %1 → 멤버 %2</translation>
    </message>
    <message>
        <source>Every prize is revealed.</source>
        <translation>모든 상품을 발표했습니다.</translation>
    </message>
    <message>
        <source>Build the ladder first: there is nothing to reveal yet.</source>
        <translation>먼저 사다리를 생성하세요. 아직 발표할 것이 없습니다.</translation>
    </message>
    <message>
        <source>Quorvan stage</source>
        <translation>Quorvan 무대</translation>
    </message>
    <message>
        <source>Stage settings</source>
        <translation>무대 설정</translation>
    </message>
    <message>
        <source>One path takes</source>
        <translation>경로 하나에 걸리는 시간</translation>
    </message>
    <message>
        <source>Pause between paths in Reveal all</source>
        <translation>[남은 상품 모두 발표]의 경로 사이 간격</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>테마</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>어둡게</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>밝게</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>고대비</translation>
    </message>
    <message>
        <source>Reduced motion: paths appear at once</source>
        <translation>동작 줄이기: 경로를 바로 표시</translation>
    </message>
    <message>
        <source>Hide the prizes until they are revealed</source>
        <translation>발표할 때까지 상품 가리기</translation>
    </message>
    <message>
        <source> s</source>
        <translation>초</translation>
    </message>
    <message>
        <source>The file is damaged or cut short: it is not a whole zip archive, as an .xlsx or .ods workbook is (%1).</source>
        <translation>파일이 손상되었거나 중간에 끊겼습니다. .xlsx나 .ods 통합 문서 같은 완전한 zip 압축 파일이 아닙니다(%1).</translation>
    </message>
    <message>
        <source>The workbook has no part “%1”: it is damaged, or not a workbook of this kind.</source>
        <translation>통합 문서에 “%1” 부분이 없습니다. 손상되었거나 이 종류의 통합 문서가 아닙니다.</translation>
    </message>
    <message>
        <source>Its part “%1” unpacks to more than %2 MB, far more than any list needs (it may be a zip bomb).</source>
        <translation>“%1” 부분은 압축을 풀면 %2MB를 넘어, 어떤 목록에 필요한 크기보다도 훨씬 큽니다(zip 폭탄일 수 있습니다).</translation>
    </message>
    <message>
        <source>Its part “%1” cannot be unpacked: %2.</source>
        <translation>“%1” 부분의 압축을 풀 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>Its part “%1” stops before its end: the file is damaged or cut short.</source>
        <translation>“%1” 부분이 끝나기 전에 끊깁니다. 파일이 손상되었거나 중간에 끊겼습니다.</translation>
    </message>
    <message>
        <source>Its part “%1” is damaged: line %2: %3.</source>
        <translation>“%1” 부분이 손상되었습니다: %2번째 줄: %3.</translation>
    </message>
    <message>
        <source>Its part “%1” declares XML entities of its own, which no workbook does.</source>
        <translation>“%1” 부분이 자체 XML 엔터티를 선언합니다. 통합 문서에는 없는 일입니다.</translation>
    </message>
    <message>
        <source>A cell refers to shared text number %1, but the workbook&apos;s table of texts holds only %2.</source>
        <translation>셀이 공유 텍스트 %1번을 참조하지만 통합 문서의 텍스트 표에는 %2개뿐입니다.</translation>
    </message>
    <message>
        <source>Cell %1 holds the formula %2 without its result, and Quorvan cannot work that formula out. Open the file in a spreadsheet program (LibreOffice Calc, Excel) and save it again there, so that the results of its formulas are stored with them, or paste the column as values.</source>
        <translation>셀 %1의 수식 %2에는 계산 결과가 저장되어 있지 않으며, Quorvan은 이 수식을 계산할 수 없습니다. 스프레드시트 프로그램(LibreOffice Calc, Excel)에서 파일을 열어 다시 저장해 수식 결과도 함께 저장되게 하거나, 열을 값으로 붙여 넣으세요.</translation>
    </message>
    <message>
        <source>%1 workbook: its first sheet “%2” is hidden; the list was read from it</source>
        <translation>%1 통합 문서: 첫 번째 시트 “%2”은(는) 숨겨져 있지만 목록은 이 시트에서 읽었습니다</translation>
    </message>
    <message>
        <source>%1 workbook: no names on the first sheet; sheet “%2” holds %3 (only the first sheet is read)</source>
        <translation>%1 통합 문서: 첫 번째 시트에 이름이 없습니다. “%2” 시트에 %3개가 있습니다(첫 번째 시트만 읽습니다)</translation>
    </message>
    <message>
        <source>Uneven draw: member %1 wins %2 % of the time, fair is %3 %</source>
        <translation>치우친 추첨: 멤버 %1의 당첨 확률 %2%, 공정하면 %3%</translation>
    </message>
    <message>
        <source>Draw again fairly</source>
        <translation>공정 추첨으로 다시 뽑기</translation>
    </message>
    <message>
        <source>Fair draw is on from the next Build.</source>
        <translation>다음 생성부터 공정 추첨이 켜집니다.</translation>
    </message>
    <message>
        <source>The results of this lottery have not been saved. Save them before starting a new lottery?</source>
        <translation>이 추첨의 결과가 아직 저장되지 않았습니다. 새 추첨을 시작하기 전에 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>The results of this lottery have not been saved. Save them before quitting?</source>
        <translation>이 추첨의 결과가 아직 저장되지 않았습니다. 종료하기 전에 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>Quorvan was not closed normally. Restore the lottery of %1 members as it was at %2?</source>
        <translation>Quorvan이 정상적으로 종료되지 않았습니다. %2 시점의 멤버 %1명 추첨을 그대로 복원하시겠습니까?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>복원</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>버리기</translation>
    </message>
    <message>
        <source>Cannot keep the lottery safe against a crash in</source>
        <translation>비정상 종료에 대비해 다음 위치에 추첨을 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>Cannot keep this setting for the next start in</source>
        <translation>이후 실행을 위해 다음 위치에 이 설정을 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>The settings could not be written there.</source>
        <translation>그곳에 설정을 쓸 수 없었습니다.</translation>
    </message>
    <message>
        <source>Cannot restore the lottery kept as</source>
        <translation>다음 파일에 남긴 추첨을 복원할 수 없습니다</translation>
    </message>
    <message>
        <source>It is damaged, or was saved by another version of Quorvan; it stays there for you.</source>
        <translation>손상되었거나 다른 버전의 Quorvan이 저장한 것입니다. 파일은 그대로 남겨 두었습니다.</translation>
    </message>
    <message>
        <source>Winners</source>
        <translation>당첨자</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>상품</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>당첨자</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>인쇄…</translation>
    </message>
    <message>
        <source>Save as text…</source>
        <translation>텍스트로 저장…</translation>
    </message>
    <message>
        <source>Save as workbook…</source>
        <translation>통합 문서로 저장…</translation>
    </message>
    <message>
        <source>No prize has been drawn yet: build the ladder first.</source>
        <translation>아직 추첨한 상품이 없습니다. 먼저 사다리를 생성하세요.</translation>
    </message>
    <message>
        <source>%1, winners only</source>
        <translation>%1(당첨자만)</translation>
    </message>
    <message>
        <source>“%1” counted as %2 hits “%3”</source>
        <translation>“%1”을(를) 당첨 “%3” %2개로 셌습니다</translation>
    </message>
    <message>
        <source>Left out %1 earlier winners: %2</source>
        <translation>이전 당첨자 %1명을 제외했습니다: %2</translation>
    </message>
    <message>
        <source>None of the winners in “%1” is in the member list.</source>
        <translation>“%1”의 당첨자 중 멤버 목록에 있는 사람이 없습니다.</translation>
    </message>
    <message>
        <source>It holds no results of a draw.</source>
        <translation>추첨 결과가 없습니다.</translation>
    </message>
    <message>
        <source>Cannot read “%1”:
earlier winners are read from text results (.txt) and draw records (.qdraw).</source>
        <translation>“%1”을(를) 읽을 수 없습니다.
이전 당첨자는 텍스트 결과(.txt)와 추첨 기록(.qdraw)에서 읽습니다.</translation>
    </message>
    <message>
        <source>Earlier winners are left out before Build: press RESET first.</source>
        <translation>이전 당첨자는 생성 전에 제외합니다. 먼저 RESET을 누르세요.</translation>
    </message>
    <message>
        <source>%1 prize: %2 → %3</source>
        <translation>%1등: %2 → %3</translation>
    </message>
    <message>
        <source>member %1</source>
        <translation>멤버 %1</translation>
    </message>
    <message>
        <source>Keep prizes&apos; red paths</source>
        <translation>상품의 빨간 경로 남기기</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>%1에 저장했습니다</translation>
    </message>
    <message>
        <source>Import preview</source>
        <translation>가져오기 미리 보기</translation>
    </message>
    <message>
        <source>How should “%1” be read?</source>
        <translation>“%1”을(를) 어떻게 읽을까요?</translation>
    </message>
    <message>
        <source>The first row looks like a heading: “%1”.</source>
        <translation>첫 번째 행이 제목처럼 보입니다: “%1”.</translation>
    </message>
    <message>
        <source>Column A holds numbers or codes; column %1 holds names.</source>
        <translation>A열에는 번호나 코드가, %1열에는 이름이 있습니다.</translation>
    </message>
    <message>
        <source>The list stops at the empty cell in row %1; below it: %2 more.</source>
        <translation>목록이 %1행의 빈 셀에서 끝나지만, 그 아래에 이름이 %2개 더 있습니다.</translation>
    </message>
    <message>
        <source>Entries in column:</source>
        <translation>읽을 열:</translation>
    </message>
    <message>
        <source>The first row is a heading (not read)</source>
        <translation>첫 번째 행은 제목(읽지 않음)</translation>
    </message>
    <message>
        <source>Read on past empty cells</source>
        <translation>빈 셀 뒤도 계속 읽기</translation>
    </message>
    <message>
        <source>It was replaced or changed while the import preview was open, so it was not read again: load it once more.</source>
        <translation>가져오기 미리 보기가 열려 있는 동안 파일이 교체되었거나 변경되어 다시 읽지 않았습니다. 한 번 더 불러오세요.</translation>
    </message>
    <message>
        <source>%1 hit lines give a count, such as “%2”.
Count each as that many hits (“%2” as %3 hits “%4”)?</source>
        <translation>개수가 적힌 당첨 줄이 %1줄 있습니다. 예: “%2”.
각 줄을 그 개수만큼의 당첨으로 셀까요? (“%2”는 당첨 “%4” %3개)</translation>
    </message>
    <message>
        <source>The hit line “%1” gives a count.
Count it as %2 hits “%3”?</source>
        <translation>당첨 줄 “%1”에 개수가 적혀 있습니다.
당첨 “%3” %2개로 셀까요?</translation>
    </message>
    <message>
        <source>Every path traced; winners: %1. View › Winners… lists them in prize order.</source>
        <translation>모든 경로를 따라갔습니다. 당첨자 %1명. 「보기 › 당첨자…」에서 상품 순서대로 볼 수 있습니다.</translation>
    </message>
    <message>
        <source>%1 workbook: no names in column %2; column %3 holds %4 (only column %2 is read)</source>
        <translation>%1 통합 문서: %2열에 이름이 없습니다. %3열에 %4개가 있습니다(%2열만 읽습니다)</translation>
    </message>
    <message>
        <source>Celebrate each reveal</source>
        <translation>발표할 때마다 축하 효과</translation>
    </message>
    <message>
        <source>No file or folder has this name: the sign � in it stands for bytes that are not UTF-8 text, and no file can be read or saved under such a name. Give the file, or its folder, a name in UTF-8.</source>
        <translation>이 이름의 파일이나 폴더가 없습니다. 이름 속의 �는 UTF-8 문자가 아닌 바이트 대신 표시된 것이며, 그런 이름으로는 파일을 읽을 수도 저장할 수도 없습니다. 파일(또는 그 폴더)에 UTF-8 이름을 붙이십시오.</translation>
    </message>
    <message>
        <source>Not kept safe against a crash: %1 (%2)</source>
        <translation>충돌에 대비한 보관이 되지 않고 있습니다: %1 (%2)</translation>
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
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>The system&apos;s cryptographic random source could not be read: %1</source>
        <translation>시스템의 암호용 난수원을 읽을 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>SetUp</name>
    <message>
        <source>Member and Hit are input and the Vessapo_button is pushed</source>
        <translation>■→→멤버와 당첨 내용을 입력하고 아래의 [Vessapo] 버튼을 누르세요</translation>
    </message>
</context>
<context>
    <name>SourceValuesDialog</name>
    <message>
        <source>Draw from the announcement</source>
        <translation>공고에 따라 추첨</translation>
    </message>
    <message>
        <source>Type each randomness source&apos;s value of “%1” exactly as it was made known.</source>
        <translation>“%1”의 각 난수원 값을 공표된 그대로 입력하세요.</translation>
    </message>
    <message>
        <source>empty when never revealed</source>
        <translation>공개되지 않았으면 비워 둠</translation>
    </message>
    <message>
        <source>%1&apos;s commitment:</source>
        <translation>%1의 커밋먼트:</translation>
    </message>
    <message>
        <source>%1&apos;s secret:</source>
        <translation>%1의 비밀:</translation>
    </message>
    <message>
        <source>the %1 rolls (1 to 6), in order</source>
        <translation>주사위 %1번의 눈(1~6)을 순서대로</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>값:</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>추첨</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>SpreadsheetResult</name>
    <message>
        <source>VessapoResult.XLS</source>
        <translation>Vessapo결과.XLS</translation>
    </message>
</context>
<context>
    <name>TextResult</name>
    <message>
        <source>VessapoResult.TXT</source>
        <translation>Vessapo결과.TXT</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Please press the set execution button after specifying a set number</source>
        <translation>■→멤버 수를 지정한 뒤 [설정 실행] 버튼을 누르세요</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>섞기</translation>
    </message>
</context>
<context>
    <name>WindowDesign</name>
    <message>
        <source>Results</source>
        <translation>결과출력</translation>
    </message>
    <message>
        <source>Execution</source>
        <translation>설정 실행</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>설정</translation>
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
        <translation>열기</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>섞기</translation>
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
