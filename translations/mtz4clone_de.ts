<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>mtz4clone version %1</source>
        <translation>mtz4clone Version %1</translation>
    </message>
    <message>
        <source>Clone utility for the MT-Z4J, MT-Z40E, MT-Z40T and MT-Z40K receivers.

Reads the receiver&apos;s memory over a serial cable, edits the 1000 memory
channels in 50 banks, the Program Scan, Search Pass and Priority lists,
the band VFO records, the scan groups and the set-mode settings, writes
them back, and keeps them in clone files (.MZ4).</source>
        <translation>Klonprogramm für die Empfänger MT-Z4J, MT-Z40E, MT-Z40T und MT-Z40K.

Liest den Speicher des Empfängers über ein serielles Kabel, bearbeitet die
1000 Speicherkanäle in 50 Bänken, die Listen für Programmsuchlauf,
Suchlauf-Auslassung und Priorität, die VFO-Einträge der Bänder, die
Suchlaufgruppen und die Einstellungen des Set-Modus, schreibt sie zurück
und bewahrt sie in Klondateien (.MZ4) auf.</translation>
    </message>
    <message>
        <source>Built with Qt %1.</source>
        <translation>Erstellt mit Qt %1.</translation>
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
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>BackupsDialog</name>
    <message>
        <source>before %1</source>
        <translation>vor %1</translation>
    </message>
    <message>
        <source>after %1</source>
        <translation>nach %1</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>Backups kept</source>
        <translation>Aufbewahrte Sicherungen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Occasion</source>
        <translation>Anlass</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Entries in use</source>
        <translation>Belegte Einträge</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>unlesbar</translation>
    </message>
    <message>
        <source>Kept in %1 (the newest %2).</source>
        <translation>Aufbewahrt in %1 (die neuesten %2).</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
</context>
<context>
    <name>BankGrowth</name>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>%1 channels that belonged to no bank</source>
        <translation>%1 Kanäle, die zu keiner Bank gehörten</translation>
    </message>
    <message>
        <source>bank %1 (%2; %3 left)</source>
        <translation>Bank %1 (%2; %3 übrig)</translation>
    </message>
    <message>
        <source>the free channels at the end of %1</source>
        <translation>die freien Kanäle am Ende von %1</translation>
    </message>
    <message>
        <source>Bank %1 grew from %2 to %3 channels, taking %4.</source>
        <translation>Bank %1 wuchs von %2 auf %3 Kanäle und nahm dafür %4.</translation>
    </message>
</context>
<context>
    <name>BankPage</name>
    <message>
        <source>Bank %1 size</source>
        <translation>Größe von Bank %1</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Read Bank</source>
        <translation>Bänke lesen</translation>
    </message>
    <message>
        <source>Write Bank</source>
        <translation>Bänke schreiben</translation>
    </message>
    <message>
        <source>Read Group</source>
        <translation>Gruppen lesen</translation>
    </message>
    <message>
        <source>Write Group</source>
        <translation>Gruppen schreiben</translation>
    </message>
    <message>
        <source>Bank %1 Size</source>
        <translation>Größe von Bank %1</translation>
    </message>
    <message>
        <source>a bank holds at most 1000 channels</source>
        <translation>eine Bank fasst höchstens 1000 Kanäle</translation>
    </message>
    <message>
        <source>%1 Bank %2</source>
        <translation>%1 Bank %2</translation>
    </message>
</context>
<context>
    <name>BankSizeEdit</name>
    <message>
        <source>The total of the number of channels exceeds 1000.<byte value="xd"/>
Please set for the total of the channel to become 1000 or less.</source>
        <translation>Die Summe der Kanäle übersteigt 1000.<byte value="xd"/>
Bitte stellen Sie die Kanäle so ein, dass ihre Summe 1000 oder weniger beträgt.</translation>
    </message>
</context>
<context>
    <name>CableFinderDialog</name>
    <message>
        <source>Find the cable</source>
        <translation>Kabel suchen</translation>
    </message>
    <message>
        <source>Unplug the receiver&apos;s cable from the computer, then plug it in again.

The serial ports are being watched: the one that appears is the cable.</source>
        <translation>Ziehen Sie das Kabel des Empfängers vom Computer ab und stecken Sie es wieder ein.

Die seriellen Anschlüsse werden beobachtet: Der Anschluss, der erscheint, ist das Kabel.</translation>
    </message>
    <message>
        <source>Found: %1</source>
        <translation>Gefunden: %1</translation>
    </message>
</context>
<context>
    <name>CellEdits</name>
    <message>
        <source>no edits while the receiver is read or written</source>
        <translation>keine Änderungen, während der Empfänger gelesen oder beschrieben wird</translation>
    </message>
    <message>
        <source>the %1 has no band %2</source>
        <translation>der %1 hat kein Band %2</translation>
    </message>
    <message>
        <source>the %1 keeps nothing in this column</source>
        <translation>der %1 speichert nichts in dieser Spalte</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>Band %1</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
</context>
<context>
    <name>ChannelList</name>
    <message>
        <source>(no file)</source>
        <translation>(keine Datei)</translation>
    </message>
    <message>
        <source>Bank %1</source>
        <translation>Bank %1</translation>
    </message>
    <message>
        <source>Beyond the banks</source>
        <translation>Außerhalb der Bänke</translation>
    </message>
    <message>
        <source>Program Scan</source>
        <translation>Programmsuchlauf</translation>
    </message>
    <message>
        <source>Search Pass</source>
        <translation>Suchlauf-Auslassung</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorität</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Tone/Option</source>
        <translation>Ton/Option</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
</context>
<context>
    <name>ChannelListHtml</name>
    <message>
        <source>Channel list</source>
        <translation>Kanalliste</translation>
    </message>
    <message>
        <source>No entry is in use.</source>
        <translation>Kein Eintrag ist belegt.</translation>
    </message>
</context>
<context>
    <name>ChannelListPages</name>
    <message>
        <source>Channel list</source>
        <translation>Kanalliste</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>No entry is in use.</source>
        <translation>Kein Eintrag ist belegt.</translation>
    </message>
    <message>
        <source> (continued)</source>
        <translation> (Fortsetzung)</translation>
    </message>
</context>
<context>
    <name>ChirpCsv</name>
    <message>
        <source>%1: the Train option with carrier %2</source>
        <translation>%1: die Option Train mit Träger %2</translation>
    </message>
    <message>
        <source>%1: the Secret option with code %2</source>
        <translation>%1: die Option Secret mit Code %2</translation>
    </message>
    <message numerus="yes">
        <source>%n Program Scan, Search Pass and Priority entries in use: CHIRP&apos;s CSV holds memory channels only</source>
        <translation>
            <numerusform>%n belegter Programmsuchlauf-, Suchlauf-Auslassungs- oder Prioritätseintrag: CHIRPs CSV enthält nur Speicherkanäle</numerusform>
            <numerusform>%n belegte Programmsuchlauf-, Suchlauf-Auslassungs- und Prioritätseinträge: CHIRPs CSV enthält nur Speicherkanäle</numerusform>
        </translation>
    </message>
    <message>
        <source>CHIRP&apos;s CSV has no field for what follows; the file was written without it:</source>
        <translation>CHIRPs CSV hat kein Feld für das Folgende; die Datei wurde ohne es geschrieben:</translation>
    </message>
    <message>
        <source>name &quot;%1&quot; as in row %2 once cut</source>
        <translation>Name &quot;%1&quot; nach dem Kürzen wie in Zeile %2</translation>
    </message>
    <message>
        <source>row %1 (Location %2)</source>
        <translation>Zeile %1 (Location %2)</translation>
    </message>
    <message>
        <source>no channel number</source>
        <translation>keine Kanalnummer</translation>
    </message>
    <message>
        <source>beyond the 1000 memory channels</source>
        <translation>jenseits der 1000 Speicherkanäle</translation>
    </message>
    <message>
        <source>row %1 (Location %2): </source>
        <translation>Zeile %1 (Location %2): </translation>
    </message>
    <message>
        <source>Location %1 again in row %2, which is taken</source>
        <translation>Location %1 erneut in Zeile %2, die übernommen wird</translation>
    </message>
</context>
<context>
    <name>ChirpRecord</name>
    <message>
        <source>the frequency &quot;%1&quot; is no number</source>
        <translation>die Frequenz &quot;%1&quot; ist keine Zahl</translation>
    </message>
    <message>
        <source>a frequency outside 0.1 .. 1299.995 MHz</source>
        <translation>eine Frequenz außerhalb von 0,1 .. 1299,995 MHz</translation>
    </message>
    <message>
        <source>the mode %1, which the receiver does not have</source>
        <translation>der Modus %1, den der Empfänger nicht hat</translation>
    </message>
    <message>
        <source>mode Auto: the band&apos;s %1</source>
        <translation>Modus Auto: %1 des Bandes</translation>
    </message>
    <message>
        <source>the offset &quot;%1&quot; is no number</source>
        <translation>die Ablage &quot;%1&quot; ist keine Zahl</translation>
    </message>
    <message>
        <source>duplex split to %1 MHz: %2 %3</source>
        <translation>Duplex split auf %1 MHz: %2 %3</translation>
    </message>
    <message>
        <source>duplex split to %1 MHz, which no shift of less than 100 MHz reaches: no shift</source>
        <translation>Duplex split auf %1 MHz, was keine Ablage unter 100 MHz erreicht: keine Ablage</translation>
    </message>
    <message>
        <source>duplex %1, which the receiver does not have: no shift</source>
        <translation>Duplex %1, das der Empfänger nicht hat: keine Ablage</translation>
    </message>
    <message>
        <source>an offset outside 0 .. 99.999999 MHz</source>
        <translation>eine Ablage außerhalb von 0 .. 99,999999 MHz</translation>
    </message>
    <message>
        <source>tone %1 Hz is not in the tone list: squelch left off</source>
        <translation>Ton %1 Hz steht nicht in der Tonliste: Rauschsperre bleibt aus</translation>
    </message>
    <message>
        <source>tone mode %1, which the receiver does not have: squelch left off</source>
        <translation>Tonmodus %1, den der Empfänger nicht hat: Rauschsperre bleibt aus</translation>
    </message>
    <message>
        <source>step %1 kHz is not in the step list: the band&apos;s %2</source>
        <translation>Raster %1 kHz steht nicht in der Rasterliste: %2 des Bandes</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>comment</source>
        <translation>Kommentar</translation>
    </message>
</context>
<context>
    <name>CliArguments</name>
    <message>
        <source>option %1 needs a value</source>
        <translation>Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>the two clone files to compare (A.MZ4 B.MZ4) are required</source>
        <translation>die beiden zu vergleichenden Klondateien (A.MZ4 B.MZ4) fehlen</translation>
    </message>
    <message>
        <source>the clone file (IN.MZ4) is required</source>
        <translation>die Klondatei (IN.MZ4) fehlt</translation>
    </message>
    <message>
        <source>-o LIST.pdf or -o LIST.html is required</source>
        <translation>-o LIST.pdf oder -o LIST.html fehlt</translation>
    </message>
    <message>
        <source>the clone file (IN.MZ4) and the CSV file to write (OUT.csv) are required</source>
        <translation>die Klondatei (IN.MZ4) und die zu schreibende CSV-Datei (OUT.csv) fehlen</translation>
    </message>
    <message>
        <source>--stock NAME and IN.csv exclude each other</source>
        <translation>--stock NAME und IN.csv schließen einander aus</translation>
    </message>
    <message>
        <source>--stock NAME takes no --format and no --map</source>
        <translation>--stock NAME nimmt weder --format noch --map</translation>
    </message>
    <message>
        <source>the clone file (BASE.MZ4) and the CSV file to import (IN.csv) are required</source>
        <translation>die Klondatei (BASE.MZ4) und die zu importierende CSV-Datei (IN.csv) fehlen</translation>
    </message>
    <message>
        <source>--into, --at and --free exclude each other</source>
        <translation>--into, --at und --free schließen einander aus</translation>
    </message>
    <message>
        <source>-o OUT.MZ4 is required</source>
        <translation>-o OUT.MZ4 fehlt</translation>
    </message>
    <message>
        <source>--device PATH or --port N is required</source>
        <translation>--device PATH oder --port N fehlt</translation>
    </message>
    <message>
        <source>--device and --port exclude each other</source>
        <translation>--device und --port schließen einander aus</translation>
    </message>
    <message>
        <source>--model MODEL is required (MT-Z4J, MT-Z40E, MT-Z40T or MT-Z40K)</source>
        <translation>--model MODEL fehlt (MT-Z4J, MT-Z40E, MT-Z40T oder MT-Z40K)</translation>
    </message>
    <message>
        <source>--settings, --memory and --all exclude each other</source>
        <translation>--settings, --memory und --all schließen einander aus</translation>
    </message>
    <message>
        <source>--quick reads the memory; it does not go with --settings</source>
        <translation>--quick liest den Speicher; es passt nicht zu --settings</translation>
    </message>
    <message>
        <source>--verify reads back the memory; it does not go with --settings</source>
        <translation>--verify liest den Speicher zurück; es passt nicht zu --settings</translation>
    </message>
    <message>
        <source>the clone file to write (IN.MZ4) is required</source>
        <translation>die zu schreibende Klondatei (IN.MZ4) fehlt</translation>
    </message>
    <message>
        <source>no subcommand given (read, write or new)</source>
        <translation>kein Unterbefehl angegeben (read, write oder new)</translation>
    </message>
    <message>
        <source>unknown subcommand &quot;%1&quot; (read, write or new)</source>
        <translation>unbekannter Unterbefehl &quot;%1&quot; (read, write oder new)</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>unknown model &quot;%1&quot; (MT-Z4J, MT-Z40E, MT-Z40T or MT-Z40K)</source>
        <translation>unbekanntes Modell &quot;%1&quot; (MT-Z4J, MT-Z40E, MT-Z40T oder MT-Z40K)</translation>
    </message>
    <message>
        <source>--port takes a number from %1 to %2</source>
        <translation>--port nimmt eine Nummer von %1 bis %2</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot; (csv, chirp or columns)</source>
        <translation>unbekanntes Format &quot;%1&quot; (csv, chirp oder columns)</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot; (csv or chirp)</source>
        <translation>unbekanntes Format &quot;%1&quot; (csv oder chirp)</translation>
    </message>
    <message>
        <source>--into takes a bank number from 0 to 49</source>
        <translation>--into nimmt eine Banknummer von 0 bis 49</translation>
    </message>
    <message>
        <source>unknown code page &quot;%1&quot; (%2, or the number: 1252, 932 ...)</source>
        <translation>unbekannte Codepage &quot;%1&quot; (%2 oder die Nummer: 1252, 932 ...)</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>Option %1 nimmt keinen Wert</translation>
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
        <translation>  --device PATH     das serielle Gerät, an dem der Empfänger hängt: ein Pfad
                    (/dev/ttyUSB0, /dev/serial/by-id/...) oder ein Name
                    (ttyACM0, COM3); &quot;mtz4ctl ports&quot; listet sie auf
  --port N          stattdessen COM-Port N (1..16): das Gerät aus der
                    Umgebungsvariable MTZ4_COMn, sonst /dev/ttyUSB&lt;n-1&gt;,
                    wenn es existiert, sonst /dev/ttyS&lt;n-1&gt;
