#pragma once

#include <QDialog>
#include <QString>

#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// One attachment slot of a card: a file name inside the shared folder "Documenti_Allegati" of the
// program folder, and its description (the fields FileNN and DescNN of the record).
struct Attachment
{
    QString file;
    QString description;
};
using Attachments = std::array<Attachment, 3>;

// base and the two digits of slot 0..2: ("File", 0) gives "File01".
QString attachmentSlotName(const char *base, int slot);

// The attachments of the card on screen: three slots, each a file name and a description.
// "Sfoglia..." copies the chosen file into the shared folder; "Applica e chiudi" closes the dialog
// with the slots as they stand (applied()), which the archive window puts into its hidden labels
// lblFile01..03 and lblDesc01..03 (the card reaches the archive at its next save).
//
// Opening it from an archive window (recipes: keyword "ricette"; customers: "fornitori"):
//     if (const auto applied = TfrmAllegaCartella::edit(this, QStringLiteral("ricette"), slots))
//         ... put *applied into the card ...
//
// A stored name is a bare file name; one holding a path separator or ".." is never opened or
// copied: "Apri" explains why instead.
class TfrmAllegaCartella : public QDialog
{
    Q_OBJECT
public:
    // The dialog over the card's slots, each trimmed into its edits.
    explicit TfrmAllegaCartella(const Attachments &attachments = {}, QWidget *parent = nullptr);

    // Creates the dialog with lblMemory set to the opener's keyword, shows it modally and
    // destroys it. Gives back the slots applied; nothing when the dialog was cancelled.
    static std::optional<Attachments> edit(QWidget *opener, const QString &keyword,
                                           const Attachments &attachments);

    // The slots, each trimmed, once "Applica e chiudi" was pressed; nothing before.
    const std::optional<Attachments> &applied() const { return m_applied; }

    static QString folder();
    static bool isBareFileName(const QString &name);

    static const QString overwriteQuestion;
    static const QString invalidNameMessage;

    QLabel *lblMemory;

private:
    void btnSfogliaClick(int slot);
    void btnApriClick(int slot);
    void imgCancellaClick(int slot);
    void txtFileChange(int slot);
    void btnApplicaClick();

    std::optional<Attachments> m_applied;
    QLineEdit *m_file[3];
    QLineEdit *m_desc[3];
    QPushButton *m_apri[3];
};
