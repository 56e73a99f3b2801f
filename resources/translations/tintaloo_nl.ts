<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>ButtonArt</name>
    <message>
        <source>nevermind</source>
        <extracomment>The prompt's button that closes it without doing anything; drawn into the button picture (150 px wide).</extracomment>
        <translation>laat maar</translation>
    </message>
    <message>
        <source>details</source>
        <extracomment>The tab that shows the message for the parent; drawn into the tab picture (about 58 px for the word).</extracomment>
        <translation>details</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>First line of the browser's button that starts a new picture of your own; drawn into the button picture (about 90 px a line).</extracomment>
        <translation>nieuw</translation>
    </message>
    <message>
        <source>picture</source>
        <extracomment>Second line of the browser's button that starts a new picture of your own.</extracomment>
        <translation>plaatje</translation>
    </message>
    <message>
        <source>more</source>
        <extracomment>First line of the browser's button that opens picture packs and more pictures.</extracomment>
        <translation>meer</translation>
    </message>
    <message>
        <source>pictures</source>
        <extracomment>Second line of the browser's button that opens more pictures.</extracomment>
        <translation>plaatjes</translation>
    </message>
    <message>
        <source>Welcome!</source>
        <extracomment>The title of the first-run welcome banner, drawn large (about 400 px wide).</extracomment>
        <translation>Welkom!</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Toont hulp bij de opties op de opdrachtregel.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Toont informatie over de versie.</translation>
    </message>
    <message>
        <source>Keeps settings, books and coloured pictures in &lt;dir&gt; instead of the per-user data folder.</source>
        <extracomment>&lt;dir&gt; is the value name of the option, translated as &quot;dir&quot; below.</extracomment>
        <translation>Bewaart instellingen, boeken en ingekleurde plaatjes in &lt;map&gt; in plaats van in de gegevensmap van de gebruiker.</translation>
    </message>
    <message>
        <source>dir</source>
        <extracomment>The value name of --data-dir, shown as &lt;dir&gt; in the help.</extracomment>
        <translation>map</translation>
    </message>
    <message>
        <source>Adds the pictures of the picture pack &lt;file&gt; to the books.</source>
        <extracomment>&lt;file&gt; is the value name of the option, translated as &quot;file&quot; below.</extracomment>
        <translation>Voegt de plaatjes van het plaatjespakket &lt;bestand&gt; aan de boeken toe.</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The value name of --import-pack, shown as &lt;file&gt; in the help.</extracomment>
        <translation>bestand</translation>
    </message>
    <message>
        <source>The Tintaloo: a colouring book for young children.</source>
        <translation>Tintaloo: een kleurboek voor jonge kinderen.</translation>
    </message>
    <message>
        <source>A picture pack (.tpk) to add after a parent allows it.</source>
        <translation>Een plaatjespakket (.tpk) om toe te voegen zodra een ouder toestemming geeft.</translation>
    </message>
    <message>
        <source>[pack]</source>
        <extracomment>The positional argument&apos;s name in the usage line.</extracomment>
        <translation>[pakket]</translation>
    </message>
    <message>
        <source>Only one picture pack can be opened at a time.</source>
        <translation>Er kan maar één plaatjespakket tegelijk worden geopend.</translation>
    </message>
    <message>
        <source>--import-pack needs the name of a picture pack file.</source>
        <translation>--import-pack heeft de naam van een plaatjespakketbestand nodig.</translation>
    </message>