</translation>
    </message>
    <message>
        <source>  --trace FILE      write every command and reply on the line to FILE, with
                    the time, the direction and the outcome of each exchange;
                    FILE is replaced when the command ends, and left as it was
                    when the trace cannot be written (exit status 1)
</source>
        <translation>  --trace FILE      jeden Befehl und jede Antwort auf der Leitung mit Uhrzeit,
                    Richtung und Ergebnis jedes Austauschs in FILE schreiben;
                    FILE wird am Ende des Befehls ersetzt und bleibt, wie es
                    war, wenn die Aufzeichnung nicht geschrieben werden kann
                    (Exit-Status 1)
</translation>
    </message>
    <message>
        <source>  --model MODEL     the receiver model: MT-Z4J, MT-Z40E, MT-Z40T or MT-Z40K
</source>
        <translation>  --model MODEL     das Empfängermodell: MT-Z4J, MT-Z40E, MT-Z40T oder MT-Z40K
</translation>
    </message>
    <message>
        <source>&quot;Region Error&quot; means the receiver did not accept MODEL: &quot;mtz4ctl identify&quot;
finds its model.
</source>
        <translation>&quot;Region Error&quot; bedeutet, dass der Empfänger MODEL nicht angenommen hat:
&quot;mtz4ctl identify&quot; ermittelt sein Modell.
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
        <translation>  --code-page NAME  die Codepage der Notizen in Klon- und CSV-Dateien:
                    windows-1252 (Westeuropäisch), shift_jis (Japanisch),
                    windows-1250 (Mitteleuropäisch), windows-1251 (Kyrillisch),
                    windows-1253 (Griechisch) oder windows-1254 (Türkisch),
                    oder ihre Nummer (1252, 932, ...); standardmäßig shift_jis
                    bei japanischer Locale, sonst windows-1252. Eine nicht
                    geänderte Notiz wird Byte für Byte zurückgeschrieben,
                    gleich welche Codepage
</translation>
    </message>
    <message>
        <source>Usage: mtz4ctl read (--device PATH | --port N) --model MODEL
                    [--settings | --memory | --all] [--quick]
                    [--base IN.MZ4] [--code-page NAME] -o OUT.MZ4
Clone read: copies the receiver&apos;s memory into a clone file.

</source>
        <translation>Aufruf: mtz4ctl read (--device PATH | --port N) --model MODEL
                    [--settings | --memory | --all] [--quick]
                    [--base IN.MZ4] [--code-page NAME] -o OUT.MZ4
Klon-Lesen: kopiert den Speicher des Empfängers in eine Klondatei.

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
        <translation>  --settings        nur die Einstellungen und die VFO-Datensätze der Bänder
                    lesen
  --memory          nur den Speicher lesen: Freigaben, Bänke, Gruppen, Einträge
  --all             die Einstellungen, dann den Speicher lesen (Standard)
  --quick           nur die belegten Speichereinträge lesen: nach der
                    Freigabe-Bitmap nur die Blöcke freigegebener Einträge
                    holen; Daten und OUT.MZ4 werden wie bei vollem Lesen
  --base IN.MZ4     in die Daten dieser Klondatei lesen (ihre Notizen bleiben)
                    statt in die Werksdaten von MODEL
  -o, --output OUT.MZ4  die zu schreibende Klondatei
  -q, --quiet       keine Fortschrittsanzeige und keine Erfolgsmeldung
</translation>
    </message>
    <message>
        <source>
OUT.MZ4 is written only after a complete read: a failed read leaves no file
(and an existing OUT.MZ4 untouched). The receiver stays in clone mode.
</source>
        <translation>
OUT.MZ4 wird erst nach vollständigem Lesen geschrieben: ein fehlgeschlagenes
Lesen hinterlässt keine Datei (und eine vorhandene OUT.MZ4 unverändert). Der
Empfänger bleibt im Klonmodus.
</translation>
    </message>
    <message>
        <source>Exit status: 0 success, 1 the read or a file failed, 2 bad command line.
</source>
        <translation>Exit-Status: 0 Erfolg, 1 Lesen oder eine Datei fehlgeschlagen, 2 falsche
Befehlszeile.
</translation>
    </message>
    <message>
        <source>Usage: mtz4ctl write (--device PATH | --port N) --model MODEL
                     [--settings | --memory | --all] [--verify]
                     [--code-page NAME] IN.MZ4
Clone write: copies a clone file into the receiver.

</source>
        <translation>Aufruf: mtz4ctl write (--device PATH | --port N) --model MODEL
                     [--settings | --memory | --all] [--verify]
                     [--code-page NAME] IN.MZ4
Klon-Schreiben: kopiert eine Klondatei in den Empfänger.

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
        <translation>  --settings        nur die Einstellungen und die VFO-Datensätze der Bänder
                    schreiben; der Empfänger bleibt im Klonmodus
  --memory          den Speicher (Bänke, Gruppen, Einträge) schreiben, dann
                    den Klonmodus beenden (&quot;QZ~FINISH&quot;)
  --all             die Einstellungen, dann den Speicher schreiben, dann den
                    Klonmodus beenden (Standard)
  --verify          nach dem Schreiben das Geschriebene zurücklesen (die
                    belegten Speichereinträge, mit --all auch die
                    Einstellungen) und vergleichen: ein Unterschied lässt das
                    Schreiben fehlschlagen und wird aufgelistet
  -q, --quiet       keine Fortschrittsanzeige und keine Erfolgsmeldung
</translation>
    </message>
    <message>
        <source>
The bank sizes must add up to 1000 channels unless the receiver is already
in clone mode.
</source>
        <translation>
Die Bankgrößen müssen zusammen 1000 Kanäle ergeben, außer der Empfänger ist
schon im Klonmodus.
</translation>
    </message>
    <message>
        <source>Exit status: 0 success, 1 the write or the file failed, 2 bad command line.
</source>
        <translation>Exit-Status: 0 Erfolg, 1 Schreiben oder die Datei fehlgeschlagen, 2 falsche
Befehlszeile.
</translation>
    </message>
    <message>
        <source>Usage: mtz4ctl new --model MODEL [--code-page NAME] -o OUT.MZ4
Writes the factory data of a receiver model as a clone file.

  --model MODEL     MT-Z4J, MT-Z40E, MT-Z40T or MT-Z40K
  -o, --output OUT.MZ4  the clone file to write
</source>
        <translation>Aufruf: mtz4ctl new --model MODEL [--code-page NAME] -o OUT.MZ4
Schreibt die Werksdaten eines Empfängermodells als Klondatei.

  --model MODEL     MT-Z4J, MT-Z40E, MT-Z40T oder MT-Z40K
  -o, --output OUT.MZ4  die zu schreibende Klondatei
</translation>
    </message>
    <message>
        <source>
Exit status: 0 success, 1 the file could not be written, 2 bad command line.
</source>
        <translation>
Exit-Status: 0 Erfolg, 1 die Datei konnte nicht geschrieben werden, 2 falsche
Befehlszeile.
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
        <translation>Aufruf: mtz4ctl diff [--model MODEL] [--code-page NAME] A.MZ4 B.MZ4
Vergleicht zwei Klondateien Feld für Feld und gibt jeden Unterschied in einer
eigenen Zeile aus, zum Beispiel:
  03-012 Frequency: 145.500000 -&gt; 145.520000
(die Speichereinträge mit ihren Zeilenbezeichnungen, &quot;Band N&quot; für die
VFO-Datensätze, &quot;Bank N Size&quot;, die Gruppenfelder als &quot;GRPn Bank N&quot;,
&quot;Settings&quot; und die Beschriftung jeder Einstellung). Notizen werden in der
Kodierung des Terminals ausgegeben; zwei Notizen, die gleich aussehen, deren
Bytes sich aber unterscheiden, bekommen eine eigene Zeile:
  00-003 Note bytes differ: 81 20 78 -&gt; 82 20 78

  --model MODEL     das Empfängermodell der Dateien: MT-Z4J (Standard),
                    MT-Z40E, MT-Z40T oder MT-Z40K
</translation>
    </message>
    <message>
        <source>
Exit status: 0 the two hold the same data, 1 they differ, 2 bad command line or
a file that cannot be loaded.
</source>
        <translation>
Exit-Status: 0 beide enthalten dieselben Daten, 1 sie unterscheiden sich,
2 falsche Befehlszeile oder eine Datei, die nicht geladen werden kann.
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
        <translation>Aufruf: mtz4ctl export [--model MODEL] [--format csv|chirp] [--utf8]
                      [--code-page NAME] IN.MZ4 OUT.csv
Schreibt die Bänder, Speichereinträge, Bankgrößen und Gruppen einer Klondatei
als CSV-Datei zum Bearbeiten in einer Tabellenkalkulation (ohne die
Einstellungen).

  --model MODEL     das Empfängermodell: MT-Z4J (Standard), MT-Z40E, MT-Z40T
                    oder MT-Z40K; seine VFO-Werksdatensätze stehen für
                    Bänder, die die Klondatei nicht nutzt

  --format chirp    stattdessen das generische CSV von CHIRP schreiben: eine
                    Zeile je freigegebenem Speicherkanal, in UTF-8; die
                    Standardfehlerausgabe nennt jeden Train-Träger und
                    Secret-Code, für den es kein Feld hat
  --utf8            die CSV-Datei als UTF-8 mit Byte-Order-Mark schreiben, wie
                    Tabellenkalkulationen sie lesen, statt in der Codepage
                    (die jede Notiz Byte für Byte erhält; die
                    Standardfehlerausgabe nennt eine Notiz, deren Bytes UTF-8
                    nicht fassen kann)
</translation>
    </message>
    <message>
        <source>
An existing OUT.csv is replaced only once the new one is complete.
Exit status: 0 success, 1 a file failed, 2 bad command line.
</source>
        <translation>
Eine vorhandene OUT.csv wird erst ersetzt, wenn die neue vollständig ist.
Exit-Status: 0 Erfolg, 1 eine Datei fehlgeschlagen, 2 falsche Befehlszeile.
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
        <translation>Aufruf: mtz4ctl import [--model MODEL] [--format csv|chirp|columns]
                      [--map COLUMN=FIELD]... [--into BANK | --at LABEL | --free]
                      [--replace] [--code-page NAME] [--dry-run]
                      BASE.MZ4 (IN.csv | --stock NAME) -o OUT.MZ4
Führt eine CSV-Datei (oder eine mitgelieferte Kanalliste) mit den Daten einer
Klondatei zusammen und schreibt das Ergebnis als neue Klondatei.

  --model MODEL     das Empfängermodell: MT-Z4J (Standard), MT-Z40E, MT-Z40T
                    oder MT-Z40K; OUT.MZ4 enthält nur die Optionen, die es hat
                    (MT-Z4J hat kein &quot;Scr&quot;, MT-Z40E kein &quot;Train&quot;, die
                    anderen keines von beiden)
  --format csv|chirp|columns  das Format, das IN.csv haben muss; ohne diese
                    Option entscheiden die Zeilen der Datei: das generische CSV
                    von CHIRP (eine erste Zeile mit Location und Frequency:
                    Location n wird Speicherkanal n), das des Programms
                    (Zeilen, die mit &quot;MT-Z4&quot; beginnen) oder jede Datei, deren
                    erste Zeile ihre Spalten benennt (Spalten:
                    &quot;Frequenz;Modus;Name;Bemerkung&quot;, &quot;Freq (MHz),Alpha Tag,
                    Mode,Description&quot;), getrennt durch Kommas, Semikolons oder
                    TABs, mit englischen, deutschen oder japanischen Wörtern
  --map COLUMN=FIELD  für eine solche Datei: die Spalte (ihr Kopftext in
                    beliebiger Schreibung oder ihre Nummer ab 1) enthält FIELD:
                    frequency, mode, step, name, note, tone, offset, skip,
                    list, position oder none (nicht importiert); für mehrere
                    Spalten angebbar. Die Zuordnung wird vor dem Bericht auf
                    der Standardfehlerausgabe ausgegeben
  --into BANK       die Speicherkanal-Zeilen kommen in Bank BANK (0..49) ab
                    ihrem ersten Kanal; die Bank wächst in die freien Kanäle
                    am Ende der anderen Bänke (die Summe bleibt 1000), und der
                    Bericht sagt es
  --at LABEL        sie kommen in aufeinanderfolgende Einträge ab der Zeile
                    LABEL (03-012, 12A, S5, Pr3), innerhalb ihrer Liste (eine
                    Bank wächst)
  --free            sie kommen in die unbelegten Einträge, in Bankreihenfolge
                    Ohne diese Optionen kommen die Zeilen an ihre Nummern in
                    der Datei (das CSV des Programms, Location bei CHIRP, eine
                    Spalte Location oder Memory) oder, ohne Nummern, in die
                    freien Einträge. Zeilen für Programmsuchlauf, Search Pass
                    und Priority behalten ihre eigenen Listen (deren freie
                    Einträge); ein Ziel lässt die VFO-, Bankgrößen- und
                    Gruppenzeilen einer Datei des Programms weg. Zeilen, die
                    nicht passen, werden gemeldet
  --replace         die Zeilen dürfen belegte Einträge ersetzen; ohne diese
                    Option schreibt ein Import mit --into, --at, --free,
                    --stock oder einer Datei mit Kopfzeile, der welche ersetzen
                    würde, nichts und sagt, wie viele
  --stock NAME      statt IN.csv eine mit dem Programm gelieferte Kanalliste
                    importieren (&quot;mtz4ctl stock&quot; listet sie auf); in die freien
                    Einträge, sofern --into oder --at nichts anderes sagt
  --dry-run         nur den Bericht ausgeben; nichts schreiben (-o nicht nötig)
  -o, --output OUT.MZ4  die zu schreibende Klondatei
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
Jede gültige Zeile von IN.csv ersetzt ihr Band, ihren Eintrag, ihre Bankgröße
oder ihr Gruppenfeld; was IN.csv nicht liefert, behält den Wert aus BASE.MZ4,
und Zeilen, die gegen die Regeln verstoßen, werden übergangen. Notizen kommen
wie geschrieben herein, Namen in Großbuchstaben (Buchstaben a bis z). Felder
dürfen durch Kommas, Semikolons oder TABs getrennt sein; Zahlen werden ganz
gelesen, mit Dezimalpunkt oder -komma und in Exponentialschreibweise, und eine
Zeile mit einer Zahl, die keine ist, oder mit mehr Feldern als Spalten (ein
Dezimalkomma außerhalb von Anführungszeichen) wird übergangen. Eine doppelt
angegebene Zeile: die spätere gilt. IN.csv wird als UTF-8 gelesen, wenn sie
UTF-8 ist und mit einem Byte-Order-Mark beginnt oder Zeichen jenseits von ASCII
enthält, sonst in der Codepage, jedes Byte erhalten. Ein Zeichen, das die
Codepage (für Notizen) oder der Empfänger (für Namen, Codes 32..126) nicht
fassen kann, wird zu seinem Grundbuchstaben oder &quot;?&quot;, ein TAB oder
Zeilenumbruch zu einem Leerzeichen, und eine Notiz über 255 Zeichen wird
gekürzt: die Zeile bleibt, und die Standardfehlerausgabe nennt jede so
geänderte Zeile. Zeilen, die das Modell ablehnt, werden übergangen: die
Mobilfunkbereiche des MT-Z40T, eine VFO-Frequenz außerhalb ihres Bandes, eine
doppelt angegebene Search-Pass-Frequenz, eine Option, die das Modell nicht
hat. Ein Bericht auf der Standardfehlerausgabe zählt die angewandten Zeilen
und nennt jede geänderte oder übergangene Zeile mit dem Grund (--quiet lässt
einen Bericht weg, der keine nennt), sowie die nicht importierten Spalten
einer Datei mit Kopfzeile; eine Warnung sagt, welche Bankgrößen das Speichern
kürzt, wenn sie nicht 1000 ergeben. Der Bericht endet mit dem, was der Import
an belegten Einträgen geändert hat, und eine Warnung sagt, wie viele er
ersetzt. Eine Datei ohne Format oder ohne anwendbare Zeile schlägt fehl.
OUT.MZ4 wird erst nach vollständigem Import geschrieben: einer, der an einer
Zeile anhält (eine Bank- oder Gruppennummer, die keine ist), schlägt fehl, und
der Bericht nennt diese Zeile, warum er anhielt und wie viele Zeilen danach
nicht gelesen wurden. OUT.MZ4 darf BASE.MZ4 sein (an Ort und Stelle
aktualisiert), nie IN.csv.
Exit-Status: 0 Erfolg, 1 eine Datei fehlgeschlagen (oder der Import würde
ohne --replace belegte Einträge ersetzen), 2 falsche Befehlszeile.
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
        <translation>Aufruf: mtz4ctl stock [--model MODEL] [NAME]
