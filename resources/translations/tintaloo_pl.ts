<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>ButtonArt</name>
    <message>
        <source>nevermind</source>
        <extracomment>The prompt's button that closes it without doing anything; drawn into the button picture (150 px wide).</extracomment>
        <translation>jednak nie</translation>
    </message>
    <message>
        <source>details</source>
        <extracomment>The tab that shows the message for the parent; drawn into the tab picture (about 58 px for the word).</extracomment>
        <translation>szczegóły</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>First line of the browser's button that starts a new picture of your own; drawn into the button picture (about 90 px a line).</extracomment>
        <translation>nowy</translation>
    </message>
    <message>
        <source>picture</source>
        <extracomment>Second line of the browser's button that starts a new picture of your own.</extracomment>
        <translation>obrazek</translation>
    </message>
    <message>
        <source>more</source>
        <extracomment>First line of the browser's button that opens picture packs and more pictures.</extracomment>
        <translation>więcej</translation>
    </message>
    <message>
        <source>pictures</source>
        <extracomment>Second line of the browser's button that opens more pictures.</extracomment>
        <translation>obrazków</translation>
    </message>
    <message>
        <source>Welcome!</source>
        <extracomment>The title of the first-run welcome banner, drawn large (about 400 px wide).</extracomment>
        <translation>Witaj!</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Wyświetla pomoc dotyczącą opcji wiersza poleceń.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Wyświetla informacje o wersji.</translation>
    </message>
    <message>
        <source>Keeps settings, books and coloured pictures in &lt;dir&gt; instead of the per-user data folder.</source>
        <extracomment>&lt;dir&gt; is the value name of the option, translated as &quot;dir&quot; below.</extracomment>
        <translation>Przechowuje ustawienia, książeczki i pokolorowane obrazki w &lt;folder&gt; zamiast w folderze danych użytkownika.</translation>
    </message>
    <message>
        <source>dir</source>
        <extracomment>The value name of --data-dir, shown as &lt;dir&gt; in the help.</extracomment>
        <translation>folder</translation>
    </message>
    <message>
        <source>Adds the pictures of the picture pack &lt;file&gt; to the books.</source>
        <extracomment>&lt;file&gt; is the value name of the option, translated as &quot;file&quot; below.</extracomment>
        <translation>Dodaje do książeczek obrazki z paczki obrazków &lt;plik&gt;.</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The value name of --import-pack, shown as &lt;file&gt; in the help.</extracomment>
        <translation>plik</translation>
    </message>
    <message>
        <source>The Tintaloo: a colouring book for young children.</source>
        <translation>Tintaloo: kolorowanka dla małych dzieci.</translation>
    </message>
    <message>
        <source>A picture pack (.tpk) to add after a parent allows it.</source>
        <translation>Paczka obrazków (.tpk) do dodania po zgodzie rodzica.</translation>
    </message>
    <message>
        <source>[pack]</source>
        <extracomment>The positional argument&apos;s name in the usage line.</extracomment>
        <translation>[paczka]</translation>
    </message>
    <message>
        <source>Only one picture pack can be opened at a time.</source>
        <translation>Naraz można otworzyć tylko jedną paczkę obrazków.</translation>
    </message>
    <message>
        <source>--import-pack needs the name of a picture pack file.</source>
        <translation>Opcja --import-pack wymaga nazwy pliku paczki obrazków.</translation>
    </message>
