#include "checks/CheckWindow.h"

#include "archive/FieldChrome.h"
#include "checks/CheckRules.h"
#include "shell/Picture.h"

#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

using brisvola::MessageKind;

CheckWindow::CheckWindow(const Frame &frame, QWidget *parent)
    : QDialog(parent), m_limit(frame.limit), m_top(frame.top)
{
    setObjectName(QLatin1StringView(frame.name));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(frame.caption);
    setWindowIcon(QIcon(QStringLiteral(":/icons/brisvola.svg")));
    setFixedSize(frame.size);
    setStyleSheet(brisvola::shellStyleSheet());
    const int w = frame.size.width();

    imgLogo = new brisvola::Picture(frame.picture, this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(0, 0, w, 70);

    lblTitolo = new QLabel(frame.instructions, this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    QFont bold = lblTitolo->font();
    bold.setBold(true);
    lblTitolo->setFont(bold);
    lblTitolo->setStyleSheet(QStringLiteral("color: #14304F;"));
    lblTitolo->setGeometry(12, 82, w - 24, 22);

    const int buttonWidth = 110;
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QLatin1StringView(frame.field));
    m_edit->setFont(QFont(QStringLiteral("Courier New"), 20, QFont::Bold));
    m_edit->setMaxLength(m_limit);
    m_edit->setGeometry(12, 112, w - 24 - buttonWidth - 8, 46);

    btnControlla = new QPushButton(QStringLiteral("Controlla"), this);
    btnControlla->setObjectName(QStringLiteral("btnControlla"));
    btnControlla->setGeometry(w - 12 - buttonWidth, 112, buttonWidth, 46);

    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setGeometry(w - 12 - buttonWidth, frame.size.height() - 12 - 40, buttonWidth, 40);
    // Enter reaches "Controlla" through the edit; it never closes the window on its own.
    btnChiudi->setAutoDefault(false);

    brisvola::setEnterTarget(m_edit, btnControlla);
    // A limit raised for a long value comes back down as the user shortens it.
    connect(m_edit, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (m_edit->maxLength() > m_limit)
            m_edit->setMaxLength(qMax<int>(m_limit, text.size()));
    });
    connect(btnControlla, &QPushButton::clicked, this, [this] { check(); });
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
}

void CheckWindow::setValue(const QString &value)
{
    m_edit->setMaxLength(qMax<int>(m_limit, value.size()));
    m_edit->setText(value);
}

void CheckWindow::keepTrimmed(bool upperCase)
{
    connect(m_edit, &QLineEdit::textChanged, this, [this, upperCase](const QString &text) {
        QString kept = text.trimmed();
        if (upperCase)
            kept = brisvola::checks::asciiUpper(kept);
        if (kept == text)
            return;
        // The cursor stays after the character it followed.
        qsizetype leading = 0;
        while (leading < text.size() && text[leading].isSpace())
            ++leading;
        const qsizetype cursor =
            m_edit->cursorPosition() - qMin<qsizetype>(leading, m_edit->cursorPosition());
        m_edit->setText(kept);
        m_edit->setCursorPosition(int(qMin(cursor, kept.size())));
    });
}

void CheckWindow::tell(MessageKind kind, const QString &text)
{
    brisvola::showMessage(this, kind, text, brisvola::MessageButtons::Ok);
    accept();
}

void CheckWindow::warnAndStay(const QString &text)
{
    brisvola::showMessage(this, MessageKind::Warning, text, brisvola::MessageButtons::Ok);
    m_edit->setFocus();
}

void CheckWindow::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        if (const QScreen *s = screen())
            move(s->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
    if (!event->spontaneous())
        m_edit->setFocus();
}

void CheckWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, m_top);
    g.setColorAt(1, Qt::white);
    p.fillRect(rect(), g);
}
