<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>BackupsDialog</name>
    <message>
        <source>Backups kept</source>
        <translation>保存されているバックアップ</translation>
    </message>
</context>
<context>
    <name>BankGrowth</name>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source> and </source>
        <translation>と</translation>
    </message>
    <message>
        <source>%1 channels that belonged to no bank</source>
        <translation>どのバンクにも属さなかった %1 チャンネル</translation>
    </message>
    <message>
        <source>bank %1 (%2; %3 left)</source>
        <translation>バンク %1 (%2、残り %3)</translation>
    </message>
    <message>
        <source>the free channels at the end of %1</source>
        <translation>%1 の末尾の空きチャンネル</translation>
    </message>
    <message>
        <source>Bank %1 grew from %2 to %3 channels, taking %4.</source>
        <translation>バンク %1 を %2 から %3 チャンネルに広げ、%4を使いました。</translation>
    </message>
</context>
<context>
    <name>BankPage</name>
    <message>
        <source>Bank %1 size</source>
        <translation>バンク %1 のサイズ</translation>
    </message>
    <message>
        <source>a bank holds at most 1000 channels</source>
        <translation>1 バンクは 1000 チャンネルまでです</translation>
    </message>
</context>
<context>
    <name>CableFinderDialog</name>
    <message>
        <source>Find the cable</source>
        <translation>ケーブルを探す</translation>
    </message>
    <message>
        <source>Unplug the receiver&apos;s cable from the computer, then plug it in again.

The serial ports are being watched: the one that appears is the cable.</source>
        <translation>受信機のケーブルをコンピューターから抜き、もう一度差し込んでください。

シリアルポートを監視しています: 現れたポートがケーブルです。</translation>
    </message>
    <message>
        <source>Found: %1</source>
        <translation>見つかりました: %1</translation>
    </message>
</context>
<context>
    <name>CellEdits</name>
    <message>
        <source>no edits while the receiver is read or written</source>
        <translation>受信機の読み書き中は編集できません</translation>
    </message>
    <message>
        <source>the %1 has no band %2</source>
        <translation>%1 にはバンド %2 がありません</translation>
    </message>
    <message>
        <source>the %1 keeps nothing in this column</source>
        <translation>%1 はこの列に何も持ちません</translation>
    </message>
</context>
<context>
    <name>ChannelList</name>
    <message>
        <source>(no file)</source>
        <translation>（ファイルなし）</translation>
    </message>
    <message>
        <source>Bank %1</source>
        <translation>バンク %1</translation>
    </message>
    <message>
        <source>Beyond the banks</source>
        <translation>バンク外</translation>
    </message>
    <message>
        <source>Program Scan</source>
        <translation>プログラムスキャン</translation>
    </message>
    <message>
        <source>Search Pass</source>
        <translation>サーチパス</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>プライオリティ</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Tone/Option</source>
        <translation>トーン/オプション</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>シフト</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>メモ</translation>
    </message>
</context>
<context>
    <name>ChannelListHtml</name>
    <message>
        <source>Channel list</source>
        <translation>チャンネル一覧</translation>
    </message>
    <message>
        <source>No entry is in use.</source>
        <translation>使用中のエントリーはありません。</translation>
    </message>
</context>
<context>
    <name>ChannelListPages</name>
    <message>
        <source>Channel list</source>
        <translation>チャンネル一覧</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%1 / %2 ページ</translation>
    </message>
    <message>
        <source>No entry is in use.</source>
        <translation>使用中のエントリーはありません。</translation>
    </message>
    <message>
        <source> (continued)</source>
        <translation>（続き）</translation>
    </message>
</context>
<context>
    <name>ChirpCsv</name>
    <message>
        <source>%1: the Train option with carrier %2</source>
        <translation>%1: トレインのオプション (キャリア %2)</translation>
    </message>
    <message>
        <source>%1: the Secret option with code %2</source>
        <translation>%1: シークレットのオプション (コード %2)</translation>
    </message>
    <message>
        <source>%1 Program Scan, Search Pass and Priority entries in use: CHIRP&apos;s CSV holds memory channels only</source>
        <translation>使用中のプログラムスキャン、サーチパス、プライオリティの %1 エントリー: CHIRP の CSV はメモリーチャンネルのみです</translation>
    </message>
    <message>
        <source>CHIRP&apos;s CSV has no field for what follows; the file was written without it:</source>
        <translation>CHIRP の CSV には次のものを入れる欄がないため、それを除いて書き出しました:</translation>
    </message>
    <message>
        <source>name &quot;%1&quot; as in row %2 once cut</source>
        <translation>名前 &quot;%1&quot; は切り詰めると行 %2 と同じ</translation>
    </message>
    <message>
        <source>no channel number</source>
        <translation>チャンネル番号がありません</translation>
    </message>
    <message>
        <source>beyond the 1000 memory channels</source>
        <translation>1000 のメモリーチャンネルの範囲外</translation>
    </message>
    <message>
        <source>Location %1 again in row %2, which is taken</source>
        <translation>Location %1 は行 %2 にもあり、そちらを使います</translation>
    </message>
</context>
<context>
    <name>ChirpRecord</name>
    <message>
        <source>the frequency &quot;%1&quot; is no number</source>
        <translation>周波数 &quot;%1&quot; は数ではありません</translation>
    </message>
    <message>
        <source>a frequency outside 0.1 .. 1299.995 MHz</source>
        <translation>0.1～1299.995 MHz の範囲外の周波数</translation>
    </message>
    <message>
        <source>the mode %1, which the receiver does not have</source>
        <translation>モード %1 は受信機にありません</translation>
    </message>
    <message>
        <source>mode Auto: the band&apos;s %1</source>
        <translation>モード Auto: バンドの %1</translation>
    </message>
    <message>
        <source>the offset &quot;%1&quot; is no number</source>
        <translation>オフセット &quot;%1&quot; は数ではありません</translation>
    </message>
    <message>
        <source>duplex split to %1 MHz: %2 %3</source>
        <translation>デュプレックス split (%1 MHz): %2 %3</translation>
    </message>
    <message>
        <source>duplex split to %1 MHz, which no shift of less than 100 MHz reaches: no shift</source>
        <translation>デュプレックス split (%1 MHz) は 100 MHz 未満のシフトで届きません: シフトなし</translation>
    </message>
    <message>
        <source>duplex %1, which the receiver does not have: no shift</source>
        <translation>デュプレックス %1 は受信機にありません: シフトなし</translation>
    </message>
    <message>
        <source>an offset outside 0 .. 99.999999 MHz</source>
        <translation>0～99.999999 MHz の範囲外のオフセット</translation>
    </message>
    <message>
        <source>tone %1 Hz is not in the tone list: squelch left off</source>
        <translation>トーン %1 Hz はトーン一覧にありません: スケルチはオフ</translation>
    </message>
    <message>
        <source>tone mode %1, which the receiver does not have: squelch left off</source>
        <translation>トーンモード %1 は受信機にありません: スケルチはオフ</translation>
    </message>
    <message>
        <source>step %1 kHz is not in the step list: the band&apos;s %2</source>
        <translation>ステップ %1 kHz はステップ一覧にありません: バンドの %2</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>comment</source>
        <translation>コメント</translation>
    </message>
</context>
<context>
    <name>CloneCommands</name>
    <message>
        <source>The receiver did not accept the model %1.<byte value="xd"/>