</context>
<context>
    <name>DataFolderCheck</name>
    <message>
        <source>No data folder was given.</source>
        <translation>Nie podano folderu danych.</translation>
    </message>
    <message>
        <source>The data folder %1 is a file, not a folder.</source>
        <translation>Folder danych %1 jest plikiem, a nie folderem.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be created: %2 is a file, not a folder.</source>
        <translation>Nie można utworzyć folderu danych %1: %2 jest plikiem, a nie folderem.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be created here.</source>
        <translation>Nie można utworzyć folderu danych %1 w tym miejscu.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be written to: %2.</source>
        <translation>Nie można zapisywać w folderze danych %1: %2.</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Open a picture to paint</source>
        <translation>Wybierz obrazek do kolorowania</translation>
    </message>
    <message>
        <source>Clear out all colors!</source>
        <translation>Zmaż wszystkie kolory!</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Choose between crazy colors and normal colors!</source>
        <translation>Wybierz: szalone kolory albo zwykłe kolory!</translation>
    </message>
    <message>
        <source>Color using a magic crayon</source>
        <translation>Koloruj magiczną kredką świecową</translation>
    </message>
    <message>
        <source>Paint using a magic paintbrush</source>
        <translation>Maluj magicznym pędzlem</translation>
    </message>
    <message>
        <source>Draw using a magic coloring pencil</source>
        <translation>Rysuj magicznym kolorowym ołówkiem</translation>
    </message>
    <message>
        <source>Draw using a marker pen</source>
        <translation>Rysuj flamastrem</translation>
    </message>
    <message>
        <source>Click here to quit The Tintaloo</source>
        <translation>Kliknij tutaj, aby zamknąć Tintaloo</translation>
    </message>
    <message>
        <source>Save picture as...</source>
        <translation>Zapisz obrazek jako...</translation>
    </message>
    <message>
        <source>Print the picture</source>
        <translation>Wydrukuj obrazek</translation>
    </message>
    <message>
        <source>About/Help</source>
        <translation>O programie/Pomoc</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>The Tintaloo</source>
        <translation>Tintaloo</translation>
    </message>
    <message>
        <source>There was an attempt to clear out all the colors in the picture. If you click OK, all changes to the picture will be lost and you will be left with a black and white image.</source>
        <translation>Nastąpiła próba zmazania wszystkich kolorów z obrazka. Po naciśnięciu OK wszystkie zmiany w obrazku zostaną utracone i zostanie czarno-biały obrazek.</translation>
    </message>
    <message>
        <source>Would you like to get rid of all the colors? If you don&apos;t, call someone who can help you! Or press never mind</source>
        <extracomment>&quot;never mind&quot; is the button of this window, whose picture always says &quot;nevermind&quot;.</extracomment>
        <translation>Chcesz zmazać wszystkie kolory? Jeśli nie, zawołaj kogoś, kto ci pomoże! Albo naciśnij niebieski przycisk „jednak nie”</translation>
    </message>
    <message>
        <source>The picture could not be saved because the disk is full. Press Cancel to keep it on the screen, then make room on the disk or save it elsewhere with Save as. Press Continue to go on without saving it.</source>
        <translation>Nie można było zapisać obrazka, ponieważ dysk jest pełny. Proszę nacisnąć „Anuluj”, aby zostawić obrazek na ekranie, a potem zwolnić miejsce na dysku albo zapisać obrazek gdzie indziej przyciskiem „Zapisz obrazek jako...”. Aby pójść dalej bez zapisywania obrazka, proszę nacisnąć „Dalej”.</translation>
    </message>
    <message>
        <source>The picture could not be saved because the disk or its folder is write protected. Press Cancel to keep it on the screen, then make room on the disk or save it elsewhere with Save as. Press Continue to go on without saving it.</source>
        <translation>Nie można było zapisać obrazka, ponieważ dysk lub jego folder jest zabezpieczony przed zapisem. Proszę nacisnąć „Anuluj”, aby zostawić obrazek na ekranie, a potem zwolnić miejsce na dysku albo zapisać obrazek gdzie indziej przyciskiem „Zapisz obrazek jako...”. Aby pójść dalej bez zapisywania obrazka, proszę nacisnąć „Dalej”.</translation>
    </message>
    <message>
        <source>The picture could not be saved because of an unknown error. Press Cancel to keep it on the screen, then make room on the disk or save it elsewhere with Save as. Press Continue to go on without saving it.</source>
        <translation>Nie można było zapisać obrazka z powodu nieznanego błędu. Proszę nacisnąć „Anuluj”, aby zostawić obrazek na ekranie, a potem zwolnić miejsce na dysku albo zapisać obrazek gdzie indziej przyciskiem „Zapisz obrazek jako...”. Aby pójść dalej bez zapisywania obrazka, proszę nacisnąć „Dalej”.</translation>
    </message>
    <message>
        <source>The picture &apos;%1&apos; appears to be damaged or it no longer exists.</source>
        <translation>Obrazek „%1” wygląda na uszkodzony albo już nie istnieje.</translation>
    </message>
    <message>
        <source>Oops, the picture you choose appears to be have something wrong with it, call someone who can help you fix it!</source>
        <translation>Ups, z wybranym obrazkiem chyba jest coś nie tak, zawołaj kogoś, kto pomoże go naprawić!</translation>
    </message>
    <message>
        <source>Before printing, a temporary file has to be created in the application directory. This was not possible. Please make sure there is enough space in the disk and that the disk is not write protected.</source>
        <translation>Przed drukowaniem trzeba utworzyć plik tymczasowy w folderze programu. Nie było to możliwe. Proszę sprawdzić, czy na dysku jest dość miejsca i czy dysk nie jest zabezpieczony przed zapisem.</translation>
    </message>
    <message>
        <source>Oh no! Your picture could not be printed. Call someone for help!</source>
        <translation>Ojej! Nie udało się wydrukować twojego obrazka. Zawołaj kogoś na pomoc!</translation>
    </message>
    <message>
        <source>There was an attempt to add a picture pack to The Tintaloo. If you wish to allow this, please press OK to continue.</source>
        <translation>Nastąpiła próba dodania paczki obrazków do Tintaloo. Aby na to zezwolić, proszę nacisnąć OK.</translation>
    </message>
    <message>
        <source>Oh no!, something has happened. Call someone who can help you!</source>
        <translation>Ojej! Coś się stało. Zawołaj kogoś, kto ci pomoże!</translation>
    </message>
    <message>
        <source>There was an attempt to quit The Tintaloo. If you wish to allow this, please press OK to continue.</source>
        <translation>Nastąpiła próba zamknięcia Tintaloo. Aby na to zezwolić, proszę nacisnąć OK.</translation>
    </message>
    <message>
        <source>Oh no!, something has happened when you tried to close me. Call someone who can help you!</source>
        <translation>Ojej! Coś się stało, kiedy próbujesz mnie zamknąć. Zawołaj kogoś, kto ci pomoże!</translation>
    </message>
    <message>
        <source>There was an attempt to quit The Tintaloo. If you wish to allow this, press OK.</source>
        <translation>Nastąpiła próba zamknięcia Tintaloo. Aby na to zezwolić, wystarczy nacisnąć OK.</translation>
    </message>
    <message>
        <source>Are you sure you want to close this coloring book? Why don&apos;t you stay for a while?</source>
        <translation>Na pewno chcesz zamknąć kolorowankę? Może zostaniesz jeszcze chwilę?</translation>
    </message>
    <message>
        <source>There was an attempt to save the current picture. If you wish to allow this, please press OK to continue.</source>
        <translation>Nastąpiła próba zapisania bieżącego obrazka. Aby na to zezwolić, proszę nacisnąć OK.</translation>
    </message>
    <message>
        <source>Oh no!, something happened when you tried to save your picture. Call someone who can help you!</source>
        <translation>Ojej! Coś się stało przy zapisywaniu twojego obrazka. Zawołaj kogoś, kto ci pomoże!</translation>
    </message>
    <message>
        <source>There was an attempt to print the current picture. If you wish to allow this, please press OK to continue.</source>
        <translation>Nastąpiła próba wydrukowania bieżącego obrazka. Aby na to zezwolić, proszę nacisnąć OK.</translation>
    </message>
    <message>
        <source>Oh no!, something happened when you tried to print your picture. Call someone who can help you!</source>
        <translation>Ojej! Coś się stało przy drukowaniu twojego obrazka. Zawołaj kogoś, kto ci pomoże!</translation>
    </message>
    <message>
        <source>There was an attempt to view the About box. If you wish to allow this, please press OK.</source>
        <translation>Nastąpiła próba otwarcia okna „O programie”. Aby na to zezwolić, proszę nacisnąć OK.</translation>
    </message>
    <message>
        <source>There was an attempt to open the options screen. If you wish to allow this, please press OK to continue.</source>
        <translation>Nastąpiła próba otwarcia okna „Opcje”. Aby na to zezwolić, proszę nacisnąć OK.</translation>
    </message>
    <message>
        <source>Jpeg file (*.jpg)</source>
        <translation>Plik JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Save current picture as...</source>
        <translation>Zapisz bieżący obrazek jako...</translation>
    </message>
    <message>
        <source>Unfortunately, because of an unknown error, the picture could not be saved. Please make sure that the disk is not write protected and that you have enough disk space to save the picture.</source>
        <translation>Niestety z powodu nieznanego błędu nie można było zapisać obrazka. Proszę sprawdzić, czy dysk nie jest zabezpieczony przed zapisem i czy jest na nim dość miejsca na zapisanie obrazka.</translation>
    </message>
