<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutBox</name>
    <message>
        <source>About %1</source>
        <translation>%1 のバージョン情報</translation>
    </message>
    <message>
        <source>mtz4clone version %1</source>
        <translation>mtz4clone バージョン %1</translation>
    </message>
    <message>
        <source>Clone utility for the MT-Z4J, MT-Z40E, MT-Z40T and MT-Z40K receivers.

Reads the receiver&apos;s memory over a serial cable, edits the 1000 memory
channels in 50 banks, the Program Scan, Search Pass and Priority lists,
the band VFO records, the scan groups and the set-mode settings, writes
them back, and keeps them in clone files (.MZ4).</source>
        <translation>MT-Z4J、MT-Z40E、MT-Z40T、MT-Z40K 受信機用のクローンユーティリティです。

シリアルケーブルで受信機のメモリーを読み出し、50 バンクの 1000 メモリー
チャンネル、プログラムスキャン・サーチパス・プライオリティの各リスト、
バンドごとの VFO、スキャングループ、セットモードの設定を編集して書き戻し、
クローンファイル (.MZ4) に保存します。</translation>
    </message>
    <message>
        <source>Built with Qt %1.</source>
        <translation>Qt %1 でビルドされています。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>the folder cannot be made</source>
        <translation>フォルダーを作れません</translation>
    </message>
</context>
<context>
    <name>BackupsDialog</name>
    <message>
        <source>Backups kept</source>
        <translation>保存されているバックアップ</translation>
    </message>
    <message>
        <source>before %1</source>
        <translation>%1 の前</translation>
    </message>
    <message>
        <source>after %1</source>
        <translation>%1 の後</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>バックアップ</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Occasion</source>
        <translation>きっかけ</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>機種</translation>
    </message>
    <message>
        <source>Entries in use</source>
        <translation>使用中のエントリー</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>読めません</translation>
    </message>
    <message>
        <source>Kept in %1 (the newest %2).</source>
        <translation>%1 に保存されています (新しいものから %2 個)。</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
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
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Read Bank</source>
        <translation>バンク読出し</translation>
    </message>
    <message>
        <source>Write Bank</source>
        <translation>バンク書込み</translation>
    </message>
    <message>
        <source>Read Group</source>
        <translation>グループ読出し</translation>
    </message>
    <message>
        <source>Write Group</source>
        <translation>グループ書込み</translation>
    </message>
    <message>
        <source>Bank %1 Size</source>
        <translation>バンク %1 のサイズ</translation>
    </message>
    <message>
        <source>%1 Bank %2</source>
        <translation>%1 バンク %2</translation>
    </message>
</context>
<context>
    <name>BankSizeEdit</name>
    <message>
        <source>The total of the number of channels exceeds 1000.<byte value="xd"/>
Please set for the total of the channel to become 1000 or less.</source>
        <translation>チャンネル数の合計が 1000 を超えています。<byte value="xd"/>
チャンネル数の合計が 1000 以下になるように設定してください。</translation>
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
    <message>
        <source>Band %1</source>
        <translation>バンド %1</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 の編集</translation>
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
    <message numerus="yes">
        <source>%n Program Scan, Search Pass and Priority entries in use: CHIRP&apos;s CSV holds memory channels only</source>
        <translation>
            <numerusform>使用中のプログラムスキャン、サーチパス、プライオリティ %n 件: CHIRP の CSV にはメモリーチャンネルしか入りません</numerusform>
        </translation>
    </message>
    <message>
        <source>row %1 (Location %2)</source>
        <translation>行 %1 (Location %2)</translation>
    </message>
    <message>
        <source>row %1 (Location %2): </source>
        <translation>行 %1 (Location %2): </translation>
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
    <name>CliArguments</name>
    <message>
        <source>option %1 needs a value</source>
        <translation>オプション %1 には値が必要です</translation>
    </message>
    <message>
        <source>the two clone files to compare (A.MZ4 B.MZ4) are required</source>
        <translation>比較する 2 つのクローンファイル (A.MZ4 B.MZ4) が必要です</translation>
    </message>
    <message>
        <source>the clone file (IN.MZ4) is required</source>
        <translation>クローンファイル (IN.MZ4) が必要です</translation>
    </message>
    <message>
        <source>-o LIST.pdf or -o LIST.html is required</source>
        <translation>-o LIST.pdf または -o LIST.html が必要です</translation>
    </message>
    <message>
        <source>the clone file (IN.MZ4) and the CSV file to write (OUT.csv) are required</source>
        <translation>クローンファイル (IN.MZ4) と書き出す CSV ファイル (OUT.csv) が必要です</translation>
    </message>
    <message>
        <source>--stock NAME and IN.csv exclude each other</source>
        <translation>--stock NAME と IN.csv は同時に指定できません</translation>
    </message>
    <message>
        <source>--stock NAME takes no --format and no --map</source>
        <translation>--stock NAME には --format も --map も指定できません</translation>
    </message>
    <message>
        <source>the clone file (BASE.MZ4) and the CSV file to import (IN.csv) are required</source>
        <translation>クローンファイル (BASE.MZ4) と取り込む CSV ファイル (IN.csv) が必要です</translation>
    </message>
    <message>
        <source>--into, --at and --free exclude each other</source>
        <translation>--into、--at、--free は同時に指定できません</translation>
    </message>
    <message>
        <source>-o OUT.MZ4 is required</source>
        <translation>-o OUT.MZ4 が必要です</translation>
    </message>
    <message>
        <source>--device PATH or --port N is required</source>
        <translation>--device PATH か --port N が必要です</translation>
    </message>
    <message>
        <source>--device and --port exclude each other</source>
        <translation>--device と --port は同時に指定できません</translation>
    </message>
    <message>
        <source>--model MODEL is required (MT-Z4J, MT-Z40E, MT-Z40T or MT-Z40K)</source>
        <translation>--model MODEL が必要です (MT-Z4J、MT-Z40E、MT-Z40T、MT-Z40K のいずれか)</translation>
    </message>
    <message>
        <source>--settings, --memory and --all exclude each other</source>
        <translation>--settings、--memory、--all は同時に指定できません</translation>
    </message>
    <message>
        <source>--quick reads the memory; it does not go with --settings</source>
        <translation>--quick はメモリーを読み込みます。--settings とは一緒に使えません</translation>
    </message>
    <message>
        <source>--verify reads back the memory; it does not go with --settings</source>
        <translation>--verify はメモリーを読み戻します。--settings とは一緒に使えません</translation>
    </message>
    <message>
        <source>the clone file to write (IN.MZ4) is required</source>
        <translation>書き込むクローンファイル (IN.MZ4) が必要です</translation>
    </message>
    <message>
        <source>no subcommand given (read, write or new)</source>
        <translation>サブコマンドが指定されていません (read、write、new など)</translation>
    </message>
    <message>
        <source>unknown subcommand &quot;%1&quot; (read, write or new)</source>
        <translation>不明なサブコマンド &quot;%1&quot; です (read、write、new など)</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>余分な引数 &quot;%1&quot; があります</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1 です</translation>
    </message>
    <message>
        <source>unknown model &quot;%1&quot; (MT-Z4J, MT-Z40E, MT-Z40T or MT-Z40K)</source>
        <translation>不明な機種 &quot;%1&quot; です (MT-Z4J、MT-Z40E、MT-Z40T、MT-Z40K のいずれか)</translation>
    </message>
    <message>
        <source>--port takes a number from %1 to %2</source>
        <translation>--port には %1 から %2 までの番号を指定してください</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot; (csv, chirp or columns)</source>
        <translation>不明な形式 &quot;%1&quot; です (csv、chirp、columns のいずれか)</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot; (csv or chirp)</source>
        <translation>不明な形式 &quot;%1&quot; です (csv か chirp)</translation>
    </message>
    <message>
        <source>--into takes a bank number from 0 to 49</source>
        <translation>--into には 0 から 49 までのバンク番号を指定してください</translation>
    </message>
    <message>
        <source>unknown code page &quot;%1&quot; (%2, or the number: 1252, 932 ...)</source>
        <translation>不明なコードページ &quot;%1&quot; です (%2、または番号: 1252、932 など)</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>オプション %1 には値を指定できません</translation>
    </message>
</context>
<context>
    <name>CliUsage</name>
    <message>
        <source>  --device PATH     the serial device the receiver is on: a path (/dev/ttyUSB0,
                    /dev/serial/by-id/...) or a name (ttyACM0, COM3); &quot;mtz4ctl
                    ports&quot; lists them
  --port N          COM port N (1..16) instead: the device named by the
                    environment variable MTZ4_COMn, else /dev/ttyUSB&lt;n-1&gt;
                    when it exists, else /dev/ttyS&lt;n-1&gt;
</source>
        <translation>  --device PATH     受信機がつながっているシリアルデバイス: パス (/dev/ttyUSB0、
                    /dev/serial/by-id/...) または名前 (ttyACM0、COM3)。
                    &quot;mtz4ctl ports&quot; で一覧を表示できます
  --port N          代わりに COM ポート N (1..16): 環境変数 MTZ4_COMn の
                    デバイス、なければ /dev/ttyUSB&lt;n-1&gt; (あれば)、
                    それもなければ /dev/ttyS&lt;n-1&gt;
</translation>
    </message>
    <message>
        <source>  --trace FILE      write every command and reply on the line to FILE, with
                    the time, the direction and the outcome of each exchange;
                    FILE is replaced when the command ends, and left as it was
                    when the trace cannot be written (exit status 1)
</source>
        <translation>  --trace FILE      回線上のすべてのコマンドと応答を、時刻、方向、各やり取りの
                    結果とともに FILE に書き出します。FILE はコマンドの終了時に
                    置き換えられ、トレースを書き込めないときは元のまま残ります
                    (終了ステータス 1)
