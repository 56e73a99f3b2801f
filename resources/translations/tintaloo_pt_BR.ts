<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ButtonArt</name>
    <message>
        <source>nevermind</source>
        <extracomment>The prompt's button that closes it without doing anything; drawn into the button picture (150 px wide).</extracomment>
        <translation>deixa pra lá</translation>
    </message>
    <message>
        <source>details</source>
        <extracomment>The tab that shows the message for the parent; drawn into the tab picture (about 58 px for the word).</extracomment>
        <translation>detalhes</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>First line of the browser's button that starts a new picture of your own; drawn into the button picture (about 90 px a line).</extracomment>
        <translation>novo</translation>
    </message>
    <message>
        <source>picture</source>
        <extracomment>Second line of the browser's button that starts a new picture of your own.</extracomment>
        <translation>desenho</translation>
    </message>
    <message>
        <source>more</source>
        <extracomment>First line of the browser's button that opens picture packs and more pictures.</extracomment>
        <translation>mais</translation>
    </message>
    <message>
        <source>pictures</source>
        <extracomment>Second line of the browser's button that opens more pictures.</extracomment>
        <translation>desenhos</translation>
    </message>
    <message>
        <source>Welcome!</source>
        <extracomment>The title of the first-run welcome banner, drawn large (about 400 px wide).</extracomment>
        <translation>Bem-vindo!</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra a ajuda sobre as opções da linha de comando.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra as informações da versão.</translation>
    </message>
    <message>
        <source>Keeps settings, books and coloured pictures in &lt;dir&gt; instead of the per-user data folder.</source>
        <extracomment>&lt;dir&gt; is the value name of the option, translated as &quot;dir&quot; below.</extracomment>
        <translation>Guarda as configurações, os livros e os desenhos coloridos em &lt;pasta&gt;, em vez da pasta de dados do usuário.</translation>
    </message>
    <message>
        <source>dir</source>
        <extracomment>The value name of --data-dir, shown as &lt;dir&gt; in the help.</extracomment>
        <translation>pasta</translation>
    </message>
    <message>
        <source>Adds the pictures of the picture pack &lt;file&gt; to the books.</source>
        <extracomment>&lt;file&gt; is the value name of the option, translated as &quot;file&quot; below.</extracomment>
        <translation>Adiciona aos livros os desenhos do pacote de desenhos &lt;arquivo&gt;.</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The value name of --import-pack, shown as &lt;file&gt; in the help.</extracomment>
        <translation>arquivo</translation>
    </message>
    <message>
        <source>The Tintaloo: a colouring book for young children.</source>
        <translation>Tintaloo: um livro de colorir para crianças pequenas.</translation>
    </message>
    <message>
        <source>A picture pack (.tpk) to add after a parent allows it.</source>
        <translation>Um pacote de desenhos (.tpk) para adicionar depois que um adulto permitir.</translation>
    </message>
    <message>
        <source>[pack]</source>
        <extracomment>The positional argument&apos;s name in the usage line.</extracomment>
        <translation>[pacote]</translation>
    </message>
    <message>
        <source>Only one picture pack can be opened at a time.</source>
        <translation>Só é possível abrir um pacote de desenhos por vez.</translation>
    </message>
    <message>
        <source>--import-pack needs the name of a picture pack file.</source>
        <translation>--import-pack precisa do nome de um arquivo de pacote de desenhos.</translation>
    </message>