</context>
<context>
    <name>GCommonDialog</name>
    <message>
        <source>The file &apos;%1&apos; already exists. Do you want to replace it?</source>
        <translation>Plik „%1” już istnieje. Czy go zastąpić?</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The Tintaloo Help</source>
        <translation>Pomoc Tintaloo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Close the help and go back to The Tintaloo.</source>
        <translation>Zamyka pomoc i wraca do Tintaloo.</translation>
    </message>
</context>
<context>
    <name>LibraryWindow</name>
    <message>
        <source>Select a book:</source>
        <translation>Wybierz książeczkę:</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be found. Please make sure that the directory exists and that it is not write protected.</source>
        <translation>Nie znaleziono „%1”. Proszę sprawdzić, czy folder istnieje i czy nie jest zabezpieczony przed zapisem.</translation>
    </message>
</context>
<context>
    <name>PicturePackImport</name>
    <message>
        <source>Picture Packs are special files that contain several pictures within them and they can be downloaded from The Tintaloo website. Please press continue to select a Picture Pack to install.</source>
        <translation>Paczki obrazków to specjalne pliki, które zawierają po kilka obrazków; można je pobrać ze strony internetowej Tintaloo. Proszę nacisnąć „Dalej”, aby wybrać paczkę obrazków do zainstalowania.</translation>
    </message>
    <message>
        <source>The Tintaloo image pack (*.tpk)</source>
        <translation>Paczka obrazków Tintaloo (*.tpk)</translation>
    </message>
    <message>
        <source>added: %1</source>
        <translation>dodano: %1</translation>
    </message>
    <message>
        <source>skipped (already in the book): %1</source>
        <translation>pominięto (już jest w książeczce): %1</translation>
    </message>
</context>
<context>
    <name>PicturePackInstaller</name>
    <message>
        <source>The folder &apos;%1&apos; is a link to another place. Nothing was added.</source>
        <translation>Folder „%1” jest dowiązaniem do innego miejsca. Niczego nie dodano.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; could not be created.</source>
        <translation>Nie można było utworzyć folderu „%1”.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a folder.</source>
        <translation>„%1” nie jest folderem.</translation>
    </message>
    <message>
        <source>Could not add the file &apos;%1&apos; to the folder &apos;%2&apos;. Please make sure that it is not write protected.</source>
        <translation>Nie można było dodać pliku „%1” do folderu „%2”. Proszę sprawdzić, czy folder nie jest zabezpieczony przed zapisem.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is larger than 512 MB, more than a Picture Pack may be.</source>
        <translation>Plik „%1” ma ponad 512 MB, a paczka obrazków nie może być większa.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be found.</source>
        <translation>Nie znaleziono pliku „%1”.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file.</source>
        <translation>„%1” nie jest plikiem.</translation>
    </message>
    <message>
        <source>Pictures cannot be added to the book &apos;%1&apos;.</source>
        <translation>Do książeczki „%1” nie można dodawać obrazków.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a folder of this program. Nothing was added.</source>
        <translation>„%1” nie jest folderem tego programu. Niczego nie dodano.</translation>
    </message>
    <message>
        <source>Could not write into the folder &apos;%1&apos;. Please make sure that it is not write protected.</source>
        <translation>Nie można było zapisać w folderze „%1”. Proszę sprawdzić, czy nie jest zabezpieczony przed zapisem.</translation>
    </message>
    <message>
        <source>Could not write the file &apos;%1&apos;. Please make sure that the folder &apos;%2&apos; is not write protected and that there is enough space.</source>
        <translation>Nie można było zapisać pliku „%1”. Proszę sprawdzić, czy folder „%2” nie jest zabezpieczony przed zapisem i czy jest dość miejsca.</translation>
    </message>
    <message>
        <source>The book &apos;%1&apos; could not be created. Please make sure that the folder &apos;%2&apos; is not write protected.</source>
        <translation>Nie można było utworzyć książeczki „%1”. Proszę sprawdzić, czy folder „%2” nie jest zabezpieczony przed zapisem.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the file &apos;%1&apos;.</source>
        <translation>Za mało pamięci, aby odczytać plik „%1”.</translation>
    </message>
    <message>
        <source>There was the following error while trying to open The Tintaloo package file:
%1</source>
        <translation>Podczas otwierania pliku paczki Tintaloo wystąpił następujący błąd:
%1</translation>
    </message>
    <message>
        <source>The file could not be read from header. Please make sure that the file is not designed for another version of The Tintaloo.</source>
        <translation>Nie można było odczytać nagłówka pliku. Proszę sprawdzić, czy plik nie jest przeznaczony dla innej wersji Tintaloo.</translation>
    </message>
    <message>
        <source>Could not read from the header information.</source>
        <translation>Nie można było odczytać informacji z nagłówka.</translation>
    </message>
    <message>
        <source>The file appears to be damaged. Please download again.</source>
        <translation>Plik wygląda na uszkodzony. Proszę pobrać go ponownie.</translation>
    </message>
    <message>
        <source>There was the following error while trying to add new pictures to The Tintaloo:
%1</source>
        <translation>Podczas dodawania nowych obrazków do Tintaloo wystąpił następujący błąd:
%1</translation>
    </message>
    <message>
        <source>The book &apos;%1&apos; already has every picture of this Picture Pack, so nothing was added.</source>
        <translation>Książeczka „%1” ma już wszystkie obrazki z tej paczki obrazków, więc niczego nie dodano.</translation>
    </message>
    <message>
        <source>The pictures were added successfully under the book &apos;%1&apos;. To view the new pictures, please select this book from the list.</source>
        <translation>Obrazki zostały dodane do książeczki „%1”. Aby zobaczyć nowe obrazki, proszę wybrać tę książeczkę z listy.</translation>
    </message>
    <message>
        <source>The book already had these pictures, which were left as they were: %1.</source>
        <extracomment>%1 lists the names of the pictures, separated by commas.</extracomment>
        <translation>Te obrazki były już w książeczce i pozostały bez zmian: %1.</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>The Tintaloo Version %1.%2</source>
        <extracomment>%1.%2 is the version number, &quot;6.0&quot;.</extracomment>
        <translation>Tintaloo, wersja %1.%2</translation>
    </message>
</context>
<context>
    <name>ScreenRule</name>
    <message>
        <source>This program can not run under the current screen resolution. The minimum size is 800 by 600, at a color mode of 24 bits (true color).<byte value="xd"/>
You must change the resolution before the program can run.</source>
        <translation>Ten program nie może działać przy obecnej rozdzielczości ekranu. Najmniejsza rozdzielczość to 800 na 600 przy 24-bitowej głębi kolorów (true color).<byte value="xd"/>
Aby uruchomić program, należy najpierw zmienić rozdzielczość.</translation>
    </message>
    <message>
        <source>Although this program is able to run at your current screen resolution, it is highly recommended that you switch to a minimum size of 1024 by 768; otherwise, not all of the pictures will fit on the screen.<byte value="xd"/>
<byte value="xd"/>
Would you like to continue anyway?</source>
        <translation>Program może działać przy obecnej rozdzielczości ekranu, ale zdecydowanie zaleca się przełączenie na co najmniej 1024 na 768; w przeciwnym razie nie wszystkie obrazki zmieszczą się na ekranie.<byte value="xd"/>
<byte value="xd"/>
Czy mimo to kontynuować?</translation>
    </message>
</context>
<context>
    <name>SettingsLoader</name>
    <message>
        <source>The Tintaloo was unable to create a settings file. This is an serious error and program cannot continue. Make sure that the disk you are using is not write protected.</source>
        <translation>Program Tintaloo nie mógł utworzyć pliku ustawień. To poważny błąd i program nie może działać dalej. Proszę sprawdzić, czy używany dysk nie jest zabezpieczony przed zapisem.</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>The lock file in the data folder &apos;%1&apos; cannot be created.</source>
        <translation>Nie można utworzyć pliku blokady w folderze danych „%1”.</translation>
    </message>
    <message>
        <source>The data folder &apos;%1&apos; cannot be locked.</source>
        <translation>Nie można zablokować folderu danych „%1”.</translation>
    </message>
</context>
<context>
    <name>StatOnlyIconProvider</name>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Dowiązanie</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>%1 File</source>
        <extracomment>The type column of the file dialog; %1 is the name&apos;s extension in capitals (&quot;JPG&quot;).</extracomment>
        <translation>Plik %1</translation>
    </message>
</context>
<context>
    <name>frmBookTitle</name>
    <message>
        <source>Book title</source>
        <translation>Tytuł książeczki</translation>
    </message>
    <message>
        <source>Please enter a title for the new book.</source>
        <translation>Proszę wpisać tytuł nowej książeczki.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>frmColoredPictures</name>
    <message>
        <source>Manage colored pictures</source>
        <translation>Zarządzanie pokolorowanymi obrazkami</translation>
    </message>
    <message>
        <source>Delete selected picture(s)</source>
        <translation>Usuń zaznaczone obrazki</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Please select at least one picture to delete.</source>
        <translation>Proszę zaznaczyć co najmniej jeden obrazek do usunięcia.</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete the selected picture(s)?</source>
        <translation>Czy na pewno usunąć zaznaczone obrazki?</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be removed. Please make sure it exists and that it is not write protected.</source>
        <translation>Nie można było usunąć pliku „%1”. Proszę sprawdzić, czy plik istnieje i czy nie jest zabezpieczony przed zapisem.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; could not be removed. Please make sure it exists and that it is not write protected.</source>
        <translation>Nie można było usunąć folderu „%1”. Proszę sprawdzić, czy folder istnieje i czy nie jest zabezpieczony przed zapisem.</translation>
    </message>
