<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BackupsDialog</name>
    <message>
        <source>Backups kept</source>
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
        <source>%1 Program Scan, Search Pass and Priority entries in use: CHIRP&apos;s CSV holds memory channels only</source>
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
    <name>CloneCommands</name>
    <message>
        <source>The receiver did not accept the model %1.<byte value="xd"/>
<byte value="xd"/>
Find the receiver&apos;s model now? The model found is selected, keeping these channels, and %2 runs again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CloneFile</name>
    <message>
        <source>%1 was not written: with its notes it would come to %2 MiB, and a clone file above %3 MiB cannot be opened again; shorten the longest notes</source>
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
        <source>%1 lines above the header passed over</source>
        <translation type="unfinished"></translation>
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
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Differences</source>
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
        <source>Its first line reads &quot;%1&quot; (%2 fields separated by %3).</source>
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
        <source>%1 lines without a frequency passed over: their entries and bands keep what they held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lines of VFO bands the %2 lacks passed over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 VFO, bank size and group lines left out: an import to a destination takes the entries only</source>
        <translation type="unfinished"></translation>
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
    <name>EntryClipboard</name>
    <message>
        <source>beyond the end of the list</source>
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
        <source>%1: select at least %2 rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 of %3 entries changed, %4 refused</source>
        <translation type="unfinished"></translation>
    </message>
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
        <source>The import replaces %1 entries in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bank sizes add up to %1, not 1000: %2 channels belong to no bank.</source>
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
</context>
<context>
    <name>GroupMatrix</name>
    <message>
        <source>%1, bank %2</source>
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
</context>
<context>
    <name>ImportReport</name>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped at %1; the %2 lines after it were not read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 changed to fit:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>%1 is a device or a pipe, not a file: COM 1 is used</source>
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
</context>
<context>
    <name>MemoryGrid</name>
    <message>
        <source>Memory channels</source>
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
    <message>
        <source>kept</source>
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
        <source>entries and bands</source>
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
</context>
<context>
    <name>NoteBox</name>
    <message>
        <source>note</source>
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
</context>
<context>
    <name>PortsCommand</name>
    <message>
        <source>no serial port found on this system</source>
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
        <source>Channel list printed: %1 pages</source>
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
        <source>Properties of %1 entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A field changed here is set on every selected entry; a blank field differs between them and stays as it is.</source>
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
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>%1 is not a file (a folder, a device or a pipe): the settings are neither read nor stored</source>
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
</TS>
