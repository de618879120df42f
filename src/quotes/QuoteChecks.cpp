#include "quotes/QuoteChecks.h"

#include "checks/OpenCheck.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace quotes {

void connectQuoteChecks(QWidget *window)
{
    using Opener = void (*)(QWidget *, const QString &);
    const struct
    {
        const char *button;
        const char *field;
        Opener open;
    } buttons[] = {
        {"btnIvaDitta", "txtIvaDitta", brisvola::checks::openVatCheck},
        {"btnCodFiscDitta", "txtCodFiscDitta", brisvola::checks::openTaxCodeCheck},
        {"btnIvaCliente", "txtIvaCliente", brisvola::checks::openVatCheck},
        {"btnCodFiscCliente", "txtCodFiscCliente", brisvola::checks::openTaxCodeCheck},
    };
    for (const auto &b : buttons) {
        auto *button = window->findChild<QAbstractButton *>(QLatin1StringView(b.button));
        auto *field = window->findChild<QLineEdit *>(QLatin1StringView(b.field));
        if (!button || !field)
            continue;
        const Opener open = b.open;
        QObject::connect(button, &QAbstractButton::clicked, window,
                         [window, field, open] { open(window, field->text()); });
    }
}

} // namespace quotes