</context>
<context>
    <name>frmFirstTime</name>
    <message>
        <source>Welcome to The Tintaloo</source>
        <translation>Witamy w Tintaloo</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Hello! This appears to be the first time you are running The Tintaloo Version 6.</source>
        <translation>Dzień dobry! Wygląda na to, że Tintaloo w wersji 6 zostało uruchomione po raz pierwszy.</translation>
    </message>
    <message>
        <source>For now, please enjoy this software. To get started, click the Continue button below and then fill out the settings window. Have fun!</source>
        <translation>Tymczasem życzymy przyjemnego korzystania z programu. Na początek proszę kliknąć przycisk „Dalej” poniżej, a potem wypełnić okno ustawień. Miłej zabawy!</translation>
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
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>frmManagePictures</name>
    <message>
        <source>Manage pictures</source>
        <translation>Zarządzanie obrazkami</translation>
    </message>
    <message>
        <source>Delete this book</source>
        <translation>Usuń tę książeczkę</translation>
    </message>
    <message>
        <source>Delete selected picture(s)</source>
        <translation>Usuń zaznaczone obrazki</translation>
    </message>
    <message>
        <source>Add pictures to this book</source>
        <translation>Dodaj obrazki do tej książeczki</translation>
    </message>
    <message>
        <source>Create a new book</source>
        <translation>Utwórz nową książeczkę</translation>
    </message>
    <message>
        <source>Add a new book to The Tintaloo.  You can then add pictures to the book.</source>
        <translation>Dodaje nową książeczkę do Tintaloo. Potem można dodać do niej obrazki.</translation>
    </message>
    <message>
        <source>Import a Picture Pack</source>
        <translation>Importuj paczkę obrazków</translation>
    </message>
    <message>
        <source>You can add pre-packaged pictures to The Tintaloo (Picture Packs).  The picture pack has a tpk extension and you can download some from The Tintaloo website.</source>
        <translation>Do Tintaloo można dodawać gotowe zestawy obrazków (paczki obrazków). Paczka obrazków ma rozszerzenie tpk; kilka paczek można pobrać ze strony internetowej Tintaloo.</translation>
    </message>
    <message>
        <source>Create a Picture Pack</source>
        <translation>Utwórz paczkę obrazków</translation>
    </message>
    <message>
        <source>A Picture Pack is a file that contains multiple pictures for use in The Tintaloo.  You can create one if you want to deal with a single file (rather than multiple pictures) so that the process of installing pictures is easier.</source>
        <translation>Paczka obrazków to plik zawierający wiele obrazków do użytku w Tintaloo. Można ją utworzyć, aby zamiast wielu obrazków mieć jeden plik i łatwiej instalować obrazki.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>This book cannot be removed because it is required for The Tintaloo to work correctly.</source>
        <translation>Tej książeczki nie można usunąć, ponieważ jest potrzebna do prawidłowego działania Tintaloo.</translation>
    </message>
    <message>
        <source>The Tintaloo requires at least one book to run. As this is the last book, you must create another picture book before you are able to remove this one.</source>
        <translation>Do działania Tintaloo potrzebna jest co najmniej jedna książeczka. Ponieważ to ostatnia książeczka, przed jej usunięciem trzeba utworzyć inną.</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete this book? If you select yes, any colored pictures from this book will be removed too.</source>
        <translation>Czy na pewno usunąć tę książeczkę? Po potwierdzeniu zostaną usunięte także wszystkie pokolorowane obrazki z tej książeczki.</translation>
    </message>
    <message>
        <source>The book &apos;%1&apos; cannot be removed because the picture that is currently open in The Tintaloo is within this book.</source>
        <translation>Nie można usunąć książeczki „%1”, ponieważ jest w niej obrazek, który jest teraz otwarty w Tintaloo.</translation>
    </message>
    <message>
        <source>There was a problem removing the book. Please make sure that the path &apos;%1&apos; is not write protected and that it is not currently in use.</source>
        <translation>Wystąpił problem z usunięciem książeczki. Proszę sprawdzić, czy ścieżka „%1” nie jest zabezpieczona przed zapisem i czy nie jest teraz używana.</translation>
    </message>
    <message>
        <source>There was a problem removing the colored pictures. Please make sure that the path &apos;%1&apos; is not write protected and that it is not currently in use.</source>
        <translation>Wystąpił problem z usunięciem pokolorowanych obrazków. Proszę sprawdzić, czy ścieżka „%1” nie jest zabezpieczona przed zapisem i czy nie jest teraz używana.</translation>
    </message>
    <message>
        <source>Please select at least one picture to delete.</source>
        <translation>Proszę zaznaczyć co najmniej jeden obrazek do usunięcia.</translation>
    </message>
    <message>
        <source>The pictures in this book cannot be removed because they are required for The Tintaloo to work correctly.</source>
        <translation>Obrazków z tej książeczki nie można usunąć, ponieważ są potrzebne do prawidłowego działania Tintaloo.</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete the selected picture(s)?</source>
        <translation>Czy na pewno usunąć zaznaczone obrazki?</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be removed because the file is currently open in The Tintaloo. Please close it first by opening another picture.</source>
        <translation>Nie można usunąć pliku „%1”, ponieważ jest teraz otwarty w Tintaloo. Proszę najpierw go zamknąć, otwierając inny obrazek.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be removed. Please make sure it exists and that it is not write protected.</source>
        <translation>Nie można było usunąć pliku „%1”. Proszę sprawdzić, czy plik istnieje i czy nie jest zabezpieczony przed zapisem.</translation>
    </message>
    <message>
        <source>The book could not be created. Please make sure that the path &apos;%1/&apos; is not write protected and that you have not used the following characters in the book title \ /:*?&quot;&lt;&gt;|</source>
        <translation>Nie można było utworzyć książeczki. Proszę sprawdzić, czy ścieżka „%1/” nie jest zabezpieczona przed zapisem i czy w tytule książeczki nie użyto następujących znaków: \ /:*?"&lt;&gt;|</translation>
    </message>
    <message>
        <source>A book by this name already exists. Please select another name.</source>
        <translation>Książeczka o tej nazwie już istnieje. Proszę wybrać inną nazwę.</translation>
    </message>
    <message>
        <source>You are attempting to copy picture(s) from one book into the same book!</source>
        <translation>Nastąpiła próba skopiowania obrazków z książeczki do tej samej książeczki!</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is faulty. Not all pictures you selected may have been added.</source>
        <translation>Plik „%1” jest wadliwy. Możliwe, że nie wszystkie wybrane obrazki zostały dodane.</translation>
    </message>
    <message>
        <source>Could not add the file &apos;%1&apos; because it is not pure Black and White.</source>
        <translation>Nie można dodać pliku „%1”, ponieważ nie jest czysto czarno-biały.</translation>
    </message>
    <message>
        <source>Would you like to add a black and white copy of &apos;%1&apos; instead? It will be added to the book as &apos;%2&apos;.</source>
        <translation>Czy zamiast tego dodać czarno-białą kopię pliku „%1”? Zostanie dodana do książeczki jako „%2”.</translation>
    </message>
    <message>
        <source>The picture &apos;%1&apos; is larger than the page (%2 x %3 pixels). Would you like to add it made smaller to fit, %4 x %5 pixels, as &apos;%6&apos;?</source>
        <extracomment>%2 x %3 is the picture&apos;s size in pixels, %4 x %5 the size it would be made.</extracomment>
        <translation>Obrazek „%1” jest większy niż strona (rozmiar w pikselach: %2 × %3). Czy dodać go jako „%6”, pomniejszonego do rozmiaru %4 × %5?</translation>
    </message>
    <message>
        <source>A picture by this name already exists within the book &apos;%1&apos; . Please rename the picture before you try to add it.</source>
        <translation>W książeczce „%1” jest już obrazek o tej nazwie. Przed dodaniem proszę zmienić nazwę obrazka.</translation>
    </message>
    <message>
        <source>Could not add the file &apos;%1&apos;. Please make sure that the folder &apos;%2&apos; is not write protected.</source>
        <translation>Nie można było dodać pliku „%1”. Proszę sprawdzić, czy folder „%2” nie jest zabezpieczony przed zapisem.</translation>
    </message>
    <message>
        <source>Pictures cannot be added to this book. Please select another book to add pictures to.</source>
        <translation>Do tej książeczki nie można dodawać obrazków. Proszę wybrać inną książeczkę.</translation>
    </message>
    <message>
        <source>Add pictures to %1</source>
        <translation>Dodaj obrazki do książeczki „%1”</translation>
    </message>
    <message>
        <source>Pictures (*.bmp,*.gif,*.jpg,*.png)</source>
        <translation>Obrazki (*.bmp,*.gif,*.jpg,*.png)</translation>
    </message>