<byte value="xd"/>
Find the receiver&apos;s model now? The model found is selected, keeping these channels, and %2 runs again.</source>
        <translation>受信機は機種 %1 を受け付けませんでした。<byte value="xd"/>
<byte value="xd"/>
受信機の機種を今すぐ調べますか? 見つかった機種がこのチャンネルのまま選択され、%2 をもう一度行います。</translation>
    </message>
</context>
<context>
    <name>CloneFile</name>
    <message>
        <source>%1 was not written: with its notes it would come to %2 MiB, and a clone file above %3 MiB cannot be opened again; shorten the longest notes</source>
        <translation>%1 は書き込みませんでした。メモを含めると %2 MiB になり、%3 MiB を超えるクローンファイルは開けません。長いメモを短くしてください</translation>
    </message>
</context>
<context>
    <name>CloneFileDialogs</name>
    <message>
        <source>CSV Files, UTF-8 (*.csv)</source>
        <translation>CSV ファイル、UTF-8 (*.csv)</translation>
    </message>
    <message>
        <source>CSV Files with a Header Row (*.csv *.txt)</source>
        <translation>見出し行のある CSV ファイル (*.csv *.txt)</translation>
    </message>
</context>
<context>
    <name>CodePage</name>
    <message>
        <source>Western (Windows-1252)</source>
        <translation>西欧 (Windows-1252)</translation>
    </message>
    <message>
        <source>Japanese (Shift-JIS, 932)</source>
        <translation>日本語 (シフト JIS、932)</translation>
    </message>
    <message>
        <source>Central European (Windows-1250)</source>
        <translation>中央ヨーロッパ (Windows-1250)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows-1251)</source>
        <translation>キリル (Windows-1251)</translation>
    </message>
    <message>
        <source>Greek (Windows-1253)</source>
        <translation>ギリシャ語 (Windows-1253)</translation>
    </message>
    <message>
        <source>Turkish (Windows-1254)</source>
        <translation>トルコ語 (Windows-1254)</translation>
    </message>
</context>
<context>
    <name>ColumnFields</name>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Tone (CTCSS)</source>
        <translation>トーン (CTCSS)</translation>
    </message>
    <message>
        <source>Offset / Shift</source>
        <translation>オフセット / シフト</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>List</source>
        <translation>リスト</translation>
    </message>
    <message>
        <source>(not imported)</source>
        <translation>(取り込まない)</translation>
    </message>
</context>
<context>
    <name>ColumnsCsv</name>
    <message>
        <source>the offset &quot;%1&quot; is no number</source>
        <translation>オフセット &quot;%1&quot; は数ではありません</translation>
    </message>
    <message>
        <source>Columns not imported: %1</source>
        <translation>取り込まなかった列: %1</translation>
    </message>
    <message>
        <source>no such list &quot;%1&quot; (Memory, Program Scan, Search Pass, Priority)</source>
        <translation>そのようなリスト &quot;%1&quot; はありません (Memory、Program Scan、Search Pass、Priority)</translation>
    </message>
    <message>
        <source>no frequency</source>
        <translation>周波数がありません</translation>
    </message>
    <message>
        <source>the frequency &quot;%1&quot; is no number</source>
        <translation>周波数 &quot;%1&quot; は数ではありません</translation>
    </message>
    <message>
        <source>mode Auto: the band&apos;s %1</source>
        <translation>モード Auto: バンドの %1</translation>
    </message>
    <message>
        <source>the mode %1, which the receiver does not have</source>
        <translation>モード %1 は受信機にありません</translation>
    </message>
    <message>
        <source>step %1 kHz is not in the step list: the band&apos;s %2</source>
        <translation>ステップ %1 kHz はステップ一覧にありません: バンドの %2</translation>
    </message>
    <message>
        <source>tone %1 is not in the tone list: squelch left off</source>
        <translation>トーン %1 はトーン一覧にありません: スケルチはオフ</translation>
    </message>
    <message>
        <source>no position</source>
        <translation>位置がありません</translation>
    </message>
    <message>
        <source>the import takes Priority entries 0 to 9 only</source>
        <translation>インポートはプライオリティの 0～9 のみ読み込みます</translation>
    </message>
    <message>
        <source>no row %1</source>
        <translation>行 %1 はありません</translation>
    </message>
    <message>
        <source>given again in row %1, which is taken</source>
        <translation>行 %1 にもあり、そちらを使います</translation>
    </message>
    <message>
        <source>%1 lines above the header passed over</source>
        <translation>見出しの行より上の %1 行は読み飛ばしました</translation>
    </message>
</context>
<context>
    <name>ComPortDialog</name>
    <message>
        <source>Find the cable...</source>
        <translation>ケーブルを探す...</translation>
    </message>
    <message>
        <source>Serial ports of this computer</source>
        <translation>このコンピューターのシリアルポート</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Differences</source>
        <translation>相違点</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>%1: note bytes %2 read as no character in the note code page: UTF-8 cannot hold them, a file in the code page does</source>
        <translation>%1: メモのバイト %2 はメモのコードページの文字として読めないため、UTF-8 には入りません (コードページのファイルなら入ります)</translation>
    </message>
    <message>
        <source>The UTF-8 file has no room for what follows; it was written without it:</source>
        <translation>UTF-8 のファイルには次のものが入らないため、それを除いて書き出しました:</translation>
    </message>
</context>
<context>
    <name>CsvFormat</name>
    <message>
        <source>The file is empty.</source>
        <translation>ファイルは空です。</translation>
    </message>
    <message>
        <source>semicolons</source>
        <translation>セミコロン</translation>
    </message>
    <message>
        <source>TABs</source>
        <translation>タブ</translation>
    </message>
    <message>
        <source>commas</source>
        <translation>コンマ</translation>
    </message>
    <message>
        <source>Its first line reads &quot;%1&quot; (%2 fields separated by %3).</source>
        <translation>先頭行は &quot;%1&quot; です (%3 区切りで %2 個の欄)。</translation>
    </message>
    <message>
        <source>the program&apos;s own CSV (lines that begin with &quot;MT-Z4&quot;)</source>
        <translation>このプログラムの CSV (&quot;MT-Z4&quot; で始まる行)</translation>
    </message>
    <message>
        <source>CHIRP&apos;s CSV (a first line naming Location and Frequency)</source>
        <translation>CHIRP の CSV (先頭行に Location と Frequency)</translation>
    </message>
    <message>
        <source>a CSV file whose first row names its columns</source>
        <translation>先頭行に列の名前がある CSV ファイル</translation>
    </message>
    <message>
        <source>neither the program&apos;s own CSV (lines that begin with &quot;MT-Z4&quot;) nor CHIRP&apos;s (a first line naming Location and Frequency) nor one whose first row names its columns (Frequency, Mode, Name ...)</source>
        <translation>このプログラムの CSV (&quot;MT-Z4&quot; で始まる行) でも CHIRP の CSV (先頭行に Location と Frequency) でも、先頭行に列の名前 (Frequency、Mode、Name など) がある CSV でもありません</translation>
    </message>