Listet die mit dem Programm gelieferten Kanallisten (öffentliche Kanäle:
See-VHF, PMR446, FRS/GMRS, MURS, CB, NOAA-Wetter, Luftfahrt, Amateurfunk-
Anruffrequenzen, Rundfunkbänder, Flugfunk ...) auf, eine je Zeile auf der
Standardausgabe: ihr NAME, ihr Titel, ihre Region und ihr Zweck. Mit NAME die
Quelle dieser Liste und ihre Zeilen, wie ein Import sie für MODEL liest
(standardmäßig MT-Z4J): Frequenz, Modus, Schritt, Ton, Liste, Name und Notiz.
&quot;mtz4ctl import --stock NAME&quot; importiert eine.

Exit-Status: 0 Erfolg, 1 keine Kanalliste installiert, 2 falsche Befehlszeile
oder keine Liste NAME.
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
        <translation>Aufruf: mtz4ctl ports
Listet die COM-Port-Nummern 1 bis 16 auf, die --port und die COM-Port-
Einstellung des Programms anbieten, das Gerät, für das jede auf diesem System
steht, und ob dieses Gerät jetzt da ist. Dann, nach einer Leerzeile, jede
serielle Schnittstelle des Systems, eine je Zeile (ttyS, ttyUSB, ttyACM und
die festen Namen in /dev/serial/by-id unter Linux, COMn unter Windows, cu.*
unter macOS), mit Beschreibung, Hersteller, USB vendor:product und
Seriennummer, soweit bekannt; jede davon kann --device angegeben werden.

Exit-Status: 0.
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
        <translation>Aufruf: mtz4ctl identify (--device PATH | --port N)
Ermittelt das Modell des Empfängers: sendet nacheinander die Kennung jedes
Modells (MT-Z4J, MT-Z40E, MT-Z40T, MT-Z40K), bis der Empfänger eine annimmt,
und gibt den Namen dieses Modells auf der Standardausgabe aus. Gesendet wird
nur, was den Empfänger vor jedem Lesen in den Klonmodus bringt: die Kennungen,
das Ein-Byte-Schreiben bei 0FD01h nach der angenommenen und die Abfrage von
0022h; kein Kanal und keine Einstellung wird gelesen oder geschrieben. Der
Empfänger bleibt wie nach einem Lesen im Klonmodus.

</translation>
    </message>
    <message>
        <source>
Exit status: 0 a model was accepted, 1 none was (the receiver refused them
all, did not answer, or the port failed), 2 bad command line.
</source>
        <translation>
Exit-Status: 0 ein Modell wurde angenommen, 1 keines (der Empfänger hat alle
abgelehnt, nicht geantwortet, oder der Port ist fehlgeschlagen), 2 falsche
Befehlszeile.
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
        <translation>Aufruf: mtz4ctl report [--model MODEL] [--code-page NAME] IN.MZ4
                      -o LIST.pdf|LIST.html
Schreibt die Kanalliste einer Klondatei zum Drucken: die belegten Einträge
Bank für Bank, dann Programmsuchlauf, Search Pass und Priority, jeweils mit
Bezeichnung, Frequenz, Modus, Schritt, Ton oder Option, Ablage und Versatz,
Überspringen, Name und Notiz.

  --model MODEL     das auf jeder Seite genannte Empfängermodell: MT-Z4J
                    (Standard), MT-Z40E, MT-Z40T oder MT-Z40K; Optionen, die
                    ihm fehlen, entfallen wie in der Speicherliste des Programms
  -o, --output LIST.pdf|LIST.html  die zu schreibende Datei: ein PDF-Dokument
                    (A4, mit Kopfzeile aus Dateiname, Modell und Datum auf
                    jeder Seite) oder eine HTML-Seite, nach ihrer Endung
</translation>
    </message>
    <message>
        <source>
An existing output file is replaced only once the new one is complete.
Exit status: 0 success, 1 a file failed, 2 bad command line.
</source>
        <translation>
Eine vorhandene Ausgabedatei wird erst ersetzt, wenn die neue vollständig ist.
Exit-Status: 0 Erfolg, 1 eine Datei fehlgeschlagen, 2 falsche Befehlszeile.
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
        <translation>Aufruf: mtz4ctl [--trace FILE] SUBCOMMAND [OPTION]...
        mtz4ctl --version
Klon-Lesen und Klon-Schreiben der Empfänger MT-Z4J, MT-Z40E, MT-Z40T und MT-Z40K.

Unterbefehle:
  read    den Speicher des Empfängers in eine Klondatei (.MZ4) kopieren
  write   eine Klondatei in den Empfänger kopieren
  new     die Werksdaten eines Modells als Klondatei schreiben
  export  Bänder, Einträge, Bänke und Gruppen einer Klondatei als CSV-Datei
          schreiben
  import  eine CSV-Datei oder eine Kanalliste mit den Daten einer Klondatei
          zusammenführen und als neue Klondatei schreiben
  diff    zwei Klondateien Feld für Feld vergleichen
  report  die Kanalliste einer Klondatei als PDF- oder HTML-Datei zum Drucken
          schreiben
  ports   die COM-Port-Nummern und die seriellen Schnittstellen dieses Systems
          auflisten
  identify  das Modell des Empfängers ermitteln und ausgeben
  stock   die mitgelieferten Listen öffentlicher Kanäle auflisten

--trace FILE schreibt den seriellen Verkehr von read, write und identify in FILE.
&quot;mtz4ctl SUBCOMMAND --help&quot; beschreibt jeden einzelnen.
Ohne --model nehmen export, import, diff, report und stock die Dateien als
solche des MT-Z4J und sagen das auf der Standardfehlerausgabe (außer --quiet).
Meldungen gehen auf die Standardfehlerausgabe: Fehler als &quot;mtz4ctl: ERROR: ...&quot;
mit dem Grund in der nächsten Zeile, die Erfolgsmeldung &quot;Successed!!&quot; außer mit
--quiet, und eine Fortschrittsanzeige während der Übertragung von Einträgen,
wenn die Standardfehlerausgabe ein Terminal ist. Meldungen erscheinen in der
Sprache der Locale; was auf die Standardausgabe geht (diff-Zeilen, die
Portliste, das von identify ausgegebene Modell), und der Exit-Status sind in
jeder Sprache gleich. Text aus Dateien und vom Empfänger wird mit maskierten
Steuerzeichen (\x1b) ausgegeben. Jede Datei wird neben die alte geschrieben
und erst vollständig an ihre Stelle gesetzt; keine Ausgabe darf eine Datei
sein, die der Befehl liest, wie auch immer sie heißt (ein Link): eine solche
Befehlszeile wird abgelehnt.
Exit-Status: 0 Erfolg, 1 Fehler, 2 falsche Befehlszeile.
</translation>
    </message>
</context>
<context>
    <name>CloneCommands</name>
    <message>
        <source>The receiver did not accept the model %1.<byte value="xd"/>
<byte value="xd"/>
Find the receiver&apos;s model now? The model found is selected, keeping these channels, and %2 runs again.</source>
        <translation>Der Empfänger hat das Modell %1 nicht angenommen.<byte value="xd"/>
<byte value="xd"/>
Das Modell des Empfängers jetzt ermitteln? Das gefundene Modell wird unter Beibehaltung dieser Kanäle gewählt, und %2 läuft erneut.</translation>
    </message>
    <message>
        <source>Read ALL</source>
        <translation>ALLES lesen</translation>
    </message>
    <message>
        <source>Read Memory</source>
        <translation>Speicher lesen</translation>
    </message>
    <message>
        <source>Read Settings</source>
        <translation>Einstellungen lesen</translation>
    </message>
    <message>
        <source>Read Bank</source>
        <translation>Bank lesen</translation>
    </message>
    <message>
        <source>Read Group</source>
        <translation>Gruppe lesen</translation>
    </message>
    <message>
        <source>Write ALL</source>
        <translation>ALLES schreiben</translation>
    </message>
    <message>
        <source>Write Memory</source>
        <translation>Speicher schreiben</translation>
    </message>
    <message>
        <source>Write Settings</source>
        <translation>Einstellungen schreiben</translation>
    </message>
    <message>
        <source>Write Bank</source>
        <translation>Bank schreiben</translation>
    </message>
    <message>
        <source>Write Group</source>
        <translation>Gruppe schreiben</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Geprüft</translation>
    </message>
    <message>
        <source>no backup: %1</source>
        <translation>keine Sicherung: %1</translation>
    </message>
    <message>
        <source>Compare With Receiver</source>
        <translation>Mit Empfänger vergleichen</translation>
    </message>
    <message>
        <source>the receiver</source>
        <translation>dem Empfänger</translation>
    </message>
</context>
<context>
    <name>CloneFile</name>
    <message>
        <source>settings line %1</source>
        <translation>Einstellungszeile %1</translation>
    </message>
    <message>
        <source>VFO record of band %1</source>
        <translation>VFO-Datensatz von Band %1</translation>
    </message>
    <message>
        <source>memory entry %1</source>
        <translation>Speichereintrag %1</translation>
    </message>
    <message>
        <source>enable bits %1</source>
        <translation>Belegungsbits %1</translation>
    </message>
    <message>
        <source>bank sizes %1</source>
        <translation>Bankgrößen %1</translation>
    </message>
    <message>
        <source>group membership</source>
        <translation>Gruppenzugehörigkeit</translation>
    </message>
    <message>
        <source>line %1 (%2)</source>
        <translation>Zeile %1 (%2)</translation>
    </message>
    <message>
        <source>Data Error</source>
        <translation>Datenfehler</translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation>Fehler beim Dateizugriff</translation>
    </message>
    <message numerus="yes">
        <source>the file ends after %n lines; a clone file has %1</source>
        <translation>
            <numerusform>die Datei endet nach %n Zeile; eine Klondatei hat %1</numerusform>
            <numerusform>die Datei endet nach %n Zeilen; eine Klondatei hat %1</numerusform>
        </translation>
    </message>
    <message>
        <source>line 1 is not the clone file header &quot;%1&quot;</source>
        <translation>Zeile 1 ist nicht der Klondatei-Kopf &quot;%1&quot;</translation>
    </message>
    <message>
        <source>line %1 is not the clone file trailer &quot;%2&quot;</source>
        <translation>Zeile %1 ist nicht der Klondatei-Abschluss &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 holds characters other than hex digits</source>
        <translation>%1 enthält andere Zeichen als Hexadezimalziffern</translation>
    </message>
    <message>
        <source>%1 was not written: with its notes it would come to %2 MiB, and a clone file above %3 MiB cannot be opened again; shorten the longest notes</source>
        <translation>%1 wurde nicht geschrieben: mit den Notizen wären es %2 MiB, und eine Klondatei über %3 MiB lässt sich nicht wieder öffnen; kürzen Sie die längsten Notizen</translation>
    </message>
    <message>
        <source>cannot write %1: not enough memory</source>
        <translation>%1 kann nicht geschrieben werden: nicht genug Arbeitsspeicher</translation>
    </message>
    <message>
        <source>%1 is gone: it was moved or removed since it was opened or saved; use Save As to write it again</source>
        <translation>%1 ist nicht mehr da: die Datei wurde seit dem Öffnen oder Speichern verschoben oder entfernt; schreiben Sie sie mit Speichern unter neu</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved; use Save As to replace it</source>
        <translation>%1 wurde seit dem Öffnen oder Speichern von einem anderen Programm geändert; ersetzen Sie sie mit Speichern unter</translation>
    </message>
    <message>
        <source>%1 is too large for a clone file (%2 MiB; a clone file is far below %3 MiB)</source>
        <translation>%1 ist zu groß für eine Klondatei (%2 MiB; eine Klondatei liegt weit unter %3 MiB)</translation>
    </message>
    <message>
        <source>cannot read %1: not enough memory</source>
        <translation>%1 kann nicht gelesen werden: nicht genug Arbeitsspeicher</translation>
    </message>
