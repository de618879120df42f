#pragma once

#include "archive/ArchiveForm.h"
#include "archive/FindDialog.h"
#include "menus/MenuPage.h"

class ArchiveWindow;
struct MenuDish;

// The window of the menu archive "Menu.pro": a title, the season, the cover charge, the warnings,
// ten dish slots (each with its import arrow from the recipe archive), the allergen indications,
// the footnote and the flag. Commands, navigation, messages, hints and the focus highlight are
// the archive machinery's (ArchiveWindow), configured here.
class TfrmMenu : public archiveform::GradientBackground
{
    Q_OBJECT
public:
    explicit TfrmMenu(QWidget *parent = nullptr);

    ArchiveWindow *archive() const { return m_archive; }

    // The texts of the controls as they stand now, by field name.
    menus::MenuValues values() const;
    // Puts a dish into slot 1..10: name, description and price, each emptied when empty; the
    // other slots, the position and the flag stay as they are.
    void setDish(int slot, const MenuDish &dish);

    // Where a menu chosen in a find or flagged list goes: the menu window that opened the dialog
    // (or one of the opener's ancestors), otherwise the program's menu window.
    static RecordTarget target(QWidget *opener);

    // The buttons' handlers (also reached by tests).
    void impPietanzaClick(int slot);
    void cmdTrovaClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void cmdEsportaClick();
    void cmdSegnalatiClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildCommands(QWidget *panel);
    void buildFields(QWidget *panel);
    void configureArchive();

    ArchiveWindow *m_archive = nullptr;
    QWidget *m_panel = nullptr;
    QList<QWidget *> m_sections;
};