</context>
<context>
    <name>CsvMerge</name>
    <message>
        <source>given again in %1, which is taken</source>
        <translation>%1 にもあり、そちらを使います</translation>
    </message>
    <message>
        <source>an unknown section</source>
        <translation>不明なセクション</translation>
    </message>
    <message>
        <source>no &quot;MT-Z4&quot; field: not a line of the file</source>
        <translation>&quot;MT-Z4&quot; の欄がありません: ファイルの行ではありません</translation>
    </message>
    <message>
        <source>no CHANNEL field</source>
        <translation>CHANNEL の欄がありません</translation>
    </message>
    <message>
        <source>no such band (0 to 13)</source>
        <translation>そのようなバンドはありません (0～13)</translation>
    </message>
    <message>
        <source>no such memory channel (0 to 999)</source>
        <translation>そのようなメモリーチャンネルはありません (0～999)</translation>
    </message>
    <message>
        <source>no such Program Scan entry (P0A to P49B)</source>
        <translation>そのようなプログラムスキャンはありません (P0A～P49B)</translation>
    </message>
    <message>
        <source>no such Search Pass entry (0 to 99)</source>
        <translation>そのようなサーチパスはありません (0～99)</translation>
    </message>
    <message>
        <source>the import takes Priority lines 0 to 9 only</source>
        <translation>インポートはプライオリティの 0～9 の行のみ読み込みます</translation>
    </message>
    <message>
        <source>too few fields</source>
        <translation>欄が足りません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>&quot;%1&quot; は数値ではありません</translation>
    </message>
    <message>
        <source>no such bank (0 to 49)</source>
        <translation>そのようなバンクはありません (0～49)</translation>
    </message>
    <message>
        <source>a bank size outside 0 to 1000</source>
        <translation>0～1000 の範囲外のバンクサイズ</translation>
    </message>
    <message>
        <source>no such group box (0 to 549)</source>
        <translation>そのようなグループの欄はありません (0～549)</translation>
    </message>
    <message>
        <source>group row 0 is never shown and stays clear</source>
        <translation>グループの行 0 は表示されず、空のままです</translation>
    </message>
    <message>
        <source>%1 lines without a frequency passed over: their entries and bands keep what they held</source>
        <translation>周波数のない %1 行は読み飛ばしました: そのエントリーとバンドは元のままです</translation>
    </message>
    <message>
        <source>%1 lines of VFO bands the %2 lacks passed over</source>
        <translation>%2 にない VFO バンドの %1 行は読み飛ばしました</translation>
    </message>
    <message>
        <source>%1 VFO, bank size and group lines left out: an import to a destination takes the entries only</source>
        <translation>VFO、バンクサイズ、グループの %1 行は取り込みませんでした: 行き先を指定したインポートはエントリーのみです</translation>
    </message>
</context>
<context>
    <name>CsvRecord</name>
    <message>
        <source>more fields than its columns: a decimal comma outside quotes (145,5) splits a number in two; quote the field or save the file with semicolons</source>
        <translation>列より欄が多くあります: 引用符の外の小数点のコンマ (145,5) は数を二つに分けます。欄を引用符で囲むか、セミコロン区切りで保存してください</translation>
    </message>
    <message>
        <source>too few fields</source>
        <translation>欄が足りません</translation>
    </message>
    <message>
        <source>no frequency</source>
        <translation>周波数がありません</translation>
    </message>
    <message>
        <source>the frequency &quot;%1&quot; is no number</source>
        <translation>周波数 &quot;%1&quot; は数ではありません</translation>
    </message>
    <message>
        <source>a frequency outside 0.1 .. 1299.995 MHz</source>
        <translation>0.1～1299.995 MHz の範囲外の周波数</translation>
    </message>
    <message>
        <source>an unknown mode</source>
        <translation>不明なモード</translation>
    </message>
    <message>
        <source>an unknown step</source>
        <translation>不明なステップ</translation>
    </message>
    <message>
        <source>the offset &quot;%1&quot; is no number</source>
        <translation>オフセット &quot;%1&quot; は数ではありません</translation>
    </message>
    <message>
        <source>an offset outside 0 .. 99.999999 MHz</source>
        <translation>0～99.999999 MHz の範囲外のオフセット</translation>
    </message>
    <message>
        <source>note</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is no truth value: read as #FALSE#</source>
        <translation>%1 &quot;%2&quot; は真偽値ではありません: #FALSE# とします</translation>
    </message>
</context>
<context>
    <name>DetectModel</name>
    <message>
        <source>Detect Model</source>
        <translation>機種を検出</translation>
    </message>
    <message>
        <source>; choose the receiver&apos;s model on Settings 1, or find it with Tool &gt; Detect Model</source>
        <translation>。Settings 1 で受信機の機種を選ぶか、ﾂｰﾙ &gt; 機種を検出 で調べてください</translation>
    </message>
    <message>
        <source>the receiver accepted %1</source>
        <translation>受信機は %1 を受け付けました</translation>
    </message>
</context>
<context>
    <name>EntryClipboard</name>
    <message>
        <source>beyond the end of the list</source>
        <translation>リストの終わりを越えています</translation>
    </message>
</context>
<context>
    <name>EntryPlacement</name>
    <message>
        <source>no free Program Scan pair left</source>
        <translation>空いているプログラムスキャンの組がありません</translation>
    </message>
    <message>
        <source>no free Search Pass entry left</source>
        <translation>空いているサーチパスがありません</translation>
    </message>
    <message>
        <source>no free Priority entry left (0 to 9)</source>
        <translation>空いているプライオリティがありません (0～9)</translation>
    </message>
    <message>
        <source>no free memory channel left</source>
        <translation>空いているメモリーチャンネルがありません</translation>
    </message>
    <message>
        <source>beyond the end of the list</source>
        <translation>リストの終わりを越えています</translation>
    </message>
    <message>
        <source>no room left: bank %1 is full, and no other bank has a free channel at its end</source>
        <translation>空きがありません: バンク %1 はいっぱいで、末尾に空きチャンネルのあるバンクもありません</translation>
    </message>
</context>
<context>
    <name>FieldCommands</name>
    <message>
        <source>%1: select at least %2 rows</source>
        <translation>%1: %2 行以上を選択してください</translation>
    </message>
    <message>
        <source>%1: %2 of %3 entries changed, %4 refused</source>
        <translation>%1: %3 件中 %2 件を変更、%4 件は設定できません</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>プロパティ</translation>
    </message>
    <message>
        <source>Fill Down</source>
        <translation>下へコピー</translation>
    </message>
    <message>
        <source>nothing to copy</source>
        <translation>コピーするものがありません</translation>
    </message>
    <message>
        <source>Fill Frequencies</source>
        <translation>周波数を連番で入力</translation>
    </message>
</context>
<context>
    <name>FieldEdit</name>
    <message>
        <source>a name the receiver cannot show (at most 6 characters, letters, digits and signs)</source>
        <translation>受信機が表示できない名前 (英数字と記号で 6 文字まで)</translation>
    </message>
    <message>
        <source>note</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>the entry has no frequency: give it one first</source>
        <translation>エントリーに周波数がありません: 先に周波数を入力してください</translation>
    </message>
    <message>
        <source>No</source>
        <translation>しない</translation>
    </message>
    <message>
        <source>Yes (*)</source>
        <translation>する (*)</translation>
    </message>
    <message>
        <source>a step band %1 does not take</source>
        <translation>バンド %1 にないステップ</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>cannot write %1: it is a device or a pipe, not a file</source>
        <translation>%1 に書き込めません: ファイルではなく、デバイスかパイプです</translation>
    </message>
    <message>
        <source>the output %1 is the same file as %2, which is read: choose another file for the output</source>
        <translation>出力先 %1 は読み込むファイル %2 と同じファイルです: 出力には別のファイルを選んでください</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>No stock lists are installed with this copy of the program.</source>
        <translation>このプログラムには同梱リストがインストールされていません。</translation>
    </message>
    <message>
        <source>Do you want to go on?</source>
        <translation>続けますか?</translation>
    </message>
    <message>
        <source>&amp;Compare...</source>
        <translation>比較(&amp;C)...</translation>
    </message>
    <message>
        <source>the data before the import</source>
        <translation>インポート前のデータ</translation>
    </message>
