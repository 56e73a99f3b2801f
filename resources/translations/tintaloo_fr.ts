<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ButtonArt</name>
    <message>
        <source>nevermind</source>
        <extracomment>The prompt's button that closes it without doing anything; drawn into the button picture (150 px wide).</extracomment>
        <translation>laisse tomber</translation>
    </message>
    <message>
        <source>details</source>
        <extracomment>The tab that shows the message for the parent; drawn into the tab picture (about 58 px for the word).</extracomment>
        <translation>détails</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>First line of the browser's button that starts a new picture of your own; drawn into the button picture (about 90 px a line).</extracomment>
        <translation>nouvelle</translation>
    </message>
    <message>
        <source>picture</source>
        <extracomment>Second line of the browser's button that starts a new picture of your own.</extracomment>
        <translation>image</translation>
    </message>
    <message>
        <source>more</source>
        <extracomment>First line of the browser's button that opens picture packs and more pictures.</extracomment>
        <translation>plus</translation>
    </message>
    <message>
        <source>pictures</source>
        <extracomment>Second line of the browser's button that opens more pictures.</extracomment>
        <translation>d'images</translation>
    </message>
    <message>
        <source>Welcome!</source>
        <extracomment>The title of the first-run welcome banner, drawn large (about 400 px wide).</extracomment>
        <translation>Bienvenue !</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l'aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche les informations de version.</translation>
    </message>
    <message>
        <source>Keeps settings, books and coloured pictures in &lt;dir&gt; instead of the per-user data folder.</source>
        <extracomment>&lt;dir&gt; is the value name of the option, translated as &quot;dir&quot; below.</extracomment>
        <translation>Conserve les réglages, les livres et les images coloriées dans &lt;dossier&gt; au lieu du dossier de données de l'utilisateur.</translation>
    </message>
    <message>
        <source>dir</source>
        <extracomment>The value name of --data-dir, shown as &lt;dir&gt; in the help.</extracomment>
        <translation>dossier</translation>
    </message>
    <message>
        <source>Adds the pictures of the picture pack &lt;file&gt; to the books.</source>
        <extracomment>&lt;file&gt; is the value name of the option, translated as &quot;file&quot; below.</extracomment>
        <translation>Ajoute aux livres les images du paquet d'images &lt;fichier&gt;.</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The value name of --import-pack, shown as &lt;file&gt; in the help.</extracomment>
        <translation>fichier</translation>
    </message>
    <message>
        <source>The Tintaloo: a colouring book for young children.</source>
        <translation>Tintaloo : un livre de coloriage pour les jeunes enfants.</translation>
    </message>
    <message>
        <source>A picture pack (.tpk) to add after a parent allows it.</source>
        <translation>Un paquet d'images (.tpk) à ajouter une fois qu'un parent l'a autorisé.</translation>
    </message>
    <message>
        <source>[pack]</source>
        <extracomment>The positional argument&apos;s name in the usage line.</extracomment>
        <translation>[paquet]</translation>
    </message>
    <message>
        <source>Only one picture pack can be opened at a time.</source>
        <translation>Un seul paquet d'images peut être ouvert à la fois.</translation>
    </message>
    <message>
        <source>--import-pack needs the name of a picture pack file.</source>
        <translation>--import-pack a besoin du nom d'un fichier de paquet d'images.</translation>
    </message>
