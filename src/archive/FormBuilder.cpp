#include "archive/FormBuilder.h"

#include "archive/ArchiveForm.h"
#include "archive/ArchiveWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

FormBuilder::FormBuilder(QWidget *parent, ArchiveWindow *archive)
    : m_parent(parent), m_archive(archive)
{
}

QString FormBuilder::member(const char *base, int n)
{
    return QLatin1StringView(base) + QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

int FormBuilder::capacity(const QString &field) const
{
    const RecordLayout &layout = m_archive->layout();
    return layout.length(layout.field(field.toLatin1().constData()));
}

void FormBuilder::bind(const QString &field, QWidget *control)
{
    m_archive->bindField(field.toLatin1().constData(), control);
}

void FormBuilder::applyFont(QWidget *w) const
{
    if (m_hasFont)
        w->setFont(m_font);
}

QLineEdit *FormBuilder::edit(const QString &field)
{
    auto *e = new QLineEdit(m_parent);
    e->setObjectName(QStringLiteral("txt") + field);
    e->setMaxLength(capacity(field));
    applyFont(e);
    bind(field, e);
    return e;
}

QLineEdit *FormBuilder::edit(const QString &field, const QRect &geometry)
{
    QLineEdit *e = edit(field);
    e->setGeometry(geometry);
    return e;
}

QPlainTextEdit *FormBuilder::memo(const QString &field, const QRect &geometry)
{
    auto *m = new QPlainTextEdit(m_parent);
    m->setObjectName(QStringLiteral("txt") + field);
    applyFont(m);
    m->setGeometry(geometry);
    m->setTabChangesFocus(true);
    m->setStyleSheet(QStringLiteral("QPlainTextEdit { background: white; color: black; border: "
                                    "1px solid #87CEEB; }"));
    bind(field, m);
    return m;
}

QCheckBox *FormBuilder::check(const QString &field, const QString &text)
{
    auto *c = new QCheckBox(text, m_parent);
    c->setObjectName(QStringLiteral("chk") + field);
    bind(field, c);
    return c;
}

QComboBox *FormBuilder::list(const QString &field, const QStringList &values,
                             const QString &controlName)
{
    auto *c = new QComboBox(m_parent);
    c->setObjectName(controlName.isEmpty() ? QStringLiteral("txt") + field : controlName);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(values);
    c->lineEdit()->setMaxLength(capacity(field));
    c->setCurrentIndex(-1);
    c->setStyleSheet(archiveform::listStyle());
    bind(field, c);
    return c;
}

QLabel *FormBuilder::hidden(const QString &field)
{
    auto *l = new QLabel(m_parent);
    l->setObjectName(QStringLiteral("lbl") + field);
    l->hide();
    bind(field, l);
    return l;
}

QLabel *FormBuilder::display(const QString &field)
{
    auto *l = new QLabel(m_parent);
    l->setObjectName(QStringLiteral("txt") + field);
    bind(field, l);
    return l;
}

QLabel *FormBuilder::caption(const QString &text, int x, int y)
{
    QLabel *l = archiveform::caption(m_parent, text);
    l->move(x, y);
    return l;
}

std::vector<QWidget *> FormBuilder::row(const Row &row, int n, QGridLayout *grid, int gridRow,
                                        int firstColumn)
{
    std::vector<QWidget *> controls;
    QStringList chain;
    int column = firstColumn;
    for (const Cell &cell : row) {
        const QString field = member(cell.base, n);
        QWidget *w = nullptr;
        switch (cell.kind) {
        case Kind::Edit: {
            QLineEdit *e = edit(field);
            if (cell.alignment)
                e->setAlignment(cell.alignment);
            w = e;
            break;
        }
        case Kind::Check:
            w = check(field);
            break;
        case Kind::Display: {
            QLabel *l = display(field);
            if (cell.alignment)
                l->setAlignment(cell.alignment);
            w = l;
            break;
        }
        case Kind::Button:
            w = archiveform::iconButton(m_parent, field, QLatin1String(cell.icon),
                                        cell.width > 0 ? cell.width : 26);
            break;
        }
        if (cell.width > 0 && cell.kind != Kind::Button)
            w->setFixedWidth(cell.width);
        grid->addWidget(w, gridRow, column++,
                        cell.kind == Kind::Check || cell.kind == Kind::Button ? Qt::AlignCenter
                                                                              : Qt::Alignment());
        controls.push_back(w);
        if (cell.kind != Kind::Display && cell.kind != Kind::Button)
            chain << w->objectName();
    }
    m_archive->addEnterChain(chain);
    return controls;
}
