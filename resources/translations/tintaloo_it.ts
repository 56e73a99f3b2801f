<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ButtonArt</name>
    <message>
        <source>nevermind</source>
        <extracomment>The prompt's button that closes it without doing anything; drawn into the button picture (150 px wide).</extracomment>
        <translation>lascia stare</translation>
    </message>
    <message>
        <source>details</source>
        <extracomment>The tab that shows the message for the parent; drawn into the tab picture (about 58 px for the word).</extracomment>
        <translation>dettagli</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>First line of the browser's button that starts a new picture of your own; drawn into the button picture (about 90 px a line).</extracomment>
        <translation>nuovo</translation>
    </message>
    <message>
        <source>picture</source>
        <extracomment>Second line of the browser's button that starts a new picture of your own.</extracomment>
        <translation>disegno</translation>
    </message>
    <message>
        <source>more</source>
        <extracomment>First line of the browser's button that opens picture packs and more pictures.</extracomment>
        <translation>altri</translation>
    </message>
    <message>
        <source>pictures</source>
        <extracomment>Second line of the browser's button that opens more pictures.</extracomment>
        <translation>disegni</translation>
    </message>
    <message>
        <source>Welcome!</source>
        <extracomment>The title of the first-run welcome banner, drawn large (about 400 px wide).</extracomment>
        <translation>Benvenuto!</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra l'aiuto sulle opzioni della riga di comando.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra le informazioni sulla versione.</translation>
    </message>
    <message>
        <source>Keeps settings, books and coloured pictures in &lt;dir&gt; instead of the per-user data folder.</source>
        <extracomment>&lt;dir&gt; is the value name of the option, translated as &quot;dir&quot; below.</extracomment>
        <translation>Conserva impostazioni, libri e disegni colorati in &lt;cartella&gt; invece che nella cartella dei dati dell'utente.</translation>
    </message>
    <message>
        <source>dir</source>
        <extracomment>The value name of --data-dir, shown as &lt;dir&gt; in the help.</extracomment>
        <translation>cartella</translation>
    </message>
    <message>
        <source>Adds the pictures of the picture pack &lt;file&gt; to the books.</source>
        <extracomment>&lt;file&gt; is the value name of the option, translated as &quot;file&quot; below.</extracomment>
        <translation>Aggiunge ai libri i disegni del pacchetto di disegni &lt;file&gt;.</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The value name of --import-pack, shown as &lt;file&gt; in the help.</extracomment>
        <translation>file</translation>
    </message>
    <message>
        <source>The Tintaloo: a colouring book for young children.</source>
        <translation>Tintaloo: un album da colorare per bambini piccoli.</translation>
    </message>
    <message>
        <source>A picture pack (.tpk) to add after a parent allows it.</source>
        <translation>Un pacchetto di disegni (.tpk) da aggiungere dopo il permesso di un genitore.</translation>
    </message>
    <message>
        <source>[pack]</source>
        <extracomment>The positional argument&apos;s name in the usage line.</extracomment>
        <translation>[pacchetto]</translation>
    </message>
    <message>
        <source>Only one picture pack can be opened at a time.</source>
        <translation>Si può aprire un solo pacchetto di disegni alla volta.</translation>
    </message>
    <message>
        <source>--import-pack needs the name of a picture pack file.</source>
        <translation>--import-pack richiede il nome di un file di pacchetto di disegni.</translation>
    </message>
