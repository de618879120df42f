#include "archive/ArchiveSession.h"

#include "archive/ArchiveError.h"
#include "archive/RecordFile.h"

using brisvola::MessageButtons;
using brisvola::MessageKind;

namespace {

const QString emptyArchiveMessage = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString insertedMessage = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString updatedMessage =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString duplicateRefusedMessage =
    QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che "
                   "questa è stata inserita in archivio.");
const QString duplicatedMessage =
    QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                   "Al termine premere Salva per inserire la scheda in archivio.");

} // namespace

ArchiveSession::ArchiveSession(const RecordLayout &layout, Config config, Screen &screen)
    : m_layout(&layout), m_config(std::move(config)), m_screen(&screen),
      m_shownBytes(layout.recordSize(), '\0')
{
}

ArchiveSession::Check ArchiveSession::required(const QString &field, const QString &control,
                                               const QString &message)
{
    return Check{control,
                 [field](const ArchiveSession &s) { return !s.text(field).trimmed().isEmpty(); },
                 message};
}

QString ArchiveSession::flagText(bool ticked)
{
    return ticked ? QStringLiteral("Sì") : QStringLiteral("No");
}

bool ArchiveSession::flagFromText(const QString &text)
{
    return text == QStringLiteral("Sì");
}

int ArchiveSession::fieldIndex(const QString &field) const
{
    return m_layout->field(field.toLatin1().constData());
}

QString ArchiveSession::text(int field) const
{
    if (m_screen->hasControl(field))
        return m_screen->text(field);
    return m_layout->rawText(m_shownBytes.constData(), field);
}

QString ArchiveSession::text(const QString &field) const
{
    return text(fieldIndex(field));
}

void ArchiveSession::setText(const QString &field, const QString &value)
{
    const int i = fieldIndex(field);
    if (m_screen->hasControl(i)) {
        m_screen->setText(i, value);
    } else {
        Record kept(*m_layout, m_shownBytes);
        kept.setText(i, value);
        m_shownBytes = kept.bytes();
    }
}

qint64 ArchiveSession::position() const
{
    return RecordFile::positionFromText(m_screen->positionText());
}

Record ArchiveSession::record() const
{
    Record record(*m_layout, m_shownBytes);
    for (int i = 0; i < m_layout->fieldCount(); ++i) {
        if (!m_screen->hasControl(i))
            continue;
        QString value = m_screen->text(i);
        if (m_config.trimOnWrite)
            value = value.trimmed();
        record.setText(i, value);
    }
    if (m_config.derive)
        m_config.derive(record);
    return record;
}

void ArchiveSession::show(const Record &record, qint64 position)
{
    const bool keepUnknownFlags = m_config.flagOnShow == FlagOnShow::KeepUnlessYesOrNo;
    for (int i = 0; i < m_layout->fieldCount(); ++i) {
        if (!m_screen->hasControl(i))
            continue;
        const QString value = record.text(i);
        if (keepUnknownFlags && value != flagText(true) && value != flagText(false) &&
            m_config.flagFields.contains(QLatin1StringView(m_layout->name(i))))
            continue;
        m_screen->setText(i, value);
    }
    if (hooks.show)
        hooks.show(record);
    m_shownBytes = record.bytes();
    m_screen->setPositionText(QString::number(position));
    if (hooks.shown)
        hooks.shown(position);
}

bool ArchiveSession::showPosition(qint64 position, Command command)
{
    try {
        const Record record = RecordFile(archivePath(), *m_layout).read(position);
        show(record, position);
        return true;
    } catch (const ArchiveError &) {
        failure(command);
        return false;
    }
}

void ArchiveSession::notice(MessageKind kind, const QString &text)
{
    m_screen->message(kind, text, MessageButtons::OkCancel);
}

void ArchiveSession::failure(Command command)
{
    const auto it = m_config.failures.find(command);
    const Failure f = it == m_config.failures.end() ? Failure{} : it->second;
    m_screen->message(f.kind, brisvola::archiveAccessMessage, f.buttons);
}

// --- commands ------------------------------------------------------------------------------

void ArchiveSession::clear()
{
    for (int i = 0; i < m_layout->fieldCount(); ++i) {
        const QString name = QLatin1StringView(m_layout->name(i));
        if (!m_screen->hasControl(i) || m_config.keptByNew.contains(name))
            continue;
        const bool flag = m_config.flagFields.contains(name);
        m_screen->setText(i, flag ? flagText(false) : m_config.defaults.value(name));
    }
    m_shownBytes.fill('\0');
    if (hooks.clear)
        hooks.clear();
    m_screen->setPositionText(QString());
}

void ArchiveSession::newCard()
{
    try {
        if (m_config.prepareNew && !m_config.prepareNew()) {
            failure(Command::New);
            return;
        }
        clear();
        if (m_config.newValues) {
            const std::optional<QHash<QString, QString>> values = m_config.newValues();
            if (!values) {
                failure(Command::New);
                return;
            }
            for (auto it = values->cbegin(); it != values->cend(); ++it)
                setText(it.key(), it.value());
        }
    } catch (const ArchiveError &) {
        failure(Command::New);
        return;
    }
    m_screen->focus(m_config.firstControl);
}

