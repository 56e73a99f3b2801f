<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ButtonArt</name>
    <message>
        <source>nevermind</source>
        <extracomment>The prompt's button that closes it without doing anything; drawn into the button picture (150 px wide).</extracomment>
        <translation>lieber nicht</translation>
    </message>
    <message>
        <source>details</source>
        <extracomment>The tab that shows the message for the parent; drawn into the tab picture (about 58 px for the word).</extracomment>
        <translation>Details</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>First line of the browser's button that starts a new picture of your own; drawn into the button picture (about 90 px a line).</extracomment>
        <translation>neues</translation>
    </message>
    <message>
        <source>picture</source>
        <extracomment>Second line of the browser's button that starts a new picture of your own.</extracomment>
        <translation>Bild</translation>
    </message>
    <message>
        <source>more</source>
        <extracomment>First line of the browser's button that opens picture packs and more pictures.</extracomment>
        <translation>mehr</translation>
    </message>
    <message>
        <source>pictures</source>
        <extracomment>Second line of the browser's button that opens more pictures.</extracomment>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Welcome!</source>
        <extracomment>The title of the first-run welcome banner, drawn large (about 400 px wide).</extracomment>
        <translation>Willkommen!</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Befehlszeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt Versionsinformationen an.</translation>
    </message>
    <message>
        <source>Keeps settings, books and coloured pictures in &lt;dir&gt; instead of the per-user data folder.</source>
        <extracomment>&lt;dir&gt; is the value name of the option, translated as &quot;dir&quot; below.</extracomment>
        <translation>Bewahrt Einstellungen, Bücher und ausgemalte Bilder in &lt;ordner&gt; statt im Datenordner des Benutzers auf.</translation>
    </message>
    <message>
        <source>dir</source>
        <extracomment>The value name of --data-dir, shown as &lt;dir&gt; in the help.</extracomment>
        <translation>ordner</translation>
    </message>
    <message>
        <source>Adds the pictures of the picture pack &lt;file&gt; to the books.</source>
        <extracomment>&lt;file&gt; is the value name of the option, translated as &quot;file&quot; below.</extracomment>
        <translation>Fügt die Bilder des Bilderpakets &lt;datei&gt; den Büchern hinzu.</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The value name of --import-pack, shown as &lt;file&gt; in the help.</extracomment>
        <translation>datei</translation>
    </message>
    <message>
        <source>The Tintaloo: a colouring book for young children.</source>
        <translation>Tintaloo: ein Malbuch für kleine Kinder.</translation>
    </message>
    <message>
        <source>A picture pack (.tpk) to add after a parent allows it.</source>
        <translation>Ein Bilderpaket (.tpk), das hinzugefügt wird, sobald ein Elternteil es erlaubt.</translation>
    </message>
    <message>
        <source>[pack]</source>
        <extracomment>The positional argument&apos;s name in the usage line.</extracomment>
        <translation>[paket]</translation>
    </message>
    <message>
        <source>Only one picture pack can be opened at a time.</source>
        <translation>Es kann immer nur ein Bilderpaket auf einmal geöffnet werden.</translation>
    </message>
    <message>
        <source>--import-pack needs the name of a picture pack file.</source>
        <translation>--import-pack braucht den Namen einer Bilderpaket-Datei.</translation>
    </message>