</context>
<context>
    <name>FileDrop</name>
    <message>
        <source>drop one file at a time</source>
        <translation>ファイルは一つずつドロップしてください</translation>
    </message>
    <message>
        <source>%1 not opened: the receiver is being read or written</source>
        <translation>%1 は開けません。受信機の読み出しか書き込みの最中です</translation>
    </message>
    <message>
        <source>%1 not opened: only clone files (.MZ4) and CSV files (.csv) can be dropped here</source>
        <translation>%1 は開けません。ドロップできるのはクローンファイル（.MZ4）と CSV ファイル（.csv）だけです</translation>
    </message>
</context>
<context>
    <name>FileImport</name>
    <message>
        <source>%1 is %2: nothing was imported.</source>
        <translation>%1 は%2: 何もインポートしていません。</translation>
    </message>
    <message>
        <source>%1 looks like %2.</source>
        <translation>%1 は%2のようです。</translation>
    </message>
    <message>
        <source>No line of %1 could be imported.</source>
        <translation>%1 からは 1 行もインポートできませんでした。</translation>
    </message>
    <message>
        <source>No column of %1 holds the frequency.</source>
        <translation>%1 には周波数の列がありません。</translation>
    </message>
    <message>
        <source>The rows of %1 have no numbers to go by (a Location or Memory column): choose where they go.</source>
        <translation>%1 の行には位置の番号 (Location か Memory の列) がありません: 行き先を選んでください。</translation>
    </message>
    <message>
        <source>The import replaces %1 entries in use.</source>
        <translation>インポートで使用中のエントリー %1 件が置き換わります。</translation>
    </message>
    <message>
        <source>The bank sizes add up to %1, not 1000: %2 channels belong to no bank.</source>
        <translation>バンクサイズの合計は 1000 ではなく %1 です: %2 チャンネルはどのバンクにも属しません。</translation>
    </message>
    <message>
        <source>bank %1 from %2 to %3</source>
        <translation>バンク %1 を %2 から %3 に</translation>
    </message>
    <message>
        <source>The bank sizes add up to %1, not 1000: a save cuts %2.</source>
        <translation>バンクサイズの合計は 1000 ではなく %1 です: 保存で%2切り詰めます。</translation>
    </message>
</context>
<context>
    <name>FillFrequenciesDialog</name>
    <message>
        <source>Fill Frequencies</source>
        <translation>周波数を連番で入力</translation>
    </message>
    <message>
        <source>&amp;Start frequency (MHz)</source>
        <translation>開始周波数 (MHz)(&amp;S)</translation>
    </message>
    <message>
        <source>S&amp;tep (kHz)</source>
        <translation>ステップ (kHz)(&amp;T)</translation>
    </message>
    <message>
        <source>Last row</source>
        <translation>最後の行</translation>
    </message>
</context>
<context>
    <name>FilterBar</name>
    <message>
        <source>Fi&amp;lter:</source>
        <translation>絞り込み(&amp;L):</translation>
    </message>
    <message>
        <source>118-137, FM, tower</source>
        <translation>118-137、FM、tower</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>絞り込み</translation>
    </message>
    <message>
        <source>Shows only the rows that match every word: a frequency range in MHz (118-137), a mode (FM, AM, WFM), or a text of the name or note. Write and Save still take every entry.</source>
        <translation>すべての語に合う行だけを表示します: MHz の周波数範囲 (118-137)、モード (FM、AM、WFM)、または名前かメモの文字。書き込みと保存はすべてのエントリーを対象にします。</translation>
    </message>
    <message>
        <source>%1 of %2 rows shown</source>
        <translation>%2 行中 %1 行を表示</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Close the find bar</source>
        <translation>検索バーを閉じる</translation>
    </message>
</context>
<context>
    <name>FrequencyChecks</name>
    <message>
        <source>an offset outside 0 .. 99.999999 MHz</source>
        <translation>0～99.999999 MHz の範囲外のオフセット</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was not taken: %3</source>
        <translation>%1: 「%2」は設定できません: %3</translation>
    </message>
</context>
<context>
    <name>GroupMatrix</name>
    <message>
        <source>%1, bank %2</source>
        <translation>%1、バンク %2</translation>
    </message>
</context>
<context>
    <name>HelpCommands</name>
    <message>
        <source>The user guide is not installed with this copy of the program.</source>
        <translation>このプログラムにはユーザーガイドがインストールされていません。</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>ユーザーガイド</translation>
    </message>
    <message>
        <source>No web browser could be started to show the user guide; it is the file %1.</source>
        <translation>ユーザーガイドを表示するウェブブラウザーを起動できませんでした。ガイドはファイル %1 です。</translation>
    </message>
    <message>
        <source>The sample file is not installed with this copy of the program.</source>
        <translation>このプログラムにはサンプルファイルがインストールされていません。</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>User Guide</source>
        <translation>ユーザーガイド</translation>
    </message>
    <message>
        <source>Search the guide</source>
        <translation>ガイドを検索</translation>
    </message>
    <message>
        <source>Open in Web Browser</source>
        <translation>ウェブブラウザーで開く</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>検索:</translation>
    </message>
</context>
<context>
    <name>IdentifyCommand</name>
    <message>
        <source>the receiver did not answer (is it switched on, and the cable in the right port?)</source>
        <translation>受信機が応答しません (電源は入っていますか。ケーブルは正しいポートにつながっていますか)</translation>
    </message>
</context>
<context>
    <name>ImportComparison</name>
    <message>
        <source>Changes to entries in use before: %1 (%2)</source>
        <translation>以前から使用中のエントリーの変更: %1 件 (%2)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>ImportDestination</name>
    <message>
        <source>into bank %1 from its first channel</source>
        <translation>バンク %1 の先頭チャンネルから</translation>
    </message>
    <message>
        <source>from row %1 on</source>
        <translation>行 %1 から</translation>
    </message>
    <message>
        <source>into the free entries</source>
        <translation>空きエントリーへ</translation>
    </message>
    <message>
        <source>as numbered in the file</source>
        <translation>ファイルの番号どおり</translation>
    </message>
