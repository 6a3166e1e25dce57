<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>sendrik::CAboutDlg</name>
    <message>
        <source>About Sendrik</source>
        <translation>À propos de Sendrik</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>sendrik::CCommonPage</name>
    <message>
        <source>Even</source>
        <translation>Paire</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marque (1)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impaire</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace (0)</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Matériel (RTS/CTS)</translation>
    </message>
    <message>
        <source>Hardware no DTR</source>
        <translation>Matériel sans DTR</translation>
    </message>
    <message>
        <source>Use Current Port</source>
        <translation>Utiliser le port choisi</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>Vitesse (bauds) :</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>Bits de données :</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Parité :</translation>
    </message>
    <message>
        <source>Stop Bits:</source>
        <translation>Bits d&apos;arrêt :</translation>
    </message>
    <message>
        <source>Flow Control:</source>
        <translation>Contrôle de flux :</translation>
    </message>
    <message>
        <source>XON Char:</source>
        <translation>Caractère XON :</translation>
    </message>
    <message>
        <source>XOFF Char:</source>
        <translation>Caractère XOFF :</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port :</translation>
    </message>
</context>
<context>
    <name>sendrik::CConfigPS</name>
    <message>
        <source>Enter an integer between 0 and 255.</source>
        <translation>Entrez un nombre entier entre 0 et 255.</translation>
    </message>
    <message>
        <source>Enter an integer.</source>
        <translation>Entrez un nombre entier.</translation>
    </message>
    <message>
        <source>(Codes are in ASCII decimal format, see Help file)</source>
        <translation>(codes en ASCII décimal, voir l&apos;aide)</translation>
    </message>
    <message>
        <source>Add New Port Config</source>
        <translation>Nouvelle configuration de port</translation>
    </message>
    <message>
        <source>Edit Port Config</source>
        <translation>Modifier la configuration de port</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Recevoir</translation>
    </message>
</context>
<context>
    <name>sendrik::CQtFileDialogs</name>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>sendrik::CSendMultipleDlg</name>
    <message>
        <source>Send Multiple Files</source>
        <translation>Envoyer plusieurs fichiers</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>File Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Ajouter...</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Tout retirer</translation>
    </message>
    <message>
        <source>Files to send:</source>
        <translation>Fichiers à envoyer :</translation>
    </message>
    <message>
        <source>Files will be sent in the order that they appear in the list.</source>
        <translation>Les fichiers sont envoyés dans l&apos;ordre de la liste.</translation>
    </message>
    <message>
        <source>File %1 not found</source>
        <translation>Le fichier %1 est introuvable.</translation>
    </message>