</context>
<context>
    <name>DataFolderCheck</name>
    <message>
        <source>No data folder was given.</source>
        <translation>Er is geen gegevensmap opgegeven.</translation>
    </message>
    <message>
        <source>The data folder %1 is a file, not a folder.</source>
        <translation>De gegevensmap %1 is een bestand, geen map.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be created: %2 is a file, not a folder.</source>
        <translation>De gegevensmap %1 kan niet worden gemaakt: %2 is een bestand, geen map.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be created here.</source>
        <translation>De gegevensmap %1 kan hier niet worden gemaakt.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be written to: %2.</source>
        <translation>Er kan niet in de gegevensmap %1 worden geschreven: %2.</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Open a picture to paint</source>
        <translation>Open een plaatje om te kleuren</translation>
    </message>
    <message>
        <source>Clear out all colors!</source>
        <translation>Alle kleuren weghalen!</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Choose between crazy colors and normal colors!</source>
        <translation>Kies tussen gekke kleuren en gewone kleuren!</translation>
    </message>
    <message>
        <source>Color using a magic crayon</source>
        <translation>Kleuren met een toverkrijtje</translation>
    </message>
    <message>
        <source>Paint using a magic paintbrush</source>
        <translation>Schilderen met een toverpenseel</translation>
    </message>
    <message>
        <source>Draw using a magic coloring pencil</source>
        <translation>Tekenen met een toverpotlood</translation>
    </message>
    <message>
        <source>Draw using a marker pen</source>
        <translation>Tekenen met een stift</translation>
    </message>
    <message>
        <source>Click here to quit The Tintaloo</source>
        <translation>Klik hier om Tintaloo te sluiten</translation>
    </message>
    <message>
        <source>Save picture as...</source>
        <translation>Plaatje opslaan als...</translation>
    </message>
    <message>
        <source>Print the picture</source>
        <translation>Plaatje afdrukken</translation>
    </message>
    <message>
        <source>About/Help</source>
        <translation>Info/Help</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>The Tintaloo</source>
        <translation>Tintaloo</translation>
    </message>
    <message>
        <source>There was an attempt to clear out all the colors in the picture. If you click OK, all changes to the picture will be lost and you will be left with a black and white image.</source>
        <translation>Er is geprobeerd alle kleuren uit het plaatje weg te halen. Als u op OK klikt, gaan alle wijzigingen aan het plaatje verloren en blijft er een zwart-wit plaatje over.</translation>
    </message>
    <message>
        <source>Would you like to get rid of all the colors? If you don&apos;t, call someone who can help you! Or press never mind</source>
        <extracomment>&quot;never mind&quot; is the button of this window, whose picture always says &quot;nevermind&quot;.</extracomment>
        <translation>Wil je alle kleuren weghalen? Weet je het niet zeker, roep dan iemand die je kan helpen! Of druk op ‘laat maar’</translation>
    </message>
    <message>
        <source>The picture could not be saved because the disk is full. Press Cancel to keep it on the screen, then make room on the disk or save it elsewhere with Save as. Press Continue to go on without saving it.</source>
        <translation>Het plaatje kon niet worden opgeslagen, omdat de schijf vol is. Druk op Terug om het op het scherm te houden; maak daarna ruimte vrij op de schijf of sla het ergens anders op met Opslaan als. Druk op Verder om door te gaan zonder het op te slaan.</translation>
    </message>
    <message>
        <source>The picture could not be saved because the disk or its folder is write protected. Press Cancel to keep it on the screen, then make room on the disk or save it elsewhere with Save as. Press Continue to go on without saving it.</source>
        <translation>Het plaatje kon niet worden opgeslagen, omdat de schijf of de map schrijfbeveiligd is. Druk op Terug om het op het scherm te houden; maak daarna ruimte vrij op de schijf of sla het ergens anders op met Opslaan als. Druk op Verder om door te gaan zonder het op te slaan.</translation>
    </message>
    <message>
        <source>The picture could not be saved because of an unknown error. Press Cancel to keep it on the screen, then make room on the disk or save it elsewhere with Save as. Press Continue to go on without saving it.</source>
        <translation>Het plaatje kon niet worden opgeslagen vanwege een onbekende fout. Druk op Terug om het op het scherm te houden; maak daarna ruimte vrij op de schijf of sla het ergens anders op met Opslaan als. Druk op Verder om door te gaan zonder het op te slaan.</translation>
    </message>
    <message>
        <source>The picture &apos;%1&apos; appears to be damaged or it no longer exists.</source>
        <translation>Het plaatje '%1' lijkt beschadigd te zijn of bestaat niet meer.</translation>
    </message>
    <message>
        <source>Oops, the picture you choose appears to be have something wrong with it, call someone who can help you fix it!</source>
        <translation>Oeps, er lijkt iets mis te zijn met het plaatje dat je koos. Roep iemand die je kan helpen om het te maken!</translation>
    </message>
    <message>
        <source>Before printing, a temporary file has to be created in the application directory. This was not possible. Please make sure there is enough space in the disk and that the disk is not write protected.</source>
        <translation>Voor het afdrukken moet er een tijdelijk bestand worden gemaakt in de map van het programma. Dat is niet gelukt. Controleer of er genoeg ruimte op de schijf is en of de schijf niet schrijfbeveiligd is.</translation>
    </message>
    <message>
        <source>Oh no! Your picture could not be printed. Call someone for help!</source>
        <translation>O nee! Je plaatje kon niet worden afgedrukt. Roep iemand om je te helpen!</translation>
    </message>
    <message>
        <source>There was an attempt to add a picture pack to The Tintaloo. If you wish to allow this, please press OK to continue.</source>
        <translation>Er is geprobeerd een plaatjespakket aan Tintaloo toe te voegen. Wilt u dit toestaan, druk dan op OK om door te gaan.</translation>
    </message>
    <message>
        <source>Oh no!, something has happened. Call someone who can help you!</source>
        <translation>O nee! Er is iets gebeurd. Roep iemand die je kan helpen!</translation>
    </message>
    <message>
        <source>There was an attempt to quit The Tintaloo. If you wish to allow this, please press OK to continue.</source>
        <translation>Er is geprobeerd Tintaloo af te sluiten. Wilt u dit toestaan, druk dan op OK om door te gaan.</translation>
    </message>
    <message>
        <source>Oh no!, something has happened when you tried to close me. Call someone who can help you!</source>
        <translation>O nee! Er is iets gebeurd toen je me wilde dichtdoen. Roep iemand die je kan helpen!</translation>
    </message>
    <message>
        <source>There was an attempt to quit The Tintaloo. If you wish to allow this, press OK.</source>
        <translation>Er is geprobeerd Tintaloo af te sluiten. Wilt u dit toestaan, druk dan op OK.</translation>
    </message>
    <message>
        <source>Are you sure you want to close this coloring book? Why don&apos;t you stay for a while?</source>
        <translation>Wil je dit kleurboek echt dichtdoen? Blijf je nog even?</translation>
    </message>
    <message>
        <source>There was an attempt to save the current picture. If you wish to allow this, please press OK to continue.</source>
        <translation>Er is geprobeerd het huidige plaatje op te slaan. Wilt u dit toestaan, druk dan op OK om door te gaan.</translation>
    </message>
    <message>
        <source>Oh no!, something happened when you tried to save your picture. Call someone who can help you!</source>
        <translation>O nee! Er ging iets mis toen je je plaatje wilde bewaren. Roep iemand die je kan helpen!</translation>
    </message>
    <message>
        <source>There was an attempt to print the current picture. If you wish to allow this, please press OK to continue.</source>
        <translation>Er is geprobeerd het huidige plaatje af te drukken. Wilt u dit toestaan, druk dan op OK om door te gaan.</translation>
    </message>
    <message>
        <source>Oh no!, something happened when you tried to print your picture. Call someone who can help you!</source>
        <translation>O nee! Er ging iets mis toen je je plaatje wilde afdrukken. Roep iemand die je kan helpen!</translation>
    </message>
    <message>
        <source>There was an attempt to view the About box. If you wish to allow this, please press OK.</source>
        <translation>Er is geprobeerd het infovenster te openen. Wilt u dit toestaan, druk dan op OK.</translation>
    </message>
    <message>
        <source>There was an attempt to open the options screen. If you wish to allow this, please press OK to continue.</source>
        <translation>Er is geprobeerd het venster Opties te openen. Wilt u dit toestaan, druk dan op OK om door te gaan.</translation>
    </message>
    <message>
        <source>Jpeg file (*.jpg)</source>
        <translation>JPEG-bestand (*.jpg)</translation>
    </message>
    <message>
        <source>Save current picture as...</source>
        <translation>Huidig plaatje opslaan als...</translation>
    </message>
    <message>
        <source>Unfortunately, because of an unknown error, the picture could not be saved. Please make sure that the disk is not write protected and that you have enough disk space to save the picture.</source>
        <translation>Helaas kon het plaatje door een onbekende fout niet worden opgeslagen. Controleer of de schijf niet schrijfbeveiligd is en of er genoeg schijfruimte is om het plaatje op te slaan.</translation>
    </message>
