#include "archive/ProgressDialog.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace {

std::function<void(QProgressDialog *)> &stepHook()
{
    static std::function<void(QProgressDialog *)> hook;
    return hook;
}

constexpr int showAfterMs = 500;

} // namespace

const QString ProgressDialog::reading =
    QStringLiteral("Lettura dell'archivio in corso: %1 schede lette su %2.");
const QString ProgressDialog::writing =
    QStringLiteral("Scrittura del file in corso: %1 righe scritte su %2.");

ProgressDialog::ProgressDialog(QWidget *parent, QString text)
    : m_parent(parent), m_text(std::move(text))
{
    m_clock.start();
}

ProgressDialog::~ProgressDialog()
{
    delete m_dialog;
}

void ProgressDialog::setStepHook(std::function<void(QProgressDialog *)> hook)
{
    stepHook() = std::move(hook);
}

bool ProgressDialog::advance(qint64 done, qint64 total)
{
    if (m_stopped)
        return false;
    if (stepHook())
        stepHook()(m_dialog);
    if (!m_dialog && done < total && m_clock.elapsed() >= showAfterMs) {
        m_dialog = new QProgressDialog(m_parent);
        m_dialog->setObjectName(QStringLiteral("dlgAvanzamento"));
        m_dialog->setWindowTitle(QStringLiteral(" Brisvola"));
        m_dialog->setCancelButtonText(QStringLiteral("Interrompi"));
        m_dialog->setWindowModality(Qt::WindowModal);
        m_dialog->setAutoClose(false);
        m_dialog->setAutoReset(false);
        m_dialog->setMinimumDuration(0);
        m_dialog->setMinimumWidth(420);
        m_dialog->show();
    }
    if (m_dialog) {
        // The bar counts in thousandths: totals beyond an int stay exact enough.
        m_dialog->setMaximum(1000);
        m_dialog->setValue(total > 0 ? int(done * 1000 / total) : 1000);
        m_dialog->setLabelText(m_text.arg(done).arg(total));
        QCoreApplication::processEvents();
        if (m_dialog->wasCanceled())
            m_stopped = true;
    }
    return !m_stopped;
}
