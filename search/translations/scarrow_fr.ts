<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>scarrow::CoreText</name>
    <message>
        <source>File extension filter is not specified!</source>
        <translation>Aucun filtre d&apos;extensions n&apos;est indiqué.</translation>
    </message>
    <message>
        <source>Initial folder is not specified!</source>
        <translation>Aucun dossier de recherche n&apos;est indiqué.</translation>
    </message>
    <message>
        <source>%s folder has not been found</source>
        <translation>Le dossier %s est introuvable.</translation>
    </message>
    <message>
        <source>%s is not a folder</source>
        <translation>%s n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>The search history file %s is a folder. The search history starts empty.</source>
        <translation>Le fichier d&apos;historique des recherches %s est un dossier. L&apos;historique commence vide.</translation>
    </message>
    <message>
        <source>The search history file %s cannot be read. The search history starts empty.</source>
        <translation>Le fichier d&apos;historique des recherches %s ne peut pas être lu. L&apos;historique commence vide.</translation>
    </message>
    <message>
        <source>%s is not a search history file. The search history starts empty, and the file will be replaced when Scarrow closes.</source>
        <translation>%s n&apos;est pas un fichier d&apos;historique des recherches. L&apos;historique commence vide, et le fichier sera remplacé à la fermeture de Scarrow.</translation>
    </message>
    <message>
        <source>The search history file %s is damaged. The search history starts empty.</source>
        <translation>Le fichier d&apos;historique des recherches %s est endommagé. L&apos;historique commence vide.</translation>
    </message>
    <message>
        <source>The search history file %s is damaged: %d of its %d entries could be read.</source>
        <translation>Le fichier d&apos;historique des recherches %s est endommagé : %d de ses %d entrées ont pu être lues.</translation>
    </message>
</context>
<context>
    <name>scarrow::ui::CAboutDlg</name>
    <message>
        <source>About Scarrow</source>
        <translation>À propos de Scarrow</translation>
    </message>
    <message>
        <source>&lt;b&gt;Scarrow&lt;/b&gt; Version %1&lt;br&gt;Finds CNC program files by their words, extensions and dates.</source>
        <translation>&lt;b&gt;Scarrow&lt;/b&gt; version %1&lt;br&gt;Trouve les programmes CN par leurs mots, leurs extensions et leurs dates.</translation>
    </message>
</context>
<context>
    <name>scarrow::ui::CAddPhraseDlg</name>
    <message>
        <source>Add phrase to search criteria</source>
        <translation>Ajouter une expression aux critères</translation>
    </message>
    <message>
        <source>a word or phrase, for example T1 M6</source>
        <translation>un mot ou une expression, par exemple T1 M6</translation>
    </message>
</context>
<context>
    <name>scarrow::ui::CCalendarDlg</name>
    <message>
        <source>Choose Date</source>
        <translation>Choisir la date</translation>
    </message>
</context>
<context>
    <name>scarrow::ui::CLeftView</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Copy Full Path</source>
        <translation>Copier le chemin complet</translation>
    </message>
    <message>
        <source>%1 files are selected. Select at most %2 to open them at once.</source>
        <translation>%1 fichiers sont sélectionnés. Sélectionnez-en %2 au plus pour les ouvrir en une fois.</translation>
    </message>
    <message>
        <source>No program could open:
%1

Set a default application for this type of file in the desktop&apos;s settings (or in the file manager: Open With, then make the program the default), then open it again.</source>
        <translation>Aucun programme n&apos;a pu ouvrir :
%1

Définissez une application par défaut pour ce type de fichier dans les paramètres du bureau (ou dans le gestionnaire de fichiers : « Ouvrir avec », puis choisir le programme par défaut), puis ouvrez à nouveau le fichier.</translation>
    </message>
</context>
<context>
    <name>scarrow::ui::CMainFrame</name>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Scarrow &amp;Help</source>
        <translation>&amp;Aide de Scarrow</translation>
    </message>
    <message>
        <source>&amp;About Scarrow...</source>
        <translation>&amp;À propos de Scarrow...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>%1
This file cannot be found.</source>
        <translation>%1