</context>
<context>
    <name>GCommonDialog</name>
    <message>
        <source>The file &apos;%1&apos; already exists. Do you want to replace it?</source>
        <translation>Het bestand '%1' bestaat al. Wilt u het vervangen?</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The Tintaloo Help</source>
        <translation>Help bij Tintaloo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Close the help and go back to The Tintaloo.</source>
        <translation>De help sluiten en teruggaan naar Tintaloo.</translation>
    </message>
</context>
<context>
    <name>LibraryWindow</name>
    <message>
        <source>Select a book:</source>
        <translation>Kies een boek:</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be found. Please make sure that the directory exists and that it is not write protected.</source>
        <translation>'%1' is niet gevonden. Controleer of de map bestaat en of die niet schrijfbeveiligd is.</translation>
    </message>
</context>
<context>
    <name>PicturePackImport</name>
    <message>
        <source>Picture Packs are special files that contain several pictures within them and they can be downloaded from The Tintaloo website. Please press continue to select a Picture Pack to install.</source>
        <translation>Plaatjespakketten zijn speciale bestanden met meerdere plaatjes erin. U kunt ze downloaden van de website van Tintaloo. Druk op Verder om een plaatjespakket te kiezen dat u wilt installeren.</translation>
    </message>
    <message>
        <source>The Tintaloo image pack (*.tpk)</source>
        <translation>Tintaloo-plaatjespakket (*.tpk)</translation>
    </message>
    <message>
        <source>added: %1</source>
        <translation>toegevoegd: %1</translation>
    </message>
    <message>
        <source>skipped (already in the book): %1</source>
        <translation>overgeslagen (staat al in het boek): %1</translation>
    </message>
</context>
<context>
    <name>PicturePackInstaller</name>
    <message>
        <source>The folder &apos;%1&apos; is a link to another place. Nothing was added.</source>
        <translation>De map '%1' is een koppeling naar een andere plek. Er is niets toegevoegd.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; could not be created.</source>
        <translation>De map '%1' kon niet worden gemaakt.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a folder.</source>
        <translation>'%1' is geen map.</translation>
    </message>
    <message>
        <source>Could not add the file &apos;%1&apos; to the folder &apos;%2&apos;. Please make sure that it is not write protected.</source>
        <translation>Het bestand '%1' kon niet aan de map '%2' worden toegevoegd. Controleer of de map niet schrijfbeveiligd is.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is larger than 512 MB, more than a Picture Pack may be.</source>
        <translation>Het bestand '%1' is groter dan 512 MB, en zo groot mag een plaatjespakket niet zijn.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be found.</source>
        <translation>Het bestand '%1' is niet gevonden.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file.</source>
        <translation>'%1' is geen bestand.</translation>
    </message>
    <message>
        <source>Pictures cannot be added to the book &apos;%1&apos;.</source>
        <translation>Aan het boek '%1' kunnen geen plaatjes worden toegevoegd.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a folder of this program. Nothing was added.</source>
        <translation>'%1' is geen map van dit programma. Er is niets toegevoegd.</translation>
    </message>
    <message>
        <source>Could not write into the folder &apos;%1&apos;. Please make sure that it is not write protected.</source>
        <translation>Er kon niet in de map '%1' worden geschreven. Controleer of die niet schrijfbeveiligd is.</translation>
    </message>
    <message>
        <source>Could not write the file &apos;%1&apos;. Please make sure that the folder &apos;%2&apos; is not write protected and that there is enough space.</source>
        <translation>Het bestand '%1' kon niet worden geschreven. Controleer of de map '%2' niet schrijfbeveiligd is en of er genoeg ruimte is.</translation>
    </message>
    <message>
        <source>The book &apos;%1&apos; could not be created. Please make sure that the folder &apos;%2&apos; is not write protected.</source>
        <translation>Het boek '%1' kon niet worden gemaakt. Controleer of de map '%2' niet schrijfbeveiligd is.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the file &apos;%1&apos;.</source>
        <translation>Er is niet genoeg geheugen om het bestand '%1' te lezen.</translation>
    </message>
    <message>
        <source>There was the following error while trying to open The Tintaloo package file:
%1</source>
        <translation>Bij het openen van het Tintaloo-pakketbestand is de volgende fout opgetreden:
%1</translation>
    </message>
    <message>
        <source>The file could not be read from header. Please make sure that the file is not designed for another version of The Tintaloo.</source>
        <translation>De kop van het bestand kon niet worden gelezen. Controleer of het bestand niet voor een andere versie van Tintaloo is gemaakt.</translation>
    </message>
    <message>
        <source>Could not read from the header information.</source>
        <translation>De gegevens in de kop konden niet worden gelezen.</translation>
    </message>
    <message>
        <source>The file appears to be damaged. Please download again.</source>
        <translation>Het bestand lijkt beschadigd. Download het opnieuw.</translation>
    </message>
    <message>
        <source>There was the following error while trying to add new pictures to The Tintaloo:
%1</source>
        <translation>Bij het toevoegen van nieuwe plaatjes aan Tintaloo is de volgende fout opgetreden:
%1</translation>
    </message>
    <message>
        <source>The book &apos;%1&apos; already has every picture of this Picture Pack, so nothing was added.</source>
        <translation>Het boek '%1' heeft alle plaatjes van dit plaatjespakket al, dus er is niets toegevoegd.</translation>
    </message>
    <message>
        <source>The pictures were added successfully under the book &apos;%1&apos;. To view the new pictures, please select this book from the list.</source>
        <translation>De plaatjes zijn toegevoegd aan het boek '%1'. Kies dit boek in de lijst om de nieuwe plaatjes te bekijken.</translation>
    </message>
    <message>
        <source>The book already had these pictures, which were left as they were: %1.</source>
        <extracomment>%1 lists the names of the pictures, separated by commas.</extracomment>
        <translation>Deze plaatjes stonden al in het boek en zijn gelaten zoals ze waren: %1.</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>The Tintaloo Version %1.%2</source>
        <extracomment>%1.%2 is the version number, &quot;6.0&quot;.</extracomment>
        <translation>Tintaloo versie %1.%2</translation>
    </message>
</context>
<context>
    <name>ScreenRule</name>
    <message>
        <source>This program can not run under the current screen resolution. The minimum size is 800 by 600, at a color mode of 24 bits (true color).<byte value="xd"/>
You must change the resolution before the program can run.</source>
        <translation>Dit programma kan niet werken met de huidige schermresolutie. Het minimum is 800 bij 600, met een kleurdiepte van 24 bits (true color).<byte value="xd"/>
U moet de resolutie wijzigen voordat het programma kan starten.</translation>
    </message>
    <message>
        <source>Although this program is able to run at your current screen resolution, it is highly recommended that you switch to a minimum size of 1024 by 768; otherwise, not all of the pictures will fit on the screen.<byte value="xd"/>
<byte value="xd"/>
Would you like to continue anyway?</source>
        <translation>Dit programma kan werken met uw huidige schermresolutie, maar we raden u sterk aan over te schakelen naar minstens 1024 bij 768; anders passen niet alle plaatjes op het scherm.<byte value="xd"/>
<byte value="xd"/>
Wilt u toch doorgaan?</translation>
    </message>
</context>
<context>
    <name>SettingsLoader</name>
    <message>
        <source>The Tintaloo was unable to create a settings file. This is an serious error and program cannot continue. Make sure that the disk you are using is not write protected.</source>
        <translation>Tintaloo kon geen instellingenbestand maken. Dit is een ernstige fout en het programma kan niet verder. Controleer of de schijf die u gebruikt niet schrijfbeveiligd is.</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>The lock file in the data folder &apos;%1&apos; cannot be created.</source>
        <translation>Het vergrendelingsbestand in de gegevensmap '%1' kan niet worden gemaakt.</translation>
    </message>
    <message>
        <source>The data folder &apos;%1&apos; cannot be locked.</source>
        <translation>De gegevensmap '%1' kan niet worden vergrendeld.</translation>
    </message>
</context>
<context>
    <name>StatOnlyIconProvider</name>
    <message>
        <source>Folder</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Koppeling</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>%1 File</source>
        <extracomment>The type column of the file dialog; %1 is the name&apos;s extension in capitals (&quot;JPG&quot;).</extracomment>
        <translation>%1-bestand</translation>
    </message>
</context>
<context>
    <name>frmBookTitle</name>
    <message>
        <source>Book title</source>
        <translation>Boektitel</translation>
    </message>
    <message>
        <source>Please enter a title for the new book.</source>
        <translation>Voer een titel in voor het nieuwe boek.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Verder</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Terug</translation>
    </message>
</context>
<context>
    <name>frmColoredPictures</name>
    <message>
        <source>Manage colored pictures</source>
        <translation>Ingekleurde plaatjes beheren</translation>
    </message>
    <message>
        <source>Delete selected picture(s)</source>
        <translation>Geselecteerde plaatje(s) verwijderen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Please select at least one picture to delete.</source>
        <translation>Selecteer minstens één plaatje om te verwijderen.</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete the selected picture(s)?</source>
        <translation>Weet u zeker dat u de geselecteerde plaatje(s) wilt verwijderen?</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be removed. Please make sure it exists and that it is not write protected.</source>
        <translation>Het bestand '%1' kon niet worden verwijderd. Controleer of het bestaat en of het niet schrijfbeveiligd is.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; could not be removed. Please make sure it exists and that it is not write protected.</source>
        <translation>De map '%1' kon niet worden verwijderd. Controleer of die bestaat en of die niet schrijfbeveiligd is.</translation>
    </message>