</context>
<context>
    <name>DataFolderCheck</name>
    <message>
        <source>No data folder was given.</source>
        <translation>Nenhuma pasta de dados foi indicada.</translation>
    </message>
    <message>
        <source>The data folder %1 is a file, not a folder.</source>
        <translation>A pasta de dados %1 é um arquivo, não uma pasta.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be created: %2 is a file, not a folder.</source>
        <translation>Não é possível criar a pasta de dados %1: %2 é um arquivo, não uma pasta.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be created here.</source>
        <translation>Não é possível criar a pasta de dados %1 aqui.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be written to: %2.</source>
        <translation>Não é possível gravar na pasta de dados %1: %2.</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Open a picture to paint</source>
        <translation>Abrir um desenho para pintar</translation>
    </message>
    <message>
        <source>Clear out all colors!</source>
        <translation>Apagar todas as cores!</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Choose between crazy colors and normal colors!</source>
        <translation>Escolha entre cores malucas e cores normais!</translation>
    </message>
    <message>
        <source>Color using a magic crayon</source>
        <translation>Pinte com o giz de cera mágico</translation>
    </message>
    <message>
        <source>Paint using a magic paintbrush</source>
        <translation>Pinte com o pincel mágico</translation>
    </message>
    <message>
        <source>Draw using a magic coloring pencil</source>
        <translation>Desenhe com o lápis de cor mágico</translation>
    </message>
    <message>
        <source>Draw using a marker pen</source>
        <translation>Desenhe com a canetinha</translation>
    </message>
    <message>
        <source>Click here to quit The Tintaloo</source>
        <translation>Clique aqui para sair do Tintaloo</translation>
    </message>
    <message>
        <source>Save picture as...</source>
        <translation>Salvar desenho como...</translation>
    </message>
    <message>
        <source>Print the picture</source>
        <translation>Imprimir o desenho</translation>
    </message>
    <message>
        <source>About/Help</source>
        <translation>Sobre/Ajuda</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>The Tintaloo</source>
        <translation>Tintaloo</translation>
    </message>
    <message>
        <source>There was an attempt to clear out all the colors in the picture. If you click OK, all changes to the picture will be lost and you will be left with a black and white image.</source>
        <translation>Alguém tentou apagar todas as cores do desenho. Se você clicar em OK, todas as mudanças no desenho serão perdidas e ficará só a imagem em preto e branco.</translation>
    </message>
    <message>
        <source>Would you like to get rid of all the colors? If you don&apos;t, call someone who can help you! Or press never mind</source>
        <extracomment>&quot;never mind&quot; is the button of this window, whose picture always says &quot;nevermind&quot;.</extracomment>
        <translation>Você quer tirar todas as cores? Se não tiver certeza, chame alguém que possa ajudar você! Ou aperte o botão “deixa pra lá”</translation>
    </message>
    <message>
        <source>The picture could not be saved because the disk is full. Press Cancel to keep it on the screen, then make room on the disk or save it elsewhere with Save as. Press Continue to go on without saving it.</source>
        <translation>Não foi possível salvar o desenho porque o disco está cheio. Clique em Cancelar para deixá-lo na tela e, depois, libere espaço no disco ou salve-o em outro lugar com Salvar como. Clique em Continuar para seguir sem salvar.</translation>
    </message>
    <message>
        <source>The picture could not be saved because the disk or its folder is write protected. Press Cancel to keep it on the screen, then make room on the disk or save it elsewhere with Save as. Press Continue to go on without saving it.</source>
        <translation>Não foi possível salvar o desenho porque há proteção contra gravação no disco ou na pasta. Clique em Cancelar para deixá-lo na tela e, depois, libere espaço no disco ou salve-o em outro lugar com Salvar como. Clique em Continuar para seguir sem salvar.</translation>
    </message>
    <message>
        <source>The picture could not be saved because of an unknown error. Press Cancel to keep it on the screen, then make room on the disk or save it elsewhere with Save as. Press Continue to go on without saving it.</source>
        <translation>Não foi possível salvar o desenho por causa de um erro desconhecido. Clique em Cancelar para deixá-lo na tela e, depois, libere espaço no disco ou salve-o em outro lugar com Salvar como. Clique em Continuar para seguir sem salvar.</translation>
    </message>
    <message>
        <source>The picture &apos;%1&apos; appears to be damaged or it no longer exists.</source>
        <translation>O desenho &apos;%1&apos; parece estar danificado ou não existe mais.</translation>
    </message>
    <message>
        <source>Oops, the picture you choose appears to be have something wrong with it, call someone who can help you fix it!</source>
        <translation>Opa, parece que o desenho que você escolheu está com algum problema. Chame alguém que possa ajudar você a consertar!</translation>
    </message>
    <message>
        <source>Before printing, a temporary file has to be created in the application directory. This was not possible. Please make sure there is enough space in the disk and that the disk is not write protected.</source>
        <translation>Antes de imprimir, é preciso criar um arquivo temporário na pasta do programa, e isso não foi possível. Verifique se há espaço suficiente no disco e se o disco não está protegido contra gravação.</translation>
    </message>
    <message>
        <source>Oh no! Your picture could not be printed. Call someone for help!</source>
        <translation>Ah, não! Não deu para imprimir o seu desenho. Chame alguém para ajudar!</translation>
    </message>
    <message>
        <source>There was an attempt to add a picture pack to The Tintaloo. If you wish to allow this, please press OK to continue.</source>
        <translation>Alguém tentou adicionar um pacote de desenhos ao Tintaloo. Se quiser permitir, clique em OK para continuar.</translation>
    </message>
    <message>
        <source>Oh no!, something has happened. Call someone who can help you!</source>
        <translation>Ah, não! Aconteceu alguma coisa. Chame alguém que possa ajudar você!</translation>
    </message>
    <message>
        <source>There was an attempt to quit The Tintaloo. If you wish to allow this, please press OK to continue.</source>
        <translation>Alguém tentou sair do Tintaloo. Se quiser permitir, clique em OK para continuar.</translation>
    </message>
    <message>
        <source>Oh no!, something has happened when you tried to close me. Call someone who can help you!</source>
        <translation>Ah, não! Aconteceu alguma coisa quando você tentou me fechar. Chame alguém que possa ajudar você!</translation>
    </message>
    <message>
        <source>There was an attempt to quit The Tintaloo. If you wish to allow this, press OK.</source>
        <translation>Alguém tentou sair do Tintaloo. Se quiser permitir, clique em OK.</translation>
    </message>
    <message>
        <source>Are you sure you want to close this coloring book? Why don&apos;t you stay for a while?</source>
        <translation>Tem certeza de que quer fechar este livro de colorir? Que tal ficar mais um pouquinho?</translation>
    </message>
    <message>
        <source>There was an attempt to save the current picture. If you wish to allow this, please press OK to continue.</source>
        <translation>Alguém tentou salvar o desenho atual. Se quiser permitir, clique em OK para continuar.</translation>
    </message>
    <message>
        <source>Oh no!, something happened when you tried to save your picture. Call someone who can help you!</source>
        <translation>Ah, não! Aconteceu alguma coisa quando você tentou salvar seu desenho. Chame alguém que possa ajudar você!</translation>
    </message>
    <message>
        <source>There was an attempt to print the current picture. If you wish to allow this, please press OK to continue.</source>
        <translation>Alguém tentou imprimir o desenho atual. Se quiser permitir, clique em OK para continuar.</translation>
    </message>
    <message>
        <source>Oh no!, something happened when you tried to print your picture. Call someone who can help you!</source>
        <translation>Ah, não! Aconteceu alguma coisa quando você tentou imprimir seu desenho. Chame alguém que possa ajudar você!</translation>
    </message>
    <message>
        <source>There was an attempt to view the About box. If you wish to allow this, please press OK.</source>
        <translation>Alguém tentou abrir a janela Sobre. Se quiser permitir, clique em OK.</translation>
    </message>
    <message>
        <source>There was an attempt to open the options screen. If you wish to allow this, please press OK to continue.</source>
        <translation>Alguém tentou abrir a janela de opções. Se quiser permitir, clique em OK para continuar.</translation>
    </message>
    <message>
        <source>Jpeg file (*.jpg)</source>
        <translation>Arquivo JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Save current picture as...</source>
        <translation>Salvar o desenho atual como...</translation>
    </message>
    <message>
        <source>Unfortunately, because of an unknown error, the picture could not be saved. Please make sure that the disk is not write protected and that you have enough disk space to save the picture.</source>
        <translation>Infelizmente, por causa de um erro desconhecido, não foi possível salvar o desenho. Verifique se o disco não está protegido contra gravação e se há espaço suficiente no disco para salvar o desenho.</translation>
    </message>
