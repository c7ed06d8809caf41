<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mtz4clone version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clone utility for the MT-Z4J, MT-Z40E, MT-Z40T and MT-Z40K receivers.

Reads the receiver&apos;s memory over a serial cable, edits the 1000 memory
channels in 50 banks, the Program Scan, Search Pass and Priority lists,
the band VFO records, the scan groups and the set-mode settings, writes
them back, and keeps them in clone files (.MZ4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Built with Qt %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>the folder cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackupsDialog</name>
    <message>
        <source>Backups kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>before %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>after %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Occasion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept in %1 (the newest %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BankGrowth</name>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 channels that belonged to no bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bank %1 (%2; %3 left)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the free channels at the end of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank %1 grew from %2 to %3 channels, taking %4.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BankPage</name>
    <message>
        <source>Bank %1 size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a bank holds at most 1000 channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank %1 Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Bank %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BankSizeEdit</name>
    <message>
        <source>The total of the number of channels exceeds 1000.<byte value="xd"/>
Please set for the total of the channel to become 1000 or less.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CableFinderDialog</name>
    <message>
        <source>Find the cable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unplug the receiver&apos;s cable from the computer, then plug it in again.

The serial ports are being watched: the one that appears is the cable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CellEdits</name>
    <message>
        <source>no edits while the receiver is read or written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 has no band %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 keeps nothing in this column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChannelList</name>
    <message>
        <source>(no file)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beyond the banks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone/Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChannelListHtml</name>
    <message>
        <source>Channel list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No entry is in use.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChannelListPages</name>
    <message>
        <source>Channel list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No entry is in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (continued)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChirpCsv</name>
    <message>
        <source>%1: the Train option with carrier %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the Secret option with code %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHIRP&apos;s CSV has no field for what follows; the file was written without it:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name &quot;%1&quot; as in row %2 once cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no channel number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>beyond the 1000 memory channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location %1 again in row %2, which is taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n Program Scan, Search Pass and Priority entries in use: CHIRP&apos;s CSV holds memory channels only</source>
        <translation>
            <numerusform>%n Program Scan, Search Pass or Priority entry in use: CHIRP&apos;s CSV holds memory channels only</numerusform>
            <numerusform>%n Program Scan, Search Pass and Priority entries in use: CHIRP&apos;s CSV holds memory channels only</numerusform>
        </translation>
    </message>
    <message>
        <source>row %1 (Location %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1 (Location %2): </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChirpRecord</name>
    <message>
        <source>the frequency &quot;%1&quot; is no number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a frequency outside 0.1 .. 1299.995 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the mode %1, which the receiver does not have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mode Auto: the band&apos;s %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the offset &quot;%1&quot; is no number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>duplex split to %1 MHz: %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>duplex split to %1 MHz, which no shift of less than 100 MHz reaches: no shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>duplex %1, which the receiver does not have: no shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an offset outside 0 .. 99.999999 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tone %1 Hz is not in the tone list: squelch left off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tone mode %1, which the receiver does not have: squelch left off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>step %1 kHz is not in the step list: the band&apos;s %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>comment</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliArguments</name>
    <message>
        <source>option %1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the two clone files to compare (A.MZ4 B.MZ4) are required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the clone file (IN.MZ4) is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-o LIST.pdf or -o LIST.html is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the clone file (IN.MZ4) and the CSV file to write (OUT.csv) are required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--stock NAME and IN.csv exclude each other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--stock NAME takes no --format and no --map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the clone file (BASE.MZ4) and the CSV file to import (IN.csv) are required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--into, --at and --free exclude each other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-o OUT.MZ4 is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--device PATH or --port N is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--device and --port exclude each other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--model MODEL is required (MT-Z4J, MT-Z40E, MT-Z40T or MT-Z40K)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--settings, --memory and --all exclude each other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--quick reads the memory; it does not go with --settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--verify reads back the memory; it does not go with --settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the clone file to write (IN.MZ4) is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no subcommand given (read, write or new)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown subcommand &quot;%1&quot; (read, write or new)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown model &quot;%1&quot; (MT-Z4J, MT-Z40E, MT-Z40T or MT-Z40K)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--port takes a number from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot; (csv, chirp or columns)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot; (csv or chirp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--into takes a bank number from 0 to 49</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown code page &quot;%1&quot; (%2, or the number: 1252, 932 ...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  --trace FILE      write every command and reply on the line to FILE, with
                    the time, the direction and the outcome of each exchange;
                    FILE is replaced when the command ends, and left as it was
                    when the trace cannot be written (exit status 1)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  --model MODEL     the receiver model: MT-Z4J, MT-Z40E, MT-Z40T or MT-Z40K
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Region Error&quot; means the receiver did not accept MODEL: &quot;mtz4ctl identify&quot;
finds its model.
</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: mtz4ctl read (--device PATH | --port N) --model MODEL
                    [--settings | --memory | --all] [--quick]
                    [--base IN.MZ4] [--code-page NAME] -o OUT.MZ4
Clone read: copies the receiver&apos;s memory into a clone file.

</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
OUT.MZ4 is written only after a complete read: a failed read leaves no file
(and an existing OUT.MZ4 untouched). The receiver stays in clone mode.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit status: 0 success, 1 the read or a file failed, 2 bad command line.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: mtz4ctl write (--device PATH | --port N) --model MODEL
                     [--settings | --memory | --all] [--verify]
                     [--code-page NAME] IN.MZ4
Clone write: copies a clone file into the receiver.

</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
The bank sizes must add up to 1000 channels unless the receiver is already
in clone mode.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit status: 0 success, 1 the write or the file failed, 2 bad command line.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: mtz4ctl new --model MODEL [--code-page NAME] -o OUT.MZ4
Writes the factory data of a receiver model as a clone file.

  --model MODEL     MT-Z4J, MT-Z40E, MT-Z40T or MT-Z40K
  -o, --output OUT.MZ4  the clone file to write
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Exit status: 0 success, 1 the file could not be written, 2 bad command line.
</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Exit status: 0 the two hold the same data, 1 they differ, 2 bad command line or
a file that cannot be loaded.
</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
An existing OUT.csv is replaced only once the new one is complete.
Exit status: 0 success, 1 a file failed, 2 bad command line.
</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Exit status: 0 a model was accepted, 1 none was (the receiver refused them
all, did not answer, or the port failed), 2 bad command line.
</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
An existing output file is replaced only once the new one is complete.
Exit status: 0 success, 1 a file failed, 2 bad command line.
</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CloneCommands</name>
    <message>
        <source>The receiver did not accept the model %1.<byte value="xd"/>
<byte value="xd"/>
Find the receiver&apos;s model now? The model found is selected, keeping these channels, and %2 runs again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read ALL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write ALL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no backup: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare With Receiver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the receiver</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CloneFile</name>
    <message>
        <source>%1 was not written: with its notes it would come to %2 MiB, and a clone file above %3 MiB cannot be opened again; shorten the longest notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>settings line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VFO record of band %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>memory entry %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>enable bits %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bank sizes %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>group membership</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>the file ends after %n lines; a clone file has %1</source>
        <translation>
            <numerusform>the file ends after %n line; a clone file has %1</numerusform>
            <numerusform>the file ends after %n lines; a clone file has %1</numerusform>
        </translation>
    </message>
    <message>
        <source>line 1 is not the clone file header &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 is not the clone file trailer &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds characters other than hex digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: not enough memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is gone: it was moved or removed since it was opened or saved; use Save As to write it again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved; use Save As to replace it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large for a clone file (%2 MiB; a clone file is far below %3 MiB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read %1: not enough memory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CloneFileDialogs</name>
    <message>
        <source>CSV Files, UTF-8 (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Files with a Header Row (*.csv *.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orlenk MT-Z4 Clone Files (*.MZ4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHIRP CSV Files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CloneFileInput</name>
    <message>
        <source>no --model given: %1 used</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CloneMessages</name>
    <message>
        <source>Successed!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Failed...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Failed...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Region Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM Port Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total CH must be 1000</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CloneWrite</name>
    <message>
        <source>row %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rows %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n memory entries</source>
        <translation>
            <numerusform>%n memory entry</numerusform>
            <numerusform>%n memory entries</numerusform>
        </translation>
    </message>
    <message>
        <source>Not written: %1 beyond the last bank (%2 of the memory list). The bank sizes add up to less than 1000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CodePage</name>
    <message>
        <source>Western (Windows-1252)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese (Shift-JIS, 932)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central European (Windows-1250)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyrillic (Windows-1251)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greek (Windows-1253)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turkish (Windows-1254)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CodePageHint</name>
    <message>
        <source>Notes unreadable? Try %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColumnFields</name>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone (CTCSS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset / Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(not imported)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColumnsCsv</name>
    <message>
        <source>the offset &quot;%1&quot; is no number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columns not imported: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such list &quot;%1&quot; (Memory, Program Scan, Search Pass, Priority)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the frequency &quot;%1&quot; is no number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mode Auto: the band&apos;s %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the mode %1, which the receiver does not have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>step %1 kHz is not in the step list: the band&apos;s %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tone %1 is not in the tone list: squelch left off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the import takes Priority entries 0 to 9 only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no row %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>given again in row %1, which is taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--map takes COLUMN=FIELD, FIELD one of %1: &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>--map %1: the file has no column &quot;%2&quot; (%n columns)</source>
        <translation>
            <numerusform>--map %1: the file has no column &quot;%2&quot; (%n column)</numerusform>
            <numerusform>--map %1: the file has no column &quot;%2&quot; (%n columns)</numerusform>
        </translation>
    </message>
    <message>
        <source>row %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n lines above the header passed over</source>
        <translation>
            <numerusform>%n line above the header passed over</numerusform>
            <numerusform>%n lines above the header passed over</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ComPortDialog</name>
    <message>
        <source>Find the cable...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial ports of this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM Port Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>present</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Differences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare With %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data set and %1 hold the same data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n differences between the data set (This) and %1 (Other):</source>
        <translation>
            <numerusform>1 difference between the data set (This) and %1 (Other):</numerusform>
            <numerusform>%n differences between the data set (This) and %1 (Other):</numerusform>
        </translation>
    </message>
    <message>
        <source>Where</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CsvCommands</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no stock list &quot;%1&quot; (&quot;mtz4ctl stock&quot; lists them)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no row %2 (a row label: 03-012, 12A, S5, Pr3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: columns named in line %2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--map is for a file whose first row names its columns; %1 is %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--map COLUMN=frequency names it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Nothing was written: give --replace to replace them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No stock lists are installed with this copy of the program.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>%1: note bytes %2 read as no character in the note code page: UTF-8 cannot hold them, a file in the code page does</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The UTF-8 file has no room for what follows; it was written without it:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CsvFormat</name>
    <message>
        <source>The file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>semicolons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TABs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>commas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the program&apos;s own CSV (lines that begin with &quot;MT-Z4&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHIRP&apos;s CSV (a first line naming Location and Frequency)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a CSV file whose first row names its columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>neither the program&apos;s own CSV (lines that begin with &quot;MT-Z4&quot;) nor CHIRP&apos;s (a first line naming Location and Frequency) nor one whose first row names its columns (Frequency, Mode, Name ...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Its first line reads &quot;%1&quot; (%n fields separated by %2).</source>
        <translation>
            <numerusform>Its first line reads &quot;%1&quot; (%n field separated by %2).</numerusform>
            <numerusform>Its first line reads &quot;%1&quot; (%n fields separated by %2).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CsvMerge</name>
    <message>
        <source>given again in %1, which is taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an unknown section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no &quot;MT-Z4&quot; field: not a line of the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no CHANNEL field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such band (0 to 13)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such memory channel (0 to 999)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such Program Scan entry (P0A to P49B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such Search Pass entry (0 to 99)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the import takes Priority lines 0 to 9 only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too few fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such bank (0 to 49)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a bank size outside 0 to 1000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such group box (0 to 549)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>group row 0 is never shown and stays clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 (%2 %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n lines without a frequency passed over: their entries and bands keep what they held</source>
        <translation>
            <numerusform>%n line without a frequency passed over: its entry or band keeps what it held</numerusform>
            <numerusform>%n lines without a frequency passed over: their entries and bands keep what they held</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines of VFO bands the %1 lacks passed over</source>
        <translation>
            <numerusform>%n line of a VFO band the %1 lacks passed over</numerusform>
            <numerusform>%n lines of VFO bands the %1 lacks passed over</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n VFO, bank size and group lines left out: an import to a destination takes the entries only</source>
        <translation>
            <numerusform>%n VFO, bank size or group line left out: an import to a destination takes the entries only</numerusform>
            <numerusform>%n VFO, bank size and group lines left out: an import to a destination takes the entries only</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CsvRecord</name>
    <message>
        <source>more fields than its columns: a decimal comma outside quotes (145,5) splits a number in two; quote the field or save the file with semicolons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too few fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the frequency &quot;%1&quot; is no number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a frequency outside 0.1 .. 1299.995 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an unknown mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an unknown step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the offset &quot;%1&quot; is no number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an offset outside 0 .. 99.999999 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is no truth value: read as #FALSE#</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DetectModel</name>
    <message>
        <source>Detect Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; choose the receiver&apos;s model on Settings 1, or find it with Tool &gt; Detect Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the receiver accepted %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditDialog</name>
    <message>
        <source>Modify Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulation Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuning Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Train</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carrier frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secret code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify VFO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify Band %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EntryClipboard</name>
    <message>
        <source>beyond the end of the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EntryPlacement</name>
    <message>
        <source>no free Program Scan pair left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no free Search Pass entry left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no free Priority entry left (0 to 9)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no free memory channel left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>beyond the end of the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no room left: bank %1 is full, and no other bank has a free channel at its end</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FieldCommands</name>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing to copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill Frequencies</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: select at least %n rows</source>
        <translation>
            <numerusform>%1: select at least %n row</numerusform>
            <numerusform>%1: select at least %n rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 of %n entries changed, %3 refused</source>
        <translation>
            <numerusform>%1: %2 of %n entry changed, %3 refused</numerusform>
            <numerusform>%1: %2 of %n entries changed, %3 refused</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Edit %n entries</source>
        <translation>
            <numerusform>Edit %n entry</numerusform>
            <numerusform>Edit %n entries</numerusform>
        </translation>
    </message>
    <message>
        <source>Fill Down %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FieldEdit</name>
    <message>
        <source>a name the receiver cannot show (at most 6 characters, letters, digits and signs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the entry has no frequency: give it one first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a step band %1 does not take</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>cannot write %1: it is a device or a pipe, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the output %1 is the same file as %2, which is read: choose another file for the output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: the folder %2 does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2 is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open %1: there is no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open %1: it is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open %1: it is a device or a pipe, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>No stock lists are installed with this copy of the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to go on?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Compare...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the data before the import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to settings?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 no longer exists; it is taken off the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileDrop</name>
    <message>
        <source>drop one file at a time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 not opened: the receiver is being read or written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 not opened: only clone files (.MZ4) and CSV files (.csv) can be dropped here</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileImport</name>
    <message>
        <source>%1 is %2: nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 looks like %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No line of %1 could be imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No column of %1 holds the frequency.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rows of %1 have no numbers to go by (a Location or Memory column): choose where they go.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bank %1 from %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bank sizes add up to %1, not 1000: a save cuts %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The import replaces %n entries in use.</source>
        <translation>
            <numerusform>The import replaces %n entry in use.</numerusform>
            <numerusform>The import replaces %n entries in use.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The bank sizes add up to %1, not 1000: %n channels belong to no bank.</source>
        <translation>
            <numerusform>The bank sizes add up to %1, not 1000: %n channel belongs to no bank.</numerusform>
            <numerusform>The bank sizes add up to %1, not 1000: %n channels belong to no bank.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FillFrequenciesDialog</name>
    <message>
        <source>Fill Frequencies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start frequency (MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tep (kHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last row</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterBar</name>
    <message>
        <source>Fi&amp;lter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>118-137, FM, tower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows only the rows that match every word: a frequency range in MHz (118-137), a mode (FM, AM, WFM), or a text of the name or note. Write and Save still take every entry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 rows shown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Close the find bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frequency, name or note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrequencyChecks</name>
    <message>
        <source>an offset outside 0 .. 99.999999 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was not taken: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a frequency of the cellular phone.<byte value="xd"/>
It is not possible to set it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency of the cellular phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The same frequency as other channels cannot be set in Search Pass bank.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GridLayout</name>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ShiftFreq.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scr</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GroupMatrix</name>
    <message>
        <source>%1, bank %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BANK %1 - %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpCommands</name>
    <message>
        <source>The user guide is not installed with this copy of the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No web browser could be started to show the user guide; it is the file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sample file is not installed with this copy of the program.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>User Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search the guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open in Web Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IdentifyCommand</name>
    <message>
        <source>the receiver did not answer (is it switched on, and the cable in the right port?)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportComparison</name>
    <message>
        <source>Changes to entries in use before: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportDestination</name>
    <message>
        <source>into bank %1 from its first channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from row %1 on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>into the free entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as numbered in the file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportDestinationBox</name>
    <message>
        <source>Where the rows go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;As numbered in the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Into &amp;bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from its first channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From the &amp;selected row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From the &amp;selected row (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Into the &amp;free entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bank too small for the rows grows into the free channels at the end of the other banks. Program Scan, Search Pass and Priority rows keep their own lists.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>semicolons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TABs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>commas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2; its fields are separated by %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What each column holds, as its header says; choose another field where it is wrong. The first rows of the file are below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the column that holds the frequency.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportProgressDialog</name>
    <message>
        <source>Importing %1 ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportReport</name>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n entries and bands kept, %1 skipped</source>
        <translation>
            <numerusform>%n entry or band kept, %1 skipped</numerusform>
            <numerusform>%n entries and bands kept, %1 skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines pasted, %1 skipped</source>
        <translation>
            <numerusform>%n line pasted, %1 skipped</numerusform>
            <numerusform>%n lines pasted, %1 skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows pasted, %1 skipped</source>
        <translation>
            <numerusform>%n row pasted, %1 skipped</numerusform>
            <numerusform>%n rows pasted, %1 skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines imported, %1 skipped</source>
        <translation>
            <numerusform>%n line imported, %1 skipped</numerusform>
            <numerusform>%n lines imported, %1 skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows imported, %1 skipped</source>
        <translation>
            <numerusform>%n row imported, %1 skipped</numerusform>
            <numerusform>%n rows imported, %1 skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stopped at %1; the %n lines after it were not read</source>
        <translation>
            <numerusform>stopped at %1; the %n line after it was not read</numerusform>
            <numerusform>stopped at %1; the %n lines after it were not read</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows changed to fit:</source>
        <translation>
            <numerusform>%n row changed to fit:</numerusform>
            <numerusform>%n rows changed to fit:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>%1 is a device or a pipe, not a file: COM 1 is used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InputFilters</name>
    <message>
        <source>A name holds only the letters, digits and signs the receiver shows (ASCII): &quot;%1&quot; is not one of them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The note code page %1 has no character &quot;%2&quot;: the note cannot hold it (Tool &gt; Note Code Page chooses another)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>System (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program shows %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program will show %1 from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinkSetup</name>
    <message>
        <source>: name its model with --model, or find it with &quot;mtz4ctl identify&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>port: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListPosition</name>
    <message>
        <source>Bank %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Ch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priority</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>Tool Bar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>%1 is used for this run, as %2 says, instead of %3 chosen in COM Port Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM %1 was not stored for the next start: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seach Pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The write to the receiver goes on; the program closes when it has ended.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MemoryCommands</name>
    <message numerus="yes">
        <source>%n Entries</source>
        <translation>
            <numerusform>%n Entry</numerusform>
            <numerusform>%n Entries</numerusform>
        </translation>
    </message>
    <message>
        <source>Priority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The paste replaces %n entries in use.<byte value="xd"/>
Do you want to go on?</source>
        <translation>
            <numerusform>The paste replaces %n entry in use.<byte value="xd"/>
Do you want to go on?</numerusform>
            <numerusform>The paste replaces %n entries in use.<byte value="xd"/>
Do you want to go on?</numerusform>
        </translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last entry of this list is in use: there is no room to insert an empty entry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Empty Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This row belongs to no bank.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete entry %1?<byte value="xd"/>
The entries after it in its list move up by one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort %1 by %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no row labelled &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row label (for example 03-012, 12A, S5 or Pr3):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MemoryGrid</name>
    <message>
        <source>Memory channels</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MemoryPage</name>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stops the read after the block in progress (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLEAR OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure that you want to do the clear?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure that you want to clear all memory?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModelCommands</name>
    <message>
        <source>Keep these channels: the data stay, checked against the rules of %1; what does not fit is reported, and Undo brings it back. Factory data: the data start afresh from the factory data of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep these channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factory data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select %1 for %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The receiver accepted the model %1, the one selected on Settings 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The receiver accepted the model %1, but Settings 1 has %2 selected. Select %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModelDetection</name>
    <message>
        <source>the receiver did not accept the selected model %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The receiver accepted none of the models MT-Z4J, MT-Z40E, MT-Z40T and MT-Z40K.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModelFit</name>
    <message>
        <source>option: %1 → %2 (the %3 has no %1 option)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModelRules</name>
    <message>
        <source>the %1 has no %2 option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a frequency of the cellular phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a frequency another Search Pass entry has</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a frequency outside 0.1 .. 1299.995 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a frequency outside band %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 has no band %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MoveCommands</name>
    <message>
        <source>The rows are at the end of the list already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rows are at the top of the list already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no room, the last entries of the list are in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows move within the memory channels or within their own list (Program Scan, Search Pass, Priority).</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n entry</numerusform>
            <numerusform>%n entries</numerusform>
        </translation>
    </message>
    <message>
        <source>Move Down %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Up %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteBox</name>
    <message>
        <source>note</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteCodePageMenu</name>
    <message>
        <source>Note Code Page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PastedRows</name>
    <message>
        <source>not an entry row</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortFailure</name>
    <message>
        <source>%1 is busy: another program is using it (an open mtz4clone window keeps its port until it closes or COM Port Setup&apos;s OK is pressed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such device %1 (cable unplugged, or the wrong COM port?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permission denied on %1: add your user to the dialout group (sudo adduser $USER dialout) and log in again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permission denied on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 vanished during the transfer (cable unplugged?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading or writing %1 failed (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>Print Channel List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel list could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the PDF document could not be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel list written to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Channel list printed: %n pages</source>
        <translation>
            <numerusform>Channel list printed: 1 page</numerusform>
            <numerusform>Channel list printed: %n pages</numerusform>
        </translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prompter</name>
    <message>
        <source>ERROR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Successed!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PropertiesDialog</name>
    <message>
        <source>&amp;Frequency (MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Carrier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secret &amp;code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;hift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offs&amp;et (MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N&amp;ame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A field changed here is set on every selected entry; a blank field differs between them and stays as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Properties of %n entries</source>
        <translation>
            <numerusform>Properties of %n entry</numerusform>
            <numerusform>Properties of %n entries</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReadCommand</name>
    <message>
        <source>reading memory entries</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>the list could not be made</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportDialog</name>
    <message>
        <source>Every row (%1):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every row</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResourceText</name>
    <message>
        <source>File(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open(&amp;O)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As(&amp;A)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Setup(&amp;U)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit(&amp;X)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify(&amp;M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View(&amp;V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tool Bar(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tool(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM Port Setup(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status Bar(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import(&amp;I)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export(&amp;E)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write(&amp;W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory(&amp;M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALL(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Empty Entry(&amp;I)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Entry(&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find(&amp;F)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go To(&amp;G)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Empty Entries(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort Bank by Frequency(&amp;Q)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort Bank by Name(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Read(&amp;Q)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties(&amp;R)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill Down(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill Frequencies(&amp;Y)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Up(&amp;U)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Down(&amp;W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter(&amp;F)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Backups...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare With &amp;File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com&amp;pare With Receiver...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Verify After Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (partly read from the receiver)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (backup)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the data are partly from the receiver; Edit &gt; %1 brings back what was there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (partly imported: stopped at line %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the import stopped at %1; the data are partly from %2; Edit &gt; %3 brings back what was there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Code Page(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Western (Windows-1252)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese (Shift-JIS, 932)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central European (Windows-1250)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyrillic (Windows-1251)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greek (Windows-1253)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turkish (Windows-1254)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Stoc&amp;k List...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Detect Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other serial &amp;device:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New &amp;Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open in New Win&amp;dow...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print Channel List...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Channel &amp;List as PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Sample File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (sample)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB ID</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialPortList</name>
    <message>
        <source>serial %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingControls</name>
    <message>
        <source>The receiver&apos;s squelch level, 0 to 9: the higher it is, the stronger a signal must be to be heard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The receiver&apos;s audio volume, 0 to 30.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The receiver&apos;s operating mode: tuning with the VFO, the preset frequencies, or the memory channels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The display lamp: OFF, 5sec (lit for five seconds after a key press), ON (always lit) or ALL OFF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the MONI key does: Monitor opens the squelch to listen, Mute silences the audio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the MONI key acts: only while it is held down (Push), or on and off with each press (Hold).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kind of key lock: NON, QUICK or NORMAL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switches the receiver off after 30, 60 or 90 minutes without a key press, or never (Off).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The quality of the receiver&apos;s recordings: LONG, NORMAL, CLEAR or HIGH-Q (MT-Z4J only).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sensitivity level of the bug function, 1 to 5 (MT-Z4J only).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The speed of a VFO scan, 1 to 5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The speed of a memory scan, 1 to 5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long a scan stays on a signal: BUSY (as long as the signal lasts) or 1 to 25 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long the receiver charges its battery, 1 to 24 hours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the receiver leaves set mode by itself: after 5 to 25 seconds, or never (MANUAL).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The setting that the wild key calls up directly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The function of key A of the remote controller.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The function of key B of the remote controller.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The function of key C of the remote controller.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The function of key D of the remote controller.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The priority time (Pr): BUSY or 1 to 25 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time Sp: 5 to 60 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The antenna the receiver uses: the one on its SMA socket, or the earphone cord (EAR).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whether a scan passes over the entries marked to skip (SKIP) or stops on them as well (No SKIP).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuning past the end of a band goes back to the band&apos;s start (Rotate) or on into the next band (Across).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock BUG: ENABLE or DISABLE (MT-Z4J only).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bug type: SILENT or SOUND (MT-Z4J only).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tone of the audio: Low (more bass) or High (more treble).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switches on the attenuator, which weakens strong signals at the receiver&apos;s input.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lets the receiver choose the tuning step of each band by itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds a beep at each key press.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bell: on or off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Wave: on or off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receives AM broadcasts with the built-in bar antenna.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves battery power while no signal is received.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receives short wave with the built-in bar antenna.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lets the receiver charge its battery, for the time under Charge Time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BUSY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MANUAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 SEC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1-SEC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hrs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Squelch level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AF volume level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operating Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VFO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALL OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MONI key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MONI key Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Push</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUICK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NORMAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Power Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rec. Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LONG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HIGH-Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bug Sensitive Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VFO Scan Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory Scan Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charge Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wild Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote Controller A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote Controller B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote Controller C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote Controller D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Pr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Sp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antenna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EAR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan TYPE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No SKIP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band Transition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Across</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock BUG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ENABLE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISABLE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bug Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SILENT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOUND</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AF Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attenuator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Wave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AM bar antenna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SW bar antenna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charge</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings1Page</name>
    <message>
        <source>The receiver&apos;s model: it decides the bands, the options and the defaults, and choosing another starts from its factory data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The VFO record of each band: the frequency, mode and step the receiver&apos;s VFO holds there; double-click a band to edit it, or edit a cell in place (F2 or Enter).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsButtons</name>
    <message>
        <source>Reads the settings and the band VFO records from the receiver.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the settings and the band VFO records to the receiver.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>%1 is not a file (a folder, a device or a pipe): the settings are neither read nor stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Version %1  —  starting…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StockListDialog</name>
    <message>
        <source>Import Stock List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Region</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2): %3
Source: %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SystemSerialPort</name>
    <message>
        <source>no device for this port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command longer than the output buffer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextFileEncoding</name>
    <message>
        <source>The file begins with a UTF-8 byte-order mark, but what follows is no UTF-8: it was read in the note code page %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextFit</name>
    <message>
        <source>TAB → space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line break → space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cut to %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrafficTrace</name>
    <message>
        <source>the serial trace was not kept: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransferStatus</name>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: reading from the receiver%2...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: writing to the receiver%2...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading memory entries: %1 of %2%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing memory entries: %1 of %2%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, about %1 s left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cancelled after %2; what was read before stays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: done in %2%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 (%3, after %4%5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: ended after %2%4 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VerifyWrite</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
    <message>
        <source>The receiver holds something else than was written (written -&gt; read back):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VfoGrid</name>
    <message>
        <source>VFO records of the bands</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowPlacement</name>
    <message>
        <source>the settings were not stored: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WriteCommand</name>
    <message>
        <source>writing memory entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verified</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Try &quot;mtz4ctl --help&quot; or &quot;mtz4ctl SUBCOMMAND --help&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