</context>
<context>
    <name>DataFolderCheck</name>
    <message>
        <source>No data folder was given.</source>
        <translation>Es wurde kein Datenordner angegeben.</translation>
    </message>
    <message>
        <source>The data folder %1 is a file, not a folder.</source>
        <translation>Der Datenordner %1 ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be created: %2 is a file, not a folder.</source>
        <translation>Der Datenordner %1 kann nicht angelegt werden: %2 ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be created here.</source>
        <translation>Der Datenordner %1 kann hier nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be written to: %2.</source>
        <translation>In den Datenordner %1 kann nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Open a picture to paint</source>
        <translation>Ein Bild zum Ausmalen aussuchen</translation>
    </message>
    <message>
        <source>Clear out all colors!</source>
        <translation>Alle Farben wegmachen!</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Choose between crazy colors and normal colors!</source>
        <translation>Wähle zwischen verrückten und normalen Farben!</translation>
    </message>
    <message>
        <source>Color using a magic crayon</source>
        <translation>Mit dem Zauber-Wachsmalstift malen</translation>
    </message>
    <message>
        <source>Paint using a magic paintbrush</source>
        <translation>Mit dem Zauberpinsel malen</translation>
    </message>
    <message>
        <source>Draw using a magic coloring pencil</source>
        <translation>Mit dem Zauberbuntstift zeichnen</translation>
    </message>
    <message>
        <source>Draw using a marker pen</source>
        <translation>Mit dem Filzstift zeichnen</translation>
    </message>
    <message>
        <source>Click here to quit The Tintaloo</source>
        <translation>Hier klicken, um Tintaloo zu beenden</translation>
    </message>
    <message>
        <source>Save picture as...</source>
        <translation>Bild speichern unter...</translation>
    </message>
    <message>
        <source>Print the picture</source>
        <translation>Bild drucken</translation>
    </message>
    <message>
        <source>About/Help</source>
        <translation>Info/Hilfe</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>The Tintaloo</source>
        <translation>Tintaloo</translation>
    </message>
    <message>
        <source>There was an attempt to clear out all the colors in the picture. If you click OK, all changes to the picture will be lost and you will be left with a black and white image.</source>
        <translation>Es wurde versucht, alle Farben im Bild wegzumachen. Wenn Sie auf OK klicken, gehen alle Änderungen am Bild verloren, und es bleibt ein schwarz-weißes Bild übrig.</translation>
    </message>
    <message>
        <source>Would you like to get rid of all the colors? If you don&apos;t, call someone who can help you! Or press never mind</source>
        <extracomment>&quot;never mind&quot; is the button of this window, whose picture always says &quot;nevermind&quot;.</extracomment>
        <translation>Möchtest du alle Farben wegmachen? Wenn nicht, hol jemanden, der dir helfen kann! Oder drück auf „lieber nicht“</translation>
    </message>
    <message>
        <source>The picture could not be saved because the disk is full. Press Cancel to keep it on the screen, then make room on the disk or save it elsewhere with Save as. Press Continue to go on without saving it.</source>
        <translation>Das Bild konnte nicht gespeichert werden, weil die Festplatte voll ist. Klicken Sie auf „Abbrechen“, um es auf dem Bildschirm zu behalten, und schaffen Sie dann Platz auf der Festplatte oder speichern Sie es mit „Speichern unter“ woanders. Klicken Sie auf „Weiter“, um ohne Speichern fortzufahren.</translation>
    </message>
    <message>
        <source>The picture could not be saved because the disk or its folder is write protected. Press Cancel to keep it on the screen, then make room on the disk or save it elsewhere with Save as. Press Continue to go on without saving it.</source>
        <translation>Das Bild konnte nicht gespeichert werden, weil die Festplatte oder ihr Ordner schreibgeschützt ist. Klicken Sie auf „Abbrechen“, um es auf dem Bildschirm zu behalten, und schaffen Sie dann Platz auf der Festplatte oder speichern Sie es mit „Speichern unter“ woanders. Klicken Sie auf „Weiter“, um ohne Speichern fortzufahren.</translation>
    </message>
    <message>
        <source>The picture could not be saved because of an unknown error. Press Cancel to keep it on the screen, then make room on the disk or save it elsewhere with Save as. Press Continue to go on without saving it.</source>
        <translation>Das Bild konnte wegen eines unbekannten Fehlers nicht gespeichert werden. Klicken Sie auf „Abbrechen“, um es auf dem Bildschirm zu behalten, und schaffen Sie dann Platz auf der Festplatte oder speichern Sie es mit „Speichern unter“ woanders. Klicken Sie auf „Weiter“, um ohne Speichern fortzufahren.</translation>
    </message>
    <message>
        <source>The picture &apos;%1&apos; appears to be damaged or it no longer exists.</source>
        <translation>Das Bild „%1“ scheint beschädigt zu sein oder existiert nicht mehr.</translation>
    </message>
    <message>
        <source>Oops, the picture you choose appears to be have something wrong with it, call someone who can help you fix it!</source>
        <translation>Hoppla, mit dem Bild, das du ausgesucht hast, stimmt etwas nicht. Hol jemanden, der dir helfen kann!</translation>
    </message>
    <message>
        <source>Before printing, a temporary file has to be created in the application directory. This was not possible. Please make sure there is enough space in the disk and that the disk is not write protected.</source>
        <translation>Vor dem Drucken muss im Programmordner eine vorübergehende Datei angelegt werden, aber das ging nicht. Bitte prüfen Sie, ob die Festplatte genug freien Platz hat und nicht schreibgeschützt ist.</translation>
    </message>
    <message>
        <source>Oh no! Your picture could not be printed. Call someone for help!</source>
        <translation>Oh nein! Dein Bild konnte nicht gedruckt werden. Hol jemanden, der dir hilft!</translation>
    </message>
    <message>
        <source>There was an attempt to add a picture pack to The Tintaloo. If you wish to allow this, please press OK to continue.</source>
        <translation>Es wurde versucht, Tintaloo ein Bilderpaket hinzuzufügen. Wenn Sie das erlauben möchten, klicken Sie bitte auf OK, um fortzufahren.</translation>
    </message>
    <message>
        <source>Oh no!, something has happened. Call someone who can help you!</source>
        <translation>Oh nein! Da ist etwas passiert. Hol jemanden, der dir helfen kann!</translation>
    </message>
    <message>
        <source>There was an attempt to quit The Tintaloo. If you wish to allow this, please press OK to continue.</source>
        <translation>Es wurde versucht, Tintaloo zu beenden. Wenn Sie das erlauben möchten, klicken Sie bitte auf OK, um fortzufahren.</translation>
    </message>
    <message>
        <source>Oh no!, something has happened when you tried to close me. Call someone who can help you!</source>
        <translation>Oh nein! Als du mich zumachen wolltest, ist etwas passiert. Hol jemanden, der dir helfen kann!</translation>
    </message>
    <message>
        <source>There was an attempt to quit The Tintaloo. If you wish to allow this, press OK.</source>
        <translation>Es wurde versucht, Tintaloo zu beenden. Wenn Sie das erlauben möchten, klicken Sie auf OK.</translation>
    </message>
    <message>
        <source>Are you sure you want to close this coloring book? Why don&apos;t you stay for a while?</source>
        <translation>Willst du das Malbuch wirklich zumachen? Bleib doch noch ein bisschen!</translation>
    </message>
    <message>
        <source>There was an attempt to save the current picture. If you wish to allow this, please press OK to continue.</source>
        <translation>Es wurde versucht, das aktuelle Bild zu speichern. Wenn Sie das erlauben möchten, klicken Sie bitte auf OK, um fortzufahren.</translation>
    </message>
    <message>
        <source>Oh no!, something happened when you tried to save your picture. Call someone who can help you!</source>
        <translation>Oh nein! Beim Speichern deines Bildes ist etwas passiert. Hol jemanden, der dir helfen kann!</translation>
    </message>
    <message>
        <source>There was an attempt to print the current picture. If you wish to allow this, please press OK to continue.</source>
        <translation>Es wurde versucht, das aktuelle Bild zu drucken. Wenn Sie das erlauben möchten, klicken Sie bitte auf OK, um fortzufahren.</translation>
    </message>
    <message>
        <source>Oh no!, something happened when you tried to print your picture. Call someone who can help you!</source>
        <translation>Oh nein! Beim Drucken deines Bildes ist etwas passiert. Hol jemanden, der dir helfen kann!</translation>
    </message>
    <message>
        <source>There was an attempt to view the About box. If you wish to allow this, please press OK.</source>
        <translation>Es wurde versucht, das Info-Fenster zu öffnen. Wenn Sie das erlauben möchten, klicken Sie bitte auf OK.</translation>
    </message>
    <message>
        <source>There was an attempt to open the options screen. If you wish to allow this, please press OK to continue.</source>
        <translation>Es wurde versucht, das Fenster „Optionen“ zu öffnen. Wenn Sie das erlauben möchten, klicken Sie bitte auf OK, um fortzufahren.</translation>
    </message>
    <message>
        <source>Jpeg file (*.jpg)</source>
        <translation>JPEG-Datei (*.jpg)</translation>
    </message>
    <message>
        <source>Save current picture as...</source>
        <translation>Aktuelles Bild speichern unter...</translation>
    </message>
    <message>
        <source>Unfortunately, because of an unknown error, the picture could not be saved. Please make sure that the disk is not write protected and that you have enough disk space to save the picture.</source>
        <translation>Leider konnte das Bild wegen eines unbekannten Fehlers nicht gespeichert werden. Bitte stellen Sie sicher, dass die Festplatte nicht schreibgeschützt ist und genug Platz zum Speichern des Bildes frei ist.</translation>
    </message>