</context>
<context>
    <name>GCommonDialog</name>
    <message>
        <source>The file &apos;%1&apos; already exists. Do you want to replace it?</source>
        <translation>O arquivo &apos;%1&apos; já existe. Quer substituí-lo?</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The Tintaloo Help</source>
        <translation>Ajuda do Tintaloo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Close the help and go back to The Tintaloo.</source>
        <translation>Fechar a ajuda e voltar ao Tintaloo.</translation>
    </message>
</context>
<context>
    <name>LibraryWindow</name>
    <message>
        <source>Select a book:</source>
        <translation>Escolha um livro:</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be found. Please make sure that the directory exists and that it is not write protected.</source>
        <translation>Não foi possível encontrar &apos;%1&apos;. Verifique se a pasta existe e se não está protegida contra gravação.</translation>
    </message>
</context>
<context>
    <name>PicturePackImport</name>
    <message>
        <source>Picture Packs are special files that contain several pictures within them and they can be downloaded from The Tintaloo website. Please press continue to select a Picture Pack to install.</source>
        <translation>Pacotes de Desenhos são arquivos especiais que contêm vários desenhos e podem ser baixados do site do Tintaloo. Clique em Continuar para escolher um Pacote de Desenhos para instalar.</translation>
    </message>
    <message>
        <source>The Tintaloo image pack (*.tpk)</source>
        <translation>Pacote de desenhos do Tintaloo (*.tpk)</translation>
    </message>
    <message>
        <source>added: %1</source>
        <translation>adicionado: %1</translation>
    </message>
    <message>
        <source>skipped (already in the book): %1</source>
        <translation>ignorado (já estava no livro): %1</translation>
    </message>
</context>
<context>
    <name>PicturePackInstaller</name>
    <message>
        <source>The folder &apos;%1&apos; is a link to another place. Nothing was added.</source>
        <translation>A pasta &apos;%1&apos; é um link para outro lugar. Nada foi adicionado.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; could not be created.</source>
        <translation>Não foi possível criar a pasta &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a folder.</source>
        <translation>&apos;%1&apos; não é uma pasta.</translation>
    </message>
    <message>
        <source>Could not add the file &apos;%1&apos; to the folder &apos;%2&apos;. Please make sure that it is not write protected.</source>
        <translation>Não foi possível adicionar o arquivo &apos;%1&apos; à pasta &apos;%2&apos;. Verifique se ela não está protegida contra gravação.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is larger than 512 MB, more than a Picture Pack may be.</source>
        <translation>O arquivo &apos;%1&apos; tem mais de 512 MB, mais do que um Pacote de Desenhos pode ter.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be found.</source>
        <translation>O arquivo &apos;%1&apos; não foi encontrado.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file.</source>
        <translation>&apos;%1&apos; não é um arquivo.</translation>
    </message>
    <message>
        <source>Pictures cannot be added to the book &apos;%1&apos;.</source>
        <translation>Não é possível adicionar desenhos ao livro &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a folder of this program. Nothing was added.</source>
        <translation>&apos;%1&apos; não é uma pasta deste programa. Nada foi adicionado.</translation>
    </message>
    <message>
        <source>Could not write into the folder &apos;%1&apos;. Please make sure that it is not write protected.</source>
        <translation>Não foi possível gravar na pasta &apos;%1&apos;. Verifique se ela não está protegida contra gravação.</translation>
    </message>
    <message>
        <source>Could not write the file &apos;%1&apos;. Please make sure that the folder &apos;%2&apos; is not write protected and that there is enough space.</source>
        <translation>Não foi possível gravar o arquivo &apos;%1&apos;. Verifique se a pasta &apos;%2&apos; não está protegida contra gravação e se há espaço suficiente.</translation>
    </message>
    <message>
        <source>The book &apos;%1&apos; could not be created. Please make sure that the folder &apos;%2&apos; is not write protected.</source>
        <translation>Não foi possível criar o livro &apos;%1&apos;. Verifique se a pasta &apos;%2&apos; não está protegida contra gravação.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the file &apos;%1&apos;.</source>
        <translation>Não há memória suficiente para ler o arquivo &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>There was the following error while trying to open The Tintaloo package file:
%1</source>
        <translation>Ocorreu o seguinte erro ao tentar abrir o arquivo de pacote do Tintaloo:
%1</translation>
    </message>
    <message>
        <source>The file could not be read from header. Please make sure that the file is not designed for another version of The Tintaloo.</source>
        <translation>Não foi possível ler o cabeçalho do arquivo. Verifique se o arquivo não foi feito para outra versão do Tintaloo.</translation>
    </message>
    <message>
        <source>Could not read from the header information.</source>
        <translation>Não foi possível ler as informações do cabeçalho.</translation>
    </message>
    <message>
        <source>The file appears to be damaged. Please download again.</source>
        <translation>O arquivo parece estar danificado. Baixe-o de novo.</translation>
    </message>
    <message>
        <source>There was the following error while trying to add new pictures to The Tintaloo:
%1</source>
        <translation>Ocorreu o seguinte erro ao tentar adicionar desenhos novos ao Tintaloo:
%1</translation>
    </message>
    <message>
        <source>The book &apos;%1&apos; already has every picture of this Picture Pack, so nothing was added.</source>
        <translation>O livro &apos;%1&apos; já tem todos os desenhos deste Pacote de Desenhos, então nada foi adicionado.</translation>
    </message>
    <message>
        <source>The pictures were added successfully under the book &apos;%1&apos;. To view the new pictures, please select this book from the list.</source>
        <translation>Os desenhos foram adicionados com sucesso ao livro &apos;%1&apos;. Para ver os desenhos novos, escolha esse livro na lista.</translation>
    </message>
    <message>
        <source>The book already had these pictures, which were left as they were: %1.</source>
        <extracomment>%1 lists the names of the pictures, separated by commas.</extracomment>
        <translation>O livro já tinha estes desenhos, que foram mantidos como estavam: %1.</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>The Tintaloo Version %1.%2</source>
        <extracomment>%1.%2 is the version number, &quot;6.0&quot;.</extracomment>
        <translation>Tintaloo versão %1.%2</translation>
    </message>
</context>
<context>
    <name>ScreenRule</name>
    <message>
        <source>This program can not run under the current screen resolution. The minimum size is 800 by 600, at a color mode of 24 bits (true color).<byte value="xd"/>
You must change the resolution before the program can run.</source>
        <translation>Este programa não pode funcionar na resolução de tela atual. O tamanho mínimo é 800 por 600, com 24 bits de cor (true color).<byte value="xd"/>
Você precisa mudar a resolução antes de o programa poder funcionar.</translation>
    </message>
    <message>
        <source>Although this program is able to run at your current screen resolution, it is highly recommended that you switch to a minimum size of 1024 by 768; otherwise, not all of the pictures will fit on the screen.<byte value="xd"/>
<byte value="xd"/>
Would you like to continue anyway?</source>
        <translation>Embora este programa possa funcionar na resolução de tela atual, é altamente recomendável mudar para um tamanho mínimo de 1024 por 768; caso contrário, nem todos os desenhos vão caber na tela.<byte value="xd"/>
<byte value="xd"/>
Quer continuar mesmo assim?</translation>
    </message>
</context>
<context>
    <name>SettingsLoader</name>
    <message>
        <source>The Tintaloo was unable to create a settings file. This is an serious error and program cannot continue. Make sure that the disk you are using is not write protected.</source>
        <translation>O Tintaloo não conseguiu criar um arquivo de configurações. Este é um erro grave, e o programa não pode continuar. Verifique se o disco que você está usando não está protegido contra gravação.</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>The lock file in the data folder &apos;%1&apos; cannot be created.</source>
        <translation>Não é possível criar o arquivo de bloqueio na pasta de dados &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The data folder &apos;%1&apos; cannot be locked.</source>
        <translation>Não é possível bloquear a pasta de dados &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>StatOnlyIconProvider</name>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>%1 File</source>
        <extracomment>The type column of the file dialog; %1 is the name&apos;s extension in capitals (&quot;JPG&quot;).</extracomment>
        <translation>Arquivo %1</translation>
    </message>
</context>
<context>
    <name>frmBookTitle</name>
    <message>
        <source>Book title</source>
        <translation>Título do livro</translation>
    </message>
    <message>
        <source>Please enter a title for the new book.</source>
        <translation>Digite um título para o livro novo.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>frmColoredPictures</name>
    <message>
        <source>Manage colored pictures</source>
        <translation>Gerenciar desenhos coloridos</translation>
    </message>
    <message>
        <source>Delete selected picture(s)</source>
        <translation>Excluir desenho(s) selecionado(s)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Please select at least one picture to delete.</source>
        <translation>Selecione pelo menos um desenho para excluir.</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete the selected picture(s)?</source>
        <translation>Tem certeza de que deseja excluir o(s) desenho(s) selecionado(s)?</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be removed. Please make sure it exists and that it is not write protected.</source>
        <translation>Não foi possível remover o arquivo &apos;%1&apos;. Verifique se ele existe e se não está protegido contra gravação.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; could not be removed. Please make sure it exists and that it is not write protected.</source>
        <translation>Não foi possível remover a pasta &apos;%1&apos;. Verifique se ela existe e se não está protegida contra gravação.</translation>
    </message>