Ce fichier est introuvable.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Unable to save %1: %2</source>
        <translation>Impossible d&apos;enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>&amp;Search...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <source>Search for files (Ctrl+F, F2)</source>
        <translation>Rechercher des fichiers (Ctrl+F, F2)</translation>
    </message>
    <message>
        <source>Sea&amp;rch</source>
        <translation>Re&amp;cherche</translation>
    </message>
    <message>
        <source>&amp;Close File</source>
        <translation>&amp;Fermer le fichier</translation>
    </message>
    <message>
        <source>1 file found</source>
        <translation>1 fichier trouvé</translation>
    </message>
    <message>
        <source>%1 files found</source>
        <translation>%1 fichiers trouvés</translation>
    </message>
</context>
<context>
    <name>scarrow::ui::CResultListModel</name>
    <message>
        <source>Invalid DateTime</source>
        <translation>Date non valable</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Last Modified</source>
        <translation>Modifié le</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
</context>
<context>
    <name>scarrow::ui::CRightView</name>
    <message>
        <source>Unable to show file %1: %2</source>
        <translation>Impossible d&apos;afficher le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Unable to open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1.</translation>
    </message>
    <message>
        <source>The selection is larger than %1 MB and was not copied. Select less, or open the file in an editor.</source>
        <translation>La sélection dépasse %1 Mo et n&apos;a pas été copiée. Sélectionnez moins de texte ou ouvrez le fichier dans un éditeur.</translation>
    </message>
</context>
<context>
    <name>scarrow::ui::CScarrowApp</name>
    <message>
        <source>The search history could not be saved to %1: %2</source>
        <translation>L&apos;historique des recherches n&apos;a pas pu être enregistré dans %1 : %2</translation>
    </message>