</translation>
    </message>
    <message>
        <source>  --model MODEL     the receiver model: MT-Z4J, MT-Z40E, MT-Z40T or MT-Z40K
</source>
        <translation>  --model MODEL     受信機の機種: MT-Z4J、MT-Z40E、MT-Z40T、MT-Z40K
</translation>
    </message>
    <message>
        <source>&quot;Region Error&quot; means the receiver did not accept MODEL: &quot;mtz4ctl identify&quot;
finds its model.
</source>
        <translation>&quot;Region Error&quot; は受信機が MODEL を受け付けなかったことを示します。
&quot;mtz4ctl identify&quot; で機種を調べられます。
</translation>
    </message>
    <message>
        <source>  --code-page NAME  the code page of the notes in clone and CSV files:
                    windows-1252 (Western), shift_jis (Japanese), windows-1250
                    (Central European), windows-1251 (Cyrillic), windows-1253
                    (Greek) or windows-1254 (Turkish), or its number (1252,
                    932, ...); by default shift_jis under a Japanese locale,
                    windows-1252 elsewhere. A note that is not changed is
                    written back byte for byte whatever the code page
</source>
        <translation>  --code-page NAME  クローンファイルと CSV ファイルのメモのコードページ:
                    windows-1252 (西欧)、shift_jis (日本語)、windows-1250
                    (中欧)、windows-1251 (キリル)、windows-1253 (ギリシャ)、
                    windows-1254 (トルコ)、またはその番号 (1252、932 など)。
                    既定は日本語ロケールでは shift_jis、それ以外では
                    windows-1252。変更していないメモはコードページに
                    かかわらず 1 バイトも変えずに書き戻します
</translation>
    </message>
    <message>
        <source>Usage: mtz4ctl read (--device PATH | --port N) --model MODEL
                    [--settings | --memory | --all] [--quick]
                    [--base IN.MZ4] [--code-page NAME] -o OUT.MZ4
Clone read: copies the receiver&apos;s memory into a clone file.

</source>
        <translation>使い方: mtz4ctl read (--device PATH | --port N) --model MODEL
                    [--settings | --memory | --all] [--quick]
                    [--base IN.MZ4] [--code-page NAME] -o OUT.MZ4
クローン読み込み: 受信機のメモリーをクローンファイルにコピーします。

</translation>
    </message>
    <message>
        <source>  --settings        read the settings and the band VFO records only
  --memory          read the memory only: enables, banks, groups, entries
  --all             read the settings, then the memory (the default)
  --quick           read the memory entries in use only: after the enable
                    bitmap, fetch just the blocks of enabled entries; the
                    data and OUT.MZ4 come out as a full read&apos;s would
  --base IN.MZ4     read into this clone file&apos;s data (its notes are kept)
                    instead of the factory data of MODEL
  -o, --output OUT.MZ4  the clone file to write
  -q, --quiet       no progress display and no success message
</source>
        <translation>  --settings        セットモードとバンドの VFO レコードだけを読み込みます
  --memory          メモリーだけを読み込みます: 有効フラグ、バンク、グループ、
                    エントリー
  --all             セットモード、続いてメモリーを読み込みます (既定)
  --quick           使用中のメモリーエントリーだけを読み込みます: 有効ビット
                    マップの後、有効なエントリーのブロックだけを取得します。
                    データと OUT.MZ4 は全読み込みと同じになります
  --base IN.MZ4     MODEL の工場出荷データの代わりに、このクローンファイルの
                    データに読み込みます (メモは保持されます)
  -o, --output OUT.MZ4  書き出すクローンファイル
  -q, --quiet       進行状況と成功メッセージを表示しません
</translation>
    </message>
    <message>
        <source>
OUT.MZ4 is written only after a complete read: a failed read leaves no file
(and an existing OUT.MZ4 untouched). The receiver stays in clone mode.
</source>
        <translation>
OUT.MZ4 は読み込みが最後まで終わってから書き出します。失敗した読み込みは
ファイルを残しません (既存の OUT.MZ4 もそのままです)。受信機はクローン
モードのままになります。
</translation>
    </message>
    <message>
        <source>Exit status: 0 success, 1 the read or a file failed, 2 bad command line.
</source>
        <translation>終了ステータス: 0 成功、1 読み込みまたはファイルの失敗、2 コマンドラインの誤り。
</translation>
    </message>
    <message>
        <source>Usage: mtz4ctl write (--device PATH | --port N) --model MODEL
                     [--settings | --memory | --all] [--verify]
                     [--code-page NAME] IN.MZ4
Clone write: copies a clone file into the receiver.

</source>
        <translation>使い方: mtz4ctl write (--device PATH | --port N) --model MODEL
                     [--settings | --memory | --all] [--verify]
                     [--code-page NAME] IN.MZ4
クローン書き込み: クローンファイルを受信機にコピーします。

</translation>
    </message>
    <message>
        <source>  --settings        write the settings and the band VFO records only; the
                    receiver stays in clone mode
  --memory          write the memory (banks, groups, entries), then end
                    clone mode (&quot;QZ~FINISH&quot;)
  --all             write the settings, then the memory, then end clone mode
                    (the default)
  --verify          after the write, read back what was written (the memory
                    entries in use, and the settings with --all) and compare:
                    a difference fails the write and is listed
  -q, --quiet       no progress display and no success message
</source>
        <translation>  --settings        セットモードとバンドの VFO レコードだけを書き込みます。
                    受信機はクローンモードのままになります
  --memory          メモリー (バンク、グループ、エントリー) を書き込み、
                    クローンモードを終えます (&quot;QZ~FINISH&quot;)
  --all             セットモード、メモリーの順に書き込み、クローンモードを
                    終えます (既定)
  --verify          書き込み後、書き込んだ内容 (使用中のメモリーエントリー、
                    --all ではセットモードも) を読み戻して照合します。
                    違いがあれば書き込みは失敗となり、違いを一覧表示します
  -q, --quiet       進行状況と成功メッセージを表示しません
</translation>
    </message>
    <message>
        <source>
The bank sizes must add up to 1000 channels unless the receiver is already
in clone mode.
</source>
        <translation>
受信機がすでにクローンモードでない限り、バンクサイズの合計は 1000
チャンネルでなければなりません。
</translation>
    </message>
    <message>
        <source>Exit status: 0 success, 1 the write or the file failed, 2 bad command line.
</source>
        <translation>終了ステータス: 0 成功、1 書き込みまたはファイルの失敗、2 コマンドラインの誤り。
</translation>
    </message>
    <message>
        <source>Usage: mtz4ctl new --model MODEL [--code-page NAME] -o OUT.MZ4
Writes the factory data of a receiver model as a clone file.

  --model MODEL     MT-Z4J, MT-Z40E, MT-Z40T or MT-Z40K
  -o, --output OUT.MZ4  the clone file to write
</source>
        <translation>使い方: mtz4ctl new --model MODEL [--code-page NAME] -o OUT.MZ4
受信機の機種の工場出荷データをクローンファイルとして書き出します。

  --model MODEL     MT-Z4J、MT-Z40E、MT-Z40T、MT-Z40K
  -o, --output OUT.MZ4  書き出すクローンファイル
</translation>
    </message>
    <message>
        <source>
Exit status: 0 success, 1 the file could not be written, 2 bad command line.
</source>
        <translation>
終了ステータス: 0 成功、1 ファイルを書き込めなかった、2 コマンドラインの誤り。
</translation>
    </message>
    <message>
        <source>Usage: mtz4ctl diff [--model MODEL] [--code-page NAME] A.MZ4 B.MZ4
Compares two clone files field by field and prints every difference on a line
of its own, for example:
  03-012 Frequency: 145.500000 -&gt; 145.520000
(the memory entries by their row labels, &quot;Band N&quot; for the VFO records,
&quot;Bank N Size&quot;, the group boxes as &quot;GRPn Bank N&quot;, &quot;Settings&quot; and the caption
of each setting). Notes are printed in the terminal&apos;s encoding; two notes
that read alike but whose bytes differ get a line of their own:
  00-003 Note bytes differ: 81 20 78 -&gt; 82 20 78

  --model MODEL     the receiver model the files are for: MT-Z4J (the default),
                    MT-Z40E, MT-Z40T or MT-Z40K
</source>
        <translation>使い方: mtz4ctl diff [--model MODEL] [--code-page NAME] A.MZ4 B.MZ4
2 つのクローンファイルを項目ごとに比較し、違いを 1 行に 1 つずつ表示します。
例:
  03-012 Frequency: 145.500000 -&gt; 145.520000
(メモリーエントリーは行ラベル、VFO レコードは &quot;Band N&quot;、&quot;Bank N Size&quot;、
グループは &quot;GRPn Bank N&quot;、セットモードは &quot;Settings&quot; と各設定の見出しで
示します)。メモは端末の文字コードで表示します。見た目は同じでもバイトが
異なる 2 つのメモは別の行になります:
  00-003 Note bytes differ: 81 20 78 -&gt; 82 20 78

  --model MODEL     ファイルの受信機の機種: MT-Z4J (既定)、MT-Z40E、
                    MT-Z40T、MT-Z40K
</translation>
    </message>
    <message>
        <source>
Exit status: 0 the two hold the same data, 1 they differ, 2 bad command line or
a file that cannot be loaded.
</source>
        <translation>
終了ステータス: 0 2 つのデータが同じ、1 違いがある、2 コマンドラインの誤り、
または読み込めないファイル。
</translation>
    </message>
    <message>
        <source>Usage: mtz4ctl export [--model MODEL] [--format csv|chirp] [--utf8]
                      [--code-page NAME] IN.MZ4 OUT.csv