</context>
<context>
    <name>frmFirstTime</name>
    <message>
        <source>Welcome to The Tintaloo</source>
        <translation>Boas-vindas ao Tintaloo</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Hello! This appears to be the first time you are running The Tintaloo Version 6.</source>
        <translation>Olá! Parece que esta é a primeira vez que você usa o Tintaloo versão 6.</translation>
    </message>
    <message>
        <source>For now, please enjoy this software. To get started, click the Continue button below and then fill out the settings window. Have fun!</source>
        <translation>Por enquanto, aproveite este programa. Para começar, clique no botão Continuar abaixo e depois preencha a janela de configurações. Divirta-se!</translation>
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
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>frmManagePictures</name>
    <message>
        <source>Manage pictures</source>
        <translation>Gerenciar desenhos</translation>
    </message>
    <message>
        <source>Delete this book</source>
        <translation>Excluir este livro</translation>
    </message>
    <message>
        <source>Delete selected picture(s)</source>
        <translation>Excluir desenho(s) selecionado(s)</translation>
    </message>
    <message>
        <source>Add pictures to this book</source>
        <translation>Adicionar desenhos a este livro</translation>
    </message>
    <message>
        <source>Create a new book</source>
        <translation>Criar um livro novo</translation>
    </message>
    <message>
        <source>Add a new book to The Tintaloo.  You can then add pictures to the book.</source>
        <translation>Adicione um livro novo ao Tintaloo. Depois, você pode adicionar desenhos a ele.</translation>
    </message>
    <message>
        <source>Import a Picture Pack</source>
        <translation>Importar um Pacote de Desenhos</translation>
    </message>
    <message>
        <source>You can add pre-packaged pictures to The Tintaloo (Picture Packs).  The picture pack has a tpk extension and you can download some from The Tintaloo website.</source>
        <translation>Você pode adicionar ao Tintaloo desenhos já empacotados (Pacotes de Desenhos). O pacote de desenhos tem a extensão tpk, e você pode baixar alguns no site do Tintaloo.</translation>
    </message>
    <message>
        <source>Create a Picture Pack</source>
        <translation>Criar um Pacote de Desenhos</translation>
    </message>
    <message>
        <source>A Picture Pack is a file that contains multiple pictures for use in The Tintaloo.  You can create one if you want to deal with a single file (rather than multiple pictures) so that the process of installing pictures is easier.</source>
        <translation>Um Pacote de Desenhos é um arquivo que contém vários desenhos para usar no Tintaloo. Você pode criar um se quiser lidar com um único arquivo (em vez de vários desenhos), para facilitar a instalação dos desenhos.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>This book cannot be removed because it is required for The Tintaloo to work correctly.</source>
        <translation>Este livro não pode ser removido porque é necessário para o Tintaloo funcionar corretamente.</translation>
    </message>
    <message>
        <source>The Tintaloo requires at least one book to run. As this is the last book, you must create another picture book before you are able to remove this one.</source>
        <translation>O Tintaloo precisa de pelo menos um livro para funcionar. Como este é o último livro, você precisa criar outro livro de desenhos antes de poder remover este.</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete this book? If you select yes, any colored pictures from this book will be removed too.</source>
        <translation>Tem certeza de que deseja excluir este livro? Se você continuar, todos os desenhos coloridos deste livro também serão removidos.</translation>
    </message>
    <message>
        <source>The book &apos;%1&apos; cannot be removed because the picture that is currently open in The Tintaloo is within this book.</source>
        <translation>O livro &apos;%1&apos; não pode ser removido porque o desenho aberto agora no Tintaloo está neste livro.</translation>
    </message>
    <message>
        <source>There was a problem removing the book. Please make sure that the path &apos;%1&apos; is not write protected and that it is not currently in use.</source>
        <translation>Houve um problema ao remover o livro. Verifique se o caminho &apos;%1&apos; não está protegido contra gravação e se não está em uso.</translation>
    </message>
    <message>
        <source>There was a problem removing the colored pictures. Please make sure that the path &apos;%1&apos; is not write protected and that it is not currently in use.</source>
        <translation>Houve um problema ao remover os desenhos coloridos. Verifique se o caminho &apos;%1&apos; não está protegido contra gravação e se não está em uso.</translation>
    </message>
    <message>
        <source>Please select at least one picture to delete.</source>
        <translation>Selecione pelo menos um desenho para excluir.</translation>
    </message>
    <message>
        <source>The pictures in this book cannot be removed because they are required for The Tintaloo to work correctly.</source>
        <translation>Os desenhos deste livro não podem ser removidos porque são necessários para o Tintaloo funcionar corretamente.</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete the selected picture(s)?</source>
        <translation>Tem certeza de que deseja excluir o(s) desenho(s) selecionado(s)?</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be removed because the file is currently open in The Tintaloo. Please close it first by opening another picture.</source>
        <translation>Não foi possível remover o arquivo &apos;%1&apos; porque ele está aberto no Tintaloo agora. Feche-o antes, abrindo outro desenho.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be removed. Please make sure it exists and that it is not write protected.</source>
        <translation>Não foi possível remover o arquivo &apos;%1&apos;. Verifique se ele existe e se não está protegido contra gravação.</translation>
    </message>
    <message>
        <source>The book could not be created. Please make sure that the path &apos;%1/&apos; is not write protected and that you have not used the following characters in the book title \ /:*?&quot;&lt;&gt;|</source>
        <translation>Não foi possível criar o livro. Verifique se o caminho &apos;%1/&apos; não está protegido contra gravação e se você não usou no título do livro nenhum destes caracteres \ /:*?&quot;&lt;&gt;|</translation>
    </message>
    <message>
        <source>A book by this name already exists. Please select another name.</source>
        <translation>Já existe um livro com este nome. Escolha outro nome.</translation>
    </message>
    <message>
        <source>You are attempting to copy picture(s) from one book into the same book!</source>
        <translation>Você está tentando copiar desenho(s) de um livro para o mesmo livro!</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is faulty. Not all pictures you selected may have been added.</source>
        <translation>O arquivo &apos;%1&apos; está com defeito. Talvez nem todos os desenhos que você selecionou tenham sido adicionados.</translation>
    </message>
    <message>
        <source>Could not add the file &apos;%1&apos; because it is not pure Black and White.</source>
        <translation>Não foi possível adicionar o arquivo &apos;%1&apos; porque ele não é puramente preto e branco.</translation>
    </message>
    <message>
        <source>Would you like to add a black and white copy of &apos;%1&apos; instead? It will be added to the book as &apos;%2&apos;.</source>
        <translation>Quer adicionar uma cópia em preto e branco de &apos;%1&apos; no lugar dele? Ela será adicionada ao livro como &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>The picture &apos;%1&apos; is larger than the page (%2 x %3 pixels). Would you like to add it made smaller to fit, %4 x %5 pixels, as &apos;%6&apos;?</source>
        <extracomment>%2 x %3 is the picture&apos;s size in pixels, %4 x %5 the size it would be made.</extracomment>
        <translation>O desenho &apos;%1&apos; é maior que a página (%2 x %3 pixels). Quer adicioná-lo reduzido para caber, com %4 x %5 pixels, como &apos;%6&apos;?</translation>
    </message>
    <message>
        <source>A picture by this name already exists within the book &apos;%1&apos; . Please rename the picture before you try to add it.</source>
        <translation>Já existe um desenho com este nome no livro &apos;%1&apos;. Renomeie o desenho antes de tentar adicioná-lo.</translation>
    </message>
    <message>
        <source>Could not add the file &apos;%1&apos;. Please make sure that the folder &apos;%2&apos; is not write protected.</source>
        <translation>Não foi possível adicionar o arquivo &apos;%1&apos;. Verifique se a pasta &apos;%2&apos; não está protegida contra gravação.</translation>
    </message>
    <message>
        <source>Pictures cannot be added to this book. Please select another book to add pictures to.</source>
        <translation>Não é possível adicionar desenhos a este livro. Escolha outro livro para adicionar desenhos.</translation>
    </message>
    <message>
        <source>Add pictures to %1</source>
        <translation>Adicionar desenhos a %1</translation>
    </message>
    <message>
        <source>Pictures (*.bmp,*.gif,*.jpg,*.png)</source>
        <translation>Desenhos (*.bmp,*.gif,*.jpg,*.png)</translation>
    </message>
