// SPDX-License-Identifier: GPL-3.0-or-later
#include "parental/frmParentalOptions.h"

#include "ui/LinkLabel.h"
#include "platform/Settings.h"
#include "platform/SettingsFile.h"
#include "parental/frmFirstTime.h"
#include "library/frmColoredPictures.h"
#include "library/frmManagePictures.h"
#include "ui/mMain.h"
#include "ui/ParentPrompt.h"
#include "platform/AppError.h"
#include "ui/AppFonts.h"
#include "ui/ProductInfo.h"
#include "platform/Log.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>

namespace {

const QString CRLF = QStringLiteral("\r\n");

// Rows of the window design, from twips; a margin keeps the first row off
// the raised edge.
constexpr int Margin = 12;
constexpr int row(int twipsTop) { return Margin + BorderedDialog::twips(twipsTop); }
constexpr int Indent = 36; // options that only apply with a password
constexpr int WindowWidth = 350;
constexpr int TextBoxWidth = WindowWidth - Indent - 2 * Margin;
constexpr int TextBoxHeight = BorderedDialog::twips(315);
constexpr int LabelPointSize = 11;

const QColor EnabledBox(0xFF, 0xFF, 0xFF);
const QColor DisabledBox(0xC0, 0xC0, 0xC0);
const QColor LinkColour(0x1F, 0x4F, 0xB0);

} // namespace

frmParentalOptions::frmParentalOptions(const ProgramFolder& folder, QWidget* parent)
    : BorderedDialog(parent)
    , m_folder(folder)
{
    setWindowTitle(tr("Options"));
    buildControls();
    layOut();
    applyPasswordRule();
    OKclicked = false;
    loadSettings();
}

// ---- controls ----------------------------------------------------------------

