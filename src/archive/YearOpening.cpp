#include "archive/YearOpening.h"

#include "archive/FieldChrome.h"
#include "archive/YearArchive.h"
#include "shell/Clock.h"
#include "shell/Messages.h"

#include <QLineEdit>

namespace yearopening {

void setUpYearEdit(QLineEdit *yearEdit, QWidget *openButton)
{
    yearEdit->setMaxLength(4);
    brisvola::acceptDigitsOnly(yearEdit);
    brisvola::setEnterTarget(yearEdit, openButton);
}

void startYear(QLineEdit *yearEdit)
{
    yearEdit->setText(QString::number(brisvola::today().year()));
    yearEdit->setFocus();
}

std::optional<OpenedYear> openYear(QLineEdit *yearEdit, const QString &suffix)
{
    const QString year = yearEdit->text();
    if (!yeararchive::isValidYear(year)) {
        brisvola::showMessage(yearEdit->window(), brisvola::MessageKind::Warning,
                              QStringLiteral("Attenzione: indicare l'anno solare utilizzando "
                                             "quattro cifre."));
        yearEdit->setFocus();
        return std::nullopt;
    }
    return OpenedYear{year.trimmed(), yeararchive::archivePath(year, suffix)};
}

} // namespace yearopening