</context>
<context>
    <name>DataFolderCheck</name>
    <message>
        <source>No data folder was given.</source>
        <translation>Aucun dossier de données n'a été indiqué.</translation>
    </message>
    <message>
        <source>The data folder %1 is a file, not a folder.</source>
        <translation>Le dossier de données %1 est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be created: %2 is a file, not a folder.</source>
        <translation>Impossible de créer le dossier de données %1 : %2 est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be created here.</source>
        <translation>Impossible de créer le dossier de données %1 à cet endroit.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be written to: %2.</source>
        <translation>Impossible d'écrire dans le dossier de données %1 : %2.</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Open a picture to paint</source>
        <translation>Ouvre une image à colorier</translation>
    </message>
    <message>
        <source>Clear out all colors!</source>
        <translation>Efface toutes les couleurs !</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Choose between crazy colors and normal colors!</source>
        <translation>Choisis les couleurs folles ou les couleurs normales !</translation>
    </message>
    <message>
        <source>Color using a magic crayon</source>
        <translation>Colorie avec le crayon de cire magique</translation>
    </message>
    <message>
        <source>Paint using a magic paintbrush</source>
        <translation>Peins avec le pinceau magique</translation>
    </message>
    <message>
        <source>Draw using a magic coloring pencil</source>
        <translation>Dessine avec le crayon de couleur magique</translation>
    </message>
    <message>
        <source>Draw using a marker pen</source>
        <translation>Dessine avec le feutre</translation>
    </message>
    <message>
        <source>Click here to quit The Tintaloo</source>
        <translation>Cliquez ici pour quitter Tintaloo</translation>
    </message>
    <message>
        <source>Save picture as...</source>
        <translation>Enregistrer l'image sous...</translation>
    </message>
    <message>
        <source>Print the picture</source>
        <translation>Imprimer l'image</translation>
    </message>
    <message>
        <source>About/Help</source>
        <translation>À propos/Aide</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>The Tintaloo</source>
        <translation>Tintaloo</translation>
    </message>
    <message>
        <source>There was an attempt to clear out all the colors in the picture. If you click OK, all changes to the picture will be lost and you will be left with a black and white image.</source>
        <translation>Quelqu'un a essayé d'effacer toutes les couleurs de l'image. Si vous cliquez sur OK, toutes les modifications de l'image seront perdues et il ne restera qu'une image en noir et blanc.</translation>
    </message>
    <message>
        <source>Would you like to get rid of all the colors? If you don&apos;t, call someone who can help you! Or press never mind</source>
        <extracomment>&quot;never mind&quot; is the button of this window, whose picture always says &quot;nevermind&quot;.</extracomment>
        <translation>Tu veux enlever toutes les couleurs ? Sinon, appelle quelqu'un qui peut t'aider ! Ou appuie sur « laisse tomber »</translation>
    </message>
    <message>
        <source>The picture could not be saved because the disk is full. Press Cancel to keep it on the screen, then make room on the disk or save it elsewhere with Save as. Press Continue to go on without saving it.</source>
        <translation>L'image n'a pas pu être enregistrée, car le disque est plein. Appuyez sur Annuler pour la garder à l'écran, puis libérez de la place sur le disque ou enregistrez-la ailleurs avec Enregistrer sous. Appuyez sur Continuer pour poursuivre sans l'enregistrer.</translation>
    </message>
    <message>
        <source>The picture could not be saved because the disk or its folder is write protected. Press Cancel to keep it on the screen, then make room on the disk or save it elsewhere with Save as. Press Continue to go on without saving it.</source>
        <translation>L'image n'a pas pu être enregistrée, car le disque ou son dossier est protégé en écriture. Appuyez sur Annuler pour la garder à l'écran, puis libérez de la place sur le disque ou enregistrez-la ailleurs avec Enregistrer sous. Appuyez sur Continuer pour poursuivre sans l'enregistrer.</translation>
    </message>
    <message>
        <source>The picture could not be saved because of an unknown error. Press Cancel to keep it on the screen, then make room on the disk or save it elsewhere with Save as. Press Continue to go on without saving it.</source>
        <translation>L'image n'a pas pu être enregistrée à cause d'une erreur inconnue. Appuyez sur Annuler pour la garder à l'écran, puis libérez de la place sur le disque ou enregistrez-la ailleurs avec Enregistrer sous. Appuyez sur Continuer pour poursuivre sans l'enregistrer.</translation>
    </message>
    <message>
        <source>The picture &apos;%1&apos; appears to be damaged or it no longer exists.</source>
        <translation>L'image « %1 » semble endommagée, ou elle n'existe plus.</translation>
    </message>
    <message>
        <source>Oops, the picture you choose appears to be have something wrong with it, call someone who can help you fix it!</source>
        <translation>Oups, l'image que tu as choisie a l'air d'avoir un problème. Appelle quelqu'un qui peut t'aider à la réparer !</translation>
    </message>
    <message>
        <source>Before printing, a temporary file has to be created in the application directory. This was not possible. Please make sure there is enough space in the disk and that the disk is not write protected.</source>
        <translation>Avant l'impression, un fichier temporaire doit être créé dans le dossier du programme. Cela n'a pas été possible. Veuillez vérifier qu'il y a assez de place sur le disque et que le disque n'est pas protégé en écriture.</translation>
    </message>
    <message>
        <source>Oh no! Your picture could not be printed. Call someone for help!</source>
        <translation>Oh non ! Ton image n'a pas pu être imprimée. Appelle quelqu'un pour t'aider !</translation>
    </message>
    <message>
        <source>There was an attempt to add a picture pack to The Tintaloo. If you wish to allow this, please press OK to continue.</source>
        <translation>Quelqu'un a essayé d'ajouter un paquet d'images à Tintaloo. Si vous souhaitez l'autoriser, appuyez sur OK pour continuer.</translation>
    </message>
    <message>
        <source>Oh no!, something has happened. Call someone who can help you!</source>
        <translation>Oh non ! Il s'est passé quelque chose. Appelle quelqu'un qui peut t'aider !</translation>
    </message>
    <message>
        <source>There was an attempt to quit The Tintaloo. If you wish to allow this, please press OK to continue.</source>
        <translation>Quelqu'un a essayé de quitter Tintaloo. Si vous souhaitez l'autoriser, appuyez sur OK pour continuer.</translation>
    </message>
    <message>
        <source>Oh no!, something has happened when you tried to close me. Call someone who can help you!</source>
        <translation>Oh non ! Il s'est passé quelque chose quand tu as voulu me fermer. Appelle quelqu'un qui peut t'aider !</translation>
    </message>
    <message>
        <source>There was an attempt to quit The Tintaloo. If you wish to allow this, press OK.</source>
        <translation>Quelqu'un a essayé de quitter Tintaloo. Si vous souhaitez l'autoriser, appuyez sur OK.</translation>
    </message>
    <message>
        <source>Are you sure you want to close this coloring book? Why don&apos;t you stay for a while?</source>
        <translation>Tu veux vraiment fermer ce livre de coloriage ? Reste donc encore un peu !</translation>
    </message>
    <message>
        <source>There was an attempt to save the current picture. If you wish to allow this, please press OK to continue.</source>
        <translation>Quelqu'un a essayé d'enregistrer l'image en cours. Si vous souhaitez l'autoriser, appuyez sur OK pour continuer.</translation>
    </message>
    <message>
        <source>Oh no!, something happened when you tried to save your picture. Call someone who can help you!</source>
        <translation>Oh non ! Il s'est passé quelque chose quand tu as voulu enregistrer ton image. Appelle quelqu'un qui peut t'aider !</translation>
    </message>
    <message>
        <source>There was an attempt to print the current picture. If you wish to allow this, please press OK to continue.</source>
        <translation>Quelqu'un a essayé d'imprimer l'image en cours. Si vous souhaitez l'autoriser, appuyez sur OK pour continuer.</translation>
    </message>
    <message>
        <source>Oh no!, something happened when you tried to print your picture. Call someone who can help you!</source>
        <translation>Oh non ! Il s'est passé quelque chose quand tu as voulu imprimer ton image. Appelle quelqu'un qui peut t'aider !</translation>
    </message>
    <message>
        <source>There was an attempt to view the About box. If you wish to allow this, please press OK.</source>
        <translation>Quelqu'un a essayé d'ouvrir la fenêtre À propos. Si vous souhaitez l'autoriser, appuyez sur OK.</translation>
    </message>
    <message>
        <source>There was an attempt to open the options screen. If you wish to allow this, please press OK to continue.</source>
        <translation>Quelqu'un a essayé d'ouvrir la fenêtre Options. Si vous souhaitez l'autoriser, appuyez sur OK pour continuer.</translation>
    </message>
    <message>
        <source>Jpeg file (*.jpg)</source>
        <translation>Fichier JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Save current picture as...</source>
        <translation>Enregistrer l'image en cours sous...</translation>
    </message>
    <message>
        <source>Unfortunately, because of an unknown error, the picture could not be saved. Please make sure that the disk is not write protected and that you have enough disk space to save the picture.</source>
        <translation>Malheureusement, à cause d'une erreur inconnue, l'image n'a pas pu être enregistrée. Veuillez vérifier que le disque n'est pas protégé en écriture et qu'il reste assez de place pour enregistrer l'image.</translation>
    </message>
