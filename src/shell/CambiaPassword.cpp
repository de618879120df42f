#include "shell/CambiaPassword.h"

#include "archive/FieldChrome.h"
#include "shell/Messages.h"
#include "shell/Password.h"
#include "shell/PasswordStore.h"
#include "shell/Picture.h"
#include "shell/WindowSet.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

using namespace brisvola;

TfrmCambiaPassword::TfrmCambiaPassword(QWidget *parent) : QWidget(parent)
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral(" Cambia password"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/brisvola.svg")));
    setFixedSize(411, 418);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xF3, 0xF6, 0xFA));
    setPalette(pal);
    setStyleSheet(shellStyleSheet());

    auto *imgCambia = new Picture(QStringLiteral(":/shell/cambia_password.svg"), this);
    imgCambia->setObjectName(QStringLiteral("imgCambiaPassword"));
    imgCambia->setGeometry(0, 0, 411, 110);

    txtPasswordOld = addPasswordEdit(QStringLiteral("Vecchia password:"),
                                     QStringLiteral("PasswordOld"), 122, &effPasswordOld);
    txtPasswordNew = addPasswordEdit(QStringLiteral("Nuova password:"),
                                     QStringLiteral("PasswordNew"), 196, &effPasswordNew);
    txtConferma = addPasswordEdit(QStringLiteral("Conferma nuova password:"),
                                  QStringLiteral("Conferma"), 270, &effConferma);
    txtConferma->setObjectName(QStringLiteral("txtConferma"));
    setEnterChain({txtPasswordOld, txtPasswordNew, txtConferma});

    cmdEsci = new QPushButton(QStringLiteral("Chiudi"), this);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    cmdEsci->setGeometry(40, 360, 130, 38);
    cmdEsci->setAutoDefault(false);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(241, 360, 130, 38);
    cmdOK->setAutoDefault(false);

    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    connect(cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);
    updateOK();
}

QLineEdit *TfrmCambiaPassword::addPasswordEdit(const QString &caption, const QString &name, int y,
                                               QWidget **eff)
{
    auto *label = new QLabel(caption, this);
    label->setObjectName(QStringLiteral("lbl") + name);
    QFont lf = label->font();
    lf.setPointSize(10);
    lf.setBold(true);
    label->setFont(lf);
    label->setStyleSheet(QStringLiteral("color: #1B3A5C;"));
    label->setGeometry(40, y, 331, 22);

    auto *edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("txt") + name);
    edit->setEchoMode(QLineEdit::Password);
    edit->setFont(QFont(QStringLiteral("Verdana"), 14, QFont::Bold));
    edit->setGeometry(40, y + 26, 331, 36);
    // The yellow rectangle that marks the focused edit sits just around it.
    *eff = addFocusHighlight(edit, QStringLiteral("eff") + name);
    connect(edit, &QLineEdit::textChanged, this, &TfrmCambiaPassword::updateOK);
    return edit;
}

void TfrmCambiaPassword::showEvent(QShowEvent *event)
{
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
    txtPasswordOld->clear();
    txtPasswordNew->clear();
    txtConferma->clear();
    lblMemory->clear();
    QWidget::showEvent(event);
    txtPasswordOld->setFocus();
    // The highlight follows the focus; it starts on the first edit even before the window is
    // active.
    effPasswordOld->show();
    effPasswordNew->hide();
    effConferma->hide();
}

void TfrmCambiaPassword::closeEvent(QCloseEvent *event)
{
    lblMemory->clear();
    if (auto *login = brisvola::window<TfrmPassword>(QStringLiteral("TfrmPassword")))
        login->showForLogin();
    event->accept();
}

void TfrmCambiaPassword::updateOK()
{
    cmdOK->setEnabled(!password::trimmed(txtPasswordOld->text()).isEmpty() &&
                      !password::trimmed(txtPasswordNew->text()).isEmpty() &&
                      !password::trimmed(txtConferma->text()).isEmpty());
}

void TfrmCambiaPassword::cmdOKClick()
{
    using password::ChangeResult;
    const ChangeResult result = password::changePassword(
        txtPasswordOld->text(), txtPasswordNew->text(), txtConferma->text());
    plainMessage(this, password::messageFor(result));
    switch (result) {
    case ChangeResult::Changed:
        close();
        break;
    case ChangeResult::WrongOld:
        txtPasswordOld->clear();
        txtPasswordOld->setFocus();
        break;
    case ChangeResult::NotConfirmed:
    case ChangeResult::Unsupported:
        txtPasswordNew->clear();
        txtConferma->clear();
        txtPasswordNew->setFocus();
        break;
    case ChangeResult::Failed:
        break;
    }
}