</context>
<context>
    <name>scarrow::ui::CSearchDlg</name>
    <message>
        <source>Search Criteria</source>
        <translation>Critères de recherche</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Choisir le dossier</translation>
    </message>
    <message>
        <source>Search in folder:</source>
        <translation>Rechercher dans le dossier :</translation>
    </message>
    <message>
        <source>Search in subdirectories</source>
        <translation>Rechercher dans les sous-dossiers</translation>
    </message>
    <message>
        <source>Words or phrases in the file:</source>
        <translation>Mots ou expressions dans le fichier :</translation>
    </message>
    <message>
        <source>All phrases match</source>
        <translation>Toutes les expressions</translation>
    </message>
    <message>
        <source>Any phrase match</source>
        <translation>Au moins une expression</translation>
    </message>
    <message>
        <source>Ignore Case</source>
        <translation>Ignorer la casse</translation>
    </message>
    <message>
        <source>Lines to search:</source>
        <translation>Lignes à parcourir :</translation>
    </message>
    <message>
        <source>The whole file</source>
        <translation>Tout le fichier</translation>
    </message>
    <message>
        <source>First </source>
        <translation>Les </translation>
    </message>
    <message>
        <source>lines</source>
        <translation>premières lignes</translation>
    </message>
    <message>
        <source>File filter:</source>
        <translation>Filtre de fichiers :</translation>
    </message>
    <message>
        <source>Any extension</source>
        <translation>Toutes les extensions</translation>
    </message>
    <message>
        <source>Extensions from list</source>
        <translation>Extensions de la liste</translation>
    </message>
    <message>
        <source>Modification Date:</source>
        <translation>Date de modification :</translation>
    </message>
    <message>
        <source>Any date</source>
        <translation>Toutes les dates</translation>
    </message>
    <message>
        <source>Within a Week</source>
        <translation>Depuis une semaine</translation>
    </message>
    <message>
        <source>Within a Month</source>
        <translation>Depuis un mois</translation>
    </message>
    <message>
        <source>Within a Year</source>
        <translation>Depuis un an</translation>
    </message>
    <message>
        <source>Specify Dates</source>
        <translation>Indiquer les dates</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Du :</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Au :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Search Directory</source>
        <translation>Dossier de recherche</translation>
    </message>
    <message>
        <source>Select search directory</source>
        <translation>Choisir le dossier de recherche</translation>
    </message>
    <message>
        <source>Words to look for</source>
        <translation>Mots recherchés</translation>
    </message>
    <message>
        <source>All words in the list should be found in the file</source>
        <translation>Tous les mots de la liste doivent figurer dans le fichier</translation>
    </message>
    <message>
        <source>Any one word in the list should be found in the file</source>
        <translation>Un des mots de la liste doit figurer dans le fichier</translation>
    </message>
    <message>
        <source>Check to ignore word case</source>
        <translation>Cocher pour ne pas distinguer majuscules et minuscules</translation>
    </message>
    <message>
        <source>Add text to the search criteria list</source>
        <translation>Ajouter un texte à la liste des critères</translation>
    </message>
    <message>
        <source>Remove text from the search criteria list</source>
        <translation>Retirer le texte de la liste des critères</translation>
    </message>
    <message>
        <source>Search in the entire file</source>
        <translation>Rechercher dans tout le fichier</translation>
    </message>
    <message>
        <source>Search in first number of lines specified</source>
        <translation>Rechercher seulement dans les premières lignes indiquées</translation>
    </message>
    <message>
        <source>Number of lines from the beginning of the file to search in</source>
        <translation>Nombre de lignes à parcourir depuis le début du fichier</translation>
    </message>
    <message>
        <source>Search in any file (ignore extension)</source>
        <translation>Rechercher dans tous les fichiers (extension indifférente)</translation>
    </message>
    <message>
        <source>Search in files with extensions specified</source>
        <translation>Rechercher dans les fichiers des extensions indiquées</translation>
    </message>
    <message>
        <source>Enter desired extensions</source>
        <translation>Entrez les extensions voulues</translation>
    </message>
    <message>
        <source>Search in any file (ignore creation date)</source>
        <translation>Rechercher dans tous les fichiers (date indifférente)</translation>
    </message>
    <message>
        <source>Search in the files modified last week</source>
        <translation>Rechercher dans les fichiers modifiés depuis une semaine</translation>
    </message>
    <message>
        <source>Search in the files modified last month</source>
        <translation>Rechercher dans les fichiers modifiés depuis un mois</translation>
    </message>
    <message>
        <source>Search in the files modified last year</source>
        <translation>Rechercher dans les fichiers modifiés depuis un an</translation>
    </message>
    <message>
        <source>Search in the files modified within the date range</source>
        <translation>Rechercher dans les fichiers modifiés entre les dates</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <source>Select From date</source>
        <translation>Choisir la date de début</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>Date de fin</translation>
    </message>
    <message>
        <source>Select To date</source>
        <translation>Choisir la date de fin</translation>
    </message>
    <message>
        <source>Reset all settings</source>
        <translation>Réinitialiser tous les réglages</translation>
    </message>
    <message>
        <source>Scroll through previously used search settings</source>
        <translation>Parcourir les critères de recherche précédents</translation>
    </message>
    <message>
        <source>Cancel Search</source>
        <translation>Annuler la recherche</translation>
    </message>
    <message>
        <source>Start Search</source>
        <translation>Lancer la recherche</translation>
    </message>
    <message>
        <source>Please enter an integer between 1 and 4294967295.</source>
        <translation>Veuillez entrer un nombre entier entre 1 et 4294967295.</translation>
    </message>
    <message>
        <source>Please enter a date and/or time.</source>
        <translation>Veuillez entrer une date et/ou une heure.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stop Search</source>
        <translation>Arrêter la recherche</translation>
    </message>
    <message>
        <source>The search stopped: %1</source>
        <translation>La recherche s&apos;est arrêtée : %1</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Ajouter...</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Re&amp;tirer</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>Ré&amp;initialiser</translation>
    </message>
    <message>
        <source>From &amp;History</source>
        <translation>&amp;Historique</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Rechercher</translation>
    </message>
</context>
<context>
    <name>scarrow::ui::CSplitFrame</name>
    <message>
        <source>Next occurrence</source>
        <translation>Occurrence suivante</translation>
    </message>
    <message>
        <source>Next occurrence (F3)</source>
        <translation>Occurrence suivante (F3)</translation>
    </message>
    <message>
        <source>Previous occurrence</source>
        <translation>Occurrence précédente</translation>
    </message>
    <message>
        <source>Previous occurrence (Shift+F3)</source>
        <translation>Occurrence précédente (Maj+F3)</translation>
    </message>
</context>
</TS>
