#include "shell/Password.h"

#include "backup/Copie.h"
#include "shell/Messages.h"
#include "shell/PasswordStore.h"
#include "shell/Picture.h"
#include "shell/WindowSet.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

using namespace brisvola;

namespace {
bool blank(const QString &text)
{
    return password::trimmed(text).isEmpty();
}
} // namespace

TfrmPassword::TfrmPassword(QWidget *parent) : QWidget(parent)
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral(" Brisvola - Accesso al programma"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/brisvola.svg")));
    setFixedSize(388, 405);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xF3, 0xF6, 0xFA));
    setPalette(pal);
    setStyleSheet(shellStyleSheet());

    auto *imgPassword = new Picture(QStringLiteral(":/shell/password.svg"), this);
    imgPassword->setObjectName(QStringLiteral("imgPassword"));
    imgPassword->setGeometry(0, 0, 388, 170);

    auto *lblIstruzioni = new QLabel(QStringLiteral("Immetti la password e premi OK."), this);
    lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    lblIstruzioni->setAlignment(Qt::AlignCenter);
    QFont f = lblIstruzioni->font();
    f.setPointSize(11);
    lblIstruzioni->setFont(f);
    lblIstruzioni->setGeometry(20, 186, 348, 24);

    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setFont(QFont(QStringLiteral("Verdana"), 14, QFont::Bold));
    txtPassword->setAlignment(Qt::AlignCenter);
    txtPassword->setGeometry(29, 218, 330, 40);
    txtPassword->installEventFilter(this);

    btnCambiaPassword = new QPushButton(QStringLiteral("Cambia password"), this);
    btnCambiaPassword->setObjectName(QStringLiteral("btnCambiaPassword"));
    btnCambiaPassword->setGeometry(114, 272, 160, 30);
    btnCambiaPassword->setCursor(Qt::PointingHandCursor);
    btnCambiaPassword->setAutoDefault(false);

    cmdEsci = new QPushButton(QStringLiteral("Esci"), this);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    cmdEsci->setGeometry(54, 340, 120, 38);
    cmdEsci->setAutoDefault(false);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(214, 340, 120, 38);
    cmdOK->setAutoDefault(false);

    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    connect(txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::updateOK);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmPassword::cmdEsciClick);
    connect(btnCambiaPassword, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);
    updateOK();
}

void TfrmPassword::showForLogin()
{
    txtPassword->clear();
    lblMemory->clear();
    show();
    raise();
    activateWindow();
    txtPassword->setFocus();
}

void TfrmPassword::showEvent(QShowEvent *event)
{
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
    QWidget::showEvent(event);
    txtPassword->setFocus();
}

bool TfrmPassword::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtPassword && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (!blank(txtPassword->text()))
                cmdOKClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmPassword::updateOK()
{
    cmdOK->setEnabled(!blank(txtPassword->text()));
}

void TfrmPassword::cmdOKClick()
{
    const password::LoginResult result = password::checkLogin(txtPassword->text());
    if (result == password::LoginResult::Accepted) {
        txtPassword->clear();
        QWidget *launcher = brisvola::window(QStringLiteral("TfrmAvvio"));
        showInstead(launcher, this);
        backup::automaticCopy(launcher);
        return;
    }
    plainMessage(this, password::messageFor(result));
    txtPassword->clear();
    txtPassword->setFocus();
}

void TfrmPassword::cmdEsciClick()
{
    close();
    QApplication::quit();
}

void TfrmPassword::btnCambiaPasswordClick()
{
    showInstead(brisvola::window(QStringLiteral("TfrmCambiaPassword")), this);
}