Writes the bands, memory entries, bank sizes and groups of a clone file as a
CSV file, for editing in a spreadsheet (the settings are not part of it).

  --model MODEL     the receiver model: MT-Z4J (the default), MT-Z40E, MT-Z40T
                    or MT-Z40K; its factory VFO records stand for bands the
                    clone file leaves unused

  --format chirp    write CHIRP&apos;s generic CSV instead: one row per enabled
                    memory channel, in UTF-8; standard error names each
                    Train carrier and Secret code it has no field for
  --utf8            write the CSV file as UTF-8 with a byte-order mark, as
                    spreadsheets take it, instead of in the code page (which
                    keeps every note byte for byte; standard error names a
                    note whose bytes UTF-8 cannot hold)
</source>
        <translation>使い方: mtz4ctl export [--model MODEL] [--format csv|chirp] [--utf8]
                      [--code-page NAME] IN.MZ4 OUT.csv
クローンファイルのバンド、メモリーエントリー、バンクサイズ、グループを、
表計算ソフトで編集するための CSV ファイルとして書き出します (セットモードは
含みません)。

  --model MODEL     受信機の機種: MT-Z4J (既定)、MT-Z40E、MT-Z40T、MT-Z40K。
                    クローンファイルが使っていないバンドにはその機種の
                    工場出荷時の VFO レコードが入ります

  --format chirp    代わりに CHIRP の汎用 CSV を書き出します: 有効なメモリー
                    チャンネル 1 つにつき 1 行、UTF-8。入れる欄のない Train
                    キャリアとシークレットコードは標準エラーに表示します
  --utf8            CSV ファイルをコードページではなく、表計算ソフトが
                    読めるよう BOM 付きの UTF-8 で書き出します (コードページ
                    ではメモが 1 バイトも変わりません。UTF-8 で表せない
                    バイトのメモは標準エラーに表示します)
</translation>
    </message>
    <message>
        <source>
An existing OUT.csv is replaced only once the new one is complete.
Exit status: 0 success, 1 a file failed, 2 bad command line.
</source>
        <translation>
既存の OUT.csv は、新しいファイルが完成してから置き換えます。
終了ステータス: 0 成功、1 ファイルの失敗、2 コマンドラインの誤り。
</translation>
    </message>
    <message>
        <source>Usage: mtz4ctl import [--model MODEL] [--format csv|chirp|columns]
                      [--map COLUMN=FIELD]... [--into BANK | --at LABEL | --free]
                      [--replace] [--code-page NAME] [--dry-run]
                      BASE.MZ4 (IN.csv | --stock NAME) -o OUT.MZ4
Merges a CSV file (or a stock list) into a clone file&apos;s data and writes the
result as a new clone file.

  --model MODEL     the receiver model: MT-Z4J (the default), MT-Z40E, MT-Z40T
                    or MT-Z40K; OUT.MZ4 holds only the options it has (MT-Z4J
                    has no &quot;Scr&quot;, MT-Z40E no &quot;Train&quot;, the others neither)
  --format csv|chirp|columns  the format IN.csv must have; without it, the
                    file&apos;s own lines tell: CHIRP&apos;s generic CSV (a first line
                    naming Location and Frequency: Location n becomes memory
                    channel n), the program&apos;s (lines that begin with
                    &quot;MT-Z4&quot;), or any file whose first row names its columns
                    (columns: &quot;Frequenz;Modus;Name;Bemerkung&quot;, &quot;Freq (MHz),
                    Alpha Tag,Mode,Description&quot;), separated by commas,
                    semicolons or TABs, in English, German or Japanese words
  --map COLUMN=FIELD  for such a file: the column (its header text, any case,
                    or its number from 1) holds FIELD: frequency, mode, step,
                    name, note, tone, offset, skip, list, position or none
                    (not imported); may be given for several columns. The
                    mapping is printed on standard error before the report
  --into BANK       the memory channel rows go into bank BANK (0..49) from its
                    first channel; the bank grows into the free channels at
                    the end of the other banks (the total stays 1000), and
                    the report says so
  --at LABEL        they go into consecutive entries from the row LABEL on
                    (03-012, 12A, S5, Pr3), within its list (a bank grows)
  --free            they go into the entries not in use, in bank order
                    Without these the rows go as numbered in the file (the
                    program&apos;s own CSV, CHIRP&apos;s Location, a Location or Memory
                    column), or into the free entries when they have no
                    numbers. Program Scan, Search Pass and Priority rows keep
                    their own lists (their free entries); a destination
                    leaves out the VFO, bank size and group lines of a file
                    of the program&apos;s own. Rows that do not fit are reported
  --replace         let the rows replace entries in use; without it an import
                    with --into, --at, --free, --stock or a file with a header
                    row that would replace some writes nothing and says how
                    many
  --stock NAME      import a stock list that comes with the program in place
                    of IN.csv (&quot;mtz4ctl stock&quot; lists them); into the free
                    entries unless --into or --at says otherwise
  --dry-run         print the report only; write nothing (-o not needed)
  -o, --output OUT.MZ4  the clone file to write
</source>
        <translation>使い方: mtz4ctl import [--model MODEL] [--format csv|chirp|columns]
                      [--map COLUMN=FIELD]... [--into BANK | --at LABEL | --free]
                      [--replace] [--code-page NAME] [--dry-run]
                      BASE.MZ4 (IN.csv | --stock NAME) -o OUT.MZ4
CSV ファイル (またはストックリスト) をクローンファイルのデータに取り込み、
結果を新しいクローンファイルとして書き出します。

  --model MODEL     受信機の機種: MT-Z4J (既定)、MT-Z40E、MT-Z40T、MT-Z40K。
                    OUT.MZ4 にはその機種にあるオプションだけが入ります
                    (MT-Z4J には &quot;Scr&quot;、MT-Z40E には &quot;Train&quot; がなく、
                    ほかの機種にはどちらもありません)
  --format csv|chirp|columns  IN.csv の形式。指定しなければファイルの内容で
                    判断します: CHIRP の汎用 CSV (1 行目に Location と
                    Frequency があり、Location n がメモリーチャンネル n に
                    なります)、このプログラムの CSV (&quot;MT-Z4&quot; で始まる行)、
                    または 1 行目が列名のファイル (例: &quot;Frequenz;Modus;Name;
                    Bemerkung&quot;、&quot;Freq (MHz),Alpha Tag,Mode,Description&quot;)。
                    区切りはカンマ、セミコロン、TAB、列名は英語、ドイツ語、
                    日本語のいずれか
  --map COLUMN=FIELD  そのようなファイルで、列 (見出し、大文字小文字は区別
                    しません、または 1 から数えた番号) に FIELD が入って
                    いることを示します: frequency、mode、step、name、note、
                    tone、offset、skip、list、position、none (取り込まない)。
                    複数の列に指定できます。対応は報告の前に標準エラーに
                    表示します
  --into BANK       メモリーチャンネルの行をバンク BANK (0..49) の最初の
                    チャンネルから入れます。バンクはほかのバンクの末尾の
                    空きチャンネルへ広がり (合計は 1000 のまま)、そのことを
                    報告します
  --at LABEL        行 LABEL (03-012、12A、S5、Pr3) から連続するエントリーに、
                    そのリストの中で入れます (バンクは広がります)
  --free            使用されていないエントリーにバンク順に入れます
                    これらを指定しなければ、行はファイルの番号どおりに
                    入ります (このプログラムの CSV、CHIRP の Location、
                    Location や Memory の列)。番号がなければ空きエントリーに
                    入ります。プログラムスキャン、サーチパス、プライオリティの
                    行はそれぞれのリスト (その空きエントリー) に入ります。
                    入れ先を指定すると、このプログラムのファイルの VFO、
                    バンクサイズ、グループの行は除きます。入りきらない行は
                    報告します
  --replace         使用中のエントリーを行で置き換えることを許します。指定が
                    ないと、--into、--at、--free、--stock、または見出し行の
                    あるファイルで使用中のエントリーを置き換える取り込みは
                    何も書き込まず、その数を表示します
  --stock NAME      IN.csv の代わりにプログラム付属のストックリストを取り込み
                    ます (&quot;mtz4ctl stock&quot; で一覧を表示)。--into か --at の
                    指定がなければ空きエントリーに入ります
  --dry-run         報告だけを表示し、何も書き込みません (-o は不要)
  -o, --output OUT.MZ4  書き出すクローンファイル
</translation>
    </message>
    <message>
        <source>
Every valid line of IN.csv replaces its band, entry, bank size or group box;
what IN.csv does not supply keeps the value of BASE.MZ4, and lines that break
the rules are passed over. Notes come in as written, names in upper case
(letters a to z). Fields may be separated by commas, semicolons or TABs;
numbers are read whole, with a decimal point or comma and in exponent
notation, and a line with a number that is not one, or with more fields than
its columns (a decimal comma outside quotes), is passed over. A line given
twice: the later one is taken. IN.csv is read as UTF-8 when it is UTF-8 and
starts with a byte-order mark or holds characters beyond ASCII, else in the
code page, every byte kept. A character that the code
page (for notes) or the receiver (for names, codes 32..126) cannot hold
becomes its base letter or &quot;?&quot;, a TAB or line break a space, and a note
longer than 255 characters is cut: the row is kept, and standard error names
each row so changed. Lines the model refuses are passed over: the
MT-Z40T&apos;s cellular ranges, a VFO frequency outside its band, a Search Pass
frequency given twice, an option the model lacks. A report on standard
error counts the lines applied and names each line changed or passed over,
with the reason (--quiet leaves out a report that names none), and the
columns of a file with a header row that were not imported; a warning
says which bank sizes the save cuts when they do not add up to 1000. The
report ends with what the import changed in the entries in use, and a
warning says how many it replaces. A file of no format, or with no
line to apply, fails. OUT.MZ4 is written only after a complete import: one
that stops at a line (a bank or group number that is none) fails, and the
report names that line, why it stopped and how many lines after it were not
read. OUT.MZ4 may be BASE.MZ4 (updated in place), never IN.csv.
Exit status: 0 success, 1 a file failed (or the import would replace entries
in use without --replace), 2 bad command line.
</source>
        <translation>
