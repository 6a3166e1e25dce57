<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>scarrow::CoreText</name>
    <message>
        <source>File extension filter is not specified!</source>
        <translation>Es ist kein Filter für Dateiendungen angegeben.</translation>
    </message>
    <message>
        <source>Initial folder is not specified!</source>
        <translation>Es ist kein Ordner für die Suche angegeben.</translation>
    </message>
    <message>
        <source>%s folder has not been found</source>
        <translation>Der Ordner %s wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%s is not a folder</source>
        <translation>%s ist kein Ordner.</translation>
    </message>
    <message>
        <source>The search history file %s is a folder. The search history starts empty.</source>
        <translation>Die Datei für den Suchverlauf %s ist ein Ordner. Der Suchverlauf beginnt leer.</translation>
    </message>
    <message>
        <source>The search history file %s cannot be read. The search history starts empty.</source>
        <translation>Die Datei für den Suchverlauf %s kann nicht gelesen werden. Der Suchverlauf beginnt leer.</translation>
    </message>
    <message>
        <source>%s is not a search history file. The search history starts empty, and the file will be replaced when Scarrow closes.</source>
        <translation>%s ist keine Datei für den Suchverlauf. Der Suchverlauf beginnt leer, und die Datei wird beim Beenden von Scarrow ersetzt.</translation>
    </message>
    <message>
        <source>The search history file %s is damaged. The search history starts empty.</source>
        <translation>Die Datei für den Suchverlauf %s ist beschädigt. Der Suchverlauf beginnt leer.</translation>
    </message>
    <message>
        <source>The search history file %s is damaged: %d of its %d entries could be read.</source>
        <translation>Die Datei für den Suchverlauf %s ist beschädigt: %d von %d Einträgen konnten gelesen werden.</translation>
    </message>
</context>
<context>
    <name>scarrow::ui::CAboutDlg</name>
    <message>
        <source>About Scarrow</source>
        <translation>Über Scarrow</translation>
    </message>
    <message>
        <source>&lt;b&gt;Scarrow&lt;/b&gt; Version %1&lt;br&gt;Finds CNC program files by their words, extensions and dates.</source>
        <translation>&lt;b&gt;Scarrow&lt;/b&gt; Version %1&lt;br&gt;Findet CNC-Programme nach Wörtern, Dateiendungen und Datum.</translation>
    </message>
</context>
<context>
    <name>scarrow::ui::CAddPhraseDlg</name>
    <message>
        <source>Add phrase to search criteria</source>
        <translation>Suchbegriff hinzufügen</translation>
    </message>
    <message>
        <source>a word or phrase, for example T1 M6</source>
        <translation>ein Wort oder eine Wortfolge, zum Beispiel T1 M6</translation>
    </message>
</context>
<context>
    <name>scarrow::ui::CCalendarDlg</name>
    <message>
        <source>Choose Date</source>
        <translation>Datum wählen</translation>
    </message>
</context>
<context>
    <name>scarrow::ui::CLeftView</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Copy Full Path</source>
        <translation>Vollständigen Pfad kopieren</translation>
    </message>
    <message>
        <source>%1 files are selected. Select at most %2 to open them at once.</source>
        <translation>Es sind %1 Dateien markiert. Markieren Sie höchstens %2, um sie auf einmal zu öffnen.</translation>
    </message>
    <message>
        <source>No program could open:
%1

Set a default application for this type of file in the desktop&apos;s settings (or in the file manager: Open With, then make the program the default), then open it again.</source>
        <translation>Kein Programm konnte öffnen:
%1

Legen Sie in den Einstellungen der Arbeitsumgebung eine Standardanwendung für diesen Dateityp fest (oder im Dateimanager: „Öffnen mit“, dann das Programm als Standard festlegen) und öffnen Sie die Datei erneut.</translation>
    </message>
</context>
<context>
    <name>scarrow::ui::CMainFrame</name>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Scarrow &amp;Help</source>
        <translation>&amp;Hilfe zu Scarrow</translation>
    </message>
    <message>
        <source>&amp;About Scarrow...</source>
        <translation>Ü&amp;ber Scarrow...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>%1