</context>
<context>
    <name>CloneFileDialogs</name>
    <message>
        <source>Orlenk MT-Z4 Clone Files (*.MZ4)</source>
        <translation>Orlenk MT-Z4 Klondateien (*.MZ4)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>CHIRP CSV Files (*.csv)</source>
        <translation>CHIRP-CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>CSV Files, UTF-8 (*.csv)</source>
        <translation>CSV-Dateien, UTF-8 (*.csv)</translation>
    </message>
    <message>
        <source>CSV Files with a Header Row (*.csv *.txt)</source>
        <translation>CSV-Dateien mit Kopfzeile (*.csv *.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>CloneFileInput</name>
    <message>
        <source>no --model given: %1 used</source>
        <translation>kein --model angegeben: %1 verwendet</translation>
    </message>
</context>
<context>
    <name>CloneMessages</name>
    <message>
        <source>Successed!!</source>
        <translation>Erfolgreich!!</translation>
    </message>
    <message>
        <source>Read Failed...</source>
        <translation>Lesen fehlgeschlagen...</translation>
    </message>
    <message>
        <source>Write Failed...</source>
        <translation>Schreiben fehlgeschlagen...</translation>
    </message>
    <message>
        <source>Region Error</source>
        <translation>Regionsfehler</translation>
    </message>
    <message>
        <source>COM Port Error</source>
        <translation>COM-Port-Fehler</translation>
    </message>
    <message>
        <source>Communication Error</source>
        <translation>Übertragungsfehler</translation>
    </message>
    <message>
        <source>Total CH must be 1000</source>
        <translation>Die Kanalsumme muss 1000 sein</translation>
    </message>
</context>
<context>
    <name>CloneWrite</name>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>rows %1 to %2</source>
        <translation>Zeilen %1 bis %2</translation>
    </message>
    <message numerus="yes">
        <source>%n memory entries</source>
        <translation>
            <numerusform>%n Speichereintrag</numerusform>
            <numerusform>%n Speichereinträge</numerusform>
        </translation>
    </message>
    <message>
        <source>Not written: %1 beyond the last bank (%2 of the memory list). The bank sizes add up to less than 1000.</source>
        <translation>Nicht geschrieben: %1 hinter der letzten Bank (%2 der Speicherliste). Die Bankgrößen ergeben zusammen weniger als 1000.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>CodePage</name>
    <message>
        <source>Western (Windows-1252)</source>
        <translation>Westeuropäisch (Windows-1252)</translation>
    </message>
    <message>
        <source>Japanese (Shift-JIS, 932)</source>
        <translation>Japanisch (Shift-JIS, 932)</translation>
    </message>
    <message>
        <source>Central European (Windows-1250)</source>
        <translation>Mitteleuropäisch (Windows-1250)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows-1251)</source>
        <translation>Kyrillisch (Windows-1251)</translation>
    </message>
    <message>
        <source>Greek (Windows-1253)</source>
        <translation>Griechisch (Windows-1253)</translation>
    </message>
    <message>
        <source>Turkish (Windows-1254)</source>
        <translation>Türkisch (Windows-1254)</translation>
    </message>
</context>
<context>
    <name>CodePageHint</name>
    <message>
        <source>Notes unreadable? Try %1</source>
        <translation>Notizen unleserlich? Versuchen Sie %1</translation>
    </message>
</context>
<context>
    <name>ColumnFields</name>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Tone (CTCSS)</source>
        <translation>Ton (CTCSS)</translation>
    </message>
    <message>
        <source>Offset / Shift</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>(not imported)</source>
        <translation>(nicht importiert)</translation>
    </message>
</context>
<context>
    <name>ColumnsCsv</name>
    <message>
        <source>the offset &quot;%1&quot; is no number</source>
        <translation>die Ablage &quot;%1&quot; ist keine Zahl</translation>
    </message>
    <message>
        <source>--map takes COLUMN=FIELD, FIELD one of %1: &quot;%2&quot;</source>
        <translation>--map erwartet SPALTE=FELD, FELD eines von %1: &quot;%2&quot;</translation>
    </message>
    <message numerus="yes">
        <source>--map %1: the file has no column &quot;%2&quot; (%n columns)</source>
        <translation>
            <numerusform>--map %1: die Datei hat keine Spalte &quot;%2&quot; (%n Spalte)</numerusform>
            <numerusform>--map %1: die Datei hat keine Spalte &quot;%2&quot; (%n Spalten)</numerusform>
        </translation>
    </message>
    <message>
        <source>Columns not imported: %1</source>
        <translation>Nicht importierte Spalten: %1</translation>
    </message>
    <message>
        <source>no such list &quot;%1&quot; (Memory, Program Scan, Search Pass, Priority)</source>
        <translation>keine solche Liste &quot;%1&quot; (Memory, Program Scan, Search Pass, Priority)</translation>
    </message>
    <message>
        <source>no frequency</source>
        <translation>keine Frequenz</translation>
    </message>
    <message>
        <source>the frequency &quot;%1&quot; is no number</source>
        <translation>die Frequenz &quot;%1&quot; ist keine Zahl</translation>
    </message>
    <message>
        <source>mode Auto: the band&apos;s %1</source>
        <translation>Modus Auto: %1 des Bandes</translation>
    </message>
    <message>
        <source>the mode %1, which the receiver does not have</source>
        <translation>der Modus %1, den der Empfänger nicht hat</translation>
    </message>
    <message>
        <source>step %1 kHz is not in the step list: the band&apos;s %2</source>
        <translation>Raster %1 kHz steht nicht in der Rasterliste: %2 des Bandes</translation>
    </message>
    <message>
        <source>tone %1 is not in the tone list: squelch left off</source>
        <translation>Ton %1 steht nicht in der Tonliste: Rauschsperre bleibt aus</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>row %1 (%2)</source>
        <translation>Zeile %1 (%2)</translation>
    </message>
    <message>
        <source>no position</source>
        <translation>keine Position</translation>
    </message>
    <message>
        <source>the import takes Priority entries 0 to 9 only</source>
        <translation>der Import übernimmt nur die Prioritätseinträge 0 bis 9</translation>
    </message>
    <message>
        <source>no row %1</source>
        <translation>keine Zeile %1</translation>
    </message>
    <message>
        <source>given again in row %1, which is taken</source>
        <translation>erneut in Zeile %1 angegeben, die übernommen wird</translation>
    </message>
    <message numerus="yes">
        <source>%n lines above the header passed over</source>
        <translation>
            <numerusform>%n Zeile über der Kopfzeile übergangen</numerusform>
            <numerusform>%n Zeilen über der Kopfzeile übergangen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ComPortDialog</name>
    <message>
        <source>COM Port Setup</source>
        <translation>COM-Port einrichten</translation>
    </message>
    <message>
        <source>Find the cable...</source>
        <translation>Kabel suchen...</translation>
    </message>
    <message>
        <source>Serial ports of this computer</source>
        <translation>Serielle Anschlüsse dieses Computers</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>present</source>
        <translation>vorhanden</translation>
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
        <translation>Aufruf: mtz4clone [DATEI.MZ4]
Das Klonprogramm für die Empfänger MT-Z4J, MT-Z40E, MT-Z40T und MT-Z40K: öffnet
das Fenster, mit der Klondatei DATEI.MZ4 geladen, wenn eine angegeben ist.

  --help, -h     diese Hilfe zeigen und beenden
  --version      die Version zeigen und beenden

Umgebung: MTZ4_COMn=GERÄT verwendet GERÄT für COM-Port n; MTZ4_TRACE=DATEI
schreibt jeden Befehl und jede Antwort auf der seriellen Leitung in DATEI;
MTZ4_PLACEMENT=LINKS,OBEN,BREITE,HÖHE öffnet das Fenster dort (an den
Bildschirm angepasst) statt in seiner Startgröße.
</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Compare With %1</source>
        <translation>Vergleich mit %1</translation>
    </message>
    <message>
        <source>The data set and %1 hold the same data.</source>
        <translation>Der Datensatz und %1 enthalten dieselben Daten.</translation>
    </message>
    <message numerus="yes">
        <source>%n differences between the data set (This) and %1 (Other):</source>
        <translation>
            <numerusform>%n Unterschied zwischen dem Datensatz (Dieser) und %1 (Anderer):</numerusform>
            <numerusform>%n Unterschiede zwischen dem Datensatz (Dieser) und %1 (Anderer):</numerusform>
        </translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Wo</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>This</source>
        <translation>Dieser</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Anderer</translation>
    </message>
</context>
<context>
    <name>CsvCommands</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>no stock list &quot;%1&quot; (&quot;mtz4ctl stock&quot; lists them)</source>
        <translation>keine mitgelieferte Kanalliste &quot;%1&quot; (&quot;mtz4ctl stock&quot; listet sie auf)</translation>
    </message>
    <message>
        <source>%1 has no row %2 (a row label: 03-012, 12A, S5, Pr3)</source>
        <translation>%1 hat keine Zeile %2 (eine Zeilenbezeichnung: 03-012, 12A, S5, Pr3)</translation>
    </message>
    <message>
        <source>%1: columns named in line %2:</source>
        <translation>%1: in Zeile %2 benannte Spalten:</translation>
    </message>
    <message>
        <source>--map is for a file whose first row names its columns; %1 is %2</source>
        <translation>--map ist für eine Datei, deren erste Zeile ihre Spalten benennt; %1 ist %2</translation>
    </message>
    <message>
        <source>--map COLUMN=frequency names it</source>
        <translation>--map SPALTE=frequency benennt sie</translation>
    </message>
    <message>
        <source>%1 Nothing was written: give --replace to replace them.</source>
        <translation>%1 Nichts wurde geschrieben: mit --replace werden sie ersetzt.</translation>
    </message>
    <message>
        <source>No stock lists are installed with this copy of the program.</source>
        <translation>Mit dieser Kopie des Programms sind keine mitgelieferten Kanallisten installiert.</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>%1: note bytes %2 read as no character in the note code page: UTF-8 cannot hold them, a file in the code page does</source>
        <translation>%1: die Notizbytes %2 ergeben in der Notiz-Codepage kein Zeichen: UTF-8 kann sie nicht aufnehmen, eine Datei in der Codepage schon</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>Band %1</translation>
    </message>
    <message>
        <source>The UTF-8 file has no room for what follows; it was written without it:</source>
        <translation>Die UTF-8-Datei kann das Folgende nicht aufnehmen; sie wurde ohne es geschrieben:</translation>
    </message>
</context>
<context>
    <name>CsvFormat</name>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>semicolons</source>
        <translation>Semikolons</translation>
    </message>
    <message>
        <source>TABs</source>
        <translation>Tabulatoren</translation>
    </message>
    <message>
        <source>commas</source>
        <translation>Kommas</translation>
    </message>
    <message numerus="yes">
        <source>Its first line reads &quot;%1&quot; (%n fields separated by %2).</source>
        <translation>
            <numerusform>Ihre erste Zeile lautet &quot;%1&quot; (%n Feld, getrennt durch %2).</numerusform>
            <numerusform>Ihre erste Zeile lautet &quot;%1&quot; (%n Felder, getrennt durch %2).</numerusform>
        </translation>
    </message>
    <message>
        <source>the program&apos;s own CSV (lines that begin with &quot;MT-Z4&quot;)</source>
        <translation>das CSV des Programms (Zeilen, die mit &quot;MT-Z4&quot; beginnen)</translation>
    </message>
    <message>
        <source>CHIRP&apos;s CSV (a first line naming Location and Frequency)</source>
        <translation>CHIRPs CSV (eine erste Zeile, die Location und Frequency nennt)</translation>
    </message>
    <message>
        <source>a CSV file whose first row names its columns</source>
        <translation>eine CSV-Datei, deren erste Zeile ihre Spalten benennt</translation>
    </message>
    <message>
        <source>neither the program&apos;s own CSV (lines that begin with &quot;MT-Z4&quot;) nor CHIRP&apos;s (a first line naming Location and Frequency) nor one whose first row names its columns (Frequency, Mode, Name ...)</source>
        <translation>weder das CSV des Programms (Zeilen, die mit &quot;MT-Z4&quot; beginnen) noch CHIRPs CSV (eine erste Zeile, die Location und Frequency nennt) noch eines, dessen erste Zeile seine Spalten benennt (Frequency, Mode, Name ...)</translation>
    </message>
</context>
<context>
    <name>CsvMerge</name>
    <message>
        <source>line %1 (%2)</source>
        <translation>Zeile %1 (%2)</translation>
    </message>
    <message>
        <source>line %1 (%2 %3)</source>
        <translation>Zeile %1 (%2 %3)</translation>
    </message>
    <message>
        <source>given again in %1, which is taken</source>
        <translation>erneut in %1 angegeben, die übernommen wird</translation>
    </message>
    <message>
        <source>an unknown section</source>
        <translation>ein unbekannter Abschnitt</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>no &quot;MT-Z4&quot; field: not a line of the file</source>
        <translation>kein Feld &quot;MT-Z4&quot;: keine Zeile der Datei</translation>
    </message>
    <message>
        <source>no CHANNEL field</source>
        <translation>kein Feld CHANNEL</translation>
    </message>
    <message>
        <source>no such band (0 to 13)</source>
        <translation>kein solches Band (0 bis 13)</translation>
    </message>
    <message>
        <source>no such memory channel (0 to 999)</source>
        <translation>kein solcher Speicherkanal (0 bis 999)</translation>
    </message>
    <message>
        <source>no such Program Scan entry (P0A to P49B)</source>
        <translation>kein solcher Programmsuchlauf-Eintrag (P0A bis P49B)</translation>
    </message>
    <message>
        <source>no such Search Pass entry (0 to 99)</source>
        <translation>kein solcher Suchlauf-Auslassungs-Eintrag (0 bis 99)</translation>
    </message>
    <message>
        <source>the import takes Priority lines 0 to 9 only</source>
        <translation>der Import übernimmt nur die Prioritätszeilen 0 bis 9</translation>
    </message>
    <message>
        <source>too few fields</source>
        <translation>zu wenige Felder</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>&quot;%1&quot; ist keine Zahl</translation>
    </message>
    <message>
        <source>no such bank (0 to 49)</source>
        <translation>keine solche Bank (0 bis 49)</translation>
    </message>
    <message>
        <source>a bank size outside 0 to 1000</source>
        <translation>eine Bankgröße außerhalb von 0 bis 1000</translation>
    </message>
    <message>
        <source>no such group box (0 to 549)</source>
        <translation>kein solches Gruppenfeld (0 bis 549)</translation>
    </message>
    <message>
        <source>group row 0 is never shown and stays clear</source>
        <translation>Gruppenzeile 0 wird nie angezeigt und bleibt leer</translation>
    </message>
    <message numerus="yes">
        <source>%n lines without a frequency passed over: their entries and bands keep what they held</source>
        <translation>
            <numerusform>%n Zeile ohne Frequenz übergangen: ihr Eintrag oder Band behält, was er hatte</numerusform>
            <numerusform>%n Zeilen ohne Frequenz übergangen: ihre Einträge und Bänder behalten, was sie hatten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines of VFO bands the %1 lacks passed over</source>
        <translation>
            <numerusform>%n Zeile eines VFO-Bandes, das dem %1 fehlt, übergangen</numerusform>
            <numerusform>%n Zeilen von VFO-Bändern, die dem %1 fehlen, übergangen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n VFO, bank size and group lines left out: an import to a destination takes the entries only</source>
        <translation>
            <numerusform>%n VFO-, Bankgrößen- oder Gruppenzeile ausgelassen: ein Import an ein Ziel übernimmt nur die Einträge</numerusform>
            <numerusform>%n VFO-, Bankgrößen- und Gruppenzeilen ausgelassen: ein Import an ein Ziel übernimmt nur die Einträge</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CsvRecord</name>
    <message>
        <source>more fields than its columns: a decimal comma outside quotes (145,5) splits a number in two; quote the field or save the file with semicolons</source>
        <translation>mehr Felder als Spalten: ein Dezimalkomma außerhalb von Anführungszeichen (145,5) teilt eine Zahl in zwei; setzen Sie das Feld in Anführungszeichen oder speichern Sie die Datei mit Semikolons</translation>
    </message>
    <message>
        <source>too few fields</source>
        <translation>zu wenige Felder</translation>
    </message>
    <message>
        <source>no frequency</source>
        <translation>keine Frequenz</translation>
    </message>
    <message>
        <source>the frequency &quot;%1&quot; is no number</source>
        <translation>die Frequenz &quot;%1&quot; ist keine Zahl</translation>
    </message>
    <message>
        <source>a frequency outside 0.1 .. 1299.995 MHz</source>
        <translation>eine Frequenz außerhalb von 0,1 .. 1299,995 MHz</translation>
    </message>
    <message>
        <source>an unknown mode</source>
        <translation>ein unbekannter Modus</translation>
    </message>
    <message>
        <source>an unknown step</source>
        <translation>ein unbekanntes Raster</translation>
    </message>
    <message>
        <source>the offset &quot;%1&quot; is no number</source>
        <translation>die Ablage &quot;%1&quot; ist keine Zahl</translation>
    </message>
    <message>
        <source>an offset outside 0 .. 99.999999 MHz</source>
        <translation>eine Ablage außerhalb von 0 .. 99,999999 MHz</translation>
    </message>
    <message>
        <source>note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is no truth value: read as #FALSE#</source>
        <translation>%1 &quot;%2&quot; ist kein Wahrheitswert: als #FALSE# gelesen</translation>
    </message>