IN.csv の有効な行は、それぞれのバンド、エントリー、バンクサイズ、グループを
置き換えます。IN.csv にないものは BASE.MZ4 の値のままで、規則に反する行は
飛ばします。メモは書かれたとおりに、名前は大文字 (a から z の文字) で
取り込みます。区切りはカンマ、セミコロン、TAB のどれでもかまいません。数値は
小数点または小数カンマ、指数表記も含めて全体を読み、数値でない数値や、列より
欄の多い行 (引用符の外の小数カンマ) は飛ばします。同じ行が 2 回あれば後の
ほうを使います。IN.csv は UTF-8 で、BOM で始まるか ASCII 以外の文字を含む
ときは UTF-8 として、それ以外はコードページで、すべてのバイトを保ったまま
読みます。コードページ (メモ) または受信機 (名前、コード 32..126) で表せない
文字は基本の文字か &quot;?&quot; に、TAB と改行は空白になり、255 文字を超えるメモは
切り詰めます。行は残し、そのように変えた行は標準エラーに表示します。機種が
受け付けない行は飛ばします: MT-Z40T の携帯電話の帯域、バンド外の VFO
周波数、サーチパスで 2 度目の周波数、機種にないオプション。標準エラーの
報告は、適用した行を数え、変えた行と飛ばした行をそれぞれ理由とともに示し
(--quiet では何も示すもののない報告を省きます)、見出し行のあるファイルで
取り込まなかった列も示します。バンクサイズの合計が 1000 にならないときは、
保存で削られるバンクを警告で示します。報告の最後には使用中のエントリーで
変わった内容を示し、置き換える数を警告で示します。形式のわからない
ファイルや、適用できる行のないファイルは失敗となります。OUT.MZ4 は
取り込みが最後まで終わってから書き出します。途中の行 (存在しないバンクや
グループの番号) で止まった取り込みは失敗となり、報告にはその行、止まった
理由、その後の読まなかった行の数を示します。OUT.MZ4 は BASE.MZ4 でも
かまいません (その場で更新) が、IN.csv にはできません。
終了ステータス: 0 成功、1 ファイルの失敗 (または --replace なしで使用中の
エントリーを置き換える取り込み)、2 コマンドラインの誤り。
</translation>
    </message>
    <message>
        <source>Usage: mtz4ctl stock [--model MODEL] [NAME]
Lists the stock lists that come with the program (public channels: marine
VHF, PMR446, FRS/GMRS, MURS, CB, NOAA weather, aviation, amateur calling,
broadcast bands, airband ...), one a line on standard output: its NAME, its
title, region and purpose. With NAME, the source of that list and its rows as
an import reads them for MODEL (MT-Z4J by default): frequency, mode, step,
tone, list, name and note. &quot;mtz4ctl import --stock NAME&quot; imports one.

Exit status: 0 success, 1 no stock list is installed, 2 bad command line or
no list NAME.
</source>
        <translation>使い方: mtz4ctl stock [--model MODEL] [NAME]
プログラム付属のストックリスト (公共のチャンネル: 船舶 VHF、PMR446、
FRS/GMRS、MURS、CB、NOAA 気象、航空、アマチュア無線の呼出周波数、放送
バンド、エアバンドなど) を、1 行に 1 つ標準出力に表示します: NAME、名前、
地域、用途。NAME を指定すると、そのリストの出典と、MODEL (既定は MT-Z4J) で
取り込んだときの行を表示します: 周波数、モード、ステップ、トーン、リスト、
名前、メモ。&quot;mtz4ctl import --stock NAME&quot; で取り込めます。

終了ステータス: 0 成功、1 ストックリストがインストールされていない、
2 コマンドラインの誤り、または NAME というリストがない。
</translation>
    </message>
    <message>
        <source>Usage: mtz4ctl ports
Lists the COM port numbers 1 to 16 that --port and the program&apos;s COM Port
Setup offer, the device each stands for on this system, and whether that
device is there now. Then, after an empty line, every serial port the system
has, one a line (ttyS, ttyUSB, ttyACM and the stable names in
/dev/serial/by-id on Linux, COMn on Windows, cu.* on macOS), with its
description, maker, USB vendor:product and serial number where known; each
of them can be given to --device.

Exit status: 0.
</source>
        <translation>使い方: mtz4ctl ports
--port とプログラムの COM ポート設定で選べる COM ポート番号 1 から 16 と、
それぞれがこのシステムで指すデバイス、そのデバイスが今あるかどうかを表示
します。続いて空行の後に、システムのすべてのシリアルポートを 1 行に 1 つ
(Linux では ttyS、ttyUSB、ttyACM と /dev/serial/by-id の固定名、Windows
では COMn、macOS では cu.*)、わかる範囲で説明、メーカー、USB
vendor:product、シリアル番号とともに表示します。どれも --device に指定
できます。

終了ステータス: 0。
</translation>
    </message>
    <message>
        <source>Usage: mtz4ctl identify (--device PATH | --port N)
Finds the receiver&apos;s model: sends the identification of each model in turn
(MT-Z4J, MT-Z40E, MT-Z40T, MT-Z40K) until the receiver accepts one, and
prints the name of that model on standard output. Only what brings the
receiver into clone mode before every read is sent: the identifications,
the one-byte write at 0FD01h after the accepted one, and the probe of 0022h;
no channel or setting is read or written. The receiver is left in clone
mode, as after a read.

</source>
        <translation>使い方: mtz4ctl identify (--device PATH | --port N)
受信機の機種を調べます: 各機種の識別コマンド (MT-Z4J、MT-Z40E、MT-Z40T、
MT-Z40K) を順に送り、受信機が受け付けた機種の名前を標準出力に表示します。
送るのは読み込みのたびに受信機をクローンモードにするものだけです: 識別
コマンド、受け付けられた後の 0FD01h への 1 バイトの書き込み、0022h の確認。
チャンネルや設定は読み書きしません。受信機は読み込みの後と同じく
クローンモードのままになります。

</translation>
    </message>
    <message>
        <source>
Exit status: 0 a model was accepted, 1 none was (the receiver refused them
all, did not answer, or the port failed), 2 bad command line.
</source>
        <translation>
終了ステータス: 0 機種が受け付けられた、1 どれも受け付けられなかった (受信機が
すべて拒否した、応答しなかった、またはポートの失敗)、2 コマンドラインの誤り。
</translation>
    </message>
    <message>
        <source>Usage: mtz4ctl report [--model MODEL] [--code-page NAME] IN.MZ4
                      -o LIST.pdf|LIST.html
Writes the channel list of a clone file for printing: the entries in use, bank
by bank, then Program Scan, Search Pass and Priority, each with its label,
frequency, mode, step, tone or option, shift and offset, skip, name and note.

  --model MODEL     the receiver model named on every page: MT-Z4J (the
                    default), MT-Z40E, MT-Z40T or MT-Z40K; options it lacks
                    are left out, as in the program&apos;s memory list
  -o, --output LIST.pdf|LIST.html  the file to write: a PDF document (A4,
                    a header with the file name, the model and the date on
                    every page) or an HTML page, by its extension
</source>
        <translation>使い方: mtz4ctl report [--model MODEL] [--code-page NAME] IN.MZ4
                      -o LIST.pdf|LIST.html
クローンファイルのチャンネル一覧を印刷用に書き出します: 使用中のエントリーを
バンクごとに、続いてプログラムスキャン、サーチパス、プライオリティを、それぞれ
ラベル、周波数、モード、ステップ、トーンまたはオプション、シフトとオフセット、
スキップ、名前、メモとともに示します。

  --model MODEL     各ページに示す受信機の機種: MT-Z4J (既定)、MT-Z40E、
                    MT-Z40T、MT-Z40K。プログラムのメモリー一覧と同じく、
                    その機種にないオプションは省きます
  -o, --output LIST.pdf|LIST.html  書き出すファイル: 拡張子により PDF 文書
                    (A4、各ページにファイル名、機種、日付のヘッダー) または
                    HTML ページ
</translation>
    </message>
    <message>
        <source>
An existing output file is replaced only once the new one is complete.
Exit status: 0 success, 1 a file failed, 2 bad command line.
</source>
        <translation>
既存の出力ファイルは、新しいファイルが完成してから置き換えます。
終了ステータス: 0 成功、1 ファイルの失敗、2 コマンドラインの誤り。
</translation>
    </message>
    <message>
        <source>Usage: mtz4ctl [--trace FILE] SUBCOMMAND [OPTION]...
       mtz4ctl --version
Clone read and clone write of MT-Z4J, MT-Z40E, MT-Z40T and MT-Z40K receivers.

Subcommands:
  read    copy the receiver&apos;s memory into a clone file (.MZ4)
  write   copy a clone file into the receiver
  new     write the factory data of a model as a clone file
  export  write a clone file&apos;s bands, entries, banks and groups as a CSV file
  import  merge a CSV file or a stock list into a clone file&apos;s data, written as a
          new clone file
  diff    compare two clone files field by field
  report  write a clone file&apos;s channel list as a PDF or HTML file for printing
  ports   list the COM port numbers and the serial ports of this system
  identify  find the receiver&apos;s model and print it
  stock   list the stock lists of public channels that come with the program

