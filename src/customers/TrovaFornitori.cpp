#include "customers/TrovaFornitori.h"

#include "archive/ArchiveWindow.h"
#include "customers/CustomerLists.h"
#include "customers/CustomerRecord.h"
#include "customers/Fornitori.h"
#include "shell/WindowSet.h"

#include <QLabel>
#include <QPointer>

namespace {

QList<FindCriterion> customerCriteria()
{
    const std::pair<const char *, const char *> table[] = {
        {"Ditta", "Cognome e nome:"},
        {"Titolare", "Denominazione Ditta:"},
        {"PartitaIva", "Partita IVA:"},
        {"CodFisc", "Codice fiscale:"},
        {"IndirizzoRes", "Via / Piazza e numero civico:"},
        {"ComuneRes", "Città:"},
        {"Articoli", "Segnalazioni del cliente:"},
        {"Offerte", "Intolleranze alimentari:"},
        {"Questioni", "Questioni in sospeso:"},
        {"Note", "Note:"},
    };
    QList<FindCriterion> criteria;
    for (const auto &[field, label] : table) {
        const bool wide = QLatin1String(field) == QLatin1String("Questioni") ||
                          QLatin1String(field) == QLatin1String("Note");
        criteria.append({QStringLiteral("txt") + QLatin1String(field),
                         QString::fromUtf8(label),
                         field,
                         {},
                         wide});
    }
    return criteria;
}

// The window the opener belongs to (its top-level ancestor).
QWidget *topWindow(QWidget *opener)
{
    return opener ? opener->window() : nullptr;
}

} // namespace

namespace customers {

QHash<QString, RecordTarget> recordTargets(QWidget *opener)
{
    const QPointer<QWidget> from(opener);
    const RecordTarget customerWindow = [from](const Record &record, qint64 position) {
        TfrmFornitori *w = nullptr;
        for (QWidget *p = from; p && !w; p = p->parentWidget())
            w = qobject_cast<TfrmFornitori *>(p);
        if (!w)
            w = brisvola::window<TfrmFornitori>(QStringLiteral("TfrmFornitori"));
        if (w)
            w->archive()->showRecord(record, position);
    };
    const RecordTarget quoteWindow = [from](const Record &record, qint64) {
        QWidget *quote = topWindow(from);
        if (!quote)
            return;
        for (const auto &[control, value] : quoteCustomer(record))
            if (QWidget *w = quote->findChild<QWidget *>(control))
                ArchiveWindow::setFieldText(w, value);
    };
    return {{QStringLiteral("fornitori"), customerWindow},
            {QStringLiteral("preventivi"), quoteWindow}};
}

} // namespace customers

namespace {
FindConfig customerFind(QWidget *opener)
{
    FindConfig c;
    c.className = QStringLiteral("TfrmTrovaFornitori");
    c.caption = QStringLiteral(" Trova clienti abituali in archivio");
    c.heading = QStringLiteral("Trova clienti abituali in archivio");
    c.printTitle = QStringLiteral("Riepilogo clienti abituali");
    c.layout = &customers::customerLayout();
    c.archivePath = [] { return customers::archivePath(); };
    c.criteria = customerCriteria();
    c.line = customers::findLine();
    c.targets = customers::recordTargets(opener);
    return c;
}
} // namespace

TfrmTrovaFornitori::TfrmTrovaFornitori(QWidget *parent)
    : FindDialog(customerFind(parent), parent), lblMemory(memoryLabel())
{
}

void TfrmTrovaFornitori::pickIntoQuote(QWidget *quoteWindow)
{
    TfrmTrovaFornitori find(quoteWindow);
    find.lblMemory->setText(QStringLiteral("preventivi"));
    find.exec();
}