</context>
<context>
    <name>sendrik::CSendrikDlg</name>
    <message>
        <source>Files to send:</source>
        <translation>Fichiers à envoyer :</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Sendrik</source>
        <translation>Sendrik</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Aide...</translation>
    </message>
    <message>
        <source>&amp;About Sendrik...</source>
        <translation>&amp;À propos de Sendrik...</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Port Configuration:</source>
        <translation>Configuration du port :</translation>
    </message>
    <message>
        <source>Unable to initialize port %1</source>
        <translation>Impossible d&apos;ouvrir le port %1.</translation>
    </message>
    <message>
        <source>No port configuration is selected.</source>
        <translation>Aucune configuration de port n&apos;est choisie.</translation>
    </message>
    <message>
        <source>No serial port was found. Connect the port and press Refresh.</source>
        <translation>Aucun port série n&apos;a été trouvé. Branchez le port et cliquez sur « Actualiser ».</translation>
    </message>
    <message>
        <source>You are about to delete &quot;%1&quot; configuration, continue?</source>
        <translation>La configuration « %1 » va être supprimée. Continuer ?</translation>
    </message>
    <message>
        <source>New Config</source>
        <translation>Nouvelle configuration</translation>
    </message>
    <message>
        <source>A transfer is running. Stop it and quit Sendrik?</source>
        <translation>Un transfert est en cours. L&apos;arrêter et quitter Sendrik ?</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>Ac&amp;tualiser</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nouvelle...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Supprimer...</translation>
    </message>
    <message>
        <source>&amp;Send File...</source>
        <translation>&amp;Envoyer un fichier...</translation>
    </message>
    <message>
        <source>Send &amp;Multiple...</source>
        <translation>Envoyer &amp;plusieurs...</translation>
    </message>
    <message>
        <source>Rece&amp;ive...</source>
        <translation>&amp;Recevoir...</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Look for serial ports again (Alt+R)</source>
        <translation>Rechercher à nouveau les ports série (Alt+T)</translation>
    </message>
    <message>
        <source>Make a new port configuration (Alt+N)</source>
        <translation>Créer une nouvelle configuration de port (Alt+N)</translation>
    </message>
    <message>
        <source>Change the selected port configuration (Alt+E)</source>
        <translation>Modifier la configuration de port choisie (Alt+M)</translation>
    </message>
    <message>
        <source>Delete the selected port configuration (Alt+D)</source>
        <translation>Supprimer la configuration de port choisie (Alt+S)</translation>
    </message>
    <message>
        <source>Choose a file and send it to the machine (Ctrl+O, Enter)</source>
        <translation>Choisir un fichier et l&apos;envoyer à la machine (Ctrl+O, Entrée)</translation>
    </message>
    <message>
        <source>Send a list of files one after another (Alt+M)</source>
        <translation>Envoyer une liste de fichiers l&apos;un après l&apos;autre (Alt+P)</translation>
    </message>
    <message>
        <source>Receive a program from the machine into a file (Alt+I)</source>
        <translation>Recevoir un programme de la machine dans un fichier (Alt+R)</translation>
    </message>
    <message>
        <source>Show the help (F1)</source>
        <translation>Afficher l&apos;aide (F1)</translation>
    </message>
    <message>
        <source>Save the configurations and quit (Ctrl+Q)</source>
        <translation>Enregistrer les configurations et quitter (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Send File</source>
        <translation>Envoyer un fichier</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Sent %1 (%2 bytes)</source>
        <translation>%1 envoyé (%2 octets)</translation>
    </message>
    <message>
        <source>Stopped sending %1 after %2 bytes</source>
        <translation>Envoi de %1 arrêté après %2 octets</translation>
    </message>
</context>
<context>
    <name>sendrik::CTransDelayDlg</name>
    <message>
        <source>File Transfer Delay</source>
        <translation>Transfert différé</translation>
    </message>
    <message>
        <source>File %1 will be sent in:</source>
        <translation>Le fichier %1 sera envoyé dans :</translation>
    </message>
    <message>
        <source>Send Immediately</source>
        <translation>Envoyer maintenant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>sendrik::CTransferPage</name>
    <message>
        <source>Header:</source>
        <translation>Début de programme :</translation>
    </message>
    <message>
        <source>Trailer:</source>
        <translation>Fin de programme :</translation>
    </message>
    <message>
        <source>End Of Line sequence:</source>
        <translation>Séquence de fin de ligne :</translation>
    </message>
    <message>
        <source>Recognize custom EOL sequence:</source>
        <translation>Reconnaître une fin de ligne personnalisée :</translation>
    </message>
    <message>
        <source>Replace With:</source>
        <translation>Remplacer par :</translation>
    </message>
    <message>
        <source>Check &quot;%&quot; character, at the end of the program, for transfer termination.</source>
        <translation>Terminer le transfert au caractère « % » de fin de programme.</translation>
    </message>
    <message>
        <source>Skip empty lines.</source>
        <translation>Ignorer les lignes vides.</translation>
    </message>
    <message>
        <source>Skip line numbers.</source>
        <translation>Ignorer les numéros de bloc.</translation>
    </message>
    <message>
        <source>Not stored: off again each time Sendrik starts.</source>
        <translation>Non enregistré : désactivé à chaque démarrage de Sendrik.</translation>
    </message>
    <message>
        <source>Skip non printable bytes</source>
        <translation>Ignorer les caractères non imprimables</translation>
    </message>
    <message>
        <source>Skip Comments:</source>
        <translation>Ignorer les commentaires :</translation>
    </message>
    <message>
        <source>Default folder:</source>
        <translation>Dossier par défaut :</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <source>Start transfer delay:</source>
        <translation>Délai avant transfert :</translation>
    </message>
    <message>
        <source>min.</source>
        <translation>min</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>Entrez un nombre entier entre %1 et %2.</translation>
    </message>
    <message>
        <source>Select Default Directory to send from</source>
        <translation>Choisir le dossier par défaut des fichiers à envoyer</translation>
    </message>
    <message>
        <source>Select Default Directory to save received files</source>
        <translation>Choisir le dossier par défaut des fichiers reçus</translation>
    </message>
</context>
<context>
    <name>sendrik::CoreText</name>
    <message>
        <source>Sending...</source>
        <translation>Envoi...</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>Attente...</translation>
    </message>
    <message>
        <source>Error!!!</source>
        <translation>Erreur !</translation>
    </message>
    <message>
        <source>Waiting for data...</source>
        <translation>Attente des données...</translation>
    </message>
    <message>
        <source>Receiving...</source>
        <translation>Réception...</translation>
    </message>
    <message>
        <source>Sending file %s</source>
        <translation>Envoi du fichier %s</translation>
    </message>
    <message>
        <source>Storing data to file %s</source>
        <translation>Enregistrement des données dans le fichier %s</translation>
    </message>
    <message>
        <source>Unable to open file %s</source>
        <translation>Impossible d&apos;ouvrir le fichier %s.</translation>
    </message>
    <message>
        <source>Failed to open file!</source>
        <translation>Impossible d&apos;ouvrir le fichier.</translation>
    </message>
    <message>
        <source>Failed to read file %s.
The program was not sent completely.</source>
        <translation>Impossible de lire le fichier %s.
Le programme n&apos;a pas été envoyé en entier.</translation>
    </message>
    <message>
        <source>Failed to write file %s.
The received program may be incomplete.</source>
        <translation>Impossible d&apos;écrire le fichier %s.
Le programme reçu est peut-être incomplet.</translation>
    </message>
    <message>
        <source>Port Writing Error: %d</source>
        <translation>Erreur d&apos;écriture sur le port : %d</translation>
    </message>
    <message>
        <source>Configuration name must be specified.</source>
        <translation>Vous devez donner un nom à la configuration.</translation>
    </message>
    <message>
        <source>Configuration with this name already exist.
Enter another name.</source>
        <translation>Une configuration porte déjà ce nom.
Entrez un autre nom.</translation>
    </message>
    <message>
        <source>Wrong start of program special sequence</source>
        <translation>La séquence de début de programme n&apos;est pas valable.</translation>
    </message>
    <message>
        <source>Wrong end of program special sequence</source>
        <translation>La séquence de fin de programme n&apos;est pas valable.</translation>
    </message>
    <message>
        <source>Expected end of line sequence is not specified</source>
        <translation>La séquence de fin de ligne à reconnaître manque.</translation>
    </message>
    <message>
        <source>Wrong end of line sequence</source>
        <translation>La séquence de fin de ligne n&apos;est pas valable.</translation>
    </message>
    <message>
        <source>Wrong config file format.</source>
        <translation>Le fichier de configuration n&apos;a pas le bon format.</translation>
    </message>
    <message>
        <source>Can&apos;t open file: %s.
Port configuration settings won&apos;t be saved.</source>
        <translation>Impossible d&apos;ouvrir le fichier %s.
Les configurations de port ne seront pas enregistrées.</translation>
    </message>
    <message>
        <source>Can&apos;t read file: %s (%s).
Its port configurations can&apos;t be used. When the configurations are saved, it is kept as %s.</source>
        <translation>Impossible de lire le fichier %s (%s).
Ses configurations de port ne peuvent pas être utilisées. À l&apos;enregistrement des configurations, il est conservé sous le nom %s.</translation>
    </message>
    <message>
        <source>COM%d names no device.</source>
        <translation>COM%d ne désigne aucun périphérique.</translation>
    </message>
    <message>
        <source>The port is not open.</source>
        <translation>Le port n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>The device was disconnected.</source>
        <translation>Le périphérique a été déconnecté.</translation>
    </message>
    <message>
        <source>The pseudo-terminal %s cannot take %s; it runs %s.</source>
        <translation>Le pseudo-terminal %s n&apos;accepte pas %s ; il fonctionne en %s.</translation>
    </message>
    <message>
        <source>The pseudo-terminal %s has no hardware handshake; it runs without flow control.</source>
        <translation>Le pseudo-terminal %s n&apos;a pas de contrôle de flux matériel ; il fonctionne sans contrôle de flux.</translation>
    </message>
    <message>
        <source>%s, line %d: expected a line like 3=/dev/ttyUSB0</source>
        <translation>%s, ligne %d : une ligne comme 3=/dev/ttyUSB0 est attendue</translation>
    </message>
</context>
</TS>