</context>
<context>
    <name>frmFirstTime</name>
    <message>
        <source>Welcome to The Tintaloo</source>
        <translation>Welkom bij Tintaloo</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Hello! This appears to be the first time you are running The Tintaloo Version 6.</source>
        <translation>Hallo! Het lijkt erop dat u Tintaloo versie 6 voor het eerst gebruikt.</translation>
    </message>
    <message>
        <source>For now, please enjoy this software. To get started, click the Continue button below and then fill out the settings window. Have fun!</source>
        <translation>Geniet van dit programma! Klik om te beginnen hieronder op Doorgaan en vul daarna het venster met instellingen in. Veel plezier!</translation>
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
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>frmManagePictures</name>
    <message>
        <source>Manage pictures</source>
        <translation>Plaatjes beheren</translation>
    </message>
    <message>
        <source>Delete this book</source>
        <translation>Dit boek verwijderen</translation>
    </message>
    <message>
        <source>Delete selected picture(s)</source>
        <translation>Geselecteerde plaatje(s) verwijderen</translation>
    </message>
    <message>
        <source>Add pictures to this book</source>
        <translation>Plaatjes aan dit boek toevoegen</translation>
    </message>
    <message>
        <source>Create a new book</source>
        <translation>Nieuw boek maken</translation>
    </message>
    <message>
        <source>Add a new book to The Tintaloo.  You can then add pictures to the book.</source>
        <translation>Een nieuw boek aan Tintaloo toevoegen. Daarna kunt u plaatjes aan het boek toevoegen.</translation>
    </message>
    <message>
        <source>Import a Picture Pack</source>
        <translation>Plaatjespakket importeren</translation>
    </message>
    <message>
        <source>You can add pre-packaged pictures to The Tintaloo (Picture Packs).  The picture pack has a tpk extension and you can download some from The Tintaloo website.</source>
        <translation>U kunt kant-en-klaar ingepakte plaatjes (plaatjespakketten) aan Tintaloo toevoegen. Een plaatjespakket heeft de extensie tpk; u kunt ze downloaden van de website van Tintaloo.</translation>
    </message>
    <message>
        <source>Create a Picture Pack</source>
        <translation>Plaatjespakket maken</translation>
    </message>
    <message>
        <source>A Picture Pack is a file that contains multiple pictures for use in The Tintaloo.  You can create one if you want to deal with a single file (rather than multiple pictures) so that the process of installing pictures is easier.</source>
        <translation>Een plaatjespakket is één bestand met meerdere plaatjes voor Tintaloo. U kunt er zelf een maken als u liever met één bestand werkt (in plaats van met veel losse plaatjes); dan gaat het installeren van plaatjes makkelijker.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>This book cannot be removed because it is required for The Tintaloo to work correctly.</source>
        <translation>Dit boek kan niet worden verwijderd, omdat Tintaloo het nodig heeft om goed te werken.</translation>
    </message>
    <message>
        <source>The Tintaloo requires at least one book to run. As this is the last book, you must create another picture book before you are able to remove this one.</source>
        <translation>Tintaloo heeft minstens één boek nodig. Omdat dit het laatste boek is, moet u eerst een ander boek maken voordat u dit boek kunt verwijderen.</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete this book? If you select yes, any colored pictures from this book will be removed too.</source>
        <translation>Weet u zeker dat u dit boek wilt verwijderen? Kiest u Verder, dan worden ook alle ingekleurde plaatjes uit dit boek verwijderd.</translation>
    </message>
    <message>
        <source>The book &apos;%1&apos; cannot be removed because the picture that is currently open in The Tintaloo is within this book.</source>
        <translation>Het boek '%1' kan niet worden verwijderd, omdat het plaatje dat nu in Tintaloo open staat in dit boek zit.</translation>
    </message>
    <message>
        <source>There was a problem removing the book. Please make sure that the path &apos;%1&apos; is not write protected and that it is not currently in use.</source>
        <translation>Er was een probleem bij het verwijderen van het boek. Controleer of het pad '%1' niet schrijfbeveiligd is en of het nu niet in gebruik is.</translation>
    </message>
    <message>
        <source>There was a problem removing the colored pictures. Please make sure that the path &apos;%1&apos; is not write protected and that it is not currently in use.</source>
        <translation>Er was een probleem bij het verwijderen van de ingekleurde plaatjes. Controleer of het pad '%1' niet schrijfbeveiligd is en of het nu niet in gebruik is.</translation>
    </message>
    <message>
        <source>Please select at least one picture to delete.</source>
        <translation>Selecteer minstens één plaatje om te verwijderen.</translation>
    </message>
    <message>
        <source>The pictures in this book cannot be removed because they are required for The Tintaloo to work correctly.</source>
        <translation>De plaatjes in dit boek kunnen niet worden verwijderd, omdat Tintaloo ze nodig heeft om goed te werken.</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete the selected picture(s)?</source>
        <translation>Weet u zeker dat u de geselecteerde plaatje(s) wilt verwijderen?</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be removed because the file is currently open in The Tintaloo. Please close it first by opening another picture.</source>
        <translation>Het bestand '%1' kon niet worden verwijderd, omdat het nu in Tintaloo open staat. Sluit het eerst door een ander plaatje te openen.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be removed. Please make sure it exists and that it is not write protected.</source>
        <translation>Het bestand '%1' kon niet worden verwijderd. Controleer of het bestaat en of het niet schrijfbeveiligd is.</translation>
    </message>
    <message>
        <source>The book could not be created. Please make sure that the path &apos;%1/&apos; is not write protected and that you have not used the following characters in the book title \ /:*?&quot;&lt;&gt;|</source>
        <translation>Het boek kon niet worden gemaakt. Controleer of het pad '%1/' niet schrijfbeveiligd is en of u geen van de volgende tekens in de boektitel hebt gebruikt: \ /:*?"&lt;&gt;|</translation>
    </message>
    <message>
        <source>A book by this name already exists. Please select another name.</source>
        <translation>Er bestaat al een boek met deze naam. Kies een andere naam.</translation>
    </message>
    <message>
        <source>You are attempting to copy picture(s) from one book into the same book!</source>
        <translation>U probeert plaatje(s) uit een boek naar datzelfde boek te kopiëren!</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is faulty. Not all pictures you selected may have been added.</source>
        <translation>Het bestand '%1' is beschadigd. Misschien zijn niet alle plaatjes die u hebt geselecteerd toegevoegd.</translation>
    </message>
    <message>
        <source>Could not add the file &apos;%1&apos; because it is not pure Black and White.</source>
        <translation>Het bestand '%1' kan niet worden toegevoegd, omdat het niet zuiver zwart-wit is.</translation>
    </message>
    <message>
        <source>Would you like to add a black and white copy of &apos;%1&apos; instead? It will be added to the book as &apos;%2&apos;.</source>
        <translation>Wilt u in plaats daarvan een zwart-witte kopie van '%1' toevoegen? Die wordt aan het boek toegevoegd als '%2'.</translation>
    </message>
    <message>
        <source>The picture &apos;%1&apos; is larger than the page (%2 x %3 pixels). Would you like to add it made smaller to fit, %4 x %5 pixels, as &apos;%6&apos;?</source>
        <extracomment>%2 x %3 is the picture&apos;s size in pixels, %4 x %5 the size it would be made.</extracomment>
        <translation>Het plaatje '%1' is groter dan de pagina (%2 x %3 pixels). Wilt u het verkleind toevoegen zodat het past, op %4 x %5 pixels, als '%6'?</translation>
    </message>
    <message>
        <source>A picture by this name already exists within the book &apos;%1&apos; . Please rename the picture before you try to add it.</source>
        <translation>Er staat al een plaatje met deze naam in het boek '%1'. Geef het plaatje een andere naam voordat u het probeert toe te voegen.</translation>
    </message>
    <message>
        <source>Could not add the file &apos;%1&apos;. Please make sure that the folder &apos;%2&apos; is not write protected.</source>
        <translation>Het bestand '%1' kon niet worden toegevoegd. Controleer of de map '%2' niet schrijfbeveiligd is.</translation>
    </message>
    <message>
        <source>Pictures cannot be added to this book. Please select another book to add pictures to.</source>
        <translation>Aan dit boek kunnen geen plaatjes worden toegevoegd. Kies een ander boek om plaatjes aan toe te voegen.</translation>
    </message>
    <message>
        <source>Add pictures to %1</source>
        <translation>Plaatjes toevoegen aan %1</translation>
    </message>
    <message>
        <source>Pictures (*.bmp,*.gif,*.jpg,*.png)</source>
        <translation>Plaatjes (*.bmp,*.gif,*.jpg,*.png)</translation>
    </message>