</context>
<context>
    <name>DetectModel</name>
    <message>
        <source>Detect Model</source>
        <translation>Modell erkennen</translation>
    </message>
    <message>
        <source>; choose the receiver&apos;s model on Settings 1, or find it with Tool &gt; Detect Model</source>
        <translation>; wählen Sie das Modell des Empfängers auf Einstellungen 1 oder ermitteln Sie es mit Extras &gt; Modell erkennen</translation>
    </message>
    <message>
        <source>the receiver accepted %1</source>
        <translation>der Empfänger hat %1 angenommen</translation>
    </message>
</context>
<context>
    <name>EditDialog</name>
    <message>
        <source>Modify Memory</source>
        <translation>Speicher ändern</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Modulation Mode</source>
        <translation>Modulationsart</translation>
    </message>
    <message>
        <source>Tuning Step</source>
        <translation>Abstimmschritt</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>Train</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Secret</translation>
    </message>
    <message>
        <source>Tone frequency</source>
        <translation>Tonfrequenz</translation>
    </message>
    <message>
        <source>Carrier frequency</source>
        <translation>Trägerfrequenz</translation>
    </message>
    <message>
        <source>Secret code</source>
        <translation>Geheimcode</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>Offset Frequency</source>
        <translation>Ablagefrequenz</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Modify VFO</source>
        <translation>VFO ändern</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>Band %1</translation>
    </message>
    <message>
        <source>Modify %1</source>
        <translation>%1 ändern</translation>
    </message>
    <message>
        <source>Modify Band %1</source>
        <translation>Band %1 ändern</translation>
    </message>
</context>
<context>
    <name>EntryClipboard</name>
    <message>
        <source>row %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>beyond the end of the list</source>
        <translation>hinter dem Ende der Liste</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
</context>
<context>
    <name>EntryPlacement</name>
    <message>
        <source>no free Program Scan pair left</source>
        <translation>kein freies Programmsuchlauf-Paar mehr</translation>
    </message>
    <message>
        <source>no free Search Pass entry left</source>
        <translation>kein freier Suchlauf-Auslassungs-Eintrag mehr</translation>
    </message>
    <message>
        <source>no free Priority entry left (0 to 9)</source>
        <translation>kein freier Prioritätseintrag mehr (0 bis 9)</translation>
    </message>
    <message>
        <source>no free memory channel left</source>
        <translation>kein freier Speicherkanal mehr</translation>
    </message>
    <message>
        <source>beyond the end of the list</source>
        <translation>jenseits des Listenendes</translation>
    </message>
    <message>
        <source>no room left: bank %1 is full, and no other bank has a free channel at its end</source>
        <translation>kein Platz mehr: Bank %1 ist voll, und keine andere Bank hat an ihrem Ende einen freien Kanal</translation>
    </message>
</context>
<context>
    <name>FieldCommands</name>
    <message numerus="yes">
        <source>%1: select at least %n rows</source>
        <translation>
            <numerusform>%1: mindestens %n Zeile auswählen</numerusform>
            <numerusform>%1: mindestens %n Zeilen auswählen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 of %n entries changed, %3 refused</source>
        <translation>
            <numerusform>%1: %2 von %n Eintrag geändert, %3 abgelehnt</numerusform>
            <numerusform>%1: %2 von %n Einträgen geändert, %3 abgelehnt</numerusform>
        </translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message numerus="yes">
        <source>Edit %n entries</source>
        <translation>
            <numerusform>%n Eintrag bearbeiten</numerusform>
            <numerusform>%n Einträge bearbeiten</numerusform>
        </translation>
    </message>
    <message>
        <source>Fill Down</source>
        <translation>Nach unten füllen</translation>
    </message>
    <message>
        <source>nothing to copy</source>
        <translation>nichts zu kopieren</translation>
    </message>
    <message>
        <source>Fill Down %1</source>
        <translation>%1 nach unten füllen</translation>
    </message>
    <message>
        <source>Fill Frequencies</source>
        <translation>Frequenzen füllen</translation>
    </message>
</context>
<context>
    <name>FieldEdit</name>
    <message>
        <source>a name the receiver cannot show (at most 6 characters, letters, digits and signs)</source>
        <translation>ein Name, den der Empfänger nicht anzeigen kann (höchstens 6 Zeichen: Buchstaben, Ziffern und Zeichen)</translation>
    </message>
    <message>
        <source>note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>the entry has no frequency: give it one first</source>
        <translation>der Eintrag hat keine Frequenz: zuerst eine eingeben</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes (*)</source>
        <translation>Ja (*)</translation>
    </message>
    <message>
        <source>a step band %1 does not take</source>
        <translation>ein Schritt, den Band %1 nicht kennt</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>%1 is a folder, not a file</source>
        <translation>%1 ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>cannot write %1: it is a device or a pipe, not a file</source>
        <translation>%1 kann nicht geschrieben werden: es ist ein Gerät oder eine Pipe, keine Datei</translation>
    </message>
    <message>
        <source>cannot write %1: the folder %2 does not exist</source>
        <translation>%1 kann nicht geschrieben werden: der Ordner %2 existiert nicht</translation>
    </message>
    <message>
        <source>cannot write %1: %2 is not a folder</source>
        <translation>%1 kann nicht geschrieben werden: %2 ist kein Ordner</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>im Ordner %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot open %1: there is no such file</source>
        <translation>%1 kann nicht geöffnet werden: diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>cannot open %1: it is a folder, not a file</source>
        <translation>%1 kann nicht geöffnet werden: es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>cannot open %1: it is a device or a pipe, not a file</source>
        <translation>%1 kann nicht geöffnet werden: es ist ein Gerät oder eine Pipe, keine Datei</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>the output %1 is the same file as %2, which is read: choose another file for the output</source>
        <translation>die Ausgabe %1 ist dieselbe Datei wie die gelesene %2: wählen Sie eine andere Datei für die Ausgabe</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Save changes to settings?</source>
        <translation>Änderungen an den Einstellungen speichern?</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Änderungen speichern</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>No stock lists are installed with this copy of the program.</source>
        <translation>Mit diesem Exemplar des Programms sind keine mitgelieferten Listen installiert.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Do you want to go on?</source>
        <translation>Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>&amp;Compare...</source>
        <translation>&amp;Vergleichen...</translation>
    </message>
    <message>
        <source>the data before the import</source>
        <translation>den Daten vor dem Import</translation>
    </message>
    <message>
        <source>%1 no longer exists; it is taken off the list.</source>
        <translation>%1 existiert nicht mehr; die Datei wird aus der Liste entfernt.</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
</context>
<context>
    <name>FileDrop</name>
    <message>
        <source>drop one file at a time</source>
        <translation>bitte jeweils nur eine Datei ablegen</translation>
    </message>
    <message>
        <source>%1 not opened: the receiver is being read or written</source>
        <translation>%1 nicht geöffnet: der Empfänger wird gerade gelesen oder beschrieben</translation>
    </message>
    <message>
        <source>%1 not opened: only clone files (.MZ4) and CSV files (.csv) can be dropped here</source>
        <translation>%1 nicht geöffnet: hier können nur Klondateien (.MZ4) und CSV-Dateien (.csv) abgelegt werden</translation>
    </message>
</context>
<context>
    <name>FileImport</name>
    <message>
        <source>%1 is %2: nothing was imported.</source>
        <translation>%1 ist %2: nichts wurde importiert.</translation>
    </message>
    <message>
        <source>%1 looks like %2.</source>
        <translation>%1 sieht aus wie %2.</translation>
    </message>
    <message>
        <source>No line of %1 could be imported.</source>
        <translation>Keine Zeile von %1 konnte importiert werden.</translation>
    </message>
    <message>
        <source>No column of %1 holds the frequency.</source>
        <translation>Keine Spalte von %1 enthält die Frequenz.</translation>
    </message>
    <message>
        <source>The rows of %1 have no numbers to go by (a Location or Memory column): choose where they go.</source>
        <translation>Die Zeilen von %1 haben keine Nummern, nach denen sie sich richten (eine Spalte Location oder Memory): wählen Sie, wohin sie kommen.</translation>
    </message>
    <message numerus="yes">
        <source>The import replaces %n entries in use.</source>
        <translation>
            <numerusform>Der Import ersetzt %n belegten Eintrag.</numerusform>
            <numerusform>Der Import ersetzt %n belegte Einträge.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The bank sizes add up to %1, not 1000: %n channels belong to no bank.</source>
        <translation>
            <numerusform>Die Bankgrößen ergeben zusammen %1, nicht 1000: %n Kanal gehört zu keiner Bank.</numerusform>
            <numerusform>Die Bankgrößen ergeben zusammen %1, nicht 1000: %n Kanäle gehören zu keiner Bank.</numerusform>
        </translation>
    </message>
    <message>
        <source>bank %1 from %2 to %3</source>
        <translation>Bank %1 von %2 auf %3</translation>
    </message>
    <message>
        <source>The bank sizes add up to %1, not 1000: a save cuts %2.</source>
        <translation>Die Bankgrößen ergeben zusammen %1, nicht 1000: beim Speichern wird %2 gekürzt.</translation>
    </message>
</context>
<context>
    <name>FillFrequenciesDialog</name>
    <message>
        <source>Fill Frequencies</source>
        <translation>Frequenzen füllen</translation>
    </message>
    <message>
        <source>&amp;Start frequency (MHz)</source>
        <translation>&amp;Startfrequenz (MHz)</translation>
    </message>
    <message>
        <source>S&amp;tep (kHz)</source>
        <translation>Sc&amp;hritt (kHz)</translation>
    </message>
    <message>
        <source>Last row</source>
        <translation>Letzte Zeile</translation>
    </message>
</context>
<context>
    <name>FilterBar</name>
    <message>
        <source>Fi&amp;lter:</source>
        <translation>Fi&amp;lter:</translation>
    </message>
    <message>
        <source>118-137, FM, tower</source>
        <translation>118-137, FM, Turm</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Shows only the rows that match every word: a frequency range in MHz (118-137), a mode (FM, AM, WFM), or a text of the name or note. Write and Save still take every entry.</source>
        <translation>Zeigt nur die Zeilen, die zu jedem Wort passen: einen Frequenzbereich in MHz (118-137), eine Modulationsart (FM, AM, WFM) oder einen Text aus Name oder Notiz. Schreiben und Speichern nehmen weiterhin alle Einträge.</translation>
    </message>
    <message>
        <source>%1 of %2 rows shown</source>
        <translation>%1 von %2 Zeilen angezeigt</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>frequency, name or note</source>
        <translation>Frequenz, Name oder Notiz</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>Nächster Treffer (F3)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Vorheriger Treffer (Umschalt+F3)</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Suchleiste schließen (Esc)</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>Suchleiste schließen</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
</context>
<context>
    <name>FrequencyChecks</name>
    <message>
        <source>It is a frequency of the cellular phone.<byte value="xd"/>
It is not possible to set it.</source>
        <translation>Dies ist eine Mobilfunkfrequenz.<byte value="xd"/>
Sie kann nicht eingestellt werden.</translation>
    </message>
    <message>
        <source>Frequency of the cellular phone</source>
        <translation>Mobilfunkfrequenz</translation>
    </message>
    <message>
        <source>The same frequency as other channels cannot be set in Search Pass bank.</source>
        <translation>In der Suchlauf-Ausblendung kann nicht dieselbe Frequenz wie in anderen Kanälen eingestellt werden.</translation>
    </message>
    <message>
        <source>an offset outside 0 .. 99.999999 MHz</source>
        <translation>eine Ablage außerhalb von 0 .. 99.999999 MHz</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was not taken: %3</source>
        <translation>%1: „%2“ wurde nicht übernommen: %3</translation>
    </message>
</context>
<context>
    <name>GridLayout</name>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Übersp.</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>Träger</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>ShiftFreq.</source>
        <translation>Ablagefreq.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Scr</source>
        <translation>Code</translation>
    </message>
</context>
<context>
    <name>GroupMatrix</name>
    <message>
        <source>BANK %1 - %2</source>
        <translation>BANK %1 - %2</translation>
    </message>
    <message>
        <source>%1, bank %2</source>
        <translation>%1, Bank %2</translation>
    </message>
</context>
<context>
    <name>HelpCommands</name>
    <message>
        <source>The user guide is not installed with this copy of the program.</source>
        <translation>Mit diesem Exemplar des Programms ist kein Benutzerhandbuch installiert.</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>No web browser could be started to show the user guide; it is the file %1.</source>
        <translation>Es konnte kein Webbrowser gestartet werden, um das Benutzerhandbuch zu zeigen; es ist die Datei %1.</translation>
    </message>
    <message>
        <source>The sample file is not installed with this copy of the program.</source>
        <translation>Mit diesem Exemplar des Programms ist keine Beispieldatei installiert.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>User Guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Search the guide</source>
        <translation>Im Handbuch suchen</translation>
    </message>
    <message>
        <source>Open in Web Browser</source>
        <translation>Im Webbrowser öffnen</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