</context>
<context>
    <name>GCommonDialog</name>
    <message>
        <source>The file &apos;%1&apos; already exists. Do you want to replace it?</source>
        <translation>Die Datei „%1“ existiert bereits. Möchten Sie sie ersetzen?</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The Tintaloo Help</source>
        <translation>Hilfe zu Tintaloo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the help and go back to The Tintaloo.</source>
        <translation>Die Hilfe schließen und zurück zu Tintaloo.</translation>
    </message>
</context>
<context>
    <name>LibraryWindow</name>
    <message>
        <source>Select a book:</source>
        <translation>Buch auswählen:</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be found. Please make sure that the directory exists and that it is not write protected.</source>
        <translation>„%1“ wurde nicht gefunden. Bitte stellen Sie sicher, dass der Ordner existiert und nicht schreibgeschützt ist.</translation>
    </message>
</context>
<context>
    <name>PicturePackImport</name>
    <message>
        <source>Picture Packs are special files that contain several pictures within them and they can be downloaded from The Tintaloo website. Please press continue to select a Picture Pack to install.</source>
        <translation>Bilderpakete sind besondere Dateien, die mehrere Bilder enthalten. Sie können sie von der Tintaloo-Website herunterladen. Bitte klicken Sie auf „Weiter“, um ein Bilderpaket zum Installieren auszuwählen.</translation>
    </message>
    <message>
        <source>The Tintaloo image pack (*.tpk)</source>
        <translation>Tintaloo-Bilderpaket (*.tpk)</translation>
    </message>
    <message>
        <source>added: %1</source>
        <translation>hinzugefügt: %1</translation>
    </message>
    <message>
        <source>skipped (already in the book): %1</source>
        <translation>übersprungen (schon im Buch): %1</translation>
    </message>
</context>
<context>
    <name>PicturePackInstaller</name>
    <message>
        <source>The folder &apos;%1&apos; is a link to another place. Nothing was added.</source>
        <translation>Der Ordner „%1“ ist eine Verknüpfung zu einem anderen Ort. Es wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; could not be created.</source>
        <translation>Der Ordner „%1“ konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a folder.</source>
        <translation>„%1“ ist kein Ordner.</translation>
    </message>
    <message>
        <source>Could not add the file &apos;%1&apos; to the folder &apos;%2&apos;. Please make sure that it is not write protected.</source>
        <translation>Die Datei „%1“ konnte nicht zum Ordner „%2“ hinzugefügt werden. Bitte stellen Sie sicher, dass er nicht schreibgeschützt ist.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is larger than 512 MB, more than a Picture Pack may be.</source>
        <translation>Die Datei „%1“ ist größer als 512 MB und damit größer, als ein Bilderpaket sein darf.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be found.</source>
        <translation>Die Datei „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file.</source>
        <translation>„%1“ ist keine Datei.</translation>
    </message>
    <message>
        <source>Pictures cannot be added to the book &apos;%1&apos;.</source>
        <translation>Zum Buch „%1“ können keine Bilder hinzugefügt werden.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a folder of this program. Nothing was added.</source>
        <translation>„%1“ ist kein Ordner dieses Programms. Es wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>Could not write into the folder &apos;%1&apos;. Please make sure that it is not write protected.</source>
        <translation>In den Ordner „%1“ konnte nicht geschrieben werden. Bitte stellen Sie sicher, dass er nicht schreibgeschützt ist.</translation>
    </message>
    <message>
        <source>Could not write the file &apos;%1&apos;. Please make sure that the folder &apos;%2&apos; is not write protected and that there is enough space.</source>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden. Bitte stellen Sie sicher, dass der Ordner „%2“ nicht schreibgeschützt ist und genug Platz frei ist.</translation>
    </message>
    <message>
        <source>The book &apos;%1&apos; could not be created. Please make sure that the folder &apos;%2&apos; is not write protected.</source>
        <translation>Das Buch „%1“ konnte nicht angelegt werden. Bitte stellen Sie sicher, dass der Ordner „%2“ nicht schreibgeschützt ist.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the file &apos;%1&apos;.</source>
        <translation>Es ist nicht genug Arbeitsspeicher frei, um die Datei „%1“ zu lesen.</translation>
    </message>
    <message>
        <source>There was the following error while trying to open The Tintaloo package file:
%1</source>
        <translation>Beim Öffnen der Tintaloo-Paketdatei ist folgender Fehler aufgetreten:
%1</translation>
    </message>
    <message>
        <source>The file could not be read from header. Please make sure that the file is not designed for another version of The Tintaloo.</source>
        <translation>Der Dateikopf konnte nicht gelesen werden. Bitte stellen Sie sicher, dass die Datei nicht für eine andere Version von Tintaloo gedacht ist.</translation>
    </message>
    <message>
        <source>Could not read from the header information.</source>
        <translation>Die Kopfdaten konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file appears to be damaged. Please download again.</source>
        <translation>Die Datei scheint beschädigt zu sein. Bitte laden Sie sie erneut herunter.</translation>
    </message>
    <message>
        <source>There was the following error while trying to add new pictures to The Tintaloo:
%1</source>
        <translation>Beim Hinzufügen neuer Bilder zu Tintaloo ist folgender Fehler aufgetreten:
%1</translation>
    </message>
    <message>
        <source>The book &apos;%1&apos; already has every picture of this Picture Pack, so nothing was added.</source>
        <translation>Das Buch „%1“ enthält schon alle Bilder dieses Bilderpakets; es wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>The pictures were added successfully under the book &apos;%1&apos;. To view the new pictures, please select this book from the list.</source>
        <translation>Die Bilder wurden erfolgreich zum Buch „%1“ hinzugefügt. Um die neuen Bilder zu sehen, wählen Sie bitte dieses Buch in der Liste aus.</translation>
    </message>
    <message>
        <source>The book already had these pictures, which were left as they were: %1.</source>
        <extracomment>%1 lists the names of the pictures, separated by commas.</extracomment>
        <translation>Diese Bilder waren schon im Buch und wurden so gelassen, wie sie waren: %1.</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>The Tintaloo Version %1.%2</source>
        <extracomment>%1.%2 is the version number, &quot;6.0&quot;.</extracomment>
        <translation>Tintaloo Version %1.%2</translation>
    </message>
</context>
<context>
    <name>ScreenRule</name>
    <message>
        <source>This program can not run under the current screen resolution. The minimum size is 800 by 600, at a color mode of 24 bits (true color).<byte value="xd"/>
You must change the resolution before the program can run.</source>
        <translation>Dieses Programm kann mit der aktuellen Bildschirmauflösung nicht laufen. Die Mindestgröße ist 800 mal 600 bei einer Farbtiefe von 24 Bit (True Color).<byte value="xd"/>
Sie müssen die Auflösung ändern, bevor das Programm laufen kann.</translation>
    </message>
    <message>
        <source>Although this program is able to run at your current screen resolution, it is highly recommended that you switch to a minimum size of 1024 by 768; otherwise, not all of the pictures will fit on the screen.<byte value="xd"/>
<byte value="xd"/>
Would you like to continue anyway?</source>
        <translation>Dieses Programm kann zwar mit Ihrer aktuellen Bildschirmauflösung laufen, es wird aber dringend empfohlen, auf mindestens 1024 mal 768 umzustellen; sonst passen nicht alle Bilder auf den Bildschirm.<byte value="xd"/>
<byte value="xd"/>
Möchten Sie trotzdem fortfahren?</translation>
    </message>
</context>
<context>
    <name>SettingsLoader</name>
    <message>
        <source>The Tintaloo was unable to create a settings file. This is an serious error and program cannot continue. Make sure that the disk you are using is not write protected.</source>
        <translation>Tintaloo konnte keine Einstellungsdatei anlegen. Das ist ein schwerer Fehler, und das Programm kann nicht weiterlaufen. Stellen Sie sicher, dass die verwendete Festplatte nicht schreibgeschützt ist.</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>The lock file in the data folder &apos;%1&apos; cannot be created.</source>
        <translation>Die Sperrdatei im Datenordner „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The data folder &apos;%1&apos; cannot be locked.</source>
        <translation>Der Datenordner „%1“ kann nicht gesperrt werden.</translation>
    </message>
</context>
<context>
    <name>StatOnlyIconProvider</name>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Verknüpfung</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>%1 File</source>
        <extracomment>The type column of the file dialog; %1 is the name&apos;s extension in capitals (&quot;JPG&quot;).</extracomment>
        <translation>%1-Datei</translation>
    </message>
</context>
<context>
    <name>frmBookTitle</name>
    <message>
        <source>Book title</source>
        <translation>Buchtitel</translation>
    </message>
    <message>
        <source>Please enter a title for the new book.</source>
        <translation>Bitte geben Sie einen Titel für das neue Buch ein.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmColoredPictures</name>
    <message>
        <source>Manage colored pictures</source>
        <translation>Ausgemalte Bilder verwalten</translation>
    </message>
    <message>
        <source>Delete selected picture(s)</source>
        <translation>Ausgewählte Bilder löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Please select at least one picture to delete.</source>
        <translation>Bitte wählen Sie mindestens ein Bild zum Löschen aus.</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete the selected picture(s)?</source>
        <translation>Möchten Sie die ausgewählten Bilder wirklich löschen?</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be removed. Please make sure it exists and that it is not write protected.</source>
        <translation>Die Datei „%1“ konnte nicht entfernt werden. Bitte stellen Sie sicher, dass sie existiert und nicht schreibgeschützt ist.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; could not be removed. Please make sure it exists and that it is not write protected.</source>
        <translation>Der Ordner „%1“ konnte nicht entfernt werden. Bitte stellen Sie sicher, dass er existiert und nicht schreibgeschützt ist.</translation>
    </message>
</context>
<context>
    <name>frmFirstTime</name>
    <message>
        <source>Welcome to The Tintaloo</source>
        <translation>Willkommen bei Tintaloo</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Hello! This appears to be the first time you are running The Tintaloo Version 6.</source>
        <translation>Hallo! Anscheinend starten Sie Tintaloo Version 6 zum ersten Mal.</translation>
    </message>
    <message>
        <source>For now, please enjoy this software. To get started, click the Continue button below and then fill out the settings window. Have fun!</source>
        <translation>Fürs Erste: Viel Freude mit diesem Programm! Klicken Sie zum Beginnen unten auf „Weiter“ und füllen Sie dann das Fenster mit den Einstellungen aus. Viel Spaß!</translation>
    </message>