--trace FILE writes the serial traffic of read, write and identify to FILE.
&quot;mtz4ctl SUBCOMMAND --help&quot; describes each one.
Without --model, export, import, diff, report and stock take the files as
MT-Z4J&apos;s and say so on standard error (unless --quiet).
Messages go to standard error: failures as &quot;mtz4ctl: ERROR: ...&quot; with the
reason on the next line, the success message &quot;Successed!!&quot; unless --quiet,
and a progress display while entries are transferred when standard error is a
terminal. Messages are in the language of the locale; what goes to standard
output (diff lines, the port list, the model identify prints) and the exit
status are the same in every language. Text from files and the receiver is
printed with its control characters escaped (\x1b). Every file is written
beside the old one and put in its place only once complete; no output may be
a file that the command reads, however it is named (a link): such a command
line is refused.
Exit status: 0 success, 1 failure, 2 bad command line.
</source>
        <translation>使い方: mtz4ctl [--trace FILE] SUBCOMMAND [OPTION]...
        mtz4ctl --version
MT-Z4J、MT-Z40E、MT-Z40T、MT-Z40K 受信機のクローン読み込みとクローン書き込み。

サブコマンド:
  read    受信機のメモリーをクローンファイル (.MZ4) にコピーする
  write   クローンファイルを受信機にコピーする
  new     機種の工場出荷データをクローンファイルとして書き出す
  export  クローンファイルのバンド、エントリー、バンク、グループを CSV
          ファイルとして書き出す
  import  CSV ファイルまたはストックリストをクローンファイルのデータに
          取り込み、新しいクローンファイルとして書き出す
  diff    2 つのクローンファイルを項目ごとに比較する
  report  クローンファイルのチャンネル一覧を印刷用の PDF または HTML
          ファイルとして書き出す
  ports   COM ポート番号とこのシステムのシリアルポートを一覧表示する
  identify  受信機の機種を調べて表示する
  stock   プログラム付属の公共チャンネルのストックリストを一覧表示する

--trace FILE は read、write、identify のシリアル通信を FILE に書き出します。
各サブコマンドの説明は &quot;mtz4ctl SUBCOMMAND --help&quot; で表示できます。
--model の指定がないと、export、import、diff、report、stock はファイルを
MT-Z4J のものとして扱い、そのことを標準エラーに表示します (--quiet を除く)。
メッセージは標準エラーに出ます: 失敗は &quot;mtz4ctl: ERROR: ...&quot; とし、次の行に
理由を示します。--quiet でなければ成功メッセージ &quot;Successed!!&quot; を、標準
エラーが端末ならエントリーの転送中に進行状況を表示します。メッセージは
ロケールの言語で表示しますが、標準出力 (diff の行、ports の一覧、identify
の機種名) と終了ステータスは言語にかかわらず同じです。ファイルや受信機から
の文字列は制御文字をエスケープして (\x1b) 表示します。ファイルはすべて古い
ファイルの隣に書き、完成してから置き換えます。出力にはコマンドが読む
ファイルを、どんな名前 (リンク) でも指定できません: そのようなコマンド
ラインは拒否します。
終了ステータス: 0 成功、1 失敗、2 コマンドラインの誤り。
</translation>
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
    <message>
        <source>Read ALL</source>
        <translation>すべて読み出し</translation>
    </message>
    <message>
        <source>Read Memory</source>
        <translation>メモリー読み出し</translation>
    </message>
    <message>
        <source>Read Settings</source>
        <translation>設定読み出し</translation>
    </message>
    <message>
        <source>Read Bank</source>
        <translation>バンク読み出し</translation>
    </message>
    <message>
        <source>Read Group</source>
        <translation>グループ読み出し</translation>
    </message>
    <message>
        <source>Write ALL</source>
        <translation>すべて書き込み</translation>
    </message>
    <message>
        <source>Write Memory</source>
        <translation>メモリー書き込み</translation>
    </message>
    <message>
        <source>Write Settings</source>
        <translation>設定書き込み</translation>
    </message>
    <message>
        <source>Write Bank</source>
        <translation>バンク書き込み</translation>
    </message>
    <message>
        <source>Write Group</source>
        <translation>グループ書き込み</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>照合済み</translation>
    </message>
    <message>
        <source>no backup: %1</source>
        <translation>バックアップなし: %1</translation>
    </message>
    <message>
        <source>Compare With Receiver</source>
        <translation>受信機と比較</translation>
    </message>
    <message>
        <source>the receiver</source>
        <translation>受信機</translation>
    </message>
</context>
<context>
    <name>CloneFile</name>
    <message>
        <source>%1 was not written: with its notes it would come to %2 MiB, and a clone file above %3 MiB cannot be opened again; shorten the longest notes</source>
        <translation>%1 は書き込みませんでした。メモを含めると %2 MiB になり、%3 MiB を超えるクローンファイルは開けません。長いメモを短くしてください</translation>
    </message>
    <message>
        <source>settings line %1</source>
        <translation>設定の行 %1</translation>
    </message>
    <message>
        <source>VFO record of band %1</source>
        <translation>バンド %1 の VFO</translation>
    </message>
    <message>
        <source>memory entry %1</source>
        <translation>メモリーエントリー %1</translation>
    </message>
    <message>
        <source>enable bits %1</source>
        <translation>使用ビット %1</translation>
    </message>
    <message>
        <source>bank sizes %1</source>
        <translation>バンクサイズ %1</translation>
    </message>
    <message>
        <source>group membership</source>
        <translation>グループの所属</translation>
    </message>
    <message>
        <source>line %1 (%2)</source>
        <translation>%1 行目 (%2)</translation>
    </message>
    <message>
        <source>Data Error</source>
        <translation>データエラー</translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation>ファイルオープンエラー</translation>
    </message>
    <message numerus="yes">
        <source>the file ends after %n lines; a clone file has %1</source>
        <translation>
            <numerusform>ファイルは %n 行で終わっています。クローンファイルは %1 行です</numerusform>
        </translation>
    </message>
    <message>
        <source>line 1 is not the clone file header &quot;%1&quot;</source>
        <translation>1 行目がクローンファイルのヘッダー &quot;%1&quot; ではありません</translation>
    </message>
    <message>
        <source>line %1 is not the clone file trailer &quot;%2&quot;</source>
        <translation>%1 行目がクローンファイルの末尾 &quot;%2&quot; ではありません</translation>
    </message>
    <message>
        <source>%1 holds characters other than hex digits</source>
        <translation>%1 に 16 進数字以外の文字があります</translation>
    </message>
    <message>
        <source>cannot write %1: not enough memory</source>
        <translation>%1 に書き込めません: メモリーが足りません</translation>
    </message>
    <message>
        <source>%1 is gone: it was moved or removed since it was opened or saved; use Save As to write it again</source>
        <translation>%1 がありません: 開くか保存してから移動または削除されました。名前を付けて保存で書き直してください</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved; use Save As to replace it</source>
        <translation>%1 は開くか保存してから別のプログラムで変更されました。名前を付けて保存で置き換えてください</translation>
    </message>
    <message>
        <source>%1 is too large for a clone file (%2 MiB; a clone file is far below %3 MiB)</source>
        <translation>%1 はクローンファイルとしては大きすぎます (%2 MiB。クローンファイルは %3 MiB よりずっと小さいものです)</translation>
    </message>
    <message>
        <source>cannot read %1: not enough memory</source>
        <translation>%1 を読み込めません: メモリーが足りません</translation>
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
    <message>
        <source>Orlenk MT-Z4 Clone Files (*.MZ4)</source>
        <translation>Orlenk MT-Z4 クローンファイル (*.MZ4)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>CHIRP CSV Files (*.csv)</source>
        <translation>CHIRP CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF ファイル (*.pdf)</translation>
    </message>
</context>
<context>
    <name>CloneFileInput</name>
    <message>
        <source>no --model given: %1 used</source>
        <translation>--model の指定がないため %1 を使いました</translation>
    </message>
</context>
<context>
    <name>CloneMessages</name>
    <message>
        <source>Successed!!</source>
        <translation>成功しました!!</translation>
    </message>
    <message>
        <source>Read Failed...</source>
        <translation>読み込みに失敗しました...</translation>
    </message>
    <message>
        <source>Write Failed...</source>
        <translation>書き込みに失敗しました...</translation>
    </message>
    <message>
        <source>Region Error</source>
        <translation>仕向け地エラー</translation>
    </message>
    <message>
        <source>COM Port Error</source>
        <translation>COM ポートエラー</translation>
    </message>
    <message>
        <source>Communication Error</source>
        <translation>通信エラー</translation>
    </message>
    <message>
        <source>Total CH must be 1000</source>
        <translation>総チャンネル数は 1000 にしてください</translation>
    </message>
</context>
<context>
    <name>CloneWrite</name>
    <message>
        <source>row %1</source>
        <translation>%1 行目</translation>
    </message>
    <message>
        <source>rows %1 to %2</source>
        <translation>%1～%2 行目</translation>
    </message>
    <message numerus="yes">
        <source>%n memory entries</source>
        <translation>
            <numerusform>%n 件のメモリーエントリー</numerusform>
        </translation>
    </message>
    <message>
        <source>Not written: %1 beyond the last bank (%2 of the memory list). The bank sizes add up to less than 1000.</source>
        <translation>書き込まれていません: 最後のバンクより後ろの %1 (メモリーリストの %2)。バンクサイズの合計が 1000 未満です。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
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
    <name>CodePageHint</name>
    <message>
        <source>Notes unreadable? Try %1</source>
        <translation>メモが正しく表示されない場合は %1 をお試しください</translation>
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
        <source>--map takes COLUMN=FIELD, FIELD one of %1: &quot;%2&quot;</source>
        <translation>--map には 列=項目 を指定します (項目は %1 のいずれか): &quot;%2&quot;</translation>
    </message>
    <message numerus="yes">
        <source>--map %1: the file has no column &quot;%2&quot; (%n columns)</source>
        <translation>
            <numerusform>--map %1: ファイルに列 &quot;%2&quot; がありません (列は %n 個)</numerusform>
        </translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>行 %1</translation>
    </message>
    <message>
        <source>row %1 (%2)</source>
        <translation>行 %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n lines above the header passed over</source>
        <translation>
            <numerusform>見出しの行より上の %n 行は読み飛ばしました</numerusform>
        </translation>
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
    <message>
        <source>COM Port Setup</source>
        <translation>COM ポートセットアップ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>present</source>
        <translation>接続されています</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: mtz4clone [FILE.MZ4]