</context>
<context>
    <name>frmMessage</name>
    <message>
        <source>[Message for the kids]</source>
        <translation>[Mensagem para as crianças]</translation>
    </message>
    <message>
        <source>[Message for the parents]</source>
        <translation>[Mensagem para os pais]</translation>
    </message>
    <message>
        <source>Please enter your password here:</source>
        <translation>Digite sua senha aqui:</translation>
    </message>
    <message>
        <source>nevermind</source>
        <extracomment>Drawn on the button only when its picture is missing; the picture itself says &quot;nevermind&quot;.</extracomment>
        <translation>deixa pra lá</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Drawn on the button only when its picture is missing; the picture itself says &quot;OK&quot;.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>details</source>
        <extracomment>Drawn on the tab only when its picture is missing; the picture itself says &quot;details&quot;.</extracomment>
        <translation>detalhes</translation>
    </message>
    <message>
        <source>The password you entered is incorrect. Your password hint is: &apos;%1&apos;.</source>
        <translation>A senha digitada está incorreta. A sua dica da senha é: &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The password you entered is incorrect. Please enter the password again or press nevermind to close this window.</source>
        <extracomment>&quot;nevermind&quot; is the button of this window, whose picture always says &quot;nevermind&quot;.</extracomment>
        <translation>A senha digitada está incorreta. Digite a senha de novo ou clique em “deixa pra lá” para fechar esta janela.</translation>
    </message>
</context>
<context>
    <name>frmOpen</name>
    <message>
        <source>Which picture would you like to color?</source>
        <translation>Qual desenho você quer colorir?</translation>
    </message>
    <message>
        <source>Loading(%1%)... %2.</source>
        <translation>Carregando (%1%)... %2.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <comment>pictures left out</comment>
        <translation>
            <numerusform>e mais %n desenho</numerusform>
            <numerusform>e mais %n desenhos</numerusform>
        </translation>
    </message>
    <message>
        <source>These pictures could not be read and were left out of the books. They may be damaged; you can delete them in the picture manager.</source>
        <translation>Estes desenhos não puderam ser lidos e ficaram fora dos livros. Talvez estejam danificados; você pode excluí-los na janela Gerenciar desenhos.</translation>
    </message>
    <message>
        <source>There was a problem loading the pictures. Make sure that none of them are damaged. If you do not know what the problem is, please reinstall The Tintaloo. Press OK to exit the program.</source>
        <translation>Houve um problema ao carregar os desenhos. Verifique se nenhum deles está danificado. Se você não souber qual é o problema, reinstale o Tintaloo. Clique em OK para sair do programa.</translation>
    </message>
    <message>
        <source>Oh no! something strange has happened! Call someone who can help you!</source>
        <translation>Ah, não! Aconteceu uma coisa estranha! Chame alguém que possa ajudar você!</translation>
    </message>
    <message>
        <source>An unknown error occurred when there was an attempt to start drawing a new picture. Please make sure that the disk is not write protected and that there is enough disk space.</source>
        <translation>Ocorreu um erro desconhecido ao tentar começar um desenho novo. Verifique se o disco não está protegido contra gravação e se há espaço suficiente no disco.</translation>
    </message>
    <message>
        <source>Help! A new picture could not be started! Call someone who can help you sort it out! Go!</source>
        <translation>Socorro! Não deu para começar um desenho novo! Chame alguém que possa ajudar você a resolver isso! Vai!</translation>
    </message>
    <message>
        <source>You or your child has asked for more pictures to be added to The Tintaloo. If you wish to allow this, please press OK to continue.</source>
        <translation>Você ou a criança pediu para adicionar mais desenhos ao Tintaloo. Se quiser permitir, clique em OK para continuar.</translation>
    </message>
    <message>
        <source>Would you like more pictures? Call someone who can get them for you!</source>
        <translation>Quer mais desenhos? Chame alguém que possa pegar mais para você!</translation>
    </message>
    <message>
        <source>Could not find the books path. Please reinstall The Tintaloo!</source>
        <translation>Não foi possível encontrar a pasta dos livros. Reinstale o Tintaloo!</translation>
    </message>