</context>
<context>
    <name>DataFolderCheck</name>
    <message>
        <source>No data folder was given.</source>
        <translation>Non è stata indicata nessuna cartella dei dati.</translation>
    </message>
    <message>
        <source>The data folder %1 is a file, not a folder.</source>
        <translation>La cartella dei dati %1 è un file, non una cartella.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be created: %2 is a file, not a folder.</source>
        <translation>Impossibile creare la cartella dei dati %1: %2 è un file, non una cartella.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be created here.</source>
        <translation>Impossibile creare qui la cartella dei dati %1.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be written to: %2.</source>
        <translation>Impossibile scrivere nella cartella dei dati %1: %2.</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Open a picture to paint</source>
        <translation>Apri un disegno da colorare</translation>
    </message>
    <message>
        <source>Clear out all colors!</source>
        <translation>Togli tutti i colori!</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Choose between crazy colors and normal colors!</source>
        <translation>Scegli tra colori matti e colori normali!</translation>
    </message>
    <message>
        <source>Color using a magic crayon</source>
        <translation>Colora con il pastello magico</translation>
    </message>
    <message>
        <source>Paint using a magic paintbrush</source>
        <translation>Dipingi con il pennello magico</translation>
    </message>
    <message>
        <source>Draw using a magic coloring pencil</source>
        <translation>Disegna con la matita colorata magica</translation>
    </message>
    <message>
        <source>Draw using a marker pen</source>
        <translation>Disegna con il pennarello</translation>
    </message>
    <message>
        <source>Click here to quit The Tintaloo</source>
        <translation>Esci da Tintaloo</translation>
    </message>
    <message>
        <source>Save picture as...</source>
        <translation>Salva il disegno con nome...</translation>
    </message>
    <message>
        <source>Print the picture</source>
        <translation>Stampa il disegno</translation>
    </message>
    <message>
        <source>About/Help</source>
        <translation>Informazioni/Guida</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>The Tintaloo</source>
        <translation>Tintaloo</translation>
    </message>
    <message>
        <source>There was an attempt to clear out all the colors in the picture. If you click OK, all changes to the picture will be lost and you will be left with a black and white image.</source>
        <translation>Si è tentato di togliere tutti i colori dal disegno. Se fa clic su OK, tutte le modifiche al disegno andranno perse e resterà un disegno in bianco e nero.</translation>
    </message>
    <message>
        <source>Would you like to get rid of all the colors? If you don&apos;t, call someone who can help you! Or press never mind</source>
        <extracomment>&quot;never mind&quot; is the button of this window, whose picture always says &quot;nevermind&quot;.</extracomment>
        <translation>Vuoi togliere tutti i colori? Se non vuoi, chiama qualcuno che ti può aiutare! Oppure premi “lascia stare”</translation>
    </message>
    <message>
        <source>The picture could not be saved because the disk is full. Press Cancel to keep it on the screen, then make room on the disk or save it elsewhere with Save as. Press Continue to go on without saving it.</source>
        <translation>Non è stato possibile salvare il disegno perché il disco è pieno. Prema Annulla per tenerlo sullo schermo, poi liberi spazio sul disco o lo salvi altrove con Salva con nome. Prema Continua per andare avanti senza salvarlo.</translation>
    </message>
    <message>
        <source>The picture could not be saved because the disk or its folder is write protected. Press Cancel to keep it on the screen, then make room on the disk or save it elsewhere with Save as. Press Continue to go on without saving it.</source>
        <translation>Non è stato possibile salvare il disegno perché il disco o la sua cartella sono protetti da scrittura. Prema Annulla per tenerlo sullo schermo, poi liberi spazio sul disco o lo salvi altrove con Salva con nome. Prema Continua per andare avanti senza salvarlo.</translation>
    </message>
    <message>
        <source>The picture could not be saved because of an unknown error. Press Cancel to keep it on the screen, then make room on the disk or save it elsewhere with Save as. Press Continue to go on without saving it.</source>
        <translation>Non è stato possibile salvare il disegno a causa di un errore sconosciuto. Prema Annulla per tenerlo sullo schermo, poi liberi spazio sul disco o lo salvi altrove con Salva con nome. Prema Continua per andare avanti senza salvarlo.</translation>
    </message>
    <message>
        <source>The picture &apos;%1&apos; appears to be damaged or it no longer exists.</source>
        <translation>Il disegno '%1' sembra danneggiato oppure non esiste più.</translation>
    </message>
    <message>
        <source>Oops, the picture you choose appears to be have something wrong with it, call someone who can help you fix it!</source>
        <translation>Ops, sembra che il disegno che hai scelto abbia qualcosa che non va: chiama qualcuno che ti può aiutare a sistemarlo!</translation>
    </message>
    <message>
        <source>Before printing, a temporary file has to be created in the application directory. This was not possible. Please make sure there is enough space in the disk and that the disk is not write protected.</source>
        <translation>Prima di stampare bisogna creare un file temporaneo nella cartella del programma, ma non è stato possibile. Si assicuri che sul disco ci sia abbastanza spazio e che il disco non sia protetto da scrittura.</translation>
    </message>
    <message>
        <source>Oh no! Your picture could not be printed. Call someone for help!</source>
        <translation>Oh no! Non riesco a stampare il tuo disegno. Chiama qualcuno che ti aiuti!</translation>
    </message>
    <message>
        <source>There was an attempt to add a picture pack to The Tintaloo. If you wish to allow this, please press OK to continue.</source>
        <translation>Si è tentato di aggiungere un pacchetto di disegni a Tintaloo. Se desidera consentirlo, prema OK per continuare.</translation>
    </message>
    <message>
        <source>Oh no!, something has happened. Call someone who can help you!</source>
        <translation>Oh no! È successo qualcosa. Chiama qualcuno che ti può aiutare!</translation>
    </message>
    <message>
        <source>There was an attempt to quit The Tintaloo. If you wish to allow this, please press OK to continue.</source>
        <translation>Si è tentato di uscire da Tintaloo. Se desidera consentirlo, prema OK per continuare.</translation>
    </message>
    <message>
        <source>Oh no!, something has happened when you tried to close me. Call someone who can help you!</source>
        <translation>Oh no! È successo qualcosa quando hai provato a chiudermi. Chiama qualcuno che ti può aiutare!</translation>
    </message>
    <message>
        <source>There was an attempt to quit The Tintaloo. If you wish to allow this, press OK.</source>
        <translation>Si è tentato di uscire da Tintaloo. Se desidera consentirlo, prema OK.</translation>
    </message>
    <message>
        <source>Are you sure you want to close this coloring book? Why don&apos;t you stay for a while?</source>
        <translation>Vuoi proprio chiudere questo album da colorare? Perché non resti ancora un po'?</translation>
    </message>
    <message>
        <source>There was an attempt to save the current picture. If you wish to allow this, please press OK to continue.</source>
        <translation>Si è tentato di salvare il disegno attuale. Se desidera consentirlo, prema OK per continuare.</translation>
    </message>
    <message>
        <source>Oh no!, something happened when you tried to save your picture. Call someone who can help you!</source>
        <translation>Oh no! È successo qualcosa quando hai provato a salvare il tuo disegno. Chiama qualcuno che ti può aiutare!</translation>
    </message>
    <message>
        <source>There was an attempt to print the current picture. If you wish to allow this, please press OK to continue.</source>
        <translation>Si è tentato di stampare il disegno attuale. Se desidera consentirlo, prema OK per continuare.</translation>
    </message>
    <message>
        <source>Oh no!, something happened when you tried to print your picture. Call someone who can help you!</source>
        <translation>Oh no! È successo qualcosa quando hai provato a stampare il tuo disegno. Chiama qualcuno che ti può aiutare!</translation>
    </message>
    <message>
        <source>There was an attempt to view the About box. If you wish to allow this, please press OK.</source>
        <translation>Si è tentato di aprire la finestra delle informazioni. Se desidera consentirlo, prema OK.</translation>
    </message>
    <message>
        <source>There was an attempt to open the options screen. If you wish to allow this, please press OK to continue.</source>
        <translation>Si è tentato di aprire la finestra delle opzioni. Se desidera consentirlo, prema OK per continuare.</translation>
    </message>
    <message>
        <source>Jpeg file (*.jpg)</source>
        <translation>File JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Save current picture as...</source>
        <translation>Salva il disegno attuale con nome...</translation>
    </message>
    <message>
        <source>Unfortunately, because of an unknown error, the picture could not be saved. Please make sure that the disk is not write protected and that you have enough disk space to save the picture.</source>
        <translation>Purtroppo, a causa di un errore sconosciuto, non è stato possibile salvare il disegno. Si assicuri che il disco non sia protetto da scrittura e che sul disco ci sia abbastanza spazio per salvare il disegno.</translation>
    </message>