</context>
<context>
    <name>GCommonDialog</name>
    <message>
        <source>The file &apos;%1&apos; already exists. Do you want to replace it?</source>
        <translation>Le fichier « %1 » existe déjà. Voulez-vous le remplacer ?</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The Tintaloo Help</source>
        <translation>Aide de Tintaloo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the help and go back to The Tintaloo.</source>
        <translation>Fermer l'aide et revenir à Tintaloo.</translation>
    </message>
</context>
<context>
    <name>LibraryWindow</name>
    <message>
        <source>Select a book:</source>
        <translation>Choisissez un livre :</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be found. Please make sure that the directory exists and that it is not write protected.</source>
        <translation>« %1 » est introuvable. Veuillez vérifier que le dossier existe et qu'il n'est pas protégé en écriture.</translation>
    </message>
</context>
<context>
    <name>PicturePackImport</name>
    <message>
        <source>Picture Packs are special files that contain several pictures within them and they can be downloaded from The Tintaloo website. Please press continue to select a Picture Pack to install.</source>
        <translation>Les paquets d'images sont des fichiers spéciaux qui contiennent plusieurs images ; vous pouvez en télécharger sur le site web de Tintaloo. Appuyez sur Continuer pour choisir un paquet d'images à installer.</translation>
    </message>
    <message>
        <source>The Tintaloo image pack (*.tpk)</source>
        <translation>Paquet d'images Tintaloo (*.tpk)</translation>
    </message>
    <message>
        <source>added: %1</source>
        <translation>ajoutée : %1</translation>
    </message>
    <message>
        <source>skipped (already in the book): %1</source>
        <translation>ignorée (déjà dans le livre) : %1</translation>
    </message>
</context>
<context>
    <name>PicturePackInstaller</name>
    <message>
        <source>The folder &apos;%1&apos; is a link to another place. Nothing was added.</source>
        <translation>Le dossier « %1 » est un lien vers un autre endroit. Rien n'a été ajouté.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; could not be created.</source>
        <translation>Impossible de créer le dossier « %1 ».</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a folder.</source>
        <translation>« %1 » n'est pas un dossier.</translation>
    </message>
    <message>
        <source>Could not add the file &apos;%1&apos; to the folder &apos;%2&apos;. Please make sure that it is not write protected.</source>
        <translation>Impossible d'ajouter le fichier « %1 » au dossier « %2 ». Veuillez vérifier qu'il n'est pas protégé en écriture.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is larger than 512 MB, more than a Picture Pack may be.</source>
        <translation>Le fichier « %1 » dépasse 512 Mo, la taille maximale d'un paquet d'images.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be found.</source>
        <translation>Le fichier « %1 » est introuvable.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file.</source>
        <translation>« %1 » n'est pas un fichier.</translation>
    </message>
    <message>
        <source>Pictures cannot be added to the book &apos;%1&apos;.</source>
        <translation>Impossible d'ajouter des images au livre « %1 ».</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a folder of this program. Nothing was added.</source>
        <translation>« %1 » n'est pas un dossier de ce programme. Rien n'a été ajouté.</translation>
    </message>
    <message>
        <source>Could not write into the folder &apos;%1&apos;. Please make sure that it is not write protected.</source>
        <translation>Impossible d'écrire dans le dossier « %1 ». Veuillez vérifier qu'il n'est pas protégé en écriture.</translation>
    </message>
    <message>
        <source>Could not write the file &apos;%1&apos;. Please make sure that the folder &apos;%2&apos; is not write protected and that there is enough space.</source>
        <translation>Impossible d'écrire le fichier « %1 ». Veuillez vérifier que le dossier « %2 » n'est pas protégé en écriture et qu'il reste assez de place.</translation>
    </message>
    <message>
        <source>The book &apos;%1&apos; could not be created. Please make sure that the folder &apos;%2&apos; is not write protected.</source>
        <translation>Impossible de créer le livre « %1 ». Veuillez vérifier que le dossier « %2 » n'est pas protégé en écriture.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the file &apos;%1&apos;.</source>
        <translation>Il n'y a pas assez de mémoire pour lire le fichier « %1 ».</translation>
    </message>
    <message>
        <source>There was the following error while trying to open The Tintaloo package file:
%1</source>
        <translation>L'erreur suivante s'est produite à l'ouverture du fichier de paquet Tintaloo :
%1</translation>
    </message>
    <message>
        <source>The file could not be read from header. Please make sure that the file is not designed for another version of The Tintaloo.</source>
        <translation>L'en-tête du fichier n'a pas pu être lu. Veuillez vérifier que le fichier n'est pas prévu pour une autre version de Tintaloo.</translation>
    </message>
    <message>
        <source>Could not read from the header information.</source>
        <translation>Impossible de lire les informations d'en-tête.</translation>
    </message>
    <message>
        <source>The file appears to be damaged. Please download again.</source>
        <translation>Le fichier semble endommagé. Veuillez le télécharger de nouveau.</translation>
    </message>
    <message>
        <source>There was the following error while trying to add new pictures to The Tintaloo:
%1</source>
        <translation>L'erreur suivante s'est produite lors de l'ajout de nouvelles images à Tintaloo :