</context>
<context>
    <name>ImportDestinationBox</name>
    <message>
        <source>Where the rows go</source>
        <translation>行き先</translation>
    </message>
    <message>
        <source>&amp;As numbered in the file</source>
        <translation>ファイルの番号どおり(&amp;A)</translation>
    </message>
    <message>
        <source>Into &amp;bank</source>
        <translation>バンク(&amp;B)</translation>
    </message>
    <message>
        <source>from its first channel</source>
        <translation>の先頭チャンネルから</translation>
    </message>
    <message>
        <source>From the &amp;selected row</source>
        <translation>選択した行から(&amp;S)</translation>
    </message>
    <message>
        <source>From the &amp;selected row (%1)</source>
        <translation>選択した行 (%1) から(&amp;S)</translation>
    </message>
    <message>
        <source>Into the &amp;free entries</source>
        <translation>空きエントリーへ(&amp;F)</translation>
    </message>
    <message>
        <source>A bank too small for the rows grows into the free channels at the end of the other banks. Program Scan, Search Pass and Priority rows keep their own lists.</source>
        <translation>行が入りきらないバンクは、ほかのバンクの末尾の空きチャンネルを使って広がります。プログラムスキャン、サーチパス、プライオリティの行はそれぞれのリストに入ります。</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>semicolons</source>
        <translation>セミコロン</translation>
    </message>
    <message>
        <source>TABs</source>
        <translation>タブ</translation>
    </message>
    <message>
        <source>commas</source>
        <translation>コンマ</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>%1 のインポート</translation>
    </message>
    <message>
        <source>%1 is %2; its fields are separated by %3.</source>
        <translation>%1 は%2です。欄は%3で区切られています。</translation>
    </message>
    <message>
        <source>What each column holds, as its header says; choose another field where it is wrong. The first rows of the file are below.</source>
        <translation>各列の内容 (見出しから判断しました)。違う列は別の項目を選んでください。下はファイルの先頭の行です。</translation>
    </message>
    <message>
        <source>Choose the column that holds the frequency.</source>
        <translation>周波数の列を選んでください。</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>インポート(&amp;I)</translation>
    </message>
</context>
<context>
    <name>ImportProgressDialog</name>
    <message>
        <source>Importing %1 ...</source>
        <translation>%1 をインポートしています...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>ImportReport</name>
    <message>
        <source>and %1 more</source>
        <translation>ほか %1 件</translation>
    </message>
    <message>
        <source>stopped at %1; the %2 lines after it were not read</source>
        <translation>%1 で中断しました。その後の %2 行は読み込んでいません</translation>
    </message>
    <message>
        <source>, %1 changed</source>
        <translation>、%1 件を変更</translation>
    </message>
    <message>
        <source>%1 changed to fit:</source>
        <translation>%1 行を収まるように変更しました:</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>%1 is a device or a pipe, not a file: COM 1 is used</source>
        <translation>%1 はファイルではなく、デバイスかパイプです: COM 1 を使います</translation>
    </message>
</context>
<context>
    <name>InputFilters</name>
    <message>
        <source>A name holds only the letters, digits and signs the receiver shows (ASCII): &quot;%1&quot; is not one of them</source>
        <translation>名前には受信機が表示できる英数字と記号 (ASCII) だけが入ります: 「%1」は入りません</translation>
    </message>
    <message>
        <source>The note code page %1 has no character &quot;%2&quot;: the note cannot hold it (Tool &gt; Note Code Page chooses another)</source>
        <translation>メモのコードページ %1 には文字「%2」がないため、メモに入れられません (ツール &gt; メモのコードページで変更できます)</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>System (%1)</source>
        <translation>システム (%1)</translation>
    </message>
    <message>
        <source>The program shows %1.</source>
        <translation>プログラムは%1で表示しています。</translation>
    </message>
    <message>
        <source>The program will show %1 from its next start.</source>
        <translation>次回の起動から%1で表示します。</translation>
    </message>
</context>
<context>
    <name>LinkSetup</name>
    <message>
        <source>: name its model with --model, or find it with &quot;mtz4ctl identify&quot;</source>
        <translation>: --model で機種を指定するか、&quot;mtz4ctl identify&quot; で機種を調べてください</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>%1 is used for this run, as %2 says, instead of %3 chosen in COM Port Setup</source>
        <translation>%2 の指定により、この実行では COM Port Setup で選んだ %3 ではなく %1 を使います</translation>
    </message>
    <message>
        <source>COM %1 was not stored for the next start: %2</source>
        <translation>COM %1 を次回の起動のために保存できませんでした: %2</translation>
    </message>
</context>
<context>
    <name>MemoryGrid</name>
    <message>
        <source>Memory channels</source>
        <translation>メモリーチャンネル</translation>
    </message>
</context>
<context>
    <name>ModelCommands</name>
    <message>
        <source>Keep these channels: the data stay, checked against the rules of %1; what does not fit is reported, and Undo brings it back. Factory data: the data start afresh from the factory data of %1.</source>
        <translation>このチャンネルを保持: データはそのまま %1 の規則で確認され、合わないものは報告されます (元に戻すで戻せます)。工場出荷時のデータ: データは %1 の工場出荷時のデータから始まります。</translation>
    </message>
    <message>
        <source>Keep these channels</source>
        <translation>このチャンネルを保持</translation>
    </message>
    <message>
        <source>Factory data</source>
        <translation>工場出荷時のデータ</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>機種</translation>
    </message>
    <message>
        <source>Select %1 for %2?</source>
        <translation>%2 に %1 を選択しますか?</translation>
    </message>
    <message>
        <source>The receiver accepted the model %1, the one selected on Settings 1.</source>
        <translation>受信機は機種 %1 を受け付けました。Settings 1 で選択されている機種です。</translation>
    </message>
    <message>
        <source>The receiver accepted the model %1, but Settings 1 has %2 selected. Select %1?</source>
        <translation>受信機は機種 %1 を受け付けましたが、Settings 1 では %2 が選択されています。%1 を選択しますか?</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>保持</translation>
    </message>
</context>
<context>
    <name>ModelDetection</name>
    <message>
        <source>the receiver did not accept the selected model %1</source>
        <translation>受信機は選択された機種 %1 を受け付けませんでした</translation>
    </message>
    <message>
        <source>The receiver accepted none of the models MT-Z4J, MT-Z40E, MT-Z40T and MT-Z40K.</source>
        <translation>受信機は MT-Z4J、MT-Z40E、MT-Z40T、MT-Z40K のいずれの機種も受け付けませんでした。</translation>
    </message>
</context>
<context>
    <name>ModelFit</name>
    <message>
        <source>option: %1 → %2 (the %3 has no %1 option)</source>
        <translation>オプション: %1 → %2 (%3 にはオプション %1 がありません)</translation>
    </message>
    <message>
        <source>entries and bands</source>
        <translation>エントリーとバンド</translation>
    </message>
</context>
<context>
    <name>ModelRules</name>
    <message>
        <source>the %1 has no %2 option</source>
        <translation>%1 にはオプション %2 がありません</translation>
    </message>
    <message>
        <source>a frequency of the cellular phone</source>
        <translation>携帯電話の周波数</translation>
    </message>
    <message>
        <source>a frequency another Search Pass entry has</source>
        <translation>ほかのサーチパスにある周波数</translation>
    </message>
    <message>
        <source>a frequency outside 0.1 .. 1299.995 MHz</source>
        <translation>0.1～1299.995 MHz の範囲外の周波数</translation>
    </message>
    <message>
        <source>a frequency outside band %1 %2</source>
        <translation>バンド %1 %2 の範囲外の周波数</translation>
    </message>
    <message>
        <source>the %1 has no band %2</source>
        <translation>%1 にはバンド %2 がありません</translation>
    </message>