</context>
<context>
    <name>GCommonDialog</name>
    <message>
        <source>The file &apos;%1&apos; already exists. Do you want to replace it?</source>
        <translation>Il file '%1' esiste già. Vuole sostituirlo?</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The Tintaloo Help</source>
        <translation>Guida di Tintaloo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Close the help and go back to The Tintaloo.</source>
        <translation>Chiude la guida e torna a Tintaloo.</translation>
    </message>
</context>
<context>
    <name>LibraryWindow</name>
    <message>
        <source>Select a book:</source>
        <translation>Scelga un libro:</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be found. Please make sure that the directory exists and that it is not write protected.</source>
        <translation>Impossibile trovare '%1'. Si assicuri che la cartella esista e che non sia protetta da scrittura.</translation>
    </message>
</context>
<context>
    <name>PicturePackImport</name>
    <message>
        <source>Picture Packs are special files that contain several pictures within them and they can be downloaded from The Tintaloo website. Please press continue to select a Picture Pack to install.</source>
        <translation>I pacchetti di disegni sono file speciali che contengono diversi disegni e si possono scaricare dal sito web di Tintaloo. Prema Continua per scegliere un pacchetto di disegni da installare.</translation>
    </message>
    <message>
        <source>The Tintaloo image pack (*.tpk)</source>
        <translation>Pacchetto di disegni di Tintaloo (*.tpk)</translation>
    </message>
    <message>
        <source>added: %1</source>
        <translation>aggiunto: %1</translation>
    </message>
    <message>
        <source>skipped (already in the book): %1</source>
        <translation>saltato (già nel libro): %1</translation>
    </message>
</context>
<context>
    <name>PicturePackInstaller</name>
    <message>
        <source>The folder &apos;%1&apos; is a link to another place. Nothing was added.</source>
        <translation>La cartella '%1' è un collegamento a un altro posto. Non è stato aggiunto nulla.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; could not be created.</source>
        <translation>Impossibile creare la cartella '%1'.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a folder.</source>
        <translation>'%1' non è una cartella.</translation>
    </message>
    <message>
        <source>Could not add the file &apos;%1&apos; to the folder &apos;%2&apos;. Please make sure that it is not write protected.</source>
        <translation>Impossibile aggiungere il file '%1' alla cartella '%2'. Si assicuri che non sia protetta da scrittura.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is larger than 512 MB, more than a Picture Pack may be.</source>
        <translation>Il file '%1' è più grande di 512 MB, più di quanto possa esserlo un pacchetto di disegni.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be found.</source>
        <translation>Impossibile trovare il file '%1'.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file.</source>
        <translation>'%1' non è un file.</translation>
    </message>
    <message>
        <source>Pictures cannot be added to the book &apos;%1&apos;.</source>
        <translation>Non si possono aggiungere disegni al libro '%1'.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a folder of this program. Nothing was added.</source>
        <translation>'%1' non è una cartella di questo programma. Non è stato aggiunto nulla.</translation>
    </message>
    <message>
        <source>Could not write into the folder &apos;%1&apos;. Please make sure that it is not write protected.</source>
        <translation>Impossibile scrivere nella cartella '%1'. Si assicuri che non sia protetta da scrittura.</translation>
    </message>
    <message>
        <source>Could not write the file &apos;%1&apos;. Please make sure that the folder &apos;%2&apos; is not write protected and that there is enough space.</source>
        <translation>Impossibile scrivere il file '%1'. Si assicuri che la cartella '%2' non sia protetta da scrittura e che ci sia abbastanza spazio.</translation>
    </message>
    <message>
        <source>The book &apos;%1&apos; could not be created. Please make sure that the folder &apos;%2&apos; is not write protected.</source>
        <translation>Impossibile creare il libro '%1'. Si assicuri che la cartella '%2' non sia protetta da scrittura.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the file &apos;%1&apos;.</source>
        <translation>Memoria insufficiente per leggere il file '%1'.</translation>
    </message>
    <message>
        <source>There was the following error while trying to open The Tintaloo package file:
%1</source>
        <translation>Durante l'apertura del file di pacchetto di Tintaloo si è verificato questo errore:
%1</translation>
    </message>
    <message>
        <source>The file could not be read from header. Please make sure that the file is not designed for another version of The Tintaloo.</source>
        <translation>Impossibile leggere l'intestazione del file. Si assicuri che il file non sia fatto per un'altra versione di Tintaloo.</translation>
    </message>
    <message>
        <source>Could not read from the header information.</source>
        <translation>Impossibile leggere le informazioni dell'intestazione.</translation>
    </message>
    <message>
        <source>The file appears to be damaged. Please download again.</source>
        <translation>Il file sembra danneggiato. Lo scarichi di nuovo.</translation>
    </message>
    <message>
        <source>There was the following error while trying to add new pictures to The Tintaloo:
%1</source>
        <translation>Durante l'aggiunta di nuovi disegni a Tintaloo si è verificato questo errore:
%1</translation>
    </message>
    <message>
        <source>The book &apos;%1&apos; already has every picture of this Picture Pack, so nothing was added.</source>
        <translation>Il libro '%1' contiene già tutti i disegni di questo pacchetto di disegni, quindi non è stato aggiunto nulla.</translation>
    </message>
    <message>
        <source>The pictures were added successfully under the book &apos;%1&apos;. To view the new pictures, please select this book from the list.</source>
        <translation>I disegni sono stati aggiunti correttamente al libro '%1'. Per vedere i nuovi disegni, scelga questo libro dall'elenco.</translation>
    </message>
    <message>
        <source>The book already had these pictures, which were left as they were: %1.</source>
        <extracomment>%1 lists the names of the pictures, separated by commas.</extracomment>
        <translation>Il libro conteneva già questi disegni, che sono stati lasciati com'erano: %1.</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>The Tintaloo Version %1.%2</source>
        <extracomment>%1.%2 is the version number, &quot;6.0&quot;.</extracomment>
        <translation>Tintaloo versione %1.%2</translation>
    </message>
</context>
<context>
    <name>ScreenRule</name>
    <message>
        <source>This program can not run under the current screen resolution. The minimum size is 800 by 600, at a color mode of 24 bits (true color).<byte value="xd"/>
You must change the resolution before the program can run.</source>
        <translation>Questo programma non può funzionare con l'attuale risoluzione dello schermo. La dimensione minima è 800 per 600, con una profondità di colore di 24 bit (true color).<byte value="xd"/>
Per poter avviare il programma deve cambiare la risoluzione.</translation>
    </message>
    <message>
        <source>Although this program is able to run at your current screen resolution, it is highly recommended that you switch to a minimum size of 1024 by 768; otherwise, not all of the pictures will fit on the screen.<byte value="xd"/>
<byte value="xd"/>
Would you like to continue anyway?</source>
        <translation>Anche se questo programma può funzionare con l'attuale risoluzione dello schermo, si consiglia vivamente di passare a una dimensione minima di 1024 per 768; altrimenti non tutti i disegni staranno sullo schermo.<byte value="xd"/>
<byte value="xd"/>
Vuole continuare comunque?</translation>
    </message>
</context>
<context>
    <name>SettingsLoader</name>
    <message>
        <source>The Tintaloo was unable to create a settings file. This is an serious error and program cannot continue. Make sure that the disk you are using is not write protected.</source>
        <translation>Tintaloo non è riuscito a creare un file delle impostazioni. Si tratta di un errore grave e il programma non può continuare. Si assicuri che il disco in uso non sia protetto da scrittura.</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>The lock file in the data folder &apos;%1&apos; cannot be created.</source>
        <translation>Impossibile creare il file di blocco nella cartella dei dati '%1'.</translation>
    </message>
    <message>
        <source>The data folder &apos;%1&apos; cannot be locked.</source>
        <translation>Impossibile bloccare la cartella dei dati '%1'.</translation>
    </message>
</context>
<context>
    <name>StatOnlyIconProvider</name>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Collegamento</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>%1 File</source>
        <extracomment>The type column of the file dialog; %1 is the name&apos;s extension in capitals (&quot;JPG&quot;).</extracomment>
        <translation>File %1</translation>
    </message>
</context>
<context>
    <name>frmBookTitle</name>
    <message>
        <source>Book title</source>
        <translation>Titolo del libro</translation>
    </message>
    <message>
        <source>Please enter a title for the new book.</source>
        <translation>Inserisca un titolo per il nuovo libro.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>frmColoredPictures</name>
    <message>
        <source>Manage colored pictures</source>
        <translation>Gestisci i disegni colorati</translation>
    </message>
    <message>
        <source>Delete selected picture(s)</source>
        <translation>Elimina i disegni selezionati</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Please select at least one picture to delete.</source>
        <translation>Selezioni almeno un disegno da eliminare.</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete the selected picture(s)?</source>
        <translation>Vuole davvero eliminare i disegni selezionati?</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be removed. Please make sure it exists and that it is not write protected.</source>
        <translation>Impossibile eliminare il file '%1'. Si assicuri che esista e che non sia protetto da scrittura.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; could not be removed. Please make sure it exists and that it is not write protected.</source>
        <translation>Impossibile eliminare la cartella '%1'. Si assicuri che esista e che non sia protetta da scrittura.</translation>
    </message>