</context>
<context>
    <name>IdentifyCommand</name>
    <message>
        <source>the receiver did not answer (is it switched on, and the cable in the right port?)</source>
        <translation>der Empfänger hat nicht geantwortet (ist er eingeschaltet und steckt das Kabel im richtigen Anschluss?)</translation>
    </message>
</context>
<context>
    <name>ImportComparison</name>
    <message>
        <source>Entry %1</source>
        <translation>Eintrag %1</translation>
    </message>
    <message>
        <source>Changes to entries in use before: %1 (%2)</source>
        <translation>Änderungen an zuvor belegten Einträgen: %1 (%2)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>ImportDestination</name>
    <message>
        <source>into bank %1 from its first channel</source>
        <translation>in Bank %1 ab ihrem ersten Kanal</translation>
    </message>
    <message>
        <source>from row %1 on</source>
        <translation>ab Zeile %1</translation>
    </message>
    <message>
        <source>into the free entries</source>
        <translation>in die freien Einträge</translation>
    </message>
    <message>
        <source>as numbered in the file</source>
        <translation>wie in der Datei nummeriert</translation>
    </message>
</context>
<context>
    <name>ImportDestinationBox</name>
    <message>
        <source>Where the rows go</source>
        <translation>Wohin die Zeilen kommen</translation>
    </message>
    <message>
        <source>&amp;As numbered in the file</source>
        <translation>&amp;Wie in der Datei nummeriert</translation>
    </message>
    <message>
        <source>Into &amp;bank</source>
        <translation>In &amp;Bank</translation>
    </message>
    <message>
        <source>from its first channel</source>
        <translation>ab ihrem ersten Kanal</translation>
    </message>
    <message>
        <source>From the &amp;selected row</source>
        <translation>Ab der &amp;gewählten Zeile</translation>
    </message>
    <message>
        <source>From the &amp;selected row (%1)</source>
        <translation>Ab der &amp;gewählten Zeile (%1)</translation>
    </message>
    <message>
        <source>Into the &amp;free entries</source>
        <translation>In die &amp;freien Einträge</translation>
    </message>
    <message>
        <source>A bank too small for the rows grows into the free channels at the end of the other banks. Program Scan, Search Pass and Priority rows keep their own lists.</source>
        <translation>Eine Bank, die für die Zeilen zu klein ist, wächst in die freien Kanäle am Ende der anderen Bänke. Zeilen für Programmsuchlauf, Suchlauf-Auslassung und Priorität bleiben in ihren eigenen Listen.</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>semicolons</source>
        <translation>Semikolons</translation>
    </message>
    <message>
        <source>TABs</source>
        <translation>Tabulatoren</translation>
    </message>
    <message>
        <source>commas</source>
        <translation>Kommas</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>%1 importieren</translation>
    </message>
    <message>
        <source>%1 is %2; its fields are separated by %3.</source>
        <translation>%1 ist %2; die Felder sind durch %3 getrennt.</translation>
    </message>
    <message>
        <source>What each column holds, as its header says; choose another field where it is wrong. The first rows of the file are below.</source>
        <translation>Was jede Spalte laut ihrer Kopfzeile enthält; wählen Sie ein anderes Feld, wo es nicht stimmt. Unten stehen die ersten Zeilen der Datei.</translation>
    </message>
    <message>
        <source>Choose the column that holds the frequency.</source>
        <translation>Wählen Sie die Spalte mit der Frequenz.</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
</context>
<context>
    <name>ImportProgressDialog</name>
    <message>
        <source>Importing %1 ...</source>
        <translation>%1 wird importiert ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
</context>
<context>
    <name>ImportReport</name>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message numerus="yes">
        <source>%n entries and bands kept, %1 skipped</source>
        <translation>
            <numerusform>%n Eintrag oder Band behalten, %1 übersprungen</numerusform>
            <numerusform>%n Einträge und Bänder behalten, %1 übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines pasted, %1 skipped</source>
        <translation>
            <numerusform>%n Zeile eingefügt, %1 übersprungen</numerusform>
            <numerusform>%n Zeilen eingefügt, %1 übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows pasted, %1 skipped</source>
        <translation>
            <numerusform>%n Zeile eingefügt, %1 übersprungen</numerusform>
            <numerusform>%n Zeilen eingefügt, %1 übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines imported, %1 skipped</source>
        <translation>
            <numerusform>%n Zeile importiert, %1 übersprungen</numerusform>
            <numerusform>%n Zeilen importiert, %1 übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows imported, %1 skipped</source>
        <translation>
            <numerusform>%n Zeile importiert, %1 übersprungen</numerusform>
            <numerusform>%n Zeilen importiert, %1 übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stopped at %1; the %n lines after it were not read</source>
        <translation>
            <numerusform>angehalten bei %1; die %n Zeile danach wurde nicht gelesen</numerusform>
            <numerusform>angehalten bei %1; die %n Zeilen danach wurden nicht gelesen</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 changed</source>
        <translation>, %1 geändert</translation>
    </message>
    <message numerus="yes">
        <source>%n rows changed to fit:</source>
        <translation>
            <numerusform>%n Zeile zum Einpassen geändert:</numerusform>
            <numerusform>%n Zeilen zum Einpassen geändert:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>the folder cannot be made</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 is a device or a pipe, not a file: COM 1 is used</source>
        <translation>%1 ist ein Gerät oder eine Pipe, keine Datei: COM 1 wird verwendet</translation>
    </message>
</context>
<context>
    <name>InputFilters</name>
    <message>
        <source>A name holds only the letters, digits and signs the receiver shows (ASCII): &quot;%1&quot; is not one of them</source>
        <translation>Ein Name enthält nur die Buchstaben, Ziffern und Zeichen, die der Empfänger anzeigt (ASCII): „%1“ gehört nicht dazu</translation>
    </message>
    <message>
        <source>The note code page %1 has no character &quot;%2&quot;: the note cannot hold it (Tool &gt; Note Code Page chooses another)</source>
        <translation>Die Notiz-Codepage %1 hat kein Zeichen „%2“: die Notiz kann es nicht aufnehmen (Extras &gt; Notiz-Codepage wählt eine andere)</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>System (%1)</source>
        <translation>System (%1)</translation>
    </message>
    <message>
        <source>The program shows %1.</source>
        <translation>Das Programm zeigt %1.</translation>
    </message>
    <message>
        <source>The program will show %1 from its next start.</source>
        <translation>Das Programm zeigt %1 ab dem nächsten Start.</translation>
    </message>
</context>
<context>
    <name>LinkSetup</name>
    <message>
        <source>port: %1</source>
        <translation>Anschluss: %1</translation>
    </message>
    <message>
        <source>: name its model with --model, or find it with &quot;mtz4ctl identify&quot;</source>
        <translation>: sein Modell mit --model angeben oder mit &quot;mtz4ctl identify&quot; ermitteln</translation>
    </message>
</context>
<context>
    <name>ListPosition</name>
    <message>
        <source>Bank %1</source>
        <translation>Bank %1</translation>
    </message>
    <message>
        <source>%1Ch</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>Program Scan</source>
        <translation>Programmsuchlauf</translation>
    </message>
    <message>
        <source>Search Pass</source>
        <translation>Suchlauf-Ausblendung</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorität</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>Tool Bar</source>
        <translation>Werkzeugleiste</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Settings 1</source>
        <translation>Einstellungen 1</translation>
    </message>
    <message>
        <source>Settings 2</source>
        <translation>Einstellungen 2</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>%1 is used for this run, as %2 says, instead of %3 chosen in COM Port Setup</source>
        <translation>%1 wird für diesen Lauf verwendet, wie %2 angibt, statt %3, gewählt unter COM-Port einrichten</translation>
    </message>
    <message>
        <source>Bank %1</source>
        <translation>Bank %1</translation>
    </message>
    <message>
        <source>Program Scan</source>
        <translation>Programmsuchlauf</translation>
    </message>
    <message>
        <source>Seach Pass</source>
        <translation>Suchlauf-Auslassung</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorität</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>The write to the receiver goes on; the program closes when it has ended.</source>
        <translation>Das Schreiben in den Empfänger läuft weiter; das Programm wird geschlossen, wenn es beendet ist.</translation>
    </message>
    <message>
        <source>COM %1 was not stored for the next start: %2</source>
        <translation>COM %1 wurde nicht für den nächsten Start gespeichert: %2</translation>
    </message>
</context>
<context>
    <name>MemoryCommands</name>
    <message numerus="yes">
        <source>%n Entries</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorität</translation>
    </message>
    <message>
        <source>Search Pass</source>
        <translation>Suchlauf-Ausblendung</translation>
    </message>
    <message>
        <source>Program Scan</source>
        <translation>Programmsuchlauf</translation>
    </message>
    <message>
        <source>Bank %1</source>
        <translation>Bank %1</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>%1 ausschneiden</translation>
    </message>
    <message numerus="yes">
        <source>The paste replaces %n entries in use.<byte value="xd"/>
Do you want to go on?</source>
        <translation>
            <numerusform>Das Einfügen ersetzt %n belegten Eintrag.<byte value="xd"/>
Möchten Sie fortfahren?</numerusform>
            <numerusform>Das Einfügen ersetzt %n belegte Einträge.<byte value="xd"/>
Möchten Sie fortfahren?</numerusform>
        </translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation>In %1 einfügen</translation>
    </message>
    <message>
        <source>Insert %1</source>
        <translation>Bei %1 einfügen</translation>
    </message>
    <message>
        <source>The last entry of this list is in use: there is no room to insert an empty entry.</source>
        <translation>Der letzte Eintrag dieser Liste ist belegt: Für einen leeren Eintrag ist kein Platz.</translation>
    </message>
    <message>
        <source>Insert Empty Entry</source>
        <translation>Leeren Eintrag einfügen</translation>
    </message>
    <message>
        <source>This row belongs to no bank.</source>
        <translation>Diese Zeile gehört zu keiner Bank.</translation>
    </message>
    <message>
        <source>Delete entry %1?<byte value="xd"/>
The entries after it in its list move up by one.</source>
        <translation>Eintrag %1 löschen?<byte value="xd"/>
Die Einträge danach rücken in ihrer Liste um eins nach oben.</translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <translation>Eintrag löschen</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>Sort %1 by %2</source>
        <translation>%1 nach %2 sortieren</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>There is no row labelled &quot;%1&quot;.</source>
        <translation>Es gibt keine Zeile „%1“.</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>Gehe zu</translation>
    </message>
    <message>
        <source>Row label (for example 03-012, 12A, S5 or Pr3):</source>
        <translation>Zeilenbezeichnung (zum Beispiel 03-012, 12A, S5 oder Pr3):</translation>
    </message>
</context>
<context>
    <name>MemoryGrid</name>
    <message>
        <source>Memory channels</source>
        <translation>Speicherkanäle</translation>
    </message>
</context>
<context>
    <name>MemoryPage</name>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Auf</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Ab</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stops the read after the block in progress (Esc)</source>
        <translation>Hält das Lesen nach dem laufenden Block an (Esc)</translation>
    </message>
    <message>
        <source>Clear cannot be undone.</source>
        <translation>Löschen kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>CLEAR OK</source>
        <translation>LÖSCHEN OK</translation>
    </message>
    <message>
        <source>Are you sure that you want to do the clear?</source>
        <translation>Möchten Sie wirklich löschen?</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear all memory?</source>
        <translation>Möchten Sie wirklich den ganzen Speicher löschen?</translation>
    </message>
</context>
<context>
    <name>ModelCommands</name>
    <message>
        <source>Keep these channels: the data stay, checked against the rules of %1; what does not fit is reported, and Undo brings it back. Factory data: the data start afresh from the factory data of %1.</source>
        <translation>Diese Kanäle behalten: Die Daten bleiben und werden nach den Regeln des %1 geprüft; was nicht passt, wird gemeldet, und Rückgängig holt es zurück. Werksdaten: Die Daten beginnen neu mit den Werksdaten des %1.</translation>
    </message>
    <message>
        <source>Keep these channels</source>
        <translation>Diese Kanäle behalten</translation>
    </message>
    <message>
        <source>Factory data</source>
        <translation>Werksdaten</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Select %1 for %2?</source>
        <translation>%1 für %2 wählen?</translation>
    </message>
    <message>
        <source>The receiver accepted the model %1, the one selected on Settings 1.</source>
        <translation>Der Empfänger hat das Modell %1 angenommen, das auf Einstellungen 1 gewählte.</translation>
    </message>
    <message>
        <source>The receiver accepted the model %1, but Settings 1 has %2 selected. Select %1?</source>
        <translation>Der Empfänger hat das Modell %1 angenommen, aber auf Einstellungen 1 ist %2 gewählt. %1 wählen?</translation>
    </message>
</context>
<context>
    <name>ModelDetection</name>
    <message>
        <source>the receiver did not accept the selected model %1</source>
        <translation>der Empfänger hat das gewählte Modell %1 nicht angenommen</translation>
    </message>
    <message>
        <source>The receiver accepted none of the models MT-Z4J, MT-Z40E, MT-Z40T and MT-Z40K.</source>
        <translation>Der Empfänger hat keines der Modelle MT-Z4J, MT-Z40E, MT-Z40T und MT-Z40K angenommen.</translation>
    </message>
</context>
<context>
    <name>ModelFit</name>
    <message>
        <source>Band %1</source>
        <translation>Band %1</translation>
    </message>
    <message>
        <source>option: %1 → %2 (the %3 has no %1 option)</source>
        <translation>Option: %1 → %2 (der %3 hat keine Option %1)</translation>
    </message>
</context>
<context>
    <name>ModelRules</name>
    <message>
        <source>the %1 has no %2 option</source>
        <translation>der %1 hat keine Option %2</translation>
    </message>
    <message>
        <source>a frequency of the cellular phone</source>
        <translation>eine Mobilfunkfrequenz</translation>
    </message>
    <message>
        <source>a frequency another Search Pass entry has</source>
        <translation>eine Frequenz, die ein anderer Search-Pass-Eintrag hat</translation>
    </message>
    <message>
        <source>a frequency outside 0.1 .. 1299.995 MHz</source>
        <translation>eine Frequenz außerhalb von 0.1 .. 1299.995 MHz</translation>
    </message>
    <message>
        <source>a frequency outside band %1 %2</source>
        <translation>eine Frequenz außerhalb von Band %1 %2</translation>
    </message>
    <message>
        <source>the %1 has no band %2</source>
        <translation>der %1 hat kein Band %2</translation>
    </message>