</context>
<context>
    <name>frmParentMessage</name>
    <message>
        <source>[Parental message]</source>
        <translation>[Mensagem para os pais]</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>frmParentalOptions</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Play sound effects</source>
        <translation>Tocar efeitos sonoros</translation>
    </message>
    <message>
        <source>Disable/enable sound effects.</source>
        <translation>Desligar/ligar os efeitos sonoros.</translation>
    </message>
    <message>
        <source>Auto-hide parental buttons</source>
        <translation>Esconder os botões dos pais</translation>
    </message>
    <message>
        <source> Ticking this box will cause The Tintaloo to hide the quit, save, print, help, settings and gallery options when they are not in use.</source>
        <translation> Marcar esta opção faz o Tintaloo esconder os botões de sair, salvar, imprimir, ajuda, configurações e galeria quando não estão em uso.</translation>
    </message>
    <message>
        <source>Use parental password</source>
        <translation>Usar senha dos pais</translation>
    </message>
    <message>
        <source>Ticking this box will prevent children from accessing features such as printing and saving.</source>
        <translation>Marcar esta opção impede que as crianças usem recursos como imprimir e salvar.</translation>
    </message>
    <message>
        <source>Allow quitting without permission</source>
        <translation>Permitir sair sem autorização</translation>
    </message>
    <message>
        <source>If you leave this option unchecked, a password will have to be entered to quit The Tintaloo.</source>
        <translation>Se você deixar esta opção desmarcada, será preciso digitar uma senha para sair do Tintaloo.</translation>
    </message>
    <message>
        <source>Bubble speed:</source>
        <translation>Velocidade das bolhas:</translation>
    </message>
    <message>
        <source>This option sets the speed of the color selection bubbles.</source>
        <translation>Esta opção define a velocidade das bolhas de cor.</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Parental password:</source>
        <translation>Senha dos pais:</translation>
    </message>
    <message>
        <source>A password is required when unlocking locked items, please enter it here if you wish to change the current password.</source>
        <translation>É preciso uma senha para liberar os itens bloqueados; digite-a aqui se quiser mudar a senha atual.</translation>
    </message>
    <message>
        <source>Password hint:</source>
        <translation>Dica da senha:</translation>
    </message>
    <message>
        <source>If you ever forget your password, you can use the hint below to remind you!</source>
        <translation>Se um dia você esquecer a senha, a dica abaixo vai ajudar a lembrar!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancel any changes and close the window.</source>
        <translation>Descartar as mudanças e fechar a janela.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Apply any changes and close the window.</source>
        <translation>Aplicar as mudanças e fechar a janela.</translation>
    </message>
    <message>
        <source>Manage colored pages</source>
        <translation>Gerenciar páginas coloridas</translation>
    </message>
    <message>
        <source>Click here to view, open and delete pictures which have already been colored. To reset a picture to its Black and White state, simply delete the colored picture.</source>
        <translation>Clique aqui para ver, abrir e excluir desenhos que já foram coloridos. Para voltar um desenho ao preto e branco, basta excluir o desenho colorido.</translation>
    </message>
    <message>
        <source>Add/remove</source>
        <extracomment>A link, read together with the words beside it: &quot;Add/remove&quot; &quot;coloring pages and books&quot;.</extracomment>
        <translation>Adicionar/remover</translation>
    </message>
    <message>
        <source>Click here to view, add and remove coloring pages and books.</source>
        <translation>Clique aqui para ver, adicionar e remover desenhos e livros.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Procurar atualizações</translation>
    </message>
    <message>
        <source>Check for updates by going to The Tintaloo website.</source>
        <translation>Procurar atualizações no site do Tintaloo.</translation>
    </message>
    <message>
        <source>coloring pages and books</source>
        <extracomment>The words beside the link &quot;Add/remove&quot;, which they complete.</extracomment>
        <translation>desenhos e livros</translation>
    </message>
    <message>
        <source>There was an error when trying to open the settings file. This may be because you are running The Tintaloo for the first time.</source>
        <translation>Houve um erro ao tentar abrir o arquivo de configurações. Talvez seja porque você está usando o Tintaloo pela primeira vez.</translation>
    </message>
    <message>
        <source>You can attempt to create a new settings file by completing the next window and clicking OK. If that does not work, reinstalling the application may fix the problem.</source>
        <translation>Você pode tentar criar um arquivo de configurações novo preenchendo a próxima janela e clicando em Continuar. Se isso não funcionar, reinstalar o programa pode resolver o problema.</translation>
    </message>
    <message>
        <source>You have chosen to auto-hide the parental buttons (small buttons on the top-left corner of the screen). If you need to access them, you should place the mouse pointer over that area for one second.</source>
        <translation>Você escolheu esconder os botões dos pais (os botõezinhos no canto superior esquerdo da tela). Quando precisar deles, deixe o ponteiro do mouse parado sobre esse canto por um segundo.</translation>
    </message>
    <message>
        <source>You must enter a password in order to continue.</source>
        <translation>Você precisa digitar uma senha para continuar.</translation>
    </message>
    <message>
        <source>You must enter a password hint incase you forget your password.</source>
        <translation>Você precisa digitar uma dica da senha, caso esqueça a senha.</translation>
    </message>
    <message>
        <source>The password and the password hint can only contain letters, digits and signs of Western European languages. Please change them and try again.</source>
        <translation>A senha e a dica da senha só podem ter letras, números e sinais das línguas da Europa Ocidental. Mude-as e tente de novo.</translation>
    </message>
    <message>
        <source>There was an error while trying to save the settings.</source>
        <translation>Houve um erro ao tentar salvar as configurações.</translation>
    </message>
    <message>
        <source>Make sure the disk is not write protected and there is enough space.</source>
        <translation>Verifique se o disco não está protegido contra gravação e se há espaço suficiente.</translation>
    </message>
    <message>
        <source>There are currently no colored pictures to browse. You can only access this window after at least one picture has been colored.</source>
        <translation>Ainda não há desenhos coloridos para ver. Esta janela só fica disponível depois que pelo menos um desenho tiver sido colorido.</translation>
    </message>
    <message>
        <source>Could not find the books path. Please reinstall The Tintaloo!</source>
        <translation>Não foi possível encontrar a pasta dos livros. Reinstale o Tintaloo!</translation>
    </message>
    <message>
        <source>Your current version of The Tintaloo is %1.%2</source>
        <extracomment>%1.%2 is the version number, &quot;6.0&quot;.</extracomment>
        <translation>A sua versão atual do Tintaloo é %1.%2</translation>
    </message>
    <message>
        <source>Would you like to be taken to The Tintaloo website to see if a newer version is available?</source>
        <translation>Quer ir ao site do Tintaloo para ver se há uma versão mais nova?</translation>
    </message>
    <message>
        <source>Could not load The Tintaloo webpage. Please make sure that your internet browser is working!</source>
        <translation>Não foi possível abrir a página do Tintaloo. Verifique se o seu navegador está funcionando!</translation>
    </message>
