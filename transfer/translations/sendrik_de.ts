<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>sendrik::CAboutDlg</name>
    <message>
        <source>About Sendrik</source>
        <translation>Über Sendrik</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>sendrik::CCancelDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>sendrik::CCommonPage</name>
    <message>
        <source>Even</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Mark (1)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Ungerade</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space (0)</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Hardware (RTS/CTS)</translation>
    </message>
    <message>
        <source>Hardware no DTR</source>
        <translation>Hardware ohne DTR</translation>
    </message>
    <message>
        <source>Use Current Port</source>
        <translation>Gewählte Schnittstelle verwenden</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>Baudrate:</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>Datenbits:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Parität:</translation>
    </message>
    <message>
        <source>Stop Bits:</source>
        <translation>Stoppbits:</translation>
    </message>
    <message>
        <source>Flow Control:</source>
        <translation>Flusssteuerung:</translation>
    </message>
    <message>
        <source>XON Char:</source>
        <translation>XON-Zeichen:</translation>
    </message>
    <message>
        <source>XOFF Char:</source>
        <translation>XOFF-Zeichen:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Schnittstelle:</translation>
    </message>
</context>
<context>
    <name>sendrik::CConfigPS</name>
    <message>
        <source>Enter an integer between 0 and 255.</source>
        <translation>Geben Sie eine ganze Zahl zwischen 0 und 255 ein.</translation>
    </message>
    <message>
        <source>Enter an integer.</source>
        <translation>Geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>(Codes are in ASCII decimal format, see Help file)</source>
        <translation>(Codes als ASCII-Dezimalwerte, siehe Hilfe)</translation>
    </message>
    <message>
        <source>Add New Port Config</source>
        <translation>Neue Schnittstellenkonfiguration</translation>
    </message>
    <message>
        <source>Edit Port Config</source>
        <translation>Schnittstellenkonfiguration bearbeiten</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Empfangen</translation>
    </message>
</context>
<context>
    <name>sendrik::CQtFileDialogs</name>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>sendrik::CSendMultipleDlg</name>
    <message>
        <source>Send Multiple Files</source>
        <translation>Mehrere Dateien senden</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>File Location</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Hinzufügen...</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>Files to send:</source>
        <translation>Zu sendende Dateien:</translation>
    </message>
    <message>
        <source>Files will be sent in the order that they appear in the list.</source>
        <translation>Die Dateien werden in der Reihenfolge der Liste gesendet.</translation>
    </message>
    <message>
        <source>File %1 not found</source>
        <translation>Die Datei %1 wurde nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>sendrik::CSendrikDlg</name>
    <message>
        <source>Files to send:</source>
        <translation>Zu sendende Dateien:</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Sendrik</source>
        <translation>Sendrik</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Hilfe...</translation>
    </message>
    <message>
        <source>&amp;About Sendrik...</source>
        <translation>Ü&amp;ber Sendrik...</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Schnittstelle:</translation>
    </message>
    <message>
        <source>Port Configuration:</source>
        <translation>Schnittstellenkonfiguration:</translation>
    </message>
    <message>
        <source>Unable to initialize port %1</source>
        <translation>Die Schnittstelle %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>No port configuration is selected.</source>
        <translation>Es ist keine Schnittstellenkonfiguration gewählt.</translation>
    </message>
    <message>
        <source>No serial port was found. Connect the port and press Refresh.</source>
        <translation>Es wurde keine serielle Schnittstelle gefunden. Schließen Sie die Schnittstelle an und klicken Sie auf „Aktualisieren“.</translation>
    </message>
    <message>
        <source>You are about to delete &quot;%1&quot; configuration, continue?</source>
        <translation>Die Konfiguration „%1“ wird gelöscht. Fortfahren?</translation>
    </message>
    <message>
        <source>New Config</source>
        <translation>Neue Konfiguration</translation>
    </message>
    <message>
        <source>A transfer is running. Stop it and quit Sendrik?</source>
        <translation>Eine Übertragung läuft. Abbrechen und Sendrik beenden?</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Löschen...</translation>
    </message>
    <message>
        <source>&amp;Send File...</source>
        <translation>&amp;Datei senden...</translation>
    </message>
    <message>
        <source>Send &amp;Multiple...</source>
        <translation>&amp;Mehrere senden...</translation>
    </message>
    <message>
        <source>Rece&amp;ive...</source>
        <translation>&amp;Empfangen...</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>H&amp;ilfe</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Look for serial ports again (Alt+R)</source>
        <translation>Erneut nach seriellen Schnittstellen suchen (Alt+A)</translation>
    </message>
    <message>
        <source>Make a new port configuration (Alt+N)</source>
        <translation>Neue Schnittstellenkonfiguration anlegen (Alt+N)</translation>
    </message>
    <message>
        <source>Change the selected port configuration (Alt+E)</source>
        <translation>Gewählte Schnittstellenkonfiguration ändern (Alt+B)</translation>
    </message>
    <message>
        <source>Delete the selected port configuration (Alt+D)</source>
        <translation>Gewählte Schnittstellenkonfiguration löschen (Alt+L)</translation>
    </message>
    <message>
        <source>Choose a file and send it to the machine (Ctrl+O, Enter)</source>
        <translation>Datei wählen und an die Maschine senden (Strg+O, Eingabe)</translation>
    </message>
    <message>
        <source>Send a list of files one after another (Alt+M)</source>
        <translation>Mehrere Dateien nacheinander senden (Alt+M)</translation>
    </message>
    <message>
        <source>Receive a program from the machine into a file (Alt+I)</source>
        <translation>Programm von der Maschine in eine Datei empfangen (Alt+E)</translation>
    </message>
    <message>
        <source>Show the help (F1)</source>
        <translation>Hilfe anzeigen (F1)</translation>
    </message>
    <message>
        <source>Save the configurations and quit (Ctrl+Q)</source>
        <translation>Konfigurationen speichern und beenden (Strg+Q)</translation>
    </message>
    <message>
        <source>Send File</source>
        <translation>Datei senden</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Sent %1 (%2 bytes)</source>
        <translation>%1 gesendet (%2 Bytes)</translation>
    </message>
    <message>
        <source>Stopped sending %1 after %2 bytes</source>
        <translation>Senden von %1 nach %2 Bytes abgebrochen</translation>
    </message>