%1</translation>
    </message>
    <message>
        <source>The book &apos;%1&apos; already has every picture of this Picture Pack, so nothing was added.</source>
        <translation>Le livre « %1 » contient déjà toutes les images de ce paquet d'images : rien n'a été ajouté.</translation>
    </message>
    <message>
        <source>The pictures were added successfully under the book &apos;%1&apos;. To view the new pictures, please select this book from the list.</source>
        <translation>Les images ont bien été ajoutées dans le livre « %1 ». Pour voir les nouvelles images, choisissez ce livre dans la liste.</translation>
    </message>
    <message>
        <source>The book already had these pictures, which were left as they were: %1.</source>
        <extracomment>%1 lists the names of the pictures, separated by commas.</extracomment>
        <translation>Le livre contenait déjà ces images, qui ont été laissées telles quelles : %1.</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>The Tintaloo Version %1.%2</source>
        <extracomment>%1.%2 is the version number, &quot;6.0&quot;.</extracomment>
        <translation>Tintaloo version %1.%2</translation>
    </message>
</context>
<context>
    <name>ScreenRule</name>
    <message>
        <source>This program can not run under the current screen resolution. The minimum size is 800 by 600, at a color mode of 24 bits (true color).<byte value="xd"/>
You must change the resolution before the program can run.</source>
        <translation>Ce programme ne peut pas fonctionner avec la résolution d'écran actuelle. La taille minimale est de 800 sur 600, en couleurs 24 bits (couleurs vraies).<byte value="xd"/>
Vous devez changer la résolution avant de pouvoir lancer le programme.</translation>
    </message>
    <message>
        <source>Although this program is able to run at your current screen resolution, it is highly recommended that you switch to a minimum size of 1024 by 768; otherwise, not all of the pictures will fit on the screen.<byte value="xd"/>
<byte value="xd"/>
Would you like to continue anyway?</source>
        <translation>Ce programme peut fonctionner avec votre résolution d'écran actuelle, mais il est vivement conseillé de passer à au moins 1024 sur 768 ; sinon, toutes les images ne tiendront pas à l'écran.<byte value="xd"/>
<byte value="xd"/>
Voulez-vous continuer quand même ?</translation>
    </message>
</context>
<context>
    <name>SettingsLoader</name>
    <message>
        <source>The Tintaloo was unable to create a settings file. This is an serious error and program cannot continue. Make sure that the disk you are using is not write protected.</source>
        <translation>Tintaloo n'a pas pu créer de fichier de réglages. C'est une erreur grave et le programme ne peut pas continuer. Vérifiez que le disque utilisé n'est pas protégé en écriture.</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>The lock file in the data folder &apos;%1&apos; cannot be created.</source>
        <translation>Impossible de créer le fichier de verrouillage dans le dossier de données « %1 ».</translation>
    </message>
    <message>
        <source>The data folder &apos;%1&apos; cannot be locked.</source>
        <translation>Impossible de verrouiller le dossier de données « %1 ».</translation>
    </message>
</context>
<context>
    <name>StatOnlyIconProvider</name>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Lien</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>%1 File</source>
        <extracomment>The type column of the file dialog; %1 is the name&apos;s extension in capitals (&quot;JPG&quot;).</extracomment>
        <translation>Fichier %1</translation>
    </message>
</context>
<context>
    <name>frmBookTitle</name>
    <message>
        <source>Book title</source>
        <translation>Titre du livre</translation>
    </message>
    <message>
        <source>Please enter a title for the new book.</source>
        <translation>Entrez un titre pour le nouveau livre.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>frmColoredPictures</name>
    <message>
        <source>Manage colored pictures</source>
        <translation>Gérer les images coloriées</translation>
    </message>
    <message>
        <source>Delete selected picture(s)</source>
        <translation>Supprimer les images sélectionnées</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Please select at least one picture to delete.</source>
        <translation>Veuillez sélectionner au moins une image à supprimer.</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete the selected picture(s)?</source>
        <translation>Voulez-vous vraiment supprimer les images sélectionnées ?</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be removed. Please make sure it exists and that it is not write protected.</source>
        <translation>Impossible de supprimer le fichier « %1 ». Veuillez vérifier qu'il existe et qu'il n'est pas protégé en écriture.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; could not be removed. Please make sure it exists and that it is not write protected.</source>
        <translation>Impossible de supprimer le dossier « %1 ». Veuillez vérifier qu'il existe et qu'il n'est pas protégé en écriture.</translation>
    </message>
