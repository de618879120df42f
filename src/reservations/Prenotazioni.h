#pragma once

#include <QFont>
#include <QWidget>

#include <memory>

class ArchiveWindow;
class FormBuilder;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// The register of table reservations: the starting panel asks the calendar year, then the card
// panel shows one reservation of that year's archive "<year>.tav" at a time. The shared archive
// behaviour (navigation, New, Duplicate, Save, hints, Enter chain, focus rectangles) is the
// session configured in the reservation rules; the window adds the quick fill of today's date and
// time, the e-mail confirmation and the reservation card.
class TfrmPrenotazioni : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmPrenotazioni(QWidget *parent = nullptr);
    ~TfrmPrenotazioni() override;

    ArchiveWindow *archive() const { return m_archive; }

    // The hidden archive path of the open year.
    QLabel *lblFile;
    QFrame *panAvvio;
    QFrame *panContainer;
    QLineEdit *txtAnno;
    QPushButton *btnApri;

    void btnApriClick();
    void impRitiroClick();
    void cmdEmailClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void cmdTrovaClick();
    void cmdEsportaClick();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QFrame *buildStartPanel();
    QFrame *buildCardPanel();
    QWidget *buildDateSection(QWidget *parent);
    QWidget *buildCustomerSection(QWidget *parent);
    QWidget *buildRequestsSection(QWidget *parent);
    QWidget *buildServiceSection(QWidget *parent);
    QComboBox *pickList(QWidget *parent, const QString &field, const QStringList &values,
                        bool emptiable, int width);
    QLineEdit *edit(QWidget *parent, const QString &field);
    void configureArchive();
    QString fieldText(const char *control) const;
    void setFieldText(const char *control, const QString &text);

    ArchiveWindow *m_archive = nullptr;
    std::unique_ptr<FormBuilder> m_form;
    QList<QWidget *> m_hintClearers;
    QLineEdit *m_amount = nullptr;
    QLineEdit *m_persons = nullptr;
    QLineEdit *m_email = nullptr;
    QFont m_fieldFont;
};