</context>
<context>
    <name>frmLineArtPreview</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmManagePictures</name>
    <message>
        <source>Manage pictures</source>
        <translation>Bilder verwalten</translation>
    </message>
    <message>
        <source>Delete this book</source>
        <translation>Dieses Buch löschen</translation>
    </message>
    <message>
        <source>Delete selected picture(s)</source>
        <translation>Ausgewählte Bilder löschen</translation>
    </message>
    <message>
        <source>Add pictures to this book</source>
        <translation>Bilder zu diesem Buch hinzufügen</translation>
    </message>
    <message>
        <source>Create a new book</source>
        <translation>Neues Buch anlegen</translation>
    </message>
    <message>
        <source>Add a new book to The Tintaloo.  You can then add pictures to the book.</source>
        <translation>Ein neues Buch zu Tintaloo hinzufügen. Danach können Sie Bilder in das Buch aufnehmen.</translation>
    </message>
    <message>
        <source>Import a Picture Pack</source>
        <translation>Bilderpaket importieren</translation>
    </message>
    <message>
        <source>You can add pre-packaged pictures to The Tintaloo (Picture Packs).  The picture pack has a tpk extension and you can download some from The Tintaloo website.</source>
        <translation>Sie können Tintaloo fertig verpackte Bilder hinzufügen (Bilderpakete). Ein Bilderpaket hat die Endung tpk; einige können Sie von der Tintaloo-Website herunterladen.</translation>
    </message>
    <message>
        <source>Create a Picture Pack</source>
        <translation>Bilderpaket erstellen</translation>
    </message>
    <message>
        <source>A Picture Pack is a file that contains multiple pictures for use in The Tintaloo.  You can create one if you want to deal with a single file (rather than multiple pictures) so that the process of installing pictures is easier.</source>
        <translation>Ein Bilderpaket ist eine Datei, die mehrere Bilder für Tintaloo enthält. Erstellen Sie eines, wenn Sie lieber mit einer einzigen Datei statt mit vielen Bildern umgehen möchten; so lassen sich Bilder leichter installieren.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>This book cannot be removed because it is required for The Tintaloo to work correctly.</source>
        <translation>Dieses Buch kann nicht entfernt werden, weil Tintaloo es braucht, um richtig zu funktionieren.</translation>
    </message>
    <message>
        <source>The Tintaloo requires at least one book to run. As this is the last book, you must create another picture book before you are able to remove this one.</source>
        <translation>Tintaloo braucht mindestens ein Buch. Da dies das letzte Buch ist, müssen Sie erst ein anderes Buch anlegen, bevor Sie dieses entfernen können.</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete this book? If you select yes, any colored pictures from this book will be removed too.</source>
        <translation>Möchten Sie dieses Buch wirklich löschen? Wenn Sie „Weiter“ wählen, werden auch alle ausgemalten Bilder aus diesem Buch entfernt.</translation>
    </message>
    <message>
        <source>The book &apos;%1&apos; cannot be removed because the picture that is currently open in The Tintaloo is within this book.</source>
        <translation>Das Buch „%1“ kann nicht entfernt werden, weil das Bild, das gerade in Tintaloo offen ist, zu diesem Buch gehört.</translation>
    </message>
    <message>
        <source>There was a problem removing the book. Please make sure that the path &apos;%1&apos; is not write protected and that it is not currently in use.</source>
        <translation>Beim Entfernen des Buches ist ein Problem aufgetreten. Bitte stellen Sie sicher, dass der Pfad „%1“ nicht schreibgeschützt ist und gerade nicht verwendet wird.</translation>
    </message>
    <message>
        <source>There was a problem removing the colored pictures. Please make sure that the path &apos;%1&apos; is not write protected and that it is not currently in use.</source>
        <translation>Beim Entfernen der ausgemalten Bilder ist ein Problem aufgetreten. Bitte stellen Sie sicher, dass der Pfad „%1“ nicht schreibgeschützt ist und gerade nicht verwendet wird.</translation>
    </message>
    <message>
        <source>Please select at least one picture to delete.</source>
        <translation>Bitte wählen Sie mindestens ein Bild zum Löschen aus.</translation>
    </message>
    <message>
        <source>The pictures in this book cannot be removed because they are required for The Tintaloo to work correctly.</source>
        <translation>Die Bilder in diesem Buch können nicht entfernt werden, weil Tintaloo sie braucht, um richtig zu funktionieren.</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete the selected picture(s)?</source>
        <translation>Möchten Sie die ausgewählten Bilder wirklich löschen?</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be removed because the file is currently open in The Tintaloo. Please close it first by opening another picture.</source>
        <translation>Die Datei „%1“ konnte nicht entfernt werden, weil sie gerade in Tintaloo offen ist. Bitte schließen Sie sie zuerst, indem Sie ein anderes Bild öffnen.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be removed. Please make sure it exists and that it is not write protected.</source>
        <translation>Die Datei „%1“ konnte nicht entfernt werden. Bitte stellen Sie sicher, dass sie existiert und nicht schreibgeschützt ist.</translation>
    </message>
    <message>
        <source>The book could not be created. Please make sure that the path &apos;%1/&apos; is not write protected and that you have not used the following characters in the book title \ /:*?&quot;&lt;&gt;|</source>
        <translation>Das Buch konnte nicht angelegt werden. Bitte stellen Sie sicher, dass der Pfad „%1/“ nicht schreibgeschützt ist und dass der Buchtitel keines der folgenden Zeichen enthält: \ /:*?"&lt;&gt;|</translation>
    </message>
    <message>
        <source>A book by this name already exists. Please select another name.</source>
        <translation>Ein Buch mit diesem Namen gibt es schon. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>You are attempting to copy picture(s) from one book into the same book!</source>
        <translation>Sie versuchen, Bilder aus einem Buch in dasselbe Buch zu kopieren!</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is faulty. Not all pictures you selected may have been added.</source>
        <translation>Die Datei „%1“ ist fehlerhaft. Möglicherweise wurden nicht alle ausgewählten Bilder hinzugefügt.</translation>
    </message>
    <message>
        <source>Could not add the file &apos;%1&apos; because it is not pure Black and White.</source>
        <translation>Die Datei „%1“ konnte nicht hinzugefügt werden, weil sie nicht rein schwarz-weiß ist.</translation>
    </message>
    <message>
        <source>Would you like to add a black and white copy of &apos;%1&apos; instead? It will be added to the book as &apos;%2&apos;.</source>
        <translation>Möchten Sie stattdessen eine schwarz-weiße Kopie von „%1“ hinzufügen? Sie wird dem Buch als „%2“ hinzugefügt.</translation>
    </message>
    <message>
        <source>The picture &apos;%1&apos; is larger than the page (%2 x %3 pixels). Would you like to add it made smaller to fit, %4 x %5 pixels, as &apos;%6&apos;?</source>
        <extracomment>%2 x %3 is the picture&apos;s size in pixels, %4 x %5 the size it would be made.</extracomment>
        <translation>Das Bild „%1“ ist größer als die Seite (%2 x %3 Pixel). Möchten Sie es passend verkleinert auf %4 x %5 Pixel als „%6“ hinzufügen?</translation>
    </message>
    <message>
        <source>A picture by this name already exists within the book &apos;%1&apos; . Please rename the picture before you try to add it.</source>
        <translation>Im Buch „%1“ gibt es schon ein Bild mit diesem Namen. Bitte benennen Sie das Bild um, bevor Sie es hinzufügen.</translation>
    </message>
    <message>
        <source>Could not add the file &apos;%1&apos;. Please make sure that the folder &apos;%2&apos; is not write protected.</source>
        <translation>Die Datei „%1“ konnte nicht hinzugefügt werden. Bitte stellen Sie sicher, dass der Ordner „%2“ nicht schreibgeschützt ist.</translation>
    </message>
    <message>
        <source>Pictures cannot be added to this book. Please select another book to add pictures to.</source>
        <translation>Zu diesem Buch können keine Bilder hinzugefügt werden. Bitte wählen Sie ein anderes Buch, um Bilder hinzuzufügen.</translation>
    </message>
    <message>
        <source>Add pictures to %1</source>
        <translation>Bilder zu %1 hinzufügen</translation>
    </message>
    <message>
        <source>Pictures (*.bmp,*.gif,*.jpg,*.png)</source>
        <translation>Bilder (*.bmp,*.gif,*.jpg,*.png)</translation>
    </message>