</context>
<context>
    <name>MoveCommands</name>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
    <message>
        <source>The rows are at the end of the list already.</source>
        <translation>Die Zeilen stehen bereits am Ende der Liste.</translation>
    </message>
    <message>
        <source>The rows are at the top of the list already.</source>
        <translation>Die Zeilen stehen bereits am Anfang der Liste.</translation>
    </message>
    <message>
        <source>Move Down %1</source>
        <translation>%1 nach unten verschieben</translation>
    </message>
    <message>
        <source>Move Up %1</source>
        <translation>%1 nach oben verschieben</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>%1 verschieben</translation>
    </message>
    <message>
        <source>%1: no room, the last entries of the list are in use</source>
        <translation>%1: kein Platz, die letzten Einträge der Liste sind belegt</translation>
    </message>
    <message>
        <source>Rows move within the memory channels or within their own list (Program Scan, Search Pass, Priority).</source>
        <translation>Zeilen lassen sich nur innerhalb der Speicherkanäle oder innerhalb ihrer eigenen Liste verschieben (Programmsuchlauf, Suchlauf-Ausblendung, Priorität).</translation>
    </message>
</context>
<context>
    <name>NoteBox</name>
    <message>
        <source>note</source>
        <translation>Notiz</translation>
    </message>
</context>
<context>
    <name>NoteCodePageMenu</name>
    <message>
        <source>Note Code Page</source>
        <translation>Zeichensatz der Notizen</translation>
    </message>
</context>
<context>
    <name>PastedRows</name>
    <message>
        <source>not an entry row</source>
        <translation>keine Eintragszeile</translation>
    </message>
</context>
<context>
    <name>PortFailure</name>
    <message>
        <source>no such device %1 (cable unplugged, or the wrong COM port?)</source>
        <translation>Gerät %1 nicht vorhanden (Kabel nicht eingesteckt oder falscher COM-Port?)</translation>
    </message>
    <message>
        <source>permission denied on %1: add your user to the dialout group (sudo adduser $USER dialout) and log in again</source>
        <translation>Zugriff auf %1 verweigert: Fügen Sie Ihren Benutzer der Gruppe dialout hinzu (sudo adduser $USER dialout) und melden Sie sich neu an</translation>
    </message>
    <message>
        <source>permission denied on %1</source>
        <translation>Zugriff auf %1 verweigert</translation>
    </message>
    <message>
        <source>%1 is busy: another program is using it (an open mtz4clone window keeps its port until it closes or COM Port Setup&apos;s OK is pressed)</source>
        <translation>%1 ist belegt: Ein anderes Programm benutzt es (ein offenes mtz4clone-Fenster hält seinen Port, bis es geschlossen oder in COM Port Setup OK gedrückt wird)</translation>
    </message>
    <message>
        <source>%1 vanished during the transfer (cable unplugged?)</source>
        <translation>%1 ist während der Übertragung verschwunden (Kabel abgezogen?)</translation>
    </message>
    <message>
        <source>reading or writing %1 failed (%2)</source>
        <translation>Lesen oder Schreiben von %1 fehlgeschlagen (%2)</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>Print Channel List</source>
        <translation>Kanalliste drucken</translation>
    </message>
    <message>
        <source>Channel list</source>
        <translation>Kanalliste</translation>
    </message>
    <message>
        <source>The channel list could not be printed.</source>
        <translation>Die Kanalliste konnte nicht gedruckt werden.</translation>
    </message>
    <message numerus="yes">
        <source>Channel list printed: %n pages</source>
        <translation>
            <numerusform>Kanalliste gedruckt: %n Seite</numerusform>
            <numerusform>Kanalliste gedruckt: %n Seiten</numerusform>
        </translation>
    </message>
    <message>
        <source>the PDF document could not be made</source>
        <translation>das PDF-Dokument konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation>Fehler beim Öffnen der Datei</translation>
    </message>
    <message>
        <source>Channel list written to %1</source>
        <translation>Kanalliste nach %1 geschrieben</translation>
    </message>
</context>
<context>
    <name>Prompter</name>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Successed!!</source>
        <translation>Erfolgreich!!</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
</context>
<context>
    <name>PropertiesDialog</name>
    <message>
        <source>&amp;Frequency (MHz)</source>
        <translation>&amp;Frequenz (MHz)</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Modus</translation>
    </message>
    <message>
        <source>&amp;Step</source>
        <translation>&amp;Schritt</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Option</translation>
    </message>
    <message>
        <source>&amp;Carrier</source>
        <translation>Trä&amp;ger</translation>
    </message>
    <message>
        <source>Secret &amp;code</source>
        <translation>&amp;Geheimcode</translation>
    </message>
    <message>
        <source>&amp;Tone</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>S&amp;hift</source>
        <translation>Ablage&amp;richtung</translation>
    </message>
    <message>
        <source>Offs&amp;et (MHz)</source>
        <translation>&amp;Ablage (MHz)</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <translation>Über&amp;springen</translation>
    </message>
    <message>
        <source>&amp;Note</source>
        <translation>&amp;Notiz</translation>
    </message>
    <message>
        <source>N&amp;ame</source>
        <translation>Nam&amp;e</translation>
    </message>
    <message numerus="yes">
        <source>Properties of %n entries</source>
        <translation>
            <numerusform>Eigenschaften von %n Eintrag</numerusform>
            <numerusform>Eigenschaften von %n Einträgen</numerusform>
        </translation>
    </message>
    <message>
        <source>A field changed here is set on every selected entry; a blank field differs between them and stays as it is.</source>
        <translation>Ein hier geändertes Feld wird in jeden ausgewählten Eintrag übernommen; ein leeres Feld ist in den Einträgen verschieden und bleibt, wie es ist.</translation>
    </message>
</context>
<context>
    <name>ReadCommand</name>
    <message>
        <source>reading memory entries</source>
        <translation>Speichereinträge werden gelesen</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>the list could not be made</source>
        <translation>die Liste konnte nicht erstellt werden</translation>
    </message>
</context>
<context>
    <name>ReportDialog</name>
    <message>
        <source>Every row (%1):</source>
        <translation>Alle Zeilen (%1):</translation>
    </message>
    <message>
        <source>Every row</source>
        <translation>Alle Zeilen</translation>
    </message>
</context>
<context>
    <name>ResourceText</name>
    <message>
        <source>File(&amp;F)</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Open(&amp;O)...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save As(&amp;A)...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Print Setup(&amp;U)...</source>
        <translation>Druckeinrich&amp;tung...</translation>
    </message>
    <message>
        <source>Exit(&amp;X)...</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Modify(&amp;M)</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>View(&amp;V)</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Tool Bar(&amp;T)</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>Tool(&amp;T)</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>COM Port Setup(&amp;C)</source>
        <translation>&amp;COM-Port einrichten</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Status Bar(&amp;S)</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>Import(&amp;I)...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Export(&amp;E)...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>Read(&amp;R)</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <source>Write(&amp;W)</source>
        <translation>&amp;Schreiben</translation>
    </message>
    <message>
        <source>Settings(&amp;S)</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Memory(&amp;M)</source>
        <translation>&amp;Speicher</translation>
    </message>
    <message>
        <source>ALL(&amp;A)</source>
        <translation>&amp;Alles</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Cut(&amp;T)</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Copy(&amp;C)</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Paste(&amp;P)</source>
        <translation>Ein&amp;fügen</translation>
    </message>
    <message>
        <source>Insert Empty Entry(&amp;I)</source>
        <translation>Leeren Eintrag e&amp;infügen</translation>
    </message>
    <message>
        <source>Delete Entry(&amp;D)</source>
        <translation>Eintrag &amp;löschen</translation>
    </message>
    <message>
        <source>Find(&amp;F)...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Go To(&amp;G)...</source>
        <translation>&amp;Gehe zu...</translation>
    </message>
    <message>
        <source>Hide Empty Entries(&amp;H)</source>
        <translation>&amp;Leere Einträge ausblenden</translation>
    </message>
    <message>
        <source>Sort Bank by Frequency(&amp;Q)</source>
        <translation>Bank nach Frequen&amp;z sortieren</translation>
    </message>
    <message>
        <source>Sort Bank by Name(&amp;N)</source>
        <translation>Bank nach Na&amp;me sortieren</translation>
    </message>
    <message>
        <source>Quick Read(&amp;Q)</source>
        <translation>Sc&amp;hnelles Lesen</translation>
    </message>
    <message>
        <source>Properties(&amp;R)...</source>
        <translation>&amp;Eigenschaften...</translation>
    </message>
    <message>
        <source>Fill Down(&amp;L)</source>
        <translation>Nach &amp;unten füllen</translation>
    </message>
    <message>
        <source>Fill Frequencies(&amp;Y)...</source>
        <translation>Fre&amp;quenzen füllen...</translation>
    </message>
    <message>
        <source>Move Up(&amp;U)</source>
        <translation>Nach &amp;oben verschieben</translation>
    </message>
    <message>
        <source>Move Down(&amp;W)</source>
        <translation>Nach unten versc&amp;hieben</translation>
    </message>
    <message>
        <source>Filter(&amp;F)...</source>
        <translation>&amp;Filter...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Backups...</source>
        <translation>Sic&amp;herungen...</translation>
    </message>
    <message>
        <source>Compare With &amp;File...</source>
        <translation>Mit &amp;Datei vergleichen...</translation>
    </message>
    <message>
        <source>Com&amp;pare With Receiver...</source>
        <translation>Mit &amp;Empfänger vergleichen...</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;Verify After Write</source>
        <translation>Nach dem Schreiben &amp;prüfen</translation>
    </message>
    <message>
        <source> (partly read from the receiver)</source>
        <translation> (teilweise aus dem Empfänger gelesen)</translation>
    </message>
    <message>
        <source>%1 (backup)</source>
        <translation>%1 (Sicherung)</translation>
    </message>
    <message>
        <source>the data are partly from the receiver; Edit &gt; %1 brings back what was there</source>
        <translation>die Daten stammen teilweise aus dem Empfänger; Bearbeiten &gt; %1 holt zurück, was vorher da war</translation>
    </message>
    <message>
        <source> (partly imported: stopped at line %1)</source>
        <translation> (teilweise importiert: bei Zeile %1 angehalten)</translation>
    </message>
    <message>
        <source>the import stopped at %1; the data are partly from %2; Edit &gt; %3 brings back what was there</source>
        <translation>der Import hielt bei %1 an; die Daten stammen teilweise aus %2; Bearbeiten &gt; %3 holt zurück, was vorher da war</translation>
    </message>
    <message>
        <source>Note Code Page(&amp;N)</source>
        <translation>&amp;Zeichensatz der Notizen</translation>
    </message>
    <message>
        <source>Western (Windows-1252)</source>
        <translation>Westeuropäisch (Windows-1252)</translation>
    </message>
    <message>
        <source>Japanese (Shift-JIS, 932)</source>
        <translation>Japanisch (Shift-JIS, 932)</translation>
    </message>
    <message>
        <source>Central European (Windows-1250)</source>
        <translation>Mitteleuropäisch (Windows-1250)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows-1251)</source>
        <translation>Kyrillisch (Windows-1251)</translation>
    </message>
    <message>
        <source>Greek (Windows-1253)</source>
        <translation>Griechisch (Windows-1253)</translation>
    </message>
    <message>
        <source>Turkish (Windows-1254)</source>
        <translation>Türkisch (Windows-1254)</translation>
    </message>
    <message>
        <source>Import Stoc&amp;k List...</source>
        <translation>Mitgelieferte &amp;Liste importieren...</translation>
    </message>
    <message>
        <source>&amp;Detect Model</source>
        <translation>&amp;Modell erkennen</translation>
    </message>
    <message>
        <source>Other serial &amp;device:</source>
        <translation>Anderes serielles &amp;Gerät:</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>USB ID</source>
        <translation>USB-ID</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>nicht vorhanden</translation>
    </message>
    <message>
        <source>New &amp;Window</source>
        <translation>Neues Fenste&amp;r</translation>
    </message>
    <message>
        <source>Open in New Win&amp;dow...</source>
        <translation>In neuem Fenster &amp;öffnen...</translation>
    </message>
    <message>
        <source>&amp;Print Channel List...</source>
        <translation>&amp;Kanalliste drucken...</translation>
    </message>
    <message>
        <source>Export Channel &amp;List as PDF...</source>
        <translation>Kanalliste als &amp;PDF exportieren...</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Open &amp;Sample File</source>
        <translation>Beispiel&amp;datei öffnen</translation>
    </message>
    <message>
        <source>%1 (sample)</source>
        <translation>%1 (Beispiel)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>S&amp;prache</translation>
    </message>
</context>
<context>
    <name>SerialPortList</name>
    <message>
        <source>serial %1</source>
        <translation>Seriennummer %1</translation>
    </message>