</context>
<context>
    <name>frmMessage</name>
    <message>
        <source>[Message for the kids]</source>
        <translation>[Wiadomość dla dzieci]</translation>
    </message>
    <message>
        <source>[Message for the parents]</source>
        <translation>[Wiadomość dla rodziców]</translation>
    </message>
    <message>
        <source>Please enter your password here:</source>
        <translation>Proszę wpisać hasło:</translation>
    </message>
    <message>
        <source>nevermind</source>
        <extracomment>Drawn on the button only when its picture is missing; the picture itself says &quot;nevermind&quot;.</extracomment>
        <translation>jednak nie</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Drawn on the button only when its picture is missing; the picture itself says &quot;OK&quot;.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>details</source>
        <extracomment>Drawn on the tab only when its picture is missing; the picture itself says &quot;details&quot;.</extracomment>
        <translation>szczegóły</translation>
    </message>
    <message>
        <source>The password you entered is incorrect. Your password hint is: &apos;%1&apos;.</source>
        <translation>Wpisane hasło jest nieprawidłowe. Podpowiedź do hasła: „%1”.</translation>
    </message>
    <message>
        <source>The password you entered is incorrect. Please enter the password again or press nevermind to close this window.</source>
        <extracomment>&quot;nevermind&quot; is the button of this window, whose picture always says &quot;nevermind&quot;.</extracomment>
        <translation>Wpisane hasło jest nieprawidłowe. Proszę wpisać hasło ponownie albo nacisnąć „jednak nie”, aby zamknąć to okno.</translation>
    </message>
</context>
<context>
    <name>frmOpen</name>
    <message>
        <source>Which picture would you like to color?</source>
        <translation>Który obrazek chcesz pokolorować?</translation>
    </message>
    <message>
        <source>Loading(%1%)... %2.</source>
        <translation>Wczytywanie (%1%)... %2.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <comment>pictures left out</comment>
        <translation>
            <numerusform>i jeszcze %n obrazek</numerusform>
            <numerusform>i jeszcze %n obrazki</numerusform>
            <numerusform>i jeszcze %n obrazków</numerusform>
        </translation>
    </message>
    <message>
        <source>These pictures could not be read and were left out of the books. They may be damaged; you can delete them in the picture manager.</source>
        <translation>Tych obrazków nie udało się odczytać, więc pominięto je w książeczkach. Mogą być uszkodzone; można je usunąć w oknie zarządzania obrazkami.</translation>
    </message>
    <message>
        <source>There was a problem loading the pictures. Make sure that none of them are damaged. If you do not know what the problem is, please reinstall The Tintaloo. Press OK to exit the program.</source>
        <translation>Wystąpił problem z wczytaniem obrazków. Proszę sprawdzić, czy żaden z nich nie jest uszkodzony. Jeśli przyczyna problemu jest nieznana, proszę ponownie zainstalować Tintaloo. Naciśnięcie OK zamknie program.</translation>
    </message>
    <message>
        <source>Oh no! something strange has happened! Call someone who can help you!</source>
        <translation>Ojej! Stało się coś dziwnego! Zawołaj kogoś, kto ci pomoże!</translation>
    </message>
    <message>
        <source>An unknown error occurred when there was an attempt to start drawing a new picture. Please make sure that the disk is not write protected and that there is enough disk space.</source>
        <translation>Przy próbie rozpoczęcia nowego obrazka wystąpił nieznany błąd. Proszę sprawdzić, czy dysk nie jest zabezpieczony przed zapisem i czy jest na nim dość miejsca.</translation>
    </message>
    <message>
        <source>Help! A new picture could not be started! Call someone who can help you sort it out! Go!</source>
        <translation>Pomocy! Nie udało się zacząć nowego obrazka! Zawołaj kogoś, kto pomoże to naprawić! Biegnij!</translation>
    </message>
    <message>
        <source>You or your child has asked for more pictures to be added to The Tintaloo. If you wish to allow this, please press OK to continue.</source>
        <translation>Poproszono o dodanie kolejnych obrazków do Tintaloo. Aby na to zezwolić, proszę nacisnąć OK.</translation>
    </message>
    <message>
        <source>Would you like more pictures? Call someone who can get them for you!</source>
        <translation>Chcesz więcej obrazków? Zawołaj kogoś, kto ci je doda!</translation>
    </message>
    <message>
        <source>Could not find the books path. Please reinstall The Tintaloo!</source>
        <translation>Nie znaleziono folderu z książeczkami. Proszę ponownie zainstalować Tintaloo!</translation>
    </message>