void ArchiveSession::duplicate()
{
    if (m_screen->positionText().trimmed().isEmpty()) {
        notice(MessageKind::Warning, duplicateRefusedMessage);
        return;
    }
    QHash<QString, QString> values;
    try {
        if (m_config.duplicateValues) {
            const std::optional<QHash<QString, QString>> asked = m_config.duplicateValues();
            if (!asked) {
                failure(Command::Duplicate);
                return;
            }
            values = *asked;
        }
        if (m_config.duplicateOpensArchive == Config::ArchiveCheck::BeforeCopy)
            static_cast<void>(RecordFile(archivePath(), *m_layout).count());
    } catch (const ArchiveError &) {
        failure(Command::Duplicate);
        return;
    }
    for (const QString &f : m_config.attachmentFields)
        setText(f, QString());
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        setText(it.key(), it.value());
    if (m_config.duplicateClearsFlags)
        for (const QString &f : m_config.flagFields)
            setText(f, flagText(false));
    m_screen->setPositionText(QString());
    if (hooks.duplicate)
        hooks.duplicate();
    if (m_config.duplicateOpensArchive == Config::ArchiveCheck::AfterCopy) {
        try {
            static_cast<void>(RecordFile(archivePath(), *m_layout).count());
        } catch (const ArchiveError &) {
            failure(Command::Duplicate);
            return;
        }
    }
    m_screen->focus(m_config.firstControl);
    notice(MessageKind::Information, duplicatedMessage);
}

bool ArchiveSession::save()
{
    qint64 p = 0;
    bool appended = false;
    Record stored(*m_layout);
    try {
        if (hooks.beforeSave)
            hooks.beforeSave();
        for (auto it = m_config.saveDefaults.cbegin(); it != m_config.saveDefaults.cend(); ++it)
            if (text(it.key()).trimmed().isEmpty())
                setText(it.key(), it.value());
        for (const Check &c : m_config.checks) {
            if (c.passes(*this))
                continue;
            m_screen->message(c.kind, c.describe ? c.describe(*this) : c.message, c.buttons);
            m_screen->focus(c.control);
            return false;
        }
        if (hooks.check && !hooks.check())
            return false;
        stored = record();
        RecordFile file(archivePath(), *m_layout);
        p = position();
        if (p > 0) {
            file.write(p, stored);
        } else {
            p = file.append(stored);
            appended = true;
        }
    } catch (const ArchiveError &) {
        failure(Command::Save);
        return false;
    }
    m_shownBytes = stored.bytes();
    if (m_config.showStored)
        for (int i = 0; i < m_layout->fieldCount(); ++i)
            if (m_screen->hasControl(i))
                m_screen->setText(i, stored.text(i));
    m_screen->setPositionText(QString::number(p));
    if (hooks.stored)
        hooks.stored(p);
    const QString inserted =
        m_config.insertedMessage.isEmpty() ? insertedMessage : m_config.insertedMessage;
    notice(MessageKind::Information, appended ? inserted : updatedMessage);
    return true;
}

void ArchiveSession::first()
{
    try {
        RecordFile file(archivePath(), *m_layout);
        if (file.count() == 0) {
            notice(MessageKind::Information, emptyArchiveMessage);
            return;
        }
        show(file.read(1), 1);
    } catch (const ArchiveError &) {
        failure(Command::First);
    }
}

void ArchiveSession::last()
{
    try {
        RecordFile file(archivePath(), *m_layout);
        const qint64 n = file.count();
        if (n == 0) {
            notice(MessageKind::Information, emptyArchiveMessage);
            return;
        }
        show(file.read(n), n);
    } catch (const ArchiveError &) {
        failure(Command::Last);
    }
}

void ArchiveSession::next()
{
    try {
        RecordFile file(archivePath(), *m_layout);
        const qint64 p = position();
        const qint64 n = file.count();
        if (n == 0) {
            m_screen->setPositionText(QString());
            notice(MessageKind::Information, emptyArchiveMessage);
            return;
        }
        if (p < n)
            show(file.read(p + 1), p + 1);
    } catch (const ArchiveError &) {
        failure(Command::Next);
    }
}

void ArchiveSession::previous()
{
    if (m_screen->positionText() == QLatin1String("1"))
        return;
    try {
        RecordFile file(archivePath(), *m_layout);
        const qint64 p = position();
        const qint64 n = file.count();
        if (n == 0) {
            notice(MessageKind::Information, emptyArchiveMessage);
            return;
        }
        const qint64 target = p == 0 ? 1 : p - 1;
        show(file.read(target), target);
    } catch (const ArchiveError &) {
        failure(Command::Previous);
    }
}