</context>
<context>
    <name>frmMessage</name>
    <message>
        <source>[Message for the kids]</source>
        <translation>[Bericht voor de kinderen]</translation>
    </message>
    <message>
        <source>[Message for the parents]</source>
        <translation>[Bericht voor de ouders]</translation>
    </message>
    <message>
        <source>Please enter your password here:</source>
        <translation>Voer hier uw wachtwoord in:</translation>
    </message>
    <message>
        <source>nevermind</source>
        <extracomment>Drawn on the button only when its picture is missing; the picture itself says &quot;nevermind&quot;.</extracomment>
        <translation>laat maar</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Drawn on the button only when its picture is missing; the picture itself says &quot;OK&quot;.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>details</source>
        <extracomment>Drawn on the tab only when its picture is missing; the picture itself says &quot;details&quot;.</extracomment>
        <translation>details</translation>
    </message>
    <message>
        <source>The password you entered is incorrect. Your password hint is: &apos;%1&apos;.</source>
        <translation>Het wachtwoord dat u hebt ingevoerd, is onjuist. Uw wachtwoordhint is: '%1'.</translation>
    </message>
    <message>
        <source>The password you entered is incorrect. Please enter the password again or press nevermind to close this window.</source>
        <extracomment>&quot;nevermind&quot; is the button of this window, whose picture always says &quot;nevermind&quot;.</extracomment>
        <translation>Het wachtwoord dat u hebt ingevoerd, is onjuist. Voer het wachtwoord opnieuw in of druk op ‘laat maar’ om dit venster te sluiten.</translation>
    </message>
</context>
<context>
    <name>frmOpen</name>
    <message>
        <source>Which picture would you like to color?</source>
        <translation>Welk plaatje wil je kleuren?</translation>
    </message>
    <message>
        <source>Loading(%1%)... %2.</source>
        <translation>Laden (%1%)... %2.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <comment>pictures left out</comment>
        <translation>
            <numerusform>en nog %n ander plaatje</numerusform>
            <numerusform>en nog %n andere plaatjes</numerusform>
        </translation>
    </message>
    <message>
        <source>These pictures could not be read and were left out of the books. They may be damaged; you can delete them in the picture manager.</source>
        <translation>Deze plaatjes konden niet worden gelezen en zijn uit de boeken weggelaten. Misschien zijn ze beschadigd; u kunt ze verwijderen in het venster Plaatjes beheren.</translation>
    </message>
    <message>
        <source>There was a problem loading the pictures. Make sure that none of them are damaged. If you do not know what the problem is, please reinstall The Tintaloo. Press OK to exit the program.</source>
        <translation>Er was een probleem bij het laden van de plaatjes. Controleer of er geen beschadigd zijn. Weet u niet wat het probleem is, installeer Tintaloo dan opnieuw. Druk op OK om het programma af te sluiten.</translation>
    </message>
    <message>
        <source>Oh no! something strange has happened! Call someone who can help you!</source>
        <translation>O nee! Er is iets raars gebeurd! Roep iemand die je kan helpen!</translation>
    </message>
    <message>
        <source>An unknown error occurred when there was an attempt to start drawing a new picture. Please make sure that the disk is not write protected and that there is enough disk space.</source>
        <translation>Er is een onbekende fout opgetreden bij het beginnen van een nieuw plaatje. Controleer of de schijf niet schrijfbeveiligd is en of er genoeg schijfruimte is.</translation>
    </message>
    <message>
        <source>Help! A new picture could not be started! Call someone who can help you sort it out! Go!</source>
        <translation>Help! Een nieuw plaatje maken lukt niet! Roep iemand die je kan helpen om het op te lossen! Vlug!</translation>
    </message>
    <message>
        <source>You or your child has asked for more pictures to be added to The Tintaloo. If you wish to allow this, please press OK to continue.</source>
        <translation>U of uw kind heeft gevraagd om meer plaatjes aan Tintaloo toe te voegen. Wilt u dit toestaan, druk dan op OK om door te gaan.</translation>
    </message>
    <message>
        <source>Would you like more pictures? Call someone who can get them for you!</source>
        <translation>Wil je meer plaatjes? Roep iemand die ze voor je kan halen!</translation>
    </message>
    <message>
        <source>Could not find the books path. Please reinstall The Tintaloo!</source>
        <translation>De map met de boeken is niet gevonden. Installeer Tintaloo opnieuw!</translation>
    </message>
</context>
<context>
    <name>frmParentMessage</name>
    <message>
        <source>[Parental message]</source>
        <translation>[Bericht voor ouders]</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Verder</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Terug</translation>
    </message>