</context>
<context>
    <name>frmFirstTime</name>
    <message>
        <source>Welcome to The Tintaloo</source>
        <translation>Benvenuti in Tintaloo</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Hello! This appears to be the first time you are running The Tintaloo Version 6.</source>
        <translation>Salve! Sembra che sia la prima volta che avvia Tintaloo versione 6.</translation>
    </message>
    <message>
        <source>For now, please enjoy this software. To get started, click the Continue button below and then fill out the settings window. Have fun!</source>
        <translation>Le auguriamo di divertirsi con questo programma. Per cominciare, faccia clic sul pulsante Continua qui sotto e poi compili la finestra delle impostazioni. Buon divertimento!</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>frmManagePictures</name>
    <message>
        <source>Manage pictures</source>
        <translation>Gestisci i disegni</translation>
    </message>
    <message>
        <source>Delete this book</source>
        <translation>Elimina questo libro</translation>
    </message>
    <message>
        <source>Delete selected picture(s)</source>
        <translation>Elimina i disegni selezionati</translation>
    </message>
    <message>
        <source>Add pictures to this book</source>
        <translation>Aggiungi disegni a questo libro</translation>
    </message>
    <message>
        <source>Create a new book</source>
        <translation>Crea un nuovo libro</translation>
    </message>
    <message>
        <source>Add a new book to The Tintaloo.  You can then add pictures to the book.</source>
        <translation>Aggiunge un nuovo libro a Tintaloo. Poi potrà aggiungere disegni al libro.</translation>
    </message>
    <message>
        <source>Import a Picture Pack</source>
        <translation>Importa un pacchetto di disegni</translation>
    </message>
    <message>
        <source>You can add pre-packaged pictures to The Tintaloo (Picture Packs).  The picture pack has a tpk extension and you can download some from The Tintaloo website.</source>
        <translation>Può aggiungere a Tintaloo disegni già raccolti in pacchetti (pacchetti di disegni). Un pacchetto di disegni ha l'estensione tpk e se ne possono scaricare alcuni dal sito web di Tintaloo.</translation>
    </message>
    <message>
        <source>Create a Picture Pack</source>
        <translation>Crea un pacchetto di disegni</translation>
    </message>
    <message>
        <source>A Picture Pack is a file that contains multiple pictures for use in The Tintaloo.  You can create one if you want to deal with a single file (rather than multiple pictures) so that the process of installing pictures is easier.</source>
        <translation>Un pacchetto di disegni è un file che contiene più disegni da usare in Tintaloo. Può crearne uno se preferisce avere un unico file (invece di tanti disegni), così installare i disegni è più semplice.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>This book cannot be removed because it is required for The Tintaloo to work correctly.</source>
        <translation>Questo libro non si può rimuovere perché serve a Tintaloo per funzionare correttamente.</translation>
    </message>
    <message>
        <source>The Tintaloo requires at least one book to run. As this is the last book, you must create another picture book before you are able to remove this one.</source>
        <translation>Tintaloo ha bisogno di almeno un libro per funzionare. Poiché questo è l'ultimo libro, deve creare un altro libro di disegni prima di poter rimuovere questo.</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete this book? If you select yes, any colored pictures from this book will be removed too.</source>
        <translation>Vuole davvero eliminare questo libro? Se conferma, verranno rimossi anche tutti i disegni colorati di questo libro.</translation>
    </message>
    <message>
        <source>The book &apos;%1&apos; cannot be removed because the picture that is currently open in The Tintaloo is within this book.</source>
        <translation>Impossibile rimuovere il libro '%1' perché il disegno aperto in questo momento in Tintaloo si trova in questo libro.</translation>
    </message>
    <message>
        <source>There was a problem removing the book. Please make sure that the path &apos;%1&apos; is not write protected and that it is not currently in use.</source>
        <translation>Si è verificato un problema durante la rimozione del libro. Si assicuri che il percorso '%1' non sia protetto da scrittura e che non sia in uso in questo momento.</translation>
    </message>
    <message>
        <source>There was a problem removing the colored pictures. Please make sure that the path &apos;%1&apos; is not write protected and that it is not currently in use.</source>
        <translation>Si è verificato un problema durante la rimozione dei disegni colorati. Si assicuri che il percorso '%1' non sia protetto da scrittura e che non sia in uso in questo momento.</translation>
    </message>
    <message>
        <source>Please select at least one picture to delete.</source>
        <translation>Selezioni almeno un disegno da eliminare.</translation>
    </message>
    <message>
        <source>The pictures in this book cannot be removed because they are required for The Tintaloo to work correctly.</source>
        <translation>I disegni di questo libro non si possono rimuovere perché servono a Tintaloo per funzionare correttamente.</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete the selected picture(s)?</source>
        <translation>Vuole davvero eliminare i disegni selezionati?</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be removed because the file is currently open in The Tintaloo. Please close it first by opening another picture.</source>
        <translation>Impossibile rimuovere il file '%1' perché è aperto in questo momento in Tintaloo. Lo chiuda prima, aprendo un altro disegno.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be removed. Please make sure it exists and that it is not write protected.</source>
        <translation>Impossibile eliminare il file '%1'. Si assicuri che esista e che non sia protetto da scrittura.</translation>
    </message>
    <message>
        <source>The book could not be created. Please make sure that the path &apos;%1/&apos; is not write protected and that you have not used the following characters in the book title \ /:*?&quot;&lt;&gt;|</source>
        <translation>Impossibile creare il libro. Si assicuri che il percorso '%1/' non sia protetto da scrittura e di non aver usato nel titolo del libro i seguenti caratteri \ /:*?"&lt;&gt;|</translation>
    </message>
    <message>
        <source>A book by this name already exists. Please select another name.</source>
        <translation>Esiste già un libro con questo nome. Scelga un altro nome.</translation>
    </message>
    <message>
        <source>You are attempting to copy picture(s) from one book into the same book!</source>
        <translation>Sta cercando di copiare disegni da un libro nello stesso libro!</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is faulty. Not all pictures you selected may have been added.</source>
        <translation>Il file '%1' è difettoso. Alcuni dei disegni selezionati potrebbero non essere stati aggiunti.</translation>
    </message>
    <message>
        <source>Could not add the file &apos;%1&apos; because it is not pure Black and White.</source>
        <translation>Impossibile aggiungere il file '%1' perché non è in bianco e nero puro.</translation>
    </message>
    <message>
        <source>Would you like to add a black and white copy of &apos;%1&apos; instead? It will be added to the book as &apos;%2&apos;.</source>
        <translation>Vuole invece aggiungere una copia in bianco e nero di '%1'? Verrà aggiunta al libro come '%2'.</translation>
    </message>
    <message>
        <source>The picture &apos;%1&apos; is larger than the page (%2 x %3 pixels). Would you like to add it made smaller to fit, %4 x %5 pixels, as &apos;%6&apos;?</source>
        <extracomment>%2 x %3 is the picture&apos;s size in pixels, %4 x %5 the size it would be made.</extracomment>
        <translation>Il disegno '%1' è più grande della pagina (%2 x %3 pixel). Vuole aggiungerlo rimpicciolito in modo che ci stia, %4 x %5 pixel, come '%6'?</translation>
    </message>
    <message>
        <source>A picture by this name already exists within the book &apos;%1&apos; . Please rename the picture before you try to add it.</source>
        <translation>Nel libro '%1' esiste già un disegno con questo nome. Rinomini il disegno prima di provare ad aggiungerlo.</translation>
    </message>
    <message>
        <source>Could not add the file &apos;%1&apos;. Please make sure that the folder &apos;%2&apos; is not write protected.</source>
        <translation>Impossibile aggiungere il file '%1'. Si assicuri che la cartella '%2' non sia protetta da scrittura.</translation>
    </message>
    <message>
        <source>Pictures cannot be added to this book. Please select another book to add pictures to.</source>
        <translation>Non si possono aggiungere disegni a questo libro. Scelga un altro libro a cui aggiungere i disegni.</translation>
    </message>
    <message>
        <source>Add pictures to %1</source>
        <translation>Aggiungi disegni a %1</translation>
    </message>
    <message>
        <source>Pictures (*.bmp,*.gif,*.jpg,*.png)</source>
        <translation>Immagini (*.bmp,*.gif,*.jpg,*.png)</translation>
    </message>