</context>
<context>
    <name>MoveCommands</name>
    <message>
        <source>The rows are at the end of the list already.</source>
        <translation>行はすでにリストの最後です。</translation>
    </message>
    <message>
        <source>The rows are at the top of the list already.</source>
        <translation>行はすでにリストの先頭です。</translation>
    </message>
    <message>
        <source>%1: no room, the last entries of the list are in use</source>
        <translation>%1: 空きがありません。リストの最後のエントリーが使用中です</translation>
    </message>
    <message>
        <source>Rows move within the memory channels or within their own list (Program Scan, Search Pass, Priority).</source>
        <translation>行はメモリーチャンネルの中、または同じリスト (プログラムスキャン、サーチパス、プライオリティ) の中でだけ移動できます。</translation>
    </message>
</context>
<context>
    <name>NoteBox</name>
    <message>
        <source>note</source>
        <translation>メモ</translation>
    </message>
</context>
<context>
    <name>PastedRows</name>
    <message>
        <source>not an entry row</source>
        <translation>エントリーの行ではありません</translation>
    </message>
</context>
<context>
    <name>PortFailure</name>
    <message>
        <source>%1 is busy: another program is using it (an open mtz4clone window keeps its port until it closes or COM Port Setup&apos;s OK is pressed)</source>
        <translation>%1 は使用中です: 別のプログラムが使っています (開いている mtz4clone のウィンドウは、閉じるか COM ポートセットアップの OK を押すまでポートを保持します)</translation>
    </message>
</context>
<context>
    <name>PortsCommand</name>
    <message>
        <source>no serial port found on this system</source>
        <translation>このシステムにシリアルポートは見つかりません</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>Print Channel List</source>
        <translation>チャンネル一覧の印刷</translation>
    </message>
    <message>
        <source>Channel list</source>
        <translation>チャンネル一覧</translation>
    </message>
    <message>
        <source>The channel list could not be printed.</source>
        <translation>チャンネル一覧を印刷できませんでした。</translation>
    </message>
    <message>
        <source>Channel list printed: %1 pages</source>
        <translation>チャンネル一覧を印刷しました：%1 ページ</translation>
    </message>
    <message>
        <source>the PDF document could not be made</source>
        <translation>PDF 文書を作成できませんでした</translation>
    </message>
    <message>
        <source>Channel list written to %1</source>
        <translation>チャンネル一覧を %1 に書き出しました</translation>
    </message>
