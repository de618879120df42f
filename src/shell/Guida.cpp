#include "shell/Guida.h"

#include "shell/Help.h"
#include "shell/HelpTopics.h"
#include "shell/Messages.h"
#include "shell/OpenURL.h"
#include "shell/Picture.h"
#include "shell/ProgramFolder.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

using namespace brisvola;

TfrmGuida::TfrmGuida(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmGuida"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral(" Guida all'utilizzo del software"));
    setFixedSize(676, 598);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xF3, 0xF6, 0xFA));
    setPalette(pal);
    setStyleSheet(shellStyleSheet());

    auto *imgGuida = new Picture(QStringLiteral(":/shell/guida_intestazione.svg"), this);
    imgGuida->setObjectName(QStringLiteral("imgIntestazione"));
    imgGuida->setGeometry(0, 0, 676, 84);

    lblTitolo = new QLabel(QStringLiteral("Argomento della guida."), this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    QFont tf = lblTitolo->font();
    tf.setPointSize(16);
    tf.setBold(true);
    lblTitolo->setFont(tf);
    QPalette tp = lblTitolo->palette();
    tp.setColor(QPalette::WindowText, QColor(0xDC, 0x14, 0x3C)); // crimson
    lblTitolo->setPalette(tp);
    lblTitolo->setGeometry(24, 94, 628, 34);

    txtGuida = new QPlainTextEdit(this);
    txtGuida->setObjectName(QStringLiteral("txtGuida"));
    txtGuida->setReadOnly(true);
    txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont gf = txtGuida->font();
    gf.setPointSize(12);
    txtGuida->setFont(gf);
    txtGuida->setGeometry(24, 134, 628, 360);

    imgPDF = new Picture(QStringLiteral(":/shell/pdf.svg"), this);
    imgPDF->setObjectName(QStringLiteral("imgPDF"));
    imgPDF->setClickable(true);
    imgPDF->setGeometry(24, 510, 40, 46);

    lnkWeb = new LinkLabel(QStringLiteral("Visualizza guida in formato PDF"), this);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    lnkWeb->setGeometry(74, 518, 380, 30);

    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setGeometry(532, 514, 120, 38);

    connect(lnkWeb, &LinkLabel::clicked, this, &TfrmGuida::lnkWebClick);
    connect(imgPDF, &Picture::clicked, this, &TfrmGuida::lnkWebClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmGuida::setTopic(const QString &title, const QString &text)
{
    lblTitolo->setText(title);
    txtGuida->setPlainText(displayText(text));
}

void TfrmGuida::showEvent(QShowEvent *event)
{
    setFixedSize(676, 598);
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
    btnChiudi->setFocus();
}

void TfrmGuida::lnkWebClick()
{
    TMisc::Open(QLatin1Char('"') + programFile(QStringLiteral("Guida.pdf")) + QLatin1Char('"'));
}

void brisvola::showHelp(QWidget *parent, const QString &topicTitle)
{
    const HelpTopic topic = helpTopic(topicTitle);
    TfrmGuida guida(parent);
    guida.setTopic(topic.title, topic.text());
    guida.exec();
}