</context>
<context>
    <name>sendrik::CTransDelayDlg</name>
    <message>
        <source>File Transfer Delay</source>
        <translation>Verzögerte Übertragung</translation>
    </message>
    <message>
        <source>File %1 will be sent in:</source>
        <translation>Die Datei %1 wird gesendet in:</translation>
    </message>
    <message>
        <source>Send Immediately</source>
        <translation>Sofort senden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>sendrik::CTransferPage</name>
    <message>
        <source>Header:</source>
        <translation>Programmanfang:</translation>
    </message>
    <message>
        <source>Trailer:</source>
        <translation>Programmende:</translation>
    </message>
    <message>
        <source>End Of Line sequence:</source>
        <translation>Zeilenende-Zeichenfolge:</translation>
    </message>
    <message>
        <source>Recognize custom EOL sequence:</source>
        <translation>Eigenes Zeilenende erkennen:</translation>
    </message>
    <message>
        <source>Replace With:</source>
        <translation>Ersetzen durch:</translation>
    </message>
    <message>
        <source>Check &quot;%&quot; character, at the end of the program, for transfer termination.</source>
        <translation>Übertragung beim Zeichen „%“ am Programmende beenden.</translation>
    </message>
    <message>
        <source>Skip empty lines.</source>
        <translation>Leerzeilen überspringen.</translation>
    </message>
    <message>
        <source>Skip line numbers.</source>
        <translation>Satznummern überspringen.</translation>
    </message>
    <message>
        <source>Not stored: off again each time Sendrik starts.</source>
        <translation>Wird nicht gespeichert: bei jedem Start von Sendrik wieder aus.</translation>
    </message>
    <message>
        <source>Skip non printable bytes</source>
        <translation>Nicht druckbare Zeichen überspringen</translation>
    </message>
    <message>
        <source>Skip Comments:</source>
        <translation>Kommentare überspringen:</translation>
    </message>
    <message>
        <source>Default folder:</source>
        <translation>Standardordner:</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>Start transfer delay:</source>
        <translation>Startverzögerung:</translation>
    </message>
    <message>
        <source>min.</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>Geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>Select Default Directory to send from</source>
        <translation>Standardordner für zu sendende Dateien wählen</translation>
    </message>
    <message>
        <source>Select Default Directory to save received files</source>
        <translation>Standardordner für empfangene Dateien wählen</translation>
    </message>