</context>
<context>
    <name>frmFirstTime</name>
    <message>
        <source>Welcome to The Tintaloo</source>
        <translation>Bienvenue dans Tintaloo</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Hello! This appears to be the first time you are running The Tintaloo Version 6.</source>
        <translation>Bonjour ! Il semble que vous lanciez Tintaloo version 6 pour la première fois.</translation>
    </message>
    <message>
        <source>For now, please enjoy this software. To get started, click the Continue button below and then fill out the settings window. Have fun!</source>
        <translation>En attendant, profitez bien de ce logiciel. Pour commencer, cliquez sur le bouton Continuer ci-dessous, puis remplissez la fenêtre des réglages. Amusez-vous bien !</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>frmManagePictures</name>
    <message>
        <source>Manage pictures</source>
        <translation>Gérer les images</translation>
    </message>
    <message>
        <source>Delete this book</source>
        <translation>Supprimer ce livre</translation>
    </message>
    <message>
        <source>Delete selected picture(s)</source>
        <translation>Supprimer les images sélectionnées</translation>
    </message>
    <message>
        <source>Add pictures to this book</source>
        <translation>Ajouter des images à ce livre</translation>
    </message>
    <message>
        <source>Create a new book</source>
        <translation>Créer un nouveau livre</translation>
    </message>
    <message>
        <source>Add a new book to The Tintaloo.  You can then add pictures to the book.</source>
        <translation>Ajouter un nouveau livre à Tintaloo. Vous pourrez ensuite y ajouter des images.</translation>
    </message>
    <message>
        <source>Import a Picture Pack</source>
        <translation>Importer un paquet d'images</translation>
    </message>
    <message>
        <source>You can add pre-packaged pictures to The Tintaloo (Picture Packs).  The picture pack has a tpk extension and you can download some from The Tintaloo website.</source>
        <translation>Vous pouvez ajouter à Tintaloo des images toutes prêtes, regroupées en paquets d'images. Un paquet d'images porte l'extension tpk, et vous pouvez en télécharger sur le site web de Tintaloo.</translation>
    </message>
    <message>
        <source>Create a Picture Pack</source>
        <translation>Créer un paquet d'images</translation>
    </message>
    <message>
        <source>A Picture Pack is a file that contains multiple pictures for use in The Tintaloo.  You can create one if you want to deal with a single file (rather than multiple pictures) so that the process of installing pictures is easier.</source>
        <translation>Un paquet d'images est un fichier qui contient plusieurs images à utiliser dans Tintaloo. Vous pouvez en créer un pour n'avoir qu'un seul fichier à manipuler (au lieu de plusieurs images) : l'installation des images en est facilitée.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>This book cannot be removed because it is required for The Tintaloo to work correctly.</source>
        <translation>Ce livre ne peut pas être supprimé, car Tintaloo en a besoin pour fonctionner correctement.</translation>
    </message>
    <message>
        <source>The Tintaloo requires at least one book to run. As this is the last book, you must create another picture book before you are able to remove this one.</source>
        <translation>Tintaloo a besoin d'au moins un livre pour fonctionner. Comme c'est le dernier livre, vous devez créer un autre livre d'images avant de pouvoir supprimer celui-ci.</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete this book? If you select yes, any colored pictures from this book will be removed too.</source>
        <translation>Voulez-vous vraiment supprimer ce livre ? Si vous continuez, les images coloriées de ce livre seront aussi supprimées.</translation>
    </message>
    <message>
        <source>The book &apos;%1&apos; cannot be removed because the picture that is currently open in The Tintaloo is within this book.</source>
        <translation>Le livre « %1 » ne peut pas être supprimé, car l'image actuellement ouverte dans Tintaloo se trouve dans ce livre.</translation>
    </message>
    <message>
        <source>There was a problem removing the book. Please make sure that the path &apos;%1&apos; is not write protected and that it is not currently in use.</source>
        <translation>Un problème est survenu lors de la suppression du livre. Veuillez vérifier que le chemin « %1 » n'est pas protégé en écriture et qu'il n'est pas en cours d'utilisation.</translation>
    </message>
    <message>
        <source>There was a problem removing the colored pictures. Please make sure that the path &apos;%1&apos; is not write protected and that it is not currently in use.</source>
        <translation>Un problème est survenu lors de la suppression des images coloriées. Veuillez vérifier que le chemin « %1 » n'est pas protégé en écriture et qu'il n'est pas en cours d'utilisation.</translation>
    </message>
    <message>
        <source>Please select at least one picture to delete.</source>
        <translation>Veuillez sélectionner au moins une image à supprimer.</translation>
    </message>
    <message>
        <source>The pictures in this book cannot be removed because they are required for The Tintaloo to work correctly.</source>
        <translation>Les images de ce livre ne peuvent pas être supprimées, car Tintaloo en a besoin pour fonctionner correctement.</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete the selected picture(s)?</source>
        <translation>Voulez-vous vraiment supprimer les images sélectionnées ?</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be removed because the file is currently open in The Tintaloo. Please close it first by opening another picture.</source>
        <translation>Impossible de supprimer le fichier « %1 », car il est actuellement ouvert dans Tintaloo. Fermez-le d'abord en ouvrant une autre image.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be removed. Please make sure it exists and that it is not write protected.</source>
        <translation>Impossible de supprimer le fichier « %1 ». Veuillez vérifier qu'il existe et qu'il n'est pas protégé en écriture.</translation>
    </message>
    <message>
        <source>The book could not be created. Please make sure that the path &apos;%1/&apos; is not write protected and that you have not used the following characters in the book title \ /:*?&quot;&lt;&gt;|</source>
        <translation>Impossible de créer le livre. Veuillez vérifier que le chemin « %1/ » n'est pas protégé en écriture et que vous n'avez utilisé aucun des caractères suivants dans le titre du livre : \ /:*?"&lt;&gt;|</translation>
    </message>
    <message>
        <source>A book by this name already exists. Please select another name.</source>
        <translation>Un livre porte déjà ce nom. Veuillez choisir un autre nom.</translation>
    </message>
    <message>
        <source>You are attempting to copy picture(s) from one book into the same book!</source>
        <translation>Vous essayez de copier des images d'un livre dans ce même livre !</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is faulty. Not all pictures you selected may have been added.</source>
        <translation>Le fichier « %1 » est défectueux. Il se peut que toutes les images sélectionnées n'aient pas été ajoutées.</translation>
    </message>
    <message>
        <source>Could not add the file &apos;%1&apos; because it is not pure Black and White.</source>
        <translation>Impossible d'ajouter le fichier « %1 », car il n'est pas purement en noir et blanc.</translation>
    </message>
    <message>
        <source>Would you like to add a black and white copy of &apos;%1&apos; instead? It will be added to the book as &apos;%2&apos;.</source>
        <translation>Voulez-vous plutôt ajouter une copie en noir et blanc de « %1 » ? Elle sera ajoutée au livre sous le nom « %2 ».</translation>
    </message>
    <message>
        <source>The picture &apos;%1&apos; is larger than the page (%2 x %3 pixels). Would you like to add it made smaller to fit, %4 x %5 pixels, as &apos;%6&apos;?</source>
        <extracomment>%2 x %3 is the picture&apos;s size in pixels, %4 x %5 the size it would be made.</extracomment>
        <translation>L'image « %1 » est plus grande que la page (%2 x %3 pixels). Voulez-vous l'ajouter réduite à %4 x %5 pixels, sous le nom « %6 » ?</translation>
    </message>
    <message>
        <source>A picture by this name already exists within the book &apos;%1&apos; . Please rename the picture before you try to add it.</source>
        <translation>Une image porte déjà ce nom dans le livre « %1 ». Veuillez renommer l'image avant d'essayer de l'ajouter.</translation>
    </message>
    <message>
        <source>Could not add the file &apos;%1&apos;. Please make sure that the folder &apos;%2&apos; is not write protected.</source>
        <translation>Impossible d'ajouter le fichier « %1 ». Veuillez vérifier que le dossier « %2 » n'est pas protégé en écriture.</translation>
    </message>
    <message>
        <source>Pictures cannot be added to this book. Please select another book to add pictures to.</source>
        <translation>Impossible d'ajouter des images à ce livre. Veuillez choisir un autre livre auquel ajouter des images.</translation>
    </message>
    <message>
        <source>Add pictures to %1</source>
        <translation>Ajouter des images à %1</translation>
    </message>
    <message>
        <source>Pictures (*.bmp,*.gif,*.jpg,*.png)</source>
        <translation>Images (*.bmp,*.gif,*.jpg,*.png)</translation>
    </message>