</context>
<context>
    <name>frmParentMessage</name>
    <message>
        <source>[Parental message]</source>
        <translation>[Wiadomość dla rodzica]</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>frmParentalOptions</name>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Play sound effects</source>
        <translation>Odtwarzaj efekty dźwiękowe</translation>
    </message>
    <message>
        <source>Disable/enable sound effects.</source>
        <translation>Wyłącza/włącza efekty dźwiękowe.</translation>
    </message>
    <message>
        <source>Auto-hide parental buttons</source>
        <translation>Ukrywaj przyciski dla rodziców</translation>
    </message>
    <message>
        <source> Ticking this box will cause The Tintaloo to hide the quit, save, print, help, settings and gallery options when they are not in use.</source>
        <translation> Po zaznaczeniu tego pola Tintaloo ukrywa przyciski zamykania, zapisywania, drukowania, pomocy, ustawień i galerii, gdy nie są używane.</translation>
    </message>
    <message>
        <source>Use parental password</source>
        <translation>Wymagaj hasła rodzica</translation>
    </message>
    <message>
        <source>Ticking this box will prevent children from accessing features such as printing and saving.</source>
        <translation>Zaznaczenie tego pola nie pozwoli dzieciom korzystać z takich funkcji jak drukowanie i zapisywanie.</translation>
    </message>
    <message>
        <source>Allow quitting without permission</source>
        <translation>Zezwalaj na zamykanie bez zgody</translation>
    </message>
    <message>
        <source>If you leave this option unchecked, a password will have to be entered to quit The Tintaloo.</source>
        <translation>Jeśli to pole nie jest zaznaczone, do zamknięcia Tintaloo trzeba będzie wpisać hasło.</translation>
    </message>
    <message>
        <source>Bubble speed:</source>
        <translation>Szybkość baniek:</translation>
    </message>
    <message>
        <source>This option sets the speed of the color selection bubbles.</source>
        <translation>Ustala, jak szybko płyną kolorowe bańki do wyboru koloru.</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Szybko</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Średnio</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Wolno</translation>
    </message>
    <message>
        <source>Parental password:</source>
        <translation>Hasło rodzica:</translation>
    </message>
    <message>
        <source>A password is required when unlocking locked items, please enter it here if you wish to change the current password.</source>
        <translation>Hasło jest potrzebne do odblokowania zablokowanych funkcji. Aby zmienić obecne hasło, proszę wpisać tutaj nowe.</translation>
    </message>
    <message>
        <source>Password hint:</source>
        <translation>Podpowiedź do hasła:</translation>
    </message>
    <message>
        <source>If you ever forget your password, you can use the hint below to remind you!</source>
        <translation>Gdyby hasło wypadło z pamięci, podpowiedź poniżej pomoże je sobie przypomnieć!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Cancel any changes and close the window.</source>
        <translation>Odrzuca wszystkie zmiany i zamyka okno.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Apply any changes and close the window.</source>
        <translation>Stosuje wszystkie zmiany i zamyka okno.</translation>
    </message>
    <message>
        <source>Manage colored pages</source>
        <translation>Pokolorowane obrazki</translation>
    </message>
    <message>
        <source>Click here to view, open and delete pictures which have already been colored. To reset a picture to its Black and White state, simply delete the colored picture.</source>
        <translation>Tutaj można przeglądać, otwierać i usuwać obrazki, które zostały już pokolorowane. Aby przywrócić obrazek do stanu czarno-białego, wystarczy usunąć pokolorowany obrazek.</translation>
    </message>
    <message>
        <source>Add/remove</source>
        <extracomment>A link, read together with the words beside it: &quot;Add/remove&quot; &quot;coloring pages and books&quot;.</extracomment>
        <translation>Dodaj/usuń</translation>
    </message>
    <message>
        <source>Click here to view, add and remove coloring pages and books.</source>
        <translation>Tutaj można przeglądać, dodawać i usuwać obrazki i książeczki.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Sprawdź aktualizacje</translation>
    </message>
    <message>
        <source>Check for updates by going to The Tintaloo website.</source>
        <translation>Sprawdza aktualizacje na stronie internetowej Tintaloo.</translation>
    </message>
    <message>
        <source>coloring pages and books</source>
        <extracomment>The words beside the link &quot;Add/remove&quot;, which they complete.</extracomment>
        <translation>obrazki i książeczki</translation>
    </message>
    <message>
        <source>There was an error when trying to open the settings file. This may be because you are running The Tintaloo for the first time.</source>
        <translation>Wystąpił błąd podczas otwierania pliku ustawień. Może to oznaczać, że Tintaloo zostało uruchomione po raz pierwszy.</translation>
    </message>
    <message>
        <source>You can attempt to create a new settings file by completing the next window and clicking OK. If that does not work, reinstalling the application may fix the problem.</source>
        <translation>Można spróbować utworzyć nowy plik ustawień, wypełniając następne okno i klikając „Dalej”. Jeśli to nie pomoże, problem może rozwiązać ponowna instalacja programu.</translation>
    </message>
    <message>
        <source>You have chosen to auto-hide the parental buttons (small buttons on the top-left corner of the screen). If you need to access them, you should place the mouse pointer over that area for one second.</source>
        <translation>Wybrano automatyczne ukrywanie przycisków dla rodziców (małych przycisków w lewym górnym rogu ekranu). Aby z nich skorzystać, należy przytrzymać wskaźnik myszy nad tym miejscem przez sekundę.</translation>
    </message>
    <message>
        <source>You must enter a password in order to continue.</source>
        <translation>Aby kontynuować, należy wpisać hasło.</translation>
    </message>
    <message>
        <source>You must enter a password hint incase you forget your password.</source>
        <translation>Należy wpisać podpowiedź na wypadek zapomnienia hasła.</translation>
    </message>
    <message>
        <source>The password and the password hint can only contain letters, digits and signs of Western European languages. Please change them and try again.</source>
        <translation>Hasło i podpowiedź do hasła mogą zawierać tylko litery, cyfry i znaki języków zachodnioeuropejskich (bez liter takich jak ą, ę, ł, ś, ż). Proszę je zmienić i spróbować ponownie.</translation>
    </message>
    <message>
        <source>There was an error while trying to save the settings.</source>
        <translation>Wystąpił błąd podczas zapisywania ustawień.</translation>
    </message>
    <message>
        <source>Make sure the disk is not write protected and there is enough space.</source>
        <translation>Proszę sprawdzić, czy dysk nie jest zabezpieczony przed zapisem i czy jest na nim dość miejsca.</translation>
    </message>
    <message>
        <source>There are currently no colored pictures to browse. You can only access this window after at least one picture has been colored.</source>
        <translation>Nie ma jeszcze pokolorowanych obrazków do przeglądania. To okno będzie dostępne, gdy przynajmniej jeden obrazek zostanie pokolorowany.</translation>
    </message>
    <message>
        <source>Could not find the books path. Please reinstall The Tintaloo!</source>
        <translation>Nie znaleziono folderu z książeczkami. Proszę ponownie zainstalować Tintaloo!</translation>
    </message>
    <message>
        <source>Your current version of The Tintaloo is %1.%2</source>
        <extracomment>%1.%2 is the version number, &quot;6.0&quot;.</extracomment>
        <translation>Zainstalowana wersja Tintaloo: %1.%2</translation>
    </message>
    <message>
        <source>Would you like to be taken to The Tintaloo website to see if a newer version is available?</source>
        <translation>Czy otworzyć stronę internetową Tintaloo, aby sprawdzić, czy jest dostępna nowsza wersja?</translation>
    </message>
    <message>
        <source>Could not load The Tintaloo webpage. Please make sure that your internet browser is working!</source>
        <translation>Nie udało się otworzyć strony internetowej Tintaloo. Proszę sprawdzić, czy przeglądarka internetowa działa!</translation>
    </message>