This file cannot be found.</source>
        <translation>%1
Diese Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Unable to save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>&amp;Search...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Search for files (Ctrl+F, F2)</source>
        <translation>Dateien suchen (Strg+F, F2)</translation>
    </message>
    <message>
        <source>Sea&amp;rch</source>
        <translation>S&amp;uchen</translation>
    </message>
    <message>
        <source>&amp;Close File</source>
        <translation>&amp;Datei schließen</translation>
    </message>
    <message>
        <source>1 file found</source>
        <translation>1 Datei gefunden</translation>
    </message>
    <message>
        <source>%1 files found</source>
        <translation>%1 Dateien gefunden</translation>
    </message>
</context>
<context>
    <name>scarrow::ui::CResultListModel</name>
    <message>
        <source>Invalid DateTime</source>
        <translation>Ungültiges Datum</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Last Modified</source>
        <translation>Geändert am</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
</context>
<context>
    <name>scarrow::ui::CRightView</name>
    <message>
        <source>Unable to show file %1: %2</source>
        <translation>Die Datei %1 kann nicht angezeigt werden: %2</translation>
    </message>
    <message>
        <source>Unable to open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The selection is larger than %1 MB and was not copied. Select less, or open the file in an editor.</source>
        <translation>Die Markierung ist größer als %1 MB und wurde nicht kopiert. Markieren Sie weniger oder öffnen Sie die Datei in einem Editor.</translation>
    </message>
