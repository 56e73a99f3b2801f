// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmMessage.h"

#include "platform/Settings.h"
#include "ui/AppFonts.h"
#include "ui/Resources.h"
#include "ui/SoundBoard.h"
#include "ui/pButton.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QCoreApplication>

namespace {

// A plain drawn button face, used only when the button bitmaps are missing
// from the build, so that the prompt can still be answered.
QImage placeholderFace(const QString& caption, const QColor& fill)
{
    QImage image(80, 32, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(fill.darker(150));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(0.5, 0.5, 79, 31), 10, 10);
    painter.setFont(AppFonts::playful(11, true));
    painter.setPen(Qt::white);
    painter.drawText(image.rect(), Qt::AlignCenter, caption);
    return image;
}

QImage bitmapOr(int number, const QString& caption, const QColor& fill)
{
    const QImage image = Resources::bitmap(number);
    return image.isNull() ? placeholderFace(caption, fill) : image;
}

// The child's text is large and friendly, the parent's text plain.
constexpr int MessagePoints = 18;
constexpr int DetailsPoints = 11;

// The playful font at the largest size up to maxPoints in which the text
// fits the width on one line.
QFont fittingFont(const QString& text, int width, int maxPoints)
{
    QFont font = AppFonts::playful(maxPoints);
    for (int points = maxPoints; points > 6; --points) {
        font.setPointSize(points);
        if (QFontMetrics(font).horizontalAdvance(text) <= width)
            break;
    }
    return font;
}

// The playful font at the largest size up to maxPoints in which the text,
// word-wrapped, fits the box: long messages shrink instead of being cut off.
QFont wrappedFittingFont(const QString& text, const QSize& box, int maxPoints, bool bold)
{
    QFont font = AppFonts::playful(maxPoints, bold);
    for (int points = maxPoints; points > 6; --points) {
        font.setPointSize(points);
        const QRect needed = QFontMetrics(font).boundingRect(QRect(QPoint(0, 0), box),
                                                             Qt::TextWordWrap | Qt::AlignCenter, text);
        if (needed.height() <= box.height() && needed.width() <= box.width())
            break;
    }
    return font;
}

QLabel* makeLabel(QWidget* parent, const QRect& geometry, const QFont& font)
{
    auto* label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

frmMessage::frmMessage(const Settings& settings, SoundBoard& sounds, QWidget* parent)
    : BorderedDialog(parent)
    , m_settings(settings)
    , m_sounds(sounds)
{
    buildControls();
    setFixedSize(WindowWidth, CollapsedHeight);
    setCentredAtEveryShow(true);
}

void frmMessage::buildControls()
{
    // Places from the window design (twips / 15).
    Label1 = makeLabel(this, QRect(8, 8, 336, 103), AppFonts::playful(MessagePoints, true));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setText(tr("[Message for the kids]"));
    QPalette kids = Label1->palette();
    kids.setColor(QPalette::WindowText, QColor(0x2B, 0x3A, 0x8C));
    Label1->setPalette(kids);

    Label2 = makeLabel(this, QRect(8, 168, 336, 71), AppFonts::playful(DetailsPoints));
    Label2->setText(tr("[Message for the parents]"));

    ll = makeLabel(this, QRect(8, 250, 176, 21), QFont());
    ll->setWordWrap(false);
    ll->setText(tr("Please enter your password here:"));
    ll->setFont(fittingFont(ll->text(), ll->width() - 2, 10));

    Shape1 = new QFrame(this);
    Shape1->setGeometry(183, 247, 163, 23);
    Shape1->setStyleSheet(QStringLiteral("QFrame { border: 1px solid #C8C8C8; background: white; }"));

    Text1 = new QLineEdit(this);
    Text1->setGeometry(184, 248, 161, 21);
    Text1->setFrame(false);
    Text1->setEchoMode(QLineEdit::Password);
    Text1->setFont(AppFonts::playful(9));
    connect(Text1, &QLineEdit::returnPressed, this, &frmMessage::cOut1_Click);

    const QCursor hand = Resources::handCursor();
    cOut2 = new pButton(this);
    cOut2->move(96, 120);
    //: Drawn on the button only when its picture is missing; the picture itself says "nevermind".
    const QString nevermind = tr("nevermind");
    cOut2->SetPicture(bitmapOr(BitmapId::NevermindUp, nevermind, QColor(0xE0, 0x60, 0x60)),
                      bitmapOr(BitmapId::NevermindDown, nevermind, QColor(0xB0, 0x40, 0x40)));
    cOut2->setMouseIcon(hand);
    connect(cOut2, &pButton::click, this, &frmMessage::cOut2_Click);

    cOut1 = new pButton(this);
    cOut1->move(296, 120);
    //: Drawn on the button only when its picture is missing; the picture itself says "OK".
    const QString ok = tr("OK");
    cOut1->SetPicture(bitmapOr(BitmapId::OkUp, ok, QColor(0x40, 0xA0, 0x50)),
                      bitmapOr(BitmapId::OkDown, ok, QColor(0x30, 0x78, 0x3C)));
    cOut1->setMouseIcon(hand);
    connect(cOut1, &pButton::click, this, &frmMessage::cOut1_Click);

    Check1 = new pButton(this);
    Check1->move(8, 128);
    //: Drawn on the tab only when its picture is missing; the picture itself says "details".
    const QString details = tr("details");
    Check1->SetPicture(bitmapOr(BitmapId::DetailsUp, details, QColor(0x70, 0x90, 0xD0)),
                       bitmapOr(BitmapId::DetailsDown, details, QColor(0x50, 0x70, 0xB0)),
                       bitmapOr(BitmapId::DetailsPressed, details, QColor(0x40, 0x58, 0x98)));
    Check1->setMouseIcon(hand);
    connect(Check1, &pButton::click, this, &frmMessage::Check1_Click);

    // The design's names, by which tests and tools find the controls.
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    ll->setObjectName(QStringLiteral("ll"));
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Text1->setObjectName(QStringLiteral("Text1"));
    cOut1->setObjectName(QStringLiteral("cOut1"));
    cOut2->setObjectName(QStringLiteral("cOut2"));
    Check1->setObjectName(QStringLiteral("Check1"));
}

// Each use starts from the same state, whatever an earlier use left: the
// first property set (or the showing) after a close loads the window anew.
void frmMessage::ensureLoaded()
{
    if (m_loaded)
        return;
    m_loaded = true;
    setWindowHeight(CollapsedHeight);
    Check1->hide();
    Check1->setPressed(false);
    Text1->clear();
    ButtonPressed = QStringLiteral("Cancel");
    if (m_settings.Play_Sound)
        m_sounds.playVariant(QStringLiteral("MESSAGE"), 3);
}

void frmMessage::setMessage(const QString& text)
{
    ensureLoaded();
    Label1->setFont(wrappedFittingFont(text, Label1->size(), MessagePoints, true));
    Label1->setText(text);
}

void frmMessage::setExtendedInformation(const QString& text)
{
    ensureLoaded();
    Label2->setFont(wrappedFittingFont(text, Label2->size(), DetailsPoints, false));
    Label2->setText(text);
    Check1->setVisible(!text.isEmpty());
}

void frmMessage::setShowCancel(bool show)
{
    ensureLoaded();
    cOut2->setVisible(show);
}

void frmMessage::setPasswordVisible(bool on)
{
    ensureLoaded();
    m_passwordVisible = on;
}

// The rows below the buttons are revealed by growing the window; controls
// that the window does not reach are hidden so that they take no focus.
void frmMessage::setWindowHeight(int height)
{
    setFixedSize(WindowWidth, height);
    Label2->setVisible(height >= DetailsHeight);
    const bool passwordRow = height >= PasswordHeight;
    ll->setVisible(passwordRow);
    Shape1->setVisible(passwordRow);
    Text1->setVisible(passwordRow);
    update();
}

void frmMessage::Check1_Click()
{
    Check1->setPressed(!Check1->Pressed());
    if (Check1->Pressed())
        setWindowHeight(m_passwordVisible ? PasswordHeight : DetailsHeight);
    else
        setWindowHeight(CollapsedHeight);
}

void frmMessage::cOut1_Click()
{
    if (!isVisible())
        return;
    if (m_passwordVisible) {
        const bool matches = Text1->text() == m_settings.Parental_Password;
        if (!matches && height() != PasswordHeight) {
            setWindowHeight(PasswordHeight);
            Text1->setFocus();
            Check1->setPressed(true);
            return;
        }
        if (!matches) {
            if (!m_settings.Parental_Password_Hint.isEmpty())
                Label2->setText(tr("The password you entered is incorrect. Your password hint is: '%1'.")
                                    .arg(m_settings.Parental_Password_Hint));
            else
                //: "nevermind" is the button of this window, whose picture always says "nevermind".
                Label2->setText(tr("The password you entered is incorrect. Please enter the "
                                   "password again or press nevermind to close this window."));
            Text1->setFocus();
            return;
        }
    }
    if (m_settings.Play_Sound)
        m_sounds.play(QStringLiteral("OK"), SoundBoard::Mode::Waiting);
    ButtonPressed = QStringLiteral("Ok");
    accept();
}

void frmMessage::cOut2_Click()
{
    if (!isVisible())
        return;
    ButtonPressed = QStringLiteral("Cancel");
    if (m_settings.Play_Sound)
        m_sounds.playVariant(QStringLiteral("CANCEL"), 4);
    reject();
}

bool frmMessage::isPlainNotice() const
{
    return !m_passwordVisible && cOut2->isHidden();
}

void frmMessage::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        if (!cOut2->isHidden())
            cOut2_Click();
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter in the password box has already answered through returnPressed.
        if (focusWidget() != Text1 && isPlainNotice())
            cOut1_Click();
        event->accept();
        return;
    default:
        BorderedDialog::keyPressEvent(event);
    }
}

void frmMessage::closeEvent(QCloseEvent* event)
{
    if (!event->spontaneous()) {
        BorderedDialog::closeEvent(event);
        return;
    }
    // The window manager's close answers like Escape.
    if (isVisible() && !cOut2->isHidden())
        cOut2_Click();
    event->setAccepted(!isVisible());
}

void frmMessage::showEvent(QShowEvent* event)
{
    ensureLoaded();
    BorderedDialog::showEvent(event);
    raise();
    activateWindow();
}

void frmMessage::setVisible(bool visible)
{
    // Its height is known once loaded, and it is centred at that height.
    if (visible && !isVisible())
        ensureLoaded();
    BorderedDialog::setVisible(visible);
}

void frmMessage::done(int result)
{
    m_loaded = false;
    BorderedDialog::done(result);
}