</context>
<context>
    <name>frmMessage</name>
    <message>
        <source>[Message for the kids]</source>
        <translation>[Messaggio per i bambini]</translation>
    </message>
    <message>
        <source>[Message for the parents]</source>
        <translation>[Messaggio per i genitori]</translation>
    </message>
    <message>
        <source>Please enter your password here:</source>
        <translation>Inserisca qui la password:</translation>
    </message>
    <message>
        <source>nevermind</source>
        <extracomment>Drawn on the button only when its picture is missing; the picture itself says &quot;nevermind&quot;.</extracomment>
        <translation>lascia stare</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Drawn on the button only when its picture is missing; the picture itself says &quot;OK&quot;.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>details</source>
        <extracomment>Drawn on the tab only when its picture is missing; the picture itself says &quot;details&quot;.</extracomment>
        <translation>dettagli</translation>
    </message>
    <message>
        <source>The password you entered is incorrect. Your password hint is: &apos;%1&apos;.</source>
        <translation>La password inserita non è corretta. Il Suo promemoria della password è: '%1'.</translation>
    </message>
    <message>
        <source>The password you entered is incorrect. Please enter the password again or press nevermind to close this window.</source>
        <extracomment>&quot;nevermind&quot; is the button of this window, whose picture always says &quot;nevermind&quot;.</extracomment>
        <translation>La password inserita non è corretta. Inserisca di nuovo la password oppure prema “lascia stare” per chiudere questa finestra.</translation>
    </message>
</context>
<context>
    <name>frmOpen</name>
    <message>
        <source>Which picture would you like to color?</source>
        <translation>Quale disegno vuoi colorare?</translation>
    </message>
    <message>
        <source>Loading(%1%)... %2.</source>
        <translation>Caricamento (%1%)... %2.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <comment>pictures left out</comment>
        <translation>
            <numerusform>e %n altro</numerusform>
            <numerusform>e altri %n</numerusform>
        </translation>
    </message>
    <message>
        <source>These pictures could not be read and were left out of the books. They may be damaged; you can delete them in the picture manager.</source>
        <translation>Questi disegni non si sono potuti leggere e sono stati lasciati fuori dai libri. Potrebbero essere danneggiati; può eliminarli nella finestra Gestisci i disegni.</translation>
    </message>
    <message>
        <source>There was a problem loading the pictures. Make sure that none of them are damaged. If you do not know what the problem is, please reinstall The Tintaloo. Press OK to exit the program.</source>
        <translation>Si è verificato un problema durante il caricamento dei disegni. Si assicuri che nessuno di essi sia danneggiato. Se non sa quale sia il problema, reinstalli Tintaloo. Prema OK per uscire dal programma.</translation>
    </message>
    <message>
        <source>Oh no! something strange has happened! Call someone who can help you!</source>
        <translation>Oh no! È successa una cosa strana! Chiama qualcuno che ti può aiutare!</translation>
    </message>
    <message>
        <source>An unknown error occurred when there was an attempt to start drawing a new picture. Please make sure that the disk is not write protected and that there is enough disk space.</source>
        <translation>Si è verificato un errore sconosciuto mentre si cercava di cominciare un nuovo disegno. Si assicuri che il disco non sia protetto da scrittura e che sul disco ci sia abbastanza spazio.</translation>
    </message>
    <message>
        <source>Help! A new picture could not be started! Call someone who can help you sort it out! Go!</source>
        <translation>Aiuto! Non riesco a cominciare un nuovo disegno! Chiama qualcuno che ti aiuti a sistemare tutto! Corri!</translation>
    </message>
    <message>
        <source>You or your child has asked for more pictures to be added to The Tintaloo. If you wish to allow this, please press OK to continue.</source>
        <translation>È stato chiesto, da Lei o dal bambino, di aggiungere altri disegni a Tintaloo. Se desidera consentirlo, prema OK per continuare.</translation>
    </message>
    <message>
        <source>Would you like more pictures? Call someone who can get them for you!</source>
        <translation>Vuoi altri disegni? Chiama qualcuno che te li può trovare!</translation>
    </message>
    <message>
        <source>Could not find the books path. Please reinstall The Tintaloo!</source>
        <translation>Impossibile trovare la cartella dei libri. Reinstalli Tintaloo!</translation>
    </message>