</context>
<context>
    <name>frmPicturePack</name>
    <message>
        <source>This window allows you to create Picture Packs for The Tintaloo. Picture Packs are special files that contain several pictures within them.  The advantage of a Picture Pack is that distributing pictures will be easier (only one file needs to be distributed) and it will ease the process of installing new pictures (only one file needs to be installed.)</source>
        <translation>Esta janela permite criar Pacotes de Desenhos para o Tintaloo. Pacotes de Desenhos são arquivos especiais que contêm vários desenhos. A vantagem de um Pacote de Desenhos é que fica mais fácil distribuir desenhos (só é preciso distribuir um arquivo) e instalar desenhos novos (só é preciso instalar um arquivo).</translation>
    </message>
    <message>
        <source>Select files to put into the Picture Pack</source>
        <translation>Escolher arquivos para o Pacote de Desenhos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Pictures (*.bmp,*.gif,*.jpg)</source>
        <translation>Desenhos (*.bmp,*.gif,*.jpg)</translation>
    </message>
    <message>
        <source>The folder name &apos;%1&apos; cannot be the name of a book. Please put the pictures in a folder named after the book (at most 100 characters, none of \ / : * ? &quot; &lt; &gt; |) and try again.</source>
        <translation>O nome de pasta &apos;%1&apos; não pode ser o nome de um livro. Coloque os desenhos numa pasta com o nome do livro (no máximo 100 caracteres, nenhum destes: \ / : * ? &quot; &lt; &gt; |) e tente de novo.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be put into a Picture Pack. Only pictures ending in .bmp, .gif or .jpg, without &quot;|&quot; in their names, can be.</source>
        <translation>O arquivo &apos;%1&apos; não pode ser colocado num Pacote de Desenhos. Só podem entrar desenhos terminados em .bmp, .gif ou .jpg, sem &quot;|&quot; no nome.</translation>
    </message>
    <message>
        <source>The picture &apos;%1&apos; could not be read, so the Picture Pack was not created. Please make sure that the picture exists and that you may read it.</source>
        <translation>Não foi possível ler o desenho &apos;%1&apos;, então o Pacote de Desenhos não foi criado. Verifique se o desenho existe e se você tem permissão para lê-lo.</translation>
    </message>
    <message>
        <source>Tintaloo Picture Pack</source>
        <translation>Pacote de Desenhos do Tintaloo</translation>
    </message>
    <message>
        <source>Select where you would like to save the Picture Pack.</source>
        <translation>Escolha onde você quer salvar o Pacote de Desenhos.</translation>
    </message>
    <message>
        <source>The Picture Pack has been successfully created!</source>
        <translation>O Pacote de Desenhos foi criado com sucesso!</translation>
    </message>
    <message>
        <source>There was an error saving the Picture Pack. Please make sure that the folder you selected is not write protected and that there is enough space.</source>
        <translation>Houve um erro ao salvar o Pacote de Desenhos. Verifique se a pasta escolhida não está protegida contra gravação e se há espaço suficiente.</translation>
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
        <translation>Aguarde enquanto o Tintaloo carrega.</translation>
    </message>
    <message>
        <source>The Tintaloo is brought to you by the Tintaloo project. Please respect the license agreement.</source>
        <translation>O Tintaloo é oferecido a você pelo projeto Tintaloo. Respeite o contrato de licença.</translation>
    </message>
    <message>
        <source>Open The Tintaloo help file to view the license agreement in more detail.</source>
        <translation>Abra a ajuda do Tintaloo para ver o contrato de licença em mais detalhes.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Visit website</source>
        <translation>Visitar o site</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Unable to start the help file &apos;%1/help/index.htm&apos; Please make sure that it exists.</source>
        <translation>Não foi possível abrir o arquivo de ajuda &apos;%1/help/index.htm&apos;. Verifique se ele existe.</translation>
    </message>
    <message>
        <source>Could not load The Tintaloo webpage. Please make sure that your internet browser is working!</source>
        <translation>Não foi possível abrir a página do Tintaloo. Verifique se o seu navegador está funcionando!</translation>
    </message>
</context>
<context>
    <name>mMain</name>
    <message>
        <source>Unable to start the help file &apos;%1/help/index.htm&apos;. Please make sure that it exists.</source>
        <translation>Não foi possível abrir o arquivo de ajuda &apos;%1/help/index.htm&apos;. Verifique se ele existe.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the default books were not found (looked in share/tintaloo beside the program and in the system data folders)</source>
        <translation>os livros padrão não foram encontrados (procurados em share/tintaloo ao lado do programa e nas pastas de dados do sistema)</translation>
    </message>
    <message>
        <source>some default books or help topics could not be copied into &apos;%1&apos;</source>
        <translation>alguns livros padrão ou tópicos de ajuda não puderam ser copiados para &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Tintaloo is already running with the data folder &apos;%1&apos;, but did not answer.</source>
        <translation>O Tintaloo já está aberto com a pasta de dados &apos;%1&apos;, mas não respondeu.</translation>
    </message>
</context>
</TS>
