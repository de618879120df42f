#include "shell/Messages.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>

namespace brisvola {

namespace {

QMessageBox::Icon iconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Question:
        return QMessageBox::Question;
    case MessageKind::Plain:
        break;
    }
    return QMessageBox::NoIcon;
}

QString captionOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return QStringLiteral("Attenzione");
    case MessageKind::Error:
        return QStringLiteral("Errore");
    case MessageKind::Information:
        return QStringLiteral("Informazione");
    case MessageKind::Question:
        return QStringLiteral("Conferma");
    case MessageKind::Plain:
        break;
    }
    return QStringLiteral("Brisvola");
}

class MessageBoxService : public MessageService
{
public:
    MessageAnswer show(QWidget *parent, MessageKind kind, const QString &text,
                       MessageButtons buttons) override
    {
        QMessageBox box(iconOf(kind), captionOf(kind), text, QMessageBox::NoButton, parent);
        box.setObjectName(QStringLiteral("brisvolaMessage"));
        box.setTextFormat(Qt::PlainText);
        switch (buttons) {
        case MessageButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageButtons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case MessageButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        }
        if (auto *b = box.button(QMessageBox::Yes))
            b->setText(QStringLiteral("Sì"));
        if (auto *b = box.button(QMessageBox::No))
            b->setText(QStringLiteral("No"));
        if (auto *b = box.button(QMessageBox::Cancel))
            b->setText(QStringLiteral("Annulla"));
        switch (box.exec()) {
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        default:
            return MessageAnswer::Ok;
        }
    }
};

MessageService *&installed()
{
    static MessageService *service = nullptr;
    return service;
}

} // namespace

MessageService &messageService()
{
    static MessageBoxService boxes;
    return installed() ? *installed() : boxes;
}

void setMessageService(MessageService *service)
{
    installed() = service;
}

MessageButtons defaultButtons(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Question:
        return MessageButtons::YesNo;
    case MessageKind::Plain:
        return MessageButtons::Ok;
    default:
        return MessageButtons::OkCancel;
    }
}

MessageAnswer showMessage(QWidget *parent, MessageKind kind, const QString &text)
{
    return showMessage(parent, kind, text, defaultButtons(kind));
}

MessageAnswer showMessage(QWidget *parent, MessageKind kind, const QString &text,
                          MessageButtons buttons)
{
    return messageService().show(parent, kind, text, buttons);
}

QString displayText(const QString &text)
{
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

} // namespace brisvola