</context>
<context>
    <name>frmParentMessage</name>
    <message>
        <source>[Parental message]</source>
        <translation>[Messaggio per i genitori]</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>frmParentalOptions</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Play sound effects</source>
        <translation>Riproduci gli effetti sonori</translation>
    </message>
    <message>
        <source>Disable/enable sound effects.</source>
        <translation>Disattiva/attiva gli effetti sonori.</translation>
    </message>
    <message>
        <source>Auto-hide parental buttons</source>
        <translation>Nascondi i pulsanti per i genitori</translation>
    </message>
    <message>
        <source> Ticking this box will cause The Tintaloo to hide the quit, save, print, help, settings and gallery options when they are not in use.</source>
        <translation> Spuntando questa casella, Tintaloo nasconde i pulsanti per uscire, salvare, stampare, la guida, le impostazioni e la galleria quando non sono in uso.</translation>
    </message>
    <message>
        <source>Use parental password</source>
        <translation>Usa la password dei genitori</translation>
    </message>
    <message>
        <source>Ticking this box will prevent children from accessing features such as printing and saving.</source>
        <translation>Spuntando questa casella, i bambini non potranno usare funzioni come la stampa e il salvataggio.</translation>
    </message>
    <message>
        <source>Allow quitting without permission</source>
        <translation>Consenti di uscire senza permesso</translation>
    </message>
    <message>
        <source>If you leave this option unchecked, a password will have to be entered to quit The Tintaloo.</source>
        <translation>Se lascia questa opzione senza spunta, per uscire da Tintaloo bisognerà inserire una password.</translation>
    </message>
    <message>
        <source>Bubble speed:</source>
        <translation>Velocità delle bolle:</translation>
    </message>
    <message>
        <source>This option sets the speed of the color selection bubbles.</source>
        <translation>Questa opzione imposta la velocità delle bolle con cui si scelgono i colori.</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Veloce</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Parental password:</source>
        <translation>Password dei genitori:</translation>
    </message>
    <message>
        <source>A password is required when unlocking locked items, please enter it here if you wish to change the current password.</source>
        <translation>Serve una password per sbloccare le funzioni bloccate; la inserisca qui se desidera cambiare la password attuale.</translation>
    </message>
    <message>
        <source>Password hint:</source>
        <translation>Promemoria della password:</translation>
    </message>
    <message>
        <source>If you ever forget your password, you can use the hint below to remind you!</source>
        <translation>Se un giorno dimentica la password, il promemoria qui sotto L'aiuterà a ricordarla!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Cancel any changes and close the window.</source>
        <translation>Annulla le modifiche e chiude la finestra.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Apply any changes and close the window.</source>
        <translation>Applica le modifiche e chiude la finestra.</translation>
    </message>
    <message>
        <source>Manage colored pages</source>
        <translation>Gestisci le pagine colorate</translation>
    </message>
    <message>
        <source>Click here to view, open and delete pictures which have already been colored. To reset a picture to its Black and White state, simply delete the colored picture.</source>
        <translation>Faccia clic qui per vedere, aprire ed eliminare i disegni già colorati. Per riportare un disegno in bianco e nero, basta eliminare il disegno colorato.</translation>
    </message>
    <message>
        <source>Add/remove</source>
        <extracomment>A link, read together with the words beside it: &quot;Add/remove&quot; &quot;coloring pages and books&quot;.</extracomment>
        <translation>Aggiungi/rimuovi</translation>
    </message>
    <message>
        <source>Click here to view, add and remove coloring pages and books.</source>
        <translation>Faccia clic qui per vedere, aggiungere e rimuovere disegni e libri.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Cerca aggiornamenti</translation>
    </message>
    <message>
        <source>Check for updates by going to The Tintaloo website.</source>
        <translation>Cerca aggiornamenti sul sito web di Tintaloo.</translation>
    </message>
    <message>
        <source>coloring pages and books</source>
        <extracomment>The words beside the link &quot;Add/remove&quot;, which they complete.</extracomment>
        <translation>disegni e libri</translation>
    </message>
    <message>
        <source>There was an error when trying to open the settings file. This may be because you are running The Tintaloo for the first time.</source>
        <translation>Si è verificato un errore durante l'apertura del file delle impostazioni. Può succedere se è la prima volta che avvia Tintaloo.</translation>
    </message>
    <message>
        <source>You can attempt to create a new settings file by completing the next window and clicking OK. If that does not work, reinstalling the application may fix the problem.</source>
        <translation>Può provare a creare un nuovo file delle impostazioni compilando la finestra successiva e facendo clic su Continua. Se non funziona, il problema potrebbe risolversi reinstallando il programma.</translation>
    </message>
    <message>
        <source>You have chosen to auto-hide the parental buttons (small buttons on the top-left corner of the screen). If you need to access them, you should place the mouse pointer over that area for one second.</source>
        <translation>Ha scelto di nascondere i pulsanti per i genitori (i piccoli pulsanti nell'angolo in alto a sinistra dello schermo). Per usarli, tenga il puntatore del mouse su quella zona per un secondo.</translation>
    </message>
    <message>
        <source>You must enter a password in order to continue.</source>
        <translation>Per continuare deve inserire una password.</translation>
    </message>
    <message>
        <source>You must enter a password hint incase you forget your password.</source>
        <translation>Deve inserire un promemoria della password, nel caso in cui la dimentichi.</translation>
    </message>
    <message>
        <source>The password and the password hint can only contain letters, digits and signs of Western European languages. Please change them and try again.</source>
        <translation>La password e il promemoria possono contenere solo lettere, cifre e segni delle lingue dell'Europa occidentale. Li modifichi e riprovi.</translation>
    </message>
    <message>
        <source>There was an error while trying to save the settings.</source>
        <translation>Si è verificato un errore durante il salvataggio delle impostazioni.</translation>
    </message>
    <message>
        <source>Make sure the disk is not write protected and there is enough space.</source>
        <translation>Si assicuri che il disco non sia protetto da scrittura e che ci sia abbastanza spazio.</translation>
    </message>
    <message>
        <source>There are currently no colored pictures to browse. You can only access this window after at least one picture has been colored.</source>
        <translation>Al momento non ci sono disegni colorati da sfogliare. Questa finestra si può aprire solo dopo che almeno un disegno è stato colorato.</translation>
    </message>
    <message>
        <source>Could not find the books path. Please reinstall The Tintaloo!</source>
        <translation>Impossibile trovare la cartella dei libri. Reinstalli Tintaloo!</translation>
    </message>
    <message>
        <source>Your current version of The Tintaloo is %1.%2</source>
        <extracomment>%1.%2 is the version number, &quot;6.0&quot;.</extracomment>
        <translation>La versione di Tintaloo in uso è la %1.%2</translation>
    </message>
    <message>
        <source>Would you like to be taken to The Tintaloo website to see if a newer version is available?</source>
        <translation>Vuole andare sul sito web di Tintaloo per vedere se è disponibile una versione più recente?</translation>
    </message>
    <message>
        <source>Could not load The Tintaloo webpage. Please make sure that your internet browser is working!</source>
        <translation>Impossibile caricare la pagina web di Tintaloo. Si assicuri che il browser funzioni!</translation>
    </message>
</context>
<context>
    <name>frmPicturePack</name>
    <message>
        <source>This window allows you to create Picture Packs for The Tintaloo. Picture Packs are special files that contain several pictures within them.  The advantage of a Picture Pack is that distributing pictures will be easier (only one file needs to be distributed) and it will ease the process of installing new pictures (only one file needs to be installed.)</source>
        <translation>Questa finestra Le permette di creare pacchetti di disegni per Tintaloo. I pacchetti di disegni sono file speciali che contengono diversi disegni. Con un pacchetto di disegni è più facile distribuire i disegni (basta distribuire un solo file) e installare nuovi disegni (basta installare un solo file).</translation>
    </message>
    <message>
        <source>Select files to put into the Picture Pack</source>
        <translation>Scegli i file da mettere nel pacchetto di disegni</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Pictures (*.bmp,*.gif,*.jpg)</source>
        <translation>Immagini (*.bmp,*.gif,*.jpg)</translation>
    </message>
    <message>
        <source>The folder name &apos;%1&apos; cannot be the name of a book. Please put the pictures in a folder named after the book (at most 100 characters, none of \ / : * ? &quot; &lt; &gt; |) and try again.</source>
        <translation>Il nome della cartella '%1' non può essere il nome di un libro. Metta i disegni in una cartella che porta il nome del libro (al massimo 100 caratteri, nessuno tra \ / : * ? " &lt; &gt; |) e riprovi.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be put into a Picture Pack. Only pictures ending in .bmp, .gif or .jpg, without &quot;|&quot; in their names, can be.</source>
        <translation>Il file '%1' non si può mettere in un pacchetto di disegni. Si possono mettere solo disegni che terminano con .bmp, .gif o .jpg, senza "|" nel nome.</translation>
    </message>
    <message>
        <source>The picture &apos;%1&apos; could not be read, so the Picture Pack was not created. Please make sure that the picture exists and that you may read it.</source>
        <translation>Impossibile leggere il disegno '%1', quindi il pacchetto di disegni non è stato creato. Si assicuri che il disegno esista e che Lei abbia il permesso di leggerlo.</translation>
    </message>
    <message>
        <source>Tintaloo Picture Pack</source>
        <translation>Pacchetto di disegni di Tintaloo</translation>
    </message>
    <message>
        <source>Select where you would like to save the Picture Pack.</source>
        <translation>Scelga dove salvare il pacchetto di disegni.</translation>
    </message>
    <message>
        <source>The Picture Pack has been successfully created!</source>
        <translation>Il pacchetto di disegni è stato creato correttamente!</translation>
    </message>
    <message>
        <source>There was an error saving the Picture Pack. Please make sure that the folder you selected is not write protected and that there is enough space.</source>
        <translation>Si è verificato un errore durante il salvataggio del pacchetto di disegni. Si assicuri che la cartella scelta non sia protetta da scrittura e che ci sia abbastanza spazio.</translation>
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
        <translation>Attenda mentre Tintaloo si carica.</translation>
    </message>
    <message>
        <source>The Tintaloo is brought to you by the Tintaloo project. Please respect the license agreement.</source>
        <translation>Tintaloo Le viene offerto dal progetto Tintaloo. La preghiamo di rispettare il contratto di licenza.</translation>
    </message>
    <message>
        <source>Open The Tintaloo help file to view the license agreement in more detail.</source>
        <translation>Apre la guida di Tintaloo per leggere il contratto di licenza in dettaglio.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Visit website</source>
        <translation>Visita il sito web</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Unable to start the help file &apos;%1/help/index.htm&apos; Please make sure that it exists.</source>
        <translation>Impossibile aprire il file della guida '%1/help/index.htm'. Si assicuri che esista.</translation>
    </message>
    <message>
        <source>Could not load The Tintaloo webpage. Please make sure that your internet browser is working!</source>
        <translation>Impossibile caricare la pagina web di Tintaloo. Si assicuri che il browser funzioni!</translation>
    </message>
</context>
<context>
    <name>mMain</name>
    <message>
        <source>Unable to start the help file &apos;%1/help/index.htm&apos;. Please make sure that it exists.</source>
        <translation>Impossibile aprire il file della guida '%1/help/index.htm'. Si assicuri che esista.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the default books were not found (looked in share/tintaloo beside the program and in the system data folders)</source>
        <translation>i libri predefiniti non sono stati trovati (cercati in share/tintaloo accanto al programma e nelle cartelle dei dati di sistema)</translation>
    </message>
    <message>
        <source>some default books or help topics could not be copied into &apos;%1&apos;</source>
        <translation>non è stato possibile copiare in '%1' alcuni libri predefiniti o argomenti della guida</translation>
    </message>
    <message>
        <source>Tintaloo is already running with the data folder &apos;%1&apos;, but did not answer.</source>
        <translation>Tintaloo è già in esecuzione con la cartella dei dati '%1', ma non ha risposto.</translation>
    </message>
</context>
</TS>