</context>
<context>
    <name>frmParentalOptions</name>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Play sound effects</source>
        <translation>Geluidseffecten afspelen</translation>
    </message>
    <message>
        <source>Disable/enable sound effects.</source>
        <translation>Geluidseffecten uit- of aanzetten.</translation>
    </message>
    <message>
        <source>Auto-hide parental buttons</source>
        <translation>Ouderknoppen automatisch verbergen</translation>
    </message>
    <message>
        <source> Ticking this box will cause The Tintaloo to hide the quit, save, print, help, settings and gallery options when they are not in use.</source>
        <translation> Als u dit vakje aanvinkt, verbergt Tintaloo de knoppen voor sluiten, opslaan, afdrukken, help, instellingen en plaatjes wanneer ze niet worden gebruikt.</translation>
    </message>
    <message>
        <source>Use parental password</source>
        <translation>Ouderwachtwoord gebruiken</translation>
    </message>
    <message>
        <source>Ticking this box will prevent children from accessing features such as printing and saving.</source>
        <translation>Als u dit vakje aanvinkt, kunnen kinderen functies zoals afdrukken en opslaan niet zelf gebruiken.</translation>
    </message>
    <message>
        <source>Allow quitting without permission</source>
        <translation>Afsluiten zonder toestemming toestaan</translation>
    </message>
    <message>
        <source>If you leave this option unchecked, a password will have to be entered to quit The Tintaloo.</source>
        <translation>Als u deze optie niet aanvinkt, moet er een wachtwoord worden ingevoerd om Tintaloo af te sluiten.</translation>
    </message>
    <message>
        <source>Bubble speed:</source>
        <translation>Bellensnelheid:</translation>
    </message>
    <message>
        <source>This option sets the speed of the color selection bubbles.</source>
        <translation>Deze optie bepaalt hoe snel de kleurbellen gaan.</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Snel</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Gemiddeld</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langzaam</translation>
    </message>
    <message>
        <source>Parental password:</source>
        <translation>Ouderwachtwoord:</translation>
    </message>
    <message>
        <source>A password is required when unlocking locked items, please enter it here if you wish to change the current password.</source>
        <translation>Voor het ontgrendelen van vergrendelde onderdelen is een wachtwoord nodig. Vul het hier in als u het huidige wachtwoord wilt wijzigen.</translation>
    </message>
    <message>
        <source>Password hint:</source>
        <translation>Wachtwoordhint:</translation>
    </message>
    <message>
        <source>If you ever forget your password, you can use the hint below to remind you!</source>
        <translation>Als u uw wachtwoord ooit vergeet, helpt de hint hieronder u het te herinneren!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Cancel any changes and close the window.</source>
        <translation>Alle wijzigingen annuleren en het venster sluiten.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Apply any changes and close the window.</source>
        <translation>Alle wijzigingen toepassen en het venster sluiten.</translation>
    </message>
    <message>
        <source>Manage colored pages</source>
        <translation>Ingekleurde plaatjes beheren</translation>
    </message>
    <message>
        <source>Click here to view, open and delete pictures which have already been colored. To reset a picture to its Black and White state, simply delete the colored picture.</source>
        <translation>Klik hier om plaatjes die al zijn ingekleurd te bekijken, te openen en te verwijderen. Wilt u een plaatje weer zwart-wit maken, verwijder dan gewoon het ingekleurde plaatje.</translation>
    </message>
    <message>
        <source>Add/remove</source>
        <extracomment>A link, read together with the words beside it: &quot;Add/remove&quot; &quot;coloring pages and books&quot;.</extracomment>
        <translation>Toevoegen/verwijderen</translation>
    </message>
    <message>
        <source>Click here to view, add and remove coloring pages and books.</source>
        <translation>Klik hier om kleurplaten en boeken te bekijken, toe te voegen en te verwijderen.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Controleren op updates</translation>
    </message>
    <message>
        <source>Check for updates by going to The Tintaloo website.</source>
        <translation>Op de website van Tintaloo controleren of er updates zijn.</translation>
    </message>
    <message>
        <source>coloring pages and books</source>
        <extracomment>The words beside the link &quot;Add/remove&quot;, which they complete.</extracomment>
        <translation>van kleurplaten en boeken</translation>
    </message>
    <message>
        <source>There was an error when trying to open the settings file. This may be because you are running The Tintaloo for the first time.</source>
        <translation>Er is een fout opgetreden bij het openen van het instellingenbestand. Misschien komt dat doordat u Tintaloo voor het eerst gebruikt.</translation>
    </message>
    <message>
        <source>You can attempt to create a new settings file by completing the next window and clicking OK. If that does not work, reinstalling the application may fix the problem.</source>
        <translation>U kunt proberen een nieuw instellingenbestand te maken door het volgende venster in te vullen en op Doorgaan te klikken. Werkt dat niet, dan kan het helpen om het programma opnieuw te installeren.</translation>
    </message>
    <message>
        <source>You have chosen to auto-hide the parental buttons (small buttons on the top-left corner of the screen). If you need to access them, you should place the mouse pointer over that area for one second.</source>
        <translation>U hebt gekozen om de ouderknoppen automatisch te verbergen (de kleine knoppen linksboven in het scherm). Wilt u ze gebruiken, houd de muisaanwijzer dan een seconde op die plek.</translation>
    </message>
    <message>
        <source>You must enter a password in order to continue.</source>
        <translation>U moet een wachtwoord invullen om door te gaan.</translation>
    </message>
    <message>
        <source>You must enter a password hint incase you forget your password.</source>
        <translation>U moet een wachtwoordhint invullen voor het geval u uw wachtwoord vergeet.</translation>
    </message>
    <message>
        <source>The password and the password hint can only contain letters, digits and signs of Western European languages. Please change them and try again.</source>
        <translation>Het wachtwoord en de wachtwoordhint mogen alleen letters, cijfers en tekens van West-Europese talen bevatten. Pas ze aan en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>There was an error while trying to save the settings.</source>
        <translation>Er is een fout opgetreden bij het opslaan van de instellingen.</translation>
    </message>
    <message>
        <source>Make sure the disk is not write protected and there is enough space.</source>
        <translation>Controleer of de schijf niet schrijfbeveiligd is en of er genoeg ruimte is.</translation>
    </message>
    <message>
        <source>There are currently no colored pictures to browse. You can only access this window after at least one picture has been colored.</source>
        <translation>Er zijn nog geen ingekleurde plaatjes om te bekijken. Dit venster kan pas worden geopend als er minstens één plaatje is ingekleurd.</translation>
    </message>
    <message>
        <source>Could not find the books path. Please reinstall The Tintaloo!</source>
        <translation>De map met de boeken is niet gevonden. Installeer Tintaloo opnieuw!</translation>
    </message>
    <message>
        <source>Your current version of The Tintaloo is %1.%2</source>
        <extracomment>%1.%2 is the version number, &quot;6.0&quot;.</extracomment>
        <translation>Uw huidige versie van Tintaloo is %1.%2</translation>
    </message>
    <message>
        <source>Would you like to be taken to The Tintaloo website to see if a newer version is available?</source>
        <translation>Wilt u naar de website van Tintaloo gaan om te zien of er een nieuwere versie is?</translation>
    </message>
    <message>
        <source>Could not load The Tintaloo webpage. Please make sure that your internet browser is working!</source>
        <translation>De website van Tintaloo kon niet worden geladen. Controleer of uw webbrowser werkt!</translation>
    </message>