</context>
<context>
    <name>SettingControls</name>
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
        <translation>%1 Sek.</translation>
    </message>
    <message>
        <source>%1-SEC</source>
        <translation>%1 Sek.</translation>
    </message>
    <message>
        <source>%1 hrs.</source>
        <translation>%1 Std.</translation>
    </message>
    <message>
        <source>Squelch level</source>
        <translation>Rauschsperre</translation>
    </message>
    <message>
        <source>The receiver&apos;s squelch level, 0 to 9: the higher it is, the stronger a signal must be to be heard.</source>
        <translation>Die Rauschsperre des Empfängers, 0 bis 9: Je höher, desto stärker muss ein Signal sein, um gehört zu werden.</translation>
    </message>
    <message>
        <source>AF volume level</source>
        <translation>NF-Lautstärke</translation>
    </message>
    <message>
        <source>The receiver&apos;s audio volume, 0 to 30.</source>
        <translation>Die Lautstärke des Empfängers, 0 bis 30.</translation>
    </message>
    <message>
        <source>Operating Mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>VFO</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Festsender</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>The receiver&apos;s operating mode: tuning with the VFO, the preset frequencies, or the memory channels.</source>
        <translation>Die Betriebsart des Empfängers: Abstimmen mit dem VFO, die Festsenderfrequenzen oder die Speicherkanäle.</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Beleuchtung</translation>
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
        <source>The display lamp: OFF, 5sec (lit for five seconds after a key press), ON (always lit) or ALL OFF.</source>
        <translation>Die Displaybeleuchtung: OFF, 5sec (fünf Sekunden nach einem Tastendruck an), ON (immer an) oder ALL OFF.</translation>
    </message>
    <message>
        <source>MONI key</source>
        <translation>MONI-Taste</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Mithören</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>What the MONI key does: Monitor opens the squelch to listen, Mute silences the audio.</source>
        <translation>Was die MONI-Taste tut: Mithören öffnet die Rauschsperre, Stumm schaltet den Ton ab.</translation>
    </message>
    <message>
        <source>MONI key Function</source>
        <translation>MONI-Tastenfunktion</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Rasten</translation>
    </message>
    <message>
        <source>How the MONI key acts: only while it is held down (Push), or on and off with each press (Hold).</source>
        <translation>Wie die MONI-Taste wirkt: nur solange sie gedrückt ist (Tasten) oder ein und aus mit jedem Druck (Rasten).</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>Tastensperre</translation>
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
        <source>The kind of key lock: NON, QUICK or NORMAL.</source>
        <translation>Die Art der Tastensperre: NON, QUICK oder NORMAL.</translation>
    </message>
    <message>
        <source>Auto Power Off</source>
        <translation>Auto-Abschaltung</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Switches the receiver off after 30, 60 or 90 minutes without a key press, or never (Off).</source>
        <translation>Schaltet den Empfänger nach 30, 60 oder 90 Minuten ohne Tastendruck ab, oder nie (Aus).</translation>
    </message>
    <message>
        <source>Rec. Rate</source>
        <translation>Aufnahmequalität</translation>
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
        <source>The quality of the receiver&apos;s recordings: LONG, NORMAL, CLEAR or HIGH-Q (MT-Z4J only).</source>
        <translation>Die Qualität der Aufnahmen des Empfängers: LONG, NORMAL, CLEAR oder HIGH-Q (nur MT-Z4J).</translation>
    </message>
    <message>
        <source>Bug Sensitive Level</source>
        <translation>Bug-Empfindlichkeit</translation>
    </message>
    <message>
        <source>The sensitivity level of the bug function, 1 to 5 (MT-Z4J only).</source>
        <translation>Die Empfindlichkeit der Bug-Funktion (Wanzensuche), 1 bis 5 (nur MT-Z4J).</translation>
    </message>
    <message>
        <source>VFO Scan Speed</source>
        <translation>VFO-Suchlauftempo</translation>
    </message>
    <message>
        <source>The speed of a VFO scan, 1 to 5.</source>
        <translation>Das Tempo eines VFO-Suchlaufs, 1 bis 5.</translation>
    </message>
    <message>
        <source>Memory Scan Speed</source>
        <translation>Speicher-Suchlauftempo</translation>
    </message>
    <message>
        <source>The speed of a memory scan, 1 to 5.</source>
        <translation>Das Tempo eines Speichersuchlaufs, 1 bis 5.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Suchlauf</translation>
    </message>
    <message>
        <source>How long a scan stays on a signal: BUSY (as long as the signal lasts) or 1 to 25 seconds.</source>
        <translation>Wie lange ein Suchlauf auf einem Signal bleibt: BUSY (solange das Signal dauert) oder 1 bis 25 Sekunden.</translation>
    </message>
    <message>
        <source>Charge Time</source>
        <translation>Ladezeit</translation>
    </message>
    <message>
        <source>How long the receiver charges its battery, 1 to 24 hours.</source>
        <translation>Wie lange der Empfänger seinen Akku lädt, 1 bis 24 Stunden.</translation>
    </message>
    <message>
        <source>Set Mode</source>
        <translation>Set-Modus</translation>
    </message>
    <message>
        <source>When the receiver leaves set mode by itself: after 5 to 25 seconds, or never (MANUAL).</source>
        <translation>Wann der Empfänger den Set-Modus von selbst verlässt: nach 5 bis 25 Sekunden oder nie (MANUAL).</translation>
    </message>
    <message>
        <source>Wild Key</source>
        <translation>Wild-Taste</translation>
    </message>
    <message>
        <source>The setting that the wild key calls up directly.</source>
        <translation>Die Einstellung, die die Wild-Taste direkt aufruft.</translation>
    </message>
    <message>
        <source>Remote Controller A</source>
        <translation>Fernbedienung A</translation>
    </message>
    <message>
        <source>The function of key A of the remote controller.</source>
        <translation>Die Funktion der Taste A der Fernbedienung.</translation>
    </message>
    <message>
        <source>Remote Controller B</source>
        <translation>Fernbedienung B</translation>
    </message>
    <message>
        <source>The function of key B of the remote controller.</source>
        <translation>Die Funktion der Taste B der Fernbedienung.</translation>
    </message>
    <message>
        <source>Remote Controller C</source>
        <translation>Fernbedienung C</translation>
    </message>
    <message>
        <source>The function of key C of the remote controller.</source>
        <translation>Die Funktion der Taste C der Fernbedienung.</translation>
    </message>
    <message>
        <source>Remote Controller D</source>
        <translation>Fernbedienung D</translation>
    </message>
    <message>
        <source>The function of key D of the remote controller.</source>
        <translation>Die Funktion der Taste D der Fernbedienung.</translation>
    </message>
    <message>
        <source>Time Pr</source>
        <translation>Zeit Pr</translation>
    </message>
    <message>
        <source>The priority time (Pr): BUSY or 1 to 25 seconds.</source>
        <translation>Die Prioritätszeit (Pr): BUSY oder 1 bis 25 Sekunden.</translation>
    </message>
    <message>
        <source>Time Sp</source>
        <translation>Zeit Sp</translation>
    </message>
    <message>
        <source>The time Sp: 5 to 60 seconds.</source>
        <translation>Die Zeit Sp: 5 bis 60 Sekunden.</translation>
    </message>
    <message>
        <source>Antenna</source>
        <translation>Antenne</translation>
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
        <source>The antenna the receiver uses: the one on its SMA socket, or the earphone cord (EAR).</source>
        <translation>Die Antenne des Empfängers: die an der SMA-Buchse oder das Ohrhörerkabel (EAR).</translation>
    </message>
    <message>
        <source>Scan TYPE</source>
        <translation>Suchlauf-Art</translation>
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
        <source>Whether a scan passes over the entries marked to skip (SKIP) or stops on them as well (No SKIP).</source>
        <translation>Ob ein Suchlauf die zum Überspringen markierten Einträge auslässt (SKIP) oder auch auf ihnen hält (No SKIP).</translation>
    </message>
    <message>
        <source>Band Transition</source>
        <translation>Bandwechsel</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Umlauf</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Tuning past the end of a band goes back to the band&apos;s start (Rotate) or on into the next band (Across).</source>
        <translation>Abstimmen über das Bandende hinaus führt zum Anfang des Bandes zurück (Umlauf) oder weiter ins nächste Band (Weiter).</translation>
    </message>
    <message>
        <source>Lock BUG</source>
        <translation>Bug-Sperre</translation>
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
        <source>Lock BUG: ENABLE or DISABLE (MT-Z4J only).</source>
        <translation>Bug-Sperre: ENABLE oder DISABLE (nur MT-Z4J).</translation>
    </message>
    <message>
        <source>Bug Type</source>
        <translation>Bug-Art</translation>
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
        <source>The bug type: SILENT or SOUND (MT-Z4J only).</source>
        <translation>Die Bug-Art: SILENT oder SOUND (nur MT-Z4J).</translation>
    </message>
    <message>
        <source>AF Tone</source>
        <translation>Klangfarbe</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Tief</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>The tone of the audio: Low (more bass) or High (more treble).</source>
        <translation>Die Klangfarbe des Tons: Tief (mehr Bass) oder Hoch (mehr Höhen).</translation>
    </message>
    <message>
        <source>Attenuator</source>
        <translation>Abschwächer</translation>
    </message>
    <message>
        <source>Switches on the attenuator, which weakens strong signals at the receiver&apos;s input.</source>
        <translation>Schaltet den Abschwächer ein, der starke Signale am Eingang des Empfängers dämpft.</translation>
    </message>
    <message>
        <source>Auto Step</source>
        <translation>Auto-Raster</translation>
    </message>
    <message>
        <source>Lets the receiver choose the tuning step of each band by itself.</source>
        <translation>Lässt den Empfänger das Abstimmraster jedes Bandes selbst wählen.</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Tastenton</translation>
    </message>
    <message>
        <source>Sounds a beep at each key press.</source>
        <translation>Gibt bei jedem Tastendruck einen Ton aus.</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>The bell: on or off.</source>
        <translation>Die Glocke: ein oder aus.</translation>
    </message>
    <message>
        <source>Auto Wave</source>
        <translation>Auto Wave</translation>
    </message>
    <message>
        <source>Auto Wave: on or off.</source>
        <translation>Auto Wave: ein oder aus.</translation>
    </message>
    <message>
        <source>AM bar antenna</source>
        <translation>AM-Ferritantenne</translation>
    </message>
    <message>
        <source>Receives AM broadcasts with the built-in bar antenna.</source>
        <translation>Empfängt AM-Rundfunk mit der eingebauten Ferritantenne.</translation>
    </message>
    <message>
        <source>Battery Save</source>
        <translation>Batteriesparen</translation>
    </message>
    <message>
        <source>Saves battery power while no signal is received.</source>
        <translation>Spart Akkustrom, solange kein Signal empfangen wird.</translation>
    </message>
    <message>
        <source>SW bar antenna</source>
        <translation>KW-Ferritantenne</translation>
    </message>
    <message>
        <source>Receives short wave with the built-in bar antenna.</source>
        <translation>Empfängt Kurzwelle mit der eingebauten Ferritantenne.</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Lets the receiver charge its battery, for the time under Charge Time.</source>
        <translation>Lässt den Empfänger seinen Akku laden, für die unter Ladezeit eingestellte Zeit.</translation>
    </message>
</context>
<context>
    <name>Settings1Page</name>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>The receiver&apos;s model: it decides the bands, the options and the defaults, and choosing another starts from its factory data.</source>
        <translation>Das Modell des Empfängers: Es bestimmt die Bänder, die Optionen und die Voreinstellungen; ein anderes Modell beginnt mit seinen Werksdaten.</translation>
    </message>
    <message>
        <source>The VFO record of each band: the frequency, mode and step the receiver&apos;s VFO holds there; double-click a band to edit it, or edit a cell in place (F2 or Enter).</source>
        <translation>Die VFO-Daten jedes Bandes: Frequenz, Modulationsart und Schritt, die der VFO des Empfängers dort hält; ein Doppelklick auf ein Band bearbeitet es, eine Zelle lässt sich auch direkt bearbeiten (F2 oder Eingabe).</translation>
    </message>
</context>
<context>
    <name>SettingsButtons</name>
    <message>
        <source>Read Settings</source>
        <translation>Einstellungen lesen</translation>
    </message>
    <message>
        <source>Write Settings</source>
        <translation>Einstellungen schreiben</translation>
    </message>
    <message>
        <source>Reads the settings and the band VFO records from the receiver.</source>
        <translation>Liest die Einstellungen und die VFO-Daten der Bänder aus dem Empfänger.</translation>
    </message>
    <message>
        <source>Writes the settings and the band VFO records to the receiver.</source>
        <translation>Schreibt die Einstellungen und die VFO-Daten der Bänder in den Empfänger.</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>%1 is not a file (a folder, a device or a pipe): the settings are neither read nor stored</source>
        <translation>%1 ist keine Datei (ein Ordner, ein Gerät oder eine Pipe): die Einstellungen werden weder gelesen noch gespeichert</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Version %1  —  starting…</source>
        <translation>Version %1  —  wird gestartet…</translation>
    </message>
</context>
<context>
    <name>StockListDialog</name>
    <message>
        <source>Import Stock List</source>
        <translation>Mitgelieferte Liste importieren</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation>Zweck</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>%1 (%2): %3
Source: %4</source>
        <translation>%1 (%2): %3
Quelle: %4</translation>
    </message>
</context>
<context>
    <name>SystemSerialPort</name>
    <message>
        <source>no device for this port</source>
        <translation>kein Gerät für diesen Port</translation>
    </message>
    <message>
        <source>command longer than the output buffer</source>
        <translation>Befehl länger als der Ausgabepuffer</translation>
    </message>
</context>
<context>
    <name>TextFileEncoding</name>
    <message>
        <source>The file begins with a UTF-8 byte-order mark, but what follows is no UTF-8: it was read in the note code page %1.</source>
        <translation>Die Datei beginnt mit einer UTF-8-Bytereihenfolgemarke, doch was folgt, ist kein UTF-8: sie wurde in der Notiz-Codepage %1 gelesen.</translation>
    </message>
</context>
<context>
    <name>TextFit</name>
    <message>
        <source>TAB → space</source>
        <translation>TAB → Leerzeichen</translation>
    </message>
    <message>
        <source>line break → space</source>
        <translation>Zeilenumbruch → Leerzeichen</translation>
    </message>
    <message>
        <source>cut to %1 characters</source>
        <translation>auf %1 Zeichen gekürzt</translation>
    </message>
</context>
<context>
    <name>TrafficTrace</name>
    <message>
        <source>the serial trace was not kept: %1</source>
        <translation>das Protokoll der seriellen Übertragung wurde nicht gespeichert: %1</translation>
    </message>
</context>
<context>
    <name>TransferStatus</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source> on %1</source>
        <translation> an %1</translation>
    </message>
    <message>
        <source>%1: reading from the receiver%2...</source>
        <translation>%1: Lesen aus dem Empfänger%2...</translation>
    </message>
    <message>
        <source>%1: writing to the receiver%2...</source>
        <translation>%1: Schreiben in den Empfänger%2...</translation>
    </message>
    <message>
        <source>Reading memory entries: %1 of %2%3</source>
        <translation>Speichereinträge werden gelesen: %1 von %2%3</translation>
    </message>
    <message>
        <source>Writing memory entries: %1 of %2%3</source>
        <translation>Speichereinträge werden geschrieben: %1 von %2%3</translation>
    </message>
    <message>
        <source>, about %1 s left</source>
        <translation>, noch etwa %1 s</translation>
    </message>
    <message>
        <source>%1: cancelled after %2; what was read before stays</source>
        <translation>%1: nach %2 abgebrochen; was bis dahin gelesen wurde, bleibt</translation>
    </message>
    <message>
        <source>%1: done in %2%3</source>
        <translation>%1: fertig in %2%3</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1: %2 (%3, after %4%5)</source>
        <translation>%1: %2 (%3, nach %4%5)</translation>
    </message>
    <message>
        <source>%1: ended after %2%4 (%3)</source>
        <translation>%1: beendet nach %2%4 (%3)</translation>
    </message>
</context>
<context>
    <name>VerifyWrite</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weitere</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>The receiver holds something else than was written (written -&gt; read back):</source>
        <translation>Der Empfänger enthält etwas anderes als geschrieben wurde (geschrieben -&gt; zurückgelesen):</translation>
    </message>
</context>
<context>
    <name>VfoGrid</name>
    <message>
        <source>VFO records of the bands</source>
        <translation>VFO-Daten der Bänder</translation>
    </message>
</context>
<context>
    <name>WindowPlacement</name>
    <message>
        <source>the settings were not stored: %1</source>
        <translation>die Einstellungen wurden nicht gespeichert: %1</translation>
    </message>
</context>
<context>
    <name>WriteCommand</name>
    <message>
        <source>writing memory entries</source>
        <translation>Speichereinträge werden geschrieben</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Überprüft</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Try &quot;mtz4ctl --help&quot; or &quot;mtz4ctl SUBCOMMAND --help&quot;.</source>
        <translation>Siehe &quot;mtz4ctl --help&quot; oder &quot;mtz4ctl UNTERBEFEHL --help&quot;.</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>nicht genug Arbeitsspeicher</translation>
    </message>
</context>
</TS>
