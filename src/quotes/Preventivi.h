#pragma once

#include "archive/ArchiveForm.h"

#include <QHash>
#include <QString>

#include <array>
#include <memory>
#include <optional>

class ArchiveWindow;
class FormBuilder;
class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;
class QStackedLayout;
class QToolButton;

// The quote window: one quote of the chosen year at a time, with the issuer, customer and
// heading blocks, 30 priced lines on six pages, the totals, the note and the pending flag. The
// shared archive-window behaviour (navigation, save, hints, Enter chain, focus highlight) is
// configured here; the window adds the numbering of new quotes, the totals and the issuer data
// kept in "Numerazione.ini".
class TfrmPreventivi : public archiveform::GradientBackground
{
    Q_OBJECT
public:
    explicit TfrmPreventivi(QWidget *parent = nullptr);
    ~TfrmPreventivi() override;

    ArchiveWindow *archive() const { return m_archive; }

    // cmdNuovo: clears the quote and proposes the number and today's date.
    void cmdNuovoClick();
    // cmdCalcola, and the first step of every save: line amounts and totals.
    void cmdCalcolaClick();
    // Empties the quote part; the issuer block, terms, bank, IBAN and VAT rate stay.
    void clearQuote();
    // Pages of lines, 1 to 6.
    void showPage(int page);
    int currentPage() const;
    // The window works on a year's archive from now on: lblFile and the caption.
    void openYear(const QString &year);
    void loadIssuerData();
    bool storeIssuerData();

    // Hidden state.
    QLabel *lblFile;
    QLabel *lblInizio;
    QLabel *lblSolare;
    QLabel *memVeicolo;
    QLabel *memMarca;
    QLabel *memColore;
    QLabel *memImmatricolazione;
    QLabel *memAlimentazione;
    QLabel *memTarga;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct LineControls
    {
        QLineEdit *quant = nullptr;
        QLineEdit *codice = nullptr;
        QLineEdit *desc = nullptr;
        QLineEdit *prezzo = nullptr;
        QLineEdit *sconto = nullptr;
        QLabel *importo = nullptr;
        QCheckBox *esente = nullptr;
    };

    QWidget *buildToolbar(QWidget *parent);
    QGridLayout *buildPartyBlock(QFrame *block, const QString &party, const QString &heading,
                                 const QList<QWidget *> &nameButtons, QComboBox **province);
    QWidget *buildIssuerBlock(QWidget *parent);
    QWidget *buildCustomerBlock(QWidget *parent);
    QWidget *buildHeadingBlock(QWidget *parent);
    QWidget *buildPages(QWidget *parent);
    QWidget *buildTotals(QWidget *parent);
    QWidget *buildFooter(QWidget *parent);
    void configureArchive();
    void connectInputRules();

    // The controls of fields, made by the form builder in the given block.
    QLineEdit *edit(QWidget *parent, const QString &field);
    QComboBox *provinceBox(QWidget *parent, const QString &field);
    QLabel *amountBox(QWidget *parent, const QString &field, int width);
    static void styleAmount(QLabel *amount, int width);
    QToolButton *pictureButton(QWidget *parent, const QString &name, const QString &icon);

    // Reads the numbering settings and counts the quotes of the archive that takes the new one.
    void takeNumbering(const QString &archive);
    std::optional<QHash<QString, QString>> duplicateValues();
    void clearTotals();
    void openEventDetails();
    void openNumbering();
    void openLogo();
    void clearIssuer();

    ArchiveWindow *m_archive = nullptr;
    std::unique_ptr<FormBuilder> m_form;
    qint64 m_countForNew = 0; // the year's record count, taken by New before it clears
    QString m_copyYear;       // the year whose archive takes a duplicate, when not the open one
    std::array<LineControls, 30> m_lines;
    std::array<QFrame *, 6> m_pages{};
    QStackedLayout *m_pageStack = nullptr;
    QLineEdit *m_percIva = nullptr;
    std::array<QLabel *, 5> m_totals{};
    QComboBox *m_provDitta = nullptr;
    QComboBox *m_provCliente = nullptr;
    QList<QWidget *> m_hintClearers;
};