</context>
<context>
    <name>frmMessage</name>
    <message>
        <source>[Message for the kids]</source>
        <translation>[Nachricht für die Kinder]</translation>
    </message>
    <message>
        <source>[Message for the parents]</source>
        <translation>[Nachricht für die Eltern]</translation>
    </message>
    <message>
        <source>Please enter your password here:</source>
        <translation>Bitte Passwort hier eingeben:</translation>
    </message>
    <message>
        <source>nevermind</source>
        <extracomment>Drawn on the button only when its picture is missing; the picture itself says &quot;nevermind&quot;.</extracomment>
        <translation>lieber nicht</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Drawn on the button only when its picture is missing; the picture itself says &quot;OK&quot;.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>details</source>
        <extracomment>Drawn on the tab only when its picture is missing; the picture itself says &quot;details&quot;.</extracomment>
        <translation>Details</translation>
    </message>
    <message>
        <source>The password you entered is incorrect. Your password hint is: &apos;%1&apos;.</source>
        <translation>Das eingegebene Passwort ist falsch. Ihr Passworthinweis lautet: „%1“.</translation>
    </message>
    <message>
        <source>The password you entered is incorrect. Please enter the password again or press nevermind to close this window.</source>
        <extracomment>&quot;nevermind&quot; is the button of this window, whose picture always says &quot;nevermind&quot;.</extracomment>
        <translation>Das eingegebene Passwort ist falsch. Bitte geben Sie das Passwort noch einmal ein, oder klicken Sie auf „lieber nicht“, um dieses Fenster zu schließen.</translation>
    </message>
</context>
<context>
    <name>frmOpen</name>
    <message>
        <source>Which picture would you like to color?</source>
        <translation>Welches Bild möchtest du ausmalen?</translation>
    </message>
    <message>
        <source>Loading(%1%)... %2.</source>
        <translation>Wird geladen (%1%)... %2.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <comment>pictures left out</comment>
        <translation>
            <numerusform>und %n weiteres</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>These pictures could not be read and were left out of the books. They may be damaged; you can delete them in the picture manager.</source>
        <translation>Diese Bilder konnten nicht gelesen werden und fehlen deshalb in den Büchern. Sie sind möglicherweise beschädigt; Sie können sie im Fenster „Bilder verwalten“ löschen.</translation>
    </message>
    <message>
        <source>There was a problem loading the pictures. Make sure that none of them are damaged. If you do not know what the problem is, please reinstall The Tintaloo. Press OK to exit the program.</source>
        <translation>Beim Laden der Bilder ist ein Problem aufgetreten. Stellen Sie sicher, dass keines davon beschädigt ist. Wenn Sie nicht wissen, woran es liegt, installieren Sie Tintaloo bitte neu. Klicken Sie auf OK, um das Programm zu beenden.</translation>
    </message>
    <message>
        <source>Oh no! something strange has happened! Call someone who can help you!</source>
        <translation>Oh nein! Da ist etwas Seltsames passiert! Hol jemanden, der dir helfen kann!</translation>
    </message>
    <message>
        <source>An unknown error occurred when there was an attempt to start drawing a new picture. Please make sure that the disk is not write protected and that there is enough disk space.</source>
        <translation>Beim Versuch, ein neues Bild anzufangen, ist ein unbekannter Fehler aufgetreten. Bitte stellen Sie sicher, dass die Festplatte nicht schreibgeschützt ist und genug Platz frei ist.</translation>
    </message>
    <message>
        <source>Help! A new picture could not be started! Call someone who can help you sort it out! Go!</source>
        <translation>Hilfe! Ich kann kein neues Bild anfangen! Hol jemanden, der dir hilft! Los!</translation>
    </message>
    <message>
        <source>You or your child has asked for more pictures to be added to The Tintaloo. If you wish to allow this, please press OK to continue.</source>
        <translation>Sie oder Ihr Kind möchten Tintaloo weitere Bilder hinzufügen. Wenn Sie das erlauben möchten, klicken Sie bitte auf OK, um fortzufahren.</translation>
    </message>
    <message>
        <source>Would you like more pictures? Call someone who can get them for you!</source>
        <translation>Möchtest du mehr Bilder? Hol jemanden, der sie dir besorgen kann!</translation>
    </message>
    <message>
        <source>Could not find the books path. Please reinstall The Tintaloo!</source>
        <translation>Der Ordner mit den Büchern wurde nicht gefunden. Bitte installieren Sie Tintaloo neu!</translation>
    </message>