The clone utility for MT-Z4J, MT-Z40E, MT-Z40T and MT-Z40K receivers: opens
the window, with the clone file FILE.MZ4 loaded when one is named.

  --help, -h     show this help and exit
  --version      show the version and exit

Environment: MTZ4_COMn=DEVICE uses DEVICE for COM port n; MTZ4_TRACE=FILE
writes every command and reply on the serial line to FILE;
MTZ4_PLACEMENT=LEFT,TOP,WIDTH,HEIGHT opens the window there (fitted to the
screen) instead of at its start size.
</source>
        <translation>使い方: mtz4clone [FILE.MZ4]
MT-Z4J、MT-Z40E、MT-Z40T、MT-Z40K 受信機用のクローンユーティリティです。
ウィンドウを開きます。クローンファイル FILE.MZ4 を指定するとそれを読み込みます。

  --help, -h     このヘルプを表示して終了します
  --version      バージョンを表示して終了します

環境変数: MTZ4_COMn=DEVICE で COM ポート n に DEVICE を使います。MTZ4_TRACE=FILE で
シリアル回線のすべてのコマンドと応答を FILE に書き出します。
MTZ4_PLACEMENT=LEFT,TOP,WIDTH,HEIGHT で、起動時の大きさではなくその位置に
(画面に合わせて) ウィンドウを開きます。
</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Differences</source>
        <translation>相違点</translation>
    </message>
    <message>
        <source>Compare With %1</source>
        <translation>%1 と比較</translation>
    </message>
    <message>
        <source>The data set and %1 hold the same data.</source>
        <translation>データセットと%1のデータは同じです。</translation>
    </message>
    <message numerus="yes">
        <source>%n differences between the data set (This) and %1 (Other):</source>
        <translation>
            <numerusform>データセット (こちら) と%1 (相手) の相違点 %n 件:</numerusform>
        </translation>
    </message>
    <message>
        <source>Where</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>This</source>
        <translation>こちら</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>相手</translation>
    </message>
</context>
<context>
    <name>CsvCommands</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>no stock list &quot;%1&quot; (&quot;mtz4ctl stock&quot; lists them)</source>
        <translation>ストックリスト &quot;%1&quot; はありません (&quot;mtz4ctl stock&quot; で一覧を表示できます)</translation>
    </message>
    <message>
        <source>%1 has no row %2 (a row label: 03-012, 12A, S5, Pr3)</source>
        <translation>%1 に行 %2 はありません (行ラベルの例: 03-012、12A、S5、Pr3)</translation>
    </message>
    <message>
        <source>%1: columns named in line %2:</source>
        <translation>%1: %2 行目で名前の付いた列:</translation>
    </message>
    <message>
        <source>--map is for a file whose first row names its columns; %1 is %2</source>
        <translation>--map は 1 行目に列名のあるファイル用です。%1 は%2です</translation>
    </message>
    <message>
        <source>--map COLUMN=frequency names it</source>
        <translation>--map COLUMN=frequency で周波数の列を指定できます</translation>
    </message>
    <message>
        <source>%1 Nothing was written: give --replace to replace them.</source>
        <translation>%1 何も書き込んでいません。置き換えるには --replace を指定してください。</translation>
    </message>
    <message>
        <source>No stock lists are installed with this copy of the program.</source>
        <translation>このプログラムにはストックリストがインストールされていません。</translation>
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
    <message>
        <source>Band %1</source>
        <translation>バンド %1</translation>
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
    <message numerus="yes">
        <source>Its first line reads &quot;%1&quot; (%n fields separated by %2).</source>
        <translation>
            <numerusform>先頭行は &quot;%1&quot; です (%2区切りで %n 個の欄)。</numerusform>
        </translation>
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
        <source>line %1 (%2)</source>
        <translation>%1 行目 (%2)</translation>
    </message>
    <message>
        <source>line %1 (%2 %3)</source>
        <translation>%1 行目 (%2 %3)</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>%1 行目</translation>
    </message>
    <message numerus="yes">
        <source>%n lines without a frequency passed over: their entries and bands keep what they held</source>
        <translation>
            <numerusform>周波数のない %n 行は読み飛ばしました: そのエントリーとバンドは元のままです</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines of VFO bands the %1 lacks passed over</source>
        <translation>
            <numerusform>%1 にない VFO バンドの %n 行は読み飛ばしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n VFO, bank size and group lines left out: an import to a destination takes the entries only</source>
        <translation>
            <numerusform>VFO、バンクサイズ、グループの %n 行は取り込みませんでした: 行き先を指定したインポートはエントリーのみです</numerusform>
        </translation>
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
        <translation>。設定 1 で受信機の機種を選ぶか、ﾂｰﾙ &gt; 機種を検出 で調べてください</translation>
    </message>
    <message>
        <source>the receiver accepted %1</source>
        <translation>受信機は %1 を受け付けました</translation>
    </message>
</context>
<context>
    <name>EditDialog</name>
    <message>
        <source>Modify Memory</source>
        <translation>メモリーの変更</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Modulation Mode</source>
        <translation>変調モード</translation>
    </message>
    <message>
        <source>Tuning Step</source>
        <translation>チューニングステップ</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>トレイン</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>トーン</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>リバース</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>シークレット</translation>
    </message>
    <message>
        <source>Tone frequency</source>
        <translation>トーン周波数</translation>
    </message>
    <message>
        <source>Carrier frequency</source>
        <translation>キャリア周波数</translation>
    </message>
    <message>
        <source>Secret code</source>
        <translation>秘話コード</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>シフト</translation>
    </message>
    <message>
        <source>Offset Frequency</source>
        <translation>オフセット周波数</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>保持</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Modify VFO</source>
        <translation>VFO の変更</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>バンド %1</translation>
    </message>
    <message>
        <source>Modify %1</source>
        <translation>%1 の変更</translation>
    </message>
    <message>
        <source>Modify Band %1</source>
        <translation>バンド %1 の変更</translation>
    </message>
</context>
<context>
    <name>EntryClipboard</name>
    <message>
        <source>beyond the end of the list</source>
        <translation>リストの終わりを越えています</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>行 %1: %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>行 %1</translation>
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
    <message numerus="yes">
        <source>%1: select at least %n rows</source>
        <translation>
            <numerusform>%1: %n 行以上を選択してください</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 of %n entries changed, %3 refused</source>
        <translation>
            <numerusform>%1: %n 件中 %2 件を変更、%3 件は設定できません</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 の編集</translation>
    </message>
    <message numerus="yes">
        <source>Edit %n entries</source>
        <translation>
            <numerusform>%n 件のエントリーの編集</numerusform>
        </translation>
    </message>
    <message>
        <source>Fill Down %1</source>
        <translation>%1 を下へコピー</translation>
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
    <message>
        <source>%1 is a folder, not a file</source>
        <translation>%1 はファイルではなくフォルダーです</translation>
    </message>
    <message>
        <source>cannot write %1: the folder %2 does not exist</source>
        <translation>%1 に書き込めません: フォルダー %2 がありません</translation>
    </message>
    <message>
        <source>cannot write %1: %2 is not a folder</source>
        <translation>%1 に書き込めません: %2 はフォルダーではありません</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>ファイルは読み取り専用です</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>ファイル名がありません</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>フォルダー %1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>cannot open %1: there is no such file</source>
        <translation>%1 を開けません: そのファイルはありません</translation>
    </message>
    <message>
        <source>cannot open %1: it is a folder, not a file</source>
        <translation>%1 を開けません: ファイルではなくフォルダーです</translation>
    </message>
    <message>
        <source>cannot open %1: it is a device or a pipe, not a file</source>
        <translation>%1 を開けません: ファイルではなく、デバイスかパイプです</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 を開けません: %2</translation>
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
    <message>
        <source>Save changes to settings?</source>
        <translation>設定の変更を保存しますか?</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>変更の保存</translation>
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
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>%1 no longer exists; it is taken off the list.</source>
        <translation>%1 はもうありません。一覧から外します。</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>最近使ったファイル</translation>
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
        <source>bank %1 from %2 to %3</source>
        <translation>バンク %1 を %2 から %3 に</translation>
    </message>
    <message>
        <source>The bank sizes add up to %1, not 1000: a save cuts %2.</source>
        <translation>バンクサイズの合計は 1000 ではなく %1 です: 保存で%2切り詰めます。</translation>
    </message>
    <message numerus="yes">
        <source>The import replaces %n entries in use.</source>
        <translation>
            <numerusform>インポートで使用中のエントリー %n 件が置き換わります。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The bank sizes add up to %1, not 1000: %n channels belong to no bank.</source>
        <translation>
            <numerusform>バンクサイズの合計は 1000 ではなく %1 です: %n チャンネルはどのバンクにも属しません。</numerusform>
        </translation>
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
        <translation>118-137、FM、タワー</translation>
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
    <message>
        <source>Find:</source>
        <translation>検索:</translation>
    </message>
    <message>
        <source>frequency, name or note</source>
        <translation>周波数、名前またはメモ</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>次の一致 (F3)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>前へ</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>前の一致 (Shift+F3)</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>検索バーを閉じる (Esc)</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>見つかりません</translation>
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
    <message>
        <source>It is a frequency of the cellular phone.<byte value="xd"/>