</context>
<context>
    <name>sendrik::CoreText</name>
    <message>
        <source>Sending...</source>
        <translation>Senden...</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>Warten...</translation>
    </message>
    <message>
        <source>Error!!!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Waiting for data...</source>
        <translation>Warten auf Daten...</translation>
    </message>
    <message>
        <source>Receiving...</source>
        <translation>Empfangen...</translation>
    </message>
    <message>
        <source>Sending file %s</source>
        <translation>Datei %s wird gesendet</translation>
    </message>
    <message>
        <source>Storing data to file %s</source>
        <translation>Daten werden in Datei %s gespeichert</translation>
    </message>
    <message>
        <source>Unable to open file %s</source>
        <translation>Die Datei %s kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Failed to open file!</source>
        <translation>Die Datei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Failed to read file %s.
The program was not sent completely.</source>
        <translation>Die Datei %s kann nicht gelesen werden.
Das Programm wurde nicht vollständig gesendet.</translation>
    </message>
    <message>
        <source>Failed to write file %s.
The received program may be incomplete.</source>
        <translation>Die Datei %s kann nicht geschrieben werden.
Das empfangene Programm ist möglicherweise unvollständig.</translation>
    </message>
    <message>
        <source>Port Writing Error: %d</source>
        <translation>Schreibfehler an der Schnittstelle: %d</translation>
    </message>
    <message>
        <source>Configuration name must be specified.</source>
        <translation>Geben Sie einen Namen für die Konfiguration ein.</translation>
    </message>
    <message>
        <source>Configuration with this name already exist.
Enter another name.</source>
        <translation>Eine Konfiguration mit diesem Namen gibt es schon.
Geben Sie einen anderen Namen ein.</translation>
    </message>
    <message>
        <source>Wrong start of program special sequence</source>
        <translation>Die Zeichenfolge für den Programmanfang ist ungültig.</translation>
    </message>
    <message>
        <source>Wrong end of program special sequence</source>
        <translation>Die Zeichenfolge für das Programmende ist ungültig.</translation>
    </message>
    <message>
        <source>Expected end of line sequence is not specified</source>
        <translation>Die zu erkennende Zeilenende-Zeichenfolge fehlt.</translation>
    </message>
    <message>
        <source>Wrong end of line sequence</source>
        <translation>Die Zeilenende-Zeichenfolge ist ungültig.</translation>
    </message>
    <message>
        <source>Wrong config file format.</source>
        <translation>Die Konfigurationsdatei hat ein falsches Format.</translation>
    </message>
    <message>
        <source>Can&apos;t open file: %s.
Port configuration settings won&apos;t be saved.</source>
        <translation>Die Datei %s kann nicht geöffnet werden.
Die Schnittstellenkonfigurationen werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Can&apos;t read file: %s (%s).
Its port configurations can&apos;t be used. When the configurations are saved, it is kept as %s.</source>
        <translation>Die Datei %s kann nicht gelesen werden (%s).
Ihre Schnittstellenkonfigurationen können nicht verwendet werden. Beim Speichern der Konfigurationen wird sie als %s aufbewahrt.</translation>
    </message>
    <message>
        <source>COM%d names no device.</source>
        <translation>Zu COM%d gibt es kein Gerät.</translation>
    </message>
    <message>
        <source>The port is not open.</source>
        <translation>Die Schnittstelle ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The device was disconnected.</source>
        <translation>Das Gerät wurde getrennt.</translation>
    </message>
    <message>
        <source>The pseudo-terminal %s cannot take %s; it runs %s.</source>
        <translation>Das Pseudoterminal %s kann %s nicht einstellen; es läuft mit %s.</translation>
    </message>
    <message>
        <source>The pseudo-terminal %s has no hardware handshake; it runs without flow control.</source>
        <translation>Das Pseudoterminal %s hat keinen Hardware-Handshake; es läuft ohne Flusssteuerung.</translation>
    </message>
    <message>
        <source>%s, line %d: expected a line like 3=/dev/ttyUSB0</source>
        <translation>%s, Zeile %d: erwartet wird eine Zeile wie 3=/dev/ttyUSB0</translation>
    </message>
</context>
</TS>