</context>
<context>
    <name>frmPicturePack</name>
    <message>
        <source>This window allows you to create Picture Packs for The Tintaloo. Picture Packs are special files that contain several pictures within them.  The advantage of a Picture Pack is that distributing pictures will be easier (only one file needs to be distributed) and it will ease the process of installing new pictures (only one file needs to be installed.)</source>
        <translation>W tym oknie można tworzyć paczki obrazków dla Tintaloo. Paczki obrazków to specjalne pliki, które zawierają po kilka obrazków. Dzięki paczce łatwiej przekazywać obrazki innym (wystarczy przekazać jeden plik) i łatwiej je instalować (wystarczy zainstalować jeden plik).</translation>
    </message>
    <message>
        <source>Select files to put into the Picture Pack</source>
        <translation>Wybierz pliki do paczki obrazków</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Pictures (*.bmp,*.gif,*.jpg)</source>
        <translation>Obrazki (*.bmp,*.gif,*.jpg)</translation>
    </message>
    <message>
        <source>The folder name &apos;%1&apos; cannot be the name of a book. Please put the pictures in a folder named after the book (at most 100 characters, none of \ / : * ? &quot; &lt; &gt; |) and try again.</source>
        <translation>Nazwa folderu „%1” nie może być nazwą książeczki. Proszę umieścić obrazki w folderze nazwanym tak jak książeczka (najwyżej 100 znaków, bez żadnego ze znaków \ / : * ? " &lt; &gt; |) i spróbować ponownie.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be put into a Picture Pack. Only pictures ending in .bmp, .gif or .jpg, without &quot;|&quot; in their names, can be.</source>
        <translation>Pliku „%1” nie można umieścić w paczce obrazków. Można w niej umieścić tylko obrazki z końcówką .bmp, .gif lub .jpg, bez znaku "|" w nazwie.</translation>
    </message>
    <message>
        <source>The picture &apos;%1&apos; could not be read, so the Picture Pack was not created. Please make sure that the picture exists and that you may read it.</source>
        <translation>Nie można było odczytać obrazka „%1”, więc paczka obrazków nie została utworzona. Proszę sprawdzić, czy obrazek istnieje i czy konto użytkownika ma prawo go odczytać.</translation>
    </message>
    <message>
        <source>Tintaloo Picture Pack</source>
        <translation>Paczka obrazków Tintaloo</translation>
    </message>
    <message>
        <source>Select where you would like to save the Picture Pack.</source>
        <translation>Wybierz miejsce zapisu paczki obrazków.</translation>
    </message>
    <message>
        <source>The Picture Pack has been successfully created!</source>
        <translation>Paczka obrazków została utworzona!</translation>
    </message>
    <message>
        <source>There was an error saving the Picture Pack. Please make sure that the folder you selected is not write protected and that there is enough space.</source>
        <translation>Wystąpił błąd podczas zapisywania paczki obrazków. Proszę sprawdzić, czy wybrany folder nie jest zabezpieczony przed zapisem i czy jest dość miejsca.</translation>
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
        <translation>Proszę czekać, trwa wczytywanie Tintaloo.</translation>
    </message>
    <message>
        <source>The Tintaloo is brought to you by the Tintaloo project. Please respect the license agreement.</source>
        <translation>Tintaloo powstało w ramach projektu Tintaloo. Prosimy przestrzegać umowy licencyjnej.</translation>
    </message>
    <message>
        <source>Open The Tintaloo help file to view the license agreement in more detail.</source>
        <translation>Otwiera pomoc Tintaloo ze szczegółami umowy licencyjnej.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Visit website</source>
        <translation>Odwiedź stronę</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Unable to start the help file &apos;%1/help/index.htm&apos; Please make sure that it exists.</source>
        <translation>Nie można otworzyć pliku pomocy „%1/help/index.htm”. Proszę sprawdzić, czy istnieje.</translation>
    </message>
    <message>
        <source>Could not load The Tintaloo webpage. Please make sure that your internet browser is working!</source>
        <translation>Nie udało się otworzyć strony internetowej Tintaloo. Proszę sprawdzić, czy przeglądarka internetowa działa!</translation>
    </message>
</context>
<context>
    <name>mMain</name>
    <message>
        <source>Unable to start the help file &apos;%1/help/index.htm&apos;. Please make sure that it exists.</source>
        <translation>Nie można otworzyć pliku pomocy „%1/help/index.htm”. Proszę sprawdzić, czy istnieje.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the default books were not found (looked in share/tintaloo beside the program and in the system data folders)</source>
        <translation>nie znaleziono domyślnych książeczek (szukano w share/tintaloo obok programu i w systemowych folderach danych)</translation>
    </message>
    <message>
        <source>some default books or help topics could not be copied into &apos;%1&apos;</source>
        <translation>nie można było skopiować niektórych domyślnych książeczek lub tematów pomocy do „%1”</translation>
    </message>
    <message>
        <source>Tintaloo is already running with the data folder &apos;%1&apos;, but did not answer.</source>
        <translation>Tintaloo już działa z folderem danych „%1”, ale nie odpowiada.</translation>
    </message>
</context>
</TS>