It is not possible to set it.</source>
        <translation>携帯電話の周波数です。<byte value="xd"/>
設定できません。</translation>
    </message>
    <message>
        <source>Frequency of the cellular phone</source>
        <translation>携帯電話の周波数</translation>
    </message>
    <message>
        <source>The same frequency as other channels cannot be set in Search Pass bank.</source>
        <translation>サーチパスのバンクには、ほかのチャンネルと同じ周波数を設定できません。</translation>
    </message>
</context>
<context>
    <name>GridLayout</name>
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
        <source>Option</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>キャリア</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>トーン</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>シフト</translation>
    </message>
    <message>
        <source>ShiftFreq.</source>
        <translation>シフト周波数</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Scr</source>
        <translation>秘話</translation>
    </message>
</context>
<context>
    <name>GroupMatrix</name>
    <message>
        <source>%1, bank %2</source>
        <translation>%1、バンク %2</translation>
    </message>
    <message>
        <source>BANK %1 - %2</source>
        <translation>バンク %1 - %2</translation>
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
    <message>
        <source>Entry %1</source>
        <translation>エントリー %1</translation>
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
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
</context>
<context>
    <name>ImportReport</name>
    <message>
        <source>and %1 more</source>
        <translation>ほか %1 件</translation>
    </message>
    <message>
        <source>, %1 changed</source>
        <translation>、%1 件を変更</translation>
    </message>
    <message numerus="yes">
        <source>%n entries and bands kept, %1 skipped</source>
        <translation>
            <numerusform>%n 件のエントリーとバンドを保持、%1 件を飛ばしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines pasted, %1 skipped</source>
        <translation>
            <numerusform>%n 行を貼り付け、%1 行を飛ばしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows pasted, %1 skipped</source>
        <translation>
            <numerusform>%n 行を貼り付け、%1 行を飛ばしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines imported, %1 skipped</source>
        <translation>
            <numerusform>%n 行を取り込み、%1 行を飛ばしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows imported, %1 skipped</source>
        <translation>
            <numerusform>%n 行を取り込み、%1 行を飛ばしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stopped at %1; the %n lines after it were not read</source>
        <translation>
            <numerusform>%1 で中断しました。その後の %n 行は読み込んでいません</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows changed to fit:</source>
        <translation>
            <numerusform>%n 行を収まるように変更しました:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>%1 is a device or a pipe, not a file: COM 1 is used</source>
        <translation>%1 はファイルではなく、デバイスかパイプです: COM 1 を使います</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>フォルダーを作れません</translation>
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
    <message>
        <source>port: %1</source>
        <translation>ポート: %1</translation>
    </message>
</context>
<context>
    <name>ListPosition</name>
    <message>
        <source>Bank %1</source>
        <translation>バンク %1</translation>
    </message>
    <message>
        <source>%1Ch</source>
        <translation>%1 チャンネル</translation>
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
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>Tool Bar</source>
        <translation>ツールバー</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>%1 is used for this run, as %2 says, instead of %3 chosen in COM Port Setup</source>
        <translation>%2 の指定により、この実行では COM ポートセットアップで選んだ %3 ではなく %1 を使います</translation>
    </message>
    <message>
        <source>COM %1 was not stored for the next start: %2</source>
        <translation>COM %1 を次回の起動のために保存できませんでした: %2</translation>
    </message>
    <message>
        <source>Settings 1</source>
        <translation>設定 1</translation>
    </message>
    <message>
        <source>Settings 2</source>
        <translation>設定 2</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>メモリー</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>バンク</translation>
    </message>
    <message>
        <source>Bank %1</source>
        <translation>バンク %1</translation>
    </message>
    <message>
        <source>Program Scan</source>
        <translation>プログラムスキャン</translation>
    </message>
    <message>
        <source>Seach Pass</source>
        <translation>サーチパス</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>プライオリティ</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>The write to the receiver goes on; the program closes when it has ended.</source>
        <translation>受信機への書き込みを続けています。終わるとプログラムを閉じます。</translation>
    </message>
</context>
<context>
    <name>MemoryCommands</name>
    <message numerus="yes">
        <source>%n Entries</source>
        <translation>
            <numerusform>%n 件のエントリー</numerusform>
        </translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>プライオリティ</translation>
    </message>
    <message>
        <source>Search Pass</source>
        <translation>サーチパス</translation>
    </message>
    <message>
        <source>Program Scan</source>
        <translation>プログラムスキャン</translation>
    </message>
    <message>
        <source>Bank %1</source>
        <translation>バンク %1</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>%1 の切り取り</translation>
    </message>
    <message numerus="yes">
        <source>The paste replaces %n entries in use.<byte value="xd"/>
Do you want to go on?</source>
        <translation>
            <numerusform>貼り付けで使用中のエントリー %n 件が置き換わります。<byte value="xd"/>
続けますか?</numerusform>
        </translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation>%1 への貼り付け</translation>
    </message>
    <message>
        <source>Insert %1</source>
        <translation>%1 への挿入</translation>
    </message>
    <message>
        <source>The last entry of this list is in use: there is no room to insert an empty entry.</source>
        <translation>このリストの最後のエントリーが使用中です: 空きエントリーを挿入する余地がありません。</translation>
    </message>
    <message>
        <source>Insert Empty Entry</source>
        <translation>空きエントリーを挿入</translation>
    </message>
    <message>
        <source>This row belongs to no bank.</source>
        <translation>この行はどのバンクにも属していません。</translation>
    </message>
    <message>
        <source>Delete entry %1?<byte value="xd"/>
The entries after it in its list move up by one.</source>
        <translation>エントリー %1 を削除しますか?<byte value="xd"/>
リスト内でその後ろのエントリーが 1 つずつ上へ移動します。</translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <translation>エントリーを削除</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 の削除</translation>
    </message>
    <message>
        <source>Sort %1 by %2</source>
        <translation>%1 を%2順に並べ替え</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>There is no row labelled &quot;%1&quot;.</source>
        <translation>「%1」という行はありません。</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>Row label (for example 03-012, 12A, S5 or Pr3):</source>
        <translation>行ラベル (例: 03-012、12A、S5、Pr3):</translation>
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
    <name>MemoryPage</name>
    <message>
        <source>Read</source>
        <translation>読み出し</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>すべてクリア</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下へ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Stops the read after the block in progress (Esc)</source>
        <translation>読み出し中のブロックが終わったところで読み出しを止めます (Esc)</translation>
    </message>
    <message>
        <source>Clear cannot be undone.</source>
        <translation>クリアは元に戻せません。</translation>
    </message>
    <message>
        <source>CLEAR OK</source>
        <translation>クリアの確認</translation>
    </message>
    <message>
        <source>Are you sure that you want to do the clear?</source>
        <translation>クリアしてもよろしいですか?</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>%1 のクリア</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear all memory?</source>
        <translation>すべてのメモリーをクリアしてもよろしいですか?</translation>
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
        <translation>受信機は機種 %1 を受け付けました。設定 1 で選択されている機種です。</translation>
    </message>
    <message>
        <source>The receiver accepted the model %1, but Settings 1 has %2 selected. Select %1?</source>
        <translation>受信機は機種 %1 を受け付けましたが、設定 1 では %2 が選択されています。%1 を選択しますか?</translation>
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
        <source>Band %1</source>
        <translation>バンド %1</translation>
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
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n 件のエントリー</numerusform>
        </translation>
    </message>
    <message>
        <source>Move Down %1</source>
        <translation>%1 を下へ移動</translation>
    </message>
    <message>
        <source>Move Up %1</source>
        <translation>%1 を上へ移動</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>%1 の移動</translation>
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
    <name>NoteCodePageMenu</name>
    <message>
        <source>Note Code Page</source>
        <translation>メモのコードページ</translation>
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
    <message>
        <source>no such device %1 (cable unplugged, or the wrong COM port?)</source>
        <translation>デバイス %1 がありません (ケーブルが抜けているか、COM ポートが違いませんか?)</translation>
    </message>
    <message>
        <source>permission denied on %1: add your user to the dialout group (sudo adduser $USER dialout) and log in again</source>
        <translation>%1 へのアクセスが拒否されました: ユーザーを dialout グループに追加して (sudo adduser $USER dialout)、ログインし直してください</translation>
    </message>
    <message>
        <source>permission denied on %1</source>
        <translation>%1 へのアクセスが拒否されました</translation>
    </message>
    <message>
        <source>%1 vanished during the transfer (cable unplugged?)</source>
        <translation>転送中に %1 が消えました (ケーブルが抜けましたか?)</translation>
    </message>
    <message>
        <source>reading or writing %1 failed (%2)</source>
        <translation>%1 の読み書きに失敗しました (%2)</translation>
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
        <source>the PDF document could not be made</source>
        <translation>PDF 文書を作成できませんでした</translation>
    </message>
    <message>
        <source>Channel list written to %1</source>
        <translation>チャンネル一覧を %1 に書き出しました</translation>
    </message>
    <message numerus="yes">
        <source>Channel list printed: %n pages</source>
        <translation>
            <numerusform>チャンネル一覧を印刷しました: %n ページ</numerusform>
        </translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation>ファイルオープンエラー</translation>
    </message>
