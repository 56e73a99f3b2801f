<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>CommandLine</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps settings, books and coloured pictures in &lt;dir&gt; instead of the per-user data folder.</source>
        <extracomment>&lt;dir&gt; is the value name of the option, translated as &quot;dir&quot; below.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dir</source>
        <extracomment>The value name of --data-dir, shown as &lt;dir&gt; in the help.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds the pictures of the picture pack &lt;file&gt; to the books.</source>
        <extracomment>&lt;file&gt; is the value name of the option, translated as &quot;file&quot; below.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The value name of --import-pack, shown as &lt;file&gt; in the help.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tintaloo: a colouring book for young children.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A picture pack (.tpk) to add after a parent allows it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[pack]</source>
        <extracomment>The positional argument&apos;s name in the usage line.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only one picture pack can be opened at a time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--import-pack needs the name of a picture pack file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFolderCheck</name>
    <message>
        <source>No data folder was given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data folder %1 is a file, not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data folder %1 cannot be created: %2 is a file, not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data folder %1 cannot be created here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data folder %1 cannot be written to: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Open a picture to paint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear out all colors!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose between crazy colors and normal colors!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color using a magic crayon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paint using a magic paintbrush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw using a magic coloring pencil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw using a marker pen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to quit The Tintaloo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save picture as...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About/Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tintaloo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an attempt to clear out all the colors in the picture. If you click OK, all changes to the picture will be lost and you will be left with a black and white image.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to get rid of all the colors? If you don&apos;t, call someone who can help you! Or press never mind</source>
        <extracomment>&quot;never mind&quot; is the button of this window, whose picture always says &quot;nevermind&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be saved because the disk is full. Press Cancel to keep it on the screen, then make room on the disk or save it elsewhere with Save as. Press Continue to go on without saving it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be saved because the disk or its folder is write protected. Press Cancel to keep it on the screen, then make room on the disk or save it elsewhere with Save as. Press Continue to go on without saving it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be saved because of an unknown error. Press Cancel to keep it on the screen, then make room on the disk or save it elsewhere with Save as. Press Continue to go on without saving it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture &apos;%1&apos; appears to be damaged or it no longer exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oops, the picture you choose appears to be have something wrong with it, call someone who can help you fix it!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before printing, a temporary file has to be created in the application directory. This was not possible. Please make sure there is enough space in the disk and that the disk is not write protected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oh no! Your picture could not be printed. Call someone for help!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an attempt to add a picture pack to The Tintaloo. If you wish to allow this, please press OK to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oh no!, something has happened. Call someone who can help you!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an attempt to quit The Tintaloo. If you wish to allow this, please press OK to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oh no!, something has happened when you tried to close me. Call someone who can help you!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an attempt to quit The Tintaloo. If you wish to allow this, press OK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to close this coloring book? Why don&apos;t you stay for a while?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an attempt to save the current picture. If you wish to allow this, please press OK to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oh no!, something happened when you tried to save your picture. Call someone who can help you!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an attempt to print the current picture. If you wish to allow this, please press OK to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oh no!, something happened when you tried to print your picture. Call someone who can help you!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an attempt to view the About box. If you wish to allow this, please press OK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an attempt to open the options screen. If you wish to allow this, please press OK to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jpeg file (*.jpg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save current picture as...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unfortunately, because of an unknown error, the picture could not be saved. Please make sure that the disk is not write protected and that you have enough disk space to save the picture.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GCommonDialog</name>
    <message>
        <source>The file &apos;%1&apos; already exists. Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The Tintaloo Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the help and go back to The Tintaloo.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryWindow</name>
    <message>
        <source>Select a book:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be found. Please make sure that the directory exists and that it is not write protected.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PicturePackImport</name>
    <message>
        <source>Picture Packs are special files that contain several pictures within them and they can be downloaded from The Tintaloo website. Please press continue to select a Picture Pack to install.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tintaloo image pack (*.tpk)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>added: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skipped (already in the book): %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PicturePackInstaller</name>
    <message>
        <source>The folder &apos;%1&apos; is a link to another place. Nothing was added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not add the file &apos;%1&apos; to the folder &apos;%2&apos;. Please make sure that it is not write protected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is larger than 512 MB, more than a Picture Pack may be.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures cannot be added to the book &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a folder of this program. Nothing was added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write into the folder &apos;%1&apos;. Please make sure that it is not write protected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write the file &apos;%1&apos;. Please make sure that the folder &apos;%2&apos; is not write protected and that there is enough space.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The book &apos;%1&apos; could not be created. Please make sure that the folder &apos;%2&apos; is not write protected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough memory to read the file &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was the following error while trying to open The Tintaloo package file:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be read from header. Please make sure that the file is not designed for another version of The Tintaloo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read from the header information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file appears to be damaged. Please download again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was the following error while trying to add new pictures to The Tintaloo:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The book &apos;%1&apos; already has every picture of this Picture Pack, so nothing was added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pictures were added successfully under the book &apos;%1&apos;. To view the new pictures, please select this book from the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The book already had these pictures, which were left as they were: %1.</source>
        <extracomment>%1 lists the names of the pictures, separated by commas.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>The Tintaloo Version %1.%2</source>
        <extracomment>%1.%2 is the version number, &quot;6.0&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScreenRule</name>
    <message>
        <source>This program can not run under the current screen resolution. The minimum size is 800 by 600, at a color mode of 24 bits (true color).<byte value="xd"/>
You must change the resolution before the program can run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Although this program is able to run at your current screen resolution, it is highly recommended that you switch to a minimum size of 1024 by 768; otherwise, not all of the pictures will fit on the screen.<byte value="xd"/>
<byte value="xd"/>
Would you like to continue anyway?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsLoader</name>
    <message>
        <source>The Tintaloo was unable to create a settings file. This is an serious error and program cannot continue. Make sure that the disk you are using is not write protected.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>The lock file in the data folder &apos;%1&apos; cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data folder &apos;%1&apos; cannot be locked.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatOnlyIconProvider</name>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 File</source>
        <extracomment>The type column of the file dialog; %1 is the name&apos;s extension in capitals (&quot;JPG&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmBookTitle</name>
    <message>
        <source>Book title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a title for the new book.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmColoredPictures</name>
    <message>
        <source>Manage colored pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete selected picture(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select at least one picture to delete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you wish to delete the selected picture(s)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be removed. Please make sure it exists and that it is not write protected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; could not be removed. Please make sure it exists and that it is not write protected.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmFirstTime</name>
    <message>
        <source>Welcome to The Tintaloo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hello! This appears to be the first time you are running The Tintaloo Version 6.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For now, please enjoy this software. To get started, click the Continue button below and then fill out the settings window. Have fun!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmLineArtPreview</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmManagePictures</name>
    <message>
        <source>Manage pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete this book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete selected picture(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add pictures to this book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a new book to The Tintaloo.  You can then add pictures to the book.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import a Picture Pack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can add pre-packaged pictures to The Tintaloo (Picture Packs).  The picture pack has a tpk extension and you can download some from The Tintaloo website.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a Picture Pack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Picture Pack is a file that contains multiple pictures for use in The Tintaloo.  You can create one if you want to deal with a single file (rather than multiple pictures) so that the process of installing pictures is easier.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This book cannot be removed because it is required for The Tintaloo to work correctly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tintaloo requires at least one book to run. As this is the last book, you must create another picture book before you are able to remove this one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you wish to delete this book? If you select yes, any colored pictures from this book will be removed too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The book &apos;%1&apos; cannot be removed because the picture that is currently open in The Tintaloo is within this book.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was a problem removing the book. Please make sure that the path &apos;%1&apos; is not write protected and that it is not currently in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was a problem removing the colored pictures. Please make sure that the path &apos;%1&apos; is not write protected and that it is not currently in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select at least one picture to delete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pictures in this book cannot be removed because they are required for The Tintaloo to work correctly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you wish to delete the selected picture(s)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be removed because the file is currently open in The Tintaloo. Please close it first by opening another picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be removed. Please make sure it exists and that it is not write protected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The book could not be created. Please make sure that the path &apos;%1/&apos; is not write protected and that you have not used the following characters in the book title \ /:*?&quot;&lt;&gt;|</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A book by this name already exists. Please select another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are attempting to copy picture(s) from one book into the same book!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is faulty. Not all pictures you selected may have been added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not add the file &apos;%1&apos; because it is not pure Black and White.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to add a black and white copy of &apos;%1&apos; instead? It will be added to the book as &apos;%2&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture &apos;%1&apos; is larger than the page (%2 x %3 pixels). Would you like to add it made smaller to fit, %4 x %5 pixels, as &apos;%6&apos;?</source>
        <extracomment>%2 x %3 is the picture&apos;s size in pixels, %4 x %5 the size it would be made.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A picture by this name already exists within the book &apos;%1&apos; . Please rename the picture before you try to add it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not add the file &apos;%1&apos;. Please make sure that the folder &apos;%2&apos; is not write protected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures cannot be added to this book. Please select another book to add pictures to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add pictures to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures (*.bmp,*.gif,*.jpg,*.png)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMessage</name>
    <message>
        <source>[Message for the kids]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Message for the parents]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter your password here:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nevermind</source>
        <extracomment>Drawn on the button only when its picture is missing; the picture itself says &quot;nevermind&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Drawn on the button only when its picture is missing; the picture itself says &quot;OK&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>details</source>
        <extracomment>Drawn on the tab only when its picture is missing; the picture itself says &quot;details&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password you entered is incorrect. Your password hint is: &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password you entered is incorrect. Please enter the password again or press nevermind to close this window.</source>
        <extracomment>&quot;nevermind&quot; is the button of this window, whose picture always says &quot;nevermind&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmOpen</name>
    <message>
        <source>Which picture would you like to color?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading(%1%)... %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <comment>pictures left out</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>These pictures could not be read and were left out of the books. They may be damaged; you can delete them in the picture manager.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was a problem loading the pictures. Make sure that none of them are damaged. If you do not know what the problem is, please reinstall The Tintaloo. Press OK to exit the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oh no! something strange has happened! Call someone who can help you!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An unknown error occurred when there was an attempt to start drawing a new picture. Please make sure that the disk is not write protected and that there is enough disk space.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help! A new picture could not be started! Call someone who can help you sort it out! Go!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You or your child has asked for more pictures to be added to The Tintaloo. If you wish to allow this, please press OK to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like more pictures? Call someone who can get them for you!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not find the books path. Please reinstall The Tintaloo!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmParentMessage</name>
    <message>
        <source>[Parental message]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmParentalOptions</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play sound effects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable/enable sound effects.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-hide parental buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Ticking this box will cause The Tintaloo to hide the quit, save, print, help, settings and gallery options when they are not in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use parental password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ticking this box will prevent children from accessing features such as printing and saving.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow quitting without permission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you leave this option unchecked, a password will have to be entered to quit The Tintaloo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bubble speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This option sets the speed of the color selection bubbles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parental password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A password is required when unlocking locked items, please enter it here if you wish to change the current password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password hint:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you ever forget your password, you can use the hint below to remind you!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel any changes and close the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply any changes and close the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage colored pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to view, open and delete pictures which have already been colored. To reset a picture to its Black and White state, simply delete the colored picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add/remove</source>
        <extracomment>A link, read together with the words beside it: &quot;Add/remove&quot; &quot;coloring pages and books&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to view, add and remove coloring pages and books.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for updates by going to The Tintaloo website.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>coloring pages and books</source>
        <extracomment>The words beside the link &quot;Add/remove&quot;, which they complete.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error when trying to open the settings file. This may be because you are running The Tintaloo for the first time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can attempt to create a new settings file by completing the next window and clicking OK. If that does not work, reinstalling the application may fix the problem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have chosen to auto-hide the parental buttons (small buttons on the top-left corner of the screen). If you need to access them, you should place the mouse pointer over that area for one second.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a password in order to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a password hint incase you forget your password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password and the password hint can only contain letters, digits and signs of Western European languages. Please change them and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error while trying to save the settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make sure the disk is not write protected and there is enough space.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are currently no colored pictures to browse. You can only access this window after at least one picture has been colored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not find the books path. Please reinstall The Tintaloo!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your current version of The Tintaloo is %1.%2</source>
        <extracomment>%1.%2 is the version number, &quot;6.0&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to be taken to The Tintaloo website to see if a newer version is available?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not load The Tintaloo webpage. Please make sure that your internet browser is working!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmPicturePack</name>
    <message>
        <source>This window allows you to create Picture Packs for The Tintaloo. Picture Packs are special files that contain several pictures within them.  The advantage of a Picture Pack is that distributing pictures will be easier (only one file needs to be distributed) and it will ease the process of installing new pictures (only one file needs to be installed.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select files to put into the Picture Pack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures (*.bmp,*.gif,*.jpg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder name &apos;%1&apos; cannot be the name of a book. Please put the pictures in a folder named after the book (at most 100 characters, none of \ / : * ? &quot; &lt; &gt; |) and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be put into a Picture Pack. Only pictures ending in .bmp, .gif or .jpg, without &quot;|&quot; in their names, can be.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture &apos;%1&apos; could not be read, so the Picture Pack was not created. Please make sure that the picture exists and that you may read it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tintaloo Picture Pack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select where you would like to save the Picture Pack.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Picture Pack has been successfully created!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error saving the Picture Pack. Please make sure that the folder you selected is not write protected and that there is enough space.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>The Tintaloo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait while The Tintaloo loads.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tintaloo is brought to you by the Tintaloo project. Please respect the license agreement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open The Tintaloo help file to view the license agreement in more detail.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to start the help file &apos;%1/help/index.htm&apos; Please make sure that it exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not load The Tintaloo webpage. Please make sure that your internet browser is working!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mMain</name>
    <message>
        <source>Unable to start the help file &apos;%1/help/index.htm&apos;. Please make sure that it exists.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the default books were not found (looked in share/tintaloo beside the program and in the system data folders)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>some default books or help topics could not be copied into &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tintaloo is already running with the data folder &apos;%1&apos;, but did not answer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