</context>
<context>
    <name>scarrow::ui::CScarrowApp</name>
    <message>
        <source>The search history could not be saved to %1: %2</source>
        <translation>Der Suchverlauf konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>scarrow::ui::CSearchDlg</name>
    <message>
        <source>Search Criteria</source>
        <translation>Suchkriterien</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>Search in folder:</source>
        <translation>Suchen im Ordner:</translation>
    </message>
    <message>
        <source>Search in subdirectories</source>
        <translation>Unterordner durchsuchen</translation>
    </message>
    <message>
        <source>Words or phrases in the file:</source>
        <translation>Wörter oder Wortfolgen in der Datei:</translation>
    </message>
    <message>
        <source>All phrases match</source>
        <translation>Alle Begriffe kommen vor</translation>
    </message>
    <message>
        <source>Any phrase match</source>
        <translation>Ein Begriff genügt</translation>
    </message>
    <message>
        <source>Ignore Case</source>
        <translation>Groß-/Kleinschreibung ignorieren</translation>
    </message>
    <message>
        <source>Lines to search:</source>
        <translation>Zu durchsuchende Zeilen:</translation>
    </message>
    <message>
        <source>The whole file</source>
        <translation>Die ganze Datei</translation>
    </message>
    <message>
        <source>First </source>
        <translation>Die ersten </translation>
    </message>
    <message>
        <source>lines</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>File filter:</source>
        <translation>Dateifilter:</translation>
    </message>
    <message>
        <source>Any extension</source>
        <translation>Alle Dateiendungen</translation>
    </message>
    <message>
        <source>Extensions from list</source>
        <translation>Dateiendungen aus der Liste</translation>
    </message>
    <message>
        <source>Modification Date:</source>
        <translation>Änderungsdatum:</translation>
    </message>
    <message>
        <source>Any date</source>
        <translation>Beliebiges Datum</translation>
    </message>
    <message>
        <source>Within a Week</source>
        <translation>Innerhalb einer Woche</translation>
    </message>
    <message>
        <source>Within a Month</source>
        <translation>Innerhalb eines Monats</translation>
    </message>
    <message>
        <source>Within a Year</source>
        <translation>Innerhalb eines Jahres</translation>
    </message>
    <message>
        <source>Specify Dates</source>
        <translation>Zeitraum angeben</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Search Directory</source>
        <translation>Zu durchsuchender Ordner</translation>
    </message>
    <message>
        <source>Select search directory</source>
        <translation>Ordner für die Suche wählen</translation>
    </message>
    <message>
        <source>Words to look for</source>
        <translation>Gesuchte Wörter</translation>
    </message>
    <message>
        <source>All words in the list should be found in the file</source>
        <translation>Alle Wörter der Liste müssen in der Datei vorkommen</translation>
    </message>
    <message>
        <source>Any one word in the list should be found in the file</source>
        <translation>Ein Wort der Liste muss in der Datei vorkommen</translation>
    </message>
    <message>
        <source>Check to ignore word case</source>
        <translation>Ankreuzen, um Groß- und Kleinschreibung nicht zu unterscheiden</translation>
    </message>
    <message>
        <source>Add text to the search criteria list</source>
        <translation>Text zur Liste der Suchbegriffe hinzufügen</translation>
    </message>
    <message>
        <source>Remove text from the search criteria list</source>
        <translation>Text aus der Liste der Suchbegriffe entfernen</translation>
    </message>
    <message>
        <source>Search in the entire file</source>
        <translation>In der ganzen Datei suchen</translation>
    </message>
    <message>
        <source>Search in first number of lines specified</source>
        <translation>Nur in den angegebenen ersten Zeilen suchen</translation>
    </message>
    <message>
        <source>Number of lines from the beginning of the file to search in</source>
        <translation>Anzahl der Zeilen ab Dateianfang, die durchsucht werden</translation>
    </message>
    <message>
        <source>Search in any file (ignore extension)</source>
        <translation>In allen Dateien suchen (Dateiendung egal)</translation>
    </message>
    <message>
        <source>Search in files with extensions specified</source>
        <translation>Nur in Dateien mit den angegebenen Endungen suchen</translation>
    </message>
    <message>
        <source>Enter desired extensions</source>
        <translation>Gewünschte Dateiendungen eingeben</translation>
    </message>
    <message>
        <source>Search in any file (ignore creation date)</source>
        <translation>In allen Dateien suchen (Datum egal)</translation>
    </message>
    <message>
        <source>Search in the files modified last week</source>
        <translation>In den in der letzten Woche geänderten Dateien suchen</translation>
    </message>
    <message>
        <source>Search in the files modified last month</source>
        <translation>In den im letzten Monat geänderten Dateien suchen</translation>
    </message>
    <message>
        <source>Search in the files modified last year</source>
        <translation>In den im letzten Jahr geänderten Dateien suchen</translation>
    </message>
    <message>
        <source>Search in the files modified within the date range</source>
        <translation>In den im Zeitraum geänderten Dateien suchen</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>Anfangsdatum</translation>
    </message>
    <message>
        <source>Select From date</source>
        <translation>Anfangsdatum wählen</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>Enddatum</translation>
    </message>
    <message>
        <source>Select To date</source>
        <translation>Enddatum wählen</translation>
    </message>
    <message>
        <source>Reset all settings</source>
        <translation>Alle Einstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>Scroll through previously used search settings</source>
        <translation>Frühere Suchkriterien durchblättern</translation>
    </message>
    <message>
        <source>Cancel Search</source>
        <translation>Suche abbrechen</translation>
    </message>
    <message>
        <source>Start Search</source>
        <translation>Suche starten</translation>
    </message>
    <message>
        <source>Please enter an integer between 1 and 4294967295.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen 1 und 4294967295 ein.</translation>
    </message>
    <message>
        <source>Please enter a date and/or time.</source>
        <translation>Bitte geben Sie ein Datum und/oder eine Uhrzeit ein.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Stop Search</source>
        <translation>Suche anhalten</translation>
    </message>
    <message>
        <source>The search stopped: %1</source>
        <translation>Die Suche wurde abgebrochen: %1</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>From &amp;History</source>
        <translation>Aus dem &amp;Verlauf</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>H&amp;ilfe</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
</context>
<context>
    <name>scarrow::ui::CSplitFrame</name>
    <message>
        <source>Next occurrence</source>
        <translation>Nächste Fundstelle</translation>
    </message>
    <message>
        <source>Next occurrence (F3)</source>
        <translation>Nächste Fundstelle (F3)</translation>
    </message>
    <message>
        <source>Previous occurrence</source>
        <translation>Vorige Fundstelle</translation>
    </message>
    <message>
        <source>Previous occurrence (Shift+F3)</source>
        <translation>Vorige Fundstelle (Umschalt+F3)</translation>
    </message>
</context>
</TS>