void frmParentalOptions::buildControls()
{
    const QFont font = AppFonts::playful(LabelPointSize);
    auto checkBox = [this, &font](const char* name, const QString& caption, const QString& tip) {
        auto* box = new QCheckBox(caption, this);
        box->setObjectName(QLatin1String(name));
        box->setFont(font);
        box->setToolTip(tip);
        return box;
    };

    Check1 = checkBox("Check1", tr("Play sound effects"),
                      tr("Disable/enable sound effects."));
    Check2 = checkBox("Check2", tr("Auto-hide parental buttons"),
                      tr(" Ticking this box will cause The Tintaloo to hide the quit, save, print, "
                                     "help, settings and gallery options when they are not in use."));
    Check3 = checkBox("Check3", tr("Use parental password"),
                      tr("Ticking this box will prevent children from accessing features such as "
                                     "printing and saving."));
    O2 = checkBox("O2", tr("Allow quitting without permission"),
                  tr("If you leave this option unchecked, a password will have to be entered to "
                                 "quit The Tintaloo."));
    connect(Check3, &QCheckBox::toggled, this, &frmParentalOptions::applyPasswordRule);

    QLabel* speedLabel = addLabel(tr("Bubble speed:"), row(1200));
    speedLabel->setObjectName(QStringLiteral("lBubbleSpeed"));
    speedLabel->setToolTip(tr("This option sets the speed of the color selection bubbles."));
    m_speeds = new QButtonGroup(this);
    const QString captions[3] = {tr("Fast"), tr("Medium"), tr("Slow")};
    for (int i = 0; i < 3; ++i) {
        Option1[i] = new QRadioButton(captions[i], this);
        Option1[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        Option1[i]->setFont(font);
        m_speeds->addButton(Option1[i], i);
    }
    // A new installation starts at the middle speed, so that confirming the
    // first-run window without touching the speed writes a readable file.
    Option1[1]->setChecked(true);
    Check1->setChecked(true);

    addLabel(tr("Parental password:"), row(3240), Margin + Indent);
    Text1 = addTextBox(QStringLiteral("Text1"), row(3615));
    Text1->setEchoMode(QLineEdit::Password);
    Text1->setToolTip(tr("A password is required when unlocking locked items, please enter it here "
                                     "if you wish to change the current password."));
    addLabel(tr("Password hint:"), row(4080), Margin + Indent);
    Text2 = addTextBox(QStringLiteral("Text2"), row(4455));
    Text2->setToolTip(tr("If you ever forget your password, you can use the hint below to remind you!"));

    addLink(0, tr("Cancel"), tr("Cancel any changes and close the window."), 0, row(6600));
    addLink(1, tr("Continue"), tr("Apply any changes and close the window."), 0, row(6600));
    addLink(2, tr("Manage colored pages"),
            tr("Click here to view, open and delete pictures which have already been colored. To "
                           "reset a picture to its Black and White state, simply delete the colored picture."),
            Margin, row(5280));
    //: A link, read together with the words beside it: "Add/remove" "coloring pages and books".
    addLink(3, tr("Add/remove"),
            tr("Click here to view, add and remove coloring pages and books."), Margin, row(5640));
    addLink(4, tr("Check for updates"),
            tr("Check for updates by going to The Tintaloo website."), Margin, row(6240));
    //: The words beside the link "Add/remove", which they complete.
    QLabel* label6 = addLabel(tr("coloring pages and books"), row(5640),
                              cFunc[3]->geometry().right() + 5);
    label6->setObjectName(QStringLiteral("Label6"));

    connect(cFunc[0], &LinkLabel::clicked, this, &frmParentalOptions::onCancelClicked);
    connect(cFunc[1], &LinkLabel::clicked, this, &frmParentalOptions::onContinueClicked);
    connect(cFunc[2], &LinkLabel::clicked, this, &frmParentalOptions::onManageColouredPagesClicked);
    connect(cFunc[3], &LinkLabel::clicked, this, &frmParentalOptions::onAddRemoveClicked);
    connect(cFunc[4], &LinkLabel::clicked, this, &frmParentalOptions::onCheckForUpdatesClicked);
}

QLabel* frmParentalOptions::addLabel(const QString& text, int top, int left)
{
    auto* label = new QLabel(text, this);
    label->setFont(AppFonts::playful(LabelPointSize));
    label->adjustSize();
    label->move(left, top);
    return label;
}

QLineEdit* frmParentalOptions::addTextBox(const QString& name, int top)
{
    // The light rectangle around the box, one pixel outside it.
    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setLineWidth(1);
    QPalette framePalette = frame->palette();
    framePalette.setColor(QPalette::WindowText, QColor(0xC8, 0xC8, 0xC8));
    frame->setPalette(framePalette);
    frame->setGeometry(Margin + Indent - 1, top - 1, TextBoxWidth + 2, TextBoxHeight + 2);

    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setFrame(false);
    box->setGeometry(Margin + Indent, top, TextBoxWidth, TextBoxHeight);
    return box;
}

LinkLabel* frmParentalOptions::addLink(int index, const QString& caption, const QString& tip, int left, int top)
{
    auto* link = new LinkLabel(caption, this);
    link->setObjectName(QStringLiteral("cFunc%1").arg(index));
    QFont font = AppFonts::playful(LabelPointSize, index <= 1);
    font.setUnderline(index >= 2);
    link->setFont(font);
    QPalette pal = link->palette();
    pal.setColor(QPalette::WindowText, LinkColour);
    link->setPalette(pal);
    link->setToolTip(tip);
    link->adjustSize();
    link->move(left, top);
    cFunc[index] = link;
    return link;
}

void frmParentalOptions::layOut()
{
    const auto place = [](QWidget* w, int left, int top) {
        w->adjustSize();
        w->move(left, top);
    };
    place(Check1, Margin, row(0));
    place(Check2, Margin, row(480));
    // The speeds at the design's places, or further right when a longer
    // word needs the room.
    const int speedLefts[3] = {Margin + Indent, Margin + Indent + 80, Margin + Indent + 180};
    for (int i = 0; i < 3; ++i)
        place(Option1[i], i == 0 ? speedLefts[0] : std::max(speedLefts[i], Option1[i - 1]->geometry().right() + 12),
              row(1560));
    place(Check3, Margin, row(2280));
    place(O2, Margin + Indent, row(2760));
    // The design's width, or wider for a longer caption, within the screen.
    int width = WindowWidth;
    for (QWidget* w : findChildren<QWidget*>())
        if (w->parentWidget() == this && w != cFunc[0] && w != cFunc[1])
            width = std::max(width, w->geometry().right() + 1 + Margin);
    width = std::min(width, 1000);
    // Cancel and Continue side by side in the bottom right corner.
    cFunc[1]->move(width - Margin - cFunc[1]->width(), row(6600));
    cFunc[0]->move(cFunc[1]->x() - 24 - cFunc[0]->width(), row(6600));
    setFixedSize(width, cFunc[1]->geometry().bottom() + 1 + Margin);
}

// ---- loading -----------------------------------------------------------------

void frmParentalOptions::loadSettings()
{
    if (readSettingsInto()) {
        m_unreadableSettings = false;
        return;
    }
    if (!QFileInfo::exists(SettingsFile::pathIn(m_folder))) {
        m_unreadableSettings = false;
        m_pendingNotice = LoadNotice::FirstRun;
        // Without a password one click on Continue would let a child quit;
        // the parent may still untick it.
        Check3->setChecked(true);
    } else {
        m_unreadableSettings = true;
        m_pendingNotice = LoadNotice::Unreadable;
    }
}

bool frmParentalOptions::readSettingsInto()
{
    // The lines read before a failure are shown; the others keep what the
    // controls show.
    Settings values = shownSettings();
    const bool read = SettingsFile::read(SettingsFile::pathIn(m_folder), values);
    showSettings(values);
    if (read)
        m_autoHideAtLoad = Check2->isChecked();
    return read;
}

void frmParentalOptions::showSettings(const Settings& values)
{
    Check1->setChecked(values.Play_Sound);
    O2->setChecked(!values.Quit_Needs_Permission);
    Check2->setChecked(values.Auto_hide);
    Check3->setChecked(values.Use_Parental_password);
    selectBubbleSpeed(int(values.Bubble_speed));
    Text1->setText(values.Parental_Password);
    Text2->setText(values.Parental_Password_Hint);
}

Settings frmParentalOptions::shownSettings() const
{
    Settings values;
    values.Play_Sound = Check1->isChecked();
    values.Quit_Needs_Permission = !O2->isChecked();
    values.Auto_hide = Check2->isChecked();
    values.Use_Parental_password = Check3->isChecked();
    values.Bubble_speed = float(selectedBubbleSpeed());
    values.Parental_Password = Text1->text();
    values.Parental_Password_Hint = Text2->text();
    return values;
}

void frmParentalOptions::selectBubbleSpeed(int speed)
{
    const int index = speed == 2 ? 0 : speed == 4 ? 1 : speed == 10 ? 2 : -1;
    if (index >= 0) {
        Option1[index]->setChecked(true);
        return;
    }
    // No speed matches: none is shown, and none is written back.
    m_speeds->setExclusive(false);
    for (QRadioButton* option : Option1)
        option->setChecked(false);
    m_speeds->setExclusive(true);
}

int frmParentalOptions::selectedBubbleSpeed() const
{
    int speed = 0;
    if (Option1[0]->isChecked())
        speed = 2;
    if (Option1[1]->isChecked())
        speed = 4;
    if (Option1[2]->isChecked())
        speed = 10;
    return speed;
}

void frmParentalOptions::applyPasswordRule()
{
    // Quitting without permission only means something while a password guards it.
    const bool on = Check3->isChecked();
    O2->setEnabled(on);
    for (QLineEdit* box : {Text1, Text2}) {
        box->setEnabled(on);
        QPalette pal = box->palette();
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            pal.setColor(group, QPalette::Base, on ? EnabledBox : DisabledBox);
        box->setPalette(pal);
    }
}

int frmParentalOptions::exec()
{
    showLoadNotice();
    return BorderedDialog::exec();
}

void frmParentalOptions::showEvent(QShowEvent* event)
{
    BorderedDialog::showEvent(event);
    if (m_pendingNotice != LoadNotice::None)
        QTimer::singleShot(0, this, &frmParentalOptions::showLoadNotice);
}

void frmParentalOptions::showLoadNotice()
{
    const LoadNotice notice = m_pendingNotice;
    m_pendingNotice = LoadNotice::None;
    if (notice == LoadNotice::FirstRun) {
        frmFirstTime welcome(isVisible() ? this : parentWidget());
        welcome.setForm_style(1);
        welcome.exec();
    } else if (notice == LoadNotice::Unreadable) {
        notify(tr("There was an error when trying to open the settings file. This may be because "
                              "you are running The Tintaloo for the first time.")
               + CRLF + CRLF
               + tr("You can attempt to create a new settings file by completing the next window "
                                "and clicking OK. If that does not work, reinstalling the application may fix "
                                "the problem."));
    }
}

// ---- commands ----------------------------------------------------------------

void frmParentalOptions::reject()
{
    onCancelClicked();
}

void frmParentalOptions::onCancelClicked()
{
    // Without readable settings the program cannot go on; the caller ends it.
    if (m_unreadableSettings)
        ProgramMustEnd = true;
    BorderedDialog::reject();
}

void frmParentalOptions::onContinueClicked()
{
    if (!validate() || !saveSettings())
        return;
    if (!m_autoHideAtLoad && Check2->isChecked())
        notify(tr("You have chosen to auto-hide the parental buttons (small buttons on the top-left "
                              "corner of the screen). If you need to access them, you should place the mouse "
                              "pointer over that area for one second."));
    OKclicked = true;
    accept();
}

bool frmParentalOptions::validate()
{
    if (Check3->isChecked() && Text1->text().isEmpty()) {
        notify(tr("You must enter a password in order to continue."));
        Text1->setFocus();
        return false;
    }
    if (Check3->isChecked() && Text2->text().isEmpty()) {
        notify(tr("You must enter a password hint incase you forget your password."));
        Text2->setFocus();
        return false;
    }
    // The file is single-byte text: refuse what it would garble rather than
    // store a password nobody can type back.
    for (QLineEdit* box : {Text1, Text2}) {
        if (!SettingsFile::isStorable(box->text())) {
            notify(tr("The password and the password hint can only contain letters, digits and "
                                  "signs of Western European languages. Please change them and try again."));
            box->setFocus();
            return false;
        }
    }
    return true;
}

bool frmParentalOptions::saveSettings()
{
    try {
        SettingsFile::write(SettingsFile::pathIn(m_folder), shownSettings());
        return true;
    } catch (const std::exception& e) {
        qCWarning(Log::files) << "The settings could not be written:" << e.what();
        notify(tr("There was an error while trying to save the settings.") + CRLF + CRLF
               + tr("Make sure the disk is not write protected and there is enough space."));
        return false;
    }
}

void frmParentalOptions::onManageColouredPagesClicked()
{
    if (!QFileInfo(m_folder.path(QStringLiteral("/colored pictures"))).isDir()) {
        notify(tr("There are currently no colored pictures to browse. You can only access this "
                              "window after at least one picture has been colored."));
        return;
    }
    openColouredPicturesBrowser();
    if (onLibraryChanged)
        onLibraryChanged();
}

void frmParentalOptions::onAddRemoveClicked()
{
    if (!QFileInfo(m_folder.path(QStringLiteral("/books"))).isDir()) {
        notify(tr("Could not find the books path. Please reinstall The Tintaloo!"));
        return;
    }
    openPictureManager();
    if (onLibraryChanged)
        onLibraryChanged();
}

void frmParentalOptions::openColouredPicturesBrowser()
{
    frmColoredPictures browser(m_folder, this);
    browser.exec();
}

void frmParentalOptions::openPictureManager()
{
    frmManagePictures manager(m_folder, this);
    manager.setCurrentPicture(m_currentPicture);
    manager.exec();
}

void frmParentalOptions::onCheckForUpdatesClicked()
{
    //: %1.%2 is the version number, "6.0".
    const QString question = tr("Your current version of The Tintaloo is %1.%2")
                                 .arg(QString::number(TINTALOO_VERSION_MAJOR), QString::number(TINTALOO_VERSION_MINOR))
                             + CRLF + CRLF
                             + tr("Would you like to be taken to The Tintaloo website to see if a newer "
                                  "version is available?");
    if (!ParentPrompt::tell(this, question, PromptOption::ShowCancel))
        return;
    if (!mMain::OpenWebPage(ProductInfo::downloadsPage()))
        notify(tr("Could not load The Tintaloo webpage. Please make sure that your internet "
                              "browser is working!"));
}

void frmParentalOptions::notify(const QString& text)
{
    ParentPrompt::tell(isVisible() ? this : parentWidget(), text);
}