</context>
<context>
    <name>frmMessage</name>
    <message>
        <source>[Message for the kids]</source>
        <translation>[Message pour les enfants]</translation>
    </message>
    <message>
        <source>[Message for the parents]</source>
        <translation>[Message pour les parents]</translation>
    </message>
    <message>
        <source>Please enter your password here:</source>
        <translation>Entrez votre mot de passe ici :</translation>
    </message>
    <message>
        <source>nevermind</source>
        <extracomment>Drawn on the button only when its picture is missing; the picture itself says &quot;nevermind&quot;.</extracomment>
        <translation>laisse tomber</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Drawn on the button only when its picture is missing; the picture itself says &quot;OK&quot;.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>details</source>
        <extracomment>Drawn on the tab only when its picture is missing; the picture itself says &quot;details&quot;.</extracomment>
        <translation>détails</translation>
    </message>
    <message>
        <source>The password you entered is incorrect. Your password hint is: &apos;%1&apos;.</source>
        <translation>Le mot de passe saisi est incorrect. L'indice de votre mot de passe est : « %1 ».</translation>
    </message>
    <message>
        <source>The password you entered is incorrect. Please enter the password again or press nevermind to close this window.</source>
        <extracomment>&quot;nevermind&quot; is the button of this window, whose picture always says &quot;nevermind&quot;.</extracomment>
        <translation>Le mot de passe saisi est incorrect. Veuillez le saisir de nouveau ou appuyer sur « laisse tomber » pour fermer cette fenêtre.</translation>
    </message>
</context>
<context>
    <name>frmOpen</name>
    <message>
        <source>Which picture would you like to color?</source>
        <translation>Quelle image veux-tu colorier ?</translation>
    </message>
    <message>
        <source>Loading(%1%)... %2.</source>
        <translation>Chargement (%1 %)... %2.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <comment>pictures left out</comment>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>These pictures could not be read and were left out of the books. They may be damaged; you can delete them in the picture manager.</source>
        <translation>Ces images n'ont pas pu être lues et ont été écartées des livres. Elles sont peut-être endommagées ; vous pouvez les supprimer dans la fenêtre Gérer les images.</translation>
    </message>
    <message>
        <source>There was a problem loading the pictures. Make sure that none of them are damaged. If you do not know what the problem is, please reinstall The Tintaloo. Press OK to exit the program.</source>
        <translation>Un problème est survenu lors du chargement des images. Vérifiez qu'aucune d'elles n'est endommagée. Si vous ne savez pas d'où vient le problème, réinstallez Tintaloo. Appuyez sur OK pour quitter le programme.</translation>
    </message>
    <message>
        <source>Oh no! something strange has happened! Call someone who can help you!</source>
        <translation>Oh non ! Il s'est passé quelque chose de bizarre ! Appelle quelqu'un qui peut t'aider !</translation>
    </message>
    <message>
        <source>An unknown error occurred when there was an attempt to start drawing a new picture. Please make sure that the disk is not write protected and that there is enough disk space.</source>
        <translation>Une erreur inconnue s'est produite au moment de commencer un nouveau dessin. Veuillez vérifier que le disque n'est pas protégé en écriture et qu'il reste assez de place sur le disque.</translation>
    </message>
    <message>
        <source>Help! A new picture could not be started! Call someone who can help you sort it out! Go!</source>
        <translation>Au secours ! Je n'arrive pas à commencer une nouvelle image ! Appelle quelqu'un qui peut t'aider ! Vas-y !</translation>
    </message>
    <message>
        <source>You or your child has asked for more pictures to be added to The Tintaloo. If you wish to allow this, please press OK to continue.</source>
        <translation>Vous ou votre enfant avez demandé d'ajouter des images à Tintaloo. Si vous souhaitez l'autoriser, appuyez sur OK pour continuer.</translation>
    </message>
    <message>
        <source>Would you like more pictures? Call someone who can get them for you!</source>
        <translation>Tu veux d'autres images ? Appelle quelqu'un qui peut t'en trouver !</translation>
    </message>
    <message>
        <source>Could not find the books path. Please reinstall The Tintaloo!</source>
        <translation>Le dossier des livres est introuvable. Veuillez réinstaller Tintaloo !</translation>
    </message>