</context>
<context>
    <name>PropertiesDialog</name>
    <message>
        <source>&amp;Frequency (MHz)</source>
        <translation>周波数 (MHz)(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>モード(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Step</source>
        <translation>ステップ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Carrier</source>
        <translation>キャリア(&amp;C)</translation>
    </message>
    <message>
        <source>Secret &amp;code</source>
        <translation>秘話コード(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Tone</source>
        <translation>トーン(&amp;T)</translation>
    </message>
    <message>
        <source>S&amp;hift</source>
        <translation>シフト(&amp;H)</translation>
    </message>
    <message>
        <source>Offs&amp;et (MHz)</source>
        <translation>オフセット (MHz)(&amp;E)</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <translation>スキップ(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Note</source>
        <translation>メモ(&amp;N)</translation>
    </message>
    <message>
        <source>N&amp;ame</source>
        <translation>名前(&amp;A)</translation>
    </message>
    <message>
        <source>Properties of %1 entries</source>
        <translation>%1 件のエントリーのプロパティ</translation>
    </message>
    <message>
        <source>A field changed here is set on every selected entry; a blank field differs between them and stays as it is.</source>
        <translation>ここで変更した項目は選択したすべてのエントリーに設定されます。空欄の項目はエントリーごとに異なり、そのまま残ります。</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>the list could not be made</source>
        <translation>一覧を作成できませんでした</translation>
    </message>
</context>
<context>
    <name>ReportDialog</name>
    <message>
        <source>Every row (%1):</source>
        <translation>すべての行 (%1):</translation>
    </message>
    <message>
        <source>Every row</source>
        <translation>すべての行</translation>
    </message>
</context>
<context>
    <name>ResourceText</name>
    <message>
        <source>File(&amp;F)</source>
        <translation>ﾌｧｲﾙ(&amp;F)</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>新規作成(&amp;N)</translation>
    </message>
    <message>
        <source>Open(&amp;O)...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>上書き保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save As(&amp;A)...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>Print Setup(&amp;U)...</source>
        <translation>ﾍﾟｰｼﾞ設定(&amp;U)...</translation>
    </message>
    <message>
        <source>Exit(&amp;X)...</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>Modify(&amp;M)</source>
        <translation>変更(&amp;M)</translation>
    </message>
    <message>
        <source>View(&amp;V)</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Tool Bar(&amp;T)</source>
        <translation>ﾂｰﾙ ﾊﾞｰ(&amp;T)</translation>
    </message>
    <message>
        <source>Tool(&amp;T)</source>
        <translation>ﾂｰﾙ(&amp;T)</translation>
    </message>
    <message>
        <source>COM Port Setup(&amp;C)</source>
        <translation>COM ポートセットアップ(&amp;C)</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>ﾍﾙﾌﾟ(&amp;H)</translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation>ﾊﾞｰｼﾞｮﾝ情報(&amp;A)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規作成</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>上書き保存</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ﾍﾙﾌﾟ</translation>
    </message>
    <message>
        <source>Status Bar(&amp;S)</source>
        <translation>ｽﾃｰﾀｽﾊﾞｰ(&amp;S)</translation>
    </message>
    <message>
        <source>Import(&amp;I)...</source>
        <translation>ｲﾝﾎﾟｰﾄ(&amp;I)...</translation>
    </message>
    <message>
        <source>Export(&amp;E)...</source>
        <translation>ｴｸｽﾎﾟｰﾄ(&amp;E)...</translation>
    </message>
    <message>
        <source>Read(&amp;R)</source>
        <translation>読み出し(&amp;R)</translation>
    </message>
    <message>
        <source>Write(&amp;W)</source>
        <translation>書き込み(&amp;W)</translation>
    </message>
    <message>
        <source>Settings(&amp;S)</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>Memory(&amp;M)</source>
        <translation>メモリー(&amp;M)</translation>
    </message>
    <message>
        <source>ALL(&amp;A)</source>
        <translation>すべて(&amp;A)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Cut(&amp;T)</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>Copy(&amp;C)</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Paste(&amp;P)</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Insert Empty Entry(&amp;I)</source>
        <translation>空きエントリーを挿入(&amp;I)</translation>
    </message>
    <message>
        <source>Delete Entry(&amp;D)</source>
        <translation>エントリーを削除(&amp;D)</translation>
    </message>
    <message>
        <source>Find(&amp;F)...</source>
        <translation>検索(&amp;F)...</translation>
    </message>
    <message>
        <source>Go To(&amp;G)...</source>
        <translation>移動(&amp;G)...</translation>
    </message>
    <message>
        <source>Hide Empty Entries(&amp;H)</source>
        <translation>空きエントリーを隠す(&amp;H)</translation>
    </message>
    <message>
        <source>Sort Bank by Frequency(&amp;Q)</source>
        <translation>バンクを周波数順に並べ替え(&amp;Q)</translation>
    </message>
    <message>
        <source>Sort Bank by Name(&amp;N)</source>
        <translation>バンクを名前順に並べ替え(&amp;N)</translation>
    </message>
    <message>
        <source>Quick Read(&amp;Q)</source>
        <translation>クイック読み出し(&amp;Q)</translation>
    </message>
    <message>
        <source>Properties(&amp;R)...</source>
        <translation>プロパティ(&amp;R)...</translation>
    </message>
    <message>
        <source>Fill Down(&amp;L)</source>
        <translation>下へコピー(&amp;L)</translation>
    </message>
    <message>
        <source>Fill Frequencies(&amp;Y)...</source>
        <translation>周波数を連番で入力(&amp;Y)...</translation>
    </message>
    <message>
        <source>Move Up(&amp;U)</source>
        <translation>上へ移動(&amp;U)</translation>
    </message>
    <message>
        <source>Move Down(&amp;W)</source>
        <translation>下へ移動(&amp;W)</translation>
    </message>
    <message>
        <source>Filter(&amp;F)...</source>
        <translation>絞り込み(&amp;F)...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近使ったファイル(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Backups...</source>
        <translation>バックアップ(&amp;B)...</translation>
    </message>
    <message>
        <source>Compare With &amp;File...</source>
        <translation>ファイルと比較(&amp;F)...</translation>
    </message>
    <message>
        <source>Com&amp;pare With Receiver...</source>
        <translation>受信機と比較(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>一覧を消去(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Verify After Write</source>
        <translation>書き込み後に照合(&amp;V)</translation>
    </message>
    <message>
        <source> (partly read from the receiver)</source>
        <translation> (一部のみ受信機から読み出し)</translation>
    </message>
    <message>
        <source>%1 (backup)</source>
        <translation>%1 (バックアップ)</translation>
    </message>
    <message>
        <source>the data are partly from the receiver; Edit &gt; %1 brings back what was there</source>
        <translation>データの一部だけが受信機のものです。編集 &gt; %1 で読み出し前に戻せます</translation>
    </message>
    <message>
        <source> (partly imported: stopped at line %1)</source>
        <translation> (一部のみインポート: %1 行目で中断)</translation>
    </message>
    <message>
        <source>the import stopped at %1; the data are partly from %2; Edit &gt; %3 brings back what was there</source>
        <translation>インポートは %1 で中断しました。データの一部だけが %2 のものです。編集 &gt; %3 でインポート前に戻せます</translation>
    </message>
    <message>
        <source>Note Code Page(&amp;N)</source>
        <translation>メモのコードページ(&amp;N)</translation>
    </message>
    <message>
        <source>Western (Windows-1252)</source>
        <translation>西欧 (Windows-1252)</translation>
    </message>
    <message>
        <source>Japanese (Shift-JIS, 932)</source>
        <translation>日本語 (シフト JIS、932)</translation>
    </message>
    <message>
        <source>Central European (Windows-1250)</source>
        <translation>中央ヨーロッパ (Windows-1250)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows-1251)</source>
        <translation>キリル (Windows-1251)</translation>
    </message>
    <message>
        <source>Greek (Windows-1253)</source>
        <translation>ギリシャ語 (Windows-1253)</translation>
    </message>
    <message>
        <source>Turkish (Windows-1254)</source>
        <translation>トルコ語 (Windows-1254)</translation>
    </message>
    <message>
        <source>Import Stoc&amp;k List...</source>
        <translation>同梱リストをインポート(&amp;K)...</translation>
    </message>
    <message>
        <source>&amp;Detect Model</source>
        <translation>機種を検出(&amp;D)</translation>
    </message>
    <message>
        <source>Other serial &amp;device:</source>
        <translation>その他のシリアルデバイス(&amp;D):</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>メーカー</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>接続されていません</translation>
    </message>
    <message>
        <source>New &amp;Window</source>
        <translation>新しいウィンドウ(&amp;W)</translation>
    </message>
    <message>
        <source>Open in New Win&amp;dow...</source>
        <translation>新しいウィンドウで開く(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;Print Channel List...</source>
        <translation>チャンネル一覧を印刷(&amp;P)...</translation>
    </message>
    <message>
        <source>Export Channel &amp;List as PDF...</source>
        <translation>チャンネル一覧を PDF に出力(&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>ユーザーガイド(&amp;U)</translation>
    </message>
    <message>
        <source>Open &amp;Sample File</source>
        <translation>サンプルファイルを開く(&amp;S)</translation>
    </message>
    <message>
        <source>%1 (sample)</source>
        <translation>%1 (サンプル)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>言語(&amp;L)</translation>
    </message>
</context>
<context>
    <name>SerialPortList</name>
    <message>
        <source>serial %1</source>
        <translation>シリアル番号 %1</translation>
    </message>
</context>
<context>
    <name>SettingControls</name>
    <message>
        <source>The receiver&apos;s squelch level, 0 to 9: the higher it is, the stronger a signal must be to be heard.</source>
        <translation>受信機のスケルチレベル（0～9）です。大きいほど、強い信号でないと聞こえません。</translation>
    </message>
    <message>
        <source>The receiver&apos;s audio volume, 0 to 30.</source>
        <translation>受信機の音量（0～30）です。</translation>
    </message>
    <message>
        <source>The receiver&apos;s operating mode: tuning with the VFO, the preset frequencies, or the memory channels.</source>
        <translation>受信機の動作モードです：VFO、プリセット、メモリーのいずれかです。</translation>
    </message>
    <message>
        <source>The display lamp: OFF, 5sec (lit for five seconds after a key press), ON (always lit) or ALL OFF.</source>
        <translation>表示の照明です：OFF、5sec（キー操作後5秒点灯）、ON（常に点灯）、ALL OFF のいずれかです。</translation>
    </message>
    <message>
        <source>What the MONI key does: Monitor opens the squelch to listen, Mute silences the audio.</source>
        <translation>MONI キーの働きです：Monitor はスケルチを開いて聞き、Mute は音声を消します。</translation>
    </message>
    <message>
        <source>How the MONI key acts: only while it is held down (Push), or on and off with each press (Hold).</source>
        <translation>MONI キーの動作です：押している間だけ（Push）か、押すたびに入・切（Hold）です。</translation>
    </message>
    <message>
        <source>The kind of key lock: NON, QUICK or NORMAL.</source>
        <translation>キーロックの種類です：NON、QUICK、NORMAL のいずれかです。</translation>
    </message>
    <message>
        <source>Switches the receiver off after 30, 60 or 90 minutes without a key press, or never (Off).</source>
        <translation>キー操作のないまま 30、60、90 分たつと電源を切ります（Off は切りません）。</translation>
    </message>
    <message>
        <source>The quality of the receiver&apos;s recordings: LONG, NORMAL, CLEAR or HIGH-Q (MT-Z4J only).</source>
        <translation>受信機の録音の品質です：LONG、NORMAL、CLEAR、HIGH-Q のいずれかです（MT-Z4J のみ）。</translation>
    </message>
    <message>
        <source>The sensitivity level of the bug function, 1 to 5 (MT-Z4J only).</source>
        <translation>バグ機能の感度レベル（1～5）です（MT-Z4J のみ）。</translation>
    </message>
    <message>
        <source>The speed of a VFO scan, 1 to 5.</source>
        <translation>VFO スキャンの速度（1～5）です。</translation>
    </message>
    <message>
        <source>The speed of a memory scan, 1 to 5.</source>
        <translation>メモリースキャンの速度（1～5）です。</translation>
    </message>
    <message>
        <source>How long a scan stays on a signal: BUSY (as long as the signal lasts) or 1 to 25 seconds.</source>
        <translation>スキャンが信号で止まる時間です：BUSY（信号が続く間）または 1～25 秒です。</translation>
    </message>
    <message>
        <source>How long the receiver charges its battery, 1 to 24 hours.</source>
        <translation>電池を充電する時間（1～24 時間）です。</translation>
    </message>
    <message>
        <source>When the receiver leaves set mode by itself: after 5 to 25 seconds, or never (MANUAL).</source>
        <translation>セットモードを自動で抜けるまでの時間です：5～25 秒、または抜けません（MANUAL）。</translation>
    </message>
    <message>
        <source>The setting that the wild key calls up directly.</source>
        <translation>ワイルドキーで直接呼び出す設定です。</translation>
    </message>
    <message>
        <source>The function of key A of the remote controller.</source>
        <translation>リモコンの A キーに割り当てる機能です。</translation>
    </message>
    <message>
        <source>The function of key B of the remote controller.</source>
        <translation>リモコンの B キーに割り当てる機能です。</translation>
    </message>
    <message>
        <source>The function of key C of the remote controller.</source>
        <translation>リモコンの C キーに割り当てる機能です。</translation>
    </message>
    <message>
        <source>The function of key D of the remote controller.</source>
        <translation>リモコンの D キーに割り当てる機能です。</translation>
    </message>
    <message>
        <source>The priority time (Pr): BUSY or 1 to 25 seconds.</source>
        <translation>プライオリティ（Pr）の時間です：BUSY または 1～25 秒です。</translation>
    </message>
    <message>
        <source>The time Sp: 5 to 60 seconds.</source>
        <translation>Sp の時間です：5～60 秒です。</translation>
    </message>
    <message>
        <source>The antenna the receiver uses: the one on its SMA socket, or the earphone cord (EAR).</source>
        <translation>受信に使うアンテナです：SMA 端子のアンテナか、イヤホンのコード（EAR）です。</translation>
    </message>
    <message>
        <source>Whether a scan passes over the entries marked to skip (SKIP) or stops on them as well (No SKIP).</source>
        <translation>スキップ指定のエントリーをスキャンで飛ばす（SKIP）か、飛ばさない（No SKIP）かです。</translation>
    </message>
    <message>
        <source>Tuning past the end of a band goes back to the band&apos;s start (Rotate) or on into the next band (Across).</source>
        <translation>バンドの端を越えると、そのバンドの先頭に戻る（Rotate）か、次のバンドに移る（Across）かです。</translation>
    </message>
    <message>
        <source>Lock BUG: ENABLE or DISABLE (MT-Z4J only).</source>
        <translation>Lock BUG です：ENABLE または DISABLE です（MT-Z4J のみ）。</translation>
    </message>
    <message>
        <source>The bug type: SILENT or SOUND (MT-Z4J only).</source>
        <translation>バグの種類です：SILENT または SOUND です（MT-Z4J のみ）。</translation>
    </message>
    <message>
        <source>The tone of the audio: Low (more bass) or High (more treble).</source>
        <translation>音質です：Low（低音寄り）または High（高音寄り）です。</translation>
    </message>
    <message>
        <source>Switches on the attenuator, which weakens strong signals at the receiver&apos;s input.</source>
        <translation>アッテネーターを入れて、強い入力信号を弱めます。</translation>
    </message>
    <message>
        <source>Lets the receiver choose the tuning step of each band by itself.</source>
        <translation>バンドごとのチューニングステップを受信機が自動で選びます。</translation>
    </message>
    <message>
        <source>Sounds a beep at each key press.</source>
        <translation>キーを押すたびにビープ音を鳴らします。</translation>
    </message>
    <message>
        <source>The bell: on or off.</source>
        <translation>ベルです：オンまたはオフです。</translation>
    </message>
    <message>
        <source>Auto Wave: on or off.</source>
        <translation>Auto Wave です：オンまたはオフです。</translation>
    </message>
    <message>
        <source>Receives AM broadcasts with the built-in bar antenna.</source>
        <translation>AM 放送を内蔵のバーアンテナで受信します。</translation>
    </message>
    <message>
        <source>Saves battery power while no signal is received.</source>
        <translation>信号を受信していない間、電池を節約します。</translation>
    </message>
    <message>
        <source>Receives short wave with the built-in bar antenna.</source>
        <translation>短波を内蔵のバーアンテナで受信します。</translation>
    </message>
    <message>
        <source>Lets the receiver charge its battery, for the time under Charge Time.</source>
        <translation>電池を充電します（時間は Charge Time で決めます）。</translation>
    </message>
</context>
<context>
    <name>Settings1Page</name>
    <message>
        <source>The receiver&apos;s model: it decides the bands, the options and the defaults, and choosing another starts from its factory data.</source>
        <translation>受信機の機種です。バンド、オプション、初期値が機種で決まり、別の機種を選ぶとその工場出荷時のデータから始まります。</translation>
    </message>
    <message>
        <source>The VFO record of each band: the frequency, mode and step the receiver&apos;s VFO holds there; double-click a band to edit it, or edit a cell in place (F2 or Enter).</source>
        <translation>バンドごとの VFO（受信機の VFO がそのバンドで持つ周波数、モード、ステップなど）です。ダブルクリックで編集します。セルは F2 か Enter でその場で編集できます。</translation>
    </message>
</context>
<context>
    <name>SettingsButtons</name>
    <message>
        <source>Reads the settings and the band VFO records from the receiver.</source>
        <translation>受信機から設定とバンドごとの VFO を読み出します。</translation>
    </message>
    <message>
        <source>Writes the settings and the band VFO records to the receiver.</source>
        <translation>設定とバンドごとの VFO を受信機に書き込みます。</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>%1 is not a file (a folder, a device or a pipe): the settings are neither read nor stored</source>
        <translation>%1 はファイルではありません (フォルダー、デバイスかパイプです): 設定は読み込みも保存もしません</translation>
    </message>
</context>
<context>
    <name>StockListDialog</name>
    <message>
        <source>Import Stock List</source>
        <translation>同梱リストのインポート</translation>
    </message>
    <message>
        <source>List</source>
        <translation>リスト</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>地域</translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation>用途</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>インポート(&amp;I)</translation>
    </message>
    <message>
        <source>%1 (%2): %3
Source: %4</source>
        <translation>%1 (%2): %3
出典: %4</translation>
    </message>
</context>
<context>
    <name>TextFileEncoding</name>
    <message>
        <source>The file begins with a UTF-8 byte-order mark, but what follows is no UTF-8: it was read in the note code page %1.</source>
        <translation>ファイルは UTF-8 のバイト順マークで始まりますが、続きが UTF-8 ではないため、メモのコードページ %1 で読みました。</translation>
    </message>
</context>
<context>
    <name>TextFit</name>
    <message>
        <source>TAB → space</source>
        <translation>タブ → 空白</translation>
    </message>
    <message>
        <source>line break → space</source>
        <translation>改行 → 空白</translation>
    </message>
    <message>
        <source>cut to %1 characters</source>
        <translation>%1 文字に短縮</translation>
    </message>
</context>
<context>
    <name>TrafficTrace</name>
    <message>
        <source>the serial trace was not kept: %1</source>
        <translation>通信の記録は残せませんでした: %1</translation>
    </message>
</context>
<context>
    <name>VfoGrid</name>
    <message>
        <source>VFO records of the bands</source>
        <translation>バンドごとの VFO</translation>
    </message>
</context>
<context>
    <name>WindowPlacement</name>
    <message>
        <source>the settings were not stored: %1</source>
        <translation>設定は保存されませんでした: %1</translation>
    </message>
</context>
</TS>