</context>
<context>
    <name>Prompter</name>
    <message>
        <source>ERROR</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Successed!!</source>
        <translation>成功しました!!</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>成功</translation>
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
        <source>A field changed here is set on every selected entry; a blank field differs between them and stays as it is.</source>
        <translation>ここで変更した項目は選択したすべてのエントリーに設定されます。空欄の項目はエントリーごとに異なり、そのまま残ります。</translation>
    </message>
    <message numerus="yes">
        <source>Properties of %n entries</source>
        <translation>
            <numerusform>%n 件のエントリーのプロパティ</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReadCommand</name>
    <message>
        <source>reading memory entries</source>
        <translation>メモリーを読み込み中</translation>
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
    <message>
        <source>USB ID</source>
        <translation>USB ID</translation>
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
        <translation>MONI キーの働きです：モニターはスケルチを開いて聞き、ミュートは音声を消します。</translation>
    </message>
    <message>
        <source>How the MONI key acts: only while it is held down (Push), or on and off with each press (Hold).</source>
        <translation>MONI キーの動作です：押している間だけ（プッシュ）か、押すたびに入・切（ホールド）です。</translation>
    </message>
    <message>
        <source>The kind of key lock: NON, QUICK or NORMAL.</source>
        <translation>キーロックの種類です：NON、QUICK、NORMAL のいずれかです。</translation>
    </message>
    <message>
        <source>Switches the receiver off after 30, 60 or 90 minutes without a key press, or never (Off).</source>
        <translation>キー操作のないまま 30、60、90 分たつと電源を切ります（オフでは切りません）。</translation>
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
        <translation>バンドの端を越えると、そのバンドの先頭に戻る（循環）か、次のバンドに移る（次バンドへ）かです。</translation>
    </message>
    <message>
        <source>Lock BUG: ENABLE or DISABLE (MT-Z4J only).</source>
        <translation>バグロックです：ENABLE または DISABLE です（MT-Z4J のみ）。</translation>
    </message>
    <message>
        <source>The bug type: SILENT or SOUND (MT-Z4J only).</source>
        <translation>バグの種類です：SILENT または SOUND です（MT-Z4J のみ）。</translation>
    </message>
    <message>
        <source>The tone of the audio: Low (more bass) or High (more treble).</source>
        <translation>音質です：低音（低音を強調）または高音（高音を強調）です。</translation>
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
        <translation>オートウェーブです：オンまたはオフです。</translation>
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
        <translation>電池を充電します（時間は充電時間で決めます）。</translation>
    </message>
    <message>
        <source>BUSY</source>
        <translation>BUSY</translation>
    </message>
    <message>
        <source>MANUAL</source>
        <translation>MANUAL</translation>
    </message>
    <message>
        <source>%1 SEC</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1-SEC</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 hrs.</source>
        <translation>%1 時間</translation>
    </message>
    <message>
        <source>Squelch level</source>
        <translation>スケルチレベル</translation>
    </message>
    <message>
        <source>AF volume level</source>
        <translation>AF 音量レベル</translation>
    </message>
    <message>
        <source>Operating Mode</source>
        <translation>動作モード</translation>
    </message>
    <message>
        <source>VFO</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>プリセット</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>メモリー</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>ランプ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>5sec</source>
        <translation>5sec</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>ALL OFF</source>
        <translation>ALL OFF</translation>
    </message>
    <message>
        <source>MONI key</source>
        <translation>MONI キー</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>モニター</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>MONI key Function</source>
        <translation>MONI キーの動作</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>プッシュ</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>ホールド</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>キーロック</translation>
    </message>
    <message>
        <source>NON</source>
        <translation>NON</translation>
    </message>
    <message>
        <source>QUICK</source>
        <translation>QUICK</translation>
    </message>
    <message>
        <source>NORMAL</source>
        <translation>NORMAL</translation>
    </message>
    <message>
        <source>Auto Power Off</source>
        <translation>オートパワーオフ</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Rec. Rate</source>
        <translation>録音レート</translation>
    </message>
    <message>
        <source>LONG</source>
        <translation>LONG</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>CLEAR</translation>
    </message>
    <message>
        <source>HIGH-Q</source>
        <translation>HIGH-Q</translation>
    </message>
    <message>
        <source>Bug Sensitive Level</source>
        <translation>バグ感度レベル</translation>
    </message>
    <message>
        <source>VFO Scan Speed</source>
        <translation>VFO スキャン速度</translation>
    </message>
    <message>
        <source>Memory Scan Speed</source>
        <translation>メモリースキャン速度</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>スキャン</translation>
    </message>
    <message>
        <source>Charge Time</source>
        <translation>充電時間</translation>
    </message>
    <message>
        <source>Set Mode</source>
        <translation>セットモード</translation>
    </message>
    <message>
        <source>Wild Key</source>
        <translation>ワイルドキー</translation>
    </message>
    <message>
        <source>Remote Controller A</source>
        <translation>リモコン A</translation>
    </message>
    <message>
        <source>Remote Controller B</source>
        <translation>リモコン B</translation>
    </message>
    <message>
        <source>Remote Controller C</source>
        <translation>リモコン C</translation>
    </message>
    <message>
        <source>Remote Controller D</source>
        <translation>リモコン D</translation>
    </message>
    <message>
        <source>Time Pr</source>
        <translation>Pr 時間</translation>
    </message>
    <message>
        <source>Time Sp</source>
        <translation>Sp 時間</translation>
    </message>
    <message>
        <source>Antenna</source>
        <translation>アンテナ</translation>
    </message>
    <message>
        <source>SMA</source>
        <translation>SMA</translation>
    </message>
    <message>
        <source>EAR</source>
        <translation>EAR</translation>
    </message>
    <message>
        <source>Scan TYPE</source>
        <translation>スキャンタイプ</translation>
    </message>
    <message>
        <source>No SKIP</source>
        <translation>No SKIP</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>SKIP</translation>
    </message>
    <message>
        <source>Band Transition</source>
        <translation>バンド移行</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>循環</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>次バンドへ</translation>
    </message>
    <message>
        <source>Lock BUG</source>
        <translation>バグロック</translation>
    </message>
    <message>
        <source>ENABLE</source>
        <translation>ENABLE</translation>
    </message>
    <message>
        <source>DISABLE</source>
        <translation>DISABLE</translation>
    </message>
    <message>
        <source>Bug Type</source>
        <translation>バグタイプ</translation>
    </message>
    <message>
        <source>SILENT</source>
        <translation>SILENT</translation>
    </message>
    <message>
        <source>SOUND</source>
        <translation>SOUND</translation>
    </message>
    <message>
        <source>AF Tone</source>
        <translation>AF トーン</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低音</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高音</translation>
    </message>
    <message>
        <source>Attenuator</source>
        <translation>アッテネーター</translation>
    </message>
    <message>
        <source>Auto Step</source>
        <translation>オートステップ</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>ビープ</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>ベル</translation>
    </message>
    <message>
        <source>Auto Wave</source>
        <translation>オートウェーブ</translation>
    </message>
    <message>
        <source>AM bar antenna</source>
        <translation>AM バーアンテナ</translation>
    </message>
    <message>
        <source>Battery Save</source>
        <translation>バッテリーセーブ</translation>
    </message>
    <message>
        <source>SW bar antenna</source>
        <translation>SW バーアンテナ</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>充電</translation>
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
    <message>
        <source>Model</source>
        <translation>機種</translation>
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
    <message>
        <source>Read Settings</source>
        <translation>設定の読み出し</translation>
    </message>
    <message>
        <source>Write Settings</source>
        <translation>設定の書き込み</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>%1 is not a file (a folder, a device or a pipe): the settings are neither read nor stored</source>
        <translation>%1 はファイルではありません (フォルダー、デバイスかパイプです): 設定は読み込みも保存もしません</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>フォルダーを作れません</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Version %1  —  starting…</source>
        <translation>バージョン %1  —  起動しています…</translation>
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
    <name>SystemSerialPort</name>
    <message>
        <source>no device for this port</source>
        <translation>このポートにはデバイスがありません</translation>
    </message>
    <message>
        <source>command longer than the output buffer</source>
        <translation>コマンドが出力バッファーより長すぎます</translation>
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
    <name>TransferStatus</name>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source> on %1</source>
        <translation>、%1</translation>
    </message>
    <message>
        <source>%1: reading from the receiver%2...</source>
        <translation>%1: 受信機から読み出しています%2...</translation>
    </message>
    <message>
        <source>%1: writing to the receiver%2...</source>
        <translation>%1: 受信機に書き込んでいます%2...</translation>
    </message>
    <message>
        <source>Reading memory entries: %1 of %2%3</source>
        <translation>メモリーエントリーを読み出しています: %1 / %2%3</translation>
    </message>
    <message>
        <source>Writing memory entries: %1 of %2%3</source>
        <translation>メモリーエントリーを書き込んでいます: %1 / %2%3</translation>
    </message>
    <message>
        <source>, about %1 s left</source>
        <translation>、残り約 %1 秒</translation>
    </message>
    <message>
        <source>%1: cancelled after %2; what was read before stays</source>
        <translation>%1: %2後に取り消しました。それまでに読み出した分は残ります</translation>
    </message>
    <message>
        <source>%1: done in %2%3</source>
        <translation>%1: %2で完了%3</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>%1: %2 (%3, after %4%5)</source>
        <translation>%1: %2 (%3、%4後%5)</translation>
    </message>
    <message>
        <source>%1: ended after %2%4 (%3)</source>
        <translation>%1: %2後に終了%4 (%3)</translation>
    </message>
</context>
<context>
    <name>VerifyWrite</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>ほか %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>The receiver holds something else than was written (written -&gt; read back):</source>
        <translation>受信機の内容が書き込んだものと違います (書き込み -&gt; 読み戻し):</translation>
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
<context>
    <name>WriteCommand</name>
    <message>
        <source>writing memory entries</source>
        <translation>メモリーを書き込み中</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>照合しました</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Try &quot;mtz4ctl --help&quot; or &quot;mtz4ctl SUBCOMMAND --help&quot;.</source>
        <translation>&quot;mtz4ctl --help&quot; または &quot;mtz4ctl SUBCOMMAND --help&quot; を試してください。</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>メモリーが足りません</translation>
    </message>
</context>
</TS>