</context>
<context>
    <name>frmParentMessage</name>
    <message>
        <source>[Parental message]</source>
        <translation>[Message pour les parents]</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>frmParentalOptions</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Play sound effects</source>
        <translation>Jouer les effets sonores</translation>
    </message>
    <message>
        <source>Disable/enable sound effects.</source>
        <translation>Désactiver/activer les effets sonores.</translation>
    </message>
    <message>
        <source>Auto-hide parental buttons</source>
        <translation>Masquer les boutons des parents</translation>
    </message>
    <message>
        <source> Ticking this box will cause The Tintaloo to hide the quit, save, print, help, settings and gallery options when they are not in use.</source>
        <translation> Si vous cochez cette case, Tintaloo cache les boutons pour quitter, enregistrer, imprimer, l'aide, les réglages et les options de la galerie quand ils ne servent pas.</translation>
    </message>
    <message>
        <source>Use parental password</source>
        <translation>Utiliser un mot de passe parental</translation>
    </message>
    <message>
        <source>Ticking this box will prevent children from accessing features such as printing and saving.</source>
        <translation>Si vous cochez cette case, les enfants ne pourront pas accéder à des fonctions comme l'impression et l'enregistrement.</translation>
    </message>
    <message>
        <source>Allow quitting without permission</source>
        <translation>Quitter sans autorisation</translation>
    </message>
    <message>
        <source>If you leave this option unchecked, a password will have to be entered to quit The Tintaloo.</source>
        <translation>Si cette case n'est pas cochée, il faudra saisir le mot de passe pour quitter Tintaloo.</translation>
    </message>
    <message>
        <source>Bubble speed:</source>
        <translation>Vitesse des bulles :</translation>
    </message>
    <message>
        <source>This option sets the speed of the color selection bubbles.</source>
        <translation>Cette option règle la vitesse des bulles de couleur.</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>Parental password:</source>
        <translation>Mot de passe parental :</translation>
    </message>
    <message>
        <source>A password is required when unlocking locked items, please enter it here if you wish to change the current password.</source>
        <translation>Un mot de passe est demandé pour déverrouiller les fonctions verrouillées ; saisissez-le ici si vous voulez changer le mot de passe actuel.</translation>
    </message>
    <message>
        <source>Password hint:</source>
        <translation>Indice du mot de passe :</translation>
    </message>
    <message>
        <source>If you ever forget your password, you can use the hint below to remind you!</source>
        <translation>Si vous oubliez votre mot de passe, l'indice ci-dessous vous aidera à vous en souvenir !</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cancel any changes and close the window.</source>
        <translation>Annuler les modifications et fermer la fenêtre.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Apply any changes and close the window.</source>
        <translation>Appliquer les modifications et fermer la fenêtre.</translation>
    </message>
    <message>
        <source>Manage colored pages</source>
        <translation>Gérer les pages coloriées</translation>
    </message>
    <message>
        <source>Click here to view, open and delete pictures which have already been colored. To reset a picture to its Black and White state, simply delete the colored picture.</source>
        <translation>Cliquez ici pour voir, ouvrir et supprimer les images déjà coloriées. Pour remettre une image en noir et blanc, il suffit de supprimer l'image coloriée.</translation>
    </message>
    <message>
        <source>Add/remove</source>
        <extracomment>A link, read together with the words beside it: &quot;Add/remove&quot; &quot;coloring pages and books&quot;.</extracomment>
        <translation>Ajouter/retirer</translation>
    </message>
    <message>
        <source>Click here to view, add and remove coloring pages and books.</source>
        <translation>Cliquez ici pour voir, ajouter et retirer des images et des livres.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Check for updates by going to The Tintaloo website.</source>
        <translation>Rechercher des mises à jour sur le site web de Tintaloo.</translation>
    </message>
    <message>
        <source>coloring pages and books</source>
        <extracomment>The words beside the link &quot;Add/remove&quot;, which they complete.</extracomment>
        <translation>des images et des livres</translation>
    </message>
    <message>
        <source>There was an error when trying to open the settings file. This may be because you are running The Tintaloo for the first time.</source>
        <translation>Une erreur s'est produite à l'ouverture du fichier des réglages. C'est peut-être parce que vous lancez Tintaloo pour la première fois.</translation>
    </message>
    <message>
        <source>You can attempt to create a new settings file by completing the next window and clicking OK. If that does not work, reinstalling the application may fix the problem.</source>
        <translation>Vous pouvez essayer de créer un nouveau fichier de réglages en remplissant la fenêtre suivante et en cliquant sur OK. Si cela ne fonctionne pas, réinstaller le programme peut résoudre le problème.</translation>
    </message>
    <message>
        <source>You have chosen to auto-hide the parental buttons (small buttons on the top-left corner of the screen). If you need to access them, you should place the mouse pointer over that area for one second.</source>
        <translation>Vous avez choisi de masquer les boutons des parents (les petits boutons dans le coin en haut à gauche de l'écran). Pour y accéder, placez le pointeur de la souris sur cette zone pendant une seconde.</translation>
    </message>
    <message>
        <source>You must enter a password in order to continue.</source>
        <translation>Vous devez saisir un mot de passe pour continuer.</translation>
    </message>
    <message>
        <source>You must enter a password hint incase you forget your password.</source>
        <translation>Vous devez saisir un indice au cas où vous oublieriez votre mot de passe.</translation>
    </message>
    <message>
        <source>The password and the password hint can only contain letters, digits and signs of Western European languages. Please change them and try again.</source>
        <translation>Le mot de passe et son indice ne peuvent contenir que des lettres, des chiffres et des signes des langues d'Europe de l'Ouest. Veuillez les modifier et réessayer.</translation>
    </message>
    <message>
        <source>There was an error while trying to save the settings.</source>
        <translation>Une erreur s'est produite lors de l'enregistrement des réglages.</translation>
    </message>
    <message>
        <source>Make sure the disk is not write protected and there is enough space.</source>
        <translation>Vérifiez que le disque n'est pas protégé en écriture et qu'il reste assez de place.</translation>
    </message>
    <message>
        <source>There are currently no colored pictures to browse. You can only access this window after at least one picture has been colored.</source>
        <translation>Il n'y a pour l'instant aucune image coloriée à parcourir. Cette fenêtre n'est accessible qu'une fois au moins une image coloriée.</translation>
    </message>
    <message>
        <source>Could not find the books path. Please reinstall The Tintaloo!</source>
        <translation>Le dossier des livres est introuvable. Veuillez réinstaller Tintaloo !</translation>
    </message>
    <message>
        <source>Your current version of The Tintaloo is %1.%2</source>
        <extracomment>%1.%2 is the version number, &quot;6.0&quot;.</extracomment>
        <translation>Votre version actuelle de Tintaloo est la %1.%2</translation>
    </message>
    <message>
        <source>Would you like to be taken to The Tintaloo website to see if a newer version is available?</source>
        <translation>Voulez-vous aller sur le site web de Tintaloo pour voir si une version plus récente est disponible ?</translation>
    </message>
    <message>
        <source>Could not load The Tintaloo webpage. Please make sure that your internet browser is working!</source>
        <translation>Impossible d'ouvrir la page web de Tintaloo. Veuillez vérifier que votre navigateur web fonctionne !</translation>
    </message>
</context>
<context>
    <name>frmPicturePack</name>
    <message>
        <source>This window allows you to create Picture Packs for The Tintaloo. Picture Packs are special files that contain several pictures within them.  The advantage of a Picture Pack is that distributing pictures will be easier (only one file needs to be distributed) and it will ease the process of installing new pictures (only one file needs to be installed.)</source>
        <translation>Cette fenêtre vous permet de créer des paquets d'images pour Tintaloo. Un paquet d'images est un fichier spécial qui contient plusieurs images. Il facilite la diffusion des images (un seul fichier à envoyer) et l'installation de nouvelles images (un seul fichier à installer).</translation>
    </message>
    <message>
        <source>Select files to put into the Picture Pack</source>
        <translation>Choisir les images à mettre dans le paquet</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Pictures (*.bmp,*.gif,*.jpg)</source>
        <translation>Images (*.bmp,*.gif,*.jpg)</translation>
    </message>
    <message>
        <source>The folder name &apos;%1&apos; cannot be the name of a book. Please put the pictures in a folder named after the book (at most 100 characters, none of \ / : * ? &quot; &lt; &gt; |) and try again.</source>
        <translation>Le nom de dossier « %1 » ne peut pas servir de nom de livre. Placez les images dans un dossier qui porte le nom du livre (100 caractères au plus, sans aucun de \ / : * ? " &lt; &gt; |), puis réessayez.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be put into a Picture Pack. Only pictures ending in .bmp, .gif or .jpg, without &quot;|&quot; in their names, can be.</source>
        <translation>Le fichier « %1 » ne peut pas être mis dans un paquet d'images. Seules les images qui se terminent par .bmp, .gif ou .jpg, sans « | » dans leur nom, le peuvent.</translation>
    </message>
    <message>
        <source>The picture &apos;%1&apos; could not be read, so the Picture Pack was not created. Please make sure that the picture exists and that you may read it.</source>
        <translation>L'image « %1 » n'a pas pu être lue : le paquet d'images n'a donc pas été créé. Veuillez vérifier que l'image existe et que vous avez le droit de la lire.</translation>
    </message>
    <message>
        <source>Tintaloo Picture Pack</source>
        <translation>Paquet d'images Tintaloo</translation>
    </message>
    <message>
        <source>Select where you would like to save the Picture Pack.</source>
        <translation>Choisissez où enregistrer le paquet d'images.</translation>
    </message>
    <message>
        <source>The Picture Pack has been successfully created!</source>
        <translation>Le paquet d'images a bien été créé !</translation>
    </message>
    <message>
        <source>There was an error saving the Picture Pack. Please make sure that the folder you selected is not write protected and that there is enough space.</source>
        <translation>Une erreur s'est produite lors de l'enregistrement du paquet d'images. Veuillez vérifier que le dossier choisi n'est pas protégé en écriture et qu'il reste assez de place.</translation>
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
        <translation>Veuillez patienter pendant le chargement de Tintaloo.</translation>
    </message>
    <message>
        <source>The Tintaloo is brought to you by the Tintaloo project. Please respect the license agreement.</source>
        <translation>Tintaloo vous est proposé par le projet Tintaloo. Merci de respecter le contrat de licence.</translation>
    </message>
    <message>
        <source>Open The Tintaloo help file to view the license agreement in more detail.</source>
        <translation>Ouvrez l'aide de Tintaloo pour lire le contrat de licence en détail.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Visit website</source>
        <translation>Visiter le site web</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Unable to start the help file &apos;%1/help/index.htm&apos; Please make sure that it exists.</source>
        <translation>Impossible d'ouvrir le fichier d'aide « %1/help/index.htm ». Veuillez vérifier qu'il existe.</translation>
    </message>
    <message>
        <source>Could not load The Tintaloo webpage. Please make sure that your internet browser is working!</source>
        <translation>Impossible d'ouvrir la page web de Tintaloo. Veuillez vérifier que votre navigateur web fonctionne !</translation>
    </message>
</context>
<context>
    <name>mMain</name>
    <message>
        <source>Unable to start the help file &apos;%1/help/index.htm&apos;. Please make sure that it exists.</source>
        <translation>Impossible d'ouvrir le fichier d'aide « %1/help/index.htm ». Veuillez vérifier qu'il existe.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the default books were not found (looked in share/tintaloo beside the program and in the system data folders)</source>
        <translation>les livres fournis sont introuvables (recherchés dans share/tintaloo à côté du programme et dans les dossiers de données du système)</translation>
    </message>
    <message>
        <source>some default books or help topics could not be copied into &apos;%1&apos;</source>
        <translation>certains livres fournis ou pages d'aide n'ont pas pu être copiés dans « %1 »</translation>
    </message>
    <message>
        <source>Tintaloo is already running with the data folder &apos;%1&apos;, but did not answer.</source>
        <translation>Tintaloo est déjà lancé avec le dossier de données « %1 », mais ne répond pas.</translation>
    </message>
</context>
</TS>
