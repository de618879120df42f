#pragma once

#include <QWidget>

namespace brisvola {
class Picture;
}

// The launcher: six app tiles and the information, help, credits, web site, copies and exit
// icons.
class TfrmAvvio : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmAvvio(QWidget *parent = nullptr);

    // The maker's web site, opened by the footer banner and the credits window.
    static QString webSite();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    struct Tile
    {
        QString number;
        QString windowName;
        brisvola::Picture *image;
        brisvola::Picture *button;
    };
    void addTile(const QString &number, const QString &windowName, const QString &artwork,
                 int column, int row);
    void updateTiles();
    void openApp(const QString &windowName);
    void imgInfoClick();
    void imgGuidaClick();
    void imgCopyrightClick();
    void imgSitoClick();
    void imgEsciClick();

    QWidget *panContainer;
    QList<Tile> m_tiles;
};