</context>
<context>
    <name>frmParentMessage</name>
    <message>
        <source>[Parental message]</source>
        <translation>[Elternnachricht]</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmParentalOptions</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Play sound effects</source>
        <translation>Soundeffekte abspielen</translation>
    </message>
    <message>
        <source>Disable/enable sound effects.</source>
        <translation>Soundeffekte aus- oder einschalten.</translation>
    </message>
    <message>
        <source>Auto-hide parental buttons</source>
        <translation>Elternknöpfe automatisch ausblenden</translation>
    </message>
    <message>
        <source> Ticking this box will cause The Tintaloo to hide the quit, save, print, help, settings and gallery options when they are not in use.</source>
        <translation> Wenn Sie dieses Kästchen ankreuzen, blendet Tintaloo die Knöpfe für Beenden, Speichern, Drucken, Hilfe, Einstellungen und Galerie aus, solange sie nicht gebraucht werden.</translation>
    </message>
    <message>
        <source>Use parental password</source>
        <translation>Elternpasswort verwenden</translation>
    </message>
    <message>
        <source>Ticking this box will prevent children from accessing features such as printing and saving.</source>
        <translation>Wenn Sie dieses Kästchen ankreuzen, können Kinder Funktionen wie Drucken und Speichern nicht mehr allein benutzen.</translation>
    </message>
    <message>
        <source>Allow quitting without permission</source>
        <translation>Beenden ohne Erlaubnis zulassen</translation>
    </message>
    <message>
        <source>If you leave this option unchecked, a password will have to be entered to quit The Tintaloo.</source>
        <translation>Wenn diese Option nicht angekreuzt ist, muss zum Beenden von Tintaloo ein Passwort eingegeben werden.</translation>
    </message>
    <message>
        <source>Bubble speed:</source>
        <translation>Blasentempo:</translation>
    </message>
    <message>
        <source>This option sets the speed of the color selection bubbles.</source>
        <translation>Diese Option legt fest, wie schnell die Farbblasen schweben.</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Parental password:</source>
        <translation>Elternpasswort:</translation>
    </message>
    <message>
        <source>A password is required when unlocking locked items, please enter it here if you wish to change the current password.</source>
        <translation>Zum Freigeben gesperrter Funktionen wird ein Passwort benötigt. Geben Sie es hier ein, wenn Sie das aktuelle Passwort ändern möchten.</translation>
    </message>
    <message>
        <source>Password hint:</source>
        <translation>Passworthinweis:</translation>
    </message>
    <message>
        <source>If you ever forget your password, you can use the hint below to remind you!</source>
        <translation>Falls Sie Ihr Passwort einmal vergessen, hilft Ihnen der Hinweis darunter, sich wieder zu erinnern!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancel any changes and close the window.</source>
        <translation>Alle Änderungen verwerfen und das Fenster schließen.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Apply any changes and close the window.</source>
        <translation>Alle Änderungen übernehmen und das Fenster schließen.</translation>
    </message>
    <message>
        <source>Manage colored pages</source>
        <translation>Ausgemalte Seiten verwalten</translation>
    </message>
    <message>
        <source>Click here to view, open and delete pictures which have already been colored. To reset a picture to its Black and White state, simply delete the colored picture.</source>
        <translation>Hier klicken, um bereits ausgemalte Bilder anzusehen, zu öffnen und zu löschen. Um ein Bild wieder schwarz-weiß zu machen, löschen Sie einfach das ausgemalte Bild.</translation>
    </message>
    <message>
        <source>Add/remove</source>
        <extracomment>A link, read together with the words beside it: &quot;Add/remove&quot; &quot;coloring pages and books&quot;.</extracomment>
        <translation>Hinzufügen/Entfernen</translation>
    </message>
    <message>
        <source>Click here to view, add and remove coloring pages and books.</source>
        <translation>Hier klicken, um Malvorlagen und Bücher anzusehen, hinzuzufügen und zu entfernen.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Check for updates by going to The Tintaloo website.</source>
        <translation>Auf der Tintaloo-Website nach Updates suchen.</translation>
    </message>
    <message>
        <source>coloring pages and books</source>
        <extracomment>The words beside the link &quot;Add/remove&quot;, which they complete.</extracomment>
        <translation>von Bildern und Büchern</translation>
    </message>
    <message>
        <source>There was an error when trying to open the settings file. This may be because you are running The Tintaloo for the first time.</source>
        <translation>Beim Öffnen der Einstellungsdatei ist ein Fehler aufgetreten. Das kann daran liegen, dass Sie Tintaloo zum ersten Mal starten.</translation>
    </message>
    <message>
        <source>You can attempt to create a new settings file by completing the next window and clicking OK. If that does not work, reinstalling the application may fix the problem.</source>
        <translation>Sie können versuchen, eine neue Einstellungsdatei anzulegen, indem Sie das nächste Fenster ausfüllen und auf „Weiter“ klicken. Wenn das nicht hilft, kann es helfen, das Programm neu zu installieren.</translation>
    </message>
    <message>
        <source>You have chosen to auto-hide the parental buttons (small buttons on the top-left corner of the screen). If you need to access them, you should place the mouse pointer over that area for one second.</source>
        <translation>Sie haben gewählt, die Elternknöpfe (die kleinen Knöpfe in der linken oberen Ecke des Bildschirms) automatisch auszublenden. Wenn Sie sie brauchen, lassen Sie den Mauszeiger eine Sekunde lang über dieser Stelle stehen.</translation>
    </message>
    <message>
        <source>You must enter a password in order to continue.</source>
        <translation>Sie müssen ein Passwort eingeben, um fortzufahren.</translation>
    </message>
    <message>
        <source>You must enter a password hint incase you forget your password.</source>
        <translation>Sie müssen einen Passworthinweis eingeben, falls Sie Ihr Passwort vergessen.</translation>
    </message>
    <message>
        <source>The password and the password hint can only contain letters, digits and signs of Western European languages. Please change them and try again.</source>
        <translation>Das Passwort und der Passworthinweis dürfen nur Buchstaben, Ziffern und Zeichen westeuropäischer Sprachen enthalten. Bitte ändern Sie sie und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>There was an error while trying to save the settings.</source>
        <translation>Beim Speichern der Einstellungen ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Make sure the disk is not write protected and there is enough space.</source>
        <translation>Stellen Sie sicher, dass die Festplatte nicht schreibgeschützt ist und genug Platz frei ist.</translation>
    </message>
    <message>
        <source>There are currently no colored pictures to browse. You can only access this window after at least one picture has been colored.</source>
        <translation>Es gibt noch keine ausgemalten Bilder zum Ansehen. Dieses Fenster lässt sich erst öffnen, wenn mindestens ein Bild ausgemalt wurde.</translation>
    </message>
    <message>
        <source>Could not find the books path. Please reinstall The Tintaloo!</source>
        <translation>Der Ordner mit den Büchern wurde nicht gefunden. Bitte installieren Sie Tintaloo neu!</translation>
    </message>
    <message>
        <source>Your current version of The Tintaloo is %1.%2</source>
        <extracomment>%1.%2 is the version number, &quot;6.0&quot;.</extracomment>
        <translation>Ihre aktuelle Version von Tintaloo ist %1.%2</translation>
    </message>
    <message>
        <source>Would you like to be taken to The Tintaloo website to see if a newer version is available?</source>
        <translation>Möchten Sie die Tintaloo-Website öffnen, um nachzusehen, ob es eine neuere Version gibt?</translation>
    </message>
    <message>
        <source>Could not load The Tintaloo webpage. Please make sure that your internet browser is working!</source>
        <translation>Die Tintaloo-Website konnte nicht geladen werden. Bitte stellen Sie sicher, dass Ihr Webbrowser funktioniert!</translation>
    </message>