</context>
<context>
    <name>frmPicturePack</name>
    <message>
        <source>This window allows you to create Picture Packs for The Tintaloo. Picture Packs are special files that contain several pictures within them.  The advantage of a Picture Pack is that distributing pictures will be easier (only one file needs to be distributed) and it will ease the process of installing new pictures (only one file needs to be installed.)</source>
        <translation>In dit venster kunt u plaatjespakketten voor Tintaloo maken. Plaatjespakketten zijn speciale bestanden met meerdere plaatjes erin. Het voordeel van een plaatjespakket is dat plaatjes makkelijker te verspreiden zijn (er hoeft maar één bestand te worden verspreid) en dat nieuwe plaatjes makkelijker te installeren zijn (er hoeft maar één bestand te worden geïnstalleerd).</translation>
    </message>
    <message>
        <source>Select files to put into the Picture Pack</source>
        <translation>Bestanden voor het plaatjespakket kiezen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Pictures (*.bmp,*.gif,*.jpg)</source>
        <translation>Plaatjes (*.bmp,*.gif,*.jpg)</translation>
    </message>
    <message>
        <source>The folder name &apos;%1&apos; cannot be the name of a book. Please put the pictures in a folder named after the book (at most 100 characters, none of \ / : * ? &quot; &lt; &gt; |) and try again.</source>
        <translation>De mapnaam '%1' kan niet de naam van een boek zijn. Zet de plaatjes in een map met de naam van het boek (hoogstens 100 tekens, geen van \ / : * ? " &lt; &gt; |) en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be put into a Picture Pack. Only pictures ending in .bmp, .gif or .jpg, without &quot;|&quot; in their names, can be.</source>
        <translation>Het bestand '%1' kan niet in een plaatjespakket worden gezet. Dat kan alleen met plaatjes die eindigen op .bmp, .gif of .jpg en geen "|" in hun naam hebben.</translation>
    </message>
    <message>
        <source>The picture &apos;%1&apos; could not be read, so the Picture Pack was not created. Please make sure that the picture exists and that you may read it.</source>
        <translation>Het plaatje '%1' kon niet worden gelezen, dus het plaatjespakket is niet gemaakt. Controleer of het plaatje bestaat en of u het mag lezen.</translation>
    </message>
    <message>
        <source>Tintaloo Picture Pack</source>
        <translation>Tintaloo-plaatjespakket</translation>
    </message>
    <message>
        <source>Select where you would like to save the Picture Pack.</source>
        <translation>Kies waar u het plaatjespakket wilt opslaan.</translation>
    </message>
    <message>
        <source>The Picture Pack has been successfully created!</source>
        <translation>Het plaatjespakket is gemaakt!</translation>
    </message>
    <message>
        <source>There was an error saving the Picture Pack. Please make sure that the folder you selected is not write protected and that there is enough space.</source>
        <translation>Er is een fout opgetreden bij het opslaan van het plaatjespakket. Controleer of de gekozen map niet schrijfbeveiligd is en of er genoeg ruimte is.</translation>
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
        <translation>Even geduld, Tintaloo wordt geladen.</translation>
    </message>
    <message>
        <source>The Tintaloo is brought to you by the Tintaloo project. Please respect the license agreement.</source>
        <translation>Tintaloo wordt u aangeboden door het Tintaloo-project. Respecteer alstublieft de licentieovereenkomst.</translation>
    </message>
    <message>
        <source>Open The Tintaloo help file to view the license agreement in more detail.</source>
        <translation>Open de help van Tintaloo om de volledige licentieovereenkomst te lezen.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Visit website</source>
        <translation>Website bezoeken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Unable to start the help file &apos;%1/help/index.htm&apos; Please make sure that it exists.</source>
        <translation>Het helpbestand '%1/help/index.htm' kan niet worden geopend. Controleer of het bestaat.</translation>
    </message>
    <message>
        <source>Could not load The Tintaloo webpage. Please make sure that your internet browser is working!</source>
        <translation>De website van Tintaloo kon niet worden geladen. Controleer of uw webbrowser werkt!</translation>
    </message>
</context>
<context>
    <name>mMain</name>
    <message>
        <source>Unable to start the help file &apos;%1/help/index.htm&apos;. Please make sure that it exists.</source>
        <translation>Het helpbestand '%1/help/index.htm' kan niet worden geopend. Controleer of het bestaat.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the default books were not found (looked in share/tintaloo beside the program and in the system data folders)</source>
        <translation>de standaardboeken zijn niet gevonden (gezocht in share/tintaloo naast het programma en in de gegevensmappen van het systeem)</translation>
    </message>
    <message>
        <source>some default books or help topics could not be copied into &apos;%1&apos;</source>
        <translation>sommige standaardboeken of helponderwerpen konden niet naar '%1' worden gekopieerd</translation>
    </message>
    <message>
        <source>Tintaloo is already running with the data folder &apos;%1&apos;, but did not answer.</source>
        <translation>Tintaloo draait al met de gegevensmap '%1', maar reageerde niet.</translation>
    </message>
</context>
</TS>