</context>
<context>
    <name>frmPicturePack</name>
    <message>
        <source>This window allows you to create Picture Packs for The Tintaloo. Picture Packs are special files that contain several pictures within them.  The advantage of a Picture Pack is that distributing pictures will be easier (only one file needs to be distributed) and it will ease the process of installing new pictures (only one file needs to be installed.)</source>
        <translation>In diesem Fenster können Sie Bilderpakete für Tintaloo erstellen. Bilderpakete sind besondere Dateien, die mehrere Bilder enthalten. Ihr Vorteil: Bilder lassen sich leichter weitergeben (nur eine Datei muss verschickt werden), und neue Bilder lassen sich leichter installieren (nur eine Datei muss installiert werden).</translation>
    </message>
    <message>
        <source>Select files to put into the Picture Pack</source>
        <translation>Dateien für das Bilderpaket auswählen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Pictures (*.bmp,*.gif,*.jpg)</source>
        <translation>Bilder (*.bmp,*.gif,*.jpg)</translation>
    </message>
    <message>
        <source>The folder name &apos;%1&apos; cannot be the name of a book. Please put the pictures in a folder named after the book (at most 100 characters, none of \ / : * ? &quot; &lt; &gt; |) and try again.</source>
        <translation>Der Ordnername „%1“ kann nicht der Name eines Buches sein. Bitte legen Sie die Bilder in einen Ordner, der nach dem Buch benannt ist (höchstens 100 Zeichen, keines von \ / : * ? " &lt; &gt; |), und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be put into a Picture Pack. Only pictures ending in .bmp, .gif or .jpg, without &quot;|&quot; in their names, can be.</source>
        <translation>Die Datei „%1“ kann nicht in ein Bilderpaket aufgenommen werden. Das geht nur mit Bildern, die auf .bmp, .gif oder .jpg enden und kein „|“ im Namen haben.</translation>
    </message>
    <message>
        <source>The picture &apos;%1&apos; could not be read, so the Picture Pack was not created. Please make sure that the picture exists and that you may read it.</source>
        <translation>Das Bild „%1“ konnte nicht gelesen werden, daher wurde das Bilderpaket nicht erstellt. Bitte stellen Sie sicher, dass das Bild existiert und Sie es lesen dürfen.</translation>
    </message>
    <message>
        <source>Tintaloo Picture Pack</source>
        <translation>Tintaloo-Bilderpaket</translation>
    </message>
    <message>
        <source>Select where you would like to save the Picture Pack.</source>
        <translation>Wählen Sie, wo das Bilderpaket gespeichert werden soll.</translation>
    </message>
    <message>
        <source>The Picture Pack has been successfully created!</source>
        <translation>Das Bilderpaket wurde erfolgreich erstellt!</translation>
    </message>
    <message>
        <source>There was an error saving the Picture Pack. Please make sure that the folder you selected is not write protected and that there is enough space.</source>
        <translation>Beim Speichern des Bilderpakets ist ein Fehler aufgetreten. Bitte stellen Sie sicher, dass der gewählte Ordner nicht schreibgeschützt ist und genug Platz frei ist.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>The Tintaloo</source>
        <translation>Tintaloo</translation>
    </message>
    <message>
        <source>Please wait while The Tintaloo loads.</source>
        <translation>Bitte warten, Tintaloo wird geladen.</translation>
    </message>
    <message>
        <source>The Tintaloo is brought to you by the Tintaloo project. Please respect the license agreement.</source>
        <translation>Tintaloo wird Ihnen vom Tintaloo-Projekt zur Verfügung gestellt. Bitte beachten Sie die Lizenzvereinbarung.</translation>
    </message>
    <message>
        <source>Open The Tintaloo help file to view the license agreement in more detail.</source>
        <translation>Die Hilfe von Tintaloo öffnen, um die Lizenzvereinbarung ausführlich zu lesen.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Visit website</source>
        <translation>Website besuchen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Unable to start the help file &apos;%1/help/index.htm&apos; Please make sure that it exists.</source>
        <translation>Die Hilfedatei „%1/help/index.htm“ konnte nicht geöffnet werden. Bitte stellen Sie sicher, dass sie existiert.</translation>
    </message>
    <message>
        <source>Could not load The Tintaloo webpage. Please make sure that your internet browser is working!</source>
        <translation>Die Tintaloo-Website konnte nicht geladen werden. Bitte stellen Sie sicher, dass Ihr Webbrowser funktioniert!</translation>
    </message>
</context>
<context>
    <name>mMain</name>
    <message>
        <source>Unable to start the help file &apos;%1/help/index.htm&apos;. Please make sure that it exists.</source>
        <translation>Die Hilfedatei „%1/help/index.htm“ konnte nicht geöffnet werden. Bitte stellen Sie sicher, dass sie existiert.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the default books were not found (looked in share/tintaloo beside the program and in the system data folders)</source>
        <translation>die Standardbücher wurden nicht gefunden (gesucht in share/tintaloo neben dem Programm und in den Datenordnern des Systems)</translation>
    </message>
    <message>
        <source>some default books or help topics could not be copied into &apos;%1&apos;</source>
        <translation>einige Standardbücher oder Hilfeseiten konnten nicht nach „%1“ kopiert werden</translation>
    </message>
    <message>
        <source>Tintaloo is already running with the data folder &apos;%1&apos;, but did not answer.</source>
        <translation>Tintaloo läuft bereits mit dem Datenordner „%1“, hat aber nicht geantwortet.</translation>
    </message>
</context>
</TS>
